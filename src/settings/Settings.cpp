#include "Settings.h"

#include "StoredNames.h"

#include <cmath>
#include <utility>
#include <vector>

namespace {

// Another copy of the program may hold the store for a moment when the names are saved;
// wait for it rather than lose the list.
constexpr std::uint32_t kSavePatienceMs = 30000;

// A flag's text as a whole number, on exactly when it is 1.
bool flagIsOn(const QString& stored, const QString& defaultValue)
{
    bool ok = false;
    const double n = stored.trimmed().toDouble(&ok);
    // A fraction is rounded half to even before the comparison, so "1.5" is 2 (off) and
    // "0.5" is 0 (off); only values that round to 1 are on.
    return std::nearbyint(ok ? n : defaultValue.trimmed().toDouble()) == 1.0;
}

// A text in UTF-8, as toStdString() gives it; a name of ASCII letters (most are) is copied
// across in one allocation, without the byte array in between.
std::string utf8(const QString& text)
{
    std::string out(std::size_t(text.size()), '\0');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x80)
            return text.toStdString();
        out[std::size_t(i)] = char(c);
    }
    return out;
}

std::vector<SettingsStore::Row> numbered(const QStringList& texts)
{
    std::vector<SettingsStore::Row> rows;
    rows.reserve(std::size_t(texts.size()));
    for (qsizetype i = 0; i < texts.size(); ++i)
        rows.emplace_back("Name" + std::to_string(i), utf8(texts[i])); // as SettingsKeys::nameKey
    return rows;
}

// Names one a line, each followed by a line break; a line break or a backslash in a name
// as \n or \\.
QString asLines(const QStringList& names)
{
    qsizetype size = 0;
    for (const QString& name : names)
        size += name.size() + 1;
    QString text;
    text.reserve(size);
    for (const QString& name : names) {
        if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\\')))
            text += QString(name)
                        .replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
                        .replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        else
            text += name;
        text += QLatin1Char('\n');
    }
    return text;
}

QStringList fromLines(const QString& text)
{
    QStringList names;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size(); // a last line without its line break
        QString name = text.sliced(start, end - start);
        if (name.contains(QLatin1Char('\\'))) {
            QString plain;
            for (qsizetype i = 0; i < name.size(); ++i) {
                QChar c = name[i];
                if (c == QLatin1Char('\\') && i + 1 < name.size()) {
                    c = name[++i];
                    if (c == QLatin1Char('n'))
                        c = QLatin1Char('\n');
                }
                plain += c;
            }
            name = plain;
        }
        names.append(name);
        start = end + 1;
    }
    return names;
}

} // namespace

Settings::Settings(std::shared_ptr<SettingsStore> store, QString programFolder)
    : m_store(std::move(store)), m_programFolder(std::move(programFolder))
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

QString Settings::defaultOf(const SettingsKeys::Key& key) const
{
    if (key.form == SettingsKeys::Form::Folder)
        return m_programFolder;
    return key.motion && m_reducedMotion ? QStringLiteral("0") : key.defaultValue;
}

bool Settings::flag(const SettingsKeys::Key& key)
{
    return flagIsOn(text(key), defaultOf(key));
}

bool Settings::setFlag(const SettingsKeys::Key& key, bool on, StoreStatus* status)
{
    return setText(key, on ? QStringLiteral("1") : QStringLiteral("0"), status);
}

QString Settings::text(const SettingsKeys::Key& key)
{
    if (const auto chosen = m_unstored.constFind(key.section + u'\\' + key.key); chosen != m_unstored.cend())
        return *chosen;
    const QString fallback = defaultOf(key);
    if (m_store->readOnly())
        return fallback;
    const std::optional<std::string> stored = m_store->value(keyPath(key.section), key.key.toStdString());
    return stored ? QString::fromStdString(*stored) : fallback;
}

bool Settings::setText(const SettingsKeys::Key& key, const QString& value, StoreStatus* status)
{
    const StoreStatus written = m_store->setValue(keyPath(key.section), key.key.toStdString(), value.toStdString());
    if (status)
        *status = written;
    // A choice the store refuses still holds for this run.
    if (written == StoreStatus::Ok)
        m_unstored.remove(key.section + u'\\' + key.key);
    else
        m_unstored.insert(key.section + u'\\' + key.key, value);
    emit changed(key.key);
    return written == StoreStatus::Ok;
}

QStringList Settings::names()
{
    return storedNamesInOrder(m_store->rows(keyPath(SettingsKeys::NamesSection)));
}

QStringList Settings::setAsideNames()
{
    return storedNamesInOrder(m_store->rows(keyPath(SettingsKeys::SetAsideSection)));
}

StoreStatus Settings::saveNames(const QStringList& names, const QStringList& setAside)
{
    const std::vector<SettingsStore::Row> listRows = numbered(names);
    const std::vector<SettingsStore::Row> setAsideRows = numbered(setAside);
    const std::string listPath = keyPath(SettingsKeys::NamesSection);
    const std::string setAsidePath = keyPath(SettingsKeys::SetAsideSection);
    const SettingsStore::SectionRows sections[] = {{listPath, listRows}, {setAsidePath, setAsideRows}};
    return m_store->replaceSections(sections, kSavePatienceMs);
}

