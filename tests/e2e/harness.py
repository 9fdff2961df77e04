"""Runs the real Tibbo program for the end-to-end tests.

Every run gets its own X server (Xvfb, on a free display number found with -displayfd),
its own window manager (openbox, with the settings in openbox-rc.xml) and its own copy of
the program folder (the program plus animations/, which the test may spoil first), so
tests never see each other's windows or files. Everything started here is stopped when
its `with` block ends, on failure too:

    with running_pet() as run:          # display + window manager + pet, idle cycle begun
        run.display.key("Escape")
        assert run.pet.wait_exit() == 0

The program's build folder (the one holding `tibbo` and `animations/`) comes from the
TIBBO_BUILD_DIR environment variable, or `build/` at the top of the source tree.

Only Python's standard library is used, plus Debian's Xvfb, openbox, xdotool, x11-utils
(xwininfo, xprop), ImageMagick's `import` and util-linux's `setpriv`.
"""

from __future__ import annotations

import collections
import contextlib
import ctypes
import os
import pathlib
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time
import uuid

HERE = pathlib.Path(__file__).resolve().parent
SOURCE_ROOT = HERE.parents[1]

TITLE = "Ormelle的大猫 Tibbo  https://tibbo.example.org/"
WINDOW_WIDTH = 317
WINDOW_HEIGHT = 547
# The window is centred by the size it is drawn up with (320 wide), not the size it shows.
TEMPLATE_WIDTH = 320
STAGE_HEIGHT = 480
# The inside of the stage that shows on screen, in window coordinates: a one-pixel sunken
# edge runs round it, and the stage's three rightmost columns lie beyond the window.
STAGE_INSIDE = (1, 1, WINDOW_WIDTH - 1, STAGE_HEIGHT - 2)
BUTTON = (169, 488, 144, 55)  # "Quisa": left, top, width, height in window coordinates
LABEL = (0, 480, 168, 64)

BLINK_FRAMES = tuple(f"blink/cat_blink000{n}.jpg" for n in range(3))

TOOLS = ("Xvfb", "openbox", "xdotool", "xwininfo", "xprop", "import", "setpriv")

# Each run's processes carry this variable (with the run's own value) in their
# environment, so that anything they left behind can be found and ended.
RUN_MARK = "TIBBO_E2E_RUN"


class HarnessError(RuntimeError):
    """The harness could not set a run up (a missing tool, a server that did not start)."""


def build_dir() -> pathlib.Path:
    folder = pathlib.Path(os.environ.get("TIBBO_BUILD_DIR") or SOURCE_ROOT / "build")
    if not (folder / "tibbo").is_file():
        raise HarnessError(
            f"no program at {folder / 'tibbo'}: build it first, and point TIBBO_BUILD_DIR "
            "at the build folder")
    return folder


def require_tools() -> None:
    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    if missing:
        raise HarnessError("missing tools for the end-to-end tests: " + ", ".join(missing))


def wait_until(condition, timeout: float, interval: float = 0.05):
    """Polls `condition` until it returns something true; returns that, or None on timeout."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() >= deadline:
            return None
        time.sleep(interval)


def stop_on_sigterm() -> None:
    """Turns SIGTERM (a test runner's timeout) into SystemExit so that cleanups still run."""
    def handler(signum, frame):
        raise SystemExit(128 + signum)
    signal.signal(signal.SIGTERM, handler)


# --- processes ---------------------------------------------------------------------------

def _spawn(argv, env, stdout, stderr=subprocess.STDOUT, cwd=None, pass_fds=()):
    # setpriv makes the kernel kill the process if this harness dies without cleaning up
    # (SIGKILL from a test runner); its own session lets us end it and its children.
    return subprocess.Popen(
        ["setpriv", "--pdeathsig", "KILL", "--", *map(str, argv)],
        env=env, cwd=cwd, stdin=subprocess.DEVNULL, stdout=stdout, stderr=stderr,
        pass_fds=pass_fds, start_new_session=True)


def _stop(process: subprocess.Popen | None, grace: float = 3.0) -> None:
    if process is None or process.poll() is not None:
        return
    for sig in (signal.SIGTERM, signal.SIGKILL):
        with contextlib.suppress(ProcessLookupError):
            os.killpg(process.pid, sig)
        try:
            process.wait(grace)
            return
        except subprocess.TimeoutExpired:
            pass


def _processes_marked(mark: str) -> list[int]:
    wanted = f"{RUN_MARK}={mark}".encode()
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) == os.getpid():
            continue
        try:
            environment = pathlib.Path("/proc", entry, "environ").read_bytes()
        except OSError:
            continue
        if wanted in environment.split(b"\0"):
            found.append(int(entry))
    return found


