#include "merge/pipeline/banner.hpp"

#include <climits>

namespace ped::merge {

int whole_kilovolts(double voltage) {
    if (!(voltage > INT_MIN)) return INT_MIN;
    if (!(voltage < INT_MAX)) return INT_MAX;
    return static_cast<int>(voltage);
}

void write_banner(OutFile& report, const Messages& m, const RunParams& p) {
    const PrepareOptions& o = p.prep;
    report.printf("%s", kBannerStars);
    report.printf(m.banner_glimits, o.gmin, o.gmax);
    report.printf(m.banner_sigma, p.sigma);
    report.printf(m.banner_space_group, o.space_group);
    report.printf("%s", o.negatives_to_one ? m.banner_negatives_to_1 : m.banner_negatives_deleted);
    report.printf("%s", o.poisson_error ? m.banner_poisson : m.banner_sigbg);
    report.printf("%s", o.friedel_merge ? m.banner_friedel_merged : m.banner_friedel_not_merged);
    if (o.lorentz)
        report.printf(m.banner_lorentz, whole_kilovolts(o.voltage), o.angle);
    else
        report.printf("%s", m.banner_no_lorentz);
    report.printf("%s\n", kBannerStars);
}

}  // namespace ped::merge
