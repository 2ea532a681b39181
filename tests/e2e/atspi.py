"""Runs the real program on the X display named by DISPLAY with its own session bus and
accessibility bus, and reads and drives its windows by the names of their controls.

Needs the system Python with pyatspi (python3-pyatspi), at-spi2-core, dbus-x11 and xdotool.
A run that cannot start these skips (exit 77), or fails when TEMBREL_REQUIRE_DISPLAY=1.
"""
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

SKIP = 77
AT_SPI_LAUNCHERS = ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")

DATA_FILE = """[Main_Directory]
Master_Directory=Library
[Editor_Name]
Editor=true
[Default_Rec_Name]
Rec_Name=Sound
[Cursor]
Current=1
[Show]
Atf=0
Fsb=0
[Copy To Directory]
Directory=/tmp
[Default_Mail]
To=me@example.org
"""


def unavailable(reason):
    if os.environ.get("TEMBREL_REQUIRE_DISPLAY") == "1":
        print(f"FAIL: {reason} (TEMBREL_REQUIRE_DISPLAY=1)", file=sys.stderr)
        sys.exit(1)
    print(f"SKIP: {reason}")
    sys.exit(SKIP)


def fail(reason):
    print(f"FAIL: {reason}", file=sys.stderr)
    sys.exit(1)


def write_wav(path, seconds=1.0, rate=8000):
    """An 8-bit mono WAV of silence."""
    frames = int(seconds * rate)
    with open(path, "wb") as out:
        out.write(b"RIFF" + struct.pack("<I", 36 + frames) + b"WAVEfmt ")
        out.write(struct.pack("<IHHIIHH", 16, 1, 1, rate, rate, 1, 8))
        out.write(b"data" + struct.pack("<I", frames) + b"\x80" * frames)


