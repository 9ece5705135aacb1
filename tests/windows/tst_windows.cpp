// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/answer.h"
#include "answer/skyanswer.h"
#include "calendar/roz.h"
#include "platform/coretext.h"
#include "platform/desktop.h"
#include "platform/placetime.h"
#include "testsupport.h"
#include "windows/about/frmabout.h"
#include "windows/about/keyvalue.h"
#include "windows/calendar/frmcalendar.h"
#include "windows/family/familyentrydialog.h"
#include "windows/family/frmfamily.h"
#include "windows/help/frmhelp.h"
#include "windows/main/ellreg.h"
#include "windows/main/frmdalvane.h"
#include "windows/schedule/frmschedule.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPaintEngine>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStyleOption>
#include <QTableView>
#include <QTemporaryDir>

namespace {

const QString kUnavailable = "System Information Is Unavailable At This Time";

// The main window on its own regional settings and recording services, shown and active.
struct Window
{
    explicit Window(const QString &locale) : settings(RegionalSettings::fromLocale(QLocale(locale)))
    {
        w = std::make_unique<frmDalvane>(services, registry, settings,
                                         scratch.filePath("family.sqlite"));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QApplication::setActiveWindow(w.get());
    }
    // The hint, Text1 to Text5, the tick, the enabled Command1 to Command3 and the focus.
    QString state() const
    {
        QString state = w->Label2->text() + u'|';
        for (QLineEdit *box : {w->Text1, w->Text2, w->Text3, w->Text4, w->Text5})
            state += box->text() + u'|';
        return state +
               QString::asprintf("%d|%d%d%d|", w->Check1->isChecked(), w->Command1->isEnabled(),
                                 w->Command2->isEnabled(), w->Command3->isEnabled()) +
               QApplication::focusWidget()->objectName();
    }
    frmDalvane *operator->() const { return w.get(); }

    QTemporaryDir scratch;
    RecordingServices services;
    FakeRegistry registry;
    RegionalSettings settings;
    std::unique_ptr<frmDalvane> w;
};

// Whether a text box shows its whole text: painted with the cursor at its end, it has not scrolled.
bool Fits(QLineEdit *box)
{
    const int start = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    box->end(false);
    box->repaint();
    const int end = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    box->setCursorPosition(0);
    return end - start == box->fontMetrics().horizontalAdvance(box->text());
}

// Records every text painted on it, in order: what a window shows, read as a screen reader
// cannot read a calendar's cells.
class TextRecorder : public QPaintDevice, QPaintEngine
{
public:
    explicit TextRecorder(QSize size) : m_size(size) {}
    QPaintEngine *paintEngine() const override { return const_cast<TextRecorder *>(this); }
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        texts << item.text();
        boxes << state->transform().mapRect(
            QRectF(p.x(), p.y() - item.ascent(), item.width(), item.ascent() + item.descent()));
    }
    Type type() const override { return User; }
    int metric(PaintDeviceMetric metric) const override
    {
        return metric == PdmWidth                    ? m_size.width()
               : metric == PdmHeight                 ? m_size.height()
               : metric == PdmDepth                  ? 32
               : metric == PdmDevicePixelRatioScaled ? 65536
                                                     : 96;
    }
    QStringList texts;
    QList<QRectF> boxes; // where each text was painted

private:
    QSize m_size;
};

// Start-up, and a command on a window whose results read "old", with Cancel disabled and the
// focus in the year field: the locale, the command, Text1, Text5 and the tick set before, then
// the message box, the remark and the state after. Enter in the year field clicks Calculate
// Roz; a bad date's focus move into a date field that holds text enables Cancel again.
const char kCommands[] =
    R"(start-up, day first | en_GB | start |  |  |  |  | Get the latest Dalvane from https://dalvane.example.org | ( In the Format dd-mm-yyyy )|01-02-1971||||2001|0|111|Text1
