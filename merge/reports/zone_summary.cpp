#include "merge/reports/zone_summary.hpp"

#include <cmath>

#include "common/files.hpp"

namespace ped::merge {

void warn_repeated_zones(const Session& s, const std::vector<Zone>& zones) {
    std::vector<FileIdentity> files;
    for (const Zone& zone : zones) files.push_back(file_identity(zone.name));
    for (size_t z = 0; z < zones.size(); ++z)
        for (size_t first = 0; first < z; ++first)
            if (same_file(files[first], files[z])) {
                say(s.term, s.msg.zone_named_twice, static_cast<int>(z + 1), zones[z].name.c_str(),
                    static_cast<int>(first + 1));
                break;
            }
}

void warn_space_group(const Session& s, int space_group) {
    if (space_group < 1 || space_group > 230) say(s.term, s.msg.space_group_range, space_group);
}

void say_zone(const Session& s, size_t z, const Zone& zone, const ZonePreparation& p) {
    const int number = static_cast<int>(z + 1);
    const char* name = zone.name.c_str();
    const ZoneCounts& c = p.counts;
    say(s.term, s.msg.zone_summary, number, name, c.read, c.skipped, c.forbidden, c.non_positive,
        c.unpaired, c.lorentz, c.outside, c.merged, c.kept);
    if (p.calibration_ratio && std::fabs(*p.calibration_ratio - 1) > kCalibrationTolerance)
        say(s.term, s.msg.calibration_off, number, name, *p.calibration_ratio, p.pairs);
    if (p.counts.kept == 0) say(s.term, s.msg.zone_empty, number, name);
}

}  // namespace ped::merge
