// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/wallcalendar.h"

#include "answer/answer.h"
#include "answer/skyanswer.h"
#include "answer/writtenforms.h"
#include "calendar/roz.h"
#include "platform/placetime.h"
#include "platform/regional.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

namespace {

struct Line
{
    QString text;
    QFont font;
};

// The height the lines take when each wraps at word boundaries to `width`, or a negative number
// when a word alone is wider than that.
qreal HeightOf(const std::vector<Line> &lines, qreal width, QPaintDevice *device)
{
    qreal height = 0;
    for (const Line &line : lines) {
        const QRectF box = QFontMetricsF(line.font, device)
                               .boundingRect(QRectF(0, 0, width, 1e6),
                                             Qt::TextWordWrap | Qt::AlignLeft, line.text);
        if (box.width() > width + 0.01)
            return -1;
        height += box.height();
    }
    return height;
}

QFont Font(const QStringList &families, qreal points, bool bold = false, bool italic = false)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// Makes the lines' fonts smaller in steps until they fit the box; stops at 4 points.
void Fit(std::vector<Line> &lines, const QSizeF &box, QPaintDevice *device)
{
    for (int step = 0; step < 40; ++step) {
        const qreal height = HeightOf(lines, box.width(), device);
        if (height >= 0 && height <= box.height())
            return;
        for (Line &line : lines)
            line.font.setPointSizeF(std::max(4.0, line.font.pointSizeF() * 0.92));
    }
}

// The lines down the box; the height they took.
qreal DrawLines(QPainter &painter, const std::vector<Line> &lines, QRectF box)
{
    const qreal top = box.top();
    for (const Line &line : lines) {
        painter.setFont(line.font);
        QRectF used;
        painter.drawText(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, line.text, &used);
        box.setTop(box.top() + used.height());
    }
    return box.top() - top;
}

} // namespace

QPageLayout WallCalendarPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

namespace {

// What every page of one wall calendar shares: the painter, the page, the units and the pens.
struct WallPage
{
    WallPage(QPagedPaintDevice &device, const RegionalSettings &settings, Script names,
             const Place *place);

    void heading(YearMonth month, const std::vector<DayCell> &cells, Reckoning calendar);
    void weekdayNames();
    void dayBox(const DayCell &cell, const QRectF &box);
    void sunAndMoon(const DayCell &cell, const QRectF &inner, const QFont &dayFont);

