// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/registry.h"

#include <cstdint>
#include <stdexcept>
#include <string>

// The About window's registry read, in plain C++ over ANSI bytes so that the Windows build can
// be checked by a cross compiler without the window toolkit.

// Read control with query, set and create-link rights: what the About window has always asked
// for. Where the user may not write the key, the open is refused and the lookup fails.
inline constexpr std::uint32_t KeyAccessMask = 0x2003F;
// The value is read into a buffer of this many bytes; a longer value is not read.
inline constexpr std::uint32_t KeyValueBufferSize = 1024;

// A value that reports a size of 0: there is no character to test for the final NUL.
class KeyValueError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Reads the value `SubKeyRef` of the key `KeyName` under `KeyRoot` into `KeyVal`. Returns false,
// with `KeyVal` empty, when the key cannot be opened or the value cannot be read. A text value
// loses its final NUL; a 32-bit number becomes "&h" and the hexadecimal digits of its bytes from
// last to first; other types leave `KeyVal` as it was. Throws KeyValueError for a size of 0.
// The key is closed on every path once it is open.
bool GetKeyValue(Registry &registry, std::uint32_t KeyRoot, const std::string &KeyName,
                 const std::string &SubKeyRef, std::string &KeyVal);
