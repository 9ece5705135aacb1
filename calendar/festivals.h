// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/reckonings.h"

#include <span>
#include <string_view>
#include <vector>

// How far a festival runs from its first day.
enum class FestivalSpan
{
    Days,      // a fixed number of days from its roz and mah
    ToYearEnd, // from its roz to the last day of the year, Avardad-sal-gah included
    LastDay,   // the last day of the year alone: roz 35, or 36 where the year has it
    March21,   // 21 March of every Gregorian year, in the 365-day reckonings only
};

struct Festival
{
    std::string_view key;  // stable and unique, for calendar identities: "dae-jashan-8"
    std::string_view name; // as every output writes it
    int roz;               // the first day's roz [1, 35]; 31 is the first Gatha day
    int mah;               // [1, 12], or 0 for a Gatha day and the ones not fixed by roz
    int days;              // in a 365-day year
    FestivalSpan span;
};

// The year's festivals in the order of their first days in a 365-day year.
std::span<const Festival> Festivals();

struct FestivalOccurrence
{
    const Festival *festival;
    CalendarDate first;
    int days;           // Muktad and Hamaspathmaedem take one more in a Fasli year with roz 36
    ZoroastrianDay day; // of the first day
};

// Every festival whose first day lies in the Gregorian years [fromYear, fromYear + years - 1],
// in date order (the table's order on one date). Days outside the calendar are left out.
std::vector<FestivalOccurrence> FestivalsBeginningIn(int fromYear, int years, Reckoning reckoning);

// A festival that covers a date: which of its days the date is.
struct FestivalDay
{
    const Festival *festival;
    int dayOf; // [1, days]
    int days;
};

// A month view's cell: the date's day, the festivals covering it, and whether a mah, the Gatha
// days or a year begins on it. Day arithmetic only, so a repaint can ask it of every cell.
struct DayCell
{
    CalendarDate date;
    ZoroastrianDay day;
    std::vector<FestivalDay> festivals;
    bool mahBegins;  // roz 1, or the first Gatha day
    bool yearBegins; // roz 1 of mah 1
};

DayCell CellOf(CalendarDate date, Reckoning reckoning);
// Every day of a Gregorian month, 1 to its last.
std::vector<DayCell> MonthCells(int year, int month, Reckoning reckoning);
