// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What is coming for the family: every observance of every entry of the register in a span of
// days, in date order, as a table, JSON, a calendar file, or the lines of a reminder.
#include "answer/answer.h"
#include "calendar/familyupcoming.h"
#include "platform/familyregister.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The entries as a table, titles first: Id, Person, Kind, Date (as entered), Roz, Mah and
// Reckoning; as text for a terminal; and as JSON, each entry with its roz and mah.
std::vector<QStringList> FamilyRows(const std::vector<FamilyEntry> &entries,
                                    const RegionalSettings &settings);
QString FamilyListText(const std::vector<FamilyEntry> &entries, const RegionalSettings &settings);
QByteArray FamilyListJson(const std::vector<FamilyEntry> &entries,
                          const RegionalSettings &settings);

// "Roz birthday", "Roz anniversary", "Navjote anniversary", "Yearly", or "" for a death.
QString YearlyName(EventKind kind);
// "Death", "Birth", "Wedding", "Navjote" or "Other", as a table or a choice shows the kind.
QString EventKindTitle(EventKind kind);

// What is coming, as calendar/familyupcoming.h reckons it with the system's time zones.
using Upcoming = FamilyUpcoming;

Upcoming UpcomingObservances(const std::vector<FamilyEntry> &entries, CalendarDate from, int days,
                             const RegionalSettings &settings);

// The table: Person, Observance, Date, Roz, Mah, YZ and Note.
std::vector<QStringList> UpcomingRows(const Upcoming &upcoming, const RegionalSettings &settings);
QString toText(const Upcoming &upcoming, const RegionalSettings &settings);
QByteArray toJson(const Upcoming &upcoming);
// One event per observance, each as its entry's named schedule writes it, so importing both
// never doubles an event.
QByteArray toICalendar(const Upcoming &upcoming, const QDateTime &stamp,
                       std::optional<int> remindDays);
// "2 observances in the next 7 days" and a line per observance naming the day, the person and
// the observance: what a reminder says.
QString ReminderSummary(const Upcoming &upcoming);
QStringList ReminderLines(const Upcoming &upcoming, const RegionalSettings &settings);
