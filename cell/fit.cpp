#include "fit.hpp"

#include <cmath>

#include "constants.hpp"
#include "matrix.hpp"
#include "messages.hpp"
#include "symmetry.hpp"

namespace ped::cell {

namespace {

constexpr int kDimension = 4;
constexpr double kSqrt3 = 1.7320508075688772;

// The basis values of a reflection; returns their number.
int basis(int symmetry, const Selected& r, double f[4]) {
    const double h = r.h, k = r.k, l = r.l;
    switch (symmetry) {
        case kCubic:
            f[0] = h * h + k * k + l * l;
            return 1;
        case kTetragonal:
            f[0] = h * h + k * k;
            f[1] = l * l;
            return 2;
        case kHexagonal:
            f[0] = h * h + h * k + k * k;
            f[1] = l * l;
            return 2;
        case kOrthorhombic:
            f[0] = h * h;
            f[1] = k * k;
            f[2] = l * l;
            return 3;
        case kMonoclinic:
            f[0] = h * h;
            f[1] = k * k;
            f[2] = l * l;
            f[3] = -2 * h * l;
            return 4;
        default:
            return 0;
    }
}

// Solves the normal system of the set for the coefficients p. False when a diagonal sum is
// zero or the system is singular.
bool solve_coefficients(const std::vector<Selected>& set, int symmetry, double p[4]) {
    const int n = normal_order(symmetry);
    Matrix a(kDimension);
    std::vector<double> v(kDimension, 0.0);
    for (const Selected& r : set) {
        double f[4] = {};
        basis(symmetry, r, f);
        const double q = r.g * r.g;
        for (int j = 0; j < n; ++j) {
            for (int k = 0; k < n; ++k) a(j, k) += f[j] * f[k];
            v[j] += f[j] * q;
        }
    }
    for (int j = 0; j < n; ++j)
        if (a(j, j) == 0) return false;
    if (n == 1) {
        // A single coefficient is a plain quotient.
        p[0] = v[0] / a(0, 0);
        return true;
    }
    inversemat(a, n, kZeroPivot);
    produitmat(a, v, n);
    // A singular system (a zero pivot, already reported by the inversion) leaves coefficients
    // that are not numbers: such a window gives no cell either.
    for (int j = 0; j < n; ++j) {
        if (!std::isfinite(v[j])) return false;
        p[j] = v[j];
    }
    return true;
}

void print_cell(int symmetry, const CellFit& c, std::FILE* out) {
    switch (symmetry) {
        case kCubic:
            std::fprintf(out, kFitCubic, c.a);
            break;
        case kTetragonal:
        case kHexagonal:
            std::fprintf(out, kFitAC, c.a, c.c);
            break;
        case kOrthorhombic:
            std::fprintf(out, kFitABC, c.a, c.b, c.c);
            break;
        case kMonoclinic:
            std::fprintf(out, kFitMonoclinic, c.a, c.b, c.c, c.beta);
            break;
    }
}

}  // namespace

int normal_order(int symmetry) {
    double f[4];
    return basis(symmetry, Selected{}, f);
}

CellFit cell_from_coefficients(int symmetry, const double p[4]) {
    CellFit c;
    switch (symmetry) {
        case kCubic:
            c.a = 1 / std::sqrt(p[0]);
            break;
        case kTetragonal:
            c.a = 1 / std::sqrt(p[0]);
            c.c = 1 / std::sqrt(p[1]);
            break;
        case kHexagonal:
            c.a = 1 / std::sqrt(p[0]);
            c.a = 2 * c.a / kSqrt3;
            c.c = 1 / std::sqrt(p[1]);
            break;
        case kOrthorhombic:
            c.a = 1 / std::sqrt(p[0]);
            c.b = 1 / std::sqrt(p[1]);
            c.c = 1 / std::sqrt(p[2]);
            break;
        case kMonoclinic: {
            c.a = std::sqrt(p[2] / (p[0] * p[2] - p[3] * p[3]));
            c.b = 1 / std::sqrt(p[1]);
            c.c = c.a * std::sqrt(p[0] / p[2]);
            // sin(beta); rounding can push it past 1 when beta is close to 90 degrees.
            double s = std::sqrt(1 / (c.a * c.a * p[0]));
            if (s > 1) s = 1;
            c.beta = std::asin(s) * 180 / pi;
            // p4 = cos(beta) / (a c sin^2 beta): an obtuse angle has a negative p4.
            if (p[3] < 0) c.beta = 180 - c.beta;
            break;
        }
    }
    return c;
}

double g_calc(int symmetry, const CellFit& c, int hi, int ki, int li) {
    const double h = hi, k = ki, l = li;
    switch (symmetry) {
        case kCubic:
            return std::sqrt(h * h + k * k + l * l) / c.a;
        case kTetragonal:
            return std::sqrt((h * h + k * k) / (c.a * c.a) + l * l / (c.c * c.c));
        case kHexagonal:
            return std::sqrt(4 * (h * h + h * k + k * k) / (3 * c.a * c.a) + l * l / (c.c * c.c));
        case kOrthorhombic:
            return std::sqrt(h * h / (c.a * c.a) + k * k / (c.b * c.b) + l * l / (c.c * c.c));
        case kMonoclinic: {
            const double beta = c.beta * pi / 180;
            const double s2 = std::sin(beta) * std::sin(beta);
            return std::sqrt(h * h / (c.a * c.a * s2) + k * k / (c.b * c.b) +
                             l * l / (c.c * c.c * s2) +
                             -2 * h * l * std::cos(beta) / (c.a * c.c * s2));
        }
        default:
            return 0;
    }
}

bool fit_window(const std::vector<Selected>& set, int symmetry, std::FILE* out, CellFit& fit) {
    if (!is_refined_system(symmetry)) {
        std::fputs(kLowerSymmetry, out);
        fit = CellFit{};
        return true;
    }
    double p[4] = {};
    if (!solve_coefficients(set, symmetry, p)) return false;
    CellFit c = cell_from_coefficients(symmetry, p);
    print_cell(symmetry, c, out);
    double sum = 0;
    for (const Selected& r : set) {
        const double d = r.g - g_calc(symmetry, c, r.h, r.k, r.l);
        sum += d * d;
    }
    std::fprintf(out, kChi2, sum);
    c.mean_sq = sum / static_cast<double>(set.size());
    std::fprintf(out, kMeanResidual, c.mean_sq);
    fit = c;
    return true;
}

}  // namespace ped::cell
