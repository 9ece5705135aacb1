// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/familyregister.h"

#include "platform/coretext.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <functional>
#include <iterator>

namespace {

// "DALV": marks the file as a Dalvane register, so another program's database is refused.
constexpr int kApplicationId = 0x44414c56;

// The ordered steps from an empty file to each version; step n brings version n to n + 1.
// A step's statements are fixed text: nothing a user typed is ever part of them.
const QStringList kSteps[] = {
    // Version 1: the register as first kept.
    {QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId),
     QStringLiteral("CREATE TABLE family ("
                    "id INTEGER PRIMARY KEY AUTOINCREMENT, person TEXT NOT NULL, "
                    "kind TEXT NOT NULL, date TEXT NOT NULL, calendar TEXT NOT NULL, "
                    "before_dawn INTEGER NOT NULL, days TEXT NOT NULL, months INTEGER NOT NULL)")},
    // Version 2: the time and place that reckon an event by sunrise there, and a note. A
    // version-1 entry has none of them, as if they had been left empty.
    {QStringLiteral("ALTER TABLE family ADD COLUMN time TEXT"),
     QStringLiteral("ALTER TABLE family ADD COLUMN place TEXT"),
     QStringLiteral("ALTER TABLE family ADD COLUMN note TEXT")},
};
constexpr int kVersion = int(std::size(kSteps));

// The file's own words for a reckoning, fixed once written whatever the program calls them.
constexpr struct
{
    Reckoning calendar;
    const char *name;
} kCalendarWords[] = {{Reckoning::Shahenshahi, "shahenshahi"},
                      {Reckoning::Kadmi, "kadmi"},
                      {Reckoning::Fasli, "fasli"}};

// The statements, each written whole: every value in them is bound, none is spliced in.
const QString kSelectAll = QStringLiteral(
    "SELECT id, person, kind, date, calendar, before_dawn, days, months, time, place, note "
    "FROM family ORDER BY id");
const QString kSelectOne = QStringLiteral(
    "SELECT id, person, kind, date, calendar, before_dawn, days, months, time, place, note "
    "FROM family WHERE id = ?");
