#include "merge/run.hpp"

#include "common/tool.hpp"
#include "merge/exports/export_files.hpp"
#include "merge/exports/export_options.hpp"
#include "merge/options.hpp"
#include "merge/pipeline/run_steps.hpp"
#include "merge/reports/cell_check.hpp"
#include "merge/reports/report_files.hpp"
#include "merge/reports/report_page.hpp"
#include "merge/reports/uncertainty_report.hpp"
#include "merge/reports/zone_summary.hpp"

namespace ped::merge {

namespace {

// From the greeting to the run's symmetry: the list and its zones, the parameters, the
// wavelength the exported files need (before any zone is prepared: nothing is written when it
// is missing).
MergeRun begin_run(const Session& s, const CommandLine& cl, const MergeOptions& o) {
    MergeRun run = open_run(s, cl, o);
    warn_repeated_zones(s, run.zones);
    take_parameters(s, cl, o, run.params);
    say_unused_export_options(s, o);
    run.wavelength = export_wavelength(s, o, run.params.prep);
    if (!o.sg && !o.ita) warn_space_group(s, run.params.prep.space_group);
    choose_run_symmetry(s, run);
    return run;
}

void prepare_zones(const Session& s, MergeRun& run) {
    for (size_t z = 0; z < run.zones.size(); ++z) {
        run.preparations.push_back(prepare_run_zone(s, run, z));
        say_zone(s, z, run.zones[z], run.preparations.back());
        std::fprintf(s.term.out, s.msg.file_done, static_cast<int>(z + 1));
    }
}

// The files the reports and exports add beyond the four of the merge (the page aside).
std::vector<std::string> option_suffixes(const MergeOptions& o) {
    std::vector<std::string> suffixes = report_suffixes(o);
    for (const std::string& suffix : export_suffixes(o)) suffixes.push_back(suffix);
    return suffixes;
}

// What name_outputs checks against the inputs: those files and the page.
std::vector<std::string> output_suffixes(const MergeOptions& o) {
    std::vector<std::string> suffixes = option_suffixes(o);
    if (o.html) suffixes.push_back(kReportPage);
    return suffixes;
}

void write_reports(const Session& s, const MergeRun& run) {
    const MergeOptions& o = run.options;
    if (o.cell && run.merge)
        check_cell_fit(s, *o.cell, run.merge->merged, run.output_names().merged);
    if (o.stats && run.merge)
        write_statistics(s, run);
    else if (o.stats)
        say(s.term, s.msg.no_statistics, (run.params.output + kStatsText).c_str());
    if (o.absences) write_absences(s, run);
}

// The page lists the files of the run that exist once the others are written.
void write_page(const Session& s, const MergeRun& run) {
    const OutputNames names = run.output_names();
    std::vector<std::string> files{names.report, names.report_g, names.scaled, names.merged};
    for (const Zone& zone : run.zones) files.push_back(zone.prepared);
    for (const std::string& suffix : option_suffixes(run.options))
        files.push_back(run.params.output + suffix);
    write_report_page(s, run, files);
}

}  // namespace

int run_merge(const Session& s, const CommandLine& cl, const MergeOptions& o) {
    MergeRun run = begin_run(s, cl, o);
    prepare_zones(s, run);
    name_outputs(s, cl, run, output_suffixes(o));
    scale_and_merge(s, run,
                    [&s](const MergeRun& r) { report_uncertainties(s, r.zones, r.factors); });
    write_reports(s, run);
    if (o.shelx || o.cif) write_exports(s, run);
    if (o.html) write_page(s, run);
    std::fputs(kFarewell, s.term.out);
    s.term.in.pause(s.term.out);
    // A space group without a Laue class was reported and the run went on as it always has;
    // it still ends as the failure it is.
    return run.symmetry.laue ? 0 : 255;
}

int merge_main(int argc, char** argv, const char* tool, const Messages& msg) {
    return run_tool<MergeOptions>(
        argc, argv, {tool, msg.language, msg.usage}, merge_option_table(),
        [&msg](const Terminal& t, const CommandLine& cl, const MergeOptions& given) {
            const Session s{t, msg};
            return run_merge(s, cl, checked_options(s, given));
        });
}

}  // namespace ped::merge
