#include "SteadyPaletteStyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

// More sets of colours than the window ever shows at once; the oldest one goes first.
constexpr qsizetype kKeptPalettes = 16;

QStyle* applicationStyle()
{
    const QStyle* current = QApplication::style();
    return current ? QStyleFactory::create(current->name()) : nullptr;
}

} // namespace

// Draws with the steady palette in place of the option's, and puts the option's back after.
class SteadyPaletteStyle::Swap
{
public:
    Swap(const SteadyPaletteStyle& style, const QStyleOption* option)
        : m_option(const_cast<QStyleOption*>(option)), m_saved(option ? option->palette : QPalette())
    {
        if (!m_option)
            return;
        m_option->palette = style.steadyPalette(m_saved);
        m_option->palette.setCurrentColorGroup(m_saved.currentColorGroup());
    }
    ~Swap()
    {
        if (m_option)
            m_option->palette = m_saved;
    }
    Swap(const Swap&) = delete;
    Swap& operator=(const Swap&) = delete;

private:
    QStyleOption* m_option;
    QPalette m_saved;
};

SteadyPaletteStyle::SteadyPaletteStyle() : QProxyStyle(applicationStyle()) {}

QPalette SteadyPaletteStyle::steadyPalette(const QPalette& palette) const
{
    // Equal palettes have the same brushes in every group; a copy compares at once.
    for (const QPalette& known : std::as_const(m_palettes)) {
        if (known == palette)
            return known;
    }
    if (m_palettes.size() == kKeptPalettes)
        m_palettes.removeFirst();
    m_palettes.append(palette);
    return palette;
}

void SteadyPaletteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                       const QWidget* widget) const
{
    const Swap swap(*this, option);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void SteadyPaletteStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const
{
    const Swap swap(*this, option);
    QProxyStyle::drawControl(element, option, painter, widget);
}

void SteadyPaletteStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                            QPainter* painter, const QWidget* widget) const
{
    const Swap swap(*this, option);
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}
