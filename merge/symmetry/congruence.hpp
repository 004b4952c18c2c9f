// The rules of reflection conditions: a congruence on the indices, coef . (h, k, l) = 0
// (mod modulus), as the text "h + k = 2n" states it.
#pragma once

#include <gemmi/symmetry.hpp>

#include <optional>
#include <vector>

namespace ped::merge {

struct Congruence {
    gemmi::Op::Miller coef{};
    int modulus = 1;
    bool holds(long long h, long long k, long long l) const {
        return (coef[0] * h + coef[1] * k + coef[2] * l) % modulus == 0;
    }
    bool holds(const gemmi::Op::Miller& hkl) const { return holds(hkl[0], hkl[1], hkl[2]); }
    bool operator==(const Congruence&) const = default;
};

// A congruence with its common factor removed, written with the unit multiple that reads best
// (fewest minus signs, smallest coefficients, positive first): "-h + k + l = 3n", not
// "h - k - l = 3n". No value when it holds everywhere.
std::optional<Congruence> canonical(gemmi::Op::Miller coef, int modulus);

// True when every rule holds.
bool passes(const std::vector<Congruence>& rules, const gemmi::Op::Miller& hkl);

// The least common multiple of the rules' moduli and `period`.
int period_of(const std::vector<Congruence>& rules, int period = 1);

}  // namespace ped::merge
