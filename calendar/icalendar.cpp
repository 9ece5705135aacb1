// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/icalendar.h"

#include <chrono>

namespace core {

namespace {

using namespace std::chrono;

// RFC 5545 asks for lines of at most 75 octets; a longer one goes on after a line end and a
// blank.
constexpr size_t kLineOctets = 75;

void AppendNumber(std::string &text, long long value, int width)
{
    std::string digits = std::to_string(value);
    if (digits.size() < size_t(width))
        text.append(size_t(width) - digits.size(), '0');
    text += digits;
}

void AppendDate(std::string &text, const year_month_day &date)
{
    AppendNumber(text, int(date.year()), 4);
    AppendNumber(text, unsigned(date.month()), 2);
    AppendNumber(text, unsigned(date.day()), 2);
}

year_month_day DaysAfter(CalendarDate date, int days)
{
    return year_month_day{sys_days(year(date.year()) / date.month() / date.day()) +
                          std::chrono::days(days)};
}

// A TEXT value: a backslash before each comma, semicolon and backslash, a new line written as
// \n; the other line and page controls are dropped, as libical drops them.
std::string Escaped(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        if (c == ',' || c == ';' || c == '\\')
            escaped += '\\';
        if (c == '\n')
            escaped += "\\n";
        else if (c != '\r' && c != '\b' && c != '\f')
            escaped += c;
    }
    return escaped;
}

// Where the next folded line begins: after the last blank, colon or semicolon that leaves the
// line short enough, else before the last octet that begins a UTF-8 letter, so that a letter is
// never cut. The line end counts with the line, as libical counts it.
size_t NextLineStart(std::string_view line, size_t start)
{
    if (line.size() - start < kLineOctets)
        return line.size();
    for (size_t at = start + kLineOctets - 2; at > start; --at) {
        if (line[at] == ';' || line[at] == ':' || line[at] == ' ')
            return at + 1;
    }
    for (size_t at = start + kLineOctets - 1; at > start; --at) {
        const auto octet = static_cast<unsigned char>(line[at]);
        if ((octet & 0x80) == 0 || (octet & 0xC0) == 0xC0)
            return at;
    }
    return start + kLineOctets - 1;
}

// One property: its name (with its parameters), its value, and the line end, folded.
void AppendProperty(std::string &file, std::string_view name, std::string_view value)
{
    std::string line;
    line.reserve(name.size() + value.size() + 3);
    line.append(name).append(1, ':').append(value).append("\r\n");
    for (size_t start = 0; start < line.size();) {
        const size_t next = NextLineStart(line, start);
        if (start != 0)
            file += "\r\n ";
        file.append(line, start, next - start);
        start = next;
    }
}

std::string DateValue(const year_month_day &date)
{
    std::string text;
    AppendDate(text, date);
    return text;
}

// "20261207T055000Z"
std::string StampValue(std::int64_t stamp)
{
    const sys_seconds moment{seconds(stamp)};
    const sys_days day = floor<std::chrono::days>(moment);
    const hh_mm_ss<seconds> time{moment - day};
    std::string text;
    AppendDate(text, year_month_day{day});
    text += 'T';
    AppendNumber(text, time.hours().count(), 2);
    AppendNumber(text, time.minutes().count(), 2);
    AppendNumber(text, time.seconds().count(), 2);
    return text + 'Z';
}

// A reminder's trigger, a duration before the event: whole weeks are written as weeks, and no
// time at all as "PT0S".
std::string TriggerValue(int days)
{
    if (days == 0)
        return "PT0S";
    return days % 7 == 0 ? "-P" + std::to_string(days / 7) + 'W'
                         : "-P" + std::to_string(days) + 'D';
}

void AppendEvent(std::string &file, const CalendarEvent &event, const std::string &stamp)
{
    file += "BEGIN:VEVENT\r\n";
    AppendProperty(file, "UID", Escaped(event.uid));
    AppendProperty(file, "DTSTAMP", stamp);
    AppendProperty(file, "DTSTART;VALUE=DATE", DateValue(DaysAfter(event.start, 0)));
    AppendProperty(file, "DTEND;VALUE=DATE", DateValue(DaysAfter(event.start, event.days)));
    const std::string summary = Escaped(event.summary);
    AppendProperty(file, "SUMMARY", summary);
    AppendProperty(file, "DESCRIPTION", Escaped(event.description));
    AppendProperty(file, "TRANSP", "TRANSPARENT");
    if (event.remindDays) {
        file += "BEGIN:VALARM\r\n";
        AppendProperty(file, "ACTION", "DISPLAY");
        AppendProperty(file, "TRIGGER", TriggerValue(*event.remindDays));
        AppendProperty(file, "DESCRIPTION", summary);
        file += "END:VALARM\r\n";
    }
    file += "END:VEVENT\r\n";
}

} // namespace

std::string CalendarFileText(const std::vector<CalendarEvent> &events, std::int64_t stamp)
{
    std::string file = "BEGIN:VCALENDAR\r\n";
    AppendProperty(file, "VERSION", "2.0");
    AppendProperty(file, "PRODID", "-//Dalvane//dalvane-cli//EN");
    const std::string stampValue = StampValue(stamp);
    for (const CalendarEvent &event : events)
        AppendEvent(file, event, stampValue);
    return file + "END:VCALENDAR\r\n";
}

} // namespace core