const QString kInsert = QStringLiteral(
    "INSERT INTO family (id, person, kind, date, calendar, before_dawn, days, months, time, "
    "place, note) VALUES (NULL, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
const QString kUpdate = QStringLiteral(
    "UPDATE family SET (person, kind, date, calendar, before_dawn, days, months, time, place, "
    "note) = (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) WHERE id = ?");

QString CalendarWord(Reckoning calendar)
{
    for (const auto &word : kCalendarWords) {
        if (word.calendar == calendar)
            return QLatin1String(word.name);
    }
    return {};
}

QString DaysText(const std::vector<int> &days)
{
    QStringList numbers;
    for (int day : days)
        numbers << QString::number(day);
    // Never null, which the column refuses: a death may keep no days.
    return days.empty() ? QStringLiteral("") : numbers.join(u',');
}

// The values of one entry, bound as the first ten in the order of the statements' columns after the
// id. The first four are those that make two entries the same.
void BindEntry(QSqlQuery &query, const FamilyEntry &entry)
{
    const QVariant values[] = {
        entry.person,
        EventKindName(entry.kind),
        QDate(entry.date.year(), entry.date.month(), entry.date.day()).toString(Qt::ISODate),
        CalendarWord(entry.calendar),
        int(entry.beforeDawn),
        DaysText(entry.days),
        entry.months,
        entry.time ? QVariant(entry.time->toString(QStringLiteral("HH:mm"))) : QVariant(),
        TextOrNull(entry.place),
        TextOrNull(entry.note)};
    for (int i = 0; i < int(std::size(values)); ++i)
        query.bindValue(i, values[i]);
}

// An entry as the row at the query holds it; nullopt when the row does not read (the file was
// changed by hand).
std::optional<FamilyEntry> EntryAt(const QSqlQuery &query)
{
    FamilyEntry entry;
    entry.id = query.value(0).toLongLong();
    entry.person = query.value(1).toString();
    const std::optional<EventKind> kind = EventKindNamed(query.value(2).toString());
    // "yyyy-mm-dd", read field by field: a register of a thousand entries is read at every run.
    const QString iso = query.value(3).toString();
    const auto number = [&](qsizetype from, qsizetype length) {
        bool ok = false;
        const int value = QStringView(iso).mid(from, length).toInt(&ok);
        return ok ? value : 0;
    };
    const std::optional<CalendarDate> day =
        iso.size() == 10 && iso[4] == u'-' && iso[7] == u'-'
            ? CalendarDate::fromYmd(number(0, 4), number(5, 2), number(8, 2))
            : std::nullopt;
    const QString calendar = query.value(4).toString();
    const auto word = std::find_if(std::begin(kCalendarWords), std::end(kCalendarWords),
                                   [&](const auto &word) { return calendar == word.name; });
    if (!kind || !day || word == std::end(kCalendarWords))
        return std::nullopt;
    entry.kind = *kind;
    entry.date = *day;
    entry.calendar = word->calendar;
    entry.beforeDawn = query.value(5).toBool();
    entry.days.clear();
    for (const QString &number : query.value(6).toString().split(u',', Qt::SkipEmptyParts))
        entry.days.push_back(number.toInt());
    entry.months = query.value(7).toInt();
    if (!query.isNull(8)) {
        entry.time = QTime::fromString(query.value(8).toString(), QStringLiteral("HH:mm"));
        if (!entry.time->isValid())
            return std::nullopt;
    }
    entry.place = query.value(9).toString();
    entry.note = query.value(10).toString();
    return entry;
}

// A statement with its values bound in order, run; its error text, or nullopt.
std::optional<QString> Run(QSqlQuery &query, const QString &statement,
                           const QVariantList &values = {})
{
    // Each row is read once, in order: the query need not keep the rows it has passed.
    query.setForwardOnly(true);
    if (!query.prepare(statement))
        return query.lastError().text();
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        return query.lastError().text();
    return std::nullopt;
}

// The changes of `body` as one transaction, which waits its turn behind another writer
// (IMMEDIATE: a transaction that only read first could not wait, and would fail instead).
// `body` returns its problem, after which nothing of it is kept.
std::optional<QString> InTransaction(const QSqlDatabase &db,
                                     const std::function<std::optional<QString>()> &body)
{
    QSqlQuery query(db);
    if (auto problem = Run(query, QStringLiteral("BEGIN IMMEDIATE")))
        return problem;
    std::optional<QString> problem = body();
    if (!problem)
        problem = Run(query, QStringLiteral("COMMIT"));
    if (problem)
        Run(query, QStringLiteral("ROLLBACK"));
    return problem;
}

std::atomic<int> connectionCount = 0;

} // namespace

QString EventKindName(EventKind kind)
{
    return FromCore(EventKindWord(kind));
}

std::optional<EventKind> EventKindNamed(const QString &name)
{
    return EventKindOfWord(name.toUtf8().toStdString());
}

FamilyRecord ToCore(const FamilyEntry &entry)
{
    return {entry.id,
            entry.person.toStdString(),
            entry.kind,
            entry.date,
            entry.beforeDawn,
            entry.time ? std::optional(entry.time->hour() * 60 + entry.time->minute())
                       : std::nullopt,
            entry.place.toStdString(),
            entry.calendar,
            entry.days,
            entry.months,
            entry.note.toStdString()};
}

FamilyEntry FromCore(const FamilyRecord &record)
{
    return {record.id,
            FromCore(record.person),
            record.kind,
            record.date,
            record.beforeDawn,
            record.time ? std::optional(QTime(*record.time / 60, *record.time % 60)) : std::nullopt,
            FromCore(record.place),
            record.calendar,
            record.days,
            record.months,
            FromCore(record.note)};
}

std::vector<FamilyRecord> ToCore(const std::vector<FamilyEntry> &entries)
{
    std::vector<FamilyRecord> records;
    records.reserve(entries.size());
    for (const FamilyEntry &entry : entries)
        records.push_back(ToCore(entry));
    return records;
}

std::vector<FamilyEntry> FromCore(const std::vector<FamilyRecord> &records)
{
    std::vector<FamilyEntry> entries;
    entries.reserve(records.size());
    for (const FamilyRecord &record : records)
        entries.push_back(FromCore(record));
    return entries;
}

