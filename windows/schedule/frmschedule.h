// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/calendardate.h"
#include "calendar/datetext.h"
#include "platform/regional.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QSpinBox;
class QTableView;
class FamilyRegister;
class ObservanceModel;
class WindowServices;
struct FamilyEntry;

// The schedule of a date's observances: the questions a family answers, the summary of the
// date, the observances as a table that follows every change, and the calendar file and the
// printout of them. A time of the event at a place reckons by that day's sunrise there
// instead of the before-dawn tick.
class frmSchedule : public QDialog
{
    Q_OBJECT

public:
    frmSchedule(WindowServices &services, const RegionalSettings &settings, DateOrderCode order,
                QWidget *parent = nullptr);
    ~frmSchedule() override;

    // The date in the regional order and the before-dawn tick; the rest stays as the user left it.
    void SetDate(CalendarDate date, bool beforeDawn);
    // Every question as the family register's entry has it; the years stay as the user left them.
    void SetEntry(const FamilyEntry &entry);
    // The register that "Add to Family Register" keeps the inputs in; the button shows once set.
    void SetFamilyRegister(FamilyRegister *familyRegister);

    QLineEdit *txtName;
    QLineEdit *txtDate;
    QLabel *lblFormat;
    QCheckBox *chkBeforeDawn;
    QLineEdit *txtTime;
    QComboBox *cboPlace;
    QComboBox *cboReckoning;
    QLineEdit *txtDays;
    QSpinBox *spnMonths;
    QLineEdit *txtFrom;
    QSpinBox *spnYears;
    QSpinBox *spnRemind;
    QLabel *lblSummary;
    QLabel *lblProblem;
    QTableView *grdObservances;
    QPushButton *cmdSave;
    QPushButton *cmdPrint;
    QPushButton *cmdAddToRegister;
    QLabel *lblRegister;
    QDialogButtonBox *buttons;
    ObservanceModel *Observances() const { return m_model; }

    // Handlers.
    void Input_Change();
    void cmdSave_Click();
    void cmdPrint_Click();
    void cmdAddToRegister_Click();

private:
    void createControls();
    void createFields();
    void createResults();
    void createLayout();
    void createConnections();
    void markField(QWidget *field, bool bad);

    WindowServices &m_services;
    const RegionalSettings m_settings;
    const DateOrderCode m_order;
    ObservanceModel *m_model;
    QSortFilterProxyModel *m_sorted;
    FamilyRegister *m_register = nullptr;
};
