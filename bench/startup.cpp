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
#include <iterator>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

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
    // The maps of the top-level windows, and their sizes.
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

// Whether any of the process's threads is running, waiting for a core or
// for the disk: on a busy machine a program can use no processor time for
// a while and still have work to do.
bool anyThreadBusy(pid_t pid)
{
    std::error_code ec;
    for (const auto &task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", ec)) {
        std::ifstream in(task.path() / "stat");
        std::string stat;
        std::getline(in, stat);
        // The state follows the command name, which is in parentheses.
        const auto close = stat.rfind(')');
        if (close != std::string::npos && close + 2 < stat.size()
            && (stat[close + 2] == 'R' || stat[close + 2] == 'D'))
            return true;
    }
    return false;
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

// Pixels dark enough to be text (all three channels below a third): the
// check that the image a program settled on shows its text, not a blank
// window or the white root under an unpainted one. 32-bit pixels of a
// 24-bit TrueColor screen, as Xvfb's.
int darkPixels(const std::vector<uint8_t> &image)
{
    int dark = 0;
    for (size_t i = 0; i + 3 < image.size(); i += 4)
        dark += image[i] < 0x55 && image[i + 1] < 0x55 && image[i + 2] < 0x55;
    return dark;
}

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// What one start showed, read back from the X server after the map.
struct Watch {
    double mapMs = 0;
    double frameMs = 0;
    double frameCpuMs = 0;
    double settledCpuMs = 0;
    // The frame was already there at the first read after the map: the
    // time is then that of the read, an upper bound.
    bool drawnAtFirstRead = false;
    // The first frame and the image read just before it, when kept.
    bool keepImages = false;
    int width = 0, height = 0;
    std::vector<uint8_t> frame, before;
};

// An image read back, as a PPM file to look at.
void writeImage(const std::string &path, const std::vector<uint8_t> &pixels, int width, int height)
{
    if (pixels.size() < size_t(width) * height * 4)
        return;
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << width << ' ' << height << "\n255\n";
    for (size_t i = 0; i < size_t(width) * height * 4; i += 4)
        out << char(pixels[i + 2]) << char(pixels[i + 1]) << char(pixels[i]);
}

// Reads the window's image back every 2 ms from its map until the program
// has settled, and finds the first frame with its text drawn.
//
// The first frame is the first image read that equals the image the
// program settles on. That is the first moment the user sees the window as
// it stays, whatever lay under the window before its first paint (the
// root's fill, the leftovers of an earlier window), however the font draws
// its text, and whether the window was first flushed in parts: none of
// those images equals the settled one. A count of text-coloured pixels
// would need a threshold of its own for every window and would take a frame
// with part of the text, or a background pattern, for the frame. The cost:
// a program that draws its text and then changes it is timed to the frame
// after the change, which is also when it is ready to be read.
//
// Settled: the image unchanged for 300 ms and the program idle (under 1 ms
// of processor time in the last 100 ms), so that the work a program puts off
// past its first frame has run, even when a busy machine delays it, before
// its memory is read (a program waiting for a core uses no processor time
// either: none of its threads may be runnable at the end).
bool watchWindow(const Display &d, xcb_window_t window, pid_t pid, const std::string &name,
                 Clock::time_point start, Clock::time_point mapped, Watch &watch)
{
    using namespace std::chrono_literals;
    watch.mapMs = msBetween(start, mapped);
    // Every image that differed from the one read before it. A window
    // changes a few times as it starts; more than this many changes is one
    // that does not settle (an animation, a blinking cursor).
    struct Seen {
        Clock::time_point at;
        std::vector<uint8_t> pixels;
        double cpuMs;
    };
    constexpr size_t kMostChanges = 100;
    std::vector<Seen> changes;
    uint16_t width = 0, height = 0;
    auto measureWindow = [&] {
        xcb_get_geometry_reply_t *g =
            xcb_get_geometry_reply(d.c, xcb_get_geometry(d.c, window), nullptr);
        if (g) {
            width = g->width;
            height = g->height;
        }
        free(g);
        return g != nullptr;
    };
    if (!measureWindow()) {
        std::fprintf(stderr, "bench_startup: %s's window went at its map\n", name.c_str());
        return false;
    }
    Clock::time_point quietFrom{};
    double quietCpu = 0;
    for (Clock::time_point next = mapped;;) {
        // A window resized after its map is read whole.
        while (xcb_generic_event_t *e = xcb_poll_for_event(d.c)) {
            if ((e->response_type & 0x7f) == XCB_CONFIGURE_NOTIFY) {
                auto *c = reinterpret_cast<xcb_configure_notify_event_t *>(e);
                if (c->window == window) {
                    width = c->width;
                    height = c->height;
                }
            }
            free(e);
        }
        xcb_get_image_reply_t *image = xcb_get_image_reply(
            d.c,
            xcb_get_image(d.c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, width, height, ~0u),
            nullptr);
        // The time the pixels are known to be there: when the server's
        // answer is in.
        const Clock::time_point at = Clock::now();
        if (image) {
            const uint8_t *data = xcb_get_image_data(image);
            const int length = xcb_get_image_data_length(image);
            // Compared whole with the last one (cheaper than hashing it,
            // read every 2 ms as it is).
            const bool same = !changes.empty() && changes.back().pixels.size() == size_t(length)
                              && std::memcmp(changes.back().pixels.data(), data, length) == 0;
            if (!same) {
                if (changes.size() == kMostChanges) {
                    free(image);
                    std::fprintf(stderr, "bench_startup: %s's window keeps changing\n",
                                 name.c_str());
                    return false;
                }
                changes.push_back({at, std::vector<uint8_t>(data, data + length),
                                   cpuMilliseconds(pid)});
                quietFrom = {};
            }
            free(image);
        } else if (!measureWindow()) {
            // Gone, or not viewable: the program ended or hid its window.
            std::fprintf(stderr, "bench_startup: %s's window went before it settled\n",
                         name.c_str());
            return false;
        }
        if (!changes.empty() && at - changes.back().at >= 300ms) {
            const double cpu = cpuMilliseconds(pid);
            if (quietFrom == Clock::time_point{} || cpu - quietCpu >= 1) {
                quietFrom = at;
                quietCpu = cpu;
            } else if (at - quietFrom >= 100ms && !anyThreadBusy(pid)) {
                watch.settledCpuMs = cpu;
                break;
            }
        }
        if (at - mapped > 20s) {
            std::fprintf(stderr, "bench_startup: %s did not settle in 20 s after its map\n",
                         name.c_str());
            return false;
        }
        // A read that came late (a busy machine) is followed by the next
        // one 2 ms after it, not by a burst of reads to catch up.
        next += 2ms;
        if (next <= at)
            next = at + 2ms;
        std::this_thread::sleep_until(next);
    }
    const std::vector<uint8_t> &settled = changes.back().pixels;
    if (darkPixels(settled) < 100) {
        std::fprintf(stderr, "bench_startup: %s settled on a window without its text\n",
                     name.c_str());
        return false;
    }
    const auto first = std::find_if(changes.begin(), changes.end(),
                                    [&settled](const Seen &s) { return s.pixels == settled; });
    watch.frameMs = msBetween(start, first->at);
    watch.frameCpuMs = first->cpuMs;
    watch.drawnAtFirstRead = first == changes.begin();
    watch.width = width;
    watch.height = height;
    if (watch.keepImages) {
        watch.frame = first->pixels;
        if (first != changes.begin())
            watch.before = std::prev(first)->pixels;
    }
    return true;
}

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
