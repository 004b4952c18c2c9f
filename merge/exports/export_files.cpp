#include "merge/exports/export_files.hpp"

#include "common/text.hpp"
#include "merge/exports/cell_content.hpp"
#include "merge/exports/cif_file.hpp"
#include "merge/exports/shelx_files.hpp"

namespace ped::merge {

namespace {

// What every exported file takes from the run.
struct ExportBasis {
    std::vector<Reflection> merged;  // as <out>fin.hkl holds them: the finite ones
    std::optional<SpaceGroupSetting> group;
    std::vector<std::string> zones;  // their names
};

ExportBasis export_basis(const MergeRun& run) {
    ExportBasis b;
    for (const Reflection& r : run.merge->merged)
        if (is_finite(r)) b.merged.push_back(r);
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
    const int exponent = shelx_exponent({&run.scaled, &b.merged});
    if (exponent)
        say(s.term, s.msg.shelx_divided, hkl.c_str(), merged_hkl.c_str(),
            power_of_ten(exponent).c_str());
    std::vector<int> batches;
    for (int z : run.zone_of) batches.push_back(z + 1);
    write_hklf4(s, hkl, run.scaled, &batches, exponent);
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
    c.symmetry = shelx_symmetry(*b.group);
    c.composition = o.composition;
    c.zones = b.zones;
    c.exponent = exponent;
    std::string too_long;
    const std::string text = shelx_ins(c, too_long);
    if (!too_long.empty())
        return say(s.term, s.msg.ins_word_too_long, ins.c_str(), too_long.c_str());
    write_file_or_fail(s.term, ins, text, s.msg.option_file_cannot_open);
    if (!o.composition.empty()) warn_cell_content(s, *o.cell, o.composition, ins);
}

void write_cif(const Session& s, const MergeRun& run, const ExportBasis& b, int exponent) {
    const std::string& output = run.params.output;
    CifHeader h;
    h.block = cif_block_name(output);
    h.wavelength = *run.wavelength;
    h.group = b.group ? &*b.group : nullptr;
    h.cell = run.options.cell ? &*run.options.cell : nullptr;
    h.zones = b.zones;
    if (exponent)
        h.remarks.push_back(
            "The SHELX files of this run hold these intensities and sigmas "
            "divided by " +
            power_of_ten(exponent) + ".");
    write_file_or_fail(s.term, output + kCif, hkl_cif(h, run.scaled, run.zone_of, b.merged),
                       s.msg.option_file_cannot_open);
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
    const ExportBasis b = export_basis(run);
    int exponent = 0;
    if (o.shelx) {
        exponent = write_shelx_reflections(s, run, b);
        write_ins(s, run, b, exponent);
    }
    if (o.cif) write_cif(s, run, b, exponent);
}

}  // namespace ped::merge
