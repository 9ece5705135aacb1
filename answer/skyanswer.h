// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sun and the moon of the days a month or a calendar shows, in the local time of a place,
// as the command line, the wall calendar and the Calendar window write them.
#include "answer/festivalanswer.h"
#include "calendar/moon.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

struct Place;
class QPainter;
class QRectF;
class QTimeZone;

// A principal phase at its local time.
struct LocalPhase
{
    MoonPhase phase;
    QDateTime at; // in the zone asked for, to the minute
};

// The phases from the first moment of `first` to the first moment of the month `months` later,
// local time in `zone`; the months past December 9999 are left out.
std::vector<LocalPhase> PhasesOfMonths(YearMonth first, int months, const QTimeZone &zone);

QString PhaseName(MoonPhase phase); // "Full moon"
// The phase's disc in the square `disc`, in the painter's pen: the dark part filled, as
// printed calendars draw it (the first quarter lit on the right).
void DrawPhase(QPainter &painter, const QRectF &disc, MoonPhase phase);

// A line a phase: "Full moon      Sat 03-Jan-2026 15:33".
QString MoonText(const std::vector<LocalPhase> &phases, const RegionalSettings &settings);
// [{"phase": "full", "time": "2026-01-03T15:33+05:30", "date": "2026-01-03"}, ...]
QByteArray MoonJson(const std::vector<LocalPhase> &phases);

// A day's sunrise and sunset at the place as "H:MM", or "-" where the sun does not rise or
// set that day.
struct SunClocks
{
    QString rise;
    QString set;
};
SunClocks SunClocksOn(CalendarDate date, const Place &place);
QString SunLine(const SunClocks &sun); // "rise 7:04  set 18:12"

// The moon of a local day: "Full moon at 15:33, 100% lit" on a phase's day, otherwise its
// waxing or waning shape and how much of it is lit at noon, "Waxing crescent, 23% lit".
QString MoonOfDay(CalendarDate date, const QTimeZone &zone);
