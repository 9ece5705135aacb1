// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/calendar/frmcalendar.h"

#include "answer/answer.h"
#include "answer/festivalanswer.h"
#include "answer/question.h"
#include "answer/wallcalendar.h"
#include "calendar/roz.h"
#include "platform/coretext.h"
#include "platform/files.h"
#include "platform/windowservices.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QLabel *MakeValue(QWidget *parent, const char *name, const QString &spokenName)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAccessibleName(spokenName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

// A cell shows the day and, below it, the roz: at least three lines of the cell font high, and
// wide enough for a roz number beside a short name.
QSize MinimumCell(const QFontMetrics &metrics)
{
    return {metrics.horizontalAdvance(QStringLiteral("00 ZAMYAAD")) + metrics.averageCharWidth(),
            metrics.height() * 3 + 4};
}

} // namespace

RozCalendar::RozCalendar(const RegionalSettings &settings, QWidget *parent)
    : QCalendarWidget(parent)
{
    setObjectName(QStringLiteral("calMonth"));
    setAccessibleName(QStringLiteral("Month"));
    setLocale(settings.locale);
    setFirstDayOfWeek(settings.locale.firstDayOfWeek());
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setGridVisible(true);
    setDateRange(ToQDate(CalendarDate::first()), ToQDate(CalendarDate::last()));
    // The grid of days takes the keyboard focus, so a screen reader names it.
    if (auto *days = findChild<QAbstractItemView *>(QStringLiteral("qt_calendar_calendarview")))
        days->setAccessibleName(QStringLiteral("Days of the month"));
    const QSize cell = MinimumCell(fontMetrics());
    // Seven columns, and a header row and six weeks under the navigation bar.
    setMinimumSize(cell.width() * 7 + 8, cell.height() * 6 + fontMetrics().height() * 4);
}

void RozCalendar::SetReckoning(Reckoning reckoning)
{
    m_reckoning = reckoning;
    updateCells();
}

void RozCalendar::paintCell(QPainter *painter, const QRect &rect, QDate date) const
{
    QCalendarWidget::paintCell(painter, rect, date);
    const std::optional<CalendarDate> day = FromQDate(date);
    if (!day)
        return;
    const DayCell cell = CellOf(*day, m_reckoning);
    painter->save();
    const bool selected = date == selectedDate();
    const bool inMonth = date.month() == monthShown();
    QColor ink = palette().color(selected  ? QPalette::HighlightedText
                                 : inMonth ? QPalette::Text
                                           : QPalette::PlaceholderText);
    painter->setPen(ink);
    const QRect text = rect.adjusted(2, 0, -2, -2);
    // The roz a little smaller than the day, so that more of the names fit their cells.
    QFont small = painter->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    painter->setFont(small);
    const QString number = QString::number(cell.day.roz);
    const QString named = number + u' ' + FromCore(RozRowOf(cell.day.roz).name);
    const bool fits = painter->fontMetrics().horizontalAdvance(named) <= text.width();
    // The day number stands in the middle of the cell; the roz goes below it.
    painter->drawText(text, Qt::AlignHCenter | Qt::AlignBottom, fits ? named : number);
    if (!cell.festivals.empty()) {
        // A festival day: a saffron corner, which prints and reads without colour as a corner.
        const int size = std::max(6, rect.height() / 4);
        QPolygon corner;
        corner << rect.topRight() << rect.topRight() - QPoint(size, 0)
               << rect.topRight() + QPoint(0, size);
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(224, 128, 0));
        painter->drawPolygon(corner);
    }
    painter->restore();
}

FestivalYearsDialog::FestivalYearsDialog(int fromYear, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FestivalYearsDialog"));
    setWindowTitle(QStringLiteral("Save Festivals"));
    spnFrom = new QSpinBox(this);
    spnFrom->setObjectName(QStringLiteral("spnFrom"));
    spnFrom->setRange(CalendarDate::kFirstYear, CalendarDate::kLastYear);
    spnFrom->setValue(fromYear);
    spnFrom->setAccessibleName(QStringLiteral("From year"));
    spnYears = new QSpinBox(this);
    spnYears->setObjectName(QStringLiteral("spnYears"));
    spnYears->setRange(1, 1000);
    spnYears->setValue(10);
    spnYears->setAccessibleName(QStringLiteral("Years"));
    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("&From year:"), spnFrom);
    form->addRow(QStringLiteral("&Years:"), spnYears);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

