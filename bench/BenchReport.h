#pragma once
// What the benchmarks share: the line each prints per figure (tools/bench.sh gathers them into one
// table), and the median they compare.
#include <algorithm>
#include <cstdio>
#include <vector>

// what: the figure's name; figure and floor: the measured values with their units; ratio: how
// the figure compares with its floor; target: what the figure should stay within.
inline void ReportFigure(const char* what, const char* figure, const char* floor, const char* ratio, const char* target)
{
    std::printf("figure\t%s\t%s\t%s\t%s\t%s\n", what, figure, floor, ratio, target);
    std::fflush(stdout);
}

// The middle of the values; for an even count, the mean of the two middle ones.
inline double Median(std::vector<double> values)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}
