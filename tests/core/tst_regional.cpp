// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "regional.h"

#include <QTest>

namespace {

const char *const kLocales[] = {"en_US", "en_GB", "en_IN", "gu_IN", "de_DE", "sv_SE",
                                "hu_HU", "ko_KR", "ja_JP", "fa_IR", "C"};

CalendarDate Date(int year, int month, int day)
{
    return *CalendarDate::fromYmd(year, month, day);
}

QString Describe(std::optional<CalendarDate> date)
{
    if (!date)
        return QStringLiteral("no date");
    return QStringLiteral("%1-%2-%3").arg(date->year()).arg(date->month()).arg(date->day());
}

} // namespace

Q_DECLARE_METATYPE(CalendarDate)
Q_DECLARE_METATYPE(std::optional<CalendarDate>)

class TestRegional : public QObject
{
    Q_OBJECT

private slots:
    void settingsFromThePattern_data();
    void settingsFromThePattern();
    void parse_data();
    void parse();
    void parseUnderEachLocale_data();
    void parseUnderEachLocale();
    void formatsParseBack_data();
    void formatsParseBack();
    void namedFormats_data();
    void namedFormats();
    void numberTest_data();
    void numberTest();
    void leadingNumber_data();
    void leadingNumber();
    void textsOfEachOrder();
};

void TestRegional::settingsFromThePattern_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("patternOrder");
    QTest::addColumn<int>("detectedOrder");
    QTest::addColumn<QString>("decimal");
    QTest::newRow("en_US") << "en_US"
                           << "/" << 2 << 2 << ".";
    QTest::newRow("en_GB") << "en_GB"
                           << "/" << 1 << 1 << ".";
    QTest::newRow("en_IN") << "en_IN"
                           << "/" << 1 << 1 << ".";
    QTest::newRow("gu_IN") << "gu_IN"
                           << "/" << 1 << 1 << ".";
    QTest::newRow("de_DE") << "de_DE"
                           << "." << 1 << 1 << ",";
    QTest::newRow("sv_SE") << "sv_SE"
                           << "-" << 3 << 3 << ",";
    QTest::newRow("hu_HU") << "hu_HU"
                           << ". " << 3 << 3 << ",";
    QTest::newRow("ko_KR") << "ko_KR"
                           << ". " << 3 << 3 << ".";
    QTest::newRow("ja_JP") << "ja_JP"
                           << "/" << 3 << 3 << ".";
    // The probe is written in Persian digits, which are neither "22" nor "11".
    QTest::newRow("fa_IR") << "fa_IR"
                           << "/" << 3 << 3 << QString(QChar(0x066B));
    QTest::newRow("C") << "C"
                       << " " << 1 << 1 << ".";
}

void TestRegional::settingsFromThePattern()
{
    QFETCH(QString, locale);
    QFETCH(QString, separator);
    QFETCH(int, patternOrder);
    QFETCH(int, detectedOrder);
    QFETCH(QString, decimal);
    const RegionalSettings settings = RegionalSettings::fromLocale(QLocale(locale));
    QCOMPARE(settings.dateSeparator, separator);
    QCOMPARE(settings.shortDateOrder, patternOrder);
    QCOMPARE(DetectDateOrder(settings), detectedOrder);
    QCOMPARE(QString(settings.decimalSeparator), decimal);
    QCOMPARE(settings.monthNames.size(), 12);
    QCOMPARE(settings.shortMonthNames.size(), 12);
    QVERIFY(!settings.shortDatePattern.isEmpty() && !settings.longDatePattern.isEmpty());
    // The short date must reach the probe's year.
    QVERIFY(FormatDate(Date(3344, 11, 22), "Short Date", settings)
                .contains(settings.locale.toString(44)));
}

