#pragma once

#include "settings/StoreTexts.h"

#include <QCoreApplication>
#include <QString>

// Captions and titles the main window's handlers share, in the language the program
// speaks (looked up each time: the catalogue is installed after start-up code may run).
namespace MainWindowTexts {
// The program's name, the same in every language.
inline const QString Caption = QStringLiteral("Nimbrel");
// Shared with the dialogs that write settings.
using StoreTexts::diskFull;
using StoreTexts::oops;
using StoreTexts::storeBusy;
using StoreTexts::storeFailed;
using StoreTexts::storeInTheWay;
using StoreTexts::storeNotKept;
using StoreTexts::storeReadOnly;
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
// The list could not be written at exit.
inline QString notSaved()
{
    //: %1 is one of the reasons "another program kept the settings file busy", ...; %2 the settings file's path.
    return QCoreApplication::translate("MainWindow", "Your list of names could not be saved: %1.\n\n"
                                                     "The names stay as they were last saved, in:\n%2");
}
// The exit save failed and the list is not the one stored: the names can go to a file instead.
inline QString exportInstead()
{
    //: %1 is one of the reasons "another program kept the settings file busy", ...; %2 the settings file's path.
    return QCoreApplication::translate("MainWindow", "Your list of names could not be saved: %1.\n\n"
                                                     "The settings file is:\n%2\n\n"
                                                     "Do you want to export the names to a file before Nimbrel "
                                                     "closes?");
}
inline QString storeRecreated()
{
    //: Told at exit; %1 is the settings file's path.
    return QCoreApplication::translate("MainWindow", "The settings file had been moved or deleted while Nimbrel "
                                                     "was running. A new one was written with the options and the "
                                                     "list of names, at:\n%1");
}
inline QString storeDamaged()
{
    //: %1 is the path the damaged settings file was kept under.
    return QCoreApplication::translate("MainWindow", "The settings file was damaged, so Nimbrel starts with its "
                                                     "default settings and no remembered names.\n\n"
                                                     "The damaged file was kept as:\n%1");
}
inline QString storeNewer()
{
    //: %1 is the settings file's path.
    return QCoreApplication::translate("MainWindow",
                                       "The settings file was written by a newer version of Nimbrel. "
                                       "This version leaves it as it is, so changes to the options and "
                                       "the list of names will not be kept.\n\nThe settings file is:\n%1");
}
// More names were stored than the list holds: %1 the most it holds, %2 how many were left out.
inline QString namesLeftOut(qsizetype leftOut)
{
    //: %1 is the most names the list holds (32,767), %2 the number left out (the plural form's number).
    return QCoreApplication::translate("MainWindow",
                                       "The settings file holds more names than the list can hold. The "
                                       "first %1 were loaded; %2 were left out and will not be kept.",
                                       nullptr, int(leftOut));
}
} // namespace MainWindowTexts
