// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The principal phases of the moon through a year, as a year's calendar asks for them.
#include "calendar/moon.h"

#include <benchmark/benchmark.h>

namespace {

void MoonPhasesOfAYear(benchmark::State &state)
{
    constexpr UtSeconds k2026 = 1767225600, kYear = 365 * 86400;
    for (auto _ : state)
        benchmark::DoNotOptimize(MoonPhasesBetween(k2026, k2026 + kYear));
}
BENCHMARK(MoonPhasesOfAYear)->Unit(benchmark::kMillisecond);

} // namespace
