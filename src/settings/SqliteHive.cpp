#include "SqliteHive.h"

#include <sqlite3.h>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <utility>

namespace fs = std::filesystem;

namespace {

constexpr long long kRootId = 1;
constexpr int kSchemaVersion = 2;
// How long a call waits for another process's write lock before giving up.
constexpr int kBusyTimeoutMs = 5000;

// Keys form a tree below the root row (HKEY_CURRENT_USER). Names are stored as bytes, with a
// lower-cased copy for lookups; a value's ord (its rowid) only grows, so ordering by it gives
// creation order, and an upsert keeps it.
constexpr const char* kSchema = R"(
CREATE TABLE IF NOT EXISTS reg_keys(
    id INTEGER PRIMARY KEY,
    parent INTEGER REFERENCES reg_keys(id),
    name BLOB NOT NULL,
    folded BLOB NOT NULL,
    UNIQUE(parent, folded));
INSERT OR IGNORE INTO reg_keys(id, parent, name, folded) VALUES(1, NULL, X'', X'');
CREATE TABLE IF NOT EXISTS reg_values(
    ord INTEGER PRIMARY KEY,
    key_id INTEGER NOT NULL REFERENCES reg_keys(id) ON DELETE CASCADE,
    name BLOB NOT NULL,
    folded BLOB NOT NULL,
    type INTEGER NOT NULL,
    data BLOB NOT NULL,
    UNIQUE(key_id, folded));
DROP INDEX IF EXISTS reg_values_by_key;
PRAGMA user_version = 2;
)";

enum Statement {
    FindKey,
    InsertKey,
    DeleteLeafKey,
    HasSubKey,
    FindValue,
    UpsertValue,
    DeleteValue,
    ValueInfo,
    ListValues,
    Begin,
    Commit,
    Rollback,
    ListOrds,
    ReuseValue,
    TrimValues,
    StatementCount
};

constexpr std::array<const char*, StatementCount> kStatements = {
    "SELECT id FROM reg_keys WHERE parent = ?1 AND folded = ?2",
    "INSERT INTO reg_keys(parent, name, folded) VALUES(?1, ?2, ?3) RETURNING id",
    "DELETE FROM reg_keys WHERE id = ?1 AND NOT EXISTS (SELECT 1 FROM reg_keys WHERE parent = ?1)",
    "SELECT 1 FROM reg_keys WHERE parent = ?1 LIMIT 1",
    "SELECT type, data FROM reg_values WHERE key_id = ?1 AND folded = ?2",
    "INSERT INTO reg_values(key_id, name, folded, type, data) VALUES(?1, ?2, ?3, ?4, ?5) "
    "ON CONFLICT(key_id, folded) DO UPDATE SET type = excluded.type, data = excluded.data",
    "DELETE FROM reg_values WHERE key_id = ?1 AND folded = ?2",
    "SELECT ifnull(max(length(name)), 0), ifnull(max(length(data)), 0) FROM reg_values WHERE key_id = ?1",
    // Walking the table in ord order beats an index on (key_id, ord), whose upkeep made
    // every write of a value a third dearer; the values are nearly all one section's anyway.
    "SELECT name, type, data FROM reg_values NOT INDEXED WHERE key_id = ?1 ORDER BY ord",
    "BEGIN IMMEDIATE",
    "COMMIT",
    "ROLLBACK",
    "SELECT ord, folded FROM reg_values NOT INDEXED WHERE key_id = ?1 ORDER BY ord",
    "UPDATE reg_values SET name = ?2, type = ?3, data = ?4 WHERE ord = ?1",
    "DELETE FROM reg_values WHERE key_id = ?1 AND ord >= ?2",
};

