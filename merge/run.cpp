#include "merge/run.hpp"

#include <cerrno>

#include "common/outfile.hpp"
#include "common/text.hpp"
#include "common/tool.hpp"
#include "merge/assembly.hpp"
#include "merge/banner.hpp"
#include "merge/factor_uncertainty.hpp"
#include "merge/match.hpp"
#include "merge/prepare.hpp"
#include "merge/prepared_file.hpp"
#include "merge/questions.hpp"
#include "merge/run_symmetry.hpp"
#include "merge/scale_factors.hpp"
#include "merge/symmetry_merge.hpp"
#include "merge/zone_list.hpp"

namespace ped::merge {

namespace {

void open_or_fail(const Session& s, OutFile& file, const std::string& path) {
    if (!file.open(path)) fail_file(s.term, path, errno, kCannotOpen);
}

// The list file's zones; a prepared file that would replace the list or a zone file is fatal
// before anything is written.
std::vector<Zone> zones_of(const Session& s, const std::string& list) {
    std::vector<Zone> zones;
    if (const int reason = read_zone_list(list, zones))
        fail_file(s.term, list, reason, kCannotOpen);
    std::fprintf(s.term.out, kZoneCount, static_cast<int>(zones.size()));
    PreparedClash clash;
    if (prepared_file_clash(list, zones, clash)) {
        const std::string input =
            clash.list ? s.msg.clash_list : strprintf(s.msg.clash_zone, clash.input.c_str());
        fail(s.term, strprintf(s.msg.prepared_clash, clash.prepared.c_str(), input.c_str()));
    }
    return zones;
}

// The last stage: equivalents merged into <out>fin.hkl, the counts, the class and Rint.
void merge_and_report(const Session& s, const std::vector<Reflection>& list,
                      const RunSymmetry& symmetry, OutFile& merged) {
    std::FILE* out = s.term.out;
    const int n = static_cast<int>(list.size());
    if (!symmetry.representative) {
        std::fputs(s.msg.no_merging, out);
        std::fprintf(out, s.msg.totals, n, 0, n);
        std::fprintf(out, kRint, 0.0);
        return;
    }
    const MergeResult m = merge_equivalents(list, symmetry.representative);
    for (int multiplicity : m.multiplicities) std::fprintf(out, "%d\n", multiplicity);
    for (const Reflection& r : m.merged) {
        if (!is_finite(r)) {
            say(s.term, s.msg.merged_too_large, r.h, r.k, r.l, merged.path().c_str());
            continue;
        }
        merged.printf(kReflectionLayout, r.h, r.k, r.l, r.i, r.sig, r.g);
    }
    std::fprintf(out, s.msg.totals, n, m.redundant, n - m.redundant);
    std::fprintf(out, "%s%s\n", s.msg.class_prefix, symmetry.laue_symbol.c_str());
    std::fprintf(out, kRint, m.rint);
}

}  // namespace

void run_merge(const Session& s, const CommandLine& cl) {
    std::FILE* out = s.term.out;
    const MatchMode mode = take_match_mode(s, cl);
    std::fprintf(out, kGreeting, 2);

    RunParams p;
    p.list = take_list_name(s, cl);
    const std::vector<Zone> zones = zones_of(s, p.list);
    take_parameters(s, cl, p);
    const RunSymmetry symmetry = legacy_symmetry(p.prep.space_group);

    for (size_t z = 0; z < zones.size(); ++z) {
        transfor2(s, zones[z].name, zones[z].prepared, p.prep, symmetry);
        std::fprintf(out, s.msg.file_done, static_cast<int>(z + 1));
    }

    p.output = take_output_name(s, cl, p, zones);
    const OutputNames names = output_names(p.output);
    OutFile report, report_g;
    open_or_fail(s, report, names.report);
    open_or_fail(s, report_g, names.report_g);
    write_banner(report, s.msg, p);

    PreparedFiles files(s.term, match_key(s, mode, symmetry));
    if (mode != MatchMode::hkl) note_set_aside(s, files, zones);
    const ScaleFactors factors = global_scale_factors(s, files, zones, p.sigma, report, report_g);
    if (cl.has("match")) report_uncertainties(s, zones, factors);

    OutFile scaled, merged;
    open_or_fail(s, scaled, names.scaled);
    open_or_fail(s, merged, names.merged);
    const std::vector<Reflection> list = assemble(s, files, zones, factors, scaled);
    if (!symmetry.representative) error(s.term, s.msg.wrong_space_group);

    merge_and_report(s, list, symmetry, merged);
    for (OutFile* file : {&report, &report_g, &scaled, &merged})
        close_or_fail(s.term, *file, s.term.lang.cannot_write);
    std::fputs(kFarewell, out);
    s.term.in.pause(out);
}

int merge_main(int argc, char** argv, const char* tool, const Messages& msg) {
    const ToolInfo info{tool, msg.language, msg.usage, msg.options_usage, {{"match", true}}};
    return run_tool(argc, argv, info, [&msg](const Terminal& t, const CommandLine& cl) {
        run_merge(Session{t, msg}, cl);
    });
}

}  // namespace ped::merge
