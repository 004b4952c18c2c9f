#include "merge/reports/report_page.hpp"

#include <cmath>
#include <filesystem>

#include "common/text.hpp"
#include "merge/pipeline/symmetry_options.hpp"
#include "merge/reports/absences.hpp"
#include "merge/reports/pair_matrix.hpp"
#include "merge/reports/plot_geometry.hpp"
#include "merge/reports/report_files.hpp"
#include "merge/reports/statistics_files.hpp"
#include "merge/reports/svg_plots.hpp"

namespace ped::merge {

namespace {

const char* kStyle =
    "body{font-family:sans-serif;max-width:1180px;margin:auto;padding:0 1em;color:#222}\n"
    "h1{font-size:1.5em}h2{border-bottom:1px solid #999;margin-top:1.4em}\n"
    "table{border-collapse:collapse;margin:.5em 0}"
    "td,th{border:1px solid #bbb;padding:2px 6px;text-align:right}td{white-space:nowrap}\n"
    "th{background:#eee}td.t,th.t{text-align:left}\n"
    "[title]{text-decoration:underline dotted;cursor:help}svg [title],svg{text-decoration:none}\n"
    ".plots{display:flex;flex-wrap:wrap;gap:6px}svg.plot{border:1px solid #ddd;background:#fff}\n"
    ".grid{stroke:#e6e6e6}.axis{stroke:#444}.line{fill:none;stroke:#1f5fa8;stroke-width:2}\n"
    ".dot{fill:#1f5fa8}.bar{fill:#8db3df;stroke:#4a7ab0}.err{stroke:#222;stroke-width:1.5;"
    "fill:none}\n"
    "text{font:12px sans-serif;fill:#222}.head{font-weight:bold;font-size:13px}.in{font-size:"
    "11px}\n"
    ".warn{background:#fff3cd;border:1px solid #e0c060;padding:.5em;white-space:pre-wrap}\n"
    "tr.strong td{background:#f8d0d0}.key{display:inline-block;width:1em;height:1em;"
    "vertical-align:middle;border:1px solid #888;margin:0 .3em}\n"
    "@media print{body{max-width:none}svg.plot,table{break-inside:avoid}}\n";

const char* kGood = "#9fd89f";
const char* kAverage = "#f3d37a";
const char* kNoGood = "#ef8f8f";
const char* kNotCompared = "#dddddd";

// A number as the tables show it, "-" when it is none.
std::string num(double v, const char* format = "%.4f") {
    return std::isfinite(v) ? strprintf(format, v) : "-";
}

std::string th(const Term& t, bool text = false) {
    return std::string("<th") + (text ? " class=\"t\"" : "") + " title=\"" +
           html_escape(t.definition) + "\">" + html_escape(t.label) + "</th>";
}

std::string row(const Term& t, const std::string& value) {
    return "<tr>" + th(t, true) + "<td class=\"t\">" + html_escape(value) + "</td></tr>\n";
}

std::string heading(const char* level, const char* text) {
    return strprintf("<%s>", level) + html_escape(text) + strprintf("</%s>\n", level);
}

std::string parameters(const PageTexts& t, const MergeRun& run) {
    const PrepareOptions& p = run.params.prep;
    std::string s = heading("h3", t.parameters) + "<table>\n";
    s += row(t.list, run.params.list);
    s += row(t.g_window, strprintf("%g - %g", p.gmin, p.gmax));
    s += row(t.sigma, strprintf("%g", run.params.sigma));
    s += row(t.negatives, p.negatives_to_one ? t.to_one : t.dropped);
    s += row(t.error_column, p.poisson_error ? t.poisson : t.sig_bg);
    s += row(t.friedel, p.friedel_merge ? t.yes : t.no);
    s += row(t.lorentz, p.lorentz ? strprintf(t.lorentz_on, p.voltage, p.angle) : t.no);
    s += row(t.match, match_mode_name(run.options.match));
    s += row(t.output, run.params.output);
    if (run.merge) s += row(t.rint, strprintf("%.6f", run.merge->rint));
    return s + "</table>\n";
}

std::string space_group(const Session& s, const PageTexts& t, const MergeRun& run) {
    const RunSymmetry& g = run.symmetry;
    const MergeOptions& o = run.options;
    std::string conditions;
    for (const FilterCondition& c : g.conditions)
        conditions += (conditions.empty() ? "" : "; ") + c.text;
    const bool legacy = !o.ita && !o.setting;
    std::string h = heading("h3", t.space_group) + "<table>\n";
    h += row(t.group_number, std::to_string(g.number));
    if (g.setting) h += row(t.setting, g.setting->name);
    h += row(t.laue_class, g.laue ? g.laue->symbol : t.no_laue);
    h += row(t.conditions, (conditions.empty() ? t.no_conditions : conditions) + " (" +
                               (legacy  ? t.legacy_lists
                                : o.ita ? t.tables_lists
                                        : t.setting_lists) +
                               ")");
    h += "</table>\n";
    const std::string warning = legacy ? difference_warning(s.msg, g.number) : "";
    if (!warning.empty()) h += "<p class=\"warn\">" + html_escape(warning) + "</p>\n";
    return h;
}

std::string files_written(const PageTexts& t, const MergeRun& run,
                          const std::vector<std::string>& candidates) {
    std::string s = heading("h3", t.files_written) + "<ul>\n";
    for (const std::string& name : candidates)
        if (std::filesystem::exists(name)) s += "<li>" + html_escape(name) + "</li>\n";
    return s + "<li>" + html_escape(run.params.output + kReportPage) + "</li>\n</ul>\n";
}

std::string zone_table(const PageTexts& t, const MergeRun& run) {
    std::string s = "<table>\n<tr><th>#</th>" + th(t.zone, true);
    for (const Term* c : {&t.read, &t.skipped, &t.forbidden, &t.non_positive, &t.unpaired,
                          &t.lorentz_limit, &t.outside, &t.merged, &t.kept, &t.linear_factor,
                          &t.sigma_of, &t.ties, &t.g_factor, &t.sigma_of, &t.ties})
        s += th(*c);
    s += "</tr>\n";
    const ScaleFactors& f = run.factors;
    for (size_t z = 0; z < run.zones.size(); ++z) {
        const ZoneCounts& c = run.preparations[z].counts;
        s += strprintf("<tr><td>%zu</td><td class=\"t\">", z + 1) + html_escape(run.zones[z].name) +
             "</td>";
        for (int n : {c.read, c.skipped, c.forbidden, c.non_positive, c.unpaired, c.lorentz,
                      c.outside, c.merged, c.kept})
            s += strprintf("<td>%d</td>", n);
        const bool has_u = z < f.uncertainty.size();
        for (int kind = 0; kind < 2; ++kind) {
            const double factor = z < f.linear.size() ? (kind ? f.g[z] : f.linear[z]) : NAN;
            const FactorUncertainty u =
                has_u ? (kind ? f.uncertainty[z].g : f.uncertainty[z].linear) : FactorUncertainty{};
            s += "<td>" + num(factor, "%.5f") + "</td><td>" + num(u.sigma, "%.5f") + "</td>" +
                 strprintf("<td>%d / %d</td>", u.reflections, u.zones);
        }
        s += "</tr>\n";
    }
    return s + "</table>\n";
}

std::string factor_chart(const PageTexts& t, const MergeRun& run, bool g) {
    std::vector<Bar> bars;
    const ScaleFactors& f = run.factors;
    for (size_t z = 0; z < run.zones.size() && z < f.linear.size(); ++z) {
        const double sigma = z < f.uncertainty.size()
                                 ? (g ? f.uncertainty[z].g : f.uncertainty[z].linear).sigma
                                 : NAN;
        bars.push_back({std::to_string(z + 1), g ? f.g[z] : f.linear[z], sigma});
    }
    const Term& term = g ? t.g_chart : t.linear_chart;
    return bar_chart_svg(bar_chart(bars),
                         {term.label, t.zone_axis, t.factor_axis, term.definition});
}

std::string zones(const PageTexts& t, const MergeRun& run) {
    return heading("h2", t.zones) + zone_table(t, run) + "<div class=\"plots\">\n" +
           factor_chart(t, run, false) + factor_chart(t, run, true) + "</div>\n";
}

MatrixCell pair_cell(const PageTexts& t, const PairCell& p, const std::string& first,
                     const std::string& second) {
    if (!p.compared) return {kNotCompared, t.not_compared, "", t.not_compared};
    const char* verdict = p.verdict == Verdict::good      ? t.good
                          : p.verdict == Verdict::average ? t.average
                                                          : t.no_good;
    const char* colour = p.verdict == Verdict::good      ? kGood
                         : p.verdict == Verdict::average ? kAverage
                                                         : kNoGood;
    const std::string ratio = num(p.ratio, "%.3f");
    return {
        colour, ratio, strprintf("n = %d", p.common),
        strprintf(t.pair_hover, first.c_str(), second.c_str(), ratio.c_str(), p.common, verdict)};
}

std::string pairs(const Session& s, const PageTexts& t, const MergeRun& run) {
    const std::vector<std::vector<PairCell>> matrix = pair_matrix(s, run);
    std::vector<std::string> labels;
    for (size_t z = 0; z < run.zones.size(); ++z) labels.push_back(std::to_string(z + 1));
    std::vector<std::vector<MatrixCell>> cells(matrix.size());
    for (size_t i = 0; i < matrix.size(); ++i)
        for (size_t j = 0; j < matrix[i].size(); ++j)
            cells[i].push_back(pair_cell(t, matrix[i][j], run.zones[i].name, run.zones[j].name));
    std::string legend = "<p>" + html_escape(t.pair_legend);
    for (const auto& [colour, text] : {std::pair{kGood, t.good},
                                       {kAverage, t.average},
                                       {kNoGood, t.no_good},
                                       {kNotCompared, t.not_compared}})
        legend += strprintf("<span class=\"key\" style=\"background:%s\"></span>", colour) +
                  html_escape(text);
    return heading("h2", t.pairs) + legend + "</p>\n" +
           matrix_svg(labels, cells, {t.pair_matrix.label, "", "", t.pair_matrix.definition});
}

std::string shell_plots(const PageTexts& t, const MergeRun& run) {
    std::string s = heading("h2", t.shells);
    if (!run.options.stats) return s + "<p>" + html_escape(t.no_stats) + "</p>\n";
    if (!run.merge) return s + "<p>" + html_escape(t.no_merge) + "</p>\n";
    const MergeOptions& o = run.options;
    const ShellTable table =
        run_shell_table(run, merged_groups(*run.merge, run.scaled, run.zone_of));
    s += "<div class=\"plots\">\n";
    const std::pair<ShellValue, const Term*> plots[] = {
        {ShellValue::cc_half, &t.cc_half},
        {ShellValue::i_over_sigma, &t.i_over_sigma},
        {ShellValue::r_meas, &t.r_meas},
        {ShellValue::completeness, &t.completeness}};
    for (const auto& [value, term] : plots) {
        if (value == ShellValue::completeness && !o.cell) continue;
        s += line_plot_svg(shell_plot(table, value),
                           {term->label, t.g_axis, term->label, term->definition});
    }
    s += "</div>\n";
    if (!o.cell) s += "<p>" + html_escape(t.no_cell) + "</p>\n";
    return s;
}

std::string absences(const PageTexts& t, const MergeRun& run) {
    std::string s = heading("h2", t.absences);
    const std::vector<FilterCondition>& conditions = run.symmetry.conditions;
    if (conditions.empty()) return s + "<p>" + html_escape(t.nothing_removed) + "</p>\n";
    s += "<table>\n<tr>" + th(t.condition, true) + th(t.removed) + th(t.mean_i_over_sigma) +
         th(t.strong) + "</tr>\n";
    for (size_t c = 0; c < conditions.size(); ++c) {
        std::vector<ZoneRecord> removed;
        for (const ZonePreparation& p : run.preparations)
            if (c < p.removed.size())
                removed.insert(removed.end(), p.removed[c].begin(), p.removed[c].end());
        const AbsenceClass a = absence_class(removed, run.params.prep.poisson_error);
        s += std::string(a.flagged ? "<tr class=\"strong\">" : "<tr>") + "<td class=\"t\">" +
             html_escape(conditions[c].text) + strprintf("</td><td>%d</td><td>", a.removed) +
             num(a.mean_i_over_sigma, "%.2f") + "</td><td>" +
             (a.flagged ? html_escape(t.strong_mark) : "") + "</td></tr>\n";
    }
    return s + "</table>\n";
}

std::string page(const Session& s, const MergeRun& run,
                 const std::vector<std::string>& candidates) {
    const PageTexts& t = s.msg.page;
    const std::string title = strprintf(t.title, run.params.output.c_str());
    return strprintf("<!DOCTYPE html>\n<html lang=\"%s\">\n<head>\n<meta charset=\"utf-8\">\n",
                     t.lang) +
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<title>" +
           html_escape(title) + "</title>\n<style>\n" + kStyle + "</style>\n</head>\n<body>\n" +
           heading("h1", title.c_str()) + heading("h2", t.run) + parameters(t, run) +
           space_group(s, t, run) + files_written(t, run, candidates) + zones(t, run) +
           pairs(s, t, run) + shell_plots(t, run) + absences(t, run) + "<p>" +
           html_escape(t.footer) + "</p>\n</body>\n</html>\n";
}

}  // namespace

void write_report_page(const Session& s, const MergeRun& run,
                       const std::vector<std::string>& candidates) {
    write_file_or_fail(s.term, run.params.output + kReportPage, utf8_name(page(s, run, candidates)),
                       s.msg.option_file_cannot_open);
}

}  // namespace ped::merge
