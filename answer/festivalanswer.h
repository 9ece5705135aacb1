// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/festivals.h"
#include "calendar/names.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <optional>
#include <vector>

struct Place;
struct RegionalSettings;

// A Gregorian month as the command line and the window name it.
struct YearMonth
{
    int year;  // [100, 9999]
    int month; // [1, 12]
};

// "YYYY-MM" exactly, the month within the calendar; nothing else reads as a month.
std::optional<YearMonth> ParseYearMonth(const QString &text);
// The month `count` months after `month` (count may be negative), if still in the calendar.
std::optional<YearMonth> AddMonths(YearMonth month, int count);

// The festivals that begin in a range of Gregorian years, in one reckoning.
struct FestivalsAnswer
{
    Reckoning calendar;
    std::vector<FestivalOccurrence> festivals;
    Script names = Script::English; // another script's: a column of roz names in the text
};

QString toText(const FestivalsAnswer &answer, const RegionalSettings &settings);
QByteArray toJson(const FestivalsAnswer &answer);
// One all-day event per festival. Its identity is the festival, its YZ year and the reckoning,
// so it is the same for any range of years asked for, and importing again updates it.
QByteArray toICalendar(const FestivalsAnswer &answer, const QDateTime &stamp);

QString FestivalName(const Festival &festival);
// "Muktad", or "Muktad, day 3 of 10" after a festival's first day, the day's words kept on one
// line where the label wraps.
QString FestivalDayLabel(const FestivalDay &day);
// "Mah Asfandarmad, Gatha days, Farvardin; YZ 1394, 1395; Shahenshahi": what a month spans,
// each mah's name in another script beside the English.
QString MonthReckoningHeading(const std::vector<DayCell> &cells, Reckoning calendar,
                              Script names = Script::English);
// "Mah Farvardin begins", "YZ 1395 begins" or "Gatha days begin"; empty on other days.
QString BeginningMark(const DayCell &cell, Script names = Script::English);
// The festivals that cover any day of the month, in date order.
std::vector<FestivalOccurrence> FestivalsOfMonth(YearMonth month, Reckoning calendar);

// The month as `cal` lays it out, weeks from the regional first day of the week, a row of roz
// numbers under each row of days, and the month's festivals and the moon's phases below, the
// phases in the local time of `zone`. At a place, each day's sunrise and sunset in two more
// rows, and the phases in its time.
QString MonthText(YearMonth month, Reckoning calendar, const RegionalSettings &settings,
                  Script names = Script::English, const Place *place = nullptr,
                  const QTimeZone &zone = QTimeZone::utc());
