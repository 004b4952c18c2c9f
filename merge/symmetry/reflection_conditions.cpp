// The reflection conditions of a group, in four steps: the centring's rules; each operation's
// rule on the zone it leaves in place, the rules of one zone together; the zones the Laue group
// relates, in sets named as the International Tables name them; and the sets of rows whose
// removals the centring and the planes through them already make, left out.
#include "merge/symmetry/reflection_conditions.hpp"

#include <algorithm>

#include "merge/symmetry/condition_names.hpp"
#include "merge/symmetry/laue.hpp"
#include "merge/symmetry/reciprocal_zones.hpp"

namespace ped::merge {

using namespace zones;

namespace {

using gemmi::Op;

// (h k l) . c an integer for every centring vector c.
std::vector<Congruence> centring_rules(const gemmi::GroupOps& ops) {
    std::vector<Congruence> rules;
    for (std::size_t i = 1; i < ops.cen_ops.size(); ++i) {
        const std::optional<Congruence> c = canonical(ops.cen_ops[i], Op::DEN);
        if (c && std::find(rules.begin(), rules.end(), *c) == rules.end()) rules.push_back(*c);
    }
    return rules;
}

// Each operation's rule on its zone, the rules of one zone together, without those that the
// centring and the zone's other rules imply; zones left without a rule are left out.
std::vector<ReciprocalZone> operation_zones(const gemmi::GroupOps& ops,
                                            const std::vector<Congruence>& centring) {
    std::vector<ReciprocalZone> zones;
    for (std::size_t i = 1; i < ops.sym_ops.size(); ++i) {
        const ReciprocalZone z = zone_of(ops.sym_ops[i].rot);
        if (z.dimension() == 0 || z.dimension() == 3) continue;
        const std::optional<Congruence> rule = rule_of(z, ops.sym_ops[i].tran, ops.cen_ops);
        if (!rule) continue;
        const auto same = std::find_if(zones.begin(), zones.end(),
                                       [&z](const ReciprocalZone& y) { return same_zone(y, z); });
        ReciprocalZone& target = same == zones.end() ? zones.emplace_back(z) : *same;
        if (std::find(target.rules.begin(), target.rules.end(), *rule) == target.rules.end())
            target.rules.push_back(*rule);
    }
    for (ReciprocalZone& z : zones) drop_implied_rules(z, centring);
    std::erase_if(zones, [](const ReciprocalZone& z) { return z.rules.empty(); });
    return zones;
}

// Zones the Laue group relates, the zone that names the set first.
struct ZoneSet {
    std::vector<std::size_t> members;
    NameKey key;
    int dimension = 0;
    bool implied = false;
};

struct NamedZones {
    const std::vector<ReciprocalZone>& zones;
    std::vector<std::string> names;
    bool hexagonal;
    NameKey key(std::size_t i) const { return name_key(zones[i], names[i], hexagonal); }
};

// Planes before rows, each kind in the order of the names.
std::vector<ZoneSet> related_sets(const NamedZones& named, const gemmi::GroupOps& laue,
                                  const std::vector<Congruence>& centring) {
    const std::vector<ReciprocalZone>& zones = named.zones;
    std::vector<ZoneSet> sets;
    std::vector<bool> placed(zones.size(), false);
    for (std::size_t i = 0; i < zones.size(); ++i) {
        if (placed[i]) continue;
        ZoneSet s;
        for (std::size_t j = i; j < zones.size(); ++j)
            if (!placed[j] && (j == i || equivalent(zones[i], zones[j], laue, centring))) {
                placed[j] = true;
                s.members.push_back(j);
            }
        std::sort(s.members.begin(), s.members.end(),
                  [&named](std::size_t a, std::size_t b) { return named.key(a) < named.key(b); });
        s.key = named.key(s.members[0]);
        s.dimension = zones[s.members[0]].dimension();
        sets.push_back(s);
    }
    std::sort(sets.begin(), sets.end(), [](const ZoneSet& a, const ZoneSet& b) {
        return a.dimension != b.dimension ? a.dimension > b.dimension : a.key < b.key;
    });
    return sets;
}

// The zones of the sets still applied that are wider than z and hold all of it.
std::vector<const ReciprocalZone*> wider_zones(const ReciprocalZone& z,
                                               const std::vector<ZoneSet>& sets,
                                               const std::vector<ReciprocalZone>& zones) {
    std::vector<const ReciprocalZone*> wider;
    for (const ZoneSet& t : sets) {
        if (t.implied || t.dimension <= z.dimension()) continue;
        for (std::size_t n : t.members)
            if (std::all_of(z.basis.begin(), z.basis.end(),
                            [&](const Op::Miller& v) { return zones[n].contains(v); }))
                wider.push_back(&zones[n]);
    }
    return wider;
}

// True when the wider zones' rules remove every reflection of z that the centring allows and
// z's rules remove.
bool removed_by_wider(const ReciprocalZone& z, const std::vector<const ReciprocalZone*>& wider,
                      const std::vector<Congruence>& centring) {
    if (wider.empty()) return false;
    int period = period_of(z.rules, period_of(centring));
    for (const ReciprocalZone* y : wider) period = period_of(y->rules, period);
    return every_point(z, period, [&](const Op::Miller& h) {
        if (!passes(centring, h) || passes(z.rules, h)) return true;
        return std::any_of(wider.begin(), wider.end(),
                           [&h](const ReciprocalZone* y) { return !passes(y->rules, h); });
    });
}

void mark_implied(std::vector<ZoneSet>& sets, const std::vector<ReciprocalZone>& zones,
                  const std::vector<Congruence>& centring) {
    for (ZoneSet& s : sets)
        s.implied = std::all_of(s.members.begin(), s.members.end(), [&](std::size_t m) {
            return removed_by_wider(zones[m], wider_zones(zones[m], sets, zones), centring);
        });
}

ZoneCondition zone_condition(const ReciprocalZone& z, const std::string& name) {
    return {name + ": " + rules_text(z.rules), z.fixed, z.rules};
}

}  // namespace

bool ZoneCondition::in_zone(int h, int k, int l) const {
    return leaves_in_place(fixed, h, k, l);
}

bool ZoneCondition::keeps(int h, int k, int l) const {
    if (!in_zone(h, k, l)) return true;
    return passes(rules, {h, k, l});
}

bool ReflectionCondition::keeps(int h, int k, int l) const {
    return std::all_of(zones.begin(), zones.end(),
                       [&](const ZoneCondition& z) { return z.keeps(h, k, l); });
}

std::vector<ReflectionCondition> reflection_conditions(const SpaceGroupSetting& g) {
    const LaueGroup laue = laue_group(g);
    const bool hexagonal = hexagonal_axes(laue.ops);
    const std::vector<Congruence> centring = centring_rules(g.ops);
    const std::vector<ReciprocalZone> zones = operation_zones(g.ops, centring);
    NamedZones named{zones, {}, hexagonal};
    for (const ReciprocalZone& z : zones) named.names.push_back(zone_name(z, hexagonal));
    std::vector<ZoneSet> sets = related_sets(named, laue.ops, centring);
    mark_implied(sets, zones, centring);

    std::vector<ReflectionCondition> out;
    if (!centring.empty()) {
        ReciprocalZone all = zone_of(Op::identity().rot);
        all.rules = centring;
        out.push_back({"", {zone_condition(all, hexagonal ? "hkil" : "hkl")}});
    }
    for (const ZoneSet& s : sets) {
        if (s.implied) continue;
        ReflectionCondition c;
        for (std::size_t m : s.members) c.zones.push_back(zone_condition(zones[m], named.names[m]));
        out.push_back(c);
    }
    for (ReflectionCondition& c : out) c.text = c.zones[0].text;
    return out;
}

}  // namespace ped::merge
