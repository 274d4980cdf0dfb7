#pragma once

#include "settings/StoreTexts.h"

#include <QCoreApplication>
#include <QString>

// Captions and titles the main window's handlers share, in the language the program
// speaks (looked up each time: the catalogue is installed after start-up code may run).
namespace MainWindowTexts {
// The program's name, the same in every language.
inline const QString Caption = QStringLiteral("Nimbrel");
inline QString shuffle()
{
    //: The big button that starts the draw; while the draw runs it reads "Stop".
    return QCoreApplication::translate("MainWindow", "Shuffle");
}
inline QString stop()
{
    //: The big button while the draw runs: pressing it ends the draw.
    return QCoreApplication::translate("MainWindow", "Stop");
}
using StoreTexts::oops;
inline QString pleaseConfirm()
{
    //: Title of the Yes/No question before a name is removed or the list is cleared.
    return QCoreApplication::translate("MainWindow", "Please Confirm");
}
inline QString listFull()
{
    //: %1 is the largest number of names (32,767), written as numbers are in the language.
    return QCoreApplication::translate("MainWindow", "The list is full. It can hold at most %1 names.");
}
} // namespace MainWindowTexts
