// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/places.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr PlaceRow kPlaces[] = {
    {"Mumbai", 18.96, 72.82, "Asia/Kolkata"},
    {"Navsari", 20.95, 72.92, "Asia/Kolkata"},
    {"Udvada", 20.48, 72.87, "Asia/Kolkata"},
    {"Surat", 21.17, 72.83, "Asia/Kolkata"},
    {"Pune", 18.52, 73.86, "Asia/Kolkata"},
    {"Ahmedabad", 23.03, 72.58, "Asia/Kolkata"},
    {"Delhi", 28.61, 77.21, "Asia/Kolkata"},
    {"Bengaluru", 12.97, 77.59, "Asia/Kolkata"},
    {"Chennai", 13.08, 80.27, "Asia/Kolkata"},
    {"Hyderabad", 17.39, 78.49, "Asia/Kolkata"},
    {"Kolkata", 22.57, 88.36, "Asia/Kolkata"},
    {"Karachi", 24.86, 67.01, "Asia/Karachi"},
    {"Lahore", 31.55, 74.34, "Asia/Karachi"},
    {"Tehran", 35.69, 51.39, "Asia/Tehran"},
    {"Yazd", 31.90, 54.37, "Asia/Tehran"},
    {"Kerman", 30.28, 57.08, "Asia/Tehran"},
    {"Dubai", 25.20, 55.27, "Asia/Dubai"},
    {"Muscat", 23.59, 58.41, "Asia/Muscat"},
    {"Bahrain", 26.23, 50.59, "Asia/Bahrain"},
    {"Kuwait", 29.38, 47.99, "Asia/Kuwait"},
    {"London", 51.51, -0.13, "Europe/London"},
    {"Toronto", 43.65, -79.38, "America/Toronto"},
    {"Vancouver", 49.28, -123.12, "America/Vancouver"},
    {"New York", 40.71, -74.01, "America/New_York"},
    {"Chicago", 41.88, -87.63, "America/Chicago"},
    {"Houston", 29.76, -95.37, "America/Chicago"},
    {"Los Angeles", 34.05, -118.24, "America/Los_Angeles"},
    {"San Francisco", 37.77, -122.42, "America/Los_Angeles"},
    {"Sydney", -33.87, 151.21, "Australia/Sydney"},
    {"Melbourne", -37.81, 144.96, "Australia/Melbourne"},
    {"Perth", -31.95, 115.86, "Australia/Perth"},
    {"Auckland", -36.85, 174.76, "Pacific/Auckland"},
    {"Singapore", 1.29, 103.85, "Asia/Singapore"},
    {"Hong Kong", 22.32, 114.17, "Asia/Hong_Kong"},
};
static_assert(std::size(kPlaces) >= 25, "the cities of India and Pakistan, Iran, the Gulf and the "
                                        "diaspora");

bool SameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

} // namespace

std::span<const PlaceRow> BuiltInPlaces()
{
    return kPlaces;
}

const PlaceRow *BuiltInPlace(std::string_view name)
{
    const auto found =
        std::find_if(std::begin(kPlaces), std::end(kPlaces),
                     [name](const PlaceRow &row) { return SameName(row.name, name); });
    return found != std::end(kPlaces) ? found : nullptr;
}
