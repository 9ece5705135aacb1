// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/observancetext.h"

namespace core {

namespace {

// The English name, and the other script's beside it.
std::string Beside(std::string english, std::string_view other, Script names)
{
    if (names != Script::English)
        english.append(1, ' ').append(other);
    return english;
}

// A yearly observance other than a death's is named for what it keeps ("Roz birthday").
bool NamedYearly(const Observance &entry, std::string_view yearlyName)
{
    return entry.kind == ObservanceKind::Year && !yearlyName.empty();
}

// The program's names are plain ASCII: "Roz birthday" becomes "roz birthday".
std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return lower;
}

// "year", or "roz-birthday": what an observance is, in its calendar identity.
std::string Slug(const Observance &entry, std::string_view yearlyName)
{
    if (!NamedYearly(entry, yearlyName))
        return std::string(ObservanceKindName(entry.kind));
    std::string slug = Lower(yearlyName);
    for (char &c : slug) {
        if (c == ' ')
            c = '-';
    }
    return slug;
}

// Every octet but letters, digits and "-._~" as %XX, so that any name is safe in an identity.
std::string PercentEncoded(std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : text) {
        const auto octet = static_cast<unsigned char>(c);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~')
            encoded += c;
        else
            encoded.append(1, '%').append(1, kHex[octet >> 4]).append(1, kHex[octet & 15]);
    }
    return encoded;
}

// How a schedule's events say where their date came from.
std::string EnteredLine(const ScheduleOwner &owner)
{
    std::string line = "Entered date " + IsoDate(owner.entered);
    if (owner.entered == owner.rozDate)
        return line;
    line += owner.sunPlace.empty() ? ", before dawn" : ", before sunrise at " + owner.sunPlace;
    return line + ", so reckoned from " + IsoDate(owner.rozDate);
}

// The person's name keeps two people's observances of one date apart.
std::string EventUid(const Observance &entry, const ScheduleOwner &owner)
{
    std::string uid = IsoDate(owner.rozDate) + '-' + std::string(CalendarName(owner.calendar)) +
                      '-' + Slug(entry, owner.yearlyName) + '-' + std::to_string(entry.n);
    if (!owner.person.empty())
        uid += '-' + PercentEncoded(owner.person);
    return uid + '@' + std::string(kWebHost);
}

std::string EventDescription(const Observance &entry, const ScheduleOwner &owner)
{
    const RozRow &row = RozRowOf(entry.day.roz);
    std::string text;
    if (!owner.person.empty())
        text += "Observance for " + owner.person + '\n';
    text += "Roz " + std::to_string(entry.day.roz) + ' ' + std::string(row.name) + ": " +
            std::string(row.meaning) + '\n' + ReckoningLine(entry.day, owner.calendar) + '\n';
    if (entry.gathaKeptAs != 0)
        text += ObservanceNote(entry, owner.day) + '\n';
    return text + EnteredLine(owner);
}

std::string FestivalDescription(const FestivalOccurrence &o, Reckoning calendar)
{
    return std::string(o.festival->name) + ": " + std::to_string(o.days) +
           (o.days == 1 ? " day" : " days") + " from roz " + std::to_string(o.day.roz) + ' ' +
           std::string(RozRowOf(o.day.roz).name) + ", " +
           (o.day.mah != 0 ? "Mah " + std::string(MahName(o.day.mah)) : std::string("no mah")) +
           ", YZ " + std::to_string(o.day.yzYear) + ", in the " +
           std::string(CalendarTitle(calendar)) + " reckoning.";
}

} // namespace

std::string_view CalendarName(Reckoning calendar)
{
    return calendar == Reckoning::Shahenshahi ? "shahenshahi"
           : calendar == Reckoning::Kadmi     ? "kadmi"
                                              : "fasli";
}

std::string_view CalendarTitle(Reckoning calendar)
{
    return calendar == Reckoning::Shahenshahi ? "Shahenshahi"
           : calendar == Reckoning::Kadmi     ? "Kadmi"
                                              : "Fasli";
}

std::string ShortDateText(CalendarDate date)
{
    static constexpr const char *kShortMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::string iso = IsoDate(date);
    return iso.substr(8, 2) + '-' + kShortMonths[date.month() - 1] + '-' + iso.substr(0, 4);
}

