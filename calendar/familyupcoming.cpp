// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/familyupcoming.h"

#include "calendar/familydocument.h"
#include "calendar/names.h"
#include "calendar/observancetext.h"
#include "calendar/roz.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <variant>

namespace {

// The date whose roz the event has, and the place whose sunrise decided it where a time and a
// place were given; nullopt when the place no longer reads or its sun does not rise that day.
std::optional<CalendarDate> RozDateOf(const FamilyRecord &entry, const TimeZones &zones,
                                      std::string *sunPlace)
{
    bool beforeSunrise = false;
    if (entry.time && !entry.place.empty()) {
        const std::variant<PlaceText, std::string> read = ReadPlaceText(entry.place, zones.known);
        const PlaceText *place = std::get_if<PlaceText>(&read);
        if (!place)
            return std::nullopt;
        const SunDay sun = SunOn(entry.date, place->latitude, place->longitude);
        if (sun.daylight != Daylight::RisesAndSets)
            return std::nullopt;
        const ZoneOffsetAt offsetAt = [&](UtSeconds moment) {
            return zones.offset(place->zone, moment);
        };
        const UtSeconds moment = UtOfLocal(entry.date, *entry.time, offsetAt);
        beforeSunrise =
            SunMomentOf(moment, entry.date, sun, place->latitude, place->longitude, entry.calendar)
                .beforeSunrise;
        *sunPlace = place->name;
    }
    return BeforeDawnShift(entry.date, entry.beforeDawn || beforeSunrise);
}

nlohmann::json NullOr(const std::string &text)
{
    return text.empty() ? nlohmann::json() : nlohmann::json(text);
}

nlohmann::json AllNames(std::string_view (*nameIn)(int, Script), int n)
{
    return {{"en", nameIn(n, Script::English)},
            {"gu", nameIn(n, Script::Gujarati)},
            {"fa", nameIn(n, Script::Persian)}};
}

// A day's roz, name, names, mah, mah_name, mah_names and yz_year, as every JSON answer gives them.
void AddDay(nlohmann::json &object, const ZoroastrianDay &day)
{
    object["roz"] = day.roz;
    object["name"] = RozRowOf(day.roz).name;
    object["names"] = AllNames(RozNameIn, day.roz);
    object["mah"] = day.mah != 0 ? nlohmann::json(day.mah) : nlohmann::json();
    object["mah_name"] = day.mah != 0 ? nlohmann::json(MahName(day.mah)) : nlohmann::json();
    object["mah_names"] = day.mah != 0 ? AllNames(MahNameIn, day.mah) : nlohmann::json();
    object["yz_year"] = day.yzYear;
}

nlohmann::json ListObject(const FamilyRecord &entry, const TimeZones &zones)
{
    const std::optional<FamilyAnswer> answer = FamilyAnswerOf(entry, entry.date.year(), 0, zones);
    nlohmann::json object = nlohmann::json::object();
    if (answer)
        AddDay(object, answer->day);
    object["id"] = entry.id;
    object["person"] = entry.person;
    object["kind"] = EventKindWord(entry.kind);
    object["entered"] = core::IsoDate(entry.date);
    object["reckoning"] =
        answer ? nlohmann::json(core::IsoDate(answer->rozDate)) : nlohmann::json();
    object["calendar"] = core::CalendarName(entry.calendar);
    object["before_dawn"] = entry.beforeDawn;
    object["time"] = entry.time ? nlohmann::json(ClockText(*entry.time)) : nlohmann::json();
    object["place"] = NullOr(entry.place);
    const bool death = entry.kind == EventKind::Death;
    object["days"] = death ? nlohmann::json(entry.days) : nlohmann::json();
    object["months"] = death ? nlohmann::json(entry.months) : nlohmann::json();
    object["note"] = NullOr(entry.note);
    return object;
}

} // namespace

std::optional<FamilyAnswer> FamilyAnswerOf(const FamilyRecord &entry, int fromYear, int years,
                                           const TimeZones &zones)
{
    std::string sunPlace;
    const std::optional<CalendarDate> rozDate = RozDateOf(entry, zones, &sunPlace);
    if (!rozDate)
        return std::nullopt;
    // A death's months and days are kept only in the first years after it: asked from long
    // after them, only its yearly observances are reckoned.
    const CalendarDate fromDay = *CalendarDate::fromYmd(fromYear, 1, 1);
    const long since = DaysSince1970(fromDay) - DaysSince1970(*rozDate);
    const int lastDay =
        entry.days.empty() ? 0 : *std::max_element(entry.days.begin(), entry.days.end());
    const bool early = since <= std::max<long>(lastDay, long(entry.months + 2) * 30 + 5);
    const bool death = entry.kind == EventKind::Death && early;
    // Years of three or four digits are taken as they are: no regional reading is asked.
    ScheduleRequest request{TargetYears(fromYear, years, DateTextRules{}), death ? entry.months : 0,
                            death ? entry.days : std::vector<int>{}};
    // Day arithmetic alone: a register of a thousand entries answers within a repaint.
    return FamilyAnswer{*rozDate, ZoroastrianDayOf(*rozDate, entry.calendar), sunPlace,
                        MakeSchedule(*rozDate, entry.calendar, request)};
}

