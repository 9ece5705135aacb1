// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the family's entries answer and what is coming for them in a span of days: the one copy
// the desktop, the command line and the page list, write as JSON and as a calendar file. The
// front end lends its time zones (the core holds no zone data). Texts are UTF-8.
#include "calendar/familyentry.h"
#include "calendar/icalendar.h"
#include "calendar/reckonings.h"
#include "calendar/sun.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The front end's time zones: which names it knows, and a zone's UT offset at a moment.
struct TimeZones
{
    ZoneKnown known;
    std::function<int(std::string_view zone, UtSeconds moment)> offset;
};

// An entry's answer: the date whose roz the event has (the day before for an event before dawn,
// or before sunrise at its place when a time and a place were given), that day, and its
// observances in the Gregorian years asked: a death's whole schedule, or the same roz and mah
// every year for every other kind.
struct FamilyAnswer
{
    CalendarDate rozDate;
    ZoroastrianDay day;
    std::string sunPlace; // the place whose sunrise the time was set against; empty for none
    std::vector<Observance> observances;
};

// nullopt when the entry's date no longer reads (a place whose sun does not rise that day).
std::optional<FamilyAnswer> FamilyAnswerOf(const FamilyRecord &entry, int fromYear, int years,
                                           const TimeZones &zones);

// The entries as `family list --json` writes them, each with its roz and mah; a line end after.
std::string FamilyListJson(const std::vector<FamilyRecord> &entries, const TimeZones &zones);

struct FamilyUpcoming
{
    CalendarDate from;
    int days; // [1, 3660]
    // Each entry with observances in the span, with its answer, whose observances are those in
    // the span that fall after the day the event belongs to.
    std::vector<FamilyRecord> entries;
    std::vector<FamilyAnswer> answers;
    struct Item
    {
        std::size_t entry; // into entries and answers
        Observance observance;
    };
    std::vector<Item> items; // in date order, then in the order the entries were given
};

FamilyUpcoming UpcomingObservances(const std::vector<FamilyRecord> &entries, CalendarDate from,
                                   int days, const TimeZones &zones);

// `family upcoming --json`, a line end after.
std::string UpcomingJson(const FamilyUpcoming &upcoming);
// One event per observance, each as its entry's named schedule writes it, so importing both
// never doubles an event.
std::vector<core::CalendarEvent> UpcomingEvents(const FamilyUpcoming &upcoming,
                                                std::optional<int> remindDays);
// "Day 4", "Roz birthday 2027": what an item is, as every listing labels it.
std::string UpcomingLabel(const FamilyUpcoming &upcoming, const FamilyUpcoming::Item &item);
// "2 observances in the next 7 days": what a reminder says first.
std::string UpcomingSummary(const FamilyUpcoming &upcoming);
