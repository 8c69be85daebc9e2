#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A program that waits for the player takes no processor time and does not wake up.

usage: idle_test.py TAVIX

The program is started on its own display and left alone to settle; then its processor time and
its context switches (summed over all its threads: Qt's X connection has a reader thread) are read
from /proc before and after a quiet stretch of 10 s.
"""

import os
import sys
import time

import board
from xsession import Display, wait_until

SETTLE_S = 3
QUIET_S = 10
# The window can be mapped before its first frame is drawn, more so under the sanitizers.
FIRST_FRAME_WITHIN_S = 10

# utime and stime count in clock ticks (USER_HZ, 10 ms here) and are charged by sampling: a
# process that runs for a few microseconds, say to take a late focus or expose event from the
# window manager, is charged a whole tick if the tick falls while it runs. One tick is therefore
# the resolution of the measure, not work. A timer or a busy loop costs many ticks and, more
# tellingly, hundreds of wake-ups.
MAX_TICKS = 1
# A few wake-ups for stray X traffic are tolerated; anything periodic (even a 1 Hz timer) is not.
MAX_SWITCHES = 5


def cpu_ticks(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()  # the name in brackets may hold spaces
    return int(fields[11]) + int(fields[12])  # utime and stime: fields 14 and 15 of stat(5)


def switches(pid):
    """{thread name/tid: voluntary + nonvoluntary context switches}."""
    counts = {}
    for tid in os.listdir("/proc/%d/task" % pid):
        with open("/proc/%d/task/%s/comm" % (pid, tid)) as f:
            name = f.read().strip()
        with open("/proc/%d/task/%s/status" % (pid, tid)) as f:
            status = dict(line.split(":", 1) for line in f if ":" in line)
        counts["%s/%s" % (name, tid)] = (int(status["voluntary_ctxt_switches"])
                                         + int(status["nonvoluntary_ctxt_switches"]))
    return counts


def main():
    with Display() as display:
        app = display.start(sys.argv[1], "Tavix", QT_SCALE_FACTOR="1")
        app.find_window()
        fresh = lambda: board.read(app.screenshot()) == (frozenset(), False)
        if not wait_until(fresh, FIRST_FRAME_WITHIN_S, 0.02):
            print("FAIL: the window does not show a fresh ticket: %s" % board.describe(app.screenshot()))
            return 1
        time.sleep(SETTLE_S)
        pid = app.proc.pid
        ticks0, switches0 = cpu_ticks(pid), switches(pid)
        time.sleep(QUIET_S)
        ticks1, switches1 = cpu_ticks(pid), switches(pid)
        alive = app.proc.poll() is None
    if not alive:
        print("FAIL: the program ended by itself while idle")
        return 1
    ticks = ticks1 - ticks0
    per_thread = {t: switches1.get(t, 0) - switches0.get(t, 0) for t in switches1.keys() | switches0.keys()}
    woke = sum(per_thread.values())
    print("over %d s idle: %d CPU ticks of %d Hz (allowed %d), %d context switches (allowed %d)"
          % (QUIET_S, ticks, os.sysconf("SC_CLK_TCK"), MAX_TICKS, woke, MAX_SWITCHES))
    for thread, count in sorted(per_thread.items()):
        print("  thread %-28s %d switches" % (thread, count))
    ok = ticks <= MAX_TICKS and woke <= MAX_SWITCHES
    print("PASS" if ok else "FAIL: the program is not idle while it waits for input")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
