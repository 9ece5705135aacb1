// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/family.h"

#include "answer/writtenforms.h"
#include "platform/coretext.h"
#include "platform/placetime.h"
#include "platform/regional.h"

QString YearlyName(EventKind kind)
{
    return FromCore(core::YearlyName(kind));
}

QString EventKindTitle(EventKind kind)
{
    QString title = EventKindName(kind);
    title[0] = title[0].toUpper();
    return title;
}

std::vector<QStringList> FamilyRows(const std::vector<FamilyEntry> &entries,
                                    const RegionalSettings &settings)
{
    const TimeZones zones = DesktopZones();
    std::vector<QStringList> rows = {{"Id", "Person", "Kind", "Date", "Roz", "Mah", "Reckoning"}};
    for (const FamilyEntry &entry : entries) {
        const std::optional<FamilyAnswer> answer =
            FamilyAnswerOf(ToCore(entry), entry.date.year(), 0, zones);
        rows.push_back({QString::number(entry.id), entry.person, EventKindTitle(entry.kind),
                        FormatDate(entry.date, QStringLiteral("dd-mmm-yyyy"), settings),
                        answer ? RozText(answer->day) : QString(),
                        answer ? MahText(answer->day) : QString(), CalendarTitle(entry.calendar)});
    }
    return rows;
}

QString FamilyListText(const std::vector<FamilyEntry> &entries, const RegionalSettings &settings)
{
    return entries.empty() ? QString() : ColumnTable(FamilyRows(entries, settings));
}

QByteArray FamilyListJson(const std::vector<FamilyEntry> &entries, const RegionalSettings &)
{
    return QByteArray::fromStdString(FamilyListJson(ToCore(entries), DesktopZones()));
}

Upcoming UpcomingObservances(const std::vector<FamilyEntry> &entries, CalendarDate from, int days,
                             const RegionalSettings &)
{
    return UpcomingObservances(ToCore(entries), from, days, DesktopZones());
}

std::vector<QStringList> UpcomingRows(const Upcoming &upcoming, const RegionalSettings &settings)
{
    std::vector<QStringList> rows = {{"Person", "Observance", "Date", "Roz", "Mah", "YZ", "Note"}};
    for (const Upcoming::Item &item : upcoming.items) {
        const Observance &o = item.observance;
        rows.push_back({FromCore(upcoming.entries[item.entry].person),
                        FromCore(UpcomingLabel(upcoming, item)),
                        FormatDate(o.date, QStringLiteral("Long Date"), settings), RozText(o.day),
                        MahText(o.day), QString::number(o.day.yzYear),
                        ObservanceNote(o, upcoming.answers[item.entry].day)});
    }
    return rows;
}

QString toText(const Upcoming &upcoming, const RegionalSettings &settings)
{
    return ColumnTable(UpcomingRows(upcoming, settings));
}

QByteArray toJson(const Upcoming &upcoming)
{
    return QByteArray::fromStdString(UpcomingJson(upcoming));
}

QByteArray toICalendar(const Upcoming &upcoming, const QDateTime &stamp,
                       std::optional<int> remindDays)
{
    return CalendarFileBytes(UpcomingEvents(upcoming, remindDays), stamp);
}

QString ReminderSummary(const Upcoming &upcoming)
{
    return FromCore(UpcomingSummary(upcoming));
}

QStringList ReminderLines(const Upcoming &upcoming, const RegionalSettings &settings)
{
    QStringList lines;
    for (const Upcoming::Item &item : upcoming.items)
        lines << QStringLiteral("%1: %2, %3 (%4)")
                     .arg(FormatDate(item.observance.date, QStringLiteral("Long Date"), settings),
                          FromCore(upcoming.entries[item.entry].person),
                          FromCore(UpcomingLabel(upcoming, item)), RozText(item.observance.day));
    return lines;
}
