#include "merge/exports/export_files.hpp"

#include "common/text.hpp"
#include "merge/exports/cell_content.hpp"
#include "merge/exports/cif_file.hpp"
#include "merge/exports/shelx_files.hpp"

namespace ped::merge {

namespace {

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

}  // namespace

void write_exports(const Session& s, const ExportOptions& o, const RunParams& p,
                   const RunSymmetry& symmetry, const std::vector<Zone>& zones,
                   const ExportRun& run) {
    if (!run.merge) {
        for (const std::string& suffix : export_suffixes(o, run.cell))
            say(s.term, s.msg.no_statistics, (p.output + suffix).c_str());
        return;
    }
    std::vector<Reflection> merged;
    for (const Reflection& r : run.merge->merged)
        if (is_finite(r)) merged.push_back(r);  // as <out>fin.hkl holds them
    const std::optional<SpaceGroupSetting>& group = symmetry.setting;
    std::vector<std::string> names;
    for (const Zone& z : zones) names.push_back(z.name);

    int exponent = 0;
    if (o.shelx) {
        const std::string hkl = p.output + kShelxHkl, merged_hkl = p.output + kShelxMerged;
        exponent = shelx_exponent({run.observations, &merged});
        if (exponent)
            say(s.term, s.msg.shelx_divided, hkl.c_str(), merged_hkl.c_str(),
                power_of_ten(exponent).c_str());
        std::vector<int> batches;
        for (int z : *run.zone_of) batches.push_back(z + 1);
        write_hklf4(s, hkl, *run.observations, &batches, exponent);
        write_hklf4(s, merged_hkl, merged, nullptr, exponent);

        const std::string ins = p.output + kShelxIns;
        if (!run.cell) {
            say(s.term, s.msg.no_ins_cell, ins.c_str());
        } else if (!group) {
            say(s.term, s.msg.no_ins_group, ins.c_str(), p.prep.space_group);
        } else {
            InsContent c;
            c.title = p.output + " in " + group->name;
            c.hkl = hkl;
            c.wavelength = *run.wavelength;
            c.cell = *run.cell;
            c.symmetry = shelx_symmetry(*group);
            c.composition = o.composition;
            c.zones = names;
            c.exponent = exponent;
            std::string too_long;
            const std::string text = shelx_ins(c, too_long);
            if (!too_long.empty()) {
                say(s.term, s.msg.ins_word_too_long, ins.c_str(), too_long.c_str());
            } else {
                write_file_or_fail(s.term, ins, text, s.msg.option_file_cannot_open);
                if (!o.composition.empty()) warn_cell_content(s, *run.cell, o.composition, ins);
            }
        }
    }
    if (o.cif) {
        CifHeader h;
        h.block = cif_block_name(p.output);
        h.wavelength = *run.wavelength;
        h.group = group ? &*group : nullptr;
        h.cell = run.cell;
        h.zones = names;
        if (exponent)
            h.remarks.push_back(
                "The SHELX files of this run hold these intensities and sigmas "
                "divided by " +
                power_of_ten(exponent) + ".");
        write_file_or_fail(s.term, p.output + kCif,
                           hkl_cif(h, *run.observations, *run.zone_of, merged),
                           s.msg.option_file_cannot_open);
    }
}

}  // namespace ped::merge
