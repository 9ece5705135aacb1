// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/calendardate.h"
#include "calendar/familyentry.h"
#include "calendar/reckonings.h"

#include <QString>
#include <QTime>
#include <optional>
#include <variant>
#include <vector>

// EventKindWord and EventKindOfWord in the toolkit's text.
QString EventKindName(EventKind kind); // "death", "birth", "wedding", "navjote" or "other"
std::optional<EventKind> EventKindNamed(const QString &name);

// One day a family keeps, as the user entered it: a FamilyRecord in the toolkit's types. The
// register stores it as given; the checks a user's input gets are EntryProblem's
// (calendar/familyentry.h).
struct FamilyEntry
{
    qint64 id = 0;  // given by the register; 0 before the entry is stored
    QString person; // trimmed, 1 to 200 characters, no control characters
    EventKind kind = EventKind::Death;
    CalendarDate date = CalendarDate::first(); // the date as entered, before any before-dawn shift
    bool beforeDawn = false;
    std::optional<QTime> time; // the local time at the place, with a place only
    QString place;             // a place name or LAT,LON,ZONE as given; empty for none
    Reckoning calendar = Reckoning::Shahenshahi;
    std::vector<int> days{4, 10, 30}; // for a death (a set: sorted, no repeats)
    int months = 12;                  // for a death, 0 to 120
    QString note;                     // up to 1,000 characters; empty for none

    bool operator==(const FamilyEntry &) const = default;
};

// The same entry as the calendar core keeps it, and back.
FamilyRecord ToCore(const FamilyEntry &entry);
FamilyEntry FromCore(const FamilyRecord &record);
std::vector<FamilyRecord> ToCore(const std::vector<FamilyEntry> &entries);
std::vector<FamilyEntry> FromCore(const std::vector<FamilyRecord> &records);

// The family's days in one SQLite file. Nothing touches the file before a method needs it: a
// register that does not exist yet reads as empty and is made, with its folder, by the first
// change. Every change is one transaction, so two processes may write at once and a process
// ended half-way leaves the register as it was before or after. A file that is not a register,
// or one a newer Dalvane wrote, is refused without a byte of it changing. Every problem comes
// back as a message that names the file.
class FamilyRegister
{
public:
    struct ImportCount
    {
        int imported = 0;
        int skipped = 0; // already present, as EntriesToAdd tells
    };

    // $XDG_DATA_HOME/dalvane/family.sqlite, or its like on other systems.
    static QString DefaultPath();

    explicit FamilyRegister(const QString &path = DefaultPath());
    ~FamilyRegister();
    FamilyRegister(const FamilyRegister &) = delete;
    FamilyRegister &operator=(const FamilyRegister &) = delete;

    QString path() const { return m_path; }

    std::variant<std::vector<FamilyEntry>, QString> Entries(); // in the order added
    std::variant<FamilyEntry, QString> Entry(qint64 id);
    std::variant<qint64, QString> Add(const FamilyEntry &entry); // the new entry's id
    // The problem, or nullopt when done; an unknown id is a problem.
    std::optional<QString> Update(qint64 id, const FamilyEntry &entry);
    std::optional<QString> Remove(qint64 id);
    // All or nothing.
    std::variant<ImportCount, QString> Import(const std::vector<FamilyEntry> &entries);

private:
    enum class Use
    {
        Read,   // a register that does not exist yet sets `*absent` and stays unmade
        Create, // a register that does not exist yet is made
    };
    // nullopt when the register is open for `use`, else the problem.
    std::optional<QString> open(Use use, bool *absent = nullptr);
    std::optional<QString> refusal(); // why the open file is not ours to read or write
    std::optional<QString> migrate();
    QString problem(const QString &what) const;

    QString m_path;
    QString m_connection;
    bool m_open = false;
};
