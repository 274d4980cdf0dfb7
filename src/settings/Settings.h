#pragma once

#include "SettingsKeys.h"
#include "SettingsStore.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>
#include <utility>

// What the program keeps between runs, by the keys of SettingsKeys.h, below
// HKEY_CURRENT_USER\Software\Quorvane\Nimbrel; main makes one over the user's store. A value
// that cannot be read reads as its key's default; the writes say whether they were stored,
// and a value written is told by changed(), so whoever follows it reads it afresh. A value
// the store refused still reads as written until the run ends.
class Settings : public QObject
{
    Q_OBJECT
public:
    // One (value name, text) pair of a section, as the store holds it.
    using Row = std::pair<QString, QString>;

    // store: where the values live; programFolder: the default of a Folder key.
    explicit Settings(std::shared_ptr<SettingsStore> store, QString programFolder = QString());
    ~Settings() override;

    // The desktop asks for less motion: the flash and the shake default to off. A choice
    // stored in Options still wins, and nothing is written.
    void setReducedMotion(bool reduced) { m_reducedMotion = reduced; }

    // On exactly when the stored text reads as the number 1, rounded half to even ("1.5"
    // is off); text that is not a number counts as the key's default. Stored as "1" or "0".
    bool flag(const SettingsKeys::Key& key);
    // True when stored; *status (when given) says how the write went.
    bool setFlag(const SettingsKeys::Key& key, bool on, StoreStatus* status = nullptr);
    // The stored text, or the key's default when there is none. Values are read as by a
    // writer, so a store that may only be read gives the defaults.
    QString text(const SettingsKeys::Key& key);
    bool setText(const SettingsKeys::Key& key, const QString& value, StoreStatus* status = nullptr);

    // The remembered names in list order; empty when there are none.
    QStringList names();
    // The names set aside from the list, in the order they were set aside.
    QStringList setAsideNames();
    // Stores the list and the names set aside from it, each as Name0, Name1, ... in its own
    // section, all or nothing (waiting for another copy that holds the store), so they are
    // the old ones or these, never a mix. An empty one leaves no section.
    StoreStatus saveNames(const QStringList& names, const QStringList& setAside = {});

    // The sections the draws' history keeps its records and lists in (SettingsKeys' Draw...
    // sections), as bytes: the names of a section's values, without their texts; one value;
    // every value; a batch of writes, all or nothing where the store can.
    QStringList valueNames(const QString& section);
    std::optional<QByteArray> value(const QString& section, const QString& name);
    QList<std::pair<QString, QByteArray>> values(const QString& section);
    struct Change
    {
        QString section;
        QString name;
        std::optional<QByteArray> bytes; // none: the value goes
    };
    StoreStatus apply(const QList<Change>& changes);
    // Every value of these sections goes, all or nothing where the store can; the list stays.
    StoreStatus forgetSections(const QStringList& sections);
    // Gives the room that deleted values took back to the file system.
    StoreStatus compact();

    // Where the store lives, for messages: a file path, or the registry key.
    QString location() const;
    // The file the store lives in; empty when it is not a file (the registry).
    QString storeFile() const;
    // Where a damaged store found on opening was kept aside; empty when none, or once told.
    QString takeDamagedCopy();
    // True when a newer version of the program wrote the store: it is read, never written.
    bool newerVersion();
    // What a write to the store would meet now (Ok when it may be written), and the file
    // other than the store's own that keeps it from being written, if any.
    StoreStatus writability();
    QString fileInTheWay();
    // True once after a write found the store's file moved or deleted and made it anew.
    bool takeRecreated();

signals:
    // A flag or text was written (stored, or held for the run when the store refused it);
    // key is the key's name, as SettingsKeys::Key::key.
    void changed(const QString& key);

private:
    static std::string keyPath(const QString& section);
    QString defaultOf(const SettingsKeys::Key& key) const;

    std::shared_ptr<SettingsStore> m_store;
    QHash<QString, QString> m_unstored; // section\\key -> the value the store refused
    QString m_programFolder;
    bool m_reducedMotion = false;
};
