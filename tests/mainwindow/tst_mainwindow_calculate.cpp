// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowharness.h"
#include "roz.h"

#include <QCheckBox>
#include <QDate>
#include <QTest>

namespace {

// The roz of a date counted independently of the calendar core: 21 August 2001 opens a year of
// eleven 30-day months and a twelfth of 35 days, and every 365 days the year starts again.
int RozOracle(QDate date)
{
    const qint64 offset = QDate(2001, 8, 21).daysTo(date);
    const int dayOfYear = static_cast<int>(((offset % 365) + 365) % 365); // [0, 364]
    return dayOfYear < 330 ? dayOfYear % 30 + 1 : dayOfYear - 330 + 1;
}

QString Ascii(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

const QString kFinished = QStringLiteral("Finished calculating the Roz and the Date...Dikraaa !");
const QString kCannot =
    QStringLiteral("I did the Roz but I can't calculate that Date...try again please");

} // namespace

// The Calculate command: the worked example, good runs of every kind, each bad input, and what
// the window shows while the walks run.
class TestMainWindowCalculate : public QObject
{
    Q_OBJECT

private slots:
    void oracleAnchors()
    {
        // The oracle itself agrees with the known anchors before it judges the window.
        QCOMPARE(RozOracle(QDate(2001, 8, 20)), 35);
        QCOMPARE(RozOracle(QDate(2001, 9, 20)), 1);
        QCOMPARE(RozOracle(QDate(2001, 8, 16)), 31);
        QCOMPARE(RozOracle(QDate(1971, 2, 1)), 7);
        QCOMPARE(RozOracle(QDate(2004, 2, 29)), 13);
    }

    void workedExample()
    {
        MainWindowHarness h(QStringLiteral("en_GB"));
        QVERIFY(h.showActive());
        frmDalvane &w = *h.window;
        w.Text1->setText(QStringLiteral("20-08-2001"));
        w.Text5->setText(QStringLiteral("2005"));
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QCOMPARE(w.Text2->text(), QStringLiteral("20-Aug-2001"));
        QCOMPARE(w.Text3->text(), QStringLiteral("VAHISHTOIST"));
        QCOMPARE(w.Label10->text(), QStringLiteral("The Fifth Gatha - It's Papeti Day !"));
        QCOMPARE(w.Text4->text(), QStringLiteral("Friday, 19 August 2005"));
        QCOMPARE(w.lblTalk->text(), kFinished);
        QCOMPARE(h.buttons(), QStringLiteral("111"));
        QCOMPARE(h.focusName(), QStringLiteral("Text1"));
        QVERIFY(h.services.warnings.isEmpty());
        QCOMPARE(h.services.repainted,
                 QStringList({QStringLiteral("Text2"), QStringLiteral("Text3"),
                              QStringLiteral("Label10")}));
    }

    void goodRun_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("year");
        QTest::addColumn<bool>("beforeDawn");
        QTest::addColumn<QString>("entered"); // Text1 after the trim
        QTest::addColumn<QString>("echo");    // Text2
        QTest::addColumn<QDate>("reckoning"); // whose roz Text3 shows
        QTest::addColumn<QDate>("result");    // Text4 in the long format; null: cannot
        QTest::addColumn<QString>("via");     // button, menu or Enter

