#pragma once
// One line per figure, the same in every benchmark program, so bench/run
// can gather them into one table: the figure, what was measured, the
// target, the ratio of the measured value to the target's limit and whether
// the target is met.

#include <cstdio>
#include <string>

namespace zentak::bench {

// ratio < 0: a figure reported without a target.
inline void printFigure(const std::string &figure, const std::string &measured,
                        const std::string &target, double ratio, bool met)
{
    char ratioText[32] = "";
    if (ratio >= 0)
        std::snprintf(ratioText, sizeof ratioText, "%.2f", ratio);
    std::printf("FIGURE|%s|%s|%s|%s|%s\n", figure.c_str(), measured.c_str(), target.c_str(),
                ratioText, ratio < 0 ? "" : (met ? "ok" : "SHORT"));
    std::fflush(stdout);
}

} // namespace zentak::bench
