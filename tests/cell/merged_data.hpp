// Merged files made from known cells, for the cell tool's tests: the g of every reflection is
// the length of h a* + k b* + l c*, the reciprocal vectors computed from the direct cell.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "common/text.hpp"

namespace ped::cell::test {

struct KnownCell {
    double a, b, c;
    double alpha = 90, beta = 90, gamma = 90;  // degrees
};

inline double reciprocal_length(const KnownCell& cell, int h, int k, int l) {
    const double rad = 3.141592653589793 / 180;
    const double ca = std::cos(cell.alpha * rad), cb = std::cos(cell.beta * rad);
    const double cg = std::cos(cell.gamma * rad), sg = std::sin(cell.gamma * rad);
    // Direct vectors: a along x, b in the xy plane.
    const double va[3] = {cell.a, 0, 0};
    const double vb[3] = {cell.b * cg, cell.b * sg, 0};
    const double cy = cell.c * (ca - cb * cg) / sg;
    const double vc[3] = {cell.c * cb, cy, std::sqrt(cell.c * cell.c * (1 - cb * cb) - cy * cy)};
    auto cross = [](const double* u, const double* v, double* w) {
        w[0] = u[1] * v[2] - u[2] * v[1];
        w[1] = u[2] * v[0] - u[0] * v[2];
        w[2] = u[0] * v[1] - u[1] * v[0];
    };
    double bc[3], ca_[3], ab[3];
    cross(vb, vc, bc);
    cross(vc, va, ca_);
    cross(va, vb, ab);
    const double volume = va[0] * bc[0] + va[1] * bc[1] + va[2] * bc[2];
    double g[3];
    for (int i = 0; i < 3; ++i) g[i] = (h * bc[i] + k * ca_[i] + l * ab[i]) / volume;
    return std::sqrt(g[0] * g[0] + g[1] * g[1] + g[2] * g[2]);
}

// One record in the merge tool's layout.
inline std::string merged_line(int h, int k, int l, double intensity, double sigma, double g) {
    return strprintf("%4d%4d%4d%15.2lf%15.2lf%15.8lf\n", h, k, l, intensity, sigma, g);
}

// Every reflection with indices from -n to n (or 0 to n when `positive`) and g up to gmax that
// `keep` accepts, with sigI = 10 and the intensity given, in ascending g.
inline std::string merged_file(
    const KnownCell& cell, int n, double gmax, bool positive = false, double intensity = 100,
    const std::function<bool(int, int, int)>& keep = [](int, int, int) { return true; }) {
    std::vector<std::pair<double, std::string>> rows;
    const int low = positive ? 0 : -n;
    for (int h = low; h <= n; ++h)
        for (int k = low; k <= n; ++k)
            for (int l = low; l <= n; ++l) {
                if ((h == 0 && k == 0 && l == 0) || !keep(h, k, l)) continue;
                const double g = reciprocal_length(cell, h, k, l);
                if (g <= gmax) rows.push_back({g, merged_line(h, k, l, intensity, 10, g)});
            }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    std::string text;
    for (const auto& r : rows) text += r.second;
    return text;
}

}  // namespace ped::cell::test
