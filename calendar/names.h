// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

enum class Script
{
    English,
    Gujarati,
    Persian,
};

// UTF-8 names as each community prints them. English is the program's own spelling, the
// roz in capitals as the roz field shows it.
std::string_view RozNameIn(int roz, Script script); // roz [1, 36]
std::string_view MahNameIn(int mah, Script script); // mah [1, 12]
