#include "merge/reports/statistics_files.hpp"

#include <unicode/utf8.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>

#include "common/text.hpp"

namespace ped::merge {

namespace {

using Json = nlohmann::ordered_json;

// ---------------------------------------------------------------- the text

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

// The files, the group, the window and the cell, and what the columns mean.
std::string header_text(const ShellTable& t, const StatsContext& c) {
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
    return s;
}

std::string shells_text(const ShellTable& t, bool cell) {
    std::string s =
        "shell   g_min   g_max    d_max    d_min   n_obs  unique   mult possible  compl%"
        "      mean_I   I/sigI  sigI_file  sigI_prop  Rmerge   Rmeas    Rpim   CC1/2\n";
    for (size_t k = 0; k < t.shells.size(); ++k)
        s += row_text(strprintf("%zu", k + 1), t.shells[k], cell);
    return s + row_text("all", t.overall, cell);
}

std::string zones_text(const std::vector<ZoneRow>& zones) {
    std::string s =
        "\nZones: records (observations in the scaled file), scale factors with their standard "
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

// ---------------------------------------------------------------- the JSON

// A value to 10 significant digits, as the statistics have always been given; null for none.
Json number(double v) {
    if (!std::isfinite(v)) return nullptr;
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, v, std::chars_format::general, 10);
    double rounded = v;
    std::from_chars(text, written.ptr, rounded);
    return rounded;
}

Json row_json(const ShellRow& r, bool cell) {
    return {{"g_min", number(r.g_min)},
            {"g_max", number(r.g_max)},
            {"d_min", number(inverse(r.g_max))},
            {"d_max", number(inverse(r.g_min))},
            {"n_obs", r.n_obs},
            {"n_unique", r.n_unique},
            {"multiplicity", number(r.multiplicity)},
            {"completeness", number(r.completeness)},
            {"n_possible", cell ? Json(r.n_possible) : Json(nullptr)},
            {"mean_i", number(r.mean_i)},
            {"mean_i_over_sigma", number(r.mean_i_over_sigma)},
            {"mean_sigma_file", number(r.mean_sigma_file)},
            {"mean_sigma_propagated", number(r.mean_sigma_propagated)},
            {"r_merge", number(r.r_merge)},
            {"r_meas", number(r.r_meas)},
            {"r_pim", number(r.r_pim)},
            {"cc_half", number(r.cc_half)}};
}

Json zone_json(size_t z, const ZoneRow& r) {
    return {{"zone", z + 1},
            {"name", utf8_name(r.name)},
            {"records", r.records},
            {"linear_factor", number(r.linear_factor)},
            {"linear_factor_sigma", number(r.linear_sigma)},
            {"linear_ties", {r.linear_ties, r.linear_tie_zones}},
            {"g_factor", number(r.g_factor)},
            {"g_factor_sigma", number(r.g_sigma)},
            {"g_ties", {r.g_ties, r.g_tie_zones}},
            {"mean_i_over_sigma", number(r.mean_i_over_sigma)},
            {"r_zone", number(r.r_zone)},
            {"shared", r.shared}};
}

Json cell_json(const UnitCell* cell) {
    if (!cell) return nullptr;
    Json values = Json::array();
    for (double v : {cell->a, cell->b, cell->c, cell->alpha, cell->beta, cell->gamma})
        values.push_back(number(v));
    return values;
}

}  // namespace

std::string utf8_name(const std::string& text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const std::size_t n = text.size();
    std::string s;
    std::size_t i = 0;
    while (i < n) {
        const std::size_t start = i;
        UChar32 c;
        U8_NEXT(bytes, i, n, c);  // c < 0: an ill-formed sequence, bytes start to i
        if (c >= 0) {
            s.append(text, start, i - start);
            continue;
        }
        for (std::size_t b = start; b < i; ++b) {  // each byte as its Latin-1 letter
            std::uint8_t letter[2];
            std::size_t length = 0;
            U8_APPEND_UNSAFE(letter, length, bytes[b]);
            s.append(reinterpret_cast<const char*>(letter), length);
        }
    }
    return s;
}

std::string stats_text(const ShellTable& t, const std::vector<ZoneRow>& zones,
                       const StatsContext& c) {
    return header_text(t, c) + shells_text(t, c.cell != nullptr) + zones_text(zones);
}

std::string stats_json(const ShellTable& t, const std::vector<ZoneRow>& zones,
                       const StatsContext& c) {
    const bool cell = c.cell != nullptr;
    Json shells = Json::array(), zone_rows = Json::array();
    for (const ShellRow& r : t.shells) shells.push_back(row_json(r, cell));
    for (size_t z = 0; z < zones.size(); ++z) zone_rows.push_back(zone_json(z, zones[z]));
    const Json doc = {{"observations", utf8_name(c.scaled)},
                      {"merged", utf8_name(c.merged)},
                      {"space_group", c.space_group},
                      {"laue_class", utf8_name(c.laue_class)},
                      {"g_window", {number(c.gmin), number(c.gmax)}},
                      {"cell", cell_json(c.cell)},
                      {"overall", row_json(t.overall, cell)},
                      {"shells", shells},
                      {"zones", zone_rows}};
    return doc.dump(2) + "\n";
}

}  // namespace ped::merge