void TestRegional::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("order");
    QTest::addColumn<std::optional<CalendarDate>>("expected");
    const std::optional<CalendarDate> none;
    const CalendarDate ref = Date(2001, 8, 20);
    const struct
    {
        const char *name;
        const char *text;
        int order;
        std::optional<CalendarDate> expected;
    } rows[] = {
        {"reference, day first", "20/08/2001", 1, ref},
        {"reference, month first", "08/20/2001", 2, ref},
        {"reference, year first", "2001/08/20", 3, ref},
        {"unset order reads year first", "2001/08/20", 0, ref},
        {"dashes", "20-08-2001", 1, ref},
        {"blanks", "20 08 2001", 1, ref},
        {"mixed separators", "20/08-2001", 1, ref},
        {"no leading zeros", "20-8-2001", 1, ref},
        {"outer blanks", "  20-08-2001  ", 1, ref},
        {"blanks around fields", "20 - 08 / 2001", 1, ref},
        {"sign-position blanks", " 20- 8-2005", 1, Date(2005, 8, 20)},
        {"sign-position blanks, month first", " 8- 20-2005", 2, Date(2005, 8, 20)},
        {"sign-position blanks, year first", "2005- 8- 20", 3, Date(2005, 8, 20)},
        {"leap day with sign blanks", " 29- 2-2004", 1, Date(2004, 2, 29)},
        {"leap day of a common year", " 29- 2-2003", 1, none},
        {"29 Feb 2000", "29/02/2000", 1, Date(2000, 2, 29)},
        {"29 Feb 1900", "29/02/1900", 1, none},
        {"31 April", "31/04/2001", 1, none},
        {"month 13", "20/13/2001", 1, none},
        {"month first with day 20 as month", "20/08/2001", 2, none},
        {"abbreviated name", "20-Aug-2001", 1, ref},
        {"full name", "20 August 2001", 1, ref},
        {"name any case", "20-aUG-2001", 1, ref},
        {"name with dot", "20-Aug.-2001", 1, ref},
        {"name first, day first order", "Aug 20 2001", 1, ref},
        {"name, month first order", "Aug-20-2001", 2, ref},
        {"name, year first order", "2001-Aug-20", 3, ref},
        {"name in the middle, year first order", "2001 August 20", 3, ref},
        {"echo under year first order", "20-Aug-2001", 3, ref},
        {"short numbers keep the order", "01-Aug-05", 3, Date(2001, 8, 5)},
        {"short numbers, day first", "01-Aug-05", 1, Date(2005, 8, 1)},
        {"Sept", "1 Sept 2001", 1, Date(2001, 9, 1)},
        {"two names", "Aug-Aug-2001", 1, none},
        {"unknown name", "20-Augu-2001", 1, none},
        {"two-digit year 00", "20-08-00", 1, Date(2000, 8, 20)},
        {"two-digit year 29", "20-08-29", 1, Date(2029, 8, 20)},
        {"two-digit year 30", "20-08-30", 1, Date(1930, 8, 20)},
        {"two-digit year 99", "20-08-99", 1, Date(1999, 8, 20)},
        {"one-digit year", "20-08-5", 1, Date(2005, 8, 20)},
        {"three-digit year", "20-08-100", 1, Date(100, 8, 20)},
        {"three-digit year below the range", "31-12-099", 1, none},
        {"four-digit year below the range", "31-12-0099", 1, none},
        {"first day", "01/01/0100", 1, CalendarDate::first()},
        {"last day", "31/12/9999", 1, CalendarDate::last()},
        {"five-digit year", "01-01-10000", 1, none},
        {"three-digit day", "020-08-2001", 1, none},
        {"three-digit month", "20-008-2001", 1, none},
        {"empty", "", 1, none},
        {"blanks only", "   ", 1, none},
        {"time of day", "10:30", 1, none},
        {"date and time", "20-08-2001 10:30", 1, none},
        {"date and AM", "20-08-2001 AM", 1, none},
        {"PM alone", "PM", 1, none},
        {"fourth field", "20-08-2001-5", 1, none},
        {"two fields", "20-08", 1, none},
        {"stray letters", "20-08-2001x", 1, none},
        {"doubled separator", "20--08-2001", 1, none},
        {"trailing separator", "20-08-2001-", 1, none},
        {"leading separator", "-20-08-2001", 1, none},
        {"fraction in the year", "20-08-2005.5", 1, none},
        {"day zero", "00-08-2001", 1, none},
        {"sign", "+20-08-2001", 1, none},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << QString::fromUtf8(row.text) << row.order << row.expected;
}

void TestRegional::parse()
{
    QFETCH(QString, text);
    QFETCH(int, order);
    QFETCH(std::optional<CalendarDate>, expected);
    for (const char *locale : {"en_GB", "en_US", "C"}) {
        const RegionalSettings settings = RegionalSettings::fromLocale(QLocale(locale));
        const auto result = ParseDate(text, DateOrderCode(order), settings);
        QVERIFY2(result == expected,
                 qPrintable(QStringLiteral("%1 under %2: %3, expected %4")
                                .arg(text, locale, Describe(result), Describe(expected))));
        QCOMPARE(IsDate(text, DateOrderCode(order), settings), expected.has_value());
    }
}

