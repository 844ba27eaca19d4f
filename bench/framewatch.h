#pragma once
// The X side of a start: the display, the window's owner, and the window's
// image read back from its map until the program has settled.

#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include <sys/types.h>

namespace zentak::bench {

using Clock = std::chrono::steady_clock;

struct Display {
    xcb_connection_t *c = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t pidAtom = 0;
};

// The display of the environment, watching the maps of top-level windows;
// the program ends when it cannot be opened.
Display connectDisplay();
// The process that owns the window; 0 when it does not say.
pid_t windowPid(const Display &d, xcb_window_t w);

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
void writeImage(const std::string &path, const std::vector<uint8_t> &pixels, int width, int height);

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
                 Clock::time_point start, Clock::time_point mapped, Watch &watch);

} // namespace zentak::bench
