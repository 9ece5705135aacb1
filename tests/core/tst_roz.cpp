// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "civiloracle.h"
#include "roz.h"

#include <QTest>
#include <set>
#include <string>

namespace {

CalendarDate Date(int year, int month, int day)
{
    const auto date = CalendarDate::fromYmd(year, month, day);
    Q_ASSERT(date);
    return *date;
}

long DaysOf(CalendarDate date)
{
    return DaysFromCivil({date.year(), date.month(), date.day()});
}

CalendarDate DateOfDays(long days)
{
    const Civil c = CivilFromDays(days);
    return Date(c.year, c.month, c.day);
}

QString Describe(CalendarDate date)
{
    return QStringLiteral("%1-%2-%3").arg(date.year()).arg(date.month()).arg(date.day());
}

const DateTextRules kEnglish{};

} // namespace

Q_DECLARE_METATYPE(CalendarDate)
Q_DECLARE_METATYPE(std::optional<CalendarDate>)

class TestRoz : public QObject
{
    Q_OBJECT

private slots:
    void tableRows_data();
    void tableRows();
    void tableTextsArePlainOneLiners();
    void reckoning_data();
    void reckoning();
    void beforeDawnShift();
    void reckoningAgreesWithArithmeticAcrossTheRange();
    void sameRozDate_data();
    void sameRozDate();
    void sameRozDateFollowsTheYearText_data();
    void sameRozDateFollowsTheYearText();
    void everyLeapDayHasItsAnniversary();
    void sameRozDateAgreesWithArithmetic();
    void leapDayCount_data();
    void leapDayCount();
};

void TestRoz::tableRows_data()
{
    QTest::addColumn<int>("roz");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("meaning");
    QTest::newRow("first roz") << 1 << "HORMUZD"
                               << "The Omniscient Source of Life (ahu)";
    QTest::newRow("last Gatha day") << 35 << "VAHISHTOIST"
                                    << "The Fifth Gatha - It's Papeti Day !";
    QTest::newRow("last roz of a month") << 30 << "ANERAAN"
                                         << "the myriad of Lights in the heavens, and the Light in "
                                            "the Soul, paving the way to the soul's higher Realms "
                                            "of Light.";
    QTest::newRow("first Gatha day") << 31 << "AHUNAVAD"
                                     << "The First Gatha";
    QTest::newRow("two blanks in row 5")
        << 5 << "ASFANDARMAD"
        << "The Discernment between Right and Wrong : Insight into the  Realities of Life (Asha), "
           "to distinguish Unrealities (druj).";
    QTest::newRow("three blanks in row 7")
        << 7 << "AMERDAAD"
        << "Immortality of the Soul (both six and seven are the joint Condition of the holy Soul). "
           "Immortality is Identity with   Divinity, --- ALL-LIGHT.";
    QTest::newRow("four blanks in row 29")
        << 29 << "MAARESPAND"
        << "the Holy Gospels, embodying the Master Mind of the Prophet, leading the soul to "
           "Perfection - Immortality (Yasna    31.6).";
    QTest::newRow("day before Aadar") << 8 << "DEA-PA-AADAR"
                                      << "Daadaar's Day before Aadar.(This week is the second week "
                                         "of LIGHT.";
    QTest::newRow("day before Meher") << 15 << "DAE-PA-MEHER"
                                      << "Daadaar's Day before Meher (this roj begins the third "
                                         "week of Moral Qualities).";
    QTest::newRow("day before Din") << 23 << "DAE-PA-DIN"
                                    << "Daadaar's Day before Din. (The fourth and the last week of "
                                       "Theological - Religious Ideas).";
    QTest::newRow("roz 24") << 24 << "DIN"
                            << "the Vision on the Path of Life, i.e. Religion. The sum total of "
                               "Goodness earned by my Inner Being appearing as KERDAAR.";
}

void TestRoz::tableRows()
{
    QFETCH(int, roz);
    QFETCH(QString, name);
    QFETCH(QString, meaning);
    QCOMPARE(QString::fromLatin1(RozTable[roz].name.data(), RozTable[roz].name.size()), name);
    QCOMPARE(QString::fromLatin1(RozTable[roz].meaning.data(), RozTable[roz].meaning.size()),
             meaning);
}