struct DbClose
{
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct StmtFinalize
{
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using DbPtr = std::unique_ptr<sqlite3, DbClose>;
using StmtPtr = std::unique_ptr<sqlite3_stmt, StmtFinalize>;

bool isCorrupt(int rc)
{
    return rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT;
}

RegistryApi::Result toResult(int rc)
{
    switch (rc) {
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return RegistryApi::AccessDenied;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return RegistryApi::Busy;
    case SQLITE_FULL:
        return RegistryApi::DiskFull;
    default:
        return RegistryApi::Failure;
    }
}

std::string folded(std::string_view name)
{
    std::string out(name);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string_view nameOf(RegistryApi::ValueName name)
{
    return name ? *name : std::string_view();
}

// Runs a cached statement and always resets it afterwards, so that no read transaction
// outlives the call and the next read sees other processes' writes.
class Query
{
public:
    explicit Query(sqlite3_stmt* stmt) : m_stmt(stmt) {}
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

std::string timestamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%S", &local);
    return text;
}

// Keeps a broken hive for inspection instead of deleting it; where it went, or empty.
std::string moveAside(const std::string& path)
{
    std::string target = path + ".corrupt-" + timestamp();
    std::error_code ec;
    for (int n = 1; fs::exists(target, ec); ++n)
        target = path + ".corrupt-" + timestamp() + "-" + std::to_string(n);
    fs::rename(path, target, ec);
    if (ec)
        return {};
    for (const char* companion : {"-wal", "-shm"}) {
        if (fs::exists(path + companion, ec))
            fs::rename(path + companion, target + companion, ec);
    }
    return target;
}

// True also for a missing or empty file, which SQLite starts afresh.
bool looksLikeDatabase(const std::string& path)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec) || fs::file_size(path, ec) == 0 || ec)
        return true;
    static constexpr char kMagic[] = "SQLite format 3";
    char header[sizeof kMagic] = {};
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return true; // unreadable: let the open report it
    file.read(header, sizeof header);
    return file.gcount() == sizeof header && std::memcmp(header, kMagic, sizeof kMagic) == 0;
}

std::string uriFor(const std::string& path)
{
    std::string uri = "file:";
    for (char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(c));
            uri += hex;
        } else {
            uri += c;
        }
    }
    return uri + "?immutable=1";
}

} // namespace

class SqliteHive::Connection
{
public:
    // One connection per file in this process, shared while anyone holds it.
    static std::shared_ptr<Connection> acquire(const std::string& path)
    {
        static std::mutex mutex;
        static std::map<std::string, std::weak_ptr<Connection>> open;
        const std::lock_guard lock(mutex);
        std::erase_if(open, [](const auto& entry) { return entry.second.expired(); });
        if (auto existing = open[path].lock())
            return existing;
        auto connection = std::make_shared<Connection>();
        if (!connection->open(path))
            return nullptr;
        open[path] = connection;
        return connection;
    }

    sqlite3* db() const { return m_db.get(); }
    bool writable() const { return m_writable; }
    sqlite3_stmt* operator[](Statement s) const { return m_statements[s].get(); }

    // Where a damaged file found on opening was kept; cleared once told.
    std::string damagedCopy;

private:
    bool open(const std::string& path)
    {
        std::error_code ec;
        fs::create_directories(fs::path(path).parent_path(), ec);
        // Move a file that is no database at all before SQLite sees it: on closing it, SQLite
        // would delete the -wal and -shm that came with it.
        if (!looksLikeDatabase(path))
            damagedCopy = moveAside(path);
        int rc = openWritable(path);
        if (isCorrupt(rc)) {
            damagedCopy = moveAside(path);
            if (!damagedCopy.empty())
                rc = openWritable(path);
        }
        if (rc == SQLITE_OK)
            return true;
        return !isCorrupt(rc) && openReadOnly(path);
    }

    void close()
    {
        for (auto& stmt : m_statements)
            stmt.reset();
        m_db.reset();
    }

