// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/calendar/frmcalendar.h"

#include "answer/answer.h"
#include "answer/festivalanswer.h"
#include "answer/question.h"
#include "answer/skyanswer.h"
#include "answer/wallcalendar.h"
#include "calendar/roz.h"
#include "platform/coretext.h"
#include "platform/files.h"
#include "platform/placechoice.h"
#include "platform/placetime.h"
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
#include <QScreen>
#include <QSettings>
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

// The roz's lines are a little smaller than the day's number, so that more of the names fit
// their cells; where they do not, smaller still, to this much of the cell's type.
constexpr qreal kRozScales[] = {0.9, 0.8};

QFont Scaled(const QFont &font, qreal scale)
{
    QFont scaled = font;
    scaled.setPointSizeF(font.pointSizeF() * scale);
    return scaled;
}

// The names of the other scripts in their own fonts, then the cell's.
QFont ScriptFont(const QFont &font, Script names)
{
    if (names == Script::English)
        return font;
    QFont script = font;
    script.setFamilies({ScriptFamily(names), font.family()});
    return script;
}

// The day's number takes the top line of a cell; under it the roz's number and English name and
// its name in another script, each on one line: the cell is as wide as the longest of them at
// the smallest type, and as high as the tallest script's line.
QSize MinimumCell(const QFont &font)
{
    const QFont smallest = Scaled(font, kRozScales[1]);
    int width = 0, scriptHeight = 0;
    for (const Script names : {Script::English, Script::Gujarati, Script::Persian}) {
        const QFontMetrics metrics(ScriptFont(smallest, names));
        if (names != Script::English)
            scriptHeight =
                std::max(scriptHeight,
                         QFontMetrics(ScriptFont(Scaled(font, kRozScales[0]), names)).height());
        for (int roz = 1; roz <= kAvardadSalGah; ++roz) {
            const QString name = FromCore(RozNameIn(roz, names));
            // Avardad-sal-gah, the longest, comes once in four Fasli years: its name may stand
            // without its number.
            const bool numbered = names == Script::English && roz != kAvardadSalGah;
            width = std::max(width, metrics.horizontalAdvance(
                                        numbered ? QString::number(roz) + u' ' + name : name));
        }
    }
    const QFontMetrics metrics(font);
    return {width + metrics.averageCharWidth(),
            metrics.height() + QFontMetrics(Scaled(font, kRozScales[0])).height() + scriptHeight +
                6};
}

// What a cell writes under the day's number: the roz's number and name on one line where they
// fit, else its name alone, smaller where it must, on two lines only when nothing else fits.
struct RozLines
{
    QFont font;
    QString english;
    QFont scriptFont;
    QString script; // empty for English names
};

RozLines FitRoz(const QFont &cellFont, int roz, Script names, const QSize &room)
{
    const QString name = FromCore(RozRowOf(roz).name);
    const QString script = names == Script::English ? QString() : FromCore(RozNameIn(roz, names));
    const QRect box(QPoint(0, 0), room);
    const int flags = Qt::TextWordWrap | Qt::AlignHCenter;
    for (const bool wrap : {false, true}) {
        for (const qreal scale : kRozScales) {
            const RozLines lines{Scaled(cellFont, scale), QString(),
                                 ScriptFont(Scaled(cellFont, scale), names), script};
            const QFontMetrics metrics(lines.font);
            const int below =
                script.isEmpty()
                    ? 0
                    : QFontMetrics(lines.scriptFont).boundingRect(box, flags, script).height();
            for (const QString &text : {QString::number(roz) + u' ' + name, name}) {
                const QRect used = metrics.boundingRect(box, flags, text);
                if (used.width() <= room.width() && used.height() + below <= room.height() &&
                    (wrap || used.height() <= metrics.height()))
                    return {lines.font, text, lines.scriptFont, script};
            }
        }
    }
    return {Scaled(cellFont, kRozScales[1]), name,
            ScriptFont(Scaled(cellFont, kRozScales[1]), names), script};
}

} // namespace

