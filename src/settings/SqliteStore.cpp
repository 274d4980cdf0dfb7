#include "SqliteStore.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <utility>

namespace {

// The value type of a text, as the file has always recorded it next to the data.
constexpr long long kText = 1;

// Free pages past which compact() gives the room back at once rather than at the log's next
// checkpoint (1 MB of 4 KB pages).
constexpr int kCheckpointPages = 256;

// A text as the file holds it: its UTF-8 bytes and a NUL, here the string's own terminator
// (bound without a copy).
std::string_view withNul(const std::string& text)
{
    return {text.c_str(), text.size() + 1};
}

// A text read back: less its last byte (the NUL); a text stored without even that is empty.
std::string withoutNul(std::string_view data)
{
    return std::string(data.substr(0, data.empty() ? 0 : data.size() - 1));
}

// Runs work (SQLITE_OK or a failure) all or nothing, in a write transaction that waits for
// another process's lock as long as the busy timeout says. SQLITE_OK, or why not: SQLITE_FULL
// also where SQLite says only "I/O error".
template <typename Work> int inTransaction(SqliteConnection& db, Work&& work)
{
    int rc = db.exec("BEGIN IMMEDIATE");
    if (rc != SQLITE_OK)
        return rc;
    rc = work();
    if (rc == SQLITE_OK)
        rc = withDiskFull(db.db(), db.exec("COMMIT"));
    if (rc != SQLITE_OK && db.inTransaction())
        db.exec("ROLLBACK");
    return rc;
}

// Copies every page of the database from one connection to another.
bool copyDatabase(sqlite3* from, sqlite3* to)
{
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup)
        return false;
    const int rc = sqlite3_backup_step(backup, -1);
    return sqlite3_backup_finish(backup) == SQLITE_OK && rc == SQLITE_DONE;
}

} // namespace

SqliteStore::SqliteStore(std::string path) : m_path(std::move(path)) {}

SqliteStore::~SqliteStore() = default;

SqliteConnection* SqliteStore::connection()
{
    if (!m_db)
        m_db = SqliteConnection::open(m_path, &m_refusal);
    return m_db.get();
}

SqliteConnection* SqliteStore::writer(StoreStatus* status)
{
    SqliteConnection* db = connection();
    // Moved or deleted while we ran: what we write would be lost, or shown by no later start.
    if (db && db->writable() && !db->isFileAt(m_path) && !recreate()) {
        *status = StoreStatus::Failed;
        return nullptr;
    }
    db = m_db.get();
    if (db && db->writable())
        return db;
    if (m_refusal.code == SQLITE_FULL)
        *status = StoreStatus::DiskFull;
    else
        *status = db ? StoreStatus::ReadOnly : StoreStatus::Failed;
    return nullptr;
}

int SqliteStore::resolve(std::string_view path, bool create, long long* id)
{
    long long current = SqliteConnection::kRootId;
    for (std::size_t from = 0; !path.empty();) {
        const std::size_t cut = path.find('\\', from);
        const std::string_view part = path.substr(from, cut == std::string_view::npos ? cut : cut - from);
        if (part.empty())
            return SQLITE_MISUSE;
        const std::string lower = foldedName(part);
        int rc;
        {
            Query find(*m_db, SqliteConnection::FindKey);
            rc = find.bind(current).bind(lower).step();
            if (rc == SQLITE_ROW)
                current = find.integer(0);
        }
        if (rc == SQLITE_DONE && create) {
            Query insert(*m_db, SqliteConnection::InsertKey);
            rc = insert.bind(current).bind(part).bind(lower).step();
            if (rc == SQLITE_ROW)
                current = insert.integer(0);
        }
        if (rc != SQLITE_ROW)
            return rc;
        if (cut == std::string_view::npos)
            break;
        from = cut + 1;
    }
    *id = current;
    return SQLITE_ROW;
}

