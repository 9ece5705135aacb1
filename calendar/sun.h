// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/reckonings.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// A moment in universal time: seconds since 1 January 1970, 00:00 UT.
using UtSeconds = std::int64_t;

// A time zone as the front end's zone data has it: its offset from UT, in seconds, at a moment.
using ZoneOffsetAt = std::function<int(UtSeconds moment)>;

// Days from 1 January 1970 to the date.
long DaysSince1970(CalendarDate date);

// Local civil time (minutes after midnight) on a date in a zone, as UT. A time the clocks skip
// in spring is read with the offset in force before the change (as a clock not yet put forward
// reads it); a time they show twice in autumn, as its second moment, after the change (as the
// desktop's toolkit has always read it).
UtSeconds UtOfLocal(CalendarDate date, int minutes, const ZoneOffsetAt &offsetAt);

enum class Daylight
{
    RisesAndSets,
    AlwaysUp,   // polar day: no sunrise and no sunset
    AlwaysDown, // polar night
};

// The sun on one day at one place: the upper limb with refraction on the horizon, as almanacs
// give sunrise and sunset, to the nearest minute. The day is the one around the solar noon
// nearest to noon local mean time, so a place far east or west of Greenwich gets the events
// of its own date, not of the UT date. The times hold only with RisesAndSets.
struct SunDay
{
    Daylight daylight;
    UtSeconds rise;
    UtSeconds transit; // solar noon
    UtSeconds set;
};

// Latitude [-90, 90] north positive, longitude [-180, 180] east positive.
SunDay SunOn(CalendarDate date, double latitude, double longitude);

// The five watches of the day, with the second watch kept as a second Havan in winter.
enum class Gah
{
    Havan,
    Rapithwin,
    SecondHavan,
    Uziran,
    Aiwisruthrem,
    Ushahin,
};

std::string_view GahName(Gah gah);

// Rapithwin is not kept in the winter mah 8 to 12, on the Gatha days and on Avardad-sal-gah.
bool KeepsSecondHavan(const ZoroastrianDay &day);

// The Gah of a moment on the local date whose sun is `day` (which rises and sets).
// `previousTransit` is the solar noon of the day before: solar midnight is twelve hours after
// it, and a moment before sunrise lies between the two Gah of the night.
Gah GahAt(UtSeconds moment, const SunDay &day, UtSeconds previousTransit, bool secondHavan);

// An event at a moment of its local date at a place, against that date's sun there (`day`,
// which rises and sets): on which side of sunrise it fell, and in which Gah.
struct SunMoment
{
    bool beforeSunrise;
    Gah gah;
};
SunMoment SunMomentOf(UtSeconds moment, CalendarDate date, const SunDay &day, double latitude,
                      double longitude, Reckoning calendar);
// Why a date at a place has no sunrise: "No sunrise at Tromso on 15-Dec-2025: the sun stays
// below the horizon all day", the date written as the caller writes it.
std::string NoSunriseMessage(std::string_view place, std::string_view dateText, Daylight daylight);
