// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Dynamical less universal time, in seconds, at a moment given as a Julian day in UT. The
// sun's and the moon's places are reckoned in dynamical time, the clock in UT.
double DeltaTSeconds(double julianDay);