void TestRoz::tableTextsArePlainOneLiners()
{
    std::set<std::string_view> names;
    for (int roz = 1; roz <= RozTable.size(); ++roz) {
        for (std::string_view text : {RozTable[roz].name, RozTable[roz].meaning}) {
            QVERIFY2(!text.empty(), qPrintable(QStringLiteral("roz %1").arg(roz)));
            QVERIFY2(text.front() != ' ' && text.back() != ' ',
                     qPrintable(QStringLiteral("roz %1 has an outer blank").arg(roz)));
            for (char c : text)
                QVERIFY2(c >= 0x20 && c < 0x7F,
                         qPrintable(QStringLiteral("roz %1 is not plain ASCII").arg(roz)));
        }
        for (char c : RozTable[roz].name)
            QVERIFY2(!(c >= 'a' && c <= 'z'),
                     qPrintable(QStringLiteral("roz %1 name not in capitals").arg(roz)));
        names.insert(RozTable[roz].name);
    }
    QCOMPARE(names.size(), size_t(35));
}

void TestRoz::reckoning_data()
{
    QTest::addColumn<CalendarDate>("date");
    QTest::addColumn<int>("roz");
    QTest::addColumn<int>("month");
    const struct
    {
        const char *name;
        CalendarDate date;
        int roz, month;
    } rows[] = {
        {"reference date", Date(2001, 8, 20), 35, 12},
        {"day after the reference", Date(2001, 8, 21), 1, 1},
        {"day before the reference", Date(2001, 8, 19), 34, 12},
        {"end of the first month", Date(2001, 9, 19), 30, 1},
        {"start of the second month", Date(2001, 9, 20), 1, 2},
        {"first Gatha day backward", Date(2001, 8, 16), 31, 12},
        {"last roz before the Gathas", Date(2001, 8, 15), 30, 12},
        {"start of month 12", Date(2001, 7, 17), 1, 12},
        {"end of month 11", Date(2001, 7, 16), 30, 11},
        {"a year earlier", Date(2000, 8, 20), 35, 12},
        {"after a leap day", Date(2005, 8, 19), 35, 12},
        {"new year after a leap day", Date(2005, 8, 20), 1, 1},
        {"a leap day", Date(2004, 2, 29), 13, 7},
        {"1 February 1971", Date(1971, 2, 1), 7, 6},
        {"first day of the calendar", CalendarDate::first(), 8, 0},
        {"last day of the calendar", CalendarDate::last(), 7, 0},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.date << row.roz << row.month;
}

void TestRoz::reckoning()
{
    QFETCH(CalendarDate, date);
    QFETCH(int, roz);
    QFETCH(int, month);
    // Every order names the same reference date; an unset order reads as year-month-day.
    for (DateOrderCode order : {kDayMonthYear, kMonthDayYear, kYearMonthDay, DateOrderCode(0)}) {
        const RozReckoning result = ReckonRozAndMonth(date, order);
        QCOMPARE(result.roz, roz);
        if (month != 0)
            QCOMPARE(result.month, month);
        QCOMPARE(ReckonRoz(date, order), roz);
    }
}

void TestRoz::beforeDawnShift()
{
    QCOMPARE(BeforeDawnShift(Date(2001, 8, 21), false), Date(2001, 8, 21));
    QCOMPARE(BeforeDawnShift(Date(2001, 8, 21), true), Date(2001, 8, 20));
    QCOMPARE(ReckonRoz(*BeforeDawnShift(Date(2001, 8, 21), true), kDayMonthYear), 35);
    QCOMPARE(BeforeDawnShift(Date(2005, 1, 1), true), Date(2004, 12, 31));
    QCOMPARE(BeforeDawnShift(Date(2004, 3, 1), true), Date(2004, 2, 29));
    // The day before the first day lies outside the calendar: the entry is refused.
    QCOMPARE(BeforeDawnShift(CalendarDate::first(), true), std::nullopt);
    QCOMPARE(BeforeDawnShift(CalendarDate::first(), false), CalendarDate::first());
    QCOMPARE(BeforeDawnShift(CalendarDate::last(), true), Date(9999, 12, 30));
}

void TestRoz::reckoningAgreesWithArithmeticAcrossTheRange()
{
    const long first = DaysOf(CalendarDate::first());
    const long last = DaysOf(CalendarDate::last());
    std::vector<long> days;
    // A prime stride samples the whole range at scattered places in the 365-day year; every
    // roz is met in the two years around the reference, and the ends are taken as they are.
    for (long n = first; n <= last; n += 30011)
        days.push_back(n);
    for (long offset = -400; offset <= 400; offset += 1)
        days.push_back(DaysFromCivil({2001, 8, 20}) + offset);
    for (long n : {first, first + 1, first + 364, last - 364, last - 1, last})
        days.push_back(n);
    for (long n : days) {
        const CalendarDate date = DateOfDays(n);
        const int roz = ReckonRoz(date, kDayMonthYear);
        if (roz != OracleRoz(n))
            QFAIL(qPrintable(QStringLiteral("%1: walked roz %2, arithmetic %3")
                                 .arg(Describe(date))
                                 .arg(roz)
                                 .arg(OracleRoz(n))));
    }
}

void TestRoz::sameRozDate_data()
{
    QTest::addColumn<CalendarDate>("reckoning");
    QTest::addColumn<QString>("year");
    QTest::addColumn<std::optional<CalendarDate>>("expected");
    const struct
    {
        const char *name;
        CalendarDate reckoning;
        const char *year;
        std::optional<CalendarDate> expected;
    } rows[] = {
        {"same year", Date(2001, 8, 20), "2001", Date(2001, 8, 20)},
        {"one leap day", Date(2001, 8, 20), "2005", Date(2005, 8, 19)},
        {"a century on", Date(2001, 8, 20), "2101", Date(2101, 7, 27)},
        {"28 February", Date(2004, 2, 28), "2005", Date(2005, 2, 27)},
        {"1 March after a leap day", Date(2004, 3, 1), "2005", Date(2005, 3, 1)},
        {"leap day to leap day", Date(2004, 2, 29), "2008", Date(2008, 2, 28)},
        {"1 February 1971", Date(1971, 2, 1), "2026", Date(2026, 1, 18)},
        {"earlier year", Date(2001, 8, 20), "2000", std::nullopt},
        {"leap day to a common year", Date(2004, 2, 29), "2005", Date(2005, 2, 28)},
        {"leap day, same year", Date(2004, 2, 29), "2004", Date(2004, 2, 29)},
        {"leap day to an earlier common year", Date(2004, 2, 29), "2003", std::nullopt},
        {"year with a fraction", Date(2001, 8, 20), "2005.5", std::nullopt},
        {"year with an exponent", Date(2001, 8, 20), "2e3", std::nullopt},
        {"empty year text", Date(2001, 8, 20), "", std::nullopt},
        {"year with blanks", Date(2001, 8, 20), " 2005 ", Date(2005, 8, 19)},
        {"31 December, flag ticked, 2004", Date(2004, 12, 31), "2004", Date(2004, 12, 31)},
        {"31 December 2004 to 2005", Date(2004, 12, 31), "2005", Date(2005, 12, 31)},
        {"1 January 2005 to 2004", Date(2005, 1, 1), "2004", std::nullopt},
        {"first day to the last year", Date(100, 1, 2), "9999",
         DateOfDays(DaysFromCivil({100, 1, 2}) + 365L * 9899)},
        {"last day, same year", CalendarDate::last(), "9999", CalendarDate::last()},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.reckoning << QString::fromLatin1(row.year) << row.expected;
}

void TestRoz::sameRozDate()
{
    QFETCH(CalendarDate, reckoning);
    QFETCH(QString, year);
    QFETCH(std::optional<CalendarDate>, expected);
    const std::u16string text(reinterpret_cast<const char16_t *>(year.utf16()), year.size());
    for (DateOrderCode order : {kDayMonthYear, kMonthDayYear, kYearMonthDay}) {
        const auto result = SameRozDate(reckoning, text, order, kEnglish);
        QCOMPARE(result, expected);
    }
}

void TestRoz::sameRozDateFollowsTheYearText_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("targetYear"); // as the parse reads the text; 0 for none
    QTest::newRow("one digit") << "5" << 2005;
    QTest::newRow("two digits, 29") << "29" << 2029;
    QTest::newRow("two digits, 30") << "30" << 0;
    QTest::newRow("two digits, 99") << "99" << 0;
    QTest::newRow("three digits") << "999" << 0;
    QTest::newRow("four digits with a leading zero") << "0999" << 0;
    QTest::newRow("four digits") << "2026" << 2026;
    QTest::newRow("last year") << "9999" << 9999;
    QTest::newRow("five digits") << "10000" << 0;
    QTest::newRow("sign") << "+2005" << 0;
}

void TestRoz::sameRozDateFollowsTheYearText()
{
    QFETCH(QString, year);
    QFETCH(int, targetYear);
    // A short year text reads by the parse's own window, and the year test uses that year.
    // Far targets land in an earlier Gregorian year: every leap day moves the 365-day year one
    // day earlier, and some 1900 of them lie between 2001 and 9999.
    const CalendarDate reckoning = Date(2001, 3, 1);
    const std::u16string text(reinterpret_cast<const char16_t *>(year.utf16()), year.size());
    const auto result = SameRozDate(reckoning, text, kDayMonthYear, kEnglish);
    QCOMPARE(result.has_value(), targetYear != 0);
    if (result)
        QCOMPARE(DaysOf(*result) - DaysOf(reckoning), 365L * (targetYear - 2001));
}

void TestRoz::everyLeapDayHasItsAnniversary()
{
    // Every 29 February of the calendar, one and four years on: always 365 days a year later,
    // the same roz, whether or not the target year has a 29 February of its own.
    int leapDays = 0;
    for (int year = 104; year <= 9996; year += 4) {
        if (!CalendarDate::isLeapYear(year))
            continue;
        ++leapDays;
        const CalendarDate leapDay = Date(year, 2, 29);
        for (int later : {1, 4}) {
            const int target = year + later;
            if (target > 9999)
                continue;
            const std::u16string text = SignPositionText(target).substr(1);
            const auto result = SameRozDate(leapDay, text, kYearMonthDay, kEnglish);
            const long expected = DaysOf(leapDay) + 365L * later;
            QVERIFY2(result && DaysOf(*result) == expected,
                     qPrintable(QStringLiteral("29 February %1 to %2").arg(year).arg(target)));
            QCOMPARE(OracleRoz(DaysOf(*result)), OracleRoz(DaysOf(leapDay)));
        }
    }
    QCOMPARE(leapDays, 2400);
}

void TestRoz::sameRozDateAgreesWithArithmetic()
{
    const long first = DaysOf(CalendarDate::first());
    const long last = DaysOf(CalendarDate::last());
    int checked = 0;
    for (long n = first; n <= last; n += 104729) {
        const CalendarDate reckoning = DateOfDays(n);
        for (int target : {reckoning.year(), reckoning.year() + 1, reckoning.year() + 37,
                           (reckoning.year() + 9999) / 2, 9999}) {
            if (target > 9999)
                continue;
            const std::u16string text = SignPositionText(target).substr(1);
            const auto result = SameRozDate(reckoning, text, kMonthDayYear, kEnglish);
            const long expected = n + 365L * (target - reckoning.year());
            QVERIFY2(result && DaysOf(*result) == expected,
                     qPrintable(Describe(reckoning) + QStringLiteral(" to %1").arg(target)));
            ++checked;
        }
        if (reckoning.year() > 100) {
            const std::u16string earlier = SignPositionText(reckoning.year() - 1).substr(1);
            QCOMPARE(SameRozDate(reckoning, earlier, kMonthDayYear, kEnglish), std::nullopt);
        }
    }
    QVERIFY(checked > 150);
}

void TestRoz::leapDayCount_data()
{
    QTest::addColumn<CalendarDate>("from");
    QTest::addColumn<CalendarDate>("to");
    QTest::addColumn<int>("count");
    QTest::newRow("no distance") << Date(2004, 2, 29) << Date(2004, 2, 29) << 0;
    QTest::newRow("start counted") << Date(2004, 2, 29) << Date(2004, 3, 1) << 1;
    QTest::newRow("end not counted") << Date(2004, 2, 28) << Date(2004, 2, 29) << 0;
    QTest::newRow("1900 is common") << Date(1899, 1, 1) << Date(1901, 1, 1) << 0;
    QTest::newRow("2000 is leap") << Date(1999, 1, 1) << Date(2001, 1, 1) << 1;
    QTest::newRow("whole calendar") << CalendarDate::first() << CalendarDate::last() << 2400;
}

void TestRoz::leapDayCount()
{
    QFETCH(CalendarDate, from);
    QFETCH(CalendarDate, to);
    QFETCH(int, count);
    QCOMPARE(CountLeapDays(from, to), count);
}

QTEST_GUILESS_MAIN(TestRoz)
#include "tst_roz.moc"
