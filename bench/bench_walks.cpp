// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The day-by-day walks: nanoseconds per step, the whole calculation at the far ends of the
// calendar, and the same walks made the straightforward way on QDate for comparison; and
// dalvane-cli's schedule of a date against its single calculation.
#include "answer/answer.h"
#include "calendar/roz.h"
#include "platform/regional.h"

#include <QDate>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>

namespace {

const CalendarDate kReference = *CalendarDate::fromYmd(2001, 8, 20);
const long kForwardSteps = QDate(2001, 8, 20).daysTo(QDate(9999, 12, 31));
const long kCountSteps = QDate(100, 1, 1).daysTo(QDate(9999, 12, 31));

void SetPerStep(benchmark::State &state, long steps)
{
    state.counters["per_step"] = benchmark::Counter(
        double(steps), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void ReckonRozWalk(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ReckonRoz(CalendarDate::last(), kDayMonthYear));
    SetPerStep(state, kForwardSteps);
}
BENCHMARK(ReckonRozWalk)->Unit(benchmark::kMillisecond);

// The same forward walk, one QDate::addDays, day() and month() a step.
void ReckonRozWalkOnQDate(benchmark::State &state)
{
    const QDate reckoning(9999, 12, 31);
    for (auto _ : state) {
        QDate walking(2001, 8, 20);
        int roz = 0, month = 1;
        while (walking != reckoning) {
            ++roz;
            if ((roz == 31 && month != 12) || roz == 36) {
                ++month;
                roz = 1;
                if (month == 13)
                    month = 1;
            }
            walking = walking.addDays(1);
            benchmark::DoNotOptimize(walking.day() + walking.month());
        }
        benchmark::DoNotOptimize(roz);
    }
    SetPerStep(state, kForwardSteps);
}
BENCHMARK(ReckonRozWalkOnQDate)->Unit(benchmark::kMillisecond);

void LeapDayCount(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CountLeapDays(CalendarDate::first(), CalendarDate::last()));
    SetPerStep(state, kCountSteps);
}
BENCHMARK(LeapDayCount)->Unit(benchmark::kMillisecond);

void LeapDayCountOnQDate(benchmark::State &state)
{
    const QDate to(9999, 12, 31);
    for (auto _ : state) {
        int count = 0;
        for (QDate walking(100, 1, 1); walking != to; walking = walking.addDays(1)) {
            if (walking.day() == 29 && walking.month() == 2)
                ++count;
        }
        benchmark::DoNotOptimize(count);
    }
    SetPerStep(state, kCountSteps);
}
BENCHMARK(LeapDayCountOnQDate)->Unit(benchmark::kMillisecond);

// Everything the Calculate command computes, from the typed texts to the anniversary.
void WholeCalculation(benchmark::State &state, const QString &dateText)
{
    const RegionalSettings settings = RegionalSettings::fromLocale(QLocale("en_GB"));
    const std::u16string year = u"9999";
    for (auto _ : state) {
        const CalendarDate entered = *ParseDate(dateText, kDayMonthYear, settings);
        const CalendarDate reckoning = *BeforeDawnShift(entered, false);
        benchmark::DoNotOptimize(ReckonRoz(reckoning, kDayMonthYear));
        benchmark::DoNotOptimize(SameRozDate(reckoning, year, kDayMonthYear, settings.rules));
    }
}
BENCHMARK_CAPTURE(WholeCalculation, first_days_to_9999, QStringLiteral("02-01-0100"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeCalculation, last_day_to_9999, QStringLiteral("31-12-9999"))
    ->Unit(benchmark::kMillisecond);

// What dalvane-cli computes for `DATE 2026`, and for `schedule --from 2026 --years 100
// --months 12 --days 4,10,30 DATE`: the same single calculation and the observances.
void CliCalculation(benchmark::State &state, bool schedule)
{
    const RegionalSettings settings = RegionalSettings::fromLocale(QLocale("en_GB"));
    const QString year = QStringLiteral("2026");
    for (auto _ : state) {
        const CalendarDate entered =
            *ParseDate(QStringLiteral("20-08-2001"), kDayMonthYear, settings);
        Answer answer =
            Calculate(entered, entered, Reckoning::Shahenshahi, year, kDayMonthYear, settings);
        if (schedule)
            answer.observances =
                MakeSchedule(entered, Reckoning::Shahenshahi,
                             {TargetYears(2026, 100, settings.rules), 12, {4, 10, 30}});
        benchmark::DoNotOptimize(answer);
    }
}
BENCHMARK_CAPTURE(CliCalculation, single, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CliCalculation, schedule, true)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's time per iteration so the run can end with the ratios.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    // Colours for a terminal only: piped into a file or a log the table stays plain text.
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto ratio = [&](const char *plain, const char *ours) {
        if (reporter.times.count(plain) && reporter.times.count(ours) && reporter.times[ours] > 0)
            std::printf("%-28s %.1f times faster than on QDate\n", ours,
                        reporter.times[plain] / reporter.times[ours]);
    };
    ratio("ReckonRozWalkOnQDate", "ReckonRozWalk");
    ratio("LeapDayCountOnQDate", "LeapDayCount");
    const double single = reporter.times["CliCalculation/single"];
    if (single > 0)
        std::printf("%-28s %.2f times the single calculation (at most 2)\n",
                    "CliCalculation/schedule", reporter.times["CliCalculation/schedule"] / single);
    if (single > 0 && reporter.times.count("CliSunCalculation"))
        std::printf("%-28s %.2f times the single calculation\n", "CliSunCalculation",
                    reporter.times["CliSunCalculation"] / single);
    benchmark::Shutdown();
    return 0;
}
