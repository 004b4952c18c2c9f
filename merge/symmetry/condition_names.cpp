#include "merge/symmetry/condition_names.hpp"

#include <algorithm>
#include <cstdlib>

#include "merge/symmetry/integer_kernel.hpp"

namespace ped::merge::zones {

namespace {

using gemmi::Op;

const char kLetters[] = "hkl";

// One index of a zone's points in terms of its parameters: "0", "h", "-2h", "(h-k)".
std::string index_text(const std::vector<int>& coef, const std::vector<int>& pivots) {
    std::string s;
    int n = 0;
    for (std::size_t j = 0; j < coef.size(); ++j) {
        const int c = coef[j];
        if (c == 0) continue;
        ++n;
        if (c < 0)
            s += "-";
        else if (!s.empty())
            s += "+";
        if (std::abs(c) != 1) s += std::to_string(std::abs(c));
        s += kLetters[pivots[j]];
    }
    if (n == 0) return "0";
    return n == 1 ? s : "(" + s + ")";
}

}  // namespace

std::string linear_form(const Op::Miller& coef) {
    std::string s;
    for (int i = 0; i < 3; ++i) {
        const int c = coef[i];
        if (c == 0) continue;
        if (s.empty())
            s += c < 0 ? "-" : "";
        else
            s += c < 0 ? " - " : " + ";
        if (std::abs(c) != 1) s += std::to_string(std::abs(c));
        s += kLetters[i];
    }
    return s;
}

std::string rules_text(std::vector<Congruence> rules) {
    std::sort(rules.begin(), rules.end(), [](const Congruence& a, const Congruence& b) {
        if (a.modulus != b.modulus) return a.modulus > b.modulus;
        return a.coef > b.coef;
    });
    std::string s;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        if (i > 0) s += ", ";
        s += linear_form(rules[i].coef);
        if (i + 1 == rules.size() || rules[i + 1].modulus != rules[i].modulus)
            s += " = " + std::to_string(rules[i].modulus) + "n";
    }
    return s;
}

bool hexagonal_axes(const gemmi::GroupOps& ops) {
    return std::any_of(ops.sym_ops.begin(), ops.sym_ops.end(), [](const Op& op) {
        return op.rot_type() == 3 && op.rot[0][2] == 0 && op.rot[1][2] == 0 &&
               op.rot[2][2] == Op::DEN;
    });
}

std::string zone_name(const ReciprocalZone& z, bool hexagonal) {
    if (!z.unit) {
        // A zone that no pair of its indices can name: its equations.
        Op::Rot rows{};
        for (std::size_t j = 0; j < z.basis.size(); ++j) rows[j] = z.basis[j];
        std::string s = "hkl with ";
        bool first = true;
        for (const Op::Miller& n : integer_kernel(rows)) {
            s += (first ? "" : ", ") + linear_form(n) + " = 0";
            first = false;
        }
        return s;
    }
    std::string index[3];
    for (int i = 0; i < 3; ++i) {
        std::vector<int> coef;
        for (const Op::Miller& b : z.basis) coef.push_back(b[i]);
        index[i] = index_text(coef, z.pivots);
    }
    if (!hexagonal) return index[0] + index[1] + index[2];
    std::vector<int> coef;
    for (const Op::Miller& b : z.basis) coef.push_back(-b[0] - b[1]);
    std::string i = index_text(coef, z.pivots);
    if (i == "(-h-k)") i = "i";
    return index[0] + index[1] + i + index[2];
}

NameKey name_key(const ReciprocalZone& z, const std::string& name, bool hexagonal) {
    const int minus = static_cast<int>(std::count(name.begin(), name.end(), '-'));
    if (!z.unit) return {1000, Op::Miller{}, name};
    if (hexagonal) {
        Op::Miller signs{};
        const auto sign_rank = [](int v) { return v > 0 ? 0 : v < 0 ? 1 : 2; };
        // The sign of h, k and i along the zone's first parameter that moves them.
        for (int i = 0; i < 3; ++i) {
            int v = 0;
            for (const Op::Miller& b : z.basis) {
                const int c = i < 2 ? b[i] : -b[0] - b[1];
                if (v == 0) v = c;
            }
            signs[i] = sign_rank(v);
        }
        return {minus, signs, name};
    }
    if (z.dimension() == 1) {
        const Op::Miller& d = z.basis[0];
        return {minus, Op::Miller{-d[0], -d[1], -d[2]}, name};
    }
    return {minus, Op::Miller{}, name};
}

}  // namespace ped::merge::zones
