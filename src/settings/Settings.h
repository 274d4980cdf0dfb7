#pragma once

#include "SettingsKeys.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <utility>

class RegistryApi;

// What the program keeps between runs, by the keys of SettingsKeys.h, below
// HKEY_CURRENT_USER\Software\Quorvane\Nimbrel. main makes one over the user's store and
// hands it to every window that reads or writes settings. Nothing is cached, so another
// running copy's writes show at once (the last write wins). Nothing throws: a value that
// cannot be read reads as its key's default, and the writes say in their results whether
// they were stored.
class Settings
{
public:
    // How saving the names went.
    enum class SaveResult { Saved, Busy, Unwritable, DiskFull, Failed };
    // One (value name, text) pair of a section, as the store holds it.
    using Row = std::pair<QString, QString>;

    // store: where the values live; programFolder: the default of a Folder key.
    explicit Settings(std::shared_ptr<RegistryApi> store, QString programFolder = QString());
    ~Settings();

    // On exactly when the stored text reads as the number 1, rounded half to even ("1.5"
    // is off); text that is not a number counts as the key's default.
    bool flag(const SettingsKeys::Key& key);
    // Stores "1" or "0".
    bool setFlag(const SettingsKeys::Key& key, bool on);
    // The stored text, or the key's default when there is none. The store is opened for
    // writing, so one that may only be read gives the defaults.
    QString text(const SettingsKeys::Key& key);
    bool setText(const SettingsKeys::Key& key, const QString& value);

    // The remembered names in list order; empty when there are none.
    QStringList names();
    // Stores the list as Name0, Name1, ... in one all-or-nothing batch, so the stored list
    // is the old one or this one, never a mix. An empty list leaves no section.
    SaveResult saveNames(const QStringList& names);

    // Where the store lives, for messages: a file path, or the registry key.
    QString location() const;
    // Where a damaged store found on opening was kept aside; empty when none, or once told.
    QString takeDamagedCopy();
    // True when a newer version of the program wrote the store: it is read, never written.
    bool newerVersion();

private:
    static std::string keyPath(const QString& section);
    QList<Row> rows(const QString& section);

    std::shared_ptr<RegistryApi> m_api;
    QString m_programFolder;
};
