// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawWatch.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <exception>
#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

// Usage: zibaldo_startup_watch PROGRAM [ARGUMENT...]
//
// Prints "DRAWN MAPPED WIDTHxHEIGHT" for PROGRAM's first top-level window, then ends PROGRAM.
// DRAWN, the moment measured, is the time in milliseconds from just before PROGRAM's exec to the
// first drawing on that window. The server's damage extension reports the drawing as the server
// carries it out, so this is when the window first shows on the screen: not its mapping, which
// shows an empty frame, nor whenever a poll of the window list happens to notice it. MAPPED, from
// the same start to the mapping, tells how much of the wait went into the first paint. The size
// lets a message box in place of the expected window give itself away.
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kGiveUpMs = 30000;
constexpr int kLookMs = 50;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool stillRunning(pid_t pid)
{
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == 0;
}

int measure(char **command)
{
    DrawWatch watch;
    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    // posix_spawn returns once the exec has happened, or has failed.
    if (posix_spawnp(&pid, command[0], nullptr, nullptr, command, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", command[0]);
        return 1;
    }
    watch.follow(pid);

    double mapped = -1;
    for (;;) {
        const DrawWatch::Step step = watch.next(kLookMs);
        if (step == DrawWatch::Step::Drawn)
            break;
        if (step == DrawWatch::Step::Mapped) {
            mapped = millisecondsSince(start);
        } else if (!stillRunning(pid)) {
            std::fprintf(stderr, "%s ended before it drew a window\n", command[0]);
            return 1;
        } else if (millisecondsSince(start) > kGiveUpMs) {
            std::fprintf(stderr, "%s drew no window in %d ms\n", command[0], kGiveUpMs);
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return 1;
        }
    }
    const double drawn = millisecondsSince(start);
    // Its work is done once the window shows; how it ends is of no interest here.
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    std::printf("%.1f %.1f %dx%d\n", drawn, mapped, watch.area().width, watch.area().height);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    try {
        return measure(argv + 1);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
