// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/registry.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

// Where Windows keeps the path of its system-information program; the About window reads it
// first. Everything else it asks for does not exist here.
constexpr std::string_view kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view kMsinfoValue = "PATH";

// The programs that come nearest to the Windows system-information tool, best first: a summary
// of the whole machine (hardware, operating system, drivers) before a desktop's info centre,
// and both before the process monitors, which show only part of it. Each is searched for along
// the whole PATH before the next is tried.
constexpr std::array kSystemInformationPrograms = {
    "hardinfo",             // GTK system profiler, the closest match
    "hardinfo2",            // its maintained continuation
    "kinfocenter",          // KDE Info Center
    "gnome-system-monitor", // system tab of GNOME's monitor
    "mate-system-monitor",
    "xfce4-taskmanager",
};

bool SameKeyName(std::string_view a, std::string_view b)
{
    // Key and value names are case-insensitive in the registry.
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool IsExecutableFile(const std::filesystem::path &path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

std::optional<std::string> FindSystemInformationProgram()
{
#if defined(__APPLE__)
    // The System Information application; its executable is started directly.
    for (const char *app : {"/System/Applications/Utilities/System Information.app",
                            "/Applications/Utilities/System Information.app"}) {
        const std::filesystem::path program =
            std::filesystem::path(app) / "Contents/MacOS/System Information";
        if (IsExecutableFile(program))
            return program.string();
    }
#endif
    const char *pathVariable = std::getenv("PATH");
    if (!pathVariable)
        return std::nullopt;
    const std::string_view searchPath = pathVariable;
    for (const char *name : kSystemInformationPrograms) {
        std::size_t start = 0;
        while (start <= searchPath.size()) {
            std::size_t end = searchPath.find(':', start);
            if (end == std::string_view::npos)
                end = searchPath.size();
            const std::string_view folder = searchPath.substr(start, end - start);
            // An empty or relative entry ("", ".", "bin") names a folder relative to wherever
            // the program was started, where any file could pose as the system tool; only
            // absolute entries are searched.
            if (!folder.empty() && folder.front() == '/') {
                const std::filesystem::path program = std::filesystem::path(folder) / name;
                if (IsExecutableFile(program))
                    return program.string();
            }
            start = end + 1;
        }
    }
    return std::nullopt;
}

// Read-only: any access asked for is granted, since nothing can be written anyway. A key exists
// only while a system-information program is installed, as the Windows key exists only while
// its tool is.
class StandInRegistry final : public Registry
{
public:
    std::int32_t RegOpenKeyExA(std::uint32_t root, const char *subKey, std::uint32_t, std::uint32_t,
                               Handle *result) override
    {
        if (root != HKEY_LOCAL_MACHINE || !subKey || !result || !SameKeyName(subKey, kMsinfoKey))
            return ERROR_FILE_NOT_FOUND;
        std::optional<std::string> program = FindSystemInformationProgram();
        if (!program)
            return ERROR_FILE_NOT_FOUND;
        const Handle handle = m_nextHandle++;
        m_openKeys.emplace(handle, std::move(*program));
        *result = handle;
        return ERROR_SUCCESS;
    }

    std::int32_t RegQueryValueExA(Handle key, const char *valueName, std::uint32_t *,
                                  std::uint32_t *type, std::uint8_t *data,
                                  std::uint32_t *dataSize) override
    {
        const auto open = m_openKeys.find(key);
        if (open == m_openKeys.end())
            return ERROR_INVALID_HANDLE;
        if (!valueName || !SameKeyName(valueName, kMsinfoValue))
            return ERROR_FILE_NOT_FOUND;
        const std::string &text = open->second;
        // Stored as Windows stores text: the characters and their final NUL.
        const auto needed = static_cast<std::uint32_t>(text.size() + 1);
        if (type)
            *type = REG_SZ;
        if (!dataSize)
            return data ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
        const std::uint32_t room = *dataSize;
        *dataSize = needed;
        if (!data)
            return ERROR_SUCCESS;
        if (room < needed)
            return ERROR_MORE_DATA;
        std::memcpy(data, text.c_str(), needed);
        return ERROR_SUCCESS;
    }

    std::int32_t RegCloseKey(Handle key) override
    {
        return m_openKeys.erase(key) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
    }

private:
    std::map<Handle, std::string> m_openKeys;
    Handle m_nextHandle = 1;
};

} // namespace

std::unique_ptr<Registry> CreateSystemRegistry()
{
    return std::make_unique<StandInRegistry>();
}
