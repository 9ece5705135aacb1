// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One day a family keeps, as plain data, and the rules every front end keeps it by: the
// desktop's register and the page read, check and write entries here, so that both keep the
// same entries and say the same of a bad one. Texts are UTF-8.
#include "calendar/calendardate.h"
#include "calendar/placetext.h"
#include "calendar/reckonings.h" // EventKind
#include "calendar/utf8text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// "death", "birth", "wedding", "navjote" or "other": the kind as documents and the register
// write it; and the kind of such a word, nullopt for any other text.
std::string_view EventKindWord(EventKind kind);
std::optional<EventKind> EventKindOfWord(std::string_view word);

// The reckoning core::CalendarName names so, nullopt for any other text.
std::optional<Reckoning> ReckoningOfWord(std::string_view word);

inline constexpr int kLongestPersonName = 200; // characters
inline constexpr int kLongestNote = 1000;      // characters
inline constexpr int kLastKeptDay = 36500;     // a hundred years of days
inline constexpr int kMostKeptMonths = 120;

// One day a family keeps, as the user entered it.
struct FamilyRecord
{
    std::int64_t id = 0; // given by the register; 0 before the entry is stored
    std::string person;  // single blanks, 1 to 200 characters, no control characters
    EventKind kind = EventKind::Death;
    CalendarDate date = CalendarDate::first(); // the date as entered, before any before-dawn shift
    bool beforeDawn = false;
    std::optional<int> time; // minutes after midnight, local time at the place; with a place only
    std::string place;       // a place name or LAT,LON,ZONE as given; empty for none
    Reckoning calendar = Reckoning::Shahenshahi;
    std::vector<int> days{4, 10, 30}; // for a death (a set: sorted, no repeats)
    int months = 12;                  // for a death, 0 to 120
    std::string note;                 // up to 1,000 characters; empty for none

    bool operator==(const FamilyRecord &) const = default;
};

// Which entries of `incoming` to add to those `kept`: an entry is skipped when it is the same
// event as one kept or one before it in `incoming`, the same person, kind, date and reckoning.
// The added ones as indices into `incoming`, in order, and how many are skipped.
struct FamilyMerge
{
    std::vector<std::size_t> added;
    int skipped = 0;
};
FamilyMerge EntriesToAdd(const std::vector<FamilyRecord> &kept,
                         const std::vector<FamilyRecord> &incoming);

// A clock time "H:MM" or "HH:MM" (blanks around allowed) as minutes after midnight, nullopt for
// anything else; and minutes written as "HH:MM".
std::optional<int> ClockMinutes(std::string_view text);
std::string ClockText(int minutes);

// An ISO date "yyyy-mm-dd" within the calendar, as core::IsoDate writes one; nullopt for
// anything else.
std::optional<CalendarDate> IsoDateOf(std::string_view text);

// What is wrong with an entry and the field to blame ("person", "time", "place", "days",
// "months" or "note").
struct EntryFault
{
    std::string_view field;
    std::string message;
};

// What is wrong with an entry as a user gave it, or nullopt when it may be kept; the entry is
// made ready to keep meanwhile: the person's name as PersonNameOf (calendar/checks.h) keeps it,
// the place trimmed, the days sorted without repeats, and a kind other than a death given the
// default days and months, which only a death uses. A place is read by ReadPlaceText with the
// front end's time zones. Every front end and every import checks an entry here.
std::optional<EntryFault> EntryProblem(FamilyRecord &entry, const ZoneKnown &zoneKnown);
