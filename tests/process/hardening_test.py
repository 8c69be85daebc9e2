#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The executable is built hardened, as Debian builds its packages.

usage: hardening_test.py BINARY PROBE [--no-fortify] [--expect-unhardened]

BINARY must be a position-independent executable with full RELRO (a read-only relocation segment
and every symbol bound at start-up) that calls the stack protector. PROBE is a small program built
with BINARY's compile options; it must call the checked (_chk) variant of a libc function, which
only _FORTIFY_SOURCE brings in. --no-fortify skips that check (fortification needs optimisation,
so debug builds leave it out). --expect-unhardened turns the test round: every property must be
missing, which shows that each check can fail.
"""

import subprocess
import sys


def readelf(*args):
    return subprocess.run(["readelf", "-W", *args], capture_output=True, text=True, check=True).stdout


def dynamic_symbols(path):
    return {line.split()[7].split("@")[0] for line in readelf("--dyn-syms", path).splitlines()
            if len(line.split()) >= 8 and line.split()[0].endswith(":")}


def properties(binary, probe, fortify):
    header, segments, dynamic = readelf("-h", binary), readelf("-l", binary), readelf("-d", binary)
    flags = " ".join(line for line in dynamic.splitlines() if "(FLAGS" in line)
    checks = {
        # A PIE is an ELF shared object with a program interpreter.
        "PIE": any(line.split(":")[0].strip() == "Type" and "DYN" in line for line in header.splitlines())
               and " INTERP " in segments,
        "RELRO": " GNU_RELRO " in segments,
        "BIND_NOW": "BIND_NOW" in flags or " NOW" in flags,
        "stack protector": "__stack_chk_fail" in dynamic_symbols(binary),
    }
    if fortify:
        checked = sorted(s for s in dynamic_symbols(probe) if s.endswith("_chk") and s != "__stack_chk_fail")
        checks["_FORTIFY_SOURCE (%s)" % (", ".join(checked) or "no checked call in the probe")] = bool(checked)
    return checks


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    options = {a for a in sys.argv[1:] if a.startswith("--")}
    if len(args) != 2 or options - {"--no-fortify", "--expect-unhardened"}:
        print(__doc__)
        return 2
    binary, probe = args
    checks = properties(binary, probe, "--no-fortify" not in options)
    for name, present in checks.items():
        print("%-40s %s" % (name, "yes" if present else "MISSING"))
    if "--expect-unhardened" in options:
        caught = not any(checks.values())
        print("PASS: every missing protection was reported" if caught
              else "FAIL: a protection was reported in a binary built without it")
        return 0 if caught else 1
    ok = all(checks.values())
    print("PASS" if ok else "FAIL: %s is not hardened" % binary)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
