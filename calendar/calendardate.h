// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>

// A whole Gregorian day from 1 January 100 to 31 December 9999, without a time of day.
// The roz walks step through millions of these, so a step is a compare and an increment of
// the day field; only the last day of a month touches the month and year.
class CalendarDate
{
public:
    static constexpr int kFirstYear = 100;
    static constexpr int kLastYear = 9999;

    // The checked constructor: nullopt unless day and month form a real date in range.
    static constexpr std::optional<CalendarDate> fromYmd(int year, int month, int day)
    {
        if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || day < 1 ||
            day > daysInMonth(year, month))
            return std::nullopt;
        return CalendarDate(year, month, day);
    }
    static constexpr CalendarDate first() { return CalendarDate(kFirstYear, 1, 1); }
    static constexpr CalendarDate last() { return CalendarDate(kLastYear, 12, 31); }

    constexpr int year() const { return m_year; }
    constexpr int month() const { return m_month; } // [1, 12]
    constexpr int day() const { return m_day; }     // [1, 31]

    // One day later / earlier. Leaving the range is the caller's error.
    constexpr CalendarDate nextDay() const
    {
        if (m_day < 28 || m_day < daysInMonth(m_year, m_month))
            return CalendarDate(m_year, m_month, m_day + 1);
        if (m_month < 12)
            return CalendarDate(m_year, m_month + 1, 1);
        if (m_year == kLastYear)
            throw std::out_of_range("the day after 31 December 9999 is outside the calendar");
        return CalendarDate(m_year + 1, 1, 1);
    }
    constexpr CalendarDate previousDay() const
    {
        if (m_day > 1)
            return CalendarDate(m_year, m_month, m_day - 1);
        if (m_month > 1)
            return CalendarDate(m_year, m_month - 1, daysInMonth(m_year, m_month - 1));
        if (m_year == kFirstYear)
            throw std::out_of_range("the day before 1 January 100 is outside the calendar");
        return CalendarDate(m_year - 1, 12, 31);
    }

    // Packed as yyyymmdd-like bits so that equality and order are one integer compare. (The
    // relational operators are spelled out: Qt's moc cannot read the <compare> header.)
    constexpr bool operator==(const CalendarDate &other) const { return key() == other.key(); }
    constexpr bool operator<(const CalendarDate &other) const { return key() < other.key(); }
    constexpr bool operator<=(const CalendarDate &other) const { return key() <= other.key(); }
    constexpr bool operator>(const CalendarDate &other) const { return key() > other.key(); }
    constexpr bool operator>=(const CalendarDate &other) const { return key() >= other.key(); }

    static constexpr bool isLeapYear(int year)
    {
        return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    }
    static constexpr int daysInMonth(int year, int month)
    {
        constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        return month == 2 && isLeapYear(year) ? 29 : lengths[month - 1];
    }

private:
    constexpr CalendarDate(int year, int month, int day)
        : m_year(static_cast<std::int16_t>(year)), m_month(static_cast<std::uint8_t>(month)),
          m_day(static_cast<std::uint8_t>(day))
    {}
    constexpr std::uint32_t key() const
    {
        return static_cast<std::uint32_t>(m_year) << 16 | static_cast<std::uint32_t>(m_month) << 8 |
               m_day;
    }

    std::int16_t m_year;  // [100, 9999]
    std::uint8_t m_month; // [1, 12]
    std::uint8_t m_day;   // [1, 31]
};

static_assert(sizeof(CalendarDate) == 4, "a date is meant to be passed in one register");
