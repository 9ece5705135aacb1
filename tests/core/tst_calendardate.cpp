// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendardate.h"
#include "civiloracle.h"

#include <QTest>

static_assert(CalendarDate::first() < CalendarDate::last());
static_assert(!CalendarDate::fromYmd(99, 12, 31));
static_assert(!CalendarDate::fromYmd(10000, 1, 1));
static_assert(CalendarDate::fromYmd(2000, 2, 29) && !CalendarDate::fromYmd(1900, 2, 29));
static_assert(CalendarDate::fromYmd(2004, 2, 28)->nextDay() == *CalendarDate::fromYmd(2004, 2, 29));

class TestCalendarDate : public QObject
{
    Q_OBJECT

private slots:
    void checkedConstructor_data();
    void checkedConstructor();
    void everyDayForwardMatchesArithmetic();
    void everyDayBackwardMatchesArithmetic();
    void steppingOutOfTheRangeIsAnError();
};

void TestCalendarDate::checkedConstructor_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("valid");
    QTest::newRow("first day") << 100 << 1 << 1 << true;
    QTest::newRow("last day") << 9999 << 12 << 31 << true;
    QTest::newRow("before the range") << 99 << 12 << 31 << false;
    QTest::newRow("after the range") << 10000 << 1 << 1 << false;
    QTest::newRow("29 Feb of a leap year") << 2004 << 2 << 29 << true;
    QTest::newRow("29 Feb of 2000") << 2000 << 2 << 29 << true;
    QTest::newRow("29 Feb of 1900") << 1900 << 2 << 29 << false;
    QTest::newRow("29 Feb of 2003") << 2003 << 2 << 29 << false;
    QTest::newRow("31 April") << 2001 << 4 << 31 << false;
    QTest::newRow("month 0") << 2001 << 0 << 1 << false;
    QTest::newRow("month 13") << 2001 << 13 << 1 << false;
    QTest::newRow("day 0") << 2001 << 1 << 0 << false;
    QTest::newRow("day 32") << 2001 << 1 << 32 << false;
}

void TestCalendarDate::checkedConstructor()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(bool, valid);
    const auto date = CalendarDate::fromYmd(year, month, day);
    QCOMPARE(date.has_value(), valid);
    if (date) {
        QCOMPARE(date->year(), year);
        QCOMPARE(date->month(), month);
        QCOMPARE(date->day(), day);
    }
}

void TestCalendarDate::everyDayForwardMatchesArithmetic()
{
    // Every day of the range, stepped forward, against the day-count arithmetic.
    const long first = DaysFromCivil({100, 1, 1});
    const long last = DaysFromCivil({9999, 12, 31});
    CalendarDate date = CalendarDate::first();
    for (long n = first;; ++n) {
        const Civil c = CivilFromDays(n);
        if (date.year() != c.year || date.month() != c.month || date.day() != c.day)
            QFAIL(qPrintable(QStringLiteral("day %1: stepped to %2-%3-%4, expected %5-%6-%7")
                                 .arg(n)
                                 .arg(date.year())
                                 .arg(date.month())
                                 .arg(date.day())
                                 .arg(c.year)
                                 .arg(c.month)
                                 .arg(c.day)));
        if (n == last)
            break;
        const CalendarDate next = date.nextDay();
        if (!(date < next))
            QFAIL("the next day does not compare as later");
        date = next;
    }
    QCOMPARE(date, CalendarDate::last());
}

void TestCalendarDate::everyDayBackwardMatchesArithmetic()
{
    const long first = DaysFromCivil({100, 1, 1});
    CalendarDate date = CalendarDate::last();
    for (long n = DaysFromCivil({9999, 12, 31}); n > first; --n) {
        date = date.previousDay();
        const Civil c = CivilFromDays(n - 1);
        if (date.year() != c.year || date.month() != c.month || date.day() != c.day)
            QFAIL(qPrintable(QStringLiteral("stepping back to day %1 gave %2-%3-%4")
                                 .arg(n - 1)
                                 .arg(date.year())
                                 .arg(date.month())
                                 .arg(date.day())));
    }
    QCOMPARE(date, CalendarDate::first());
}

void TestCalendarDate::steppingOutOfTheRangeIsAnError()
{
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, CalendarDate::first().previousDay());
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, CalendarDate::last().nextDay());
    QCOMPARE(CalendarDate::first().nextDay(), *CalendarDate::fromYmd(100, 1, 2));
    QCOMPARE(CalendarDate::last().previousDay(), *CalendarDate::fromYmd(9999, 12, 30));
}

QTEST_GUILESS_MAIN(TestCalendarDate)
#include "tst_calendardate.moc"