start-up, month first | en_US | start |  |  |  |  | Get the latest Dalvane from https://dalvane.example.org | ( In the Format mm-dd-yyyy )|02-01-1971||||2001|0|111|Text1
start-up, year first | sv_SE | start |  |  |  |  | Get the latest Dalvane from https://dalvane.example.org | ( In the Format yyyy-mm-dd )|1971-02-01||||2001|0|111|Text1
worked example | en_GB | Enter | 20-08-2001 | 2005 | 0 |  | Finished calculating the Roz and the Date...Dikraaa ! | ( In the Format dd-mm-yyyy )|20-08-2001|20-Aug-2001|VAHISHTOIST|Friday, 19 August 2005|2005|0|111|Text1
blanks trimmed, same year | en_GB | mnuCalc |  01-02-1971   | 1971 | 0 |  | Finished calculating the Roz and the Date...Dikraaa ! | ( In the Format dd-mm-yyyy )|01-02-1971|01-Feb-1971|AMERDAAD|Monday, 1 February 1971|1971|0|111|Text1
before dawn, the year before | en_GB | Enter | 01-01-2005 | 2004 | 1 |  | Finished calculating the Roz and the Date...Dikraaa ! | ( In the Format dd-mm-yyyy )|01-01-2005|01-Jan-2005|GOSH|Friday, 31 December 2004|2004|1|111|Text1
an earlier year | en_GB | Enter | 01-01-2005 | 2004 | 0 |  | I did the Roz but I can't calculate that Date...try again please | ( In the Format dd-mm-yyyy )|01-01-2005|01-Jan-2005|DAE-PA-MEHER|Cannot be Calculated|2004|0|111|Text1
month first, year 1 | en_US | Enter | 08/20/2001 | 1 | 0 |  | Finished calculating the Roz and the Date...Dikraaa ! | ( In the Format mm-dd-yyyy )|08/20/2001|20-Aug-2001|VAHISHTOIST|Monday, August 20, 2001|1|0|111|Text1
year first, year 9999 | hu_HU | Enter | 2001. 08. 20 | 9999 | 0 |  | Finished calculating the Roz and the Date...Dikraaa ! | ( In the Format yyyy-mm-dd )|2001. 08. 20|20-aug.-2001|VAHISHTOIST|9994. április 29., péntek|9999|0|111|Text1
a long date wider than its box | pt_BR | Enter | 15/09/2027 | 2027 | 0 |  | Finished calculating the Roz and the Date...Dikraaa ! | ( In the Format dd-mm-yyyy )|15/09/2027|15-set.-2027|BEHMAN|quarta-feira, 15 de setembro de 2027|2027|0|111|Text1
bad date and year, month first | en_US | Enter |  | x | 0 | Please Enter a Valid date in the Format: mm-dd-yyyy | Please enter a valid date...you sure are making me work ! | ( In the Format mm-dd-yyyy )||old|old|old|x|0|110|Text1
bad date, year first | sv_SE | Enter |  abc  | 2005 | 0 | Please Enter a Valid date in the Format: yyyy-mm-dd | Please enter a valid date...you sure are making me work ! | ( In the Format yyyy-mm-dd )|abc|old|old|old|2005|0|111|Text1
before dawn of the first day | en_GB | Enter | 01-01-0100 | 2005 | 1 | Please Enter a Valid date in the Format: dd-mm-yyyy | Please enter a valid date...you sure are making me work ! | ( In the Format dd-mm-yyyy )|01-01-0100|old|old|old|2005|1|111|Text1
empty year | en_GB | Enter | 20-08-2001 |  | 0 | Please Enter a Valid Year | Yo...please...enter a Valid year dikraa ! | ( In the Format dd-mm-yyyy )|20-08-2001|old|old|old|2001|0|110|Text5
year 0 | en_GB | Enter | 20-08-2001 | 0 | 0 | Please Enter a Year between 1 and 9999 | Please enter a number I recognize ! | ( In the Format dd-mm-yyyy )|20-08-2001|old|old|old|2001|0|110|Text5
year 10000 | en_GB | Enter | 20-08-2001 | 10000 | 0 | Please Enter a Year between 1 and 9999 | Please enter a number I recognize ! | ( In the Format dd-mm-yyyy )|20-08-2001|old|old|old|2001|0|110|Text5
Today's Roz button clears the tick | en_GB | Today button |  | 2010 | 1 |  | Finished calculating the Roz and the Date...Dikraaa ! | ( In the Format dd-mm-yyyy )|21/08/2001|21-Aug-2001|HORMUZD|Tuesday, 21 August 2001|2001|0|111|Text1
Today's Roz menu keeps it | en_GB | mnuToday |  | 2010 | 1 |  | Finished calculating the Roz and the Date...Dikraaa ! | ( In the Format dd-mm-yyyy )|21/08/2001|21-Aug-2001|VAHISHTOIST|Monday, 20 August 2001|2001|1|111|Text1
Today's Roz, month first | en_US | Today button |  | 2010 | 0 |  | Finished calculating the Roz and the Date...Dikraaa ! | ( In the Format mm-dd-yyyy )|08/21/2001|21-Aug-2001|HORMUZD|Tuesday, August 21, 2001|2001|0|111|Text1
Today's Roz, year first | hu_HU | mnuToday |  | 2010 | 1 |  | Finished calculating the Roz and the Date...Dikraaa ! | ( In the Format yyyy-mm-dd )|2001. 08. 21|21-aug.-2001|VAHISHTOIST|2001. augusztus 20., hétfő|2001|1|111|Text1
menu Cancel keeps the year | en_GB | mnuCancel | 20-08-2001 | 2005 | 1 |  | I bow to thee command...everything has been Cancelled ! | ( In the Format dd-mm-yyyy )|||||2005|0|110|Text1)";

// The button-state rules: steps from the window as it opens (cancel, type:X, backspace, ime:X
// for an input method's commit, set:X by code, focus:NAME, disable for all three
// buttons), then the enabled Command1 to Command3 and the remark.
const char kButtons[] =
    R"(Cancel disables Cancel | cancel | 110 | I bow to thee command...everything has been Cancelled !
a typed character enables it | cancel,type:x | 111 | Yesss...I'm getting some Input !
Backspace counts as a key | cancel,backspace | 111 | Yesss...I'm getting some Input !
an input method's character counts | cancel,ime:é | 111 | Yesss...I'm getting some Input !
focus into an empty field leaves it | cancel,focus:Text5,focus:Text1 | 110 | I bow to thee command...everything has been Cancelled !
focus into a field of blanks enables it | cancel,focus:Text5,set: ,focus:Text1 | 111 | I bow to thee command...everything has been Cancelled !
focus enables Calculate and Exit | disable,focus:Text5,focus:Text1 | 111 | Get the latest Dalvane from https://dalvane.example.org
a key enables Calculate and Cancel | disable,type:7 | 101 | Yesss...I'm getting some Input !)";

// The registry value read into a text: the stored bytes (percent-encoded, "-" for no such key)
// repeated so many times, the type, the size reported ("-": the bytes' count), the text before
// and after, and whether it was read (1), not read (0) or raised an error.
const char kKeyValues[] =
    R"(text with its final NUL | C:\msinfo32.exe%00 | 1 | 1 | - | old | C:\msinfo32.exe | 1
text without a final NUL | abc | 1 | 1 | - | old | abc | 1
number stored 4 3 2 1 | %04%03%02%01 | 1 | 4 | - |  | &h1234 | 1
number 258 loses its zero byte | %02%01%00%00 | 1 | 4 | - |  | &h012 | 1
number 5 | %05%00%00%00 | 1 | 4 | - |  | &h005 | 1
another type leaves the text | %01%02 | 1 | 3 | - | old | old | 1
no such key | - | 1 | 1 | - | old |  | 0
a value past the buffer | x | 1025 | 1 | - | old |  | 0
a size of 0 | abc%00 | 1 | 1 | 0 | old | old | error)";