void TestRegional::parseUnderEachLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<CalendarDate>>("expected");
    const CalendarDate ref = Date(2001, 8, 20);
    QTest::newRow("de_DE dots") << "de_DE"
                                << "20.08.2001" << std::optional(ref);
    QTest::newRow("de_DE regional short name") << "de_DE"
                                               << "20-Aug.-2001" << std::optional(ref);
    QTest::newRow("de_DE full name") << "de_DE"
                                     << "20. August 2001" << std::optional(ref);
    QTest::newRow("de_DE März") << "de_DE"
                                << "1. März 2001" << std::optional(Date(2001, 3, 1));
    QTest::newRow("de_DE English name") << "de_DE"
                                        << "20-Aug-2001" << std::optional(ref);
    QTest::newRow("sv_SE dashes") << "sv_SE"
                                  << "2001-08-20" << std::optional(ref);
    QTest::newRow("sv_SE augusti") << "sv_SE"
                                   << "2001 augusti 20" << std::optional(ref);
    QTest::newRow("hu_HU dot blank") << "hu_HU"
                                     << "2001. 08. 20" << std::optional(ref);
    QTest::newRow("hu_HU trailing dot") << "hu_HU"
                                        << "2001. 08. 20." << std::optional<CalendarDate>();
    QTest::newRow("ko_KR dot blank") << "ko_KR"
                                     << "01. 8. 20" << std::optional(ref);
    QTest::newRow("ko_KR month name") << "ko_KR"
                                      << "2001-8월-20" << std::optional(ref);
    QTest::newRow("ja_JP slashes") << "ja_JP"
                                   << "2001/08/20" << std::optional(ref);
    QTest::newRow("fa_IR Persian digits") << "fa_IR"
                                          << "۲۰۰۱/۸/۲۰" << std::optional(ref);
    QTest::newRow("fa_IR mixed digits") << "fa_IR"
                                        << "2001/۰۸/20" << std::optional(ref);
    QTest::newRow("en_GB Persian digits") << "en_GB"
                                          << "۲۰/۰۸/۲۰۰۱" << std::optional<CalendarDate>();
    QTest::newRow("gu_IN month name") << "gu_IN"
                                      << "20 ઑગસ્ટ 2001" << std::optional(ref);
    QTest::newRow("C blank separator") << "C"
                                       << "20 Aug 2001" << std::optional(ref);
}

void TestRegional::parseUnderEachLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(std::optional<CalendarDate>, expected);
    const RegionalSettings settings = RegionalSettings::fromLocale(QLocale(locale));
    const auto result = ParseDate(text, DetectDateOrder(settings), settings);
    QVERIFY2(
        result == expected,
        qPrintable(
            QStringLiteral("%1: %2, expected %3").arg(text, Describe(result), Describe(expected))));
}

void TestRegional::formatsParseBack_data()
{
    QTest::addColumn<QString>("locale");
    for (const char *locale : kLocales)
        QTest::newRow(locale) << locale;
}

void TestRegional::formatsParseBack()
{
    // Whatever the program writes under a locale, in the locale's own order, it must read back:
    // Today's Roz types such a text into the date field and then calculates it.
    QFETCH(QString, locale);
    const RegionalSettings settings = RegionalSettings::fromLocale(QLocale(locale));
    const DateOrderCode order = DetectDateOrder(settings);
    for (CalendarDate date : {CalendarDate::first(), Date(999, 12, 31), Date(1971, 2, 1),
                              Date(2004, 2, 29), Date(2026, 12, 6), CalendarDate::last()}) {
        for (const QString &pattern : {TodayPattern(order), QStringLiteral("dd-mmm-yyyy")}) {
            const QString text = FormatDate(date, pattern, settings);
            QVERIFY2(ParseDate(text, order, settings) == date,
                     qPrintable(QStringLiteral("%1 as %2 gave \"%3\", read back as %4")
                                    .arg(Describe(date), pattern, text,
                                         Describe(ParseDate(text, order, settings)))));
        }
        // Each of the three patterns reads back in its own order too.
        for (DateOrderCode each : {kDayMonthYear, kMonthDayYear, kYearMonthDay}) {
            const QString text = FormatDate(date, TodayPattern(each), settings);
            QCOMPARE(ParseDate(text, each, settings), date);
        }
    }
}

