// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// `festivals`, `month` and `calendar`: the year's festivals, a month with its roz, and the wall
// calendar. Runs the command the first operand names and gives its exit status; nullopt when
// the first operand names none of them. Makes its own application object.
std::optional<int> RunFestivalCommand(int &argc, char **argv);
