#include "common/unit_cell.hpp"

#include <cmath>
#include <vector>

#include "common/cell_cif.hpp"
#include "common/constants.hpp"
#include "common/records.hpp"
#include "common/text.hpp"

namespace ped {

namespace {

double cos_deg(double angle) {
    return std::cos(angle * pi / 180);
}

// 1 - cos^2 alpha - cos^2 beta - cos^2 gamma + 2 cos alpha cos beta cos gamma: (V / abc)^2.
double volume_factor(const UnitCell& c) {
    const double ca = cos_deg(c.alpha), cb = cos_deg(c.beta), cg = cos_deg(c.gamma);
    return 1 - ca * ca - cb * cb - cg * cg + 2 * ca * cb * cg;
}

}  // namespace

CellProblem check_cell(const UnitCell& c) {
    for (double v : {c.a, c.b, c.c, c.alpha, c.beta, c.gamma})
        if (!std::isfinite(v)) return CellProblem::not_six_numbers;
    for (double length : {c.a, c.b, c.c})
        if (!(length > 0)) return CellProblem::length;
    for (double length : {c.a, c.b, c.c})
        if (!(length < kLongestCellLength)) return CellProblem::huge_length;
    for (double angle : {c.alpha, c.beta, c.gamma})
        if (!(angle > 0 && angle < 180)) return CellProblem::angle;
    if (!(volume_factor(c) > 1e-12)) return CellProblem::volume;
    return CellProblem::none;
}

CellProblem parse_cell(const std::string& text, UnitCell& cell) {
    std::vector<double> v;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        double x;
        if (!parse_double(text.substr(start, comma - start), x))
            return CellProblem::not_six_numbers;
        v.push_back(x);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (v.size() != 6) return CellProblem::not_six_numbers;
    cell = {v[0], v[1], v[2], v[3], v[4], v[5]};
    return check_cell(cell);
}

int read_cell_file(const std::string& path, UnitCell& cell, CellProblem& problem, long* line,
                   UnitCell* su) {
    problem = CellProblem::not_six_numbers;
    long found = 0;
    bool cif = false;
    std::string text;  // a CIF's lines
    // The first line that is not blank is the cell, or begins a CIF that holds it.
    const auto each = [&](const std::string& l, long number) {
        if (!found) cif = looks_like_cif(l);
        if (!found || !cif) found = number;
        if (cif) {
            text += l + "\n";
            if (text.size() <= kLongestLine) return true;
            problem = CellProblem::long_line;
            cif = false;  // no cell from a file larger than a line may be
            return false;
        }
        double v[6];
        if (scan_record(l, nullptr, 0, v, 6)) {
            cell = {v[0], v[1], v[2], v[3], v[4], v[5]};
            problem = check_cell(cell);
        }
        return false;
    };
    const auto too_long = [&](long number) {
        found = number;
        problem = CellProblem::long_line;
        cif = false;
        return false;
    };
    const int reason = read_lines(path, each, too_long);
    UnitCell uncertainty;
    if (cif) problem = parse_cell_cif(text, cell, uncertainty);
    if (su) *su = uncertainty;
    if (line) *line = found;
    return reason;
}

ReciprocalMetric::ReciprocalMetric(const UnitCell& c) : lengths_{c.a, c.b, c.c} {
    // The direct metric tensor G (G_ij = a_i . a_j) and its inverse through the adjugate.
    const double ca = cos_deg(c.alpha), cb = cos_deg(c.beta), cg = cos_deg(c.gamma);
    const double g[3][3] = {{c.a * c.a, c.a * c.b * cg, c.a * c.c * cb},
                            {c.a * c.b * cg, c.b * c.b, c.b * c.c * ca},
                            {c.a * c.c * cb, c.b * c.c * ca, c.c * c.c}};
    const double det = g[0][0] * (g[1][1] * g[2][2] - g[1][2] * g[2][1]) -
                       g[0][1] * (g[1][0] * g[2][2] - g[1][2] * g[2][0]) +
                       g[0][2] * (g[1][0] * g[2][1] - g[1][1] * g[2][0]);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            const int i1 = (j + 1) % 3, i2 = (j + 2) % 3, j1 = (i + 1) % 3, j2 = (i + 2) % 3;
            m_[i][j] = (g[i1][j1] * g[i2][j2] - g[i1][j2] * g[i2][j1]) / det;
        }
}

double ReciprocalMetric::g(double h, double k, double l) const {
    const double x[3] = {h, k, l};
    double sum = 0;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) sum += x[i] * m_[i][j] * x[j];
    return std::sqrt(sum > 0 ? sum : 0);
}

double ReciprocalMetric::max_index(int axis, double g_max) const {
    const double index = std::floor(lengths_[axis] * g_max + 1e-9);
    return index > 0 ? index : 0;
}

}  // namespace ped
