#include "cell/crystal_systems.hpp"

#include <cmath>

#include "cell/messages.hpp"
#include "common/constants.hpp"

namespace ped::cell {

namespace {

constexpr double kSqrt3 = 1.7320508075688772;
constexpr CellParameter kA = &CellFit::a, kB = &CellFit::b, kC = &CellFit::c,
                        kBeta = &CellFit::beta;

// Monoclinic: p1 = 1/(a^2 sin^2 beta), p2 = 1/b^2, p3 = 1/(c^2 sin^2 beta) and
// p4 = cos(beta)/(a c sin^2 beta) for the basis value -2hl.
CellFit monoclinic_cell(const double p[4]) {
    CellFit c;
    c.a = std::sqrt(p[2] / (p[0] * p[2] - p[3] * p[3]));
    c.b = 1 / std::sqrt(p[1]);
    c.c = c.a * std::sqrt(p[0] / p[2]);
    // sin(beta); rounding can push it past 1 when beta is close to 90 degrees.
    double s = std::sqrt(1 / (c.a * c.a * p[0]));
    if (s > 1) s = 1;
    c.beta = std::asin(s) * 180 / pi;
    // An obtuse angle has a negative p4.
    if (p[3] < 0) c.beta = 180 - c.beta;
    return c;
}

GCalc monoclinic_g(const CellFit& c) {
    const double beta = c.beta * pi / 180;
    const double s2 = std::sin(beta) * std::sin(beta), cos_beta = std::cos(beta);
    const double a2 = c.a * c.a * s2, b2 = c.b * c.b, c2 = c.c * c.c * s2, ac = c.a * c.c * s2;
    return [=](double h, double k, double l) {
        return std::sqrt(h * h / a2 + k * k / b2 + l * l / c2 + -2 * h * l * cos_beta / ac);
    };
}

const CrystalSystem kSystems[] = {
    {'c',
     1,
     [](double h, double k, double l, double f[4]) { f[0] = h * h + k * k + l * l; },
     [](const double p[4]) {
         CellFit c;
         c.a = 1 / std::sqrt(p[0]);
         return c;
     },
     [](const CellFit& c) -> GCalc {
         return [a = c.a](double h, double k, double l) {
             return std::sqrt(h * h + k * k + l * l) / a;
         };
     },
     {kA},
     kFitCubic,
     kHeadingOne,
     kCellRight,
     {kA, kA, kA, nullptr}},
    {'q',
     2,
     [](double h, double k, double l, double f[4]) {
         f[0] = h * h + k * k;
         f[1] = l * l;
     },
     [](const double p[4]) {
         CellFit c;
         c.a = 1 / std::sqrt(p[0]);
         c.c = 1 / std::sqrt(p[1]);
         return c;
     },
     [](const CellFit& c) -> GCalc {
         return [a2 = c.a * c.a, c2 = c.c * c.c](double h, double k, double l) {
             return std::sqrt((h * h + k * k) / a2 + l * l / c2);
         };
     },
     {kA, kC},
     kFitAC,
     kHeadingMany,
     kCellRight,
     {kA, kA, kC, nullptr}},
    {'h',
     2,
     [](double h, double k, double l, double f[4]) {
         f[0] = h * h + h * k + k * k;
         f[1] = l * l;
     },
     // p1 = 4/(3a^2): a = 2/(sqrt(3 p1)), taken in two steps.
     [](const double p[4]) {
         CellFit c;
         c.a = 1 / std::sqrt(p[0]);
         c.a = 2 * c.a / kSqrt3;
         c.c = 1 / std::sqrt(p[1]);
         return c;
     },
     [](const CellFit& c) -> GCalc {
         return [a2 = 3 * c.a * c.a, c2 = c.c * c.c](double h, double k, double l) {
             return std::sqrt(4 * (h * h + h * k + k * k) / a2 + l * l / c2);
         };
     },
     {kA, kC},
     kFitAC,
     kHeadingMany,
     kCellHexagonal,
     {kA, kA, kC, nullptr}},
    {'o',
     3,
     [](double h, double k, double l, double f[4]) {
         f[0] = h * h;
         f[1] = k * k;
         f[2] = l * l;
     },
     [](const double p[4]) {
         CellFit c;
         c.a = 1 / std::sqrt(p[0]);
         c.b = 1 / std::sqrt(p[1]);
         c.c = 1 / std::sqrt(p[2]);
         return c;
     },
     [](const CellFit& c) -> GCalc {
         return [a2 = c.a * c.a, b2 = c.b * c.b, c2 = c.c * c.c](double h, double k, double l) {
             return std::sqrt(h * h / a2 + k * k / b2 + l * l / c2);
         };
     },
     {kA, kB, kC},
     kFitABC,
     kHeadingMany,
     kCellRight,
     {kA, kB, kC, nullptr}},
    {'m',
     4,
     [](double h, double k, double l, double f[4]) {
         f[0] = h * h;
         f[1] = k * k;
         f[2] = l * l;
         f[3] = -2 * h * l;
     },
     monoclinic_cell,
     monoclinic_g,
     {kA, kB, kC, kBeta},
     kFitMonoclinic,
     kHeadingMany,
     kCellMonoclinic,
     {kA, kB, kC, kBeta}},
};

}  // namespace

const CrystalSystem* crystal_system(int code) {
    for (const CrystalSystem& s : kSystems)
        if (s.code == code) return &s;
    return nullptr;
}

}  // namespace ped::cell
