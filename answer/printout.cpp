// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/printout.h"

#include "answer/answer.h"
#include "platform/regional.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <numeric>

namespace {

// Points to the device's own units, so the page looks the same on a printer and in a PDF.
qreal Points(const QPaintDevice &device, qreal points)
{
    return points * device.logicalDpiY() / 72.0;
}

// Room for a binder's holes and a printer's grip, whatever margins it asks for itself.
void KeepLeastMargins(QPagedPaintDevice &device)
{
    const qreal least = 15;
    const QMarginsF margins = device.pageLayout().margins(QPageLayout::Millimeter);
    device.setPageMargins(QMarginsF(std::max(margins.left(), least), std::max(margins.top(), least),
                                    std::max(margins.right(), least),
                                    std::max(margins.bottom(), least)),
                          QPageLayout::Millimeter);
}

// A table drawn down the pages, its titles again at the top of each new page.
class TablePrinter
{
public:
    TablePrinter(QPagedPaintDevice &device, const std::vector<QStringList> &rows);

    void paragraph(const QFont &font, const QString &text);
    void table();

    const QFont &font() const { return m_font; }

private:
    void fitColumns();
    void line(const QFont &font, const QStringList &cells);

    QPagedPaintDevice &m_device;
    QPainter m_painter;
    const std::vector<QStringList> &m_rows; // titles first
    QRectF m_page;
    qreal m_gap;
    qreal m_y;
    QFont m_font;
    QFont m_bold;
    std::vector<qreal> m_widths;
};

TablePrinter::TablePrinter(QPagedPaintDevice &device, const std::vector<QStringList> &rows)
    : m_device(device), m_painter(&device), m_rows(rows), m_page(m_painter.viewport()),
      m_gap(Points(device, 8)), m_y(m_page.top())
{
    fitColumns();
}

// The widest text of each column, the titles in bold. A wordy regional long date or note makes
// the type smaller, down to 7 points; past that the last column wraps.
void TablePrinter::fitColumns()
{
    const qsizetype columns = m_rows.front().size();
    m_widths.assign(size_t(columns), 0);
    for (qreal size = 10; size >= 7; size -= 0.5) {
        m_font.setPointSizeF(size);
        m_bold = m_font;
        m_bold.setBold(true);
        for (size_t row = 0; row < m_rows.size(); ++row) {
            const QFontMetricsF metrics(row == 0 ? m_bold : m_font, &m_device);
            for (qsizetype column = 0; column < columns; ++column)
                m_widths[size_t(column)] = std::max(row == 0 ? 0 : m_widths[size_t(column)],
                                                    metrics.horizontalAdvance(m_rows[row][column]));
        }
        if (std::accumulate(m_widths.begin(), m_widths.end(), 0.0) + m_gap * qreal(columns - 1) <=
            m_page.width())
            break;
    }
    m_widths.back() = std::max(Points(m_device, 60),
                               m_page.width() - m_gap * qreal(columns - 1) -
                                   std::accumulate(m_widths.begin(), m_widths.end() - 1, 0.0));
}

void TablePrinter::paragraph(const QFont &font, const QString &text)
{
    m_painter.setFont(font);
    const QRectF room(m_page.left(), m_y, m_page.width(), m_page.bottom() - m_y);
    QRectF used;
    m_painter.drawText(room, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text, &used);
    m_y += used.height() + Points(m_device, 6);
}

void TablePrinter::table()
{
    m_y += Points(m_device, 6);
    line(m_bold, m_rows.front());
    m_painter.setPen(QPen(Qt::black, Points(m_device, 0.5)));
    m_painter.drawLine(QPointF(m_page.left(), m_y), QPointF(m_page.right(), m_y));
    m_y += Points(m_device, 3);
    for (size_t row = 1; row < m_rows.size(); ++row)
        line(m_font, m_rows[row]);
}

void TablePrinter::line(const QFont &font, const QStringList &cells)
{
    m_painter.setFont(font);
    qreal height = QFontMetricsF(font, &m_device).height();
    for (qsizetype column = 0; column < cells.size(); ++column)
        height = std::max(height,
                          m_painter
                              .boundingRect(QRectF(0, 0, m_widths[size_t(column)], m_page.height()),
                                            Qt::TextWordWrap, cells[column])
                              .height());
    if (m_y + height > m_page.bottom()) {
        m_device.newPage();
        m_y = m_page.top();
        if (&font != &m_bold)
            line(m_bold, m_rows.front());
        m_painter.setFont(font);
    }
    qreal x = m_page.left();
    for (qsizetype column = 0; column < cells.size(); ++column) {
        m_painter.drawText(QRectF(x, m_y, m_widths[size_t(column)], height),
                           Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, cells[column]);
        x += m_widths[size_t(column)] + m_gap;
    }
    m_y += height + Points(m_device, 2);
}

} // namespace

void PrintTable(QPagedPaintDevice &device, const QString &heading, const QString &summary,
                const std::vector<QStringList> &rows)
{
    KeepLeastMargins(device);
    TablePrinter printer(device, rows);
    QFont big = printer.font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    printer.paragraph(big, heading);
    printer.paragraph(printer.font(), summary);
    printer.table();
}

void PrintSchedule(QPagedPaintDevice &device, const Answer &answer,
                   const RegionalSettings &settings)
{
    // In date order, as the window lists them.
    Answer sorted = answer;
    if (sorted.observances)
        std::ranges::stable_sort(*sorted.observances, {}, [](const Observance &entry) {
            return ToQDate(entry.date).toJulianDay();
        });
    const QString whose =
        answer.person.isEmpty() ? QStringLiteral("Schedule of Observances") : answer.person;
    PrintTable(device,
               QStringLiteral("%1, %2 reckoning").arg(whose, CalendarTitle(answer.calendar)),
               ScheduleSummary(answer, settings), ObservanceRows(sorted, settings));
}
