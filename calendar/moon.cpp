// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/moon.h"

#include "calendar/deltat.h"
#include "calendar/julianday.h"
#include "calendar/vectorstate.h"

#include <cmath>
#include <cstdint>
#include <span>

namespace {

constexpr double kRadian = 3.14159265358979323846 / 180.0;
constexpr double kSynodicMonth = 29.530588861; // days from new moon to new moon, on average
// The mean new moon of 6 January 2000, from which the lunations k are counted, in dynamical time.
constexpr double kMeanNewMoon2000 = 2451550.09766;

double JulianDayOf(UtSeconds moment)
{
    return kUnixEpochJd + double(moment) / 86400.0;
}

double Sine(double degrees)
{
    return std::sin(std::remainder(degrees, 360.0) * kRadian);
}

double Cosine(double degrees)
{
    return std::cos(std::remainder(degrees, 360.0) * kRadian);
}

// A periodic term of a phase's correction (Meeus, Astronomical Algorithms, 2nd edition, chapter
// 49): the sine of a sum of multiples of the sun's mean anomaly M, the moon's mean anomaly M',
// the moon's argument of latitude F and the longitude of its ascending node, times a power of
// the eccentricity factor E, in days.
struct Term
{
    signed char sun, moon, latitude, node;
    signed char eccentricity; // the power of E
    double days[2];           // at new moon and at full moon, or at the quarters
};

constexpr Term kNewAndFullTerms[] = {
    {0, 1, 0, 0, 0, {-0.40720, -0.40614}},   {1, 0, 0, 0, 1, {0.17241, 0.17302}},
    {0, 2, 0, 0, 0, {0.01608, 0.01614}},     {0, 0, 2, 0, 0, {0.01039, 0.01043}},
    {-1, 1, 0, 0, 1, {0.00739, 0.00734}},    {1, 1, 0, 0, 1, {-0.00514, -0.00515}},
    {2, 0, 0, 0, 2, {0.00208, 0.00209}},     {0, 1, -2, 0, 0, {-0.00111, -0.00111}},
    {0, 1, 2, 0, 0, {-0.00057, -0.00057}},   {1, 2, 0, 0, 1, {0.00056, 0.00056}},
    {0, 3, 0, 0, 0, {-0.00042, -0.00042}},   {1, 0, 2, 0, 1, {0.00042, 0.00042}},
    {1, 0, -2, 0, 1, {0.00038, 0.00038}},    {-1, 2, 0, 0, 1, {-0.00024, -0.00024}},
    {0, 0, 0, 1, 0, {-0.00017, -0.00017}},   {2, 1, 0, 0, 0, {-0.00007, -0.00007}},
    {0, 2, -2, 0, 0, {0.00004, 0.00004}},    {3, 0, 0, 0, 0, {0.00004, 0.00004}},
    {1, 1, -2, 0, 0, {0.00003, 0.00003}},    {0, 2, 2, 0, 0, {0.00003, 0.00003}},
    {1, 1, 2, 0, 0, {-0.00003, -0.00003}},   {-1, 1, 2, 0, 0, {0.00003, 0.00003}},
    {-1, 1, -2, 0, 0, {-0.00002, -0.00002}}, {1, 3, 0, 0, 0, {-0.00002, -0.00002}},
    {0, 4, 0, 0, 0, {0.00002, 0.00002}},
};

constexpr Term kQuarterTerms[] = {
    {0, 1, 0, 0, 0, {-0.62801}}, {1, 0, 0, 0, 1, {0.17172}},    {1, 1, 0, 0, 1, {-0.01183}},
    {0, 2, 0, 0, 0, {0.00862}},  {0, 0, 2, 0, 0, {0.00804}},    {-1, 1, 0, 0, 1, {0.00454}},
    {2, 0, 0, 0, 2, {0.00204}},  {0, 1, -2, 0, 0, {-0.00180}},  {0, 1, 2, 0, 0, {-0.00070}},
    {0, 3, 0, 0, 0, {-0.00040}}, {-1, 2, 0, 0, 1, {-0.00034}},  {1, 0, 2, 0, 1, {0.00032}},
    {1, 0, -2, 0, 1, {0.00032}}, {2, 1, 0, 0, 2, {-0.00028}},   {1, 2, 0, 0, 1, {0.00027}},
    {0, 0, 0, 1, 0, {-0.00017}}, {-1, 1, -2, 0, 0, {-0.00005}}, {0, 2, 2, 0, 0, {0.00004}},
    {1, 1, 2, 0, 0, {-0.00004}}, {-2, 1, 0, 0, 0, {0.00004}},   {1, 1, -2, 0, 0, {0.00003}},
    {3, 0, 0, 0, 0, {0.00003}},  {0, 2, -2, 0, 0, {0.00002}},   {-1, 1, 2, 0, 0, {0.00002}},
    {1, 3, 0, 0, 0, {-0.00002}},
};

// The planets' pull on the moon, the same at every phase: the arguments A1 to A14 in degrees, at
// k = 0, per lunation and per square century, and the amplitude of each one's sine in days.
struct PlanetaryTerm
{
    double atZero, perLunation, perCenturySquared, days;
};

constexpr PlanetaryTerm kPlanetaryTerms[] = {
    {299.77, 0.107408, -0.009173, 0.000325}, {251.88, 0.016321, 0, 0.000165},
    {251.83, 26.651886, 0, 0.000164},        {349.42, 36.412478, 0, 0.000126},
    {84.66, 18.206239, 0, 0.000110},         {141.74, 53.303771, 0, 0.000062},
    {207.14, 2.453732, 0, 0.000060},         {154.84, 7.306860, 0, 0.000056},
    {34.52, 27.261239, 0, 0.000047},         {207.19, 0.121824, 0, 0.000042},
    {291.34, 1.844379, 0, 0.000040},         {161.72, 24.198154, 0, 0.000037},
    {239.56, 25.513099, 0, 0.000035},        {331.55, 3.592518, 0, 0.000023},
};

// The moment of a principal phase as a Julian day in UT. `quarter` counts the phases from the
// new moon of January 2000: 4k is the new moon of lunation k, 4k + 1 its first quarter, 4k + 2
// its full moon and 4k + 3 its last quarter. Meeus's times are in dynamical time, and keep within
// half a minute of the full lunar theory (ELP 2000-82) from 1900 to 2100, mostly within ten
// seconds; to UT they come by the project's delta T, taken at the dynamical moment (a minute
// later changes it by far less than a second).
double PhaseMoment(std::int64_t quarter)
{
    const double k = double(quarter) / 4.0;
    const double t = k / 1236.85; // Julian centuries from 2000
    const double t2 = t * t;
    double moment = kMeanNewMoon2000 + kSynodicMonth * k +
                    t2 * (0.00015437 + t * (-0.000000150 + t * 0.00000000073));

    const double e = 1.0 - t * (0.002516 + t * 0.0000074); // the earth's orbit against 2000's
    const double arguments[4] = {
        2.5534 + 29.10535670 * k - t2 * (0.0000014 + t * 0.00000011),
        201.5643 + 385.81693528 * k + t2 * (0.0107582 + t * (0.00001238 - t * 0.000000058)),
        160.7108 + 390.67050284 * k - t2 * (0.0016118 + t * (0.00000227 - t * 0.000000011)),
        124.7746 - 1.56375588 * k + t2 * (0.0020672 + t * 0.00000215)};
    const int phase = int(quarter & 3);
    const bool quarterPhase = phase % 2 == 1;
    for (const Term &term : quarterPhase ? std::span<const Term>(kQuarterTerms)
                                         : std::span<const Term>(kNewAndFullTerms)) {
        const double angle = term.sun * arguments[0] + term.moon * arguments[1] +
                             term.latitude * arguments[2] + term.node * arguments[3];
        moment +=
            term.days[quarterPhase ? 0 : phase / 2] * std::pow(e, term.eccentricity) * Sine(angle);
    }
    if (quarterPhase) {
        // The quarters' own correction W, added at the first and taken off at the last.
        const double w =
            0.00306 - 0.00038 * e * Cosine(arguments[0]) + 0.00026 * Cosine(arguments[1]) -
            0.00002 * Cosine(arguments[1] - arguments[0]) +
            0.00002 * Cosine(arguments[1] + arguments[0]) + 0.00002 * Cosine(2.0 * arguments[2]);
        moment += phase == 1 ? w : -w;
    }
    for (const PlanetaryTerm &term : kPlanetaryTerms)
        moment +=
            term.days * Sine(term.atZero + term.perLunation * k + term.perCenturySquared * t2);
    return moment - DeltaTSeconds(moment) / 86400.0;
}

} // namespace

