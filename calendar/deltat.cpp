// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/deltat.h"

#include <libnova/dynamical_time.h>

// libnova's table ends in the 1990s and its extrapolation gives 137 s for 2026, when the earth
// has in fact kept to some 69 s: a phase of the moon would come a minute early. From 1900 on,
// the polynomials of Espenak and Meeus (Five Millennium Canon of Solar Eclipses, NASA
// TP-2006-214141) follow the observed values to a second or two; before 1900 libnova's table
// of observed values stands.
double DeltaTSeconds(double julianDay)
{
    const double y = 2000.0 + (julianDay - 2451544.5) / 365.2425; // the year, with its fraction
    if (y < 1900.0)
        return ln_get_dynamical_time_diff(julianDay);
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + t * (0.407 + t * (-1.0 / 233.0 + t / 2547.0));
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + t * (1.067 + t * (-1.0 / 260.0 - t / 718.0));
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + t * (0.3345 + t * (-0.060374 +
                                          t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    const double u = (y - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u - (y < 2150.0 ? 0.5628 * (2150.0 - y) : 0.0);
}
