// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Links the Windows registry calls and GetKeyValue into a program, so that a missing advapi32
// symbol or a mismatched call form fails the cross build.
#include "keyvalue.h"
#include "registry.h"

#include <cstdio>

int main()
{
    const auto registry = CreateSystemRegistry();
    std::string KeyVal;
    try {
        if (GetKeyValue(*registry, Registry::HKEY_LOCAL_MACHINE,
                        "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", KeyVal)) {
            std::puts(KeyVal.c_str());
            return 0;
        }
    } catch (const KeyValueError &error) {
        std::puts(error.what());
    }
    return 1;
}
