// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>

// The constants below carry the advapi32 names, which <windows.h> defines as macros; a file that
// needs both includes this header first and then uses only the macros.
#if defined(HKEY_LOCAL_MACHINE) || defined(ERROR_SUCCESS) || defined(REG_SZ)
#error "Include registry.h before <windows.h>: its constants carry the advapi32 names."
#endif

// The three read-only registry calls the About window makes, in the call forms of advapi32, so
// the window's lookup reads the same on every platform. The result is a Windows error code.
class Registry
{
public:
    // A root such as HKEY_LOCAL_MACHINE, or a key handle that RegOpenKeyExA gave out.
    using Handle = std::uintptr_t;

    // Predefined root, as the 32-bit value the About window passes around.
    static constexpr std::uint32_t HKEY_LOCAL_MACHINE = 0x80000002;

    // Value types.
    static constexpr std::uint32_t REG_SZ = 1;    // text, stored with its final NUL
    static constexpr std::uint32_t REG_DWORD = 4; // 32-bit number, low byte first

    // Result codes.
    static constexpr std::int32_t ERROR_SUCCESS = 0;
    static constexpr std::int32_t ERROR_FILE_NOT_FOUND = 2;
    static constexpr std::int32_t ERROR_INVALID_HANDLE = 6;
    static constexpr std::int32_t ERROR_INVALID_PARAMETER = 87;
    static constexpr std::int32_t ERROR_MORE_DATA = 234;

    virtual ~Registry() = default;

    // Opens `subKey` (ANSI text) under `root` with the access rights `samDesired`; `options` is
    // 0. On success stores the key's handle in `result`.
    virtual std::int32_t RegOpenKeyExA(std::uint32_t root, const char *subKey,
                                       std::uint32_t options, std::uint32_t samDesired,
                                       Handle *result) = 0;
    // Reads the value `valueName` (ANSI text) of an open key; `reserved` is null. `*dataSize`
    // holds the buffer's size on entry and the bytes stored (or needed) on return; `type`
    // receives the value's type. A value larger than the buffer gives ERROR_MORE_DATA.
    virtual std::int32_t RegQueryValueExA(Handle key, const char *valueName,
                                          std::uint32_t *reserved, std::uint32_t *type,
                                          std::uint8_t *data, std::uint32_t *dataSize) = 0;
    virtual std::int32_t RegCloseKey(Handle key) = 0;
};

// The registry of this machine: advapi32 on Windows, a read-only stand-in elsewhere.
std::unique_ptr<Registry> CreateSystemRegistry();
