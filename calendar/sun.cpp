// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/sun.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <libnova/dynamical_time.h>
#include <libnova/precession.h>
#include <libnova/rise_set.h>
#include <libnova/sidereal_time.h>
#include <libnova/solar.h>

namespace {

constexpr double kUnixEpochJd = 2440587.5;
constexpr UtSeconds kHour = 3600;

// 0h UT of the date as a Julian day, in the proleptic Gregorian calendar the dates are kept in
// (libnova's own conversion turns Julian before October 1582).
double JulianDayOf(CalendarDate date)
{
    using namespace std::chrono;
    const sys_days day = year(date.year()) / date.month() / date.day();
    return kUnixEpochJd + double(day.time_since_epoch().count());
}

UtSeconds ToMinute(double julianDay)
{
    return UtSeconds(std::llround((julianDay - kUnixEpochJd) * 1440.0)) * 60;
}

// libnova gives the sun referred to the equinox of J2000; the rise and set search needs it
// referred to the equinox of the day, or sunrise drifts by minutes a century away from 2000.
void SunOfDate(double julianDay, ln_equ_posn *position)
{
    ln_equ_posn j2000;
    ln_get_solar_equ_coords(julianDay, &j2000);
    ln_get_equ_prec(&j2000, julianDay, position);
}

Daylight DaylightOf(int status)
{
    return status > 0 ? Daylight::AlwaysUp : Daylight::AlwaysDown;
}

constexpr double kRadian = 3.14159265358979323846 / 180.0;

struct Coordinates
{
    double latitude;
    double longitude;
};

// The sun's hour angle [-180, 180) and altitude of its centre, in degrees, at a moment in UT.
void HourAngleAndAltitude(double julianDay, Coordinates place, double *hourAngle, double *altitude,
                          double *declination)
{
    ln_equ_posn sun;
    SunOfDate(julianDay + ln_get_dynamical_time_diff(julianDay) / 86400.0, &sun);
    const double angle = ln_get_apparent_sidereal_time(julianDay) * 15.0 + place.longitude - sun.ra;
    *hourAngle = angle - 360.0 * std::floor((angle + 180.0) / 360.0);
    *declination = sun.dec;
    *altitude = std::asin(std::sin(place.latitude * kRadian) * std::sin(sun.dec * kRadian) +
                          std::cos(place.latitude * kRadian) * std::cos(sun.dec * kRadian) *
                              std::cos(*hourAngle * kRadian)) /
                kRadian;
}

// libnova's search makes one correction from positions interpolated over its UT day, and folds
// each event into that day, so an event near 0h UT can go missing. Its answer, moved by whole
// days to the right solar day, is therefore refined here with the sun's position at the
// moment itself until the correction is below a second.
double Refined(double julianDay, Coordinates place, bool transit)
{
    for (int i = 0; i < 5; ++i) {
        double hourAngle, altitude, declination;
        HourAngleAndAltitude(julianDay, place, &hourAngle, &altitude, &declination);
        const double step =
            transit ? -hourAngle / 360.0
                    : (altitude - LN_SOLAR_STANDART_HORIZON) /
                          (360.0 * std::cos(declination * kRadian) *
                           std::cos(place.latitude * kRadian) * std::sin(hourAngle * kRadian));
        if (!std::isfinite(step)) // at a pole, where the hour angle means nothing
            break;
        julianDay += std::clamp(step, -0.05, 0.05);
        if (std::abs(step) < 1.0 / 86400.0)
            break;
    }
    return julianDay;
}

// The value of `event` moved by whole days into [from, from + 1).
double Into(double event, double from)
{
    return event - std::floor(event - from);
}

} // namespace

SunDay SunOn(CalendarDate date, double latitude, double longitude)
{
    const double midnight = JulianDayOf(date);
    const double meanNoon = midnight + 0.5 - longitude / 360.0; // [midnight, midnight + 1]
    ln_lnlat_posn observer{longitude, latitude};
    ln_rst_time day;
    const int status =
        ln_get_body_rst_horizon(midnight + std::floor(meanNoon - midnight), &observer, &SunOfDate,
                                LN_SOLAR_STANDART_HORIZON, &day);
    if (status != 0)
        return {DaylightOf(status), 0, 0, 0};
    const Coordinates place{latitude, longitude};
    // The solar noon nearest mean noon, the rise in the half day before it, the set in the
    // half day after it.
    const double transit = Refined(Into(day.transit, meanNoon - 0.5), place, true);
    const double rise = Refined(Into(day.rise, transit - 0.5), place, false);
    const double set = Refined(Into(day.set, transit), place, false);
    return {Daylight::RisesAndSets, ToMinute(rise), ToMinute(transit), ToMinute(set)};
}

std::string_view GahName(Gah gah)
{
    switch (gah) {
    case Gah::Havan:
        return "Havan";
    case Gah::Rapithwin:
        return "Rapithwin";
    case Gah::SecondHavan:
        return "Second Havan";
    case Gah::Uziran:
        return "Uziran";
    case Gah::Aiwisruthrem:
        return "Aiwisruthrem";
    case Gah::Ushahin:
        break;
    }
    return "Ushahin";
}

bool KeepsSecondHavan(const ZoroastrianDay &day)
{
    return day.mah == 0 || day.mah >= 8;
}

Gah GahAt(UtSeconds moment, const SunDay &day, UtSeconds previousTransit, bool secondHavan)
{
    if (moment < day.rise)
        return moment < previousTransit + 12 * kHour ? Gah::Aiwisruthrem : Gah::Ushahin;
    if (moment < day.transit)
        return Gah::Havan;
    // On a short winter day the sun may set before noon plus three hours: Uziran is then empty.
    if (moment < day.transit + 3 * kHour && moment < day.set)
        return secondHavan ? Gah::SecondHavan : Gah::Rapithwin;
    if (moment < day.set)
        return Gah::Uziran;
    return moment < day.transit + 12 * kHour ? Gah::Aiwisruthrem : Gah::Ushahin;
}
