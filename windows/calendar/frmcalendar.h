// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/festivals.h"
#include "platform/regional.h"

#include <QCalendarWidget>
#include <QDialog>
#include <optional>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
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

// Which years of festivals Save Festivals writes: from a year, so many years.
class FestivalYearsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FestivalYearsDialog(int fromYear, QWidget *parent = nullptr);
    ~FestivalYearsDialog() override;

    QSpinBox *spnFrom;
    QSpinBox *spnYears;
};

// The Zoroastrian year a month at a time: the month with the roz in every day's cell, the
// selected day's roz, mah, YZ year and festivals, and the month's festivals; it saves the
// festivals as a calendar file and prints the wall calendar.
class frmCalendar : public QDialog
{
    Q_OBJECT

public:
    frmCalendar(WindowServices &services, const RegionalSettings &settings,
                QWidget *parent = nullptr);
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
    const RegionalSettings m_settings;
};