// System Info: the two registry values ("-": none), the file that exists and the program that
// starts there, then the program started and whether the message shows.
const char kSysInfo[] =
    R"(the first value names the program | C:\Windows\msinfo32.exe | C:\Other | - | C:\Windows\msinfo32.exe | C:\Windows\msinfo32.exe | 0
the second value's folder holds it | - | C:\MSInfo | C:\MSInfo\MSINFO32.EXE | C:\MSInfo\MSINFO32.EXE | C:\MSInfo\MSINFO32.EXE | 0
a folder ending in a separator doubles it | - | C:\MSInfo\ | C:\MSInfo\\MSINFO32.EXE | C:\MSInfo\\MSINFO32.EXE | C:\MSInfo\\MSINFO32.EXE | 0
neither value | - | - | - | - | - | 1
the folder lacks the file | - | C:\MSInfo | C:\MSInfo\msinfo.exe | - | - | 1
the program does not start | C:\Broken.exe | - | - | - | C:\Broken.exe | 1)";

// The Help, About, Schedule, Calendar and Family Register commands: the remark while the window
// shows, its title, its owner and the start of a text it shows.
const char kSecondary[] =
    R"(mnuContents | Didn't I tell you Help was avaliable? | Dalvane Help | none | Dalvane version 2.0.2
nmuAbout | What do you think? Email me at dalvane@example.org | About Dalvane | main window | Dalvane v2.0.2
mnuSchedule | Here are all the days to keep for that date...Dikraaa ! | Schedule of Observances | main window | ( In the Format dd-mm-yyyy )
mnuCalendar | Here is the month of that date, every day with its roz ! | Dalvane Calendar | main window | Mah Shehrevar, Meher; YZ 1340
mnuFamily | Here are the days your family keeps, and what is coming ! | Dalvane Family Register | main window | Coming &up)";

// The Schedule window's table for its inputs (locale, date, tick, reckoning, days, months,
// years from, for): the summary, the number of rows, and the first and last rows in date order.
const char kSchedules[] =
    R"(a Gatha day, the default schedule | en_GB | 20/08/2001 | 0 | Shahenshahi | 4, 10, 30 | 12 | 2001 | 10 | 20-Aug-2001: VAHISHTOIST (35), No mah (Gatha days), YZ 1370, Shahenshahi\nThe Fifth Gatha - It's Papeti Day ! | 25 | Year 2001 / Monday, 20 August 2001 / VAHISHTOIST (35) / - / 1370 /  | Year 2010 / Wednesday, 18 August 2010 / VAHISHTOIST (35) / - / 1379 / 
Fasli roz 36 | en_GB | 20-03-2024 | 0 | Fasli |  | 1 | 2025 | 4 | 20-Mar-2024: AVARDAD-SAL-GAH (36), No mah (Gatha days), YZ 1393, Fasli\nThe day that makes the Fasli year whole, kept after the Gathas when February has 29 days. | 5 | Month 1 / Monday, 25 March 2024 / ASFANDARMAD (5) / Farvardin / 1394 / Avardad-sal-gah, as the fifth Gatha day, kept on roz 5 | Year 2028 / Monday, 20 March 2028 / AVARDAD-SAL-GAH (36) / - / 1397 / 
before dawn, Kadmi | en_GB | 21/08/2001 | 1 | Kadmi | 4 | 0 | 2001 | 1 | 21-Aug-2001: ANERAAN (30), Mah Farvardin, YZ 1371, Kadmi\nthe myriad of Lights in the heavens, and the Light in the Soul, paving the way to the soul's higher Realms of Light. | 2 | Year 2001 / Monday, 20 August 2001 / ANERAAN (30) / Farvardin / 1371 /  | Day 4 / Thursday, 23 August 2001 / ARD-I-BEHESHT (3) / Ard-i-Behesht / 1371 / 
the first varsi once | en_GB | 25/08/2001 | 0 | Shahenshahi |  | 12 | 2002 | 1 | 25-Aug-2001: ASFANDARMAD (5), Mah Farvardin, YZ 1371, Shahenshahi\nThe Discernment between Right and Wrong : Insight into the  Realities of Life (Asha), to distinguish Unrealities (druj). | 12 | Month 1 / Monday, 24 September 2001 / ASFANDARMAD (5) / Ard-i-Behesht / 1371 /  | Year 2002 (month 12) / Sunday, 25 August 2002 / ASFANDARMAD (5) / Farvardin / 1372 / 
no days, month first | en_US | 08/20/2001 | 0 | Shahenshahi |  | 0 | 2005 | 1 | 20-Aug-2001: VAHISHTOIST (35), No mah (Gatha days), YZ 1370, Shahenshahi\nThe Fifth Gatha - It's Papeti Day ! | 1 | Year 2005 / Friday, August 19, 2005 / VAHISHTOIST (35) / - / 1374 /  | Year 2005 / Friday, August 19, 2005 / VAHISHTOIST (35) / - / 1374 / )";

// Input the Schedule window cannot read: the field and its text (a tick before the date's),
// then the reason the window gives.
const char kBadSchedules[] =
    R"(a date that is no date | txtDate | 31/02/2001 | Please Enter a Valid date in the Format: dd-mm-yyyy
before dawn of the first day | txtDate | tick 01/01/0100 | Please Enter a Valid date in the Format: dd-mm-yyyy
a year that is no number | txtFrom | 20x1 | Please Enter a Valid Year
year 10000 | txtFrom | 10000 | Please Enter a Year between 1 and 9999
day 0 | txtDays | 4, 0 | Please Enter the Days as numbers from 1 to 36500, such as 4, 10, 30
a word among the days | txtDays | 4,x | Please Enter the Days as numbers from 1 to 36500, such as 4, 10, 30
day 36501 | txtDays | 36501 | Please Enter the Days as numbers from 1 to 36500, such as 4, 10, 30)";

