#include "merge/exports/export_files.hpp"

#include <algorithm>
#include <cmath>

#include "common/text.hpp"
#include "merge/exports/cell_content.hpp"
#include "merge/exports/cif_file.hpp"
#include "merge/exports/completeness.hpp"
#include "merge/exports/shelx_files.hpp"
#include "merge/pipeline/assembly.hpp"

namespace ped::merge {

namespace {

// What every exported file takes from the run.
struct ExportBasis {
    // The scaled observations, then the systematic absences, with the zone (from 0) of each.
    std::vector<Reflection> observations;
    std::vector<int> zone_of;
    size_t absences_from = 0;
    // As <out>fin.hkl holds them (the finite ones), but with the sigma of the mean.
    std::vector<Reflection> merged;
    std::optional<SpaceGroupSetting> group;
    std::vector<std::string> zones;  // their names
};

// The sigma of a mean of n records: sqrt(sum of sigma_i^2) / n (hypot keeps the sum finite).
double sigma_of_mean(const std::vector<Reflection>& list, const std::vector<size_t>& members) {
    double root = 0;
    for (size_t m : members) root = std::hypot(root, list[m].sig);
    return root / static_cast<double>(members.size());
}

// Each zone's absences, scaled by its factors as <out>.hkl's records are.
void add_absences(ExportBasis& b, const MergeRun& run) {
    for (size_t z = 0; z < run.preparations.size(); ++z)
        for (const Reflection& r : run.preparations[z].absences) {
            const Reflection x = scaled_record(r, run.factors, z);
            if (!is_finite(x)) continue;
            b.observations.push_back(x);
            b.zone_of.push_back(static_cast<int>(z));
        }
}

ExportBasis export_basis(const MergeRun& run) {
    ExportBasis b;
    b.observations = run.scaled;
    b.zone_of = run.zone_of;
    b.absences_from = b.observations.size();
    add_absences(b, run);
    const MergeResult& m = *run.merge;
    for (size_t n = 0; n < m.merged.size(); ++n) {
        Reflection r = m.merged[n];
        if (!is_finite(r)) continue;
        r.sig = sigma_of_mean(run.scaled, m.members[n]);
        b.merged.push_back(r);
    }
    b.group = run.symmetry.setting;
    for (const Zone& z : run.zones) b.zones.push_back(z.name);
    return b;
}

// One SHELX reflection file; the records without a place in its columns are said.
void write_hklf4(const Session& s, const std::string& path, const std::vector<Reflection>& records,
                 const std::vector<int>* batches, int exponent) {
    std::vector<Reflection> left_out;
    write_file_or_fail(s.term, path, hklf4(records, batches, exponent, left_out),
                       s.msg.option_file_cannot_open);
    if (!left_out.empty())
        say(s.term, s.msg.shelx_left_out, path.c_str(), static_cast<int>(left_out.size()),
            left_out[0].h, left_out[0].k, left_out[0].l);
}

// Both SHELX reflection files; returns the power of ten their values are divided by.
int write_shelx_reflections(const Session& s, const MergeRun& run, const ExportBasis& b) {
    const std::string& output = run.params.output;
    const std::string hkl = output + kShelxHkl, merged_hkl = output + kShelxMerged;
    const int exponent = shelx_exponent({&b.observations, &b.merged});
    if (exponent)
        say(s.term, s.msg.shelx_divided, hkl.c_str(), merged_hkl.c_str(),
            power_of_ten(exponent).c_str());
    std::vector<int> batches;
    for (int z : b.zone_of) batches.push_back(z + 1);
    write_hklf4(s, hkl, b.observations, &batches, exponent);
    write_hklf4(s, merged_hkl, b.merged, nullptr, exponent);
    return exponent;
}

// The instruction file, when there is a cell and a group to write into it.
void write_ins(const Session& s, const MergeRun& run, const ExportBasis& b, int exponent) {
    const MergeOptions& o = run.options;
    const RunParams& p = run.params;
    const std::string ins = p.output + kShelxIns;
    if (!o.cell) return say(s.term, s.msg.no_ins_cell, ins.c_str());
    if (!b.group) return say(s.term, s.msg.no_ins_group, ins.c_str(), p.prep.space_group);
    InsContent c;
    c.title = p.output + " in " + b.group->name;
    c.hkl = p.output + kShelxHkl;
    c.wavelength = *run.wavelength;
    c.cell = *o.cell;
    c.cell_su = o.cell_su;
    c.symmetry = shelx_symmetry(*b.group);
    c.composition = o.composition;
    c.zones = b.zones;
    c.exponent = exponent;
    c.absences = b.observations.size() - b.absences_from;
    std::string too_long;
    const std::string text = shelx_ins(c, too_long);
    if (!too_long.empty())
        return say(s.term, s.msg.ins_word_too_long, ins.c_str(), too_long.c_str());
    write_file_or_fail(s.term, ins, text, s.msg.option_file_cannot_open);
    if (!o.composition.empty()) warn_cell_content(s, *o.cell, o.composition, ins);
}

void write_cif(const Session& s, const MergeRun& run, ExportBasis& b, int exponent) {
    const std::string& output = run.params.output;
    CifContent c;
    c.block = cif_block_name(output);
    c.wavelength = *run.wavelength;
    c.group = b.group ? &*b.group : nullptr;
    c.cell = run.options.cell ? &*run.options.cell : nullptr;
    c.cell_su = run.options.cell_su;
    c.composition = run.options.composition;
    for (size_t z = 0; z < b.zones.size(); ++z) {
        ScaleGroup g{b.zones[z], run.factors.linear[z], run.factors.g[z], {}};
        if (z < run.factors.uncertainty.size()) g.su = run.factors.uncertainty[z];
        c.groups.push_back(g);
    }
    if (exponent)
        c.remarks.push_back(
            "The SHELX files of this run hold these intensities and sigmas "
            "divided by " +
            power_of_ten(exponent) + ".");
    c.observations = std::move(b.observations);
    c.zone_of = std::move(b.zone_of);
    c.absences_from = b.absences_from;
    c.merged = std::move(b.merged);
    c.rint = run.merge->rint;
    if (c.cell) {
        double g_top = 0;
        for (const Reflection& r : c.observations) g_top = std::max(g_top, r.g);
        const PrepareOptions& p = run.params.prep;
        c.completeness = measured_fraction(*c.cell, run.symmetry, p.gmin, p.gmax, g_top, c.merged);
    }
    write_file_or_fail(s.term, output + kCif, hkl_cif(c), s.msg.option_file_cannot_open);
}

}  // namespace

void write_exports(const Session& s, const MergeRun& run) {
    const MergeOptions& o = run.options;
    const RunParams& p = run.params;
    if (!run.merge) {
        for (const std::string& suffix : export_suffixes(o))
            say(s.term, s.msg.no_statistics, (p.output + suffix).c_str());
        return;
    }
    ExportBasis b = export_basis(run);
    int exponent = 0;
    if (o.shelx) {
        exponent = write_shelx_reflections(s, run, b);
        write_ins(s, run, b, exponent);
    }
    if (o.cif) write_cif(s, run, b, exponent);
}

}  // namespace ped::merge
