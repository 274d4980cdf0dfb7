#pragma once

#include "ui/Prompter.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

class Settings;
class QWidget;

// Import and export of the name list through the file dialogs, for the main window's two
// buttons, and the other ways names come in as the import reads them: a file dropped on the
// window, and pasted or dropped text. The list itself stays with the caller: the import
// hands over a new list only when the whole file was read, so a bad file never costs the
// names already there.
class NameListFiles
{
    Q_DECLARE_TR_FUNCTIONS(NameListFiles)

public:
    // settings keeps the file last chosen, where the dialogs open next (the program's folder
    // the first time).
    NameListFiles(Prompter& prompter, QWidget* owner, Settings& settings);

    // Asks first when the list has names or names set aside from it (they go too), lets the
    // user choose a file and reads it; replaceList is called with the file's names, or not
    // at all.
    void importList(bool listHasNames, int setAside, const std::function<void(const QStringList&)>& replaceList);
    // Lets the user choose a file and reads it as importList() does, for a list of its own:
    // newList is called with the file's path and names, or not at all.
    void importNewList(const std::function<void(const QString&, const QStringList&)>& newList);
    // Files dropped on the window: one file is imported as importList() imports the file
    // chosen in its dialog, asking first when the list has names; several files, or a
    // folder, are refused with a message.
    void importDropped(bool listHasNames, int setAside, const QStringList& paths,
                       const std::function<void(const QStringList&)>& replaceList);
    // Each line of text that is not empty, as the import reads the lines of a file, for the
    // end of a list of listCount names; appendNames is called with those that fit, once, or
    // not at all when there are none.
    void addNames(const QString& text, int listCount, const std::function<void(const QStringList&)>& appendNames);
    // Lets the user choose a file and writes names to it, all or nothing.
    void exportList(const QStringList& names);
    // Lets the user choose a file, offering fileName in the folder last used, and writes a
    // draw's record file to it, all or nothing.
    void exportDrawRecord(const QByteArray& file, const QString& fileName);

    // Lets the user choose a file, offering fileName in the folder last used, and writes
    // lines to it as UTF-8 text, all or nothing.
    void exportText(const QStringList& lines, const QString& fileName);

private:
    // The file type choices of both dialogs.
    static QList<Prompter::FileFilter> filters();
    // "Could not import ...": the path and why (a sentence without its full stop).
    static QString notImported(const QString& path, const QString& why);
    bool confirmReplace(bool listHasNames, int setAside);
    // Remembers path and reads it; the rest of the import once a file is chosen.
    void importPath(const QString& path, const std::function<void(const QStringList&)>& replaceList);
    // Writes bytes to path; partly tells what a file written over in place may now hold.
    void exportBytes(const QString& path, const QByteArray& bytes, const QString& partly);
    QString lastUsedFolder();
    void rememberFile(const QString& path);
    void oops(const QString& text);

    Prompter& m_prompter;
    QWidget* m_owner;
    Settings& m_settings;
};
