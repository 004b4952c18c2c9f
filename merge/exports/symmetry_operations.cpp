#include "merge/exports/symmetry_operations.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <numeric>

namespace ped::merge {

namespace {

using gemmi::Op;

// SHELX's lattice type (1 to 7) of gemmi's centring letter; 0 for a centring SHELX has none
// for.
int lattice_type(char centring) {
    const std::string types = "PIRFABC";
    const std::size_t n = types.find(centring);
    return centring != 0 && n != std::string::npos ? static_cast<int>(n) + 1 : 0;
}

Op wrapped(Op op) {
    return op.wrap();
}

// True when the inversion at the origin is an operation of the group, with a centring.
bool inversion_at_origin(const gemmi::GroupOps& ops) {
    const Op* inversion = ops.find_by_rotation(Op::identity().negated_rot());
    return inversion && std::any_of(ops.cen_ops.begin(), ops.cen_ops.end(), [&](const auto& c) {
               return wrapped({inversion->rot, c}).tran == wrapped(*inversion).tran;
           });
}

// "1/2-X+Y": the translation first, as SHELX's manual writes the cards.
std::string card_part(const std::array<int, 3>& row, int translation) {
    std::string s;
    if (translation != 0) {
        const int d = std::gcd(translation, Op::DEN);
        s = std::to_string(translation / d) + "/" + std::to_string(Op::DEN / d);
    }
    for (int j = 0; j < 3; ++j) {
        const int v = row[j] / Op::DEN;
        if (v == 0) continue;
        if (v < 0)
            s += '-';
        else if (!s.empty())
            s += '+';
        if (std::abs(v) != 1) s += std::to_string(std::abs(v)) + "*";
        s += "XYZ"[j];
    }
    return s;
}

std::string card(const Op& op) {
    return card_part(op.rot[0], op.tran[0]) + ", " + card_part(op.rot[1], op.tran[1]) + ", " +
           card_part(op.rot[2], op.tran[2]);
}

}  // namespace

ShelxSymmetry shelx_symmetry(const SpaceGroupSetting& group) {
    const int type = lattice_type(group.ops.find_centering());
    const bool centric = inversion_at_origin(group.ops);
    // The operations the cards must give: with a lattice type, one per rotation; otherwise
    // every operation with every centring translation.
    gemmi::GroupOps given = group.ops;
    if (type) given.cen_ops = {{0, 0, 0}};
    std::vector<Op> operations;
    for (const Op op : given) operations.push_back(op);
    // (-R, -t), which SHELX adds for (R, t) with a positive LATT; the lattice type's own
    // translations are added anyway.
    const auto partner = [type](const Op& a, const Op& b) {
        return a.rot == b.negated_rot() &&
               (type || wrapped(a.translated(b.tran)).tran == Op::Tran{0, 0, 0});
    };
    ShelxSymmetry cards;
    cards.latt = (type ? type : 1) * (centric ? 1 : -1);
    std::vector<Op> kept{operations[0]};  // the identity, implied
    for (std::size_t i = 1; i < operations.size(); ++i) {
        const Op& op = operations[i];
        if (centric &&
            std::any_of(kept.begin(), kept.end(), [&](const Op& k) { return partner(k, op); }))
            continue;
        kept.push_back(op);
        cards.symm.push_back(card(op));
    }
    return cards;
}

}  // namespace ped::merge
