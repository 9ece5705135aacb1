// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/roz.h"

#include <optional>
#include <string_view>
#include <vector>

// The three reckonings families keep. Shahenshahi and Kadmi are the same 365-day year, Kadmi
// 30 days ahead; Fasli begins on 21 March and keeps a 366th day in a year holding a 29 February.
enum class Reckoning
{
    Shahenshahi,
    Kadmi,
    Fasli,
};

// Roz 36, the Fasli leap day after the five Gatha days.
inline constexpr int kAvardadSalGah = 36;

// A day as the reckoning names it: roz [1, 36] (31 to 35 the Gatha days), mah [1, 12] or 0 on
// a Gatha day and on Avardad-sal-gah, which belong to no mah, and the year of Yazdegerd.
struct ZoroastrianDay
{
    int roz;
    int mah;
    int yzYear;
};

// A day's place in its year, [0, 365]: twelve mah of 30 roz, then the Gatha days and roz 36;
// and the day at a place of a year.
constexpr int PlaceInYear(int roz, int mah)
{
    return mah != 0 ? (mah - 1) * 30 + roz - 1 : roz + 329;
}
constexpr ZoroastrianDay DayAtPlace(int place, int yzYear)
{
    return place < 360 ? ZoroastrianDay{place % 30 + 1, place / 30 + 1, yzYear}
                       : ZoroastrianDay{place - 329, 0, yzYear};
}

// By day arithmetic; for Shahenshahi it agrees with the day-by-day walk of ReckonRozAndMonth.
ZoroastrianDay ZoroastrianDayOf(CalendarDate date, Reckoning reckoning);

// The date a reckoning gives that day, or nullopt outside the calendar. Roz 36 is the caller's
// to give only in a Fasli year that has it.
std::optional<CalendarDate> DateOfZoroastrianDay(ZoroastrianDay day, Reckoning reckoning);

// The date in the Gregorian target year with the same roz and mah, or nullopt for a target year
// before the year of the roz date. Shahenshahi and Kadmi: always 365 days a year later, which is
// what SameRozDate walks to. Fasli: Avardad-sal-gah falls back to the fifth Gatha day in a year
// without it, as 29 February falls back to 28 February.
std::optional<CalendarDate> SameRozDateInYear(CalendarDate rozDate, int targetYear,
                                              Reckoning calendar);

// SameRozDate in any reckoning: the single calculation's answer for a typed year.
std::optional<CalendarDate> SameRozDateIn(Reckoning calendar, CalendarDate rozDate,
                                          std::u16string_view yearText, DateOrderCode order,
                                          const DateTextRules &rules);

// The roz table with Avardad-sal-gah as row 36.
const RozRow &RozRowOf(int roz);   // roz [1, 36]
std::string_view MahName(int mah); // mah [1, 12]

// Whose day a family keeps: a death's schedule has its days and months, every other kind only
// the same roz and mah every year.
enum class EventKind
{
    Death,
    Birth,
    Wedding,
    Navjote,
    Other,
};

enum class ObservanceKind
{
    Year,
    Month,
    Day,
};

// An observance by its kind and number alone: one that another on the same day stands for.
struct AlsoKept
{
    ObservanceKind kind;
    int n;
};

struct Observance
{
    ObservanceKind kind;
    int n; // the target year, the month after the roz date's own, or the day counted from it
    CalendarDate date;
    ZoroastrianDay day;
    // A Gatha day has no roz in a month: the n-th Gatha day is kept on roz n, and
    // Avardad-sal-gah as the fifth. Which roz that is on a month entry made so, 0 otherwise.
    int gathaKeptAs;
    // The observances of the same event that fall on this one's day and are kept in it: the
    // twelfth month's roz and mah are the first anniversary's. Months before days, each kind in
    // its own order.
    std::vector<AlsoKept> also;
};

struct ScheduleRequest
{
    std::vector<int> years; // Gregorian target years, as the single calculation reads them
    int months = 0;
    std::vector<int> days; // day 1 is the roz date; a set, however often a day is given
};

// Entries that fall outside the calendar or before the year of the roz date are left out. Each
// day is kept once: where observances fall on one day, a yearly one stands for a month's and a
// day's, a month's for a day's, and the others are listed in its `also`.
std::vector<Observance> MakeSchedule(CalendarDate rozDate, Reckoning calendar,
                                     const ScheduleRequest &request);

// The target years `from` to `from + count - 1` as the single calculation reads each of them
// typed as a year, short years included; a number that reads as no year is left out.
std::vector<int> TargetYears(int from, int count, const DateTextRules &rules);
