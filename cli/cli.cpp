// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli.h"

#include "answer/answer.h"
#include "answer/question.h"
#include "platform/files.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <algorithm>
#include <cstring>

namespace {

constexpr Command kCommands[] = {
    {"", "the roz of DATE, and the date of the same roz and mah in YEAR", RozCommand, false},
    {"schedule", "a schedule of observances of DATE", ScheduleCommand, false},
    {"festivals", "the festivals of a range of years", FestivalsCommand, false},
    {"month", "a month with the roz of each day", MonthCommand, false},
    {"calendar", "a wall calendar as a PDF", CalendarCommand, true},
    {"moon", "the phases of the moon, month by month", MoonCommand, false},
    {"places", "the places --place knows", PlacesCommand, false},
    {"family", "the family register: whose days are kept, and what is coming", FamilyCommand,
     false},
};

} // namespace

std::span<const Command> Commands()
{
    return kCommands;
}

const Command &CommandNamed(const char *name)
{
    const auto found = std::ranges::find_if(
        kCommands, [name](const Command &c) { return *c.name && std::strcmp(c.name, name) == 0; });
    return found != std::end(kCommands) ? *found : kCommands[0];
}

QString CommandsHelp(const QStringList &lines)
{
    return QStringLiteral("Commands, each with its own --help:\n") + lines.join(u'\n');
}

QString CommandList()
{
    QStringList lines;
    for (const Command &command : kCommands) {
        if (*command.name)
            lines << QStringLiteral("  dalvane-cli %1 %2")
                         .arg(QString::fromLatin1(command.name).leftJustified(10),
                              QString::fromLatin1(command.help));
    }
    return CommandsHelp(lines);
}

void Print(FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

void Print(FILE *stream, const QString &text)
{
    Print(stream, text.toUtf8());
}

int UsageError(const QCommandLineParser &parser, const QString &problem)
{
    Print(stderr, QStringLiteral("dalvane-cli: %1\n").arg(problem) + parser.helpText());
    return 2;
}

int InputError(const QString &message)
{
    Print(stderr, message + u'\n');
    return 1;
}

std::optional<int> Parse(QCommandLineParser &parser, const QStringList &arguments)
{
    if (!parser.parse(arguments))
        return UsageError(parser, parser.errorText());
    // --help-all too: the Qt options it would add are not this program's.
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        Print(stdout, parser.helpText());
        return 0;
    }
    const QStringList given = parser.optionNames();
    if (given.contains(QStringLiteral("version")) || given.contains(QStringLiteral("v"))) {
        Print(stdout, QStringLiteral("Dalvane version %1\n").arg(DALVANE_VERSION));
        return 0;
    }
    return std::nullopt;
}

QCommandLineOption JsonOption()
{
    return {QStringLiteral("json"), QStringLiteral("Answer in JSON.")};
}

QCommandLineOption RemindOption()
{
    return {QStringLiteral("remind"),
            QStringLiteral("With --ics, a reminder that many days before each observance: 0 to "
                           "365."),
            QStringLiteral("DAYS")};
}

QCommandLineOption CalendarOption()
{
    return QCommandLineOption(
        QStringLiteral("calendar"),
        QStringLiteral("The reckoning: shahenshahi (the default), kadmi or fasli."),
        QStringLiteral("C"), QStringLiteral("shahenshahi"));
}

std::optional<Reckoning> ReadCalendar(const QCommandLineParser &parser)
{
    return ReckoningNamed(parser.value(QStringLiteral("calendar")));
}

QString CalendarUsage()
{
    return QStringLiteral("--calendar takes shahenshahi, kadmi or fasli");
}

QCommandLineOption BeforeDawnOption()
{
    return {QStringLiteral("before-dawn"),
            QStringLiteral("The event was between midnight and 6 AM: the previous day's roz.")};
}

QCommandLineOption TimeOption()
{
    return {QStringLiteral("time"),
            QStringLiteral("The local time of the event at --place, HH:MM on the 24-hour clock: "
                           "before sunrise it belongs to the day before."),
            QStringLiteral("HH:MM")};
}

QCommandLineOption PlaceOption()
{
    return {QStringLiteral("place"),
            QStringLiteral("Where the event was: %1; alone it gives the day's sunrise and "
                           "sunset.")
                .arg(PlaceHelp()),
            QStringLiteral("PLACE")};
}

QCommandLineOption OrderOption()
{
    return {QStringLiteral("order"),
            QStringLiteral("The order DATE is typed in: dmy, mdy or ymd (the regional order by "
                           "default)."),
            QStringLiteral("O")};
}

