#!/usr/bin/python3
"""Drives the running program through the accessibility bus (AT-SPI); showing nodes only.
  a11y.py wait NAME [SECONDS] | press NAME | select NAME | items WINDOW | selected WINDOW
Needs python3-pyatspi and the program started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1.
"""
import subprocess
import sys
import time

import pyatspi


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find(name, roles=None):
    desktop = pyatspi.Registry.getDesktop(0)
    apps = (desktop.getChildAtIndex(i) for i in range(desktop.childCount))
    for app in (a for a in apps if a is not None and a.name == "tembrel"):
        for node in walk(app):
            try:
                if (node.name == name and node.getState().contains(pyatspi.STATE_SHOWING)
                        and (roles is None or node.getRoleName() in roles)):
                    return node
            except Exception:
                continue
    return None


def need(name, roles=None):
    node = find(name, roles)
    if node is None:
        sys.exit(f"nothing showing named {name!r}")
    return node


def press(name):
    action = need(name, {"push button", "check box"}).queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press") if "Press" in names else 0)


def select(name):
    node = need(name, {"list item"})
    try:
        node.parent.querySelection().selectChild(node.getIndexInParent())
    except NotImplementedError:
        # A list without the selection interface: click the row where it is drawn.
        x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2),
                        "click", "1"], check=True)


def items(window):
    for node in walk(need(window, {"dialog", "window", "frame"})):
        if node.getRoleName() == "list item":
            print(node.name)


def selected(window):
    for node in walk(need(window, {"dialog", "window", "frame"})):
        if node.getRoleName() == "list item" and node.getState().contains(pyatspi.STATE_SELECTED):
            print(node.name)


def wait(name, seconds):
    deadline = time.time() + seconds
    while find(name) is None:
        if time.time() > deadline:
            sys.exit(f"nothing named {name!r} within {seconds} s")
        time.sleep(0.1)


if __name__ == "__main__":
    verbs = {"press": press, "select": select, "items": items, "selected": selected,
             "wait": lambda name, seconds="10": wait(name, float(seconds))}
    if len(sys.argv) < 3 or sys.argv[1] not in verbs:
        sys.exit(__doc__)
    verbs[sys.argv[1]](*sys.argv[2:])
