// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowharness.h"
#include "roz.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

// The design in twips, written out here on its own so that a slip in the window's table shows.
struct Designed
{
    const char *name;
    int left, top, width, height;
    // fixed; text (sized to its caption, spreading to both sides when wider than its box);
    // centred (on its box); status (growing to the right); shape
    const char *sizing;
};
constexpr Designed kDesign[] = {
    {"Label5", 1236, -60, 3084, 300, "centred"},  {"Label9", 420, 240, 2448, 192, "text"},
    {"Text1", 2880, 360, 1032, 312, "fixed"},     {"Command4", 4056, 360, 372, 312, "fixed"},
    {"Label1", 789, 480, 2016, 192, "text"},      {"Label2", 843, 720, 1932, 192, "text"},
    {"Check1", 780, 1020, 4572, 192, "fixed"},    {"Label13", 1296, 1260, 2652, 192, "text"},
    {"Shape1", 120, 1560, 5292, 2112, "shape"},   {"Shape2", 120, 1560, 5292, 2112, "shape"},
    {"Text2", 1920, 1680, 1032, 348, "fixed"},    {"Label3", 360, 1800, 1440, 192, "text"},
    {"Label7", 3060, 1800, 1572, 192, "text"},    {"Text3", 2040, 2100, 2292, 348, "fixed"},
    {"Label4", 300, 2280, 1620, 192, "text"},     {"Label12", 4440, 2280, 504, 192, "text"},
    {"Label10", 300, 2520, 4932, 492, "fixed"},   {"Text5", 1380, 3120, 552, 348, "fixed"},
    {"Text4", 2760, 3120, 2472, 348, "fixed"},    {"Label6", 240, 3240, 1044, 192, "text"},
    {"Label8", 2040, 3240, 612, 192, "text"},     {"Command1", 414, 3840, 1512, 372, "fixed"},
    {"Command3", 2082, 3840, 1512, 372, "fixed"}, {"Command2", 3726, 3840, 1392, 372, "fixed"},
    {"Shape3", 60, 4380, 5412, 12, "shape"},      {"Shape4", 60, 4380, 5412, 12, "shape"},
    {"lblTalk", 60, 4440, 36, 192, "status"},     {"Label11", 4380, 4440, 1080, 156, "text"},
};

int Px(int twips, int dpi)
{
    return qRound(twips * dpi / 1440.0);
}

const QStringList kTabOrder = {"Text1", "Command1", "Command2", "Text2",    "Command3",
                               "Text4", "Text3",    "Text5",    "Command4", "Check1"};

} // namespace

