#include "MainWindow.h"

#include "ListBox.h"
#include "MainWindowTexts.h"
#include "draw/FreshSeed.h"
#include "draw/RandomSource.h"
#include "platform/SoundPlayer.h"
#include "ui/DesignUnits.h"
#include "ui/Prompter.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <iterator>
#include <utility>

// The draw: Shuffle starts the 10 ms tick, Stop ends it; each tick re-orders the list
// and plays the effects that are switched on.

namespace {

// The flash colours in their order, 0x00BBGGRR values as QColor; from rest, and after the
// last, the cycle starts again at the first.
const QColor kFlashCycle[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 255, 0), QColor(255, 255, 0)};

constexpr float kShakeTwips = 100;

} // namespace

bool MainWindow::isShuffling() const
{
    return m_shuffleTimer->isActive();
}

void MainWindow::toggleShuffle()
{
    if (m_nameList->count() < 2) {
        m_services.prompter->tell(MainWindowTexts::oops(), tr("You must add at least two names to the list first."),
                                  Prompter::Icon::Warning);
        return;
    }

    if (!isShuffling()) {
        // Each draw runs from a seed of its own, which its record keeps so anyone can do it
        // again; a seed that could be guessed would make neither a fair draw nor a proof.
        const std::optional<std::uint64_t> seed = freshSeed();
        if (!seed) {
            m_services.prompter->tell(
                MainWindowTexts::oops(),
                tr("The draw cannot start: the system gives no random numbers to start it from. Try again."),
                Prompter::Icon::Warning);
            return;
        }
        m_services.random->seed(*seed);
        startDrawRecord(*seed);
        // The order before the shuffle is what Undo brings back.
        m_beforeShuffle = m_nameList->names();
        m_shuffleTimer->start();
    } else {
        m_shuffleTimer->stop();
        if (m_nameList->names() != m_beforeShuffle)
            m_history->reordered(std::exchange(m_beforeShuffle, {}));
        restoreRestColour();
        // The drawn order is read from the names' start, even if the list was scrolled
        // sideways after the last re-order.
        m_nameList->horizontalScrollBar()->setValue(0);
        // Shaken contents go back where they were (a shaken window stays where it stands).
        if (m_contentShift != 0) {
            shiftContents(0);
            m_shifted = false;
        }
        recordDraw();
    }
    enableButtons();
    if (!isShuffling() && m_showEachDrawAction->isChecked())
        showDraw();
}

void MainWindow::shuffleTick()
{
    // 1. Re-order. The list shows the new order from its first name and from the names'
    // start, as a list box emptied and filled again does, however it was scrolled.
    m_nameList->permute(m_draw.draw(m_nameList->count(), *m_services.random));
    ++m_reorders;
    m_nameList->verticalScrollBar()->setValue(0);
    m_nameList->horizontalScrollBar()->setValue(0);

    // 2. Sound.
    if (m_sound) {
        if (!m_shuffleSound.isEmpty()) {
            m_services.sound->play(m_shuffleSound);
        } else if (!m_soundErrorOpen) {
            // Ticks keep coming while the message is open; they must not stack copies of it.
            m_soundErrorOpen = true;
            m_services.prompter->tell(
                //: Title of the message that the sound file is missing.
                tr("Sound Error"),
                //: "shuffle.wav" is the file's name: keep it as it is.
                tr("Nimbrel cannot find the sound file it needs to play sound while shuffling. The file "
                   "\"shuffle.wav\" should be in the same folder as the program file. It might have been "
                   "deleted. You should replace the file or reinstall the program if you wish to play "
                   "sound while shuffling. Sound will be disabled."),
                Prompter::Icon::Warning);
            m_soundErrorOpen = false;
            m_sound = false;
            m_settings.setFlag(SettingsKeys::Sound, false);
        }
    }

    // 3. Shake: the window where it can place itself, otherwise what it holds.
    if (m_shaky && !m_minimizedOrMaximized) {
        if (shakeMovesWindow())
            setLeftTwips(leftTwips() + (m_shifted ? -kShakeTwips : kShakeTwips));
        else
            shiftContents(m_shifted ? 0 : twipsToPixels(kShakeTwips));
        m_shifted = !m_shifted;
    }

    // 4. Flash: the window, and the button panel that shows it through, take the next colour
    // of the cycle.
    if (m_flashy) {
        const QColor* at = std::find(std::begin(kFlashCycle), std::end(kFlashCycle), m_flashColour);
        m_flashColour = at == std::end(kFlashCycle) || at + 1 == std::end(kFlashCycle) ? kFlashCycle[0] : at[1];
        update();
    }
}

float MainWindow::leftTwips() const
{
    // The twips the shake set stand while the window is at one of the places it asked for
    // last: a window manager answers a move a little later, so x() can still show the place
    // before, and a move made from there would creep. Anywhere else, the window was moved
    // by other means (the user, the window manager), and that place counts.
    if (m_leftTwips && (x() == m_askedLeft[0] || x() == m_askedLeft[1]))
        return *m_leftTwips;
    return float(x()) * kTwipsPerPixel;
}

void MainWindow::setLeftTwips(float twips)
{
    m_askedLeft = {twipsToPixels(leftTwips()), twipsToPixels(twips)};
    m_leftTwips = twips;
    // Straight to the window system: a widget skips a move to where it thinks it stands,
    // and while an answer is late it may think it stands there already.
    if (QWindow* window = windowHandle())
        window->setFramePosition({m_askedLeft[1], y()});
    else
        move(m_askedLeft[1], y());
}
