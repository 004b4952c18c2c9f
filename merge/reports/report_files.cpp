#include "merge/reports/report_files.hpp"

#include "common/text.hpp"
#include "merge/reports/absences.hpp"
#include "merge/reports/statistics_files.hpp"

namespace ped::merge {

std::vector<std::string> report_suffixes(const MergeOptions& o) {
    std::vector<std::string> suffixes;
    if (o.stats) suffixes = {kStatsText, kStatsJson};
    if (o.absences) suffixes.push_back(kAbsences);
    return suffixes;
}

std::vector<MergedGroup> merged_groups(const MergeResult& m, const std::vector<Reflection>& list,
                                       const std::vector<int>& zone_of) {
    std::vector<MergedGroup> groups;
    for (size_t j = 0; j < m.merged.size(); ++j) {
        const Reflection& r = m.merged[j];
        if (!is_finite(r)) continue;  // left out of the merged file
        MergedGroup g{r.h, r.k, r.l, r.i, r.sig, r.g, {}};
        for (size_t i : m.members[j]) g.obs.push_back({list[i].i, list[i].sig, zone_of[i]});
        groups.push_back(std::move(g));
    }
    return groups;
}

namespace {

// The zone rows with what the computation does not know: names, factors and their ties.
std::vector<ZoneRow> zone_table(const std::vector<MergedGroup>& groups,
                                const std::vector<Zone>& zones, const ScaleFactors& factors) {
    std::vector<ZoneRow> rows = zone_rows(groups, static_cast<int>(zones.size()));
    for (size_t z = 0; z < rows.size(); ++z) {
        rows[z].name = zones[z].name;
        rows[z].linear_factor = factors.linear[z];
        rows[z].g_factor = factors.g[z];
        if (z >= factors.uncertainty.size()) continue;
        const ZoneUncertainty& u = factors.uncertainty[z];
        rows[z].linear_sigma = u.linear.sigma;
        rows[z].g_sigma = u.g.sigma;
        rows[z].linear_ties = u.linear.reflections;
        rows[z].linear_tie_zones = u.linear.zones;
        rows[z].g_ties = u.g.reflections;
        rows[z].g_tie_zones = u.g.zones;
    }
    return rows;
}

StatsContext stats_context(const MergeRun& run) {
    const MergeOptions& o = run.options;
    const RunParams& p = run.params;
    const RunSymmetry& symmetry = run.symmetry;
    const OutputNames names = run.output_names();
    StatsContext c;
    c.scaled = names.scaled;
    c.merged = names.merged;
    c.space_group = symmetry.number;
    c.laue_class = symmetry.laue ? symmetry.laue->symbol : "";
    c.gmin = p.prep.gmin;
    c.gmax = p.prep.gmax;
    c.cell = o.cell ? &*o.cell : nullptr;
    c.shells_wanted = o.shell_count();
    return c;
}

}  // namespace

ShellTable run_shell_table(const MergeRun& run, const std::vector<MergedGroup>& groups,
                           bool* counted) {
    const MergeOptions& o = run.options;
    const PrepareOptions& p = run.params.prep;
    std::optional<CompletenessBasis> basis;
    if (o.cell) basis = CompletenessBasis{*o.cell, &run.symmetry, p.gmin, p.gmax};
    return shell_table(groups, o.shell_count(), basis ? &*basis : nullptr, counted);
}

void write_statistics(const Session& s, const MergeRun& run) {
    const MergeOptions& o = run.options;
    const RunParams& p = run.params;
    const std::vector<MergedGroup> groups = merged_groups(*run.merge, run.scaled, run.zone_of);
    const std::string text_name = p.output + kStatsText, json_name = p.output + kStatsJson;
    bool counted = false;
    const ShellTable table = run_shell_table(run, groups, &counted);
    if (o.cell && !counted && !groups.empty())
        say(s.term, s.msg.completeness_skipped, text_name.c_str());
    const std::vector<ZoneRow> rows = zone_table(groups, run.zones, run.factors);
    const StatsContext c = stats_context(run);
    write_file_or_fail(s.term, text_name, stats_text(table, rows, c),
                       s.msg.option_file_cannot_open);
    write_file_or_fail(s.term, json_name, stats_json(table, rows, c),
                       s.msg.option_file_cannot_open);
}

void write_absences(const Session& s, const MergeRun& run) {
    std::vector<ZoneAbsences> report;
    for (size_t z = 0; z < run.zones.size(); ++z)
        report.push_back({run.zones[z].name, run.preparations[z].removed});
    write_file_or_fail(s.term, run.params.output + kAbsences,
                       absences_text(run.symmetry, report, run.params.prep.poisson_error),
                       s.msg.option_file_cannot_open);
}

}  // namespace ped::merge
