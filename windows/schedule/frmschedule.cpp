// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/schedule/frmschedule.h"

#include "answer/familydocument.h"
#include "answer/printout.h"
#include "answer/question.h"
#include "platform/buddy.h"
#include "platform/coretext.h"
#include "platform/dialogfont.h"
#include "platform/files.h"
#include "platform/placechoice.h"
#include "platform/placetime.h"
#include "platform/windowservices.h"
#include "windows/schedule/observancemodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// A file name from the person's name, without the characters no file system takes.
QString FileNameFrom(const QString &text)
{
    QString name = text.simplified();
    for (QChar &c : name)
        if (QStringView(u"/\\:*?\"<>|").contains(c) || c.unicode() < 32)
            c = u'-';
    return name;
}

} // namespace

frmSchedule::frmSchedule(WindowServices &services, const RegionalSettings &settings,
                         DateOrderCode order, QWidget *parent)
    : QDialog(parent), m_services(services), m_settings(settings), m_order(order)
{
    setWindowTitle(tr("Schedule of Observances"));
    setFont(DialogFont());
    createControls();
    createConnections();
    txtFrom->setText(QString::number(m_services.Today().year()));
    SetDate(m_services.Today(), false);
}

frmSchedule::~frmSchedule() = default;

void frmSchedule::createControls()
{
    createFields();
    createResults();
    createLayout();
}

void frmSchedule::createFields()
{
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtDate = new QLineEdit(this);
    txtDate->setObjectName(QStringLiteral("txtDate"));
    lblFormat = new QLabel(FromCore(DateHintCaption(m_order)));
    chkBeforeDawn = new QCheckBox(BeforeDawnCaption(), this);
    chkBeforeDawn->setObjectName(QStringLiteral("chkBeforeDawn"));
    chkBeforeDawn->setAccessibleName(chkBeforeDawn->text().remove(u'&'));
    txtTime = new QLineEdit(this);
    txtTime->setObjectName(QStringLiteral("txtTime"));
    txtTime->setPlaceholderText(tr("HH:MM"));
    cboPlace = MakePlaceChoice(this, m_services.SystemTimeZoneId());
    cboReckoning = new QComboBox(this);
    cboReckoning->setObjectName(QStringLiteral("cboReckoning"));
    for (Reckoning calendar : {Reckoning::Shahenshahi, Reckoning::Kadmi, Reckoning::Fasli})
        cboReckoning->addItem(CalendarTitle(calendar), int(calendar));
    txtDays = new QLineEdit(QStringLiteral("4, 10, 30"), this);
    txtDays->setObjectName(QStringLiteral("txtDays"));
    spnMonths = new QSpinBox(this);
    spnMonths->setObjectName(QStringLiteral("spnMonths"));
    spnMonths->setRange(0, 120);
    spnMonths->setValue(12);
    txtFrom = new QLineEdit(this);
    txtFrom->setObjectName(QStringLiteral("txtFrom"));
    spnYears = new QSpinBox(this);
    spnYears->setObjectName(QStringLiteral("spnYears"));
    spnYears->setRange(1, 1000);
    spnYears->setValue(10);
    spnYears->setSuffix(tr(" years"));
    spnRemind = new QSpinBox(this);
    spnRemind->setObjectName(QStringLiteral("spnRemind"));
    spnRemind->setRange(0, 365);
    spnRemind->setSpecialValueText(tr("No reminder"));
    spnRemind->setSuffix(tr(" days before"));
}

