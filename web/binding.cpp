// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page's calendar: the core compiled to WebAssembly and handed to JavaScript as plain
// objects, with the keys of dalvane-cli --json where the CLI has one. The page only lays these
// out; every date, roz, name, sunrise and phase it shows is made here.
#include "calendar/checks.h"
#include "calendar/festivals.h"
#include "calendar/moon.h"
#include "calendar/names.h"
#include "calendar/observancetext.h"
#include "calendar/places.h"
#include "calendar/reckonings.h"
#include "calendar/roz.h"
#include "calendar/sun.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <optional>
#include <string>
#include <variant>

using emscripten::val;

// The UT offset of a time zone at a moment, from the browser's own zone data (the page has no
// other): Intl writes it as "GMT+05:30" (or "GMT+05:21:10" for a local mean time), read back
// here into seconds. A formatter is made once a zone: making one costs more than the sun.
// clang-format off
EM_JS(int, zone_offset_seconds, (const char *zone, double ut), {
    const name = UTF8ToString(zone);
    const formats = Module.zoneFormats || (Module.zoneFormats = new Map());
    let format = formats.get(name);
    if (!format) {
        format = new Intl.DateTimeFormat("en-US", {timeZone: name, timeZoneName: "longOffset"});
        formats.set(name, format);
    }
    const offset = format.formatToParts(new Date(ut * 1000))
        .find(part => part.type === "timeZoneName").value;
    const m = /GMT([+-])([0-9][0-9]):([0-9][0-9])(?::([0-9][0-9]))?/.exec(offset);
    return m ? (m[1] === "-" ? -1 : 1) *
                   (Number(m[2]) * 3600 + Number(m[3]) * 60 + Number(m[4] || 0)) : 0;
});
// clang-format on

namespace {

constexpr Script kScripts[] = {Script::English, Script::Gujarati, Script::Persian};
constexpr const char *kScriptKeys[] = {"en", "gu", "fa"};

UtSeconds Offset(const std::string &zone, UtSeconds moment)
{
    return zone_offset_seconds(zone.c_str(), double(moment));
}

// Local civil time at the zone to UT, as the desktop reads it (UtOfLocal).
UtSeconds UtAt(CalendarDate date, int minutes, const std::string &zone)
{
    return UtOfLocal(date, minutes, [&](UtSeconds moment) { return int(Offset(zone, moment)); });
}

// "H:MM" of a moment at the zone, as the month shows it, or "HH:MM" as --json writes it.
std::string Clock(UtSeconds moment, const std::string &zone, bool padded = false)
{
    const UtSeconds local = moment + Offset(zone, moment);
    const int ofDay = int((local % 86400 + 86400) % 86400);
    char text[8];
    std::snprintf(text, sizeof text, padded ? "%02d:%02d" : "%d:%02d", ofDay / 3600,
                  ofDay / 60 % 60);
    return text;
}

std::string Iso(CalendarDate date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year(), date.month(), date.day());
    return text;
}

val Names(std::string_view (*nameIn)(int, Script), int n)
{
    val names = val::object();
    for (int k = 0; k < 3; ++k)
        names.set(kScriptKeys[k], std::string(nameIn(n, kScripts[k])));
    return names;
}

// The roz, name, names, mah, mah_name, mah_names and yz_year of a day, as --json gives them.
void SetDay(val &object, const ZoroastrianDay &day)
{
    object.set("roz", day.roz);
    object.set("name", std::string(RozRowOf(day.roz).name));
    object.set("names", Names(RozNameIn, day.roz));
    object.set("meaning", std::string(RozRowOf(day.roz).meaning));
    object.set("mah", day.mah != 0 ? val(day.mah) : val::null());
    object.set("mah_name", day.mah != 0 ? val(std::string(MahName(day.mah))) : val::null());
    object.set("mah_names", day.mah != 0 ? Names(MahNameIn, day.mah) : val::null());
    object.set("yz_year", day.yzYear);
}

const char *CalendarKey(Reckoning calendar)
{
    return calendar == Reckoning::Shahenshahi ? "shahenshahi"
           : calendar == Reckoning::Kadmi     ? "kadmi"
                                              : "fasli";
}