class Session:
    """A private program directory, the two buses and the program, stopped by PID at the end."""

    def __init__(self, program, sounds=("Alpha", "Beta")):
        if not os.environ.get("DISPLAY"):
            unavailable("no DISPLAY")
        if shutil.which("dbus-launch") is None or shutil.which("xdotool") is None:
            unavailable("dbus-launch or xdotool is not installed")
        self.launcher = next((p for p in AT_SPI_LAUNCHERS if os.access(p, os.X_OK)), None)
        if self.launcher is None:
            unavailable("at-spi2-core is not installed")
        self.work = tempfile.mkdtemp(prefix="tembrel-e2e-")
        self.library = os.path.join(self.work, "Library")
        os.mkdir(self.library)
        shutil.copy(program, os.path.join(self.work, "tembrel"))
        with open(os.path.join(self.work, "Tembrel.dat"), "w") as data:
            data.write(DATA_FILE)
        for name in sounds:
            write_wav(os.path.join(self.library, name + ".wav"))
        self.pids = []
        self.env = dict(os.environ)
        self.env["XDG_DATA_HOME"] = os.path.join(self.work, "data")
        self.env["XDG_CONFIG_HOME"] = os.path.join(self.work, "config")

    def __enter__(self):
        out = subprocess.run(["dbus-launch", "--sh-syntax"], capture_output=True, text=True,
                             check=True, env=self.env).stdout
        for line in out.splitlines():
            if line.startswith("DBUS_SESSION_BUS_ADDRESS="):
                self.env["DBUS_SESSION_BUS_ADDRESS"] = line.split("=", 1)[1].strip("';")
            if line.startswith("DBUS_SESSION_BUS_PID="):
                self.pids.append(int(line.split("=", 1)[1].strip(";")))
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.env["DBUS_SESSION_BUS_ADDRESS"]
        bus = subprocess.Popen([self.launcher, "--launch-immediately"], env=self.env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.pids.append(bus.pid)
        time.sleep(0.5)
        return self

    def start(self, *arguments):
        env = dict(self.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        self.log = open(os.path.join(self.work, "log"), "w")
        self.app = subprocess.Popen([os.path.join(self.work, "tembrel"), "-Embedding", *arguments],
                                    env=env, stdout=self.log, stderr=subprocess.STDOUT)
        self.pids.append(self.app.pid)
        wait_for("Tembrel", 20)

    def __exit__(self, *_):
        for pid in reversed(self.pids):
            try:
                os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        shutil.rmtree(self.work, ignore_errors=True)


def _pyatspi():
    import pyatspi  # imported late: it connects to the bus named in the environment
    return pyatspi


def application(name="tembrel"):
    desktop = _pyatspi().Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == name:
            return app
    return None


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def windows():
    app = application()
    return [app.getChildAtIndex(i) for i in range(app.childCount)] if app else []


def window(title):
    return next((w for w in windows() if w is not None and w.name == title), None)


def find(name, roles=None, title=None):
    for top in windows():
        if top is None or (title is not None and top.name != title):
            continue
        for node in walk(top):
            try:
                if node.name == name and (roles is None or node.getRoleName() in roles):
                    return node
            except Exception:
                continue
    return None


def wait_for(name, seconds=10, gone=False):
    deadline = time.time() + seconds
    while time.time() < deadline:
        if (find(name) is None) == gone:
            return
        time.sleep(0.1)
    fail(f"{name!r} {'stayed' if gone else 'did not show'} within {seconds} s")


def wait_for_window(title, seconds=10, gone=False):
    deadline = time.time() + seconds
    while time.time() < deadline:
        top = window(title)
        showing = top is not None and top.getState().contains(_pyatspi().STATE_SHOWING)
        if showing != gone:
            return
        time.sleep(0.1)
    fail(f"window {title!r} {'stayed' if gone else 'did not show'} within {seconds} s")


def press(name, title=None):
    node = find(name, {"push button", "menu item", "toggle button", "page tab"}, title)
    if node is None:
        fail(f"no button named {name!r}")
    node.queryAction().doAction(0)


def choose(combo_name, item, title=None):
    """Clicks the combo box open and types the item's first word, as a person would: Qt's combo
    boxes offer no accessible way to change the current item."""
    # On Linux Qt names a combo box by its current text; its own name is the description.
    combo = next((node for top in windows() if title is None or top.name == title
                  for node in walk(top) if node.getRoleName() == "combo box"
                  and combo_name in (node.name, node.description)), None)
    if combo is None:
        fail(f"no combo box named {combo_name!r}")
    x, y, width, height = combo.queryComponent().getExtents(_pyatspi().DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1"],
                   check=True)
    time.sleep(0.5)
    subprocess.run(["xdotool", "type", "--delay", "60", item.split(" ")[0]], check=True)
    key("Return")
    time.sleep(0.3)


def stored(session, section, key_name):
    """The value of a key in the program's data file, or None."""
    current = None
    with open(os.path.join(session.work, "Tembrel.dat"), encoding="utf-8") as data:
        for line in data:
            line = line.strip()
            if line.startswith("[") and line.endswith("]"):
                current = line[1:-1]
            elif current == section and line.startswith(key_name + "="):
                return line.split("=", 1)[1]
    return None


def open_options(session):
    """"Program Options" from the main window's menu; its mnemonic is the only O there."""
    focus(session, "Tembrel")
    press("Menu")
    time.sleep(0.5)
    key("o")
    wait_for_window("Tembrel Options")


def key(*keys):
    subprocess.run(["xdotool", "key", *keys], check=True)


def showing(node):
    return node.getState().contains(_pyatspi().STATE_SHOWING)


def dump(top):
    for node in walk(top):
        print(f"{node.getRoleName()} {node.name!r} ({node.description!r})")


def focus(session, title):
    """Gives the keyboard to the program's window of that title (there is no window manager)."""
    found = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid",
                            str(session.app.pid), "--name", f"^{title}$"],
                           capture_output=True, text=True).stdout.split()
    if not found:
        fail(f"no window titled {title!r} to focus")
    subprocess.run(["xdotool", "windowfocus", found[-1]], stderr=subprocess.DEVNULL)
    time.sleep(0.2)
