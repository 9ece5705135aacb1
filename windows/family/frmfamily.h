// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answer/family.h"
#include "platform/regional.h"

#include <QDialog>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class FamilyTableModel;
class WindowServices;

// The family register: whose days the family keeps, and what is coming for them from today,
// to save as a calendar file, to print, and to be reminded of at every login. The register
// is read when the window is shown, never before; one that cannot be read is said in the
// window, and nothing is written to it.
class frmFamily : public QDialog
{
    Q_OBJECT

public:
    frmFamily(WindowServices &services, FamilyRegister &familyRegister,
              const RegionalSettings &settings, DateOrderCode order, QWidget *parent = nullptr);
    ~frmFamily() override;

    // Reads the register again and shows it, the entry `select` selected (else the first).
    void Reload(qint64 select = 0);

    QLabel *lblProblem;
    QTableView *grdPeople;
    QPushButton *cmdAdd;
    QPushButton *cmdEdit;
    QPushButton *cmdRemove;
    QPushButton *cmdSchedule;
    QComboBox *cboSpan;
    QTableView *grdUpcoming;
    QPushButton *cmdSave;
    QPushButton *cmdPrint;
    QCheckBox *chkRemind;
    QDialogButtonBox *buttons;

    // Handlers.
    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdRemove_Click();
    void cmdSchedule_Click();
    void cboSpan_Change();
    void cmdSave_Click();
    void cmdPrint_Click();
    void chkRemind_Click(bool checked);

signals:
    // "Schedule..." for the selected entry.
    void ScheduleAsked(const FamilyEntry &entry);

private:
    void createControls();
    void createLayout();
    void createConnections();
    QTableView *newTable(const char *name, QSortFilterProxyModel *sorted);
    void showUpcoming();
    void showRemindAtLogin();
    void showCommands();
    void say(const QString &problem);
    std::optional<FamilyEntry> selectedEntry() const;
    void openEntry(const FamilyEntry &entry);

    WindowServices &m_services;
    FamilyRegister &m_register;
    const RegionalSettings m_settings;
    const DateOrderCode m_order;
    bool m_readable = false;
    std::vector<FamilyEntry> m_entries;
    std::optional<Upcoming> m_upcoming;
    FamilyTableModel *m_people;
    FamilyTableModel *m_coming;
    QSortFilterProxyModel *m_sortedPeople;
    QSortFilterProxyModel *m_sortedComing;
};
