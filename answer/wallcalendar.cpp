// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/wallcalendar.h"

#include "platform/regional.h"
#include "calendar/roz.h"
#include "answer/writtenforms.h"

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

void PaintWallCalendar(QPagedPaintDevice &device, YearMonth first, int months, Reckoning calendar,
                       const RegionalSettings &settings)
{
    QPainter painter(&device);
    const qreal mm = device.logicalDpiX() / 25.4;
    const QRectF page(QPointF(0, 0),
                      device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    const QString family = QStringLiteral("Sans Serif");
    const int firstDay = int(settings.locale.firstDayOfWeek()); // [1, 7], Monday 1
    const QColor festivalShade(236, 236, 236);
    const QPen grid(Qt::black, 0.25 * mm), mark(Qt::black, 1.2 * mm);

    for (int n = 0; n < months; ++n) {
        const std::optional<YearMonth> month = AddMonths(first, n);
        if (!month)
            break;
        if (n > 0)
            device.newPage();
        const std::vector<DayCell> cells = MonthCells(month->year, month->month, calendar);

        // The heading: the month on the left, what it spans of the reckoning on the right.
        const qreal headingHeight = 16 * mm;
        std::vector<Line> title = {{settings.locale.standaloneMonthName(month->month) + u' ' +
                                        QString::number(month->year),
                                    Font(family, 22, true)}};
        std::vector<Line> spans = {{MonthReckoningHeading(cells, calendar), Font(family, 11)}};
        const QSizeF titleBox(page.width() * 0.35, headingHeight);
        const QSizeF spansBox(page.width() * 0.63, headingHeight);
        Fit(title, titleBox, &device);
        Fit(spans, spansBox, &device);
        DrawLines(painter, title, QRectF(page.topLeft(), titleBox));
        painter.setFont(spans.front().font);
        // On the title's line, both texts standing on the same bottom.
        const qreal titleHeight = HeightOf(title, titleBox.width(), &device);
        painter.drawText(QRectF(page.right() - spansBox.width(), page.top(), spansBox.width(),
                                std::max(titleHeight, HeightOf(spans, spansBox.width(), &device))),
                         Qt::AlignRight | Qt::AlignBottom | Qt::TextWordWrap, spans.front().text);

        // The weekday names over the columns.
        const qreal columnWidth = page.width() / 7;
        const qreal namesTop = page.top() + headingHeight;
        const qreal namesHeight = 7 * mm;
        QFont names = Font(family, 10, true);
        for (int column = 0; column < 7; ++column) {
            const QString name =
                settings.locale.dayName((firstDay - 1 + column) % 7 + 1, QLocale::LongFormat);
            std::vector<Line> line = {{name, names}};
            Fit(line, QSizeF(columnWidth - 2 * mm, namesHeight), &device);
            painter.setFont(line.front().font);
            painter.drawText(
                QRectF(page.left() + column * columnWidth, namesTop, columnWidth, namesHeight),
                Qt::AlignCenter, name);
        }

        const int lead = (ToQDate(cells.front().date).dayOfWeek() - firstDay + 7) % 7;
        const int rows = (lead + int(cells.size()) + 6) / 7; // [4, 6]
        const qreal gridTop = namesTop + namesHeight;
        const qreal rowHeight = (page.bottom() - gridTop) / rows;
        const qreal pad = 1.5 * mm;
        for (int i = 0; i < rows * 7; ++i) {
            const QRectF box(page.left() + (i % 7) * columnWidth, gridTop + (i / 7) * rowHeight,
                             columnWidth, rowHeight);
            const int index = i - lead;
            if (index < 0 || index >= int(cells.size())) {
                painter.setPen(grid);
                painter.drawRect(box);
                continue;
            }
            const DayCell &cell = cells[size_t(index)];
            if (!cell.festivals.empty())
                painter.fillRect(box, festivalShade);
            painter.setPen(grid);
            painter.drawRect(box);
            const QString beginning = BeginningMark(cell);
            if (!beginning.isEmpty()) {
                // A bar down the left edge marks the first day of a mah or a year.
                painter.setPen(mark);
                painter.drawLine(box.topLeft() + QPointF(0.6 * mm, 0),
                                 box.bottomLeft() + QPointF(0.6 * mm, 0));
            }
            painter.setPen(Qt::black);

            const QRectF inner = box.adjusted(pad + 0.6 * mm, pad, -pad, -pad);
            std::vector<Line> lines = {{QString::number(cell.date.day()), Font(family, 16, true)},
                                       {QStringLiteral("%1 %2")
                                            .arg(cell.day.roz)
                                            .arg(FromCore(RozRowOf(cell.day.roz).name)),
                                        Font(family, 8)}};
            if (!beginning.isEmpty())
                lines.push_back({beginning, Font(family, 7.5, false, true)});
            for (const FestivalDay &festival : cell.festivals)
                lines.push_back(
                    {FestivalDayLabel(festival), Font(family, 7.5, festival.dayOf == 1)});
            Fit(lines, inner.size(), &device);
            DrawLines(painter, lines, inner);
        }
    }
}
