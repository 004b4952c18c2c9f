#include "cell/cell_cif.hpp"

#include "cell/report.hpp"
#include "common/cell_cif.hpp"
#include "common/text.hpp"

namespace ped::cell {

namespace {

// A refined parameter: the mean, with the deviation over the fits when there are several.
std::string refined(const std::vector<CellFit>& fits, CellParameter field) {
    const Spread s = spread_of(fits, field);
    return with_su(s.mean, fits.size() > 1 ? s.deviation : 0, 4);
}

std::string item(const char* name, const std::string& value) {
    return strprintf("%-18s %s\n", name, value.c_str());
}

}  // namespace

std::string cell_cif_name(const std::string& input) {
    const size_t slash = input.find_last_of('/'), dot = input.find_last_of('.');
    const bool extension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (extension ? input.substr(0, dot) : input) + "_cell.cif";
}

std::string cell_cif(const std::vector<CellFit>& fits, const CrystalSystem& system,
                     const std::string& input) {
    std::string input_text = input;
    for (char& c : input_text)
        if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) c = '?';
    std::string out = "#\\#CIF_1.1\n";
    out += "# The cell cellsolve refined from " + input_text.substr(0, 1000) + ":\n";
    out += strprintf("# the mean over %zu fit(s), the standard deviation over the fits as s.u.\n",
                     fits.size());
    out += "data_cell\n";
    const char* lengths[] = {"_cell_length_a", "_cell_length_b", "_cell_length_c"};
    for (int n = 0; n < 3; ++n) out += item(lengths[n], refined(fits, system.line_values[n]));
    out += item("_cell_angle_alpha", "90");
    out += item("_cell_angle_beta",
                system.line_values[3] ? refined(fits, system.line_values[3]) : "90");
    return out + item("_cell_angle_gamma", system.code == 'h' ? "120" : "90");
}

}  // namespace ped::cell
