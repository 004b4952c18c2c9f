#include "merge/symmetry/reciprocal_zones.hpp"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <tuple>

namespace ped::merge::zones {

using namespace intmat;

namespace {

constexpr int kDen = kTranslationDenominator;

int terms(const Congruence& c) {
    return (c.coef[0] != 0) + (c.coef[1] != 0) + (c.coef[2] != 0);
}

}  // namespace

std::optional<Congruence> canonical(IntRow coef, int modulus) {
    for (int& c : coef) c = wrap(c, modulus);
    const int g = std::gcd(std::gcd(coef[0], coef[1]), std::gcd(coef[2], modulus));
    if (g == modulus) return std::nullopt;
    modulus /= g;
    for (int& c : coef) c /= g;
    std::optional<Congruence> best;
    std::tuple<int, int, int, int, int> best_key{};
    for (int u = 1; u < modulus; ++u) {
        if (std::gcd(u, modulus) != 1) continue;
        Congruence c{{}, modulus};
        int minus = 0, size = 0;
        for (int i = 0; i < 3; ++i) {
            int v = wrap(static_cast<long long>(coef[i]) * u, modulus);
            if (2 * v > modulus) v -= modulus;
            c.coef[i] = v;
            minus += v < 0;
            size += std::abs(v);
        }
        const auto key = std::make_tuple(minus, size, -c.coef[0], -c.coef[1], -c.coef[2]);
        if (!best || key < best_key) {
            best = c;
            best_key = key;
        }
    }
    return best;
}

bool passes(const std::vector<Congruence>& rules, const IntRow& h) {
    for (const Congruence& c : rules)
        if (!c.holds(h[0], h[1], h[2])) return false;
    return true;
}

int period_of(const std::vector<Congruence>& rules, int period) {
    for (const Congruence& c : rules) period = lcm(period, c.modulus);
    return period;
}

Zone zone_of(const IntMatrix& r) {
    Zone z;
    z.fixed = r;
    IntMatrix a = transposed(r);
    for (int i = 0; i < 3; ++i) a[i][i] -= 1;
    z.basis = kernel(a);
    const std::vector<IntRow>& k = z.basis;
    if (k.size() == 1) {
        for (int p = 0; p < 3 && !z.unit; ++p)
            if (std::abs(k[0][p]) == 1) {
                const int s = k[0][p];
                z.basis = {{k[0][0] * s, k[0][1] * s, k[0][2] * s}};
                z.pivots = {p};
                z.unit = true;
            }
    } else if (k.size() == 2) {
        const int pairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};
        for (const auto& pr : pairs) {
            const int p = pr[0], q = pr[1];
            const int det = k[0][p] * k[1][q] - k[0][q] * k[1][p];
            if (std::abs(det) != 1) continue;
            // The basis whose entries at p and q are those of the unit matrix.
            const int inv[2][2] = {{k[1][q] * det, -k[0][q] * det},
                                   {-k[1][p] * det, k[0][p] * det}};
            std::vector<IntRow> b(2);
            for (int j = 0; j < 2; ++j)
                for (int i = 0; i < 3; ++i) b[j][i] = inv[j][0] * k[0][i] + inv[j][1] * k[1][i];
            z.basis = b;
            z.pivots = {p, q};
            z.unit = true;
            break;
        }
    } else if (k.size() == 3) {
        z.basis = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
        z.pivots = {0, 1, 2};
        z.unit = true;
    }
    return z;
}

bool same_zone(const Zone& a, const Zone& b) {
    if (a.dimension() != b.dimension()) return false;
    for (const IntRow& v : a.basis)
        if (!b.contains(v)) return false;
    return true;
}

std::optional<Congruence> rule_of(const Zone& z, const IntRow& t, const SpaceGroupSetting& g) {
    std::optional<Congruence> best;
    for (const IntRow& c : g.centring) {
        const IntRow tc = {t[0] + c[0], t[1] + c[1], t[2] + c[2]};
        IntRow coef{};
        if (z.unit) {
            for (std::size_t j = 0; j < z.pivots.size(); ++j) {
                const IntRow& b = z.basis[j];
                coef[z.pivots[j]] = b[0] * tc[0] + b[1] * tc[1] + b[2] * tc[2];
            }
        } else {
            coef = tc;
        }
        const std::optional<Congruence> rule = canonical(coef, kDen);
        if (!rule) return std::nullopt;
        const auto key = [](const Congruence& r) {
            int minus = 0, size = 0;
            for (int v : r.coef) {
                minus += v < 0;
                size += std::abs(v);
            }
            return std::make_tuple(terms(r), minus, size, -r.modulus, -r.coef[0], -r.coef[1],
                                   -r.coef[2]);
        };
        if (!best || key(*rule) < key(*best)) best = rule;
    }
    return best;
}

void drop_implied_rules(Zone& z, const std::vector<Congruence>& centring) {
    std::sort(z.rules.begin(), z.rules.end(),
              [](const Congruence& a, const Congruence& b) { return a.modulus < b.modulus; });
    for (std::size_t i = 0; i < z.rules.size();) {
        std::vector<Congruence> others = z.rules;
        others.erase(others.begin() + static_cast<std::ptrdiff_t>(i));
        const Congruence rule = z.rules[i];
        const int period = period_of(z.rules, period_of(centring));
        const bool implied = every_point(z, period, [&](const IntRow& h) {
            return !passes(centring, h) || !passes(others, h) || rule.holds(h[0], h[1], h[2]);
        });
        if (implied)
            z.rules.erase(z.rules.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
}

bool equivalent(const Zone& a, const Zone& b, const std::vector<IntMatrix>& laue,
                const std::vector<Congruence>& centring) {
    if (a.dimension() != b.dimension()) return false;
    const int period = period_of(a.rules, period_of(b.rules, period_of(centring)));
    for (const IntMatrix& m : laue) {
        bool onto = true;
        for (const IntRow& v : a.basis) onto = onto && b.contains(row_times(v, m));
        if (!onto) continue;
        const auto back = std::find_if(laue.begin(), laue.end(), [&m](const IntMatrix& n) {
            return product(m, n) == identity_matrix();
        });
        if (back == laue.end()) continue;
        const bool same = every_point(b, period, [&](const IntRow& h) {
            return !passes(centring, h) ||
                   passes(a.rules, row_times(h, *back)) == passes(b.rules, h);
        });
        if (same) return true;
    }
    return false;
}

}  // namespace ped::merge::zones