Reckoning ReckoningOf(const std::string &key)
{
    return key == "kadmi"   ? Reckoning::Kadmi
           : key == "fasli" ? Reckoning::Fasli
                            : Reckoning::Shahenshahi;
}

Script ScriptOf(const std::string &key)
{
    return key == "gu" ? Script::Gujarati : key == "fa" ? Script::Persian : Script::English;
}

// A place by its built-in name, or given whole as {name, latitude, longitude, zone}.
std::optional<PlaceRow> PlaceOf(const val &given, std::string &name, std::string &zone)
{
    if (given.isString()) {
        const PlaceRow *row = BuiltInPlace(given.as<std::string>());
        if (!row)
            return std::nullopt;
        return *row;
    }
    if (given.isUndefined() || given.isNull())
        return std::nullopt;
    name = given["name"].as<std::string>();
    zone = given["zone"].as<std::string>();
    return PlaceRow{name, given["latitude"].as<double>(), given["longitude"].as<double>(), zone};
}

DateTextRules RulesOf(const val &question)
{
    DateTextRules rules;
    if (question["separator"].isString())
        rules.separator = question["separator"].as<std::u16string>();
    return rules;
}

val Problem(const char *field, const std::string &message)
{
    val problem = val::object();
    problem.set("ok", false);
    problem.set("field", std::string(field));
    problem.set("message", message);
    return problem;
}

// The single calculation. `question`: date, order (1 dmy, 2 mdy, 3 ymd), separator, year,
// beforeDawn, calendar, and optionally place (a built-in name), hour and minute. The checks
// come in the window's order with its words; the answer has the keys of --json and the texts
// the window shows.
val Calculate(val question)
{
    const DateOrderCode order = DateOrderCode(question["order"].as<int>());
    const DateTextRules rules = RulesOf(question);
    const Reckoning calendar = ReckoningOf(question["calendar"].as<std::string>());

    const std::u16string yearText = question["year"].as<std::u16string>();
    std::string placeName, placeZone;
    const std::optional<PlaceRow> place = PlaceOf(question["place"], placeName, placeZone);
    const bool timed = place && question["hour"].isNumber();
    // With a time at a place the sun decides, and the before-dawn tick gives way to it.
    const bool beforeDawn = !timed && question["beforeDawn"].as<bool>();

    // The date comes case-folded, as the core's checks read it; JavaScript's lower case is the
    // browser's folding.
    const std::variant<TypedDates, TypedProblem> checked =
        CheckTyped(question["date"].call<val>("toLowerCase").as<std::u16string>(), order,
                   beforeDawn, place.has_value(), yearText, rules);
    if (const auto *problem = std::get_if<TypedProblem>(&checked))
        return Problem(problem->field == TypedProblem::Date ? "date" : "year", problem->message);
    const CalendarDate entered = std::get<TypedDates>(checked).entered;
    std::optional<CalendarDate> rozDate = std::get<TypedDates>(checked).rozDate;

    val answer = val::object();
    if (place) {
        const std::string zone(place->zone);
        const SunDay sun = SunOn(entered, place->latitude, place->longitude);
        if (sun.daylight != Daylight::RisesAndSets)
            return Problem(
                "date", NoSunriseMessage(place->name, core::ShortDateText(entered), sun.daylight));
        val where = val::object();
        where.set("name", std::string(place->name));
        where.set("latitude", place->latitude);
        where.set("longitude", place->longitude);
        where.set("zone", zone);
        answer.set("place", where);
        answer.set("sunrise", Clock(sun.rise, zone, true));
        answer.set("sunset", Clock(sun.set, zone, true));
        bool beforeSunrise = false;
        if (timed) {
            const int minutes = question["hour"].as<int>() * 60 + question["minute"].as<int>();
            const SunMoment at = SunMomentOf(UtAt(entered, minutes, zone), entered, sun,
                                             place->latitude, place->longitude, calendar);
            beforeSunrise = at.beforeSunrise;
            char clock[8];
            std::snprintf(clock, sizeof clock, "%02d:%02d", minutes / 60, minutes % 60);
            answer.set("time", std::string(clock));
            answer.set("gah", std::string(GahName(at.gah)));
            answer.set("before_sunrise", beforeSunrise);
        }
        rozDate = BeforeDawnShift(entered, beforeDawn || beforeSunrise);
        if (!rozDate)
            return Problem("date", InvalidDateMessage(order));
    }

    ZoroastrianDay day = ZoroastrianDayOf(*rozDate, calendar);
    // The window's own walk for the Shahenshahi roz.
    if (calendar == Reckoning::Shahenshahi)
        day.roz = ReckonRoz(*rozDate, order);
    const std::optional<CalendarDate> same =
        SameRozDateIn(calendar, *rozDate, yearText, order, rules);

    answer.set("ok", true);
    answer.set("entered", Iso(entered));
    answer.set("entered_text", core::ShortDateText(entered));
    answer.set("reckoning", Iso(*rozDate));
    answer.set("calendar", std::string(CalendarKey(calendar)));
    SetDay(answer, day);
    answer.set("year", question["year"]);
    answer.set("same_roz_date", same ? val(Iso(*same)) : val::null());
    answer.set("same_roz_text", same ? val::undefined() : val(std::string(kCannotBeCalculated)));
    val reckonings = val::array();
    for (Reckoning other : {Reckoning::Shahenshahi, Reckoning::Kadmi, Reckoning::Fasli}) {
        val entry = val::object();
        entry.set("calendar", std::string(CalendarKey(other)));
        SetDay(entry, other == calendar ? day : ZoroastrianDayOf(*rozDate, other));
        reckonings.call<void>("push", entry);
    }
    answer.set("reckonings", reckonings);
    return answer;
}

