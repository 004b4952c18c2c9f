#include "merge/run.hpp"

#include <cerrno>
#include <optional>

#include "common/format.hpp"
#include "common/outfile.hpp"
#include "common/text.hpp"
#include "common/tool.hpp"
#include "merge/exports/export_files.hpp"
#include "merge/exports/export_options.hpp"
#include "merge/pipeline/assembly.hpp"
#include "merge/pipeline/banner.hpp"
#include "merge/pipeline/match.hpp"
#include "merge/pipeline/prepare.hpp"
#include "merge/pipeline/prepared_file.hpp"
#include "merge/pipeline/questions.hpp"
#include "merge/pipeline/run_symmetry.hpp"
#include "merge/pipeline/scale_factors.hpp"
#include "merge/pipeline/symmetry_merge.hpp"
#include "merge/pipeline/symmetry_options.hpp"
#include "merge/pipeline/zone_list.hpp"
#include "merge/reports/cell_check.hpp"
#include "merge/reports/report_files.hpp"
#include "merge/reports/uncertainty_report.hpp"
#include "merge/reports/zone_summary.hpp"

namespace ped::merge {

namespace {

void open_or_fail(const Session& s, OutFile& file, const std::string& path) {
    if (!file.open(path)) fail_file(s.term, path, errno, kCannotOpen);
}

// The list file's zones; a prepared file that would replace the list, a zone file or the cell
// file is fatal before anything is written.
std::vector<Zone> zones_of(const Session& s, const std::string& list,
                           const std::string& cell_file) {
    std::vector<Zone> zones;
    if (const int reason = read_zone_list(s.term, list, zones))
        fail_file(s.term, list, reason, kCannotOpen);
    std::fprintf(s.term.out, kZoneCount, static_cast<int>(zones.size()));
    PreparedClash clash;
    if (prepared_file_clash(list, zones, cell_file, clash)) {
        using Input = PreparedClash::Input;
        const std::string input =
            clash.kind == Input::list
                ? s.msg.clash_list
                : strprintf(clash.kind == Input::zone ? s.msg.clash_zone : s.msg.clash_cell,
                            clash.input.c_str());
        fail(s.term, strprintf(s.msg.prepared_clash, clash.prepared.c_str(), input.c_str()));
    }
    return zones;
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

void run_merge(const Session& s, const CommandLine& cl) {
    std::FILE* out = s.term.out;
    const SymmetryOptions symmetry_given = symmetry_options(s, cl);
    const ReportOptions reports = report_options(s, cl);
    const MatchMode mode = take_match_mode(s, cl);
    const ExportOptions exports = export_options(s, cl);
    std::fprintf(out, kGreeting, 2);

    RunParams p;
    if (symmetry_given.setting) {
        p.space_group_option = true;
        p.prep.space_group = symmetry_given.setting->number;
    }
    p.list = take_list_name(s, cl);
    const std::vector<Zone> zones = zones_of(s, p.list, reports.cell_file);
    warn_repeated_zones(s, zones);
    take_parameters(s, cl, p);
    // Before any zone is prepared: nothing is written when the wavelength is missing.
    const std::optional<double> wavelength =
        export_wavelength(s, exports, p.prep, reports.cell.has_value());
    if (!symmetry_given.setting && !symmetry_given.tables) warn_space_group(s, p.prep.space_group);
    const RunSymmetry symmetry = choose_symmetry(s, symmetry_given, p.prep.space_group);

    std::vector<ZonePreparation> prepared;
    for (size_t z = 0; z < zones.size(); ++z) {
        prepared.push_back(transfor2(s, zones[z].name, zones[z].prepared, p.prep, symmetry));
        say_zone(s, z, zones[z], prepared.back());
        std::fprintf(out, s.msg.file_done, static_cast<int>(z + 1));
    }

    std::vector<std::string> cell_file;
    if (!reports.cell_file.empty()) cell_file.push_back(reports.cell_file);
    std::vector<std::string> suffixes = report_suffixes(reports);
    for (const std::string& suffix : export_suffixes(exports, reports.cell.has_value()))
        suffixes.push_back(suffix);
    p.output = take_output_name(s, cl, p, zones, suffixes, cell_file);
    const OutputNames names = output_names(p.output);
    OutFile report, report_g;
    open_or_fail(s, report, names.report);
    open_or_fail(s, report_g, names.report_g);
    write_banner(report, s.msg, p);

    PreparedFiles files(s.term, match_key(s, mode, symmetry));
    if (mode != MatchMode::hkl) note_set_aside(s, files, zones);
    const ScaleFactors factors = global_scale_factors(s, files, zones, p.sigma, report, report_g);
    report_uncertainties(s, zones, factors);

    OutFile scaled, merged;
    open_or_fail(s, scaled, names.scaled);
    open_or_fail(s, merged, names.merged);
    std::vector<int> zone_of;
    const std::vector<Reflection> list = assemble(s, files, zones, factors, scaled, &zone_of);
    if (!symmetry.laue) error(s.term, s.msg.wrong_space_group);

    const std::optional<MergeResult> m = merge_and_report(s, list, symmetry, merged);
    for (OutFile* file : {&report, &report_g, &scaled, &merged})
        close_or_fail(s.term, *file, s.term.lang.cannot_write);
    if (reports.cell && m) check_cell_fit(s, *reports.cell, m->merged, names.merged);
    if (reports.stats && m)
        write_statistics(s, reports, p, symmetry, zones, factors, merged_groups(*m, list, zone_of));
    else if (reports.stats)
        say(s.term, s.msg.no_statistics, (p.output + kStatsText).c_str());
    if (reports.absences) write_absences(s, p, symmetry, zones, prepared);
    if (exports.shelx || exports.cif)
        write_exports(s, exports, p, symmetry, zones,
                      {&list, &zone_of, m ? &*m : nullptr, reports.cell ? &*reports.cell : nullptr,
                       wavelength});
    std::fputs(kFarewell, out);
    s.term.in.pause(out);
    // A space group without a Laue class was reported by `error` and the run went on as it
    // always has; it still ends as the failure it is.
    if (!symmetry.laue) throw Fatal{};
}

const std::vector<OptionSpec>& merge_options() {
    static const std::vector<OptionSpec> options{
        {"sg", true},     {"ita", false},      {"stats", false},    {"shells", true},
        {"cell", true},   {"cell-file", true}, {"absences", false}, {"match", true},
        {"shelx", false}, {"cif", false},      {"kv", true},        {"composition", true}};
    return options;
}

int merge_main(int argc, char** argv, const char* tool, const Messages& msg) {
    const ToolInfo info{tool, msg.language, msg.usage, msg.options_usage, merge_options()};
    return run_tool(argc, argv, info, [&msg](const Terminal& t, const CommandLine& cl) {
        run_merge(Session{t, msg}, cl);
    });
}

}  // namespace ped::merge
