// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/familyregister.h"
#include "platform/regional.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

// What is wrong with an entry as a user gave it, or nullopt when it may be kept; the entry is
// made ready to keep meanwhile: the person's name without control characters and with single
// blanks, the place trimmed, the days sorted without repeats, and a kind other than a death
// given the default days and months, which only a death uses. The command line, the window and
// the import all check an entry here.
std::optional<QString> EntryProblem(FamilyEntry &entry);

// An entry as a user typed it: its date (and the time at its place) read as the calculation
// reads them, so that an entry is kept only when its day can be reckoned, then EntryProblem.
// The problem in the calculation's words or EntryProblem's, or nullopt with `entry.date` set
// and the entry ready to keep.
std::optional<QString> TypedEntryProblem(const QString &dateText, DateOrderCode order,
                                         FamilyEntry &entry, const RegionalSettings &settings);

// An entry as a window's fields hold it, the texts as typed.
struct TypedEntry
{
    QString person;
    EventKind kind = EventKind::Death;
    QString date;
    DateOrderCode order = kYearMonthDay;
    bool beforeDawn = false;
    QString time;  // empty for none, when the before-dawn tick counts instead
    QString place; // kept with a time only
    Reckoning calendar = Reckoning::Shahenshahi;
    QString days; // for a death, such as "4, 10, 30"
    int months = 12;
    QString note;
};

// The entry ready to keep, or what is wrong in the windows' words: the time, a death's days,
// then TypedEntryProblem's checks, as the command line checks its options.
std::variant<FamilyEntry, QString> ReadTypedEntry(const TypedEntry &typed,
                                                  const RegionalSettings &settings);

// The family's days as a JSON document that a later Dalvane reads back:
// {"format": "dalvane-family", "version": 1, "people": [...]}, without the register's ids.
QByteArray FamilyDocument(const std::vector<FamilyEntry> &entries);

// The entries of a family document, each checked by EntryProblem; only the person and the date
// are required. Any bad entry refuses the whole document, and the message says which entry
// (counted from 1) and what is wrong with it; so does a document of another format or of a
// newer version.
std::variant<std::vector<FamilyEntry>, QString> ReadFamilyDocument(const QByteArray &document);