def _end_leftovers(mark: str, spare=()) -> list[int]:
    leftovers = [pid for pid in _processes_marked(mark) if pid not in spare]
    for pid in leftovers:
        with contextlib.suppress(ProcessLookupError):
            os.kill(pid, signal.SIGKILL)
    return leftovers


def _read_line(fd: int, timeout: float) -> str:
    data = b""
    deadline = time.monotonic() + timeout
    while not data.endswith(b"\n"):
        left = deadline - time.monotonic()
        if left <= 0 or not select.select([fd], [], [], left)[0]:
            break
        chunk = os.read(fd, 64)
        if not chunk:
            break
        data += chunk
    return data.decode().strip()


# --- pictures ------------------------------------------------------------------------------

class Picture:
    """An RGB picture (a screenshot or a part of one)."""

    def __init__(self, width: int, height: int, rgb: bytes):
        self.width, self.height, self.rgb = width, height, rgb

    @classmethod
    def from_ppm(cls, data: bytes) -> "Picture":
        fields, position = [], 0
        while len(fields) < 4:
            while data[position:position + 1].isspace():
                position += 1
            if data[position:position + 1] == b"#":
                position = data.index(b"\n", position) + 1
                continue
            end = position
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[position:end])
            position = end
        magic, width, height, depth = fields[0], int(fields[1]), int(fields[2]), int(fields[3])
        if magic != b"P6" or depth != 255:
            raise HarnessError(f"unexpected screenshot format {magic!r}, depth {depth}")
        start = position + 1
        return cls(width, height, data[start:start + width * height * 3])

    def pixel(self, x: int, y: int) -> tuple[int, int, int]:
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def crop(self, left: int, top: int, width: int, height: int) -> "Picture":
        rows = []
        for y in range(top, top + height):
            start = (y * self.width + left) * 3
            rows.append(self.rgb[start:start + width * 3])
        return Picture(width, height, b"".join(rows))

    def pixels(self):
        rgb = self.rgb
        return (rgb[i:i + 3] for i in range(0, len(rgb), 3))

    def colour_counts(self) -> collections.Counter:
        return collections.Counter(self.pixels())

    def count_pixels(self, test) -> int:
        return sum(1 for p in self.pixels() if test(p))

    def differing_pixels(self, other: "Picture", threshold: int = 40) -> int:
        """How many pixels differ by more than `threshold` in some colour channel."""
        if (self.width, self.height) != (other.width, other.height):
            raise ValueError("pictures of different sizes")
        a, b = self.rgb, other.rgb
        count = 0
        for i in range(0, len(a), 3):
            if (abs(a[i] - b[i]) > threshold or abs(a[i + 1] - b[i + 1]) > threshold
                    or abs(a[i + 2] - b[i + 2]) > threshold):
                count += 1
        return count

    def looks_like(self, other: "Picture") -> bool:
        """The same picture, give or take a few stray pixels (the same rendering twice)."""
        return self.differing_pixels(other) <= self.width * self.height // 1000

    def save_ppm(self, path) -> None:
        pathlib.Path(path).write_bytes(
            b"P6\n%d %d\n255\n" % (self.width, self.height) + self.rgb)


# --- X ---------------------------------------------------------------------------------------

class _XClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _XClientMessage), ("pad", ctypes.c_long * 24)]


