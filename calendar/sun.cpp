// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/sun.h"

#include "calendar/julianday.h"
#include "calendar/vectorstate.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <libnova/dynamical_time.h>
#include <libnova/precession.h>
#include <libnova/sidereal_time.h>
#include <libnova/solar.h>
#include <limits>

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr UtSeconds kHour = 3600;
constexpr double kRadian = 3.14159265358979323846 / 180.0;
// The earth turns this many degrees a day against the stars; the sun's hour angle grows by that
// less the sun's own eastward motion, close to 360.
constexpr double kSiderealDegreesPerDay = 360.98564736629;
// The centre 50 arc minutes below the horizon: the upper limb, with refraction.
constexpr double kHorizon = LN_SOLAR_STANDART_HORIZON;

// 0h UT of the date as a Julian day, in the proleptic Gregorian calendar the dates are kept in
// (libnova's own conversion turns Julian before October 1582).
double JulianDayOf(CalendarDate date)
{
    using namespace std::chrono;
    const sys_days day = year(date.year()) / date.month() / date.day();
    return kUnixEpochJd + double(day.time_since_epoch().count());
}

// The sun's apparent place and the equation of the equinoxes at one instant of dynamical
// time, in degrees.
struct SunNode
{
    double ra;
    double dec;
    double equinoxes; // apparent less mean sidereal time
};

// The VSOP87 solar position costs as much as the rest of a day's sunrise, sunset and noon
// together, while the sun's place is smooth over days: a cubic through its places six days
// apart stays within about an arc second of VSOP87 (a tenth of a second of sunrise) from 1900
// to 2100. The places are taken on one fixed grid of instants, so a day's times are the same
// whichever days were asked for before it.
constexpr double kNodeSpacing = 6.0; // days of dynamical time

SunNode NodeAt(std::int64_t index)
{
    const double julianDay = kJ2000 + kNodeSpacing * double(index);
    // libnova gives the sun referred to the equinox of J2000; the hour angle needs it referred
    // to the equinox of the day, or sunrise drifts by minutes a century away from 2000.
    ln_equ_posn j2000, ofDate;
    ln_get_solar_equ_coords(julianDay, &j2000);
    ln_get_equ_prec(&j2000, julianDay, &ofDate);
    return {ofDate.ra, ofDate.dec,
            15.0 *
                (ln_get_apparent_sidereal_time(julianDay) - ln_get_mean_sidereal_time(julianDay))};
}

// A month drawn day by day asks for the same few grid places again and again; each thread
// keeps the last ones it computed.
const SunNode &CachedNode(std::int64_t index)
{
    struct Slot
    {
        std::int64_t index = std::numeric_limits<std::int64_t>::min(); // none yet
        SunNode node{};
    };
    constexpr std::size_t kSlots = 32;
    thread_local std::array<Slot, kSlots> slots{};
    Slot &slot = slots[static_cast<std::uint64_t>(index) % kSlots];
    if (slot.index != index)
        slot = {index, NodeAt(index)};
    return slot.node;
}

// The sun as seen from one place on one day. The difference of dynamical and universal time
// is taken once, at mean noon: it drifts by well under a second a day.
class SunTrack
{
public:
    SunTrack(double julianDay, double latitude, double longitude)
        : m_deltaT(ln_get_dynamical_time_diff(julianDay) / 86400.0),
          m_sinLatitude(std::sin(latitude * kRadian)), m_cosLatitude(std::cos(latitude * kRadian)),
          m_longitude(longitude)
    {}

    // The hour angle [-180, 180), declination and altitude of the sun's centre, in degrees,
    // at a moment in UT.
    void At(double julianDay, double *hourAngle, double *declination, double *altitude) const
    {
        // Lagrange's cubic through the grid places at -1, 0, 1 and 2 spacings around x.
        const double x = (julianDay + m_deltaT - kJ2000) / kNodeSpacing;
        const double first = std::floor(x) - 1.0;
        const double u = x - first; // [1, 2)
        const double weights[4] = {-(u - 1) * (u - 2) * (u - 3) / 6, u * (u - 2) * (u - 3) / 2,
                                   -u * (u - 1) * (u - 3) / 2, u * (u - 1) * (u - 2) / 6};
        double ra = 0, dec = 0, equinoxes = 0, previousRa = 0;
        for (int i = 0; i < 4; ++i) {
            const SunNode &node = CachedNode(std::int64_t(first) + i);
            // Right ascension runs on through 360 degrees within the four places.
            const double unwrapped =
                i == 0 ? node.ra : node.ra - 360.0 * std::round((node.ra - previousRa) / 360.0);
            previousRa = unwrapped;
            ra += weights[i] * unwrapped;
            dec += weights[i] * node.dec;
            equinoxes += weights[i] * node.equinoxes;
        }
        const double angle =
            ln_get_mean_sidereal_time(julianDay) * 15.0 + equinoxes + m_longitude - ra;
        *hourAngle = angle - 360.0 * std::floor((angle + 180.0) / 360.0);
        *declination = dec;
        *altitude =
            std::asin(m_sinLatitude * std::sin(dec * kRadian) +
                      m_cosLatitude * std::cos(dec * kRadian) * std::cos(*hourAngle * kRadian)) /
            kRadian;
    }