QString FamilyRegister::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/dalvane/family.sqlite");
}

FamilyRegister::FamilyRegister(const QString &path)
    : m_path(path), m_connection(QStringLiteral("dalvane-family-%1").arg(++connectionCount))
{}

FamilyRegister::~FamilyRegister()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

QString FamilyRegister::problem(const QString &what) const
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(m_path), what);
}

std::optional<QString> FamilyRegister::open(Use use, bool *absent)
{
    if (m_open)
        return std::nullopt;
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
                          ? QSqlDatabase::database(m_connection, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!db.isValid())
        return problem(QStringLiteral("Qt's SQLite driver is missing (Debian: libqt6sql6-sqlite)"));
    db.setDatabaseName(m_path);
    if (!QFileInfo::exists(m_path)) {
        if (use == Use::Read) {
            *absent = true;
            return std::nullopt;
        }
        if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
            return problem(QStringLiteral("cannot make its folder"));
    } else {
        // Whose file this is, asked read-only: even switching the journal would write to it.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open())
            return problem(db.lastError().text());
        std::optional<QString> refused = refusal();
        db.close();
        if (refused)
            return problem(*refused);
    }
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    if (!db.open())
        return problem(db.lastError().text());
    // The write-ahead journal lets a reader go on while another process writes. The switch does
    // not wait for a file in use as other statements do, so it may fail while another process
    // opens the register at the same moment and makes the same switch; changes are one
    // transaction each either way.
    QSqlQuery(QStringLiteral("PRAGMA journal_mode = WAL"), db).finish();
    if (std::optional<QString> failed = migrate()) {
        db.close();
        return problem(*failed);
    }
    m_open = true;
    return std::nullopt;
}

std::optional<QString> FamilyRegister::refusal()
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    // One statement, so one snapshot: asked one by one, the mark could be read before another
    // process's first step and the tables after it.
    if (auto failed = Run(query, QStringLiteral("SELECT * FROM pragma_application_id, "
                                                "pragma_user_version, "
                                                "(SELECT count(*) FROM sqlite_master)"))) {
        return query.lastError().nativeErrorCode() == u"26" // SQLITE_NOTADB
                   ? QStringLiteral("not a Dalvane family register")
                   : *failed;
    }
    if (!query.next())
        return QStringLiteral("not a Dalvane family register");
    const int application = query.value(0).toInt(), version = query.value(1).toInt();
    // An empty database is a register not yet begun.
    if (application != kApplicationId && (application != 0 || query.value(2).toInt() != 0))
        return QStringLiteral("not a Dalvane family register");
    if (version > kVersion)
        return QStringLiteral("written by a newer Dalvane (register version %1; this one reads "
                              "up to version %2)")
            .arg(version)
            .arg(kVersion);
    return std::nullopt;
}

std::optional<QString> FamilyRegister::migrate()
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    for (bool current = false; !current;) {
        // One step a transaction, the version read again inside it: another process may have
        // taken the step meanwhile.
        const std::optional<QString> failed = InTransaction(db, [&]() -> std::optional<QString> {
            if (std::optional<QString> refused = refusal())
                return refused;
            QSqlQuery query(db);
            if (auto failed = Run(query, QStringLiteral("PRAGMA user_version")))
                return failed;
            const int version = query.next() ? query.value(0).toInt() : 0;
            current = version >= kVersion;
            if (current)
                return std::nullopt;
            for (const QString &statement : kSteps[version]) {
                if (auto failed = Run(query, statement))
                    return failed;
            }
            // A fixed number, not user text: a PRAGMA takes no bound values.
            return Run(query, QStringLiteral("PRAGMA user_version = %1").arg(version + 1));
        });
        if (failed)
            return failed;
    }
    return std::nullopt;
}

std::variant<std::vector<FamilyEntry>, QString> FamilyRegister::Entries()
{
    bool absent = false;
    if (std::optional<QString> failed = open(Use::Read, &absent))
        return *failed;
    std::vector<FamilyEntry> entries;
    if (absent)
        return entries;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (auto failed = Run(query, kSelectAll))
        return problem(*failed);
    while (query.next()) {
        const std::optional<FamilyEntry> entry = EntryAt(query);
        if (!entry)
            return problem(
                QStringLiteral("entry %1 does not read").arg(query.value(0).toLongLong()));
        entries.push_back(*entry);
    }
    return entries;
}

