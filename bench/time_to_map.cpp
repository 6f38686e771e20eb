// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and prints the milliseconds from just before it is started to the moment
// the X server maps its first top-level window, then ends the program. The X connection is
// made and the root window watched before the clock starts, so the measuring adds the same
// little to every program measured.
// Usage: time_to_map TIMEOUT_SECONDS PROGRAM [ARGUMENTS...]
// Exit status: 0 with the time printed, 1 when the program ended or the time ran out first.
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>

extern char** environ;

namespace {

double seconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Ends the child and collects it, so no program outlives its measurement.
void stop(pid_t child) {
    kill(child, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(child, nullptr, WNOHANG) == child) return;
        const timespec pause{0, 100'000'000};
        nanosleep(&pause, nullptr);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fputs("usage: time_to_map TIMEOUT_SECONDS PROGRAM [ARGUMENTS...]\n", stderr);
        return 1;
    }
    const double timeout = std::atof(argv[1]);

    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fputs("time_to_map: cannot open the display\n", stderr);
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    // Map notifications of the root's children are the top-level windows appearing.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(connection, xcb_change_window_attributes_checked(connection, root,
                                                                       XCB_CW_EVENT_MASK, &mask));

    const double start = seconds();
    pid_t child = 0;
    if (posix_spawn(&child, argv[2], nullptr, nullptr, argv + 2, environ) != 0) {
        std::fprintf(stderr, "time_to_map: cannot start %s\n", argv[2]);
        return 1;
    }

    const int fd = xcb_get_file_descriptor(connection);
    while (true) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            std::free(event);
            if (mapped) {
                const double elapsed = seconds() - start;
                std::printf("%.2f\n", elapsed * 1000.0);
                stop(child);
                xcb_disconnect(connection);
                return 0;
            }
        }
        if (xcb_connection_has_error(connection)) break;
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fputs("time_to_map: the program ended before it showed a window\n", stderr);
            xcb_disconnect(connection);
            return 1;
        }
        const double left = timeout - (seconds() - start);
        if (left <= 0) break;
        pollfd wait{fd, POLLIN, 0};
        poll(&wait, 1, left < 0.05 ? static_cast<int>(left * 1000) + 1 : 50);
    }
    std::fputs("time_to_map: no window within the time allowed\n", stderr);
    stop(child);
    xcb_disconnect(connection);
    return 1;
}
