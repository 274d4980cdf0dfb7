#include "SqliteHive.h"

#include "HiveConnection.h"

#include <algorithm>
#include <utility>

// The hive's keys and handles, its batches and reads; its values are in SqliteHiveValues.cpp.

SqliteHive::SqliteHive(std::string path) : m_path(std::move(path)) {}

SqliteHive::~SqliteHive() = default;

HiveConnection* SqliteHive::connection()
{
    if (!m_db)
        m_db = HiveConnection::open(m_path, &m_refusal);
    return m_db.get();
}

RegistryApi::Result SqliteHive::refusal() const
{
    if (m_refusal.code == SQLITE_FULL)
        return DiskFull;
    return m_db ? AccessDenied : Failure;
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

RegistryApi::Result SqliteHive::resolve(HiveConnection& db, long long start, std::string_view path, bool create,
                                        long long* id)
{
    long long current = start;
    for (std::size_t from = 0; !path.empty();) {
        const std::size_t cut = path.find('\\', from);
        const std::string_view part = path.substr(from, cut == std::string_view::npos ? cut : cut - from);
        if (part.empty())
            return BadPathname;
        const std::string lower = foldedName(part);
        int rc;
        {
            Query find(db, HiveConnection::FindKey);
            rc = find.bind(current).bind(lower).step();
            if (rc == SQLITE_ROW)
                current = find.integer(0);
        }
        if (rc == SQLITE_DONE) {
            if (!create)
                return FileNotFound;
            Query insert(db, HiveConnection::InsertKey);
            rc = insert.bind(current).bind(part).bind(lower).step();
            if (rc == SQLITE_ROW)
                current = insert.integer(0);
        }
        if (rc != SQLITE_ROW)
            return registryResult(rc);
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
    HiveConnection* db = connection();
    if (!db)
        return Failure;
    long long id = 0;
    const Result r = resolve(*db, HiveConnection::kRootId, path, false, &id);
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
    HiveConnection* db = connection();
    if (!db || !db->writable())
        return refusal();
    long long id = 0;
    const Result r = resolve(*db, HiveConnection::kRootId, path, true, &id);
    if (r != Success)
        return r;
    *key = addHandle(id, true);
    return Success;
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
        Query remove(*m_db, HiveConnection::DeleteLeafKey);
        const int rc = remove.bind(id).step();
        if (rc != SQLITE_DONE)
            return registryResult(rc);
    }
    if (sqlite3_changes(m_db->db()) > 0)
        return Success;
    Query children(*m_db, HiveConnection::HasSubKey);
    const int rc = children.bind(id).step();
    if (rc == SQLITE_ROW)
        return KeyHasChildren;
    return rc == SQLITE_DONE ? FileNotFound : registryResult(rc);
}

RegistryApi::Result SqliteHive::closeKey(Handle key)
{
    return m_keys.erase(key) > 0 ? Success : InvalidHandle;
}

RegistryApi::Result SqliteHive::beginBatch()
{
    HiveConnection* db = connection();
    if (!db || !db->writable())
        return refusal();
    // SQLite refuses a BEGIN while the connection has a batch open: one at a time.
    Query begin(*db, HiveConnection::Begin);
    const int rc = begin.step();
    return rc == SQLITE_DONE ? Success : registryResult(rc);
}

RegistryApi::Result SqliteHive::beginRead()
{
    HiveConnection* db = connection();
    if (!db)
        return Failure;
    // Inside a batch the reads already see one state. Otherwise a deferred transaction: in
    // WAL mode its first read fixes the snapshot, and it never waits for a writer.
    if (db->inTransaction())
        return Failure;
    return sqlite3_exec(db->db(), "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK ? Success : Failure;
}

RegistryApi::Result SqliteHive::endRead()
{
    if (!m_db || !m_db->inTransaction())
        return Failure;
    return sqlite3_exec(m_db->db(), "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK ? Success : Failure;
}

RegistryApi::Result SqliteHive::beginBatchWaiting(std::uint32_t maxWaitMs)
{
    HiveConnection* db = connection();
    if (!db)
        return Failure;
    sqlite3_busy_timeout(db->db(), static_cast<int>(std::min<std::uint32_t>(maxWaitMs, INT32_MAX)));
    const Result r = beginBatch();
    sqlite3_busy_timeout(db->db(), HiveConnection::kBusyTimeoutMs);
    return r;
}

std::string SqliteHive::location() const
{
    return m_path;
}

bool SqliteHive::newerVersion()
{
    connection();
    return m_refusal.newer;
}

std::string SqliteHive::takeDamagedCopy()
{
    HiveConnection* db = connection();
    return db ? db->takeDamagedCopy() : std::string();
}

RegistryApi::Result SqliteHive::commitBatch()
{
    if (!m_db || !m_db->inTransaction())
        return Failure;
    Query commit(*m_db, HiveConnection::Commit);
    const int rc = withDiskFull(m_db->db(), commit.step());
    if (rc == SQLITE_DONE)
        return Success;
    if (m_db->inTransaction()) {
        Query rollback(*m_db, HiveConnection::Rollback);
        rollback.step();
    }
    return registryResult(rc);
}

RegistryApi::Result SqliteHive::rollbackBatch()
{
    if (!m_db || !m_db->inTransaction())
        return Failure;
    Query rollback(*m_db, HiveConnection::Rollback);
    return rollback.step() == SQLITE_DONE ? Success : Failure;
}
