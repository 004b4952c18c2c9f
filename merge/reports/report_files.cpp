#include "merge/reports/report_files.hpp"

#include "common/text.hpp"
#include "merge/reports/absences.hpp"
#include "merge/reports/statistics_files.hpp"

namespace ped::merge {

namespace {

const char* cell_why(const Messages& msg, CellProblem problem) {
    switch (problem) {
        case CellProblem::length:
            return msg.cell_length;
        case CellProblem::huge_length:
            return msg.cell_huge_length;
        case CellProblem::angle:
            return msg.cell_angle;
        case CellProblem::volume:
            return msg.cell_volume;
        default:
            return msg.cell_not_six;
    }
}

}  // namespace

ReportOptions report_options(const Session& s, const CommandLine& cl) {
    ReportOptions o;
    o.stats = cl.has("stats");
    o.absences = cl.has("absences");
    if (cl.has("shells")) {
        const std::string value = cl.value("shells");
        if (!parse_int(value, o.shells) || o.shells < 1 || o.shells > 100)
            fail(s.term, strprintf(s.term.lang.option_bad_value, "shells", value.c_str()));
    }
    if (cl.has("cell") && cl.has("cell-file")) fail(s.term, s.msg.cell_both);
    UnitCell cell;
    if (cl.has("cell")) {
        const std::string value = cl.value("cell");
        const CellProblem problem = parse_cell(value, cell);
        if (problem != CellProblem::none)
            fail(s.term,
                 strprintf(s.msg.cell_bad, "cell", value.c_str(), cell_why(s.msg, problem)));
        o.cell = cell;
    }
    if (cl.has("cell-file")) {
        o.cell_file = cl.value("cell-file");
        CellProblem problem;
        long line = 0;
        if (const int reason = read_cell_file(o.cell_file, cell, problem, &line))
            fail_file(s.term, o.cell_file, reason, s.msg.option_file_cannot_open);
        const std::string why = problem == CellProblem::long_line
                                    ? strprintf(s.msg.cell_long_line, line, kLongestLine)
                                    : cell_why(s.msg, problem);
        if (problem != CellProblem::none)
            fail(s.term, strprintf(s.msg.cell_file_bad, o.cell_file.c_str(), why.c_str()));
        o.cell = cell;
    }
    if (cl.has("shells") && !o.stats) say(s.term, "%s", s.msg.shells_not_used);
    if (o.cell && !o.stats && !cl.has("shelx") && !cl.has("cif"))
        say(s.term, s.msg.cell_not_used, cl.has("cell") ? "cell" : "cell-file");
    return o;
}

std::vector<std::string> report_suffixes(const ReportOptions& o) {
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

StatsContext stats_context(const ReportOptions& o, const RunParams& p,
                           const RunSymmetry& symmetry) {
    const OutputNames names = output_names(p.output);
    StatsContext c;
    c.scaled = names.scaled;
    c.merged = names.merged;
    c.space_group = symmetry.number;
    c.laue_class = symmetry.laue ? symmetry.laue->symbol : "";
    c.gmin = p.prep.gmin;
    c.gmax = p.prep.gmax;
    c.cell = o.cell ? &*o.cell : nullptr;
    c.shells_wanted = o.shells;
    return c;
}

}  // namespace

void write_statistics(const Session& s, const ReportOptions& o, const RunParams& p,
                      const RunSymmetry& symmetry, const std::vector<Zone>& zones,
                      const ScaleFactors& factors, const std::vector<MergedGroup>& groups) {
    const std::string text_name = p.output + kStatsText, json_name = p.output + kStatsJson;
    std::optional<CompletenessBasis> basis;
    if (o.cell) basis = CompletenessBasis{*o.cell, &symmetry, p.prep.gmin, p.prep.gmax};
    bool counted = false;
    const ShellTable table = shell_table(groups, o.shells, basis ? &*basis : nullptr, &counted);
    if (basis && !counted && !groups.empty())
        say(s.term, s.msg.completeness_skipped, text_name.c_str());
    const std::vector<ZoneRow> rows = zone_table(groups, zones, factors);
    const StatsContext c = stats_context(o, p, symmetry);
    write_file_or_fail(s.term, text_name, stats_text(table, rows, c),
                       s.msg.option_file_cannot_open);
    write_file_or_fail(s.term, json_name, stats_json(table, rows, c),
                       s.msg.option_file_cannot_open);
}

void write_absences(const Session& s, const RunParams& p, const RunSymmetry& symmetry,
                    const std::vector<Zone>& zones, const std::vector<ZonePreparation>& prepared) {
    std::vector<ZoneAbsences> report;
    for (size_t z = 0; z < zones.size(); ++z)
        report.push_back({zones[z].name, prepared[z].removed});
    write_file_or_fail(s.term, p.output + kAbsences,
                       absences_text(symmetry, report, p.prep.poisson_error),
                       s.msg.option_file_cannot_open);
}

}  // namespace ped::merge
