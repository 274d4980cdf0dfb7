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
// The draws' records as earlier builds kept them: Draw1, Draw2, ... each the whole text of the
// record's file, its list included. Read only to move them to the sections below.
inline const QString DrawsSection = QStringLiteral("Draws");
// The draws' records: Draw1, Draw2, ... in the order they were made, each its fields and the
// first names drawn (DrawRecordFile::writeEntry). A version that does not know the sections
// never reads them.
inline const QString DrawRecordsSection = QStringLiteral("Draw Records");
// Each list a draw was made from, once, named by its fingerprint (hex): the names, one a line.
inline const QString DrawListsSection = QStringLiteral("Draw Lists");
// Beside each list, by the same name: "<newest record made from it> <its size in bytes>".
// Records go oldest first, so a list is used no more once that record is gone.
inline const QString DrawListUsesSection = QStringLiteral("Draw List Uses");

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
// How many of the first names the view of the draw shows as winners, 1 to 10.
inline const Key WinnersShown{OptionsSection, QStringLiteral("Winners Shown"), QStringLiteral("1"), Form::Text};
// The screen the view of the draw opens on, by its name; empty: another than the window's.
inline const Key DrawScreen{OptionsSection, QStringLiteral("Draw Screen"), QString(), Form::Text};
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
