#include "SqliteHive.h"

#include "HiveConnection.h"
#include "ValueBuffer.h"

#include <string>
#include <utility>
#include <vector>

// The hive's values: reading, enumerating, writing, deleting and replacing them.

namespace {

std::string_view nameOf(RegistryApi::ValueName name)
{
    return name ? *name : std::string_view();
}

// Makes one call all or nothing outside a batch: a write transaction of its own, which
// waits for another process's lock as a batch does. Inside a batch the batch is the unit:
// a savepoint would copy every page the call changes once more, for nothing, as whoever
// holds the batch rolls it back on a failure.
class WriteScope
{
public:
    explicit WriteScope(HiveConnection& db) : m_db(db), m_own(!db.inTransaction())
    {
        if (m_own) {
            m_begun = Query(db, HiveConnection::Begin).step();
            m_begun = m_begun == SQLITE_DONE ? SQLITE_OK : m_begun;
        }
        m_open = m_own && m_begun == SQLITE_OK;
    }
    ~WriteScope()
    {
        if (m_open)
            m_db.exec("ROLLBACK");
    }
    WriteScope(const WriteScope&) = delete;
    WriteScope& operator=(const WriteScope&) = delete;

    // SQLITE_OK when begun, else why not.
    int begun() const { return m_begun; }
    int commit()
    {
        const int rc = m_own ? m_db.exec("COMMIT") : SQLITE_OK;
        m_open = m_open && rc != SQLITE_OK;
        return rc;
    }

private:
    HiveConnection& m_db;
    bool m_own;
    bool m_open = false;
    int m_begun = SQLITE_OK;
};

} // namespace

RegistryApi::Result SqliteHive::queryValue(Handle key, ValueName name, std::uint32_t* type, std::uint8_t* data,
                                           std::uint32_t* length)
{
    OpenKey* k = find(key);
    if (!k)
        return InvalidHandle;
    if (!length)
        return Failure;
    Query query(*m_db, HiveConnection::FindValue);
    const int rc = query.bind(k->id).bind(foldedName(nameOf(name))).step();
    if (rc == SQLITE_DONE)
        return FileNotFound;
    if (rc != SQLITE_ROW)
        return registryResult(rc);
    if (type)
        *type = static_cast<std::uint32_t>(query.integer(0));
    return giveData(query.bytes(1), data, length);
}

RegistryApi::Result SqliteHive::queryInfoKey(Handle key, std::uint32_t* maxValueNameLength,
                                             std::uint32_t* maxValueLength)
{
    OpenKey* k = find(key);
    if (!k)
        return InvalidHandle;
    Query query(*m_db, HiveConnection::ValueInfo);
    const int rc = query.bind(k->id).step();
    if (rc != SQLITE_ROW)
        return registryResult(rc);
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
        Query query(*m_db, HiveConnection::ListValues);
        query.bind(k->id);
        int rc;
        while ((rc = query.step()) == SQLITE_ROW)
            k->rows.push_back({std::string(query.bytes(0)), static_cast<std::uint32_t>(query.integer(1)),
                               std::string(query.bytes(2))});
        if (rc != SQLITE_DONE) {
            k->rows.clear();
            return registryResult(rc);
        }
        k->rowsValid = true;
    }
    if (index >= k->rows.size())
        return NoMoreItems;
    const EnumRow& row = k->rows[index];
    if (giveName(row.name, name, nameLength) == MoreData)
        return MoreData;
    if (type)
        *type = row.type;
    return dataLength ? giveData(row.data, data, dataLength) : Success;
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
    Query query(*m_db, HiveConnection::UpsertValue);
    const int rc = query.bind(k->id).bind(valueName).bind(foldedName(valueName)).bind(type).bind(bytes).step();
    return rc == SQLITE_DONE ? Success : registryResult(rc);
}

