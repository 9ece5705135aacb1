// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/placetext.h"

#include "calendar/places.h"
#include "calendar/utf8text.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

// A decimal number such as "-0.13", "51.5" or "1e2", blanks around it allowed; nullopt for
// anything else.
std::optional<double> DecimalOf(std::string_view text)
{
    text = TrimBlanks(text);
    std::size_t at = 0;
    const auto digits = [&] {
        const std::size_t from = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            ++at;
        return at - from;
    };
    at += at < text.size() && (text[at] == '+' || text[at] == '-');
    std::size_t mantissa = digits();
    if (at < text.size() && text[at] == '.')
        ++at, mantissa += digits();
    if (mantissa == 0)
        return std::nullopt;
    const std::size_t mantissaEnd = at;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        at += at < text.size() && (text[at] == '+' || text[at] == '-');
        if (digits() == 0)
            return std::nullopt;
    }
    if (at != text.size())
        return std::nullopt;
    // strtod reads the decimal point of the program's locale, which a desktop sets from the
    // user's (a comma in much of Europe). A result too large for a double is infinite, one too
    // small to be told from zero is no number either.
    std::string number(text);
    if (const std::string_view point = std::localeconv()->decimal_point; point != ".") {
        if (const std::size_t dot = number.find('.'); dot != std::string::npos)
            number.replace(dot, 1, point);
    }
    const double value = std::strtod(number.c_str(), nullptr);
    const bool nonzero =
        text.substr(0, mantissaEnd).find_first_of("123456789") != std::string_view::npos;
    if (value == 0 && nonzero)
        return std::nullopt;
    return value;
}

std::vector<std::string_view> PartsOf(std::string_view text)
{
    std::vector<std::string_view> parts;
    for (std::size_t from = 0;;) {
        const std::size_t comma = text.find(',', from);
        parts.push_back(text.substr(from, comma - from));
        if (comma == std::string_view::npos)
            return parts;
        from = comma + 1;
    }
}

} // namespace

std::variant<PlaceText, std::string> ReadPlaceText(std::string_view text,
                                                   const ZoneKnown &zoneKnown)
{
    const std::string given(TrimBlanks(text));
    if (given.find(',') == std::string::npos) {
        if (const PlaceRow *row = BuiltInPlace(given))
            return PlaceText{std::string(row->name), row->latitude, row->longitude,
                             std::string(row->zone)};
        return "\"" + given + "\" is no built-in place";
    }
    const std::vector<std::string_view> parts = PartsOf(given);
    const std::optional<double> latitude = DecimalOf(parts[0]);
    const std::optional<double> longitude = DecimalOf(parts[1]);
    if (parts.size() != 3 || !latitude || !longitude || !std::isfinite(*latitude) ||
        !std::isfinite(*longitude))
        return "\"" + given + "\" is not LAT,LON,ZONE (for example 51.51,-0.13,Europe/London)";
    if (std::abs(*latitude) > 90)
        return "the latitude " + std::string(parts[0]) + " is out of range: -90 to 90";
    if (std::abs(*longitude) > 180)
        return "the longitude " + std::string(parts[1]) + " is out of range: -180 to 180";
    const std::string zone(TrimBlanks(parts[2]));
    if (zone.empty() || !zoneKnown(zone))
        return "the time zone \"" + zone + "\" is unknown to this system";
    return PlaceText{given, *latitude, *longitude, zone};
}
