#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Two copies of the program started side by side are independent games.

usage: two_copies_test.py TAVIX

Each start draws its winning line from a clock-seeded source, so two copies show different balls.
Equal balls happen by chance (rarely), so that check alone gets one retry with two new processes.
A cell opened in one copy leaves the other's ticket closed, and both close with exit code 0.
"""

import sys

import board
from xsession import Display, fail, wait_until

ATTEMPTS = 2


def start_pair(display):
    apps = [display.start(sys.argv[1], "Tavix", QT_SCALE_FACTOR="1") for _ in range(2)]
    # Screenshots read the screen, so each window must stand whole on it, side by side.
    for i, app in enumerate(apps):
        app.find_window()
        app.move(50 + 700 * i, 50)
    for i, app in enumerate(apps):
        if not wait_until(lambda: board.read(app.screenshot()) == (frozenset(), False), 10, 0.02):
            fail("copy %d does not show a fresh ticket: %s" % (i + 1, board.describe(app.screenshot())))
    return apps


def close_pair(apps):
    for app in apps:
        app.close()
    for i, app in enumerate(apps, 1):
        code = app.wait_exit(10)
        if code != 0:
            fail("copy %d ended with %s after its window was closed, expected exit code 0" % (i, code))


def main():
    with Display() as display:
        for attempt in range(1, ATTEMPTS + 1):
            apps = start_pair(display)
            balls = [app.screenshot().region(*board.BALL_ROW) for app in apps]
            if balls[0] != balls[1]:
                print("attempt %d: the two copies show different winning lines" % attempt)
                break
            print("attempt %d: both copies show the same winning line" % attempt)
            close_pair(apps)
        else:
            fail("in %d attempts, two copies showed the same winning line each time" % ATTEMPTS)

        first, second = apps
        cell = board.NUMBER_CELLS[0]
        first.click(*board.centre(cell))
        if not wait_until(lambda: board.read(first.screenshot()) == (frozenset([cell]), False), 10, 0.02):
            fail("the clicked copy shows %s" % board.describe(first.screenshot()))
        if board.read(second.screenshot()) != (frozenset(), False):
            fail("a click in one copy changed the other: %s" % board.describe(second.screenshot()))
        print("a cell opened in one copy left the other's ticket closed")
        close_pair(apps)
    print("both copies closed with exit code 0")


if __name__ == "__main__":
    main()
