#include "SqliteConnection.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int kSchemaVersion = 2;

// Keys form a tree below the root row (HKEY_CURRENT_USER). Names are stored as bytes, with a
// lower-cased copy for lookups; a value's ord (its rowid) only grows, so ordering by it gives
// creation order, and an upsert keeps it. Run on every file whose user_version is not the
// current one, it brings an older file up to date (version 1 had an index on key and ord).
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

constexpr std::array<const char*, SqliteConnection::StatementCount> kStatements = {
    "SELECT id FROM reg_keys WHERE parent = ?1 AND folded = ?2",
    "INSERT INTO reg_keys(parent, name, folded) VALUES(?1, ?2, ?3) RETURNING id",
    "DELETE FROM reg_keys WHERE id = ?1 AND NOT EXISTS (SELECT 1 FROM reg_keys WHERE parent = ?1)",
    "SELECT 1 FROM reg_keys WHERE parent = ?1 LIMIT 1",
    "SELECT type, data FROM reg_values WHERE key_id = ?1 AND folded = ?2",
    "INSERT INTO reg_values(key_id, name, folded, type, data) VALUES(?1, ?2, ?3, ?4, ?5) "
    "ON CONFLICT(key_id, folded) DO UPDATE SET type = excluded.type, data = excluded.data",
    // Walking the table in ord order beats an index on (key_id, ord), whose upkeep made
    // every write of a value a third dearer; the values are nearly all one section's anyway.
    "SELECT ord, name, type, data FROM reg_values NOT INDEXED WHERE key_id = ?1 ORDER BY ord",
    "UPDATE reg_values SET name = ?2, type = ?3, data = ?4 WHERE ord = ?1",
    "DELETE FROM reg_values WHERE key_id = ?1 AND ord >= ?2",
    // Through the (key_id, folded) index: the names alone, whatever size the values are.
    "SELECT name, type FROM reg_values WHERE key_id = ?1 ORDER BY ord",
    "DELETE FROM reg_values WHERE key_id = ?1 AND folded = ?2",
};

bool isCorrupt(int rc)
{
    return rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT;
}

std::string timestamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%S", &local);
    return text;
}

// Keeps a broken store for inspection instead of deleting it; where it went, or empty.
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
        char hex[4];
        std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(c));
        uri += c == '%' || c == '?' || c == '#' ? std::string(hex) : std::string(1, c);
    }
    return uri + "?immutable=1";
}

// Whether another process has the file of a -shm open through SQLite: every connection to a
// file in WAL mode holds a read lock on the byte after the WAL index's locks (the "DMS" byte)
// for as long as it is open.
bool shmInUse(const std::string& shm)
{
    constexpr off_t kDmsByte = 128;
    const int fd = ::open(shm.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct flock lock = {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = kDmsByte;
    lock.l_len = 1;
    const bool held = ::fcntl(fd, F_GETLK, &lock) != 0 || lock.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

std::pair<unsigned long long, unsigned long long> fileId(const std::string& path)
{
    struct stat st = {};
    if (::stat(path.c_str(), &st) != 0)
        return {0, 0};
    return {static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino)};
}

} // namespace

StoreStatus storeStatus(int sqliteCode)
{
    if (sqliteCode == SQLITE_READONLY || sqliteCode == SQLITE_PERM || sqliteCode == SQLITE_AUTH)
        return StoreStatus::ReadOnly;
    if (sqliteCode == SQLITE_BUSY || sqliteCode == SQLITE_LOCKED)
        return StoreStatus::Busy;
    return sqliteCode == SQLITE_FULL ? StoreStatus::DiskFull : StoreStatus::Failed;
}

int withDiskFull(sqlite3* db, int sqliteCode)
{
    if (sqliteCode == SQLITE_OK || sqliteCode == SQLITE_ROW || sqliteCode == SQLITE_DONE || !db)
        return sqliteCode;
    const int error = sqlite3_system_errno(db);
    return error == ENOSPC || error == EDQUOT ? SQLITE_FULL : sqliteCode;
}

std::string foldedName(std::string_view name)
{
    std::string out(name);
    for (char& c : out)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return out;
}

std::unique_ptr<SqliteConnection> SqliteConnection::open(const std::string& path, Refusal* refusal)
{
    *refusal = Refusal();
    std::unique_ptr<SqliteConnection> connection(new SqliteConnection);
    return connection->openFile(path, refusal) ? std::move(connection) : nullptr;
}

SqliteConnection::~SqliteConnection()
{
    close();
}

bool SqliteConnection::isFileAt(const std::string& path) const
{
    return !m_writable || fileId(path) == m_fileId;
}

std::string SqliteConnection::takeDamagedCopy()
{
    return std::exchange(m_damagedCopy, std::string());
}

bool SqliteConnection::openFile(const std::string& path, Refusal* refusal)
{
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);
    // Move a file that is no database at all before SQLite sees it: on closing it, SQLite
    // would delete the -wal and -shm that came with it.
    if (!looksLikeDatabase(path))
        m_damagedCopy = moveAside(path);
    int rc = clearStaleCompanions(path, refusal) ? openWritable(path, refusal) : SQLITE_READONLY;
    if (isCorrupt(rc)) {
        m_damagedCopy = moveAside(path);
        if (!m_damagedCopy.empty())
            rc = openWritable(path, refusal);
    }
    if (rc == SQLITE_OK) {
        m_fileId = fileId(path);
        return true;
    }
    if (isCorrupt(rc) || !openReadOnly(path))
        return false;
    // A file we may not write is read-only before its version is read.
    firstRow("PRAGMA user_version", [&](sqlite3_stmt* row) {
        refusal->newer = refusal->newer || sqlite3_column_int(row, 0) > kSchemaVersion;
        return SQLITE_OK;
    });
    return true;
}