QString ReadSunOptions(const QCommandLineParser &parser, std::optional<QTime> *time,
                       std::optional<Place> *place)
{
    const QString timeName = QStringLiteral("time"), placeName = QStringLiteral("place");
    if (parser.isSet(timeName)) {
        if (!parser.isSet(placeName))
            return TimeNeedsPlaceUsage();
        if (parser.isSet(QStringLiteral("before-dawn")))
            return QStringLiteral("--time and --before-dawn cannot go together: the time and "
                                  "the place say whether it was before sunrise");
        *time = ReadClockTime(parser.value(timeName));
        if (!*time)
            return QStringLiteral("--time takes HH:MM on the 24-hour clock, e.g. 07:30, not "
                                  "\"%1\"")
                .arg(parser.value(timeName));
    }
    if (parser.isSet(placeName)) {
        QString problem;
        *place = ReadPlace(parser.value(placeName), &problem);
        if (!*place)
            return PlaceUsage(problem);
    }
    return {};
}

QString ReadOrder(const QCommandLineParser &parser, DateOrderCode *order)
{
    if (!parser.isSet(QStringLiteral("order")))
        return {};
    const QString value = parser.value(QStringLiteral("order"));
    if (value != u"dmy" && value != u"mdy" && value != u"ymd")
        return QStringLiteral("--order takes dmy, mdy or ymd");
    *order = value == u"dmy" ? kDayMonthYear : value == u"mdy" ? kMonthDayYear : kYearMonthDay;
    return {};
}

QString TimeNeedsPlaceUsage()
{
    return QStringLiteral("--time needs --place: sunrise depends on where the event was");
}

QString JsonWithIcsUsage()
{
    return QStringLiteral("--json and --ics cannot go together");
}

QString DaysUsage()
{
    return QStringLiteral("--days takes numbers from 1 to 36500");
}

QCommandLineOption NamesOption()
{
    return QCommandLineOption(QStringLiteral("names"),
                              QStringLiteral("Write each roz and mah name also in gujarati or "
                                             "persian, beside the English (english, the "
                                             "default, writes it once)."),
                              QStringLiteral("SCRIPT"), ScriptKey(Script::English));
}

std::optional<Script> ReadNames(const QCommandLineParser &parser)
{
    return ScriptNamed(parser.value(QStringLiteral("names")));
}

QString NamesUsage()
{
    return QStringLiteral("--names takes %1").arg(ScriptKeys());
}

QString PlaceHelp()
{
    return QStringLiteral("a name from `dalvane-cli places` or LAT,LON,ZONE (e.g. "
                          "51.51,-0.13,Europe/London)");
}

QString PlaceUsage(const QString &problem)
{
    return QStringLiteral("--place: %1 (dalvane-cli places lists the built-in places)")
        .arg(problem);
}

std::optional<Place> ReadPlaceOption(const QCommandLineParser &parser,
                                     const QCommandLineOption &option, QString *problem)
{
    if (!parser.isSet(option))
        return std::nullopt;
    QString why;
    std::optional<Place> place = ReadPlace(parser.value(option), &why);
    if (!place)
        *problem = PlaceUsage(why);
    return place;
}

MonthsRead ReadMonths(const QCommandLineParser &parser, const QCommandLineOption &from,
                      const QCommandLineOption &months, int most, YearMonth byDefault)
{
    const std::optional<YearMonth> first =
        parser.isSet(from) ? ParseYearMonth(parser.value(from)) : std::optional(byDefault);
    if (!first)
        return {byDefault, 0,
                QStringLiteral("--from takes a month as YYYY-MM, from 0100-01 to 9999-12")};
    const NumberRead count = ReadNumber(parser, months, 1, most);
    if (!count.value)
        return {*first, 0, count.problem};
    if (!AddMonths(*first, *count.value - 1))
        return {*first, 0, QStringLiteral("the months run past December 9999")};
    return {*first, *count.value, {}};
}

NumberRead ReadNumber(const QCommandLineParser &parser, const QCommandLineOption &option, int low,
                      int high)
{
    if (!parser.isSet(option) && option.defaultValues().isEmpty())
        return {};
    const std::optional<int> value = ParseNumberIn(parser.value(option), low, high);
    if (value)
        return {value, {}};
    return {std::nullopt, QStringLiteral("--%1 takes a number from %2 to %3")
                              .arg(option.names().first())
                              .arg(low)
                              .arg(high)};
}

int WriteOut(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    if (path == u"-") {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        write(buffer);
        Print(stdout, buffer.data());
        return 0;
    }
    if (const std::optional<QString> problem = SaveWholeFile(path, write))
        return InputError(QStringLiteral("dalvane-cli: cannot write %1: %2").arg(path, *problem));
    return 0;
}

int WriteOut(const QString &path, const QByteArray &data)
{
    return WriteOut(path, [&](QIODevice &device) { return device.write(data) == data.size(); });
}
