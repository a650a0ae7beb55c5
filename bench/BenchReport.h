#pragma once
// The line each benchmark prints per figure; tools/bench.sh gathers them into one table.
#include <cstdio>

// what: the figure's name; figure and floor: the measured values with their units; ratio: how
// the figure compares with its floor; target: what the figure should stay within.
inline void ReportFigure(const char* what, const char* figure, const char* floor, const char* ratio, const char* target)
{
    std::printf("figure\t%s\t%s\t%s\t%s\t%s\n", what, figure, floor, ratio, target);
    std::fflush(stdout);
}
