#include "merge/exports/cif_file.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "common/cell_cif.hpp"
#include "common/constants.hpp"
#include "common/format.hpp"
#include "common/text.hpp"

namespace ped::merge {

namespace {

bool starts_with_word(const std::string& text, const char* word) {
    const std::string w = word;
    if (text.size() < w.size()) return false;
    for (size_t i = 0; i < w.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != w[i]) return false;
    return true;
}

constexpr size_t kCifLine = 2048;  // CIF 1.1's longest line

// A comment line; CIF 1.1 is ASCII, so other bytes become '?'. A text too long for one line
// (a zone's path) keeps its beginning and its end.
std::string comment(const std::string& text) {
    std::string s = "# " + shortened_middle(text, kCifLine - 2);
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) c = '?';
    return s + "\n";
}

std::string item(const char* name, const std::string& value) {
    return strprintf("%-34s %s\n", name, value.c_str());
}

void append_loop(std::string& out, std::initializer_list<const char*> names) {
    out += "loop_\n";
    for (const char* name : names) out += std::string(name) + "\n";
}

void append_reflection(std::string& out, const Reflection& r) {
    put_int(out, r.h, 4);
    out += ' ';
    put_int(out, r.k, 3);
    out += ' ';
    put_int(out, r.l, 3);
    out += ' ';
    put_fixed(out, r.i, 11, 2);
    out += ' ';
    put_fixed(out, r.sig, 11, 2);
}

// The space group: number, names and the loop of its operations ('?' without a known group).
std::string group_items(const SpaceGroupSetting* g) {
    std::string out =
        item("_space_group_IT_number", g && g->number ? std::to_string(g->number) : "?");
    out += item("_space_group_name_H-M_alt", g && g->number ? cif_value(g->name) : "?");
    // gemmi's table aligns some Hall symbols with a leading blank.
    const std::string hall =
        g ? g->hall.substr(std::min(g->hall.find_first_not_of(' '), g->hall.size())) : "";
    out += item("_space_group_name_Hall", g ? cif_value(hall) : "?");
    if (!g) return out;
    append_loop(out, {"_space_group_symop_id", "_space_group_symop_operation_xyz"});
    size_t n = 0;
    for (const gemmi::Op& op : g->ops) out += strprintf("%zu %s\n", ++n, op.triplet().c_str());
    return out;
}

std::string cell_items(const UnitCell* u, const UnitCell& su) {
    if (!u) return "";
    std::string out = item("_cell_length_a", with_su(u->a, su.a, 4));
    out += item("_cell_length_b", with_su(u->b, su.b, 4));
    out += item("_cell_length_c", with_su(u->c, su.c, 4));
    out += item("_cell_angle_alpha", with_su(u->alpha, su.alpha, 4));
    out += item("_cell_angle_beta", with_su(u->beta, su.beta, 4));
    return out + item("_cell_angle_gamma", with_su(u->gamma, su.gamma, 4));
}

// What both blocks begin with.
std::string header_items(const CifContent& c) {
    std::string out = item("_diffrn_radiation_probe", "electron");
    out += item("_diffrn_radiation_type", "electron");
    out += item("_diffrn_radiation_wavelength", strprintf("%.6f", c.wavelength));
    out += item("_diffrn_measurement_method", "'precession electron diffraction'");
    out += group_items(c.group) + cell_items(c.cell, c.cell_su);
    if (c.composition.empty()) return out;
    out += comment("The content of the cell as --composition gives it, so Z is 1.");
    out += item("_chemical_formula_sum", cif_value(formula_sum(c.composition)));
    return out + item("_cell_formula_units_Z", "1");
}

std::string number_or_unknown(double v, const char* layout) {
    return std::isfinite(v) ? strprintf(layout, v) : "?";
}

// The index limits, the theta limits (sin theta = wavelength g / 2, the rows with g above 0)
// and the agreement of the rows' intensities with their sigmas.
std::string row_items(const CifContent& c) {
    const std::vector<Reflection>& rows = c.observations;
    int lo[3] = {0, 0, 0}, hi[3] = {0, 0, 0};
    double g_lo = INFINITY, g_hi = -INFINITY, sum_sigma = 0, sum_i = 0;
    for (size_t n = 0; n < rows.size(); ++n) {
        const int index[3] = {rows[n].h, rows[n].k, rows[n].l};
        for (int a = 0; a < 3; ++a) {
            lo[a] = n ? std::min(lo[a], index[a]) : index[a];
            hi[a] = n ? std::max(hi[a], index[a]) : index[a];
        }
        if (rows[n].g > 0) {
            g_lo = std::min(g_lo, rows[n].g);
            g_hi = std::max(g_hi, rows[n].g);
        }
        sum_sigma += rows[n].sig;
        sum_i += std::fabs(rows[n].i);
    }
    std::string out = item("_diffrn_reflns_number", std::to_string(rows.size()));
    out += comment("Rint of the merge: the sum over the groups of equivalents of the mean of");
    out += comment("|I - <I>| over the sum of <I>; the absences are not merged.");
    out += item("_diffrn_reflns_av_R_equivalents", strprintf("%.4f", c.rint));
    out += item("_diffrn_reflns_av_unetI/netI",
                number_or_unknown(sum_i > 0 ? sum_sigma / sum_i : NAN, "%.4f"));
    if (rows.empty()) return out;
    const char* axes = "hkl";
    for (int a = 0; a < 3; ++a) {
        out +=
            item(strprintf("_diffrn_reflns_limit_%c_min", axes[a]).c_str(), std::to_string(lo[a]));
        out +=
            item(strprintf("_diffrn_reflns_limit_%c_max", axes[a]).c_str(), std::to_string(hi[a]));
    }
    const auto theta = [&c](double g) {
        return std::asin(std::min(1.0, c.wavelength * g / 2)) * 180 / pi;
    };
    out += item("_diffrn_reflns_theta_min", number_or_unknown(theta(g_lo), "%.4f"));
    out += item("_diffrn_reflns_theta_max", number_or_unknown(theta(g_hi), "%.4f"));
    if (!c.completeness) return out;
    out += comment("Of the classes of equivalents the space group allows out to theta_max (and");
    out += comment("inside the g window), the share the merge measured:");
    return out + item("_diffrn_measured_fraction_theta_max", strprintf("%.4f", *c.completeness));
}

// The zones as scale groups: the linear factor where the dictionary has a name for it, the g
// factor and the uncertainties in comments.
std::string scale_groups(const std::vector<ScaleGroup>& groups) {
    std::string out =
        comment("Scale group n: the zone n of the list file, whose factors are applied:");
    for (size_t z = 0; z < groups.size(); ++z) {
        const ScaleGroup& g = groups[z];
        out += comment(strprintf("  %zu: %s", z + 1, g.zone.c_str()));
        out += comment(strprintf("     intensity factor %.6f (s.u. %s), g factor %.6f (s.u. %s)",
                                 g.linear, number_or_unknown(g.su.linear.sigma, "%.6f").c_str(),
                                 g.g, number_or_unknown(g.su.g.sigma, "%.6f").c_str()));
    }
    if (groups.empty()) return out;
    append_loop(out, {"_diffrn_scale_group_code", "_diffrn_scale_group_I_net"});
    for (size_t z = 0; z < groups.size(); ++z)
        out += strprintf("%zu %.6f\n", z + 1, groups[z].linear);
    return out;
}

std::string unmerged_block(const CifContent& c) {
    std::string out = "\ndata_" + c.block + "_unmerged\n";
    out += comment("The scaled observations, zone by zone, then the systematic absences.");
    out += header_items(c) + row_items(c) + scale_groups(c.groups);
    if (c.absences_from < c.observations.size())
        out +=
            comment(strprintf("Rows %zu to %zu: the reflections the space group forbids, "
                              "prepared and scaled as the others, in no merge.",
                              c.absences_from + 1, c.observations.size()));
    else
        out += comment("No reflection the space group forbids is among the rows.");
    // CIF has no empty loop.
    if (!c.observations.empty())
        append_loop(out, {"_diffrn_refln_index_h", "_diffrn_refln_index_k", "_diffrn_refln_index_l",
                          "_diffrn_refln_intensity_net", "_diffrn_refln_intensity_sigma",
                          "_diffrn_refln_scale_group_code"});
    for (size_t n = 0; n < c.observations.size(); ++n) {
        append_reflection(out, c.observations[n]);
        out += ' ';
        put_int(out, c.zone_of[n] + 1, 0);
        out += '\n';
    }
    return out;
}

std::string merged_block(const CifContent& c) {
    std::string out = "\ndata_" + c.block + "_merged\n";
    out += comment("The merged reflections: the mean I of each group of equivalents and the");
    out += comment("sigma of that mean, sqrt(sum of sigma^2) / n.");
    out += header_items(c);
    out += item("_reflns_number_total", std::to_string(c.merged.size()));
    if (!c.merged.empty())
        append_loop(out, {"_refln_index_h", "_refln_index_k", "_refln_index_l",
                          "_refln_F_squared_meas", "_refln_F_squared_sigma"});
    for (const Reflection& r : c.merged) {
        append_reflection(out, r);
        out += '\n';
    }
    return out;
}

}  // namespace

