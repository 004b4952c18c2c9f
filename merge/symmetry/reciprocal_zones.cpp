#include "merge/symmetry/reciprocal_zones.hpp"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "merge/symmetry/integer_kernel.hpp"

namespace ped::merge::zones {

namespace {

using gemmi::Op;

constexpr int kDen = Op::DEN;

int terms(const Congruence& c) {
    return (c.coef[0] != 0) + (c.coef[1] != 0) + (c.coef[2] != 0);
}

// A row: its direction with an entry of 1 at the pivot, when it has an entry of magnitude 1.
void name_row(ReciprocalZone& z) {
    const Op::Miller k = z.basis[0];
    for (int p = 0; p < 3; ++p)
        if (std::abs(k[p]) == 1) {
            z.basis = {{k[0] * k[p], k[1] * k[p], k[2] * k[p]}};
            z.pivots = {p};
            z.unit = true;
            return;
        }
}

// A plane: the basis whose entries at two pivots are those of the unit matrix, when a pair of
// indices names each point.
void name_plane(ReciprocalZone& z) {
    const std::vector<Op::Miller> k = z.basis;
    const int pairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    for (const auto& pr : pairs) {
        const int p = pr[0], q = pr[1];
        const int det = k[0][p] * k[1][q] - k[0][q] * k[1][p];
        if (std::abs(det) != 1) continue;
        const int inv[2][2] = {{k[1][q] * det, -k[0][q] * det}, {-k[1][p] * det, k[0][p] * det}};
        for (int j = 0; j < 2; ++j)
            for (int i = 0; i < 3; ++i) z.basis[j][i] = inv[j][0] * k[0][i] + inv[j][1] * k[1][i];
        z.pivots = {p, q};
        z.unit = true;
        return;
    }
}

}  // namespace

ReciprocalZone zone_of(const Op::Rot& r) {
    ReciprocalZone z;
    z.fixed = r;
    Op::Rot a = Op{r, {0, 0, 0}}.transposed_rot();
    for (int i = 0; i < 3; ++i) a[i][i] -= kDen;
    z.basis = integer_kernel(a);
    if (z.dimension() == 1) name_row(z);
    if (z.dimension() == 2) name_plane(z);
    if (z.dimension() == 3) {
        z.basis = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
        z.pivots = {0, 1, 2};
        z.unit = true;
    }
    return z;
}

bool same_zone(const ReciprocalZone& a, const ReciprocalZone& b) {
    if (a.dimension() != b.dimension()) return false;
    return std::all_of(a.basis.begin(), a.basis.end(),
                       [&b](const Op::Miller& v) { return b.contains(v); });
}

std::optional<Congruence> rule_of(const ReciprocalZone& z, const Op::Tran& t,
                                  const std::vector<Op::Tran>& centring) {
    const auto key = [](const Congruence& r) {
        int minus = 0, size = 0;
        for (int v : r.coef) {
            minus += v < 0;
            size += std::abs(v);
        }
        return std::make_tuple(terms(r), minus, size, -r.modulus, -r.coef[0], -r.coef[1],
                               -r.coef[2]);
    };
    std::optional<Congruence> best;
    for (const Op::Tran& c : centring) {
        const Op::Tran tc = {t[0] + c[0], t[1] + c[1], t[2] + c[2]};
        Op::Miller coef = tc;
        if (z.unit) {
            coef = {};
            for (std::size_t j = 0; j < z.pivots.size(); ++j) {
                const Op::Miller& b = z.basis[j];
                coef[z.pivots[j]] = b[0] * tc[0] + b[1] * tc[1] + b[2] * tc[2];
            }
        }
        const std::optional<Congruence> rule = canonical(coef, kDen);
        if (!rule) return std::nullopt;
        if (!best || key(*rule) < key(*best)) best = rule;
    }
    return best;
}

void drop_implied_rules(ReciprocalZone& z, const std::vector<Congruence>& centring) {
    std::sort(z.rules.begin(), z.rules.end(),
              [](const Congruence& a, const Congruence& b) { return a.modulus < b.modulus; });
    for (std::size_t i = 0; i < z.rules.size();) {
        std::vector<Congruence> others = z.rules;
        others.erase(others.begin() + static_cast<std::ptrdiff_t>(i));
        const Congruence rule = z.rules[i];
        const int period = period_of(z.rules, period_of(centring));
        const bool implied = every_point(z, period, [&](const Op::Miller& h) {
            return !passes(centring, h) || !passes(others, h) || rule.holds(h);
        });
        if (implied)
            z.rules.erase(z.rules.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
}

bool equivalent(const ReciprocalZone& a, const ReciprocalZone& b, const gemmi::GroupOps& laue,
                const std::vector<Congruence>& centring) {
    if (a.dimension() != b.dimension()) return false;
    const int period = period_of(a.rules, period_of(b.rules, period_of(centring)));
    for (const Op& m : laue.sym_ops) {
        const bool onto = std::all_of(a.basis.begin(), a.basis.end(), [&](const Op::Miller& v) {
            return b.contains(m.apply_to_hkl(v));
        });
        if (!onto) continue;
        const Op back = m.inverse();
        const bool same = every_point(b, period, [&](const Op::Miller& h) {
            return !passes(centring, h) ||
                   passes(a.rules, back.apply_to_hkl(h)) == passes(b.rules, h);
        });
        if (same) return true;
    }
    return false;
}

}  // namespace ped::merge::zones