RozCalendar::RozCalendar(const RegionalSettings &settings, QWidget *parent)
    : QCalendarWidget(parent)
{
    setObjectName(QStringLiteral("calMonth"));
    setAccessibleName(tr("Month"));
    setLocale(settings.locale);
    setFirstDayOfWeek(settings.locale.firstDayOfWeek());
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setGridVisible(true);
    setDateRange(ToQDate(CalendarDate::first()), ToQDate(CalendarDate::last()));
    // The grid of days takes the keyboard focus, so a screen reader names it.
    if (auto *days = findChild<QAbstractItemView *>(QStringLiteral("qt_calendar_calendarview")))
        days->setAccessibleName(tr("Days of the month"));
    const QSize cell = MinimumCell(font());
    // Seven columns, and a header row and six weeks under the navigation bar.
    setMinimumSize(cell.width() * 7 + 8, cell.height() * 6 + fontMetrics().height() * 4);
}

void RozCalendar::SetReckoning(Reckoning reckoning)
{
    m_reckoning = reckoning;
    updateCells();
}

void RozCalendar::SetNames(Script names)
{
    m_names = names;
    updateCells();
}

void RozCalendar::SetZone(const QTimeZone &zone)
{
    m_zone = zone;
    findPhases();
}

// The phases of the month shown and of the weeks around it that its page shows.
void RozCalendar::findPhases()
{
    m_phases.clear();
    if (const std::optional<YearMonth> before = AddMonths({yearShown(), monthShown()}, -1)) {
        for (const LocalPhase &phase : PhasesOfMonths(*before, 3, m_zone))
            m_phases.insert(phase.at.date(), phase.phase);
    }
    updateCells();
}

