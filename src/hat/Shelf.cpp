#include "Shelf.h"

#include "Hat.h"
#include "history/DrawHistory.h"

#include <algorithm>

namespace {

// A change is written once the window shows it, as a draw's record is.
constexpr int kWriteDelayMs = 100;

// The number of a value named List<n> of ListsSection, n from 1; 0 for any other name.
int idOf(const QString& key)
{
    const QString prefix = SettingsKeys::listKey(0).chopped(1);
    if (!key.startsWith(prefix, Qt::CaseInsensitive))
        return 0;
    bool ok = false;
    const int id = QStringView(key).sliced(prefix.size()).toInt(&ok);
    return ok && id > 0 && SettingsKeys::listKey(id).compare(key, Qt::CaseInsensitive) == 0 ? id : 0;
}

// A name that reads on one line: no control character, no line or paragraph separator.
bool isPlain(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category != QChar::Other_Control && category != QChar::Separator_Line &&
           category != QChar::Separator_Paragraph;
}

// text's first max characters (code points, so a pair of surrogates stays whole).
QString fitted(const QString& text, int max)
{
    const QList<uint> points = text.toUcs4();
    return points.size() <= max ? text : QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()), max);
}

} // namespace

Shelf::Shelf(Settings& settings, RandomSource& random, const QFont& font, QObject* parent)
    : QObject(parent), m_settings(settings), m_random(random), m_font(font),
      m_draws(std::make_shared<DrawHistory>(settings))
{
    m_lists.push_back({1, defaultName(), makeHat(), false});
    choose(0);
    m_writeTimer.setSingleShot(true);
    m_writeTimer.setInterval(kWriteDelayMs);
    connect(&m_writeTimer, &QTimer::timeout, this, [this] {
        const StoreStatus status = write();
        emit written(m_toldUnwritable ? StoreStatus::Ok : status);
    });
}

Shelf::~Shelf() = default;

QString Shelf::defaultName()
{
    //: The name of the one list the program keeps until the user makes another.
    return tr("Names");
}

QStringList Shelf::load()
{
    using namespace SettingsKeys;
    std::unique_ptr<Hat> hat = std::move(m_lists[std::size_t(m_current)].hat);
    const QList<Settings::Row> stored = m_settings.listIndex();
    int currentId = 0;
    int next = 0;
    m_lists.clear();
    for (const auto& [key, value] : stored) {
        if (key.compare(CurrentList, Qt::CaseInsensitive) == 0)
            currentId = value.toInt();
        else if (key.compare(NextList, Qt::CaseInsensitive) == 0)
            next = value.toInt();
        else if (const int id = idOf(key); id > 0 && !value.isEmpty())
            m_lists.push_back({id, value, nullptr, true});
    }
    std::sort(m_lists.begin(), m_lists.end(), [](const List& a, const List& b) { return a.id < b.id; });
    m_current = indexOf(currentId);
    if (m_current < 0) {
        // A store that names no lists, or not the one last used (which is a list all the same).
        const int id = m_lists.empty() ? 1 : std::max(next, m_lists.back().id + 1);
        m_lists.push_back({id, freeName(defaultName()), nullptr, true});
        m_current = count() - 1;
    }
    m_nextId = std::max(next, m_lists.back().id + 1);
    List& shown = m_lists[std::size_t(m_current)];
    shown.hat = std::move(hat);
    shown.stored = false; // its own section, if any, is written when it is left
    // A store without lists is left as it is until the user changes them.
    m_storedIndex = stored.isEmpty() ? indexRows() : stored;
    tagRecords();
    QStringList notices = shown.hat->load();
    m_toldUnwritable = shown.hat->storeToldUnwritable();
    emit listsChanged();
    return notices;
}

QList<int> Shelf::ids() const
{
    QList<int> ids;
    for (const List& list : m_lists)
        ids.append(list.id);
    return ids;
}

bool Shelf::mayChange() const
{
    return m_shown->mayChange();
}

