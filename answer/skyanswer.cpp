// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/skyanswer.h"

#include "answer/writtenforms.h"
#include "platform/placetime.h"
#include "platform/regional.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTimeZone>
#include <cmath>

namespace {

// The first moment of a local day; where the clocks skip midnight, the moment it names.
UtSeconds StartOf(CalendarDate date, const QTimeZone &zone)
{
    return UtOf(date, QTime(0, 0), zone);
}

// "+05:30", "-05:00", "+00:00": ISO 8601's offset, never "Z", so that every time reads alike.
QString Offset(const QDateTime &local)
{
    const int minutes = local.offsetFromUtc() / 60;
    return QStringLiteral("%1%2:%3")
        .arg(QChar(minutes < 0 ? u'-' : u'+'))
        .arg(std::abs(minutes) / 60, 2, 10, QChar(u'0'))
        .arg(std::abs(minutes) % 60, 2, 10, QChar(u'0'));
}

} // namespace

std::vector<LocalPhase> PhasesOfMonths(YearMonth first, int months, const QTimeZone &zone)
{
    const CalendarDate from = *CalendarDate::fromYmd(first.year, first.month, 1);
    const std::optional<YearMonth> after = AddMonths(first, months);
    const UtSeconds to = after ? StartOf(*CalendarDate::fromYmd(after->year, after->month, 1), zone)
                               : StartOf(CalendarDate::last(), zone) + 86400;
    std::vector<LocalPhase> phases;
    for (const MoonPhaseInstant &instant : MoonPhasesBetween(StartOf(from, zone), to))
        phases.push_back({instant.phase, LocalTimeOf(instant.at, zone)});
    return phases;
}

QString PhaseName(MoonPhase phase)
{
    return FromCore(MoonPhaseName(phase));
}

void DrawPhase(QPainter &painter, const QRectF &disc, MoonPhase phase)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(painter.pen().color());
    // Angles in sixteenths of a degree, counterclockwise from three o'clock.
    if (phase == MoonPhase::New)
        painter.drawEllipse(disc);
    else if (phase != MoonPhase::Full)
        painter.drawPie(disc, (phase == MoonPhase::FirstQuarter ? 90 : -90) * 16, 180 * 16);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(disc);
    painter.restore();
}

QString MoonText(const std::vector<LocalPhase> &phases, const RegionalSettings &settings)
{
    std::vector<QStringList> rows;
    for (const LocalPhase &p : phases) {
        const CalendarDate date = *FromQDate(p.at.date());
        rows.push_back({PhaseName(p.phase),
                        settings.locale.dayName(p.at.date().dayOfWeek(), QLocale::ShortFormat) +
                            u' ' + FormatDate(date, QStringLiteral("dd-mmm-yyyy"), settings) +
                            u' ' + ShortClock(p.at)});
    }
    return ColumnTable(rows);
}

QByteArray MoonJson(const std::vector<LocalPhase> &phases)
{
    QJsonArray list;
    for (const LocalPhase &p : phases)
        list.append(
            QJsonObject{{"phase", FromCore(MoonPhaseKey(p.phase))},
                        {"time", p.at.toString(QStringLiteral("yyyy-MM-ddTHH:mm")) + Offset(p.at)},
                        {"date", p.at.date().toString(Qt::ISODate)}});
    return QJsonDocument(list).toJson(QJsonDocument::Compact) + '\n';
}

QString SunLine(const SunClocks &sun)
{
    return QStringLiteral("rise %1  set %2").arg(sun.rise, sun.set);
}

SunClocks SunClocksOn(CalendarDate date, const Place &place)
{
    const SunDay sun = SunOn(date, place.latitude, place.longitude);
    if (sun.daylight != Daylight::RisesAndSets)
        return {QStringLiteral("-"), QStringLiteral("-")};
    return {ShortClock(LocalTimeOf(sun.rise, place.zone)),
            ShortClock(LocalTimeOf(sun.set, place.zone))};
}

QString MoonOfDay(CalendarDate date, const QTimeZone &zone)
{
    const UtSeconds start = StartOf(date, zone);
    const UtSeconds end =
        date < CalendarDate::last() ? StartOf(date.nextDay(), zone) : start + 86400;
    const auto percent = [](double lit) { return int(std::lround(lit * 100)); };
    for (const MoonPhaseInstant &instant : MoonPhasesBetween(start, end))
        return QStringLiteral("%1 at %2, %3% lit")
            .arg(PhaseName(instant.phase), ShortClock(LocalTimeOf(instant.at, zone)))
            .arg(percent(MoonLitFraction(instant.at)));
    const UtSeconds noon = UtOf(date, QTime(12, 0), zone);
    const double lit = MoonLitFraction(noon);
    const bool waxing = MoonLitFraction(noon + 3600) > lit;
    return QStringLiteral("%1 %2, %3% lit")
        .arg(waxing ? QStringLiteral("Waxing") : QStringLiteral("Waning"),
             lit < 0.5 ? QStringLiteral("crescent") : QStringLiteral("gibbous"))
        .arg(percent(lit));
}