// The summary and the problem over the table, and the commands under it.
void frmSchedule::createResults()
{
    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);
    lblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblSummary->setAccessibleName(tr("Summary"));
    lblProblem = new QLabel(this);
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lblProblem->setAccessibleName(tr("Problem"));
    QPalette red = lblProblem->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    lblProblem->setPalette(red);

    m_model = new ObservanceModel(m_settings, this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(Qt::UserRole);
    grdObservances = new QTableView(this);
    grdObservances->setObjectName(QStringLiteral("grdObservances"));
    grdObservances->setAccessibleName(tr("Observances"));
    grdObservances->setModel(m_sorted);
    grdObservances->setSortingEnabled(true);
    grdObservances->sortByColumn(1, Qt::AscendingOrder);
    grdObservances->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdObservances->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdObservances->setAlternatingRowColors(true);
    grdObservances->setWordWrap(false);
    // Tab leaves the table for the buttons, as in every other field of the window.
    grdObservances->setTabKeyNavigation(false);
    grdObservances->verticalHeader()->hide();
    grdObservances->verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() + 6);
    grdObservances->horizontalHeader()->setStretchLastSection(true);

    cmdSave = new QPushButton(tr("&Save to Calendar..."), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdPrint = new QPushButton(tr("&Print..."), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdAddToRegister = new QPushButton(tr("&Add to Family Register"), this);
    cmdAddToRegister->setObjectName(QStringLiteral("cmdAddToRegister"));
    lblRegister = new QLabel(this);
    lblRegister->setObjectName(QStringLiteral("lblRegister"));
    lblRegister->setAccessibleName(tr("Family Register"));
    lblRegister->setWordWrap(true);
    buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(cmdSave, QDialogButtonBox::ActionRole);
    buttons->addButton(cmdPrint, QDialogButtonBox::ActionRole);
    buttons->addButton(cmdAddToRegister, QDialogButtonBox::ActionRole);
    cmdAddToRegister->hide();
    // Enter in a field is no command: nothing here needs confirming.
    for (QAbstractButton *button : buttons->buttons())
        static_cast<QPushButton *>(button)->setAutoDefault(false);
}

void frmSchedule::createLayout()
{
    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(txtDate, 1);
    dateRow->addWidget(lblFormat);
    dateRow->addStretch(1);
    auto *yearsRow = new QHBoxLayout;
    yearsRow->addWidget(txtFrom, 1);
    yearsRow->addWidget(Buddy(tr("f&or"), spnYears));
    yearsRow->addWidget(spnYears);
    yearsRow->addStretch(2);
    auto *form = new QFormLayout;
    // The texts grow with the window; a number or a choice keeps the width it needs.
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->addRow(Buddy(tr("&Name"), txtName), txtName);
    form->addRow(Buddy(tr("&Date"), txtDate), dateRow);
    form->addRow(QString(), chkBeforeDawn);
    auto *timeRow = new QHBoxLayout;
    timeRow->addWidget(txtTime);
    timeRow->addWidget(new QLabel(TimeHintCaption()));
    timeRow->addStretch(1);
    form->addRow(Buddy(tr("&Time"), txtTime), timeRow);
    form->addRow(Buddy(tr("P&lace"), cboPlace), cboPlace);
    form->addRow(Buddy(tr("&Reckoning"), cboReckoning), cboReckoning);
    form->addRow(Buddy(tr("Da&ys"), txtDays), txtDays);
    form->addRow(Buddy(tr("&Months"), spnMonths), spnMonths);
    form->addRow(Buddy(tr("Years &from"), txtFrom), yearsRow);
    form->addRow(Buddy(tr("R&emind"), spnRemind), spnRemind);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lblSummary);
    layout->addWidget(lblProblem);
    layout->addWidget(grdObservances, 1);
    layout->addWidget(lblRegister);
    layout->addWidget(buttons);

    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 120, metrics.lineSpacing() * 36);
}