Shelf::Refusal Shelf::checkName(const QString& name, int renaming) const
{
    const QList<uint> points = name.toUcs4();
    if (points.isEmpty() || points.size() > kMaxNameLength)
        return Refusal::NameLength;
    if (!std::all_of(points.begin(), points.end(), [](uint c) { return isPlain(char32_t(c)); }))
        return Refusal::NameNotPlain;
    for (int i = 0; i < count(); ++i) {
        if (i != renaming && nameAt(i).compare(name, Qt::CaseInsensitive) == 0)
            return Refusal::NameTaken;
    }
    return Refusal::None;
}

QString Shelf::freeName(const QString& base) const
{
    QString plain = base;
    for (QChar& c : plain) {
        if (!isPlain(c.unicode()))
            c = QLatin1Char(' ');
    }
    plain = plain.trimmed();
    if (plain.isEmpty())
        plain = defaultName();
    // At most one more try than there are lists.
    for (int n = 1;; ++n) {
        const QString suffix = n == 1 ? QString() : QStringLiteral(" (%1)").arg(n);
        const QString name = fitted(plain, kMaxNameLength - int(suffix.size())) + suffix;
        if (checkName(name) != Refusal::NameTaken)
            return name;
    }
}

Shelf::Refusal Shelf::add(const QString& name, const QStringList& names)
{
    if (!mayChange())
        return Refusal::Shuffling;
    if (count() >= kMaxLists)
        return Refusal::TooManyLists;
    if (const Refusal refusal = checkName(name); refusal != Refusal::None)
        return refusal;
    List list{m_nextId++, name, makeHat(), false};
    list.hat->restore(names, {});
    return addAndChoose(std::move(list));
}

Shelf::Refusal Shelf::rename(int index, const QString& name)
{
    if (!mayChange())
        return Refusal::Shuffling;
    if (const Refusal refusal = checkName(name, index); refusal != Refusal::None)
        return refusal;
    m_lists[std::size_t(index)].name = name;
    return finishChange();
}

Shelf::Refusal Shelf::duplicate(int index)
{
    if (!mayChange())
        return Refusal::Shuffling;
    if (count() >= kMaxLists)
        return Refusal::TooManyLists;
    const Hat& source = loaded(m_lists[std::size_t(index)]);
    //: The name of a copy of a list; %1 is the list's name.
    List copy{m_nextId++, freeName(tr("%1 (copy)").arg(nameAt(index))), makeHat(), false};
    copy.hat->restore(source.names(), source.setAside());
    return addAndChoose(std::move(copy));
}

Shelf::Refusal Shelf::remove(int index)
{
    if (!mayChange())
        return Refusal::Shuffling;
    if (count() <= 1)
        return Refusal::LastList;
    // Kept whole for restore(), as its section goes now.
    loaded(m_lists[std::size_t(index)]);
    if (index == m_current)
        choose(index + 1 < count() ? index + 1 : index - 1);
    const int currentId = m_lists[std::size_t(m_current)].id;
    m_deleted.push_back(std::move(m_lists[std::size_t(index)]));
    m_deleted.back().stored = false;
    m_lists.erase(m_lists.begin() + index);
    m_current = indexOf(currentId);
    return finishChange();
}

QString Shelf::restorable() const
{
    return m_deleted.empty() ? QString() : m_deleted.back().name;
}

Shelf::Refusal Shelf::restore()
{
    if (!mayChange())
        return Refusal::Shuffling;
    if (m_deleted.empty())
        return Refusal::NoneDeleted;
    if (count() >= kMaxLists)
        return Refusal::TooManyLists;
    List list = std::move(m_deleted.back());
    m_deleted.pop_back();
    // Its name may have been given to another list meanwhile.
    list.name = freeName(list.name);
    list.stored = false;
    return addAndChoose(std::move(list));
}

Shelf::Refusal Shelf::switchTo(int index)
{
    if (!mayChange())
        return Refusal::Shuffling;
    if (index == m_current || index < 0 || index >= count())
        return Refusal::None;
    choose(index);
    return finishChange();
}

void Shelf::setKeepDraws(bool on)
{
    m_shown->setKeepDraws(on);
    for (std::vector<List>* lists : {&m_lists, &m_deleted}) {
        for (List& list : *lists) {
            if (list.hat && list.hat.get() != m_shown)
                list.hat->setKeepDraws(on);
        }
    }
}

