// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// dalvane-cli: the roz calculator for terminals and scripts. It reads the same regional settings
// and gives the same answers and the same messages as the window.
#include "regional.h"
#include "roz.h"

#include <QString>
#include <QStringList>
#include <cstdio>

namespace {

constexpr const char *kUsage =
    "usage: dalvane-cli [--before-dawn] [--order dmy|mdy|ymd] [--json] DATE [YEAR]\n"
    "       dalvane-cli --today [--before-dawn] [--json] [YEAR]\n";

void print(FILE *stream, const QString &line)
{
    std::fputs(line.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

int usageError(const QString &problem)
{
    print(stderr, QStringLiteral("dalvane-cli: ") + problem);
    std::fputs(kUsage, stderr);
    return 2;
}

int inputError(const QString &message)
{
    print(stderr, message);
    return 1;
}

QString isoDate(CalendarDate date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.year(), 4, 10, QChar(u'0'))
        .arg(date.month(), 2, 10, QChar(u'0'))
        .arg(date.day(), 2, 10, QChar(u'0'));
}

QString jsonString(const QString &text)
{
    QString quoted = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == u'"' || c == u'\\')
            quoted += u'\\' + QString(c);
        else if (c.unicode() < 0x20)
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
        else
            quoted += c;
    }
    return quoted + u'"';
}

QString fromView(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

int main(int argc, char *argv[])
{
    bool beforeDawn = false;
    bool json = false;
    bool today = false;
    std::optional<DateOrderCode> order;
    QStringList operands;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == u"--help" || argument == u"-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (argument == u"--version") {
            std::puts("Dalvane version 2.0.2");
            return 0;
        } else if (argument == u"--before-dawn") {
            beforeDawn = true;
        } else if (argument == u"--json") {
            json = true;
        } else if (argument == u"--today") {
            today = true;
        } else if (argument == u"--order") {
            const QString value = ++i < argc ? QString::fromLocal8Bit(argv[i]) : QString();
            if (value == u"dmy")
                order = kDayMonthYear;
            else if (value == u"mdy")
                order = kMonthDayYear;
            else if (value == u"ymd")
                order = kYearMonthDay;
            else
                return usageError(QStringLiteral("--order takes dmy, mdy or ymd"));
        } else if (argument == u"--") {
            while (++i < argc)
                operands << QString::fromLocal8Bit(argv[i]);
        } else if (argument.startsWith(u"--")) {
            return usageError(QStringLiteral("unknown option ") + argument);
        } else {
            operands << argument;
        }
    }
    if (today && order)
        return usageError(QStringLiteral("--today writes the date in the regional order"));
    const qsizetype dateOperands = today ? 0 : 1;
    if (operands.size() < dateOperands || operands.size() > dateOperands + 1)
        return usageError(today ? QStringLiteral("--today takes at most a YEAR")
                                : QStringLiteral("give a DATE and at most a YEAR"));

    const RegionalSettings settings = RegionalSettings::fromLocale();
    const DateOrderCode dateOrder = order.value_or(DetectDateOrder(settings));
    const CalendarDate now = Today();
    const QString currentYear = QString::number(now.year());

    const QString dateText =
        today ? FormatDate(now, TodayPattern(dateOrder), settings) : operands.takeFirst().trimmed();
    const QString yearText = operands.isEmpty() ? currentYear : operands.first();

    // The same checks, in the same order and with the same words, as the window's.
    const std::optional<CalendarDate> entered = ParseDate(dateText, dateOrder, settings);
    if (!entered)
        return inputError(InvalidDateMessage(dateOrder));
    if (!IsNumeric(yearText, settings))
        return inputError(QStringLiteral("Please Enter a Valid Year"));
    const double year = Val(yearText, settings);
    if (year < 1 || year > 9999)
        return inputError(QStringLiteral("Please Enter a Year between 1 and 9999"));
    const std::optional<CalendarDate> reckoning = BeforeDawnShift(*entered, beforeDawn);
    if (!reckoning)
        return inputError(InvalidDateMessage(dateOrder));

    const int roz = ReckonRoz(*reckoning, dateOrder);
    const RozRow &row = RozTable[roz];
    const std::u16string year16(reinterpret_cast<const char16_t *>(yearText.utf16()),
                                yearText.size());
    const std::optional<CalendarDate> sameRoz =
        SameRozDate(*reckoning, year16, dateOrder, settings.rules);

    if (json) {
        print(stdout, QStringLiteral("{\"entered\": \"%1\", \"reckoning\": \"%2\", \"roz\": %3, "
                                     "\"name\": %4, \"meaning\": %5, \"year\": %6, "
                                     "\"same_roz_date\": %7}")
                          .arg(isoDate(*entered), isoDate(*reckoning), QString::number(roz),
                               jsonString(fromView(row.name)), jsonString(fromView(row.meaning)),
                               jsonString(yearText),
                               sameRoz ? u'"' + isoDate(*sameRoz) + u'"' : QStringLiteral("null")));
        return 0;
    }
    print(stdout, FormatDate(*entered, QStringLiteral("dd-mmm-yyyy"), settings));
    print(stdout, QStringLiteral("%1 (%2)").arg(fromView(row.name)).arg(roz));
    print(stdout, fromView(row.meaning));
    print(stdout, sameRoz ? FormatDate(*sameRoz, QStringLiteral("Long Date"), settings)
                          : QStringLiteral("Cannot be Calculated"));
    return 0;
}