// A death's observances as the Schedule window lists them, and the calendar file of them that
// dalvane-cli schedule --ics writes. `question`: date, order, separator, beforeDawn, calendar,
// names ("en", "gu", "fa"), name, from (the first year, typed), years, months, days (typed, "4,
// 10, 30"), remind (days, or none) and stamp (the time of writing, seconds since 1970).
val Schedule(val question)
{
    const DateOrderCode order = DateOrderCode(question["order"].as<int>());
    const DateTextRules rules = RulesOf(question);
    const Reckoning calendar = ReckoningOf(question["calendar"].as<std::string>());
    const std::u16string fromText = question["from"].as<std::u16string>();
    const std::variant<TypedDates, TypedProblem> checked =
        CheckTyped(question["date"].call<val>("toLowerCase").as<std::u16string>(), order,
                   question["beforeDawn"].as<bool>(), false, fromText, rules);
    if (const auto *problem = std::get_if<TypedProblem>(&checked))
        return Problem(problem->field == TypedProblem::Date ? "date" : "from", problem->message);
    const TypedDates &typed = std::get<TypedDates>(checked);
    const std::optional<std::vector<int>> days =
        ReadNumberList(question["days"].as<std::u16string>(), 1, 36500);
    if (!days)
        return Problem("days", std::string(kInvalidDaysMessage));

    const CalendarDate rozDate = *typed.rozDate;
    ZoroastrianDay day = ZoroastrianDayOf(rozDate, calendar);
    if (calendar == Reckoning::Shahenshahi)
        day.roz = ReckonRoz(rozDate, order);
    // The counts come from fields that keep them in range, as the window's spin boxes do.
    ScheduleRequest request;
    request.years =
        TargetYears(int(typed.year), std::clamp(question["years"].as<int>(), 1, 1000), rules);
    request.months = std::clamp(question["months"].as<int>(), 0, 120);
    request.days = *days;
    const std::vector<Observance> observances = MakeSchedule(rozDate, calendar, request);
    const core::ScheduleOwner owner{typed.entered,
                                    rozDate,
                                    calendar,
                                    day,
                                    PersonNameOf(question["name"].as<std::string>()),
                                    std::string(),
                                    std::string()};
    const Script script = ScriptOf(question["names"].as<std::string>());

    val answer = val::object();
    answer.set("ok", true);
    answer.set("heading", core::ShortDateText(typed.entered) + ": " + core::RozText(day, script) +
                              ", " + core::ReckoningLine(day, calendar, script));
    answer.set("meaning", std::string(RozRowOf(day.roz).meaning));
    answer.set("person", owner.person);
    val rows = val::array();
    for (const Observance &entry : observances) {
        val row = val::object();
        row.set("label", core::ObservanceLabel(entry, owner.yearlyName));
        row.set("date", Iso(entry.date));
        row.set("roz", core::RozText(entry.day, script));
        row.set("mah", core::MahText(entry.day, script));
        row.set("yz_year", entry.day.yzYear);
        row.set("note", core::ObservanceNote(entry, day));
        rows.call<void>("push", row);
    }
    answer.set("observances", rows);
    const std::optional<int> remind =
        question["remind"].isNumber()
            ? std::optional<int>(std::clamp(question["remind"].as<int>(), 0, 365))
            : std::nullopt;
    answer.set("ics", core::CalendarFileText(core::ObservanceEvents(observances, owner, remind),
                                             std::int64_t(question["stamp"].as<double>())));
    return answer;
}

