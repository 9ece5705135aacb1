// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calendar file (RFC 5545) every front end writes, without a library: all-day events, each
// with a reminder where one is asked for. The bytes are those libical writes for the same
// events, so a file written here and one written before are alike, line for line.
#include "calendar/calendardate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// The host of Dalvane's web address, which ends every event's identity.
inline constexpr std::string_view kWebHost = "dalvane.example.org";

struct CalendarEvent
{
    std::string uid; // UTF-8, as every text here
    CalendarDate start;
    int days; // the event lasts all day, this many days from its start
    std::string summary;
    std::string description;
    // A reminder shown that many days before, [0, 365], saying the summary.
    std::optional<int> remindDays;
};

// The file of the events, CRLF line ends, long lines folded at 75 octets, texts escaped. The
// stamp is the time of writing, which RFC 5545 asks of every event, in seconds since 1970 UTC.
std::string CalendarFileText(const std::vector<CalendarEvent> &events, std::int64_t stamp);

} // namespace core
