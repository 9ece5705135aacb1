// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/datetext.h"

#include <cmath>
#include <cstdlib>

namespace {

// Blanks are skipped around fields. Besides the space this takes the no-break spaces and the
// direction marks that some locales (fa_IR, ar) write into their own dates.
bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u202F' || c == u'\u200E' ||
           c == u'\u200F' || c == u'\u061C';
}

void skipBlanks(std::u16string_view &text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
}

std::u16string_view trimmed(std::u16string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The value of an ASCII digit or of one of the locale's own digits; -1 for anything else.
int digitValue(char16_t c, char16_t zeroDigit)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (zeroDigit != u'0' && c >= zeroDigit && c <= zeroDigit + 9)
        return c - zeroDigit;
    return -1;
}

constexpr std::u16string_view kEnglishMonths[12][2] = {
    {u"january", u"jan"},   {u"february", u"feb"}, {u"march", u"mar"},    {u"april", u"apr"},
    {u"may", u"may"},       {u"june", u"jun"},     {u"july", u"jul"},     {u"august", u"aug"},
    {u"september", u"sep"}, {u"october", u"oct"},  {u"november", u"nov"}, {u"december", u"dec"},
};

std::u16string_view withoutFinalDot(std::u16string_view name)
{
    if (!name.empty() && name.back() == u'.')
        name.remove_suffix(1);
    return name;
}

bool sameAsciiFolded(std::u16string_view field, std::u16string_view name)
{
    if (field.size() != name.size())
        return false;
    for (size_t i = 0; i < field.size(); ++i) {
        char16_t c = field[i];
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
        if (c != name[i])
            return false;
    }
    return true;
}

// The month a name field stands for, or 0. A final "." is optional on both sides, so "Aug",
// "aug." and the German "Aug." all read as August.
int monthOfName(std::u16string_view field, const DateTextRules &rules)
{
    field = withoutFinalDot(field);
    if (field.empty())
        return 0;
    for (const auto &word : rules.monthWords) {
        if (sameAsciiFolded(field, withoutFinalDot(word.name)))
            return word.month;
    }
    for (int m = 0; m < 12; ++m) {
        if (sameAsciiFolded(field, kEnglishMonths[m][0]) ||
            sameAsciiFolded(field, kEnglishMonths[m][1]))
            return m + 1;
    }
    if (sameAsciiFolded(field, u"sept"))
        return 9;
    return 0;
}

struct Field
{
    std::u16string_view text;
    int value = -1; // the number, when every character is a digit
    int digits = 0; // how many digits it was written with
    int month = 0;  // the month, when it is a month name
};

// A field that is all digits, at most four of them; value stays -1 otherwise.
void readNumber(Field &field, char16_t zeroDigit)
{
    if (field.text.empty() || field.text.size() > 4)
        return;
    int value = 0;
    for (char16_t c : field.text) {
        const int digit = digitValue(c, zeroDigit);
        if (digit < 0)
            return;
        value = value * 10 + digit;
    }
    field.value = value;
    field.digits = static_cast<int>(field.text.size());
}

// A year of one or two digits lies in a hundred-year window, 1930 to 2029.
int fullYear(const Field &field)
{
    if (field.digits <= 2)
        return field.value < 30 ? 2000 + field.value : 1900 + field.value;
    return field.value;
}

// Splits a date text into its three fields: numbers or a month name, apart by blanks and at
// most one separator ("-", "/" or the regional one). false when it is not three such fields.
bool ReadFields(std::u16string_view text, const DateTextRules &rules, Field (&fields)[3])
{
    const std::u16string_view regional = trimmed(rules.separator);
    auto separatorAt = [&](std::u16string_view rest) -> size_t {
        if (rest.empty())
            return 0;
        if (rest.front() == u'-' || rest.front() == u'/')
            return 1;
        if (!regional.empty() && rest.substr(0, regional.size()) == regional)
            return regional.size();
        return 0;
    };

    text = trimmed(text);
    int count = 0;
    while (!text.empty()) {
        if (count == 3)
            return false; // a fourth field
        size_t length = 0;
        while (length < text.size() && !isBlank(text[length]) &&
               separatorAt(text.substr(length)) == 0)
            ++length;
        Field &field = fields[count++];
        field.text = text.substr(0, length);
        text.remove_prefix(length);
        if (field.text.empty())
            return false; // two separators in a row
        readNumber(field, rules.zeroDigit);
        if (field.value < 0) {
            // A month name may keep its abbreviation dot even where "." also separates fields.
            if (!text.empty() && text.front() == u'.' && field.text.back() != u'.' &&
                (text.size() == 1 || isBlank(text[1]) || separatorAt(text.substr(1)) != 0)) {
                field.text = std::u16string_view(field.text.data(), field.text.size() + 1);
                text.remove_prefix(1);
            }
            field.month = monthOfName(field.text, rules);
            if (field.month == 0)
                return false; // stray letters, a time of day, a number too long
        }
        // Between two fields: blanks, at most one separator, blanks; at least one of them.
        const size_t before = text.size();
        skipBlanks(text);
        if (const size_t separator = separatorAt(text)) {
            text.remove_prefix(separator);
            skipBlanks(text);
        }
        if (text.size() == before && !text.empty())
            return false; // fields run together
        if (text.size() != before && text.empty())
            return false; // a trailing separator
    }
    return count == 3;
}

