#include "Form1.h"

#include "Form1Texts.h"
#include "ListBox.h"
#include "platform/SoundPlayer.h"
#include "settings/SettingsKeys.h"
#include "ui/BackColor.h"
#include "ui/Prompter.h"

#include <QPushButton>
#include <QTimer>

// The draw: Shuffle starts the 10 ms tick, Stop ends it; each tick re-orders the list
// and plays the effects that are switched on.

namespace {

// Flash colours, 0x00BBGGRR values as QColor.
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 255, 0);

constexpr float kShakeTwips = 100;

} // namespace

void Form1::Command2_Click()
{
    if (List1->ListCount() < 2) {
        m_services.prompter->MsgBox(QStringLiteral("You must add at least two names to the list first."),
                                    Prompter::vbExclamation, Form1Texts::Oops);
        return;
    }

    if (Timer1->isActive())
        Timer1->stop();
    else
        Timer1->start();

    const bool starting = Command2->text() == Form1Texts::Shuffle;
    if (starting) {
        setTimer2Enabled(false);
        Command2->setText(Form1Texts::Stop);
    } else {
        setTimer2Enabled(true);
        Command2->setText(Form1Texts::Shuffle);
        setBackColor(this, backColor(Command1));
        setBackColor(Picture1, backColor(Command1));
    }

    for (QPushButton* b : {Command1, Command3, Command4, Command7, Command10, Command11})
        b->setEnabled(!starting);
}

void Form1::Timer1_Timer()
{
    // 1. Re-order.
    List1->permute(m_draw.draw(List1->ListCount(), *m_services.random));

    // 2. Sound.
    if (sound) {
        if (!m_wavdata.isEmpty()) {
            m_services.sound->play(m_wavdata);
        } else if (!m_soundErrorOpen) {
            // Ticks keep coming while the message is open; they must not stack copies of it.
            m_soundErrorOpen = true;
            m_services.prompter->MsgBox(
                QStringLiteral("Nimbrel cannot find the sound file it needs to play sound while shuffling. The file "
                               "\"shuffle.wav\" should be in the same folder as the program file. It might have been "
                               "deleted. You should replace the file or reinstall the program if you wish to play "
                               "sound while shuffling. Sound will be disabled."),
                Prompter::vbExclamation, QStringLiteral("Sound Error"));
            m_soundErrorOpen = false;
            sound = false;
            regset.SaveSetting(SettingsKeys::Sound.section, SettingsKeys::Sound.key, SettingsKeys::flagText(false));
        }
    }

    // 3. Shake.
    if (shaky && !m_maxmin) {
        setLeft(Left() + (m_shifted ? -kShakeTwips : kShakeTwips));
        m_shifted = !m_shifted;
    }

    // 4. Flash: window first, then the button panel.
    if (flashy) {
        const QRgb c = backColor(this).rgb();
        QColor next;
        if (c == backColor(Command1).rgb() || c == kYellow.rgb())
            next = kRed;
        else if (c == kRed.rgb())
            next = kBlue;
        else if (c == kBlue.rgb())
            next = kGreen;
        else if (c == kGreen.rgb())
            next = kYellow;
        if (next.isValid()) {
            // A button of each area marked dirty first makes the window and the panel paint
            // together with what lies on them, each widget once. Were the opaque panel marked
            // first, it would be painted on its own and then again under its dirty buttons.
            Command2->update();
            Command1->update();
            setBackColor(this, next);
            setBackColor(Picture1, next);
        }
    }

    // 5. Extent, from the widths measured when the names were added.
    UpdateListExtent();
}