std::variant<FamilyEntry, QString> FamilyRegister::Entry(qint64 id)
{
    bool absent = false;
    if (std::optional<QString> failed = open(Use::Read, &absent))
        return *failed;
    const QString unknown = problem(QStringLiteral("no entry %1").arg(id));
    if (absent)
        return unknown;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (auto failed = Run(query, kSelectOne, {id}))
        return problem(*failed);
    if (!query.next())
        return unknown;
    if (std::optional<FamilyEntry> entry = EntryAt(query))
        return *entry;
    return problem(QStringLiteral("entry %1 does not read").arg(id));
}

std::variant<qint64, QString> FamilyRegister::Add(const FamilyEntry &entry)
{
    if (std::optional<QString> failed = open(Use::Create))
        return *failed;
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    qint64 id = 0;
    const std::optional<QString> failed = InTransaction(db, [&]() -> std::optional<QString> {
        QSqlQuery query(db);
        query.prepare(kInsert);
        BindEntry(query, entry);
        if (!query.exec())
            return query.lastError().text();
        id = query.lastInsertId().toLongLong();
        return std::nullopt;
    });
    if (failed)
        return problem(*failed);
    return id;
}

std::optional<QString> FamilyRegister::Update(qint64 id, const FamilyEntry &entry)
{
    bool absent = false;
    if (std::optional<QString> failed = open(Use::Read, &absent))
        return failed;
    const QString unknown = problem(QStringLiteral("no entry %1").arg(id));
    if (absent)
        return unknown;
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    bool found = false;
    const std::optional<QString> failed = InTransaction(db, [&]() -> std::optional<QString> {
        QSqlQuery query(db);
        query.prepare(kUpdate);
        BindEntry(query, entry);
        query.bindValue(10, id);
        if (!query.exec())
            return query.lastError().text();
        found = query.numRowsAffected() == 1;
        return std::nullopt;
    });
    if (failed)
        return problem(*failed);
    return found ? std::nullopt : std::optional(unknown);
}

std::optional<QString> FamilyRegister::Remove(qint64 id)
{
    bool absent = false;
    if (std::optional<QString> failed = open(Use::Read, &absent))
        return failed;
    const QString unknown = problem(QStringLiteral("no entry %1").arg(id));
    if (absent)
        return unknown;
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    bool found = false;
    const std::optional<QString> failed = InTransaction(db, [&]() -> std::optional<QString> {
        QSqlQuery query(db);
        if (auto failed = Run(query, QStringLiteral("DELETE FROM family WHERE id = ?"), {id}))
            return failed;
        found = query.numRowsAffected() == 1;
        return std::nullopt;
    });
    if (failed)
        return problem(*failed);
    return found ? std::nullopt : std::optional(unknown);
}

std::variant<FamilyRegister::ImportCount, QString>
FamilyRegister::Import(const std::vector<FamilyEntry> &entries)
{
    if (std::optional<QString> failed = open(Use::Create))
        return *failed;
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    ImportCount count;
    const std::optional<QString> failed = InTransaction(db, [&]() -> std::optional<QString> {
        // What is kept is read inside the transaction: another process may import meanwhile.
        std::vector<FamilyRecord> kept;
        QSqlQuery query(db);
        if (auto failed = Run(query, kSelectAll))
            return failed;
        while (query.next()) {
            // A row changed by hand so that it no longer reads is the same event as none.
            if (const std::optional<FamilyEntry> entry = EntryAt(query))
                kept.push_back(ToCore(*entry));
        }
        const FamilyMerge merge = EntriesToAdd(kept, ToCore(entries));
        QSqlQuery insert(db);
        insert.prepare(kInsert);
        for (std::size_t i : merge.added) {
            BindEntry(insert, entries[i]);
            if (!insert.exec())
                return insert.lastError().text();
        }
        count = {int(merge.added.size()), merge.skipped};
        return std::nullopt;
    });
    if (failed)
        return problem(*failed);
    return count;
}
