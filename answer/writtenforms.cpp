// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/writtenforms.h"

#include "platform/regional.h"

#include <algorithm>

QString IsoDate(CalendarDate date)
{
    return ToQDate(date).toString(Qt::ISODate);
}

icaltimetype IcalDate(CalendarDate date)
{
    icaltimetype time = icaltime_null_date();
    time.year = date.year();
    time.month = date.month();
    time.day = date.day();
    return time;
}

CalendarFile NewCalendarFile()
{
    CalendarFile calendar(icalcomponent_new_vcalendar(), &icalcomponent_free);
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(),
                               icalproperty_new_prodid("-//Dalvane//dalvane-cli//EN"));
    return calendar;
}

icaltimetype IcalStamp(qint64 secondsSinceEpoch)
{
    return icaltime_from_timet_with_zone(time_t(secondsSinceEpoch), 0,
                                         icaltimezone_get_utc_timezone());
}

namespace {

// The columns a terminal gives the text: a Gujarati vowel sign above or below its letter and a
// zero-width joiner take none, as the C library's wcwidth() counts them.
qsizetype TerminalWidth(const QString &text)
{
    qsizetype width = 0;
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        width += category != QChar::Mark_NonSpacing && category != QChar::Mark_Enclosing &&
                 category != QChar::Other_Format;
    }
    return width;
}

} // namespace

QString ColumnTable(const std::vector<QStringList> &rows)
{
    std::vector<qsizetype> widths;
    for (const QStringList &row : rows) {
        widths.resize(std::max(widths.size(), size_t(row.size())));
        for (qsizetype i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], TerminalWidth(row[i]));
    }
    QString text;
    for (const QStringList &row : rows) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i)
            line += row[i] + QString(widths[i] + 2 - TerminalWidth(row[i]), u' ');
        text += line.trimmed() + u'\n';
    }
    return text;
}