void SqliteConnection::close()
{
    for (auto& stmt : m_statements)
        stmt.reset();
    m_db.reset();
    std::error_code ec;
    if (!m_madeShm.empty())
        fs::remove(std::exchange(m_madeShm, std::string()), ec);
    if (!m_privateCopy.empty())
        fs::remove_all(std::exchange(m_privateCopy, std::string()), ec);
}

// A -shm and -wal that may not be written beside a file that may, left by a program that read
// the file while it was read-only (SQLite gives them the file's mode), would refuse every
// write. Made again when no other program has the file open (an empty log is simply removed,
// one that holds saves made writable); else the first in the way is named to the user. False
// when one is in the way.
bool SqliteConnection::clearStaleCompanions(const std::string& path, Refusal* refusal)
{
    std::error_code ec;
    if (::access(path.c_str(), W_OK) != 0)
        return true; // the file itself is in the way, as the writable open will find
    const bool inUse = shmInUse(path + "-shm");
    for (const char* suffix : {"-shm", "-wal"}) {
        const std::string file = path + suffix;
        if (!fs::exists(file, ec) || ::access(file.c_str(), W_OK) == 0)
            continue;
        if (!inUse) {
            if (std::string(suffix) == "-wal" && fs::file_size(file, ec) > 0)
                fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, ec);
            else
                fs::remove(file, ec);
            if (::access(file.c_str(), W_OK) == 0 || !fs::exists(file, ec))
                continue;
        }
        refusal->code = SQLITE_READONLY;
        refusal->inTheWay = file;
        return false;
    }
    return true;
}

int SqliteConnection::openWritable(const std::string& path, Refusal* refusal)
{
    close();
    sqlite3* raw = nullptr;
    int version = -1;
    int rc =
        sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    m_db.reset(raw);
    if (rc == SQLITE_OK && sqlite3_db_readonly(raw, "main") == 1)
        rc = SQLITE_READONLY;
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(raw, kBusyTimeoutMs);
        // Before anything writes: a file of a newer layout is neither changed nor stamped
        // with ours.
        rc = firstRow("PRAGMA user_version", [&](sqlite3_stmt* row) {
            version = sqlite3_column_int(row, 0);
            refusal->newer = version > kSchemaVersion;
            return refusal->newer ? SQLITE_READONLY : SQLITE_OK;
        });
    }
    // A new file gives the room of deleted values back on request (SqliteStore::compact);
    // this can only be chosen before the first table is made.
    if (rc == SQLITE_OK && version == 0)
        rc = exec("PRAGMA auto_vacuum = INCREMENTAL");
    if (rc == SQLITE_OK)
        rc = exec("PRAGMA journal_mode = WAL");
    // secure_delete FAST: deleted values are not overwritten with zeros page by page (a
    // forgotten history would pass through the log whole); compact() cuts the freed pages
    // off the file instead.
    if (rc == SQLITE_OK)
        rc = exec("PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON; PRAGMA cache_size = -16384; "
                  "PRAGMA secure_delete = FAST");
    if (rc == SQLITE_OK)
        rc = createSchema(version);
    if (rc == SQLITE_OK)
        rc = quickCheck();
    if (rc == SQLITE_OK) {
        // Tables of another layout under our version number: the statements cannot be made
        // over them, and the file is kept aside like a damaged one.
        rc = prepare();
        rc = rc == SQLITE_ERROR ? SQLITE_CORRUPT : rc;
    }
    if (rc != SQLITE_OK) {
        refusal->code = withDiskFull(m_db.get(), rc);
        close();
    }
    m_writable = rc == SQLITE_OK;
    return rc;
}

