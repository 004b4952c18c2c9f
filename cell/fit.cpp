#include "cell/fit.hpp"

#include <cmath>

#include "cell/messages.hpp"
#include "common/format.hpp"
#include "common/matrix.hpp"

namespace ped::cell {

namespace {

constexpr int kDimension = 4;

// The sums of the normal system of order N, each taken in the order of the set. N is known
// when compiling, so that the sums stay apart in registers.
template <int N>
void accumulate(const std::vector<Selected>& set, const CrystalSystem& system,
                double sums[kDimension][kDimension], double rhs[kDimension]) {
    double a[N][N] = {}, v[N] = {};
    for (const Selected& r : set) {
        double f[4] = {};
        system.basis(r.h, r.k, r.l, f);
        const double q = r.g * r.g;
        for (int j = 0; j < N; ++j) {
            for (int k = 0; k < N; ++k) a[j][k] += f[j] * f[k];
            v[j] += f[j] * q;
        }
    }
    for (int j = 0; j < N; ++j) {
        for (int k = 0; k < N; ++k) sums[j][k] = a[j][k];
        rhs[j] = v[j];
    }
}

// Solves the normal system of the set for the coefficients p. False when a diagonal sum is
// zero or the system is singular.
bool solve_coefficients(const std::vector<Selected>& set, const CrystalSystem& system,
                        double p[4]) {
    const int n = system.order;
    double sums[kDimension][kDimension] = {}, rhs[kDimension] = {};
    switch (n) {
        case 1:
            accumulate<1>(set, system, sums, rhs);
            break;
        case 2:
            accumulate<2>(set, system, sums, rhs);
            break;
        case 3:
            accumulate<3>(set, system, sums, rhs);
            break;
        default:
            accumulate<4>(set, system, sums, rhs);
    }
    Matrix a(kDimension);
    std::vector<double> v(rhs, rhs + kDimension);
    for (int j = 0; j < n; ++j)
        for (int k = 0; k < n; ++k) a(j, k) = sums[j][k];
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

}  // namespace

bool fit_window(const std::vector<Selected>& set, int symmetry, std::FILE* out, CellFit& fit) {
    const CrystalSystem* system = crystal_system(symmetry);
    if (!system) {
        std::fputs(kLowerSymmetry, out);
        fit = CellFit{};
        return true;
    }
    double p[4] = {};
    if (!solve_coefficients(set, *system, p)) return false;
    CellFit c = system->cell_from(p);
    double shown[4] = {};
    for (size_t j = 0; j < system->parameters.size(); ++j) shown[j] = c.*system->parameters[j];
    print(out, system->fit, shown[0], shown[1], shown[2], shown[3]);
    const GCalc g_calc = system->g_calc(c);
    double sum = 0;
    for (const Selected& r : set) {
        const double d = r.g - g_calc(r.h, r.k, r.l);
        sum += d * d;
    }
    print(out, kChi2, sum);
    c.mean_sq = sum / static_cast<double>(set.size());
    print(out, kMeanResidual, c.mean_sq);
    fit = c;
    return true;
}

}  // namespace ped::cell
