// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts of a schedule of observances and of the calendar events made of it and of the
// festivals, in UTF-8: the one copy the windows, the command line and the web page write them
// from. In a namespace of their own, as answer/ keeps toolkit wrappers of the same names.
#include "calendar/festivals.h"
#include "calendar/icalendar.h"
#include "calendar/names.h"
#include "calendar/reckonings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

std::string_view CalendarName(Reckoning calendar);  // "shahenshahi", "kadmi" or "fasli"
std::string_view CalendarTitle(Reckoning calendar); // "Shahenshahi", "Kadmi" or "Fasli"
std::string IsoDate(CalendarDate date);             // "2025-08-15"
// "20-Aug-2001", as the page writes an entered date back and names it in a message.
std::string ShortDateText(CalendarDate date);

std::string_view ObservanceKindName(ObservanceKind kind); // "year", "month" or "day"
// What the yearly observance of an event is called where it is not a death's: "Roz birthday",
// "Roz anniversary", "Navjote anniversary", "Yearly", or "" for a death.
std::string_view YearlyName(EventKind kind);
// What an observance is: "year 2026", "day 4", "roz birthday 2026" for a yearly observance
// named for what it keeps (`yearlyName` "Roz birthday"; empty for a death's), and with the
// observances it stands for, "year 2026 (month 12)".
std::string ObservanceWhat(const Observance &entry, std::string_view yearlyName);
// The same as every listing labels it: "Year 2026 (month 12)", "Roz birthday 2027".
std::string ObservanceLabel(const Observance &entry, std::string_view yearlyName);

// A day's roz and mah; the names of another script stand beside the English
// ("VAHISHTOIST (35) વહીસ્તોઈસ્ત").
std::string RozText(const ZoroastrianDay &day,
                    Script names = Script::English); // "VAHISHTOIST (35)"
// "Farvardin", or "-" on a day of no mah
std::string MahText(const ZoroastrianDay &day, Script names = Script::English);
// "Mah Farvardin", or "No mah (Gatha days)"
std::string MahLabel(const ZoroastrianDay &day, Script names = Script::English);
// "Mah Meher, YZ 1394, Shahenshahi"
std::string ReckoningLine(const ZoroastrianDay &day, Reckoning calendar,
                          Script names = Script::English);
// How a Gatha day's monthly observance is kept, for an entry of the schedule of `own`; empty
// for every other entry.
std::string ObservanceNote(const Observance &entry, const ZoroastrianDay &own);

// Whose observances a schedule lists and how its date was reckoned, as its events say.
struct ScheduleOwner
{
    CalendarDate entered;
    CalendarDate rozDate; // the day before the entered one for an event before dawn or sunrise
    Reckoning calendar;
    ZoroastrianDay day;     // the roz date's own
    std::string person;     // empty when no name was given
    std::string yearlyName; // "Roz birthday"; empty for a death's schedule
    // The place of the event where one was given, whose sunrise a date moved back is said to
    // come before; empty without a place.
    std::string sunPlace;
};

// One all-day event per observance, named after the person and the roz, with a reminder
// `remindDays` before where asked. The same owner and observance give the same identity, so
// importing again updates an event; without a name the identity is the one files written
// before names existed carry.
std::vector<CalendarEvent> ObservanceEvents(const std::vector<Observance> &observances,
                                            const ScheduleOwner &owner,
                                            std::optional<int> remindDays);
// One all-day event per festival, all its days long. Its identity is the festival, its YZ year
// and the reckoning, the same for any range of years asked for.
std::vector<CalendarEvent> FestivalEvents(const std::vector<FestivalOccurrence> &festivals,
                                          Reckoning calendar);

} // namespace core