void TestRegional::namedFormats_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<CalendarDate>("date");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    const CalendarDate result = Date(2005, 8, 19);
    QTest::newRow("en_GB long") << "en_GB" << result << "Long Date"
                                << "Friday, 19 August 2005";
    QTest::newRow("en_US long") << "en_US" << result << "Long Date"
                                << "Friday, August 19, 2005";
    QTest::newRow("en_GB echo") << "en_GB" << Date(2001, 8, 20) << "dd-mmm-yyyy"
                                << "20-Aug-2001";
    QTest::newRow("de_DE echo") << "de_DE" << Date(2001, 8, 1) << "dd-mmm-yyyy"
                                << "01-Aug.-2001";
    QTest::newRow("early year echo") << "en_GB" << Date(100, 1, 2) << "dd-mmm-yyyy"
                                     << "02-Jan-0100";
    QTest::newRow("early year long") << "en_GB" << Date(100, 1, 2) << "Long Date"
                                     << "Saturday, 2 January 0100";
    QTest::newRow("en_GB short") << "en_GB" << Date(3344, 11, 22) << "Short Date"
                                 << "22/11/3344";
    QTest::newRow("en_US short") << "en_US" << Date(3344, 11, 22) << "Short Date"
                                 << "11/22/44";
    QTest::newRow("day first") << "de_DE" << Date(2026, 1, 6) << "dd/mm/yyyy"
                               << "06.01.2026";
    QTest::newRow("month first") << "en_US" << Date(2026, 1, 6) << "mm/dd/yyyy"
                                 << "01/06/2026";
    QTest::newRow("year first") << "hu_HU" << Date(2026, 1, 6) << "yyyy/mm/dd"
                                << "2026. 01. 06";
    QTest::newRow("year below 1000") << "sv_SE" << Date(999, 3, 4) << "yyyy/mm/dd"
                                     << "0999-03-04";
}

void TestRegional::namedFormats()
{
    QFETCH(QString, locale);
    QFETCH(CalendarDate, date);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(FormatDate(date, pattern, RegionalSettings::fromLocale(QLocale(locale))), expected);
}

void TestRegional::numberTest_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("german");
    QTest::newRow("year") << "2005" << true << true;
    QTest::newRow("blanks around") << "  2005 " << true << true;
    QTest::newRow("sign") << "-5" << true << true;
    QTest::newRow("plus") << "+5" << true << true;
    QTest::newRow("point") << "2005.5" << true << true;
    QTest::newRow("comma") << "2005,5" << false << true;
    QTest::newRow("two points") << "1.2.3" << false << false;
    QTest::newRow("leading point") << ".5" << true << true;
    QTest::newRow("trailing point") << "5." << true << true;
    QTest::newRow("point alone") << "." << false << false;
    QTest::newRow("exponent") << "2e3" << true << true;
    QTest::newRow("signed exponent") << "2E-3" << true << true;
    QTest::newRow("bare exponent") << "2e" << false << false;
    QTest::newRow("empty") << "" << false << false;
    QTest::newRow("blanks only") << "   " << false << false;
    QTest::newRow("letters") << "abc" << false << false;
    QTest::newRow("inner blank") << "20 05" << false << false;
    QTest::newRow("sign alone") << "-" << false << false;
    QTest::newRow("trailing letters") << "2005x" << false << false;
}

void TestRegional::numberTest()
{
    QFETCH(QString, text);
    QFETCH(bool, english);
    QFETCH(bool, german);
    QCOMPARE(IsNumeric(text, RegionalSettings::fromLocale(QLocale("en_GB"))), english);
    QCOMPARE(IsNumeric(text, RegionalSettings::fromLocale(QLocale("de_DE"))), german);
}

void TestRegional::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("year") << "2005" << 2005.0;
    QTest::newRow("blanks") << "  2005  " << 2005.0;
    QTest::newRow("inner blanks skipped") << "20 05" << 2005.0;
    QTest::newRow("fraction") << "2005.5" << 2005.5;
    QTest::newRow("comma stops") << "2005,5" << 2005.0;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("exponent") << "1e4" << 10000.0;
    QTest::newRow("trailing letters") << "12abc" << 12.0;
    QTest::newRow("none") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("zero") << "0" << 0.0;
}

void TestRegional::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(Val(text), value);
}

void TestRegional::textsOfEachOrder()
{
    QCOMPARE(InvalidDateMessage(1), "Please Enter a Valid date in the Format: dd-mm-yyyy");
    QCOMPARE(InvalidDateMessage(2), "Please Enter a Valid date in the Format: mm-dd-yyyy");
    QCOMPARE(InvalidDateMessage(3), "Please Enter a Valid date in the Format: yyyy-mm-dd");
    QCOMPARE(InvalidDateMessage(0), "Please Enter a Valid date in the Format: yyyy-mm-dd");
    QCOMPARE(SignPositionText(8), u" 8");
    QCOMPARE(SignPositionText(-8), u"-8");
    QCOMPARE(SignPositionText(0), u" 0");
}

QTEST_GUILESS_MAIN(TestRegional)
#include "tst_regional.moc"
