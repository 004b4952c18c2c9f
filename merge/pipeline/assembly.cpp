#include "merge/pipeline/assembly.hpp"

namespace ped::merge {

Reflection scaled_record(const Reflection& r, const ScaleFactors& factors, size_t z) {
    Reflection x = r;
    x.i = factors.linear[z] * r.i;
    x.sig = factors.linear[z] * r.sig;
    x.g = factors.g[z] * r.g;
    return x;
}

std::vector<Reflection> assemble(const Session& s, PreparedFiles& files,
                                 const std::vector<Zone>& zones, const ScaleFactors& factors,
                                 OutFile& scaled, std::vector<int>* zone_of) {
    std::vector<Reflection> list;
    for (size_t z = 0; z < zones.size(); ++z) {
        int reason = 0;
        const IndexedReflections* zone = files.get(zones[z].prepared, reason);
        if (!zone) {
            say(s.term, s.msg.zone_left_out, zones[z].prepared.c_str(), z + 1);
            continue;
        }
        for (const Reflection& r : zone->records) {
            const Reflection x = scaled_record(r, factors, z);
            if (!is_finite(x)) {
                say(s.term, s.msg.scaled_too_large, zones[z].prepared.c_str(), x.h, x.k, x.l);
                continue;
            }
            scaled.reflection(x.h, x.k, x.l, x.i, x.sig, x.g);
            list.push_back(x);
            if (zone_of) zone_of->push_back(static_cast<int>(z));
        }
    }
    return list;
}

}  // namespace ped::merge
