// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "festivals.h"
#include "regional.h"

#include <QCalendarWidget>
#include <QDialog>
#include <optional>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QListWidget;
class QPrinter;
class QPushButton;
class WindowServices;

// A month of Qt's calendar with each day's roz painted into its cell, and a mark on festival
// days. The weeks start on the regional first day of the week.
class RozCalendar : public QCalendarWidget
{
    Q_OBJECT

public:
    explicit RozCalendar(const RegionalSettings &settings, QWidget *parent = nullptr);
    void SetReckoning(Reckoning reckoning);
    Reckoning CurrentReckoning() const { return m_reckoning; }

protected:
    void paintCell(QPainter *painter, const QRect &rect, QDate date) const override;

private:
    Reckoning m_reckoning = Reckoning::Shahenshahi;
};

// What the Calendar window asks of the user in boxes of its own: which years of festivals to
// save and where, and the printer. Tests answer without a modal box.
class CalendarDialogs
{
public:
    struct FestivalFile
    {
        int fromYear;
        int years;
        QString path;
    };
    virtual ~CalendarDialogs() = default;
    virtual std::optional<FestivalFile> AskFestivalFile(QWidget *parent, int fromYear,
                                                        const QString &suggestedName) = 0;
    // Shows the print dialog for the printer; true when the user chose to print.
    virtual bool AskPrinter(QWidget *parent, QPrinter &printer) = 0;
};

class QtCalendarDialogs final : public CalendarDialogs
{
public:
    std::optional<FestivalFile> AskFestivalFile(QWidget *parent, int fromYear,
                                                const QString &suggestedName) override;
    bool AskPrinter(QWidget *parent, QPrinter &printer) override;
};

// The Zoroastrian year a month at a time: the month with the roz in every day's cell, the
// selected day's roz, mah, YZ year and festivals, and the month's festivals; it saves the
// festivals as a calendar file and prints the wall calendar.
class frmCalendar : public QDialog
{
    Q_OBJECT

public:
    frmCalendar(WindowServices &services, CalendarDialogs &dialogs,
                const RegionalSettings &settings, QWidget *parent = nullptr);
    ~frmCalendar() override;

    // Shows the date's month with the date selected.
    void ShowDate(CalendarDate date);

    RozCalendar *calMonth;
    QComboBox *cboReckoning;
    QLabel *lblHeading;
    QLabel *lblRoz;
    QLabel *lblMeaning;
    QLabel *lblMah;
    QLabel *lblDayFestivals;
    QListWidget *lstFestivals;
    QPushButton *cmdSchedule;
    QPushButton *cmdSaveFestivals;
    QPushButton *cmdPrint;
    QDialogButtonBox *buttons;

    void cmdSchedule_Click();
    void cmdSaveFestivals_Click();
    void cmdPrint_Click();

signals:
    // "Schedule..." for the selected day.
    void ScheduleAsked(QDate date);

private:
    void createControls();
    void createConnections();
    void showMonth();
    void showSelectedDay();

    WindowServices &m_services;
    CalendarDialogs &m_dialogs;
    const RegionalSettings m_settings;
};
