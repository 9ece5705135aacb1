// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a user types, checked once for every front end: the calculator window, the Schedule
// window and the command line read a date, a year and a list alike and say the same words.
#include "answer/answer.h"
#include "calendar/checks.h"

#include <QString>
#include <optional>
#include <variant>
#include <vector>

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
    Script names = Script::English; // the script beside the English in the answer's texts
};

// Why a question cannot be answered, in the window's own words, and the field to blame: the
// core's TypedProblem, its message as the toolkit's text.
struct InputProblem
{
    TypedProblem::Field field;
    QString message;
    TypedProblem::Check check; // for a front end that answers each in its own way
};

// A question whose texts read: the date entered, the date whose roz it has (the day before for
// an event before dawn or sunrise), the value of the year and the sun at the place.
struct CheckedQuestion
{
    CalendarDate entered;
    CalendarDate rozDate;
    double year; // [1, 9999], a fraction allowed
    std::optional<SunAnswer> sun;
};

// The checks in the calculator's order and with its words: the date (the day before the first
// day of the calendar is no date either), the year as a number, the year in range, then the
// sun at the place. A date without sunrise at the place is a problem of the date.
std::variant<CheckedQuestion, InputProblem> Check(const Question &question,
                                                  const RegionalSettings &settings);
// The checks, then Calculate and, for a schedule, MakeSchedule.
std::variant<Answer, InputProblem> Ask(const Question &question, const RegionalSettings &settings);

// "Please Enter the Time as HH:MM, such as 07:30", for a time of the event that does not read.
QString InvalidTimeMessage();
// "Please Enter the Days as numbers from 1 to 36500, such as 4, 10, 30", for a schedule's days.
QString InvalidDaysMessage();
// "&Between midnight and 6 AM (the roz of the day before)", the before-dawn tick beside a
// schedule's date, with its access key.
QString BeforeDawnCaption();
// "( Optional: the roz then goes by sunrise at the place )", the hint beside a time field.
QString TimeHintCaption();
// "The calendar file PATH cannot be written: REASON", as a window says it.
QString UnwritableFileMessage(const QString &what, const QString &path, const QString &reason);

// A person's name as typed without its control characters, its blanks single and trimmed.
QString PersonName(const QString &typed);

// A list of whole numbers such as "4, 10, 30", each in [low, high]; the empty text is the empty
// list. nullopt when any item does not read.
std::optional<std::vector<int>> NumberList(const QString &text, int low, int high);
// An entry's number in the family register, as typed: digits only, 1 or more.
std::optional<qint64> ReadId(const QString &text);
// A decimal number in [low, high], as typed: no sign other than '-', no blanks, no grouping.
std::optional<int> ParseNumberIn(const QString &text, int low, int high);
