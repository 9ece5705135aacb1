// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The mah, the YZ year, the three reckonings and the schedule of observances, against dates
// from published calendars, plain day arithmetic and the window's own day-by-day walk.
#include "civiloracle.h"
#include "reckonings.h"

#include <QTest>

namespace {

long DaysOf(CalendarDate date)
{
    return DaysFromCivil({date.year(), date.month(), date.day()});
}

CalendarDate DateOfDays(long days)
{
    const Civil c = CivilFromDays(days);
    return *CalendarDate::fromYmd(c.year, c.month, c.day);
}

CalendarDate Date(int year, int month, int day)
{
    return *CalendarDate::fromYmd(year, month, day);
}

// A day's place in its year, [0, 365], named as the calendar names it.
ZoroastrianDay Named(long place, long yzYear)
{
    return place < 360 ? ZoroastrianDay{int(place % 30 + 1), int(place / 30 + 1), int(yzYear)}
                       : ZoroastrianDay{int(place - 329), 0, int(yzYear)};
}

// 21 August 2001 opened YZ 1371 of the 365-day year.
ZoroastrianDay Expected365(long days)
{
    const long k = days - DaysFromCivil({2001, 8, 21});
    const long years = (k >= 0 ? k : k - 364) / 365;
    return Named(k - 365 * years, 1371 + years);
}

ZoroastrianDay ExpectedFasli(long days)
{
    const Civil c = CivilFromDays(days);
    const int start = c.month > 3 || (c.month == 3 && c.day >= 21) ? c.year : c.year - 1;
    return Named(days - DaysFromCivil({start, 3, 21}), start - 630);
}

QString Describe(const ZoroastrianDay &day)
{
    return QStringLiteral("roz %1 mah %2 YZ %3").arg(day.roz).arg(day.mah).arg(day.yzYear);
}

} // namespace

Q_DECLARE_METATYPE(CalendarDate)
Q_DECLARE_METATYPE(std::optional<CalendarDate>)
Q_DECLARE_METATYPE(Reckoning)
Q_DECLARE_METATYPE(ObservanceKind)

class TestReckonings : public QObject
{
    Q_OBJECT

private slots:
    void publishedDates_data();
    void publishedDates();
    void agreesWithTheWalkAndDayArithmetic();
    void fasliSameRozDate_data();
    void fasliSameRozDate();
    void yearlyIsTheSingleCalculation();
    void monthsAndDays_data();
    void monthsAndDays();
};

void TestReckonings::publishedDates_data()
{
    QTest::addColumn<CalendarDate>("date");
    QTest::addColumn<Reckoning>("reckoning");
    QTest::addColumn<int>("roz");
    QTest::addColumn<int>("mah");
    QTest::addColumn<int>("yzYear");
    const auto S = Reckoning::Shahenshahi, K = Reckoning::Kadmi, F = Reckoning::Fasli;
    QTest::newRow("Navroz 1395") << Date(2025, 8, 15) << S << 1 << 1 << 1395;
    QTest::newRow("Navroz 1394") << Date(2024, 8, 15) << S << 1 << 1 << 1394;
    QTest::newRow("last Gatha day of 1393") << Date(2024, 8, 14) << S << 35 << 0 << 1393;
    QTest::newRow("AASMAAN of mah 2") << Date(2024, 10, 10) << S << 27 << 2 << 1394;
    QTest::newRow("Kadmi Navroz 1394") << Date(2024, 7, 16) << K << 1 << 1 << 1394;
    QTest::newRow("Fasli 1379 began") << Date(2009, 3, 21) << F << 1 << 1 << 1379;
    QTest::newRow("Avardad-sal-gah 1393") << Date(2024, 3, 20) << F << 36 << 0 << 1393;
    QTest::newRow("Fasli first Gatha, leap") << Date(2024, 3, 15) << F << 31 << 0 << 1393;
    QTest::newRow("Fasli fifth Gatha, common") << Date(2023, 3, 20) << F << 35 << 0 << 1392;
    QTest::newRow("Khordad Sal 2022 Shahenshahi") << Date(2022, 8, 21) << S << 6 << 1 << 1392;
    QTest::newRow("Khordad Sal 2022 Kadmi") << Date(2022, 7, 22) << K << 6 << 1 << 1392;
    QTest::newRow("Khordad Sal 2022 Fasli") << Date(2022, 3, 26) << F << 6 << 1 << 1392;
}