    // Newton's method from an estimate within an hour or so, until the correction is below a
    // second: the solar noon, or the moment the centre crosses the horizon.
    double Refined(double julianDay, bool transit) const
    {
        for (int i = 0; i < 8; ++i) {
            double hourAngle, declination, altitude;
            At(julianDay, &hourAngle, &declination, &altitude);
            const double step =
                transit ? -hourAngle / 360.0
                        : (altitude - kHorizon) / (360.0 * std::cos(declination * kRadian) *
                                                   m_cosLatitude * std::sin(hourAngle * kRadian));
            if (!std::isfinite(step)) // at a pole, where the hour angle means nothing
                break;
            julianDay += std::clamp(step, -0.05, 0.05);
            if (std::abs(step) < 1.0 / 86400.0)
                break;
        }
        return julianDay;
    }

    // The cosine of the hour angle at which the centre crosses the horizon, for a declination;
    // beyond [-1, 1] it does not cross.
    double CrossingCosine(double declination) const
    {
        return (std::sin(kHorizon * kRadian) - m_sinLatitude * std::sin(declination * kRadian)) /
               (m_cosLatitude * std::cos(declination * kRadian));
    }

private:
    double m_deltaT; // days
    double m_sinLatitude, m_cosLatitude;
    double m_longitude;
};

} // namespace

SunDay SunOn(CalendarDate date, double latitude, double longitude)
{
    ClearUpperVectorState();
    const double meanNoon = JulianDayOf(date) + 0.5 - longitude / 360.0;
    const SunTrack sun(meanNoon, latitude, longitude);
    // The solar noon nearest mean noon; the sun crosses the horizon at the hour angle whose
    // cosine is CrossingCosine, the rise in the half day before noon and the set after it.
    const double transit = sun.Refined(meanNoon, true);
    double hourAngle, declination, altitude;
    sun.At(transit, &hourAngle, &declination, &altitude);
    const double crossing = sun.CrossingCosine(declination);
    if (std::abs(crossing) > 1.0)
        return {crossing > 0 ? Daylight::AlwaysDown : Daylight::AlwaysUp, 0, 0, 0};
    const double halfDay = std::acos(crossing) / kRadian / kSiderealDegreesPerDay;
    const double rise = sun.Refined(transit - halfDay, false);
    const double set = sun.Refined(transit + halfDay, false);
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

SunMoment SunMomentOf(UtSeconds moment, CalendarDate date, const SunDay &day, double latitude,
                      double longitude, Reckoning calendar)
{
    SunMoment at{moment < day.rise, Gah::Havan};
    // Before sunrise the night's solar midnight follows the noon of the day before; where that
    // day has none (the edge of a polar night) twelve hours before this day's noon stands in.
    UtSeconds previousTransit = day.transit - 86400;
    if (at.beforeSunrise && date > CalendarDate::first()) {
        const SunDay before = SunOn(date.previousDay(), latitude, longitude);
        if (before.daylight == Daylight::RisesAndSets)
            previousTransit = before.transit;
    }
    at.gah =
        GahAt(moment, day, previousTransit, KeepsSecondHavan(ZoroastrianDayOf(date, calendar)));
    return at;
}

std::string NoSunriseMessage(std::string_view place, std::string_view dateText, Daylight daylight)
{
    return "No sunrise at " + std::string(place) + " on " + std::string(dateText) +
           ": the sun stays " + (daylight == Daylight::AlwaysUp ? "above" : "below") +
           " the horizon all day";
}

long DaysSince1970(CalendarDate date)
{
    using namespace std::chrono;
    return sys_days(year(date.year()) / date.month() / date.day()).time_since_epoch().count();
}

UtSeconds UtOfLocal(CalendarDate date, int minutes, const ZoneOffsetAt &offsetAt)
{
    const UtSeconds local = UtSeconds(DaysSince1970(date)) * 86400 + minutes * 60;
    // The offsets a day either side hold on both sides of any change that day: the one after
    // that names a moment with that same offset is the reading after the change; in a gap
    // neither does.
    const int before = offsetAt(local - 86400), after = offsetAt(local + 86400);
    if (offsetAt(local - after) == after)
        return local - after;
    return local - before;
}
