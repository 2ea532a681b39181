#!/usr/bin/python3
"""End to end: Rename opens the New File Name dialog on "Alpha"; the user then clicks "Beta" in
the list, types a name and presses OK. The sound the dialog was opened for is renamed, and
"Beta" is left alone.
  rename_target.py PATH/TO/tembrel
"""
import os
import subprocess
import sys
import time

import atspi

DIALOG = " New File Name"


def click_row(session, name):
    """Clicks a row of the main window's list, with the dialog moved aside first (without a
    window manager it opens over the list)."""
    dialogs = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid",
                              str(session.app.pid), "--name", DIALOG.strip()],
                             capture_output=True, text=True).stdout.split()
    for dialog in dialogs:
        subprocess.run(["xdotool", "windowmove", dialog, "0", "0"], check=True)
    time.sleep(0.5)
    row = atspi.find(name, {"list item"}, "Tembrel")
    if row is None:
        atspi.fail(f"no row {name!r}")
    x, y, width, height = row.queryComponent().getExtents(atspi._pyatspi().DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2),
                    "click", "1"], check=True)
    time.sleep(0.5)


def main(program):
    with atspi.Session(program) as session:
        session.start()
        atspi.press("Rename", "Tembrel")
        atspi.wait_for_window(DIALOG)
        click_row(session, "Beta")
        selected = [node.name for node in atspi.walk(atspi.window("Tembrel"))
                    if node.getRoleName() == "list item"
                    and node.getState().contains(atspi._pyatspi().STATE_SELECTED)]
        if selected != ["Beta"]:
            atspi.fail(f"selecting Beta left {selected} selected")
        field = atspi.find("New file name", title=DIALOG)
        if field is None:
            atspi.fail("the dialog has no name field")
        text = field.queryEditableText()
        text.setTextContents("Gamma")
        atspi.press("OK", DIALOG)
        atspi.wait_for_window(DIALOG, gone=True)
        time.sleep(0.5)
        files = sorted(os.listdir(session.library))
        if files != ["Beta.wav", "Gamma.wav"]:
            atspi.fail(f"the folder holds {files}, not Beta.wav and Gamma.wav")
    print("PASS")


if __name__ == "__main__":
    main(sys.argv[1])
