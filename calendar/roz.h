// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/calendardate.h"
#include "calendar/datetext.h"

#include <optional>
#include <string_view>

struct RozRow
{
    std::string_view name;    // in capitals, shown in the roz field
    std::string_view meaning; // one line, shown under it
};

// Where a reckoning ended: the roz [1, 35] and the month counter [1, 12] that went with it.
// Roz 31 to 35 are the Gatha days at the end of month 12.
struct RozReckoning
{
    int roz;
    int month;
};

// The before-dawn rule: an event between midnight and 6 AM belongs to the previous day's roz.
// nullopt when the day before lies outside the calendar (the entered date is 1 January 100).
std::optional<CalendarDate> BeforeDawnShift(CalendarDate entered, bool beforeDawn);

// The roz of a date, walked one day at a time from 20 August 2001 (roz 35 of month 12).
int ReckonRoz(CalendarDate rozDate, DateOrderCode order);
RozReckoning ReckonRozAndMonth(CalendarDate rozDate, DateOrderCode order);

// The 29 Februaries from `from` up to but not including `to`, counted day by day.
int CountLeapDays(CalendarDate from, CalendarDate to);

// The date in the target year on which the same roz of the same month falls again, or nullopt
// when it cannot be calculated (a target year before the year of the roz date, or a year text that
// is not a year number). The year text is taken as typed, untrimmed, and read as the date
// parse reads a year field, short years included.
std::optional<CalendarDate> SameRozDate(CalendarDate rozDate, std::u16string_view yearText,
                                        DateOrderCode order, const DateTextRules &rules);

// The 35 roz of the 365-day year, indexed as the calendar indexes them: 1 to 35.
class RozTableRows
{
public:
    constexpr const RozRow &operator[](int roz) const { return rows[roz - 1]; }
    static constexpr int size() { return 35; }

    RozRow rows[35];
};

extern const RozTableRows RozTable;
