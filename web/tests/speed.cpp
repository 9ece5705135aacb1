// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The native side of web/tests/speed.mjs: the core calls of one calculation of the page (the
// worked example, and the same with a time at London), timed over many runs, in microseconds.
#include "calendar/reckonings.h"
#include "calendar/sun.h"

#include <chrono>
#include <cstdio>

namespace {

volatile int sink;

void Calculate(bool withSun)
{
    const DateTextRules rules;
    const std::optional<CalendarDate> entered = ParseDateText(u"20-08-2001", kDayMonthYear, rules);
    const CalendarDate rozDate = *BeforeDawnShift(*entered, false);
    if (withSun) {
        const SunDay sun = SunOn(*entered, 51.51, -0.13);
        const SunDay before = SunOn(entered->previousDay(), 51.51, -0.13);
        sink = int(GahAt(sun.rise - 1800, sun, before.transit, false));
    }
    sink = ReckonRoz(rozDate, kDayMonthYear);
    sink = SameRozDateIn(Reckoning::Shahenshahi, rozDate, u"2005", kDayMonthYear, rules)->day();
    for (Reckoning r : {Reckoning::Shahenshahi, Reckoning::Kadmi, Reckoning::Fasli})
        sink = ZoroastrianDayOf(rozDate, r).roz;
}

} // namespace

int main()
{
    for (bool withSun : {false, true}) {
        constexpr int kRuns = 20000;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kRuns; ++i)
            Calculate(withSun);
        const std::chrono::duration<double, std::micro> took =
            std::chrono::steady_clock::now() - start;
        std::printf("%s %.2f\n", withSun ? "sun" : "plain", took.count() / kRuns);
    }
}
