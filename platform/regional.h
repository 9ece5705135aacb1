// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/calendardate.h"
#include "calendar/datetext.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

// The user's regional date settings as one value, taken from a QLocale (the system's by
// default, any locale in tests). Everything is derived from the locale's own patterns and
// names, so a locale we never heard of still works.
struct RegionalSettings
{
    QLocale locale;
    QString shortDatePattern; // Qt pattern text, e.g. "dd/MM/yyyy"
    QString longDatePattern;
    QString dateSeparator;        // between the first two fields of the short pattern
    DateOrderCode shortDateOrder; // the order of d, M and y in the short pattern
    QStringList monthNames;       // 12 regional full names
    QStringList shortMonthNames;  // 12 regional abbreviated names
    QChar decimalSeparator;
    DateTextRules rules; // the same settings as the date and number reading needs them

    static RegionalSettings fromLocale(const QLocale &locale = QLocale::system());
};

// Today's local date from the system clock.
CalendarDate Today();

QDate ToQDate(CalendarDate date);
std::optional<CalendarDate> FromQDate(QDate date);

// Is-date test and parse; the test is true exactly when the parse succeeds.
std::optional<CalendarDate> ParseDate(const QString &text, DateOrderCode order,
                                      const RegionalSettings &settings);
bool IsDate(const QString &text, DateOrderCode order, const RegionalSettings &settings);

// Formats by the program's named patterns: "dd-mmm-yyyy", "Long Date", "Short Date", the
// typing hints "dd-mm-yyyy", "mm-dd-yyyy" and "yyyy-mm-dd", and "dd/mm/yyyy", "mm/dd/yyyy" and
// "yyyy/mm/dd" (each "/" the regional separator).
QString FormatDate(CalendarDate date, const QString &pattern, const RegionalSettings &settings);

bool IsNumeric(const QString &text, const RegionalSettings &settings);
double Val(const QString &text, const RegionalSettings &settings);

// Formats the probe date 22 November 3344 in the regional short date and reads which field
// comes first: "22" gives day-month-year, "11" month-day-year, anything else year-month-day.
DateOrderCode DetectDateOrder(const RegionalSettings &settings);

// The pattern a date is typed in, as the typing hint names it (DateFormatHint), with the
// regional separator ("dd/mm/yyyy", "mm/dd/yyyy" or "yyyy/mm/dd").
QString TodayPattern(DateOrderCode order);
