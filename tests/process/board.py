# SPDX-License-Identifier: GPL-3.0-or-later
"""Where the game's window shows its ticket and the "Show" button, and how to read them off a screenshot.

The places and colours come from the screen table that the window tests read too
(tests/support/screen_table.txt): logical pixels relative to the window's client area, 385 x 650
at scale 1.
"""

import os

TABLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "support", "screen_table.txt")


def read_table(path):
    """The table's places, cells, balls (each (left, top, width, height)) and colours (0xAARRGGBB)."""
    places, cells, balls, colours = {}, {}, {}, {}
    with open(path, encoding="utf-8") as table:
        for number, line in enumerate(table, 1):
            fields = line.split()
            if not fields or fields[0].startswith("#"):
                continue
            kind, key, values = fields[0], fields[1] if len(fields) > 1 else "", fields[2:]
            if kind == "colour" and len(values) == 1 and len(values[0]) == 8:
                colours[key] = int(values[0], 16)
                continue
            into = {"place": places, "cell": cells, "ball": balls}.get(kind)
            if into is None or len(values) != 4:
                raise ValueError("%s:%d: a row that is no place, cell, ball or colour" % (path, number))
            key = key if kind == "place" else int(key)
            if key in into:
                raise ValueError("%s:%d: a second row for %s %s" % (path, number, kind, key))
            into[key] = tuple(int(v) for v in values)
    if sorted(cells) != list(range(1, 21)) or sorted(balls) != list(range(1, 8)):
        raise ValueError("%s: the table lacks a cell or a ball" % path)
    return places, cells, balls, colours


PLACES, CELLS, BALLS, COLOURS = read_table(TABLE)

CELL_SIZE = CELLS[1][2:]
CELL_FILL = COLOURS["CellFill"] & 0xFFFFFF
SHOW_BUTTON = PLACES["show"]
BACKGROUND = COLOURS["White"] & 0xFFFFFF
BALL_ROW = PLACES["ballRow"]
WINDOW_SIZE = PLACES["window"][2:]
ROW_TOPS = tuple(sorted({top for _, top, _, _ in CELLS.values()}))
NUMBER_LEFTS = tuple(sorted({CELLS[k][0] for k in range(1, 17)}))
LETTER_LEFT = CELLS[17][0]

# The number cells row by row, left to right, then the letter cells top to bottom, each by its
# top left corner.
NUMBER_CELLS = sorted(((CELLS[k][0], CELLS[k][1]) for k in range(1, 17)), key=lambda cell: (cell[1], cell[0]))
LETTER_CELLS = sorted(((CELLS[k][0], CELLS[k][1]) for k in range(17, 21)), key=lambda cell: cell[1])
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
