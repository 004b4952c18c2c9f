// How the tool's own condition lists differ from the International Tables, computed from
// gemmi's absence test over a box of reflections.
#include <gemmi/symmetry.hpp>

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "merge/symmetry/conditions.hpp"
#include "merge/symmetry/symmetry.hpp"

namespace ped::merge {

namespace {

// Up to two examples, the simplest first: in the zone that names the condition, fewest minus
// signs, smallest indices.
void add_example(std::vector<Triple>& examples, const Triple& t,
                 const ZoneCondition* named = nullptr) {
    const auto key = [named](const Triple& x) {
        const bool outside = named && !named->in_zone(int(x[0]), int(x[1]), int(x[2]));
        return std::make_tuple(outside, (x[0] < 0) + (x[1] < 0) + (x[2] < 0),
                               std::llabs(x[0]) + std::llabs(x[1]) + std::llabs(x[2]), x);
    };
    examples.push_back(t);
    std::sort(examples.begin(), examples.end(),
              [&key](const Triple& a, const Triple& b) { return key(a) < key(b); });
    if (examples.size() > 2) examples.pop_back();
}

}  // namespace

LegacyDifference legacy_difference(int number, int box) {
    LegacyDifference d;
    d.number = number;
    const std::optional<SpaceGroupSetting> g = standard_setting(number);
    if (!g) return d;
    const gemmi::GroupOps ops = gemmi::get_spacegroup_reference_setting(number).operations();
    const std::vector<GroupCondition> conditions = reflection_conditions(*g);
    const std::vector<int> codes = condition_codes(number);
    std::vector<std::vector<Triple>> legacy(codes.size()), tables(conditions.size());
    for (int h = -box; h <= box; ++h)
        for (int k = -box; k <= box; ++k)
            for (int l = -box; l <= box; ++l) {
                if (h == 0 && k == 0 && l == 0) continue;
                const bool absent = ops.is_systematically_absent({h, k, l});
                bool kept = true;
                for (int code : codes) kept = kept && condition_keeps(code, h, k, l);
                if (!absent && !kept) {
                    for (std::size_t i = 0; i < codes.size(); ++i)
                        if (!condition_keeps(codes[i], h, k, l)) add_example(legacy[i], {h, k, l});
                } else if (absent && kept) {
                    for (std::size_t i = 0; i < conditions.size(); ++i)
                        if (!conditions[i].keeps(h, k, l))
                            add_example(tables[i], {h, k, l}, &conditions[i].zones[0]);
                }
            }
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (!legacy[i].empty())
            d.legacy_removes_allowed.push_back(
                {codes[i], condition_text(codes[i], number), legacy[i]});
    for (std::size_t i = 0; i < conditions.size(); ++i)
        if (!tables[i].empty()) d.tables_not_applied.push_back({0, conditions[i].text, tables[i]});
    return d;
}

}  // namespace ped::merge
