#include "ReadableColour.h"

#include <QPalette>

#include <cmath>

namespace {

// Relative luminance and contrast ratio as the web's accessibility guidelines define them.
double luminance(const QColor& colour)
{
    auto channel = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor mix(const QColor& from, const QColor& to, double t)
{
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * t),
                            float(from.greenF() + (to.greenF() - from.greenF()) * t),
                            float(from.blueF() + (to.blueF() - from.blueF()) * t));
}

} // namespace

QColor readableOn(const QColor& designed, const QPalette& palette)
{
    constexpr double kMinimum = 4.5;
    const QColor window = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    if (luminance(window) >= luminance(text))
        return designed;
    const QColor start = designed.hsvHue() < 0 ? text : designed;
    for (int step = 0; step <= 20; ++step) {
        const QColor candidate = mix(start, Qt::white, step / 20.0).toRgb();
        // Compared as it will be drawn: in 8-bit channels.
        const QColor drawn(candidate.red(), candidate.green(), candidate.blue());
        if (contrast(drawn, window) >= kMinimum)
            return drawn;
    }
    return Qt::white;
}
