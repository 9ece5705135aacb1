// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/calendardate.h"
#include "platform/regional.h"

#include <QHash>
#include <QMainWindow>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>

struct InputProblem;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class Registry;
class WindowServices;
class frmAbout;
class frmHelp;
class frmCalendar;
class frmFamily;
class frmSchedule;
class FamilyRegister;
struct FamilyEntry;

// The calculator window: the date and year fields, the result sentence, the four buttons, the
// File, Observances and Help menus and the running remark in the status line.
class frmDalvane : public QMainWindow
{
    Q_OBJECT

public:
    // The family register lives at `familyRegisterPath`; nothing reads it before a window asks.
    frmDalvane(WindowServices &services, Registry &registry, const RegionalSettings &settings,
               const QString &familyRegisterPath, QWidget *parent = nullptr);
    ~frmDalvane() override;

    // Places every control for a screen of the given logical resolution.
    void ApplyLayout(qreal dotsPerInch);
    qreal LayoutDpi() const { return m_dpi; }
    void CentreOnScreen();

    // The secondary windows once a command has opened them; null before.
    frmHelp *HelpWindow() const { return m_help.get(); }
    frmAbout *AboutWindow() const { return m_about.get(); }
    frmSchedule *ScheduleWindow() const { return m_schedule.get(); }
    frmCalendar *CalendarWindow() const { return m_calendar.get(); }
    frmFamily *FamilyWindow() const { return m_family.get(); }

    // The Schedule of Observances for a date, created on first use and shown modally.
    void OpenSchedule(CalendarDate date, bool beforeDawn);

    // Controls, by their design names.
    QWidget *Client;
    QLabel *Label5;
    QLabel *Label9;
    QLineEdit *Text1;
    QPushButton *Command4;
    QLabel *Label1;
    QLabel *Label2;
    QCheckBox *Check1;
    QLabel *Label13;
    QWidget *Shape1;
    QWidget *Shape2;
    QLineEdit *Text2;
    QLabel *Label3;
    QLabel *Label7;
    QLineEdit *Text3;
    QLabel *Label4;
    QLabel *Label12;
    QLabel *Label10;
    QLineEdit *Text5;
    QLineEdit *Text4;
    QLabel *Label6;
    QLabel *Label8;
    QPushButton *Command1;
    QPushButton *Command3;
    QPushButton *Command2;
    QWidget *Shape3;
    QWidget *Shape4;
    QLabel *lblTalk;
    QLabel *Label11;

    QMenu *mnuFile;
    QAction *mnuCalc;
    QAction *mnuToday;
    QAction *mnuCancel;
    QAction *mnuSep2;
    QAction *mnuExit;
    QMenu *mnuObservances;
    QAction *mnuSchedule;
    QAction *mnuCalendar;
    QAction *mnuFamily;
    QMenu *mnuHelp;
    QAction *mnuContents;
    QAction *mnuSep1;
    QAction *nmuAbout;

    // Handlers.
    void Form_Initialize();
    void CalculateRoz();
    void Command1_Click();
    void mnuCalc_Click();
    void Command2_Click();
    void mnuExit_Click();
    void Command3_Click();
    void mnuCancel_Click();
    void Command4_Click();
    void mnuToday_Click();
    void mnuSchedule_Click();
    void mnuCalendar_Click();
    void mnuFamily_Click();
    void mnuContents_Click();
    void nmuAbout_Click();
    void Label2_DblClick();
    void Text1_GotFocus();
    void Text1_KeyPress(std::int16_t &KeyAscii);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void createControls();
    void createMenus();
    void createConnections();
    void createTabOrder();
    void setResult(QLineEdit *box, const QString &text);
    void setTalk(const QString &remark);
    void setCaption(QLabel *label, const QString &caption);
    void fitMeaning();
    void sizeToCaption(QLabel *label);
    void moveFocus(QLineEdit *field);
    void cancelAll();
    void refuse(const InputProblem &problem);
    void todaysRoz(bool clearBeforeDawn);
    frmSchedule &scheduleWindow();
    FamilyRegister &familyRegister();

    WindowServices &m_services;
    Registry &m_registry;
    const RegionalSettings m_settings;
    const QString m_familyRegisterPath;
    qreal m_dpi = 0;
    // Whether Text1 held the focus last among the window's controls, so that a box or a menu
    // coming and going does not count as the field receiving the focus anew.
    bool m_text1HasFocus = false;
    bool m_centreWhenFramed = false;
    // How a label takes the size of its caption.
    enum class Sizing
    {
        Fixed,
        ToText,   // a caption wider than its box spreads evenly to both sides of it
        Centred,  // always centred on its box
        GrowRight // the status line, which grows from its corner with every remark
    };
    // The designed box of each label that is sized to its caption, at the current resolution.
    struct CaptionBox
    {
        QRect box;
        Sizing sizing;
    };
    QHash<QLabel *, CaptionBox> m_captionBoxes;
    std::unique_ptr<frmHelp> m_help;
    std::unique_ptr<frmAbout> m_about;
    std::unique_ptr<frmSchedule> m_schedule;
    std::unique_ptr<frmCalendar> m_calendar;
    std::unique_ptr<FamilyRegister> m_familyRegister;
    std::unique_ptr<frmFamily> m_family;
};
