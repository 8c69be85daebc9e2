#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program on Wayland: Debian's weston with its headless backend, Qt's Wayland platform.

usage: wayland_test.py TAVIX QT_PLATFORM_PLUGIN_DIR

The compositor's own scene graph (weston --debug, read with weston-debug) names the program's
top-level window and the part of it that the program paints opaque: the content, inside the
decoration that Qt draws on weston. Its size must be 385 x 650. The compositor's screenshot
(weston-screenshooter) of that part must show the first frame: every cell closed, "Show" hidden.
The headless backend has no input devices, so neither a click nor a close can come through the
compositor; the session is ended the other way a Wayland session can end, by ending the
compositor under the program, which must then say so in one line and exit with code 1, not abort.
Without weston (or its headless backend, or Qt's Wayland plugin) the test is skipped.
"""

import glob
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import board
from xsession import Image, fail, spawn, wait_until, without_session

SKIPPED = 77  # CTest's SKIP_RETURN_CODE for this test
SOCKET = "tavix-test"
OUTPUT_SIZE = (1000, 900)
COMPOSITOR_WITHIN_S = 30
WINDOW_WITHIN_S = 30  # liveness bounds: a start takes a fraction of this, a few seconds under the sanitizers
FRAME_WITHIN_S = 10
EXIT_WITHIN_S = 10
TOOLS = ("weston", "weston-debug", "weston-info", "weston-screenshooter", "convert")

VIEW = re.compile(r"View \d+ \(role xdg_toplevel, PID (\d+), surface ID \d+, top-level window '(.*)' of (.*), 0x[0-9a-f]+\):$")
BOX = r"\((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)"


def skip(reason):
    print("SKIP: " + reason)
    sys.exit(SKIPPED)


def box(match):
    x1, y1, x2, y2 = (int(v) for v in match.groups())
    return x1, y1, x2 - x1, y2 - y1


class Weston:
    """A headless weston on a socket in a private runtime directory; a context manager."""

    def __enter__(self):
        missing = [t for t in TOOLS if shutil.which(t) is None]
        if "weston" in missing:
            skip("weston is not installed (scripts/setup --tests installs it)")
        if missing:
            fail("missing tools: %s (scripts/setup --tests installs them)" % " ".join(missing))
        self.runtime_dir = tempfile.mkdtemp(prefix="tavix-wayland-")  # mode 0700, as Wayland wants
        self.log_path = os.path.join(self.runtime_dir, "weston.log")
        with open(self.log_path, "w") as log:
            self.proc = spawn(["weston", "--backend=headless-backend.so", "--use-pixman", "--socket=" + SOCKET,
                               "--width=%d" % OUTPUT_SIZE[0], "--height=%d" % OUTPUT_SIZE[1], "--idle-time=0",
                               "--debug", "--no-config"],
                              env=self.env(), stdout=log, stderr=subprocess.STDOUT)
        try:
            up = wait_until(lambda: self.proc.poll() is not None or self.tool_ok("weston-debug", "-l"),
                            COMPOSITOR_WITHIN_S)
            if self.proc.poll() is not None:
                log = self.log()
                if re.search(r"headless-backend\.so.*(cannot open|[Ff]ailed)|[Ff]ailed.*headless-backend", log):
                    skip("weston has no headless backend: " + log.strip().splitlines()[-1])
                fail("weston ended at once (code %d): %s" % (self.proc.returncode, log))
            if not up:
                fail("weston did not come up within %d s: %s" % (COMPOSITOR_WITHIN_S, self.log()))
            return self
        except BaseException:
            self.__exit__()
            raise

    def __exit__(self, *exc):
        self.end()
        shutil.rmtree(self.runtime_dir, ignore_errors=True)

    def log(self):
        with open(self.log_path, errors="replace") as log:
            return log.read()

    def env(self, **extra):
        """This environment on the compositor alone: no X display, no Qt settings, no session bus."""
        env = without_session()
        env.update(XDG_RUNTIME_DIR=self.runtime_dir, WAYLAND_DISPLAY=SOCKET)
        env.update(extra)
        return env

    def tool_ok(self, *args):
        return subprocess.run(args, env=self.env(), capture_output=True).returncode == 0

    def end(self):
        """Ends the compositor as a session ends it (SIGTERM); returns its exit code."""
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        return self.proc.returncode

    def has_seat(self):
        """Whether the compositor offers a seat, the only way input could reach a window."""
        info = subprocess.run(["weston-info"], env=self.env(), capture_output=True, text=True).stdout
        return "'wl_seat'" in info

    def toplevel(self, pid):
        """(title, app id, view box, content box) of the process's top-level window, or None."""
        scene = subprocess.run(["weston-debug", "scene-graph"], env=self.env(), capture_output=True,
                               text=True).stdout.splitlines()
        for i, line in enumerate(scene):
            view = VIEW.search(line.strip())
            if not view or int(view.group(1)) != pid or i + 2 >= len(scene):
                continue
            position = re.search(r"position: " + BOX, scene[i + 1])
            opaque = scene[i + 2].strip()
            if not position:
                return None
            if opaque == "[fully opaque]":
                content = box(position)
            else:
                within = re.search(r"\[opaque: " + BOX + r"\]", opaque)
                if not within:
                    return None  # not painted yet
                content = box(within)
            return view.group(2), view.group(3), box(position), content
        return None

    def screenshot(self):
        """The whole output, as the compositor shows it."""
        with tempfile.TemporaryDirectory(prefix="tavix-shot-") as folder:
            taken = subprocess.run(["weston-screenshooter"], env=self.env(), cwd=folder, capture_output=True, text=True)
            shots = glob.glob(os.path.join(folder, "*.png"))
            if taken.returncode != 0 or not shots:
                fail("weston-screenshooter took no picture (code %d): %s" % (taken.returncode, taken.stderr))
            ppm = subprocess.run(["convert", shots[0], "-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
        return Image(ppm)


def main():
    program, plugin_dir = sys.argv[1], sys.argv[2]
    if not glob.glob(os.path.join(plugin_dir, "libqwayland-*.so")):
        skip("Qt's Wayland platform plugin is not in %s (qt6-wayland; scripts/setup --tests installs it)" % plugin_dir)
    with Weston() as weston, tempfile.TemporaryFile() as err:
        app = spawn([program], env=weston.env(QT_QPA_PLATFORM="wayland", QT_SCALE_FACTOR="1"),
                    stdout=subprocess.DEVNULL, stderr=err)
        try:
            found = wait_until(lambda: app.poll() is not None or weston.toplevel(app.pid), WINDOW_WITHIN_S)
            if app.poll() is not None:
                err.seek(0)
                fail("the program ended (code %d) before its window appeared: %s" % (app.returncode, err.read().decode()))
            if not found:
                fail("no top-level window of the program in weston's scene graph within %d s" % WINDOW_WITHIN_S)
            title, app_id, view, content = found
            print("weston: top-level window %r of %s (PID %d), %dx%d at %d, %d with its decoration;"
                  " content %dx%d at %d, %d" % ((title, app_id, app.pid) + view[2:] + view[:2] + content[2:] + content[:2]))
            if (title, app_id) != ("Tavix", "tavix"):
                fail("the window is %r of %r, expected 'Tavix' of 'tavix'" % (title, app_id))
            if content[2:] != board.WINDOW_SIZE:
                fail("the window's content is %dx%d, expected %dx%d" % (content[2:] + board.WINDOW_SIZE))
            seen = []
            fresh = lambda: seen.append(weston.screenshot().crop(*content)) or board.read(seen[-1]) == (frozenset(), False)
            if not wait_until(fresh, FRAME_WITHIN_S, 0.1):
                fail("the compositor's picture of the window does not show a fresh ticket: %s" % board.describe(seen[-1]))
            print("weston's screenshot of the content: %s" % board.describe(seen[-1]))
            print("weston offers %s" % ("a seat, but no way for a test to give input through it" if weston.has_seat()
                                        else "no seat: no input and no close can come through it"))
            start = time.monotonic()
            weston_code = weston.end()
            code = app.wait(EXIT_WITHIN_S)
            took = time.monotonic() - start
        except subprocess.TimeoutExpired:
            fail("the program was still running %d s after the compositor ended" % EXIT_WITHIN_S)
        finally:
            if app.poll() is None:
                app.kill()
                app.wait()
        err.seek(0)
        lines = err.read().decode(errors="replace").splitlines()
    print("compositor ended (its exit code %d): the program exited with code %d after %.2f s; stderr: %r"
          % (weston_code, code, took, lines))
    if code < 0:
        fail("the program ended by signal %d, not with exit code 1" % -code)
    if code != 1:
        fail("exit code %d, expected 1" % code)
    if len(lines) != 1 or "Wayland" not in lines[0]:
        fail("stderr is not one line saying that the Wayland connection is gone")


if __name__ == "__main__":
    main()
