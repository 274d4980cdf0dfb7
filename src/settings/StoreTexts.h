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
} // namespace StoreTexts
