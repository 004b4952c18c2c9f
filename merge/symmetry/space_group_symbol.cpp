// Finding a space group: a number, a Hermann-Mauguin symbol in any setting of gemmi's table or
// a Hall symbol becomes the group's operations, checked to form a group. gemmi's Hall parser
// is handed only symbols it reads safely.
#include <gemmi/symmetry.hpp>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <exception>

#include "merge/symmetry/integer_matrix.hpp"
#include "merge/symmetry/symmetry.hpp"

namespace ped::merge {

namespace {

using namespace intmat;

static_assert(gemmi::Op::DEN == kTranslationDenominator, "translations in 24ths");
constexpr int kDen = kTranslationDenominator;
constexpr int kMaxEntry = 12;         // larger matrix entries are refused as absurd settings
constexpr std::size_t kMaxHall = 80;  // longest Hall symbol handed to gemmi

std::optional<SpaceGroupSetting> from_operations(const gemmi::GroupOps& ops) {
    if (ops.sym_ops.empty() || ops.sym_ops.size() > 48 || ops.cen_ops.empty() ||
        ops.cen_ops.size() > 64)
        return std::nullopt;
    SpaceGroupSetting g;
    for (const gemmi::Op& op : ops.sym_ops) {
        IntMatrix m{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                if (op.rot[i][j] % kDen != 0) return std::nullopt;
                m[i][j] = op.rot[i][j] / kDen;
                if (std::abs(m[i][j]) > kMaxEntry) return std::nullopt;
            }
        if (std::llabs(determinant(m)) != 1) return std::nullopt;
        g.rotations.push_back(m);
        g.translations.push_back(
            {wrap(op.tran[0], kDen), wrap(op.tran[1], kDen), wrap(op.tran[2], kDen)});
    }
    for (const gemmi::Op::Tran& c : ops.cen_ops)
        g.centring.push_back({wrap(c[0], kDen), wrap(c[1], kDen), wrap(c[2], kDen)});
    if (g.rotations[0] != identity_matrix() || g.translations[0] != IntRow{} ||
        g.centring[0] != IntRow{})
        return std::nullopt;

    // gemmi builds the operations with integer arithmetic: make sure they form a group.
    const auto is_centring = [&g](IntRow t) {
        for (int& v : t) v = wrap(v, kDen);
        return std::find(g.centring.begin(), g.centring.end(), t) != g.centring.end();
    };
    const std::size_t n = g.rotations.size();
    for (std::size_t a = 0; a < n; ++a)
        for (std::size_t b = 0; b < a; ++b)
            if (g.rotations[a] == g.rotations[b]) return std::nullopt;
    for (std::size_t a = 0; a < n; ++a) {
        for (std::size_t b = 0; b < n; ++b) {
            const IntMatrix r = product(g.rotations[a], g.rotations[b]);
            const auto found = std::find(g.rotations.begin(), g.rotations.end(), r);
            if (found == g.rotations.end()) return std::nullopt;
            const std::size_t c = static_cast<std::size_t>(found - g.rotations.begin());
            IntRow t = times_column(g.rotations[a], g.translations[b]);
            for (int i = 0; i < 3; ++i) t[i] += g.translations[a][i] - g.translations[c][i];
            if (!is_centring(t)) return std::nullopt;
        }
        for (const IntRow& c : g.centring)
            if (!is_centring(times_column(g.rotations[a], c))) return std::nullopt;
    }
    for (const IntRow& c : g.centring)
        for (const IntRow& d : g.centring)
            if (!is_centring({c[0] + d[0], c[1] + d[1], c[2] + d[2]})) return std::nullopt;
    return g;
}

std::optional<SpaceGroupSetting> from_table(const gemmi::SpaceGroup& sg) {
    std::optional<SpaceGroupSetting> g;
    try {
        g = from_operations(sg.operations());
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (g) {
        g->name = sg.xhm();
        g->hall = sg.hall;
        g->number = sg.number;
    }
    return g;
}

std::string trimmed(const std::string& text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t b = 0, e = text.size();
    while (b < e && blank(text[b])) ++b;
    while (e > b && blank(text[e - 1])) --e;
    return text.substr(b, e - b);
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// A Hermann-Mauguin symbol in the forms gemmi reads: "2_1" and "2(1)" become "21".
std::string gemmi_hm_form(const std::string& text) {
    std::string s;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '_' && !s.empty() && is_digit(s.back()) && i + 1 < text.size() &&
            is_digit(text[i + 1]))
            continue;
        if (c == '(' && !s.empty() && is_digit(s.back()) && i + 2 < text.size() &&
            is_digit(text[i + 1]) && text[i + 2] == ')') {
            s += text[i + 1];
            i += 2;
            continue;
        }
        s += c;
    }
    return s;
}

const gemmi::SpaceGroup* find_hm(const std::string& text) {
    // gemmi reads one character after ':' and ignores what follows; refuse that.
    const std::size_t colon = text.find(':');
    if (colon != std::string::npos && trimmed(text.substr(colon + 1)).size() != 1) return nullptr;
    if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0]))) return nullptr;
    const std::string s = gemmi_hm_form(text);
    if (const gemmi::SpaceGroup* sg = gemmi::find_spacegroup_by_name(s)) return sg;
    // Cubic symbols written without their bar: "Fd3m", "Pm3", "Ia3d", "I43d".
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

