// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads "FROM TO" lines in UT seconds and writes, for each, the lit fraction of the moon at
// FROM and then the phases from FROM to TO as "KEY AT" pairs, for the ephemeris comparison.
#include "calendar/moon.h"

#include <cstdio>

int main()
{
    long long from, to;
    while (std::scanf("%lld %lld", &from, &to) == 2) {
        std::printf("%.4f", MoonLitFraction(from));
        for (const MoonPhaseInstant &phase : MoonPhasesBetween(from, to))
            std::printf(" %s %lld", MoonPhaseKey(phase.phase).data(), (long long)phase.at);
        std::printf("\n");
    }
    return 0;
}