void TestReckonings::publishedDates()
{
    QFETCH(CalendarDate, date);
    QFETCH(Reckoning, reckoning);
    QFETCH(int, roz);
    QFETCH(int, mah);
    QFETCH(int, yzYear);
    const ZoroastrianDay day = ZoroastrianDayOf(date, reckoning);
    QCOMPARE(Describe(day), Describe({roz, mah, yzYear}));
    QCOMPARE(DateOfZoroastrianDay(day, reckoning), date);
}

void TestReckonings::agreesWithTheWalkAndDayArithmetic()
{
    // Every day from 1990 to 2030, then a prime stride over the whole calendar.
    std::vector<long> days;
    for (long n = DaysFromCivil({1990, 1, 1}); n <= DaysFromCivil({2030, 12, 31}); ++n)
        days.push_back(n);
    for (long n = DaysOf(CalendarDate::first()); n <= DaysOf(CalendarDate::last()); n += 30011)
        days.push_back(n);
    days.push_back(DaysOf(CalendarDate::last()));
    for (long n : days) {
        const CalendarDate date = DateOfDays(n);
        const RozReckoning walked = ReckonRozAndMonth(date, kDayMonthYear);
        const ZoroastrianDay expected[] = {Expected365(n), Expected365(n + 30), ExpectedFasli(n)};
        for (Reckoning r : {Reckoning::Shahenshahi, Reckoning::Kadmi, Reckoning::Fasli}) {
            const ZoroastrianDay day = ZoroastrianDayOf(date, r);
            const QString where = QStringLiteral("%1-%2-%3 in reckoning %4: ")
                                      .arg(date.year())
                                      .arg(date.month())
                                      .arg(date.day())
                                      .arg(int(r));
            QCOMPARE(where + Describe(day), where + Describe(expected[int(r)]));
            QCOMPARE(DateOfZoroastrianDay(day, r), date);
        }
        const ZoroastrianDay shahenshahi = expected[0];
        QCOMPARE(walked.roz, shahenshahi.roz);
        QCOMPARE(walked.month, shahenshahi.mah == 0 ? 12 : shahenshahi.mah);
    }
}

void TestReckonings::fasliSameRozDate_data()
{
    QTest::addColumn<CalendarDate>("date");
    QTest::addColumn<int>("year");
    QTest::addColumn<std::optional<CalendarDate>>("expected");
    QTest::newRow("Avardad-sal-gah, leap year")
        << Date(2024, 3, 20) << 2028 << std::optional(Date(2028, 3, 20));
    QTest::newRow("Avardad-sal-gah to the fifth Gatha day")
        << Date(2024, 3, 20) << 2025 << std::optional(Date(2025, 3, 20));
    QTest::newRow("first Gatha, leap to common")
        << Date(2024, 3, 15) << 2025 << std::optional(Date(2025, 3, 16));
    QTest::newRow("fifth Gatha, common to leap")
        << Date(2023, 3, 20) << 2024 << std::optional(Date(2024, 3, 19));
    QTest::newRow("29 February to a common year")
        << Date(2024, 2, 29) << 2025 << std::optional(Date(2025, 3, 1));
    QTest::newRow("1 March after a leap day")
        << Date(2024, 3, 1) << 2025 << std::optional(Date(2025, 3, 2));
    QTest::newRow("January") << Date(2024, 1, 5) << 2030 << std::optional(Date(2030, 1, 5));
    QTest::newRow("same year") << Date(2022, 3, 26) << 2022 << std::optional(Date(2022, 3, 26));
    QTest::newRow("earlier year") << Date(2022, 3, 26) << 2021 << std::optional<CalendarDate>{};
    QTest::newRow("first day of the calendar")
        << CalendarDate::first() << 100 << std::optional(CalendarDate::first());
    QTest::newRow("last day of the calendar")
        << CalendarDate::last() << 9999 << std::optional(CalendarDate::last());
}

void TestReckonings::fasliSameRozDate()
{
    QFETCH(CalendarDate, date);
    QFETCH(int, year);
    QFETCH(std::optional<CalendarDate>, expected);
    QCOMPARE(SameRozDateInYear(date, year, Reckoning::Fasli), expected);
}