def _send_root_message(display_name: str, window: int, message: str, data) -> None:
    """Sends a client message about `window` to the window manager, as pagers and
    taskbars do."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    connection = x11.XOpenDisplay(display_name.encode())
    if not connection:
        raise HarnessError(f"cannot open display {display_name}")
    try:
        event = _XEvent()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = window
        event.xclient.message_type = x11.XInternAtom(connection, message.encode(), 0)
        event.xclient.format = 32
        for i, value in enumerate(data):
            event.xclient.data[i] = value
        substructure_redirect_and_notify = (1 << 20) | (1 << 19)
        x11.XSendEvent(connection, x11.XDefaultRootWindow(connection), 0,
                       substructure_redirect_and_notify, ctypes.byref(event))
    finally:
        x11.XCloseDisplay(connection)  # flushes the request


class Display:
    """Xvfb plus openbox on a free display number."""

    def __init__(self, width: int = 1024, height: int = 768):
        self.width, self.height = width, height
        self.name = None
        self.mark = uuid.uuid4().hex
        self._processes = []
        self._folder = None

    def __enter__(self) -> "Display":
        require_tools()
        self._folder = tempfile.TemporaryDirectory(prefix="tibbo-e2e-")
        self.folder = pathlib.Path(self._folder.name)
        try:
            self._start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc) -> None:
        self.close()

    def base_environment(self) -> dict:
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY", "DESKTOP_SESSION",
                            "DBUS_SESSION_BUS_ADDRESS", "GDK_BACKEND", "GTK_MODULES")}
        (self.folder / "config").mkdir(exist_ok=True)
        (self.folder / "cache").mkdir(exist_ok=True)
        env.update({
            RUN_MARK: self.mark,
            "LANG": "C.UTF-8", "LC_ALL": "C.UTF-8",
            "XDG_CONFIG_HOME": str(self.folder / "config"),
            "XDG_CACHE_HOME": str(self.folder / "cache"),
            # Keep the toolkit from starting session services (a message bus, the
            # accessibility bus, the settings daemon) that would outlive the run.
            "DBUS_SESSION_BUS_ADDRESS": "disabled:",
            "NO_AT_BRIDGE": "1",
            "GSETTINGS_BACKEND": "memory",
        })
        return env

    def _start(self) -> None:
        read_end, write_end = os.pipe()
        try:
            with open(self.folder / "xvfb.log", "wb") as log:
                xvfb = _spawn(["Xvfb", "-displayfd", write_end, "-screen", "0",
                               f"{self.width}x{self.height}x24", "-nolisten", "tcp", "-noreset"],
                              self.base_environment(), log, pass_fds=(write_end,))
            self._processes.append(xvfb)
            os.close(write_end)
            write_end = -1
            number = _read_line(read_end, timeout=20)
        finally:
            os.close(read_end)
            if write_end >= 0:
                os.close(write_end)
        if not number.isdigit():
            raise HarnessError("Xvfb did not start: " + self.log("xvfb.log"))
        self.name = f":{number}"
        self.env = self.base_environment()
        self.env["DISPLAY"] = self.name
        with open(self.folder / "openbox.log", "wb") as log:
            wm = _spawn(["openbox", "--sm-disable", "--config-file", HERE / "openbox-rc.xml"],
                        self.env, log)
        self._processes.append(wm)
        if not wait_until(self._window_manager_ready, timeout=20, interval=0.1):
            raise HarnessError("openbox did not start: " + self.log("openbox.log"))

    def _window_manager_ready(self) -> bool:
        result = self.run(["xprop", "-root", "-notype", "_NET_SUPPORTING_WM_CHECK"], check=False)
        return "window id" in result.stdout

    def log(self, name: str) -> str:
        with contextlib.suppress(OSError):
            return (self.folder / name).read_text(errors="replace")
        return ""

    def close(self) -> None:
        # The window manager first, then whatever the run left behind, and the X server last
        # (its display number stays ours, and the marks unambiguous, until then).
        for process in reversed(self._processes[1:]):
            _stop(process)
        server = [self._processes[0].pid] if self._processes else []
        self.leftovers = _end_leftovers(self.mark, spare=server)
        if self.leftovers:
            print(f"harness: ended processes left behind on {self.name}: {self.leftovers}",
                  file=sys.stderr)
        if self._processes:
            _stop(self._processes[0])
        _end_leftovers(self.mark)
        self._processes = []
        if self._folder is not None:
            self._folder.cleanup()
            self._folder = None

    # Tools on this display.

    def run(self, argv, check=True, timeout=20, text=True, **kwargs):
        return subprocess.run([str(a) for a in argv], env=self.env, capture_output=True,
                              text=text, check=check, timeout=timeout, **kwargs)

    def xdotool(self, *args) -> str:
        return self.run(["xdotool", *args]).stdout

    def key(self, keys: str) -> None:
        """Types a key (with modifiers, as in ctrl+Escape) into the focused window."""
        self.xdotool("key", keys)

    def click(self, x: int, y: int) -> None:
        """A left click at a place on the screen."""
        self.xdotool("mousemove", "--sync", x, y)
        self.xdotool("click", 1)

    def request_close(self, window: int) -> None:
        """Asks the window manager to close a window (_NET_CLOSE_WINDOW); it passes the
        request on to the program as WM_DELETE_WINDOW."""
        _send_root_message(self.name, window, "_NET_CLOSE_WINDOW", (0, 2))

    def screenshot(self) -> Picture:
        shot = self.run(["import", "-window", "root", "-depth", "8", "ppm:-"], text=False)
        return Picture.from_ppm(shot.stdout)

    def window_info(self, window: int) -> dict:
        """Place (on the screen), size and map state of a window, from xwininfo."""
        out = self.run(["xwininfo", "-id", window], check=False).stdout
        info = {}
        for line in out.splitlines():
            key, _, value = line.strip().partition(":")
            value = value.strip()
            if key == "Absolute upper-left X":
                info["x"] = int(value)
            elif key == "Absolute upper-left Y":
                info["y"] = int(value)
            elif key == "Width":
                info["width"] = int(value)
            elif key == "Height":
                info["height"] = int(value)
            elif key == "Map State":
                info["map_state"] = value
        return info

    def parent(self, window: int) -> int:
        out = self.run(["xwininfo", "-children", "-id", window]).stdout
        for line in out.splitlines():
            if line.strip().startswith("Parent window id:"):
                return int(line.split(":", 1)[1].split()[0], 16)
        raise HarnessError(f"no parent found for window {window}")

    def property(self, window: int, name: str) -> str | None:
        """A window property as xprop shows it (the part after '='), or None if unset."""
        out = self.run(["xprop", "-id", window, "-notype", name], check=False).stdout.strip()
        if " = " not in out:
            return None
        return out.split(" = ", 1)[1]

    def window_name(self, window: int) -> str | None:
        value = self.property(window, "_NET_WM_NAME")
        if value is None or len(value) < 2 or value[0] != '"' or value[-1] != '"':
            return value
        return value[1:-1].replace('\\"', '"').replace("\\\\", "\\")

    def windows_of(self, pid: int) -> list[int]:
        out = self.run(["xdotool", "search", "--pid", pid], check=False).stdout
        return [int(w) for w in out.split()]

    def find_window(self, title: str, timeout: float = 15, pid: int | None = None) -> int:
        """The viewable window whose caption is exactly `title`."""
        def viewable_with_title():
            out = self.run(["xdotool", "search", "--onlyvisible", "--name", "."], check=False).stdout
            for window in map(int, out.split()):
                if self.window_name(window) == title:
                    return window
            return None
        window = wait_until(viewable_with_title, timeout, interval=0.1)
        if window is None:
            seen = [(w, self.window_name(w), self.window_info(w).get("map_state"))
                    for w in (self.windows_of(pid) if pid else [])]
            raise AssertionError(f"no viewable window titled {title!r} after {timeout} s; "
                                 f"the program's windows: {seen}")
        return window


# --- the program -----------------------------------------------------------------------------

class PetFolder:
    """A copy of the program and its animations/ in a folder of its own."""

    def __init__(self):
        self._folder = tempfile.TemporaryDirectory(prefix="tibbo-pet-")
        self.path = pathlib.Path(self._folder.name)
        self.source = build_dir()
        shutil.copy2(self.source / "tibbo", self.path / "tibbo")
        if (self.source / "animations").is_dir():
            shutil.copytree(self.source / "animations", self.path / "animations")
        self.animations = self.path / "animations"
        self.blink = self.animations / "blink"

    def frame(self, name: str) -> pathlib.Path:
        return self.animations / name

    def original_frame(self, name: str) -> bytes:
        return (self.source / "animations" / name).read_bytes()

    def replace_quietly(self, name: str, data: bytes) -> None:
        """Puts new content in place of a frame without opening the frame's path (a file
        written beside the folder is renamed over it), so the frame recorder sees only the
        program's opens."""
        staged = self.path / ("staged-" + uuid.uuid4().hex)
        staged.write_bytes(data)
        os.replace(staged, self.frame(name))

    def cleanup(self) -> None:
        self._folder.cleanup()

    def __enter__(self) -> "PetFolder":
        return self

    def __exit__(self, *exc) -> None:
        self.cleanup()


