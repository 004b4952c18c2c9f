#include "cell/report.hpp"

#include <cmath>

#include "cell/messages.hpp"

namespace ped::cell {

namespace {

// The report line of a parameter: with its deviation, or alone after a single fit.
struct ParameterLines {
    CellParameter field;
    const char* with_deviation;
    const char* single;
};

constexpr ParameterLines kLines[] = {
    {&CellFit::a, kMeanA, kSingleA},
    {&CellFit::b, kMeanB, kSingleB},
    {&CellFit::c, kMeanC, kSingleC},
    {&CellFit::beta, kMeanBeta, kSingleBeta},
};

const ParameterLines& lines_of(CellParameter field) {
    for (const ParameterLines& p : kLines)
        if (p.field == field) return p;
    return kLines[0];
}

}  // namespace

Spread spread_of(const std::vector<CellFit>& fits, CellParameter field) {
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
    const CrystalSystem* system = crystal_system(symmetry);
    if (!system) return;
    std::fputs(system->heading, out);
    for (CellParameter field : system->parameters) {
        const Spread s = spread_of(fits, field);
        if (fits.size() > 1)
            std::fprintf(out, lines_of(field).with_deviation, s.mean, s.deviation);
        else
            std::fprintf(out, lines_of(field).single, s.mean);
    }
    if (fits.size() == 1) std::fputs(kSingleFit, out);
    std::fprintf(out, kMeanChi2, spread_of(fits, &CellFit::mean_sq).mean);
    double values[4] = {};
    for (size_t j = 0; j < 4; ++j)
        if (system->line_values[j]) values[j] = spread_of(fits, system->line_values[j]).mean;
    file.printf(system->cell_line, values[0], values[1], values[2], values[3]);
}

}  // namespace ped::cell
