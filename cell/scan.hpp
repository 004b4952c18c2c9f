// The scan of selection windows: every threshold t from 1 to L, and for each the windows
// [g1, g2] in steps of 0.25 (g1 upwards from gmin, g2 downwards from gmax, at least 0.5 from
// the other limit). Each window of 25 reflections or more is fitted; a smaller or degenerate
// window ends the g2 steps of its g1.
#pragma once

#include <cstdio>
#include <vector>

#include "cell/fit.hpp"
#include "cell/questions.hpp"
#include "common/reflection.hpp"

namespace ped::cell {

// The fewest reflections a window needs to be fitted.
inline constexpr size_t kMinWindow = 25;

// Runs the scan, printing every window and fit on `out`; returns the counted fits in order.
std::vector<CellFit> scan_windows(const std::vector<Reflection>& reflections, int symmetry,
                                  const ScanLimits& limits, std::FILE* out);

}  // namespace ped::cell