void Shelf::setPermute(std::function<void(const std::vector<int>&)> permute)
{
    m_permute = std::move(permute);
    for (std::vector<List>* lists : {&m_lists, &m_deleted}) {
        for (List& list : *lists) {
            if (list.hat)
                list.hat->setPermute(m_permute);
        }
    }
}

std::unique_ptr<Hat> Shelf::makeHat()
{
    auto hat = std::make_unique<Hat>(m_settings, m_random, m_font, nullptr, m_draws);
    if (m_permute)
        hat->setPermute(m_permute);
    return hat;
}

Hat& Shelf::loaded(List& list)
{
    if (!list.hat) {
        list.hat = makeHat();
        const auto [names, setAside] = m_settings.otherList(list.id);
        list.hat->restore(names, setAside);
        list.stored = true;
        tagRecords();
    }
    return *list.hat;
}

int Shelf::indexOf(int id) const
{
    const auto at = std::find_if(m_lists.begin(), m_lists.end(), [id](const List& list) { return list.id == id; });
    return at == m_lists.end() ? -1 : int(at - m_lists.begin());
}

void Shelf::choose(int index)
{
    m_current = index;
    Hat& hat = loaded(m_lists[std::size_t(index)]);
    if (&hat == m_shown)
        return;
    if (m_shown) {
        // The draw stopped last is recorded under the list it was drawn from.
        m_shown->storeDraw();
        m_shown->setSaver({});
        for (const QMetaObject::Connection& forward : std::as_const(m_forwards))
            disconnect(forward);
    }
    // Its own section keeps what it held when it was chosen, until it is left again.
    m_lists[std::size_t(index)].stored = false;
    m_shown = &hat;
    hat.setSaver([this] { return write(); });
    m_forwards = {
        connect(&hat, &Hat::changed, this, &Shelf::changed),
        connect(&hat, &Hat::shufflingChanged, this, &Shelf::shufflingChanged),
        connect(&hat, &Hat::reordered, this, &Shelf::reordered),
        connect(&hat, &Hat::drawsChanged, this, &Shelf::drawsChanged),
    };
    emit currentChanged(&hat);
    emit changed();
}

Shelf::Refusal Shelf::addAndChoose(List list)
{
    const auto at = std::upper_bound(m_lists.begin(), m_lists.end(), list.id,
                                     [](int id, const List& other) { return id < other.id; });
    const int index = int(at - m_lists.begin());
    m_lists.insert(at, std::move(list));
    choose(index);
    return finishChange();
}

void Shelf::tagRecords()
{
    for (const List& list : m_lists) {
        const bool named = count() > 1 || list.id != 1;
        if (list.hat)
            list.hat->setRecordedList(named ? list.id : 0, named ? list.name : QString());
    }
}

QList<Settings::Row> Shelf::indexRows() const
{
    using namespace SettingsKeys;
    QList<Settings::Row> rows{{CurrentList, QString::number(m_lists[std::size_t(m_current)].id)},
                              {NextList, QString::number(m_nextId)}};
    for (const List& list : m_lists)
        rows.append({listKey(list.id), list.name});
    return rows;
}

StoreStatus Shelf::write()
{
    using namespace SettingsKeys;
    m_writeTimer.stop();
    QList<Settings::SectionWrite> writes{{NamesSection, m_shown->names()}, {SetAsideSection, m_shown->setAside()}};
    std::vector<List*> written;
    const auto own = [&writes, &written](List& list, bool kept) {
        if (list.stored)
            return;
        writes.append({listSection(list.id),
                       {},
                       kept ? Settings::otherListRows(list.hat->names(), list.hat->setAside()) : QList<Settings::Row>(),
                       false});
        written.push_back(&list);
    };
    for (List& list : m_lists) {
        if (list.hat.get() != m_shown)
            own(list, true);
    }
    for (List& gone : m_deleted)
        own(gone, false);
    const QList<Settings::Row> index = indexRows();
    if (index != m_storedIndex)
        writes.append({ListsSection, {}, index, false});
    const StoreStatus status = m_settings.saveSections(writes);
    if (status == StoreStatus::Ok) {
        for (List* list : written)
            list->stored = true;
        m_storedIndex = index;
    }
    return status;
}

Shelf::Refusal Shelf::finishChange()
{
    tagRecords();
    m_writeTimer.start();
    emit listsChanged();
    return Refusal::None;
}
