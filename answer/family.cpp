// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/family.h"

#include "answer/writtenforms.h"
#include "platform/placetime.h"
#include "platform/regional.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {

// The date whose roz the event has: the day before for an event before dawn, or before sunrise
// at its place; and the sun there, when a time and a place were given.
std::optional<CalendarDate> RozDateOf(const FamilyEntry &entry, std::optional<SunAnswer> *sun,
                                      const RegionalSettings &settings)
{
    if (entry.time && !entry.place.isEmpty()) {
        QString problem;
        const std::optional<Place> place = ReadPlace(entry.place, &problem);
        if (place)
            *sun = SunAnswerFor(*place, entry.date, entry.time, entry.calendar, settings, &problem);
        if (!*sun)
            return std::nullopt;
    }
    return BeforeDawnShift(entry.date, entry.beforeDawn || (*sun && (*sun)->beforeSunrise));
}

} // namespace

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

std::optional<Answer> EntryAnswer(const FamilyEntry &entry, int fromYear, int years,
                                  const RegionalSettings &settings)
{
    std::optional<SunAnswer> sun;
    const std::optional<CalendarDate> rozDate = RozDateOf(entry, &sun, settings);
    if (!rozDate)
        return std::nullopt;
    // A death's months and days are kept only in the first years after it: asked from long
    // after them, only its yearly observances are reckoned.
    const qint64 since = ToQDate(*rozDate).daysTo(QDate(fromYear, 1, 1));
    const int lastDay = entry.days.empty() ? 0 : *std::ranges::max_element(entry.days);
    const bool early = since <= std::max<qint64>(lastDay, qint64(entry.months + 2) * 30 + 5);
    const bool death = entry.kind == EventKind::Death && early;
    ScheduleRequest request{TargetYears(fromYear, years, settings.rules), death ? entry.months : 0,
                            death ? entry.days : std::vector<int>{}};
    // Day arithmetic alone: a register of a thousand entries answers within a repaint.
    Answer answer{entry.date,
                  *rozDate,
                  entry.calendar,
                  ZoroastrianDayOf(*rozDate, entry.calendar),
                  {},
                  {},
                  MakeSchedule(*rozDate, entry.calendar, request),
                  entry.person,
                  YearlyName(entry.kind),
                  sun};
    return answer;
}

