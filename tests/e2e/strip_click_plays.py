#!/usr/bin/python3
"""End to end: a click at the middle of the waveform strip plays the sound from its middle. The
sound is a low tone for its first half and a high tone for its second; what the test sink's
monitor hears after the click must be the high tone alone, for about half the sound's length.
The strip says its play point as text. Needs the test sound server (scripts/pulse.sh start).
  strip_click_plays.py PATH/TO/tembrel
"""
import math
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

import atspi

RATE = 44100
HALF = 1.5  # seconds of each tone
LOW, HIGH = 300, 1500


def write_two_tones(path):
    frames = bytearray()
    for i in range(int(2 * HALF * RATE)):
        frequency = LOW if i < HALF * RATE else HIGH
        frames += struct.pack("<h", int(12000 * math.sin(2 * math.pi * frequency * i / RATE)))
    with open(path, "wb") as out:
        out.write(b"RIFF" + struct.pack("<I", 36 + len(frames)) + b"WAVEfmt ")
        out.write(struct.pack("<IHHIIHH", 16, 1, 1, RATE, RATE * 2, 2, 16))
        out.write(b"data" + struct.pack("<I", len(frames)) + frames)


def heard(path):
    """Seconds of sound above the noise, and its frequency by zero crossings."""
    with open(path, "rb") as raw:
        data = raw.read()
    samples = struct.unpack(f"<{len(data) // 2}h", data[: len(data) // 2 * 2])
    loud = [i for i in range(0, len(samples) - 441, 441)
            if max(abs(s) for s in samples[i:i + 441]) > 3000]
    if not loud:
        return 0.0, 0.0
    part = samples[loud[0]:loud[-1] + 441]
    crossings = sum(1 for a, b in zip(part, part[1:]) if (a < 0) != (b < 0))
    seconds = len(part) / RATE
    return seconds, crossings / 2 / seconds


def main(program):
    if not os.environ.get("PULSE_SERVER") or shutil.which("parec") is None:
        atspi.unavailable("no test sound server (scripts/pulse.sh start) or no parec")
    with atspi.Session(program, sounds=()) as session:
        write_two_tones(os.path.join(session.library, "Two tones.wav"))
        session.start()
        strip = None
        deadline = time.time() + 10
        while strip is None and time.time() < deadline:
            strip = atspi.find("Waveform", None, "Tembrel")
            time.sleep(0.2)
        if strip is None:
            atspi.fail("no control named 'Waveform'")
        time.sleep(1)  # the outline is read on a worker
        x, y, width, height = strip.queryComponent().getExtents(atspi._pyatspi().DESKTOP_COORDS)
        recording = os.path.join(session.work, "heard.raw")
        with open(recording, "wb") as out:
            recorder = subprocess.Popen(["parec", "--format=s16le", "--channels=1",
                                         f"--rate={RATE}", "--latency-msec=20"], stdout=out)
            session.pids.append(recorder.pid)
            time.sleep(0.5)
            subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2),
                            "click", "1"], check=True)
            time.sleep(2 * HALF + 0.5)
            recorder.terminate()
            recorder.wait()
        said = atspi.find("Waveform", None, "Tembrel").description
        if not said.startswith("Play point 1.5"):
            atspi.fail(f"the strip says {said!r}, not a play point in the middle")
        seconds, frequency = heard(recording)
        if not (HALF - 0.4 < seconds < HALF + 0.4) or abs(frequency - HIGH) > 150:
            atspi.fail(f"heard {seconds:.2f} s at {frequency:.0f} Hz, not {HALF} s of {HIGH} Hz")
    print(f"PASS: heard {seconds:.2f} s at {frequency:.0f} Hz after the click at the middle")


if __name__ == "__main__":
    main(sys.argv[1])
