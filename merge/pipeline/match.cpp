#include "merge/pipeline/match.hpp"

#include <algorithm>

#include "common/text.hpp"

namespace ped::merge {

MatchKey match_key(const Session& s, MatchMode mode, const RunSymmetry& symmetry) {
    switch (mode) {
        case MatchMode::hkl:
            return nullptr;
        case MatchMode::friedel:
            return [](int h, int k, int l) {
                return std::max(Triple{h, k, l},
                                Triple{-static_cast<long long>(h), -static_cast<long long>(k),
                                       -static_cast<long long>(l)});
            };
        case MatchMode::laue:
            if (!symmetry.laue) {
                say(s.term, s.msg.match_no_laue_class, symmetry.number);
                return nullptr;
            }
            return [laue = *symmetry.laue](int h, int k, int l) {
                return laue.representative(h, k, l);
            };
    }
    return nullptr;
}

void note_set_aside(const Session& s, PreparedFiles& files, const std::vector<Zone>& zones) {
    for (size_t z = 0; z < zones.size(); ++z) {
        int reason = 0;
        const IndexedReflections* zone = files.get(zones[z].prepared, reason);
        if (zone && zone->keyed() && zone->repeated() > 0)
            say(s.term, s.msg.match_set_aside, z + 1, zones[z].name.c_str(), zone->repeated());
    }
}

}  // namespace ped::merge
