// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The read-only registry calls the About window makes. (Being written.)
class Registry;
