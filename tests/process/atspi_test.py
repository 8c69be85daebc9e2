#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader finds: the real program read and pressed through AT-SPI, from outside.

usage: atspi_test.py TAVIX

The test starts a private session bus, turns accessibility on there as a desktop does when a screen
reader starts (org.a11y.Status.IsEnabled), starts the program on its own X server with that bus,
and reads the program's tree from the AT-SPI registry: the window's children in the order a
screen reader reads them, their roles, names, parents and actions, and that nothing that is
never on screen is in the tree. It then presses "+1" through the bridge, clicks cells with the real
mouse, and reads the names again; once the letter is chosen, "Show" must be read last, and the
registry must have been told it came and, once pressed, went.

Needs Debian's python3 with the AT-SPI bindings (python3-gi, gir1.2-atspi-2.0) and the AT-SPI bus
(at-spi2-core); scripts/setup --tests installs them.
"""

import os
import re
import subprocess
import sys
import warnings

import board
from xsession import Display, fail, wait_until

APPEAR_WITHIN_S = 30
CHANGE_WITHIN_S = 10

DISPLAYS = ("Win: 0", "Bet: 0", "Chips: 500")
BET_CONTROLS = ("+1", "+10", "x2", "x10", "x0")
GAME_CONTROLS = ("Change values", "Start Lotto")
# The ticket row by row, each row from the left: four number cells, then the letter.
CELL_NAMES = [name for r in range(1, 5)
              for name in ["Row %d, column %d, closed" % (r, c) for c in range(1, 5)] + ["Row %d, letter, closed" % r]]
BALL_NAMES = [re.compile(r"^Ball %d, ([1-9]|1[0-6])$" % j) for j in range(1, 7)] + [re.compile(r"^Letter ball, [RLCT]$")]
# What a sighted player reads, top to bottom and left to right, each with its role: names that
# depend on the draw are patterns.
READING_ORDER = [("label", d) for d in DISPLAYS] + [("label", b) for b in BALL_NAMES] \
    + [("push button", c) for c in CELL_NAMES] + [("push button", c) for c in BET_CONTROLS + GAME_CONTROLS]
# Never on screen, or read with the display they stand by: the templates' "8", the captions.
NOT_OBJECTS = ("8", "Win:", "Bet:", "Chips:")


class SessionBus:
    """A private D-Bus session bus for the test and the program; the AT-SPI bus comes up on it by
    activation, as on a desktop."""

    def __enter__(self):
        out = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1", "--print-pid=1"],
                             capture_output=True, text=True, check=True).stdout.split()
        self.address, self.pid = out[0], int(out[1])
        return self

    def __exit__(self, *exc):
        # The bus launcher and the registry it activated end when their bus goes away.
        os.kill(self.pid, 15)


def turn_accessibility_on():
    from gi.repository import Gio, GLib
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))),
                  None, Gio.DBusCallFlags.NONE, -1, None)


class ChildrenEvents:
    """What the registry tells a screen reader about children that come and go. Listening starts
    before the program does, so the program knows from its start that someone listens."""

    def __init__(self, Atspi):
        from gi.repository import GLib
        self.context = GLib.MainContext.default()
        self.seen = []
        self.listener = Atspi.EventListener.new(self._heard)
        self.listener.register("object:children-changed")
        # As a screen reader does: Qt tells of a child that goes only to those who also listen
        # for changes of state.
        self.listener.register("object:state-changed:showing")

    def _heard(self, event):
        if not event.type.startswith("object:children-changed"):
            return
        child = event.any_data
        self.seen.append((event.type, event.source.get_name() if event.source else None,
                          child.get_name() if child is not None else None))

    def heard(self, kind, parent, child):
        """Whether children-changed:KIND of CHILD under PARENT has come; events are taken in
        as they are looked for."""
        while self.context.pending():
            self.context.iteration(False)
        return ("object:children-changed:" + kind, parent, child) in self.seen


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


class Tree:
    """The program's accessible tree as the registry shows it, read afresh each time."""

    def __init__(self, Atspi, pid):
        self.Atspi = Atspi
        self.pid = pid

    def application(self):
        desktop = self.Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == self.pid and app.get_child_count() > 0:
                # Names change while the game runs: a screen reader hears of it from events, this
                # test asks again each time.
                app.set_cache_mask(self.Atspi.Cache.NONE)
                return app
        return None

    def nodes(self):
        app = self.application()
        return list(walk(app)) if app is not None else []

    def named(self, name):
        found = [n for n in self.nodes() if n.get_name() == name]
        return found[0] if len(found) == 1 else None

    def names(self, role):
        return sorted(n.get_name() for n in self.nodes() if n.get_role_name() == role)


def press(Atspi, node):
    """Does the control's press action. The call returns once the program has carried it out."""
    with warnings.catch_warnings():
        # Its replacement, atspi_action_get_name, is not reachable from Python: Accessible has a
        # get_name of its own.
        warnings.simplefilter("ignore", DeprecationWarning)
        actions = [Atspi.Action.get_action_name(node, i) for i in range(Atspi.Action.get_n_actions(node))]
    if "Press" not in actions:
        fail("%r offers no press action, only %s" % (node.get_name(), actions))
    Atspi.Action.do_action(node, actions.index("Press"))


def matches(expected, name):
    return expected == name if isinstance(expected, str) else expected.match(name) is not None


def frame_children(tree):
    frames = [n for n in tree.nodes() if n.get_role_name() == "frame"]
    if [f.get_name() for f in frames] != ["Tavix"]:
        fail("expected one frame named 'Tavix', found %s" % [f.get_name() for f in frames])
    frame = frames[0]
    return frame, [frame.get_child_at_index(i) for i in range(frame.get_child_count())]


