// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/festivalanswer.h"

#include "answer/answer.h"
#include "answer/skyanswer.h"
#include "answer/writtenforms.h"
#include "platform/regional.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <memory>

namespace {

QString shortDate(CalendarDate date, const RegionalSettings &settings)
{
    return FormatDate(date, QStringLiteral("dd-mmm-yyyy"), settings);
}

QString weekday(CalendarDate date, const RegionalSettings &settings)
{
    return settings.locale.dayName(ToQDate(date).dayOfWeek(), QLocale::ShortFormat);
}

CalendarDate lastDay(const FestivalOccurrence &o)
{
    CalendarDate day = o.first;
    for (int n = 1; n < o.days && day < CalendarDate::last(); ++n)
        day = day.nextDay();
    return day;
}

} // namespace

std::optional<YearMonth> ParseYearMonth(const QString &text)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9]{4})-([0-9]{2})")));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const YearMonth month{match.captured(1).toInt(), match.captured(2).toInt()};
    if (!CalendarDate::fromYmd(month.year, month.month, 1))
        return std::nullopt;
    return month;
}

std::optional<YearMonth> AddMonths(YearMonth month, int count)
{
    const long index = long(month.year) * 12 + month.month - 1 + count;
    const YearMonth result{int(index / 12), int(index % 12) + 1};
    if (index < 0 || !CalendarDate::fromYmd(result.year, result.month, 1))
        return std::nullopt;
    return result;
}

QString FestivalName(const Festival &festival)
{
    return FromCore(festival.name);
}

QString FestivalDayLabel(const FestivalDay &day)
{
    if (day.dayOf == 1)
        return FestivalName(*day.festival);
    return QStringLiteral("%1, day\u00a0%2\u00a0of\u00a0%3")
        .arg(FestivalName(*day.festival))
        .arg(day.dayOf)
        .arg(day.days);
}

QString MonthReckoningHeading(const std::vector<DayCell> &cells, Reckoning calendar, Script names)
{
    QStringList mahs, years;
    for (const DayCell &cell : cells) {
        const QString mah =
            cell.day.mah != 0 ? MahText(cell.day, names) : QStringLiteral("Gatha days");
        if (mahs.isEmpty() || mahs.last() != mah)
            mahs << mah;
        const QString year = QString::number(cell.day.yzYear);
        if (!years.contains(year))
            years << year;
    }
    return QStringLiteral("Mah %1; YZ %2; %3")
        .arg(mahs.join(QStringLiteral(", ")), years.join(QStringLiteral(", ")),
             CalendarTitle(calendar));
}

QString BeginningMark(const DayCell &cell, Script names)
{
    if (cell.yearBegins)
        return QStringLiteral("YZ %1 begins").arg(cell.day.yzYear);
    if (!cell.mahBegins)
        return {};
    return cell.day.mah != 0 ? QStringLiteral("%1 begins").arg(MahLabel(cell.day, names))
                             : QStringLiteral("Gatha days begin");
}

std::vector<FestivalOccurrence> FestivalsOfMonth(YearMonth month, Reckoning calendar)
{
    // The longest festival, Muktad, may have begun in the month before.
    std::vector<FestivalOccurrence> found = FestivalsBeginningIn(
        month.month == 1 ? month.year - 1 : month.year, month.month == 1 ? 2 : 1, calendar);
    const CalendarDate first = *CalendarDate::fromYmd(month.year, month.month, 1);
    const CalendarDate last = *CalendarDate::fromYmd(
        month.year, month.month, CalendarDate::daysInMonth(month.year, month.month));
    std::erase_if(
        found, [&](const FestivalOccurrence &o) { return o.first > last || lastDay(o) < first; });
    return found;
}

QString toText(const FestivalsAnswer &answer, const RegionalSettings &settings)
{
    const bool named = answer.names != Script::English;
    std::vector<QStringList> rows = {{"Date", "Weekday", "Festival", "Days", "Roz", "Mah", "YZ"}};
    if (named)
        rows.front().insert(5, QStringLiteral("Name"));
    for (const FestivalOccurrence &o : answer.festivals) {
        QStringList &row = rows.emplace_back(QStringList{
            shortDate(o.first, settings), weekday(o.first, settings), FestivalName(*o.festival),
            QString::number(o.days), QString::number(o.day.roz), MahText(o.day, answer.names),
            QString::number(o.day.yzYear)});
        if (named)
            row.insert(5, FromCore(RozRowOf(o.day.roz).name) + u' ' +
                              FromCore(RozNameIn(o.day.roz, answer.names)));
    }
    return CalendarTitle(answer.calendar) + u'\n' + ColumnTable(rows);
}