void TestReckonings::yearlyIsTheSingleCalculation()
{
    const DateTextRules english;
    for (long n = DaysFromCivil({102, 1, 1}); n <= DaysOf(CalendarDate::last()); n += 104729) {
        const CalendarDate date = DateOfDays(n);
        for (Reckoning r : {Reckoning::Shahenshahi, Reckoning::Kadmi, Reckoning::Fasli}) {
            const ScheduleRequest request{TargetYears(date.year() - 2, 40, english), 0, {}};
            const std::vector<Observance> entries = MakeSchedule(date, r, request);
            size_t i = 0;
            for (int year = date.year() - 2; year < date.year() + 38; ++year) {
                const auto single =
                    SameRozDateIn(r, date, SignPositionText(year), kDayMonthYear, english);
                if (!single)
                    continue;
                QVERIFY2(
                    i < entries.size() && entries[i].n == year && entries[i].date == *single,
                    qPrintable(
                        QStringLiteral("%1 in %2, reckoning %3").arg(n).arg(year).arg(int(r))));
                ++i;
            }
            QCOMPARE(entries.size(), i);
        }
    }
}

void TestReckonings::monthsAndDays_data()
{
    QTest::addColumn<Reckoning>("reckoning");
    QTest::addColumn<CalendarDate>("date");
    QTest::addColumn<ObservanceKind>("kind");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("offset"); // days after the date; -1 when left out
    QTest::addColumn<int>("keptAs");
    const auto S = Reckoning::Shahenshahi, K = Reckoning::Kadmi, F = Reckoning::Fasli;
    const auto M = ObservanceKind::Month, D = ObservanceKind::Day;
    QTest::newRow("roz 26 of mah 12, after the Gathas")
        << S << Date(2025, 8, 5) << M << 1 << 35 << 0;
    QTest::newRow("mah 1 to mah 2") << S << Date(2025, 8, 15) << M << 1 << 30 << 0;
    QTest::newRow("twelve months on") << S << Date(2024, 10, 10) << M << 12 << 365 << 0;
    QTest::newRow("Kadmi, after the Gathas") << K << Date(2025, 7, 6) << M << 1 << 35 << 0;
    QTest::newRow("Fasli, after a leap year's Gathas")
        << F << Date(2024, 3, 10) << M << 1 << 36 << 0;
    QTest::newRow("first Gatha day kept on roz 1") << S << Date(2025, 8, 10) << M << 1 << 5 << 1;
    QTest::newRow("fifth Gatha day, second month") << S << Date(2025, 8, 14) << M << 2 << 35 << 5;
    QTest::newRow("Avardad-sal-gah as the fifth") << F << Date(2024, 3, 20) << M << 1 << 5 << 5;
    QTest::newRow("month past the calendar") << S << Date(9999, 12, 1) << M << 2 << -1 << 0;
    QTest::newRow("day 1 is the date") << S << Date(2001, 8, 20) << D << 1 << 0 << 0;
    QTest::newRow("day 4") << K << Date(2001, 8, 20) << D << 4 << 3 << 0;
    QTest::newRow("day 30 across a leap day") << F << Date(2024, 2, 15) << D << 30 << 29 << 0;
    QTest::newRow("day past the calendar") << S << Date(9990, 1, 1) << D << 36500 << -1 << 0;
}

void TestReckonings::monthsAndDays()
{
    QFETCH(Reckoning, reckoning);
    QFETCH(CalendarDate, date);
    QFETCH(ObservanceKind, kind);
    QFETCH(int, n);
    QFETCH(int, offset);
    QFETCH(int, keptAs);
    const ScheduleRequest request{{}, kind == ObservanceKind::Month ? n : 0, {n}};
    std::vector<Observance> entries = MakeSchedule(date, reckoning, request);
    std::erase_if(entries, [&](const Observance &e) { return e.kind != kind || e.n != n; });
    QCOMPARE(entries.size(), size_t(offset < 0 ? 0 : 1));
    if (offset < 0)
        return;
    QCOMPARE(DaysOf(entries[0].date) - DaysOf(date), long(offset));
    QCOMPARE(entries[0].gathaKeptAs, keptAs);
    const int roz = ZoroastrianDayOf(date, reckoning).roz;
    if (kind == ObservanceKind::Month)
        QCOMPARE(entries[0].day.roz, keptAs != 0 ? keptAs : roz);
}

QTEST_GUILESS_MAIN(TestReckonings)
#include "tst_reckonings.moc"
