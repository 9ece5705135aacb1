// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/answer.h"
#include "platform/regional.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <functional>
#include <numeric>

namespace {

// Points to the device's own units, so the page looks the same on a printer and in a PDF.
qreal Points(const QPaintDevice &device, qreal points)
{
    return points * device.logicalDpiY() / 72.0;
}

} // namespace

void PrintSchedule(QPagedPaintDevice &device, const Answer &answer,
                   const RegionalSettings &settings)
{
    // Room for a binder's holes and a printer's grip, whatever margins it asks for itself.
    const QMarginsF least(15, 15, 15, 15);
    const QMarginsF margins = device.pageLayout().margins(QPageLayout::Millimeter);
    device.setPageMargins(QMarginsF(std::max(margins.left(), least.left()),
                                    std::max(margins.top(), least.top()),
                                    std::max(margins.right(), least.right()),
                                    std::max(margins.bottom(), least.bottom())),
                          QPageLayout::Millimeter);
    QPainter painter(&device);
    const QRectF page = painter.viewport();
    const qreal gap = Points(device, 8);

    // In date order, as the window lists them.
    Answer sorted = answer;
    if (sorted.observances)
        std::ranges::stable_sort(*sorted.observances, {}, [](const Observance &entry) {
            return ToQDate(entry.date).toJulianDay();
        });
    std::vector<QStringList> rows = ObservanceRows(sorted, settings);
    const QStringList titles = rows.front();
    rows.erase(rows.begin());

    // The widest text of each column, the titles in bold. A wordy regional long date or note
    // makes the type smaller, down to 7 points; past that the note wraps.
    QFont font;
    QFont bold;
    std::vector<qreal> widths(titles.size());
    for (qreal size = 10; size >= 7; size -= 0.5) {
        font.setPointSizeF(size);
        bold = font;
        bold.setBold(true);
        const QFontMetricsF metrics(font, &device);
        for (qsizetype column = 0; column < titles.size(); ++column) {
            widths[column] = QFontMetricsF(bold, &device).horizontalAdvance(titles[column]);
            for (const QStringList &row : rows)
                widths[column] = std::max(widths[column], metrics.horizontalAdvance(row[column]));
        }
        if (std::accumulate(widths.begin(), widths.end(), 0.0) + gap * (titles.size() - 1) <=
            page.width())
            break;
    }
    widths.back() =
        std::max(Points(device, 60), page.width() - gap * (titles.size() - 1) -
                                         std::accumulate(widths.begin(), widths.end() - 1, 0.0));

    QFont heading = font;
    heading.setPointSizeF(font.pointSizeF() * 1.6);
    heading.setBold(true);
    qreal y = page.top();
    auto paragraph = [&](const QFont &with, const QString &text) {
        painter.setFont(with);
        const QRectF room(page.left(), y, page.width(), page.bottom() - y);
        QRectF used;
        painter.drawText(room, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text, &used);
        y += used.height() + Points(device, 6);
    };
    std::function<void(const QFont &, const QStringList &)> line = [&](const QFont &with,
                                                                       const QStringList &cells) {
        painter.setFont(with);
        qreal height = QFontMetricsF(with, &device).height();
        for (qsizetype column = 0; column < cells.size(); ++column)
            height = std::max(height, painter
                                          .boundingRect(QRectF(0, 0, widths[column], page.height()),
                                                        Qt::TextWordWrap, cells[column])
                                          .height());
        if (y + height > page.bottom()) {
            device.newPage();
            y = page.top();
            if (&with != &bold) {
                line(bold, titles);
                painter.setFont(with);
            }
        }
        qreal x = page.left();
        for (qsizetype column = 0; column < cells.size(); ++column) {
            painter.drawText(QRectF(x, y, widths[column], height),
                             Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, cells[column]);
            x += widths[column] + gap;
        }
        y += height + Points(device, 2);
    };

    const QString whose =
        answer.person.isEmpty() ? QStringLiteral("Schedule of Observances") : answer.person;
    paragraph(heading,
              QStringLiteral("%1, %2 reckoning").arg(whose, CalendarTitle(answer.calendar)));
    paragraph(font, ScheduleSummary(answer, settings));
    y += Points(device, 6);
    line(bold, titles);
    painter.setPen(QPen(Qt::black, Points(device, 0.5)));
    painter.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
    y += Points(device, 3);
    for (const QStringList &row : rows)
        line(font, row);
}
