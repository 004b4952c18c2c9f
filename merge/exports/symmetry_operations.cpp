#include "merge/exports/symmetry_operations.hpp"

#include <gemmi/symmetry.hpp>

#include <algorithm>
#include <numeric>

#include "merge/symmetry/integer_matrix.hpp"

namespace ped::merge {

namespace {

using namespace intmat;

constexpr int kDen = kTranslationDenominator;

struct Operation {
    IntMatrix rotation;
    IntRow translation;  // in 24ths, 0 to 23
};

IntRow shifted(const IntRow& t, const IntRow& c) {
    return {wrap(t[0] + c[0], kDen), wrap(t[1] + c[1], kDen), wrap(t[2] + c[2], kDen)};
}

// SHELX's lattice type (1 to 7) of a set of centring translations; 0 for none of them.
int lattice_type(std::vector<IntRow> centring) {
    constexpr int h = kDen / 2, t = kDen / 3;
    const std::vector<std::vector<IntRow>> types = {{{0, 0, 0}},
                                                    {{0, 0, 0}, {h, h, h}},
                                                    {{0, 0, 0}, {t, 2 * t, 2 * t}, {2 * t, t, t}},
                                                    {{0, 0, 0}, {0, h, h}, {h, 0, h}, {h, h, 0}},
                                                    {{0, 0, 0}, {0, h, h}},
                                                    {{0, 0, 0}, {h, 0, h}},
                                                    {{0, 0, 0}, {h, h, 0}}};
    for (IntRow& c : centring) c = shifted(c, {});
    std::sort(centring.begin(), centring.end());
    for (size_t n = 0; n < types.size(); ++n)
        if (centring == types[n]) return static_cast<int>(n) + 1;
    return 0;
}

// "1/2-X+Y": the translation first, as SHELX's manual writes the cards.
std::string card_part(const IntRow& row, int translation) {
    std::string s;
    if (translation != 0) {
        const int d = std::gcd(translation, kDen);
        s = std::to_string(translation / d) + "/" + std::to_string(kDen / d);
    }
    for (int j = 0; j < 3; ++j) {
        if (row[j] == 0) continue;
        if (row[j] < 0)
            s += '-';
        else if (!s.empty())
            s += '+';
        if (std::abs(row[j]) != 1) s += std::to_string(std::abs(row[j])) + "*";
        s += "XYZ"[j];
    }
    return s;
}

}  // namespace

std::vector<std::string> operation_triplets(const SpaceGroupSetting& group) {
    std::vector<std::string> triplets;
    for (const IntRow& c : group.centring)
        for (size_t i = 0; i < group.rotations.size(); ++i) {
            gemmi::Op op;
            for (int r = 0; r < 3; ++r)
                for (int col = 0; col < 3; ++col)
                    op.rot[r][col] = group.rotations[i][r][col] * kDen;
            const IntRow t = shifted(group.translations[i], c);
            op.tran = {t[0], t[1], t[2]};
            triplets.push_back(op.triplet());
        }
    return triplets;
}

ShelxSymmetry shelx_symmetry(const SpaceGroupSetting& group) {
    const int type = lattice_type(group.centring);
    // The operations the cards must give: with a lattice type, one per rotation; otherwise
    // every operation with every centring translation.
    std::vector<Operation> operations;
    const std::vector<IntRow> centring = type ? std::vector<IntRow>{{0, 0, 0}} : group.centring;
    for (const IntRow& c : centring)
        for (size_t i = 0; i < group.rotations.size(); ++i)
            operations.push_back({group.rotations[i], shifted(group.translations[i], c)});

    const IntMatrix inversion = negated(identity_matrix());
    bool centric = false;
    for (size_t i = 0; i < group.rotations.size(); ++i)
        for (const IntRow& c : group.centring)
            if (group.rotations[i] == inversion &&
                shifted(group.translations[i], {}) == shifted(c, {}))
                centric = true;

    ShelxSymmetry cards;
    cards.latt = (type ? type : 1) * (centric ? 1 : -1);
    // (-R, -t), which SHELX adds for (R, t) with a positive LATT; the lattice type's own
    // translations are added anyway.
    const auto partner = [type](const Operation& a, const Operation& b) {
        return a.rotation == negated(b.rotation) &&
               (type || shifted(a.translation, b.translation) == IntRow{});
    };
    std::vector<Operation> kept{operations[0]};  // the identity, implied
    for (size_t i = 1; i < operations.size(); ++i) {
        const Operation& op = operations[i];
        if (centric && std::any_of(kept.begin(), kept.end(),
                                   [&](const Operation& k) { return partner(k, op); }))
            continue;
        kept.push_back(op);
        cards.symm.push_back(card_part(op.rotation[0], op.translation[0]) + ", " +
                             card_part(op.rotation[1], op.translation[1]) + ", " +
                             card_part(op.rotation[2], op.translation[2]));
    }
    return cards;
}

}  // namespace ped::merge
