// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sun.h"

#include <chrono>
#include <cmath>
#include <libnova/precession.h>
#include <libnova/rise_set.h>
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

} // namespace

SunDay SunOn(CalendarDate date, double latitude, double longitude)
{
    const double midnight = JulianDayOf(date);
    const double meanNoon = midnight + 0.5 - longitude / 360.0; // [midnight, midnight + 1]
    // libnova answers for a UT day with each event folded into it, so the day's events are
    // picked from three UT days: the solar noon nearest mean noon, the rise in the half day
    // before it and the set in the half day after it.
    const int noonDay = int(std::floor(meanNoon - midnight));
    ln_lnlat_posn observer{longitude, latitude};
    ln_rst_time days[3];
    int status[3];
    for (int i = 0; i < 3; ++i)
        status[i] = ln_get_body_rst_horizon(midnight + noonDay - 1 + i, &observer, &SunOfDate,
                                            LN_SOLAR_STANDART_HORIZON, &days[i]);
    if (status[1] != 0)
        return {DaylightOf(status[1]), 0, 0, 0};
    double transit = days[1].transit;
    for (int i : {0, 2}) {
        if (status[i] == 0 && std::abs(days[i].transit - meanNoon) < std::abs(transit - meanNoon))
            transit = days[i].transit;
    }
    double rise = NAN, set = NAN;
    for (int i = 0; i < 3; ++i) {
        if (status[i] != 0)
            continue;
        if (days[i].rise <= transit && days[i].rise > transit - 0.5)
            rise = days[i].rise;
        if (days[i].set >= transit && days[i].set < transit + 0.5)
            set = days[i].set;
    }
    if (std::isnan(rise) || std::isnan(set)) {
        for (int i : {0, 2}) {
            if (status[i] != 0)
                return {DaylightOf(status[i]), 0, 0, 0};
        }
        return {Daylight::AlwaysDown, 0, 0, 0};
    }
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
