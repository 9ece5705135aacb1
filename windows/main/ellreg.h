// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/datetext.h"

// The program-wide date-order code: 0 until start-up detects the regional order, then written
// once and only read. Readers test for 1 and 2 and take anything else as year-month-day.
namespace EllReg {
inline DateOrderCode DateOrder = 0;
}
