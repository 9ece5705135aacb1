// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/calendardate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The order in which day, month and year are typed and shown. Every reader tests for 1 and 2
// and treats any other value as year-month-day, so an unset code (0) reads as 3.
using DateOrderCode = std::int16_t;
inline constexpr DateOrderCode kDayMonthYear = 1;
inline constexpr DateOrderCode kMonthDayYear = 2;
inline constexpr DateOrderCode kYearMonthDay = 3;

// What reading a date or a number needs to know of the user's regional settings. Plain data in
// UTF-16, so the calendar can parse without the window toolkit; the regional layer fills it
// from the system locale.
struct DateTextRules
{
    std::u16string separator = u"/"; // the regional date separator, e.g. "/", ".", ". ", "-"
    char16_t zeroDigit = u'0';       // the locale's own digit zero (U+06F0 under fa_IR)
    char16_t decimalSeparator = u'.';
    // Regional month names, full and abbreviated, case-folded as the locale writes them (some
    // end in "."). English names are always understood besides these.
    struct MonthWord
    {
        std::u16string name;
        int month; // [1, 12]
    };
    std::vector<MonthWord> monthWords;
};

// Reads a date typed or built by the program. The three fields are read in the order of the
// code; a month may be a name instead of a number. nullopt when the text is not a date.
std::optional<CalendarDate> ParseDateText(std::u16string_view text, DateOrderCode order,
                                          const DateTextRules &rules);

// A year typed on its own, read as the date parse reads a year field: one to four digits (ASCII
// or the locale's own) between blanks, one or two of them in the window 1930 to 2029. nullopt
// for anything else, a month name included.
std::optional<int> ParseYearText(std::u16string_view text, const DateTextRules &rules);

// A decimal number with blanks around it, an optional sign, at most one decimal separator
// ("." or the regional one) and an optional exponent; digits are ASCII or the locale's own.
// The empty text is no number.
bool IsNumericText(std::u16string_view text, const DateTextRules &rules);

// The number at the start of a text: blanks skipped, "." as decimal point, ASCII or the
// locale's own digits, 0 if none.
double LeadingNumber(std::u16string_view text, char16_t zeroDigit = u'0');

// A number written with a sign position: one blank in front of a number that is not negative.
std::u16string SignPositionText(int number);
