// Scaling zones on their symmetry equivalents, and the uncertainties of the factors: generated
// zones of two known structures with known scales; the uncertainty against its definition by
// finite differences; the reflections and zones that tie a zone to zone 1. Then the least
// squares on pair tables with pairs without a value.
#include <gtest/gtest.h>

#include <algorithm>
#include <complex>
#include <random>

#include "merge/pipeline/factor_uncertainty.hpp"
#include "merge/pipeline/least_squares.hpp"
#include "merge/pipeline/run_symmetry.hpp"

namespace ped::merge {
namespace {

const char* kPivot = "pivot GAUSS inversion impossible : division by 0\n";

// The pair table of one kind, as the comparisons make it.
PairTable pair_table(const std::vector<IndexedReflections>& zones, PairKind kind, double sigma) {
    PairTable t(static_cast<int>(zones.size()));
    for (int i = 0; i < t.n; ++i)
        for (int j = 0; j < t.n; ++j) {
            const std::vector<Retained> kept = common_reflections(zones[i], zones[j], kind, sigma);
            if (kept.empty()) continue;
            const PairStatistics st = pair_statistics(kept, kind);
            const double v = kind == PairKind::intensities ? st.weighted_mean : st.mean;
            if (std::isfinite(v)) t.at(i, j) = v;
        }
    return t;
}

// The factors and their uncertainties; `kept_one`, when given, as if the solve had failed there.
std::pair<FactorSolution, std::vector<FactorUncertainty>> solve(
    const std::vector<IndexedReflections>& zones, PairKind kind, double sigma,
    const std::vector<int>& kept_one = {}) {
    std::vector<const IndexedReflections*> pointers;
    for (const IndexedReflections& z : zones) pointers.push_back(&z);
    const PairTable t = pair_table(zones, kind, sigma);
    FactorSolution f = solve_factors(t, kPivot);
    if (!kept_one.empty()) f.kept_one = kept_one;
    return {f, factor_uncertainties(pointers, kind, sigma, t, f)};
}

// A crystal: hexagonal or tetragonal cell, atoms (fractional position, scattering power).
using Atoms = std::vector<std::array<double, 4>>;
struct Crystal {
    const char* name;
    bool hexagonal;
    double a, c;
    int space_group;
    Atoms atoms;

