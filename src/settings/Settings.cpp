#include "Settings.h"

#include "RegistryApi.h"
#include "StoredNames.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

namespace {

// Another copy of the program may hold the store for a moment when the names are saved;
// wait for it rather than lose the list.
constexpr std::uint32_t kSavePatienceMs = 30000;

QString fromUtf8(const void* data, std::uint32_t length)
{
    return QString::fromUtf8(static_cast<const char*>(data), static_cast<qsizetype>(length));
}

// A text value's data: the UTF-8 bytes and their NUL (constData() is NUL-terminated).
std::string_view withNul(const QByteArray& text)
{
    return {text.constData(), std::size_t(text.size()) + 1};
}

// A flag's text as a whole number, on exactly when it is 1.
bool flagIsOn(const QString& stored, const QString& defaultValue)
{
    bool ok = false;
    const double n = stored.trimmed().toDouble(&ok);
    // A fraction is rounded half to even before the comparison, so "1.5" is 2 (off) and
    // "0.5" is 0 (off); only values that round to 1 are on.
    return std::nearbyint(ok ? n : defaultValue.trimmed().toDouble()) == 1.0;
}

Settings::SaveResult saveResult(RegistryApi::Result r)
{
    switch (r) {
    case RegistryApi::Success:
        return Settings::SaveResult::Saved;
    case RegistryApi::Busy:
        return Settings::SaveResult::Busy;
    case RegistryApi::AccessDenied:
        return Settings::SaveResult::Unwritable;
    case RegistryApi::DiskFull:
        return Settings::SaveResult::DiskFull;
    default:
        return Settings::SaveResult::Failed;
    }
}

} // namespace

Settings::Settings(std::shared_ptr<RegistryApi> store, QString programFolder)
    : m_api(std::move(store)), m_programFolder(std::move(programFolder))
{
}

Settings::~Settings() = default;

std::string Settings::keyPath(const QString& section)
{
    using namespace SettingsKeys;
    QString path = QStringLiteral("Software\\") + Company + QStringLiteral("\\") + AppName;
    if (!section.isEmpty())
        path += QStringLiteral("\\") + section;
    return path.toStdString();
}

bool Settings::flag(const SettingsKeys::Key& key)
{
    return flagIsOn(text(key), key.defaultValue);
}

bool Settings::setFlag(const SettingsKeys::Key& key, bool on)
{
    return setText(key, on ? QStringLiteral("1") : QStringLiteral("0"));
}

QString Settings::text(const SettingsKeys::Key& key)
{
    const QString& fallback = key.form == SettingsKeys::Form::Folder ? m_programFolder : key.defaultValue;
    RegistryKey handle(*m_api);
    if (m_api->openKey(keyPath(key.section), RegistryApi::KeyAllAccess, handle.out()) != RegistryApi::Success)
        return fallback;
    const std::string name = key.key.toStdString();
    std::uint32_t size = 0;
    if (m_api->queryValue(handle.get(), name, nullptr, nullptr, &size) != RegistryApi::Success || size == 0)
        return fallback;
    std::vector<std::uint8_t> buffer(size);
    std::uint32_t length = size;
    if (m_api->queryValue(handle.get(), name, nullptr, buffer.data(), &length) != RegistryApi::Success)
        return fallback;
    // The value's type is not examined: whatever it holds reads as text, less its last byte (the NUL).
    return fromUtf8(buffer.data(), size - 1);
}

bool Settings::setText(const SettingsKeys::Key& key, const QString& value)
{
    RegistryKey handle(*m_api);
    if (m_api->createKey(keyPath(key.section), handle.out()) != RegistryApi::Success)
        return false;
    const QByteArray data = value.toUtf8();
    const std::string_view bytes = withNul(data);
    return m_api->setValue(handle.get(), key.key.toStdString(), RegistryApi::RegSz,
                           reinterpret_cast<const std::uint8_t*>(bytes.data()),
                           static_cast<std::uint32_t>(bytes.size())) == RegistryApi::Success;
}

QStringList Settings::names()
{
    return storedNamesInOrder(rows(SettingsKeys::NamesSection));
}

Settings::SaveResult Settings::saveNames(const QStringList& names)
{
    // The value names and texts in UTF-8, and the values pointing into them (the reserved
    // vectors never move their strings).
    const auto count = std::size_t(names.size());
    std::vector<std::string> keys;
    keys.reserve(count);
    std::vector<QByteArray> texts;
    texts.reserve(count);
    std::vector<RegistryApi::Value> values;
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& name = keys.emplace_back("Name" + std::to_string(i)); // as SettingsKeys::nameKey
        values.push_back({name, RegistryApi::RegSz, withNul(texts.emplace_back(names[qsizetype(i)].toUtf8()))});
    }
    RegistryApi::Result r = m_api->beginBatchWaiting(kSavePatienceMs);
    if (r != RegistryApi::Success)
        return saveResult(r);
    r = m_api->replaceValues(keyPath(SettingsKeys::NamesSection), values);
    if (r != RegistryApi::Success) {
        m_api->rollbackBatch();
        return saveResult(r);
    }
    return saveResult(m_api->commitBatch());
}

QList<Settings::Row> Settings::rows(const QString& section)
{
    QList<Row> rows;
    const RegistryReadSnapshot snapshot(*m_api); // another copy may be saving the section now
    RegistryKey key(*m_api);
    if (m_api->openKey(keyPath(section), RegistryApi::KeyRead, key.out()) != RegistryApi::Success)
        return rows;
    std::uint32_t longestName = 0;
    std::uint32_t longestData = 0;
    if (m_api->queryInfoKey(key.get(), &longestName, &longestData) != RegistryApi::Success)
        return rows;
    std::vector<char> name(std::size_t(longestName) + 1);
    std::vector<std::uint8_t> data(std::size_t(longestData) + 1);
    // Another program may save longer values between the size query and the walk: then
    // size the buffers again and start over, at most a few times.
    int restarts = 0;
    for (std::uint32_t index = 0;; ++index) {
        auto nameLength = static_cast<std::uint32_t>(name.size());
        auto dataLength = static_cast<std::uint32_t>(data.size());
        std::uint32_t type = 0;
        const RegistryApi::Result r =
            m_api->enumValue(key.get(), index, name.data(), &nameLength, &type, data.data(), &dataLength);
        if (r == RegistryApi::MoreData && ++restarts <= 8 &&
            m_api->queryInfoKey(key.get(), &longestName, &longestData) == RegistryApi::Success) {
            name.resize(std::max<std::size_t>(name.size(), std::size_t(longestName) + 1));
            data.resize(std::max<std::size_t>({data.size(), std::size_t(longestData) + 1, dataLength}));
            rows.clear();
            index = std::uint32_t(-1); // the next pass starts at 0
            continue;
        }
        if (r != RegistryApi::Success)
            break;
        if (type != RegistryApi::RegSz)
            continue;
        // A text stored without even its NUL reads as an empty text.
        rows.append({fromUtf8(name.data(), nameLength), fromUtf8(data.data(), dataLength > 0 ? dataLength - 1 : 0)});
    }
    return rows;
}

QString Settings::location() const
{
    const std::string where = m_api->location();
    if (!where.empty())
        return QString::fromStdString(where);
    return QStringLiteral("HKEY_CURRENT_USER\\") + QString::fromStdString(keyPath(QString()));
}

QString Settings::takeDamagedCopy()
{
    return QString::fromStdString(m_api->takeDamagedCopy());
}

bool Settings::newerVersion()
{
    return m_api->newerVersion();
}
