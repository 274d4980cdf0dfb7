#pragma once

#include "SettingsStore.h"

#include <QCoreApplication>
#include <QString>

// What the messages say when the settings store cannot be written, for the main window and
// the dialogs that store settings alike. The texts keep the main window's translation
// context, where the catalogues have them.
namespace StoreTexts {
inline QString oops()
{
    //: Title of the message boxes that report a mistake or a failure.
    return QCoreApplication::translate("MainWindow", "Oops!");
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
// Start-up found a store that can only be read, or a setting could not be stored.
inline QString storeNotKept()
{
    //: %1 is one of the reasons "the settings file or its folder cannot be written", ...; %2 the settings file's path.
    return QCoreApplication::translate("MainWindow", "Changes to the options and the list of names will not be "
                                                     "kept: %1.\n\nThe settings file is:\n%2");
}
// Why a write to the store failed, as the messages above complete their sentence; fileInTheWay:
// what the store names as keeping it from being written, if anything.
inline QString failureReason(StoreStatus status, const QString& fileInTheWay)
{
    switch (status) {
    case StoreStatus::Ok:
        return {};
    case StoreStatus::Busy:
        return storeBusy();
    case StoreStatus::ReadOnly:
        return fileInTheWay.isEmpty() ? storeReadOnly() : storeInTheWay().arg(fileInTheWay);
    case StoreStatus::DiskFull:
        return diskFull();
    case StoreStatus::Failed:
        break;
    }
    return storeFailed();
}
inline QString notSaved()
{
    //: %1 is one of the reasons "another program kept the settings file busy", ...; %2 the settings file's path.
    return QCoreApplication::translate("MainWindow", "Your list of names could not be saved: %1.\n\n"
                                                     "The names stay as they were last saved, in:\n%2");
}
inline QString exportInstead()
{
    //: %1 is one of the reasons "another program kept the settings file busy", ...; %2 the settings file's path.
    return QCoreApplication::translate("MainWindow", "Your list of names could not be saved: %1.\n\n"
                                                     "The settings file is:\n%2\n\n"
                                                     "Do you want to export the names to a file before Nimbrel "
                                                     "closes?");
}
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
inline QString namesLeftOut(qsizetype leftOut)
{
    //: %1 is the most names the list holds (32,767), %2 the number left out (the plural form's number).
    return QCoreApplication::translate("MainWindow",
                                       "The settings file holds more names than the list can hold. The "
                                       "first %1 were loaded; %2 were left out and will not be kept.",
                                       nullptr, int(leftOut));
}
} // namespace StoreTexts