    QPagedPaintDevice &device;
    const RegionalSettings &settings;
    const Script names;
    const Place *place;
    QPainter painter;
    qreal mm;
    QRectF page;
    // The names' script after the page's own font, for a mah's name in the heading; its own
    // font first for a roz's name.
    QStringList family;
    QStringList scriptFamily;
    int firstDay; // [1, 7], Monday 1
    QPen grid, mark;
    qreal headingHeight, namesHeight;
    // A box's foot, where the sunrise and sunset go at a place.
    QFont sunFont;
    qreal sunHeight, sunDescent;
    QHash<QDate, const LocalPhase *> phaseOn;
};

WallPage::WallPage(QPagedPaintDevice &device, const RegionalSettings &settings, Script names,
                   const Place *place)
    : device(device), settings(settings), names(names), place(place), painter(&device),
      mm(device.logicalDpiX() / 25.4),
      page(QPointF(0, 0), device.pageLayout().paintRectPixels(device.logicalDpiX()).size()),
      family{QStringLiteral("Sans Serif")}, scriptFamily{ScriptFamily(names), family.front()},
      firstDay(int(settings.locale.firstDayOfWeek())), grid(Qt::black, 0.25 * mm),
      mark(Qt::black, 1.2 * mm), headingHeight(16 * mm), namesHeight(7 * mm),
      sunFont(Font(family, 7)), sunHeight(place ? QFontMetricsF(sunFont, &device).height() : 0),
      sunDescent(QFontMetricsF(sunFont, &device).descent())
{
    if (names != Script::English)
        family << ScriptFamily(names);
    // A Persian name runs right to left: the direction comes from the text itself.
    painter.setLayoutDirection(Qt::LayoutDirectionAuto);
}

// The month on the left, what it spans of the reckoning on the right, on one line.
void WallPage::heading(YearMonth month, const std::vector<DayCell> &cells, Reckoning calendar)
{
    std::vector<Line> title = {
        {settings.locale.standaloneMonthName(month.month) + u' ' + QString::number(month.year),
         Font(family, 22, true)}};
    QString spansText = MonthReckoningHeading(cells, calendar, names);
    if (place)
        spansText += u'\n' + QStringLiteral("Sunrise, sunset and the moon at %1").arg(place->name);
    std::vector<Line> spans = {{spansText, Font(family, 11)}};
    const QSizeF titleBox(page.width() * 0.35, headingHeight);
    const QSizeF spansBox(page.width() * 0.63, headingHeight);
    Fit(title, titleBox, &device);
    Fit(spans, spansBox, &device);
    DrawLines(painter, title, QRectF(page.topLeft(), titleBox));
    painter.setFont(spans.front().font);
    // Both texts stand on the same bottom.
    const qreal titleHeight = HeightOf(title, titleBox.width(), &device);
    painter.drawText(QRectF(page.right() - spansBox.width(), page.top(), spansBox.width(),
                            std::max(titleHeight, HeightOf(spans, spansBox.width(), &device))),
                     Qt::AlignRight | Qt::AlignBottom | Qt::TextWordWrap, spans.front().text);
}

void WallPage::weekdayNames()
{
    const qreal columnWidth = page.width() / 7;
    const qreal top = page.top() + headingHeight;
    for (int column = 0; column < 7; ++column) {
        const QString name =
            settings.locale.dayName((firstDay - 1 + column) % 7 + 1, QLocale::LongFormat);
        std::vector<Line> line = {{name, Font(family, 10, true)}};
        Fit(line, QSizeF(columnWidth - 2 * mm, namesHeight), &device);
        painter.setFont(line.front().font);
        painter.drawText(QRectF(page.left() + column * columnWidth, top, columnWidth, namesHeight),
                         Qt::AlignCenter, name);
    }
}

// A day's box: shaded on a festival, a bar down its left edge where a mah or a year begins, and
// the day, the roz, the beginning and the festivals in it.
void WallPage::dayBox(const DayCell &cell, const QRectF &box)
{
    if (!cell.festivals.empty())
        painter.fillRect(box, QColor(236, 236, 236));
    painter.setPen(grid);
    painter.drawRect(box);
    const QString beginning = BeginningMark(cell);
    if (!beginning.isEmpty()) {
        painter.setPen(mark);
        painter.drawLine(box.topLeft() + QPointF(0.6 * mm, 0),
                         box.bottomLeft() + QPointF(0.6 * mm, 0));
    }
    painter.setPen(Qt::black);

    const qreal pad = 1.5 * mm;
    const QRectF inner = box.adjusted(pad + 0.6 * mm, pad, -pad, -pad);
    std::vector<Line> lines = {
        {QString::number(cell.date.day()), Font(family, 16, true)},
        {QStringLiteral("%1 %2").arg(cell.day.roz).arg(FromCore(RozRowOf(cell.day.roz).name)),
         Font(family, 8)}};
    if (names != Script::English)
        lines.push_back({FromCore(RozNameIn(cell.day.roz, names)), Font(scriptFamily, 8)});
    if (!beginning.isEmpty())
        lines.push_back({beginning, Font(family, 7.5, false, true)});
    for (const FestivalDay &festival : cell.festivals)
        lines.push_back({FestivalDayLabel(festival), Font(family, 7.5, festival.dayOf == 1)});
    const QRectF above = inner.adjusted(0, 0, 0, -sunHeight);
    Fit(lines, above.size(), &device);
    DrawLines(painter, lines, above);
    if (place)
        sunAndMoon(cell, inner, lines.front().font);
}

// The day's sunrise and sunset at the foot of its box, and a phase of the moon with its time
// on the day's line, right of the day's number.
void WallPage::sunAndMoon(const DayCell &cell, const QRectF &inner, const QFont &dayFont)
{
    painter.setFont(sunFont);
    painter.drawText(QPointF(inner.left(), inner.bottom() - sunDescent),
                     SunLine(SunClocksOn(cell.date, *place)));
    const LocalPhase *phase = phaseOn.value(ToQDate(cell.date));
    if (!phase)
        return;
    const qreal dayHeight = QFontMetricsF(dayFont, &device).height();
    // The time as large as the roz's name, its disc as high as a digit, at the right.
    std::vector<Line> time = {{ShortClock(phase->at), Font(family, 8, true)}};
    Fit(time, QSizeF(inner.width() / 3, dayHeight), &device);
    const QFontMetricsF metrics(time.front().font, &device);
    const qreal disc = metrics.capHeight();
    const QRectF timeBox(inner.right() - metrics.horizontalAdvance(time.front().text), inner.top(),
                         metrics.horizontalAdvance(time.front().text), dayHeight);
    painter.setFont(time.front().font);
    painter.drawText(timeBox, Qt::AlignLeft | Qt::AlignVCenter, time.front().text);
    DrawPhase(painter,
              QRectF(timeBox.left() - disc * 1.6, timeBox.center().y() - disc / 2, disc, disc),
              phase->phase);
}

} // namespace

void PaintWallCalendar(QPagedPaintDevice &device, YearMonth first, int months, Reckoning calendar,
                       const RegionalSettings &settings, Script names, const Place *place,
                       const QTimeZone &zone)
{
    WallPage wall(device, settings, names, place);
    // The phases of all the months at once: each search for them starts with a day's worth.
    const std::vector<LocalPhase> phases =
        PhasesOfMonths(first, months, place ? place->zone : zone);
    for (const LocalPhase &phase : phases)
        wall.phaseOn.insert(phase.at.date(), &phase);
    for (int n = 0; n < months; ++n) {
        const std::optional<YearMonth> month = AddMonths(first, n);
        if (!month)
            break;
        if (n > 0)
            device.newPage();
        const std::vector<DayCell> cells = MonthCells(month->year, month->month, calendar);
        wall.heading(*month, cells, calendar);
        wall.weekdayNames();

        const qreal columnWidth = wall.page.width() / 7;
        const int lead = (ToQDate(cells.front().date).dayOfWeek() - wall.firstDay + 7) % 7;
        const int rows = (lead + int(cells.size()) + 6) / 7; // [4, 6]
        const qreal gridTop = wall.page.top() + wall.headingHeight + wall.namesHeight;
        const qreal rowHeight = (wall.page.bottom() - gridTop) / rows;
        for (int i = 0; i < rows * 7; ++i) {
            const QRectF box(wall.page.left() + (i % 7) * columnWidth,
                             gridTop + (i / 7) * rowHeight, columnWidth, rowHeight);
            const int index = i - lead;
            if (index >= 0 && index < int(cells.size())) {
                wall.dayBox(cells[size_t(index)], box);
            } else {
                wall.painter.setPen(wall.grid);
                wall.painter.drawRect(box);
            }
        }
    }
}
