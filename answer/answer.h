// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "placetime.h"
#include "reckonings.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

struct RegionalSettings;

// The sun at the place of the event on the entered date, and with a time of day where that time
// fell: the sunrise rule reckons an event before sunrise on the day before.
struct SunAnswer
{
    Place place;
    QDateTime sunrise; // local time at the place
    QDateTime sunset;
    std::optional<QTime> time; // as given, local
    Gah gah;                   // with a time only
    bool beforeSunrise;        // with a time only
};

// Everything one calculation answers, as plain values; a schedule adds its observances.
struct Answer
{
    CalendarDate entered;
    CalendarDate reckoning; // the day before the entered one for an event before dawn
    Reckoning calendar;
    ZoroastrianDay day;
    QString yearText; // as given
    std::optional<CalendarDate> sameRozDate;
    std::optional<std::vector<Observance>> observances;
    QString person; // whose observances these are; empty when no name was given
    std::optional<SunAnswer> sun;
};

// The sun of the entered date at the place, and the Gah and the side of sunrise of a time;
// nullopt when the sun does not rise or does not set that day there, with `problem` naming
// the place and the date. The reckoning date is then BeforeDawnShift(entered, beforeSunrise).
std::optional<SunAnswer> SunAnswerFor(const Place &place, CalendarDate entered,
                                      std::optional<QTime> time, Reckoning calendar,
                                      const RegionalSettings &settings, QString *problem);

// The single calculation: the window's roz walk for Shahenshahi, day arithmetic for the mah,
// the year and the other reckonings.
Answer Calculate(CalendarDate entered, CalendarDate reckoning, Reckoning calendar,
                 const QString &yearText, DateOrderCode order, const RegionalSettings &settings);

QString CalendarName(Reckoning calendar); // "shahenshahi", "kadmi" or "fasli"
std::optional<Reckoning> ReckoningNamed(const QString &name);

// The single answer in lines, or the schedule as a table for a terminal.
QString toText(const Answer &answer, const RegionalSettings &settings);
QByteArray toJson(const Answer &answer);
// One all-day event per observance of a schedule's answer. The stamp is the time of writing,
// which RFC 5545 asks of every event; a reminder, when asked for, that many days before.
// The built-in places, one a line, or as a JSON list of place objects.
QString PlacesText();
QByteArray PlacesJson();
QByteArray toICalendar(const Answer &answer, const QDateTime &stamp, std::optional<int> remindDays);
