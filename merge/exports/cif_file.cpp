#include "merge/exports/cif_file.hpp"

#include <algorithm>
#include <cctype>

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

std::string cell_items(const UnitCell* u) {
    if (!u) return "";
    std::string out = item("_cell_length_a", strprintf("%.4f", u->a));
    out += item("_cell_length_b", strprintf("%.4f", u->b));
    out += item("_cell_length_c", strprintf("%.4f", u->c));
    out += item("_cell_angle_alpha", strprintf("%.4f", u->alpha));
    out += item("_cell_angle_beta", strprintf("%.4f", u->beta));
    return out + item("_cell_angle_gamma", strprintf("%.4f", u->gamma));
}

// The observations with their zones, after the comments that name the zones.
std::string observation_loop(const std::vector<std::string>& zones,
                             const std::vector<Reflection>& observations,
                             const std::vector<int>& zone_of) {
    std::string out =
        comment("Scale group n: the zone n of the list file, whose scale factors are applied.");
    for (size_t z = 0; z < zones.size(); ++z)
        out += comment(strprintf("  %zu: %s", z + 1, zones[z].c_str()));
    out += item("_diffrn_reflns_number", std::to_string(observations.size()));
    // CIF has no empty loop.
    if (!observations.empty())
        append_loop(out, {"_diffrn_refln_index_h", "_diffrn_refln_index_k", "_diffrn_refln_index_l",
                          "_diffrn_refln_intensity_net", "_diffrn_refln_intensity_u",
                          "_diffrn_refln_scale_group_code"});
    for (size_t n = 0; n < observations.size(); ++n) {
        append_reflection(out, observations[n]);
        out += ' ';
        put_int(out, zone_of[n] + 1, 0);
        out += '\n';
    }
    return out;
}

std::string merged_loop(const std::vector<Reflection>& merged) {
    std::string out = item("_reflns_number_total", std::to_string(merged.size()));
    if (!merged.empty())
        append_loop(out, {"_refln_index_h", "_refln_index_k", "_refln_index_l",
                          "_refln_F_squared_meas", "_refln_F_squared_sigma"});
    for (const Reflection& r : merged) {
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
    name = name.substr(0, 70);
    return name.empty() ? "merged" : name;
}

std::string hkl_cif(const CifHeader& h, const std::vector<Reflection>& observations,
                    const std::vector<int>& zone_of, const std::vector<Reflection>& merged) {
    std::string out = "#\\#CIF_1.1\n";
    out += comment("Precession electron diffraction, merged: the scaled observations, zone by");
    out += comment("zone, and the merged reflections of the same run.");
    for (const std::string& remark : h.remarks) out += comment(remark);
    out += "data_" + h.block + "\n";
    out += item("_diffrn_radiation_probe", "electron");
    out += item("_diffrn_radiation_type", "electron");
    out += item("_diffrn_radiation_wavelength", strprintf("%.6f", h.wavelength));
    out += item("_diffrn_measurement_method", "'precession electron diffraction'");
    out += group_items(h.group) + cell_items(h.cell);
    return out + observation_loop(h.zones, observations, zone_of) + merged_loop(merged);
}

}  // namespace ped::merge
