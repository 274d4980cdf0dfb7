#pragma once

#include <QString>

// Captions and titles the main window's handlers share.
namespace Form1Texts {
inline const QString Caption = QStringLiteral("Nimbrel");
inline const QString Shuffle = QStringLiteral("Shuffle");
inline const QString Stop = QStringLiteral("Stop");
inline const QString Oops = QStringLiteral("Oops!");
inline const QString PleaseConfirm = QStringLiteral("Please Confirm");
} // namespace Form1Texts