std::string cif_value(const std::string& text) {
    const auto has = [&text](const char* s) { return text.find(s) != std::string::npos; };
    bool blank = false;
    for (char c : text) blank = blank || std::isspace(static_cast<unsigned char>(c));
    if (has("\n") || has("\r")) return "\n;" + text + "\n;";
    const bool reserved = text.empty() ||
                          std::string("_#$'\"[];").find(text[0]) != std::string::npos ||
                          text == "." || text == "?" || starts_with_word(text, "data_") ||
                          starts_with_word(text, "save_") || starts_with_word(text, "loop_") ||
                          starts_with_word(text, "global_") || starts_with_word(text, "stop_");
    if (!blank && !reserved) return text;
    const auto closes = [&text](char q) {
        for (size_t i = 0; i < text.size(); ++i)
            if (text[i] == q &&
                (i + 1 == text.size() || std::isspace(static_cast<unsigned char>(text[i + 1]))))
                return true;
        return false;
    };
    if (!closes('\'')) return "'" + text + "'";
    if (!closes('"')) return "\"" + text + "\"";
    return "\n;" + text + "\n;";
}

std::string cif_block_name(const std::string& base) {
    std::string name = base.substr(base.find_last_of('/') + 1);
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-' && c != '.')
            c = '_';
    name = name.substr(0, 60);
    return name.empty() ? "merged" : name;
}

