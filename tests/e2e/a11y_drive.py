#!/usr/bin/python3
"""Drives a running Qt program by control names over the desktop accessibility bus (AT-SPI).

  a11y_drive.py APP wait NAME [SECONDS]     wait until a control or window named NAME shows
  a11y_drive.py APP gone NAME [SECONDS]     wait until no window named NAME shows
  a11y_drive.py APP press NAME              press the first button named NAME
  a11y_drive.py APP text NAME VALUE         set the first editable field named NAME
  a11y_drive.py APP choose COMBO ITEM       choose ITEM in the combo box named COMBO
  a11y_drive.py APP read NAME               print the text of the first field named NAME

Needs python3-pyatspi and the accessibility bus; the program runs with
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1. Exits non-zero with a message when a control is missing.
"""
import subprocess
import sys
import time

import pyatspi


def nodes(app_name):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is None or app.name != app_name:
            continue
        stack = [app]
        while stack:
            node = stack.pop()
            yield node
            for j in reversed(range(node.childCount)):
                child = node.getChildAtIndex(j)
                if child is not None:
                    stack.append(child)


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def find(app_name, name, roles=None):
    for node in nodes(app_name):
        try:
            if node.name == name and showing(node) and (roles is None or node.getRoleName() in roles):
                return node
        except Exception:
            continue
    return None


def need(app_name, name, roles=None, seconds=5.0):
    deadline = time.time() + seconds
    while True:
        node = find(app_name, name, roles)
        if node is not None:
            return node
        if time.time() > deadline:
            sys.exit(f"no control named {name!r}")
        time.sleep(0.1)


def press(app_name, name):
    action = need(app_name, name, {"push button", "menu item"}).queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    index = next((names.index(w) for w in ("Press", "press", "click", "activate") if w in names), 0)
    try:
        action.doAction(index)
    except Exception as error:
        # A button that closes its window can be gone before the bus answers.
        if "No such object path" not in str(error):
            raise


def choose(app_name, combo_name, item):
    """Clicks the combo box open and types the item's first word, as a person would: Qt's combo
    boxes offer no accessible way to change the current item."""
    combo = need(app_name, combo_name, {"combo box"})
    x, y, width, height = combo.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1"],
                   check=True)
    time.sleep(0.5)
    subprocess.run(["xdotool", "type", "--delay", "60", item.split(" ")[0]], check=True)
    subprocess.run(["xdotool", "key", "Return"], check=True)
    time.sleep(0.3)
    chosen = [combo.getChildAtIndex(0).getChildAtIndex(j) for j in range(combo.getChildAtIndex(0).childCount)]
    if not any(node.name == item and node.getState().contains(pyatspi.STATE_SELECTED) for node in chosen):
        sys.exit(f"{combo_name!r} did not take {item!r}")


def main(argv):
    if len(argv) < 4:
        sys.exit(__doc__)
    app, verb, name, rest = argv[1], argv[2], argv[3], argv[4:]
    if verb == "wait":
        need(app, name, seconds=float(rest[0]) if rest else 10.0)
    elif verb == "gone":
        deadline = time.time() + (float(rest[0]) if rest else 10.0)
        while find(app, name) is not None:
            if time.time() > deadline:
                sys.exit(f"{name!r} is still there")
            time.sleep(0.1)
    elif verb == "press":
        press(app, name)
    elif verb == "text":
        need(app, name, {"text", "entry"}).queryEditableText().setTextContents(rest[0])
    elif verb == "choose":
        choose(app, name, rest[0])
    elif verb == "read":
        field = need(app, name, {"text", "entry"}).queryText()
        print(field.getText(0, -1))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
