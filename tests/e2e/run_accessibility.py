#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the main window as a screen reader does, over AT-SPI.

Finds the value labels, the record scroll bar and the toolbar's buttons by their accessible
names, reads the venue of the first record, moves to the next record with the Right key and
reads the venue again; both must be the example database's first two venues.
Usage: run_accessibility.py EXECUTABLE EXAMPLE.RWK   (inside a D-Bus session, on an X display)
Exit status 0 passed, 1 failed, 77 AT-SPI could not be reached.
"""
import os
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # nothing written into the source tree
import atspi_tree  # noqa: E402
from atspi_tree import walk  # noqa: E402

LIMIT = 30  # seconds allowed for each awaited step
BUTTONS = ["New Database", "Open Database", "Save Database", "Duplicate Record",
           "Delete Record", "Search Database", "Add Record", "Edit Record", "Copy Data"]


def note(text):
    print("accessibility: " + text, flush=True)


def fail(text):
    print("accessibility: FAIL: " + text, file=sys.stderr, flush=True)
    sys.exit(1)


def await_value(what, probe):
    return atspi_tree.await_value(what, probe, fail, LIMIT)


def example_venues(path):
    # A count line, then 22 lines per trip; the venue is a trip's first field.
    with open(path, "rb") as f:
        lines = f.read().decode("cp1252").split("\r\n")
    return lines[1], lines[1 + 22]


def main():
    if len(sys.argv) != 3:
        fail("usage: run_accessibility.py EXECUTABLE EXAMPLE.RWK")
    exe, example = sys.argv[1], sys.argv[2]
    try:
        import pyatspi
    except ImportError:
        note("SKIP: python3-pyatspi is not installed")
        sys.exit(77)
    first, second = example_venues(example)

    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    env.pop("QT_QPA_PLATFORM", None)
    # Qt's own option on the command line: it must pass through to Qt, not be refused.
    program = subprocess.Popen([exe, "-platform", "xcb"], env=env,
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    try:
        try:
            desktop = pyatspi.Registry.getDesktop(0)
        except Exception as error:
            note("SKIP: no AT-SPI registry: %s" % error)
            sys.exit(77)

        def main_window():
            if program.poll() is not None:
                fail("the program ended with status %d: %s"
                     % (program.returncode, program.stdout.read().decode(errors="replace")))
            for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
                if app is None:
                    continue
                for window in (app.getChildAtIndex(i) for i in range(app.childCount)):
                    if window is not None and window.name.startswith("Rodwick DB: ") and \
                            window.name.endswith("EXAMPLE.RWK"):
                        return window
            return None

        window = await_value("main window on AT-SPI", main_window)
        note("main window: %s" % window.name)

        def named(role, prefix):
            return [n for n in walk(window)
                    if n.getRole() == role and n.name.startswith(prefix)]

        def venue():
            labels = named(pyatspi.ROLE_LABEL, "Venue: ")
            return labels[0].name[len("Venue: "):] if len(labels) == 1 else None

        def position():
            bars = named(pyatspi.ROLE_SCROLL_BAR, "Record")
            return bars[0].description if len(bars) == 1 else None

        got = await_value("value label named \"Venue: ...\"", venue)
        note("record 1 venue: %s" % got)
        if got != first:
            fail("the venue read \"%s\", the example's first trip has \"%s\"" % (got, first))
        where = position()
        note("scroll bar \"Record\": %s" % where)
        if where is None or not where.startswith("Record 1 of "):
            fail("the scroll bar says \"%s\", expected \"Record 1 of ...\"" % where)
        for name in BUTTONS:
            if len(named(pyatspi.ROLE_PUSH_BUTTON, name)) != 1:
                fail("no button named \"%s\"" % name)
        note("all %d toolbar buttons found by name" % len(BUTTONS))

        # Next record: Right, typed through X with the keyboard focus on the window.
        window_id = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                    "^Rodwick DB: "], capture_output=True, text=True).stdout
        window_id = window_id.split()[0] if window_id.split() else None
        if window_id is None:
            fail("xdotool finds no main window")

        def moved():
            subprocess.run(["xdotool", "windowfocus", "--sync", window_id],
                           capture_output=True)
            subprocess.run(["xdotool", "key", "Right"], capture_output=True)
            time.sleep(0.3)
            now = venue()
            return now if now != first else None

        got = await_value("change of the venue after Right", moved)
        note("record 2 venue: %s" % got)
        if got != second:
            fail("the venue read \"%s\", the example's second trip has \"%s\"" % (got, second))
        where = position()
        note("scroll bar \"Record\": %s" % where)
        if where is None or not where.startswith("Record 2 of "):
            fail("the scroll bar says \"%s\", expected \"Record 2 of ...\"" % where)
        note("PASS")
    finally:
        if program.poll() is None:
            program.terminate()
            try:
                program.wait(5)
            except subprocess.TimeoutExpired:
                program.kill()


if __name__ == "__main__":
    main()
