#include "framewatch.h"

#include "procstats.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

#include <poll.h>

namespace zentak::bench {

namespace {

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

} // namespace

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

void writeImage(const std::string &path, const std::vector<uint8_t> &pixels, int width, int height)
{
    if (pixels.size() < size_t(width) * height * 4)
        return;
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << width << ' ' << height << "\n255\n";
    for (size_t i = 0; i < size_t(width) * height * 4; i += 4)
        out << char(pixels[i + 2]) << char(pixels[i + 1]) << char(pixels[i]);
}

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

} // namespace zentak::bench
