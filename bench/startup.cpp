// Start-up from outside, as a user sees it: an X client that starts a
// program, waits for the map of its top-level window, then reads the
// window's image back from the X server every 2 ms until the program has
// settled (see watchWindow). The start-up is the time to the first frame
// with the text drawn, and the processor time is read at that frame; the
// peak resident memory, the shared libraries and the processor time again
// are read once the program has settled, at least 300 ms after that frame,
// so the work put off past the first frame counts. The programs are started in turn (the order reversed every round)
// after warm-up starts, each with a fresh runtime folder. The first program
// is the yardstick: every other is measured against it, the last one (the
// one measured) with the targets, and the last one against each of the
// others besides.
//
//   bench_startup RUNS WARMUP NAME=PROGRAM NAME=PROGRAM ...
//
// The display and the settings folder are taken from the environment; the
// program is killed once it has settled. With ZENTAK_BENCH_SMAPS=PREFIX the
// memory map of each program's last start is kept as PREFIX<NAME>.smaps; with
// ZENTAK_BENCH_FRAMES=PREFIX its first frame as PREFIX<NAME>.ppm and the
// image before it as PREFIX<NAME>-before.ppm.

#include "framewatch.h"
#include "procstats.h"
#include "report.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace zentak::bench;

struct Program {
    std::string name;
    std::string path;
    // To the first frame with the text drawn, and to the map.
    std::vector<double> ms;
    std::vector<double> mapMs;
    // Once settled.
    std::vector<double> hwmKiB;
    std::vector<double> libraries;
    // Processor time to the first frame, and once settled.
    std::vector<double> cpuMs;
    std::vector<double> settledCpuMs;
    int drawnAtFirstRead = 0;
    // The window's size at its last start.
    int width = 0, height = 0;
};

