#include "merge/symmetry/congruence.hpp"

#include <cstdlib>
#include <numeric>
#include <tuple>

namespace ped::merge {

namespace {

int wrap(long long v, int n) {
    const long long r = v % n;
    return static_cast<int>(r < 0 ? r + n : r);
}

// coef times the unit u, each coefficient between -modulus/2 and modulus/2.
Congruence multiple(const gemmi::Op::Miller& coef, int u, int modulus) {
    Congruence c{{}, modulus};
    for (int i = 0; i < 3; ++i) {
        const int v = wrap(static_cast<long long>(coef[i]) * u, modulus);
        c.coef[i] = 2 * v > modulus ? v - modulus : v;
    }
    return c;
}

}  // namespace

std::optional<Congruence> canonical(gemmi::Op::Miller coef, int modulus) {
    for (int& c : coef) c = wrap(c, modulus);
    const int g = std::gcd(std::gcd(coef[0], coef[1]), std::gcd(coef[2], modulus));
    if (g == modulus) return std::nullopt;
    modulus /= g;
    for (int& c : coef) c /= g;
    const auto key = [](const Congruence& c) {
        int minus = 0, size = 0;
        for (int v : c.coef) {
            minus += v < 0;
            size += std::abs(v);
        }
        return std::make_tuple(minus, size, -c.coef[0], -c.coef[1], -c.coef[2]);
    };
    std::optional<Congruence> best;
    for (int u = 1; u < modulus; ++u) {
        if (std::gcd(u, modulus) != 1) continue;
        const Congruence c = multiple(coef, u, modulus);
        if (!best || key(c) < key(*best)) best = c;
    }
    return best;
}

bool passes(const std::vector<Congruence>& rules, const gemmi::Op::Miller& hkl) {
    for (const Congruence& c : rules)
        if (!c.holds(hkl)) return false;
    return true;
}

int period_of(const std::vector<Congruence>& rules, int period) {
    for (const Congruence& c : rules) period = std::lcm(period, c.modulus);
    return period;
}

}  // namespace ped::merge
