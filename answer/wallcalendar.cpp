// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/wallcalendar.h"

#include "answer/writtenforms.h"
#include "calendar/roz.h"
#include "platform/regional.h"

#include <QFontMetricsF>
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

QFont Font(const QString &family, qreal points, bool bold = false, bool italic = false)
{
    QFont font(family);
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

void DrawLines(QPainter &painter, const std::vector<Line> &lines, QRectF box)
{
    for (const Line &line : lines) {
        painter.setFont(line.font);
        QRectF used;
        painter.drawText(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, line.text, &used);
        box.setTop(box.top() + used.height());
    }
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
    WallPage(QPagedPaintDevice &device, const RegionalSettings &settings);

    void heading(YearMonth month, const std::vector<DayCell> &cells, Reckoning calendar);
    void weekdayNames();
    void dayBox(const DayCell &cell, const QRectF &box);

    QPagedPaintDevice &device;
    const RegionalSettings &settings;
    QPainter painter;
    qreal mm;
    QRectF page;
    QString family = QStringLiteral("Sans Serif");
    int firstDay; // [1, 7], Monday 1
    QPen grid, mark;
    qreal headingHeight, namesHeight;
};

WallPage::WallPage(QPagedPaintDevice &device, const RegionalSettings &settings)
    : device(device), settings(settings), painter(&device), mm(device.logicalDpiX() / 25.4),
      page(QPointF(0, 0), device.pageLayout().paintRectPixels(device.logicalDpiX()).size()),
      firstDay(int(settings.locale.firstDayOfWeek())), grid(Qt::black, 0.25 * mm),
      mark(Qt::black, 1.2 * mm), headingHeight(16 * mm), namesHeight(7 * mm)
{}

// The month on the left, what it spans of the reckoning on the right, on one line.
void WallPage::heading(YearMonth month, const std::vector<DayCell> &cells, Reckoning calendar)
{
    std::vector<Line> title = {
        {settings.locale.standaloneMonthName(month.month) + u' ' + QString::number(month.year),
         Font(family, 22, true)}};
    std::vector<Line> spans = {{MonthReckoningHeading(cells, calendar), Font(family, 11)}};
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
    if (!beginning.isEmpty())
        lines.push_back({beginning, Font(family, 7.5, false, true)});
    for (const FestivalDay &festival : cell.festivals)
        lines.push_back({FestivalDayLabel(festival), Font(family, 7.5, festival.dayOf == 1)});
    Fit(lines, inner.size(), &device);
    DrawLines(painter, lines, inner);
}

} // namespace

void PaintWallCalendar(QPagedPaintDevice &device, YearMonth first, int months, Reckoning calendar,
                       const RegionalSettings &settings)
{
    WallPage wall(device, settings);
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
