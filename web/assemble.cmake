# SPDX-FileCopyrightText: 2026 The Dalvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Lays the page out in OUT: its files, the module and its wasm, the icon at the two sizes an
# installed app asks for, and the service worker with the list of every file and a cache name
# made of their hash, so that a new build replaces the whole cache at once.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
file(GLOB sources ${PAGE}/*)
list(FILTER sources EXCLUDE REGEX "/sw\\.js$")
file(COPY ${sources} ${WASM_DIR}/dalvane.mjs ${WASM_DIR}/dalvane.wasm DESTINATION ${OUT})
foreach(size 192 512)
    execute_process(COMMAND ${RSVG} -w ${size} -h ${size} -o ${OUT}/icon-${size}.png ${ICON}
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()

file(GLOB files RELATIVE ${OUT} ${OUT}/*)
list(SORT files)
set(hashes "")
set(list "\"./\"")
foreach(name ${files})
    file(SHA256 ${OUT}/${name} hash)
    string(APPEND hashes "${name} ${hash}\n")
    string(APPEND list ", \"./${name}\"")
endforeach()
string(SHA256 build_hash "${hashes}")
string(SUBSTRING ${build_hash} 0 16 build_hash)
file(READ ${PAGE}/sw.js worker)
string(REPLACE "@CACHE@" "dalvane-${VERSION}-${build_hash}" worker "${worker}")
string(REPLACE "@FILES@" "${list}" worker "${worker}")
file(WRITE ${OUT}/sw.js "${worker}")
