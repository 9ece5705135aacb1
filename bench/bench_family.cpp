// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A family register of 1,000 entries: the year's observances, and importing them all at once.
#include "answer/family.h"
#include "platform/regional.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Deaths, births, weddings and navjotes over a century, in all three reckonings, some before
// dawn.
std::vector<FamilyEntry> Entries()
{
    std::vector<FamilyEntry> entries;
    CalendarDate date = *CalendarDate::fromYmd(1925, 1, 1);
    for (int n = 0; n < 1000; ++n) {
        FamilyEntry entry;
        entry.person = QStringLiteral("Person %1").arg(n);
        entry.kind = EventKind(n % 4);
        entry.calendar = Reckoning(n % 3);
        entry.beforeDawn = n % 7 == 0;
        for (int step = 0; step < 36; ++step)
            date = date.nextDay();
        entry.date = date;
        entries.push_back(entry);
    }
    return entries;
}

void UpcomingYearOf1000(benchmark::State &state)
{
    const std::vector<FamilyEntry> entries = Entries();
    const RegionalSettings settings =
        RegionalSettings::fromLocale(QLocale(QStringLiteral("en_GB")));
    const CalendarDate from = *CalendarDate::fromYmd(2026, 12, 7);
    for (auto _ : state)
        benchmark::DoNotOptimize(UpcomingObservances(entries, from, 365, settings));
}
BENCHMARK(UpcomingYearOf1000)->Unit(benchmark::kMillisecond);

void Import1000(benchmark::State &state)
{
    const std::vector<FamilyEntry> entries = Entries();
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir directory;
        FamilyRegister familyRegister(directory.filePath(QStringLiteral("family.sqlite")));
        state.ResumeTiming();
        benchmark::DoNotOptimize(familyRegister.Import(entries));
    }
}
BENCHMARK(Import1000)->Unit(benchmark::kMillisecond);

} // namespace
