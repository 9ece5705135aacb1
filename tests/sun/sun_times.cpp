// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads "YEAR MONTH DAY LATITUDE LONGITUDE" lines and writes the sun of each as
// "RISE TRANSIT SET" in UT seconds, or "up" / "down", for the ephemeris comparison.
#include "calendar/sun.h"

#include <cstdio>

int main()
{
    int year, month, day;
    double latitude, longitude;
    while (std::scanf("%d %d %d %lf %lf", &year, &month, &day, &latitude, &longitude) == 5) {
        const SunDay sun = SunOn(*CalendarDate::fromYmd(year, month, day), latitude, longitude);
        if (sun.daylight == Daylight::RisesAndSets)
            std::printf("%lld %lld %lld\n", (long long)sun.rise, (long long)sun.transit,
                        (long long)sun.set);
        else
            std::printf(sun.daylight == Daylight::AlwaysUp ? "up\n" : "down\n");
    }
    return 0;
}
