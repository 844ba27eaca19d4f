// Start-up from outside: an X client that starts a program, waits for the
// map of its top-level window and reads the program's peak resident memory
// at that moment. The programs are started in turn (the order swapped every
// round) after warm-up starts, each with a fresh runtime folder; the last
// program is measured against each of the others, its yardsticks.
//
//   bench_startup RUNS WARMUP NAME=PROGRAM NAME=PROGRAM ...
//
// The display and the settings folder are taken from the environment; the
// program is killed once its window is mapped. With ZENTAK_BENCH_SMAPS=PREFIX
// the memory map of each program's last start is kept as PREFIX<NAME>.smaps.

#include "report.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Program {
    std::string name;
    std::string path;
    std::vector<double> ms;
    std::vector<double> hwmKiB;
    std::vector<double> libraries;
    std::vector<double> cpuMs;
};

struct Display {
    xcb_connection_t *c = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t pidAtom = 0;
};

Display connectDisplay()
{
    Display d;
    int screenNumber = 0;
    d.c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(d.c)) {
        std::fprintf(stderr, "bench_startup: cannot open the display\n");
        std::exit(2);
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(d.c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&it);
    d.root = it.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(d.c, d.root, XCB_CW_EVENT_MASK, &mask);
    const char name[] = "_NET_WM_PID";
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(d.c, xcb_intern_atom(d.c, 0, sizeof name - 1, name), nullptr);
    d.pidAtom = atom ? atom->atom : 0;
    free(atom);
    xcb_flush(d.c);
    return d;
}

// The process that owns the window; 0 when it does not say.
pid_t windowPid(const Display &d, xcb_window_t w)
{
    xcb_get_property_reply_t *r = xcb_get_property_reply(
        d.c, xcb_get_property(d.c, 0, w, d.pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    pid_t pid = 0;
    if (r && xcb_get_property_value_length(r) == 4)
        pid = static_cast<pid_t>(*static_cast<uint32_t *>(xcb_get_property_value(r)));
    free(r);
    return pid;
}

double statusKiB(pid_t pid, const char *key)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0)
            return std::atof(line.c_str() + std::strlen(key));
    return -1;
}

// The processor time of all the process's threads so far.
double cpuMilliseconds(pid_t pid)
{
    double ns = 0;
    std::error_code ec;
    for (const auto &task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", ec)) {
        std::ifstream in(task.path() / "schedstat");
        double onCpu = 0;
        if (in >> onCpu)
            ns += onCpu;
    }
    return ns / 1e6;
}

int sharedLibraries(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> files;
    std::string line;
    while (std::getline(in, line)) {
        const auto slash = line.find('/');
        if (slash != std::string::npos && line.find(".so", slash) != std::string::npos)
            files.insert(line.substr(slash));
    }
    return int(files.size());
}

