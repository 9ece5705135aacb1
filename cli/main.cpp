// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// dalvane-cli: the roz calculator for terminals and scripts. It reads the same regional settings
// and gives the same answers and the same messages as the window; `schedule` lists a family's
// observances of a date and writes them as a calendar to import; `places` lists the places
// --place knows; `festivals`, `month` and `calendar` give the year's festivals, a month with its
// roz and a wall calendar.
#include "answer/answer.h"
#include "cli/festivalcommands.h"
#include "platform/regional.h"
#include "cli/suncommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSaveFile>
#include <cstdio>

namespace {

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

int usageError(const QCommandLineParser &parser, const QString &problem)
{
    print(stderr, QStringLiteral("dalvane-cli: %1\n").arg(problem) + parser.helpText());
    return 2;
}

int inputError(const QString &message)
{
    print(stderr, message + u'\n');
    return 1;
}

std::optional<int> numberIn(const QString &text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= low && value <= high ? std::optional<int>(value) : std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = RunFestivalCommand(argc, argv))
        return *status;
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dalvane-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DALVANE_VERSION));
    const QStringList arguments = QCoreApplication::arguments();
    const bool schedule = arguments.size() > 1 && arguments.at(1) == u"schedule";
    if (arguments.size() > 1 && arguments.at(1) == u"places")
        return PlacesCommand(arguments);

    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption calendarOption(
        QStringLiteral("calendar"),
        QStringLiteral("The reckoning: shahenshahi (the default), kadmi or fasli."),
        QStringLiteral("C"), QStringLiteral("shahenshahi"));
    const QCommandLineOption beforeDawn(
        QStringLiteral("before-dawn"),
        QStringLiteral("The event was between midnight and 6 AM: the previous day's roz."));
    const QCommandLineOption order(QStringLiteral("order"),
                                   QStringLiteral("The order DATE is typed in: dmy, mdy or ymd "
                                                  "(the regional order by default)."),
                                   QStringLiteral("O"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Answer in JSON."));
    const QCommandLineOption today(QStringLiteral("today"),
                                   QStringLiteral("Take today's date as DATE."));
    const QCommandLineOption from(QStringLiteral("from"),
                                  QStringLiteral("The first year of the yearly observances "
                                                 "(the current year by default)."),
                                  QStringLiteral("YEAR"));
    const QCommandLineOption years(QStringLiteral("years"),
                                   QStringLiteral("How many yearly observances: 1 to 1000 (10)."),
                                   QStringLiteral("N"), QStringLiteral("10"));
    const QCommandLineOption months(
        QStringLiteral("months"),
        QStringLiteral("The same roz in each of the N months after the date's own: 1 to 120."),
        QStringLiteral("N"));
    const QCommandLineOption days(QStringLiteral("days"),
                                  QStringLiteral("The N-th days, the date itself being day 1, "
                                                 "e.g. 4,10,30: each 1 to 36500."),
                                  QStringLiteral("LIST"));
    const QCommandLineOption remind(QStringLiteral("remind"),
                                    QStringLiteral("With --ics, a reminder that many days before "
                                                   "each observance: 0 to 365."),
                                    QStringLiteral("DAYS"));
    const QCommandLineOption ics(QStringLiteral("ics"),
                                 QStringLiteral("Write the observances as an iCalendar file to "
                                                "import into a calendar (- for standard output)."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption name(QStringLiteral("name"),
                                  QStringLiteral("Whose observances these are: the name starts "
                                                 "every event's summary."),
                                  QStringLiteral("TEXT"));
    parser.addOptions({calendarOption, beforeDawn, order, json});
    SunOptions sun;
    sun.addTo(parser);
    if (schedule) {
        parser.setApplicationDescription(
            QStringLiteral("The observances of DATE: the same roz and mah every year, the same "
                           "roz\nevery month, and the N-th days after it."));
        parser.addPositionalArgument(QStringLiteral("schedule"), QStringLiteral("The command."));
        parser.addOptions({name, from, years, months, days, remind, ics});
    } else {
        parser.setApplicationDescription(
            QStringLiteral("The roz of DATE, and the date of the same roz and mah in YEAR.\n"
                           "Commands, each with its own --help:\n"
                           "  dalvane-cli schedule   a schedule of observances of DATE\n"
                           "  dalvane-cli festivals  the festivals of a range of years\n"
                           "  dalvane-cli month      a month with the roz of each day\n"
                           "  dalvane-cli calendar   a wall calendar as a PDF\n"
                           "  dalvane-cli places     the places --place knows"));
        parser.addOption(today);
    }
    parser.addPositionalArgument(QStringLiteral("DATE"),
                                 QStringLiteral("The date of the birth, wedding or death."));
    if (!schedule)
        parser.addPositionalArgument(QStringLiteral("YEAR"),
                                     QStringLiteral("The year to find the anniversary in."),
                                     QStringLiteral("[YEAR]"));
    if (!parser.parse(arguments))
        return usageError(parser, parser.errorText());
    // --help-all too: the Qt options it would add are not this program's.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("Dalvane version %1\n").arg(DALVANE_VERSION));
        return 0;
    }

    const std::optional<Reckoning> calendar = ReckoningNamed(parser.value(calendarOption));
    if (!calendar)
        return usageError(parser, QStringLiteral("--calendar takes shahenshahi, kadmi or fasli"));
    if (const QString problem = sun.read(parser, parser.isSet(beforeDawn)); !problem.isEmpty())
        return usageError(parser, problem);
    std::optional<DateOrderCode> dateOrder;
    if (parser.isSet(order)) {
        const QString value = parser.value(order);
        dateOrder = value == u"dmy"   ? std::optional(kDayMonthYear)
                    : value == u"mdy" ? std::optional(kMonthDayYear)
                    : value == u"ymd" ? std::optional(kYearMonthDay)
                                      : std::nullopt;
        if (!dateOrder)
            return usageError(parser, QStringLiteral("--order takes dmy, mdy or ymd"));
    }
    QStringList operands = parser.positionalArguments();
    const bool isToday = !schedule && parser.isSet(today);
    if (isToday && dateOrder)
        return usageError(parser, QStringLiteral("--today writes the date in the regional order"));
    const qsizetype dateOperands = schedule ? 2 : isToday ? 0 : 1;
    const qsizetype yearOperands = schedule ? 0 : 1;
    if (operands.size() < dateOperands || operands.size() > dateOperands + yearOperands)
        return usageError(parser, isToday    ? QStringLiteral("--today takes at most a YEAR")
                                  : schedule ? QStringLiteral("give one DATE")
                                             : QStringLiteral("give a DATE and at most a YEAR"));
    if (schedule)
        operands.removeFirst();

    // The numbers an option was given, one or (for a list) more, each checked against its range.
    QString problem;
    auto numbers = [&](const QCommandLineOption &option, int low, int high, bool list = false) {
        std::vector<int> values;
        if (!parser.isSet(option) && option.defaultValues().isEmpty())
            return values;
        const QStringList items = parser.value(option).split(u',');
        for (const QString &item : items) {
            const std::optional<int> value = numberIn(item, low, high);
            if ((!value || (items.size() > 1 && !list)) && problem.isEmpty())
                problem = QStringLiteral("--%1 takes %2 from %3 to %4")
                              .arg(option.names().first(), list ? "numbers" : "a number")
                              .arg(low)
                              .arg(high);
            values.push_back(value.value_or(0));
        }
        return values;
    };
    ScheduleRequest request;
    std::vector<int> yearCount, remindDays;
    if (schedule) {
        yearCount = numbers(years, 1, 1000);
        const std::vector<int> monthCount = numbers(months, 1, 120);
        request.months = monthCount.empty() ? 0 : monthCount.front();
        request.days = numbers(days, 1, 36500, true);
        remindDays = numbers(remind, 0, 365);
        if (!problem.isEmpty())
            return usageError(parser, problem);
        if (parser.isSet(json) && parser.isSet(ics))
            return usageError(parser, QStringLiteral("--json and --ics cannot go together"));
    }

    const RegionalSettings settings = RegionalSettings::fromLocale();
    const DateOrderCode typedOrder = dateOrder.value_or(DetectDateOrder(settings));
    const CalendarDate now = Today();
    const QString dateText = isToday ? FormatDate(now, TodayPattern(typedOrder), settings)
                                     : operands.takeFirst().trimmed();
    const QString yearText = schedule && parser.isSet(from)     ? parser.value(from)
                             : !schedule && !operands.isEmpty() ? operands.first()
                                                                : QString::number(now.year());

    // The same checks, in the same order and with the same words, as the window's.
    Question question;
    question.dateText = dateText;
    question.order = typedOrder;
    question.beforeDawn = parser.isSet(beforeDawn);
    question.calendar = *calendar;
    question.yearText = yearText;
    sun.fill(question);
    if (schedule) {
        question.schedule = request;
        question.yearCount = yearCount.front();
        question.person = parser.value(name);
    }
    const std::variant<Answer, InputProblem> asked = Ask(question, settings);
    if (const auto *problem = std::get_if<InputProblem>(&asked))
        return inputError(problem->message);
    const Answer &answer = std::get<Answer>(asked);
    if (schedule && parser.isSet(ics)) {
        const std::optional<int> reminder =
            remindDays.empty() ? std::nullopt : std::optional(remindDays.front());
        const QByteArray data = toICalendar(answer, QDateTime::currentDateTimeUtc(), reminder);
        const QString path = parser.value(ics);
        if (path == u"-") {
            std::fwrite(data.constData(), 1, size_t(data.size()), stdout);
            return 0;
        }
        // A temporary file beside the target, renamed over it only when whole.
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
            return inputError(
                QStringLiteral("dalvane-cli: cannot write %1: %2").arg(path, file.errorString()));
        return 0;
    }
    print(stdout,
          parser.isSet(json) ? QString::fromUtf8(toJson(answer)) : toText(answer, settings));
    return 0;
}
