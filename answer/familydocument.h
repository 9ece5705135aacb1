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

// The calendar core's family rules (calendar/familyentry.h, calendar/familydocument.h) in the
// toolkit's types, places checked with the system's time zones.

// EntryProblem's message, or nullopt with the entry ready to keep.
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

// The family's days as a JSON document, or as CSV, that a later Dalvane reads back.
QByteArray FamilyDocument(const std::vector<FamilyEntry> &entries);
QByteArray FamilyCsvFile(const std::vector<FamilyEntry> &entries);

// The entries of a family document, all or none.
std::variant<std::vector<FamilyEntry>, QString> ReadFamilyDocument(const QByteArray &document);
// The entries of a CSV file, its dates ISO or typed in `order` under the regional settings.
std::variant<std::vector<FamilyEntry>, QString>
ReadFamilyCsvFile(const QByteArray &file, std::optional<DateOrderCode> order,
                  const RegionalSettings &settings);
// The entries of a file as import reads it: a family document when it is JSON, CSV otherwise.
std::variant<std::vector<FamilyEntry>, QString> ReadFamilyFile(const QByteArray &file,
                                                               std::optional<DateOrderCode> order,
                                                               const RegionalSettings &settings);
