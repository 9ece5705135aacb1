// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/moon.h"

#include "calendar/deltat.h"
#include "calendar/julianday.h"
#include "calendar/vectorstate.h"

#include <cmath>
#include <libnova/lunar.h>
#include <libnova/solar.h>

namespace {

constexpr double kSynodicMonth = 29.530589; // days from new moon to new moon, on average
constexpr double kMeanElongationPerDay = 360.0 / kSynodicMonth;
// ELP 2000-82 terms below this many radians are left out: the longitude stays within 3 arc
// seconds of the whole series (6 seconds of a phase) at a twentieth of its cost.
constexpr double kLunarTruncation = 1e-6;

double JulianDayOf(UtSeconds moment)
{
    return kUnixEpochJd + double(moment) / 86400.0;
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

// How far an elongation is past `target`, (-180, 180] degrees.
double Beyond(double elongation, double target)
{
    const double past = elongation - target;
    return past - 360.0 * std::ceil((past - 180.0) / 360.0);
}

double Past(double julianDay, double target)
{
    return Beyond(Elongation(julianDay), target);
}

// The elongation, and how fast it grows, from the mean motions, the largest periodic terms of
// the moon's longitude (Meeus, Astronomical Algorithms, 2nd edition, table 47.A, in millionths
// of a degree) and the sun's equation of the centre (chapter 25). It keeps within a few arc
// minutes of libnova's for a hundredth of the cost, and its rate within a few tenths of a
// percent.
struct Motion
{
    double elongation; // degrees
    double rate;       // degrees a day
};

Motion ApproximateMotion(double julianDay)
{
    struct Term
    {
        int d, m, moon, f; // multiples of the four arguments
        double amplitude;  // millionths of a degree
    };
    static constexpr Term kTerms[] = {
        {0, 0, 1, 0, 6288774}, {2, 0, -1, 0, 1274027}, {2, 0, 0, 0, 658314},  {0, 0, 2, 0, 213618},
        {0, 1, 0, 0, -185116}, {0, 0, 0, 2, -114332},  {2, 0, -2, 0, 58793},  {2, -1, -1, 0, 57066},
        {2, 0, 1, 0, 53322},   {2, -1, 0, 0, 45758},   {0, 1, -1, 0, -40923}, {1, 0, 0, 0, -34720},
        {0, 1, 1, 0, -30383},  {2, 0, 0, -2, 15327},   {0, 0, 1, 2, -12528},  {0, 0, 1, -2, 10980},
        {4, 0, -1, 0, 10675},  {0, 0, 3, 0, 10034},    {4, 0, -2, 0, 8548},   {2, 1, -1, 0, -7888},
        {2, 1, 0, 0, -6766},   {1, 0, -1, 0, -5163},   {1, 1, 0, 0, 4987},    {2, -1, 1, 0, 4036},
        {2, 0, 2, 0, 3994},    {4, 0, 0, 0, 3861},     {2, 0, -3, 0, 3665},   {0, 1, -2, 0, -2689},
    };
    constexpr double kRadian = 3.14159265358979323846 / 180.0;
    const double t = (julianDay + DeltaTSeconds(julianDay) / 86400.0 - 2451545.0) / 36525.0;
    // The moon's mean elongation, the sun's and the moon's mean anomalies and the moon's
    // argument of latitude, in degrees, and their rates in degrees a day.
    double arguments[4] = {297.8501921 + t * (445267.1114034 - t * 0.0018819),
                           357.5291092 + t * (35999.0502909 - t * 0.0001536),
                           134.9633964 + t * (477198.8675055 + t * 0.0087414),
                           93.2720950 + t * (483202.0175233 - t * 0.0036539)};
    for (double &argument : arguments)
        argument -= 360.0 * std::floor(argument / 360.0);
    const double rates[4] = {12.19074912, 0.98560028, 13.06499295, 13.22935024};
    const double eccentricity = 1.0 - 0.002516 * t; // of the earth's orbit, against 2000's
    // The aberration puts the sun 20.5 arc seconds behind its place.
    Motion motion{arguments[0] + 0.00569, rates[0]};
    for (const Term &term : kTerms) {
        const int n[4] = {term.d, term.m, term.moon, term.f};
        double angle = 0, rate = 0;
        for (int i = 0; i < 4; ++i) {
            angle += n[i] * arguments[i];
            rate += n[i] * rates[i];
        }
        const double amplitude = term.amplitude * 1e-6 * std::pow(eccentricity, std::abs(term.m));
        motion.elongation += amplitude * std::sin(angle * kRadian);
        motion.rate += amplitude * std::cos(angle * kRadian) * rate * kRadian;
    }
    const double centre[3] = {1.914602 - 0.004817 * t, 0.019993 - 0.000101 * t, 0.000289};
    for (int k = 1; k <= 3; ++k) {
        motion.elongation -= centre[k - 1] * std::sin(k * arguments[1] * kRadian);
        motion.rate -=
            centre[k - 1] * std::cos(k * arguments[1] * kRadian) * k * rates[1] * kRadian;
    }
    motion.elongation -= 360.0 * std::floor(motion.elongation / 360.0);
    return motion;
}

// The moment the elongation reaches `target`, from an estimate within a few days: the
// elongation only ever grows, by 10 to 15 degrees a day, so secant steps close in on the one
// such moment and stop within half a second.
double SecantMoment(double estimate, double target)
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

// The same moment for a fraction of the cost: Newton's steps on the approximate motion, then one
// step with libnova's elongation and the approximate rate, which lands within a second or two
// where the approximation was within minutes. Where it was not, the secant steps take over.
double PhaseMoment(double estimate, double target)
{
    double moment = estimate;
    Motion motion{};
    for (int i = 0; i < 20; ++i) {
        motion = ApproximateMotion(moment);
        const double step = Beyond(motion.elongation, target) / motion.rate;
        moment -= step;
        if (std::abs(step) < 0.1 / 86400.0)
            break;
    }
    const double correction = Past(moment, target) / motion.rate;
    if (std::abs(correction) < 10.0 / 1440.0)
        return moment - correction;
    return SecantMoment(moment - correction, target);
}

} // namespace

std::vector<MoonPhaseInstant> MoonPhasesBetween(UtSeconds from, UtSeconds to)
{
    ClearUpperVectorState();
    std::vector<MoonPhaseInstant> phases;
    // From a day early, so that a phase a few seconds before `from` that rounds to it is kept.
    const double start = JulianDayOf(from) - 1.0;
    const double elongation = ApproximateMotion(start).elongation;
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
    ClearUpperVectorState();
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
