// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/names.h"
#include "calendar/observancetext.h"
#include "calendar/reckonings.h"
#include "platform/placetime.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QVariant>
#include <optional>
#include <span>
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
    // The date whose roz is given: the entered one, or the day before it for an event before dawn.
    CalendarDate rozDate;
    Reckoning calendar;
    ZoroastrianDay day;
    QString yearText; // as given
    std::optional<CalendarDate> sameRozDate;
    std::optional<std::vector<Observance>> observances;
    QString person; // whose observances these are; empty when no name was given
    // What the yearly observance is called where it is not a death's ("Roz birthday"); empty
    // for a death's, which is the year's.
    QString yearlyName;
    std::optional<SunAnswer> sun;
    Script names = Script::English; // whose names stand beside the English in the texts
};

// The sun of the entered date at the place, and the Gah and the side of sunrise of a time;
// nullopt when the sun does not rise or does not set that day there, with `problem` naming
// the place and the date. The roz date is then BeforeDawnShift(entered, beforeSunrise).
std::optional<SunAnswer> SunAnswerFor(const Place &place, CalendarDate entered,
                                      std::optional<QTime> time, Reckoning calendar,
                                      const RegionalSettings &settings, QString *problem);

// The single calculation: the window's roz walk for Shahenshahi, day arithmetic for the mah,
// the year and the other reckonings.
Answer Calculate(CalendarDate entered, CalendarDate rozDate, Reckoning calendar,
                 const QString &yearText, DateOrderCode order, const RegionalSettings &settings);

QString CalendarName(Reckoning calendar);  // "shahenshahi", "kadmi" or "fasli"
QString CalendarTitle(Reckoning calendar); // "Shahenshahi", "Kadmi" or "Fasli"

// The scripts --names and the Calendar window's Names choose from: "english", "gujarati" and
// "persian", and each script's own name for itself ("English", "ગુજરાતી", "فارسی").
std::optional<Script> ScriptNamed(const QString &key);
QString ScriptKey(Script script);
QString ScriptTitle(Script script);
QString ScriptKeys(); // "english, gujarati or persian", for a usage line
// The font family that holds the script's letters (Debian's fonts-noto-ui-core), named first where
// its names are drawn so that they never depend on which fonts the system falls back to.
QString ScriptFamily(Script script);

// The texts of one observance, as every listing of a schedule writes them: calendar/'s own, in
// the toolkit's strings. The names of another script stand beside the English ("VAHISHTOIST
// (35) વહીસ્તોઈસ્ત").
QString ObservanceKindName(ObservanceKind kind); // "year", "month" or "day"
// "Day 4", "Month 3", "Year 2027", or "Roz birthday 2027" for a birth's yearly observance;
// "Year 2026 (month 12)" where it stands for another on its day.
QString ObservanceLabel(const Observance &entry, const Answer &answer);
QString RozText(const ZoroastrianDay &day, Script names = Script::English); // "VAHISHTOIST (35)"
// "Farvardin", or "-" on a day of no mah
QString MahText(const ZoroastrianDay &day, Script names = Script::English);
// "Mah Farvardin", or "No mah (Gatha days)"
QString MahLabel(const ZoroastrianDay &day, Script names = Script::English);
// How a Gatha day's monthly observance is kept, for an entry of the schedule of `own`; empty
// for every other entry.
QString ObservanceNote(const Observance &entry, const ZoroastrianDay &own);
// One column of a schedule's table, the same in the window, the printout and the terminal: its
// title, an observance's text in it, and what it sorts by (dates and numbers as what they stand
// for, not as text).
struct ObservanceColumn
{
    const char *title;
    QString (*text)(const Observance &entry, const Answer &answer,
                    const RegionalSettings &settings);
    QVariant (*sortKey)(const Observance &entry, const Answer &answer);
};
// Observance, Date (the regional long date), Roz, Mah, YZ and Note.
std::span<const ObservanceColumn> ObservanceColumns();
// The table's rows, titles first, as a terminal shows them.
std::vector<QStringList> ObservanceRows(const Answer &answer, const RegionalSettings &settings);
// "20-Aug-2001: VAHISHTOIST (35), No mah (Gatha days), YZ 1370, Shahenshahi", the schedule's
// first line; the summary adds the roz's meaning as a second, and the sunrise rule's line
// when a place was given.
QString ScheduleHeading(const Answer &answer, const RegionalSettings &settings);
QString ScheduleSummary(const Answer &answer, const RegionalSettings &settings);
// The date of the same roz and mah in the year asked about, in the regional long date, or
// "Cannot be Calculated".
QString SameRozText(const std::optional<CalendarDate> &date, const RegionalSettings &settings);
std::optional<Reckoning> ReckoningNamed(const QString &name);

// The single answer in lines, or the schedule as a table for a terminal.
QString toText(const Answer &answer, const RegionalSettings &settings);
QByteArray toJson(const Answer &answer);
// A day's roz, name, mah, mah_name and yz_year, as every JSON answer gives them.
QJsonObject DayObject(const ZoroastrianDay &day);
// One observance as the JSON of a schedule lists it: kind, n, date, the roz and mah, the note,
// and `also`, the observances it stands for.
QJsonObject ObservanceObject(const Observance &entry, const Answer &answer);
// The built-in places, one a line, or as a JSON list of place objects.
QString PlacesText();
QByteArray PlacesJson();
// One all-day event per observance of a schedule's answer. The stamp is the time of writing,
// which RFC 5545 asks of every event; a reminder, when asked for, that many days before.
QByteArray toICalendar(const Answer &answer, const QDateTime &stamp, std::optional<int> remindDays);
// The same events into a calendar file being made, beside other answers' events.
void AddObservanceEvents(std::vector<core::CalendarEvent> &events, const Answer &answer,
                         std::optional<int> remindDays);
// A calendar file of the events, stamped with the time of writing.
QByteArray CalendarFileBytes(const std::vector<core::CalendarEvent> &events,
                             const QDateTime &stamp);
