// The reflection conditions of a group, derived from its operations: a reflection (h k l) left
// in place by an operation (R, t), (h k l) R = (h k l), is absent when (h k l) . t is not an
// integer, and every centring vector c requires (h k l) . c to be one. The conditions are
// grouped and named as the International Tables give them.
#include <algorithm>

#include "merge/symmetry/condition_names.hpp"
#include "merge/symmetry/reciprocal_zones.hpp"
#include "merge/symmetry/symmetry.hpp"

namespace ped::merge {

using namespace intmat;
using namespace zones;

namespace {

ZoneCondition zone_condition(const Zone& z, const std::string& name) {
    ZoneCondition c;
    c.text = name + ": " + rules_text(z.rules);
    c.fixed = z.fixed;
    c.dimension = z.dimension();
    c.rules = z.rules;
    return c;
}

}  // namespace

bool Congruence::holds(int h, int k, int l) const {
    const long long s = static_cast<long long>(coef[0]) * h + static_cast<long long>(coef[1]) * k +
                        static_cast<long long>(coef[2]) * l;
    return s % modulus == 0;
}

bool ZoneCondition::in_zone(int h, int k, int l) const {
    return row_times(h, k, l, fixed) == Triple{h, k, l};
}

bool ZoneCondition::keeps(int h, int k, int l) const {
    if (!in_zone(h, k, l)) return true;
    for (const Congruence& c : rules)
        if (!c.holds(h, k, l)) return false;
    return true;
}

bool GroupCondition::keeps(int h, int k, int l) const {
    for (const ZoneCondition& z : zones)
        if (!z.keeps(h, k, l)) return false;
    return true;
}

std::vector<GroupCondition> reflection_conditions(const SpaceGroupSetting& g) {
    const LaueGroup laue = laue_group(g);
    const bool hexagonal = hexagonal_axes(laue.operations);

    // The centring: (h k l) . c an integer for every centring vector c.
    Zone all = zone_of(identity_matrix());
    for (std::size_t i = 1; i < g.centring.size(); ++i) {
        const std::optional<Congruence> c = canonical(g.centring[i], kTranslationDenominator);
        if (!c) continue;
        const bool known = std::any_of(
            all.rules.begin(), all.rules.end(),
            [&c](const Congruence& d) { return d.coef == c->coef && d.modulus == c->modulus; });
        if (!known) all.rules.push_back(*c);
    }
    const std::vector<Congruence>& centring = all.rules;

    // Each operation's congruence on its zone, the congruences of one zone together.
    std::vector<Zone> zones;
    for (std::size_t i = 1; i < g.rotations.size(); ++i) {
        Zone z = zone_of(g.rotations[i]);
        if (z.dimension() == 0 || z.dimension() == 3) continue;
        const std::optional<Congruence> rule = rule_of(z, g.translations[i], g);
        if (!rule) continue;
        const auto same = std::find_if(zones.begin(), zones.end(),
                                       [&z](const Zone& y) { return same_zone(y, z); });
        Zone& target = same == zones.end() ? zones.emplace_back(z) : *same;
        const bool known =
            std::any_of(target.rules.begin(), target.rules.end(), [&](const Congruence& d) {
                return d.coef == rule->coef && d.modulus == rule->modulus;
            });
        if (!known) target.rules.push_back(*rule);
    }
    for (Zone& z : zones) drop_implied_rules(z, centring);
    zones.erase(
        std::remove_if(zones.begin(), zones.end(), [](const Zone& z) { return z.rules.empty(); }),
        zones.end());

    // Zones the Laue group relates, together; each set named after its best-named zone.
    struct Set {
        std::vector<std::size_t> members;  // the naming zone first
        NameKey key;
        bool dropped = false;
    };
    std::vector<std::string> names;
    for (const Zone& z : zones) names.push_back(zone_name(z, hexagonal));
    std::vector<Set> sets;
    std::vector<bool> placed(zones.size(), false);
    for (std::size_t i = 0; i < zones.size(); ++i) {
        if (placed[i]) continue;
        Set s;
        for (std::size_t j = i; j < zones.size(); ++j)
            if (!placed[j] &&
                (j == i || equivalent(zones[i], zones[j], laue.operations, centring))) {
                placed[j] = true;
                s.members.push_back(j);
            }
        std::sort(s.members.begin(), s.members.end(), [&](std::size_t a, std::size_t b) {
            return name_key(zones[a], names[a], hexagonal) <
                   name_key(zones[b], names[b], hexagonal);
        });
        s.key = name_key(zones[s.members[0]], names[s.members[0]], hexagonal);
        sets.push_back(s);
    }
    std::sort(sets.begin(), sets.end(), [&zones](const Set& a, const Set& b) {
        const int da = zones[a.members[0]].dimension(), db = zones[b.members[0]].dimension();
        return da != db ? da > db : a.key < b.key;
    });

    // A set of rows whose removals the centring and the planes through them already make.
    for (Set& s : sets) {
        bool implied = true;
        for (std::size_t m : s.members) {
            const Zone& z = zones[m];
            std::vector<const Zone*> wider;
            for (const Set& t : sets) {
                if (t.dropped) continue;
                for (std::size_t n : t.members) {
                    const Zone& y = zones[n];
                    if (y.dimension() <= z.dimension()) continue;
                    bool holds_z = true;
                    for (const IntRow& v : z.basis) holds_z = holds_z && y.contains(v);
                    if (holds_z) wider.push_back(&y);
                }
            }
            if (wider.empty()) {
                implied = false;
                break;
            }
            int period = period_of(z.rules, period_of(centring));
            for (const Zone* y : wider) period = period_of(y->rules, period);
            implied = every_point(z, period, [&](const IntRow& h) {
                if (!passes(centring, h) || passes(z.rules, h)) return true;
                for (const Zone* y : wider)
                    if (!passes(y->rules, h)) return true;
                return false;
            });
            if (!implied) break;
        }
        s.dropped = implied;
    }

    std::vector<GroupCondition> out;
    if (!centring.empty()) {
        GroupCondition c;
        c.zones.push_back(zone_condition(all, hexagonal ? "hkil" : "hkl"));
        c.text = c.zones[0].text;
        out.push_back(c);
    }
    for (const Set& s : sets) {
        if (s.dropped) continue;
        GroupCondition c;
        for (std::size_t m : s.members) c.zones.push_back(zone_condition(zones[m], names[m]));
        c.text = c.zones[0].text;
        out.push_back(c);
    }
    return out;
}

int first_failed(const std::vector<GroupCondition>& conditions, int h, int k, int l) {
    for (std::size_t i = 0; i < conditions.size(); ++i)
        if (!conditions[i].keeps(h, k, l)) return static_cast<int>(i);
    return -1;
}

}  // namespace ped::merge