    double g(int h, int k, int l) const {
        const double in_plane = hexagonal ? 4.0 / 3 * (h * h + h * k + k * k) : h * h + k * k;
        return std::sqrt(in_plane / (a * a) + l * l / (c * c));
    }
    double intensity(int h, int k, int l) const {  // kinematic |F|^2
        std::complex<double> f = 0;
        for (const auto& [x, y, z, power] : atoms)
            f += power * std::polar(1.0, 2 * 3.141592653589793 * (h * x + k * y + l * z));
        return std::norm(f) * std::exp(-g(h, k, l) * g(h, k, l));
    }
};

const double kU = 0.382, kX = 0.305, kThird = 1. / 3;
const Atoms kZnO = {{kThird, 2 * kThird, 0, 30},
                    {2 * kThird, kThird, 0.5, 30},
                    {kThird, 2 * kThird, kU, 8},
                    {2 * kThird, kThird, kU + 0.5, 8}};
const Atoms kTiO2 = {{0, 0, 0, 22},    {0.5, 0.5, 0.5, 22},          {kX, kX, 0, 8},
                     {-kX, -kX, 0, 8}, {0.5 + kX, 0.5 - kX, 0.5, 8}, {0.5 - kX, 0.5 + kX, 0.5, 8}};
const Crystal kCrystals[] = {{"ZnO P6_3mc", true, 3.25, 5.21, 186, kZnO},
                             {"TiO2 P4_2/mnm", false, 4.594, 2.959, 136, kTiO2}};

// Zones [001] [100] [010] [110] [1-10] of a crystal, each with its own scale and g
// calibration; every reflection appears as one of its Friedel mates (as after the Friedel
// merge), with counting noise and 5 % of dynamical noise; sorted by g.
struct Generated {
    std::vector<std::vector<Reflection>> zones;
    std::vector<double> linear, g;  // the true factors, zone 1 = 1
};

Generated generate(const Crystal& x, unsigned seed) {
    const int axes[][3] = {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, -1, 0}};
    std::mt19937 rng(seed);
    std::normal_distribution<double> normal(0, 1);
    Generated out;
    double scale0 = 0, calibration0 = 0;
    for (const auto& axis : axes) {
        const double scale = std::exp(0.4 * normal(rng)), calibration = 1 + 0.01 * normal(rng);
        if (out.zones.empty()) scale0 = scale, calibration0 = calibration;
        out.linear.push_back(scale0 / scale);
        out.g.push_back(calibration0 / calibration);
        std::vector<Reflection> zone;
        for (int h = -8; h <= 8; ++h)
            for (int k = -8; k <= 8; ++k)
                for (int l = 0; l <= 8; ++l) {
                    const double g = x.g(h, k, l), f2 = x.intensity(h, k, l);
                    if (h * axis[0] + k * axis[1] + l * axis[2] != 0 || g < 0.15 || g > 1.3 ||
                        (l == 0 && (h < 0 || (h == 0 && k < 0))) || f2 < 1e-3)
                        continue;
                    const int sign = rng() % 2 ? -1 : 1;
                    const double mean = 20 * scale * f2, sig = std::sqrt(mean + 400);
                    const double i = mean * (1 + 0.05 * normal(rng)) + sig * normal(rng);
                    if (i > 0)
                        zone.push_back({sign * h, sign * k, sign * l, i, sig,
                                        g * calibration * (1 + 0.001 * normal(rng))});
                }
        std::sort(zone.begin(), zone.end(), [](auto& p, auto& q) { return p.g < q.g; });
        out.zones.push_back(zone);
    }
    return out;
}

TEST(ZoneScaling, LaueMatchingRecoversKnownScalesWithinTheirUncertainties) {
    for (const Crystal& x : kCrystals) {
        const MatchKey key = [laue = *legacy_laue_group(x.space_group)](int h, int k, int l) {
            return laue.representative(h, k, l);
        };
        double worst[2] = {0, 0};  // mean over the seeds of the worst linear factor's error
        int inside[2] = {0, 0}, factors[2] = {0, 0};
        for (unsigned seed = 1; seed <= 5; ++seed) {
            const Generated data = generate(x, seed);
            for (int mode = 0; mode < 2; ++mode) {  // hkl, laue
                std::vector<IndexedReflections> zones(data.zones.size());
                for (size_t z = 0; z < zones.size(); ++z) {
                    zones[z].records = data.zones[z];
                    zones[z].build_index(mode ? key : nullptr);
                }
                for (PairKind kind : {PairKind::intensities, PairKind::g}) {
                    const auto [solution, uncertainty] = solve(zones, kind, 2);
                    const auto& truth = kind == PairKind::intensities ? data.linear : data.g;
                    double w = 0;
                    for (size_t z = 1; z < zones.size(); ++z) {
                        const double k = solution.factors[z], sigma = uncertainty[z].sigma;
                        w = std::max(w, std::fabs(k / truth[z] - 1));
                        ++factors[mode];
                        if (std::fabs(k - truth[z]) <= 3 * sigma) ++inside[mode];
                    }
                    if (kind == PairKind::intensities) worst[mode] += w / 5;
                }
            }
        }
        EXPECT_LT(worst[1], worst[0]) << x.name;
        EXPECT_GE(inside[1], 0.9 * factors[1]) << x.name;
        EXPECT_GE(inside[0], 0.9 * factors[0]) << x.name;
    }
}

// The uncertainty as defined: sqrt(v * sum over records of (d k / d ln x)^2), the slopes those
// of the solve with zone 1 as reference (x the record's I and sigI together, or its g), and v
// the residual variance of the ratios at the reported factors, each pair of zones once.
TEST(ZoneScaling, UncertaintyIsItsDefinitionByFiniteDifferences) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> index(-2, 2);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<IndexedReflections> zones(4);
    for (size_t z = 0; z < zones.size(); ++z) {
        for (int r = 0; r < 12; ++r) {  // repeated index triples included
            const double i = (z + 1) * (50 + 500 * unit(rng));
            zones[z].records.push_back({index(rng), index(rng), 0, i, i / (3 + 30 * unit(rng)),
                                        (1 + 0.01 * z) * (0.5 + 0.002 * unit(rng))});
        }
        zones[z].build_index();
    }
    const int n = 4;
    for (PairKind kind : {PairKind::intensities, PairKind::g}) {
        const auto [solution, uncertainty] = solve(zones, kind, 0);
        const std::vector<double>& k = solution.factors;
        double squares = 0;
        int ratios = 0;
        for (int a = 0; a < n; ++a)
            for (int b = a + 1; b < n; ++b)
                for (const Retained& r : common_reflections(zones[a], zones[b], kind, 0)) {
                    squares += std::pow(r.ratio * k[b] / k[a] - 1, 2);
                    ++ratios;
                }
        const double v = squares / (2 * (ratios - (n - 1)));
        std::vector<double> sum(n, 0.0);
        const double step = 1e-6;
        for (IndexedReflections& zone : zones)
            for (Reflection& r : zone.records) {
                const Reflection kept = r;
                std::vector<double> solved[2];
                for (int side = 0; side < 2; ++side) {
                    const double f = side ? 1 + step : 1 - step;
                    if (kind == PairKind::g)
                        r.g = kept.g * f;
                    else
                        r.i = kept.i * f, r.sig = kept.sig * f;
                    const FactorSolution s = solve_factors(pair_table(zones, kind, 0), kPivot);
                    solved[side].assign(s.k.row(0).begin(), s.k.row(0).end());
                }
                r = kept;
                for (int z = 1; z < n; ++z)
                    sum[z] += std::pow((solved[1][z] - solved[0][z]) / (2 * step), 2);
            }
        EXPECT_TRUE(std::isnan(uncertainty[0].sigma));
        for (int z = 1; z < n; ++z)
            EXPECT_NEAR(uncertainty[z].sigma, std::sqrt(v * sum[z]), 1e-6 * uncertainty[z].sigma)
                << z;
    }
}

