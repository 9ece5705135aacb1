// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The family's register for the page: an entry checked as the Family window checks it, and the
// lists, JSON and calendar file of dalvane-cli family, made by the same core from the page's own
// family document. Answers made as JSON text are handed over through JSON.parse: one call
// rather than one per key.
#include "calendar/checks.h"
#include "calendar/familydocument.h"
#include "calendar/familyupcoming.h"
#include "calendar/observancetext.h"
#include "calendar/roz.h"

#include <chrono>
#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <string>
#include <variant>

using emscripten::val;

// The browser's zone data (binding.cpp); whether it knows a zone is asked once a zone, as making
// a formatter costs more than the sun.
extern "C" int zone_offset_seconds(const char *zone, double ut);

// clang-format off
EM_JS(int, zone_known, (const char *zone), {
    const name = UTF8ToString(zone);
    const known = Module.zonesKnown || (Module.zonesKnown = new Map());
    if (!known.has(name)) {
        try {
            new Intl.DateTimeFormat("en-US", {timeZone: name});
            known.set(name, 1);
        } catch (e) {
            known.set(name, 0);
        }
    }
    return known.get(name);
});
// clang-format on

namespace {

const TimeZones &BrowserZones()
{
    static const TimeZones zones{
        [](std::string_view zone) { return zone_known(std::string(zone).c_str()) != 0; },
        [](std::string_view zone, UtSeconds moment) {
            return zone_offset_seconds(std::string(zone).c_str(), double(moment));
        }};
    return zones;
}

val Parsed(const std::string &json)
{
    return val::global("JSON").call<val>("parse", json);
}

val Refused(const std::string &message)
{
    val answer = val::object();
    answer.set("ok", false);
    answer.set("message", message);
    return answer;
}

// The page's document last read or written and its entries, with the ids a register gives
// them, 1 to n: the view writes its document, then asks for its people and two spans of it.
struct ReadDocument
{
    std::string text;
    std::variant<std::vector<FamilyRecord>, std::string> entries = std::string();
};

ReadDocument &LastDocument()
{
    static ReadDocument last;
    return last;
}

void Remember(std::string document, std::variant<std::vector<FamilyRecord>, std::string> entries)
{
    if (auto *read = std::get_if<std::vector<FamilyRecord>>(&entries))
        for (size_t k = 0; k < read->size(); ++k)
            (*read)[k].id = std::int64_t(k + 1);
    LastDocument() = {std::move(document), std::move(entries)};
}

const std::variant<std::vector<FamilyRecord>, std::string> &Register(const std::string &document)
{
    if (document.empty() || document != LastDocument().text)
        Remember(document, ReadFamilyDocument(document, BrowserZones().known));
    return LastDocument().entries;
}

std::optional<FamilyUpcoming> Coming(const std::string &document, const std::string &fromIso,
                                     int days, std::string *problem)
{
    const auto &read = Register(document);
    const std::optional<CalendarDate> from = IsoDateOf(fromIso);
    if (const std::string *bad = std::get_if<std::string>(&read))
        *problem = *bad;
    else if (!from || days < 1 || days > 3660)
        *problem = "the span must start on a yyyy-mm-dd date and last 1 to 3660 days";
    if (!problem->empty())
        return std::nullopt;
    return UpcomingObservances(std::get<std::vector<FamilyRecord>>(read), *from, days,
                               BrowserZones());
}

// The entries as the family document's "people" array holds them, export's keys and values.
val People(const std::vector<FamilyRecord> &entries)
{
    return Parsed(FamilyDocument(entries))["people"];
}

val Problem(std::string_view field, const std::string &message)
{
    val answer = Refused(message);
    answer.set("field", std::string(field));
    return answer;
}

bool Blank(const std::string &text)
{
    return text.find_first_not_of(" \t") == std::string::npos;
}

// The date as typed, read as the calculation reads it, and the sun at the place where a time
// was given; the date entered, or the field and words of what is wrong.
std::variant<CalendarDate, val> TypedDate(const val &typed, const FamilyRecord &entry)
{
    const DateOrderCode order = DateOrderCode(typed["order"].as<int>());
    DateTextRules rules;
    if (typed["separator"].isString())
        rules.separator = typed["separator"].as<std::u16string>();
    std::optional<PlaceText> place;
    if (entry.time) {
        auto read = ReadPlaceText(entry.place, BrowserZones().known);
        if (PlaceText *given = std::get_if<PlaceText>(&read))
            place = std::move(*given);
    }
    // Any year reads: the entry keeps no year of its own, the check wants one.
    const std::u16string year = u"2000";
    const std::variant<TypedDates, TypedProblem> checked =
        CheckTyped(typed["date"].call<val>("trim").call<val>("toLowerCase").as<std::u16string>(),
                   order, entry.beforeDawn, place.has_value(), year, rules);
    if (const auto *problem = std::get_if<TypedProblem>(&checked))
        return Problem(problem->field == TypedProblem::Date ? "date" : "year", problem->message);
    const CalendarDate entered = std::get<TypedDates>(checked).entered;
    if (!place)
        return entered;
    const SunDay sun = SunOn(entered, place->latitude, place->longitude);
    if (sun.daylight != Daylight::RisesAndSets)
        return Problem("date",
                       NoSunriseMessage(place->name, core::ShortDateText(entered), sun.daylight));
    const UtSeconds moment = UtOfLocal(
        entered, *entry.time, [&](UtSeconds at) { return BrowserZones().offset(place->zone, at); });
    const bool beforeSunrise =
        SunMomentOf(moment, entered, sun, place->latitude, place->longitude, entry.calendar)
            .beforeSunrise;
    if (!BeforeDawnShift(entered, beforeSunrise))
        return Problem("date", InvalidDateMessage(order));
    return entered;
}

// An entry as the Family window's fields hold it, checked in the window's order with its words:
// the time, a death's days, the date (and the sun at the place), then EntryProblem. {ok: true,
// entry: the family document's object of it} or {ok: false, field, message}.
val FamilyCheck(val typed)
{
    FamilyRecord entry;
    entry.person = typed["person"].as<std::string>();
    entry.kind = EventKindOfWord(typed["kind"].as<std::string>()).value_or(EventKind::Other);
    entry.calendar =
        ReckoningOfWord(typed["calendar"].as<std::string>()).value_or(Reckoning::Shahenshahi);
    entry.note = typed["note"].as<std::string>();
    entry.months = typed["months"].as<int>();
    const std::string time = typed["time"].as<std::string>();
    if (Blank(time)) {
        entry.beforeDawn = typed["beforeDawn"].as<bool>();
    } else {
        entry.time = ClockMinutes(time);
        if (!entry.time)
            return Problem("time", std::string(kInvalidTimeMessage));
        entry.place = typed["place"].as<std::string>();
    }
    if (entry.kind == EventKind::Death) {
        const std::optional<std::vector<int>> days =
            ReadNumberList(typed["days"].as<std::u16string>(), 1, kLastKeptDay);
        if (!days)
            return Problem("days", std::string(kInvalidDaysMessage));
        entry.days = *days;
    }
    std::variant<CalendarDate, val> date = TypedDate(typed, entry);
    if (val *problem = std::get_if<val>(&date))
        return *problem;
    entry.date = std::get<CalendarDate>(date);
    if (const std::optional<EntryFault> fault = EntryProblem(entry, BrowserZones().known))
        return Problem(fault->field, fault->message);
    val answer = val::object();
    answer.set("ok", true);
    answer.set("entry", People({entry})[0]);
    return answer;
}

// `family list --json` of the document, or {ok: false, message} when it does not read.
val FamilyList(std::string document)
{
    const auto &read = Register(document);
    if (const std::string *bad = std::get_if<std::string>(&read))
        return Refused(*bad);
    return Parsed(FamilyListJson(std::get<std::vector<FamilyRecord>>(read), BrowserZones()));
}

// `family upcoming --json --from ISO --days N`, each observance with the label the desktop's
// listings show ("Day 4", "Year 2027 (month 12)") beside its kind and number.
val FamilyUpcomingOf(std::string document, std::string fromIso, int days)
{
    std::string problem;
    const std::optional<FamilyUpcoming> upcoming = Coming(document, fromIso, days, &problem);
    if (!upcoming)
        return Refused(problem);
    val answer = Parsed(UpcomingJson(*upcoming));
    val observances = answer["observances"];
    for (size_t k = 0; k < upcoming->items.size(); ++k)
        observances[k].set("label", UpcomingLabel(*upcoming, upcoming->items[k]));
    return answer;
}

// `family upcoming --ics - --remind N --from ISO --days N`, stamped `stampSeconds`; no reminder
// when remindDays is null or undefined.
val FamilyCalendar(std::string document, std::string fromIso, int days, val remindDays,
                   double stampSeconds)
{
    std::string problem;
    const std::optional<FamilyUpcoming> upcoming = Coming(document, fromIso, days, &problem);
    if (!upcoming)
        return Refused(problem);
    const std::optional<int> remind =
        remindDays.isNumber() ? std::optional(remindDays.as<int>()) : std::nullopt;
    return val(
        core::CalendarFileText(UpcomingEvents(*upcoming, remind), std::int64_t(stampSeconds)));
}

// The document `family export` writes of a "people" array, checked as import checks one.
val FamilyDocumentOf(std::string people)
{
    auto read = ReadFamilyDocument(R"({"format": "dalvane-family", "version": 1, "people": )" +
                                       people + "}",
                                   BrowserZones().known);
    if (const std::string *bad = std::get_if<std::string>(&read))
        return Refused(*bad);
    std::string document = FamilyDocument(std::get<std::vector<FamilyRecord>>(read));
    Remember(document, std::move(read));
    return val(document);
}

// What importing `incoming` (a family document or CSV, told apart as import does) adds to the
// register of `existing`: all or nothing, the same events skipped, in import's words.
val FamilyOpen(std::string existing, std::string incoming)
{
    const auto kept = ReadFamilyDocument(existing, BrowserZones().known);
    if (const std::string *bad = std::get_if<std::string>(&kept))
        return Refused(*bad);
    const auto read =
        IsJsonDocument(incoming)
            ? ReadFamilyDocument(incoming, BrowserZones().known)
            : ReadFamilyCsv(incoming, std::nullopt, DateTextRules{}, BrowserZones().known);
    if (const std::string *bad = std::get_if<std::string>(&read))
        return Refused(*bad);
    const std::vector<FamilyRecord> &entries = std::get<std::vector<FamilyRecord>>(read);
    const FamilyMerge merge = EntriesToAdd(std::get<std::vector<FamilyRecord>>(kept), entries);
    std::vector<FamilyRecord> added;
    for (size_t k : merge.added)
        added.push_back(entries[k]);
    val answer = val::object();
    answer.set("ok", true);
    answer.set("people", People(added));
    answer.set("skipped", merge.skipped);
    answer.set("message", "Imported " + std::to_string(added.size()) + ", skipped " +
                              std::to_string(merge.skipped));
    return answer;
}

} // namespace

EMSCRIPTEN_BINDINGS(family)
{
    emscripten::function("familyCheck", &FamilyCheck);
    emscripten::function("familyList", &FamilyList);
    emscripten::function("familyUpcoming", &FamilyUpcomingOf);
    emscripten::function("familyCalendar", &FamilyCalendar);
    emscripten::function("familyDocument", &FamilyDocumentOf);
    emscripten::function("familyOpen", &FamilyOpen);
}
