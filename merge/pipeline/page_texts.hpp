// The texts of the report page (--html), one set in each catalogue of the merge tool. A heading
// or label goes with its definition, which the page shows on hover (a title attribute).
#pragma once

namespace ped::merge {

// A label and its definition.
struct Term {
    const char* label;
    const char* definition;
};

struct PageTexts {
    const char* lang;   // the page's language attribute
    const char* title;  // %s: the output base name
    const char *run, *parameters, *space_group, *files_written, *zones, *pairs, *shells, *absences;
    Term rint, list, g_window, sigma, negatives, error_column, friedel, lorentz, match, output;
    const char *to_one, *dropped, *poisson, *sig_bg, *yes, *no, *lorentz_on;  // %g kV, %g deg
    Term group_number, setting, laue_class, conditions;
    const char *no_laue, *legacy_lists, *tables_lists, *setting_lists, *no_conditions;
    // The zone table: the counts, in the order of ZoneCounts, then the factors.
    Term zone, read, skipped, forbidden, non_positive, unpaired, lorentz_limit, outside, merged,
        kept, linear_factor, g_factor, sigma_of, ties;
    Term linear_chart, g_chart;
    const char *zone_axis, *factor_axis;
    Term pair_matrix;
    const char *good, *average, *no_good, *not_compared, *pair_hover;  // hover: %s %s %s %d %s
    const char* pair_legend;
    Term cc_half, i_over_sigma, r_meas, completeness;
    const char *g_axis, *no_stats, *no_merge, *no_cell;
    Term condition, removed, mean_i_over_sigma, strong;
    const char *strong_mark, *nothing_removed, *footer;
};

}  // namespace ped::merge
