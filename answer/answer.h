// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "placetime.h"
#include "reckonings.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

class QPagedPaintDevice;
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

// What the user asks, as typed: a date and a year, and for a schedule what it lists.
struct Question
{
    QString dateText; // trimmed
    DateOrderCode order = kYearMonthDay;
    bool beforeDawn = false;
    Reckoning calendar = Reckoning::Shahenshahi;
    QString yearText;                        // the year asked about; a schedule's first year
    std::optional<ScheduleRequest> schedule; // its years are filled in from yearText and yearCount
    int yearCount = 10;
    QString person;
    // Where the event was, for sunrise and sunset; with a time the sunrise rule replaces the
    // before-dawn flag.
    std::optional<Place> place;
    std::optional<QTime> time;
};

// Why a question cannot be answered, in the window's own words, and the field to blame.
struct InputProblem
{
    enum Field
    {
        Date,
        Year,
    } field;
    QString message;
};

// The checks the window's Calculate makes, in its order and with its words, then Calculate and,
// for a schedule, MakeSchedule. A date without sunrise at the place is a problem of the date.
std::variant<Answer, InputProblem> Ask(const Question &question, const RegionalSettings &settings);

// A person's name as typed without its control characters, its blanks single and trimmed.
QString PersonName(const QString &typed);

// A list of whole numbers such as "4, 10, 30", each in [low, high]; the empty text is the empty
// list. nullopt when any item does not read.
std::optional<std::vector<int>> NumberList(const QString &text, int low, int high);

QString CalendarName(Reckoning calendar);  // "shahenshahi", "kadmi" or "fasli"
QString CalendarTitle(Reckoning calendar); // "Shahenshahi", "Kadmi" or "Fasli"

// The texts of one observance, as every listing of a schedule writes them.
QString ObservanceLabel(const Observance &entry); // "Day 4", "Month 3", "Year 2027"
QString RozText(const ZoroastrianDay &day);       // "VAHISHTOIST (35)"
QString MahText(const ZoroastrianDay &day);       // "Farvardin", or "-" on a day of no mah
// How a Gatha day's monthly observance is kept, for an entry of the schedule of `own`; empty
// for every other entry.
QString ObservanceNote(const Observance &entry, const ZoroastrianDay &own);
// The columns of the window's table and of the printout: Observance, Date (the regional long
// date), Roz, Mah, YZ and Note.
QStringList ObservanceColumnTitles();
QStringList ObservanceColumns(const Observance &entry, const Answer &answer,
                              const RegionalSettings &settings);
// "20-Aug-2001: VAHISHTOIST (35), No mah (Gatha days), YZ 1370, Shahenshahi", the schedule's
// first line; the summary adds the roz's meaning as a second, and the sunrise rule's line
// when a place was given.
QString ScheduleHeading(const Answer &answer, const RegionalSettings &settings);
QString ScheduleSummary(const Answer &answer, const RegionalSettings &settings);
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
// A schedule's printout: its person and reckoning as heading, the summary and the table, page
// after page on a printer or a PDF writer.
void PrintSchedule(QPagedPaintDevice &device, const Answer &answer,
                   const RegionalSettings &settings);