        const QDate cannot;
        QTest::newRow("example by menu")
            << "en_GB"
            << "20-08-2001"
            << "2005" << false << "20-08-2001"
            << "20-Aug-2001" << QDate(2001, 8, 20) << QDate(2005, 8, 19) << "menu";
        QTest::newRow("blanks trimmed")
            << "en_GB"
            << "   20-08-2001  "
            << "2005" << false << "20-08-2001"
            << "20-Aug-2001" << QDate(2001, 8, 20) << QDate(2005, 8, 19) << "button";
        QTest::newRow("before dawn 21 Aug 2001")
            << "en_GB"
            << "21-08-2001"
            << "2001" << true << "21-08-2001"
            << "21-Aug-2001" << QDate(2001, 8, 20) << QDate(2001, 8, 20) << "button";
        QTest::newRow("after dawn 21 Aug 2001")
            << "en_GB"
            << "21-08-2001"
            << "2001" << false << "21-08-2001"
            << "21-Aug-2001" << QDate(2001, 8, 21) << QDate(2001, 8, 21) << "Enter";
        QTest::newRow("1 Jan 2005 flag set, 2004")
            << "en_GB"
            << "01-01-2005"
            << "2004" << true << "01-01-2005"
            << "01-Jan-2005" << QDate(2004, 12, 31) << QDate(2004, 12, 31) << "button";
        QTest::newRow("1 Jan 2005 flag clear, 2004")
            << "en_GB"
            << "01-01-2005"
            << "2004" << false << "01-01-2005"
            << "01-Jan-2005" << QDate(2005, 1, 1) << cannot << "button";
        QTest::newRow("1 Jan 2005 flag set, 2005")
            << "en_GB"
            << "01-01-2005"
            << "2005" << true << "01-01-2005"
            << "01-Jan-2005" << QDate(2004, 12, 31) << QDate(2005, 12, 31) << "button";
        QTest::newRow("earlier target year")
            << "en_GB"
            << "20-08-2001"
            << "2000" << false << "20-08-2001"
            << "20-Aug-2001" << QDate(2001, 8, 20) << cannot << "button";
        QTest::newRow("same year")
            << "en_GB"
            << "20-08-2001"
            << "2001" << false << "20-08-2001"
            << "20-Aug-2001" << QDate(2001, 8, 20) << QDate(2001, 8, 20) << "button";
        // A one-digit year is read by the date parse's rule for short years: 1 is 2001.
        QTest::newRow("year 1 passes the checks")
            << "en_GB"
            << "20-08-2001"
            << "1" << false << "20-08-2001"
            << "20-Aug-2001" << QDate(2001, 8, 20) << QDate(2001, 8, 20) << "button";
        QTest::newRow("year 9999") << "en_GB"
                                   << "20-08-2001"
                                   << "9999" << false << "20-08-2001"
                                   << "20-Aug-2001" << QDate(2001, 8, 20)
                                   << QDate(2001, 8, 20).addDays(365LL * (9999 - 2001)) << "button";
        QTest::newRow("29 Feb 2004 to 2008")
            << "en_GB"
            << "29-02-2004"
            << "2008" << false << "29-02-2004"
            << "29-Feb-2004" << QDate(2004, 2, 29) << QDate(2008, 2, 28) << "button";
        // No 29 February in 2005: the day 365 days on, which carries the same roz.
        QTest::newRow("29 Feb 2004 to 2005")
            << "en_GB"
            << "29-02-2004"
            << "2005" << false << "29-02-2004"
            << "29-Feb-2004" << QDate(2004, 2, 29) << QDate(2005, 2, 28) << "button";
        QTest::newRow("first day of the calendar")
            << "en_GB"
            << "01-01-0100"
            << "100" << false << "01-01-0100"
            << "01-Jan-0100" << QDate(100, 1, 1) << QDate(100, 1, 1) << "button";
        QTest::newRow("month-first en_US")
            << "en_US"
            << "08/20/2001"
            << "2005" << false << "08/20/2001"
            << "20-Aug-2001" << QDate(2001, 8, 20) << QDate(2005, 8, 19) << "button";
        QTest::newRow("year-first sv_SE 2101")
            << "sv_SE"
            << "2001-08-20"
            << "2101" << false << "2001-08-20"
            << "20-aug.-2001" << QDate(2001, 8, 20) << QDate(2101, 7, 27) << "button";
        QTest::newRow("1 Feb 1971 to 2026")
            << "en_GB"
            << "01-02-1971"
            << "2026" << false << "01-02-1971"
            << "01-Feb-1971" << QDate(1971, 2, 1) << QDate(2026, 1, 18) << "Enter";
    }
    void goodRun()
    {
        QFETCH(QString, locale);
        QFETCH(QString, date);
        QFETCH(QString, year);
        QFETCH(bool, beforeDawn);
        QFETCH(QString, entered);
        QFETCH(QString, echo);
        QFETCH(QDate, reckoning);
        QFETCH(QDate, result);
        QFETCH(QString, via);

        MainWindowHarness h(locale);
        QVERIFY(h.showActive());
        frmDalvane &w = *h.window;
        w.Text1->setText(date);
        w.Text5->setText(year);
        w.Check1->setChecked(beforeDawn);
        w.Command3->setEnabled(false); // the end of a run enables all three, whatever they were
        w.Text5->setFocus();
        if (via == u"menu")
            w.mnuCalc->trigger();
        else if (via == u"Enter")
            QTest::keyClick(w.Text5, Qt::Key_Return);
        else
            QTest::mouseClick(w.Command1, Qt::LeftButton);

        QVERIFY2(h.services.warnings.isEmpty(), qPrintable(h.services.warnings.join(u'|')));
        QCOMPARE(w.Text1->text(), entered);
        QCOMPARE(w.Text2->text(), echo);
        const RozRow &row = RozTable[RozOracle(reckoning)];
        QCOMPARE(w.Text3->text(), Ascii(row.name));
        QCOMPARE(w.Label10->text(), Ascii(row.meaning));
        if (result.isValid()) {
            QCOMPARE(w.Text4->text(), QLocale(locale).toString(result, QLocale::LongFormat));
            QCOMPARE(w.lblTalk->text(), kFinished);
        } else {
            QCOMPARE(w.Text4->text(), QStringLiteral("Cannot be Calculated"));
            QCOMPARE(w.lblTalk->text(), kCannot);
        }
        QCOMPARE(w.Check1->isChecked(), beforeDawn);
        QCOMPARE(h.buttons(), QStringLiteral("111"));
        QCOMPARE(h.focusName(), QStringLiteral("Text1"));
    }

