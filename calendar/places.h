// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

// A place to reckon sunrise at: latitude north positive, longitude east positive, in degrees
// to 0.01, and the IANA name of its civil time zone.
struct PlaceRow
{
    std::string_view name;
    double latitude;
    double longitude;
    std::string_view zone;
};

// Where Zoroastrian families live, India first.
std::span<const PlaceRow> BuiltInPlaces();

// The built-in place of that name, compared without regard to case; nullptr for none.
const PlaceRow *BuiltInPlace(std::string_view name);
