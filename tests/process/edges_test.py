#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""At a display scale, every device pixel of the window's client area as the X server shows it is
painted: its last column and its last row show the colours the window has there, not the black
of pixels that nothing drew.

usage: edges_test.py TAVIX SCALE

Qt paints a window into a picture of its logical size times the scale, rounded, while the X window
can be a device pixel wider or higher than that: the window manager keeps the size a multiple of
the increment Qt asks for, and Qt takes the size back to whole logical units. A picture that the
program takes of itself never shows that strip; a screenshot from the X server does.
"""

import math
import sys

import board
from xsession import Display, colour_distance, fail, wait_until

# Along the right edge the colours run across from the column inside it, but where the ball
# band's rounded bottom right corner curves away from the edge: there, over these logical rows,
# the last column shows the band's blue blended with the white beneath, in its own share.
CORNER_ROWS = (75, 87)
BAND = 0x00BFFF
WHITE = board.BACKGROUND
SAME = 24  # a colour carried on, give or take the antialiasing of a gradient
BLEND = 12  # how far a pixel may lie from the line between the band's blue and white


def off_the_blend(colour):
    """How far a colour lies from every blend of the band's blue with white."""
    red = (colour >> 16) & 0xFF
    share = red / 255  # white's share, as the band has no red
    expected = round(((BAND >> 8) & 0xFF) * (1 - share) + 255 * share), 255
    return max(abs(((colour >> 8) & 0xFF) - expected[0]), abs((colour & 0xFF) - expected[1]))


def faults(image, scale):
    """The pixels of the last column and row that do not show the window's colours there."""
    found = []
    width, height = image.width, image.height
    corner = range(math.floor(CORNER_ROWS[0] * scale), math.ceil(CORNER_ROWS[1] * scale))
    for y in range(height):
        here = image.pixel(width - 1, y)
        if y in corner:
            if off_the_blend(here) > BLEND:
                found.append("right edge at row %d is %06x, not a blend of the band and white" % (y, here))
        elif colour_distance(here, image.pixel(width - 2, y)) > SAME:
            found.append("right edge at row %d is %06x beside %06x" % (y, here, image.pixel(width - 2, y)))
    for x in range(width):
        here = image.pixel(x, height - 1)
        if colour_distance(here, image.pixel(x, height - 2)) > SAME:
            found.append("bottom edge at column %d is %06x above %06x" % (x, here, image.pixel(x, height - 2)))
    return found


def main():
    program, scale = sys.argv[1], sys.argv[2]
    with Display() as display:
        app = display.start(program, "Tavix", QT_SCALE_FACTOR=scale)
        app.find_window()
        expected = tuple(round(n * float(scale)) for n in board.WINDOW_SIZE)
        if any(abs(got - want) > math.ceil(float(scale)) for got, want in zip(app.geometry(), expected)):
            fail("the client area is %dx%d, expected about %dx%d" % (app.geometry() + expected))
        seen = []

        def painted_to_the_edges():
            image = app.screenshot()
            seen[:] = [image, faults(image, float(scale))]
            return not seen[1]
        # The window manager sets the window's final size after it first appears.
        if not wait_until(painted_to_the_edges, 10, 0.2):
            image, found = seen
            fail("%d of the %d pixels along the right and bottom edges of the %dx%d client area are wrong; first: %s"
                 % (len(found), image.width + image.height, image.width, image.height, "; ".join(found[:4])))
        image = seen[0]
        print("scale %s: the %dx%d client area is painted to its last column and row" % (scale, image.width, image.height))
        app.close_and_expect_success()


if __name__ == "__main__":
    main()