FestivalYearsDialog::~FestivalYearsDialog() = default;

frmCalendar::frmCalendar(WindowServices &services, const RegionalSettings &settings,
                         QWidget *parent)
    : QDialog(parent), m_services(services), m_settings(settings)
{
    setObjectName(QStringLiteral("frmCalendar"));
    setWindowTitle(QStringLiteral("Dalvane Calendar"));
    setAccessibleName(windowTitle());
    createControls();
    createConnections();
    ShowDate(m_services.Today());
}

frmCalendar::~frmCalendar() = default;

void frmCalendar::createControls()
{
    calMonth = new RozCalendar(m_settings, this);
    cboReckoning = new QComboBox(this);
    cboReckoning->setObjectName(QStringLiteral("cboReckoning"));
    cboReckoning->setAccessibleName(QStringLiteral("Reckoning"));
    for (Reckoning reckoning : {Reckoning::Shahenshahi, Reckoning::Kadmi, Reckoning::Fasli})
        cboReckoning->addItem(CalendarTitle(reckoning), int(reckoning));
    lblHeading = MakeValue(this, "lblHeading", QStringLiteral("Mah and YZ year of the month"));
    lblRoz = MakeValue(this, "lblRoz", QStringLiteral("Roz"));
    lblMeaning = MakeValue(this, "lblMeaning", QStringLiteral("Meaning of the roz"));
    lblMah = MakeValue(this, "lblMah", QStringLiteral("Mah and YZ year"));
    lblDayFestivals = MakeValue(this, "lblDayFestivals", QStringLiteral("Festivals of the day"));
    lstFestivals = new QListWidget(this);
    lstFestivals->setObjectName(QStringLiteral("lstFestivals"));
    lstFestivals->setAccessibleName(QStringLiteral("Festivals of the month"));

    cmdSchedule = new QPushButton(QStringLiteral("Schedule..."), this);
    cmdSchedule->setObjectName(QStringLiteral("cmdSchedule"));
    cmdSaveFestivals = new QPushButton(QStringLiteral("Save Festivals..."), this);
    cmdSaveFestivals->setObjectName(QStringLiteral("cmdSaveFestivals"));
    cmdPrint = new QPushButton(QStringLiteral("Print..."), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    for (QPushButton *button : {cmdSchedule, cmdSaveFestivals, cmdPrint}) {
        button->setAutoDefault(false);
        button->setAccessibleName(button->text().chopped(3));
        buttons->addButton(button, QDialogButtonBox::ActionRole);
    }
    buttons->button(QDialogButtonBox::Close)->setAccessibleName(QStringLiteral("Close"));

    auto *choice = new QFormLayout;
    choice->addRow(QStringLiteral("&Reckoning:"), cboReckoning);
    auto *left = new QVBoxLayout;
    left->addLayout(choice);
    left->addWidget(lblHeading);
    left->addWidget(calMonth, 1);

    auto *day = new QFormLayout;
    day->addRow(QStringLiteral("Roz:"), lblRoz);
    day->addRow(QStringLiteral("Meaning:"), lblMeaning);
    day->addRow(QStringLiteral("Mah:"), lblMah);
    day->addRow(QStringLiteral("Festivals:"), lblDayFestivals);
    auto *festivalsLabel = new QLabel(QStringLiteral("Festivals of the &month:"), this);
    festivalsLabel->setBuddy(lstFestivals);
    auto *right = new QVBoxLayout;
    right->addLayout(day);
    right->addWidget(festivalsLabel);
    right->addWidget(lstFestivals, 1);
    // The side column keeps the room of the longest festival line; a larger font wraps it.
    const int side = fontMetrics().horizontalAdvance(
        QStringLiteral("00 Sept  Hamaspathmaedem Gahambar, 6 days"));
    lstFestivals->setWordWrap(true);
    lstFestivals->setMinimumWidth(side + 2 * lstFestivals->frameWidth() +
                                  style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                                  fontMetrics().averageCharWidth() * 2);
    lblMeaning->setMinimumWidth(side / 2);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    auto *whole = new QVBoxLayout(this);
    whole->addLayout(columns, 1);
    whole->addWidget(buttons);
}

void frmCalendar::createConnections()
{
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdSchedule, &QPushButton::clicked, this, &frmCalendar::cmdSchedule_Click);
    connect(cmdSaveFestivals, &QPushButton::clicked, this, &frmCalendar::cmdSaveFestivals_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmCalendar::cmdPrint_Click);
    connect(calMonth, &QCalendarWidget::currentPageChanged, this, &frmCalendar::showMonth);
    connect(calMonth, &QCalendarWidget::selectionChanged, this, &frmCalendar::showSelectedDay);
    connect(cboReckoning, &QComboBox::currentIndexChanged, this, [this] {
        calMonth->SetReckoning(Reckoning(cboReckoning->currentData().toInt()));
        showMonth();
        showSelectedDay();
    });
    // A festival of the list picks its first day in the month.
    connect(lstFestivals, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        calMonth->setSelectedDate(item->data(Qt::UserRole).toDate());
    });
}

