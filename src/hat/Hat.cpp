#include "Hat.h"

#include "NameListModel.h"
#include "draw/FreshSeed.h"
#include "draw/PublicDraw.h"
#include "draw/RandomSource.h"
#include "history/DrawHistory.h"
#include "settings/Settings.h"
#include "settings/StoreTexts.h"
#include "ui/TextLocale.h"

#include <QDateTime>

#include <utility>

namespace {

// A draw's record is stored once the window shows the draw: the file of a long list takes
// longer to write than Stop may (about 20 ms for 32,767 names).
constexpr int kStoreDrawDelayMs = 100;

} // namespace

Hat::Hat(Settings& settings, RandomSource& random, const QFont& font, QObject* parent,
         std::shared_ptr<DrawHistory> draws)
    : QObject(parent), m_settings(settings), m_random(random), m_model(new NameListModel(font, this)), m_history(*this),
      m_draws(draws ? std::move(draws) : std::make_shared<DrawHistory>(settings))
{
    m_timer.setInterval(10);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Hat::reorder);
    connect(&m_history, &ListHistory::changed, this, &Hat::changed);
    connect(&m_history, &ListHistory::roundChanged, this, &Hat::roundChanged);
    // The round's moves are lines of the draws' record, between the draws.
    connect(&m_history, &ListHistory::roundChanged, this, &Hat::recordRoundEvent);
    m_permute = [this](const std::vector<int>& order) { m_model->permute(order); };
}

Hat::~Hat() = default;

int Hat::count() const
{
    return m_model->count();
}

QString Hat::nameAt(int row) const
{
    return row >= 0 && row < m_model->count() ? m_model->text(row) : QString();
}

QStringList Hat::names() const
{
    return m_model->texts();
}

QStringList Hat::names(int row, int count) const
{
    QStringList out;
    out.reserve(count);
    for (int r = row; r < row + count && r < m_model->count(); ++r)
        out.append(m_model->text(r));
    return out;
}

void Hat::insert(int row, const QStringList& names)
{
    ++m_revision;
    if (row >= count()) {
        m_model->append(names);
        return;
    }
    for (qsizetype i = 0; i < names.size(); ++i)
        m_model->insert(row + int(i), names[i]);
}

void Hat::remove(int row, int count)
{
    ++m_revision;
    m_model->remove(row, count);
}

void Hat::replace(const QStringList& names, const std::vector<int>& widths)
{
    ++m_revision;
    m_model->clear();
    m_model->append(names, widths);
}

std::vector<int> Hat::widths(int row, int count) const
{
    return m_model->widths(row, count);
}

// Start-up and the end of the run.

QStringList Hat::load()
{
    using namespace SettingsKeys;
    // One seed for the run, from the system's entropy; the clock only where the system gives
    // none, as the program did before. (A draw with a record takes a fresh seed at Shuffle.)
    m_random.seed(freshSeed().value_or(std::uint64_t(QDateTime::currentMSecsSinceEpoch())));

    QStringList notices;
    // Opening the store moves a damaged one aside; the user hears of it once the window is up.
    const QString damagedCopy = m_settings.takeDamagedCopy();
    if (!damagedCopy.isEmpty())
        notices.append(StoreTexts::storeDamaged().arg(damagedCopy));
    m_storeIsNewer = m_settings.newerVersion();
    if (m_storeIsNewer) {
        notices.append(StoreTexts::storeNewer().arg(m_settings.location()));
    } else if (const StoreStatus status = m_settings.writability(); status == StoreStatus::ReadOnly) {
        // Said now, while the user can still choose to keep the names some other way.
        m_storeIsReadOnly = true;
        notices.append(StoreTexts::storeNotKept().arg(failureReason(status), m_settings.location()));
    }

    m_keepDraws = m_settings.flag(KeepDraws);
    if (m_settings.flag(SaveNames)) {
        const QStringList remembered = m_settings.names();
        const qsizetype fitting = std::min<qsizetype>(remembered.size(), kMaxNames);
        m_model->append(fitting < remembered.size() ? remembered.first(fitting) : remembered);
        if (const qsizetype leftOut = remembered.size() - fitting; leftOut > 0) {
            const QLocale numbers = textLocale();
            notices.append(
                StoreTexts::namesLeftOut(leftOut).arg(numbers.toString(kMaxNames), numbers.toString(leftOut)));
        }
        // A round drawn over several runs goes on with the names set aside before.
        m_history.restoreSetAside(m_settings.setAsideNames());
    }
    emit changed();
    return notices;
}

