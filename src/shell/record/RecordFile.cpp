#include "shell/record/RecordFile.h"

#include <QAtomicInteger>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <limits>
#include <map>
#include <tuple>

namespace {

constexpr int SchemaVersion = 1;

// A visit lasts from its opening to its closing; a visit that never closed (the program
// was killed) to its last answer.
const char* const Schema[] = {
    "CREATE TABLE IF NOT EXISTS visits ("
    " id INTEGER PRIMARY KEY, opened INTEGER NOT NULL, last INTEGER NOT NULL,"
    " closed INTEGER NOT NULL DEFAULT 0, area TEXT NOT NULL, lesson TEXT NOT NULL,"
    " window TEXT NOT NULL, title TEXT NOT NULL)",
    // Rows of a few bytes each: a year of daily play stays a few megabytes.
    "CREATE TABLE IF NOT EXISTS answers ("
    " visit INTEGER NOT NULL, at INTEGER NOT NULL, right INTEGER NOT NULL)",
};

QString newConnectionName()
{
    static QAtomicInteger<int> counter;
    return QStringLiteral("mindlark-record-%1").arg(counter.fetchAndAddRelaxed(1));
}

qint64 startOfDay(const QDate& day)
{
    return day.isValid() ? QDateTime(day, QTime(0, 0)).toMSecsSinceEpoch() : 0;
}

struct Interval {
    qint64 from, to;
};

// Milliseconds covered by the intervals, overlaps counted once.
qint64 coveredLength(std::vector<Interval>& intervals)
{
    std::sort(intervals.begin(), intervals.end(),
              [](const Interval& a, const Interval& b) { return a.from < b.from; });
    qint64 total = 0, end = std::numeric_limits<qint64>::min();
    for (const Interval& i : intervals) {
        const qint64 from = std::max(i.from, end);
        if (i.to > from) total += i.to - from;
        end = std::max(end, i.to);
    }
    return total;
}

qint64 toSeconds(qint64 ms)
{
    return (ms + 500) / 1000;
}

} // namespace

RecordFile::RecordFile()
    : connection_(newConnectionName())
{
}

RecordFile::~RecordFile()
{
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (db.isValid()) db.close();
    }
    if (QSqlDatabase::contains(connection_)) QSqlDatabase::removeDatabase(connection_);
}

bool RecordFile::fail(const QString& what)
{
    error_ = what;
    return false;
}

bool RecordFile::exec(const QString& statement)
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (query.exec(statement)) return true;
    return fail(query.lastError().text());
}

bool RecordFile::open(const QString& path, Access access)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return fail(QStringLiteral("the SQLite driver of Qt SQL (libqt6sql6-sqlite) is missing"));
    const bool writes = access == Access::ReadWrite;
    if (writes && !QDir().mkpath(QFileInfo(path).absolutePath()))
        return fail(QStringLiteral("cannot make the folder of %1").arg(path));
    if (!writes && !QFileInfo(path).isFile())
        return fail(QStringLiteral("%1 does not exist").arg(path));

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path);
    db.setConnectOptions(writes
                             ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000")
                             : QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) return fail(db.lastError().text());

    QSqlQuery version(db);
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next())
        return fail(
            QStringLiteral("%1 is not a record of play: %2").arg(path, version.lastError().text()));
    const int found = version.value(0).toInt();
    version.finish(); // a statement left open would hold a transaction open
    if (found > SchemaVersion)
        return fail(QStringLiteral("%1 was written by a newer Mindlark").arg(path));
    if (!writes)
        return found == SchemaVersion || fail(QStringLiteral("%1 holds no record").arg(path));

    // WAL with a sync at every commit: a committed event survives a power cut, and a
    // reader (the page, mindlark-pack) never waits for the writer.
    QSqlQuery wal(db);
    const bool walSet = wal.exec(QStringLiteral("PRAGMA journal_mode=WAL")) && wal.next();
    const QString mode = walSet ? wal.value(0).toString() : wal.lastError().text();
    wal.finish();
    if (mode.compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        return fail(QStringLiteral("%1 cannot be written in WAL mode (%2)").arg(path, mode));
    if (!exec(QStringLiteral("PRAGMA synchronous=FULL"))) return false;
    for (const char* statement : Schema)
        if (!exec(QString::fromLatin1(statement))) return false;
    return exec(QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion));
}

