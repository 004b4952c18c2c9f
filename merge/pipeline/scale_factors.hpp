// Global scale factors: every ordered pair of zones is compared (intensities, then g), and one
// linear factor and one g factor per zone come from least squares on the pair values, with
// zone 1 as the reference of the final factors.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/matrix.hpp"
#include "common/outfile.hpp"
#include "merge/pipeline/factor_uncertainty.hpp"
#include "merge/pipeline/prepared_file.hpp"
#include "merge/pipeline/session.hpp"
#include "merge/pipeline/zone_list.hpp"

namespace ped::merge {

// Values of the n x n ordered pairs, row i against column j; a pair may have no value.
struct PairTable {
    int n = 0;
    std::vector<std::optional<double>> values;
    PairTable(int zones) : n(zones), values(static_cast<size_t>(zones * zones)) {}
    std::optional<double>& at(int i, int j) { return values[static_cast<size_t>(i * n + j)]; }
    const std::optional<double>& at(int i, int j) const {
        return values[static_cast<size_t>(i * n + j)];
    }
};

struct FactorSolution {
    std::vector<std::vector<double>> normal;      // the normal matrix A
    std::vector<std::vector<double>> k;           // row p: factors solved with reference p
    std::vector<std::vector<double>> normalised;  // each row of k divided by its first value
    std::vector<double> factors;                  // averaged over the solves, zone 1 = 1
    std::vector<int> kept_one;                    // zones no solve determines: factor 1
    std::vector<int> not_tied;                    // zones sharing nothing, even indirectly,
                                                  // with zone 1
};

// Least squares on one table. Pairs without a value are left out of the sums; a solve whose
// result is not finite is left out of the averages, and so is a solve whose reference zone is
// not linked to the zone through pairs with a value.
FactorSolution solve_factors(const PairTable& table, const char* zero_pivot_message);

struct ScaleFactors {
    std::vector<double> linear;                // `scalefactor`
    std::vector<double> g;                     // `scalefactorg`
    std::vector<ZoneUncertainty> uncertainty;  // by zone
};

// The whole stage: the n x n comparisons of both kinds, the tables and the factors, on the
// console and in the two reports; and the uncertainties of the factors, which it does not
// write.
ScaleFactors global_scale_factors(const Session& s, PreparedFiles& files,
                                  const std::vector<Zone>& zones, double sigma, OutFile& report,
                                  OutFile& report_g);

}  // namespace ped::merge
