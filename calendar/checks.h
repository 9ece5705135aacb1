// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a user types for a calculation, checked once for every front end, the windows, the
// command line and the page alike: the same checks in the same order, said in the same words.
#include "calendar/calendardate.h"
#include "calendar/datetext.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The pattern a date is typed in, in a date order, as the typing hint names it: "dd-mm-yyyy",
// "mm-dd-yyyy" or "yyyy-mm-dd".
std::string_view DateFormatHint(DateOrderCode order);
// "Please Enter a Valid date in the Format: dd-mm-yyyy", in the date order typed.
std::string InvalidDateMessage(DateOrderCode order);
// "( In the Format dd-mm-yyyy )", the hint beside a date field.
std::string DateHintCaption(DateOrderCode order);
inline constexpr std::string_view kInvalidYearMessage = "Please Enter a Valid Year";
inline constexpr std::string_view kYearRangeMessage = "Please Enter a Year between 1 and 9999";
// What stands for the date of the same roz in a year before the one of the date entered.
inline constexpr std::string_view kCannotBeCalculated = "Cannot be Calculated";

// Why what was typed cannot be answered, in the calculator's own words, and the field to blame.
struct TypedProblem
{
    enum Field
    {
        Date,
        Year,
    } field;
    // Which check failed, for a front end that answers each in its own way.
    enum Check
    {
        NotADate,
        NoSunrise,
        YearNotANumber,
        YearOutOfRange,
    } check;
    std::string message;
};

// A date and a year that read: the date entered, the date whose roz it has (the day before for
// an event before dawn; not settled yet for an event at a place, whose sunrise decides) and the
// year's value, [1, 9999], a fraction allowed.
struct TypedDates
{
    CalendarDate entered;
    std::optional<CalendarDate> rozDate;
    double year;
};

// The checks in the calculator's order: the date (the day before the first day of the calendar
// is no date either), the year as a number, then the year in range. The date text comes
// case-folded, so that month names of any script match the folded regional ones.
std::variant<TypedDates, TypedProblem> CheckTyped(std::u16string_view dateText, DateOrderCode order,
                                                  bool beforeDawn, bool atPlace,
                                                  std::u16string_view yearText,
                                                  const DateTextRules &rules);

// "Please Enter the Time as HH:MM, such as 07:30", for a time of the event that does not read.
inline constexpr std::string_view kInvalidTimeMessage =
    "Please Enter the Time as HH:MM, such as 07:30";

// "Please Enter the Days as numbers from 1 to 36500, such as 4, 10, 30", for a schedule's days.
inline constexpr std::string_view kInvalidDaysMessage =
    "Please Enter the Days as numbers from 1 to 36500, such as 4, 10, 30";

// A list of whole numbers such as "4, 10, 30", each in [low, high]: items a comma apart, each an
// optional sign and ASCII digits with blanks around it; the text of blanks alone is the empty
// list. nullopt when any item does not read.
std::optional<std::vector<int>> ReadNumberList(std::u16string_view text, int low, int high);

// A person's name as typed (UTF-8) without its control characters, its blanks single and
// trimmed: the name a schedule's events carry and their identities are made of.
std::string PersonNameOf(std::string_view typed);
