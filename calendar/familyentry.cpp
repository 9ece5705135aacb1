// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/familyentry.h"

#include "calendar/checks.h"
#include "calendar/observancetext.h"
#include "calendar/utf8text.h"

#include <algorithm>
#include <iterator>
#include <set>
#include <tuple>

namespace {

constexpr EventKind kKinds[] = {EventKind::Death, EventKind::Birth, EventKind::Wedding,
                                EventKind::Navjote, EventKind::Other};
constexpr Reckoning kReckonings[] = {Reckoning::Shahenshahi, Reckoning::Kadmi, Reckoning::Fasli};

std::string NumberText(int number)
{
    return std::to_string(number);
}

} // namespace

std::string_view EventKindWord(EventKind kind)
{
    switch (kind) {
    case EventKind::Death:
        return "death";
    case EventKind::Birth:
        return "birth";
    case EventKind::Wedding:
        return "wedding";
    case EventKind::Navjote:
        return "navjote";
    case EventKind::Other:
        break;
    }
    return "other";
}

std::optional<EventKind> EventKindOfWord(std::string_view word)
{
    for (EventKind kind : kKinds) {
        if (word == EventKindWord(kind))
            return kind;
    }
    return std::nullopt;
}

std::optional<Reckoning> ReckoningOfWord(std::string_view word)
{
    for (Reckoning calendar : kReckonings) {
        if (word == core::CalendarName(calendar))
            return calendar;
    }
    return std::nullopt;
}

FamilyMerge EntriesToAdd(const std::vector<FamilyRecord> &kept,
                         const std::vector<FamilyRecord> &incoming)
{
    // The same event: the same person, kind, date and reckoning. Ordered, for an import of
    // thousands into thousands.
    using Key = std::tuple<std::string_view, EventKind, int, Reckoning>;
    const auto keyOf = [](const FamilyRecord &entry) {
        const CalendarDate &d = entry.date;
        return Key{entry.person, entry.kind, (d.year() * 100 + d.month()) * 100 + d.day(),
                   entry.calendar};
    };
    std::set<Key> seen;
    for (const FamilyRecord &entry : kept)
        seen.insert(keyOf(entry));
    FamilyMerge merge;
    for (std::size_t i = 0; i < incoming.size(); ++i) {
        if (seen.insert(keyOf(incoming[i])).second)
            merge.added.push_back(i);
        else
            ++merge.skipped;
    }
    return merge;
}

std::optional<int> ClockMinutes(std::string_view text)
{
    text = TrimBlanks(text);
    const std::size_t colon = text.find(':');
    const auto digits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (colon == std::string_view::npos || colon < 1 || colon > 2 || text.size() != colon + 3 ||
        !digits(text.substr(0, colon)) || !digits(text.substr(colon + 1)))
        return std::nullopt;
    const int hours = std::stoi(std::string(text.substr(0, colon)));
    const int minutes = std::stoi(std::string(text.substr(colon + 1)));
    if (hours > 23 || minutes > 59)
        return std::nullopt;
    return hours * 60 + minutes;
}

std::string ClockText(int minutes)
{
    const char text[] = {char('0' + minutes / 600), char('0' + minutes / 60 % 10), ':',
                         char('0' + minutes % 60 / 10), char('0' + minutes % 10)};
    return std::string(text, std::size(text));
}

std::optional<CalendarDate> IsoDateOf(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    int fields[3] = {0, 0, 0};
    int field = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 4 || i == 7) {
            ++field;
            continue;
        }
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        fields[field] = fields[field] * 10 + (text[i] - '0');
    }
    return CalendarDate::fromYmd(fields[0], fields[1], fields[2]);
}

std::optional<EntryFault> EntryProblem(FamilyRecord &entry, const ZoneKnown &zoneKnown)
{
    entry.person = PersonNameOf(entry.person);
    if (entry.person.empty())
        return EntryFault{"person", "the person's name is empty"};
    if (CharacterCount(entry.person) > kLongestPersonName)
        return EntryFault{"person", "the person's name is longer than " +
                                        NumberText(kLongestPersonName) + " characters"};
    entry.place = std::string(TrimBlanks(entry.place));
    if (entry.time && entry.place.empty())
        return EntryFault{"time", "a time is kept only with a place"};
    if (!entry.place.empty()) {
        std::variant<PlaceText, std::string> place = ReadPlaceText(entry.place, zoneKnown);
        if (std::string *problem = std::get_if<std::string>(&place))
            return EntryFault{"place", std::move(*problem)};
    }
    if (entry.kind != EventKind::Death) {
        entry.days = FamilyRecord().days;
        entry.months = FamilyRecord().months;
    }
    for (int day : entry.days) {
        if (day < 1 || day > kLastKeptDay)
            return EntryFault{"days", "day " + NumberText(day) + " is out of range: 1 to " +
                                          NumberText(kLastKeptDay)};
    }
    std::sort(entry.days.begin(), entry.days.end());
    entry.days.erase(std::unique(entry.days.begin(), entry.days.end()), entry.days.end());
    if (entry.months < 0 || entry.months > kMostKeptMonths)
        return EntryFault{"months", NumberText(entry.months) + " months is out of range: 0 to " +
                                        NumberText(kMostKeptMonths)};
    if (CharacterCount(entry.note) > kLongestNote)
        return EntryFault{"note",
                          "the note is longer than " + NumberText(kLongestNote) + " characters"};
    return std::nullopt;
}
