#include "merge/reports/absences.hpp"

#include <algorithm>
#include <cmath>

#include "common/text.hpp"

namespace ped::merge {

AbsenceClass absence_class(const std::vector<ZoneRecord>& removed, bool poisson_error) {
    AbsenceClass c;
    std::vector<RemovedReflection> all;
    double sum_i = 0, sum_ratio = 0;
    int ratios = 0;
    for (const ZoneRecord& r : removed) {
        const double sigma = poisson_error ? r.v[kPoisson] : r.v[kSigBg];
        const double ratio = sigma > 0 ? r.v[kI] / sigma : std::nan("");
        all.push_back({r.h, r.k, r.l, r.v[kI], ratio});
        sum_i += r.v[kI];
        if (sigma > 0) {
            sum_ratio += ratio;
            ++ratios;
        }
    }
    c.removed = static_cast<int>(removed.size());
    c.mean_i = c.removed > 0 ? sum_i / c.removed : std::nan("");
    c.mean_i_over_sigma = ratios > 0 ? sum_ratio / ratios : std::nan("");
    c.flagged = ratios > 0 && c.mean_i_over_sigma > kStrongAbsence;
    std::stable_sort(
        all.begin(), all.end(),
        [](const RemovedReflection& a, const RemovedReflection& b) { return a.i > b.i; });
    if (all.size() > kStrongestShown) all.resize(kStrongestShown);
    c.strongest = all;
    return c;
}

namespace {

std::string value(double v) {
    return std::isfinite(v) ? strprintf("%.2f", v) : "-";
}

}  // namespace

std::string absences_text(const RunSymmetry& symmetry, const std::vector<ZoneAbsences>& zones,
                          bool poisson_error) {
    std::string s = strprintf(
        "Reflections removed by the reflection conditions of space group %d, zone by zone\n",
        symmetry.number);
    if (symmetry.conditions.empty())
        return s + "The group has no reflection condition: nothing is removed.\n";
    s += strprintf(
        "Each record counts under the first condition that removes it. I and sigma(I) as in the "
        "zone file, before any correction; sigma(I): the %s column.\n",
        poisson_error ? "Poisson(I)" : "Sig(bg)");
    s += "STRONG: the removed records have a mean I/sigma(I) above 3. In PED multiple "
         "scattering may light a forbidden reflection, but a whole class of strong ones "
         "suggests another space group.\n";
    int flagged = 0;
    for (size_t z = 0; z < zones.size(); ++z) {
        const ZoneAbsences& zone = zones[z];
        s += strprintf("\nzone %zu: %s\n", z + 1, zone.name.c_str());
        for (size_t n = 0; n < symmetry.conditions.size(); ++n) {
            const AbsenceClass c = absence_class(zone.removed[n], poisson_error);
            s += strprintf("  %s: %d removed", symmetry.conditions[n].text.c_str(), c.removed);
            if (c.removed > 0)
                s += ", mean I " + value(c.mean_i) + ", mean I/sigma(I) " +
                     value(c.mean_i_over_sigma);
            s += c.flagged ? "  STRONG\n" : "\n";
            flagged += c.flagged;
            for (const RemovedReflection& r : c.strongest)
                s += strprintf("    %4d%4d%4d  I %s  I/sigma(I) %s\n", r.h, r.k, r.l,
                               value(r.i).c_str(), value(r.i_over_sigma).c_str());
        }
    }
    s += flagged ? strprintf("\n%d condition(s) flagged STRONG\n", flagged)
                 : "\nNo condition flagged STRONG\n";
    return s;
}

}  // namespace ped::merge
