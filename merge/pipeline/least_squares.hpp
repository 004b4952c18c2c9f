// The least squares of the scale factors: a table of pair values R[i][j] (how zone j compares
// with zone i) gives one factor per zone through the pair equations k_i - R[i][j] k_j = 0,
// solved once with each zone as reference and averaged, zone 1 being the reference of the
// result. Both the factors and their uncertainties start from here.
#pragma once

#include <optional>
#include <vector>

#include "common/matrix.hpp"

namespace ped::merge {

// Values of the n x n ordered pairs, row i against column j; a pair may have no value.
struct PairTable {
    int n = 0;
    std::vector<std::optional<double>> values;
    explicit PairTable(int zones) : n(zones), values(static_cast<size_t>(zones * zones)) {}
    std::optional<double>& at(int i, int j) { return values[static_cast<size_t>(i * n + j)]; }
    const std::optional<double>& at(int i, int j) const {
        return values[static_cast<size_t>(i * n + j)];
    }
};

struct FactorSolution {
    Matrix normal;                // the normal matrix A
    Matrix k;                     // row p: factors solved with reference p
    Matrix normalised;            // each row of k divided by its first value
    std::vector<double> factors;  // averaged over the solves, zone 1 = 1
    std::vector<int> kept_one;    // zones no solve determines: factor 1
    std::vector<int> not_tied;    // zones sharing nothing, even indirectly, with zone 1
};

// Least squares on one table. Pairs without a value are left out of the sums; a solve whose
// result is not finite is left out of the averages, and so is a solve whose reference zone is
// not linked to the zone through pairs with a value.
FactorSolution solve_factors(const PairTable& table, const char* zero_pivot_message);

}  // namespace ped::merge