// A date as the date field shows it in the regional order and separator: today's date put in
// the field by "Today's Roz".
std::string DateText(int year, int month, int day, int order, std::string separator)
{
    char text[32];
    if (order == kDayMonthYear)
        std::snprintf(text, sizeof text, "%02d%s%02d%s%04d", day, separator.c_str(), month,
                      separator.c_str(), year);
    else if (order == kMonthDayYear)
        std::snprintf(text, sizeof text, "%02d%s%02d%s%04d", month, separator.c_str(), day,
                      separator.c_str(), year);
    else
        std::snprintf(text, sizeof text, "%04d%s%02d%s%02d", year, separator.c_str(), month,
                      separator.c_str(), day);
    return text;
}

val Places()
{
    val list = val::array();
    for (const PlaceRow &row : BuiltInPlaces()) {
        val place = val::object();
        place.set("name", std::string(row.name));
        place.set("latitude", row.latitude);
        place.set("longitude", row.longitude);
        place.set("zone", std::string(row.zone));
        list.call<void>("push", place);
    }
    return list;
}

// A Gregorian month as the Calendar window shows it: each day's roz and mah in the reckoning,
// the name in the chosen script, the festivals, the sunrise and sunset at the place, and the
// phases of the moon in the zone's time. `query`: year, month, calendar, names ("en", "gu",
// "fa"), zone, week_start (0 Sunday to 6 Saturday) and optionally place.
val Month(val query)
{
    const int year = query["year"].as<int>(), month = query["month"].as<int>();
    const Reckoning calendar = ReckoningOf(query["calendar"].as<std::string>());
    const Script script = ScriptOf(query["names"].as<std::string>());
    std::string placeName, placeZone;
    const std::optional<PlaceRow> place = PlaceOf(query["place"], placeName, placeZone);
    const std::string zone = place ? std::string(place->zone) : query["zone"].as<std::string>();

    val result = val::object();
    const std::optional<CalendarDate> first = CalendarDate::fromYmd(year, month, 1);
    if (!first)
        return result;
    // 0 Sunday to 6 Saturday; 1 January 1970 was a Thursday. The blank cells before the first
    // day, in a week that begins on `week_start` (the same numbering).
    const int weekday = int(((DaysSince1970(*first) + 4) % 7 + 7) % 7);
    result.set("first_weekday", weekday);
    result.set("blanks", (weekday - query["week_start"].as<int>() + 7) % 7);
    val previous = val::object(), next = val::object();
    previous.set("year", month == 1 ? year - 1 : year);
    previous.set("month", month == 1 ? 12 : month - 1);
    next.set("year", month == 12 ? year + 1 : year);
    next.set("month", month == 12 ? 1 : month + 1);
    result.set("previous", year > CalendarDate::kFirstYear || month > 1 ? previous : val::null());
    result.set("next", year < CalendarDate::kLastYear || month < 12 ? next : val::null());
    val cells = val::array(), mahs = val::array(), years = val::array();
    int lastMah = -1, lastYear = -1;
    for (const DayCell &cell : MonthCells(year, month, calendar)) {
        val entry = val::object();
        entry.set("date", Iso(cell.date));
        entry.set("day", cell.date.day());
        entry.set("roz", cell.day.roz);
        entry.set("mah", cell.day.mah);
        entry.set("yz_year", cell.day.yzYear);
        entry.set("name", std::string(RozNameIn(cell.day.roz, script)));
        entry.set("mah_begins", cell.mahBegins);
        entry.set("year_begins", cell.yearBegins);
        val festivals = val::array();
        for (const FestivalDay &festival : cell.festivals) {
            std::string text(festival.festival->name);
            if (festival.days > 1)
                text += " (day " + std::to_string(festival.dayOf) + " of " +
                        std::to_string(festival.days) + ")";
            festivals.call<void>("push", text);
        }
        entry.set("festivals", festivals);
        if (place) {
            const SunDay sun = SunOn(cell.date, place->latitude, place->longitude);
            const bool up = sun.daylight == Daylight::RisesAndSets;
            entry.set("sunrise", up ? Clock(sun.rise, zone) : std::string("-"));
            entry.set("sunset", up ? Clock(sun.set, zone) : std::string("-"));
        }
        cells.call<void>("push", entry);
        if (cell.day.mah != lastMah) {
            mahs.call<void>("push", cell.day.mah != 0 ? std::string(MahNameIn(cell.day.mah, script))
                                                      : std::string("Gatha days"));
            lastMah = cell.day.mah;
        }
        if (cell.day.yzYear != lastYear) {
            years.call<void>("push", cell.day.yzYear);
            lastYear = cell.day.yzYear;
        }
    }
    result.set("cells", cells);
    result.set("mahs", mahs);
    result.set("yz_years", years);

    // The phases within the month's days at the zone.
    const int lastDay = CalendarDate::daysInMonth(year, month);
    const UtSeconds from = UtAt(*first, 0, zone);
    const UtSeconds to = UtAt(*CalendarDate::fromYmd(year, month, lastDay), 24 * 60, zone);
    val phases = val::array();
    for (const MoonPhaseInstant &phase : MoonPhasesBetween(from, to)) {
        val entry = val::object();
        const UtSeconds local = phase.at + Offset(zone, phase.at);
        const UtSeconds dayOfMonth = (local - UtSeconds(DaysSince1970(*first)) * 86400) / 86400 + 1;
        entry.set("phase", std::string(MoonPhaseKey(phase.phase)));
        entry.set("name", std::string(MoonPhaseName(phase.phase)));
        entry.set("day", int(dayOfMonth));
        entry.set("time", Clock(phase.at, zone));
        phases.call<void>("push", entry);
    }
    result.set("moon", phases);
    return result;
}

