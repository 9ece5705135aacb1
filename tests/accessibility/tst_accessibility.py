#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Dalvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Works the Dalvane window as a screen reader such as Orca does, through the accessibility
bus alone: finds the fields and buttons by the names it would speak, types a date and a year,
presses Calculate Roz and reads the results back. Then it checks that every control of the
main, About and Help windows has a name to speak.
    tst_accessibility.py DALVANE
Meant to run on a private display and session bus (run_accessibility.sh).
"""
import os
import subprocess
import sys
import time
import traceback

try:
    import pyatspi
    from gi.repository import Gio, GLib
except ImportError as error:
    print("FAIL: the accessibility bindings are missing (Debian package python3-pyatspi): %s"
          % error, file=sys.stderr)
    sys.exit(1)

TIMEOUT = 60.0

# Roles of the controls a person works or reads; each must carry a name to speak. Labels are
# named by their own text, so only a label with text and no name is a fault; the outlines of
# the result frame are drawing, not controls.
NAMED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_LINK, pyatspi.ROLE_IMAGE,
}


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe until it gives a true value; the accessibility tree fills in asynchronously."""
    deadline = time.monotonic() + timeout
    last_error = None
    while time.monotonic() < deadline:
        try:
            value = probe()
            if value:
                return value
        except Failure:
            raise
        except Exception as error:  # an object may vanish or not be ready between two calls
            last_error = error
        time.sleep(0.1)
    raise Failure("timed out after %.0f s waiting for %s%s" % (
        timeout, what, " (last error: %s)" % last_error if last_error else ""))


def check_accessibility_bus():
    """The session bus must be able to start the accessibility bus, as a desktop session does."""
    try:
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                  None, GLib.VariantType.new("(s)"),
                                  Gio.DBusCallFlags.NONE, 10000, None)
        return reply.unpack()[0]
    except GLib.Error as error:
        raise Failure("the accessibility bus cannot be started (Debian package at-spi2-core): %s"
                      % error.message)


def descendants(root):
    stack = [root]
    while stack:
        node = stack.pop()
        yield node
        try:
            stack.extend(child for child in node if child is not None)
        except Exception:
            pass


def find(root, what, predicate):
    def probe():
        for node in descendants(root):
            if predicate(node):
                return node
        return None
    return wait_for(what, probe)


def named(name, roles=None):
    def predicate(node):
        return node.name == name and (roles is None or node.getRole() in roles)
    return predicate


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def shown_text(node):
    """The text a node shows, or nothing for a picture."""
    try:
        return text_of(node)
    except NotImplementedError:
        return ""


def press(button):
    action = button.queryAction()
    names = [action.getName(index) for index in range(action.nActions)]
    if "Press" not in names:
        raise Failure("%r offers no Press action, only %s" % (button.name, names))
    action.doAction(names.index("Press"))


def type_into(field, text):
    if not field.queryEditableText().setTextContents(text):
        raise Failure("%r did not take the text %r" % (field.name, text))


def unnamed_controls(window):
    """Controls of a window that a screen reader could only call by their kind."""
    problems = []
    if not window.name.strip():
        problems.append("a %s without a title" % window.getRoleName())
    for node in descendants(window):
        role = node.getRole()
        if role == pyatspi.ROLE_LABEL:
            if not node.name.strip() and shown_text(node).strip():
                problems.append("the label %r in %r has no name" % (shown_text(node),
                                                                   window.name))
        elif role in NAMED_ROLES and not node.name.strip():
            problems.append("a %s in %r has no name%s" % (
                node.getRoleName(), window.name,
                " (it holds %r)" % text_of(node) if role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)
                else ""))
    return problems


def press_without_waiting(bus, node):
    """Presses a menu item without waiting for the reply: the item opens a modal window, and
    the program answers only when that window has closed again."""
    action = node.queryAction()
    names = [action.getName(index) for index in range(action.nActions)]
    if "Press" not in names:
        raise Failure("%r offers no Press action, only %s" % (node.name, names))
    bus.call(node.app.bus_name, node.path, "org.a11y.atspi.Action", "DoAction",
             GLib.Variant("(i)", (names.index("Press"),)), None, Gio.DBusCallFlags.NONE, -1,
             None, None, None)
    bus.flush_sync(None)


def application_of(process):
    def probe():
        if process.poll() is not None:
            raise Failure("dalvane ended with status %d before it showed its window"
                          % process.returncode)
        desktop = pyatspi.Registry.getDesktop(0)
        for application in desktop:
            if application is not None and application.get_process_id() == process.pid:
                return application
        return None
    return wait_for("dalvane to join the accessibility bus", probe)


