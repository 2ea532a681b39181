#!/usr/bin/python3
"""End to end: Play All over two short sounds ends after the last one has been started. A sound
that appears later (the folder is followed, then Refresh List) is neither selected nor played:
the first row stays selected.
  play_all_end.py PATH/TO/tembrel
"""
import os
import sys
import time

import atspi


def selected_rows():
    return [node.name for top in atspi.windows() if top is not None and top.name == "Tembrel"
            for node in atspi.walk(top) if node.getRoleName() == "list item"
            and node.getState().contains(atspi._pyatspi().STATE_SELECTED)]


def main(program):
    with atspi.Session(program) as session:
        for name in ("Alpha", "Beta"):
            atspi.write_wav(os.path.join(session.library, name + ".wav"), seconds=0.3)
        session.start()
        atspi.focus(session, "Tembrel")
        atspi.press("Menu")
        time.sleep(0.5)
        atspi.key("l")  # Play A&ll Sounds
        time.sleep(4)  # both played, with the timer's 600 ms steps between them
        if selected_rows() != ["Beta"]:
            atspi.fail(f"after Play All the selection is {selected_rows()}, not the last row")
        atspi.write_wav(os.path.join(session.library, "Zulu.wav"), seconds=0.3)
        time.sleep(1)
        atspi.focus(session, "Tembrel")
        atspi.press("Menu")
        time.sleep(0.5)
        atspi.key("r")  # &Refresh List
        time.sleep(3)
        if atspi.find("Zulu", {"list item"}, "Tembrel") is None:
            atspi.fail("the new sound was not listed")
        if selected_rows() != ["Alpha"]:
            atspi.fail(f"after Refresh the selection is {selected_rows()}: Play All went on")
    print("PASS")


if __name__ == "__main__":
    main(sys.argv[1])