void Hat::restore(const QStringList& names, const QStringList& setAside)
{
    m_keepDraws = m_settings.flag(SettingsKeys::KeepDraws);
    m_model->append(names.size() > kMaxNames ? names.first(kMaxNames) : names);
    m_history.restoreSetAside(setAside);
    emit changed();
}

StoreStatus Hat::save()
{
    return m_saver ? m_saver() : m_settings.saveNames(names(), setAside());
}

QString Hat::failureReason(StoreStatus status) const
{
    return StoreTexts::failureReason(status, m_settings.fileInTheWay());
}

Hat::Finished Hat::finish()
{
    // No re-order after the one shown; the shuffle is not stopped as Stop stops it (the
    // window keeps its look while the save and its message go on).
    m_timer.stop();
    m_finished = true;
    storeDraw();
    const StoreStatus status = save();
    if (status == StoreStatus::Ok)
        return {m_settings.takeRecreated() ? Finished::Outcome::Recreated : Finished::Outcome::Saved, {}};
    // A newer version's store is never written, as the user was told at start-up.
    if (m_storeIsNewer)
        return {Finished::Outcome::Quiet, {}};
    const QString reason = failureReason(status);
    // Names the store does not hold would be lost with the window: they can go to a file.
    if (names() != m_settings.names() || setAside() != m_settings.setAsideNames())
        return {Finished::Outcome::NamesAtRisk, reason};
    // The store holds this list: only a failure the user has not heard of is worth a word.
    return {m_storeIsReadOnly ? Finished::Outcome::Quiet : Finished::Outcome::NotSaved, reason};
}

bool Hat::saveNow()
{
    storeDraw();
    return m_finished || save() == StoreStatus::Ok;
}

// Changes to the list.

int Hat::append(const QStringList& names)
{
    return mayChange() ? m_history.append(names) : 0;
}

void Hat::removeAt(int row)
{
    if (mayChange())
        m_history.removeAt(row);
}

void Hat::replaceWith(const QStringList& names)
{
    // Another list ends the round: its set-aside names were not drawn from this one.
    if (mayChange())
        m_history.replace(names, true);
}

void Hat::clear()
{
    if (mayChange())
        m_history.replace({}, true);
}

void Hat::setAsideFirst(int count)
{
    if (mayChange())
        m_history.setAsideFirst(count);
}

int Hat::bringBack()
{
    return mayChange() ? m_history.bringBack() : 0;
}

void Hat::undo()
{
    if (mayChange())
        m_history.undo();
}

void Hat::redo()
{
    if (mayChange())
        m_history.redo();
}

// The shuffle.

Hat::Start Hat::shuffle()
{
    if (count() < 2)
        return Start::TooFewNames;
    if (isShuffling())
        return Start::Started;
    // Each draw runs from a seed of its own, which its record keeps so anyone can do it
    // again; a seed that could be guessed would make neither a fair draw nor a proof.
    const std::optional<std::uint64_t> seed = freshSeed();
    if (!seed)
        return Start::NoRandomness;
    // The order before the shuffle is what Undo brings back; fingerprinted now, while the
    // shuffle starts, so that Stop does no work a name.
    QStringList before = names();
    QByteArray fingerprint = m_keepDraws ? listFingerprint(before) : QByteArray();
    startShuffle(*seed, std::move(before), std::move(fingerprint), QString());
    return Start::Started;
}

