#!/usr/bin/python3
"""Every control of every window the program opens has a name a person understands and a
tooltip, as a screen reader (and a script) reads them over the accessibility bus.
  accessible_names.py PATH/TO/tembrel
"""
import sys
import time

import atspi

CONTROLS = {"push button", "toggle button", "list", "text", "tree", "tree table", "progress bar",
            "page tab", "check box", "radio button", "combo box", "spin button", "slider",
            "level bar"}
SHEET = "Tembrel Options"

MAIN_WINDOW = ["Sounds", "Menu", "Volume", "Record volume", "Help", "Minimize", "Close",
               "Previous", "Play", "Next", "Stop", "Loop", "Record", "Open folder",
               "Copy to folder", "Delete", "Insert", "Rename"]


def unnamed_controls(title):
    top = atspi.window(title)
    if top is None:
        atspi.fail(f"no window titled {title!r}")
    faults = []
    for node in atspi.walk(top):
        if node.getRoleName() not in CONTROLS or not atspi.showing(node) or in_combo_box(node):
            continue
        if not node.name or not node.description:
            faults.append(f"{title}: {node.getRoleName()} {node.name!r} tooltip {node.description!r}")
    return faults


def in_combo_box(node):
    """A combo box's drop-down list is read as part of the combo box."""
    parent = node.parent
    return parent is not None and parent.getRoleName() == "combo box"


def check_dialog(session, open_it, title, close_button):
    open_it()
    atspi.wait_for_window(title)
    faults = unnamed_controls(title)
    atspi.press(close_button, title)
    atspi.wait_for_window(title, gone=True)
    return faults


def menu(session, *keys):
    atspi.focus(session, "Tembrel")
    atspi.press("Menu")
    time.sleep(0.5)
    atspi.key(*keys)


def tools(session, *keys):
    """An item of the menu's Tools (the sixth entry), whose two items share a mnemonic."""
    menu(session, *["Down"] * 6, "Right")
    time.sleep(0.3)
    atspi.key(*keys)


def options_sheet(session):
    """Every page of the sheet, each as it shows."""
    atspi.open_options(session)
    faults = []
    for page in ("General", "Directories", "Record", "Cursors", "Misc.", "WEB Links"):
        atspi.press(page, SHEET)
        time.sleep(0.3)
        faults += [f"{page}: {fault}" for fault in unnamed_controls(SHEET)]
    atspi.press("Cancel", SHEET)
    atspi.wait_for_window(SHEET, gone=True)
    return faults


def main(program):
    with atspi.Session(program) as session:
        session.start()
        names = {node.name for node in atspi.walk(atspi.window("Tembrel"))}
        faults = [f"main window: no control named {n!r}" for n in MAIN_WINDOW if n not in names]
        faults += unnamed_controls("Tembrel")
        faults += check_dialog(session, lambda: atspi.press("Rename"), " New File Name", "Cancel")
        faults += check_dialog(session, lambda: atspi.press("Open folder"), "Browse for Folder",
                               "Cancel")

        def properties():
            atspi.focus(session, "Tembrel")
            atspi.key("shift+F10")
            time.sleep(0.5)
            atspi.key("p", "p", "Return")  # "&Play" comes before "Sound &Properties"
        faults += check_dialog(session, properties, " Sound Properties", "Close")
        properties()
        atspi.wait_for_window(" Sound Properties")
        atspi.press("More properties", " Sound Properties")
        atspi.wait_for_window(" Advanced Properties")
        faults += unnamed_controls(" Advanced Properties")
        atspi.press("Close", " Advanced Properties")
        atspi.wait_for_window(" Advanced Properties", gone=True)
        atspi.press("Close", " Sound Properties")

        def about():
            atspi.press("Menu")
            time.sleep(0.5)
            atspi.key("Down", "Return")
        faults += check_dialog(session, about, "About Tembrel", "OK")
        faults += check_dialog(session, lambda: atspi.press("Record"), "Record", "Delete recording")
        faults += options_sheet(session)
        faults += check_dialog(session, lambda: menu(session, "f", "Return"), " Favorites",
                               "Close Favorites")
        faults += check_dialog(session, lambda: tools(session, "Return"), " Belvane 2.0", "Close")
        faults += check_dialog(session, lambda: tools(session, "Down", "Return"),
                               " Send Sound By E-Mail", "Close")
    if faults:
        atspi.fail("\n".join(faults))
    print("PASS")


if __name__ == "__main__":
    main(sys.argv[1])
