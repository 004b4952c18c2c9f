#include "merge/symmetry/hall_guard.hpp"

#include <gemmi/symmetry.hpp>

#include <algorithm>
#include <cstdlib>
#include <exception>

namespace ped::merge {

namespace {

constexpr int kDen = gemmi::Op::DEN;
// No Hall symbol of a space group is longer; longer text is no symbol.
constexpr std::size_t kMaxHall = 80;

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Fault: hall_matrix_symbol adds a screw's translation at index principal_axis - 'x', also
// when the axis is diagonal or implied by no rule ('\0'): a write far outside the translation.
// The terms are read as gemmi reads them, with the axis it would imply.
bool screw_has_principal_axis(const std::string& term, int position, int& previous) {
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
        if (position == 1 || (position == 2 && order == 2 && (previous == 2 || previous == 4)))
            principal = true;
        else if ((position == 2 && order == 2 && (previous == 3 || previous == 6)) ||
                 (position == 3 && order == 3))
            diagonal = true;
        else if (order != 1)
            return false;
    }
    previous = order;
    return !screw || principal;
}

// Fault: parse_triplet_part multiplies each number of a change of basis into an int, which a
// long number overflows. At most two digits, and a fraction only between digits.
bool numbers_are_small(const std::string& inside) {
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
    return true;
}

// Fault: change_basis_impl builds a super-cell of det^3 times the centring vectors for the
// determinant of the inverse change, and Op::inverse multiplies its entries in int: a change
// whose matrix is not integer and unimodular with small entries ("2*x", "x/8") makes both
// absurd. An origin shift ("0 0 5") has no matrix.
bool change_is_unimodular(const std::string& inside) {
    if (inside.find(',') == std::string::npos) return true;
    try {
        const gemmi::Op change = gemmi::parse_triplet(inside);
        for (const auto& row : change.rot)
            for (int v : row)
                if (v % kDen != 0 || std::abs(v) > 3 * kDen) return false;
        return std::abs(change.det_rot()) == kDen * kDen * kDen;
    } catch (const std::exception&) {
        return false;
    }
}

bool change_of_basis_is_safe(const std::string& text, std::size_t open) {
    const std::size_t close = text.find(')', open);
    if (close == std::string::npos) return false;
    if (text.find_first_not_of(" \t\r\n", close + 1) != std::string::npos) return false;
    if (open == 0 || text[open - 1] != ' ') return false;
    const std::string inside = text.substr(open + 1, close - open - 1);
    return numbers_are_small(inside) && change_is_unimodular(inside);
}

bool rotations_are_safe(const std::string& main) {
    std::size_t p = main.find_first_not_of(' ', main[0] == '-' ? 1 : 0);
    if (p == std::string::npos ||
        std::string("PABCIRSTFpabcirstf").find(main[p]) == std::string::npos)
        return false;
    int position = 0, previous = 0;
    for (p = main.find_first_not_of(' ', p + 1); p != std::string::npos;
         p = main.find_first_not_of(' ', p)) {
        const std::size_t end = std::min(main.find(' ', p), main.size());
        const std::string term = main.substr(p, end - p);
        ++position;
        if (term != "1" && !screw_has_principal_axis(term, position, previous)) return false;
        p = end;
    }
    return true;
}

}  // namespace

bool hall_symbol_is_safe(const std::string& symbol) {
    if (symbol.empty() || symbol.size() > kMaxHall) return false;
    const std::size_t open = symbol.find('(');
    if (open != std::string::npos && !change_of_basis_is_safe(symbol, open)) return false;
    return rotations_are_safe(symbol.substr(0, open));
}

}  // namespace ped::merge