    void badInput_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("year");
        QTest::addColumn<bool>("beforeDawn");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("talk");
        QTest::addColumn<QString>("dateAfter");
        QTest::addColumn<QString>("yearAfter");
        QTest::addColumn<QString>("focus");

        const QString badDate =
            QStringLiteral("Please enter a valid date...you sure are making me work !");
        const QString dmy = QStringLiteral("Please Enter a Valid date in the Format: dd-mm-yyyy");
        const QString mdy = QStringLiteral("Please Enter a Valid date in the Format: mm-dd-yyyy");
        const QString ymd = QStringLiteral("Please Enter a Valid date in the Format: yyyy-mm-dd");
        const QString badYear = QStringLiteral("Please Enter a Valid Year");
        const QString badYearTalk = QStringLiteral("Yo...please...enter a Valid year dikraa !");
        const QString range = QStringLiteral("Please Enter a Year between 1 and 9999");
        const QString rangeTalk = QStringLiteral("Please enter a number I recognize !");

        QTest::newRow("empty date, day first") << "en_GB"
                                               << ""
                                               << "2005" << false << dmy << badDate << ""
                                               << "2005"
                                               << "Text1";
        QTest::newRow("empty date, month first") << "en_US"
                                                 << ""
                                                 << "2005" << false << mdy << badDate << ""
                                                 << "2005"
                                                 << "Text1";
        QTest::newRow("empty date, year first") << "sv_SE"
                                                << ""
                                                << "2005" << false << ymd << badDate << ""
                                                << "2005"
                                                << "Text1";
        QTest::newRow("blanks only") << "en_GB"
                                     << "    "
                                     << "2005" << false << dmy << badDate << ""
                                     << "2005"
                                     << "Text1";
        QTest::newRow("letters") << "en_GB"
                                 << " abc "
                                 << "2005" << false << dmy << badDate << "abc"
                                 << "2005"
                                 << "Text1";
        QTest::newRow("31 February") << "en_GB"
                                     << "31-02-2001"
                                     << "2005" << false << dmy << badDate << "31-02-2001"
                                     << "2005"
                                     << "Text1";
        QTest::newRow("29 February of a common year")
            << "en_GB"
            << "29-02-2003"
            << "2005" << false << dmy << badDate << "29-02-2003"
            << "2005"
            << "Text1";
        QTest::newRow("month-first text under day first")
            << "en_GB"
            << "08-20-2001"
            << "2005" << false << dmy << badDate << "08-20-2001"
            << "2005"
            << "Text1";
        QTest::newRow("time of day") << "en_GB"
                                     << "20-08-2001 10:30"
                                     << "2005" << false << dmy << badDate << "20-08-2001 10:30"
                                     << "2005"
                                     << "Text1";
        QTest::newRow("before dawn of the first day")
            << "en_GB"
            << "01-01-0100"
            << "2005" << true << dmy << badDate << "01-01-0100"
            << "2005"
            << "Text1";
        QTest::newRow("bad date and bad year") << "en_GB"
                                               << "xx"
                                               << "abc" << false << dmy << badDate << "xx"
                                               << "abc"
                                               << "Text1";
        QTest::newRow("empty year") << "en_GB"
                                    << "20-08-2001"
                                    << "" << false << badYear << badYearTalk << "20-08-2001"
                                    << "2030"
                                    << "Text5";
        QTest::newRow("letters for a year")
            << "en_GB"
            << "  20-08-2001"
            << "two" << false << badYear << badYearTalk << "20-08-2001"
            << "2030"
            << "Text5";
        QTest::newRow("year 0") << "en_GB"
                                << "20-08-2001"
                                << "0" << false << range << rangeTalk << "20-08-2001"
                                << "2030"
                                << "Text5";
        QTest::newRow("year 10000") << "en_GB"
                                    << "20-08-2001"
                                    << "10000" << false << range << rangeTalk << "20-08-2001"
                                    << "2030"
                                    << "Text5";
        QTest::newRow("year -5") << "en_GB"
                                 << "20-08-2001"
                                 << "-5" << false << range << rangeTalk << "20-08-2001"
                                 << "2030"
                                 << "Text5";
        QTest::newRow("year 0.5") << "en_GB"
                                  << "20-08-2001"
                                  << "0.5" << false << range << rangeTalk << "20-08-2001"
                                  << "2030"
                                  << "Text5";
        QTest::newRow("year 9999.5") << "en_GB"
                                     << "20-08-2001"
                                     << "9999.5" << false << range << rangeTalk << "20-08-2001"
                                     << "2030"
                                     << "Text5";
    }
    void badInput()
    {
        QFETCH(QString, locale);
        QFETCH(QString, date);
        QFETCH(QString, year);
        QFETCH(bool, beforeDawn);
        QFETCH(QString, box);
        QFETCH(QString, talk);
        QFETCH(QString, dateAfter);
        QFETCH(QString, yearAfter);
        QFETCH(QString, focus);

        MainWindowHarness h(locale);
        QVERIFY(h.showActive());
        frmDalvane &w = *h.window;
        // A previous run's results, which a failed check must leave on show.
        w.Text1->setText(w.Text1->text()); // the sample date of this order
        w.Text5->setText(QStringLiteral("2005"));
        w.CalculateRoz();
        QVERIFY2(h.services.warnings.isEmpty(), qPrintable(h.services.warnings.join(u'|')));
        const QStringList before = {w.Text2->text(), w.Text3->text(), w.Label10->text(),
                                    w.Text4->text()};
        QVERIFY(!before.contains(QString()));
        h.services.repainted.clear();

        w.Text1->setText(date);
        w.Text5->setText(year);
        w.Check1->setChecked(beforeDawn);
        w.Command3->setEnabled(false);
        QTRY_COMPARE(h.focusName(), QStringLiteral("Text1"));
        w.CalculateRoz();

        QCOMPARE(h.services.warnings, QStringList{box});
        QCOMPARE(w.lblTalk->text(), talk);
        QCOMPARE(w.Text1->text(), dateAfter);
        QCOMPARE(w.Text5->text(), yearAfter);
        QCOMPARE(h.focusName(), focus);
        const QStringList after = {w.Text2->text(), w.Text3->text(), w.Label10->text(),
                                   w.Text4->text()};
        QCOMPARE(after, before);
        QCOMPARE(h.buttons(), QStringLiteral("110"));
        QVERIFY(h.services.repainted.isEmpty());
    }

    // What the user sees while the walks run: each repaint comes with the remark and the
    // disabled buttons of its step, and the old results already cleared.
    void progress()
    {
        MainWindowHarness h(QStringLiteral("en_GB"));
        QVERIFY(h.showActive());
        frmDalvane &w = *h.window;
        w.Text5->setText(QStringLiteral("2005"));
        w.CalculateRoz(); // leaves results of 1 February 1971 to be cleared by the next run
        QStringList seen;
        h.services.onRepaint = [&](QWidget *widget) {
            seen << widget->objectName() + u'|' + w.lblTalk->text() + u'|' + h.buttons() + u'|' +
                        w.Text2->text() + u'|' + w.Text3->text() + u'|' + w.Label10->text() + u'|' +
                        w.Text4->text();
        };
        w.Text1->setText(QStringLiteral("20-08-2001"));
        w.CalculateRoz();
        const QString working = QStringLiteral("I'm working, I'm calculating....please wait !");
        const QString rozDone =
            QStringLiteral("There, I've finished calculating the Roz...next the Date...");
        const QString meaning = QStringLiteral("The Fifth Gatha - It's Papeti Day !");
        const QString cleared = QStringLiteral("000|20-Aug-2001|||");
        const QString shown = QStringLiteral("000|20-Aug-2001|VAHISHTOIST|") + meaning + u'|';
        QCOMPARE(seen, QStringList({QStringLiteral("Text2|") + working + u'|' + cleared,
                                    QStringLiteral("Text3|") + rozDone + u'|' + shown,
                                    QStringLiteral("Label10|") + rozDone + u'|' + shown}));
    }

    // After a bad year the field holds this year, and the next Calculate runs with it.
    void yearReplacedThenUsed_data()
    {
        QTest::addColumn<QString>("year");
        QTest::newRow("not numeric") << "abc";
        QTest::newRow("out of range") << "0";
    }
    void yearReplacedThenUsed()
    {
        QFETCH(QString, year);
        MainWindowHarness h(QStringLiteral("en_GB"), *CalendarDate::fromYmd(2030, 6, 12));
        QVERIFY(h.showActive());
        frmDalvane &w = *h.window;
        w.Text1->setText(QStringLiteral("20-08-2001"));
        w.Text5->setText(year);
        w.CalculateRoz();
        QCOMPARE(w.Text5->text(), QStringLiteral("2030"));
        QCOMPARE(h.services.warnings.size(), 1);
        w.CalculateRoz();
        QCOMPARE(h.services.warnings.size(), 1);
        QCOMPARE(w.Text4->text(),
                 QLocale(QStringLiteral("en_GB"))
                     .toString(QDate(2001, 8, 20).addDays(365 * 29), QLocale::LongFormat));
    }
};

QTEST_MAIN(TestMainWindowCalculate)
#include "tst_mainwindow_calculate.moc"
