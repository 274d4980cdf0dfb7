#include "Form1.h"

#include "settings/Form2.h"
#include "ui/BackColor.h"

#include <QFrame>
#include <QPushButton>

// The main window's Options button (and Esc there): the dialog, loaded afresh each time.
void Form1::Command9_Click()
{
    Form2 dialog(this, *this);
    dialog.exec();
}

void Form1::restoreRestColour()
{
    setBackColor(this, backColor(Command1));
    setBackColor(Picture1, backColor(Command1));
}

void Form1::setEffects(bool shakyOn, bool flashyOn, bool soundOn)
{
    shaky = shakyOn;
    flashy = flashyOn;
    sound = soundOn;
}