// Zones 1-2 share 1 reflection, 2-3 share 6, 1-3 share 3, 3-4 share 2; zone 5 shares nothing.
TEST(ZoneScaling, ReflectionsAndZonesTyingAZoneToZoneOne) {
    std::vector<IndexedReflections> zones(5);
    int next = 1;
    const auto share = [&](int a, int b, int count) {
        for (int c = 0; c < count; ++c, ++next)
            for (int z : {a, b})
                zones[z].records.push_back({next, 0, 0, 100.0 * (z + 1) + next, 10, 0.1 * next});
    };
    share(0, 1, 1);
    share(1, 2, 6);
    share(0, 2, 3);
    share(2, 3, 2);
    zones[4].records.push_back({99, 0, 0, 100, 10, 1});
    for (IndexedReflections& z : zones) z.build_index();
    const std::vector<FactorUncertainty> u = solve(zones, PairKind::intensities, 0).second;
    const int reflections[] = {0, 4, 4, 2, 0}, through[] = {0, 2, 2, 1, 0};
    for (int z = 0; z < 5; ++z) {
        EXPECT_EQ(u[z].reflections, reflections[z]) << z;
        EXPECT_EQ(u[z].zones, through[z]) << z;
        EXPECT_EQ(std::isnan(u[z].sigma), z == 0 || z == 4) << z;
    }
    // A solve that left a tied zone at 1 gives no uncertainty at all.
    for (const FactorUncertainty& v : solve(zones, PairKind::intensities, 0, {3}).second)
        EXPECT_TRUE(std::isnan(v.sigma));
}

// ---------------------------------------------------------------- least squares
// Pair tables with pairs without a value (x); the worked cases of one, two and three zones with
// every value are the stored cases (three_zones_every_file, stats_two_zones, readme_example),
// whose reports show every table of the solve. A factor x is not checked.
TEST(ScaleFactors, PairsWithoutValueAreLeftOut) {
    const double x = std::nan("");
    const struct {
        std::vector<std::vector<double>> rows;
        std::vector<double> factors;
        std::vector<int> kept_one, not_tied;
    } cases[] = {
        // One direction of the pair only: its terms alone make the sums.
        {{{1, 2}, {x, 1}}, {1, 0.5}, {}, {}},
        // Zones 1 and 2 linked only through zone 3, which comes after them.
        {{{1, x, 4}, {x, 1, 2}, {0.25, 0.5, 1}}, {1, 0.5, 0.25}, {}, {}},
        // A zone that shares nothing keeps 1 and leaves the others as they were.
        {{{1, 2, x}, {0.5, 1, x}, {x, x, x}}, {1, 0.5, 1}, {2}, {}},
        // Two groups that compare only within themselves.
        {{{1, 2, x, x}, {0.5, 1, x, x}, {x, x, 1, 4}, {x, x, 0.25, 1}}, {1, 0.5, x, x}, {}, {2, 3}},
    };
    for (const auto& c : cases) {
        PairTable t(static_cast<int>(c.rows.size()));
        for (int i = 0; i < t.n; ++i)
            for (int j = 0; j < t.n; ++j)
                if (!std::isnan(c.rows[i][j])) t.at(i, j) = c.rows[i][j];
        const FactorSolution f = solve_factors(t, kPivot);
        for (int z = 0; z < t.n; ++z) {
            if (!std::isnan(c.factors[z])) {
                EXPECT_NEAR(f.factors[z], c.factors[z], 1e-15) << z;
            }
            for (double k : f.k.row(z)) EXPECT_FALSE(std::isinf(k));
        }
        EXPECT_EQ(f.kept_one, c.kept_one);
        EXPECT_EQ(f.not_tied, c.not_tied);
        if (t.n == 4) {
            EXPECT_NEAR(f.factors[3] / f.factors[2], 0.25, 1e-15);  // within its group
        }
    }
    PairTable t(2);  // the first case again: its normal matrix
    t.at(0, 0) = t.at(1, 1) = 1;
    t.at(0, 1) = 2;
    const Matrix a = solve_factors(t, kPivot).normal;
    EXPECT_EQ((std::vector<double>{a(0, 0), a(0, 1), a(1, 0), a(1, 1)}),
              (std::vector<double>{1, -2, -2, 4}));
}

}  // namespace
}  // namespace ped::merge
