// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The calculation of a date, the schedule of its observances and the places --place knows. The
// first two read the same regional settings, make the same checks and say the same words as
// the windows.
#include "answer/question.h"
#include "cli/cli.h"
#include "platform/regional.h"

#include <QCommandLineParser>

namespace {

const QString kDateHelp = QStringLiteral("The date of the birth, wedding or death.");

// The options that describe the event, shared by the calculation and the schedule: the
// reckoning, the script of the names, the before-dawn flag or the time and place of the sunrise
// rule, the order the date is typed in, and JSON.
class EventOptions
{
public:
    explicit EventOptions(QCommandLineParser &parser)
    {
        parser.addOptions({CalendarOption(), NamesOption(), BeforeDawnOption(), OrderOption(),
                           m_json, TimeOption(), PlaceOption()});
    }

    // Reads them into the question; the bad usage in words, or an empty text.
    QString read(const QCommandLineParser &parser, const RegionalSettings &settings,
                 Question &question) const
    {
        const std::optional<Reckoning> calendar = ReadCalendar(parser);
        if (!calendar)
            return CalendarUsage();
        question.calendar = *calendar;
        const std::optional<Script> names = ReadNames(parser);
        if (!names)
            return NamesUsage();
        question.names = *names;
        question.beforeDawn = parser.isSet(QStringLiteral("before-dawn"));
        if (const QString problem = ReadSunOptions(parser, &question.time, &question.place);
            !problem.isEmpty())
            return problem;
        question.order = DetectDateOrder(settings);
        return ReadOrder(parser, &question.order);
    }
    bool orderGiven(const QCommandLineParser &parser) const
    {
        return parser.isSet(QStringLiteral("order"));
    }
    bool json(const QCommandLineParser &parser) const { return parser.isSet(m_json); }

private:
    QCommandLineOption m_json = JsonOption();
};

// The answer on standard output, or the window's message for bad input.
int Answered(const std::variant<Answer, InputProblem> &asked, bool json,
             const RegionalSettings &settings)
{
    if (const auto *problem = std::get_if<InputProblem>(&asked))
        return InputError(problem->message);
    const Answer &answer = std::get<Answer>(asked);
    Print(stdout, json ? QString::fromUtf8(toJson(answer)) : toText(answer, settings));
    return 0;
}

} // namespace

int RozCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    EventOptions options(parser);
    const QCommandLineOption today(QStringLiteral("today"),
                                   QStringLiteral("Take today's date as DATE."));
    parser.addOption(today);
    parser.setApplicationDescription(
        QStringLiteral("The roz of DATE, and the date of the same roz and mah in YEAR.\n") +
        CommandList());
    parser.addPositionalArgument(QStringLiteral("DATE"), kDateHelp);
    parser.addPositionalArgument(QStringLiteral("YEAR"),
                                 QStringLiteral("The year to find the anniversary in."),
                                 QStringLiteral("[YEAR]"));
    if (const std::optional<int> status = Parse(parser, arguments))
        return *status;

    const RegionalSettings settings = RegionalSettings::fromLocale();
    Question question;
    if (const QString problem = options.read(parser, settings, question); !problem.isEmpty())
        return UsageError(parser, problem);
    const bool isToday = parser.isSet(today);
    if (isToday && options.orderGiven(parser))
        return UsageError(parser, QStringLiteral("--today writes the date in the regional order"));
    QStringList operands = parser.positionalArguments();
    const qsizetype dateOperands = isToday ? 0 : 1;
    if (operands.size() < dateOperands || operands.size() > dateOperands + 1)
        return UsageError(parser, isToday ? QStringLiteral("--today takes at most a YEAR")
                                          : QStringLiteral("give a DATE and at most a YEAR"));

    const CalendarDate now = Today();
    question.dateText = isToday ? FormatDate(now, TodayPattern(question.order), settings)
                                : operands.takeFirst().trimmed();
    question.yearText = operands.isEmpty() ? QString::number(now.year()) : operands.first();
    return Answered(Ask(question, settings), options.json(parser), settings);
}

int ScheduleCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    EventOptions options(parser);
    const QCommandLineOption name(QStringLiteral("name"),
                                  QStringLiteral("Whose observances these are: the name starts "
                                                 "every event's summary."),
                                  QStringLiteral("TEXT"));
    const QCommandLineOption from(QStringLiteral("from"),
                                  QStringLiteral("The first year of the yearly observances "
                                                 "(the current year by default)."),
                                  QStringLiteral("YEAR"));
    const QCommandLineOption years(QStringLiteral("years"),
                                   QStringLiteral("How many yearly observances: 1 to 1000 (10)."),
                                   QStringLiteral("N"), QStringLiteral("10"));
    const QCommandLineOption months(
        QStringLiteral("months"),
        QStringLiteral("The same roz in each of the N months after the date's own: 0 to 120."),
        QStringLiteral("N"));
    const QCommandLineOption days(QStringLiteral("days"),
                                  QStringLiteral("The N-th days, the date itself being day 1, "
                                                 "e.g. 4,10,30: each 1 to 36500."),
                                  QStringLiteral("LIST"));
    const QCommandLineOption remind = RemindOption();
    const QCommandLineOption ics(QStringLiteral("ics"),
                                 QStringLiteral("Write the observances as an iCalendar file to "
                                                "import into a calendar (- for standard output)."),
                                 QStringLiteral("FILE"));
    parser.addOptions({name, from, years, months, days, remind, ics});
    parser.setApplicationDescription(
        QStringLiteral("The observances of DATE: the same roz and mah every year, the same "
                       "roz\nevery month, and the N-th days after it."));
    parser.addPositionalArgument(QStringLiteral("schedule"), QStringLiteral("The command."));
    parser.addPositionalArgument(QStringLiteral("DATE"), kDateHelp);
    if (const std::optional<int> status = Parse(parser, arguments))
        return *status;

    const RegionalSettings settings = RegionalSettings::fromLocale();
    Question question;
    if (const QString problem = options.read(parser, settings, question); !problem.isEmpty())
        return UsageError(parser, problem);
    const QStringList operands = parser.positionalArguments();
    if (operands.size() != 2)
        return UsageError(parser, QStringLiteral("give one DATE"));
    const NumberRead yearCount = ReadNumber(parser, years, 1, 1000);
    const NumberRead monthCount = ReadNumber(parser, months, 0, 120);
    const std::optional<std::vector<int>> dayList =
        parser.isSet(days) ? NumberList(parser.value(days), 1, 36500) : std::vector<int>{};
    const NumberRead remindDays = ReadNumber(parser, remind, 0, 365);
    for (const QString &problem : {yearCount.problem, monthCount.problem,
                                   dayList ? QString() : DaysUsage(), remindDays.problem}) {
        if (!problem.isEmpty())
            return UsageError(parser, problem);
    }
    if (options.json(parser) && parser.isSet(ics))
        return UsageError(parser, JsonWithIcsUsage());

    question.dateText = operands[1].trimmed();
    question.yearText = parser.isSet(from) ? parser.value(from) : QString::number(Today().year());
    question.schedule = ScheduleRequest{{}, monthCount.value.value_or(0), *dayList};
    question.yearCount = *yearCount.value;
    question.person = parser.value(name);
    const std::variant<Answer, InputProblem> asked = Ask(question, settings);
    if (!parser.isSet(ics) || std::holds_alternative<InputProblem>(asked))
        return Answered(asked, options.json(parser), settings);
    return WriteOut(
        parser.value(ics),
        toICalendar(std::get<Answer>(asked), QDateTime::currentDateTimeUtc(), remindDays.value));
}

int PlacesCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The built-in places: name, latitude, longitude and time zone."));
    parser.addHelpOption();
    const QCommandLineOption json = JsonOption();
    parser.addOption(json);
    parser.addPositionalArgument(QStringLiteral("places"), QStringLiteral("The command."));
    if (const std::optional<int> status = Parse(parser, arguments))
        return *status;
    if (parser.positionalArguments().size() != 1)
        return UsageError(parser, QStringLiteral("places takes no operands"));
    Print(stdout, parser.isSet(json) ? PlacesJson() : PlacesText().toUtf8());
    return 0;
}
