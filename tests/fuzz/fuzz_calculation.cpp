// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Input: one byte choosing the regional setting, the date order and the before-dawn flag, then
// the date text, a newline and the year text (UTF-8). With the byte's bit 0x40 set, the place
// and time texts of the sunrise rule instead (FuzzSun). Everything the window does with them
// runs, and what must hold of its answers is checked against plain day arithmetic.
#include "answer.h"
#include "civiloracle.h"
#include "regional.h"
#include "roz.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const RegionalSettings &Settings(int index)
{
    static const RegionalSettings all[] = {
        RegionalSettings::fromLocale(QLocale(QStringLiteral("en_GB"))),
        RegionalSettings::fromLocale(QLocale(QStringLiteral("en_US"))),
        RegionalSettings::fromLocale(QLocale(QStringLiteral("hu_HU"))),
        RegionalSettings::fromLocale(QLocale(QStringLiteral("fa_IR"))),
        RegionalSettings::fromLocale(QLocale(QStringLiteral("de_DE"))),
        RegionalSettings::fromLocale(QLocale(QStringLiteral("ko_KR"))),
        RegionalSettings::fromLocale(QLocale(QStringLiteral("C"))),
        RegionalSettings::fromLocale(QLocale(QStringLiteral("sv_SE"))),
    };
    return all[index % 8];
}

long DaysOf(CalendarDate date)
{
    return DaysFromCivil({date.year(), date.month(), date.day()});
}

// What a failed check prints before the abort, so that the report names the broken property
// and the inputs that broke it without a debugger.
struct Case
{
    const QString &date;
    const QString &year;
    const RegionalSettings &settings;
    int order;
    bool beforeDawn;
};

void Require(bool condition, const char *property, const Case &c)
{
    if (condition)
        return;
    std::fprintf(
        stderr, "fuzz: %s fails for date text \"%s\", year text \"%s\", locale %s, order %d%s\n",
        property, qPrintable(c.date), qPrintable(c.year), qPrintable(c.settings.locale.name()),
        c.order, c.beforeDawn ? ", before dawn" : "");
    std::abort();
}

// The sun's part: the place text, the time text and an ISO date, a line each, as --place,
// --time and the date reach the sunrise rule.
void FuzzSun(const QString &input)
{
    const QStringList lines = input.split(u'\n');
    const auto require = [&](bool condition, const char *property) {
        if (!condition) {
            std::fprintf(stderr, "fuzz: %s fails for \"%s\"\n", property,
                         qPrintable(lines.join(u'|')));
            std::abort();
        }
    };
    QString problem;
    const std::optional<Place> place = ReadPlace(lines.value(0), &problem);
    const std::optional<QTime> time = ReadClockTime(lines.value(1));
    require(!time || ReadClockTime(time->toString(QStringLiteral("H:mm"))) == time, "time");
    const std::optional<CalendarDate> date = ParseDate(lines.value(2), kYearMonthDay, Settings(6));
    if (!place || !date)
        return require(place || !problem.isEmpty(), "a place or a problem");
    require(std::abs(place->latitude) <= 90 && std::abs(place->longitude) <= 180 &&
                place->zone.isValid(),
            "a place in range with a known zone");
    const std::optional<SunAnswer> sun =
        SunAnswerFor(*place, *date, time, Reckoning::Fasli, Settings(6), &problem);
    require(sun ? sun->sunrise < sun->sunset : !problem.isEmpty(), "a sun or a problem");
    require(!sun || !sun->beforeSunrise || sun->gah == Gah::Ushahin ||
                sun->gah == Gah::Aiwisruthrem,
            "a night Gah before sunrise");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    if (data[0] & 0x40) {
        FuzzSun(QString::fromUtf8(reinterpret_cast<const char *>(data + 1),
                                  static_cast<qsizetype>(size - 1)));
        return 0;
    }
    const RegionalSettings &settings = Settings(data[0] & 7);
    const auto order = static_cast<DateOrderCode>((data[0] >> 3) & 3); // 0 reads as 3
    const bool beforeDawn = data[0] & 0x20;
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data + 1),
                                            static_cast<qsizetype>(size - 1));
    const qsizetype newline = input.indexOf(u'\n');
    const QString dateText = input.left(newline).trimmed();
    const QString yearText = newline < 0 ? QStringLiteral("2005") : input.mid(newline + 1);

    const Case c{dateText, yearText, settings, order, beforeDawn};
    const std::optional<CalendarDate> entered = ParseDate(dateText, order, settings);
    Require(IsDate(dateText, order, settings) == entered.has_value(), "is-date agrees with parse",
            c);
    (void)IsNumeric(yearText, settings);
    (void)Val(yearText, settings);
    if (!entered)
        return 0;

    // What the program writes of a date it reads back.
    for (const QString &pattern : {TodayPattern(order), QStringLiteral("dd-mmm-yyyy")})
        Require(ParseDate(FormatDate(*entered, pattern, settings), order, settings) == entered,
                "a written date reads back", c);
    (void)FormatDate(*entered, QStringLiteral("Long Date"), settings);

    const std::optional<CalendarDate> reckoning = BeforeDawnShift(*entered, beforeDawn);
    if (!reckoning)
        return 0;
    const int roz = ReckonRoz(*reckoning, order);
    Require(roz >= 1 && roz <= 35 && roz == OracleRoz(DaysOf(*reckoning)), "roz by day count", c);

    const std::u16string year(reinterpret_cast<const char16_t *>(yearText.utf16()),
                              yearText.size());
    if (const std::optional<CalendarDate> same =
            SameRozDate(*reckoning, year, order, settings.rules)) {
        const long distance = DaysOf(*same) - DaysOf(*reckoning);
        Require(distance >= 0 && distance % 365 == 0, "same roz a whole number of years on", c);
    }
    return 0;
}
