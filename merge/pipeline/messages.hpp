// The texts of the merge tool. TAV3eng speaks the English catalogue and TAV3 the French one;
// the merging code never looks at the language, only at these texts and at the few traits
// that go with them.
#pragma once

#include "common/language.hpp"
#include "merge/pipeline/page_texts.hpp"

namespace ped::merge {

// Texts that both builds share.
inline constexpr const char* kGreeting = "Bienvinque %c\n";
inline constexpr const char* kZoneCount = "il y a %d ZAP\n";
inline constexpr const char* kCannotOpen = "error: cannot open file";
inline constexpr const char* kDefaultList = "in.txt";
inline constexpr const char* kDefaultOutput = "TAVsortie";
inline constexpr const char* kBannerStars =
    "********************************************************************************\n";
inline constexpr const char* kRint = "Rint = %lf\n";
inline constexpr const char* kFarewell = "\nQue chabat !!!\n\n";

// Texts of one kind of pair comparison (intensities or g).
struct PairTexts {
    const char* count;     // %s %s %d; the console adds an empty line
    const char* stats;     // mean, deviation, percentage
    const char* outliers;  // %d
    const char* no_good;   // %s %s
    const char* average;   // %s %s
    const char* good;      // %s %s (a text may name fewer zones than it is given)
};

struct Messages {
    // The texts of the shared code (fatal header, refusals, argument errors...).
    const Language& language;
    // The --help text before the options (merge/options.cpp holds their lines).
    const char* usage;

    // Questions, each with its line end.
    const char* ask_list;
    const char* ask_glimits;
    const char* ask_sigma;
    const char* ask_negatives;
    const char* ask_error_choice;
    const char* ask_friedel;
    const char* ask_space_group;
    const char* ask_lorentz;
    const char* ask_voltage_angle;
    const char* ask_calibration;
    const char* ask_output;

    const char* file_done;  // %d: 1-based position of the zone

    // Parameter banner of <out>.txt.
    const char* banner_glimits;      // %.2lf %.2lf
    const char* banner_sigma;        // %.2lf
    const char* banner_space_group;  // %3d
    const char* banner_negatives_to_1;
    const char* banner_negatives_deleted;
    const char* banner_poisson;
    const char* banner_sigbg;
    const char* banner_friedel_merged;
    const char* banner_friedel_not_merged;
    const char* banner_lorentz;  // %d kV, %.2lf degrees
    const char* banner_no_lorentz;

    // Pair comparisons; the weighted mean and the relative differences are written by the
    // intensity comparison only.
    PairTexts intensity_pairs;
    PairTexts g_pairs;
    const char* weight_mean;    // %lf
    const char* relative_diff;  // %7.2lf %7.2lf

    // Scale factors.
    const char* linear_factor;  // %d %lf
    const char* g_factor;       // %d %lf
    const char* zero_pivot;     // through perror

    // Assembly and merging.
    const char* wrong_space_group;
    const char* no_merging;
    const char* totals;        // %d %d %d
    const char* class_prefix;  // followed by the class symbol and a line end

    // Diagnostics (standard error) and fatal messages of this tool.
    const char* glimits_not_number;  // %s the word
    const char* gmax_not_number;     // %s the word
    const char* zone_fields;         // what a zone record holds
    const char* value_too_wide;      // %s file, %ld line
    const char* zero_pixels;
    const char* prepared_clash;  // %s prepared file, %s what it would replace
    const char* clash_list;      // the list file
    const char* clash_zone;      // %s zone file
    const char* linear_word;     // the kind of factor in the two warnings below
    const char* g_word;
    const char* factor_kept_one;   // %s kind, %d zone, %s name
    const char* factor_not_tied;   // %d zone, %s name, %s kind
    const char* zone_left_out;     // %s prepared file, %zu zone
    const char* scaled_too_large;  // %s prepared file, %d %d %d
    const char* merged_too_large;  // %d %d %d, %s merged file