std::vector<MoonPhaseInstant> MoonPhasesBetween(UtSeconds from, UtSeconds to)
{
    ClearUpperVectorState();
    std::vector<MoonPhaseInstant> phases;
    // A true phase is within a day of its mean one: from the mean phase two days before `from`,
    // the phases come in order, and the first few fall before it.
    std::int64_t quarter = std::int64_t(
        std::floor((JulianDayOf(from) - 2.0 - kMeanNewMoon2000) / (kSynodicMonth / 4.0)));
    for (;; ++quarter) {
        const UtSeconds at = ToMinute(PhaseMoment(quarter));
        if (at >= to)
            break;
        if (at >= from)
            phases.push_back({MoonPhase(quarter & 3), at});
    }
    return phases;
}

// The lit fraction from the phase angle i, the angle at the moon between the sun and the earth,
// by Meeus's shorter formula (48.4) from the mean elongation D and the mean anomalies M and M'
// (chapter 47): within a few thousandths of the fraction from the full positions.
double MoonLitFraction(UtSeconds at)
{
    ClearUpperVectorState();
    const double julianDay = JulianDayOf(at);
    const double t = (julianDay + DeltaTSeconds(julianDay) / 86400.0 - 2451545.0) / 36525.0;
    const double d = 297.8501921 + t * (445267.1114034 - t * 0.0018819);
    const double m = 357.5291092 + t * (35999.0502909 - t * 0.0001536);
    const double moon = 134.9633964 + t * (477198.8675055 + t * 0.0087414);
    const double i = 180.0 - d - 6.289 * Sine(moon) + 2.100 * Sine(m) -
                     1.274 * Sine(2.0 * d - moon) - 0.658 * Sine(2.0 * d) -
                     0.214 * Sine(2.0 * moon) - 0.110 * Sine(d);
    return (1.0 + Cosine(i)) / 2.0;
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
