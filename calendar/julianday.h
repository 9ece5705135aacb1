// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/sun.h"

#include <cmath>

// The Julian day of 1 January 1970, 0h UT, from which UtSeconds count.
inline constexpr double kUnixEpochJd = 2440587.5;

// A Julian day in UT as the moment to the nearest minute, as the sun's and the moon's times are
// given.
inline UtSeconds ToMinute(double julianDay)
{
    return UtSeconds(std::llround((julianDay - kUnixEpochJd) * 1440.0)) * 60;
}
