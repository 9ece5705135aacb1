// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/checks.h"

#include "calendar/roz.h"

std::string_view DateFormatHint(DateOrderCode order)
{
    if (order == kDayMonthYear)
        return "dd-mm-yyyy";
    if (order == kMonthDayYear)
        return "mm-dd-yyyy";
    return "yyyy-mm-dd";
}

std::string InvalidDateMessage(DateOrderCode order)
{
    return "Please Enter a Valid date in the Format: " + std::string(DateFormatHint(order));
}

std::string DateHintCaption(DateOrderCode order)
{
    return "( In the Format " + std::string(DateFormatHint(order)) + " )";
}

std::variant<TypedDates, TypedProblem> CheckTyped(std::u16string_view dateText, DateOrderCode order,
                                                  bool beforeDawn, bool atPlace,
                                                  std::u16string_view yearText,
                                                  const DateTextRules &rules)
{
    const std::optional<CalendarDate> entered = ParseDateText(dateText, order, rules);
    // Without a place the before-dawn shift is settled with the date: the day before the first
    // day of the calendar is refused as an invalid date rather than failing half-way through.
    std::optional<CalendarDate> rozDate;
    if (entered && !atPlace)
        rozDate = BeforeDawnShift(*entered, beforeDawn);
    if (!entered || (!atPlace && !rozDate))
        return TypedProblem{TypedProblem::Date, TypedProblem::NotADate, InvalidDateMessage(order)};
    if (!IsNumericText(yearText, rules))
        return TypedProblem{TypedProblem::Year, TypedProblem::YearNotANumber,
                            std::string(kInvalidYearMessage)};
    const double year = LeadingNumber(yearText, rules.zeroDigit);
    if (year < 1 || year > 9999)
        return TypedProblem{TypedProblem::Year, TypedProblem::YearOutOfRange,
                            std::string(kYearRangeMessage)};
    return TypedDates{*entered, rozDate, year};
}