class Pet:
    """The program, started from a PetFolder on a Display (or with no display at all)."""

    def __init__(self, folder: PetFolder, display: Display | None):
        self.folder, self.display = folder, display
        self.process = None
        self.exit_code = None

    def __enter__(self) -> "Pet":
        if self.display is not None:
            env, logs = self.display.env, self.display.folder
        else:
            env = {k: v for k, v in os.environ.items()
                   if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
            env[RUN_MARK] = uuid.uuid4().hex
            logs = self.folder.path
        self._mark = env[RUN_MARK]
        self._stdout_path = logs / f"pet-{uuid.uuid4().hex[:8]}.out"
        self._stderr_path = self._stdout_path.with_suffix(".err")
        with open(self._stdout_path, "wb") as out, open(self._stderr_path, "wb") as err:
            self.process = _spawn([self.folder.path / "tibbo"], env, out, err,
                                  cwd=self.folder.path)
        return self

    def __exit__(self, *exc) -> None:
        _stop(self.process)
        if self.display is None:
            _end_leftovers(self._mark)

    @property
    def pid(self) -> int:
        return self.process.pid

    def running(self) -> bool:
        return self.process.poll() is None

    def wait_exit(self, timeout: float = 10) -> int | None:
        """The exit code, or None if the program is still running after `timeout`."""
        try:
            self.exit_code = self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None
        return self.exit_code

    def stdout(self) -> str:
        return self._stdout_path.read_text(errors="replace")

    def stderr(self) -> str:
        return self._stderr_path.read_text(errors="replace")

    def memory_kb(self) -> dict:
        """VmRSS and VmHWM (the peak) from /proc, in kB."""
        values = {}
        for line in pathlib.Path(f"/proc/{self.pid}/status").read_text().splitlines():
            key, _, value = line.partition(":")
            if key in ("VmRSS", "VmHWM"):
                values[key] = int(value.split()[0])
        return values

    def output(self) -> str:
        """Both output streams, for failure messages."""
        return f"\n--- program stdout ---\n{self.stdout()}\n--- program stderr ---\n{self.stderr()}"


# --- frame opens -------------------------------------------------------------------------------

IN_CLOSE_NOWRITE = 0x00000010
IN_OPEN = 0x00000020
IN_ISDIR = 0x40000000
IN_CLOEXEC = 0o2000000
IN_NONBLOCK = 0o4000


class FrameOpens:
    """Records, through inotify, each time a file in animations/'s subfolders is opened:
    (time.monotonic() as the event arrived, "blink/cat_blink0000.jpg").

    Closes are watched too, though not recorded: the kernel merges an event into the one
    queued before it when the two are the same, so two opens of one file in a row would
    show as one if nothing came between them."""

    def __init__(self, animations: pathlib.Path):
        self.animations = animations
        self.events: list[tuple[float, str]] = []
        self._changed = threading.Condition()
        self._libc = ctypes.CDLL(None, use_errno=True)
        self._folders = {}

    def __enter__(self) -> "FrameOpens":
        self._fd = self._libc.inotify_init1(IN_CLOEXEC | IN_NONBLOCK)
        if self._fd < 0:
            raise OSError(ctypes.get_errno(), "inotify_init1")
        self._stop_read, self._stop_write = os.pipe()
        if self.animations.is_dir():
            for folder in sorted(self.animations.iterdir()):
                if folder.is_dir() and not folder.is_symlink():
                    watch = self._libc.inotify_add_watch(self._fd, bytes(folder),
                                                         IN_OPEN | IN_CLOSE_NOWRITE)
                    if watch < 0:
                        raise OSError(ctypes.get_errno(), f"inotify_add_watch {folder}")
                    self._folders[watch] = folder.name
        self._reader = threading.Thread(target=self._read, name="frame-opens", daemon=True)
        self._reader.start()
        return self

    def __exit__(self, *exc) -> None:
        os.write(self._stop_write, b"x")
        self._reader.join(5)
        for fd in (self._fd, self._stop_read, self._stop_write):
            os.close(fd)

    def _read(self) -> None:
        header = struct.Struct("iIII")
        while True:
            ready = select.select([self._fd, self._stop_read], [], [])[0]
            if self._stop_read in ready:
                return
            now = time.monotonic()
            try:
                data = os.read(self._fd, 65536)
            except BlockingIOError:
                continue
            found, offset = [], 0
            while offset + header.size <= len(data):
                watch, mask, _cookie, length = header.unpack_from(data, offset)
                name = data[offset + header.size:offset + header.size + length].rstrip(b"\0")
                offset += header.size + length
                if mask & IN_OPEN and name and watch in self._folders:
                    found.append((now, f"{self._folders[watch]}/{name.decode(errors='replace')}"))
            if found:
                with self._changed:
                    self.events.extend(found)
                    self._changed.notify_all()

    def snapshot(self) -> list[tuple[float, str]]:
        with self._changed:
            return list(self.events)

    def names(self) -> list[str]:
        return [name for _, name in self.snapshot()]

    def count(self, name: str) -> int:
        return self.names().count(name)

    def wait_for(self, condition, timeout: float, what: str) -> list[tuple[float, str]]:
        """Waits until condition(events) holds; fails the test if it does not in time."""
        deadline = time.monotonic() + timeout
        with self._changed:
            while not condition(self.events):
                left = deadline - time.monotonic()
                if left <= 0:
                    raise AssertionError(
                        f"waited {timeout} s for {what}; frames opened so far: "
                        f"{[name for _, name in self.events]}")
                self._changed.wait(left)
            return list(self.events)

    def wait_for_opens(self, name: str, count: int, timeout: float = 15) -> list:
        return self.wait_for(lambda events: sum(1 for _, n in events if n == name) >= count,
                             timeout, f"{count} opens of {name}")

    def wait_for_next(self, name: str, timeout: float = 15) -> float:
        """Waits for the next open of `name` from now on; returns its time."""
        seen = self.count(name)
        events = self.wait_for_opens(name, seen + 1, timeout)
        return [t for t, n in events if n == name][seen]


# --- a whole run -------------------------------------------------------------------------------

class Run:
    """A display, a copy of the program folder, a frame recorder and the running program,
    with the program's window once it shows."""

    def __init__(self, display, folder, frames, pet, window, window_found_at=0.0):
        self.display, self.folder, self.frames, self.pet, self.window = (
            display, folder, frames, pet, window)
        self.window_found_at = window_found_at  # time.monotonic() when the window showed

    def geometry(self) -> dict:
        return self.display.window_info(self.window)

    def window_place(self) -> tuple[int, int]:
        info = self.geometry()
        return info["x"], info["y"]

    def click_in_window(self, x: int, y: int) -> None:
        left, top = self.window_place()
        self.display.click(left + x, top + y)

    def stage(self, screenshot: Picture | None = None) -> Picture:
        """The inside of the stage as it is on the screen now."""
        shot = screenshot or self.display.screenshot()
        left, top = self.window_place()
        x, y, w, h = STAGE_INSIDE
        return shot.crop(left + x, top + y, w, h)

    def stage_while_showing(self, frame: str = BLINK_FRAMES[2], settle: float = 0.3,
                            attempts: int = 3) -> Picture:
        """The stage shortly after `frame` was opened, taken while it still shows (no other
        frame opened before the screenshot was done); the last frame of the blink shows for
        two seconds, which leaves room for a slow machine."""
        for _ in range(attempts):
            self.frames.wait_for_next(frame)
            opened = len(self.frames.snapshot())
            time.sleep(settle)
            picture = self.stage()
            if len(self.frames.snapshot()) == opened:
                return picture
        raise AssertionError(f"could not take a screenshot while {frame} was showing")

    def still_alive(self) -> bool:
        return self.pet.running() and self.geometry().get("map_state") == "IsViewable"


@contextlib.contextmanager
def running_pet(prepare=None, screen=(1024, 768), wait_for_idle: bool = True):
    """Starts a display, a copy of the program folder (changed by prepare(folder) first), a
    frame recorder and the program; yields a Run once the window shows (and, unless
    wait_for_idle is false, once the idle blink has begun)."""
    with Display(*screen) as display, PetFolder() as folder:
        if prepare is not None:
            prepare(folder)
        with FrameOpens(folder.animations) as frames, Pet(folder, display) as pet:
            try:
                window = display.find_window(TITLE, pid=pet.pid)
                window_found_at = time.monotonic()
                if wait_for_idle:
                    frames.wait_for_opens(BLINK_FRAMES[0], 2)
            except AssertionError as failure:
                raise AssertionError(str(failure) + pet.output()) from None
            yield Run(display, folder, frames, pet, window, window_found_at)
