// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/familyregister.h"
#include "platform/regional.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// One entry of the family register, to add or to change: the Schedule window's questions, with
// the kind and a note. OK keeps the entry only when it reads and the register takes it; else
// the dialog stays open and says why, and nothing is kept.
class FamilyEntryDialog : public QDialog
{
    Q_OBJECT

public:
    // An entry whose id is 0 is added; any other is changed in place.
    FamilyEntryDialog(FamilyRegister &familyRegister, const FamilyEntry &entry,
                      const RegionalSettings &settings, DateOrderCode order,
                      const QByteArray &systemZoneId, QWidget *parent = nullptr);
    ~FamilyEntryDialog() override;

    // The id of the entry kept, once OK has kept it.
    qint64 KeptId() const { return m_entry.id; }

    QLineEdit *txtName;
    QComboBox *cboKind;
    QLineEdit *txtDate;
    QLabel *lblFormat;
    QCheckBox *chkBeforeDawn;
    QLineEdit *txtTime;
    QComboBox *cboPlace;
    QComboBox *cboReckoning;
    QLineEdit *txtDays;
    QSpinBox *spnMonths;
    QLineEdit *txtNote;
    QLabel *lblProblem;
    QDialogButtonBox *buttons;

    // Handlers.
    void cmdOK_Click();
    void Input_Change();

private:
    void createFields(const QByteArray &systemZoneId);
    void createLayout();
    void showEntry();

    FamilyRegister &m_register;
    FamilyEntry m_entry;
    const RegionalSettings &m_settings;
    const DateOrderCode m_order;
};
