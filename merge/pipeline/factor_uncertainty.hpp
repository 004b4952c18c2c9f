// How well each zone's scale factors are determined: a standard uncertainty for every factor,
// and how many reflections and zones tie the zone to zone 1.
//
// The factors come from the pair equations k_i - R[i][j] k_j = 0 solved with zone 1 fixed at 1;
// each pair value R[i][j] is a (weighted) mean of the ratios of the records that the two zones
// share, and one record enters every pair its zone forms, so the pair values of a zone are not
// independent. The uncertainty is therefore carried from the records. With d the derivatives
// of the factors of the solve with zone 1 as reference (row 0 of the solutions) by one
// record's relative value (its intensity and sigma together, or its g), through the pair
// values it enters (the weights held), the covariance of the factors is
//     C = v * sum over the records of d d^T,  d = B^-1 (derivative of the normal equations),
// B that solve's reduced normal matrix, and v the relative variance of one record: the
// residual variance of the retained ratios at the reported factors k, v = S / (2 (N - u)),
// S the sum of (ratio k_j / k_i - 1)^2 over the retained ratios of each pair of zones taken
// once, N their number, u the number of factors solved for (a ratio holds two records). With
// independent pair values this is the usual inverse normal matrix scaled by the residual
// variance.
#pragma once

#include <limits>
#include <vector>

#include "merge/pipeline/least_squares.hpp"
#include "merge/pipeline/pair_compare.hpp"
#include "merge/pipeline/prepared_file.hpp"

namespace ped::merge {

struct FactorUncertainty {
    // The standard uncertainty; not a number for zone 1 (the reference), for a zone not tied
    // to zone 1 or keeping the factor 1, and when the ratios leave no degree of freedom.
    double sigma = std::numeric_limits<double>::quiet_NaN();
    // The retained reflections that tie the zone to zone 1: the fewest whose removal would
    // cut every chain of pair comparisons between the two (a maximum flow over the pairs,
    // each pair of zones carrying its number of retained reflections).
    int reflections = 0;
    // The other zones it is compared with that are tied to zone 1 without passing through it
    // (zone 1 itself included).
    int zones = 0;
};

// Both factors of one zone.
struct ZoneUncertainty {
    FactorUncertainty linear, g;
};

// The retained reflections of each ordered pair of zones (i, j), at i * n + j.
using RetainedPairs = std::vector<std::vector<Retained>>;

// The uncertainties of one kind of factor (one entry per zone). `zones` holds every zone's
// records (null for a file that could not be read); `table` and `solution` are that kind's
// pair values and least squares, made with the same sigma. `retained`, when given, holds the
// retained reflections of the pairs as the comparisons found them; otherwise they are found
// again.
std::vector<FactorUncertainty> factor_uncertainties(
    const std::vector<const IndexedReflections*>& zones, PairKind kind, double sigma,
    const PairTable& table, const FactorSolution& solution,
    const RetainedPairs* retained = nullptr);

}  // namespace ped::merge
