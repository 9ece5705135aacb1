#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Dalvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the screen-reader test on a private X display and a private session bus, where the
# session bus starts the accessibility bus on demand:
#   run_accessibility.sh DALVANE TEST-SCRIPT
# Every missing piece fails the test with the Debian package that provides it.
dalvane=$1
script=$2

missing() {
    echo "FAIL: $1 is missing (Debian package $2); the accessibility test cannot run" >&2
    exit 1
}
command -v xvfb-run >/dev/null 2>&1 || missing xvfb-run xvfb
command -v xauth >/dev/null 2>&1 || missing xauth xauth
command -v dbus-run-session >/dev/null 2>&1 || missing dbus-run-session dbus-daemon
[ -x /usr/libexec/at-spi-bus-launcher ] || missing /usr/libexec/at-spi-bus-launcher at-spi2-core
[ -x "$dalvane" ] || { echo "FAIL: the program $dalvane has not been built" >&2; exit 1; }

# The bindings live in the distribution's own Python, which need not be the first on the PATH.
python=""
for candidate in /usr/bin/python3 python3; do
    if "$candidate" -c 'import pyatspi' >/dev/null 2>&1; then
        python=$candidate
        break
    fi
done
[ -n "$python" ] || missing "the Python module pyatspi" python3-pyatspi

# -noreset: the accessibility bus launcher opens and closes a display connection of its own,
# and a server that resets when its last client leaves would refuse the program meanwhile.
exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" dbus-run-session -- "$python" "$script" "$dalvane"