Hat::Start Hat::drawFromPublicText(const QString& text)
{
    if (!PublicDraw::isValidText(text))
        return Start::InvalidText;
    if (count() < 2)
        return Start::TooFewNames;
    if (isShuffling())
        return Start::Started;
    QStringList before = names();
    const QByteArray fingerprint = listFingerprint(before);
    startShuffle(PublicDraw::seed(fingerprint, text), std::move(before), m_keepDraws ? fingerprint : QByteArray(),
                 text);
    return Start::Started;
}

void Hat::startShuffle(std::uint64_t seed, QStringList before, QByteArray fingerprint, QString seedFrom)
{
    m_random.seed(seed);
    storeDraw();
    m_reorders = 0;
    m_shuffle = {std::move(before), m_model->widths(0, count()), std::move(fingerprint), seed, std::move(seedFrom)};
    m_timer.start();
    emit shufflingChanged(true);
    emit changed();
}

void Hat::reorder()
{
    ++m_revision;
    m_permute(m_draw.draw(count(), m_random));
    ++m_reorders;
    emit reordered();
    if (stopsByItself() && m_reorders >= PublicDraw::kReorders)
        endShuffle();
}

void Hat::stop()
{
    if (isShuffling() && !stopsByItself())
        endShuffle();
}

void Hat::endShuffle()
{
    m_timer.stop();
    const QStringList before = std::exchange(m_shuffle.before, {});
    std::vector<int> beforeWidths = std::exchange(m_shuffle.beforeWidths, {});
    if (names() != before)
        m_history.reordered(before, std::move(beforeWidths));
    m_drawnRevision = m_revision;
    recordDraw(before);
    emit shufflingChanged(false);
    emit changed();
}

// The record of draws.

void Hat::setKeepDraws(bool on)
{
    m_keepDraws = on;
    m_settings.setFlag(SettingsKeys::KeepDraws, on);
}

void Hat::recordDraw(const QStringList& before)
{
    // Not when recording was switched off (or on) while the shuffle ran.
    const QByteArray fingerprint = std::exchange(m_shuffle.fingerprint, {});
    if (fingerprint.isEmpty() || !m_keepDraws)
        return;
    DrawRecord record = DrawRecord::ofDraw(count(), fingerprint, names(0, DrawRecord::kShownNames), m_reorders,
                                           m_shuffle.seed, QDateTime::currentDateTime());
    record.seedFrom = std::exchange(m_shuffle.seedFrom, {});
    record.listId = m_listId;
    record.listName = m_listName;
    m_lastDraw = LastDraw{std::move(record), before, m_revision};
    QTimer::singleShot(kStoreDrawDelayMs, this, &Hat::storeDraw);
}

void Hat::storeDraw()
{
    if (!m_lastDraw || m_lastDraw->stored)
        return;
    m_lastDraw->stored = true;
    // A record the store does not take is not kept; the draw itself stands.
    m_draws->add(m_lastDraw->record, m_lastDraw->before);
    emit drawsChanged();
}

bool Hat::noteTeams(int teams)
{
    if (!mayChange() || !m_lastDraw || m_lastDraw->revision != m_revision || !m_keepDraws)
        return false;
    m_lastDraw->record.teams = teams;
    if (!m_lastDraw->stored)
        return true;
    const bool noted = m_draws->amendLast(m_lastDraw->record, m_lastDraw->before) == StoreStatus::Ok;
    emit drawsChanged();
    return noted;
}

void Hat::recordRoundEvent(RoundChange change, const QStringList& names)
{
    if (change == RoundChange::Cleared || !m_keepDraws || names.isEmpty())
        return;
    storeDraw(); // the draw before it first
    const auto kind = change == RoundChange::SetAside ? DrawRecord::Kind::SetAside : DrawRecord::Kind::BroughtBack;
    DrawRecord record = DrawRecord::ofRoundEvent(kind, names, QDateTime::currentDateTime());
    record.listId = m_listId;
    record.listName = m_listName;
    m_draws->add(record);
    emit drawsChanged();
}