qint64 RecordFile::openVisit(const PlayEvent& e)
{
    QSqlQuery insert(QSqlDatabase::database(connection_, false));
    insert.prepare(QStringLiteral("INSERT INTO visits (opened, last, area, lesson, window, title)"
                                  " VALUES (?, ?, ?, ?, ?, ?)"));
    insert.addBindValue(e.at);
    insert.addBindValue(e.at);
    for (const QString& text : {e.area, e.lesson, e.window, e.title.isEmpty() ? e.window : e.title})
        insert.addBindValue(text.isNull() ? QStringLiteral("") : text); // NULL is not ""
    if (!insert.exec()) {
        fail(insert.lastError().text());
        return -1;
    }
    const qint64 id = insert.lastInsertId().toLongLong();
    openVisits_.insert(e.window, id);
    return id;
}

bool RecordFile::append(std::span<const PlayEvent> events)
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.isOpen()) return fail(QStringLiteral("the record is not open"));
    const QHash<QString, qint64> visitsBefore = openVisits_;
    if (!db.transaction()) return fail(db.lastError().text());
    for (const PlayEvent& e : events)
        if (!write(e)) {
            db.rollback();
            openVisits_ = visitsBefore;
            return false;
        }
    return db.commit() || fail(db.lastError().text());
}

bool RecordFile::write(const PlayEvent& e)
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    bool ok = true;
    QSqlQuery q(db);
    switch (e.kind) {
    case PlayEvent::Kind::Opened:
        ok = openVisit(e) >= 0;
        break;
    case PlayEvent::Kind::Closed:
        if (const auto it = openVisits_.constFind(e.window); it != openVisits_.cend()) {
            q.prepare(QStringLiteral("UPDATE visits SET last = ?, closed = 1 WHERE id = ?"));
            q.addBindValue(e.at);
            q.addBindValue(*it);
            ok = q.exec() || fail(q.lastError().text());
            openVisits_.remove(e.window);
        }
        break;
    case PlayEvent::Kind::Right:
    case PlayEvent::Kind::Wrong: {
        qint64 visit = openVisits_.value(e.window, -1);
        if (visit < 0) visit = openVisit(e);
        ok = visit >= 0;
        if (ok) {
            q.prepare(QStringLiteral("INSERT INTO answers (visit, at, right) VALUES (?, ?, ?)"));
            q.addBindValue(visit);
            q.addBindValue(e.at);
            q.addBindValue(e.kind == PlayEvent::Kind::Right ? 1 : 0);
            ok = q.exec() || fail(q.lastError().text());
        }
        if (ok) {
            QSqlQuery last(db);
            last.prepare(QStringLiteral("UPDATE visits SET last = max(last, ?) WHERE id = ?"));
            last.addBindValue(e.at);
            last.addBindValue(visit);
            ok = last.exec() || fail(last.lastError().text());
        }
        break;
    }
    }
    return ok;
}

bool RecordFile::clear()
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.transaction()) return fail(db.lastError().text());
    if (!exec(QStringLiteral("DELETE FROM answers")) ||
        !exec(QStringLiteral("DELETE FROM visits"))) {
        db.rollback();
        return false;
    }
    openVisits_.clear();
    if (!db.commit()) return fail(db.lastError().text());
    // Give the pages back to the file system: a cleared record is small again.
    return exec(QStringLiteral("VACUUM"));
}

bool RecordFile::intact() const
{
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    return q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next() &&
           q.value(0).toString() == QLatin1String("ok");
}