// A store we may only read: a read-only file or folder, or a newer version's file. A file we
// may not write whose log holds nothing is read as it stands (immutable), which makes no
// companion files; else SQLite needs the WAL index, and without write access to the folder
// it cannot make one, so fall back to reading the file as it stands.
bool SqliteConnection::openReadOnly(const std::string& path)
{
    std::error_code ec;
    const bool mayWrite = ::access(path.c_str(), W_OK) == 0;
    const std::string wal = path + "-wal";
    const bool logEmpty = !fs::exists(wal, ec) || fs::file_size(wal, ec) == 0;
    if (!mayWrite && logEmpty && openReadOnlyAs(uriFor(path)))
        return true;
    const std::string shm = path + "-shm";
    const bool shmThere = fs::exists(shm, ec);
    if (openReadOnlyAs(path)) {
        if (!mayWrite && !shmThere && fs::exists(shm, ec))
            m_madeShm = shm;
        return true;
    }
    // The log holds the last saves: read as it stands, the file would show an older list.
    if (!logEmpty && openPrivateCopy(path))
        return true;
    return openReadOnlyAs(uriFor(path));
}

// Reads a copy of the file and its log in a folder of our own, where SQLite may make the WAL
// index it needs; nothing is written beside the store.
bool SqliteConnection::openPrivateCopy(const std::string& path)
{
    std::error_code ec;
    std::string folder = (fs::temp_directory_path(ec) / "nimbrel-store-XXXXXX").string();
    if (ec || !::mkdtemp(folder.data()))
        return false;
    const fs::path copy = fs::path(folder) / "registry.sqlite";
    bool copied = true;
    for (const char* suffix : {"", "-wal"}) {
        const fs::path to = copy.string() + suffix;
        copied = copied && fs::copy_file(path + suffix, to, ec) && !ec;
        fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, ec);
    }
    if (copied && openReadOnlyAs(copy.string(), SQLITE_OPEN_READWRITE)) {
        m_privateCopy = folder;
        return true;
    }
    fs::remove_all(folder, ec);
    return false;
}

bool SqliteConnection::openReadOnlyAs(const std::string& name, int flags)
{
    close();
    sqlite3* raw = nullptr;
    int rc = sqlite3_open_v2(name.c_str(), &raw, flags, nullptr);
    m_db.reset(raw);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(raw, kBusyTimeoutMs);
        rc = prepare();
    }
    if (rc == SQLITE_OK)
        rc = exec("SELECT count(*) FROM reg_values");
    if (rc == SQLITE_OK)
        return true;
    close();
    return false;
}

template <typename Read> int SqliteConnection::firstRow(const char* sql, Read&& read)
{
    sqlite3_stmt* raw = nullptr;
    int rc = sqlite3_prepare_v2(m_db.get(), sql, -1, &raw, nullptr);
    const std::unique_ptr<sqlite3_stmt, Release> statement(raw);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(raw);
    return rc == SQLITE_ROW ? read(raw) : rc;
}

int SqliteConnection::createSchema(int version)
{
    if (version == kSchemaVersion)
        return SQLITE_OK;
    int rc = exec("BEGIN IMMEDIATE");
    if (rc == SQLITE_OK)
        rc = exec(kSchema);
    if (rc == SQLITE_OK)
        rc = exec("COMMIT");
    if (rc != SQLITE_OK && inTransaction())
        exec("ROLLBACK");
    return rc;
}

int SqliteConnection::quickCheck()
{
    return firstRow("PRAGMA quick_check(1)", [](sqlite3_stmt* row) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(row, 0));
        return text && std::strcmp(text, "ok") == 0 ? SQLITE_OK : SQLITE_CORRUPT;
    });
}

int SqliteConnection::prepare()
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
