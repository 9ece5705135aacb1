// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/festivals.h"
#include "calendar/moon.h"
#include "calendar/names.h"
#include "platform/regional.h"

#include <QCalendarWidget>
#include <QDialog>
#include <QHash>
#include <QTimeZone>
#include <memory>
#include <optional>

class QComboBox;
class QLayout;
class QSettings;
class QDialogButtonBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class WindowServices;

// A month of Qt's calendar with each day's roz painted into its cell (and its name in another
// script under it), a mark on festival days and the moon's disc on the days of its phases. The
// weeks start on the regional first day of the week.
class RozCalendar : public QCalendarWidget
{
    Q_OBJECT

public:
    explicit RozCalendar(const RegionalSettings &settings, QWidget *parent = nullptr);
    void SetReckoning(Reckoning reckoning);
    Reckoning CurrentReckoning() const { return m_reckoning; }
    void SetNames(Script names);
    Script CurrentNames() const { return m_names; }
    // The clock by which a phase of the moon falls on a day.
    void SetZone(const QTimeZone &zone);

protected:
    void paintCell(QPainter *painter, const QRect &rect, QDate date) const override;

private:
    void findPhases();

    Reckoning m_reckoning = Reckoning::Shahenshahi;
    Script m_names = Script::English;
    QTimeZone m_zone;
    QHash<QDate, MoonPhase> m_phases; // of the weeks shown
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
// selected day's roz, mah, YZ year, festivals, sunrise, sunset and moon at the place chosen,
// and the month's festivals; it saves the festivals as a calendar file and prints the wall
// calendar. The names' script and the place are remembered for the next time.
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
    QComboBox *cboNames;
    QComboBox *cboPlace;
    QLabel *lblHeading;
    QLabel *lblRoz;
    QLabel *lblMeaning;
    QLabel *lblMah;
    QLabel *lblDayFestivals;
    QLabel *lblSunrise;
    QLabel *lblSunset;
    QLabel *lblMoon;
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
    void createChoices();
    QLayout *createDetails();
    void createConnections();
    void restoreChoices();
    void showMonth();
    void showSelectedDay();
    void showSky(CalendarDate date);

    WindowServices &m_services;
    const RegionalSettings m_settings;
    std::unique_ptr<QSettings> m_stored;
};
