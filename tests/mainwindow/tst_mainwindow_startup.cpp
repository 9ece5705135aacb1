// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ellreg.h"
#include "mainwindowharness.h"

#include <QCheckBox>
#include <QTest>

// Start-up under regional short dates of every order: the hint, the sample date, the order code,
// the year from the clock and the greeting.
class TestMainWindowStartup : public QObject
{
    Q_OBJECT

private slots:
    void startup_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QString>("shortPattern"); // a user's own short date, if any

        const QString dmy = QStringLiteral("( In the Format dd-mm-yyyy )");
        const QString mdy = QStringLiteral("( In the Format mm-dd-yyyy )");
        const QString ymd = QStringLiteral("( In the Format yyyy-mm-dd )");
        // en_GB dd/MM/yyyy; de_DE dd.MM.yy; C "d MMM yyyy" (day first, month name after it)
        QTest::newRow("day-first en_GB")
            << "en_GB" << 2030 << 1 << dmy << "01-02-1971" << QString();
        QTest::newRow("day-first two-digit year de_DE")
            << "de_DE" << 1999 << 1 << dmy << "01-02-1971" << QString();
        QTest::newRow("day-first month name C")
            << "C" << 2030 << 1 << dmy << "01-02-1971" << QString();
        // en_US M/d/yy
        QTest::newRow("month-first en_US")
            << "en_US" << 2030 << 2 << mdy << "02-01-1971" << QString();
        // sv_SE yyyy-MM-dd; ja_JP yyyy/MM/dd; ko_KR "yy. M. d." (two-digit year first)
        QTest::newRow("year-first sv_SE")
            << "sv_SE" << 2030 << 3 << ymd << "1971-02-01" << QString();
        QTest::newRow("year-first ja_JP")
            << "ja_JP" << 9999 << 3 << ymd << "1971-02-01" << QString();
        QTest::newRow("two-digit year first ko_KR")
            << "ko_KR" << 100 << 3 << ymd << "1971-02-01" << QString();
        // my_MM dd-MM-yy in Myanmar digits: the first characters are no "22" of ours
        QTest::newRow("other digits my_MM")
            << "my_MM" << 2030 << 3 << ymd << "1971-02-01" << QString();
        // Short dates a user set up that begin with a month or weekday name read as year first.
        QTest::newRow("month-name first") << "en_US" << 2030 << 3 << ymd << "1971-02-01"
                                          << "MMM d, yyyy";
        QTest::newRow("weekday first") << "en_GB" << 2030 << 3 << ymd << "1971-02-01"
                                       << "ddd dd/MM/yyyy";
        QTest::newRow("user's own day first") << "en_US" << 2030 << 1 << dmy << "01-02-1971"
                                              << "d.M.yyyy";
    }
    void startup()
    {
        QFETCH(QString, locale);
        QFETCH(int, year);
        QFETCH(int, order);
        QFETCH(QString, hint);
        QFETCH(QString, sample);
        QFETCH(QString, shortPattern);

        EllReg::DateOrder = 0;
        RegionalSettings settings = RegionalSettings::fromLocale(QLocale(locale));
        if (!shortPattern.isEmpty())
            settings.shortDatePattern = shortPattern;
        MainWindowHarness h(settings, *CalendarDate::fromYmd(year, 3, 4));
        frmDalvane &w = *h.window;
        QCOMPARE(EllReg::DateOrder, order);
        QCOMPARE(w.Label2->text(), hint);
        QCOMPARE(w.Text1->text(), sample);
        QCOMPARE(w.Text5->text(), QString::number(year));
        QCOMPARE(w.lblTalk->text(),
                 QStringLiteral("Get the latest Dalvane from https://dalvane.example.org"));
        // The status line is sized to the greeting, not left at its design width.
        QVERIFY2(w.lblTalk->width() >=
                     w.lblTalk->fontMetrics().horizontalAdvance(w.lblTalk->text()),
                 qPrintable(QString::number(w.lblTalk->width())));
        QVERIFY(h.services.warnings.isEmpty());
        QVERIFY(h.services.messages.isEmpty());
        QCOMPARE(h.services.endCount, 0);
    }

    // Everything else starts as designed, whatever the order.
    void initialState_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("en_GB") << "en_GB";
        QTest::newRow("en_US") << "en_US";
        QTest::newRow("sv_SE") << "sv_SE";
    }
    void initialState()
    {
        QFETCH(QString, locale);
        MainWindowHarness h(locale);
        frmDalvane &w = *h.window;
        QVERIFY(!w.Label9->isVisibleTo(&w));
        QCOMPARE(w.Label9->text(), QStringLiteral("CHAIYE HAME ZARTHOSTI "));
        QVERIFY(!w.Check1->isChecked());
        for (QLineEdit *box : {w.Text2, w.Text3, w.Text4})
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        QVERIFY(w.Label10->text().isEmpty());
        QCOMPARE(h.buttons(), QStringLiteral("111"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Dalvane"));
        QCOMPARE(w.Label11->text(), QStringLiteral("Dalvane 2.0.2"));
        QVERIFY(h.services.modal.isEmpty());
    }

    // Shown, the date field takes the focus and keeps the sample date.
    void firstFocus()
    {
        MainWindowHarness h(QStringLiteral("en_US"));
        QVERIFY(h.showActive());
        QTRY_COMPARE(h.focusName(), QStringLiteral("Text1"));
        QCOMPARE(h.window->Text1->text(), QStringLiteral("02-01-1971"));
        QCOMPARE(h.buttons(), QStringLiteral("111"));
    }
};

QTEST_MAIN(TestMainWindowStartup)
#include "tst_mainwindow_startup.moc"
