// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every command of dalvane-cli shares: the table of commands, printing, the two kinds of
// error and the reading of options. Standard output carries the answer and nothing else;
// messages go to standard error; the exit status is 0 for an answer, 1 for bad input and 2 for
// bad usage.
#include "answer/festivalanswer.h"
#include "calendar/names.h"
#include "calendar/reckonings.h"
#include "platform/placetime.h"

#include <QCommandLineOption>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <functional>
#include <optional>
#include <span>
#include <vector>

class QByteArray;
class QCommandLineParser;
class QIODevice;

// A command: the first operand that names it, a line for the main help, and what runs it with
// the whole command line; it gives the exit status. The calculation of a date has no name.
struct Command
{
    const char *name;
    const char *help;
    int (*run)(const QStringList &arguments);
    bool drawsPages; // needs fonts and a paint engine, though never a display
};

std::span<const Command> Commands();
const Command &CommandNamed(const char *name); // the calculation of a date for any other name
// "  dalvane-cli schedule   a schedule of observances of DATE", a line per named command.
QString CommandList();
// "Commands, each with its own --help:" and the lines of a table of commands.
QString CommandsHelp(const QStringList &lines);

int RozCommand(const QStringList &arguments);
int ScheduleCommand(const QStringList &arguments);
int PlacesCommand(const QStringList &arguments);
int FestivalsCommand(const QStringList &arguments);
int MonthCommand(const QStringList &arguments);
int CalendarCommand(const QStringList &arguments);
int FamilyCommand(const QStringList &arguments);
int MoonCommand(const QStringList &arguments);

void Print(FILE *stream, const QString &text);
void Print(FILE *stream, const QByteArray &bytes);
// Bad usage: "dalvane-cli: PROBLEM" and the usage on standard error; status 2.
int UsageError(const QCommandLineParser &parser, const QString &problem);
// Bad input: the message on standard error; status 1.
int InputError(const QString &message);

// Parses the arguments with the command's options declared; the exit status when the run ends
// here (help, version or bad usage), nullopt to go on. A named command's parser takes its name
// as the first operand.
std::optional<int> Parse(QCommandLineParser &parser, const QStringList &arguments);

// --json, and --remind with --ics: the same words for every command that has them.
QCommandLineOption JsonOption();
QCommandLineOption RemindOption();

// --calendar, Shahenshahi by default.
QCommandLineOption CalendarOption();
std::optional<Reckoning> ReadCalendar(const QCommandLineParser &parser);
QString CalendarUsage(); // what --calendar takes

// The options of an event's hour: --before-dawn, or --time at --place; and --order, the order
// DATE is typed in. Written once for every command that reads a date.
QCommandLineOption BeforeDawnOption();
QCommandLineOption TimeOption();
QCommandLineOption PlaceOption();
QCommandLineOption OrderOption();
// Reads --time and --place as the sunrise rule needs them; the bad usage in words, or an empty
// text.
QString ReadSunOptions(const QCommandLineParser &parser, std::optional<QTime> *time,
                       std::optional<Place> *place);
// Reads --order into `order`, which keeps its value when it is not given; the bad usage, or an
// empty text.
QString ReadOrder(const QCommandLineParser &parser, DateOrderCode *order);
QString TimeNeedsPlaceUsage();
QString JsonWithIcsUsage();
QString DaysUsage();
// --names, English by default: the script whose names stand beside the English.
QCommandLineOption NamesOption();
std::optional<Script> ReadNames(const QCommandLineParser &parser);
QString NamesUsage(); // what --names takes

// What --place takes, in the words of the option's help (PLACE is a name from `dalvane-cli
// places` or LAT,LON,ZONE), and why a text given is no place.
QString PlaceHelp();
QString PlaceUsage(const QString &problem);
// The place of a --place option: nullopt when not given; `problem` set when it is no place.
std::optional<Place> ReadPlaceOption(const QCommandLineParser &parser,
                                     const QCommandLineOption &option, QString *problem);

// A number option in [low, high], or the text that says what it takes.
struct NumberRead
{
    std::optional<int> value; // nullopt when not given and without a default
    QString problem;
};
NumberRead ReadNumber(const QCommandLineParser &parser, const QCommandLineOption &option, int low,
                      int high);

// --from YYYY-MM and --months N (1 to `most`): the months asked for, which all lie in the
// calendar, or the bad usage in words.
struct MonthsRead
{
    YearMonth first;
    int count;
    QString problem;
};
MonthsRead ReadMonths(const QCommandLineParser &parser, const QCommandLineOption &from,
                      const QCommandLineOption &months, int most, YearMonth byDefault);

// Writes to standard output for "-", otherwise the file whole; status 1 with the reason when it
// cannot be written.
int WriteOut(const QString &path, const std::function<bool(QIODevice &)> &write);
int WriteOut(const QString &path, const QByteArray &data);
