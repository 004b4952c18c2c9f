#include "assembly.hpp"

namespace ped {

std::vector<Reflection> assemble(const Session& s, PreparedFiles& files,
                                 const std::vector<Zone>& zones, const ScaleFactors& factors,
                                 OutFile& scaled) {
    std::vector<Reflection> list;
    for (size_t z = 0; z < zones.size(); ++z) {
        const IndexedReflections* zone = files.get(zones[z].prepared);
        if (!zone) {
            std::fprintf(s.term.diag, "warning: %s cannot be read; zone %zu is left out\n",
                         zones[z].prepared.c_str(), z + 1);
            continue;
        }
        for (const Reflection& r : zone->records) {
            Reflection x = r;
            x.i = factors.linear[z] * r.i;
            x.sig = factors.linear[z] * r.sig;
            x.g = factors.g[z] * r.g;
            if (!is_finite(x)) {
                std::fprintf(s.term.diag,
                             "warning: %s: the reflection %d %d %d scaled is too large to be a "
                             "number; left out\n",
                             zones[z].prepared.c_str(), x.h, x.k, x.l);
                continue;
            }
            scaled.printf(kReflectionLayout, x.h, x.k, x.l, x.i, x.sig, x.g);
            list.push_back(x);
        }
    }
    return list;
}

}  // namespace ped