// The window as designed: every control's place at 96 and 120 dots per inch, the fixed frame,
// the menus, the focus order, the default button, the read-only boxes, fonts and colours.
class TestMainWindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QString>("sizing");
        for (int dpi : {96, 120})
            for (const Designed &d : kDesign)
                QTest::addRow("%s at %d dpi", d.name, dpi)
                    << dpi << QString::fromLatin1(d.name)
                    << QRect(Px(d.left, dpi), Px(d.top, dpi), Px(d.width, dpi), Px(d.height, dpi))
                    << QString::fromLatin1(d.sizing);
    }
    void geometry()
    {
        QFETCH(int, dpi);
        QFETCH(QString, name);
        QFETCH(QRect, box);
        QFETCH(QString, sizing);

        MainWindowHarness h(QStringLiteral("en_GB"));
        h.window->ApplyLayout(dpi);
        auto *control = h.window->Client->findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name));
        const QRect actual = control->geometry();
        const QString report = name + QStringLiteral(" at %1 dpi: ").arg(dpi) +
                               QStringLiteral("%1,%2 %3x%4")
                                   .arg(actual.x())
                                   .arg(actual.y())
                                   .arg(actual.width())
                                   .arg(actual.height());
        if (sizing == u"fixed") {
            QVERIFY2(actual == box, qPrintable(report));
        } else if (sizing == u"shape") {
            // The divider is one twip row high, but an outline is never thinner than its pen.
            const int pen = name == u"Shape1" || name == u"Shape3" ? 2 : 1;
            QCOMPARE(qobject_cast<QFrame *>(control)->lineWidth(), pen);
            QVERIFY2(actual == QRect(box.x(), box.y(), box.width(), qMax(box.height(), pen)),
                     qPrintable(report));
            QVERIFY(control->testAttribute(Qt::WA_TransparentForMouseEvents));
        } else {
            auto *label = qobject_cast<QLabel *>(control);
            QVERIFY(label);
            QCOMPARE(actual.size(), label->sizeHint());
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= actual.width(),
                     qPrintable(report));
            QCOMPARE(actual.y(), box.y());
            const bool centred =
                sizing == u"centred" || (sizing == u"text" && actual.width() > box.width());
            if (centred)
                QVERIFY2(qAbs((actual.left() + actual.right()) - (box.left() + box.right())) <= 1,
                         qPrintable(report));
            else
                QVERIFY2(actual.x() == box.x(), qPrintable(report));
        }
    }

    // What the user reads is never covered: no caption runs into another control, at start-up,
    // after a result and after the longest remark. The headless screen draws text at 96 dpi
    // whatever the layout's resolution, so only that one is measured here; 120 dpi is checked on
    // screenshots under a real display.
    void captionsClearOtherControls_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QString>("year");
        QTest::newRow("start-up") << 96 << QString();
        QTest::newRow("a result") << 96 << QStringLiteral("2005");
        QTest::newRow("longest remark") << 96 << QStringLiteral("2000");
    }
    void captionsClearOtherControls()
    {
        QFETCH(int, dpi);
        QFETCH(QString, year);
        MainWindowHarness h(QStringLiteral("en_GB"));
        frmDalvane &w = *h.window;
        w.ApplyLayout(dpi);
        if (!year.isEmpty()) {
            w.Text1->setText(QStringLiteral("20-08-2001"));
            w.Text5->setText(year);
            w.CalculateRoz();
        }
        w.Label2_DblClick(); // Label9 too, once shown
        QList<QWidget *> controls;
        for (QWidget *child : w.Client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisibleTo(&w) && !child->objectName().startsWith(u"Shape"))
                controls << child;
        }
        for (QWidget *control : controls) {
            auto *label = qobject_cast<QLabel *>(control);
            if (!label || label->text().isEmpty())
                continue;
            for (QWidget *other : controls) {
                QVERIFY2(other == label || !label->geometry().intersects(other->geometry()),
                         qPrintable(label->objectName() + QStringLiteral(" runs into ") +
                                    other->objectName()));
            }
            QVERIFY2(w.Client->rect().contains(label->geometry().adjusted(0, 1, 0, 0)) ||
                         label == w.Label5,
                     qPrintable(label->objectName() + QStringLiteral(" leaves the window")));
        }
    }

    void clientArea_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QSize>("client");
        QTest::newRow("96 dpi") << 96 << QSize(369, 314);
        QTest::newRow("120 dpi") << 120 << QSize(461, 392);
    }
    void clientArea()
    {
        QFETCH(int, dpi);
        QFETCH(QSize, client);
        MainWindowHarness h(QStringLiteral("en_GB"));
        h.window->ApplyLayout(dpi);
        h.window->show();
        QCOMPARE(h.window->Client->size(), client);
        QCOMPARE(h.window->Client->geometry().topLeft(), QPoint(0, h.window->menuBar()->height()));
        // Fixed border: nothing to drag, no maximize; minimize stays.
        QCOMPARE(h.window->minimumSize(), h.window->maximumSize());
        QCOMPARE(h.window->size().width(), client.width());
        const Qt::WindowFlags flags = h.window->windowFlags();
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
    }

    void tabOrder_data()
    {
        QTest::addColumn<bool>("backward");
        QTest::newRow("Tab") << false;
        QTest::newRow("Shift+Tab") << true;
    }
    void tabOrder()
    {
        QFETCH(bool, backward);
        MainWindowHarness h(QStringLiteral("en_GB"));
        QVERIFY(h.showActive());
        QTRY_COMPARE(h.focusName(), QStringLiteral("Text1"));
        QStringList visited;
        for (int i = 0; i < kTabOrder.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                            backward ? Qt::ShiftModifier : Qt::NoModifier);
            visited << h.focusName();
        }
        QStringList expected = kTabOrder.mid(1) + QStringList{kTabOrder.first()};
        if (backward) {
            expected = kTabOrder.mid(0, kTabOrder.size() - 1);
            std::reverse(expected.begin(), expected.end());
            expected.prepend(kTabOrder.last());
            expected.removeLast();
            expected.append(kTabOrder.first());
        }
        QCOMPARE(visited, expected);
    }

    // Enter clicks the default button from the fields, the focused button from a button; Esc
    // clicks nothing.
    void keys_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("Return in Text1") << "Text1" << int(Qt::Key_Return) << "calculated";
        QTest::newRow("keypad Enter in Text1") << "Text1" << int(Qt::Key_Enter) << "calculated";
        QTest::newRow("Return in Text5") << "Text5" << int(Qt::Key_Return) << "calculated";
        QTest::newRow("Return in read-only Text3")
            << "Text3" << int(Qt::Key_Return) << "calculated";
        QTest::newRow("Return on Check1") << "Check1" << int(Qt::Key_Return) << "calculated";
        QTest::newRow("Return on Command1") << "Command1" << int(Qt::Key_Return) << "calculated";
        QTest::newRow("Return on Command3") << "Command3" << int(Qt::Key_Return) << "cancelled";
        QTest::newRow("Esc in Text1") << "Text1" << int(Qt::Key_Escape) << "nothing";
        QTest::newRow("Esc in Text5") << "Text5" << int(Qt::Key_Escape) << "nothing";
        QTest::newRow("Esc on Command1") << "Command1" << int(Qt::Key_Escape) << "nothing";
    }
    void keys()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QString, outcome);
        MainWindowHarness h(QStringLiteral("en_GB"));
        QVERIFY(h.showActive());
        frmDalvane &w = *h.window;
        w.Text5->setText(QStringLiteral("1971"));
        auto *target = w.Client->findChild<QWidget *>(focus);
        target->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(h.focusName(), focus);
        QTest::keyClick(target, Qt::Key(key));
        QVERIFY(h.services.warnings.isEmpty());
        QCOMPARE(h.services.endCount, 0);
        QCOMPARE(w.Text1->text().isEmpty(), outcome == u"cancelled");
        QCOMPARE(!w.Text4->text().isEmpty(), outcome == u"calculated");
        if (outcome == u"calculated")
            QCOMPARE(w.Text4->text(), QStringLiteral("Monday, 1 February 1971"));
        if (outcome == u"nothing")
            QCOMPARE(w.Text1->text(), QStringLiteral("01-02-1971"));
    }

    void readOnlyBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("editable");
        QTest::newRow("Text1") << "Text1" << true;
        QTest::newRow("Text2") << "Text2" << false;
        QTest::newRow("Text3") << "Text3" << false;
        QTest::newRow("Text4") << "Text4" << false;
        QTest::newRow("Text5") << "Text5" << true;
    }
    void readOnlyBoxes()
    {
        QFETCH(QString, name);
        QFETCH(bool, editable);
        MainWindowHarness h(QStringLiteral("en_GB"));
        QVERIFY(h.showActive());
        auto *box = h.window->findChild<QLineEdit *>(name);
        box->setText(QStringLiteral("1999"));
        box->setFocus(Qt::TabFocusReason);
        box->end(false);
        QTest::keyClicks(box, QStringLiteral("77"));
        QCOMPARE(box->text(), editable ? QStringLiteral("199977") : QStringLiteral("1999"));
        box->selectAll();
        QCOMPARE(box->selectedText(), box->text());
        QCOMPARE(box->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
        const QColor base = box->palette().color(QPalette::Base);
        if (editable)
            QCOMPARE(base, QApplication::palette().color(QPalette::Base));
        else
            QCOMPARE(base, QApplication::palette().color(QPalette::Button));
    }

    // Every meaning shows whole in the two lines of Label10's box, as the Calculate command
    // puts it there; the long ones use the second line. Only a meaning that would need a third
    // line (roz 7) is set in a smaller type. Measured at the screen's own resolution.
    void meaningsWrap_data()
    {
        QTest::addColumn<int>("roz");
        for (int roz = 1; roz <= 35; ++roz)
            QTest::addRow("roz %d", roz) << roz;
    }
    void meaningsWrap()
    {
        QFETCH(int, roz);
        MainWindowHarness h(QStringLiteral("en_GB"));
        frmDalvane &w = *h.window;
        // Roz 1 to 30 are the days from 21 August 2001; the Gatha days end on 20 August 2001.
        const QDate date =
            roz <= 30 ? QDate(2001, 8, 21).addDays(roz - 1) : QDate(2001, 8, 20).addDays(roz - 35);
        w.Text1->setText(date.toString(QStringLiteral("dd-MM-yyyy")));
        w.Text5->setText(QStringLiteral("2001"));
        w.CalculateRoz();
        QLabel *label = w.Label10;
        const std::string_view meaning = RozTable[roz].meaning;
        QCOMPARE(label->text(), QString::fromLatin1(meaning.data(), qsizetype(meaning.size())));
        const QRect room = label->contentsRect();
        const QFontMetrics metrics = label->fontMetrics();
        const QRect needed =
            metrics.boundingRect(room, Qt::TextWordWrap | Qt::AlignLeft, label->text());
        const int lines = qRound(qreal(needed.height()) / metrics.lineSpacing());
        const int expected = metrics.horizontalAdvance(label->text()) <= room.width() ? 1 : 2;
        QVERIFY2(lines == expected && needed.height() <= room.height(),
                 qPrintable(QStringLiteral("%1 lines, %2 of %3 pixels")
                                .arg(lines)
                                .arg(needed.height())
                                .arg(room.height())));
        if (roz == 7)
            QVERIFY(label->font().pointSizeF() < w.Client->font().pointSizeF());
        else
            QCOMPARE(label->font().pointSizeF(), w.Client->font().pointSizeF());
        QVERIFY(label->font().pointSizeF() >= 6);
    }

    void menus()
    {
        MainWindowHarness h(QStringLiteral("en_GB"));
        frmDalvane &w = *h.window;
        const QList<QAction *> bar = w.menuBar()->actions();
        QCOMPARE(bar.size(), 2);
        QCOMPARE(bar[0]->text(), QStringLiteral("&File"));
        QCOMPARE(bar[1]->text(), QStringLiteral("&Help"));
        QStringList file;
        for (QAction *action : w.mnuFile->actions())
            file << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(file, QStringList({"&Calculate Roz", "&Today's Roz", "Ca&ncel", "-", "&Exit"}));
        QStringList help;
        for (QAction *action : w.mnuHelp->actions())
            help << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(help, QStringList({"&Contents", "-", "&About"}));
        for (QMenu *menu : {w.mnuFile, w.mnuHelp})
            for (QAction *action : menu->actions()) {
                QVERIFY(action->shortcut().isEmpty());
                QVERIFY(!action->isCheckable());
                QVERIFY(action->isEnabled() && action->isVisible());
            }
        QCOMPARE(w.mnuSep2, w.mnuFile->actions().at(3));
        QCOMPARE(w.mnuSep1, w.mnuHelp->actions().at(1));
    }

    // What a screen reader says for each control that takes the focus, and for the status line.
    void accessibleNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("Text1") << "Text1"
                               << "Enter English Calendar Date";
        QTest::newRow("Text5") << "Text5"
                               << "Year";
        QTest::newRow("Text2") << "Text2"
                               << "English Date that you have entered";
        QTest::newRow("Text3") << "Text3"
                               << "Zoroastrian Roz";
        QTest::newRow("Text4") << "Text4"
                               << "Date it falls on in that year";
        QTest::newRow("Command1") << "Command1"
                                  << "Calculate Roz";
        QTest::newRow("Command2") << "Command2"
                                  << "Exit";
        QTest::newRow("Command3") << "Command3"
                                  << "Cancel";
        QTest::newRow("Command4") << "Command4"
                                  << "Click here for Today's Roz";
        QTest::newRow("Check1") << "Check1"
                                << "This above date event falls between 12AM and 6AM";
        QTest::newRow("lblTalk") << "lblTalk"
                                 << "Status";
    }
    void accessibleNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, spoken);
        MainWindowHarness h(QStringLiteral("en_GB"));
        h.window->show();
        auto *control = h.window->Client->findChild<QWidget *>(name);
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), spoken);
    }
};

QTEST_MAIN(TestMainWindowLayout)
#include "tst_mainwindow_layout.moc"
