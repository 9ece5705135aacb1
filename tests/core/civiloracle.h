// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plain day-count arithmetic on the proleptic Gregorian calendar (the era-based method), and the
// roz by division: an oracle independent of the program's walks one day at a time.
struct Civil
{
    int year, month, day;
};

// Days since 1 January 1970.
constexpr long DaysFromCivil(Civil c)
{
    const long y = c.year - (c.month <= 2), era = (y >= 0 ? y : y - 399) / 400, yoe = y - era * 400;
    const long doy = (153 * (c.month + (c.month > 2 ? -3 : 9)) + 2) / 5 + c.day - 1;
    return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
}

// And back, from days since 1 January 1970 to the civil date.
constexpr Civil CivilFromDays(long z)
{
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (month <= 2)), month, day};
}

// The roz from the distance to 21 August 2001, roz 1 of month 1: months 1 to 11 hold 30 roz,
// month 12 holds 35, and the year repeats every 365 days.
constexpr int OracleRoz(long days)
{
    const long k = ((days - DaysFromCivil({2001, 8, 21})) % 365 + 365) % 365;
    return k < 330 ? static_cast<int>(k % 30 + 1) : static_cast<int>(k - 329);
}