QList<Settings::Row> Settings::listIndex()
{
    return rows(SettingsKeys::ListsSection);
}

std::pair<QStringList, QStringList> Settings::otherList(int id)
{
    const std::string section = keyPath(SettingsKeys::listSection(id));
    const auto lines = [this, &section](const QString& name) {
        const std::optional<std::string> text = m_store->value(section, name.toStdString());
        return text ? fromLines(QString::fromStdString(*text)) : QStringList();
    };
    return {lines(SettingsKeys::ListNames), lines(SettingsKeys::ListSetAside)};
}

QList<Settings::Row> Settings::otherListRows(const QStringList& names, const QStringList& setAside)
{
    QList<Row> rows;
    if (!names.isEmpty())
        rows.append({SettingsKeys::ListNames, asLines(names)});
    if (!setAside.isEmpty())
        rows.append({SettingsKeys::ListSetAside, asLines(setAside)});
    return rows;
}

StoreStatus Settings::saveSections(const QList<SectionWrite>& sections)
{
    std::vector<std::string> paths;
    std::vector<std::vector<SettingsStore::Row>> rows;
    paths.reserve(std::size_t(sections.size()));
    rows.reserve(std::size_t(sections.size()));
    for (const SectionWrite& s : sections) {
        paths.push_back(keyPath(s.section));
        if (s.numbered) {
            rows.push_back(numbered(s.names));
            continue;
        }
        auto& plain = rows.emplace_back();
        for (const Row& row : s.rows)
            plain.emplace_back(row.first.toStdString(), row.second.toStdString());
    }
    std::vector<SettingsStore::SectionRows> writes;
    for (std::size_t i = 0; i < paths.size(); ++i)
        writes.push_back({paths[i], rows[i]});
    return m_store->replaceSections(writes, kSavePatienceMs);
}

QStringList Settings::valueNames(const QString& section)
{
    QStringList names;
    for (const std::string& name : m_store->valueNames(keyPath(section)))
        names.append(QString::fromStdString(name));
    return names;
}

std::optional<QByteArray> Settings::value(const QString& section, const QString& name)
{
    const std::optional<std::string> text = m_store->value(keyPath(section), name.toStdString());
    return text ? std::optional(QByteArray::fromStdString(*text)) : std::nullopt;
}

QList<std::pair<QString, QByteArray>> Settings::values(const QString& section)
{
    QList<std::pair<QString, QByteArray>> values;
    for (const SettingsStore::Row& row : m_store->rows(keyPath(section)))
        values.append({QString::fromStdString(row.first), QByteArray::fromStdString(row.second)});
    return values;
}

StoreStatus Settings::apply(const QList<Change>& changes)
{
    std::vector<SettingsStore::Change> storeChanges;
    storeChanges.reserve(std::size_t(changes.size()));
    for (const Change& c : changes) {
        storeChanges.push_back({keyPath(c.section), c.name.toStdString(), std::nullopt});
        if (c.bytes)
            storeChanges.back().text.emplace(c.bytes->constData(), std::size_t(c.bytes->size()));
    }
    return m_store->apply(storeChanges, kSavePatienceMs);
}

StoreStatus Settings::forgetSections(const QStringList& sections)
{
    std::vector<std::string> paths;
    for (const QString& section : sections)
        paths.push_back(keyPath(section));
    std::vector<SettingsStore::SectionRows> empty;
    for (const std::string& path : paths)
        empty.push_back({path, {}});
    if (m_store->replaceSections(empty, kSavePatienceMs) == StoreStatus::Ok)
        return StoreStatus::Ok;
    // Values one by one where a section cannot go as a whole (a section below it).
    std::vector<SettingsStore::Change> deletions;
    for (const std::string& path : paths) {
        for (std::string& name : m_store->valueNames(path))
            deletions.push_back({path, std::move(name), std::nullopt});
    }
    return m_store->apply(deletions, kSavePatienceMs);
}

StoreStatus Settings::compact()
{
    return m_store->compact();
}

QList<Settings::Row> Settings::rows(const QString& section)
{
    QList<Row> rows;
    for (const SettingsStore::Row& row : m_store->rows(keyPath(section)))
        rows.append({QString::fromStdString(row.first), QString::fromStdString(row.second)});
    return rows;
}

QString Settings::location() const
{
    const std::string where = m_store->location();
    if (!where.empty())
        return QString::fromStdString(where);
    return QStringLiteral("HKEY_CURRENT_USER\\") + QString::fromStdString(keyPath(QString()));
}

QString Settings::storeFile() const
{
    return QString::fromStdString(m_store->location());
}

QString Settings::takeDamagedCopy()
{
    return QString::fromStdString(m_store->takeDamagedCopy());
}

bool Settings::newerVersion()
{
    return m_store->newerVersion();
}

StoreStatus Settings::writability()
{
    return m_store->writability();
}

QString Settings::fileInTheWay()
{
    return QString::fromStdString(m_store->fileInTheWay());
}

bool Settings::takeRecreated()
{
    return m_store->takeRecreated();
}