std::string IsoDate(CalendarDate date)
{
    // Written digit by digit: a long list writes thousands of these.
    std::string text(10, '-');
    const auto put = [&](size_t at, int twoDigits) {
        text[at] = char('0' + twoDigits / 10);
        text[at + 1] = char('0' + twoDigits % 10);
    };
    put(0, date.year() / 100);
    put(2, date.year() % 100);
    put(5, date.month());
    put(8, date.day());
    return text;
}

std::string_view ObservanceKindName(ObservanceKind kind)
{
    return kind == ObservanceKind::Year ? "year" : kind == ObservanceKind::Month ? "month" : "day";
}

std::string_view YearlyName(EventKind kind)
{
    switch (kind) {
    case EventKind::Death:
        return {};
    case EventKind::Birth:
        return "Roz birthday";
    case EventKind::Wedding:
        return "Roz anniversary";
    case EventKind::Navjote:
        return "Navjote anniversary";
    case EventKind::Other:
        break;
    }
    return "Yearly";
}

std::string ObservanceWhat(const Observance &entry, std::string_view yearlyName)
{
    std::string text = NamedYearly(entry, yearlyName) ? Lower(yearlyName)
                                                      : std::string(ObservanceKindName(entry.kind));
    text += ' ' + std::to_string(entry.n);
    for (size_t i = 0; i < entry.also.size(); ++i) {
        text += i == 0 ? " (" : ", ";
        text.append(ObservanceKindName(entry.also[i].kind))
            .append(1, ' ')
            .append(std::to_string(entry.also[i].n));
    }
    return entry.also.empty() ? text : text + ')';
}

std::string ObservanceLabel(const Observance &entry, std::string_view yearlyName)
{
    std::string label = ObservanceWhat(entry, yearlyName);
    label[0] = char(label[0] - 'a' + 'A'); // every kind and name begins with a small letter
    return label;
}

std::string RozText(const ZoroastrianDay &day, Script names)
{
    return Beside(std::string(RozRowOf(day.roz).name) + " (" + std::to_string(day.roz) + ')',
                  RozNameIn(day.roz, names), names);
}

std::string MahText(const ZoroastrianDay &day, Script names)
{
    return day.mah != 0 ? Beside(std::string(MahName(day.mah)), MahNameIn(day.mah, names), names)
                        : "-";
}

std::string MahLabel(const ZoroastrianDay &day, Script names)
{
    return day.mah != 0 ? "Mah " + MahText(day, names) : "No mah (Gatha days)";
}

std::string ReckoningLine(const ZoroastrianDay &day, Reckoning calendar, Script names)
{
    return MahLabel(day, names) + ", YZ " + std::to_string(day.yzYear) + ", " +
           std::string(CalendarTitle(calendar));
}

std::string ObservanceNote(const Observance &entry, const ZoroastrianDay &own)
{
    if (entry.gathaKeptAs == 0)
        return {};
    return (own.roz == kAvardadSalGah ? std::string("Avardad-sal-gah, as the fifth Gatha day,")
                                      : "Gatha day " + std::to_string(own.roz - 30)) +
           " kept on roz " + std::to_string(entry.gathaKeptAs);
}

std::vector<CalendarEvent> ObservanceEvents(const std::vector<Observance> &observances,
                                            const ScheduleOwner &owner,
                                            std::optional<int> remindDays)
{
    std::vector<CalendarEvent> events;
    events.reserve(observances.size());
    for (const Observance &entry : observances) {
        const std::string summary = (owner.person.empty() ? std::string() : owner.person + ": ") +
                                    std::string(RozRowOf(entry.day.roz).name) + ", " +
                                    ObservanceWhat(entry, owner.yearlyName);
        events.push_back({EventUid(entry, owner), entry.date, 1, summary,
                          EventDescription(entry, owner), remindDays});
    }
    return events;
}

std::vector<CalendarEvent> FestivalEvents(const std::vector<FestivalOccurrence> &festivals,
                                          Reckoning calendar)
{
    std::vector<CalendarEvent> events;
    events.reserve(festivals.size());
    for (const FestivalOccurrence &o : festivals) {
        // A festival falls once in a YZ year of its reckoning, even where a 365-day year brings
        // it twice into one Gregorian year; Jamshedi Navroz, by the Gregorian date, at most once
        // in a YZ year too.
        const std::string uid = "festival-" + std::string(o.festival->key) + '-' +
                                std::to_string(o.day.yzYear) + '-' +
                                std::string(CalendarName(calendar)) + '@' + std::string(kWebHost);
        events.push_back({uid, o.first, o.days, std::string(o.festival->name),
                          FestivalDescription(o, calendar), std::nullopt});
    }
    return events;
}

} // namespace core