// The date three fields name in a date order; a month name takes the month's place whatever
// the order.
std::optional<CalendarDate> DateOfFields(const Field (&fields)[3], DateOrderCode order)
{
    const Field *day = nullptr;
    const Field *month = nullptr;
    const Field *year = nullptr;
    int names = 0;
    for (const Field &field : fields)
        names += field.month != 0;
    if (names > 1)
        return std::nullopt;
    if (names == 1) {
        // The name is the month; the two numbers keep the order of day and year.
        const Field *numbers[2];
        int n = 0;
        for (const Field &field : fields) {
            if (field.month != 0)
                month = &field;
            else
                numbers[n++] = &field;
        }
        // A number of three or four digits can only be the year, so the program's own echo
        // "20-Aug-2001" reads back under every order.
        bool yearFirst = order != kDayMonthYear && order != kMonthDayYear;
        if (numbers[0]->digits > 2 && numbers[1]->digits <= 2)
            yearFirst = true;
        else if (numbers[1]->digits > 2 && numbers[0]->digits <= 2)
            yearFirst = false;
        day = numbers[yearFirst ? 1 : 0];
        year = numbers[yearFirst ? 0 : 1];
    } else if (order == kDayMonthYear) {
        day = &fields[0], month = &fields[1], year = &fields[2];
    } else if (order == kMonthDayYear) {
        month = &fields[0], day = &fields[1], year = &fields[2];
    } else {
        year = &fields[0], month = &fields[1], day = &fields[2];
    }

    if (day->digits > 2 || (month->month == 0 && month->digits > 2))
        return std::nullopt;
    const int monthNumber = month->month != 0 ? month->month : month->value;
    return CalendarDate::fromYmd(fullYear(*year), monthNumber, day->value);
}

} // namespace

std::optional<int> ParseYearText(std::u16string_view text, const DateTextRules &rules)
{
    Field field;
    field.text = trimmed(text);
    readNumber(field, rules.zeroDigit);
    if (field.value < 0)
        return std::nullopt;
    return fullYear(field);
}

std::optional<CalendarDate> ParseDateText(std::u16string_view text, DateOrderCode order,
                                          const DateTextRules &rules)
{
    Field fields[3];
    if (!ReadFields(text, rules, fields))
        return std::nullopt;
    return DateOfFields(fields, order);
}

bool IsNumericText(std::u16string_view text, const DateTextRules &rules)
{
    text = trimmed(text);
    size_t i = 0;
    auto digitsFrom = [&] {
        const size_t start = i;
        while (i < text.size() && digitValue(text[i], rules.zeroDigit) >= 0)
            ++i;
        return i - start;
    };
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    size_t mantissa = digitsFrom();
    if (i < text.size() && (text[i] == u'.' || text[i] == rules.decimalSeparator)) {
        ++i;
        mantissa += digitsFrom();
    }
    if (mantissa == 0)
        return false;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        if (digitsFrom() == 0)
            return false;
    }
    return i == text.size();
}

double LeadingNumber(std::u16string_view text, char16_t zeroDigit)
{
    // Blanks anywhere in the number are skipped, as the classic Val does: "2 005" is 2005. The
    // locale's own digits count as the digits they are, as they do in a typed date.
    std::string ascii;
    for (char16_t c : text) {
        if (isBlank(c) || c == u'\n' || c == u'\r')
            continue;
        if (const int digit = digitValue(c, zeroDigit); digit >= 0) {
            ascii.push_back(static_cast<char>('0' + digit));
            continue;
        }
        if (c > 0x7F)
            break;
        ascii.push_back(static_cast<char>(c));
    }
    size_t i = 0;
    std::string number;
    auto take = [&](auto accept) {
        while (i < ascii.size() && accept(ascii[i]))
            number.push_back(ascii[i++]);
    };
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-'))
        number.push_back(ascii[i++]);
    take(isDigit);
    if (i < ascii.size() && ascii[i] == '.') {
        number.push_back(ascii[i++]);
        take(isDigit);
    }
    if (number.find_first_of("0123456789") == std::string::npos)
        return 0;
    if (i + 1 < ascii.size() && (ascii[i] == 'e' || ascii[i] == 'E')) {
        size_t j = i + 1;
        if (ascii[j] == '+' || ascii[j] == '-')
            ++j;
        if (j < ascii.size() && isDigit(ascii[j])) {
            number.append(ascii, i, j - i);
            i = j;
            take(isDigit);
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

std::u16string SignPositionText(int number)
{
    std::u16string digits;
    unsigned magnitude = number < 0 ? 0u - static_cast<unsigned>(number) : number;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    digits.insert(digits.begin(), number < 0 ? u'-' : u' ');
    return digits;
}
