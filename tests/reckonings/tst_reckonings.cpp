// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The reckonings and the schedule against published dates, day arithmetic and the roz walk.
#include "civiloracle.h"
#include "calendar/reckonings.h"

#include <QTest>
#include <numeric>

namespace {

long DaysOf(CalendarDate date)
{
    return DaysFromCivil({date.year(), date.month(), date.day()});
}

CalendarDate Date(Civil c)
{
    return *CalendarDate::fromYmd(c.year, c.month, c.day);
}

QString Describe(const ZoroastrianDay &day)
{
    return QStringLiteral("roz %1 mah %2 YZ %3").arg(day.roz).arg(day.mah).arg(day.yzYear);
}

// A day's place in its year, [0, 365]: twelve mah of 30 roz, then the Gathas and roz 36.
QString Named(long place, long yzYear)
{
    return Describe(place < 360
                        ? ZoroastrianDay{int(place % 30 + 1), int(place / 30 + 1), int(yzYear)}
                        : ZoroastrianDay{int(place - 329), 0, int(yzYear)});
}

// 21 August 2001 opened YZ 1371 of the 365-day year.
QString Expected365(long days)
{
    const long k = days - DaysFromCivil({2001, 8, 21});
    const long years = (k >= 0 ? k : k - 364) / 365;
    return Named(k - 365 * years, 1371 + years);
}

QString ExpectedFasli(long days)
{
    const Civil c = CivilFromDays(days);
    const int start = c.month > 3 || (c.month == 3 && c.day >= 21) ? c.year : c.year - 1;
    return Named(days - DaysFromCivil({start, 3, 21}), start - 630);
}

constexpr Reckoning kAll[] = {Reckoning::Shahenshahi, Reckoning::Kadmi, Reckoning::Fasli};
constexpr int S = 0, K = 1, F = 2; // kAll's order

} // namespace

Q_DECLARE_METATYPE(CalendarDate)

class TestReckonings : public QObject
{
    Q_OBJECT

private slots:
    void publishedDates_data();
    void publishedDates();
    void agreesWithTheWalkAndDayArithmetic();
    void yearlyIsTheSingleCalculation();
    void schedule_data();
    void schedule();
};

void TestReckonings::publishedDates_data()
{
    QTest::addColumn<CalendarDate>("date");
    QTest::addColumn<int>("reckoning");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Navroz 1395") << Date({2025, 8, 15}) << S << "roz 1 mah 1 YZ 1395";
    QTest::newRow("last Gatha day of 1393") << Date({2024, 8, 14}) << S << "roz 35 mah 0 YZ 1393";
    QTest::newRow("AASMAAN of mah 2") << Date({2024, 10, 10}) << S << "roz 27 mah 2 YZ 1394";
    QTest::newRow("Kadmi Navroz 1394") << Date({2024, 7, 16}) << K << "roz 1 mah 1 YZ 1394";
    QTest::newRow("Fasli 1379 began") << Date({2009, 3, 21}) << F << "roz 1 mah 1 YZ 1379";
    QTest::newRow("Avardad-sal-gah 1393") << Date({2024, 3, 20}) << F << "roz 36 mah 0 YZ 1393";
    QTest::newRow("Khordad Sal, Shahenshahi") << Date({2022, 8, 21}) << S << "roz 6 mah 1 YZ 1392";
    QTest::newRow("Khordad Sal 2022, Kadmi") << Date({2022, 7, 22}) << K << "roz 6 mah 1 YZ 1392";
    QTest::newRow("Khordad Sal 2022, Fasli") << Date({2022, 3, 26}) << F << "roz 6 mah 1 YZ 1392";
}

void TestReckonings::publishedDates()
{
    QFETCH(CalendarDate, date);
    QFETCH(int, reckoning);
    QFETCH(QString, expected);
    QCOMPARE(Describe(ZoroastrianDayOf(date, kAll[reckoning])), expected);
}