    int openWritable(const std::string& path)
    {
        close();
        sqlite3* raw = nullptr;
        int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                                 nullptr);
        m_db.reset(raw);
        if (rc == SQLITE_OK && sqlite3_db_readonly(raw, "main") == 1)
            rc = SQLITE_READONLY;
        if (rc == SQLITE_OK) {
            sqlite3_busy_timeout(raw, kBusyTimeoutMs);
            rc = exec("PRAGMA journal_mode = WAL");
        }
        if (rc == SQLITE_OK)
            rc = exec("PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON; PRAGMA cache_size = -16384");
        if (rc == SQLITE_OK)
            rc = createSchema();
        if (rc == SQLITE_OK)
            rc = quickCheck();
        if (rc == SQLITE_OK)
            rc = prepare();
        if (rc != SQLITE_OK)
            close();
        m_writable = rc == SQLITE_OK;
        return rc;
    }

    // A hive we may only read: a read-only file or folder. Without write access to the
    // folder SQLite cannot make the WAL index, so fall back to reading the file as it stands.
    bool openReadOnly(const std::string& path)
    {
        for (const bool immutable : {false, true}) {
            close();
            sqlite3* raw = nullptr;
            const std::string name = immutable ? uriFor(path) : path;
            int rc = sqlite3_open_v2(name.c_str(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
            m_db.reset(raw);
            if (rc == SQLITE_OK) {
                sqlite3_busy_timeout(raw, kBusyTimeoutMs);
                rc = prepare();
            }
            if (rc == SQLITE_OK)
                rc = exec("SELECT count(*) FROM reg_values");
            if (rc == SQLITE_OK)
                return true;
        }
        close();
        return false;
    }

    int exec(const char* sql) { return sqlite3_exec(m_db.get(), sql, nullptr, nullptr, nullptr); }

    // Runs a one-row statement and hands its row to read; SQLITE_OK or the failure.
    template <typename Read> int firstRow(const char* sql, Read&& read)
    {
        sqlite3_stmt* raw = nullptr;
        int rc = sqlite3_prepare_v2(m_db.get(), sql, -1, &raw, nullptr);
        const StmtPtr statement(raw);
        if (rc == SQLITE_OK)
            rc = sqlite3_step(raw);
        return rc == SQLITE_ROW ? read(raw) : rc;
    }

    int createSchema()
    {
        int version = -1;
        int rc = firstRow("PRAGMA user_version", [&](sqlite3_stmt* row) {
            version = sqlite3_column_int(row, 0);
            return SQLITE_OK;
        });
        if (rc != SQLITE_OK || version == kSchemaVersion)
            return rc;
        rc = exec("BEGIN IMMEDIATE");
        if (rc == SQLITE_OK)
            rc = exec(kSchema);
        if (rc == SQLITE_OK)
            rc = exec("COMMIT");
        if (rc != SQLITE_OK && sqlite3_get_autocommit(m_db.get()) == 0)
            exec("ROLLBACK");
        return rc;
    }

    int quickCheck()
    {
        return firstRow("PRAGMA quick_check(1)", [](sqlite3_stmt* row) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(row, 0));
            return text && std::strcmp(text, "ok") == 0 ? SQLITE_OK : SQLITE_CORRUPT;
        });
    }

    int prepare()
    {
        for (int i = 0; i < StatementCount; ++i) {
            sqlite3_stmt* raw = nullptr;
            const int rc = sqlite3_prepare_v3(m_db.get(), kStatements[i], -1, SQLITE_PREPARE_PERSISTENT, &raw, nullptr);
            m_statements[i].reset(raw);
            if (rc != SQLITE_OK)
                return rc;
        }
        return SQLITE_OK;
    }

    DbPtr m_db;
    std::array<StmtPtr, StatementCount> m_statements;
    bool m_writable = false;
};

namespace {

// Makes one call all or nothing: a savepoint inside an open batch, else a write
// transaction of its own, which waits for another process's lock as a batch does.
class WriteScope
{
public:
    explicit WriteScope(SqliteHive::Connection& db) : m_db(db.db()), m_inBatch(sqlite3_get_autocommit(m_db) == 0)
    {
        m_begun = m_inBatch ? exec("SAVEPOINT one_call") : Query(db[Begin]).step();
        if (m_begun == SQLITE_DONE)
            m_begun = SQLITE_OK;
        m_open = m_begun == SQLITE_OK;
    }
    ~WriteScope()
    {
        if (m_open)
            exec(m_inBatch ? "ROLLBACK TO one_call; RELEASE one_call" : "ROLLBACK");
    }
    WriteScope(const WriteScope&) = delete;
    WriteScope& operator=(const WriteScope&) = delete;

    // SQLITE_OK when begun, else why not.
    int begun() const { return m_begun; }
    int commit()
    {
        const int rc = exec(m_inBatch ? "RELEASE one_call" : "COMMIT");
        m_open = rc != SQLITE_OK;
        return rc;
    }

private:
    int exec(const char* sql) { return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr); }

    sqlite3* m_db;
    bool m_inBatch;
    bool m_open = false;
    int m_begun = SQLITE_OK;
};

} // namespace

std::string SqliteHive::userHivePath()
{
    std::string base;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home) {
            const passwd* pw = getpwuid(getuid());
            home = pw ? pw->pw_dir : "";
        }
        base = std::string(home) + "/.config";
    }
    return base + "/nimbrel/registry.sqlite";
}

SqliteHive::SqliteHive(std::string path) : m_path(std::move(path)) {}

SqliteHive::~SqliteHive() = default;

SqliteHive::Connection* SqliteHive::connection()
{
    if (!m_db)
        m_db = Connection::acquire(m_path);
    return m_db.get();
}

SqliteHive::OpenKey* SqliteHive::find(Handle key)
{
    const auto it = m_keys.find(key);
    return it == m_keys.end() ? nullptr : &it->second;
}

