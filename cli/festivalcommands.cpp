// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// `festivals`, `month` and `calendar`: the year's festivals, a month with its roz, and the wall
// calendar.
#include "answer/festivalanswer.h"
#include "answer/wallcalendar.h"
#include "cli/cli.h"
#include "platform/regional.h"

#include <QCommandLineParser>
#include <QPdfWriter>
#include <variant>

namespace {

// A festival command's parser: help, the reckoning and the command's name as first operand.
void Declare(QCommandLineParser &parser, const QString &command, const QString &description)
{
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addOption(CalendarOption());
    parser.addPositionalArgument(command, QStringLiteral("The command."));
}

// Parses the command line once the command's options are declared: the reckoning, or the exit
// status when the run ends here (help, or bad usage).
std::variant<Reckoning, int> ParseReckoning(QCommandLineParser &parser,
                                            const QStringList &arguments)
{
    if (const std::optional<int> status = Parse(parser, arguments))
        return *status;
    if (const std::optional<Reckoning> reckoning = ReadCalendar(parser))
        return *reckoning;
    return UsageError(parser, CalendarUsage());
}

} // namespace

int FestivalsCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    Declare(parser, QStringLiteral("festivals"),
            QStringLiteral(
                "The festivals that begin in the Gregorian years asked for, in date order."));
    const QCommandLineOption from(QStringLiteral("from"),
                                  QStringLiteral("The first Gregorian year, 100 to 9999 (the "
                                                 "current year by default)."),
                                  QStringLiteral("YEAR"));
    const QCommandLineOption years(QStringLiteral("years"),
                                   QStringLiteral("How many years: 1 to 1000 (1)."),
                                   QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption json = JsonOption();
    const QCommandLineOption ics(QStringLiteral("ics"),
                                 QStringLiteral("Write the festivals as an iCalendar file to "
                                                "import into a calendar (- for standard output)."),
                                 QStringLiteral("FILE"));
    parser.addOptions({from, years, json, ics});
    const std::variant<Reckoning, int> parsed = ParseReckoning(parser, arguments);
    if (const int *status = std::get_if<int>(&parsed))
        return *status;
    const NumberRead first =
        parser.isSet(from) ? ReadNumber(parser, from, 100, 9999) : NumberRead{Today().year(), {}};
    if (!first.value)
        return UsageError(parser, QStringLiteral("--from takes a year from 100 to 9999"));
    const NumberRead count = ReadNumber(parser, years, 1, 1000);
    if (!count.value)
        return UsageError(parser, count.problem);
    if (parser.isSet(json) && parser.isSet(ics))
        return UsageError(parser, JsonWithIcsUsage());
    if (parser.positionalArguments().size() != 1)
        return UsageError(parser, QStringLiteral("festivals takes no operand"));

    const Reckoning calendar = std::get<Reckoning>(parsed);
    const FestivalsAnswer answer{calendar,
                                 FestivalsBeginningIn(*first.value, *count.value, calendar)};
    if (parser.isSet(ics))
        return WriteOut(parser.value(ics), toICalendar(answer, QDateTime::currentDateTimeUtc()));
    Print(stdout, parser.isSet(json) ? toJson(answer)
                                     : toText(answer, RegionalSettings::fromLocale()).toUtf8());
    return 0;
}

int MonthCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    Declare(
        parser, QStringLiteral("month"),
        QStringLiteral("The month laid out in weeks, the roz under each day, and its festivals."));
    parser.addPositionalArgument(QStringLiteral("YYYY-MM"),
                                 QStringLiteral("The month (this month by default)."),
                                 QStringLiteral("[YYYY-MM]"));
    const std::variant<Reckoning, int> parsed = ParseReckoning(parser, arguments);
    if (const int *status = std::get_if<int>(&parsed))
        return *status;
    const QStringList operands = parser.positionalArguments().mid(1);
    const CalendarDate today = Today();
    const std::optional<YearMonth> asked =
        operands.isEmpty()     ? std::optional(YearMonth{today.year(), today.month()})
        : operands.size() == 1 ? ParseYearMonth(operands.first())
                               : std::nullopt;
    if (!asked)
        return UsageError(parser, QStringLiteral("give at most one month as YYYY-MM, from 0100-01 "
                                                 "to 9999-12"));
    Print(stdout, MonthText(*asked, std::get<Reckoning>(parsed), RegionalSettings::fromLocale()));
    return 0;
}

int CalendarCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    Declare(parser, QStringLiteral("calendar"),
            QStringLiteral("A wall calendar to print: an A4 landscape page per month, each day "
                           "with its roz."));
    const QCommandLineOption from(QStringLiteral("from"),
                                  QStringLiteral("The first month, YYYY-MM (January of the "
                                                 "current year by default)."),
                                  QStringLiteral("YYYY-MM"));
    const QCommandLineOption months(QStringLiteral("months"),
                                    QStringLiteral("How many months: 1 to 24 (12)."),
                                    QStringLiteral("N"), QStringLiteral("12"));
    const QCommandLineOption pdf(QStringLiteral("pdf"),
                                 QStringLiteral("The PDF file to write, a page per month (- for "
                                                "standard output)."),
                                 QStringLiteral("FILE"));
    parser.addOptions({from, months, pdf});
    const std::variant<Reckoning, int> parsed = ParseReckoning(parser, arguments);
    if (const int *status = std::get_if<int>(&parsed))
        return *status;
    const std::optional<YearMonth> first = parser.isSet(from)
                                               ? ParseYearMonth(parser.value(from))
                                               : std::optional(YearMonth{Today().year(), 1});
    if (!first)
        return UsageError(parser, QStringLiteral("--from takes a month as YYYY-MM, from 0100-01 "
                                                 "to 9999-12"));
    const NumberRead count = ReadNumber(parser, months, 1, 24);
    if (!count.value)
        return UsageError(parser, count.problem);
    if (!AddMonths(*first, *count.value - 1))
        return UsageError(parser, QStringLiteral("the months run past December 9999"));
    if (!parser.isSet(pdf))
        return UsageError(parser, QStringLiteral("calendar writes a PDF: give --pdf FILE"));
    if (parser.positionalArguments().size() != 1)
        return UsageError(parser, QStringLiteral("calendar takes no operand"));

    const RegionalSettings settings = RegionalSettings::fromLocale();
    return WriteOut(parser.value(pdf), [&](QIODevice &device) {
        QPdfWriter writer(&device);
        writer.setPageLayout(WallCalendarPageLayout());
        writer.setResolution(300);
        writer.setTitle(QStringLiteral("Dalvane wall calendar"));
        writer.setCreator(QStringLiteral("Dalvane"));
        PaintWallCalendar(writer, *first, *count.value, std::get<Reckoning>(parsed), settings);
        return true;
    });
}
