// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "registry.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// A registry that holds exactly the keys and values a test puts in it, returns their bytes as
// advapi32 would, and records every call with its arguments.
class FakeRegistry final : public Registry
{
public:
    struct Value
    {
        std::uint32_t type = REG_SZ;
        std::string bytes;                    // as stored, final NUL included if any
        std::optional<std::uint32_t> sizeOut; // the size reported, if not the bytes' count
        std::int32_t result = ERROR_SUCCESS;  // a forced query result
    };
    struct OpenCall
    {
        std::uint32_t root;
        std::string key;
        std::uint32_t options;
        std::uint32_t samDesired;
    };
    struct QueryCall
    {
        Handle key;
        std::string valueName;
        bool reservedIsNull;
        bool typeOutGiven;
        std::uint32_t sizeIn;
        bool bufferAllNul;
    };

    void addKey(const std::string &key, std::int32_t openResult = ERROR_SUCCESS)
    {
        m_keys[key] = openResult;
    }
    void setValue(const std::string &key, const std::string &name, Value value)
    {
        addKey(key);
        m_values[{key, name}] = std::move(value);
    }

    std::int32_t RegOpenKeyExA(std::uint32_t root, const char *subKey, std::uint32_t options,
                               std::uint32_t samDesired, Handle *result) override
    {
        opens.push_back({root, subKey, options, samDesired});
        const auto key = m_keys.find(subKey);
        if (root != HKEY_LOCAL_MACHINE || key == m_keys.end())
            return ERROR_FILE_NOT_FOUND;
        if (key->second != ERROR_SUCCESS)
            return key->second;
        const Handle handle = 0x100 + opens.size();
        m_handleKeys[handle] = subKey;
        openHandles.insert(handle);
        *result = handle;
        return ERROR_SUCCESS;
    }

    std::int32_t RegQueryValueExA(Handle key, const char *valueName, std::uint32_t *reserved,
                                  std::uint32_t *type, std::uint8_t *data,
                                  std::uint32_t *dataSize) override
    {
        const std::uint32_t sizeIn = dataSize ? *dataSize : 0;
        queries.push_back({key, valueName, reserved == nullptr, type != nullptr, sizeIn,
                           data && std::all_of(data, data + sizeIn,
                                               [](std::uint8_t byte) { return byte == 0; })});
        if (!openHandles.contains(key))
            return ERROR_INVALID_HANDLE;
        const auto value = m_values.find({m_handleKeys[key], valueName});
        if (value == m_values.end())
            return ERROR_FILE_NOT_FOUND;
        const Value &stored = value->second;
        if (stored.result != ERROR_SUCCESS)
            return stored.result;
        if (type)
            *type = stored.type;
        const auto count = static_cast<std::uint32_t>(stored.bytes.size());
        if (dataSize)
            *dataSize = stored.sizeOut.value_or(count);
        if (count > sizeIn)
            return ERROR_MORE_DATA;
        std::memcpy(data, stored.bytes.data(), count);
        return ERROR_SUCCESS;
    }

    std::int32_t RegCloseKey(Handle key) override
    {
        closes.push_back(key);
        return openHandles.erase(key) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
    }

    std::vector<OpenCall> opens;
    std::vector<QueryCall> queries;
    std::vector<Handle> closes;
    std::set<Handle> openHandles; // opened and not yet closed

private:
    std::map<std::string, std::int32_t> m_keys;
    std::map<std::pair<std::string, std::string>, Value> m_values;
    std::map<Handle, std::string> m_handleKeys;
};
