#include "merge/symmetry/legacy_difference.hpp"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "merge/symmetry/conditions.hpp"
#include "merge/symmetry/reflection_conditions.hpp"

namespace ped::merge {

namespace {

using gemmi::Op;

// Up to two examples, the simplest first: in the zone that names the condition, fewest minus
// signs, smallest indices.
void add_example(std::vector<Op::Miller>& examples, const Op::Miller& t,
                 const ZoneCondition* named = nullptr) {
    const auto key = [named](const Op::Miller& x) {
        const bool outside = named && !named->in_zone(x[0], x[1], x[2]);
        return std::make_tuple(outside, (x[0] < 0) + (x[1] < 0) + (x[2] < 0),
                               std::abs(x[0]) + std::abs(x[1]) + std::abs(x[2]), x);
    };
    examples.push_back(t);
    std::sort(examples.begin(), examples.end(),
              [&key](const Op::Miller& a, const Op::Miller& b) { return key(a) < key(b); });
    if (examples.size() > 2) examples.pop_back();
}

bool legacy_keeps(const std::vector<int>& codes, const Op::Miller& x) {
    return std::all_of(codes.begin(), codes.end(),
                       [&x](int code) { return condition_keeps(code, x[0], x[1], x[2]); });
}

// The examples of each condition that removes the reflection.
void add_to_legacy(std::vector<std::vector<Op::Miller>>& legacy, const std::vector<int>& codes,
                   const Op::Miller& x) {
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (!condition_keeps(codes[i], x[0], x[1], x[2])) add_example(legacy[i], x);
}

void add_to_tables(std::vector<std::vector<Op::Miller>>& tables,
                   const std::vector<ReflectionCondition>& conditions, const Op::Miller& x) {
    for (std::size_t i = 0; i < conditions.size(); ++i)
        if (!conditions[i].keeps(x[0], x[1], x[2]))
            add_example(tables[i], x, &conditions[i].zones[0]);
}

}  // namespace

LegacyDifference legacy_difference(int number, int box) {
    LegacyDifference d;
    d.number = number;
    const std::optional<SpaceGroupSetting> g = standard_setting(number);
    if (!g) return d;
    const std::vector<ReflectionCondition> conditions = reflection_conditions(*g);
    const std::vector<int> codes = condition_codes(number);
    std::vector<std::vector<Op::Miller>> legacy(codes.size()), tables(conditions.size());
    for (int h = -box; h <= box; ++h)
        for (int k = -box; k <= box; ++k)
            for (int l = -box; l <= box; ++l) {
                const Op::Miller x{h, k, l};
                if (h == 0 && k == 0 && l == 0) continue;
                const bool absent = g->ops.is_systematically_absent(x);
                const bool kept = legacy_keeps(codes, x);
                if (!absent && !kept) add_to_legacy(legacy, codes, x);
                if (absent && kept) add_to_tables(tables, conditions, x);
            }
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (!legacy[i].empty())
            d.legacy_removes_allowed.push_back({condition_text(codes[i], number), legacy[i]});
    for (std::size_t i = 0; i < conditions.size(); ++i)
        if (!tables[i].empty()) d.tables_not_applied.push_back({conditions[i].text, tables[i]});
    return d;
}

}  // namespace ped::merge
