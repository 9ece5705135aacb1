// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/moon.h"

#include "calendar/deltat.h"

#include <cmath>
#include <libnova/lunar.h>
#include <libnova/solar.h>

namespace {

constexpr double kUnixEpochJd = 2440587.5;
constexpr double kSynodicMonth = 29.530589; // days from new moon to new moon, on average
constexpr double kMeanElongationPerDay = 360.0 / kSynodicMonth;
// ELP 2000-82 terms below this many radians are left out: the longitude stays within 3 arc
// seconds of the whole series (6 seconds of a phase) at a twentieth of its cost.
constexpr double kLunarTruncation = 1e-6;

double JulianDayOf(UtSeconds moment)
{
    return kUnixEpochJd + double(moment) / 86400.0;
}

UtSeconds ToMinute(double julianDay)
{
    return UtSeconds(std::llround((julianDay - kUnixEpochJd) * 1440.0)) * 60;
}

// How far the moon's apparent longitude is ahead of the sun's, [0, 360) degrees, at a moment
// in UT. libnova refers both to the same equinox, so precession and nutation drop out of the
// difference; aberration shows the sun 20.5 arc seconds (at one astronomical unit) behind
// where it is, which is 40 seconds of a phase.
double Elongation(double julianDay)
{
    const double dynamical = julianDay + DeltaTSeconds(julianDay) / 86400.0;
    ln_lnlat_posn moon;
    ln_get_lunar_ecl_coords(dynamical, &moon, kLunarTruncation);
    ln_helio_posn sun;
    ln_get_solar_geom_coords(dynamical, &sun);
    const double ahead = moon.lng - (sun.L - 20.4898 / 3600.0 / sun.R);
    return ahead - 360.0 * std::floor(ahead / 360.0);
}

// How far the elongation is past `target`, (-180, 180] degrees.
double Past(double julianDay, double target)
{
    const double past = Elongation(julianDay) - target;
    return past - 360.0 * std::ceil((past - 180.0) / 360.0);
}

// The moment the elongation reaches `target`, from an estimate within a few days: the
// elongation only ever grows, by 10 to 15 degrees a day, so secant steps close in on the one
// such moment and stop within half a second.
double PhaseMoment(double estimate, double target)
{
    double before = estimate, pastBefore = Past(before, target);
    double now = before - pastBefore / kMeanElongationPerDay;
    for (int i = 0; i < 10; ++i) {
        const double pastNow = Past(now, target);
        if (pastNow == pastBefore)
            break;
        const double next = now - pastNow * (now - before) / (pastNow - pastBefore);
        before = now;
        pastBefore = pastNow;
        now = next;
        if (std::abs(now - before) < 0.5 / 86400.0)
            break;
    }
    return now;
}

} // namespace

std::vector<MoonPhaseInstant> MoonPhasesBetween(UtSeconds from, UtSeconds to)
{
    std::vector<MoonPhaseInstant> phases;
    // From a day early, so that a phase a few seconds before `from` that rounds to it is kept.
    const double start = JulianDayOf(from) - 1.0;
    const double elongation = Elongation(start);
    int quarter = int(elongation / 90.0) + 1; // the next phase, counted from the new moon
    double estimate = start + (90.0 * quarter - elongation) / kMeanElongationPerDay;
    for (;; ++quarter) {
        const double moment = PhaseMoment(estimate, 90.0 * (quarter % 4));
        const UtSeconds at = ToMinute(moment);
        if (at >= to)
            break;
        if (at >= from)
            phases.push_back({MoonPhase(quarter % 4), at});
        estimate = moment + kSynodicMonth / 4.0;
    }
    return phases;
}

double MoonLitFraction(UtSeconds at)
{
    return ln_get_lunar_disk(JulianDayOf(at));
}

std::string_view MoonPhaseName(MoonPhase phase)
{
    switch (phase) {
    case MoonPhase::New:
        return "New moon";
    case MoonPhase::FirstQuarter:
        return "First quarter";
    case MoonPhase::Full:
        return "Full moon";
    case MoonPhase::LastQuarter:
        break;
    }
    return "Last quarter";
}

std::string_view MoonPhaseKey(MoonPhase phase)
{
    switch (phase) {
    case MoonPhase::New:
        return "new";
    case MoonPhase::FirstQuarter:
        return "first_quarter";
    case MoonPhase::Full:
        return "full";
    case MoonPhase::LastQuarter:
        break;
    }
    return "last_quarter";
}
