#pragma once

#include "HiveConnection.h"
#include "RegistryApi.h"

#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

// The registry of systems without one: a per-user SQLite file holding a key tree below
// HKEY_CURRENT_USER. Key and value names compare case-insensitively (ASCII) and keep their
// first spelling; values enumerate in creation order. Every call reads the file afresh, so
// another running copy's writes show at once (last write wins). Each hive object has its
// own connection to the file, opened on first use, and one batch open at a time (a second
// beginBatch fails). A file that is not a database or is corrupt is moved aside as
// <file>.corrupt-YYYYMMDDTHHMMSS and a fresh hive started. Where the file cannot be opened
// or written, the calls fail through their results. Use from one thread (the UI's).
class SqliteHive final : public RegistryApi
{
public:
    explicit SqliteHive(std::string path);
    ~SqliteHive() override;
    SqliteHive(const SqliteHive&) = delete;
    SqliteHive& operator=(const SqliteHive&) = delete;

    const std::string& path() const { return m_path; }

    Result openKey(std::string_view path, std::uint32_t access, Handle* key) override;
    Result createKey(std::string_view path, Handle* key) override;
    Result queryValue(Handle key, ValueName name, std::uint32_t* type, std::uint8_t* data,
                      std::uint32_t* length) override;
    Result queryInfoKey(Handle key, std::uint32_t* maxValueNameLength, std::uint32_t* maxValueLength) override;
    Result enumValue(Handle key, std::uint32_t index, char* name, std::uint32_t* nameLength, std::uint32_t* type,
                     std::uint8_t* data, std::uint32_t* dataLength) override;
    Result setValue(Handle key, ValueName name, std::uint32_t type, const std::uint8_t* data,
                    std::uint32_t length) override;
    Result deleteValue(Handle key, ValueName name) override;
    Result deleteKey(Handle key, std::string_view subKey) override;
    Result closeKey(Handle key) override;
    Result replaceValues(std::string_view path, std::span<const Value> values) override;

    Result beginBatch() override;
    Result commitBatch() override;
    Result rollbackBatch() override;
    Result beginBatchWaiting(std::uint32_t maxWaitMs) override;
    Result beginRead() override;
    Result endRead() override;
    std::string location() const override;
    std::string takeDamagedCopy() override;
    bool newerVersion() override;

private:
    struct EnumRow
    {
        std::string name;
        std::uint32_t type;
        std::string data;
    };
    struct OpenKey
    {
        long long id;
        bool writable;
        // The key's values as read by the enumeration that started at index 0, so that
        // walking all values costs one query instead of one per index.
        std::vector<EnumRow> rows;
        bool rowsValid = false;
    };

    HiveConnection* connection();
    // Why the connection, or the lack of one, may not write: AccessDenied, DiskFull, ...
    Result refusal() const;
    OpenKey* find(Handle key);
    // An open key that may be written; else null, with InvalidHandle or AccessDenied.
    OpenKey* findWritable(Handle key, Result* error);
    Result resolve(HiveConnection& db, long long start, std::string_view path, bool create, long long* id);
    Handle addHandle(long long id, bool writable);
    // Deletes a key without subkeys, with its values.
    Result deleteLeaf(long long id);
    // replaceValues' work on an existing key, inside its transaction.
    Result writeValues(long long id, std::span<const Value> values);

    std::string m_path;
    std::unique_ptr<HiveConnection> m_db;
    HiveConnection::Refusal m_refusal;
    std::unordered_map<Handle, OpenKey> m_keys;
    Handle m_nextHandle = 1;
};
