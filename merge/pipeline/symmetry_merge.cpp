#include "merge/pipeline/symmetry_merge.hpp"

#include <cmath>
#include <unordered_map>

#include "merge/pipeline/exchange_sort.hpp"

namespace ped::merge {

MergeResult merge_equivalents(const std::vector<Reflection>& list, const LaueGroup& laue) {
    // Equivalence under a Laue class is a partition: each record joins the group of the first
    // record of its class, groups in the order of their first records, members in list order.
    std::unordered_map<Triple, size_t, TripleHash> group_of;
    std::vector<std::vector<size_t>> groups;
    for (size_t i = 0; i < list.size(); ++i) {
        const auto inserted =
            group_of.emplace(laue.representative(list[i].h, list[i].k, list[i].l), groups.size());
        if (inserted.second) groups.emplace_back();
        groups[inserted.first->second].push_back(i);
    }

    MergeResult out;
    double numerator = 0, denominator = 0;
    for (const std::vector<size_t>& members : groups) {
        double sum_i = 0, sum_sig = 0, sum_g = 0;
        for (size_t m : members) {
            sum_i += list[m].i;
            sum_sig += list[m].sig;
            sum_g += list[m].g;
        }
        const double count = static_cast<double>(members.size());
        Reflection r = list[members.front()];
        r.i = sum_i / count;
        r.sig = sum_sig / count;
        r.g = sum_g / count;
        double deviation = 0;
        for (size_t m : members) deviation += std::fabs(list[m].i - r.i);
        numerator += deviation / count;
        denominator += sum_i / count;
        out.merged.push_back(r);
        out.members.push_back(members);
        out.multiplicities.push_back(static_cast<int>(members.size()));
        out.redundant += static_cast<int>(members.size()) - 1;
    }
    if (denominator != 0 && std::isfinite(numerator / denominator))
        out.rint = numerator / denominator;
    std::vector<double> g;
    g.reserve(out.merged.size());
    for (const Reflection& r : out.merged) g.push_back(r.g);
    const std::vector<size_t> order = exchange_sort_order(g);  // `trier`
    apply_order(out.merged, order);
    apply_order(out.members, order);
    return out;
}

}  // namespace ped::merge
