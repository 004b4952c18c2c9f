#include "merge/reports/uncertainty_report.hpp"

#include <cmath>
#include <string>

#include "common/text.hpp"

namespace ped::merge {

void report_uncertainties(const Session& s, const std::vector<Zone>& zones,
                          const ScaleFactors& factors) {
    const auto shown = [&s](double sigma) {
        return std::isfinite(sigma) ? strprintf("%f", sigma) : std::string(s.msg.no_uncertainty);
    };
    if (!zones.empty()) say(s.term, s.msg.uncertainty_reference, zones[0].name.c_str());
    for (size_t z = 1; z < zones.size(); ++z) {
        const ZoneUncertainty& u = factors.uncertainty[z];
        say(s.term, s.msg.uncertainty_line, static_cast<int>(z + 1), zones[z].name.c_str(),
            factors.linear[z], shown(u.linear.sigma).c_str(), factors.g[z],
            shown(u.g.sigma).c_str(), u.linear.reflections, u.linear.zones);
    }
    for (size_t z = 1; z < zones.size(); ++z) {
        const ZoneUncertainty& u = factors.uncertainty[z];
        for (const auto& [tie, word] :
             {std::pair{u.linear, s.msg.linear_word}, std::pair{u.g, s.msg.g_word}})
            if (tie.reflections > 0 && tie.reflections < 3)
                say(s.term, s.msg.barely_determined, static_cast<int>(z + 1), zones[z].name.c_str(),
                    tie.reflections, word);
    }
}

}  // namespace ped::merge