SqliteHive::OpenKey* SqliteHive::findWritable(Handle key, Result* error)
{
    OpenKey* k = find(key);
    if (!k || !k->writable) {
        *error = k ? AccessDenied : InvalidHandle;
        return nullptr;
    }
    return k;
}

SqliteHive::Handle SqliteHive::addHandle(long long id, bool writable)
{
    const Handle handle = m_nextHandle++;
    m_keys.emplace(handle, OpenKey{id, writable, {}, false});
    return handle;
}

RegistryApi::Result SqliteHive::resolve(Connection& db, long long start, std::string_view path, bool create,
                                        long long* id)
{
    long long current = start;
    for (std::size_t from = 0; !path.empty();) {
        const std::size_t cut = path.find('\\', from);
        const std::string_view part = path.substr(from, cut == std::string_view::npos ? cut : cut - from);
        if (part.empty())
            return BadPathname;
        const std::string lower = folded(part);
        int rc;
        {
            Query find(db[FindKey]);
            rc = find.bind(current).bind(lower).step();
            if (rc == SQLITE_ROW)
                current = find.integer(0);
        }
        if (rc == SQLITE_DONE) {
            if (!create)
                return FileNotFound;
            Query insert(db[InsertKey]);
            rc = insert.bind(current).bind(part).bind(lower).step();
            if (rc == SQLITE_ROW)
                current = insert.integer(0);
        }
        if (rc != SQLITE_ROW)
            return toResult(rc);
        if (cut == std::string_view::npos)
            break;
        from = cut + 1;
    }
    *id = current;
    return Success;
}

RegistryApi::Result SqliteHive::openKey(std::string_view path, std::uint32_t access, Handle* key)
{
    *key = 0;
    Connection* db = connection();
    if (!db)
        return Failure;
    long long id = 0;
    const Result r = resolve(*db, kRootId, path, false, &id);
    if (r != Success)
        return r;
    const bool wantsWrite = (access & ~KeyRead) != 0;
    if (wantsWrite && !db->writable())
        return AccessDenied;
    *key = addHandle(id, wantsWrite);
    return Success;
}

RegistryApi::Result SqliteHive::createKey(std::string_view path, Handle* key)
{
    *key = 0;
    Connection* db = connection();
    if (!db)
        return Failure;
    if (!db->writable())
        return AccessDenied;
    long long id = 0;
    const Result r = resolve(*db, kRootId, path, true, &id);
    if (r != Success)
        return r;
    *key = addHandle(id, true);
    return Success;
}

RegistryApi::Result SqliteHive::queryValue(Handle key, ValueName name, std::uint32_t* type, std::uint8_t* data,
                                           std::uint32_t* length)
{
    OpenKey* k = find(key);
    if (!k)
        return InvalidHandle;
    if (!length)
        return Failure;
    Query query((*m_db)[FindValue]);
    const int rc = query.bind(k->id).bind(folded(nameOf(name))).step();
    if (rc == SQLITE_DONE)
        return FileNotFound;
    if (rc != SQLITE_ROW)
        return toResult(rc);
    if (type)
        *type = static_cast<std::uint32_t>(query.integer(0));
    const std::string_view stored = query.bytes(1);
    const auto size = static_cast<std::uint32_t>(stored.size());
    if (data) {
        if (*length < size) {
            *length = size;
            return MoreData;
        }
        std::copy(stored.begin(), stored.end(), data);
    }
    *length = size;
    return Success;
}

RegistryApi::Result SqliteHive::queryInfoKey(Handle key, std::uint32_t* maxValueNameLength,
                                             std::uint32_t* maxValueLength)
{
    OpenKey* k = find(key);
    if (!k)
        return InvalidHandle;
    Query query((*m_db)[ValueInfo]);
    const int rc = query.bind(k->id).step();
    if (rc != SQLITE_ROW)
        return toResult(rc);
    if (maxValueNameLength)
        *maxValueNameLength = static_cast<std::uint32_t>(query.integer(0));
    if (maxValueLength)
        *maxValueLength = static_cast<std::uint32_t>(query.integer(1));
    return Success;
}