def window_named(application, title):
    return wait_for("the window %r" % title, lambda: next(
        (window for window in application if window is not None and window.name == title),
        None))


def run(program):
    address = check_accessibility_bus()
    bus = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
        Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    environment = dict(os.environ,
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       QT_QPA_PLATFORM="xcb",
                       LC_ALL="en_GB.UTF-8",
                       LANG="en_GB.UTF-8",
                       TZ="UTC",
                       ASAN_OPTIONS="detect_leaks=0")
    process = subprocess.Popen([program], env=environment)
    try:
        return work(process, bus)
    finally:
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()


def work(process, bus):
    failures = []
    application = application_of(process)
    main = window_named(application, "Dalvane")

    text_roles = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY}
    date_field = find(main, "the date field 'Enter English Calendar Date'",
                      named("Enter English Calendar Date", text_roles))
    year_field = find(main, "the year field 'Year'", named("Year", text_roles))
    calculate = find(main, "the button 'Calculate Roz'",
                     named("Calculate Roz", {pyatspi.ROLE_PUSH_BUTTON}))
    find(main, "the status line 'Status'", named("Status"))
    find(main, "the Today's Roz button", named("Click here for Today's Roz",
                                                {pyatspi.ROLE_PUSH_BUTTON}))

    type_into(date_field, "20-08-2001")
    type_into(year_field, "2005")
    if text_of(date_field) != "20-08-2001" or text_of(year_field) != "2005":
        failures.append("the fields read %r and %r after typing '20-08-2001' and '2005'"
                        % (text_of(date_field), text_of(year_field)))
    press(calculate)

    roz_field = find(main, "the roz field 'Zoroastrian Roz'", named("Zoroastrian Roz", text_roles))
    date_result = find(main, "the result date field 'Date it falls on in that year'",
                       named("Date it falls on in that year", text_roles))
    try:
        wait_for("the roz VAHISHTOIST", lambda: text_of(roz_field) == "VAHISHTOIST", 30)
    except Failure as error:
        failures.append("20-08-2001: the roz field reads %r: %s" % (text_of(roz_field), error))
    try:
        wait_for("the date 'Friday, 19 August 2005'",
                 lambda: text_of(date_result) == "Friday, 19 August 2005", 30)
    except Failure as error:
        failures.append("20-08-2001 in 2005: the date field reads %r: %s"
                        % (text_of(date_result), error))
    print("roz %r, in 2005 on %r" % (text_of(roz_field), text_of(date_result)))
    # The meaning line is a label: a screen reader reads it by its text.
    find(main, "the meaning of VAHISHTOIST read as a label",
         named("The Fifth Gatha - It's Papeti Day !", {pyatspi.ROLE_LABEL}))

    failures += unnamed_controls(main)

    # The secondary windows, opened from the Help menu as a person would.
    menu_item = named("About", {pyatspi.ROLE_MENU_ITEM})
    press_without_waiting(bus, find(main, "the menu item 'About'", menu_item))
    about = window_named(application, "About Dalvane")
    ok = find(about, "the About window's button 'OK'", named("OK", {pyatspi.ROLE_PUSH_BUTTON}))
    find(about, "the About window's button 'System Info...'",
         named("System Info...", {pyatspi.ROLE_PUSH_BUTTON}))
    failures += unnamed_controls(about)
    press(ok)
    wait_for("the About window to close",
             lambda: not any(window is not None and window.name == "About Dalvane"
                             and window.getState().contains(pyatspi.STATE_SHOWING)
                             for window in application))

    menu_item = named("Contents", {pyatspi.ROLE_MENU_ITEM})
    press_without_waiting(bus, find(main, "the menu item 'Contents'", menu_item))
    help_window = window_named(application, "Dalvane Help")
    find(help_window, "the help text", lambda node: node.getRole() == pyatspi.ROLE_LABEL
         and node.name.startswith("Dalvane version 2.0.2"))
    failures += unnamed_controls(help_window)
    return failures


def main():
    if len(sys.argv) != 2:
        print("usage: tst_accessibility.py DALVANE", file=sys.stderr)
        return 2
    try:
        failures = run(sys.argv[1])
    except Failure as error:
        failures = [str(error)]
    except Exception:  # the bus or the program broke off: still a plain failure, with its cause
        traceback.print_exc()
        failures = ["the accessibility session broke off (see the traceback above)"]
    for failure in failures:
        print("FAIL: " + failure, file=sys.stderr)
    if failures:
        return 1
    print("PASS: the calculator can be worked by name through the accessibility bus")
    return 0


if __name__ == "__main__":
    sys.exit(main())
