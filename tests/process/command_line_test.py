#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program takes no command line: whatever it is given, it opens its usual window, opens no
file it was pointed at, and closes with exit code 0.

usage: command_line_test.py TAVIX CASE      CASE: one of the keys of CASES

A plain start is the reference: its first frame, its size and its window class. The start with the
arguments must show the same first frame (outside the ball band, whose numbers are a new draw),
at the same size, with the same class and caption, and close through the window manager with
exit code 0. Every open of the files named is watched with inotify; a FIFO would also hold up a
program that opened it, so that its window never came.
"""

import ctypes
import errno
import os
import sys
import tempfile

import board
from xsession import Display, fail, wait_until

# What Qt would make of these, if they reached it: another platform; a style sheet read from a
# file (a plain one, and a FIFO that would hold up whoever opens it);
# a mirrored window; a small one; another X display, caption and window class.
STYLE_SHEET = "* { background: #ff00ff; color: #00ff00; }\n"
NO_X = ":%d" % (3000 + os.getpid() % 1000)
CASES = {
    "platform": ["-platform", "nosuchplatform"],
    "style_sheet_file": ["-stylesheet", "{qss}"],
    "style_sheet_fifo": ["-stylesheet", "{fifo}"],
    "reverse": ["-reverse"],
    "window_geometry": ["-qwindowgeometry", "200x150+0+0"],
    "display_title_and_class": ["-display", NO_X, "-qwindowtitle", "Other", "-name", "other", "-style", "windows"],
}

FRAME_WITHIN_S = 10
CLOSE_WITHIN_S = 10


def differing_pixels(image, reference):
    """Pixels that differ between the two window pictures, outside the ball band."""
    bx, by, bw, bh = board.BALL_ROW
    return sum(1 for y in range(reference.height) for x in range(reference.width)
               if not (bx <= x < bx + bw and by <= y < by + bh) and image.pixel(x, y) != reference.pixel(x, y))


def window_class(display, app):
    return display.tool("xprop", "-id", app.window, "WM_CLASS").strip()


def reference_start(display, program):
    app = display.start(program, "Tavix", QT_SCALE_FACTOR="1")
    app.find_window()
    if app.geometry() != board.WINDOW_SIZE:
        fail("a plain start has a window of %dx%d, expected %dx%d" % (app.geometry() + board.WINDOW_SIZE))
    fresh = wait_until(lambda: (lambda image: board.read(image) == (frozenset(), False) and image)(app.screenshot()),
                       FRAME_WITHIN_S, 0.02)
    if not fresh:
        fail("a plain start does not show a fresh ticket: %s" % board.describe(app.screenshot()))
    result = fresh, window_class(display, app)
    close(app, "the plain start")
    return result


def close(app, what):
    app.close()
    code = app.wait_exit(CLOSE_WITHIN_S)
    if code is None:
        fail("%s was still running %d s after its window was closed" % (what, CLOSE_WITHIN_S))
    if code != 0:
        fail("%s closed with exit code %d, expected 0" % (what, code))


class OpenWatch:
    """Notes every open of the given files from now on (inotify), whoever opens them."""

    IN_OPEN = 0x20

    def __init__(self, *paths):
        self.libc = ctypes.CDLL(None, use_errno=True)
        self.fd = self.libc.inotify_init1(os.O_NONBLOCK | os.O_CLOEXEC)
        if self.fd < 0:
            raise OSError(ctypes.get_errno(), "inotify_init1")
        for path in paths:
            if self.libc.inotify_add_watch(self.fd, os.fsencode(path), self.IN_OPEN) < 0:
                raise OSError(ctypes.get_errno(), "inotify_add_watch", path)

    def opened(self):
        try:
            return len(os.read(self.fd, 4096)) > 0
        except BlockingIOError:
            return False


def fifo_opened(fifo):
    """Whether anyone holds the FIFO open for reading (or is held up opening it)."""
    try:
        os.close(os.open(fifo, os.O_WRONLY | os.O_NONBLOCK))
        return True
    except OSError as error:
        if error.errno == errno.ENXIO:  # no reader
            return False
        raise


def check_start(display, program, args, reference, reference_class, fifo, watch):
    app = display.start(program, "Tavix", args, QT_SCALE_FACTOR="1")
    try:
        app.find_window()
    except RuntimeError as error:
        if fifo_opened(fifo):
            fail("the program opened the FIFO named on its command line and waits for it: %s" % error)
        fail(str(error))
    if app.geometry() != board.WINDOW_SIZE:
        fail("the window is %dx%d, expected %dx%d" % (app.geometry() + board.WINDOW_SIZE))
    seen = []
    same = lambda: seen.append(differing_pixels(app.screenshot(), reference)) or seen[-1] == 0
    if not wait_until(same, FRAME_WITHIN_S, 0.02):
        fail("the first frame differs from a plain start's in %d pixels outside the ball band" % seen[-1])
    if window_class(display, app) != reference_class:
        fail("the window class is %r, a plain start's is %r" % (window_class(display, app), reference_class))
    if fifo_opened(fifo) or watch.opened():
        fail("the program opened a file named on its command line")
    close(app, "the program")


def main():
    program, case = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory(prefix="tavix-args-") as files, Display() as display:
        qss, fifo = os.path.join(files, "magenta.qss"), os.path.join(files, "held.qss")
        with open(qss, "w") as sheet:
            sheet.write(STYLE_SHEET)
        os.mkfifo(fifo)
        args = [a.format(qss=qss, fifo=fifo) for a in CASES[case]]
        reference, reference_class = reference_start(display, program)
        watch = OpenWatch(qss, fifo)
        check_start(display, program, args, reference, reference_class, fifo, watch)
        print("tavix %s: the usual %dx%d window, the same first frame and class (%s) as a plain start,"
              " no file opened, exit code 0" % (" ".join(args), *board.WINDOW_SIZE, reference_class))


if __name__ == "__main__":
    main()
