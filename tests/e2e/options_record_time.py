#!/usr/bin/python3
"""End to end: "Program Options" from the main window's menu, the Record page, "60 sec", then
Cancel; the data file holds the new record time, as the Record page stores at once.
  options_record_time.py PATH/TO/tembrel
"""
import sys
import time

import atspi

SHEET = "Tembrel Options"


def main(program):
    with atspi.Session(program) as session:
        session.start()
        atspi.open_options(session)
        atspi.press("Record", SHEET)
        time.sleep(0.3)
        atspi.choose("Record time", "60 sec", SHEET)
        atspi.press("Cancel", SHEET)
        atspi.wait_for_window(SHEET, gone=True)
        time.sleep(0.3)
        stored = atspi.stored(session, "Record", "Rec_Time")
        if stored != "60":
            atspi.fail(f"Rec_Time after Cancel is {stored!r}, not '60'")
    print("PASS")


if __name__ == "__main__":
    main(sys.argv[1])
