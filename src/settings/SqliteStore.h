#pragma once

#include "SettingsStore.h"
#include "SqliteConnection.h"

#include <memory>
#include <string>

// The store of systems without a registry: a per-user SQLite file holding a key tree below
// HKEY_CURRENT_USER, its connection opened on first use (see SqliteConnection for recovery).
// Each key's values keep the order of their first writing. Use from one thread. SQLite keeps
// its POSIX locks per process: closing any connection to the file drops every lock this
// process holds on it. One store per file per process, then.
class SqliteStore final : public SettingsStore
{
public:
    explicit SqliteStore(std::string path);
    ~SqliteStore() override;
    SqliteStore(const SqliteStore&) = delete;
    SqliteStore& operator=(const SqliteStore&) = delete;

    std::optional<std::string> value(std::string_view section, std::string_view name) override;
    StoreStatus setValue(std::string_view section, std::string_view name, std::string_view text) override;
    std::vector<Row> rows(std::string_view section) override;
    StoreStatus replaceRows(std::string_view section, std::span<const Row> rows, std::uint32_t maxWaitMs) override;
    StoreStatus replaceSections(std::span<const SectionRows> sections, std::uint32_t maxWaitMs) override;
    StoreStatus deleteValue(std::string_view section, std::string_view name) override;
    std::vector<std::string> valueNames(std::string_view section) override;
    StoreStatus apply(std::span<const Change> changes, std::uint32_t maxWaitMs) override;
    StoreStatus compact() override;

    std::string location() const override { return m_path; }
    std::string takeDamagedCopy() override;
    bool readOnly() override;
    bool newerVersion() override;
    StoreStatus writability() override;
    std::string fileInTheWay() override;
    bool takeRecreated() override;

private:
    SqliteConnection* connection();
    // A connection that may write, or null with why not in *status.
    SqliteConnection* writer(StoreStatus* status);
    // Writes what the open file holds to a new file at the store's path, which the open one
    // no longer is; false when that could not be done.
    bool recreate();
    // The key at path (created along the way when create is set): SQLITE_ROW with its id,
    // SQLITE_DONE when missing, else the failure.
    int resolve(std::string_view path, bool create, long long* id);
    int writeRows(std::string_view section, std::span<const Row> rows);
    int writeValue(std::string_view section, std::string_view name, std::string_view text);
    int removeValue(std::string_view section, std::string_view name);

    std::string m_path;
    std::unique_ptr<SqliteConnection> m_db;
    SqliteConnection::Refusal m_refusal;
    bool m_recreated = false;
};