QByteArray toJson(const FestivalsAnswer &answer)
{
    QJsonArray list;
    for (const FestivalOccurrence &o : answer.festivals)
        list.append(QJsonObject{{"name", FestivalName(*o.festival)},
                                {"date", IsoDate(o.first)},
                                {"days", o.days},
                                {"roz", o.day.roz},
                                {"mah", o.day.mah != 0 ? QJsonValue(o.day.mah) : QJsonValue()},
                                {"yz_year", o.day.yzYear}});
    const QJsonObject object{{"calendar", CalendarName(answer.calendar)}, {"festivals", list}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

QByteArray toICalendar(const FestivalsAnswer &answer, const QDateTime &stamp)
{
    return CalendarFileBytes(core::FestivalEvents(answer.festivals, answer.calendar), stamp);
}

namespace {

// The lines of one week of the month: the days, their roz and, at a place, their sunrise and
// sunset; a cell of `width` for each day, blank before the month's first.
QString WeekLines(const std::vector<DayCell> &cells, const std::vector<SunClocks> &suns, int first,
                  qsizetype width)
{
    QStringList lines = {QStringLiteral("day "), QStringLiteral("roz ")};
    if (!suns.empty())
        lines << QStringLiteral("rise") << QStringLiteral("set ");
    for (int i = first; i < first + 7 && i < int(cells.size()); ++i) {
        const auto at = size_t(std::max(i, 0));
        const QString texts[] = {
            QString::number(cells[at].date.day()), QString::number(cells[at].day.roz),
            suns.empty() ? QString() : suns[at].rise, suns.empty() ? QString() : suns[at].set};
        for (qsizetype line = 0; line < lines.size(); ++line)
            lines[line] += u' ' + (i < 0 ? QString() : texts[line]).rightJustified(width);
    }
    return lines.join(u'\n') + u'\n';
}

} // namespace

QString MonthText(YearMonth month, Reckoning calendar, const RegionalSettings &settings,
                  Script names, const Place *place, const QTimeZone &zone)
{
    const std::vector<DayCell> cells = MonthCells(month.year, month.month, calendar);
    const int firstDay = int(settings.locale.firstDayOfWeek()); // [1, 7], Monday 1
    const int lead = (ToQDate(cells.front().date).dayOfWeek() - firstDay + 7) % 7; // [0, 6]
    std::vector<SunClocks> suns;
    for (const DayCell &cell : place ? cells : std::vector<DayCell>{})
        suns.push_back(SunClocksOn(cell.date, *place));
    // A day's number takes two places, a sunrise such as 12:34 five.
    const qsizetype cellWidth = place ? 5 : 2;
    QString weekdays = QStringLiteral("    ");
    for (int i = 0; i < 7; ++i)
        weekdays += u' ' + settings.locale.dayName((firstDay - 1 + i) % 7 + 1, QLocale::ShortFormat)
                               .left(2)
                               .rightJustified(cellWidth);
    const QString title =
        settings.locale.standaloneMonthName(month.month) + u' ' + QString::number(month.year);
    const qsizetype width = weekdays.size();
    QString text = QString(std::max<qsizetype>(0, (width - title.size()) / 2), u' ') + title +
                   u'\n' + MonthReckoningHeading(cells, calendar, names) + u'\n' + weekdays + u'\n';
    for (int first = -lead; first < int(cells.size()); first += 7)
        text += WeekLines(cells, suns, first, cellWidth);
    const std::vector<FestivalOccurrence> festivals = FestivalsOfMonth(month, calendar);
    if (!festivals.empty())
        text += u'\n';
    std::vector<QStringList> rows;
    for (const FestivalOccurrence &o : festivals) {
        const QString span =
            o.days == 1
                ? QString()
                : QStringLiteral("%1 days, to %2").arg(o.days).arg(shortDate(lastDay(o), settings));
        rows.push_back({shortDate(o.first, settings), weekday(o.first, settings),
                        FestivalName(*o.festival), span});
    }
    text += ColumnTable(rows);
    text += u'\n' + MoonText(PhasesOfMonths(month, 1, place ? place->zone : zone), settings);
    return text;
}
