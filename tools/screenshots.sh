#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Dalvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Screenshots of the main window under a virtual display, at 96 dpi, at 120 dpi scaled from a
# 96-dpi layout and at a true 120 dpi: after start-up, after the worked example (20 August 2001
# in 2005, with a later date in 2027 for the long month names), with a target year that cannot
# be calculated, after an invalid date with its box, after Today's Roz and Cancel, and with the
# Help and About windows open; under en_GB, and the example under en_US and de_DE too; the
# Schedule of Observances of the example under en_GB and en_US, also with a time before sunrise,
# the Calendar at the example's month with its names in English, Gujarati and Persian, and the
# Family Register of five people with its Add dialog and one entry's schedule, the register and
# the login reminder in a scratch folder.
# The pictures land in shots/, named after the resolution, the locale and the step.
#
#   tools/screenshots.sh            builds in $BUILD_DIR (default: build) when needed
#   BUILD_DIR=build-x tools/screenshots.sh
#
# Needs xvfb-run, xdotool and ImageMagick's import; openbox is used when installed, so the
# window has a title bar as on a desktop.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-build}
case $build in /*) ;; *) build=$root/$build ;; esac
shots=$root/shots
mkdir -p "$shots"

for tool in xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
done
if [ "${1:-}" != --session ] && { [ ! -x "$build/app/dalvane" ] || [ ! -x "$build/cli/dalvane-cli" ]; }; then
    [ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja
    cmake --build "$build" --target dalvane dalvane-cli
fi

# The family the Family Register window shows, kept apart from the user's own register; the
# sessions inherit the folders.
if [ "${1:-}" != --session ]; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    export XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config
    family() { LC_ALL=en_GB.UTF-8 "$build/cli/dalvane-cli" family add --order dmy "$@" >/dev/null; }
    family --name 'Dinshaw Mehta' 20-08-2001
    family --name 'Piroja Mehta' --before-dawn --note 'Her varsi at the agiary' 02-03-2019
    family --name 'Rustom Irani' --time 05:40 --place Mumbai --calendar kadmi 11-11-2023
    family --name 'Roshan Irani' --kind birth 14-02-1990
    family --name 'Jamshed and Shirin' --kind wedding 21-03-2012
fi

# One session on its own display: start the program, then drive it with the keyboard only, as a
# user would, and take the whole screen after each step.
session() {
    local mode=$1 locale=$2 all=$3
    local wm_pid=""
    if command -v openbox >/dev/null; then
        openbox >/dev/null 2>&1 &
        wm_pid=$!
        sleep 1
    fi
    local scaling=1
    [ "$mode" = true120 ] && scaling=0
    LC_ALL=$locale.UTF-8 LANG=$locale.UTF-8 QT_FONT_DPI=${mode#true} \
        QT_ENABLE_HIGHDPI_SCALING=$scaling QT_QPA_PLATFORM=xcb "$build/app/dalvane" >/dev/null 2>&1 &
    local app=$!
    local window=""
    for _ in $(seq 50); do
        window=$(xdotool search --sync --onlyvisible --name '^Dalvane$' 2>/dev/null | head -1) && break
        sleep 0.2
    done
    [ -n "$window" ] || { echo "screenshots: the window did not appear" >&2; kill "$app"; exit 1; }
    local name=$shots/main-$mode-$locale
    local example=20-08-2001 late=15-09-2027
    [ "$locale" = en_US ] && example=08-20-2001 late=09-15-2027
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    sleep 1
    import -window root "$name-startup.png"

    # The example: the date field has the focus; Shift+Tab three times reaches the year field.
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 30 "$example"
    xdotool key shift+Tab shift+Tab shift+Tab ctrl+a
    xdotool type --delay 30 '2005'
    xdotool key Return
    sleep 1
    import -window root "$name-example.png"
    xdotool key ctrl+a
    xdotool type --delay 30 "$late"
    xdotool key shift+Tab shift+Tab shift+Tab ctrl+a
    xdotool type --delay 30 '2027'
    xdotool key Return
    sleep 1
    import -window root "$name-late.png"

    # The Schedule of Observances of the example, from the Observances menu; Esc closes it.
    if [ "$locale" != de_DE ]; then
        xdotool key ctrl+a
        xdotool type --delay 30 "$example"
        xdotool key alt+o s
        sleep 1.5
        import -window root "$name-schedule.png"
        # A time before sunrise at the preselected place: the tick gives way to the sun.
        xdotool key alt+t
        xdotool type --delay 30 '5:30'
        sleep 1
        import -window root "$name-schedule-sunrise.png"
        xdotool key Escape
        sleep 1
        # The Calendar at the example's month (Pateti and Navroz of 2001), then with the names in
        # Gujarati and in Persian, and back to English as it was; Esc closes it.
        xdotool key alt+o c
        sleep 1.5
        import -window root "$name-calendar.png"
        xdotool key alt+n Down
        sleep 1
        import -window root "$name-calendar-gujarati.png"
        xdotool key Down
        sleep 1
        import -window root "$name-calendar-persian.png"
        xdotool key Up Up Escape
        sleep 1
        # The Family Register over a year, its Add dialog, and the first entry's schedule.
        xdotool key alt+o f
        sleep 1.5
        xdotool key alt+s Down Down
        sleep 1
        import -window root "$name-family.png"
        xdotool key alt+a
        sleep 1
        import -window root "$name-family-add.png"
        xdotool key Escape
        sleep 1
        xdotool key alt+h
        sleep 1.5
        import -window root "$name-family-schedule.png"
        xdotool key Escape
        sleep 1
        xdotool key Escape
        sleep 1
    fi
    if [ "$all" != all ]; then
        kill "$app" 2>/dev/null || true
        [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true
        return
    fi

    # A target year before the date's: the longest remark of the status line.
    xdotool key shift+Tab shift+Tab shift+Tab ctrl+a
    xdotool type --delay 30 '2000'
    xdotool key Return
    sleep 1
    import -window root "$name-cannot.png"

    # An invalid date: the warning box, then the window once it is closed.
    xdotool key ctrl+a
    xdotool type --delay 30 '31-02-2001'
    xdotool key Return
    sleep 1
    import -window root "$name-invalid-box.png"
    xdotool key Return
    sleep 1
    import -window root "$name-invalid.png"

    # Today's Roz and Cancel from the File menu.
    xdotool key alt+f t
    sleep 1
    import -window root "$name-today.png"
    xdotool key alt+f n
    sleep 1
    import -window root "$name-cancel.png"

    # Help and About from the Help menu. The Help window has no button: the window manager
    # closes it. Esc closes About.
    xdotool key alt+h c
    sleep 1
    import -window root "$name-help.png"
    xdotool key alt+F4
    sleep 1
    xdotool key alt+h a
    sleep 1
    import -window root "$name-about.png"
    xdotool key Escape
    sleep 1

    kill "$app" 2>/dev/null || true
    [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true
}

if [ "${1:-}" = --session ]; then
    session "$2" "$3" "$4"
    exit 0
fi
for mode in 96 120 true120; do
    for locale in en_GB en_US de_DE; do
        all=""
        [ "$locale" = en_GB ] && all=all
        BUILD_DIR=$build xvfb-run -a -s "-screen 0 1280x800x24" "$0" --session "$mode" "$locale" "$all"
    done
done
ls "$shots"