void frmSchedule::createConnections()
{
    for (QLineEdit *field : {txtName, txtDate, txtTime, txtDays, txtFrom})
        connect(field, &QLineEdit::textChanged, this, &frmSchedule::Input_Change);
    for (QSpinBox *field : {spnMonths, spnYears, spnRemind})
        connect(field, &QSpinBox::valueChanged, this, &frmSchedule::Input_Change);
    connect(chkBeforeDawn, &QCheckBox::toggled, this, &frmSchedule::Input_Change);
    connect(cboReckoning, &QComboBox::currentIndexChanged, this, &frmSchedule::Input_Change);
    connect(cboPlace, &QComboBox::currentIndexChanged, this, &frmSchedule::Input_Change);
    connect(cmdSave, &QPushButton::clicked, this, &frmSchedule::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmSchedule::cmdPrint_Click);
    connect(cmdAddToRegister, &QPushButton::clicked, this, &frmSchedule::cmdAddToRegister_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void frmSchedule::SetDate(CalendarDate date, bool beforeDawn)
{
    const QSignalBlocker quiet(chkBeforeDawn);
    chkBeforeDawn->setChecked(beforeDawn);
    txtDate->setText(FormatDate(date, FromCore(DateFormatHint(m_order)), m_settings));
    Input_Change();
}

// Every change answers at once. A field that does not read empties the table and says why in
// the window, without a box: the user is still typing.
void frmSchedule::Input_Change()
{
    Question question;
    question.dateText = txtDate->text().trimmed();
    question.order = m_order;
    question.beforeDawn = chkBeforeDawn->isChecked();
    question.calendar = Reckoning(cboReckoning->currentData().toInt());
    question.yearText = txtFrom->text();
    question.yearCount = spnYears->value();
    question.person = txtName->text();
    const std::optional<std::vector<int>> days = NumberList(txtDays->text(), 1, 36500);
    question.schedule = ScheduleRequest{{}, spnMonths->value(), days.value_or(std::vector<int>{})};
    // A time puts sunrise at the place in the tick's stead; cleared, the tick is back.
    const bool timeGiven = !txtTime->text().trimmed().isEmpty();
    QString unused; // every choice reads: the built-in places, and those the register checked
    const std::optional<QTime> time = ReadClockTime(txtTime->text());
    chkBeforeDawn->setEnabled(!timeGiven);
    if (timeGiven) {
        question.beforeDawn = false;
        question.time = time;
        question.place = ReadPlace(cboPlace->currentText(), &unused);
    }

    const std::variant<Answer, InputProblem> asked = Ask(question, m_settings);
    const auto *problem = std::get_if<InputProblem>(&asked);
    const auto *answer = std::get_if<Answer>(&asked);
    const bool badTime = !problem && timeGiven && !time;
    lblSummary->setText(answer && !badTime ? ScheduleSummary(*answer, m_settings) : QString());
    if (problem)
        lblProblem->setText(problem->message);
    else if (badTime)
        lblProblem->setText(InvalidTimeMessage());
    else if (!days)
        lblProblem->setText(InvalidDaysMessage());
    else
        lblProblem->clear();
    markField(txtDate, problem && problem->field == TypedProblem::Date);
    markField(txtFrom, problem && problem->field == TypedProblem::Year);
    markField(txtTime, badTime);
    markField(txtDays, !problem && !badTime && !days);
    m_model->SetAnswer(answer && days && !badTime ? std::optional(*answer) : std::nullopt);
    grdObservances->resizeColumnsToContents();
    cmdSave->setEnabled(m_model->CurrentAnswer().has_value());
    cmdPrint->setEnabled(m_model->CurrentAnswer().has_value());
    cmdAddToRegister->setEnabled(m_model->CurrentAnswer().has_value());
    lblRegister->clear();
}

void frmSchedule::SetEntry(const FamilyEntry &entry)
{
    // A kind other than a death keeps its roz and mah each year alone.
    const bool death = entry.kind == EventKind::Death;
    QStringList days;
    for (int day : death ? entry.days : std::vector<int>{})
        days << QString::number(day);
    txtName->setText(entry.person);
    txtTime->setText(entry.time ? entry.time->toString(QStringLiteral("HH:mm")) : QString());
    ChoosePlace(cboPlace, entry.place);
    cboReckoning->setCurrentIndex(cboReckoning->findData(int(entry.calendar)));
    txtDays->setText(days.join(QStringLiteral(", ")));
    spnMonths->setValue(death ? entry.months : 0);
    SetDate(entry.date, entry.beforeDawn);
}

void frmSchedule::SetFamilyRegister(FamilyRegister *familyRegister)
{
    m_register = familyRegister;
    cmdAddToRegister->setVisible(m_register != nullptr);
}

// The inputs as they read now become a death's entry in the family register, checked as the
// Family window's Add checks them; the window says whether it was kept, and why not.
void frmSchedule::cmdAddToRegister_Click()
{
    if (!m_register)
        return;
    TypedEntry typed;
    typed.person = txtName->text();
    typed.date = txtDate->text();
    typed.order = m_order;
    typed.beforeDawn = chkBeforeDawn->isChecked();
    typed.time = txtTime->text();
    typed.place = cboPlace->currentText();
    typed.calendar = Reckoning(cboReckoning->currentData().toInt());
    typed.days = txtDays->text();
    typed.months = spnMonths->value();
    std::variant<FamilyEntry, QString> read = ReadTypedEntry(typed, m_settings);
    if (const auto *entry = std::get_if<FamilyEntry>(&read)) {
        const std::variant<qint64, QString> added = m_register->Add(*entry);
        if (const auto *problem = std::get_if<QString>(&added))
            read = *problem;
    }
    const QString *problem = std::get_if<QString>(&read);
    lblRegister->setText(
        problem ? tr("Not added to the Family Register: %1").arg(*problem)
                : tr("%1 is now in the Family Register.").arg(std::get<FamilyEntry>(read).person));
}

void frmSchedule::markField(QWidget *field, bool bad)
{
    QPalette palette = QPalette();
    if (bad)
        palette.setColor(QPalette::Base, QColor(255, 220, 220));
    field->setPalette(palette);
    field->setAccessibleDescription(bad ? lblProblem->text() : QString());
}

void frmSchedule::cmdSave_Click()
{
    const std::optional<Answer> &answer = m_model->CurrentAnswer();
    if (!answer)
        return;
    const QString name =
        answer->person.isEmpty()
            ? tr("Observances %1").arg(ToQDate(answer->entered).toString(Qt::ISODate))
            : FileNameFrom(answer->person);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = m_services.SaveFileName(this, tr("Save to Calendar"),
                                                 folder + u'/' + name + QStringLiteral(".ics"),
                                                 tr("Calendar files (*.ics)"));
    if (path.isEmpty())
        return;
    const std::optional<int> remind =
        spnRemind->value() == 0 ? std::nullopt : std::optional(spnRemind->value());
    const QByteArray data = toICalendar(*answer, QDateTime::currentDateTimeUtc(), remind);
    if (const std::optional<QString> problem = SaveWholeFile(path, data))
        m_services.ShowWarning(this, UnwritableFileMessage(tr("calendar file"), path, *problem));
}

void frmSchedule::cmdPrint_Click()
{
    const std::optional<Answer> &answer = m_model->CurrentAnswer();
    if (!answer)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    if (m_services.ChoosePrinter(this, &printer))
        PrintSchedule(printer, *answer, m_settings);
}
