// Measures a desktop program as a user meets it: from the moment the process is started
// to the moment its main window is mapped on the X display, then its resident memory
// while idle (2 s after the window shows). Run it under a virtual X server:
//   xvfb-run -a build/release/bench/startup_probe build/release/app/xingming [runs]
// Given several programs, it measures them in turns (run 1 of each, then run 2 of each,
// ...), so that all of them meet the same machine, and prints each one's medians:
//   xvfb-run -a build/release/bench/startup_probe -n 11 build/release/app/xingming build/release/bench/hello_probe
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

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

// The processor time all threads of the process have had so far, in ms: unlike the time
// to the window, it hardly depends on what else the machine is doing.
double cpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    if (DIR* dir = opendir(tasks.c_str())) {
        while (const dirent* e = readdir(dir)) {
            if (e->d_name[0] == '.')
                continue;
            std::ifstream stat(tasks + "/" + e->d_name + "/schedstat");
            double onCpu = 0;
            if (stat >> onCpu)
                ns += onCpu;
        }
        closedir(dir);
    }
    return ns / 1e6;
}

struct Program {
    const char* path;
    std::vector<double> ms;
    std::vector<double> cpu;
    std::vector<long> kib;
};

// Waits for the first top-level window mapped after the start: the main window. False when
// the program ends first or shows nothing within the time allowed.
bool waitForMap(xcb_connection_t* c, pid_t pid, std::chrono::steady_clock::time_point deadline)
{
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            const bool mapped = (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
            std::free(e);
            if (mapped)
                return true;
        }
        if (xcb_connection_has_error(c) || waitpid(pid, nullptr, WNOHANG) == pid)
            return false;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        poll(&fd, 1, static_cast<int>(std::min<long long>(left.count(), 50)));
    }
}

template <typename T> T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    int runs = 9;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-n") == 0 && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (programs.size() == 1 && argc == 3 && std::strspn(argv[i], "0123456789") == std::strlen(argv[i]))
            runs = std::atoi(argv[i]); // the older form: PROGRAM RUNS
        else
            programs.push_back({argv[i], {}, {}, {}});
    }
    if (programs.empty() || runs < 1) {
        std::fprintf(stderr, "usage: startup_probe PROGRAM [RUNS]\n"
                             "       startup_probe [-n RUNS] PROGRAM...\n");
        return 64;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    for (int i = 0; i < runs; ++i) {
        for (Program& p : programs) {
            const auto start = std::chrono::steady_clock::now();
            const pid_t pid = fork();
            if (pid == 0) {
                char* args[] = {const_cast<char*>(p.path), nullptr};
                execv(p.path, args);
                _exit(127);
            }
            if (!waitForMap(c, pid, start + std::chrono::seconds(30))) {
                std::fprintf(stderr, "startup_probe: %s showed no window\n", p.path);
                kill(pid, SIGKILL);
                waitpid(pid, nullptr, 0);
                xcb_disconnect(c);
                return 1;
            }
            p.ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            p.cpu.push_back(cpuMs(pid));
            std::this_thread::sleep_for(std::chrono::seconds(2)); // let it settle to idle
            p.kib.push_back(residentKiB(pid));
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
            // Drain the unmap and destroy events of the closed window.
            while (xcb_generic_event_t* e = xcb_poll_for_event(c))
                std::free(e);
        }
    }
    for (const Program& p : programs) {
        if (programs.size() > 1)
            std::printf("%s\n", p.path);
        std::printf("start to main window shown: median %.0f ms (min %.0f, max %.0f, %d runs)\n", median(p.ms),
                    *std::min_element(p.ms.begin(), p.ms.end()), *std::max_element(p.ms.begin(), p.ms.end()), runs);
        std::printf("processor time to the window: median %.0f ms\n", median(p.cpu));
        std::printf("idle resident memory: median %.1f MB\n", static_cast<double>(median(p.kib)) / 1024.0);
    }
    if (programs.size() == 2)
        std::printf("ratio of the first to the second: start %.2f, processor time %.2f, memory %.2f\n",
                    median(programs[0].ms) / median(programs[1].ms), median(programs[0].cpu) / median(programs[1].cpu),
                    static_cast<double>(median(programs[0].kib)) / static_cast<double>(median(programs[1].kib)));
    xcb_disconnect(c);
    return 0;
}
