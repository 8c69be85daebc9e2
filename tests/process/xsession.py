# SPDX-License-Identifier: GPL-3.0-or-later
"""A private X display for out-of-process tests, and the real program driven on it.

Xvfb picks its own display number (-displayfd), so tests that CTest runs in parallel never collide.
openbox manages the windows, so that closing one with wmctrl goes the way a desktop closes it: the
window manager sends WM_DELETE_WINDOW. Input is real X input from xdotool; pictures are read back
from the X server with ImageMagick's import.
"""

import ctypes
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
TOOLS = ("Xvfb", "openbox", "xdotool", "wmctrl", "import", "xdpyinfo")
SERVER_ATTEMPTS = 3


def _die_with_parent():
    """Run in a child before exec: if the test is killed (a CTest timeout), the child goes too."""
    ctypes.CDLL(None, use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def spawn(args, **kwargs):
    return subprocess.Popen(args, preexec_fn=_die_with_parent, **kwargs)


def fail(message):
    """Ends a test script with its one line of failure."""
    print("FAIL: " + message)
    sys.exit(1)


def without_session():
    """This process's environment without anything that names a display, a platform, a session
    type, a session bus or a Qt setting."""
    return {k: v for k, v in os.environ.items()
            if not k.startswith(("QT_", "DBUS_", "WAYLAND_", "XDG_SESSION_")) and k not in ("DISPLAY", "XAUTHORITY")}


def wait_until(predicate, timeout, interval=0.05):
    """Polls predicate until it returns something true; returns that, or None after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            return None
        time.sleep(interval)


class Image:
    """A screenshot: 24-bit pixels read from a binary PPM."""

    def __init__(self, ppm):
        fields, pos = [], 0
        while len(fields) < 4:  # magic, width, height, maxval; '#' comments may sit between them
            while pos < len(ppm) and ppm[pos:pos + 1].isspace():
                pos += 1
            if ppm[pos:pos + 1] == b"#":
                pos = ppm.index(b"\n", pos)
                continue
            end = pos
            while end < len(ppm) and not ppm[end:end + 1].isspace():
                end += 1
            fields.append(ppm[pos:end])
            pos = end
        if fields[0] != b"P6" or int(fields[3]) != 255:
            raise ValueError("not an 8-bit binary PPM: %r" % fields)
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = ppm[pos + 1:pos + 1 + 3 * self.width * self.height]

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        r, g, b = self.data[i:i + 3]
        return (r << 16) | (g << 8) | b

    def count(self, x, y, w, h, differs_from, tolerance):
        """Pixels in the box whose colour differs from differs_from by more than tolerance in a channel."""
        return sum(1 for yy in range(y, y + h) for xx in range(x, x + w)
                   if colour_distance(self.pixel(xx, yy), differs_from) > tolerance)

    def crop(self, x, y, w, h):
        part = Image.__new__(Image)
        part.width, part.height, part.data = w, h, self.region(x, y, w, h)
        return part

    def region(self, x, y, w, h):
        return bytes(b for yy in range(y, y + h) for b in self.data[3 * (yy * self.width + x):3 * (yy * self.width + x + w)])


def _with_suppressions(options, extra_file, merged_file):
    """Sanitizer options whose suppressions file also holds extra_file's (a tool reads only one)."""
    fields = [f for f in options.split(":") if f]
    given = [f.split("=", 1)[1] for f in fields if f.startswith("suppressions=")]
    # Written once, and whole before it gets its name: every program and tool started on the
    # display gets these options, and one that starts while the file is being rewritten would
    # read it half written and report what it should have suppressed.
    if not os.path.exists(merged_file):
        partial = merged_file + ".part"
        with open(partial, "w") as merged:
            for path in given + [extra_file]:
                with open(path) as part:
                    merged.write(part.read() + "\n")
        os.replace(partial, merged_file)
    return ":".join([f for f in fields if not f.startswith("suppressions=")] + ["suppressions=" + merged_file])


def colour_distance(a, b):
    return max(abs(((a >> s) & 0xFF) - ((b >> s) & 0xFF)) for s in (0, 8, 16))


class Display:
    """Xvfb with openbox; a context manager that tears both down, and any program left running."""

    def __init__(self, size="1600x1400x24", wm_config=None):
        self.size = size
        self.wm_config = wm_config  # an openbox rc.xml in place of the user's, or None
        self.apps = []

    def __enter__(self):
        missing = [t for t in TOOLS if shutil.which(t) is None]
        if missing:
            raise RuntimeError("missing tools: %s (scripts/setup --tests installs them)" % " ".join(missing))
        self.xvfb = self.wm = None
        self.runtime_dir = tempfile.mkdtemp(prefix="tavix-xdg-")  # Qt wants a private XDG_RUNTIME_DIR
        # A display number freed a moment ago by another test's server can still be in the middle
        # of being torn down when Xvfb hands it out again; a server that no client can reach is
        # replaced by a new one.
        for attempt in range(1, SERVER_ATTEMPTS + 1):
            try:
                self._start_server()
                self._start_window_manager()
                return self
            except RuntimeError:
                self._stop_server()
                if attempt == SERVER_ATTEMPTS:
                    shutil.rmtree(self.runtime_dir, ignore_errors=True)
                    raise
            except BaseException:
                self.__exit__()
                raise

    def _start_server(self):
        read_end, write_end = os.pipe()
        self.xvfb = spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.size, "-nolisten", "tcp"],
                          pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.name = ":" + number
        if not wait_until(lambda: self.tool_ok("xdpyinfo"), 5):
            raise RuntimeError("no client can reach the X server on " + self.name)

    def _start_window_manager(self):
        self.wm_log = tempfile.TemporaryFile()
        command = ["openbox"] + (["--config-file", self.wm_config] if self.wm_config else [])
        self.wm = spawn(command, env=self.env(), stdout=self.wm_log, stderr=subprocess.STDOUT)
        if not wait_until(lambda: self.wm.poll() is not None or self.tool_ok("wmctrl", "-m"), 30):
            raise RuntimeError("openbox did not come up on %s within 30 s" % self.name)
        if self.wm.poll() is not None:
            self.wm_log.seek(0)
            raise RuntimeError("openbox ended at once on %s (code %d): %s"
                               % (self.name, self.wm.returncode, self.wm_log.read().decode(errors="replace")))

    def __exit__(self, *exc):
        for app in self.apps:
            app.kill()
        self._stop_server()
        shutil.rmtree(self.runtime_dir, ignore_errors=True)

    def _stop_server(self):
        for proc in (self.wm, self.xvfb):
            if proc is None:
                continue
            proc.terminate()
            try:
                proc.wait(5)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()
        self.wm = self.xvfb = None

    def env(self, **extra):
        """A clean environment on this display: no session bus, no scale but the one asked for."""
        env = without_session()
        env.update(DISPLAY=self.name, XDG_RUNTIME_DIR=self.runtime_dir, QT_QPA_PLATFORM="xcb")
        env.update(extra)
        self._add_sanitizer_suppressions(env)
        return env

    def _add_sanitizer_suppressions(self, env):
        """Under the sanitizers, adds the system libraries' known reports that only xcb brings."""
        if "ASAN_OPTIONS" not in env:
            return
        env["ASAN_OPTIONS"] = _with_suppressions(env["ASAN_OPTIONS"], os.path.join(HERE, "asan_xcb.supp"),
                                                 os.path.join(self.runtime_dir, "asan.supp"))
        env["LSAN_OPTIONS"] = _with_suppressions(env.get("LSAN_OPTIONS", ""), os.path.join(HERE, "lsan_xcb.supp"),
                                                 os.path.join(self.runtime_dir, "lsan.supp"))

    def tool(self, *args):
        return subprocess.run(args, env=self.env(), capture_output=True, text=True, check=True).stdout

    def tool_ok(self, *args):
        return subprocess.run(args, env=self.env(), capture_output=True).returncode == 0

    def start(self, program, title, args=(), **env):
        app = App(self, program, title, args, env)
        self.apps.append(app)
        return app


