# SPDX-FileCopyrightText: 2026 The Dalvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# libnova for WebAssembly, built from Debian's own source package into a static library in the
# build folder, so that the sun and the moon link only the functions the calendar calls. The
# source is fetched with `apt-get source` (tools/install-packages adds the deb-src line) and is
# never committed.
enable_language(C)
set(LIBNOVA_SOURCE_PARENT ${CMAKE_BINARY_DIR}/libnova-source)
file(GLOB LIBNOVA_SOURCE_DIR LIST_DIRECTORIES true ${LIBNOVA_SOURCE_PARENT}/libnova-*)
list(FILTER LIBNOVA_SOURCE_DIR EXCLUDE REGEX "\\.(tar|dsc|xz|gz)")
if(NOT LIBNOVA_SOURCE_DIR)
    file(MAKE_DIRECTORY ${LIBNOVA_SOURCE_PARENT})
    execute_process(COMMAND apt-get source libnova WORKING_DIRECTORY ${LIBNOVA_SOURCE_PARENT}
                    RESULT_VARIABLE fetched)
    file(GLOB LIBNOVA_SOURCE_DIR LIST_DIRECTORIES true ${LIBNOVA_SOURCE_PARENT}/libnova-*)
    list(FILTER LIBNOVA_SOURCE_DIR EXCLUDE REGEX "\\.(tar|dsc|xz|gz)")
    if(NOT fetched EQUAL 0 OR NOT LIBNOVA_SOURCE_DIR)
        message(FATAL_ERROR "apt-get source libnova failed: run tools/install-packages web, "
                            "which adds the deb-src line it needs")
    endif()
endif()

# What configure would find in emscripten's C library.
file(WRITE ${CMAKE_BINARY_DIR}/libnova-config/config.h
     "#define HAVE_ACOSL 1\n#define HAVE_ASINL 1\n#define HAVE_ATAN2L 1\n#define HAVE_COSL 1\n"
     "#define HAVE_SINL 1\n#define HAVE_ROUND 1\n#define HAVE_CBRT 1\n#define HAVE_POW 1\n"
     "#define HAVE_SQRT 1\n#define HAVE_MODF 1\n#define HAVE_STDINT_H 1\n#define HAVE_STDLIB_H 1\n"
     "#define HAVE_STRING_H 1\n#define HAVE_SYS_TIME_H 1\n#define HAVE_UNISTD_H 1\n")

file(GLOB libnova_sources ${LIBNOVA_SOURCE_DIR}/src/*.c)
# misc.c reads the system clock and time zone in ways emscripten's C library lacks; the
# calendar calls nothing in it.
list(FILTER libnova_sources EXCLUDE REGEX "/misc\\.c$")
add_library(nova STATIC ${libnova_sources})
target_include_directories(nova PUBLIC ${LIBNOVA_SOURCE_DIR}/src)
target_include_directories(nova PRIVATE ${CMAKE_BINARY_DIR}/libnova-config)
target_compile_options(nova PRIVATE -w)

set(LIBNOVA_LIBRARY nova CACHE STRING "libnova for WebAssembly, built here" FORCE)
set(LIBNOVA_INCLUDE_DIR ${LIBNOVA_SOURCE_DIR}/src CACHE PATH "libnova's headers" FORCE)
