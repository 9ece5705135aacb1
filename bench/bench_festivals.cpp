// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The festivals of 1000 years, a month view's cells as a repaint asks them, and the 12-page
// wall calendar written as a PDF, plain and with names, sun and moon.
#include "answer/wallcalendar.h"
#include "calendar/festivals.h"
#include "platform/placetime.h"
#include "platform/regional.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

void FestivalsOf1000Years(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(FestivalsBeginningIn(2000, 1000, Reckoning::Fasli));
}
BENCHMARK(FestivalsOf1000Years)->Unit(benchmark::kMillisecond);

// Every cell of a month: its roz, the festivals covering it and the marks; a repaint has 16 ms.
void MonthCellsForARepaint(benchmark::State &state)
{
    for (auto _ : state)
        for (int day = 1; day <= 31; ++day)
            benchmark::DoNotOptimize(
                CellOf(*CalendarDate::fromYmd(2025, 8, day), Reckoning::Shahenshahi));
}
BENCHMARK(MonthCellsForARepaint)->Unit(benchmark::kMicrosecond);

// A year's wall calendar: plain, or with the Gujarati names, the sun at Mumbai and the moon,
// which may cost at most two and a half times as much.
void WallCalendar(benchmark::State &state, Script names, const char *place)
{
    // Text needs the fonts of a GUI application; the other benchmarks need none, so it is made
    // here, once, on the offscreen platform.
    static int argc = 1;
    static char name[] = "dalvane_bench";
    static char *argv[] = {name, nullptr};
    static const std::unique_ptr<QGuiApplication> application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return QGuiApplication::instance() ? nullptr
                                           : std::make_unique<QGuiApplication>(argc, argv);
    }();
    const RegionalSettings settings = RegionalSettings::fromLocale(QLocale("en_GB"));
    QString problem;
    const std::optional<Place> at =
        place ? ReadPlace(QString::fromLatin1(place), &problem) : std::nullopt;
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(WallCalendarPageLayout());
        writer.setResolution(300);
        PaintWallCalendar(writer, {2025, 1}, 12, Reckoning::Shahenshahi, settings, names,
                          at ? &*at : nullptr);
        bytes = buffer.size();
    }
    state.counters["bytes"] = double(bytes);
}

void WallCalendarPdf(benchmark::State &state)
{
    WallCalendar(state, Script::English, nullptr);
}
BENCHMARK(WallCalendarPdf)->Unit(benchmark::kMillisecond);

void WallCalendarPdfNamesSunMoon(benchmark::State &state)
{
    WallCalendar(state, Script::Gujarati, "Mumbai");
}
BENCHMARK(WallCalendarPdfNamesSunMoon)->Unit(benchmark::kMillisecond);

} // namespace
