// The zones of reciprocal space that the operations of a group leave in place, and the
// congruences the translations impose on them: the material the reflection conditions are
// made of (reflection_conditions.cpp).
#pragma once

#include <optional>
#include <vector>

#include "merge/symmetry/integer_matrix.hpp"
#include "merge/symmetry/symmetry.hpp"

namespace ped::merge::zones {

// A congruence with its common factor removed, written with the unit multiple that reads best
// (fewest minus signs, smallest coefficients, positive first): "-h + k + l = 3n", not
// "h - k - l = 3n". No value when it holds everywhere.
std::optional<Congruence> canonical(IntRow coef, int modulus);

bool passes(const std::vector<Congruence>& rules, const IntRow& h);

// The least common multiple of the rules' moduli and `period`.
int period_of(const std::vector<Congruence>& rules, int period = 1);

struct Zone {
    IntMatrix fixed{};          // an operation that leaves exactly this zone in place
    std::vector<IntRow> basis;  // of the zone's lattice
    std::vector<int> pivots;    // basis[j][pivots[i]] = (i == j), when `unit`
    bool unit = false;          // each point is named by its indices at the pivots
    std::vector<Congruence> rules;
    int dimension() const { return static_cast<int>(basis.size()); }
    bool contains(const IntRow& v) const { return intmat::row_times(v, fixed) == v; }
};

// The zone an operation leaves in place, without rules.
Zone zone_of(const IntMatrix& r);

bool same_zone(const Zone& a, const Zone& b);

// Calls f on every point of the zone with coordinates 0 to period - 1 in its basis: all the
// zone's points up to adding `period` times a lattice vector, which no congruence whose
// modulus divides the period can tell apart. Stops at the first false.
template <class F>
bool every_point(const Zone& z, int period, F f) {
    const int d = z.dimension();
    int u[3] = {0, 0, 0};
    for (;;) {
        IntRow h{};
        for (int j = 0; j < d; ++j)
            for (int i = 0; i < 3; ++i) h[i] += u[j] * z.basis[j][i];
        if (!f(h)) return false;
        int j = 0;
        while (j < d && ++u[j] == period) u[j++] = 0;
        if (j == d) return true;
    }
}

// The congruence an operation imposes on its zone, for the translation t (in 24ths) in one of
// the forms the centring allows; no value when one form holds everywhere, in which case the
// centring alone removes what the operation removes.
std::optional<Congruence> rule_of(const Zone& z, const IntRow& t, const SpaceGroupSetting& g);

// Drops, one by one, the rules of the zone that the centring and the remaining rules imply.
void drop_implied_rules(Zone& z, const std::vector<Congruence>& centring);

// True when an operation of the Laue group carries zone a with its rules onto zone b with its
// rules, on the reflections the centring allows.
bool equivalent(const Zone& a, const Zone& b, const std::vector<IntMatrix>& laue,
                const std::vector<Congruence>& centring);

}  // namespace ped::merge::zones
