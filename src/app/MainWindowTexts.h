#pragma once

#include <QString>

// Captions and titles the main window's handlers share.
namespace MainWindowTexts {
inline const QString Caption = QStringLiteral("Nimbrel");
inline const QString Shuffle = QStringLiteral("Shuffle");
inline const QString Stop = QStringLiteral("Stop");
inline const QString Oops = QStringLiteral("Oops!");
inline const QString PleaseConfirm = QStringLiteral("Please Confirm");
// The list could not be written at exit: %1 why, %2 where the store is.
inline const QString NotSaved = QStringLiteral("Your list of names could not be saved: %1.\n\n"
                                               "The names stay as they were last saved, in:\n%2");
inline const QString StoreBusy = QStringLiteral("another program kept the settings file busy");
inline const QString StoreReadOnly = QStringLiteral("the settings file or its folder cannot be written");
inline const QString DiskFull = QStringLiteral("the disk is full");
inline const QString StoreFailed = QStringLiteral("the settings file could not be opened or written");
// %1: where the damaged file was kept.
inline const QString StoreDamaged = QStringLiteral("The settings file was damaged, so Nimbrel starts with its "
                                                   "default settings and no remembered names.\n\n"
                                                   "The damaged file was kept as:\n%1");
// %1: where the store is.
inline const QString StoreNewer = QStringLiteral("The settings file was written by a newer version of Nimbrel. This "
                                                 "version leaves it as it is, so changes to the options and the list "
                                                 "of names will not be kept.\n\nThe settings file is:\n%1");
// More names were stored than the list holds: %1 the most it holds, %2 how many were left
// out, %3 "was" or "were".
inline const QString NamesLeftOut = QStringLiteral("The settings file holds more names than the list can hold. The "
                                                   "first %1 were loaded; %2 %3 left out and will not be kept.");
} // namespace MainWindowTexts
