#pragma once

#include <QList>
#include <QString>

#include <chrono>
#include <memory>
#include <utility>

class RegistryApi;

// Named text values below HKEY_CURRENT_USER\Software\<Company>\<AppName>\<Section>.
// Every operation opens, uses and closes its key; nothing is cached, so several instances
// (one per window) see each other's writes at once. Failures show only in the results:
// GetSetting gives the default, SaveSetting/DeleteSetting give false, GetAllSettings an
// empty list. Nothing throws.
class Settings
{
public:
    // One (value name, text) row of GetAllSettings.
    using Row = std::pair<QString, QString>;

    // Uses the current user's store: the SQLite hive, or the registry on Windows.
    Settings();
    // Uses the given registry API (tests, benchmarks).
    explicit Settings(std::shared_ptr<RegistryApi> api);
    // The current user's store.
    static std::shared_ptr<RegistryApi> userStore();
    ~Settings();

    QString Company() const;
    void setCompany(const QString& NewVal);
    QString AppName() const;
    void setAppName(const QString& NewVal);

    bool DeleteSetting(const QString& Section, const QString& Key);
    // Empty when the section is missing or holds no text value; never "zero rows".
    QList<Row> GetAllSettings(const QString& Section);
    QString GetSetting(const QString& Section, const QString& Key, const QString& Default);
    bool SaveSetting(const QString& Section, const QString& Key, const QString& Setting);
    // Makes the section hold exactly these (key, setting) rows in this order, as deleting it
    // and saving each row would (no rows: no section). True when it was stored.
    bool ReplaceSettings(const QString& Section, const QList<Row>& rows);

    // All-or-nothing group of operations: one transaction on the hive. Operations made
    // through any instance while the batch is open belong to it. Destroying a batch that
    // was not committed rolls it back. A backend without transactions applies each operation at once.
    // Only one batch can be open on a store at a time: a beginBatch while another batch is
    // open (through any instance) gives a batch that is not open, whose operations belong to
    // the open one and whose commit() returns false. commit() also returns false when the
    // batch could not be begun (store not writable) or was already committed.
    class Batch
    {
    public:
        Batch(Batch&& other) noexcept;
        Batch& operator=(Batch&&) = delete;
        ~Batch();
        // True when everything in the batch was stored.
        bool commit();
        // True while begun and neither committed nor rolled back.
        bool isOpen() const { return m_open; }
        // The store's answer to the begin, or to the commit once tried (a RegistryApi result).
        long result() const { return m_result; }

    private:
        friend class Settings;
        Batch(std::shared_ptr<RegistryApi> api, std::chrono::milliseconds patience);
        std::shared_ptr<RegistryApi> m_api;
        bool m_open = false;
        long m_result = 0;
    };
    // patience: how long to wait for another process that holds the store's write lock;
    // zero for the store's usual wait.
    Batch beginBatch(std::chrono::milliseconds patience = std::chrono::milliseconds::zero());

    // The RegistryApi result of the last SaveSetting or DeleteSetting that failed.
    long lastError() const { return m_lastError; }
    // Where the store lives, for messages: a file path, or the registry key.
    QString location() const;
    // Where a damaged store found on opening was kept aside; empty when none, or once told.
    QString takeDamagedCopy();

private:
    std::string BuildKeyPath(const QString& Section) const;

    std::shared_ptr<RegistryApi> m_api;
    QString m_company;
    QString m_appName;
    long m_lastError = 0;
};
