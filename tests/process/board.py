# SPDX-License-Identifier: GPL-3.0-or-later
"""Where the game's window shows its ticket and the "Show" button, and how to read them off a screenshot.

Coordinates are logical pixels relative to the window's client area (385 x 650 at scale 1).
"""

ROW_TOPS = (133, 194, 255, 316)
NUMBER_LEFTS = (42, 96, 150, 204)
LETTER_LEFT = 297
CELL_SIZE = (50, 49)
CELL_FILL = 0x2EC0F1
SHOW_BUTTON = (264, 587, 80, 41)
BACKGROUND = 0xFFFFFF
BALL_BAND = (43, 50, 299, 50)
WINDOW_SIZE = (385, 650)

# The number cells row by row, left to right, then the letter cells top to bottom.
NUMBER_CELLS = [(x, y) for y in ROW_TOPS for x in NUMBER_LEFTS]
LETTER_CELLS = [(LETTER_LEFT, y) for y in ROW_TOPS]
ALL_CELLS = NUMBER_CELLS + LETTER_CELLS

# A cell's inside, 4 pixels in from its edges: the bevel shades the edges, but the inside of a
# closed cell is one flat colour. An open cell's number or letter puts well over a hundred pixels
# of text colour (or red) there, on the cell colour; a few stray pixels, or a cell that has lost
# its colour, are neither.
INSET = 4
OPEN_AT_LEAST = 40
OPEN_AT_MOST = 0.5  # of the inside
# The hidden "Show" button leaves its box plain white; shown, its frame and caption fill hundreds.
SHOWN_AT_LEAST = 200


def centre(cell):
    x, y = cell
    return x + CELL_SIZE[0] // 2, y + CELL_SIZE[1] // 2


def show_centre():
    x, y, w, h = SHOW_BUTTON
    return x + w // 2, y + h // 2


def cell_state(image, cell):
    x, y = cell
    w, h = CELL_SIZE
    inside = (w - 2 * INSET) * (h - 2 * INSET)
    marks = image.count(x + INSET, y + INSET, w - 2 * INSET, h - 2 * INSET, CELL_FILL, 40)
    if marks == 0:
        return "closed"
    if OPEN_AT_LEAST <= marks <= OPEN_AT_MOST * inside:
        return "open"
    return "unclear (%d of %d pixels not the cell colour)" % (marks, inside)


def show_state(image):
    marks = image.count(*SHOW_BUTTON, BACKGROUND, 16)
    if marks == 0:
        return "hidden"
    return "shown" if marks >= SHOWN_AT_LEAST else "unclear (%d marks)" % marks


def read(image):
    """What the screen shows: the set of open cells, and whether "Show" is up. None if unclear."""
    states = {cell: cell_state(image, cell) for cell in ALL_CELLS}
    show = show_state(image)
    if show not in ("hidden", "shown") or any(s not in ("open", "closed") for s in states.values()):
        return None
    return frozenset(c for c, s in states.items() if s == "open"), show == "shown"


def describe(image):
    states = {cell: cell_state(image, cell) for cell in ALL_CELLS}
    opened = [name(c) for c, s in states.items() if s == "open"]
    odd = ["%s %s" % (name(c), s) for c, s in states.items() if s not in ("open", "closed")]
    return "open: [%s]%s; Show %s" % (", ".join(opened), "; " + ", ".join(odd) if odd else "", show_state(image))


def name(cell):
    x, y = cell
    row = ROW_TOPS.index(y) + 1
    return "row %d letter" % row if x == LETTER_LEFT else "row %d col %d" % (row, NUMBER_LEFTS.index(x) + 1)
