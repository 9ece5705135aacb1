#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dalvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Screenshots of the Help and About windows on their own under a virtual display, at 96 and 120
# dots per inch, into shots/secondary-<window>-<dpi>.png, each trimmed to the window.
#
#   BUILD_DIR=build-about tests/secondary/screenshots.sh
#
# Needs xvfb-run and ImageMagick; openbox is used when installed, so the windows get a title bar.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${BUILD_DIR:-build}
case $build in /*) ;; *) build=$root/$build ;; esac
shots=$root/shots
mkdir -p "$shots"

for tool in xvfb-run import convert; do
    command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
done
if [ "${1:-}" != --session ]; then
    [ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja
    cmake --build "$build" --target show_secondary
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" --session
fi

wm_pid=""
if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    wm_pid=$!
    sleep 1
fi
for dpi in 96 120; do
    for window in help about; do
        LC_ALL=C.UTF-8 QT_FONT_DPI=$dpi QT_QPA_PLATFORM=xcb \
            "$build/tests/secondary/show_secondary" "$window" &
        pid=$!
        sleep 2
        shot=$shots/secondary-$window-$dpi.png
        import -window root "$shot"
        # The desktop is black under Xvfb: trimming leaves the window and its frame.
        convert "$shot" -trim +repage "$shot"
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    done
done
[ -z "$wm_pid" ] || kill "$wm_pid"
