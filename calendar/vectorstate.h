// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// libnova, and this folder, are built for plain SSE. Code elsewhere in the process may leave the
// upper halves of the AVX registers in use (Qt's time zones do, on the Xeons the project builds
// on); until they are cleared, each SSE instruction pays for the switch, and the series of the
// sun and the moon run two to four times slower. Clearing them before a series costs a cycle.
inline void ClearUpperVectorState()
{
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        __asm__ volatile("vzeroupper");
#endif
}