// One start: false when the program ended, showed nothing within 20 s or
// did not settle.
bool measure(const Display &d, Program &p, bool keep, int programNice)
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
        setpriority(PRIO_PROCESS, 0, programNice);
        execl(p.path.c_str(), p.path.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    auto fail = [&] {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        std::filesystem::remove_all(runtime);
        return false;
    };
    xcb_window_t window = 0;
    Clock::time_point mappedAt;
    pollfd fd{xcb_get_file_descriptor(d.c), POLLIN, 0};
    while (!window) {
        while (xcb_generic_event_t *e = xcb_poll_for_event(d.c)) {
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY && !window) {
                const Clock::time_point at = Clock::now();
                auto *m = reinterpret_cast<xcb_map_notify_event_t *>(e);
                if (m->event == d.root && !m->override_redirect) {
                    const pid_t owner = windowPid(d, m->window);
                    if (owner == 0 || owner == pid) {
                        window = m->window;
                        mappedAt = at;
                    }
                }
            }
            free(e);
        }
        if (window)
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
            return fail();
        }
        poll(&fd, 1, 50);
    }
    Watch watch;
    const char *framesPrefix = std::getenv("ZENTAK_BENCH_FRAMES");
    watch.keepImages = framesPrefix && keep;
    if (!watchWindow(d, window, pid, p.name, start, mappedAt, watch))
        return fail();
    // Held where it is while its memory is read.
    kill(pid, SIGSTOP);
    const double hwm = statusKiB(pid, "VmHWM:");
    const int libraries = sharedLibraries(pid);
    // For a closer look: where the memory of the last start lies.
    if (const char *prefix = std::getenv("ZENTAK_BENCH_SMAPS"); prefix && keep) {
        std::ifstream in("/proc/" + std::to_string(pid) + "/smaps");
        std::ofstream(std::string(prefix) + p.name + ".smaps") << in.rdbuf();
    }
    // For a closer look: what was taken for the first frame, and the image
    // before it, of the last start.
    if (watch.keepImages) {
        writeImage(std::string(framesPrefix) + p.name + ".ppm", watch.frame, watch.width,
                   watch.height);
        writeImage(std::string(framesPrefix) + p.name + "-before.ppm", watch.before, watch.width,
                   watch.height);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    std::filesystem::remove_all(runtime);
    if (keep) {
        p.ms.push_back(watch.frameMs);
        p.mapMs.push_back(watch.mapMs);
        p.hwmKiB.push_back(hwm);
        p.libraries.push_back(libraries);
        p.cpuMs.push_back(watch.frameCpuMs);
        p.settledCpuMs.push_back(watch.settledCpuMs);
        p.drawnAtFirstRead += watch.drawnAtFirstRead;
        p.width = watch.width;
        p.height = watch.height;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 5) {
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
    // The watcher above the programs it watches, where it may be (root): on
    // a machine whose cores other work fills, its reads then come when due
    // instead of after the frame is long drawn. It sleeps between its reads,
    // so it takes the programs hardly any time; they run at the priority
    // they were given.
    errno = 0;
    const int programNice = getpriority(PRIO_PROCESS, 0);
    if (errno == 0 && setpriority(PRIO_PROCESS, 0, programNice - 10) != 0)
        std::fprintf(stderr, "bench_startup: the watcher runs at the programs' priority\n");

    for (int round = 0; round < warmup + runs; ++round) {
        const bool keep = round >= warmup;
        // Every other round in the opposite order, so neither program
        // always runs in the other's wake.
        for (size_t k = 0; k < programs.size(); ++k) {
            Program &p = programs[round % 2 ? programs.size() - 1 - k : k];
            if (!measure(d, p, keep, programNice))
                return 1;
        }
    }

    // Every program's own figures, then each beside the yardstick, and the
    // measured one beside each of the others.
    for (const Program &p : programs) {
        zentak::bench::printFigure("start-up to first frame: " + p.name, spread(p.ms, 1, "ms", 1),
                                   "", -1, true);
        zentak::bench::printFigure("start-up to window mapped: " + p.name,
                                   spread(p.mapMs, 1, "ms", 1), "", -1, true);
        zentak::bench::printFigure("peak resident memory, settled: " + p.name,
                                   spread(p.hwmKiB, 1024, "MiB", 2), "", -1, true);
        // Less disturbed by other work on the machine than the time on the clock.
        zentak::bench::printFigure("processor time to first frame: " + p.name,
                                   spread(p.cpuMs, 1, "ms", 1), "", -1, true);
        zentak::bench::printFigure("processor time until settled: " + p.name,
                                   spread(p.settledCpuMs, 1, "ms", 1), "", -1, true);
        if (p.drawnAtFirstRead > 0)
            std::printf("%s: the frame was already drawn at the first read after the map in %d "
                        "of %zu starts (timed to that read)\n",
                        p.name.c_str(), p.drawnAtFirstRead, p.ms.size());
    }
    // The targets, of the measured program against the yardstick:
    // ZENTAK_BENCH_RATIO times its time to the first frame (1.20 unless
    // set), ZENTAK_BENCH_MIB above its peak memory (1.5 unless set).
    const char *ratioSet = std::getenv("ZENTAK_BENCH_RATIO");
    const char *mibSet = std::getenv("ZENTAK_BENCH_MIB");
    const double ratio = ratioSet ? std::atof(ratioSet) : 1.20;
    const double mib = mibSet ? std::atof(mibSet) : 1.5;
    const Program &yardstick = programs.front();
    const Program &measured = programs.back();
    auto compare = [&](const Program &p, const Program &base) {
        const bool targeted = &p == &measured && &base == &yardstick;
        const double ms = median(p.ms);
        const double kib = median(p.hwmKiB);
        const double baseMs = median(base.ms);
        const double baseKiB = median(base.hwmKiB);
        char text[64];
        char target[32] = "";
        std::snprintf(text, sizeof text, "%.2fx (%.1f / %.1f ms)", ms / baseMs, ms, baseMs);
        if (targeted)
            std::snprintf(target, sizeof target, "<= %.2f x", ratio);
        zentak::bench::printFigure("start-up: " + p.name + " / " + base.name, text, target,
                                   targeted ? ms / (ratio * baseMs) : -1, ms <= ratio * baseMs);
        std::snprintf(text, sizeof text, "%+.2f MiB", (kib - baseKiB) / 1024);
        if (targeted)
            std::snprintf(target, sizeof target, "<= %+.1f MiB", mib);
        zentak::bench::printFigure("peak memory: " + p.name + " - " + base.name, text, target,
                                   targeted ? kib / (baseKiB + 1024 * mib) : -1,
                                   kib <= baseKiB + 1024 * mib);
        std::snprintf(text, sizeof text, "%.2fx (%.1f / %.1f ms)", median(p.cpuMs) / median(base.cpuMs),
                      median(p.cpuMs), median(base.cpuMs));
        zentak::bench::printFigure("processor time to first frame: " + p.name + " / " + base.name,
                                   text, "", -1, true);
    };
    for (const Program &p : programs)
        if (&p != &yardstick)
            compare(p, yardstick);
    for (const Program &base : programs)
        if (&base != &yardstick && &base != &measured)
            compare(measured, base);
    for (const Program &p : programs) {
        char n[32];
        std::snprintf(n, sizeof n, "%.0f", median(p.libraries));
        zentak::bench::printFigure("shared libraries mapped: " + p.name, n, "", -1, true);
        std::snprintf(n, sizeof n, "%d x %d", p.width, p.height);
        zentak::bench::printFigure("window size, pixels: " + p.name, n, "", -1, true);
    }
    // A yardstick of another size than the measured window draws more or
    // less than it and is no yardstick for it: short of the target.
    {
        const bool same = yardstick.width == measured.width && yardstick.height == measured.height;
        char sizes[64];
        std::snprintf(sizes, sizeof sizes, "%d x %d / %d x %d", yardstick.width, yardstick.height,
                      measured.width, measured.height);
        const double area = double(measured.width) * measured.height;
        zentak::bench::printFigure("window size: " + yardstick.name + " / " + measured.name, sizes,
                                   "the same", area > 0 ? yardstick.width * yardstick.height / area : 0,
                                   same);
    }
    return 0;
}