// The rows of a window's table in their shown order, each row's shown cells " / " apart.
QStringList TableRows(const QTableView *table)
{
    QStringList rows;
    const QAbstractItemModel *model = table->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            if (!table->isColumnHidden(column))
                cells << model->index(row, column).data().toString();
        rows << cells.join(QStringLiteral(" / "));
    }
    return rows;
}

QStringList TableRows(const frmSchedule &window)
{
    return TableRows(window.grdObservances);
}

// The controls the keyboard reaches that a screen reader could not name, by class and name.
QStringList Unnamed(QWidget *window)
{
    QStringList unnamed;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->focusPolicy() & Qt::TabFocus && control->isVisibleTo(window) &&
            !control->focusProxy() &&
            QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
            unnamed << QString::fromLatin1(control->metaObject()->className()) + u' ' +
                           control->objectName();
    }
    return unnamed;
}

// The Calendar window from the menu at Text1's date (today, 21 August 2001, when it reads as no
// date): the locale, Text1 and the reckoning chosen, then the day selected, the first weekday
// shown, a few cells' day and painted roz, and where Save Festivals writes a year's festivals
// ("ok": a scratch folder) with a text of the file or the warning shown; last the date the
// Schedule window opens at from the selected day.
const char kCalendar[] =
    R"(day first | en_GB | 20-08-2025 | 0 | 2025-08-20 | 1 | 1:22 14:35 15:1 31:17 | ok | UID:festival-navroz-1395-shahenshahi@dalvane.example.org | 20-08-2025
no date, month first, Fasli | en_US |  | 2 | 2001-08-21 | 7 | 1:14 21:4 | /nonexistent/x.ics | The calendar file /nonexistent/x.ics cannot be written: No such file or directory | 08-21-2001)";

