#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Dalvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Works the Dalvane window through the accessibility bus alone, as a screen reader does: finds
# the fields and the button by name, types a date and a year, presses Calculate Roz and reads
# the results back:  tst_accessibility.py DALVANE
import os, subprocess, sys, time  # noqa: E401

import pyatspi  # Debian package python3-pyatspi


def wait_for(what, probe, timeout=60):
    for _ in range(timeout * 10):
        try:
            if value := probe():
                return value
        except Exception:  # an object may not be ready yet, or vanish between two calls
            pass
        time.sleep(0.1)
    sys.exit("FAIL: timed out waiting for " + what)


def find(root, name, roles=(pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)):
    return wait_for(repr(name), lambda: pyatspi.findDescendant(
        root, lambda node: node.name == name and node.getRole() in roles))


def text(node):
    return node.queryText().getText(0, -1)


program = subprocess.Popen([sys.argv[1]], env=dict(
    os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LC_ALL="en_GB.UTF-8",
    ASAN_OPTIONS="detect_leaks=0"))
try:
    app = wait_for("dalvane on the bus", lambda: next(
        a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == program.pid))
    find(app, "Enter English Calendar Date").queryEditableText().setTextContents("20-08-2001")
    find(app, "Year").queryEditableText().setTextContents("2005")
    find(app, "Calculate Roz", [pyatspi.ROLE_PUSH_BUTTON]).queryAction().doAction(0)
    roz, date = find(app, "Zoroastrian Roz"), find(app, "Date it falls on in that year")
    wait_for("VAHISHTOIST on Friday, 19 August 2005",
             lambda: (text(roz), text(date)) == ("VAHISHTOIST", "Friday, 19 August 2005"), 30)
    find(app, "The Fifth Gatha - It's Papeti Day !", [pyatspi.ROLE_LABEL])
    print("PASS: the calculator can be worked by name through the accessibility bus")
finally:
    program.terminate()
    program.wait(10)
