// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/sun.h"

#include <string_view>
#include <vector>

enum class MoonPhase
{
    New,
    FirstQuarter,
    Full,
    LastQuarter,
};

struct MoonPhaseInstant
{
    MoonPhase phase;
    UtSeconds at; // to the nearest minute
};

// The principal phases at or after `from` and before `to`, in order. A phase is the moment the
// moon's apparent longitude runs ahead of the sun's by 0, 90, 180 or 270 degrees, as seen from
// the earth's centre, as almanacs give them.
std::vector<MoonPhaseInstant> MoonPhasesBetween(UtSeconds from, UtSeconds to);

// How much of the moon's disc is lit by the sun, 0 at new moon to 1 at full.
double MoonLitFraction(UtSeconds at);

std::string_view MoonPhaseName(MoonPhase phase); // "Full moon"
std::string_view MoonPhaseKey(MoonPhase phase);  // "full", for files and scripts
