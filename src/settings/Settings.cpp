#include "Settings.h"

#include "RegistryApi.h"
#include "SqliteHive.h"
#ifdef _WIN32
#include "Win32Hive.h"
#endif

#include <algorithm>
#include <string>
#include <vector>

namespace {

const QString kInitialCompany = QStringLiteral("VB and VBA Program Settings");
const QString kInitialAppName = QStringLiteral("Nimbrel");

std::string utf8(const QString& text)
{
    return text.toStdString();
}

QString fromUtf8(const void* data, std::uint32_t length)
{
    return QString::fromUtf8(static_cast<const char*>(data), static_cast<qsizetype>(length));
}

// "*" names the key's unnamed default value.
RegistryApi::ValueName valueName(const std::string& key)
{
    if (key == "*")
        return std::nullopt;
    return key;
}

// Stores text as a text value, with its NUL (constData() is NUL-terminated).
RegistryApi::Result setText(RegistryApi& api, RegistryApi::Handle key, const QString& name, const QString& text)
{
    const std::string nameText = utf8(name);
    const QByteArray data = text.toUtf8();
    return api.setValue(key, valueName(nameText), RegistryApi::RegSz,
                        reinterpret_cast<const std::uint8_t*>(data.constData()),
                        static_cast<std::uint32_t>(data.size() + 1));
}

// Leading and trailing spaces only; an empty text restores the initial name.
QString propertyValue(const QString& newVal, const QString& initial)
{
    if (newVal.isEmpty())
        return initial;
    qsizetype begin = 0;
    qsizetype end = newVal.size();
    while (begin < end && newVal.at(begin) == u' ')
        ++begin;
    while (end > begin && newVal.at(end - 1) == u' ')
        --end;
    return newVal.mid(begin, end - begin);
}

} // namespace

std::shared_ptr<RegistryApi> Settings::userStore()
{
#ifdef _WIN32
    return std::make_shared<Win32Hive>();
#else
    return std::make_shared<SqliteHive>(SqliteHive::userHivePath());
#endif
}

Settings::Settings() : Settings(userStore()) {}

Settings::Settings(std::shared_ptr<RegistryApi> api)
    : m_api(std::move(api)), m_company(kInitialCompany), m_appName(kInitialAppName)
{
}

Settings::~Settings() = default;

QString Settings::Company() const
{
    return m_company;
}

void Settings::setCompany(const QString& NewVal)
{
    m_company = propertyValue(NewVal, kInitialCompany);
}

QString Settings::AppName() const
{
    return m_appName;
}

void Settings::setAppName(const QString& NewVal)
{
    m_appName = propertyValue(NewVal, kInitialAppName);
}

std::string Settings::BuildKeyPath(const QString& Section) const
{
    QString path = QStringLiteral("Software\\") + m_company + QStringLiteral("\\") + m_appName;
    if (!Section.isEmpty())
        path += QStringLiteral("\\") + Section;
    return utf8(path);
}

bool Settings::DeleteSetting(const QString& Section, const QString& Key)
{
    RegistryKey key(*m_api);
    RegistryApi::Result r;
    if (Key.isEmpty()) {
        r = m_api->openKey(BuildKeyPath(QString()), RegistryApi::KeyAllAccess, key.out());
        if (r == RegistryApi::Success)
            r = m_api->deleteKey(key.get(), utf8(Section));
    } else {
        r = m_api->openKey(BuildKeyPath(Section), RegistryApi::KeyAllAccess, key.out());
        const std::string name = utf8(Key);
        if (r == RegistryApi::Success)
            r = m_api->deleteValue(key.get(), valueName(name));
    }
    if (r != RegistryApi::Success)
        m_lastError = r;
    return r == RegistryApi::Success;
}