RegistryApi::Result SqliteHive::deleteValue(Handle key, ValueName name)
{
    Result denied = Success;
    OpenKey* k = findWritable(key, &denied);
    if (!k)
        return denied;
    k->rowsValid = false;
    Query query(*m_db, HiveConnection::DeleteValue);
    const int rc = query.bind(k->id).bind(foldedName(nameOf(name))).step();
    if (rc != SQLITE_DONE)
        return registryResult(rc);
    return sqlite3_changes(m_db->db()) > 0 ? Success : FileNotFound;
}

RegistryApi::Result SqliteHive::replaceValues(std::string_view path, std::span<const Value> values)
{
    HiveConnection* db = connection();
    if (!db || !db->writable())
        return refusal();
    WriteScope scope(*db);
    if (scope.begun() != SQLITE_OK)
        return registryResult(scope.begun());
    long long id = 0;
    Result r = resolve(*db, HiveConnection::kRootId, path, !values.empty(), &id);
    if (r == Success)
        r = values.empty() ? deleteLeaf(id) : writeValues(id, values);
    else if (r == FileNotFound && values.empty())
        r = Success; // nothing to delete
    if (r == Success) {
        const int rc = scope.commit();
        r = rc == SQLITE_OK ? Success : registryResult(rc);
    }
    return r;
}

RegistryApi::Result SqliteHive::writeValues(long long id, std::span<const Value> values)
{
    {
        Query children(*m_db, HiveConnection::HasSubKey);
        const int rc = children.bind(id).step();
        if (rc == SQLITE_ROW)
            return KeyHasChildren;
        if (rc != SQLITE_DONE)
            return registryResult(rc);
    }
    for (auto& [handle, open] : m_keys) {
        if (open.id == id)
            open.rowsValid = false;
    }
    // The old values in creation order, their names and data one after the other in bytes.
    struct Old
    {
        long long ord;
        std::uint32_t type;
        std::size_t nameSize;
        std::size_t dataSize;
    };
    std::vector<Old> old;
    std::string bytes;
    old.reserve(values.size()); // the list saved last time is most often as long as this one
    {
        Query list(*m_db, HiveConnection::ListRows);
        list.bind(id);
        int rc;
        while ((rc = list.step()) == SQLITE_ROW) {
            const std::string_view name = list.bytes(1);
            const std::string_view data = list.bytes(3);
            old.push_back({list.integer(0), std::uint32_t(list.integer(2)), name.size(), data.size()});
            bytes.append(name).append(data);
        }
        if (rc != SQLITE_DONE)
            return registryResult(rc);
    }
    // A list saved over the one saved last time mostly has the same names in the same
    // places: those rows stay where they are, rewritten only where the data changed. From
    // the first name out of place on, the old rows go and the rest is added after them, so
    // the order is the one given.
    std::size_t i = 0;
    for (std::size_t at = 0; i < values.size() && i < old.size(); ++i) {
        const std::string_view name = nameOf(values[i].name);
        const std::string_view oldName = std::string_view(bytes).substr(at, old[i].nameSize);
        const std::string_view oldData = std::string_view(bytes).substr(at + old[i].nameSize, old[i].dataSize);
        at += old[i].nameSize + old[i].dataSize;
        if (name == oldName && values[i].type == old[i].type && values[i].data == oldData)
            continue;
        if (name != oldName && foldedName(name) != foldedName(oldName))
            break;
        Query reuse(*m_db, HiveConnection::ReuseValue);
        const int rc = reuse.bind(old[i].ord).bind(name).bind(values[i].type).bind(values[i].data).step();
        if (rc != SQLITE_DONE)
            return registryResult(rc);
    }
    if (i < old.size()) {
        Query trim(*m_db, HiveConnection::TrimValues);
        const int rc = trim.bind(id).bind(old[i].ord).step();
        if (rc != SQLITE_DONE)
            return registryResult(rc);
    }
    for (; i < values.size(); ++i) {
        const std::string_view name = nameOf(values[i].name);
        Query insert(*m_db, HiveConnection::UpsertValue);
        const int rc =
            insert.bind(id).bind(name).bind(foldedName(name)).bind(values[i].type).bind(values[i].data).step();
        if (rc != SQLITE_DONE)
            return registryResult(rc);
    }
    return Success;
}
