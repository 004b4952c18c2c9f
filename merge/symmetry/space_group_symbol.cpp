// Finding a space group: a number, a Hermann-Mauguin symbol in any setting of gemmi's table or
// a Hall symbol becomes the group's operations. gemmi's Hall parser is handed only symbols it
// reads safely (hall_guard), and what it builds is kept only when it is a group.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <exception>

#include "merge/symmetry/hall_guard.hpp"
#include "merge/symmetry/space_group.hpp"

namespace ped::merge {

namespace {

using gemmi::Op;

constexpr int kDen = Op::DEN;
constexpr int kMaxEntry = 12;  // larger rotation entries are refused as absurd settings

// Integer rotations with small entries and a determinant of 1 or -1.
bool integer_rotations(const gemmi::GroupOps& ops) {
    for (const Op& op : ops.sym_ops) {
        for (const auto& row : op.rot)
            for (int v : row)
                if (v % kDen != 0 || std::abs(v) > kMaxEntry * kDen) return false;
        if (std::abs(op.det_rot()) != kDen * kDen * kDen) return false;
    }
    return true;
}

bool is_centring(const gemmi::GroupOps& ops, Op::Tran t) {
    for (int& v : t) v = ((v % kDen) + kDen) % kDen;
    return std::find(ops.cen_ops.begin(), ops.cen_ops.end(), t) != ops.cen_ops.end();
}

// gemmi closes a Hall symbol's generators by their rotations only: a second operation of one
// rotation ("C 1ab"), translations that do not agree (a product a translation away from the
// operation of its rotation) or a centring that a rotation does not keep ("A 4") pass
// unnoticed, and the operations form no group.
bool forms_group(const gemmi::GroupOps& ops) {
    for (const Op& a : ops.sym_ops) {
        if (ops.find_by_rotation(a.rot) != &a) return false;
        for (const Op& b : ops.sym_ops) {
            const Op product = a * b;
            const Op* same = ops.find_by_rotation(product.rot);
            if (!same) return false;
            const Op::Tran& t = same->tran;
            if (!is_centring(
                    ops, {product.tran[0] - t[0], product.tran[1] - t[1], product.tran[2] - t[2]}))
                return false;
        }
        for (const Op::Tran& c : ops.cen_ops)
            if (!is_centring(ops, (Op{a.rot, {0, 0, 0}} * Op{Op::identity().rot, c}).tran))
                return false;
    }
    return true;
}

// The operations as a setting holds them, when they form a group of integer rotations.
std::optional<gemmi::GroupOps> checked(gemmi::GroupOps ops) {
    if (ops.sym_ops.empty() || ops.cen_ops.empty()) return std::nullopt;
    for (Op& op : ops.sym_ops) op.wrap();
    for (Op::Tran& c : ops.cen_ops) c = Op{Op::identity().rot, c}.wrap().tran;
    if (ops.sym_ops[0] != Op::identity() || ops.cen_ops[0] != Op::Tran{0, 0, 0})
        return std::nullopt;
    if (!integer_rotations(ops) || !forms_group(ops)) return std::nullopt;
    return ops;
}

std::optional<SpaceGroupSetting> from_table(const gemmi::SpaceGroup& sg) {
    std::optional<gemmi::GroupOps> ops;
    try {
        ops = checked(sg.operations());
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (!ops) return std::nullopt;
    return SpaceGroupSetting{sg.xhm(), sg.hall, sg.number, *ops};
}

std::optional<SpaceGroupSetting> from_hall(const std::string& text) {
    if (!hall_symbol_is_safe(text)) return std::nullopt;
    try {
        const std::optional<gemmi::GroupOps> ops = checked(gemmi::symops_from_hall(text.c_str()));
        if (!ops) return std::nullopt;
        const gemmi::SpaceGroup* sg = nullptr;
        for (const gemmi::SpaceGroup& t : gemmi::spacegroup_tables::main)
            if (!sg && text == t.hall) sg = &t;
        if (!sg) sg = gemmi::find_spacegroup_by_ops(*ops);
        return SpaceGroupSetting{sg ? sg->xhm() : text, text, sg ? sg->number : 0, *ops};
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::string trimmed(const std::string& text) {
    const std::size_t b = text.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return "";
    return text.substr(b, text.find_last_not_of(" \t\r\n") + 1 - b);
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// A Hermann-Mauguin symbol in the forms gemmi reads: "2_1" and "2(1)" become "21".
std::string gemmi_hm_form(const std::string& text) {
    std::string s;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool after_digit = !s.empty() && is_digit(s.back());
        if (c == '_' && after_digit && i + 1 < text.size() && is_digit(text[i + 1])) continue;
        if (c == '(' && after_digit && i + 2 < text.size() && is_digit(text[i + 1]) &&
            text[i + 2] == ')') {
            s += text[i + 1];
            i += 2;
            continue;
        }
        s += c;
    }
    return s;
}

// Cubic symbols written without their bar: "Fd3m", "Pm3", "Ia3d", "I43d".
const gemmi::SpaceGroup* find_cubic_without_bar(const std::string& s) {
    if (s.find('-') != std::string::npos) return nullptr;
    const std::size_t three = s.find('3');
    if (three == std::string::npos || three < 2) return nullptr;
    std::size_t bar = three;
    if (s[three - 1] == '4')
        bar = three - 1;
    else if (s[three - 1] == ' ' && three >= 3 && s[three - 2] == '4')
        bar = three - 2;
    const gemmi::SpaceGroup* sg =
        gemmi::find_spacegroup_by_name(s.substr(0, bar) + "-" + s.substr(bar));
    return sg && sg->number >= 195 ? sg : nullptr;
}

const gemmi::SpaceGroup* find_hm(const std::string& text) {
    // gemmi reads one character after ':' and ignores what follows; refuse that.
    const std::size_t colon = text.find(':');
    if (colon != std::string::npos && trimmed(text.substr(colon + 1)).size() != 1) return nullptr;
    if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0]))) return nullptr;
    const std::string s = gemmi_hm_form(text);
    if (const gemmi::SpaceGroup* sg = gemmi::find_spacegroup_by_name(s)) return sg;
    return find_cubic_without_bar(s);
}

}  // namespace

bool names_a_number(const std::string& text) {
    const std::string s = trimmed(text);
    return !s.empty() && std::all_of(s.begin(), s.end(), is_digit);
}

std::optional<SpaceGroupSetting> find_space_group(const std::string& text) {
    const std::string s = trimmed(text);
    if (s.empty() || s.find('\0') != std::string::npos) return std::nullopt;
    if (names_a_number(s)) {
        if (s.size() > 3) return std::nullopt;
        return standard_setting(std::atoi(s.c_str()));
    }
    // "Hall: P 2" for a Hall symbol that also reads as a Hermann-Mauguin one.
    if (s.size() > 5 && (s.compare(0, 5, "Hall:") == 0 || s.compare(0, 5, "hall:") == 0))
        return from_hall(trimmed(s.substr(5)));
    if (const gemmi::SpaceGroup* sg = find_hm(s)) return from_table(*sg);
    return from_hall(s);
}

std::optional<SpaceGroupSetting> standard_setting(int number) {
    if (number < 1 || number > 230) return std::nullopt;
    try {
        return from_table(gemmi::get_spacegroup_reference_setting(number));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace ped::merge
