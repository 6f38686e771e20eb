#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Adds photos to a trip in the real program, kills it, and finds them with the trip again.

On the second trip of the example, Record, Photos... (Ctrl+I) opens the Photos window and
"Add Photos..." (Alt+A) the file dialog, where the names of a JPEG and a PNG are typed. The
photos' list is read over AT-SPI: each thumbnail by its caption (the file's name) and the time
the photo was taken. The program is killed with SIGKILL and started again: the same trip shows
the same photos, the first trip none, and the log book's file is the example byte for byte.
Usage: run_photos.py EXECUTABLE DATABASE EXAMPLE.RWK PICKED_FOLDER
Exit status 0 passed, 1 failed, 77 AT-SPI could not be reached.
"""
import os
import signal
import subprocess
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
import atspi_tree  # noqa: E402
from atspi_tree import walk  # noqa: E402

LIMIT = 30  # seconds allowed for each awaited step
PICKED = ["jpeg.jpg", "png.png"]
TAKEN = "05-01-2023 06:30:15"  # the camera's clock in the test's photos, as the window shows it


def note(text):
    print("photos: " + text, flush=True)


def fail(text):
    print("photos: FAIL: " + text, file=sys.stderr, flush=True)
    sys.exit(1)


def await_value(what, probe):
    return atspi_tree.await_value(what, probe, fail, LIMIT)


def xdo(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.split()


def keys(title, *names):
    """Types keys into the newest visible window whose title matches the pattern."""
    ids = await_value("window \"%s\"" % title, lambda: xdo("search", "--onlyvisible", "--name", title))
    xdo("windowfocus", "--sync", ids[-1])
    for name in names:
        xdo("key", "--clearmodifiers", name)


class Program:
    def __init__(self, exe, database, pyatspi):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                   QT_QPA_PLATFORM="xcb")
        self.process = subprocess.Popen([exe, database], env=env, stdout=subprocess.PIPE,
                                        stderr=subprocess.STDOUT)
        self.pyatspi = pyatspi
        self.desktop = pyatspi.Registry.getDesktop(0)

    def window(self, accept):
        if self.process.poll() is not None:
            fail("the program ended with status %d: %s" % (
                self.process.returncode, self.process.stdout.read().decode(errors="replace")))
        for app in (self.desktop.getChildAtIndex(i) for i in range(self.desktop.childCount)):
            if app is None:
                continue
            for window in (app.getChildAtIndex(i) for i in range(app.childCount)):
                if window is not None and accept(window.name):
                    return window
        return None

    def photos_shown(self):
        """The names the Photos window's list reads out, or None before it is there."""
        window = self.window(lambda name: name == "Photos")
        if window is None:
            return None
        lists = [n for n in walk(window) if n.getRole() == self.pyatspi.ROLE_LIST
                 and n.name == "Photos of the trip"]
        if len(lists) != 1:
            return None
        return [n.name for n in walk(lists[0]) if n.getRole() == self.pyatspi.ROLE_LIST_ITEM]

    def photo_selected(self):
        """The name of the thumbnail selected in the Photos window, if one is."""
        window = self.window(lambda name: name == "Photos")
        for node in walk(window):
            if node.getRole() == self.pyatspi.ROLE_LIST_ITEM and \
                    node.getState().contains(self.pyatspi.STATE_SELECTED):
                return node.name
        return None

    def kill(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGKILL)
            self.process.wait()


def main():
    if len(sys.argv) != 5:
        fail("usage: run_photos.py EXECUTABLE DATABASE EXAMPLE.RWK PICKED_FOLDER")
    exe, database, example, picked = sys.argv[1:]
    try:
        import pyatspi
        pyatspi.Registry.getDesktop(0)
    except Exception as error:
        note("SKIP: no AT-SPI: %s" % error)
        sys.exit(77)
    with open(example, "rb") as f:
        original = f.read()
    index = os.path.join(os.path.dirname(database), "EXAMPLE photos", "photos.txt")

    def expected(shown):
        # Each thumbnail reads as its caption and time; the captions are the picked names.
        return shown is not None and len(shown) == len(PICKED) and all(
            any(name in text and TAKEN in text for text in shown) for name in PICKED)

    program = Program(exe, database, pyatspi)
    try:
        await_value("main window", lambda: program.window(
            lambda name: name.startswith("Rodwick DB: ") and name.endswith("EXAMPLE.RWK")))
        keys("^Rodwick DB: ", "Right", "ctrl+i")
        shown = await_value("Photos window", lambda: (lambda s: s if s is None else [s])(
            program.photos_shown()))
        if shown != [[]]:
            fail("the second trip shows photos before any was added: %s" % shown)
        keys("^Photos$", "alt+a")
        await_value("file dialog", lambda: xdo("search", "--onlyvisible", "--name", "^Add Photos$"))
        typed = " ".join('"%s"' % os.path.join(picked, name) for name in PICKED)
        ids = xdo("search", "--onlyvisible", "--name", "^Add Photos$")
        xdo("windowfocus", "--sync", ids[-1])
        xdo("type", "--delay", "5", typed)
        xdo("key", "Return")
        shown = await_value("both photos in the Photos window",
                            lambda: (lambda s: s if expected(s) else None)(program.photos_shown()))
        note("added: %s" % shown)
        if not os.path.exists(index):
            fail("no index beside the log book after the photos were added")
        program.kill()
    finally:
        program.kill()
    note("killed")
    with open(database, "rb") as f:
        if f.read() != original:
            fail("the log book's file changed")

    program = Program(exe, database, pyatspi)
    try:
        await_value("main window again", lambda: program.window(
            lambda name: name.startswith("Rodwick DB: ") and name.endswith("EXAMPLE.RWK")))
        keys("^Rodwick DB: ", "ctrl+i")
        first = await_value("Photos window again", lambda: (lambda s: s if s is None else [s])(
            program.photos_shown()))
        if first != [[]]:
            fail("the first trip shows photos it was never given: %s" % first)
        keys("^Rodwick DB: ", "Right")
        shown = await_value("the photos with the second trip after the restart",
                            lambda: (lambda s: s if expected(s) else None)(program.photos_shown()))
        note("after the restart: %s" % shown)
        # Every thumbnail is reached with the arrow keys, and read out as it is reached.
        keys("^Photos$", "Home")
        first = await_value("a thumbnail selected by Home", program.photo_selected)
        keys("^Photos$", "Right")
        second = await_value("the next thumbnail selected by Right",
                             lambda: (lambda s: s if s != first else None)(program.photo_selected()))
        if sorted([first, second]) != sorted(shown):
            fail("Home and Right reached %s and %s, not the trip's photos" % (first, second))
        note("the arrow keys reach %s, then %s" % (first, second))
    finally:
        program.kill()
    with open(database, "rb") as f:
        if f.read() != original:
            fail("the log book's file changed")
    note("PASS")


if __name__ == "__main__":
    main()