void RozCalendar::paintCell(QPainter *painter, const QRect &rect, QDate date) const
{
    const std::optional<CalendarDate> day = FromQDate(date);
    if (!day)
        return QCalendarWidget::paintCell(painter, rect, date);
    // The base class writes the day's number in the middle of the rectangle it is given: given
    // the cell's top line on the cell's own background, it leaves the rest to the roz.
    const bool selected = date == selectedDate();
    const int dayHeight = fontMetrics().height() + 2;
    painter->fillRect(rect,
                      palette().brush(isActiveWindow() ? QPalette::Active : QPalette::Inactive,
                                      selected ? QPalette::Highlight : QPalette::Base));
    QCalendarWidget::paintCell(painter, QRect(rect.left(), rect.top(), rect.width(), dayHeight),
                               date);
    const DayCell cell = CellOf(*day, m_reckoning);
    painter->save();
    const bool inMonth = date.month() == monthShown();
    painter->setPen(palette().color(selected  ? QPalette::HighlightedText
                                    : inMonth ? QPalette::Text
                                              : QPalette::PlaceholderText));
    const QRect room = rect.adjusted(2, dayHeight, -2, -2);
    const RozLines lines = FitRoz(font(), cell.day.roz, m_names, room.size());
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    painter->setFont(lines.font);
    QRect used;
    painter->drawText(room, flags, lines.english, &used);
    // A Persian name runs right to left: the direction comes from the text itself.
    painter->setLayoutDirection(Qt::LayoutDirectionAuto);
    painter->setFont(lines.scriptFont);
    painter->drawText(room.adjusted(0, used.height(), 0, 0), flags, lines.script);
    if (const auto phase = m_phases.constFind(date); phase != m_phases.constEnd()) {
        const int disc = std::max(6, dayHeight / 2);
        DrawPhase(*painter,
                  QRectF(rect.left() + 3, rect.top() + (dayHeight - disc) / 2, disc, disc), *phase);
    }
    if (!cell.festivals.empty()) {
        // A festival day: a saffron corner, which prints and reads without colour as a corner.
        const int size = std::max(6, dayHeight / 2);
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
    setWindowTitle(tr("Save Festivals"));
    spnFrom = new QSpinBox(this);
    spnFrom->setObjectName(QStringLiteral("spnFrom"));
    spnFrom->setRange(CalendarDate::kFirstYear, CalendarDate::kLastYear);
    spnFrom->setValue(fromYear);
    spnFrom->setAccessibleName(tr("From year"));
    spnYears = new QSpinBox(this);
    spnYears->setObjectName(QStringLiteral("spnYears"));
    spnYears->setRange(1, 1000);
    spnYears->setValue(10);
    spnYears->setAccessibleName(tr("Years"));
    auto *form = new QFormLayout(this);
    form->addRow(tr("&From year:"), spnFrom);
    form->addRow(tr("&Years:"), spnYears);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

FestivalYearsDialog::~FestivalYearsDialog() = default;

frmCalendar::frmCalendar(WindowServices &services, const RegionalSettings &settings,
                         QWidget *parent)
    : QDialog(parent), m_services(services), m_settings(settings),
      m_stored(std::make_unique<QSettings>(QStringLiteral("Dalvane"), QStringLiteral("Dalvane")))
{
    setObjectName(QStringLiteral("frmCalendar"));
    setWindowTitle(tr("Dalvane Calendar"));
    setAccessibleName(windowTitle());
    createControls();
    restoreChoices();
    createConnections();
    ShowDate(m_services.Today());
}

frmCalendar::~frmCalendar() = default;

void frmCalendar::createChoices()
{
    cboReckoning = new QComboBox(this);
    cboReckoning->setObjectName(QStringLiteral("cboReckoning"));
    cboReckoning->setAccessibleName(tr("Reckoning"));
    for (Reckoning reckoning : {Reckoning::Shahenshahi, Reckoning::Kadmi, Reckoning::Fasli})
        cboReckoning->addItem(CalendarTitle(reckoning), int(reckoning));
    cboNames = new QComboBox(this);
    cboNames->setObjectName(QStringLiteral("cboNames"));
    cboNames->setAccessibleName(tr("Names"));
    for (Script names : {Script::English, Script::Gujarati, Script::Persian})
        cboNames->addItem(ScriptTitle(names), ScriptKey(names));
    cboPlace = MakePlaceChoice(this, m_services.SystemTimeZoneId());
    cboPlace->setAccessibleName(tr("Place"));
}

// The selected day's roz and what else falls on it, beside the month.
QLayout *frmCalendar::createDetails()
{
    lblRoz = MakeValue(this, "lblRoz", tr("Roz"));
    lblMeaning = MakeValue(this, "lblMeaning", tr("Meaning of the roz"));
    lblMah = MakeValue(this, "lblMah", tr("Mah and YZ year"));
    lblDayFestivals = MakeValue(this, "lblDayFestivals", tr("Festivals of the day"));
    lblSunrise = MakeValue(this, "lblSunrise", tr("Sunrise"));
    lblSunset = MakeValue(this, "lblSunset", tr("Sunset"));
    lblMoon = MakeValue(this, "lblMoon", tr("Moon"));
    auto *day = new QFormLayout;
    day->addRow(tr("Roz:"), lblRoz);
    day->addRow(tr("Meaning:"), lblMeaning);
    day->addRow(tr("Mah:"), lblMah);
    day->addRow(tr("Festivals:"), lblDayFestivals);
    day->addRow(tr("Sunrise:"), lblSunrise);
    day->addRow(tr("Sunset:"), lblSunset);
    day->addRow(tr("Moon:"), lblMoon);
    return day;
}

void frmCalendar::createControls()
{
    calMonth = new RozCalendar(m_settings, this);
    createChoices();
    lblHeading = MakeValue(this, "lblHeading", tr("Mah and YZ year of the month"));
    lstFestivals = new QListWidget(this);
    lstFestivals->setObjectName(QStringLiteral("lstFestivals"));
    lstFestivals->setAccessibleName(tr("Festivals of the month"));

    cmdSchedule = new QPushButton(tr("Schedule..."), this);
    cmdSchedule->setObjectName(QStringLiteral("cmdSchedule"));
    cmdSchedule->setAccessibleName(tr("Schedule"));
    cmdSaveFestivals = new QPushButton(tr("Save Festivals..."), this);
    cmdSaveFestivals->setObjectName(QStringLiteral("cmdSaveFestivals"));
    cmdSaveFestivals->setAccessibleName(tr("Save Festivals"));
    cmdPrint = new QPushButton(tr("Print..."), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->setAccessibleName(tr("Print"));
    buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    for (QPushButton *button : {cmdSchedule, cmdSaveFestivals, cmdPrint}) {
        button->setAutoDefault(false);
        buttons->addButton(button, QDialogButtonBox::ActionRole);
    }
    buttons->button(QDialogButtonBox::Close)->setAccessibleName(tr("Close"));

    // The three choices on one line, which leaves the month its height at 120 dpi.
    auto *choice = new QHBoxLayout;
    for (const auto &[caption, field] : {std::pair{tr("&Reckoning:"), cboReckoning},
                                         {tr("&Names:"), cboNames},
                                         {tr("&Place:"), cboPlace}}) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(field);
        choice->addWidget(label);
        choice->addWidget(field, 1);
    }
    auto *left = new QVBoxLayout;
    left->addLayout(choice);
    left->addWidget(lblHeading);
    left->addWidget(calMonth, 1);

    auto *festivalsLabel = new QLabel(tr("Festivals of the &month:"), this);
    festivalsLabel->setBuddy(lstFestivals);
    auto *right = new QVBoxLayout;
    right->addLayout(createDetails());
    right->addWidget(festivalsLabel);
    right->addWidget(lstFestivals, 1);
    // The side column keeps the room of the longest festival line where the screen has it;
    // where it has not, a festival's days wrap under its name.
    const int side = fontMetrics().horizontalAdvance(
        QStringLiteral("00 Sept  Hamaspathmaedem Gahambar, 6 days"));
    const int wraps = fontMetrics().horizontalAdvance(QStringLiteral(" Gahambar, 6 days"));
    lstFestivals->setWordWrap(true);
    lstFestivals->setMinimumWidth(side - wraps + 2 * lstFestivals->frameWidth() +
                                  style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                                  fontMetrics().averageCharWidth() * 2);
    lblMeaning->setMinimumWidth(side / 2);
    const QSize wide = sizeHint() + QSize(wraps, 0);
    resize(screen() ? wide.boundedTo(screen()->availableGeometry().size()) : wide);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    auto *whole = new QVBoxLayout(this);
    whole->addLayout(columns, 1);
    whole->addWidget(buttons);
}

// The names' script and the place as they were left last time; the first place in the system's
// own time zone the first time.
void frmCalendar::restoreChoices()
{
    const int names = cboNames->findData(m_stored->value(QStringLiteral("calendar/names")));
    cboNames->setCurrentIndex(std::max(names, 0));
    const int place =
        cboPlace->findText(m_stored->value(QStringLiteral("calendar/place")).toString());
    cboPlace->setCurrentIndex(place >= 0 ? place : HomePlaceIndex(m_services.SystemTimeZoneId()));
    calMonth->SetNames(*ScriptNamed(cboNames->currentData().toString()));
    calMonth->SetZone(PlaceFromRow(BuiltInPlaces()[size_t(cboPlace->currentIndex())]).zone);
}

void frmCalendar::createConnections()
{
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdSchedule, &QPushButton::clicked, this, &frmCalendar::cmdSchedule_Click);
    connect(cmdSaveFestivals, &QPushButton::clicked, this, &frmCalendar::cmdSaveFestivals_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmCalendar::cmdPrint_Click);
    connect(calMonth, &QCalendarWidget::currentPageChanged, this, [this] {
        calMonth->SetZone(PlaceFromRow(BuiltInPlaces()[size_t(cboPlace->currentIndex())]).zone);
        showMonth();
    });
    connect(calMonth, &QCalendarWidget::selectionChanged, this, &frmCalendar::showSelectedDay);
    connect(cboReckoning, &QComboBox::currentIndexChanged, this, [this] {
        calMonth->SetReckoning(Reckoning(cboReckoning->currentData().toInt()));
        showMonth();
        showSelectedDay();
    });
    connect(cboNames, &QComboBox::currentIndexChanged, this, [this] {
        m_stored->setValue(QStringLiteral("calendar/names"), cboNames->currentData());
        calMonth->SetNames(*ScriptNamed(cboNames->currentData().toString()));
        showMonth();
        showSelectedDay();
    });
    connect(cboPlace, &QComboBox::currentIndexChanged, this, [this] {
        m_stored->setValue(QStringLiteral("calendar/place"), cboPlace->currentText());
        calMonth->SetZone(PlaceFromRow(BuiltInPlaces()[size_t(cboPlace->currentIndex())]).zone);
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
    lblHeading->setText(MonthReckoningHeading(MonthCells(month.year, month.month, reckoning),
                                              reckoning, calMonth->CurrentNames()));
    lstFestivals->clear();
    const QDate first(month.year, month.month, 1);
    for (const FestivalOccurrence &o : FestivalsOfMonth(month, reckoning)) {
        // The day and month say enough beside the month shown, and keep the lines short.
        QString line = m_settings.locale.toString(ToQDate(o.first), QStringLiteral("d MMM")) +
                       QStringLiteral("  ") + FestivalName(*o.festival);
        if (o.days > 1)
            line += tr(", %1 days").arg(o.days);
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
    const Script names = calMonth->CurrentNames();
    lblRoz->setText(names == Script::English
                        ? RozText(cell.day)
                        : RozText(cell.day) + u'\n' + FromCore(RozNameIn(cell.day.roz, names)));
    lblMeaning->setText(FromCore(RozRowOf(cell.day.roz).meaning));
    lblMah->setText(MahLabel(cell.day, names) + QStringLiteral(", YZ %1").arg(cell.day.yzYear));
    QStringList festivals;
    for (const FestivalDay &festival : cell.festivals)
        festivals << FestivalDayLabel(festival);
    lblDayFestivals->setText(festivals.isEmpty() ? tr("None") : festivals.join(u'\n'));
    showSky(*date);
}

// The selected day's sun and moon at the place chosen.
void frmCalendar::showSky(CalendarDate date)
{
    const Place place = PlaceFromRow(BuiltInPlaces()[size_t(cboPlace->currentIndex())]);
    const SunClocks sun = SunClocksOn(date, place);
    lblSunrise->setText(sun.rise == u"-" ? tr("None") : sun.rise);
    lblSunset->setText(sun.set == u"-" ? tr("None") : sun.set);
    lblMoon->setText(MoonOfDay(date, place.zone));
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
        this, tr("Save Festivals"),
        folder + tr("/Festivals %1 %2.ics").arg(name).arg(years.spnFrom->value()),
        tr("Calendar files (*.ics)"));
    if (path.isEmpty())
        return;
    const QByteArray data =
        toICalendar({reckoning, FestivalsBeginningIn(years.spnFrom->value(),
                                                     years.spnYears->value(), reckoning)},
                    QDateTime::currentDateTimeUtc());
    if (const std::optional<QString> problem = SaveWholeFile(path, data))
        m_services.ShowWarning(this, UnwritableFileMessage(tr("calendar file"), path, *problem));
}

void frmCalendar::cmdPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(WallCalendarPageLayout());
    printer.setDocName(tr("Dalvane wall calendar"));
    if (!m_services.ChoosePrinter(this, &printer))
        return;
    const Place place = PlaceFromRow(BuiltInPlaces()[size_t(cboPlace->currentIndex())]);
    PaintWallCalendar(printer, {calMonth->yearShown(), calMonth->monthShown()}, 12,
                      calMonth->CurrentReckoning(), m_settings, calMonth->CurrentNames(), &place);
}
