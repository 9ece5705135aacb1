// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/checks.h"

#include "calendar/roz.h"

#include <algorithm>

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

namespace {

// The blanks of Unicode: its spaces and line and paragraph separators, and the ASCII controls
// that stand for them.
bool IsBlank(char32_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r') || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

std::u16string_view Trimmed(std::u16string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<std::vector<int>> ReadNumberList(std::u16string_view text, int low, int high)
{
    std::vector<int> numbers;
    if (Trimmed(text).empty())
        return numbers;
    while (true) {
        const std::size_t comma = text.find(u',');
        std::u16string_view item = Trimmed(text.substr(0, comma));
        const bool negative = !item.empty() && item.front() == u'-';
        if (!item.empty() && (item.front() == u'+' || item.front() == u'-'))
            item.remove_prefix(1);
        if (item.empty())
            return std::nullopt;
        long long value = 0;
        for (char16_t c : item) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
            // Past any bound a list may ask for; stops before the sum could overflow.
            value = std::min(value * 10 + (c - u'0'), 100000000000LL);
        }
        if (negative)
            value = -value;
        if (value < low || value > high)
            return std::nullopt;
        numbers.push_back(int(value));
        if (comma == std::u16string_view::npos)
            return numbers;
        text.remove_prefix(comma + 1);
    }
}

std::string PersonNameOf(std::string_view typed)
{
    std::string name;
    bool blank = false;
    for (std::size_t i = 0; i < typed.size();) {
        const unsigned char lead = static_cast<unsigned char>(typed[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::string_view bytes = typed.substr(i, length);
        i += length;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < bytes.size(); ++k)
            c = c << 6 | (static_cast<unsigned char>(bytes[k]) & 0x3F);
        if (IsBlank(c)) {
            blank = !name.empty();
            continue;
        }
        // A control character would cut the name short in a calendar file, or break a line.
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            continue;
        if (blank)
            name += ' ';
        blank = false;
        name += bytes;
    }
    return name;
}
