// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and memory of the game against a bare Qt window, measured from outside both programs.
//
//   first_frame RUNS GAME BARE     (on an X display without a window manager, in $DISPLAY)
//
// Each run starts the program, watches the X display for its window to be mapped, then reads one
// pixel of the window off the screen until it shows the program's first frame; the time from just
// before the program is spawned to that moment is the start-up. The window is then closed with
// WM_DELETE_WINDOW and the program's peak resident memory taken from wait4 (ru_maxrss). The runs
// alternate (game, bare, game, bare...) after one unmeasured warm-up run of each.
#include "xwatch.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A program and a pixel that only its painted first frame shows at that place.
struct Program
{
    const char *name;
    std::string path;
    int x, y;
    std::uint32_t rgb;
};

struct Sample
{
    double firstFrameMs;
    double peakMiB;
};

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Waits for the program to end; kills it if it does not within the bound. Returns ru_maxrss in KiB.
long reap(pid_t pid, const Program &program)
{
    int status = 0;
    rusage usage{};
    const auto deadline = Clock::now() + 10s;
    while (wait4(pid, &status, WNOHANG, &usage) == 0) {
        if (Clock::now() > deadline) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            throw std::runtime_error(std::string(program.name) + " did not end after its window was closed");
        }
        std::this_thread::sleep_for(2ms);
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(std::string(program.name) + " did not end with exit code 0");
    return usage.ru_maxrss;
}

Sample measure(XWatch &x, const Program &program)
{
    char *argv[] = {const_cast<char *>(program.path.c_str()), nullptr};
    pid_t pid = 0;
    const auto start = Clock::now();
    if (posix_spawn(&pid, program.path.c_str(), nullptr, nullptr, argv, environ) != 0)
        throw std::runtime_error("cannot start " + program.path);

    std::optional<xcb_window_t> window;
    while (!window) {
        if (msSince(start) > 30000 || waitpid(pid, nullptr, WNOHANG) != 0)
            throw std::runtime_error(std::string(program.name) + " showed no window");
        window = x.mappedWindowOf(pid, 5);
    }
    std::optional<std::uint32_t> seen;
    while ((seen = x.pixel(*window, program.x, program.y)) != program.rgb) {
        if (msSince(start) > 30000) {
            char text[16];
            std::snprintf(text, sizeof text, "%06X", seen.value_or(0));
            throw std::runtime_error(std::string(program.name) + " never painted its first frame: the probe shows " +
                                     (seen ? text : "nothing readable"));
        }
        std::this_thread::sleep_for(200us);
    }
    const double firstFrame = msSince(start);

    std::this_thread::sleep_for(300ms); // let the late events of a new window (focus, exposes) in
    x.askToClose(*window);
    return {firstFrame, double(reap(pid, program)) / 1024.0};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS GAME BARE\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    // The game: the bottom letter cell's colour, which its first frame shows and nothing before it.
    // The bare window: Qt's default window colour (Fusion style) in its bottom right corner.
    const std::vector<Program> programs{{"game", argv[2], 322, 340, 0x2EC0F1}, {"bare", argv[3], 375, 640, 0xEFEFEF}};
    try {
        XWatch x;
        for (const Program &program : programs)
            measure(x, program); // warm-up: the libraries into the page cache
        std::vector<std::vector<Sample>> samples(programs.size());
        for (int run = 0; run < runs; ++run)
            for (std::size_t p = 0; p < programs.size(); ++p) {
                samples[p].push_back(measure(x, programs[p]));
                std::printf("run %2d %-5s first frame %7.1f ms  peak RSS %6.1f MiB\n", run + 1, programs[p].name,
                            samples[p].back().firstFrameMs, samples[p].back().peakMiB);
            }
        std::vector<double> frame(programs.size()), memory(programs.size());
        for (std::size_t p = 0; p < programs.size(); ++p) {
            std::vector<double> f, m;
            for (const Sample &s : samples[p]) {
                f.push_back(s.firstFrameMs);
                m.push_back(s.peakMiB);
            }
            frame[p] = median(f);
            memory[p] = median(m);
        }
        std::printf("first frame  median of %d: game %.1f ms, bare %.1f ms, game/bare %.2f\n", runs, frame[0], frame[1],
                    frame[0] / frame[1]);
        std::printf("peak memory  median of %d: game %.1f MiB, bare %.1f MiB, game/bare %.2f\n", runs, memory[0],
                    memory[1], memory[0] / memory[1]);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "first_frame: %s\n", error.what());
        return 1;
    }
    return 0;
}
