// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmhelp.h"
#include "twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

namespace {

// The help text's pieces between its runs of two or more blanks, and those runs, in order.
const QStringList kPieces{
    "Dalvane version 2.0.2",
    "===================",
    "Enter the date that you want to calculate the Roz in the format prompted to you.",
    "dd/mm/yyyy or mm/dd/yyyy or yyyy/mm/dd as per your Regional Date setting.",
    "Next, Enter the Year that you want to calculate that Roz in that year.",
    "The program automatically enters the current year as default.",
    "Press the (Calculate Roz) button to calculate the Roz and date.",
    "Press the (Today's Roz) Graphic button to calculate today's Roz.",
    "Press the (Exit) button to exit the program.",
    "Any problems, questions, updates visit our Website at: https://dalvane.example.org",
};
const QList<int> kRuns{43, 44, 2, 142, 2, 95, 150, 134, 101};

QLabel *HelpLabel(frmHelp &window)
{
    return window.findChild<QLabel *>(QStringLiteral("Label1"));
}

} // namespace

class TestFrmHelp : public QObject
{
    Q_OBJECT

private slots:
    void helpTextIsAssembledExactly();
    void displayReadsAsHeadingRuleAndParagraphs();
    void sameTextUnderEveryLocale_data();
    void sameTextUnderEveryLocale();
    void windowAttributes();
    void textFitsTheLabel();
    void keysDoNothing_data();
    void keysDoNothing();
};

void TestFrmHelp::helpTextIsAssembledExactly()
{
    const QString text = frmHelp::HelpText();
    QCOMPARE(text.size(), 1290);

    QStringList pieces;
    QList<int> runs;
    static const QRegularExpression run(QStringLiteral(" {2,}"));
    qsizetype from = 0;
    for (auto match = run.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch blank = match.next();
        pieces << text.mid(from, blank.capturedStart() - from);
        runs << int(blank.capturedLength());
        from = blank.capturedEnd();
    }
    pieces << text.mid(from);
    QCOMPARE(pieces, kPieces);
    QCOMPARE(runs, kRuns);
    QVERIFY(!text.contains(QLatin1Char('\n')));
    QCOMPARE(text.count(QLatin1Char('=')), 19);
}

void TestFrmHelp::displayReadsAsHeadingRuleAndParagraphs()
{
    const QStringList expected{
        "Dalvane version 2.0.2",
        "===================",
        "Enter the date that you want to calculate the Roz in the format prompted to you.  "
        "dd/mm/yyyy or mm/dd/yyyy or yyyy/mm/dd as per your Regional Date setting.",
        "",
        "Next, Enter the Year that you want to calculate that Roz in that year.  "
        "The program automatically enters the current year as default.",
        "",
        "Press the (Calculate Roz) button to calculate the Roz and date.",
        "",
        "Press the (Today's Roz) Graphic button to calculate today's Roz.",
        "",
        "Press the (Exit) button to exit the program.",
        "",
        "Any problems, questions, updates visit our Website at: https://dalvane.example.org",
    };
    QCOMPARE(frmHelp::HelpDisplayText(frmHelp::HelpText()).split(QLatin1Char('\n')), expected);

    frmHelp window;
    QCOMPARE(HelpLabel(window)->text(), expected.join(QLatin1Char('\n')));
}

void TestFrmHelp::sameTextUnderEveryLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("day-month-year") << "en_GB";
    QTest::newRow("month-day-year") << "en_US";
    QTest::newRow("year-month-day") << "ja_JP";
    QTest::newRow("dotted day-month-year") << "de_DE";
}

void TestFrmHelp::sameTextUnderEveryLocale()
{
    QFETCH(QString, locale);
    const QLocale saved;
    QLocale::setDefault(QLocale(locale));
    frmHelp window;
    const QString shown = HelpLabel(window)->text();
    QLocale::setDefault(saved);

    QCOMPARE(shown, frmHelp::HelpDisplayText(frmHelp::HelpText()));
    QVERIFY(shown.contains(QStringLiteral("dd/mm/yyyy or mm/dd/yyyy or yyyy/mm/dd")));
}

void TestFrmHelp::windowAttributes()
{
    frmHelp window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Dalvane Help"));
    const Qt::WindowFlags flags = window.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(window.findChildren<QAbstractButton *>().isEmpty());

    const qreal dpi = window.logicalDpiX();
    const QSize client(TwipsToPixels(3480, dpi), TwipsToPixels(4656, dpi));
    QCOMPARE(window.minimumSize(), client);
    QCOMPARE(window.maximumSize(), client);

    // The help variant of the program icon: 64 x 64, and not the About window's picture.
    const QImage icon = window.windowIcon().pixmap(QSize(64, 64)).toImage();
    QCOMPARE(icon.size(), QSize(64, 64));
    const QImage programIcon = QImage(QStringLiteral(":/icons/dalvane.png"));
    QCOMPARE(programIcon.size(), QSize(64, 64));
    QVERIFY2(icon.convertToFormat(QImage::Format_ARGB32) !=
                 programIcon.convertToFormat(QImage::Format_ARGB32),
             "the Help window shows the plain program icon");

    QLabel *Label1 = HelpLabel(window);
    QVERIFY(Label1);
    QCOMPARE(Label1->geometry(), TwipsRect(60, 60, 3372, 4512, dpi));
    QVERIFY(Label1->wordWrap());
    QCOMPARE(Label1->textFormat(), Qt::PlainText);
    QCOMPARE(Label1->focusPolicy(), Qt::NoFocus);

    // Shown twice, it is centred each time.
    for (int showing = 0; showing < 2; ++showing) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint centre = window.screen()->availableGeometry().center();
        QVERIFY2((window.frameGeometry().center() - centre).manhattanLength() <= 2,
                 "the Help window is not centred");
        window.close();
        QVERIFY(!window.isVisible());
    }
}

void TestFrmHelp::textFitsTheLabel()
{
    frmHelp window;
    QLabel *Label1 = HelpLabel(window);
    const int needed = Label1->heightForWidth(Label1->width());
    QVERIFY2(needed <= Label1->height(),
             qPrintable(QStringLiteral("the text needs %1 pixels, the label has %2")
                            .arg(needed)
                            .arg(Label1->height())));
}

void TestFrmHelp::keysDoNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc is not a close key") << int(Qt::Key_Escape);
}

void TestFrmHelp::keysDoNothing()
{
    QFETCH(int, key);
    frmHelp window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key(key));
    QVERIFY(window.isVisible());
    QCOMPARE(HelpLabel(window)->text(), frmHelp::HelpDisplayText(frmHelp::HelpText()));
}

QTEST_MAIN(TestFrmHelp)
#include "test_frmhelp.moc"
