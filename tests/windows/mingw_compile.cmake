# SPDX-FileCopyrightText: 2026 The Dalvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiles the advapi32 registry calls and GetKeyValue for Windows with MinGW-w64 and links
# them into a library, which resolves every advapi32 symbol. Called by CTest with SOURCE_DIR and
# BINARY_DIR.
find_program(MINGW_CXX x86_64-w64-mingw32-g++)
if(NOT MINGW_CXX)
    message(FATAL_ERROR "x86_64-w64-mingw32-g++ not found: install Debian's mingw-w64 package "
                        "(g++-mingw-w64-x86-64) to check the Windows registry code.")
endif()
file(MAKE_DIRECTORY ${BINARY_DIR})
execute_process(
    COMMAND ${MINGW_CXX} -std=c++20 -Wall -Wextra -Werror -shared
            -I${SOURCE_DIR}
            ${SOURCE_DIR}/platform/registry_windows.cpp ${SOURCE_DIR}/windows/about/keyvalue.cpp
            -o ${BINARY_DIR}/registry_check.dll -ladvapi32
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "The Windows registry code does not build with ${MINGW_CXX}:\n${output}")
endif()