std::string FamilyListJson(const std::vector<FamilyRecord> &entries, const TimeZones &zones)
{
    nlohmann::json list = nlohmann::json::array();
    for (const FamilyRecord &entry : entries)
        list.push_back(ListObject(entry, zones));
    return list.dump() + '\n';
}

FamilyUpcoming UpcomingObservances(const std::vector<FamilyRecord> &entries, CalendarDate from,
                                   int days, const TimeZones &zones)
{
    FamilyUpcoming upcoming{from, days, {}, {}, {}};
    CalendarDate last = from;
    for (int n = 1; n < days && last < CalendarDate::last(); ++n)
        last = last.nextDay();
    // A 365-day year's date drifts into the Gregorian year before the one asked for, so the
    // years around the span are asked too, and the dates sorted out.
    const int fromYear = std::max(CalendarDate::kFirstYear, from.year() - 1);
    const int toYear = std::min(CalendarDate::kLastYear, last.year() + 1);
    for (const FamilyRecord &entry : entries) {
        std::optional<FamilyAnswer> answer =
            FamilyAnswerOf(entry, fromYear, toYear - fromYear + 1, zones);
        if (!answer)
            continue;
        std::vector<Observance> &kept = answer->observances;
        kept.erase(std::remove_if(kept.begin(), kept.end(),
                                  [&](const Observance &o) {
                                      return o.date < from || o.date > last ||
                                             o.date <= answer->rozDate;
                                  }),
                   kept.end());
        if (kept.empty())
            continue;
        for (const Observance &o : kept)
            upcoming.items.push_back({upcoming.entries.size(), o});
        upcoming.entries.push_back(entry);
        upcoming.answers.push_back(std::move(*answer));
    }
    std::stable_sort(upcoming.items.begin(), upcoming.items.end(),
                     [](const FamilyUpcoming::Item &a, const FamilyUpcoming::Item &b) {
                         return a.observance.date < b.observance.date;
                     });
    return upcoming;
}

std::string UpcomingJson(const FamilyUpcoming &upcoming)
{
    // A year of a large register lists thousands of observances: written as they come, keys in
    // the order the desktop's JSON sorts them.
    std::string json = "{\"days\":" + std::to_string(upcoming.days) + ",\"from\":\"" +
                       core::IsoDate(upcoming.from) + "\",\"observances\":[";
    const char *separator = "";
    for (const FamilyUpcoming::Item &item : upcoming.items) {
        const FamilyRecord &entry = upcoming.entries[item.entry];
        const Observance &o = item.observance;
        json += separator;
        separator = ",";
        json += "{\"also\":[";
        for (size_t k = 0; k < o.also.size(); ++k) {
            json += k ? ",{\"kind\":\"" : "{\"kind\":\"";
            json += core::ObservanceKindName(o.also[k].kind);
            json += "\",\"n\":" + std::to_string(o.also[k].n) + "}";
        }
        json += "],\"date\":\"" + core::IsoDate(o.date) + "\",\"event\":\"";
        json += EventKindWord(entry.kind);
        json += "\",\"id\":" + std::to_string(entry.id) + ",\"kind\":\"";
        json += core::ObservanceKindName(o.kind);
        json += "\",\"mah\":";
        json += o.day.mah != 0 ? std::to_string(o.day.mah) : "null";
        json += ",\"mah_name\":";
        o.day.mah != 0 ? AppendJsonText(json, MahName(o.day.mah)) : void(json += "null");
        json += ",\"n\":" + std::to_string(o.n) + ",\"name\":";
        AppendJsonText(json, RozRowOf(o.day.roz).name);
        const std::string note = core::ObservanceNote(o, upcoming.answers[item.entry].day);
        json += ",\"note\":";
        note.empty() ? void(json += "null") : AppendJsonText(json, note);
        json += ",\"person\":";
        AppendJsonText(json, entry.person);
        json += ",\"roz\":" + std::to_string(o.day.roz) +
                ",\"yz_year\":" + std::to_string(o.day.yzYear) + "}";
    }
    return json + "]}\n";
}

std::vector<core::CalendarEvent> UpcomingEvents(const FamilyUpcoming &upcoming,
                                                std::optional<int> remindDays)
{
    std::vector<core::CalendarEvent> events;
    for (size_t k = 0; k < upcoming.entries.size(); ++k) {
        const FamilyRecord &entry = upcoming.entries[k];
        const FamilyAnswer &answer = upcoming.answers[k];
        const core::ScheduleOwner owner{entry.date,     answer.rozDate,
                                        entry.calendar, answer.day,
                                        entry.person,   std::string(core::YearlyName(entry.kind)),
                                        answer.sunPlace};
        std::vector<core::CalendarEvent> more =
            core::ObservanceEvents(answer.observances, owner, remindDays);
        events.insert(events.end(), std::make_move_iterator(more.begin()),
                      std::make_move_iterator(more.end()));
    }
    return events;
}

std::string UpcomingLabel(const FamilyUpcoming &upcoming, const FamilyUpcoming::Item &item)
{
    return core::ObservanceLabel(item.observance,
                                 core::YearlyName(upcoming.entries[item.entry].kind));
}

std::string UpcomingSummary(const FamilyUpcoming &upcoming)
{
    const size_t count = upcoming.items.size();
    return std::to_string(count) + (count == 1 ? " observance" : " observances") + " in the next " +
           std::to_string(upcoming.days) + " days";
}
