// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/familydocument.h"

#include "calendar/observancetext.h"

#include <cmath>
#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::json;

constexpr std::string_view kFormat = "dalvane-family";
constexpr int kVersion = 1;

// One entry's members, keys in alphabetical order as the document has always had them.
void PutEntry(std::string &out, const FamilyRecord &entry)
{
    const bool death = entry.kind == EventKind::Death;
    const auto key = [&](std::string_view name) {
        out += "            \"";
        out += name;
        out += "\": ";
    };
    const auto text = [&](std::string_view name, std::string_view value, bool given) {
        key(name);
        given ? AppendJsonText(out, value) : void(out += "null");
        out += ",\n";
    };
    out += "        {\n";
    key("before_dawn");
    out += entry.beforeDawn ? "true,\n" : "false,\n";
    text("calendar", core::CalendarName(entry.calendar), true);
    text("date", core::IsoDate(entry.date), true);
    key("days");
    if (!death) {
        out += "null";
    } else {
        out += "[\n";
        for (std::size_t i = 0; i < entry.days.size(); ++i)
            out += "                " + std::to_string(entry.days[i]) +
                   (i + 1 < entry.days.size() ? ",\n" : "\n");
        out += "            ]";
    }
    out += ",\n";
    text("kind", EventKindWord(entry.kind), true);
    key("months");
    out += death ? std::to_string(entry.months) : "null";
    out += ",\n";
    text("note", entry.note, !entry.note.empty());
    text("person", entry.person, true);
    text("place", entry.place, !entry.place.empty());
    key("time");
    entry.time ? AppendJsonText(out, ClockText(*entry.time)) : void(out += "null");
    out += "\n        }";
}

// A JSON number that is a whole number in int's range.
std::optional<int> WholeNumber(const Json &value)
{
    if (!value.is_number())
        return std::nullopt;
    const double number = value.get<double>();
    if (number != std::trunc(number) || std::abs(number) > 1e9)
        return std::nullopt;
    return int(number);
}

// A member's text, or "" when it is no text, as a missing date or kind reads.
std::string_view TextOf(const Json &object, const char *key)
{
    const auto found = object.find(key);
    return found != object.end() && found->is_string()
               ? std::string_view(found->get_ref<const std::string &>())
               : std::string_view();
}

// The fields of one entry that are not read when missing or null.
bool Given(const Json &object, const char *key)
{
    const auto found = object.find(key);
    return found != object.end() && !found->is_null();
}

// The days of a death, a list of whole numbers.
std::optional<std::vector<int>> DaysOf(const Json &value)
{
    if (!value.is_array())
        return std::nullopt;
    std::vector<int> days;
    for (const Json &day : value) {
        const std::optional<int> number = WholeNumber(day);
        if (!number)
            return std::nullopt;
        days.push_back(*number);
    }
    return days;
}

// The fields after the date: their problem in words, or nullopt.
std::optional<std::string> ReadRest(const Json &object, FamilyRecord &entry)
{
    if (Given(object, "calendar")) {
        const std::optional<Reckoning> calendar = ReckoningOfWord(TextOf(object, "calendar"));
        if (!calendar)
            return std::string(kCalendarProblem);
        entry.calendar = *calendar;
    }
    if (Given(object, "before_dawn")) {
        if (!object["before_dawn"].is_boolean())
            return std::string(kBeforeDawnProblem);
        entry.beforeDawn = object["before_dawn"].get<bool>();
    }
    if (Given(object, "time")) {
        entry.time = ClockMinutes(TextOf(object, "time"));
        if (!entry.time)
            return std::string(kTimeProblem);
    }
    if (Given(object, "place")) {
        if (!object["place"].is_string())
            return "the place must be given as text";
        entry.place = TextOf(object, "place");
    }
    if ((Given(object, "days") || Given(object, "months")) && entry.kind != EventKind::Death)
        return std::string(kDeathOnlyProblem);
    if (Given(object, "days")) {
        std::optional<std::vector<int>> days = DaysOf(object["days"]);
        if (!days)
            return "the days must be a list of whole numbers";
        entry.days = std::move(*days);
    }
    if (Given(object, "months")) {
        const std::optional<int> months = WholeNumber(object["months"]);
        if (!months)
            return std::string(kMonthsProblem);
        entry.months = *months;
    }
    if (Given(object, "note")) {
        if (!object["note"].is_string())
            return "the note must be given as text";
        entry.note = TextOf(object, "note");
    }
    return std::nullopt;
}

// One entry of the document, fields missing or null taking their defaults, checked by
// EntryProblem; the problem in words otherwise.
std::variant<FamilyRecord, std::string> EntryOf(const Json &object, const ZoneKnown &zoneKnown)
{
    if (!object.is_object())
        return std::string("an entry must be a JSON object");
    FamilyRecord entry;
    if (!object.contains("person") || !object["person"].is_string())
        return std::string("the person must be given as text");
    entry.person = TextOf(object, "person");
    if (Given(object, "kind")) {
        const std::optional<EventKind> kind = EventKindOfWord(TextOf(object, "kind"));
        if (!kind)
            return std::string(kKindProblem);
        entry.kind = *kind;
    }
    const std::optional<CalendarDate> date = IsoDateOf(TextOf(object, "date"));
    if (!date)
        return std::string(kDateProblem) + std::string(kDateRange);
    entry.date = *date;
    if (std::optional<std::string> problem = ReadRest(object, entry))
        return std::move(*problem);
    if (std::optional<EntryFault> fault = EntryProblem(entry, zoneKnown))
        return std::move(fault->message);
    return entry;
}

} // namespace

void AppendJsonText(std::string &out, std::string_view text)
{
    constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                out += {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
            else
                out += c;
        }
    }
    out += '"';
}

std::string FamilyDocument(const std::vector<FamilyRecord> &entries)
{
    std::string out = "{\n    \"format\": \"dalvane-family\",\n    \"people\": [\n";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        PutEntry(out, entries[i]);
        out += i + 1 < entries.size() ? ",\n" : "\n";
    }
    return out + "    ],\n    \"version\": " + std::to_string(kVersion) + "\n}\n";
}

std::variant<std::vector<FamilyRecord>, std::string> ReadFamilyDocument(std::string_view document,
                                                                        const ZoneKnown &zoneKnown)
{
    // Read without exceptions: the page's build has none.
    const Json root = Json::parse(document, nullptr, false);
    const std::string notOurs = "not a Dalvane family document";
    if (root.is_discarded() || !root.is_object() || TextOf(root, "format") != kFormat)
        return notOurs;
    const std::optional<int> version =
        WholeNumber(root.contains("version") ? root["version"] : Json());
    if (!version || *version < 1)
        return notOurs;
    // Asked before anything else of the document: a later version may be built differently.
    if (*version > kVersion)
        return "a family document of version " + std::to_string(*version) +
               ", from a newer Dalvane; this one reads version " + std::to_string(kVersion);
    if (!root.contains("people") || !root["people"].is_array())
        return notOurs;
    std::vector<FamilyRecord> entries;
    const Json &people = root["people"];
    for (std::size_t i = 0; i < people.size(); ++i) {
        std::variant<FamilyRecord, std::string> read = EntryOf(people[i], zoneKnown);
        if (const std::string *problem = std::get_if<std::string>(&read))
            return "entry " + std::to_string(i + 1) + ": " + *problem;
        entries.push_back(std::move(std::get<FamilyRecord>(read)));
    }
    return entries;
}

bool IsJsonDocument(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    text = TrimBlanks(text);
    return !text.empty() && text.front() == '{';
}