std::optional<std::string> SqliteStore::value(std::string_view section, std::string_view name)
{
    long long id = 0;
    if (!connection() || resolve(section, false, &id) != SQLITE_ROW)
        return std::nullopt;
    Query query(*m_db, SqliteConnection::FindValue);
    if (query.bind(id).bind(foldedName(name)).step() != SQLITE_ROW || query.bytes(1).empty())
        return std::nullopt;
    return withoutNul(query.bytes(1));
}

StoreStatus SqliteStore::setValue(std::string_view section, std::string_view name, std::string_view text)
{
    StoreStatus status = StoreStatus::Ok;
    SqliteConnection* db = writer(&status);
    if (!db)
        return status;
    const int rc = inTransaction(*db, [&] { return writeValue(section, name, text); });
    return rc == SQLITE_OK ? StoreStatus::Ok : storeStatus(rc);
}

int SqliteStore::writeValue(std::string_view section, std::string_view name, std::string_view text)
{
    long long id = 0;
    int rc = resolve(section, true, &id);
    if (rc == SQLITE_ROW) {
        const std::string data(text);
        Query upsert(*m_db, SqliteConnection::UpsertValue);
        rc = upsert.bind(id).bind(name).bind(foldedName(name)).bind(kText).bind(withNul(data)).step();
    }
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

std::vector<SettingsStore::Row> SqliteStore::rows(std::string_view section)
{
    std::vector<Row> rows;
    SqliteConnection* db = connection();
    // One read transaction, so that a section another copy replaces meanwhile reads as the
    // old rows or the new ones. In WAL mode it never waits for a writer.
    if (!db || db->inTransaction() || db->exec("BEGIN") != SQLITE_OK)
        return rows;
    long long id = 0;
    if (resolve(section, false, &id) == SQLITE_ROW) {
        Query list(*db, SqliteConnection::ListRows);
        list.bind(id);
        while (list.step() == SQLITE_ROW) {
            if (list.integer(2) == kText)
                rows.emplace_back(list.bytes(1), withoutNul(list.bytes(3)));
        }
    }
    db->exec("COMMIT");
    return rows;
}

StoreStatus SqliteStore::replaceRows(std::string_view section, std::span<const Row> rows, std::uint32_t maxWaitMs)
{
    const SectionRows one{section, rows};
    return replaceSections({&one, 1}, maxWaitMs);
}

StoreStatus SqliteStore::replaceSections(std::span<const SectionRows> sections, std::uint32_t maxWaitMs)
{
    StoreStatus status = StoreStatus::Ok;
    SqliteConnection* db = writer(&status);
    if (!db)
        return status;
    // In WAL mode only taking the write lock waits for other processes.
    sqlite3_busy_timeout(db->db(), static_cast<int>(std::min<std::uint32_t>(maxWaitMs, INT32_MAX)));
    const int rc = inTransaction(*db, [&] {
        int rc = SQLITE_OK;
        for (std::size_t i = 0; i < sections.size() && rc == SQLITE_OK; ++i)
            rc = writeRows(sections[i].section, sections[i].rows);
        return rc;
    });
    sqlite3_busy_timeout(db->db(), SqliteConnection::kBusyTimeoutMs);
    return rc == SQLITE_OK ? StoreStatus::Ok : storeStatus(rc);
}

StoreStatus SqliteStore::deleteValue(std::string_view section, std::string_view name)
{
    StoreStatus status = StoreStatus::Ok;
    SqliteConnection* db = writer(&status);
    if (!db)
        return status;
    const int rc = inTransaction(*db, [&] { return removeValue(section, name); });
    return rc == SQLITE_OK ? StoreStatus::Ok : storeStatus(rc);
}

int SqliteStore::removeValue(std::string_view section, std::string_view name)
{
    long long id = 0;
    int rc = resolve(section, false, &id);
    if (rc != SQLITE_ROW)
        return rc == SQLITE_DONE ? SQLITE_OK : rc; // no section, so no value either
    rc = Query(*m_db, SqliteConnection::DeleteValue).bind(id).bind(foldedName(name)).step();
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

std::vector<std::string> SqliteStore::valueNames(std::string_view section)
{
    std::vector<std::string> names;
    long long id = 0;
    if (!connection() || resolve(section, false, &id) != SQLITE_ROW)
        return names;
    Query list(*m_db, SqliteConnection::ListNames);
    for (list.bind(id); list.step() == SQLITE_ROW;) {
        if (list.integer(1) == kText)
            names.emplace_back(list.bytes(0));
    }
    return names;
}

StoreStatus SqliteStore::apply(std::span<const Change> changes, std::uint32_t maxWaitMs)
{
    StoreStatus status = StoreStatus::Ok;
    SqliteConnection* db = writer(&status);
    if (!db)
        return status;
    sqlite3_busy_timeout(db->db(), static_cast<int>(std::min<std::uint32_t>(maxWaitMs, INT32_MAX)));
    const int rc = inTransaction(*db, [&] {
        int rc = SQLITE_OK;
        for (std::size_t i = 0; i < changes.size() && rc == SQLITE_OK; ++i) {
            const Change& c = changes[i];
            rc = c.text ? writeValue(c.section, c.name, *c.text) : removeValue(c.section, c.name);
        }
        return rc;
    });
    sqlite3_busy_timeout(db->db(), SqliteConnection::kBusyTimeoutMs);
    return rc == SQLITE_OK ? StoreStatus::Ok : storeStatus(rc);
}

StoreStatus SqliteStore::compact()
{
    StoreStatus status = StoreStatus::Ok;
    SqliteConnection* db = writer(&status);
    if (!db)
        return status;
    const auto pragma = [db](const char* sql) {
        sqlite3_stmt* raw = nullptr;
        sqlite3_prepare_v2(db->db(), sql, -1, &raw, nullptr);
        const std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> statement(raw, &sqlite3_finalize);
        return raw && sqlite3_step(raw) == SQLITE_ROW ? sqlite3_column_int(raw, 0) : 0;
    };
    // A file made before incremental vacuum was chosen is rebuilt once to choose it; after
    // that only the free pages are given back, at a cost in what was freed, not in the file.
    int rc = SQLITE_OK;
    int freed = 0;
    if (pragma("PRAGMA auto_vacuum") != 2) {
        rc = db->exec("PRAGMA auto_vacuum = INCREMENTAL; VACUUM");
        freed = kCheckpointPages;
    } else if ((freed = pragma("PRAGMA freelist_count")) > 0) {
        rc = db->exec("PRAGMA incremental_vacuum");
    }
    // The file shrinks when the log is next copied into it; after much was freed, at once,
    // and the log that held the freed pages' last state shrinks with it.
    if (rc == SQLITE_OK && freed >= kCheckpointPages)
        rc = db->exec("PRAGMA wal_checkpoint(TRUNCATE)");
    return rc == SQLITE_OK ? StoreStatus::Ok : storeStatus(withDiskFull(db->db(), rc));
}

int SqliteStore::writeRows(std::string_view section, std::span<const Row> rows)
{
    long long id = 0;
    int rc = resolve(section, !rows.empty(), &id);
    if (rc != SQLITE_ROW)
        return rc == SQLITE_DONE && rows.empty() ? SQLITE_OK : rc; // nothing to delete
    if ((rc = Query(*m_db, SqliteConnection::HasSubKey).bind(id).step()) != SQLITE_DONE)
        return rc == SQLITE_ROW ? SQLITE_CONSTRAINT : rc;
    if (rows.empty()) { // its values go with it (ON DELETE CASCADE)
        rc = Query(*m_db, SqliteConnection::DeleteLeafKey).bind(id).step();
        return rc == SQLITE_DONE ? SQLITE_OK : rc;
    }
    // A list saved over the one saved last time mostly has the same names in the same
    // places: those rows stay where they are, rewritten only where the text changed. From
    // the first name out of place on, the old rows go and the rest is added after them, so
    // the order is the one given. The old rows are compared as SQLite hands them over, with
    // nothing copied; the rows to rewrite are noted and rewritten once the walk is over.
    std::vector<std::pair<long long, std::size_t>> rewrite; // (ord, index in rows)
    std::optional<long long> trimFrom;                      // the first old row that goes
    std::size_t i = 0;
    {
        Query list(*m_db, SqliteConnection::ListRows);
        for (list.bind(id); (rc = list.step()) == SQLITE_ROW; ++i) {
            if (i == rows.size()) {
                trimFrom = list.integer(0);
                break;
            }
            const std::string& name = rows[i].first;
            const std::string_view text = rows[i].second;
            const std::string_view oldName = list.bytes(1);
            const std::string_view oldData = list.bytes(3);
            // Text is stored with its NUL.
            const bool sameName = name == oldName;
            if (sameName && list.integer(2) == kText && oldData.size() == text.size() + 1 && oldData.back() == '\0' &&
                oldData.substr(0, text.size()) == text)
                continue;
            if (!sameName && foldedName(name) != foldedName(oldName)) {
                trimFrom = list.integer(0);
                break;
            }
            rewrite.emplace_back(list.integer(0), i);
        }
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            return rc;
    }
    for (const auto& [ord, row] : rewrite) {
        if ((rc = Query(*m_db, SqliteConnection::ReuseValue)
                      .bind(ord)
                      .bind(rows[row].first)
                      .bind(kText)
                      .bind(withNul(rows[row].second))
                      .step()) != SQLITE_DONE)
            return rc;
    }
    if (trimFrom && (rc = Query(*m_db, SqliteConnection::TrimValues).bind(id).bind(*trimFrom).step()) != SQLITE_DONE)
        return rc;
    for (; i < rows.size(); ++i) {
        const std::string& name = rows[i].first;
        Query insert(*m_db, SqliteConnection::UpsertValue);
        if ((rc = insert.bind(id).bind(name).bind(foldedName(name)).bind(kText).bind(withNul(rows[i].second)).step()) !=
            SQLITE_DONE)
            return rc;
    }
    return SQLITE_OK;
}

bool SqliteStore::recreate()
{
    // What the old file holds, read through the connection that still has it open.
    sqlite3* raw = nullptr;
    sqlite3_open(":memory:", &raw);
    const std::unique_ptr<sqlite3, decltype(&sqlite3_close)> held(raw, &sqlite3_close);
    if (!raw || !copyDatabase(m_db->db(), raw))
        return false;
    // The old file gets its log's saves: closing would not fold them in, SQLite skipping
    // that for a file that has moved. The log and index named after our path stay behind,
    // emptied; without their file they would be read into the new one.
    m_db->exec("PRAGMA wal_checkpoint(TRUNCATE)");
    m_db.reset();
    std::error_code ec;
    if (!std::filesystem::exists(m_path, ec)) {
        for (const char* suffix : {"-wal", "-shm"})
            std::filesystem::remove(m_path + suffix, ec);
    }
    const bool fresh = !std::filesystem::exists(m_path, ec);
    if (!connection() || !m_db->writable())
        return false;
    // Another file put in its place is the store now; only a fresh one takes the old contents.
    if (fresh && !copyDatabase(raw, m_db->db()))
        return false;
    m_recreated = true;
    return true;
}

std::string SqliteStore::takeDamagedCopy()
{
    SqliteConnection* db = connection();
    return db ? db->takeDamagedCopy() : std::string();
}

bool SqliteStore::readOnly()
{
    return !connection() || !m_db->writable();
}

bool SqliteStore::newerVersion()
{
    connection();
    return m_refusal.newer;
}

StoreStatus SqliteStore::writability()
{
    StoreStatus status = StoreStatus::Ok;
    writer(&status);
    return status;
}

std::string SqliteStore::fileInTheWay()
{
    connection();
    return m_refusal.inTheWay;
}

bool SqliteStore::takeRecreated()
{
    return std::exchange(m_recreated, false);
}
