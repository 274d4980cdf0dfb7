#pragma once

#include <QCoreApplication>
#include <QString>

// What the list's store has to tell the user: at start-up, and when the list cannot be
// saved. (Translated under the main window's name, where users first met them.)
namespace StoreTexts {
// The list could not be written at exit.
inline QString notSaved()
{
    //: %1 is one of the reasons "another program kept the settings file busy", ...; %2 the settings file's path.
    return QCoreApplication::translate("MainWindow", "Your list of names could not be saved: %1.\n\n"
                                                     "The names stay as they were last saved, in:\n%2");
}
inline QString storeBusy()
{
    //: Completes "Your list of names could not be saved: %1."
    return QCoreApplication::translate("MainWindow", "another program kept the settings file busy");
}
inline QString storeReadOnly()
{
    //: Completes "Your list of names could not be saved: %1."
    return QCoreApplication::translate("MainWindow", "the settings file or its folder cannot be written");
}
inline QString diskFull()
{
    //: Completes "Your list of names could not be saved: %1."
    return QCoreApplication::translate("MainWindow", "the disk is full");
}
inline QString storeFailed()
{
    //: Completes "Your list of names could not be saved: %1."
    return QCoreApplication::translate("MainWindow", "the settings file could not be opened or written");
}
inline QString storeInTheWay()
{
    //: Completes "Your list of names could not be saved: %1." %1 is the path of a file beside the settings file.
    return QCoreApplication::translate("MainWindow", "another program holds the file %1, which cannot be written");
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
// The same, with names set aside from the list, which the export writes after the list.
inline QString exportWithSetAside(qsizetype setAside)
{
    //: %1 is one of the reasons "another program kept the settings file busy", ...; %2 the settings file's path; %n the
    //: number of names set aside (the plural form's number).
    return QCoreApplication::translate("MainWindow",
                                       "Your list of names could not be saved: %1.\n\n"
                                       "The settings file is:\n%2\n\n"
                                       "Do you want to export the names to a file before Nimbrel closes? The %n "
                                       "set-aside names are written after the list.",
                                       nullptr, int(setAside));
}
// Start-up found a store that can only be read.
inline QString storeNotKept()
{
    //: %1 is one of the reasons "the settings file or its folder cannot be written", ...; %2 the settings file's path.
    return QCoreApplication::translate("MainWindow", "Changes to the options and the list of names will not be "
                                                     "kept: %1.\n\nThe settings file is:\n%2");
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
} // namespace StoreTexts
