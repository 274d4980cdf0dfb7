#pragma once

#include <QString>

#include <cmath>

// Every value the program keeps between runs, in one place: section, key, default and
// stored form. Readers and writers use these entries, never their own copies of the texts.
namespace SettingsKeys {

inline const QString Company = QStringLiteral("Quorvane");
inline const QString AppName = QStringLiteral("Nimbrel");

enum class Form { Flag, Text };

struct Key
{
    QString section;
    QString key;
    QString defaultValue; // passed to GetSetting; empty for "Last Used Folder" (see below)
    Form form;
};

inline const QString OptionsSection = QStringLiteral("Options");
inline const QString NamesSection = QStringLiteral("Last Used Names");

// Flags: "1" on, "0" off; on exactly when the stored text reads as the number 1.
inline const Key FlashyColorThing{OptionsSection, QStringLiteral("Flashy Color Thing"), QStringLiteral("1"),
                                  Form::Flag};
inline const Key ShakyWindowThing{OptionsSection, QStringLiteral("Shaky Window Thing"), QStringLiteral("1"),
                                  Form::Flag};
inline const Key Sound{OptionsSection, QStringLiteral("Sound"), QStringLiteral("1"), Form::Flag};
inline const Key SaveNames{OptionsSection, QStringLiteral("Save Names"), QStringLiteral("1"), Form::Flag};
inline const Key ShowHelpMessage{OptionsSection, QStringLiteral("Show Help Message"), QStringLiteral("1"), Form::Flag};
// Full path of the file last chosen for import or export. Its default is the program's
// folder, known only at run time, so readers pass that folder themselves.
inline const Key LastUsedFolder{OptionsSection, QStringLiteral("Last Used Folder"), QString(), Form::Text};

// "Last Used Names" holds Name0..Name(n-1), one per list position, in list order.
inline QString nameKey(int position)
{
    return QStringLiteral("Name") + QString::number(position);
}

// Reads a stored flag: the text as a whole number, on exactly when it is 1. Text that is
// not a number counts as the flag's default.
inline bool flagIsOn(const QString& stored, const QString& defaultValue)
{
    bool ok = false;
    const double n = stored.trimmed().toDouble(&ok);
    // A fraction is rounded half to even before the comparison, so "1.5" is 2 (off) and
    // "0.5" is 0 (off); only values that round to 1 are on.
    return std::nearbyint(ok ? n : defaultValue.trimmed().toDouble()) == 1.0;
}

inline QString flagText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace SettingsKeys
