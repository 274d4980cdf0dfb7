#pragma once

#include "SettingsStore.h"

#include <sqlite3.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>

// The open SQLite file behind the store, its folder made as needed, and the statements the
// store runs. A file that is not a database, is corrupt or holds tables of another layout is
// moved aside as <file>.corrupt-YYYYMMDDTHHMMSS and a fresh one started; one that cannot be
// written, or that a newer version wrote, is opened to be read only. Use from one thread.
class SqliteConnection
{
public:
    // clang-format off
    enum Statement { FindKey, InsertKey, DeleteLeafKey, HasSubKey, FindValue, UpsertValue, ListRows, ReuseValue,
                     TrimValues, ListNames, DeleteValue, StatementCount };
    // clang-format on
    // The key every path starts from (HKEY_CURRENT_USER).
    static constexpr long long kRootId = 1;
    // How long a call waits for another process's write lock before giving up.
    static constexpr int kBusyTimeoutMs = 5000;

    // Why the file may not be written, for those who open it.
    struct Refusal
    {
        int code = SQLITE_OK; // the writable open's failure; SQLITE_FULL when the disk was full
        bool newer = false;   // a newer version of the program wrote the file
        std::string inTheWay; // a companion file held by another program that may not be written
    };

    // Null when the file can be neither opened nor made; refusal says why it may not be
    // written (also when null).
    static std::unique_ptr<SqliteConnection> open(const std::string& path, Refusal* refusal);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    sqlite3* db() const { return m_db.get(); }
    bool writable() const { return m_writable; }
    bool inTransaction() const { return sqlite3_get_autocommit(m_db.get()) == 0; }
    sqlite3_stmt* operator[](Statement s) const { return m_statements[s].get(); }
    int exec(const char* sql) { return sqlite3_exec(m_db.get(), sql, nullptr, nullptr, nullptr); }
    // Where a damaged file found on opening was kept, once; empty otherwise.
    std::string takeDamagedCopy();
    // False when the file this connection writes is no longer the one at path (moved,
    // deleted, or another put in its place): writes would go where no later start looks.
    bool isFileAt(const std::string& path) const;

private:
    struct Release
    {
        void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
        void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
    };

    SqliteConnection() = default;
    bool openFile(const std::string& path, Refusal* refusal);
    void close();
    int openWritable(const std::string& path, Refusal* refusal);
    bool openReadOnly(const std::string& path);
    bool openReadOnlyAs(const std::string& name, int flags = SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
    bool openPrivateCopy(const std::string& path);
    bool clearStaleCompanions(const std::string& path, Refusal* refusal);
    int createSchema(int version);
    int quickCheck();
    int prepare();
    // Runs a one-row statement and hands its row to read; SQLITE_OK or the failure.
    template <typename Read> int firstRow(const char* sql, Read&& read);

    std::unique_ptr<sqlite3, Release> m_db;
    std::array<std::unique_ptr<sqlite3_stmt, Release>, StatementCount> m_statements;
    bool m_writable = false;
    std::string m_damagedCopy;
    // A -shm this read-only connection made beside a file it may not write: left behind, it
    // would keep its read-only mode and stop later writes once the file is writable again.
    std::string m_madeShm;
    // A folder of our own holding a copy of a read-only file and its log, read there because
    // SQLite cannot read the log beside a file in a folder it may not write.
    std::string m_privateCopy;
    // The file a writable connection opened (device, inode), to notice it moved away.
    std::pair<unsigned long long, unsigned long long> m_fileId{0, 0};
};

// A key or value name as lookups compare it: ASCII letters in lower case (the schema keeps
// this next to each name as it was first spelt).
std::string foldedName(std::string_view name);

// Runs a prepared statement and always resets it afterwards, so that no read transaction
// outlives the call and the next read sees other processes' writes.
class Query
{
public:
    Query(const SqliteConnection& db, SqliteConnection::Statement s) : m_stmt(db[s]) {}
    ~Query()
    {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    Query& bind(long long value)
    {
        sqlite3_bind_int64(m_stmt, ++m_index, value);
        return *this;
    }
    // Always a BLOB, never NULL, even when empty.
    Query& bind(std::string_view bytes)
    {
        sqlite3_bind_blob(m_stmt, ++m_index, bytes.empty() ? "" : bytes.data(), static_cast<int>(bytes.size()),
                          SQLITE_STATIC);
        return *this;
    }
    int step() { return sqlite3_step(m_stmt); }
    long long integer(int column) const { return sqlite3_column_int64(m_stmt, column); }
    std::string_view bytes(int column) const
    {
        const void* data = sqlite3_column_blob(m_stmt, column);
        return {static_cast<const char*>(data), static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column))};
    }

private:
    sqlite3_stmt* m_stmt;
    int m_index = 0;
};

// The store's status for an SQLite result code that is a failure.
StoreStatus storeStatus(int sqliteCode);
// sqliteCode, or SQLITE_FULL when the system call behind it found the disk full (SQLite
// reports that as an I/O error in some places).
int withDiskFull(sqlite3* db, int sqliteCode);