    // Build traits.
    // The calibration of the Friedel merge is one number, the reciprocal length that
    // `calibration_pixels` pixels stand for; 0 pixels means the user types the pair.
    double calibration_pixels;
    // The extinction filter writes every condition code it takes (closing 0 included).
    const char* condition_trace;  // %d, or null for no trace

    // Space groups by symbol and the conditions of the International Tables (--sg, --ita).
    const char* unknown_symbol;              // %s the value of --sg
    const char* ita_needs_number;            // %d the number given
    const char* difference_heading;          // %d number; then the lines below, one per condition
    const char* difference_kept_absent;      // %s condition of the Tables, %s examples
    const char* difference_removed_allowed;  // %s condition of the list, %s examples
    const char* difference_ita;
    // The trace of a condition without a code (one derived from the operations): %s its text,
    // or null for no trace.
    const char* condition_text_trace;
    // What became of each zone, run warnings, and the statistics and absence report options
    // (standard error, and fatal messages about the options).
    const char* zone_summary;       // %d zone, %s name, then 9 counts %d (read = the 8 others)
    const char* zone_empty;         // %d zone, %s name
    const char* calibration_off;    // %d zone, %s name, %.4f ratio, %d pairs
    const char* zone_named_twice;   // %d zone, %s name, %d first zone of that name
    const char* sg_number_differs;  // %s position 8, %s the value of --sg, %d its number
    const char* clash_cell;         // %s cell file (what a prepared file would replace)
    // The files of the options (--cell-file, --stats, --absences, --shelx, --cif) that cannot
    // be opened or created.
    const char* option_file_cannot_open;
    const char* shells_not_used;
    const char* cell_not_used;      // %s the option (cell or cell-file)
    const char* space_group_range;  // %d
    const char* cell_file_bad;      // %s file, %s why
    const char* cell_not_six;       // why a cell is refused
    const char* cell_length;
    const char* cell_angle;
    const char* cell_volume;
    const char* cell_both;
    const char* cell_huge_length;
    const char* cell_long_line;  // the why of a cell file: %ld line, %zu the longest line
    // The cell against the measured g (standard error): %d reflections, %s merged file, %.4f
    // rms of g(cell)/g(measured) - 1.
    const char* cell_misfit;
    const char* lorentz_kv_range;      // %g the voltage of the Lorentz correction
    const char* completeness_skipped;  // %s file
    const char* no_statistics;         // %s file
    // Matching of zones (--match) and the uncertainties of the factors (standard error).
    const char* match_no_laue_class;    // %d space group
    const char* match_set_aside;        // %zu zone, %s name, %zu records
    const char* uncertainty_reference;  // %s name of zone 1
    // %d zone, %s name, %lf linear factor, %s its uncertainty, %lf g factor, %s its
    // uncertainty, %d reflections and %d zones tying the zone to zone 1
    const char* uncertainty_line;
    const char* no_uncertainty;     // in place of an uncertainty
    const char* barely_determined;  // %d zone, %s name, %d reflections, %s kind
    // Exported data for structure solution (--shelx, --cif, --kv, --composition).
    const char* composition_bad;  // %s value, %s the word that does not read
    const char* no_voltage;
    const char* kv_not_used;      // %s --kv as given, %.2f the voltage of the Lorentz correction
    const char* kv_without_file;  // %s --kv as given
    const char* composition_without_ins;
    const char* shelx_divided;   // %s file, %s file, %s power of ten
    const char* shelx_left_out;  // %s file, %d records, %d %d %d the first
    const char* no_ins_cell;     // %s file
    const char* no_ins_group;    // %s file, %d space-group number
    // %s zone file, %d %d %d the reflection, %.2f I, %.2f sigI, %.8f g, %s prepared file
    const char* prepared_too_wide;
    const char* ins_word_too_long;   // %s file, %s the word
    const char* composition_sparse;  // %.1f cubic angstrom per atom, %.0f %.0f Z, %s file
    const char* composition_dense;   // %.1f cubic angstrom per atom, %s file
    PageTexts page;                  // the report page of --html
};

extern const Messages english_catalogue;  // TAV3eng
extern const Messages french_catalogue;   // TAV3

}  // namespace ped::merge