QList<Settings::Row> Settings::GetAllSettings(const QString& Section)
{
    QList<Row> rows;
    const RegistryReadSnapshot snapshot(*m_api); // another copy may be saving the section now
    RegistryKey key(*m_api);
    if (m_api->openKey(BuildKeyPath(Section), RegistryApi::KeyRead, key.out()) != RegistryApi::Success)
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

QString Settings::GetSetting(const QString& Section, const QString& Key, const QString& Default)
{
    RegistryKey key(*m_api);
    if (m_api->openKey(BuildKeyPath(Section), RegistryApi::KeyAllAccess, key.out()) != RegistryApi::Success)
        return Default;
    const std::string nameText = utf8(Key);
    const RegistryApi::ValueName name = valueName(nameText);
    std::uint32_t size = 0;
    if (m_api->queryValue(key.get(), name, nullptr, nullptr, &size) != RegistryApi::Success || size == 0)
        return Default;
    std::vector<std::uint8_t> buffer(size);
    std::uint32_t length = size;
    if (m_api->queryValue(key.get(), name, nullptr, buffer.data(), &length) != RegistryApi::Success)
        return Default;
    // The value's type is not examined: whatever it holds reads as text, less its last byte (the NUL).
    return fromUtf8(buffer.data(), size - 1);
}

bool Settings::SaveSetting(const QString& Section, const QString& Key, const QString& Setting)
{
    RegistryKey key(*m_api);
    RegistryApi::Result r = m_api->createKey(BuildKeyPath(Section), key.out());
    if (r == RegistryApi::Success)
        r = setText(*m_api, key.get(), Key, Setting);
    if (r != RegistryApi::Success)
        m_lastError = r;
    return r == RegistryApi::Success;
}

bool Settings::ReplaceSettings(const QString& Section, const QList<Row>& rows)
{
    // The texts in UTF-8, each with its NUL, and the values pointing into them.
    std::vector<QByteArray> texts;
    texts.reserve(std::size_t(rows.size()) * 2);
    std::vector<RegistryApi::Value> values;
    values.reserve(std::size_t(rows.size()));
    for (const Row& row : rows) {
        const QByteArray& name = texts.emplace_back(row.first.toUtf8());
        const QByteArray& data = texts.emplace_back(row.second.toUtf8());
        const std::string_view nameText(name.constData(), std::size_t(name.size()));
        values.push_back({nameText == "*" ? RegistryApi::ValueName() : RegistryApi::ValueName(nameText),
                          RegistryApi::RegSz, std::string_view(data.constData(), std::size_t(data.size()) + 1)});
    }
    const RegistryApi::Result r = m_api->replaceValues(BuildKeyPath(Section), values);
    if (r != RegistryApi::Success)
        m_lastError = r;
    return r == RegistryApi::Success;
}

QString Settings::location() const
{
    const std::string where = m_api->location();
    if (!where.empty())
        return QString::fromStdString(where);
    return QStringLiteral("HKEY_CURRENT_USER\\") + QString::fromStdString(BuildKeyPath(QString()));
}

QString Settings::takeDamagedCopy()
{
    return QString::fromStdString(m_api->takeDamagedCopy());
}

Settings::Batch Settings::beginBatch(std::chrono::milliseconds patience)
{
    return Batch(m_api, patience);
}

Settings::Batch::Batch(std::shared_ptr<RegistryApi> api, std::chrono::milliseconds patience) : m_api(std::move(api))
{
    m_result = patience.count() > 0 ? m_api->beginBatchWaiting(static_cast<std::uint32_t>(patience.count()))
                                    : m_api->beginBatch();
    m_open = m_result == RegistryApi::Success;
}

Settings::Batch::Batch(Batch&& other) noexcept
    : m_api(std::move(other.m_api)), m_open(other.m_open), m_result(other.m_result)
{
    other.m_open = false;
}

Settings::Batch::~Batch()
{
    if (m_open)
        m_api->rollbackBatch();
}

bool Settings::Batch::commit()
{
    if (!m_open)
        return false;
    m_open = false;
    m_result = m_api->commitBatch();
    return m_result == RegistryApi::Success;
}
