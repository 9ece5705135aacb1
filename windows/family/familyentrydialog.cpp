// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/family/familyentrydialog.h"

#include "answer/family.h"
#include "answer/familydocument.h"
#include "answer/question.h"
#include "platform/buddy.h"
#include "platform/coretext.h"
#include "platform/dialogfont.h"
#include "platform/placechoice.h"
#include "platform/placetime.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr EventKind kKinds[] = {EventKind::Death, EventKind::Birth, EventKind::Wedding,
                                EventKind::Navjote, EventKind::Other};

} // namespace

FamilyEntryDialog::FamilyEntryDialog(FamilyRegister &familyRegister, const FamilyEntry &entry,
                                     const RegionalSettings &settings, DateOrderCode order,
                                     const QByteArray &systemZoneId, QWidget *parent)
    : QDialog(parent), m_register(familyRegister), m_entry(entry), m_settings(settings),
      m_order(order)
{
    setWindowTitle(entry.id == 0 ? tr("Add to the Family Register")
                                 : tr("Edit the Family Register"));
    setFont(DialogFont());
    createFields(systemZoneId);
    createLayout();
    showEntry();
    connect(buttons, &QDialogButtonBox::accepted, this, &FamilyEntryDialog::cmdOK_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cboKind, &QComboBox::currentIndexChanged, this, &FamilyEntryDialog::Input_Change);
    connect(txtTime, &QLineEdit::textChanged, this, &FamilyEntryDialog::Input_Change);
}

FamilyEntryDialog::~FamilyEntryDialog() = default;

void FamilyEntryDialog::createFields(const QByteArray &systemZoneId)
{
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    cboKind = new QComboBox(this);
    cboKind->setObjectName(QStringLiteral("cboKind"));
    for (EventKind kind : kKinds)
        cboKind->addItem(EventKindTitle(kind), int(kind));
    txtDate = new QLineEdit(this);
    txtDate->setObjectName(QStringLiteral("txtDate"));
    lblFormat = new QLabel(FromCore(DateHintCaption(m_order)), this);
    chkBeforeDawn = new QCheckBox(BeforeDawnCaption(), this);
    chkBeforeDawn->setObjectName(QStringLiteral("chkBeforeDawn"));
    txtTime = new QLineEdit(this);
    txtTime->setObjectName(QStringLiteral("txtTime"));
    txtTime->setPlaceholderText(tr("HH:MM"));
    cboPlace = MakePlaceChoice(this, systemZoneId);
    cboReckoning = new QComboBox(this);
    cboReckoning->setObjectName(QStringLiteral("cboReckoning"));
    for (Reckoning calendar : {Reckoning::Shahenshahi, Reckoning::Kadmi, Reckoning::Fasli})
        cboReckoning->addItem(CalendarTitle(calendar), int(calendar));
    txtDays = new QLineEdit(this);
    txtDays->setObjectName(QStringLiteral("txtDays"));
    spnMonths = new QSpinBox(this);
    spnMonths->setObjectName(QStringLiteral("spnMonths"));
    spnMonths->setRange(0, 120);
    txtNote = new QLineEdit(this);
    txtNote->setObjectName(QStringLiteral("txtNote"));
    lblProblem = new QLabel(this);
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lblProblem->setAccessibleName(tr("Problem"));
    lblProblem->setWordWrap(true);
    QPalette red = lblProblem->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    lblProblem->setPalette(red);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
}

void FamilyEntryDialog::createLayout()
{
    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(txtDate, 1);
    dateRow->addWidget(lblFormat);
    auto *timeRow = new QHBoxLayout;
    timeRow->addWidget(txtTime);
    timeRow->addWidget(new QLabel(TimeHintCaption()));
    timeRow->addStretch(1);
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->addRow(Buddy(tr("&Name"), txtName), txtName);
    form->addRow(Buddy(tr("&Kind"), cboKind), cboKind);
    form->addRow(Buddy(tr("&Date"), txtDate), dateRow);
    form->addRow(QString(), chkBeforeDawn);
    form->addRow(Buddy(tr("&Time"), txtTime), timeRow);
    form->addRow(Buddy(tr("P&lace"), cboPlace), cboPlace);
    form->addRow(Buddy(tr("&Reckoning"), cboReckoning), cboReckoning);
    form->addRow(Buddy(tr("Da&ys"), txtDays), txtDays);
    form->addRow(Buddy(tr("&Months"), spnMonths), spnMonths);
    form->addRow(Buddy(tr("N&ote"), txtNote), txtNote);
    chkBeforeDawn->setAccessibleName(chkBeforeDawn->text().remove(u'&'));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lblProblem);
    layout->addStretch(1);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 80);
}

// The fields as the entry has them: a new entry's are the defaults and today.
void FamilyEntryDialog::showEntry()
{
    txtName->setText(m_entry.person);
    cboKind->setCurrentIndex(cboKind->findData(int(m_entry.kind)));
    txtDate->setText(m_entry.id == 0
                         ? QString()
                         : FormatDate(m_entry.date, FromCore(DateFormatHint(m_order)), m_settings));
    chkBeforeDawn->setChecked(m_entry.beforeDawn);
    txtTime->setText(m_entry.time ? m_entry.time->toString(QStringLiteral("HH:mm")) : QString());
    ChoosePlace(cboPlace, m_entry.place);
    cboReckoning->setCurrentIndex(cboReckoning->findData(int(m_entry.calendar)));
    QStringList days;
    for (int day : m_entry.days)
        days << QString::number(day);
    txtDays->setText(days.join(QStringLiteral(", ")));
    spnMonths->setValue(m_entry.months);
    txtNote->setText(m_entry.note);
    Input_Change();
}

// A time reckons by sunrise at the place in the tick's stead; only a death keeps days and
// months.
void FamilyEntryDialog::Input_Change()
{
    chkBeforeDawn->setEnabled(txtTime->text().trimmed().isEmpty());
    const bool death = EventKind(cboKind->currentData().toInt()) == EventKind::Death;
    txtDays->setEnabled(death);
    spnMonths->setEnabled(death);
}

// The same checks as the command line's add and edit, then the register; the first problem is
// said here and the dialog stays open.
void FamilyEntryDialog::cmdOK_Click()
{
    TypedEntry typed;
    typed.person = txtName->text();
    typed.kind = EventKind(cboKind->currentData().toInt());
    typed.date = txtDate->text();
    typed.order = m_order;
    typed.beforeDawn = chkBeforeDawn->isChecked();
    typed.time = txtTime->text();
    typed.place = cboPlace->currentText();
    typed.calendar = Reckoning(cboReckoning->currentData().toInt());
    typed.days = txtDays->text();
    typed.months = spnMonths->value();
    typed.note = txtNote->text();
    std::variant<FamilyEntry, QString> read = ReadTypedEntry(typed, m_settings);
    if (auto *entry = std::get_if<FamilyEntry>(&read)) {
        entry->id = m_entry.id;
        std::optional<QString> problem;
        if (entry->id == 0) {
            const std::variant<qint64, QString> added = m_register.Add(*entry);
            if (const qint64 *id = std::get_if<qint64>(&added))
                entry->id = *id;
            else
                problem = std::get<QString>(added);
        } else {
            problem = m_register.Update(entry->id, *entry);
        }
        if (!problem) {
            m_entry = *entry;
            lblProblem->clear();
            accept();
            return;
        }
        read = *problem;
    }
    lblProblem->setText(std::get<QString>(read));
}
