#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Closing the window ends the program at once with exit code 0, in whatever state the game is.

usage: close_test.py TAVIX STATE      STATE: one of the keys of STATES

The game is brought to the state with real clicks, the screen is read to make sure it got there,
then the window is closed through the window manager, as a desktop closes it.
"""

import sys
import time

import board
from xsession import Display, fail, wait_until

FIRST_SIX = board.NUMBER_CELLS[:6]
LETTER = board.LETTER_CELLS[0]
SHOW = "show"

# state: (the clicks that reach it, the cells open in it, whether "Show" is up)
STATES = {
    "dealt": ([], [], False),
    "opening": (FIRST_SIX[:3], FIRST_SIX[:3], False),
    "letter_due": (FIRST_SIX, FIRST_SIX, False),
    "settled": (FIRST_SIX + [LETTER], FIRST_SIX + [LETTER], True),
    "shown": (FIRST_SIX + [LETTER, SHOW], board.ALL_CELLS, False),
}

# A liveness bound, not a timing: a prompt close takes a fraction of this.
CLOSE_WITHIN_S = 10
SCREEN_WITHIN_S = 10


def wait_for_screen(app, opened, show):
    """Waits until the window shows exactly the given open cells and "Show" state; the last reading."""
    want = (frozenset(opened), show)
    seen = []

    def matches():
        image = app.screenshot()
        seen[:] = [image]
        return board.read(image) == want
    if wait_until(matches, SCREEN_WITHIN_S, 0.02):
        return None
    return board.describe(seen[0])


def play(app, clicks):
    """Clicks one after the other, each only once the screen shows the previous one took effect."""
    opened = []
    for target in clicks:
        if target == SHOW:
            app.click(*board.show_centre())
            continue  # what "Show" does is checked with the final screen
        app.click(*board.centre(target))
        opened.append(target)
        problem = wait_for_screen(app, opened, target == LETTER)
        if problem:
            fail("after clicking %s the screen shows %s" % (board.name(target), problem))


def main():
    program, state = sys.argv[1], sys.argv[2]
    clicks, opened, show = STATES[state]
    with Display() as display:
        app = display.start(program, "Tavix", QT_SCALE_FACTOR="1")
        app.find_window()
        if app.geometry() != board.WINDOW_SIZE:
            fail("the window's client area is %dx%d, the probes expect %dx%d" % (app.geometry() + board.WINDOW_SIZE))
        play(app, clicks)
        problem = wait_for_screen(app, opened, show)
        if problem:
            fail("state %s not reached: the screen shows %s" % (state, problem))
        start = time.monotonic()
        app.close()
        code = app.wait_exit(CLOSE_WITHIN_S)
        took = time.monotonic() - start
    if code is None:
        fail("state %s: the program was still running %d s after its window was closed" % (state, CLOSE_WITHIN_S))
    print("state %-10s reached (%d cells open, Show %s); closed: exit code %d after %.2f s"
          % (state, len(opened), "up" if show else "hidden", code, took))
    if code != 0:
        fail("exit code %d, expected 0" % code)


if __name__ == "__main__":
    main()