std::vector<QStringList> FamilyRows(const std::vector<FamilyEntry> &entries,
                                    const RegionalSettings &settings)
{
    std::vector<QStringList> rows = {{"Id", "Person", "Kind", "Date", "Roz", "Mah", "Reckoning"}};
    for (const FamilyEntry &entry : entries) {
        const std::optional<Answer> answer = EntryAnswer(entry, entry.date.year(), 0, settings);
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

QByteArray FamilyListJson(const std::vector<FamilyEntry> &entries, const RegionalSettings &settings)
{
    auto orNull = [](const QString &text) {
        return text.isEmpty() ? QJsonValue() : QJsonValue(text);
    };
    QJsonArray list;
    for (const FamilyEntry &entry : entries) {
        const std::optional<Answer> answer = EntryAnswer(entry, entry.date.year(), 0, settings);
        QJsonObject object = answer ? DayObject(answer->day) : QJsonObject();
        object[u"id"] = entry.id;
        object[u"person"] = entry.person;
        object[u"kind"] = EventKindName(entry.kind);
        object[u"entered"] = IsoDate(entry.date);
        object[u"reckoning"] = answer ? QJsonValue(IsoDate(answer->rozDate)) : QJsonValue();
        object[u"calendar"] = CalendarName(entry.calendar);
        object[u"before_dawn"] = entry.beforeDawn;
        object[u"time"] =
            entry.time ? QJsonValue(entry.time->toString(QStringLiteral("HH:mm"))) : QJsonValue();
        object[u"place"] = orNull(entry.place);
        const bool death = entry.kind == EventKind::Death;
        QJsonArray days;
        for (int day : entry.days)
            days.append(day);
        object[u"days"] = death ? QJsonValue(days) : QJsonValue();
        object[u"months"] = death ? QJsonValue(entry.months) : QJsonValue();
        object[u"note"] = orNull(entry.note);
        list.append(object);
    }
    return QJsonDocument(list).toJson(QJsonDocument::Compact) + '\n';
}

Upcoming UpcomingObservances(const std::vector<FamilyEntry> &entries, CalendarDate from, int days,
                             const RegionalSettings &settings)
{
    Upcoming upcoming{from, days, {}, {}};
    CalendarDate last = from;
    for (int n = 1; n < days && last < CalendarDate::last(); ++n)
        last = last.nextDay();
    // A 365-day year's date drifts into the Gregorian year before the one asked for, so the
    // years around the span are asked too, and the dates sorted out.
    const int fromYear = std::max(CalendarDate::kFirstYear, from.year() - 1);
    const int toYear = std::min(CalendarDate::kLastYear, last.year() + 1);
    for (const FamilyEntry &entry : entries) {
        std::optional<Answer> answer =
            EntryAnswer(entry, fromYear, toYear - fromYear + 1, settings);
        if (!answer)
            continue;
        std::erase_if(*answer->observances, [&](const Observance &o) {
            return o.date < from || o.date > last || o.date <= answer->rozDate;
        });
        if (answer->observances->empty())
            continue;
        for (const Observance &o : *answer->observances)
            upcoming.items.push_back({upcoming.entries.size(), o});
        upcoming.entries.emplace_back(entry, std::move(*answer));
    }
    std::ranges::stable_sort(upcoming.items, [](const Upcoming::Item &a, const Upcoming::Item &b) {
        return a.observance.date < b.observance.date;
    });
    return upcoming;
}

std::vector<QStringList> UpcomingRows(const Upcoming &upcoming, const RegionalSettings &settings)
{
    std::vector<QStringList> rows = {{"Person", "Observance", "Date", "Roz", "Mah", "YZ", "Note"}};
    for (const Upcoming::Item &item : upcoming.items) {
        const auto &[entry, answer] = upcoming.entries[item.entry];
        const Observance &o = item.observance;
        rows.push_back({entry.person, ObservanceLabel(o, answer),
                        FormatDate(o.date, QStringLiteral("Long Date"), settings), RozText(o.day),
                        MahText(o.day), QString::number(o.day.yzYear),
                        ObservanceNote(o, answer.day)});
    }
    return rows;
}

QString toText(const Upcoming &upcoming, const RegionalSettings &settings)
{
    return ColumnTable(UpcomingRows(upcoming, settings));
}

QByteArray toJson(const Upcoming &upcoming)
{
    // A year of a large register lists thousands of observances: written as they come.
    JsonWriter json;
    json.begin('{').key("days").value(upcoming.days).key("from").value(upcoming.from);
    json.key("observances").begin('[');
    for (const Upcoming::Item &item : upcoming.items) {
        const auto &[entry, answer] = upcoming.entries[item.entry];
        const Observance &o = item.observance;
        const QString note = ObservanceNote(o, answer.day);
        json.begin('{').key("also").begin('[');
        for (const AlsoKept &other : o.also) {
            json.begin('{').key("kind").value(ObservanceKindName(other.kind));
            json.key("n").value(other.n).end('}');
        }
        json.end(']').key("date").value(o.date);
        json.key("event").value(EventKindName(entry.kind)).key("id").value(entry.id);
        json.key("kind").value(ObservanceKindName(o.kind)).key("mah");
        o.day.mah != 0 ? json.value(o.day.mah) : json.null();
        json.key("mah_name");
        o.day.mah != 0 ? json.value(MahName(o.day.mah)) : json.null();
        json.key("n").value(o.n).key("name").value(RozRowOf(o.day.roz).name);
        json.key("note");
        note.isEmpty() ? json.null() : json.value(note);
        json.key("person").value(entry.person).key("roz").value(o.day.roz);
        json.key("yz_year").value(o.day.yzYear).end('}');
    }
    return json.end(']').end('}').text();
}

QByteArray toICalendar(const Upcoming &upcoming, const QDateTime &stamp,
                       std::optional<int> remindDays)
{
    std::vector<core::CalendarEvent> events;
    for (const auto &[entry, answer] : upcoming.entries)
        AddObservanceEvents(events, answer, remindDays);
    return CalendarFileBytes(events, stamp);
}

QString ReminderSummary(const Upcoming &upcoming)
{
    const qsizetype count = qsizetype(upcoming.items.size());
    return QStringLiteral("%1 %2 in the next %3 days")
        .arg(count)
        .arg(count == 1 ? QStringLiteral("observance") : QStringLiteral("observances"))
        .arg(upcoming.days);
}

QStringList ReminderLines(const Upcoming &upcoming, const RegionalSettings &settings)
{
    QStringList lines;
    for (const Upcoming::Item &item : upcoming.items) {
        const auto &[entry, answer] = upcoming.entries[item.entry];
        lines << QStringLiteral("%1: %2, %3 (%4)")
                     .arg(FormatDate(item.observance.date, QStringLiteral("Long Date"), settings),
                          entry.person, ObservanceLabel(item.observance, answer),
                          RozText(item.observance.day));
    }
    return lines;
}
