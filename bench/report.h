#pragma once
// One line per figure, the same in every benchmark program, so bench/run
// can gather them into one table: the figure, what was measured, the
// target, the ratio of the measured value to the target's limit and whether
// the target is met.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

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

// The median of measured values, and it with the least and the most.
inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline std::string spread(const std::vector<double> &v, double scale, const char *unit, int decimals)
{
    char text[96];
    const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
    std::snprintf(text, sizeof text, "%.*f %s (%.*f-%.*f)", decimals, median(v) / scale, unit,
                  decimals, *lo / scale, decimals, *hi / scale);
    return text;
}

} // namespace zentak::bench
