// The zones of reciprocal space that the operations of a group leave in place, and the
// congruences the translations impose on them: the material the reflection conditions are
// made of (reflection_conditions.cpp).
#pragma once

#include <gemmi/symmetry.hpp>

#include <optional>
#include <vector>

#include "merge/symmetry/congruence.hpp"

namespace ped::merge::zones {

// (h k l) R = (h k l) for a rotation of gemmi's (in twenty-fourths), in 64 bits: gemmi's own
// apply_to_hkl works in int, which 24 times a large index overflows.
inline bool leaves_in_place(const gemmi::Op::Rot& r, long long h, long long k, long long l) {
    constexpr long long d = gemmi::Op::DEN;
    return h * r[0][0] + k * r[1][0] + l * r[2][0] == d * h &&
           h * r[0][1] + k * r[1][1] + l * r[2][1] == d * k &&
           h * r[0][2] + k * r[1][2] + l * r[2][2] == d * l;
}

// A plane or row of reciprocal space, or all of it, with the rules its reflections obey.
struct ReciprocalZone {
    gemmi::Op::Rot fixed{};                // a rotation that leaves exactly this zone in place
    std::vector<gemmi::Op::Miller> basis;  // of the zone's lattice
    std::vector<int> pivots;               // basis[j][pivots[i]] = (i == j), when `unit`
    bool unit = false;                     // each point is named by its indices at the pivots
    std::vector<Congruence> rules;
    int dimension() const { return static_cast<int>(basis.size()); }
    bool contains(const gemmi::Op::Miller& v) const {
        return leaves_in_place(fixed, v[0], v[1], v[2]);
    }
};

// The zone a rotation leaves in place, without rules.
ReciprocalZone zone_of(const gemmi::Op::Rot& r);

bool same_zone(const ReciprocalZone& a, const ReciprocalZone& b);

// Calls f on every point of the zone with coordinates 0 to period - 1 in its basis: all the
// zone's points up to adding `period` times a lattice vector, which no congruence whose
// modulus divides the period can tell apart. Stops at the first false.
template <class F>
bool every_point(const ReciprocalZone& z, int period, F f) {
    const int d = z.dimension();
    int u[3] = {0, 0, 0};
    for (;;) {
        gemmi::Op::Miller h{};
        for (int j = 0; j < d; ++j)
            for (int i = 0; i < 3; ++i) h[i] += u[j] * z.basis[j][i];
        if (!f(h)) return false;
        int j = 0;
        while (j < d && ++u[j] == period) u[j++] = 0;
        if (j == d) return true;
    }
}

// The congruence an operation imposes on its zone, for its translation in one of the forms the
// centring allows; no value when one form holds everywhere, in which case the centring alone
// removes what the operation removes.
std::optional<Congruence> rule_of(const ReciprocalZone& z, const gemmi::Op::Tran& t,
                                  const std::vector<gemmi::Op::Tran>& centring);

// Drops, one by one, the rules of the zone that the centring and the remaining rules imply.
void drop_implied_rules(ReciprocalZone& z, const std::vector<Congruence>& centring);

// True when an operation of the Laue group carries zone a with its rules onto zone b with its
// rules, on the reflections the centring allows.
bool equivalent(const ReciprocalZone& a, const ReciprocalZone& b, const gemmi::GroupOps& laue,
                const std::vector<Congruence>& centring);

}  // namespace ped::merge::zones
