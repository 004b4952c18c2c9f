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

// A reflection as the windows select it: the indices, g and I / sigI.
struct Candidate {
    int h = 0, k = 0, l = 0;
    double g = 0, ratio = 0;
};
std::vector<Candidate> candidates_of(const std::vector<Reflection>& reflections);

// Fills `set` with the reflections of the window, in file order. A reflection is left out
// when t > its I / sigI, when g1 > its g or when its g > g2: the bounds belong to the window,
// and a ratio that is not a number (0 / 0) passes the threshold.
void select_window(const std::vector<Candidate>& candidates, int t, double g1, double g2,
                   std::vector<Selected>& set);

// The same set for a smaller g2: what `set` holds with g above g2 is left out.
void narrow_window(std::vector<Selected>& set, double g2);

}  // namespace ped::cell