RegistryApi::Result SqliteHive::enumValue(Handle key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                                          std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataLength)
{
    OpenKey* k = find(key);
    if (!k)
        return InvalidHandle;
    if (!name || !nameLength)
        return Failure;
    if (index == 0 || !k->rowsValid) {
        k->rows.clear();
        Query query((*m_db)[ListValues]);
        query.bind(k->id);
        int rc;
        while ((rc = query.step()) == SQLITE_ROW)
            k->rows.push_back({std::string(query.bytes(0)), static_cast<std::uint32_t>(query.integer(1)),
                               std::string(query.bytes(2))});
        if (rc != SQLITE_DONE) {
            k->rows.clear();
            return toResult(rc);
        }
        k->rowsValid = true;
    }
    if (index >= k->rows.size())
        return NoMoreItems;
    const EnumRow& row = k->rows[index];
    if (*nameLength <= row.name.size())
        return MoreData;
    std::copy(row.name.begin(), row.name.end(), name);
    name[row.name.size()] = '\0';
    *nameLength = static_cast<std::uint32_t>(row.name.size());
    if (type)
        *type = row.type;
    if (dataLength) {
        const auto size = static_cast<std::uint32_t>(row.data.size());
        if (data) {
            if (*dataLength < size) {
                *dataLength = size;
                return MoreData;
            }
            std::copy(row.data.begin(), row.data.end(), data);
        }
        *dataLength = size;
    }
    return Success;
}

RegistryApi::Result SqliteHive::setValue(Handle key, ValueName name, std::uint32_t type, const std::uint8_t* data,
                                         std::uint32_t length)
{
    Result denied = Success;
    OpenKey* k = findWritable(key, &denied);
    if (!k)
        return denied;
    k->rowsValid = false;
    const std::string_view valueName = nameOf(name);
    const std::string_view bytes(reinterpret_cast<const char*>(data), data ? length : 0);
    Query query((*m_db)[UpsertValue]);
    const int rc = query.bind(k->id).bind(valueName).bind(folded(valueName)).bind(type).bind(bytes).step();
    return rc == SQLITE_DONE ? Success : toResult(rc);
}

RegistryApi::Result SqliteHive::deleteValue(Handle key, ValueName name)
{
    Result denied = Success;
    OpenKey* k = findWritable(key, &denied);
    if (!k)
        return denied;
    k->rowsValid = false;
    Query query((*m_db)[DeleteValue]);
    const int rc = query.bind(k->id).bind(folded(nameOf(name))).step();
    if (rc != SQLITE_DONE)
        return toResult(rc);
    return sqlite3_changes(m_db->db()) > 0 ? Success : FileNotFound;
}

RegistryApi::Result SqliteHive::deleteKey(Handle key, std::string_view subKey)
{
    Result denied = Success;
    OpenKey* k = findWritable(key, &denied);
    if (!k)
        return denied;
    if (subKey.empty())
        return BadPathname;
    long long id = 0;
    const Result found = resolve(*m_db, k->id, subKey, false, &id);
    return found == Success ? deleteLeaf(id) : found;
}

RegistryApi::Result SqliteHive::deleteLeaf(long long id)
{
    // Values go with their key (ON DELETE CASCADE); a key with subkeys stays.
    {
        Query remove((*m_db)[DeleteLeafKey]);
        const int rc = remove.bind(id).step();
        if (rc != SQLITE_DONE)
            return toResult(rc);
    }
    if (sqlite3_changes(m_db->db()) > 0)
        return Success;
    Query children((*m_db)[HasSubKey]);
    const int rc = children.bind(id).step();
    if (rc == SQLITE_ROW)
        return KeyHasChildren;
    return rc == SQLITE_DONE ? FileNotFound : toResult(rc);
}

RegistryApi::Result SqliteHive::closeKey(Handle key)
{
    return m_keys.erase(key) > 0 ? Success : InvalidHandle;
}

RegistryApi::Result SqliteHive::replaceValues(std::string_view path, std::span<const Value> values)
{
    Connection* db = connection();
    if (!db)
        return Failure;
    if (!db->writable())
        return AccessDenied;
    WriteScope scope(*db);
    if (scope.begun() != SQLITE_OK)
        return toResult(scope.begun());
    long long id = 0;
    Result r = resolve(*db, kRootId, path, !values.empty(), &id);
    if (r == Success)
        r = values.empty() ? deleteLeaf(id) : writeValues(id, values);
    else if (r == FileNotFound && values.empty())
        r = Success; // nothing to delete
    if (r == Success) {
        const int rc = scope.commit();
        r = rc == SQLITE_OK ? Success : toResult(rc);
    }
    return r;
}