def check_reading_order(tree, expected):
    """The frame's children are what is on screen, in reading order, each a leaf that names the
    frame as its parent and knows its place; nothing else is in the tree."""
    frame, children = frame_children(tree)
    seen = [(c.get_role_name(), c.get_name()) for c in children]
    print("reading order: " + " | ".join(name for _, name in seen))
    if len(seen) != len(expected) or not all(role == want_role and matches(want, name)
                                              for (role, name), (want_role, want) in zip(seen, expected)):
        fail("the window is read as %s" % seen)
    for i, child in enumerate(children):
        if child.get_parent() != frame or child.get_index_in_parent() != i:
            fail("%r is child %d of the frame but names %r as its parent, at %d"
                 % (child.get_name(), i, child.get_parent().get_name(), child.get_index_in_parent()))
        if child.get_child_count() != 0:
            fail("%r is read with children of its own" % child.get_name())
    everything = [n.get_name() for n in tree.nodes()]
    if len(everything) != 2 + len(expected):
        fail("the tree holds more than the application, its frame and the frame's children: %s" % everything)
    present = [name for name in NOT_OBJECTS if name in everything]
    if present:
        fail("objects that are never on screen or read with their display: %s" % present)


def check_fresh_window(tree):
    check_reading_order(tree, READING_ORDER)
    for node in tree.nodes():
        if node.get_role_name() == "push button" and not node.get_state_set().contains(tree.Atspi.StateType.SHOWING):
            fail("%r is listed but not reported on screen" % node.get_name())
    print("found the frame and, in reading order, the three displays, seven balls, %d cells and the "
          "seven controls; no template, no caption, no hidden 'Show'" % len(CELL_NAMES))


def expect_names(tree, names, what):
    if not wait_until(lambda: all(tree.named(n) is not None for n in names), CHANGE_WITHIN_S):
        fail("%s: expected %s, the labels are %s" % (what, names, tree.names("label")))
    print("%s: %s" % (what, ", ".join(names)))


def check_show_comes_and_goes(Atspi, app, tree, events):
    """Five more number cells and a letter, clicked with the mouse: "Show" is read last, and the
    registry hears that it came; pressed, it opens the ticket and goes again."""
    for cell in board.NUMBER_CELLS[1:6] + board.LETTER_CELLS[:1]:
        app.click(*board.centre(cell))
    if not wait_until(lambda: events.heard("add", "Tavix", "Show"), CHANGE_WITHIN_S):
        fail("no children-changed:add for 'Show' after the letter was chosen: %s" % events.seen)
    frame, children = frame_children(tree)
    last = children[-1]
    if last.get_name() != "Show" or not last.get_state_set().contains(Atspi.StateType.SHOWING):
        fail("'Show' is not read last and on screen: %s" % [c.get_name() for c in children[-3:]])
    if last.get_parent() != frame or last.get_index_in_parent() != len(children) - 1:
        fail("'Show' is read last but does not know its place there")
    print("after the letter: %s, then 'Show' (the registry heard it come)"
          % ", ".join(c.get_name() for c in children[-3:-1]))

    press(Atspi, last)
    if not wait_until(lambda: events.heard("remove", "Tavix", "Show"), CHANGE_WITHIN_S):
        fail("no children-changed:remove for 'Show' after it was pressed: %s" % events.seen)
    _, children = frame_children(tree)
    closed = [c.get_name() for c in children if c.get_name().endswith("closed")]
    if "Show" in [c.get_name() for c in children] or closed:
        fail("after pressing 'Show' the frame reads %s" % [c.get_name() for c in children])
    print("after pressing 'Show': every cell open, 'Show' no longer read (the registry heard it go)")


def main():
    with SessionBus() as bus:
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.address
        turn_accessibility_on()
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
        events = ChildrenEvents(Atspi)

        with Display() as display:
            app = display.start(sys.argv[1], "Tavix", QT_SCALE_FACTOR="1", DBUS_SESSION_BUS_ADDRESS=bus.address)
            app.find_window()
            tree = Tree(Atspi, app.proc.pid)
            if not wait_until(lambda: tree.named("Start Lotto"), APPEAR_WITHIN_S):
                fail("the program did not appear in the AT-SPI registry within %d s" % APPEAR_WITHIN_S)
            check_fresh_window(tree)

            press(Atspi, tree.named("+1"))
            expect_names(tree, ["Bet: 1", "Chips: 499"], "after pressing '+1' through the bridge")

            first = board.NUMBER_CELLS[0]
            app.click(*board.centre(first))
            opened = re.compile(r"^Row 1, column 1, ([1-9]|1[0-6])(, matched)?$")
            if not wait_until(lambda: any(opened.match(n) for n in tree.names("push button")), CHANGE_WITHIN_S):
                fail("the clicked cell's name did not change: %s" % tree.names("push button")[:8])
            print("after a real click on row 1, column 1: %s"
                  % [n for n in tree.names("push button") if opened.match(n)][0])

            # The action has been carried out when press() returns, so what the displays show
            # now is its whole effect.
            press(Atspi, tree.named("+1"))
            if tree.named("Bet: 1") is None or tree.named("Chips: 499") is None:
                fail("a press on '+1' while the game is locked changed the stake: %s" % tree.names("label"))
            print("after pressing '+1' while the game is locked: Bet: 1, Chips: 499")

            check_show_comes_and_goes(Atspi, app, tree, events)

            app.close_and_expect_success()
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
