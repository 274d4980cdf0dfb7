#pragma once

#include <QString>

// Every value the program keeps between runs, in one place: section, key, default and
// stored form. Settings reads and writes by these entries, so no caller repeats a text.
namespace SettingsKeys {

inline const QString Company = QStringLiteral("Quorvane");
inline const QString AppName = QStringLiteral("Nimbrel");

// Flag: "1" on, "0" off. Text: any text. Folder: a text whose default is the program's
// folder, known only at run time (Settings is given it).
enum class Form { Flag, Text, Folder };

struct Key
{
    QString section;
    QString key;
    QString defaultValue; // empty for a Folder
    Form form;
    bool motion = false; // flashes or moves the window: off by default where the desktop asks for less motion
};

inline const QString OptionsSection = QStringLiteral("Options");
inline const QString NamesSection = QStringLiteral("Last Used Names");
// The names set aside from the list in the round being drawn, Name0.. in the order they were
// set aside; a section of its own, so a version that does not know it reads the rest as before.
inline const QString SetAsideSection = QStringLiteral("Set-Aside Names");
// The draws' records: Draw1, Draw2, ... in the order they were made, each the text of the
// record's file (DrawRecordFile::write). A version that does not know the section never
// reads it.
inline const QString DrawsSection = QStringLiteral("Draws");

// Several lists. The current one stays in NamesSection and SetAsideSection, where a version
// that knows of one list finds it; the others each have a section of their own, named by a
// number the list keeps for good, with its names in the value ListNames and its set-aside
// names in ListSetAside, each the names one a line (a line break or a backslash in a name
// written as \n or \\): one value a list keeps the file small, and a switch quick.
// ListsSection says which lists there are: CurrentList and NextList hold list numbers, and
// each list is a value List<number> holding its name. A store without it holds one list.
inline const QString ListsSection = QStringLiteral("Lists");
inline const QString CurrentList = QStringLiteral("Current");
inline const QString NextList = QStringLiteral("Next"); // never given before: a number's draws stay its own
inline const QString ListNames = QStringLiteral("Names");
inline const QString ListSetAside = QStringLiteral("Set-Aside Names");
inline QString listKey(int id)
{
    return QStringLiteral("List") + QString::number(id);
}
inline QString listSection(int id)
{
    return QStringLiteral("List ") + QString::number(id);
}

inline const Key Flash{OptionsSection, QStringLiteral("Flashy Color Thing"), QStringLiteral("1"), Form::Flag, true};
inline const Key Shake{OptionsSection, QStringLiteral("Shaky Window Thing"), QStringLiteral("1"), Form::Flag, true};
inline const Key Sound{OptionsSection, QStringLiteral("Sound"), QStringLiteral("1"), Form::Flag};
inline const Key SaveNames{OptionsSection, QStringLiteral("Save Names"), QStringLiteral("1"), Form::Flag};
inline const Key ShowHelpMessage{OptionsSection, QStringLiteral("Show Help Message"), QStringLiteral("1"), Form::Flag};
// Whether the drawn name is shown over the whole screen after every Stop.
inline const Key ShowDrawLarge{OptionsSection, QStringLiteral("Show Draw Large"), QStringLiteral("0"), Form::Flag};
// Whether each draw, and the names set aside or brought back, are recorded in DrawsSection.
inline const Key KeepDraws{OptionsSection, QStringLiteral("Keep a Record of Draws"), QStringLiteral("1"), Form::Flag};
// Full path of the file last chosen for import or export.
inline const Key LastUsedFolder{OptionsSection, QStringLiteral("Last Used Folder"), QString(), Form::Folder};

// "Last Used Names" holds Name0..Name(n-1), one per list position, in list order.
inline QString nameKey(int position)
{
    return QStringLiteral("Name") + QString::number(position);
}

// A record of DrawsSection by its sequence number (from 1).
inline QString drawKey(qint64 sequence)
{
    return QStringLiteral("Draw") + QString::number(sequence);
}

} // namespace SettingsKeys
