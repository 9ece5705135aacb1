// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/regional.h"

#include "calendar/checks.h"
#include "platform/coretext.h"

namespace {

bool isFieldLetter(QChar c)
{
    return c == u'd' || c == u'M' || c == u'y';
}

// Reads a Qt date pattern for the order of its d, M and y fields and for the text that stands
// between the first two of them. Quoted literals are text, not fields.
void readShortPattern(const QString &pattern, DateOrderCode &order, QString &separator)
{
    QString fields;
    QString between;
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == u'\'') {
            if (i + 1 < pattern.size() && pattern.at(i + 1) == u'\'') {
                if (fields.size() == 1)
                    between += c;
                ++i;
            } else {
                quoted = !quoted;
            }
            continue;
        }
        if (!quoted && isFieldLetter(c)) {
            if (fields.isEmpty() || fields.back() != c) {
                if (!fields.contains(c))
                    fields += c;
            }
            continue;
        }
        if (fields.size() == 1)
            between += c;
    }
    if (fields.startsWith(u"dM"))
        order = kDayMonthYear;
    else if (fields.startsWith(u"Md"))
        order = kMonthDayYear;
    else
        order = kYearMonthDay;
    separator = between.isEmpty() ? QStringLiteral("/") : between;
}

} // namespace

RegionalSettings RegionalSettings::fromLocale(const QLocale &locale)
{
    RegionalSettings settings;
    settings.locale = locale;
    settings.shortDatePattern = locale.dateFormat(QLocale::ShortFormat);
    settings.longDatePattern = locale.dateFormat(QLocale::LongFormat);
    readShortPattern(settings.shortDatePattern, settings.shortDateOrder, settings.dateSeparator);
    for (int month = 1; month <= 12; ++month) {
        settings.monthNames << locale.monthName(month, QLocale::LongFormat);
        settings.shortMonthNames << locale.monthName(month, QLocale::ShortFormat);
    }
    const QString decimal = locale.decimalPoint();
    settings.decimalSeparator = decimal.size() == 1 ? decimal.at(0) : QChar(u'.');

    DateTextRules &rules = settings.rules;
    rules.separator = std::u16string(ToCore(settings.dateSeparator));
    const QString zero = locale.zeroDigit();
    rules.zeroDigit = zero.size() == 1 ? zero.at(0).unicode() : u'0';
    rules.decimalSeparator = settings.decimalSeparator.unicode();
    // Both the names used inside a date and the stand-alone ones, so that a month typed in its
    // nominative form reads too where the language tells the two apart.
    for (int month = 1; month <= 12; ++month) {
        for (auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
            for (const QString &name :
                 {locale.monthName(month, format), locale.standaloneMonthName(month, format)}) {
                if (!name.isEmpty())
                    rules.monthWords.push_back(
                        {std::u16string(ToCore(name.toCaseFolded())), month});
            }
        }
    }
    return settings;
}

CalendarDate Today()
{
    // The clock can only give a date inside the calendar for the next eight thousand years.
    return FromQDate(QDate::currentDate()).value_or(CalendarDate::last());
}

QDate ToQDate(CalendarDate date)
{
    return QDate(date.year(), date.month(), date.day());
}

std::optional<CalendarDate> FromQDate(QDate date)
{
    if (!date.isValid())
        return std::nullopt;
    return CalendarDate::fromYmd(date.year(), date.month(), date.day());
}

std::optional<CalendarDate> ParseDate(const QString &text, DateOrderCode order,
                                      const RegionalSettings &settings)
{
    // Folding the whole text leaves digits and separators alone and lets month names of any
    // script match the folded regional names.
    return ParseDateText(ToCore(text.toCaseFolded()), order, settings.rules);
}

bool IsDate(const QString &text, DateOrderCode order, const RegionalSettings &settings)
{
    return ParseDate(text, order, settings).has_value();
}

QString FormatDate(CalendarDate date, const QString &pattern, const RegionalSettings &settings)
{
    auto twoDigits = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')); };
    auto fourDigits = [](int n) { return QStringLiteral("%1").arg(n, 4, 10, QChar(u'0')); };

    if (pattern == u"dd-mmm-yyyy")
        return twoDigits(date.day()) + u'-' + settings.shortMonthNames.at(date.month() - 1) + u'-' +
               fourDigits(date.year());
    if (pattern == u"Long Date")
        return settings.locale.toString(ToQDate(date), settings.longDatePattern);
    if (pattern == u"Short Date")
        return settings.locale.toString(ToQDate(date), settings.shortDatePattern);
    // The numeric patterns in the three orders: "-" stands for itself, "/" for the regional
    // separator.
    for (const DateOrderCode order : {kDayMonthYear, kMonthDayYear, kYearMonthDay}) {
        const QString hint = FromCore(DateFormatHint(order));
        const QString separator = pattern == hint                  ? QStringLiteral("-")
                                  : pattern == TodayPattern(order) ? settings.dateSeparator
                                                                   : QString();
        if (separator.isEmpty())
            continue;
        const QString day = twoDigits(date.day()), month = twoDigits(date.month());
        const QString year = fourDigits(date.year());
        return order == kDayMonthYear   ? day + separator + month + separator + year
               : order == kMonthDayYear ? month + separator + day + separator + year
                                        : year + separator + month + separator + day;
    }
    return settings.locale.toString(ToQDate(date), pattern);
}

bool IsNumeric(const QString &text, const RegionalSettings &settings)
{
    return IsNumericText(ToCore(text), settings.rules);
}

double Val(const QString &text, const RegionalSettings &settings)
{
    return LeadingNumber(ToCore(text), settings.rules.zeroDigit);
}

DateOrderCode DetectDateOrder(const RegionalSettings &settings)
{
    // The probe's day, month and the start of its year are three different pairs of digits,
    // so whichever the short date writes first names the order.
    constexpr CalendarDate probe = *CalendarDate::fromYmd(3344, 11, 22);
    // Where the short date is written in the locale's own digits (Arabic, Bengali, Marathi and
    // others), those are read as the digits they are.
    QString first = FormatDate(probe, QStringLiteral("Short Date"), settings).left(2);
    const char16_t zero = settings.rules.zeroDigit;
    for (QChar &c : first) {
        if (zero != u'0' && c.unicode() >= zero && c.unicode() <= zero + 9)
            c = QChar(u'0' + (c.unicode() - zero));
    }
    if (first == u"22")
        return kDayMonthYear;
    if (first == u"11")
        return kMonthDayYear;
    return kYearMonthDay;
}

QString TodayPattern(DateOrderCode order)
{
    return FromCore(DateFormatHint(order)).replace(u'-', u'/');
}
