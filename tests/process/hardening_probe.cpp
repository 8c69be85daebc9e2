// SPDX-License-Identifier: GPL-3.0-or-later
// Built with the compile options of the game's own target, this program shows whether those
// options fortify libc calls and protect the stack: it copies a string into a fixed-size local
// buffer with a length that the compiler cannot see (so it cannot prove the call safe and drop the
// check). The game itself may call no libc function that has a checked variant, so its binary
// alone cannot show fortification. strncpy, not a printf-like call: glibc fortifies those in C++
// only through GCC's __builtin_va_arg_pack, which clang lacks, so clang would call the plain one.
#include <cstddef>
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    char line[16];
    volatile std::size_t room = sizeof line;
    std::strncpy(line, argc > 0 ? argv[0] : "", room);
    line[sizeof line - 1] = '\0';
    return std::puts(line) < 0 ? 1 : 0;
}
