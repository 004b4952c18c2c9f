#include "report.hpp"

#include <cmath>

#include "messages.hpp"
#include "symmetry.hpp"

namespace ped::cell {

namespace {

struct Parameter {
    double CellFit::*field;
    const char* with_deviation;
    const char* single;
};

constexpr Parameter kA{&CellFit::a, kMeanA, kSingleA};
constexpr Parameter kB{&CellFit::b, kMeanB, kSingleB};
constexpr Parameter kC{&CellFit::c, kMeanC, kSingleC};
constexpr Parameter kBeta{&CellFit::beta, kMeanBeta, kSingleBeta};

// What the report shows for a crystal system.
struct Layout {
    const char* heading;
    std::vector<Parameter> parameters;
};

bool layout_of(int symmetry, Layout& layout) {
    switch (symmetry) {
        case kCubic:
            layout = {kHeadingOne, {kA}};
            return true;
        case kTetragonal:
        case kHexagonal:
            layout = {kHeadingMany, {kA, kC}};
            return true;
        case kOrthorhombic:
            layout = {kHeadingMany, {kA, kB, kC}};
            return true;
        case kMonoclinic:
            layout = {kHeadingMany, {kA, kB, kC, kBeta}};
            return true;
        default:
            return false;
    }
}

void write_cell_line(int symmetry, const std::vector<CellFit>& fits, OutFile& file) {
    const double a = spread_of(fits, &CellFit::a).mean;
    const double b = spread_of(fits, &CellFit::b).mean;
    const double c = spread_of(fits, &CellFit::c).mean;
    switch (symmetry) {
        case kCubic:
            file.printf(kCellRight, a, a, a);
            break;
        case kTetragonal:
            file.printf(kCellRight, a, a, c);
            break;
        case kHexagonal:
            file.printf(kCellHexagonal, a, a, c);
            break;
        case kOrthorhombic:
            file.printf(kCellRight, a, b, c);
            break;
        case kMonoclinic:
            file.printf(kCellMonoclinic, a, b, c, spread_of(fits, &CellFit::beta).mean);
            break;
    }
}

}  // namespace

Spread spread_of(const std::vector<CellFit>& fits, double CellFit::*field) {
    Spread s;
    const double n = static_cast<double>(fits.size());
    double sum = 0;
    for (const CellFit& f : fits) sum += f.*field;
    s.mean = sum / n;
    if (fits.size() < 2) return s;
    double squares = 0;
    for (const CellFit& f : fits) squares += (f.*field - s.mean) * (f.*field - s.mean);
    s.deviation = std::sqrt(squares / (n - 1));
    return s;
}

void final_report(const std::vector<CellFit>& fits, int symmetry, std::FILE* out, OutFile& file) {
    std::fputs(kReportGap, out);
    if (fits.empty()) {
        std::fprintf(out, kNoFit, file.path().c_str());
        return;
    }
    Layout layout;
    if (!layout_of(symmetry, layout)) return;
    std::fputs(layout.heading, out);
    for (const Parameter& p : layout.parameters) {
        const Spread s = spread_of(fits, p.field);
        if (fits.size() > 1)
            std::fprintf(out, p.with_deviation, s.mean, s.deviation);
        else
            std::fprintf(out, p.single, s.mean);
    }
    if (fits.size() == 1) std::fputs(kSingleFit, out);
    std::fprintf(out, kMeanChi2, spread_of(fits, &CellFit::mean_sq).mean);
    write_cell_line(symmetry, fits, file);
}

}  // namespace ped::cell