PlayFigures RecordFile::figures(const QDate& since) const
{
    const QSqlDatabase db = QSqlDatabase::database(connection_, false);
    const qint64 from = startOfDay(since);

    struct Visit {
        qint64 opened, last;
        QString area, window, title;
    };
    std::map<qint64, Visit> visits;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT id, opened, last, area, window, title FROM visits"
                             " WHERE last >= ? ORDER BY id"));
    q.addBindValue(from);
    q.exec();
    while (q.next())
        visits.emplace(q.value(0).toLongLong(),
                       Visit{q.value(1).toLongLong(), q.value(2).toLongLong(),
                             q.value(3).toString(), q.value(4).toString(), q.value(5).toString()});

    std::map<std::pair<QDate, QString>, AreaDay> days;
    std::map<std::pair<QDate, QString>, std::vector<Interval>> played;
    std::map<QString, WindowFigures> windows;
    for (const auto& [id, v] : visits) {
        WindowFigures& w = windows[v.window];
        w.window = v.window;
        w.title = v.title;
        ++w.visits;
        // A visit over midnight counts on both days.
        qint64 start = std::max(v.opened, from);
        QDate day = QDateTime::fromMSecsSinceEpoch(start).date();
        w.seconds += v.last - start;
        while (true) {
            const qint64 dayEnd = startOfDay(day.addDays(1));
            played[{day, v.area}].push_back({start, std::min(v.last, dayEnd)});
            if (v.last <= dayEnd) break;
            start = dayEnd;
            day = day.addDays(1);
        }
    }
    for (auto& [key, intervals] : played) {
        AreaDay& d = days[key];
        d.day = key.first;
        d.area = key.second;
        d.seconds = toSeconds(coveredLength(intervals));
    }
    for (auto& [window, w] : windows)
        w.seconds = toSeconds(w.seconds);

    QSqlQuery a(db);
    a.setForwardOnly(true);
    a.prepare(QStringLiteral("SELECT visit, date(at / 1000, 'unixepoch', 'localtime'), count(*),"
                             " sum(right) FROM answers WHERE at >= ? GROUP BY 1, 2"));
    a.addBindValue(from);
    a.exec();
    while (a.next()) {
        const auto v = visits.find(a.value(0).toLongLong());
        if (v == visits.end()) continue;
        const QDate day = QDate::fromString(a.value(1).toString(), Qt::ISODate);
        const int rounds = a.value(2).toInt(), right = a.value(3).toInt();
        AreaDay& d = days[{day, v->second.area}];
        d.day = day;
        d.area = v->second.area;
        d.rounds += rounds;
        d.right += right;
        WindowFigures& w = windows[v->second.window];
        w.rounds += rounds;
        w.right += right;
    }

    PlayFigures result;
    for (auto& [key, d] : days)
        result.days.push_back(d);
    std::sort(result.days.begin(), result.days.end(), [](const AreaDay& a, const AreaDay& b) {
        if (a.day != b.day) return a.day > b.day;
        if (a.seconds != b.seconds) return a.seconds > b.seconds;
        return a.area < b.area;
    });
    for (auto& [window, w] : windows)
        result.windows.push_back(w);
    std::sort(result.windows.begin(), result.windows.end(),
              [](const WindowFigures& a, const WindowFigures& b) {
                  if (a.seconds != b.seconds) return a.seconds > b.seconds;
                  if (a.rounds != b.rounds) return a.rounds > b.rounds;
                  return a.window < b.window;
              });
    return result;
}

std::vector<PlayEvent> RecordFile::events() const
{
    const QSqlDatabase db = QSqlDatabase::database(connection_, false);
    struct Timed {
        qint64 at;
        int order; // opening, answers, closing of one visit at the same moment
        qint64 seq;
        PlayEvent event;
    };
    std::vector<Timed> all;
    QHash<qint64, PlayEvent> visits;
    QSqlQuery q(db);
    q.exec(
        QStringLiteral("SELECT id, opened, last, closed, area, lesson, window, title FROM visits"));
    while (q.next()) {
        PlayEvent e{PlayEvent::Kind::Opened, q.value(1).toLongLong(), q.value(4).toString(),
                    q.value(5).toString(),   q.value(6).toString(),   q.value(7).toString()};
        const qint64 id = q.value(0).toLongLong();
        visits.insert(id, e);
        all.push_back({e.at, 0, id, e});
        if (q.value(3).toBool()) {
            e.kind = PlayEvent::Kind::Closed;
            e.at = q.value(2).toLongLong();
            all.push_back({e.at, 2, id, e});
        }
    }
    QSqlQuery a(db);
    a.exec(QStringLiteral("SELECT rowid, visit, at, right FROM answers"));
    while (a.next()) {
        PlayEvent e = visits.value(a.value(1).toLongLong());
        e.kind = a.value(3).toBool() ? PlayEvent::Kind::Right : PlayEvent::Kind::Wrong;
        e.at = a.value(2).toLongLong();
        all.push_back({e.at, 1, a.value(0).toLongLong(), e});
    }
    std::stable_sort(all.begin(), all.end(), [](const Timed& x, const Timed& y) {
        return std::tie(x.at, x.order, x.seq) < std::tie(y.at, y.order, y.seq);
    });
    std::vector<PlayEvent> result;
    for (Timed& t : all)
        result.push_back(std::move(t.event));
    return result;
}
