#!/usr/bin/env python3
"""What a screen reader finds: the real program read and pressed through AT-SPI, from outside.

usage: atspi_test.py TAVIX

The test starts a private session bus, turns accessibility on there as a desktop does when a screen
reader starts (org.a11y.Status.IsEnabled), starts the program on its own X server with that bus,
and reads the program's tree from the AT-SPI registry: roles, names and actions. It then presses
"+1" through the bridge, clicks a cell with the real mouse, and reads the names again.

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

BET_CONTROLS = ("+1", "+10", "x2", "x10", "x0")
GAME_CONTROLS = ("Change values", "Start Lotto")
CELL_NAMES = ["Row %d, column %d, closed" % (r, c) for r in range(1, 5) for c in range(1, 5)] \
    + ["Row %d, letter, closed" % r for r in range(1, 5)]
BALL_NAME = re.compile(r"^(Ball [1-6], ([1-9]|1[0-6])|Letter ball, [A-Z])$")


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


def check_fresh_window(tree):
    frames = tree.names("frame")
    if frames != ["Tavix"]:
        fail("expected one frame named 'Tavix', found %s" % frames)
    labels = tree.names("label")
    for display in ("Bet: 0", "Win: 0", "Chips: 500"):
        if display not in labels:
            fail("no label named %r among %s" % (display, labels))
    balls = [name for name in labels if BALL_NAME.match(name)]
    if len(balls) != 7:
        fail("expected seven balls with their numbers and letter, found %s" % labels)

    buttons = tree.names("push button")
    for name in CELL_NAMES + list(BET_CONTROLS + GAME_CONTROLS):
        if name not in buttons:
            fail("no push button named %r among %s" % (name, buttons))
    wordy = [n.get_name() for n in tree.nodes() if n.get_role_name() == "push button" and n.get_child_count() > 0]
    if wordy:
        fail("buttons whose captions are read out again as children: %s" % wordy)
    show = tree.named("Show")
    if show is None:
        fail("no control named 'Show'")
    if show.get_state_set().contains(tree.Atspi.StateType.SHOWING):
        fail("'Show' is reported on screen while it is hidden")
    print("found the frame, the three displays, %d cells, seven balls and the seven controls as buttons"
          % len(CELL_NAMES))


def expect_names(tree, names, what):
    if not wait_until(lambda: all(tree.named(n) is not None for n in names), CHANGE_WITHIN_S):
        fail("%s: expected %s, the labels are %s" % (what, names, tree.names("label")))
    print("%s: %s" % (what, ", ".join(names)))


def main():
    with SessionBus() as bus:
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.address
        turn_accessibility_on()
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi

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

            app.close()
            code = app.wait_exit(10)
            if code != 0:
                fail("the program ended with %s after its window was closed, expected exit code 0" % code)
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
