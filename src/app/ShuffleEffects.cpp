#include "ShuffleEffects.h"

#include "platform/SoundPlayer.h"
#include "settings/Settings.h"
#include "ui/DesignUnits.h"
#include "ui/Prompter.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegion>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

// The flash colours in their order, 0x00BBGGRR values as QColor; from rest, and after the
// last, the cycle starts again at the first.
const QColor kFlashCycle[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 255, 0), QColor(255, 255, 0)};

constexpr float kShakeTwips = 100;

} // namespace

ShuffleEffects::ShuffleEffects(QWidget* window, QList<QWidget*> contents, const Services& services, QByteArray sound)
    : QObject(window), m_window(window), m_contents(std::move(contents)), m_services(services),
      m_shuffleSound(std::move(sound))
{
}

void ShuffleEffects::load()
{
    using namespace SettingsKeys;
    m_flashy = m_services.settings->flag(Flash);
    m_shaky = m_services.settings->flag(Shake);
    m_sound = m_services.settings->flag(Sound);
    connect(m_services.settings, &Settings::changed, this, &ShuffleEffects::settingChanged, Qt::UniqueConnection);
}

void ShuffleEffects::settingChanged(const QString& key)
{
    using namespace SettingsKeys;
    if (key != Flash.key && key != Shake.key && key != Sound.key)
        return;
    load();
    if (key == Flash.key && !m_flashy)
        restoreRestColour();
}

void ShuffleEffects::step()
{
    if (m_sound)
        playSound();

    // The window where it can place itself, otherwise what it holds.
    if (m_shaky && !(m_window->isMinimized() || m_window->isMaximized())) {
        if (shakeMovesWindow())
            setLeftTwips(leftTwips() + (m_shifted ? -kShakeTwips : kShakeTwips));
        else
            shiftContents(m_shifted ? 0 : twipsToPixels(kShakeTwips));
        m_shifted = !m_shifted;
    }

    // The window, and the button panel that shows it through, take the next colour.
    if (m_flashy) {
        const QColor* at = std::find(std::begin(kFlashCycle), std::end(kFlashCycle), m_flashColour);
        m_flashColour = at == std::end(kFlashCycle) || at + 1 == std::end(kFlashCycle) ? kFlashCycle[0] : at[1];
        QRegion flashed(m_window->rect());
        if (m_opaqueContent && m_opaqueContent->isVisible())
            flashed -= m_opaqueContent->geometry();
        m_window->update(flashed);
    }
}

void ShuffleEffects::playSound()
{
    if (!m_shuffleSound.isEmpty()) {
        m_services.player->play(m_shuffleSound);
        return;
    }
    // Ticks keep coming while the message is open; they must not stack copies of it.
    if (m_soundErrorOpen)
        return;
    m_soundErrorOpen = true;
    m_services.prompter->tell(
        //: Title of the message that the sound file is missing.
        QCoreApplication::translate("MainWindow", "Sound Error"),
        //: "shuffle.wav" is the file's name: keep it as it is.
        QCoreApplication::translate("MainWindow",
                                    "Nimbrel cannot find the sound file it needs to play sound while shuffling. The "
                                    "file \"shuffle.wav\" should be in the same folder as the program file. It might "
                                    "have been deleted. You should replace the file or reinstall the program if you "
                                    "wish to play sound while shuffling. Sound will be disabled."),
        Prompter::Icon::Warning);
    m_soundErrorOpen = false;
    m_services.settings->setFlag(SettingsKeys::Sound, false);
}

void ShuffleEffects::rest()
{
    restoreRestColour();
    if (m_contentShift != 0)
        shiftContents(0);
    // A shaken window goes back where it stood before the shuffle, not a shake step aside.
    if (m_shifted && shakeMovesWindow())
        setLeftTwips(leftTwips() - kShakeTwips);
    m_shifted = false;
}

void ShuffleEffects::restoreRestColour()
{
    m_flashColour.reset();
    m_window->update();
}

void ShuffleEffects::shiftContents(int pixels)
{
    // Right to left, the contents move the mirrored way, as the whole form is mirrored.
    const int by = (pixels - m_contentShift) * (m_window->isRightToLeft() ? -1 : 1);
    m_contentShift = pixels;
    for (QWidget* w : std::as_const(m_contents))
        w->move(w->x() + by, w->y());
}

void ShuffleEffects::laidOut()
{
    // Contents the shake moved aside stay aside until it brings them back.
    const int shift = std::exchange(m_contentShift, 0);
    shiftContents(shift);
}

float ShuffleEffects::leftTwips() const
{
    // The twips the shake set stand while the window is at one of the places it asked for
    // last: a window manager answers a move a little later, so x() can still show the place
    // before, and a move made from there would creep. Anywhere else, the window was moved
    // by other means (the user, the window manager), and that place counts.
    const int x = m_window->x();
    if (m_leftTwips && (x == m_askedLeft[0] || x == m_askedLeft[1]))
        return *m_leftTwips;
    return float(x) * kTwipsPerPixel;
}

void ShuffleEffects::setLeftTwips(float twips)
{
    m_askedLeft = {twipsToPixels(leftTwips()), twipsToPixels(twips)};
    m_leftTwips = twips;
    // Straight to the window system: a widget skips a move to where it thinks it stands,
    // and while an answer is late it may think it stands there already.
    if (QWindow* window = m_window->windowHandle())
        window->setFramePosition({m_askedLeft[1], m_window->y()});
    else
        m_window->move(m_askedLeft[1], m_window->y());
}

QByteArray ShuffleEffects::readFileData(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {};
    qsizetype first = 0;
    qsizetype last = data.size();
    while (first < last && data[first] == ' ')
        ++first;
    while (last > first && data[last - 1] == ' ')
        --last;
    return data.mid(first, last - first);
}