// Every festival whose first day lies in the Gregorian years [from, from + years - 1], as
// dalvane-cli festivals --json lists them.
val FestivalList(int from, int years, std::string calendar)
{
    val list = val::array();
    for (const FestivalOccurrence &o : FestivalsBeginningIn(from, years, ReckoningOf(calendar))) {
        val entry = val::object();
        entry.set("name", std::string(o.festival->name));
        entry.set("date", Iso(o.first));
        entry.set("days", o.days);
        entry.set("roz", o.day.roz);
        entry.set("mah", o.day.mah != 0 ? val(o.day.mah) : val::null());
        entry.set("yz_year", o.day.yzYear);
        list.call<void>("push", entry);
    }
    return list;
}

std::string Version()
{
    return DALVANE_VERSION;
}

// "( In the Format dd-mm-yyyy )", the hint beside a date field.
std::string DateHint(int order)
{
    return DateHintCaption(DateOrderCode(order));
}

} // namespace

EMSCRIPTEN_BINDINGS(dalvane)
{
    emscripten::function("calculate", &Calculate);
    emscripten::function("month", &Month);
    emscripten::function("schedule", &Schedule);
    emscripten::function("places", &Places);
    emscripten::function("festivals", &FestivalList);
    emscripten::function("dateText", &DateText);
    emscripten::function("dateHint", &DateHint);
    emscripten::function("version", &Version);
}
