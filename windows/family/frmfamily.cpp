// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/family/frmfamily.h"

#include "answer/printout.h"
#include "answer/question.h"
#include "platform/buddy.h"
#include "platform/desktop.h"
#include "platform/dialogfont.h"
#include "platform/files.h"
#include "platform/windowservices.h"
#include "windows/family/familyentrydialog.h"
#include "windows/family/familytablemodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The columns of FamilyRows and UpcomingRows that sort by a number rather than by their text.
constexpr int kIdColumn = 0;
constexpr int kEntryDateColumn = 3;
constexpr int kObservanceDateColumn = 2;

QPushButton *NewButton(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter in a table is no command: nothing here needs confirming.
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmFamily::frmFamily(WindowServices &services, FamilyRegister &familyRegister,
                     const RegionalSettings &settings, DateOrderCode order, QWidget *parent)
    : QDialog(parent), m_services(services), m_register(familyRegister), m_settings(settings),
      m_order(order)
{
    setWindowTitle(tr("Dalvane Family Register"));
    setFont(DialogFont());
    createControls();
    createLayout();
    createConnections();
}

frmFamily::~frmFamily() = default;

QTableView *frmFamily::newTable(const char *name, QSortFilterProxyModel *sorted)
{
    sorted->setSortRole(Qt::UserRole);
    sorted->setSortCaseSensitivity(Qt::CaseInsensitive);
    sorted->setSortLocaleAware(true);
    auto *table = new QTableView(this);
    table->setObjectName(QString::fromLatin1(name));
    table->setModel(sorted);
    table->setSortingEnabled(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    // Tab leaves the table for the buttons, as in every other field of the window.
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() + 6);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void frmFamily::createControls()
{
    lblProblem = new QLabel(this);
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lblProblem->setAccessibleName(tr("Problem"));
    lblProblem->setWordWrap(true);
    lblProblem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette red = lblProblem->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    lblProblem->setPalette(red);
    lblProblem->hide();

    m_people = new FamilyTableModel(this);
    m_sortedPeople = new QSortFilterProxyModel(this);
    m_sortedPeople->setSourceModel(m_people);
    grdPeople = newTable("grdPeople", m_sortedPeople);
    // In the order the entries were added, until the user sorts by a column.
    grdPeople->sortByColumn(kIdColumn, Qt::AscendingOrder);
    cmdAdd = NewButton(tr("&Add..."), "cmdAdd", this);
    cmdEdit = NewButton(tr("&Edit..."), "cmdEdit", this);
    cmdRemove = NewButton(tr("&Remove"), "cmdRemove", this);
    cmdSchedule = NewButton(tr("Sc&hedule..."), "cmdSchedule", this);

    cboSpan = new QComboBox(this);
    cboSpan->setObjectName(QStringLiteral("cboSpan"));
    cboSpan->addItem(tr("30 days"), 30);
    cboSpan->addItem(tr("90 days"), 90);
    cboSpan->addItem(tr("A year"), 365);
    m_coming = new FamilyTableModel(this);
    m_sortedComing = new QSortFilterProxyModel(this);
    m_sortedComing->setSourceModel(m_coming);
    grdUpcoming = newTable("grdUpcoming", m_sortedComing);
    grdUpcoming->sortByColumn(kObservanceDateColumn, Qt::AscendingOrder);
    cmdSave = NewButton(tr("Save to &Calendar..."), "cmdSave", this);
    cmdPrint = NewButton(tr("&Print..."), "cmdPrint", this);
    chkRemind = new QCheckBox(tr("Remind me at &login"), this);
    chkRemind->setObjectName(QStringLiteral("chkRemind"));
    buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    for (QAbstractButton *button : buttons->buttons())
        static_cast<QPushButton *>(button)->setAutoDefault(false);
}

// Each table with its commands beside it, in one column of buttons for both.
void frmFamily::createLayout()
{
    auto *peopleCommands = new QVBoxLayout;
    for (QPushButton *button : {cmdAdd, cmdEdit, cmdRemove, cmdSchedule})
        peopleCommands->addWidget(button);
    peopleCommands->addStretch(1);
    auto *comingHeading = new QHBoxLayout;
    comingHeading->addWidget(Buddy(tr("Coming &up"), grdUpcoming));
    comingHeading->addStretch(1);
    comingHeading->addWidget(Buddy(tr("&Span"), cboSpan));
    auto *comingCommands = new QVBoxLayout;
    for (QPushButton *button : {cmdSave, cmdPrint})
        comingCommands->addWidget(button);
    comingCommands->addStretch(1);

    auto *grid = new QGridLayout;
    grid->addWidget(Buddy(tr("Pe&ople"), grdPeople), 0, 0);
    grid->addWidget(grdPeople, 1, 0);
    grid->addLayout(peopleCommands, 1, 1);
    grid->addLayout(comingHeading, 2, 0);
    grid->addWidget(cboSpan, 2, 1);
    grid->addWidget(grdUpcoming, 3, 0);
    grid->addLayout(comingCommands, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(1, 2);
    grid->setRowStretch(3, 3);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(chkRemind);
    bottom->addStretch(1);
    bottom->addWidget(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblProblem);
    layout->addLayout(grid, 1);
    layout->addLayout(bottom);

    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 130, metrics.lineSpacing() * 36);
}

void frmFamily::createConnections()
{
    connect(cmdAdd, &QPushButton::clicked, this, &frmFamily::cmdAdd_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmFamily::cmdEdit_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmFamily::cmdRemove_Click);
    connect(cmdSchedule, &QPushButton::clicked, this, &frmFamily::cmdSchedule_Click);
    connect(grdPeople, &QTableView::activated, this, &frmFamily::cmdEdit_Click);
    connect(grdPeople->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmFamily::showCommands);
    connect(cboSpan, &QComboBox::currentIndexChanged, this, &frmFamily::cboSpan_Change);
    connect(cmdSave, &QPushButton::clicked, this, &frmFamily::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmFamily::cmdPrint_Click);
    // Toggled, not clicked: a screen reader's or voice control's toggle action changes the tick
    // without a click, and the launcher must follow whatever changes it.
    connect(chkRemind, &QCheckBox::toggled, this, &frmFamily::chkRemind_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void frmFamily::Reload(qint64 select)
{
    std::variant<std::vector<FamilyEntry>, QString> read = m_register.Entries();
    m_readable = std::holds_alternative<std::vector<FamilyEntry>>(read);
    m_entries = m_readable ? std::get<std::vector<FamilyEntry>>(std::move(read))
                           : std::vector<FamilyEntry>{};
    say(m_readable ? QString()
                   : tr("The Family Register cannot be opened: %1").arg(std::get<QString>(read)));
    std::map<int, std::vector<qint64>> keys;
    int selectRow = 0;
    for (const FamilyEntry &entry : m_entries) {
        if (entry.id == select)
            selectRow = int(keys[kIdColumn].size());
        keys[kIdColumn].push_back(entry.id);
        keys[kEntryDateColumn].push_back(DayKey(entry.date));
    }
    m_people->SetRows(FamilyRows(m_entries, m_settings), std::move(keys));
    // The register's own number means nothing to the family: the column only keeps the order
    // in which the entries were added.
    grdPeople->setColumnHidden(kIdColumn, true);
    grdPeople->resizeColumnsToContents();
    if (!m_entries.empty())
        grdPeople->selectRow(m_sortedPeople->mapFromSource(m_people->index(selectRow, 1)).row());
    showRemindAtLogin();
    showUpcoming();
    showCommands();
}

// What is coming from today for the span chosen, in date order.
void frmFamily::showUpcoming()
{
    m_upcoming = UpcomingObservances(m_entries, m_services.Today(), cboSpan->currentData().toInt(),
                                     m_settings);
    std::vector<qint64> days;
    for (const Upcoming::Item &item : m_upcoming->items)
        days.push_back(DayKey(item.observance.date));
    m_coming->SetRows(UpcomingRows(*m_upcoming, m_settings),
                      {{kObservanceDateColumn, std::move(days)}});
    grdUpcoming->resizeColumnsToContents();
}

void frmFamily::showCommands()
{
    const bool selected = m_readable && selectedEntry().has_value();
    cmdAdd->setEnabled(m_readable);
    for (QPushButton *button : {cmdEdit, cmdRemove, cmdSchedule})
        button->setEnabled(selected);
    const bool coming = m_upcoming && !m_upcoming->items.empty();
    cmdSave->setEnabled(coming);
    cmdPrint->setEnabled(coming);
}

void frmFamily::say(const QString &problem)
{
    lblProblem->setText(problem);
    lblProblem->setVisible(!problem.isEmpty());
}

std::optional<FamilyEntry> frmFamily::selectedEntry() const
{
    // Any cell of the row will do: whether the hidden column counts as selected is the view's
    // own affair.
    const QModelIndexList cells = grdPeople->selectionModel()->selectedIndexes();
    if (cells.isEmpty())
        return std::nullopt;
    const int row = m_sortedPeople->mapToSource(cells.first()).row();
    return row >= 0 && row < int(m_entries.size()) ? std::optional(m_entries[size_t(row)])
                                                   : std::nullopt;
}

void frmFamily::openEntry(const FamilyEntry &entry)
{
    FamilyEntryDialog dialog(m_register, entry, m_settings, m_order, m_services.SystemTimeZoneId(),
                             this);
    m_services.ShowModal(&dialog);
    if (dialog.result() == QDialog::Accepted)
        Reload(dialog.KeptId());
}

void frmFamily::cmdAdd_Click()
{
    if (m_readable)
        openEntry(FamilyEntry());
}

void frmFamily::cmdEdit_Click()
{
    if (const std::optional<FamilyEntry> entry = selectedEntry())
        openEntry(*entry);
}

void frmFamily::cmdRemove_Click()
{
    const std::optional<FamilyEntry> entry = selectedEntry();
    if (!entry ||
        !m_services.Confirm(
            this, tr("Remove %1 (%2, %3) from the Family Register?")
                      .arg(entry->person, EventKindTitle(entry->kind),
                           FormatDate(entry->date, QStringLiteral("dd-mmm-yyyy"), m_settings))))
        return;
    const std::optional<QString> problem = m_register.Remove(entry->id);
    Reload();
    if (problem)
        say(*problem);
}

// The Schedule window opens over this one; what it adds to the register shows here after.
void frmFamily::cmdSchedule_Click()
{
    if (const std::optional<FamilyEntry> entry = selectedEntry()) {
        emit ScheduleAsked(*entry);
        Reload(entry->id);
    }
}

void frmFamily::cboSpan_Change()
{
    showUpcoming();
    showCommands();
}

void frmFamily::cmdSave_Click()
{
    if (!m_upcoming || m_upcoming->items.empty())
        return;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path =
        m_services.SaveFileName(this, tr("Save to Calendar"),
                                folder + u'/' + tr("Family observances") + QStringLiteral(".ics"),
                                tr("Calendar files (*.ics)"));
    if (path.isEmpty())
        return;
    const QByteArray data = toICalendar(*m_upcoming, QDateTime::currentDateTimeUtc(), {});
    if (const std::optional<QString> problem = SaveWholeFile(path, data))
        m_services.ShowWarning(this, UnwritableFileMessage(tr("calendar file"), path, *problem));
}

void frmFamily::cmdPrint_Click()
{
    if (!m_upcoming || m_upcoming->items.empty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    if (m_services.ChoosePrinter(this, &printer))
        PrintTable(printer, windowTitle(), ReminderSummary(*m_upcoming),
                   UpcomingRows(*m_upcoming, m_settings));
}

// The tick is the launcher itself: when it cannot be written or removed, the tick goes back.
void frmFamily::chkRemind_Click(bool checked)
{
    if (const std::optional<QString> problem = SetRemindAtLogin(checked))
        say(*problem);
    showRemindAtLogin();
}

// The tick shows whether the launcher is there; showing it changes nothing.
void frmFamily::showRemindAtLogin()
{
    const QSignalBlocker quiet(chkRemind);
    chkRemind->setChecked(RemindsAtLogin());
}
