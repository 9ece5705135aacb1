// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The Family Register window on a register of 1,000 entries: its two tables' models built from
// the file, and the whole window opened and painted once (at most 150 ms).
#include "platform/familyregister.h"
#include "platform/qtwindowservices.h"
#include "windows/family/familytablemodel.h"
#include "windows/family/frmfamily.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A register of a thousand people, deaths and every other kind in turn, made once.
QString ThousandEntries()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("family.sqlite"));
        std::vector<FamilyEntry> entries(1000);
        for (int i = 0; i < 1000; ++i) {
            entries[size_t(i)].person = QStringLiteral("Person %1").arg(i + 1);
            entries[size_t(i)].kind = EventKind(i % 5);
            entries[size_t(i)].date = *CalendarDate::fromYmd(1950 + i % 70, 1 + i % 12, 1 + i % 28);
            entries[size_t(i)].beforeDawn = i % 7 == 0;
        }
        FamilyRegister(file).Import(entries);
        return file;
    }();
    return path;
}

// The window needs a widget application on the offscreen platform; the PDF benchmark's
// fonts are served by the same one.
void NeedApplication()
{
    static int argc = 1;
    static char name[] = "dalvane_bench";
    static char *argv[] = {name, nullptr};
    static const std::unique_ptr<QApplication> application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // The offscreen platform says at every show that it keeps no size hints.
        static QtMessageHandler standard = nullptr;
        standard = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (!message.contains(u"propagateSizeHints"))
                    standard(type, context, message);
            });
        return QCoreApplication::instance() ? nullptr : std::make_unique<QApplication>(argc, argv);
    }();
}

// What the window's Reload computes: the entries from the file, the People rows, and the
// year's observances as the Coming up rows.
void FamilyWindowModels(benchmark::State &state)
{
    const QString path = ThousandEntries();
    const RegionalSettings settings = RegionalSettings::fromLocale(QLocale("en_GB"));
    size_t rows = 0;
    for (auto _ : state) {
        FamilyRegister familyRegister(path);
        const auto entries = std::get<std::vector<FamilyEntry>>(familyRegister.Entries());
        FamilyTableModel people, coming;
        people.SetRows(FamilyRows(entries, settings));
        const Upcoming upcoming =
            UpcomingObservances(entries, *CalendarDate::fromYmd(2025, 8, 15), 365, settings);
        coming.SetRows(UpcomingRows(upcoming, settings));
        rows = upcoming.items.size();
    }
    state.counters["observances"] = double(rows);
}
BENCHMARK(FamilyWindowModels)->Unit(benchmark::kMillisecond);

// From the menu's click to the window on the screen: made, the register read, shown and painted.
void FamilyWindowOpen(benchmark::State &state)
{
    NeedApplication();
    const QString path = ThousandEntries();
    const RegionalSettings settings = RegionalSettings::fromLocale(QLocale("en_GB"));
    QtWindowServices services;
    for (auto _ : state) {
        FamilyRegister familyRegister(path);
        frmFamily window(services, familyRegister, settings, kDayMonthYear);
        window.Reload();
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(FamilyWindowOpen)->Unit(benchmark::kMillisecond);

} // namespace
