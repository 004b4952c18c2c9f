// Selection windows: a threshold t on I/sigma(I) and a range [g1, g2] of reciprocal lengths.
#pragma once

#include <vector>

#include "common/reflection.hpp"

namespace ped::cell {

// A selected reflection: what the fit needs.
struct Selected {
    int h = 0, k = 0, l = 0;
    double g = 0;
};

// Fills `set` with the reflections of the window, in file order. A reflection is left out
// when t > its I / sigI, when g1 > its g or when its g > g2: the bounds belong to the window,
// and a ratio that is not a number (0 / 0) passes the threshold.
void select_window(const std::vector<Reflection>& reflections, int t, double g1, double g2,
                   std::vector<Selected>& set);

}  // namespace ped::cell