void TestReckonings::agreesWithTheWalkAndDayArithmetic()
{
    // Every day from 1990 to 2030, then a prime stride over the whole calendar.
    std::vector<long> days(DaysFromCivil({2031, 1, 1}) - DaysFromCivil({1990, 1, 1}));
    std::iota(days.begin(), days.end(), DaysFromCivil({1990, 1, 1}));
    for (long n = DaysOf(CalendarDate::first()); n <= DaysOf(CalendarDate::last()); n += 30011)
        days.push_back(n);
    days.push_back(DaysOf(CalendarDate::last()));
    for (long n : days) {
        const CalendarDate date = Date(CivilFromDays(n));
        const QString where = QString::number(n) + QStringLiteral(" days from 1970: ");
        const QString expected[] = {Expected365(n), Expected365(n + 30), ExpectedFasli(n)};
        for (Reckoning r : kAll) {
            const ZoroastrianDay day = ZoroastrianDayOf(date, r);
            QCOMPARE(where + Describe(day), where + expected[int(r)]);
            QCOMPARE(DateOfZoroastrianDay(day, r), date);
        }
        const RozReckoning walk = ReckonRozAndMonth(date, kDayMonthYear);
        const ZoroastrianDay day = ZoroastrianDayOf(date, Reckoning::Shahenshahi);
        QCOMPARE(where + Describe({walk.roz, walk.roz > 30 ? 0 : walk.month, day.yzYear}),
                 where + Describe(day));
    }
}

void TestReckonings::yearlyIsTheSingleCalculation()
{
    for (long n = DaysFromCivil({102, 1, 1}); n <= DaysOf(CalendarDate::last()); n += 104729) {
        const CalendarDate date = Date(CivilFromDays(n));
        for (Reckoning r : kAll) {
            QStringList yearly, single;
            for (const Observance &e :
                 MakeSchedule(date, r, {TargetYears(date.year() - 2, 40, {})}))
                yearly << QStringLiteral("%1 in %2: %3").arg(n).arg(e.n).arg(DaysOf(e.date));
            for (int year = date.year() - 2; year < date.year() + 38; ++year) {
                if (auto same = SameRozDateIn(r, date, SignPositionText(year), kYearMonthDay, {}))
                    single << QStringLiteral("%1 in %2: %3").arg(n).arg(year).arg(DaysOf(*same));
            }
            QCOMPARE(yearly, single);
        }
    }
}

void TestReckonings::schedule_data()
{
    QTest::addColumn<int>("reckoning");
    QTest::addColumn<CalendarDate>("date");
    QTest::addColumn<QString>("entry"); // what it is = its date and roz, or none when left out
    QTest::newRow("36, leap year") << F << Date({2024, 3, 20}) << "year 2028 = 2028-03-20 36";
    QTest::newRow("36 to Gatha 5") << F << Date({2024, 3, 20}) << "year 2025 = 2025-03-20 35";
    QTest::newRow("Gatha 1, to common") << F << Date({2024, 3, 15}) << "year 2025 = 2025-03-16 31";
    QTest::newRow("Fasli Khordad Sal") << F << Date({2022, 3, 26}) << "year 2030 = 2030-03-26 6";
    QTest::newRow("26 of mah 12, month 1") << S << Date({2025, 8, 5}) << "month 1 = 2025-09-09 26";
    QTest::newRow("Fasli, month 1, leap") << F << Date({2024, 3, 10}) << "month 1 = 2024-04-15 26";
    QTest::newRow("fifth Gatha day") << S << Date({2025, 8, 14}) << "month 2 = 2025-09-18 5 kept";
    QTest::newRow("Avardad-sal-gah") << F << Date({2024, 3, 20}) << "month 1 = 2024-03-25 5 kept";
    QTest::newRow("month past the end") << S << Date({9999, 12, 1}) << "month 2 = none";
    QTest::newRow("day 4") << K << Date({2001, 8, 20}) << "day 4 = 2001-08-23 3";
}

void TestReckonings::schedule()
{
    QFETCH(int, reckoning);
    QFETCH(CalendarDate, date);
    QFETCH(QString, entry);
    const QString what = entry.section(QStringLiteral(" = "), 0, 0);
    const int n = what.section(u' ', 1).toInt();
    QStringList found;
    for (const Observance &e :
         MakeSchedule(date, kAll[reckoning], {{n}, what.startsWith(u"month") ? n : 0, {n}})) {
        if (QStringList{"year", "month", "day"}[int(e.kind)] + u' ' + QString::number(e.n) == what)
            found << QDate(e.date.year(), e.date.month(), e.date.day()).toString(Qt::ISODate) +
                         u' ' + QString::number(e.day.roz) + (e.gathaKeptAs != 0 ? " kept" : "");
    }
    QCOMPARE(what + " = " + (found.isEmpty() ? QStringLiteral("none") : found.join(u';')), entry);
}

QTEST_GUILESS_MAIN(TestReckonings)
#include "tst_reckonings.moc"
