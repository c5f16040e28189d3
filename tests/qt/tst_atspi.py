#!/usr/bin/python3
"""What a screen reader receives from the program over AT-SPI.

Run inside a D-Bus session of its own (dbus-run-session): starts a private X
server, a window manager and the program, reads the window's objects from the
accessibility bus, then types a keyboard-only session and checks the events
each key sends. Usage: tst_atspi.py PROGRAM"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

TITLE = "Zorvan Calculator 0.1a by Kalmerid"

FOCUS = "object:state-changed:focused"
NAME = "object:property-change:accessible-name"
SHOWING = "object:state-changed:showing"


def focus(role, name):
    return (FOCUS, role, name)


def said(text):  # an announcement: a notification showing
    return (SHOWING, "notification", text)


def named(name):
    return (NAME, "label", name)


# Objects a screen reader must find in the window: role and name.
OBJECTS = [("frame", TITLE), ("panel", "Forces"), ("list", "Force A entries"),
           ("list", "Force B entries"), ("list", "Human units"), ("push button", "Add to Force A"),
           ("push button", "Clear Force B"), ("label", "Force A"), ("label", "Force B")] + [
    ("label", f"Force {force} total {total}, 0") for force in "AB"
    for total in ("gold", "lumber", "food", "CV")]

# Keys typed in turn, with the events each must send: (event, role, name). The
# units' figures are the catalogue's: Peasant 75 gold and 605 CV, Militia 75
# gold and 2841 CV, Footman 135 gold and 4355 CV.
SESSION = [([], [focus("list", "Force A entries")])] + [
    ([key], [focus(*target)]) for key, target in [
        ("Tab", ("list", "Force B entries")), ("Tab", ("page tab list", "Human")),
        ("Tab", ("list", "Human units")), ("Tab", ("push button", "Add to Force A")),
        ("Tab", ("push button", "Add to Force B")), ("Tab", ("push button", "Clear Force A")),
        ("Tab", ("push button", "Clear Force B")), ("Tab", ("list", "Force A entries")),
        ("shift+Tab", ("push button", "Clear Force B")),
        ("shift+Tab", ("push button", "Clear Force A")),
        ("shift+Tab", ("push button", "Add to Force B")),
        ("shift+Tab", ("push button", "Add to Force A")), ("shift+Tab", ("list", "Human units")),
        # The first move selects the row the keyboard frame is on.
        ("Down", ("list item", "Peasant")), ("Down", ("list item", "Militia")),
        ("Tab", ("push button", "Add to Force A"))]] + [
    (["space"], [said("Militia added to Force A. Force A total CV, 2841."),
                 named("Force A total gold, 75"), named("Force A, larger CV total"),
                 named("Force B, smaller CV total")]),
    (["space"], [said("Militia added to Force A. Force A total CV, 5682.")]),
    (["shift+Tab", "Down", "Tab", "Tab"], [focus("push button", "Add to Force B")]),
    (["space"], [said("Footman added to Force B. Force B total CV, 4355.")]),
    (["space"], [said("Footman added to Force B. Force B total CV, 8710."),
                 named("Force B total gold, 270"), named("Force B, larger CV total"),
                 named("Force A, smaller CV total")]),
    (["Tab", "Tab", "Tab"], [focus("list", "Force A entries")]),
    (["Down"], [focus("list item", "Militia")]),
    (["Delete"], [said("Militia removed from Force A. Force A total CV, 2841.")]),
    (["Tab"], [focus("list", "Force B entries")]),
    (["Down"], [focus("list item", "Footman")]),
    (["shift+Tab", "shift+Tab"], [focus("push button", "Clear Force B")]),
    (["space"], [said("Force B cleared. Force B total CV, 0."), named("Force B total CV, 0"),
                 named("Force A, larger CV total")]),
    (["shift+Tab", "space"], [said("Force A cleared. Force A total CV, 0."),
                              named("Force A, CV totals equal"),
                              named("Force B, CV totals equal")]),
]


def wait_for(condition, seconds=10):
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
        result = condition()
        if result:
            return result
        time.sleep(0.02)
    return condition()


def describe(accessible):
    try:
        return accessible.get_role_name(), accessible.get_name() or ""
    except GLib.Error:
        return "(gone)", ""


def walk(accessible):
    yield accessible
    for index in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(index)
        if child:
            yield from walk(child)


def main():
    program = sys.argv[1]
    failures = []
    started = []
    work = tempfile.mkdtemp()
    try:
        # scripts/xserver --wm gives the private X server and its window manager.
        if not os.environ.get("DISPLAY"):
            sys.exit("tst_atspi: run me under scripts/xserver --wm, on a private X server")

        Atspi.init()
        events = []

        def record(event):
            if event.type in (FOCUS, SHOWING) and not event.detail1:
                return
            # Qt sends no new name with a name change: the reader asks for it.
            role, name = describe(event.source)
            events.append((event.type, role, name))

        listener = Atspi.EventListener.new(record)
        for kind in (FOCUS, NAME, SHOWING):
            listener.register(kind)

        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           XDG_RUNTIME_DIR=work)
        environment.pop("QT_QPA_PLATFORM", None)
        started.append(subprocess.Popen([program], env=environment, stderr=subprocess.DEVNULL))

        def find_window():
            desktop = Atspi.get_desktop(0)
            for index in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(index)
                for child in range(app.get_child_count() if app else 0):
                    window = app.get_child_at_index(child)
                    if window and window.get_name() == TITLE:
                        return window
            return None

        window = wait_for(find_window, 20)
        if not window:
            print("FAIL: no window named", repr(TITLE), "on the accessibility bus")
            return 1
        wait_for(lambda: window.get_state_set().contains(Atspi.StateType.ACTIVE), 10)
        if not window.get_state_set().contains(Atspi.StateType.ACTIVE):
            failures.append("the window is not active")

        found = [describe(each) for each in walk(window)]
        for expected in OBJECTS:
            if expected not in found:
                failures.append(f"no object {expected}")
        for role, name in found[1:]:
            if role in ("frame", "window", "dialog"):
                failures.append(f"a second window inside the window: {role} {name!r}")
            if role == "panel" and not name:
                failures.append("an unnamed panel")

        for step, (keys, expected) in enumerate(SESSION):
            if step:
                del events[:]
            for key in keys:
                subprocess.run(["xdotool", "key", key], check=True)
                time.sleep(0.15)
            wait_for(lambda: all(e in events for e in expected), 5)
            for each in expected:
                if each not in events:
                    failures.append(f"after {' '.join(keys) or 'start-up'}: no {each}; got {events}")

        del events[:]
        subprocess.run(["xdotool", "key", "alt+F4"], check=True)
        farewell = wait_for(lambda: focus("push button", "OK") in events, 10)
        if not farewell:
            failures.append("the farewell box took no focus")
        subprocess.run(["xdotool", "key", "Return"], check=True)
        if wait_for(lambda: started[-1].poll() is not None, 10) is False:
            failures.append("the program did not end")
    finally:
        for process in reversed(started):
            if process.poll() is None:
                process.terminate()
                process.wait()
        shutil.rmtree(work, ignore_errors=True)

    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(OBJECTS)} objects and {len(SESSION)} steps checked, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
