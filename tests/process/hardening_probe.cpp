// SPDX-License-Identifier: GPL-3.0-or-later
// Built with the compile options of the game's own target, this program shows whether those
// options fortify libc calls and protect the stack: it formats a string into a fixed-size local
// buffer with a length that the compiler cannot see (so it cannot prove the call safe and drop the
// check). The game itself may call no libc function that has a checked variant, so its binary
// alone cannot show fortification.
#include <cstddef>
#include <cstdio>

int main(int argc, char *argv[])
{
    char line[16];
    volatile std::size_t room = sizeof line;
    std::snprintf(line, room, "%s", argc > 0 ? argv[0] : "");
    return std::puts(line) < 0 ? 1 : 0;
}