std::string formula_sum(const std::vector<ElementCount>& composition) {
    std::vector<ElementCount> order = composition;
    const bool carbon = std::any_of(order.begin(), order.end(),
                                    [](const ElementCount& e) { return e.symbol == "C"; });
    const auto rank = [carbon](const std::string& symbol) {
        if (carbon && symbol == "C") return 0;
        if (carbon && symbol == "H") return 1;
        return 2;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&rank](const ElementCount& x, const ElementCount& y) {
                         return rank(x.symbol) != rank(y.symbol) ? rank(x.symbol) < rank(y.symbol)
                                                                 : x.symbol < y.symbol;
                     });
    std::string out;
    for (const ElementCount& e : order) {
        out += (out.empty() ? "" : " ") + e.symbol;
        if (e.count == 1) continue;
        std::string n = strprintf("%.4f", e.count);
        while (n.back() == '0') n.pop_back();
        if (n.back() == '.') n.pop_back();
        out += n;
    }
    return out;
}

std::string hkl_cif(const CifContent& c) {
    std::string out = "#\\#CIF_1.1\n";
    out += comment("Precession electron diffraction, merged: two data blocks, the scaled");
    out += comment("observations (" + c.block + "_unmerged) and the merged reflections (" +
                   c.block + "_merged) of the same run.");
    for (const std::string& remark : c.remarks) out += comment(remark);
    return out + unmerged_block(c) + merged_block(c);
}

}  // namespace ped::merge