// One start: false when the program ended or showed nothing within 20 s.
bool measure(const Display &d, Program &p, bool keep)
{
    // A desktop session's runtime folder is in memory (/run/user/UID), so
    // the lock file costs no disk write there: /dev/shm where it is so too.
    static const std::string base =
        std::filesystem::is_directory("/dev/shm") && access("/dev/shm", W_OK) == 0 ? "/dev/shm"
                                                                                   : "/tmp";
    std::string runtimeName = base + "/zentak-bench-run-XXXXXX";
    char *runtime = runtimeName.data();
    if (!mkdtemp(runtime)) {
        std::perror("mkdtemp");
        return false;
    }
    // Events of the previous start are of no interest.
    while (xcb_generic_event_t *e = xcb_poll_for_event(d.c))
        free(e);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("XDG_RUNTIME_DIR", runtime, 1);
        execl(p.path.c_str(), p.path.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    bool mapped = false;
    double ms = 0;
    pollfd fd{xcb_get_file_descriptor(d.c), POLLIN, 0};
    while (!mapped) {
        while (xcb_generic_event_t *e = xcb_poll_for_event(d.c)) {
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY && !mapped) {
                const Clock::time_point at = Clock::now();
                auto *m = reinterpret_cast<xcb_map_notify_event_t *>(e);
                if (m->event == d.root && !m->override_redirect) {
                    const pid_t owner = windowPid(d, m->window);
                    if (owner == 0 || owner == pid) {
                        mapped = true;
                        ms = std::chrono::duration<double, std::milli>(at - start).count();
                    }
                }
            }
            free(e);
        }
        if (mapped)
            break;
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "bench_startup: %s ended before its window was shown\n",
                         p.name.c_str());
            std::filesystem::remove_all(runtime);
            return false;
        }
        if (Clock::now() - start > std::chrono::seconds(20)) {
            std::fprintf(stderr, "bench_startup: %s showed no window in 20 s\n", p.name.c_str());
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            std::filesystem::remove_all(runtime);
            return false;
        }
        poll(&fd, 1, 50);
    }
    // Held where it is while its memory is read.
    kill(pid, SIGSTOP);
    const double hwm = statusKiB(pid, "VmHWM:");
    const int libraries = sharedLibraries(pid);
    const double cpu = cpuMilliseconds(pid);
    // For a closer look: where the memory of the last start lies.
    if (const char *prefix = std::getenv("ZENTAK_BENCH_SMAPS"); prefix && keep) {
        std::ifstream in("/proc/" + std::to_string(pid) + "/smaps");
        std::ofstream(std::string(prefix) + p.name + ".smaps") << in.rdbuf();
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    std::filesystem::remove_all(runtime);
    if (keep) {
        p.ms.push_back(ms);
        p.hwmKiB.push_back(hwm);
        p.libraries.push_back(libraries);
        p.cpuMs.push_back(cpu);
    }
    return true;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string spread(const std::vector<double> &v, double scale, const char *unit, int decimals)
{
    char text[96];
    const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
    std::snprintf(text, sizeof text, "%.*f %s (%.*f-%.*f)", decimals, median(v) / scale, unit,
                  decimals, *lo / scale, decimals, *hi / scale);
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_startup RUNS WARMUP NAME=PROGRAM NAME=PROGRAM...\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int warmup = std::atoi(argv[2]);
    std::vector<Program> programs;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto eq = arg.find('=');
        if (eq == std::string::npos) {
            std::fprintf(stderr, "bench_startup: %s is not NAME=PROGRAM\n", argv[i]);
            return 2;
        }
        Program p;
        p.name = arg.substr(0, eq);
        p.path = arg.substr(eq + 1);
        programs.push_back(p);
    }
    const Display d = connectDisplay();

    for (int round = 0; round < warmup + runs; ++round) {
        const bool keep = round >= warmup;
        // Every other round in the opposite order, so neither program
        // always runs in the other's wake.
        for (size_t k = 0; k < programs.size(); ++k) {
            Program &p = programs[round % 2 ? programs.size() - 1 - k : k];
            if (!measure(d, p, keep))
                return 1;
        }
    }

    // Every program's own figures, then the last one's beside each yardstick.
    const Program &measured = programs.back();
    for (const Program &p : programs) {
        zentak::bench::printFigure("start-up to window mapped: " + p.name, spread(p.ms, 1, "ms", 1),
                                   "", -1, true);
        zentak::bench::printFigure("peak resident memory: " + p.name,
                                   spread(p.hwmKiB, 1024, "MiB", 1), "", -1, true);
        // Less disturbed by other work on the machine than the time on the clock.
        zentak::bench::printFigure("processor time to window mapped: " + p.name,
                                   spread(p.cpuMs, 1, "ms", 1), "", -1, true);
    }
    const double ms = median(measured.ms);
    const double kib = median(measured.hwmKiB);
    // The targets: ZENTAK_BENCH_RATIO times the yardstick's time (1.10
    // unless set), ZENTAK_BENCH_MIB above its memory (1 unless set).
    const char *ratioSet = std::getenv("ZENTAK_BENCH_RATIO");
    const char *mibSet = std::getenv("ZENTAK_BENCH_MIB");
    const double ratio = ratioSet ? std::atof(ratioSet) : 1.10;
    const double mib = mibSet ? std::atof(mibSet) : 1.0;
    for (const Program &base : programs) {
        if (&base == &measured)
            continue;
        const double baseMs = median(base.ms);
        const double baseKiB = median(base.hwmKiB);
        char text[64];
        std::snprintf(text, sizeof text, "%.2fx (%.1f / %.1f ms)", ms / baseMs, ms, baseMs);
        char target[32];
        std::snprintf(target, sizeof target, "<= %.2f x", ratio);
        zentak::bench::printFigure("start-up: " + measured.name + " / " + base.name, text, target,
                                   ms / (ratio * baseMs), ms <= ratio * baseMs);
        std::snprintf(text, sizeof text, "%+.2f MiB", (kib - baseKiB) / 1024);
        std::snprintf(target, sizeof target, "<= %+.1f MiB", mib);
        zentak::bench::printFigure("peak memory: " + measured.name + " - " + base.name, text, target,
                                   kib / (baseKiB + 1024 * mib), kib <= baseKiB + 1024 * mib);
        std::snprintf(text, sizeof text, "%.2fx", median(measured.cpuMs) / median(base.cpuMs));
        zentak::bench::printFigure("processor time: " + measured.name + " / " + base.name, text,
                                   "", -1, true);
    }
    for (const Program &p : programs) {
        char n[32];
        std::snprintf(n, sizeof n, "%.0f", median(p.libraries));
        zentak::bench::printFigure("shared libraries mapped: " + p.name, n, "", -1, true);
    }
    return 0;
}
