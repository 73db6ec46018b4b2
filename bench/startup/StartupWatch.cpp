// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawWatch.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

// Usage: zibaldo_startup_watch PROGRAM [ARGUMENT...]
//        zibaldo_startup_watch --preload LIBRARY PROGRAM [ARGUMENT...]
//
// Prints "DRAWN MAPPED WIDTHxHEIGHT" for PROGRAM's first top-level window, then ends PROGRAM.
// DRAWN, the moment measured, is the time in milliseconds from just before PROGRAM's exec to the
// first drawing on that window.
//
// On an X display, the server's damage extension reports the drawing as the server carries it
// out, so this is when the window first shows on the screen: not its mapping, which shows an empty
// frame, nor whenever a poll of the window list happens to notice it. MAPPED, from the same start
// to the mapping, tells how much of the wait went into the first paint. The size lets a message
// box in place of the expected window give itself away.
//
// With --preload, PROGRAM runs without a display server (QT_QPA_PLATFORM set to Qt's offscreen
// platform by the caller), where no other process can see its windows: LIBRARY, preloaded into
// it, writes the size of the first window
// that fills the screen at the end of its first paint, and ends it. DRAWN is when that line
// arrives; MAPPED is -1.
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

void end(pid_t pid)
{
    // Its work is done once the window shows; how it ends is of no interest here.
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

int measureOnDisplay(char **command)
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
            end(pid);
            return 1;
        }
    }
    const double drawn = millisecondsSince(start);
    end(pid);
    std::printf("%.1f %.1f %dx%d\n", drawn, mapped, watch.area().width, watch.area().height);
    return 0;
}

int measureOffscreen(const char *library, char **command)
{
    std::vector<std::string> variables{std::string("LD_PRELOAD=") + library};
    for (char **variable = environ; *variable; ++variable) {
        if (std::strncmp(*variable, "LD_PRELOAD=", 11) != 0)
            variables.emplace_back(*variable);
    }
    std::vector<char *> environment;
    for (std::string &variable : variables)
        environment.push_back(variable.data());
    environment.push_back(nullptr);

    int report[2];
    if (pipe(report) != 0) {
        std::perror("pipe");
        return 1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, report[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, report[0]);
    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    const int spawned =
        posix_spawnp(&pid, command[0], &actions, nullptr, command, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    close(report[1]);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s\n", command[0]);
        return 1;
    }

    pollfd line{report[0], POLLIN, 0};
    const int ready = poll(&line, 1, kGiveUpMs);
    const double drawn = millisecondsSince(start);
    char size[32] = {};
    const ssize_t length = ready > 0 ? read(report[0], size, sizeof size - 1) : 0;
    close(report[0]);
    end(pid);
    if (length <= 0) {
        std::fprintf(stderr, "%s drew no window filling the screen\n", command[0]);
        return 1;
    }
    size[std::strcspn(size, "\n")] = '\0';
    std::printf("%.1f -1 %s\n", drawn, size);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool offscreen = argc >= 4 && std::strcmp(argv[1], "--preload") == 0;
    if (argc < 2 || (!offscreen && argv[1][0] == '-')) {
        std::fprintf(stderr, "usage: %s [--preload LIBRARY] PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    try {
        return offscreen ? measureOffscreen(argv[2], argv + 3) : measureOnDisplay(argv + 1);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
