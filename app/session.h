// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game needs a desktop session to open its window in. Left to itself, Qt ends a program whose
// platform cannot start (no display, no usable platform plugin) with a page of plugin diagnostics
// and an abort, which leaves a core. While the guard stands, Qt's messages are held back; a fatal
// one ends the program with one line on stderr and exit code 1.
class DesktopSessionGuard
{
public:
    // Goes in place before the application object connects to the platform.
    DesktopSessionGuard();
    ~DesktopSessionGuard();
    DesktopSessionGuard(const DesktopSessionGuard &) = delete;
    DesktopSessionGuard &operator=(const DesktopSessionGuard &) = delete;

    // The platform is up: the messages held back go to the handler that was there before, which
    // takes every message from now on, each message that only repeats the one before it left out.
    void release();
};
