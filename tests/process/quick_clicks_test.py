#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Clicks on six cells sent through the X server back to back, with no time between them, as a
fast hand, a tablet or a switch device can send them, open all six cells.

usage: quick_clicks_test.py TAVIX

The clicks are XTest events queued in one go: a move onto a cell, a press and a release, six
times. The window manager takes no click for itself here: a manager whose click-to-focus binding
grabs every press makes the X server hold the events back and hand them on afterwards at the
pointer's last place, which no program can undo.
"""

import ctypes
import os
import sys
import time

import board
from xsession import HERE, Display, fail, wait_until

SIX = board.NUMBER_CELLS[:6]


def click_back_to_back(display_name, origin, cells):
    xlib = ctypes.CDLL("libX11.so.6")
    xtest = ctypes.CDLL("libXtst.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    dpy = xlib.XOpenDisplay(display_name.encode())
    if not dpy:
        fail("cannot open the display %s for XTest" % display_name)
    dpy = ctypes.c_void_p(dpy)
    for cell in cells:
        x, y = board.centre(cell)
        xtest.XTestFakeMotionEvent(dpy, -1, origin[0] + x, origin[1] + y, 0)
        xtest.XTestFakeButtonEvent(dpy, 1, 1, 0)
        xtest.XTestFakeButtonEvent(dpy, 1, 0, 0)
    xlib.XFlush(dpy)
    xlib.XCloseDisplay(dpy)


def main():
    program = sys.argv[1]
    with Display(wm_config=os.path.join(HERE, "openbox_no_click_grab.xml")) as display:
        app = display.start(program, "Tavix", QT_SCALE_FACTOR="1")
        app.find_window()
        if app.geometry() != board.WINDOW_SIZE:
            fail("the window's client area is %dx%d, the probes expect %dx%d" % (app.geometry() + board.WINDOW_SIZE))
        if not wait_until(lambda: board.read(app.screenshot()) == (frozenset(), False), 10):
            fail("the window never showed a fresh ticket: %s" % board.describe(app.screenshot()))
        click_back_to_back(display.name, app.rectangle()[:2], SIX)
        seen = []

        def all_open():
            image = app.screenshot()
            seen[:] = [image]
            return board.read(image) == (frozenset(SIX), False)
        if not wait_until(all_open, 10, 0.05):
            fail("after six clicks back to back the screen shows %s" % board.describe(seen[0]))
        print("six clicks back to back: %s" % board.describe(seen[0]))
        app.close_and_expect_success()


if __name__ == "__main__":
    main()
