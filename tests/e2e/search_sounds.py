#!/usr/bin/python3
"""End to end: Ctrl+F, then typing finds a sound two folders below the main directory; Enter
opens its folder with it selected; a word nothing matches says so; Escape goes back.
  search_sounds.py PATH/TO/tembrel
"""
import os
import sys
import time

import atspi

FOUND = "Sounds found"


def rows(list_name):
    found = atspi.find(list_name, title="Tembrel")
    if found is None:
        return []
    return [node for node in atspi.walk(found) if node.getRoleName() == "list item"]


def wait_for_row(text, seconds=10):
    end = time.time() + seconds
    while time.time() < end:
        if any(node.name == text for node in rows(FOUND)):
            return
        time.sleep(0.2)
    atspi.fail(f"no row {text!r} in {[node.name for node in rows(FOUND)]}")


def search_for(session, words):
    field = atspi.find("Search sounds", title="Tembrel")
    if field is None or not atspi.showing(field):
        atspi.focus(session, "Tembrel")
        atspi.key("ctrl+f")
        atspi.wait_for("Search sounds")
        field = atspi.find("Search sounds", title="Tembrel")
    field.queryEditableText().setTextContents(words)


def main(program):
    with atspi.Session(program) as session:
        deep = os.path.join(session.library, "Weather", "Storms")
        os.makedirs(deep)
        atspi.write_wav(os.path.join(deep, "Rainstorm at Night.wav"))
        session.start()
        search_for(session, "night rain")
        wait_for_row("Rainstorm at Night  \u2014  Storms")

        search_for(session, "qqqq")
        atspi.wait_for("No sounds found.")

        search_for(session, "rain")
        wait_for_row("Rainstorm at Night  \u2014  Storms")
        atspi.focus(session, "Tembrel")
        atspi.key("Return")
        time.sleep(1)
        field = atspi.find("Search sounds", title="Tembrel")
        if field is not None and atspi.showing(field):
            atspi.fail("the search still shows after Enter")
        selected = [node.name for node in rows("Sounds")
                    if node.getState().contains(atspi._pyatspi().STATE_SELECTED)]
        if selected != ["Rainstorm at Night"]:
            atspi.fail(f"after Enter the list has {selected} selected")

        atspi.key("ctrl+f")
        atspi.wait_for("Search sounds")
        atspi.key("Escape")
        time.sleep(0.5)
        if atspi.showing(atspi.find("Search sounds", title="Tembrel")):
            atspi.fail("Escape left the search showing")
    print("PASS")


if __name__ == "__main__":
    main(sys.argv[1])