void frmCalendar::ShowDate(CalendarDate date)
{
    const QDate day = ToQDate(date);
    calMonth->setSelectedDate(day);
    calMonth->setCurrentPage(day.year(), day.month());
    showMonth();
    showSelectedDay();
}

void frmCalendar::showMonth()
{
    const YearMonth month{calMonth->yearShown(), calMonth->monthShown()};
    const Reckoning reckoning = calMonth->CurrentReckoning();
    lblHeading->setText(
        MonthReckoningHeading(MonthCells(month.year, month.month, reckoning), reckoning));
    lstFestivals->clear();
    const QDate first(month.year, month.month, 1);
    for (const FestivalOccurrence &o : FestivalsOfMonth(month, reckoning)) {
        // The day and month say enough beside the month shown, and keep the lines short.
        QString line = m_settings.locale.toString(ToQDate(o.first), QStringLiteral("d MMM")) +
                       QStringLiteral("  ") + FestivalName(*o.festival);
        if (o.days > 1)
            line += QStringLiteral(", %1 days").arg(o.days);
        auto *item = new QListWidgetItem(line, lstFestivals);
        item->setData(Qt::UserRole, std::max(first, ToQDate(o.first)));
    }
}

void frmCalendar::showSelectedDay()
{
    const std::optional<CalendarDate> date = FromQDate(calMonth->selectedDate());
    if (!date)
        return;
    const DayCell cell = CellOf(*date, calMonth->CurrentReckoning());
    lblRoz->setText(RozText(cell.day));
    lblMeaning->setText(FromCore(RozRowOf(cell.day.roz).meaning));
    lblMah->setText(MahLabel(cell.day) + QStringLiteral(", YZ %1").arg(cell.day.yzYear));
    QStringList festivals;
    for (const FestivalDay &festival : cell.festivals)
        festivals << FestivalDayLabel(festival);
    lblDayFestivals->setText(festivals.isEmpty() ? QStringLiteral("None") : festivals.join(u'\n'));
}

void frmCalendar::cmdSchedule_Click()
{
    emit ScheduleAsked(calMonth->selectedDate());
}

void frmCalendar::cmdSaveFestivals_Click()
{
    const Reckoning reckoning = calMonth->CurrentReckoning();
    FestivalYearsDialog years(calMonth->yearShown(), this);
    m_services.ShowModal(&years);
    if (years.result() != QDialog::Accepted)
        return;
    const QString name = CalendarTitle(reckoning);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = m_services.SaveFileName(
        this, QStringLiteral("Save Festivals"),
        folder + QStringLiteral("/Festivals %1 %2.ics").arg(name).arg(years.spnFrom->value()),
        QStringLiteral("Calendar files (*.ics)"));
    if (path.isEmpty())
        return;
    const QByteArray data =
        toICalendar({reckoning, FestivalsBeginningIn(years.spnFrom->value(),
                                                     years.spnYears->value(), reckoning)},
                    QDateTime::currentDateTimeUtc());
    if (const std::optional<QString> problem = SaveWholeFile(path, data))
        m_services.ShowWarning(
            this, UnwritableFileMessage(QStringLiteral("calendar file"), path, *problem));
}

void frmCalendar::cmdPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(WallCalendarPageLayout());
    printer.setDocName(QStringLiteral("Dalvane wall calendar"));
    if (!m_services.ChoosePrinter(this, &printer))
        return;
    PaintWallCalendar(printer, {calMonth->yearShown(), calMonth->monthShown()}, 12,
                      calMonth->CurrentReckoning(), m_settings);
}
