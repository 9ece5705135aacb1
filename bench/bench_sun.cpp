// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The sun of one day at one place, a month of them as the month view draws them, and what
// dalvane-cli computes for `--time 07:30 --place London DATE 2026`, to set beside the single
// calculation of bench_walks.cpp.
#include "answer/answer.h"
#include "platform/regional.h"

#include <benchmark/benchmark.h>

namespace {

const CalendarDate kDecember = *CalendarDate::fromYmd(2025, 12, 15);

// The same day again, as a repaint asks for it: the sun's places for it are remembered.
void Sunrise(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SunOn(kDecember, 51.51, -0.13));
}
BENCHMARK(Sunrise)->Unit(benchmark::kMicrosecond);

// A new month each time round, 1900 to 2100, so that the sun's places are computed afresh and
// not remembered from the round before; per_day is the time of one day.
void SunriseMonth(benchmark::State &state)
{
    constexpr int kDays = 30;
    CalendarDate day = *CalendarDate::fromYmd(1900, 1, 1);
    for (auto _ : state) {
        for (int i = 0; i < kDays; ++i, day = day.nextDay())
            benchmark::DoNotOptimize(SunOn(day, 51.51, -0.13));
        if (day.year() > 2100)
            day = *CalendarDate::fromYmd(1900, 1, 1);
    }
    state.counters["per_day"] = benchmark::Counter(
        kDays, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(SunriseMonth)->Unit(benchmark::kMicrosecond);

void CliSunCalculation(benchmark::State &state)
{
    const RegionalSettings settings = RegionalSettings::fromLocale(QLocale("en_GB"));
    const QString year = QStringLiteral("2026");
    for (auto _ : state) {
        QString problem;
        const Place place = *ReadPlace(QStringLiteral("London"), &problem);
        const std::optional<QTime> time = ReadClockTime(QStringLiteral("07:30"));
        const CalendarDate entered =
            *ParseDate(QStringLiteral("15-12-2025"), kDayMonthYear, settings);
        const std::optional<SunAnswer> sun =
            SunAnswerFor(place, entered, time, Reckoning::Shahenshahi, settings, &problem);
        const CalendarDate rozDate = *BeforeDawnShift(entered, sun->beforeSunrise);
        Answer answer =
            Calculate(entered, rozDate, Reckoning::Shahenshahi, year, kDayMonthYear, settings);
        answer.sun = sun;
        benchmark::DoNotOptimize(answer);
    }
}
BENCHMARK(CliSunCalculation)->Unit(benchmark::kMicrosecond);

} // namespace
