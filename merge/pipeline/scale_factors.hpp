// Global scale factors: every ordered pair of zones is compared (intensities, then g), and one
// linear factor and one g factor per zone come from least squares on the pair values, with
// zone 1 as the reference of the final factors.
#pragma once

#include <vector>

#include "common/outfile.hpp"
#include "merge/pipeline/factor_uncertainty.hpp"
#include "merge/pipeline/prepared_file.hpp"
#include "merge/pipeline/session.hpp"
#include "merge/pipeline/zone_list.hpp"

namespace ped::merge {

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