RegistryApi::Result SqliteHive::writeValues(long long id, std::span<const Value> values)
{
    {
        Query children((*m_db)[HasSubKey]);
        const int rc = children.bind(id).step();
        if (rc == SQLITE_ROW)
            return KeyHasChildren;
        if (rc != SQLITE_DONE)
            return toResult(rc);
    }
    for (auto& [handle, open] : m_keys) {
        if (open.id == id)
            open.rowsValid = false;
    }
    // The old values' ords and folded names, in creation order.
    std::vector<std::pair<long long, std::string>> old;
    {
        Query list((*m_db)[ListOrds]);
        list.bind(id);
        int rc;
        while ((rc = list.step()) == SQLITE_ROW)
            old.emplace_back(list.integer(0), std::string(list.bytes(1)));
        if (rc != SQLITE_DONE)
            return toResult(rc);
    }
    // A list saved over the one saved last time mostly has the same names in the same
    // places: those rows are updated where they are, which costs little when the data is
    // unchanged too. From the first name out of place on, the old rows go and the rest is
    // added after them, so the order is the one given.
    std::size_t i = 0;
    for (; i < values.size() && i < old.size(); ++i) {
        const std::string_view name = nameOf(values[i].name);
        if (folded(name) != old[i].second)
            break;
        Query reuse((*m_db)[ReuseValue]);
        const int rc = reuse.bind(old[i].first).bind(name).bind(values[i].type).bind(values[i].data).step();
        if (rc != SQLITE_DONE)
            return toResult(rc);
    }
    if (i < old.size()) {
        Query trim((*m_db)[TrimValues]);
        const int rc = trim.bind(id).bind(old[i].first).step();
        if (rc != SQLITE_DONE)
            return toResult(rc);
    }
    for (; i < values.size(); ++i) {
        const std::string_view name = nameOf(values[i].name);
        Query insert((*m_db)[UpsertValue]);
        const int rc = insert.bind(id).bind(name).bind(folded(name)).bind(values[i].type).bind(values[i].data).step();
        if (rc != SQLITE_DONE)
            return toResult(rc);
    }
    return Success;
}

RegistryApi::Result SqliteHive::beginBatch()
{
    Connection* db = connection();
    if (!db)
        return Failure;
    if (!db->writable())
        return AccessDenied;
    // SQLite refuses a BEGIN while the connection has a batch open: one at a time.
    Query begin((*db)[Begin]);
    const int rc = begin.step();
    return rc == SQLITE_DONE ? Success : toResult(rc);
}

RegistryApi::Result SqliteHive::beginRead()
{
    Connection* db = connection();
    if (!db)
        return Failure;
    // Inside a batch the reads already see one state. Otherwise a deferred transaction: in
    // WAL mode its first read fixes the snapshot, and it never waits for a writer.
    if (sqlite3_get_autocommit(db->db()) == 0)
        return Failure;
    return sqlite3_exec(db->db(), "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK ? Success : Failure;
}

RegistryApi::Result SqliteHive::endRead()
{
    if (!m_db || sqlite3_get_autocommit(m_db->db()) != 0)
        return Failure;
    return sqlite3_exec(m_db->db(), "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK ? Success : Failure;
}

RegistryApi::Result SqliteHive::beginBatchWaiting(std::uint32_t maxWaitMs)
{
    Connection* db = connection();
    if (!db)
        return Failure;
    sqlite3_busy_timeout(db->db(), static_cast<int>(std::min<std::uint32_t>(maxWaitMs, INT32_MAX)));
    const Result r = beginBatch();
    sqlite3_busy_timeout(db->db(), kBusyTimeoutMs);
    return r;
}

std::string SqliteHive::location() const
{
    return m_path;
}

std::string SqliteHive::takeDamagedCopy()
{
    Connection* db = connection();
    return db ? std::exchange(db->damagedCopy, std::string()) : std::string();
}

RegistryApi::Result SqliteHive::commitBatch()
{
    if (!m_db || sqlite3_get_autocommit(m_db->db()) != 0)
        return Failure;
    Query commit((*m_db)[Commit]);
    const int rc = commit.step();
    if (rc == SQLITE_DONE)
        return Success;
    if (sqlite3_get_autocommit(m_db->db()) == 0) {
        Query rollback((*m_db)[Rollback]);
        rollback.step();
    }
    return toResult(rc);
}

RegistryApi::Result SqliteHive::rollbackBatch()
{
    if (!m_db || sqlite3_get_autocommit(m_db->db()) != 0)
        return Failure;
    Query rollback((*m_db)[Rollback]);
    return rollback.step() == SQLITE_DONE ? Success : Failure;
}
