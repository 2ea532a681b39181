#!/usr/bin/python3
"""The keyboard alone reaches every button and the main menu, as the accessibility bus sees it:
Tab walks from the list through every button and back to the list, F10 and Alt by itself open
the main menu, whose items then run by their mnemonics.
  keyboard_reach.py PATH/TO/tembrel
"""
import sys
import time

import atspi

TAB_ORDER = ["Previous", "Play", "Next", "Stop", "Loop", "Record", "Open folder",
             "Copy to folder", "Delete", "Insert", "Rename", "Volume", "Record volume", "Menu",
             "Help", "Minimize", "Close", "Waveform", "Sounds"]


def focused():
    top = atspi.window("Tembrel")
    focused_state = atspi._pyatspi().STATE_FOCUSED
    return next((node.name for node in atspi.walk(top) if node.getState().contains(focused_state)
                 and node.getRoleName() not in ("list item", "frame", "dialog", "window")
                 and node.name), None)


def favorites_by(session, *keys):
    """Opens the main menu with keys and Favorites by its mnemonic, then closes it again."""
    atspi.focus(session, "Tembrel")
    atspi.key(*keys)
    time.sleep(0.5)
    atspi.key("f", "Return")  # "Save &File List" shares the mnemonic
    atspi.wait_for_window(" Favorites")
    atspi.press("Close Favorites", " Favorites")
    atspi.wait_for_window(" Favorites", gone=True)


def main(program):
    with atspi.Session(program) as session:
        session.start()
        atspi.focus(session, "Tembrel")
        visited = []
        for _ in TAB_ORDER:
            atspi.key("Tab")
            time.sleep(0.2)
            visited.append(focused())
        if visited != TAB_ORDER:
            atspi.fail(f"Tab visited {visited}")
        favorites_by(session, "F10")
        favorites_by(session, "alt")
    print("PASS")


if __name__ == "__main__":
    main(sys.argv[1])
