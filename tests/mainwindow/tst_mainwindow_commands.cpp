// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ellreg.h"
#include "frmabout.h"
#include "frmhelp.h"
#include "mainwindowharness.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QTest>

namespace {

const QString kCancelled =
    QStringLiteral("I bow to thee command...everything has been Cancelled !");
const QString kInput = QStringLiteral("Yesss...I'm getting some Input !");

// Types characters one by one, also those the test keyboard has no key for.
void TypeText(QWidget *widget, const QString &text)
{
    for (QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClicks(widget, QString(character));
        } else {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QApplication::sendEvent(widget, &press);
        }
    }
}

QLineEdit *Field(frmDalvane &w, const QString &name)
{
    return w.findChild<QLineEdit *>(name);
}

} // namespace

// Cancel, Exit, Today's Roz, Help and About, the hint double-click and the date field's two
// handlers that keep the buttons enabled.
class TestMainWindowCommands : public QObject
{
    Q_OBJECT

private slots:
    // The button-state table, one step list per row. Steps: cancel, menucancel, type:X (keys
    // into Text1), backspace, set:X (Text1 set by code), focus:NAME, calc, disable (all three).
    void buttonStates_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<QString>("talk");

        QTest::newRow("at start") << ""
                                  << "111"
                                  << "";
        QTest::newRow("Cancel disables Command3") << "cancel"
                                                  << "110" << kCancelled;
        QTest::newRow("menu Cancel disables Command3") << "menucancel"
                                                       << "110" << kCancelled;
        QTest::newRow("a typed character enables it") << "cancel,type:x"
                                                      << "111" << kInput;
        QTest::newRow("Backspace counts as a key") << "cancel,backspace"
                                                   << "111" << kInput;
        QTest::newRow("focus into an empty field leaves it") << "cancel,focus:Text5,focus:Text1"
                                                             << "110" << kCancelled;
        QTest::newRow("focus into a field with text enables it")
            << "cancel,focus:Text5,set:x,focus:Text1"
            << "111" << kCancelled;
        QTest::newRow("blanks count as text") << "cancel,focus:Text5,set: ,focus:Text1"
                                              << "111" << kCancelled;
        QTest::newRow("a failed Calculate leaves it") << "cancel,calc"
                                                      << "110"
                                                      << "Please enter a valid date...you sure "
                                                         "are making me work !";
        QTest::newRow("a finished Calculate enables it")
            << "cancel,set:20-08-2001,calc"
            << "111"
            << "Finished calculating the Roz and the Date...Dikraaa !";
        QTest::newRow("focus enables Calculate and Exit") << "disable,focus:Text5,focus:Text1"
                                                          << "111"
                                                          << "";
        QTest::newRow("a key enables Calculate and Cancel, not Exit") << "disable,type:7"
                                                                      << "101" << kInput;
        QTest::newRow("focus staying in the field changes nothing") << "disable"
                                                                    << "000"
                                                                    << "";
    }
    void buttonStates()
    {
        QFETCH(QString, steps);
        QFETCH(QString, buttons);
        QFETCH(QString, talk);

        MainWindowHarness h(QStringLiteral("en_GB"));
        QVERIFY(h.showActive());
        frmDalvane &w = *h.window;
        QTRY_COMPARE(h.focusName(), QStringLiteral("Text1"));
        const QString greeting = w.lblTalk->text();
        for (const QString &step : steps.split(u',', Qt::SkipEmptyParts)) {
            const QString argument = step.section(u':', 1);
            if (step == u"cancel")
                QTest::mouseClick(w.Command3, Qt::LeftButton);
            else if (step == u"menucancel")
                w.mnuCancel->trigger();
            else if (step.startsWith(u"type:"))
                QTest::keyClicks(w.Text1, argument);
            else if (step == u"backspace")
                QTest::keyClick(w.Text1, Qt::Key_Backspace);
            else if (step.startsWith(u"set:"))
                w.Text1->setText(argument);
            else if (step.startsWith(u"focus:"))
                Field(w, argument)->setFocus(Qt::TabFocusReason);
            else if (step == u"calc")
                w.mnuCalc->trigger();
            else if (step == u"disable")
                for (QPushButton *button : {w.Command1, w.Command2, w.Command3})
                    button->setEnabled(false);
            else
                QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
        QCOMPARE(h.buttons(), buttons);
        QCOMPARE(w.lblTalk->text(), talk.isEmpty() ? greeting : talk);
    }

    void cancel_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<bool>("filled");
        QTest::newRow("button, after a run") << false << true;
        QTest::newRow("menu, after a run") << true << true;
        QTest::newRow("button, all empty") << false << false;
        QTest::newRow("menu, all empty") << true << false;
    }
    void cancel()
    {
        QFETCH(bool, byMenu);
        QFETCH(bool, filled);
        MainWindowHarness h(QStringLiteral("en_GB"));
        QVERIFY(h.showActive());
        frmDalvane &w = *h.window;
        w.Text5->setText(QStringLiteral("1999"));
        if (filled) {
            w.Text1->setText(QStringLiteral("20-08-2001"));
            w.CalculateRoz();
            QVERIFY(!w.Text4->text().isEmpty());
        } else {
            w.Text1->clear();
        }
        w.Check1->setChecked(true);
        w.Text5->setFocus(Qt::TabFocusReason);
        if (byMenu)
            w.mnuCancel->trigger();
        else
            QTest::mouseClick(w.Command3, Qt::LeftButton);
        for (QLineEdit *box : {w.Text1, w.Text2, w.Text3, w.Text4})
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        QVERIFY(w.Label10->text().isEmpty());
        QVERIFY(!w.Check1->isChecked());
        QCOMPARE(w.Text5->text(), QStringLiteral("1999"));
        QCOMPARE(w.lblTalk->text(), kCancelled);
        QCOMPARE(h.focusName(), QStringLiteral("Text1"));
        QCOMPARE(h.buttons(), QStringLiteral("110"));
        QVERIFY(h.services.warnings.isEmpty());
    }

    // The menu item stays usable while the button is disabled.
    void menuCancelWhileButtonDisabled()
    {
        MainWindowHarness h(QStringLiteral("en_GB"));
        QVERIFY(h.showActive());
        frmDalvane &w = *h.window;
        w.Command3_Click();
        QVERIFY(!w.Command3->isEnabled());
        w.Text1->setText(QStringLiteral("text typed meanwhile"));
        w.Check1->setChecked(true);
        w.lblTalk->setText(QString());
        w.mnuCancel->trigger();
        QVERIFY(w.Text1->text().isEmpty());
        QVERIFY(!w.Check1->isChecked());
        QCOMPARE(w.lblTalk->text(), kCancelled);
        QVERIFY(!w.Command3->isEnabled());
    }

    // Today's Roz with the clock at 21 August 2001, the day after the reference date: the button
    // reckons roz 1, the menu with the before-dawn flag set reckons roz 35 of the day before.
    void todaysRoz_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<bool>("flagBefore");
        QTest::addColumn<QString>("dateText");
        QTest::addColumn<QString>("roz");
        QTest::addColumn<bool>("flagAfter");

        const struct
        {
            const char *locale;
            const char *text;
        } orders[] = {{"en_GB", "21/08/2001"},
                      {"en_US", "08/21/2001"},
                      {"sv_SE", "2001-08-21"},
                      {"de_DE", "21.08.2001"}};
        for (const auto &order : orders) {
            const QString l = QString::fromLatin1(order.locale);
            const QByteArray row = order.locale;
            QTest::newRow(row + " button")
                << l << false << false << QString::fromLatin1(order.text) << "HORMUZD" << false;
            QTest::newRow(row + " button clears the flag")
                << l << false << true << QString::fromLatin1(order.text) << "HORMUZD" << false;
            QTest::newRow(row + " menu")
                << l << true << false << QString::fromLatin1(order.text) << "HORMUZD" << false;
            QTest::newRow(row + " menu keeps the flag")
                << l << true << true << QString::fromLatin1(order.text) << "VAHISHTOIST" << true;
        }
    }
    void todaysRoz()
    {
        QFETCH(QString, locale);
        QFETCH(bool, byMenu);
        QFETCH(bool, flagBefore);
        QFETCH(QString, dateText);
        QFETCH(QString, roz);
        QFETCH(bool, flagAfter);

        MainWindowHarness h(locale, *CalendarDate::fromYmd(2001, 8, 21));
        QVERIFY(h.showActive());
        frmDalvane &w = *h.window;
        w.Text5->setText(QStringLiteral("2010")); // a year typed earlier is replaced
        w.Check1->setChecked(flagBefore);
        QString talkBeforeCalculating;
        h.services.onRepaint = [&](QWidget *widget) {
            if (widget == w.Text2 && talkBeforeCalculating.isEmpty())
                talkBeforeCalculating = w.lblTalk->text();
        };
        if (byMenu)
            w.mnuToday->trigger();
        else
            QTest::mouseClick(w.Command4, Qt::LeftButton);
        QCOMPARE(w.Text1->text(), dateText);
        QCOMPARE(w.Text5->text(), QStringLiteral("2001"));
        QCOMPARE(w.Check1->isChecked(), flagAfter);
        QCOMPARE(w.Text2->text(), QStringLiteral("21-") +
                                      QLocale(locale).monthName(8, QLocale::ShortFormat) +
                                      QStringLiteral("-2001"));
        QCOMPARE(w.Text3->text(), roz);
        const QDate reckoning = flagAfter ? QDate(2001, 8, 20) : QDate(2001, 8, 21);
        QCOMPARE(w.Text4->text(), QLocale(locale).toString(reckoning, QLocale::LongFormat));
        QCOMPARE(w.lblTalk->text(),
                 QStringLiteral("Finished calculating the Roz and the Date...Dikraaa !"));
        QCOMPARE(talkBeforeCalculating,
                 QStringLiteral("I'm working, I'm calculating....please wait !"));
        QVERIFY(h.services.warnings.isEmpty());
        QCOMPARE(h.focusName(), QStringLiteral("Text1"));
    }

    void secondaryWindows_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("talk");
        QTest::newRow("Help") << "mnuContents"
                              << "Didn't I tell you Help was avaliable?";
        QTest::newRow("About") << "nmuAbout"
                               << "What do you think? Email me at dalvane@example.org";
    }
    void secondaryWindows()
    {
        QFETCH(QString, command);
        QFETCH(QString, talk);
        MainWindowHarness h(QStringLiteral("en_GB"));
        frmDalvane &w = *h.window;
        QStringList talkWhenShown;
        h.services.onModal = [&](QWidget *) { talkWhenShown << w.lblTalk->text(); };
        QAction *action = w.findChild<QAction *>(command);
        QVERIFY(action);
        QVERIFY(!w.HelpWindow() && !w.AboutWindow());
        action->trigger();
        w.lblTalk->setText(QString());
        action->trigger();
        QCOMPARE(talkWhenShown, QStringList({talk, talk}));
        QCOMPARE(h.services.modal.size(), 2);
        QVERIFY(h.services.modal[0]);
        QCOMPARE(h.services.modal[0], h.services.modal[1]);
        QVERIFY(!h.services.modal[0]->parent());
        if (command == u"mnuContents") {
            QVERIFY(qobject_cast<frmHelp *>(h.services.modal[0].data()));
            QCOMPARE(h.services.modal[0].data(), static_cast<QWidget *>(w.HelpWindow()));
            QVERIFY(!w.AboutWindow());
        } else {
            QVERIFY(qobject_cast<frmAbout *>(h.services.modal[0].data()));
            QCOMPARE(h.services.modal[0].data(), static_cast<QWidget *>(w.AboutWindow()));
            QVERIFY(!w.HelpWindow());
        }
    }

    void exit_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("button") << false;
        QTest::newRow("menu") << true;
    }
    void exit()
    {
        QFETCH(bool, byMenu);
        MainWindowHarness h(QStringLiteral("en_GB"));
        QVERIFY(h.showActive());
        frmDalvane &w = *h.window;
        QTest::keyClicks(w.Text1, QStringLiteral("half typed"));
        const QString talk = w.lblTalk->text();
        if (byMenu)
            w.mnuExit->trigger();
        else
            QTest::mouseClick(w.Command2, Qt::LeftButton);
        QCOMPARE(h.services.endCount, 1);
        QVERIFY(h.services.warnings.isEmpty() && h.services.messages.isEmpty());
        QCOMPARE(w.lblTalk->text(), talk);
    }

    void hintDoubleClick_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<bool>("visible");
        QTest::newRow("none") << 0 << false;
        QTest::newRow("one shows") << 1 << true;
        QTest::newRow("two hide again") << 2 << false;
        QTest::newRow("three show") << 3 << true;
    }
    void hintDoubleClick()
    {
        QFETCH(int, clicks);
        QFETCH(bool, visible);
        MainWindowHarness h(QStringLiteral("en_GB"));
        QVERIFY(h.showActive());
        frmDalvane &w = *h.window;
        for (int i = 0; i < clicks; ++i)
            QTest::mouseDClick(w.Label2, Qt::LeftButton);
        QCOMPARE(w.Label9->isVisible(), visible);
        // A single click is no double-click.
        QTest::mouseClick(w.Label2, Qt::LeftButton);
        QCOMPARE(w.Label9->isVisible(), visible);
    }

    // Any character goes into the date field; only Calculate judges it.
    void anyCharacterAccepted_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("letters") << "abc";
        QTest::newRow("punctuation") << "!?*#";
        QTest::newRow("non-ASCII") << QStringLiteral("ä۱");
    }
    void anyCharacterAccepted()
    {
        QFETCH(QString, typed);
        MainWindowHarness h(QStringLiteral("en_GB"));
        QVERIFY(h.showActive());
        frmDalvane &w = *h.window;
        w.Text1->clear();
        TypeText(w.Text1, typed);
        QCOMPARE(w.Text1->text(), typed);
        QCOMPARE(w.lblTalk->text(), kInput);
        QVERIFY(h.services.warnings.isEmpty());
    }
};

QTEST_MAIN(TestMainWindowCommands)
#include "tst_mainwindow_commands.moc"
