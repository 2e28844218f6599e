// Measures the desktop program as a user meets it: from the moment the process is started
// to the moment its main window is mapped on the X display, then its resident memory
// while idle. Run it under a virtual X server:
//   xvfb-run -a build/release/bench/startup_probe build/release/app/xingming [runs]
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <algorithm>

namespace {

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_probe PROGRAM [RUNS]\n");
        return 64;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 9;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    std::vector<double> times;
    std::vector<long> rss;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            char* args[] = {argv[1], nullptr};
            execv(argv[1], args);
            _exit(127);
        }
        // The first top-level window mapped after the start is the main window.
        while (xcb_generic_event_t* e = xcb_wait_for_event(c)) {
            const bool mapped = (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
            std::free(e);
            if (mapped)
                break;
        }
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        times.push_back(ms);
        std::this_thread::sleep_for(std::chrono::seconds(2)); // let it settle to idle
        rss.push_back(residentKiB(pid));
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        // Drain the unmap and destroy events of the closed window.
        while (xcb_generic_event_t* e = xcb_poll_for_event(c))
            std::free(e);
    }
    std::sort(times.begin(), times.end());
    std::sort(rss.begin(), rss.end());
    std::printf("start to main window shown: median %.0f ms (min %.0f, max %.0f, %d runs)\n", times[times.size() / 2],
                times.front(), times.back(), runs);
    std::printf("idle resident memory: median %.1f MB\n", static_cast<double>(rss[rss.size() / 2]) / 1024.0);
    xcb_disconnect(c);
    return 0;
}
