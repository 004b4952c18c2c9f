// gemmi 0.5.7's CIF document does not compile with clang in C++20: this file is built as C++17
// (common/CMakeLists.txt) and its header holds nothing newer.
#include "common/cell_cif.hpp"

#include <gemmi/cif.hpp>

#include <cctype>
#include <cmath>

#include "common/text.hpp"

namespace ped {

std::string with_su(double value, double su, int decimals) {
    if (!(su > 0) || !std::isfinite(su) || !std::isfinite(value))
        return strprintf("%.*f", decimals, value);
    const int exponent = static_cast<int>(std::floor(std::log10(su)));
    const double lead = su / std::pow(10.0, exponent);
    const int places = (lead < 2 ? 2 : 1) - 1 - exponent;  // decimals of the rounded pair
    if (places <= 0) {
        // Whole numbers: the uncertainty rounded to its significant digits, in units.
        const double unit = std::pow(10.0, -places);
        return strprintf("%.0f(%.0f)", std::round(value / unit) * unit,
                         std::round(su / unit) * unit);
    }
    return strprintf("%.*f(%.0f)", places, value, std::round(su * std::pow(10.0, places)));
}

bool parse_with_su(const std::string& text, double& value, double& su) {
    const size_t open = text.find('(');
    su = 0;
    if (open == std::string::npos) return parse_double(text, value);
    if (text.size() < open + 3 || text.back() != ')') return false;
    const std::string number = text.substr(0, open);
    const std::string digits = text.substr(open + 1, text.size() - open - 2);
    for (char c : digits)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    double units;
    if (!parse_double(number, value) || !parse_double(digits, units)) return false;
    const size_t point = number.find('.');
    const size_t decimals = point == std::string::npos ? 0 : number.size() - point - 1;
    su = units / std::pow(10.0, static_cast<double>(decimals));
    return std::isfinite(su);
}

bool looks_like_cif(const std::string& first_line) {
    const size_t start = first_line.find_first_not_of(" \t");
    if (start == std::string::npos) return false;
    if (first_line[start] == '#') return true;
    std::string word = first_line.substr(start, 5);
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word == "data_";
}

CellProblem parse_cell_cif(const std::string& text, UnitCell& cell, UnitCell& su) {
    static const char* const kNames[] = {"_cell_length_a",   "_cell_length_b",
                                         "_cell_length_c",   "_cell_angle_alpha",
                                         "_cell_angle_beta", "_cell_angle_gamma"};
    double* values[] = {&cell.a, &cell.b, &cell.c, &cell.alpha, &cell.beta, &cell.gamma};
    double* sus[] = {&su.a, &su.b, &su.c, &su.alpha, &su.beta, &su.gamma};
    try {
        gemmi::cif::Document doc = gemmi::cif::read_string(text);
        for (gemmi::cif::Block& block : doc.blocks) {
            bool all = true;
            for (int n = 0; n < 6 && all; ++n) {
                const std::string* v = block.find_value(kNames[n]);
                all = v && parse_with_su(gemmi::cif::as_string(*v), *values[n], *sus[n]);
            }
            if (all) return check_cell(cell);
        }
    } catch (const std::exception&) {
        // A text that is no CIF has no cell.
    }
    return CellProblem::not_six_numbers;
}

}  // namespace ped
