// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/registry.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

static_assert(sizeof(Registry::Handle) == sizeof(HKEY), "a key handle travels as an integer");
static_assert(sizeof(DWORD) == sizeof(std::uint32_t) && sizeof(LONG) == sizeof(std::int32_t));

namespace {

// Passes the calls straight to advapi32; the About window closes every key it opens.
class WindowsRegistry final : public Registry
{
public:
    std::int32_t RegOpenKeyExA(std::uint32_t root, const char *subKey, std::uint32_t options,
                               std::uint32_t samDesired, Handle *result) override
    {
        // The predefined roots are 32-bit values that Windows sign-extends to a handle, the
        // same conversion its own HKEY_LOCAL_MACHINE macro makes.
        const HKEY rootKey =
            reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
        HKEY opened = nullptr;
        const LONG code = ::RegOpenKeyExA(rootKey, subKey, options, samDesired, &opened);
        if (code == ERROR_SUCCESS)
            *result = reinterpret_cast<Handle>(opened);
        return code;
    }

    std::int32_t RegQueryValueExA(Handle key, const char *valueName, std::uint32_t *reserved,
                                  std::uint32_t *type, std::uint8_t *data,
                                  std::uint32_t *dataSize) override
    {
        DWORD valueType = 0;
        DWORD size = dataSize ? *dataSize : 0;
        const LONG code = ::RegQueryValueExA(reinterpret_cast<HKEY>(key), valueName,
                                             reinterpret_cast<LPDWORD>(reserved), &valueType, data,
                                             dataSize ? &size : nullptr);
        if (type)
            *type = valueType;
        if (dataSize)
            *dataSize = size;
        return code;
    }

    std::int32_t RegCloseKey(Handle key) override
    {
        return ::RegCloseKey(reinterpret_cast<HKEY>(key));
    }
};

} // namespace

std::unique_ptr<Registry> CreateSystemRegistry()
{
    return std::make_unique<WindowsRegistry>();
}