class App:
    """One running copy of a program with one top-level window."""

    def __init__(self, display, program, title, args, env):
        self.display = display
        self.title = title
        self.proc = spawn([program, *args], env=display.env(**env))
        self.window = None

    def find_window(self, timeout=90):
        """Waits until the window is shown and managed by the window manager; returns its id.

        The wait is long because a loaded machine (a parallel test run starting several X servers
        and programs at once) can take half a minute to show a window; a window that never comes
        still fails."""
        def shown():
            if self.proc.poll() is not None:
                raise RuntimeError("the program ended (code %s) before its window appeared" % self.proc.returncode)
            found = subprocess.run(
                ["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.proc.pid), "--name", "^%s$" % self.title],
                env=self.display.env(), capture_output=True, text=True).stdout.split()
            return found[-1] if found else None
        window = wait_until(shown, timeout)
        if window is None:
            raise RuntimeError("no visible window titled %r within %d s" % (self.title, timeout))
        managed = lambda: int(window) in [int(line.split()[0], 16) for line in
                                          self.display.tool("wmctrl", "-l").splitlines()]
        if not wait_until(managed, 10):
            raise RuntimeError("the window manager did not take the window")
        self.window = window
        return window

    def geometry(self):
        """(width, height) of the window's client area."""
        x, y, w, h = self.rectangle()
        return w, h

    def rectangle(self):
        """(x, y, width, height) of the window's client area on the screen."""
        out = self.display.tool("xdotool", "getwindowgeometry", "--shell", self.window)
        values = dict(line.split("=", 1) for line in out.split())
        return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def move(self, x, y):
        """Asks the window manager to move the window to (x, y); returns once it stands there, give
        or take the window manager's frame (which it may put at (x, y) in place of the client)."""
        self.display.tool("xdotool", "windowmove", self.window, str(x), str(y))
        near = lambda: all(0 <= got - want <= 40 for got, want in zip(self.rectangle()[:2], (x, y)))
        if not wait_until(near, 10):
            raise RuntimeError("the window did not move to %d, %d (it stands at %d, %d)" % ((x, y) + self.rectangle()[:2]))

    def click(self, x, y):
        """A left click at (x, y) relative to the window's client area."""
        self.display.tool("xdotool", "mousemove", "--window", self.window, str(x), str(y), "click", "1")

    def screenshot(self):
        ppm = subprocess.run(["import", "-window", self.window, "-depth", "8", "ppm:-"],
                             env=self.display.env(), capture_output=True, check=True).stdout
        return Image(ppm)

    def close(self):
        """Closes the window as a desktop does: wmctrl asks the window manager, which asks the program."""
        self.display.tool("wmctrl", "-i", "-c", self.window)

    def close_and_expect_success(self, timeout=10):
        """Closes the window as a desktop does; the program must then end with exit code 0."""
        self.close()
        code = self.wait_exit(timeout)
        if code != 0:
            fail("the program ended with %s after its window was closed, expected exit code 0" % code)

    def wait_exit(self, timeout):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def kill(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
