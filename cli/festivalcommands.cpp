// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/festivalcommands.h"

#include "answer/answer.h"
#include "answer/festivalanswer.h"
#include "platform/regional.h"
#include "answer/wallcalendar.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <variant>

namespace {

void print(FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

int usageError(const QCommandLineParser &parser, const QString &problem)
{
    print(stderr,
          QStringLiteral("dalvane-cli: %1\n").arg(problem).toUtf8() + parser.helpText().toUtf8());
    return 2;
}

// To standard output for "-"; otherwise through a temporary file beside the target, renamed
// over it only when whole, so that a failure leaves no file behind.
int writeOut(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    if (path == u"-") {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        write(buffer);
        print(stdout, buffer.data());
        return 0;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !write(file) || !file.commit()) {
        print(stderr, QStringLiteral("dalvane-cli: cannot write %1: %2\n")
                          .arg(path, file.errorString())
                          .toUtf8());
        return 1;
    }
    return 0;
}

// Parses the command line once the command's options are declared: the reckoning, or the exit
// status when the run ends here (help, or bad usage).
std::variant<Reckoning, int> parse(QCommandLineParser &parser, const QCommandLineOption &calendar)
{
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser, parser.errorText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        print(stdout, parser.helpText().toUtf8());
        return 0;
    }
    if (const std::optional<Reckoning> reckoning = ReckoningNamed(parser.value(calendar)))
        return *reckoning;
    return usageError(parser, QStringLiteral("--calendar takes shahenshahi, kadmi or fasli"));
}

int festivals(QCommandLineParser &parser, const QCommandLineOption &calendarOption)
{
    const QCommandLineOption from(QStringLiteral("from"),
                                  QStringLiteral("The first Gregorian year, 100 to 9999 (the "
                                                 "current year by default)."),
                                  QStringLiteral("YEAR"));
    const QCommandLineOption years(QStringLiteral("years"),
                                   QStringLiteral("How many years: 1 to 1000 (1)."),
                                   QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Answer in JSON."));
    const QCommandLineOption ics(QStringLiteral("ics"),
                                 QStringLiteral("Write the festivals as an iCalendar file to "
                                                "import into a calendar (- for standard output)."),
                                 QStringLiteral("FILE"));
    parser.setApplicationDescription(QStringLiteral(
        "The festivals that begin in the Gregorian years asked for, in date order."));
    parser.addOptions({from, years, json, ics});
    const std::variant<Reckoning, int> parsed = parse(parser, calendarOption);
    if (const int *status = std::get_if<int>(&parsed))
        return *status;
    const Reckoning calendar = std::get<Reckoning>(parsed);
    const std::optional<int> first =
        parser.isSet(from) ? ParseNumberIn(parser.value(from), 100, 9999) : Today().year();
    if (!first)
        return usageError(parser, QStringLiteral("--from takes a year from 100 to 9999"));
    const std::optional<int> count = ParseNumberIn(parser.value(years), 1, 1000);
    if (!count)
        return usageError(parser, QStringLiteral("--years takes a number from 1 to 1000"));
    if (parser.isSet(json) && parser.isSet(ics))
        return usageError(parser, QStringLiteral("--json and --ics cannot go together"));
    if (parser.positionalArguments().size() != 1)
        return usageError(parser, QStringLiteral("festivals takes no operand"));

    const FestivalsAnswer answer{calendar, FestivalsBeginningIn(*first, *count, calendar)};
    if (parser.isSet(ics)) {
        const QByteArray data = toICalendar(answer, QDateTime::currentDateTimeUtc());
        return writeOut(parser.value(ics),
                        [&](QIODevice &device) { return device.write(data) == data.size(); });
    }
    print(stdout, parser.isSet(json) ? toJson(answer)
                                     : toText(answer, RegionalSettings::fromLocale()).toUtf8());
    return 0;
}

int month(QCommandLineParser &parser, const QCommandLineOption &calendarOption)
{
    parser.setApplicationDescription(
        QStringLiteral("The month laid out in weeks, the roz under each day, and its festivals."));
    parser.addPositionalArgument(QStringLiteral("YYYY-MM"),
                                 QStringLiteral("The month (this month by default)."),
                                 QStringLiteral("[YYYY-MM]"));
    const std::variant<Reckoning, int> parsed = parse(parser, calendarOption);
    if (const int *status = std::get_if<int>(&parsed))
        return *status;
    const Reckoning calendar = std::get<Reckoning>(parsed);
    const QStringList operands = parser.positionalArguments().mid(1);
    const CalendarDate today = Today();
    const std::optional<YearMonth> asked =
        operands.isEmpty()     ? std::optional(YearMonth{today.year(), today.month()})
        : operands.size() == 1 ? ParseYearMonth(operands.first())
                               : std::nullopt;
    if (!asked)
        return usageError(parser, QStringLiteral("give at most one month as YYYY-MM, from 0100-01 "
                                                 "to 9999-12"));
    print(stdout, MonthText(*asked, calendar, RegionalSettings::fromLocale()).toUtf8());
    return 0;
}

int wallCalendar(QCommandLineParser &parser, const QCommandLineOption &calendarOption)
{
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
    parser.setApplicationDescription(QStringLiteral(
        "A wall calendar to print: an A4 landscape page per month, each day with its roz."));
    parser.addOptions({from, months, pdf});
    const std::variant<Reckoning, int> parsed = parse(parser, calendarOption);
    if (const int *status = std::get_if<int>(&parsed))
        return *status;
    const Reckoning calendar = std::get<Reckoning>(parsed);
    const std::optional<YearMonth> first = parser.isSet(from)
                                               ? ParseYearMonth(parser.value(from))
                                               : std::optional(YearMonth{Today().year(), 1});
    if (!first)
        return usageError(parser, QStringLiteral("--from takes a month as YYYY-MM, from 0100-01 "
                                                 "to 9999-12"));
    const std::optional<int> count = ParseNumberIn(parser.value(months), 1, 24);
    if (!count)
        return usageError(parser, QStringLiteral("--months takes a number from 1 to 24"));
    if (!AddMonths(*first, *count - 1))
        return usageError(parser, QStringLiteral("the months run past December 9999"));
    if (!parser.isSet(pdf))
        return usageError(parser, QStringLiteral("calendar writes a PDF: give --pdf FILE"));
    if (parser.positionalArguments().size() != 1)
        return usageError(parser, QStringLiteral("calendar takes no operand"));

    const RegionalSettings settings = RegionalSettings::fromLocale();
    return writeOut(parser.value(pdf), [&](QIODevice &device) {
        QPdfWriter writer(&device);
        writer.setPageLayout(WallCalendarPageLayout());
        writer.setResolution(300);
        writer.setTitle(QStringLiteral("Dalvane wall calendar"));
        writer.setCreator(QStringLiteral("Dalvane"));
        PaintWallCalendar(writer, *first, *count, calendar, settings);
        return true;
    });
}

} // namespace

std::optional<int> RunFestivalCommand(int &argc, char **argv)
{
    const char *command = argc > 1 ? argv[1] : "";
    const bool isCalendar = std::strcmp(command, "calendar") == 0;
    if (!isCalendar && std::strcmp(command, "festivals") != 0 && std::strcmp(command, "month") != 0)
        return std::nullopt;
    // The wall calendar needs fonts, hence a GUI application, but never a display.
    if (isCalendar) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Standard error carries this program's messages; the platform's remarks on a desktop
        // session it does not need (no runtime directory, say) are not among them.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                print(stderr, text.toUtf8() + '\n');
        });
    }
    const std::unique_ptr<QCoreApplication> application =
        isCalendar ? std::make_unique<QGuiApplication>(argc, argv)
                   : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dalvane-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DALVANE_VERSION));

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption calendarOption(
        QStringLiteral("calendar"),
        QStringLiteral("The reckoning: shahenshahi (the default), kadmi or fasli."),
        QStringLiteral("C"), QStringLiteral("shahenshahi"));
    parser.addOption(calendarOption);
    parser.addPositionalArgument(QString::fromLatin1(command), QStringLiteral("The command."));
    return isCalendar        ? wallCalendar(parser, calendarOption)
           : *command == 'f' ? festivals(parser, calendarOption)
                             : month(parser, calendarOption);
}
