#include "merge/reports/statistics_files.hpp"

#include <unicode/utf8.h>

#include <cmath>
#include <cstdint>

#include "common/text.hpp"

namespace ped::merge {

namespace {

// A value in a column of `width` with `decimals`, or "-" when there is none.
std::string cell_text(double v, int width, int decimals) {
    if (!std::isfinite(v)) return strprintf("%*s", width, "-");
    return strprintf("%*.*f", width, decimals, v);
}

double inverse(double g) {
    return g > 0 ? 1 / g : kNone;
}

std::string row_text(const std::string& label, const ShellRow& r, bool cell) {
    std::string s = strprintf("%5s", label.c_str());
    s += cell_text(r.g_min, 8, 4) + cell_text(r.g_max, 8, 4);
    s += cell_text(inverse(r.g_min), 9, 3) + cell_text(inverse(r.g_max), 9, 3);
    s += strprintf("%8d%8d", r.n_obs, r.n_unique);
    s += cell_text(r.multiplicity, 7, 2);
    s += cell ? strprintf("%9ld", r.n_possible) : strprintf("%9s", "-");
    s += cell_text(100 * r.completeness, 8, 1);
    s += cell_text(r.mean_i, 12, 2) + cell_text(r.mean_i_over_sigma, 9, 2);
    s += cell_text(r.mean_sigma_file, 11, 2) + cell_text(r.mean_sigma_propagated, 11, 2);
    for (double v : {r.r_merge, r.r_meas, r.r_pim, r.cc_half}) s += cell_text(v, 8, 4);
    return s + "\n";
}

std::string json_number(double v) {
    return std::isfinite(v) ? strprintf("%.10g", v) : "null";
}

std::string row_json(const ShellRow& r, bool cell) {
    std::string s = "{";
    const auto add = [&s](const char* key, const std::string& value) {
        if (s.size() > 1) s += ", ";
        s += strprintf("\"%s\": %s", key, value.c_str());
    };
    add("g_min", json_number(r.g_min));
    add("g_max", json_number(r.g_max));
    add("d_min", json_number(inverse(r.g_max)));
    add("d_max", json_number(inverse(r.g_min)));
    add("n_obs", strprintf("%d", r.n_obs));
    add("n_unique", strprintf("%d", r.n_unique));
    add("multiplicity", json_number(r.multiplicity));
    add("completeness", json_number(r.completeness));
    add("n_possible", cell ? strprintf("%ld", r.n_possible) : "null");
    add("mean_i", json_number(r.mean_i));
    add("mean_i_over_sigma", json_number(r.mean_i_over_sigma));
    add("mean_sigma_file", json_number(r.mean_sigma_file));
    add("mean_sigma_propagated", json_number(r.mean_sigma_propagated));
    add("r_merge", json_number(r.r_merge));
    add("r_meas", json_number(r.r_meas));
    add("r_pim", json_number(r.r_pim));
    add("cc_half", json_number(r.cc_half));
    return s + "}";
}

}  // namespace

std::string json_string(const std::string& text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const std::size_t n = text.size();
    std::string s = "\"";
    std::size_t i = 0;
    while (i < n) {
        const std::size_t start = i;
        UChar32 c;
        U8_NEXT(bytes, i, n, c);  // c < 0: an ill-formed sequence, bytes start to i
        if (c == '"' || c == '\\') {
            s += '\\';
            s += static_cast<char>(c);
        } else if (c >= 0x20 && c != 0x7f) {
            s.append(text, start, i - start);
        } else {
            // A control character, or each byte of an ill-formed sequence as its Latin-1 letter.
            for (std::size_t b = start; b < i; ++b) s += strprintf("\\u%04x", bytes[b]);
        }
    }
    return s + "\"";
}

std::string stats_text(const ShellTable& t, const std::vector<ZoneRow>& zones,
                       const StatsContext& c) {
    std::string s = strprintf(
        "Merging statistics: observations are the scaled records of %s, unique reflections the "
        "merged reflections of %s\n",
        c.scaled.c_str(), c.merged.c_str());
    s += strprintf("Space group %d, Laue class %s, g window %g < g < %g (1/angstrom)\n",
                   c.space_group, c.laue_class.c_str(), c.gmin, c.gmax);
    if (c.cell)
        s += strprintf("Cell %.4f %.4f %.4f %.4f %.4f %.4f (angstrom, degrees)\n", c.cell->a,
                       c.cell->b, c.cell->c, c.cell->alpha, c.cell->beta, c.cell->gamma);
    else
        s += "No cell: no completeness (give --cell or --cell-file)\n";
    s += strprintf(
        "\nShells of equal volume in g (1/angstrom), d = 1/g (angstrom): %zu (%d asked; at most "
        "one per 20 unique reflections)\n",
        t.shells.size(), c.shells_wanted);
    s += "possible and compl%: with a cell, the classes of reflections the space group allows "
         "in the shell and the g window, and the percentage of them measured\n";
    s += "I/sigI and sigI_prop: merged sigma propagated from the members, sqrt(sum sigma^2)/n; "
         "sigI_file: the merged file's sigma, the mean of the members'\n";
    s += "Rmerge, Rmeas, Rpim and CC1/2 (sigma-tau): over the unique reflections observed at "
         "least twice; -: no value\n\n";
    s += "shell   g_min   g_max    d_max    d_min   n_obs  unique   mult possible  compl%"
         "      mean_I   I/sigI  sigI_file  sigI_prop  Rmerge   Rmeas    Rpim   CC1/2\n";
    const bool cell = c.cell != nullptr;
    for (size_t k = 0; k < t.shells.size(); ++k)
        s += row_text(strprintf("%zu", k + 1), t.shells[k], cell);
    s += row_text("all", t.overall, cell);

    s += "\nZones: records (observations in the scaled file), scale factors with their standard "
         "uncertainties, the reflections and zones that tie the linear factor to zone 1, mean "
         "I/sigma(I) of the records, R of the zone against the merged values (over its records "
         "of unique reflections observed at least twice), and the unique reflections it shares "
         "with each zone (its own on the diagonal)\n\n";
    s += " zone records   k_linear  sig_k_lin        k_g    sig_k_g  tied   via   I/sigI  R_zone";
    for (size_t z = 0; z < zones.size(); ++z)
        s += strprintf("%6s", strprintf("z%zu", z + 1).c_str());
    s += "  name\n";
    for (size_t z = 0; z < zones.size(); ++z) {
        const ZoneRow& r = zones[z];
        s += strprintf("%5zu%8d%11.6f", z + 1, r.records, r.linear_factor);
        s += cell_text(r.linear_sigma, 11, 6) + strprintf("%11.6f", r.g_factor);
        s += cell_text(r.g_sigma, 11, 6) + strprintf("%6d%6d", r.linear_ties, r.linear_tie_zones);
        s += cell_text(r.mean_i_over_sigma, 9, 2) + cell_text(r.r_zone, 8, 4);
        for (int n : r.shared) s += strprintf("%6d", n);
        s += "  " + r.name + "\n";
    }
    return s;
}

std::string stats_json(const ShellTable& t, const std::vector<ZoneRow>& zones,
                       const StatsContext& c) {
    const bool cell = c.cell != nullptr;
    std::string s = "{\n";
    s += "  \"observations\": " + json_string(c.scaled) + ",\n";
    s += "  \"merged\": " + json_string(c.merged) + ",\n";
    s += strprintf("  \"space_group\": %d,\n", c.space_group);
    s += "  \"laue_class\": " + json_string(c.laue_class) + ",\n";
    s += "  \"g_window\": [" + json_number(c.gmin) + ", " + json_number(c.gmax) + "],\n";
    if (cell)
        s += "  \"cell\": [" + json_number(c.cell->a) + ", " + json_number(c.cell->b) + ", " +
             json_number(c.cell->c) + ", " + json_number(c.cell->alpha) + ", " +
             json_number(c.cell->beta) + ", " + json_number(c.cell->gamma) + "],\n";
    else
        s += "  \"cell\": null,\n";
    s += "  \"overall\": " + row_json(t.overall, cell) + ",\n";
    s += "  \"shells\": [";
    for (size_t k = 0; k < t.shells.size(); ++k)
        s += std::string(k ? ",\n" : "\n") + "    " + row_json(t.shells[k], cell);
    s += t.shells.empty() ? "],\n" : "\n  ],\n";
    s += "  \"zones\": [";
    for (size_t z = 0; z < zones.size(); ++z) {
        const ZoneRow& r = zones[z];
        s += std::string(z ? ",\n" : "\n") + "    {";
        s += strprintf("\"zone\": %zu, \"name\": %s, \"records\": %d, ", z + 1,
                       json_string(r.name).c_str(), r.records);
        s += "\"linear_factor\": " + json_number(r.linear_factor) +
             ", \"linear_factor_sigma\": " + json_number(r.linear_sigma) +
             strprintf(", \"linear_ties\": [%d, %d]", r.linear_ties, r.linear_tie_zones) +
             ", \"g_factor\": " + json_number(r.g_factor) +
             ", \"g_factor_sigma\": " + json_number(r.g_sigma) +
             strprintf(", \"g_ties\": [%d, %d]", r.g_ties, r.g_tie_zones) +
             ", \"mean_i_over_sigma\": " + json_number(r.mean_i_over_sigma) +
             ", \"r_zone\": " + json_number(r.r_zone) + ", \"shared\": [";
        for (size_t j = 0; j < r.shared.size(); ++j)
            s += (j ? ", " : "") + strprintf("%d", r.shared[j]);
        s += "]}";
    }
    s += zones.empty() ? "]\n" : "\n  ]\n";
    return s + "}\n";
}

}  // namespace ped::merge
