// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A place as a user types it, read the same by every front end; which time zones there are is
// each front end's to know (the desktop asks the system, the page its browser).
#include <functional>
#include <string>
#include <string_view>
#include <variant>

struct PlaceText
{
    std::string name; // the built-in name, or the text given as LAT,LON,ZONE
    double latitude;  // north positive
    double longitude; // east positive
    std::string zone; // the IANA name of its civil time zone
};

// Whether a time zone of that IANA name is known.
using ZoneKnown = std::function<bool(std::string_view zone)>;

// A built-in place by name (any case) or "LAT,LON,ZONE" such as "51.51,-0.13,Europe/London",
// blanks around it and its parts allowed; else what is wrong: no such place, not that form, a
// latitude or longitude out of range, or a zone not known.
std::variant<PlaceText, std::string> ReadPlaceText(std::string_view text,
                                                   const ZoneKnown &zoneKnown);
