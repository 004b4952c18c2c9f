#include "merge/pipeline/run_steps.hpp"

#include <cerrno>

#include "common/format.hpp"
#include "common/outfile.hpp"
#include "common/text.hpp"
#include "merge/pipeline/assembly.hpp"
#include "merge/pipeline/banner.hpp"
#include "merge/pipeline/match.hpp"
#include "merge/pipeline/symmetry_options.hpp"

namespace ped::merge {

namespace {

void open_or_fail(const Session& s, OutFile& file, const std::string& path) {
    if (!file.open(path)) fail_file(s.term, path, errno, kCannotOpen);
}

// The prepared file that would replace an input, as the message that ends the run.
std::string clash_message(const Session& s, const PreparedClash& clash) {
    using Input = PreparedClash::Input;
    const std::string input =
        clash.kind == Input::list
            ? s.msg.clash_list
            : strprintf(clash.kind == Input::zone ? s.msg.clash_zone : s.msg.clash_cell,
                        clash.input.c_str());
    return strprintf(s.msg.prepared_clash, clash.prepared.c_str(), input.c_str());
}

// The last stage: equivalents merged into <out>fin.hkl, the counts, the class and Rint.
// Returns the merge (none without a Laue class).
std::optional<MergeResult> merge_and_report(const Session& s, const std::vector<Reflection>& list,
                                            const RunSymmetry& symmetry, OutFile& merged) {
    std::FILE* out = s.term.out;
    const int n = static_cast<int>(list.size());
    if (!symmetry.laue) {
        std::fputs(s.msg.no_merging, out);
        std::fprintf(out, s.msg.totals, n, 0, n);
        std::fprintf(out, kRint, 0.0);
        return std::nullopt;
    }
    const MergeResult m = merge_equivalents(list, *symmetry.laue);
    for (int multiplicity : m.multiplicities) print(out, "%d\n", multiplicity);
    for (const Reflection& r : m.merged) {
        if (!is_finite(r)) {
            say(s.term, s.msg.merged_too_large, r.h, r.k, r.l, merged.path().c_str());
            continue;
        }
        merged.reflection(r.h, r.k, r.l, r.i, r.sig, r.g);
    }
    std::fprintf(out, s.msg.totals, n, m.redundant, n - m.redundant);
    std::fprintf(out, "%s%s\n", s.msg.class_prefix, symmetry.laue->symbol.c_str());
    std::fprintf(out, kRint, m.rint);
    return m;
}

}  // namespace

MergeRun open_run(const Session& s, const CommandLine& cl, const MergeOptions& o) {
    std::fprintf(s.term.out, kGreeting, 2);
    MergeRun run;
    run.options = o;
    run.params.list = take_list_name(s, cl);
    if (const int reason = read_zone_list(s.term, run.params.list, run.zones))
        fail_file(s.term, run.params.list, reason, kCannotOpen);
    std::fprintf(s.term.out, kZoneCount, static_cast<int>(run.zones.size()));
    PreparedClash clash;
    if (prepared_file_clash(run.params.list, run.zones, o.cell_file.value_or(""), clash))
        fail(clash_message(s, clash));
    return run;
}

void choose_run_symmetry(const Session& s, MergeRun& run) {
    const int number = run.params.prep.space_group;
    run.symmetry = choose_symmetry(s, run.options, number);
}

ZonePreparation prepare_run_zone(const Session& s, const MergeRun& run, size_t z) {
    const Zone& zone = run.zones[z];
    return transfor2(s, zone.name, zone.prepared, run.params.prep, run.symmetry);
}

void name_outputs(const Session& s, const CommandLine& cl, MergeRun& run,
                  const std::vector<std::string>& more_suffixes) {
    std::vector<std::string> cell_file;
    if (run.options.cell_file) cell_file.push_back(*run.options.cell_file);
    run.params.output = take_output_name(s, cl, run.params, run.zones, more_suffixes, cell_file);
}

void scale_and_merge(const Session& s, MergeRun& run,
                     const std::function<void(const MergeRun&)>& on_factors) {
    const OutputNames names = run.output_names();
    OutFile report, report_g, scaled, merged;
    open_or_fail(s, report, names.report);
    open_or_fail(s, report_g, names.report_g);
    write_banner(report, s.msg, run.params);

    PreparedFiles files(s.term, match_key(s, run.options.match, run.symmetry));
    if (run.options.match != MatchMode::hkl) note_set_aside(s, files, run.zones);
    run.factors = global_scale_factors(s, files, run.zones, run.params.sigma, report, report_g);
    on_factors(run);

    open_or_fail(s, scaled, names.scaled);
    open_or_fail(s, merged, names.merged);
    run.scaled = assemble(s, files, run.zones, run.factors, scaled, &run.zone_of);
    if (!run.symmetry.laue) error(s.term, s.msg.wrong_space_group);
    run.merge = merge_and_report(s, run.scaled, run.symmetry, merged);
    for (OutFile* file : {&report, &report_g, &scaled, &merged})
        close_or_fail(s.term, *file, s.term.lang.cannot_write);
}

}  // namespace ped::merge