// gemmi 0.5.7 reads a Hall symbol with integer arithmetic that can overflow and, for a screw
// without a principal axis ("P 6 21"), writes outside an array. Only symbols that stay clear of
// both reach it: the rotation terms are checked as gemmi reads them, and a change of basis must
// be unimodular with small entries.
bool safe_hall_rotation(const std::string& term, int position, int& previous) {
    std::size_t p = term[0] == '-' ? 1 : 0;
    if (p >= term.size()) return false;
    const char n = term[p];
    if (n != '1' && n != '2' && n != '3' && n != '4' && n != '6') return false;
    const int order = n - '0';
    bool screw = false, principal = false, diagonal = false;
    for (++p; p < term.size(); ++p) {
        const char c = term[p];
        if (c >= '1' && c <= '5') {
            if (screw) return false;
            screw = true;
        } else if (c == '\'' || c == '"' || c == '*') {
            if (order != (c == '*' ? 3 : 2)) return false;
            diagonal = true;
        } else if (c == 'x' || c == 'y' || c == 'z') {
            principal = true;
        } else if (std::string("abcnuvwd").find(c) == std::string::npos) {
            return false;
        }
    }
    if (!principal && !diagonal) {
        if (position == 1)
            principal = true;
        else if (position == 2 && order == 2 && (previous == 2 || previous == 4))
            principal = true;
        else if (position == 2 && order == 2 && (previous == 3 || previous == 6))
            diagonal = true;
        else if (position == 3 && order == 3)
            diagonal = true;
        else if (order != 1)
            return false;
    }
    previous = order;
    return !screw || principal;
}

bool safe_change_of_basis(const std::string& inside) {
    int digits = 0;
    for (std::size_t i = 0; i < inside.size(); ++i) {
        const char c = inside[i];
        if (is_digit(c)) {
            if (++digits > 2) return false;
            continue;
        }
        digits = 0;
        if (c == '/' && (i == 0 || !is_digit(inside[i - 1]) || i + 1 == inside.size() ||
                         !is_digit(inside[i + 1])))
            return false;
        if (std::string(" ,+-/xyz").find(c) == std::string::npos) return false;
    }
    if (inside.find(',') == std::string::npos) return true;  // an origin shift "0 0 5"
    try {
        const gemmi::Op cob = gemmi::parse_triplet(inside);
        IntMatrix m{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                if (cob.rot[i][j] % kDen != 0 || std::abs(cob.rot[i][j]) > 3 * kDen) return false;
                m[i][j] = cob.rot[i][j] / kDen;
            }
        return std::llabs(determinant(m)) == 1;
    } catch (const std::exception&) {
        return false;
    }
}

bool safe_hall(const std::string& text) {
    if (text.size() > kMaxHall) return false;
    const std::size_t open = text.find('(');
    const std::string main = text.substr(0, open);
    if (open != std::string::npos) {
        const std::size_t close = text.find(')', open);
        if (close == std::string::npos || !trimmed(text.substr(close + 1)).empty()) return false;
        if (open == 0 || text[open - 1] != ' ') return false;
        if (!safe_change_of_basis(text.substr(open + 1, close - open - 1))) return false;
    }
    std::size_t p = 0;
    if (p < main.size() && main[p] == '-') ++p;
    while (p < main.size() && main[p] == ' ') ++p;
    if (p >= main.size() || std::string("PABCIRSTFpabcirstf").find(main[p]) == std::string::npos)
        return false;
    ++p;
    int position = 0, previous = 0;
    while (p < main.size()) {
        if (main[p] == ' ') {
            ++p;
            continue;
        }
        const std::size_t end = std::min(main.find(' ', p), main.size());
        const std::string term = main.substr(p, end - p);
        ++position;
        if (term != "1" && !safe_hall_rotation(term, position, previous)) return false;
        p = end;
    }
    return true;
}

std::optional<SpaceGroupSetting> from_hall(const std::string& text) {
    if (!safe_hall(text)) return std::nullopt;
    std::optional<SpaceGroupSetting> g;
    const gemmi::SpaceGroup* sg = nullptr;
    try {
        const gemmi::GroupOps ops = gemmi::symops_from_hall(text.c_str());
        g = from_operations(ops);
        for (const gemmi::SpaceGroup& t : gemmi::spacegroup_tables::main)
            if (!sg && text == t.hall) sg = &t;
        if (g && !sg) sg = gemmi::find_spacegroup_by_ops(ops);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (!g) return std::nullopt;
    if (sg) {
        g->name = sg->xhm();
        g->number = sg->number;
    } else {
        g->name = text;
    }
    g->hall = text;
    return g;
}

}  // namespace

std::optional<SpaceGroupSetting> find_space_group(const std::string& text) {
    const std::string s = trimmed(text);
    if (s.empty() || s.find('\0') != std::string::npos) return std::nullopt;
    if (std::all_of(s.begin(), s.end(), is_digit)) {
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