// The PATH, with "/" standing for a scratch folder holding a/kinfocenter, b/hardinfo,
// c/hardinfo, d/hardinfo (not executable), bin/hardinfo and hardinfo, and the program found.
const char kStandIn[] = R"(hardinfo before kinfocenter | /a:/b | b/hardinfo
the first folder holding hardinfo | /c:/b | c/hardinfo
a file that is not executable | /d | -
relative folders | .:bin: | -)";

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    // The Calendar window's choices are remembered where the tests keep their own settings.
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Dalvane"), QStringLiteral("Dalvane")).clear();
    }

    void commands_data() { AddRows(kCommands); }
    void commands()
    {
        const QStringList f = Fields();
        EllReg::DateOrder = 0;
        Window w(f[0]);
        QTRY_COMPARE(QApplication::focusWidget(), w->Text1);
        if (f[1] != u"start") {
            for (QLineEdit *box : {w->Text2, w->Text3, w->Text4})
                box->setText("old");
            w->Label10->setText("old");
            w->Text1->setText(f[2]);
            w->Text5->setText(f[3]);
            w->Check1->setChecked(f[4] == u"1");
            w->Command3->setEnabled(false);
            w->Text5->setFocus();
        }
        if (f[1] == u"Enter")
            QTest::keyClick(w->Text5, Qt::Key_Return);
        else if (f[1] == u"Today button")
            QTest::mouseClick(w->Command4, Qt::LeftButton);
        else if (f[1] != u"start")
            w->findChild<QAction *>(f[1])->trigger();
        QCOMPARE(w.services.warnings.join(""), f[5]);
        QCOMPARE(w->lblTalk->text(), f[6]);
        QCOMPARE(w.state(), f[7]);
        for (int roz = 1; roz <= 35; ++roz)
            if (w->Text3->text() == RozTable[roz].name.data())
                QCOMPARE(w->Label10->text(), RozTable[roz].meaning.data());
        // A result shows from its beginning; a text wider than its box shows whole in its tip.
        for (QLineEdit *result : {w->Text2, w->Text3, w->Text4}) {
            if (!f[5].isEmpty())
                break;
            QCOMPARE(result->cursorPosition(), 0);
            QCOMPARE(result->toolTip(), Fits(result) ? QString() : result->text());
        }
    }

    void buttonStates_data() { AddRows(kButtons); }
    void buttonStates()
    {
        const QStringList f = Fields();
        Window w("en_GB");
        QTRY_COMPARE(QApplication::focusWidget(), w->Text1);
        for (const QString &step : f[0].split(u',', Qt::SkipEmptyParts)) {
            const QString argument = step.section(u':', 1);
            QInputMethodEvent commit;
            commit.setCommitString(argument);
            if (step == u"cancel")
                QTest::mouseClick(w->Command3, Qt::LeftButton);
            else if (step.startsWith(u"type:"))
                QTest::keyClicks(w->Text1, argument);
            else if (step == u"backspace")
                QTest::keyClick(w->Text1, Qt::Key_Backspace);
            else if (step.startsWith(u"ime:"))
                QApplication::sendEvent(w->Text1, &commit);
            else if (step.startsWith(u"set:"))
                w->Text1->setText(argument);
            else if (step.startsWith(u"focus:"))
                w->Client->findChild<QWidget *>(argument)->setFocus(Qt::TabFocusReason);
            else
                w->Command1->setEnabled(false), w->Command2->setEnabled(false),
                    w->Command3->setEnabled(false);
        }
        QCOMPARE(w.state().section(u'|', 7, 7), f[1]);
        QCOMPARE(w->lblTalk->text(), f[2]);
    }

    // Each command shows the same window object again; About's owner keeps it off the taskbar.
    void secondaryWindows_data() { AddRows(kSecondary); }
    void secondaryWindows()
    {
        const QStringList f = Fields();
        Window w("en_GB");
        w.services.onModal = [&] { QCOMPARE(w->lblTalk->text(), f[0]); };
        for (int i = 0; i < 2; ++i, w->lblTalk->clear())
            w->findChild<QAction *>(QTest::currentDataTag())->trigger();
        QCOMPARE(w.services.modal.size(), 2);
        QDialog *window = w.services.modal[0];
        QCOMPARE(window, w.services.modal[1]);
        QCOMPARE(window->windowTitle(), f[1]);
        QCOMPARE(window->windowType(), Qt::Dialog);
        QCOMPARE(window->parentWidget(), f[2] == u"main window" ? w.w.get() : nullptr);
        QCOMPARE(window->windowFlags() & (Qt::WindowMinimizeButtonHint |
                                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
                 Qt::WindowCloseButtonHint);
        QVERIFY2(std::ranges::any_of(window->findChildren<QLabel *>(),
                                     [&](QLabel *label) { return label->text().startsWith(f[3]); }),
                 qPrintable(f[3]));
        QCOMPARE(Unnamed(window), QStringList());
    }

    void scheduleTable_data() { AddRows(kSchedules); }
    void scheduleTable()
    {
        const QStringList f = Fields();
        RecordingServices services;
        const RegionalSettings settings = RegionalSettings::fromLocale(QLocale(f[0]));
        frmSchedule window(services, settings, DetectDateOrder(settings));
        window.txtDate->setText(f[1]);
        window.chkBeforeDawn->setChecked(f[2] == u"1");
        window.cboReckoning->setCurrentText(f[3]);
        window.txtDays->setText(f[4]);
        window.spnMonths->setValue(f[5].toInt());
        window.txtFrom->setText(f[6]);
        window.spnYears->setValue(f[7].toInt());
        QCOMPARE(window.lblSummary->text(), QString(f[8]).replace("\\n", "\n"));
        const QStringList rows = TableRows(window);
        QCOMPARE(rows.size(), f[9].toInt());
        QCOMPARE(rows.first(), f[10]);
        QCOMPARE(rows.last(), f[11]);
    }

    // A field that does not read empties the table and says why, without a box and without
    // touching the other fields; mended, the schedule is back.
    void scheduleBadInput_data() { AddRows(kBadSchedules); }
    void scheduleBadInput()
    {
        const QStringList f = Fields();
        RecordingServices services;
        const RegionalSettings settings = RegionalSettings::fromLocale(QLocale("en_GB"));
        frmSchedule window(services, settings, kDayMonthYear);
        window.SetDate(*CalendarDate::fromYmd(2001, 8, 20), false);
        window.txtName->setText("Dinshaw Mehta");
        auto *field = window.findChild<QLineEdit *>(f[0]);
        const QString good = field->text();
        const QColor base = field->palette().color(QPalette::Base);
        window.chkBeforeDawn->setChecked(f[1].startsWith("tick "));
        field->setText(QString(f[1]).remove("tick "));
        QCOMPARE(window.lblProblem->text(), f[2]);
        QCOMPARE(window.grdObservances->model()->rowCount(), 0);
        QVERIFY(field->palette().color(QPalette::Base) != base);
        QVERIFY(!window.cmdSave->isEnabled() && !window.cmdPrint->isEnabled());
        QCOMPARE(window.txtName->text(), "Dinshaw Mehta");
        QVERIFY(services.warnings.isEmpty());
        window.chkBeforeDawn->setChecked(false);
        field->setText(good);
        QCOMPARE(window.lblProblem->text(), "");
        QCOMPARE(window.grdObservances->model()->rowCount(), 25);
        QCOMPARE(field->palette().color(QPalette::Base), base);
    }

    // A time before sunrise at the place in the system's zone reckons from the day before in
    // the tick's stead (sunrise in Toronto at 7:44 on 15 December 2025); cleared, the tick is back.
    void scheduleBySunrise()
    {
        RecordingServices services;
        services.zone = "America/Toronto";
        frmSchedule window(services, RegionalSettings::fromLocale(QLocale("en_GB")), kDayMonthYear);
        window.SetDate(*CalendarDate::fromYmd(2025, 12, 15), false);
        window.txtFrom->setText("2025");
        QCOMPARE(window.cboPlace->currentText(), "Toronto");
        window.txtTime->setText("7:43");
        QVERIFY(!window.chkBeforeDawn->isEnabled());
        QVERIFY(window.lblSummary->text().endsWith(
            "\n7:43 in Ushahin Gah, before sunrise at Toronto (7:44): the roz of the day before"));
        QVERIFY(TableRows(window).first().startsWith("Year 2025 / Sunday, 14 December 2025"));
        window.txtTime->clear();
        QVERIFY(window.chkBeforeDawn->isEnabled());
        QVERIFY(TableRows(window).first().startsWith("Year 2025 / Monday, 15 December 2025"));
    }

    // From the menu to the file: the window opens on the calculator's date (today's when it
    // does not read), saves what the command line writes for the same input, says why a file
    // cannot be written, and prints the default schedule on one page.
    void scheduleFromMenu()
    {
        Window w("en_GB");
        QCOMPARE(w->menuBar()->actions().size(), 3);
        QCOMPARE(w->menuBar()->actions()[1]->text(), "&Observances");
        QTemporaryDir dir;
        QStringList dates;
        w.services.onModal = [&] {
            auto *window = static_cast<frmSchedule *>(w.services.modal.last());
            dates << window->txtDate->text() + u' ' + w->lblTalk->text();
            if (w.services.modal.size() == 1)
                return;
            QCOMPARE(window->grdObservances->model()->rowCount(), 25);
            window->txtName->setText("Dinshaw Mehta");
            window->spnRemind->setValue(2);
            w.services.savePath = dir.filePath("family.ics");
            window->cmdSave->click();
            w.services.savePath = dir.filePath("missing/family.ics");
            window->cmdSave->click();
            w.services.printPath = dir.filePath("family.pdf");
            window->cmdPrint->click();
        };
        w->Text1->setText("20-13-2001");
        w->mnuSchedule->trigger();
        w->Text1->setText("  20-08-2001 ");
        w->mnuSchedule->trigger();
        QCOMPARE(
            dates,
            QStringList(
                {"21-08-2001 I can't read that date, so here are the days to keep from today !",
                 "20-08-2001 Here are all the days to keep for that date...Dikraaa !"}));
        QCOMPARE(w->Text1->text(), "  20-08-2001 ");
        QCOMPARE(w.services.suggestions.last(),
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                     "/Dinshaw Mehta.ics");

        QProcess cli;
        cli.setEnvironment(QProcess::systemEnvironment() << "LC_ALL=en_GB.UTF-8");
        cli.start(DALVANE_CLI, {"schedule", "--order", "dmy", "--from", "2001", "--years", "10",
                                "--months", "12", "--days", "4,10,30", "--remind", "2", "--name",
                                "Dinshaw Mehta", "--ics", "-", "20-08-2001"});
        QVERIFY(cli.waitForFinished(60000));
        QFile saved(dir.filePath("family.ics"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QRegularExpression stamp("DTSTAMP:\\w+");
        QCOMPARE(QString(saved.readAll()).remove(stamp),
                 QString(cli.readAllStandardOutput()).remove(stamp));

        QCOMPARE(w.services.warnings.size(), 1);
        QVERIFY(w.services.warnings[0].contains(dir.filePath("missing/family.ics")));
        QVERIFY(!QFile::exists(dir.filePath("missing/family.ics")));
        QFile pdf(dir.filePath("family.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(QString(pdf.readAll()).count(QRegularExpression("/Type\\s*/Page\\b")), 1);
    }

    // The register from the menu, on a file of its own: Add keeps nothing while the dialog's
    // input does not read, then the People table shows the entry and Coming up its
    // observances in the year from today, which the calendar file holds as the command line
    // writes them; Remove asks first; the login tick writes or removes the launcher however it
    // is changed.
    void familyWindow()
    {
        Window w("en_GB");
        w.services.savePath = w.scratch.filePath("coming.ics");
        QStringList said, people, coming, login;
        w.services.onModal = [&] {
            if (auto *dialog = qobject_cast<FamilyEntryDialog *>(w.services.modal.last())) {
                said << Unnamed(dialog);
                dialog->txtName->setText("Dinshaw Mehta");
                for (const char *date : {"31/02/2001", "20/08/2001"}) {
                    dialog->txtDate->setText(date);
                    dialog->buttons->button(QDialogButtonBox::Ok)->click();
                    said << dialog->lblProblem->text() + u'|' + QString::number(dialog->result());
                }
                return;
            }
            auto *family = static_cast<frmFamily *>(w.services.modal.last());
            family->cmdAdd->click();
            family->cboSpan->setCurrentIndex(2);
            people = TableRows(family->grdPeople);
            coming = TableRows(family->grdUpcoming);
            family->cmdSave->click();
            w.services.confirm = false;
            family->cmdRemove->click();
            people << TableRows(family->grdPeople);
            // The tick through assistive technology, which toggles it without a click: on and
            // off, then on where the autostart folder cannot be made, which puts it back.
            QAccessibleActionInterface *tick =
                QAccessible::queryAccessibleInterface(family->chkRemind)->actionInterface();
            QFile blocker(QFileInfo(AutostartPath()).absolutePath());
            for (const bool blocked : {false, false, true}) {
                if (blocked)
                    QVERIFY(QDir(blocker.fileName()).removeRecursively() &&
                            blocker.open(QIODevice::WriteOnly));
                tick->doAction(QAccessibleActionInterface::toggleAction());
                login << QStringLiteral("%1%2")
                             .arg(family->chkRemind->isChecked())
                             .arg(RemindsAtLogin());
            }
            login << family->lblProblem->text().section(u':', 0, 0);
            blocker.remove();
        };
        w->mnuFamily->trigger();
        QCOMPARE(login, QStringList({"11", "00", "00",
                                     "cannot make the folder of " +
                                         QDir::toNativeSeparators(AutostartPath())}));
        QCOMPARE(said,
                 QStringList({"Please Enter a Valid date in the Format: dd-mm-yyyy|0", "|1"}));
        const QString row =
            "Dinshaw Mehta / Death / 20-Aug-2001 / VAHISHTOIST (35) / - / Shahenshahi";
        QCOMPARE(people, QStringList({row, row}));
        QCOMPARE(
            w.services.questions,
            QStringList({"Remove Dinshaw Mehta (Death, 20-Aug-2001) from the Family Register?"}));
        QCOMPARE(coming.size(), 16);
        QCOMPARE(coming.first(), "Dinshaw Mehta / Day 4 / Thursday, 23 August 2001 / "
                                 "ARD-I-BEHESHT (3) / Farvardin / 1371 / ");
        QCOMPARE(coming.last(), "Dinshaw Mehta / Year 2002 / Tuesday, 20 August 2002 / "
                                "VAHISHTOIST (35) / - / 1371 / ");

        QProcess cli;
        cli.setEnvironment(QProcess::systemEnvironment() << "LC_ALL=en_GB.UTF-8");
        cli.start(DALVANE_CLI,
                  {"family", "upcoming", "--register", w.scratch.filePath("family.sqlite"),
                   "--from", "2001-08-21", "--days", "365", "--ics", "-"});
        QVERIFY(cli.waitForFinished(60000));
        QFile saved(w.services.savePath);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QRegularExpression stamp("DTSTAMP:\\w+");
        QCOMPARE(QString(saved.readAll()).remove(stamp),
                 QString(cli.readAllStandardOutput()).remove(stamp));
    }

    void exitHintAndLongTexts()
    {
        Window w("en_GB");
        QTest::mouseClick(w->Command2, Qt::LeftButton);
        w->mnuExit->trigger();
        QCOMPARE(w.services.ends, 2);
        QTest::mouseDClick(w->Label2, Qt::LeftButton);
        QVERIFY(w->Label9->isVisible());
        QTest::mouseDClick(w->Label2, Qt::LeftButton);
        QVERIFY(!w->Label9->isVisible());
        for (QLineEdit *field : {w->Text1, w->Text5}) {
            field->setText(QString(50010, u'7'));
            QCOMPARE(field->text().size(), 50010);
        }
    }

    // What the user reads shows whole at the screen's resolution (96 dpi, or 120 in
    // windows_at_120_dpi): the tick box, the echo, the long dates and every meaning.
    void showsWhole_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char *locale : {"en_GB", "en_US", "en_IN"})
            QTest::newRow(locale) << locale;
    }
    void showsWhole()
    {
        QFETCH(QString, locale);
        Window w(locale);
        const int dpi = w->logicalDpiY();
        QStyleOptionButton option;
        option.initFrom(w->Check1);
        QVERIFY(w->Check1->height() >=
                w->style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, w->Check1));
        QVERIFY(qAbs(w->Check1->geometry().center().y() * 1440 / dpi - (1020 + 96)) <= 1440 / dpi);
        w->Text5->setText("2027");
        // Roz 31 to 35, then 1 to 30 from 15 August 2027 on, and September's longest dates.
        for (QDate date(2027, 8, 10); date.day() != 16; date = date.addDays(1)) {
            w->Text1->setText(date.toString(EllReg::DateOrder == 2 ? "MM/dd/yyyy" : "dd/MM/yyyy"));
            w->CalculateRoz();
            QVERIFY2(Fits(w->Text2) && Fits(w->Text4), qPrintable(w->Text4->text()));
            const QRect room = w->Label10->contentsRect();
            QVERIFY2(w->Label10->fontMetrics()
                             .boundingRect(room, Qt::TextWordWrap, w->Label10->text())
                             .height() <= room.height(),
                     qPrintable(w->Label10->text()));
        }
    }

    // Heading, rule and paragraphs each begin a line; empty lines between them where they fit.
    void helpText()
    {
        frmHelp window;
        QLabel *label = window.findChild<QLabel *>();
        QCOMPARE(label->text().replace("\n\n", "\n"),
                 "Dalvane version 2.0.2\n===================\nEnter the date that you want to "
                 "calculate the Roz in the format prompted to you.  dd/mm/yyyy or mm/dd/yyyy or "
                 "yyyy/mm/dd as per your Regional Date setting.\n"
                 "Next, Enter the Year that you want to calculate that Roz in that year.  The "
                 "program automatically enters the current year as default.\n"
                 "Press the (Calculate Roz) button to calculate the Roz and date.\nPress the "
                 "(Today's Roz) Graphic button to calculate today's Roz.\n"
                 "Press the (Exit) button to exit the program.\nAny problems, questions, updates "
                 "visit our Website at: https://dalvane.example.org");
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
    }

    void keyValue_data() { AddRows(kKeyValues); }
    void keyValue()
    {
        const QStringList f = Fields();
        FakeRegistry registry;
        const std::string key = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
        const QByteArray stored =
            QByteArray::fromPercentEncoding(f[0].toLatin1()).repeated(f[1].toInt());
        if (f[0] != u"-")
            registry.values[key + "\\PATH"] = {stored.toStdString(), f[2].toUInt(),
                                               f[3] == u"-" ? std::nullopt : std::optional(0u)};
        std::string keyVal = f[4].toStdString();
        const auto read = [&] {
            return GetKeyValue(registry, Registry::HKEY_LOCAL_MACHINE, key, "PATH", keyVal);
        };
        if (f[6] == u"error")
            QVERIFY_THROWS_EXCEPTION(KeyValueError, read());
        else
            QCOMPARE(read(), f[6] == u"1");
        QCOMPARE(QString::fromStdString(keyVal), f[5]);
        QVERIFY2(registry.open.empty(), "the key stays open");
        QCOMPARE(registry.lastMask, 0x2003Fu);
        QCOMPARE(registry.lastSizeIn, f[0] == u"-" ? 0u : 1024u);
    }

    // Alt+S clicks System Info, and Esc closes the window after it, whatever happened.
    void sysInfo_data() { AddRows(kSysInfo); }
    void sysInfo()
    {
        const QStringList f = Fields();
        FakeRegistry registry;
        for (const auto &[value, text] :
             {std::pair{"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO\\PATH", f[0]},
              {"SOFTWARE\\Microsoft\\Shared Tools Location\\MSINFO", f[1]}})
            if (text != u"-")
                registry.values[value] = {text.toStdString() + '\0'};
        RecordingServices services;
        services.files << f[2];
        services.programs << f[3];
        frmAbout window(services, registry);
        window.show();
        QApplication::setActiveWindow(&window);
        QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(services.starts.size() + services.messages.size() > 0);
        QCOMPARE(services.starts.join(""), f[4] == u"-" ? "" : f[4]);
        QCOMPARE(services.messages.join(""), f[5] == u"1" ? kUnavailable : "");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    void calendarWindow_data() { AddRows(kCalendar); }
    void calendarWindow()
    {
        const QStringList f = Fields();
        Window w(f[0]);
        w->Text1->setText(f[1]);
        QTemporaryDir dir;
        w.services.savePath = f[6] == u"ok" ? dir.filePath("festivals.ics") : f[6];
        QString scheduled;
        w.services.onModal = [&] {
            if (auto *schedule = qobject_cast<frmSchedule *>(w.services.modal.last())) {
                scheduled = schedule->txtDate->text();
                return;
            }
            if (auto *years = qobject_cast<FestivalYearsDialog *>(w.services.modal.last())) {
                years->spnYears->setValue(1);
                years->accept();
                return;
            }
            auto *calendar = static_cast<frmCalendar *>(w.services.modal.last());
            calendar->cboReckoning->setCurrentIndex(f[2].toInt());
            calendar->show();
            QVERIFY(QTest::qWaitForWindowExposed(calendar));
            QCOMPARE(calendar->calMonth->selectedDate().toString(Qt::ISODate), f[3]);
            QCOMPARE(int(calendar->calMonth->firstDayOfWeek()), f[4].toInt());
            TextRecorder painted(calendar->calMonth->size());
            calendar->calMonth->render(&painted);
            // Each cell paints its day, then its roz with or without the name.
            QStringList cells;
            for (qsizetype i = 0; i + 1 < painted.texts.size(); ++i)
                cells << painted.texts[i] + u':' + painted.texts[i + 1].section(u' ', 0, 0);
            for (const QString &cell : f[5].split(u' '))
                QVERIFY2(cells.contains(cell), qPrintable(cell + " in " + cells.join(u' ')));
            calendar->cmdSaveFestivals->click();
            calendar->cmdSchedule->click();
        };
        w->mnuCalendar->trigger();
        QCOMPARE(scheduled, f[8]);
        QFile saved(w.services.savePath);
        QCOMPARE(saved.open(QIODevice::ReadOnly) && saved.readAll().contains(f[7].toUtf8()),
                 f[6] == u"ok");
        QCOMPARE(w.services.warnings.join(u'|'), f[6] == u"ok" ? "" : f[7]);
    }

    // Every cell of a Fasli month with Avardad-sal-gah names its roz, and its name in the script
    // chosen, whole inside the cell and clear of the day's number, at the window's first size
    // (96 dpi, or 120 in windows_at_120_dpi); the day's sun and moon are the place's, and the
    // script and the place are there again in the next window.
    void calendarNames_data() { AddRows("English | 0\nGujarati | 1\nPersian | 2"); }
    void calendarNames()
    {
        const int script = Fields()[0].toInt();
        RecordingServices services;
        const RegionalSettings settings = RegionalSettings::fromLocale(QLocale("en_GB"));
        auto window = std::make_unique<frmCalendar>(services, settings);
        window->cboReckoning->setCurrentIndex(2);
        window->cboNames->setCurrentIndex(script);
        window->cboPlace->setCurrentText(QStringLiteral("Tehran"));
        window->ShowDate(*CalendarDate::fromYmd(2024, 3, 21));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto *view = window->calMonth->findChild<QTableView *>("qt_calendar_calendarview");
        TextRecorder painted(window->calMonth->size());
        window->calMonth->render(&painted);
        QMap<QModelIndex, QList<qsizetype>> inCell;
        for (qsizetype i = 0; i < painted.texts.size(); ++i) {
            const QPoint at =
                view->viewport()->mapFrom(window->calMonth, painted.boxes[i].center().toPoint());
            if (const QModelIndex cell = view->indexAt(at); cell.row() > 0)
                inCell[cell] << i;
        }
        const QDate first = window->calMonth->selectedDate().addDays(-20 - 4); // Monday 26 Feb
        QCOMPARE(inCell.size(), 42);
        for (auto cell = inCell.cbegin(); cell != inCell.cend(); ++cell) {
            const QRect box(
                view->viewport()->mapTo(window->calMonth, view->visualRect(cell.key()).topLeft()),
                view->visualRect(cell.key()).size());
            const QDate date = first.addDays((cell.key().row() - 1) * 7 + cell.key().column());
            const int roz = ZoroastrianDayOf(*FromQDate(date), Reckoning::Fasli).roz;
            QStringList texts;
            for (const qsizetype i : cell.value()) {
                texts << painted.texts[i];
                QVERIFY2(QRectF(box).adjusted(-1, -1, 1, 1).contains(painted.boxes[i]),
                         qPrintable(painted.texts[i]));
                for (const qsizetype j : cell.value())
                    QVERIFY(i == j || !painted.boxes[i].intersects(painted.boxes[j]));
            }
            // A name may wrap after a hyphen: "AVARDAD-SAL-" over "GAH".
            QVERIFY2(texts.join(u' ')
                         .replace(QStringLiteral("- "), QStringLiteral("-"))
                         .endsWith(FromCore(RozRowOf(roz).name) +
                                   (script ? u' ' + FromCore(RozNameIn(roz, Script(script)))
                                           : QString())),
                     qPrintable(date.toString() + texts.join(u'|')));
        }
        const SunClocks sun =
            SunClocksOn(*CalendarDate::fromYmd(2024, 3, 21), PlaceFromRow(*BuiltInPlace("Tehran")));
        QCOMPARE(window->lblSunrise->text() + u' ' + window->lblSunset->text(),
                 sun.rise + u' ' + sun.set);
        QVERIFY(window->lblMoon->text().endsWith(u"% lit"));
        window = std::make_unique<frmCalendar>(services, settings);
        QCOMPARE(window->cboNames->currentIndex(), script);
        QCOMPARE(window->cboPlace->currentText(), "Tehran");
    }

    // The stand-in registry: the first system-information program in an absolute PATH folder.
    void standIn_data() { AddRows(kStandIn); }
    void standIn()
    {
        const QStringList f = Fields();
        QTemporaryDir dir;
        for (const QString file : {"a/kinfocenter", "b/hardinfo", "c/hardinfo", "d/hardinfo",
                                   "bin/hardinfo", "hardinfo"}) {
            QDir(dir.path()).mkpath(file.section(u'/', 0, -2));
            QFile program(dir.filePath(file));
            QVERIFY(program.open(QIODevice::WriteOnly));
            program.setPermissions(file.startsWith(u'd') ? QFile::ReadOwner
                                                         : QFile::ReadOwner | QFile::ExeOwner);
        }
        const QByteArray saved = qgetenv("PATH");
        qputenv("PATH", QString(f[0]).replace(u'/', dir.path() + u'/').toLocal8Bit());
        const QString current = QDir::currentPath();
        QDir::setCurrent(dir.path());
        std::string found;
        GetKeyValue(*CreateSystemRegistry(), Registry::HKEY_LOCAL_MACHINE,
                    "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", found);
        qputenv("PATH", saved);
        QDir::setCurrent(current);
        QCOMPARE(QString::fromStdString(found), f[1] == u"-" ? "" : dir.filePath(f[1]));
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
