#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Started where no window can open, the program says in one line that it needs a desktop session
and exits with code 1: no abort, no core, no page of Qt's plugin diagnostics.

usage: no_session_test.py TAVIX CASE      CASE: one of the keys of CASES
"""

import os
import subprocess
import sys
import tempfile

from xsession import fail, spawn, without_session

START = "tavix: cannot open a window: it needs a desktop session, "
# An X display number that nothing serves: Xvfb -displayfd hands out the lowest free numbers.
NO_X = ":%d" % (3000 + os.getpid() % 1000)

# case: (the session's variables, the one line expected on stderr)
CASES = {
    "no_display": ({}, START + "and neither DISPLAY nor WAYLAND_DISPLAY is set"),
    "no_such_platform": ({"QT_QPA_PLATFORM": "nosuchplatform"},
                         START + 'and the platform "nosuchplatform" named by QT_QPA_PLATFORM did not start'
                         " (DISPLAY unset, WAYLAND_DISPLAY unset)"),
    "unreachable_x": ({"DISPLAY": NO_X},
                      START + 'and none could be reached (DISPLAY="%s", WAYLAND_DISPLAY unset)' % NO_X),
    "unreachable_wayland": ({"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": "tavix-nothing-here"},
                            START + 'and the platform "wayland" named by QT_QPA_PLATFORM did not start'
                            ' (DISPLAY unset, WAYLAND_DISPLAY="tavix-nothing-here")'),
}

WITHIN_S = 60  # a liveness bound: the program ends in a fraction of a second, longer under the sanitizers


def main():
    program, case = sys.argv[1], sys.argv[2]
    variables, expected = CASES[case]
    with tempfile.TemporaryDirectory(prefix="tavix-xdg-") as runtime_dir:
        env = without_session()
        env.update(XDG_RUNTIME_DIR=runtime_dir, **variables)
        proc = spawn([program], env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        try:
            out, err = proc.communicate(timeout=WITHIN_S)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
            fail("%s: still running %d s after its start" % (case, WITHIN_S))
    code = proc.returncode
    named = " ".join("%s=%s" % kv for kv in variables.items()) or "nothing set"
    print("without a desktop session (%s): exit code %d, stderr: %r" % (named, code, err))
    if code < 0:
        fail("ended by signal %d, not with exit code 1" % -code)
    if code != 1:
        fail("exit code %d, expected 1" % code)
    if err.splitlines() != [expected]:
        fail("stderr is not the one line %r" % expected)
    if out:
        fail("it wrote to stdout: %r" % out)


if __name__ == "__main__":
    main()
