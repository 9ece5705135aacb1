// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/about/keyvalue.h"

#include <algorithm>
#include <array>

namespace {

// Closes the key when GetKeyValue leaves, by a return or by the size-0 error alike.
class OpenKey
{
public:
    OpenKey(Registry &registry, Registry::Handle handle) : m_registry(registry), m_handle(handle) {}
    ~OpenKey() { m_registry.RegCloseKey(m_handle); }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;

private:
    Registry &m_registry;
    Registry::Handle m_handle;
};

// Upper-case hexadecimal without leading zeros: 0 gives "0", 10 "A", 255 "FF".
std::string HexDigits(unsigned char code)
{
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    if (code >= 16)
        digits += kDigits[code / 16];
    digits += kDigits[code % 16];
    return digits;
}

} // namespace

bool GetKeyValue(Registry &registry, std::uint32_t KeyRoot, const std::string &KeyName,
                 const std::string &SubKeyRef, std::string &KeyVal)
{
    Registry::Handle hKey = 0;
    if (registry.RegOpenKeyExA(KeyRoot, KeyName.c_str(), 0, KeyAccessMask, &hKey) !=
        Registry::ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }
    const OpenKey closer(registry, hKey);

    std::array<std::uint8_t, KeyValueBufferSize> buffer{}; // all NUL
    std::uint32_t size = KeyValueBufferSize;
    std::uint32_t type = 0;
    if (registry.RegQueryValueExA(hKey, SubKeyRef.c_str(), nullptr, &type, buffer.data(), &size) !=
        Registry::ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }

    // The size counts a text's final NUL, which is dropped; a value stored without one keeps
    // every character. A size past the buffer finds no NUL at that place and keeps the buffer.
    if (size == 0)
        throw KeyValueError("the registry value " + SubKeyRef + " reports a size of 0");
    std::size_t kept = std::min<std::size_t>(size, buffer.size());
    if (size <= buffer.size() && buffer[size - 1] == 0)
        kept = size - 1;
    const std::string trimmed(reinterpret_cast<const char *>(buffer.data()), kept);

    switch (type) {
    case Registry::REG_SZ:
        KeyVal = trimmed;
        break;
    case Registry::REG_DWORD:
        // Byte by byte from the last stored to the first, none padded to two digits: 258 is
        // stored 02 01 00 00, loses the final 00 to the trimming and reads "012". The value
        // is only ever used as a program path, so the general formatting of "&h" and its
        // digits leaves the text as it is.
        for (auto byte = trimmed.rbegin(); byte != trimmed.rend(); ++byte)
            KeyVal += HexDigits(static_cast<unsigned char>(*byte));
        KeyVal = "&h" + KeyVal;
        break;
    default:
        break;
    }
    return true;
}
