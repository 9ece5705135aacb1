// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The reckonings and the schedule against published dates, the civil calendar and the roz walk.
#include "calendar/reckonings.h"
#include "civiloracle.h"
#include "tables.h"

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

// The day after `day` as the calendar runs: thirty roz a mah, the five Gatha days after mah 12,
// Avardad-sal-gah after them where the year has it, then roz 1 of mah 1 of the next year.
ZoroastrianDay Successor(const ZoroastrianDay &day, bool avardadSalGahNext)
{
    if (day.mah != 0)
        return day.roz < 30   ? ZoroastrianDay{day.roz + 1, day.mah, day.yzYear}
               : day.mah < 12 ? ZoroastrianDay{1, day.mah + 1, day.yzYear}
                              : ZoroastrianDay{31, 0, day.yzYear};
    if (day.roz < 35 || (day.roz == 35 && avardadSalGahNext))
        return {day.roz + 1, 0, day.yzYear};
    return {1, 1, day.yzYear + 1};
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
    void agreesWithTheWalkAndTheCivilCalendar();
    void yearlyIsTheSingleCalculation();
    void schedule_data();
    void schedule();
};

void TestReckonings::publishedDates_data()
{
    AddRowsFromFile("published-reckonings.txt");
}

void TestReckonings::publishedDates()
{
    const QStringList f = Fields();
    const QDate date = QDate::fromString(f[0], Qt::ISODate);
    QCOMPARE(
        Describe(ZoroastrianDayOf(*CalendarDate::fromYmd(date.year(), date.month(), date.day()),
                                  kAll[f[1] == u"kadmi"   ? K
                                       : f[1] == u"fasli" ? F
                                                          : S])),
        f[2]);
}

// Every day from 1990 to 2030, then a prime stride over the whole calendar: each reckoning
// steps from day to day as the calendar runs, Kadmi is the Shahenshahi of 30 days later, the
// Fasli year begins on 21 March and keeps roz 36 on 20 March of a leap year, the Shahenshahi roz
// is the day-by-day walk's, and every day is found again from its roz, mah and year.
void TestReckonings::agreesWithTheWalkAndTheCivilCalendar()
{
    std::vector<long> days(DaysFromCivil({2031, 1, 1}) - DaysFromCivil({1990, 1, 1}));
    std::iota(days.begin(), days.end(), DaysFromCivil({1990, 1, 1}));
    for (long n = DaysOf(CalendarDate::first()); n < DaysOf(CalendarDate::last()) - 30; n += 30011)
        days.push_back(n);
    for (long n : days) {
        const CalendarDate date = Date(CivilFromDays(n));
        const Civil civil = CivilFromDays(n), next = CivilFromDays(n + 1);
        const QString where = QString::number(n) + QStringLiteral(" days from 1970: ");
        const bool leapYear =
            DaysFromCivil({next.year, 3, 1}) - DaysFromCivil({next.year, 2, 28}) == 2;
        for (Reckoning r : kAll) {
            const ZoroastrianDay day = ZoroastrianDayOf(date, r);
            const bool roz36Next =
                r == Reckoning::Fasli && next.month == 3 && next.day == 20 && leapYear;
            QCOMPARE(where + Describe(ZoroastrianDayOf(Date(next), r)),
                     where + Describe(Successor(day, roz36Next)));
            QCOMPARE(DateOfZoroastrianDay(day, r), date);
        }
        const ZoroastrianDay fasli = ZoroastrianDayOf(date, Reckoning::Fasli);
        QCOMPARE(where + QString::number(fasli.roz == 1 && fasli.mah == 1),
                 where + QString::number(civil.month == 3 && civil.day == 21));
        QCOMPARE(where + Describe(ZoroastrianDayOf(date, Reckoning::Kadmi)),
                 where + Describe(ZoroastrianDayOf(Date(CivilFromDays(n + 30)),
                                                   Reckoning::Shahenshahi)));
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
                 MakeSchedule(date, r, {TargetYears(date.year() - 2, 40, {}), 0, {}}))
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
    // What it is = its date and roz, or none when left out; then, in brackets, the observances
    // asked for besides it that fall on its day and that it stands for.
    QTest::addColumn<QString>("entry");
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
    QTest::newRow("the first varsi once")
        << S << Date({2001, 8, 25}) << "year 2002 = 2002-08-25 5 (month 12, day 366)";
    QTest::newRow("Fasli first varsi, leap")
        << F << Date({2023, 5, 1}) << "year 2024 = 2024-05-01 12 (month 12, day 367)";
    QTest::newRow("a month for a day")
        << K << Date({2001, 8, 20}) << "month 1 = 2001-09-19 30 (day 31)";
}

void TestReckonings::schedule()
{
    QFETCH(int, reckoning);
    QFETCH(CalendarDate, date);
    QFETCH(QString, entry);
    const QString what = entry.section(QStringLiteral(" = "), 0, 0);
    const int n = what.section(u' ', 1).toInt();
    ScheduleRequest request{{n}, what.startsWith(u"month") ? n : 0, {n, n}};
    const QString besides = entry.contains(u'(') ? entry.section(u'(', 1).chopped(1) : QString();
    for (const QString &other : besides.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const int m = other.section(u' ', 1).toInt();
        if (other.startsWith(u"month"))
            request.months = std::max(request.months, m);
        else
            request.days.push_back(m);
    }
    const auto name = [](ObservanceKind kind, int n) {
        return QStringList{"year", "month", "day"}[int(kind)] + u' ' + QString::number(n);
    };
    QStringList found;
    for (const Observance &e : MakeSchedule(date, kAll[reckoning], request)) {
        QStringList also;
        for (const AlsoKept &other : e.also)
            also << name(other.kind, other.n);
        if (name(e.kind, e.n) == what)
            found << QDate(e.date.year(), e.date.month(), e.date.day()).toString(Qt::ISODate) +
                         u' ' + QString::number(e.day.roz) + (e.gathaKeptAs != 0 ? " kept" : "") +
                         (also.isEmpty() ? QString() : " (" + also.join(", ") + u')');
    }
    QCOMPARE(what + " = " + (found.isEmpty() ? QStringLiteral("none") : found.join(u';')), entry);
}

QTEST_GUILESS_MAIN(TestReckonings)
#include "tst_reckonings.moc"
