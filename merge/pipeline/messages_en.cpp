// English catalogue of the merge tool (TAV3eng).
#include "merge/pipeline/messages.hpp"

namespace ped::merge {

const Messages english_catalogue = {
    .language = english,
    .usage =
        "Usage: TAV3eng [options] [list [gmin gmax [sigma [negatives [error [friedel [space-group\n"
        "               [lorentz [voltage angle] [output]]]]]]]]]\n"
        "\n"
        "Merges the reflection lists of zones measured one zone axis at a time by precession\n"
        "electron diffraction: each zone is filtered for its space group, sorted by g and\n"
        "corrected; every pair of zones is compared on its common reflections; one intensity and\n"
        "one g scale factor per zone come from least squares (zone 1 is the reference); the\n"
        "symmetry equivalents of the Laue class are merged and Rint is reported.\n"
        "\n"
        "Positions (what is not given is asked on the console, in this order):\n"
        "  1        list file naming one zone file per line (default in.txt)\n"
        "  2 3      g window gmin gmax, 1/angstrom: only gmin < g < gmax is kept (0 100)\n"
        "  4        sigma: pairs of zones are compared on reflections with mean I/sigI above it\n"
        "  5        0: intensities of 0 or below become 1; otherwise they are dropped\n"
        "  6        0: the Poisson(I) column is the error; otherwise the Sig(bg) column\n"
        "  7        0: Friedel mates are merged; the calibration (a distance in pixels and the\n"
        "           reciprocal length it stands for) is then asked for each zone\n"
        "  8        space-group number, 1 to 230\n"
        "  9        0: Lorentz (Gjonnes) correction\n"
        "  10 11    accelerating voltage (kV) and precession semi-angle (degrees), when 9 is 0\n"
        "  12       output base name <out> (10 when 9 is not 0; default TAVsortie)\n"
        "\n"
        "Zone file: h k l I Poisson(I) x Sig(bg) g x spot-x spot-y per line; ';' starts a "
        "comment.\n"
        "Files written: <zone>.hkl (each zone prepared), <out>.txt and <out>g.txt (reports of the\n"
        "intensity and g scaling), <out>.hkl (the scaled reflections of every zone), <out>fin.hkl\n"
        "(the merged reflections, h k l I sigI g, read by cellsolve).\n"
        "Exit status: 0 at a normal end, 255 after a fatal error.\n",
    .ask_list =
        "\nEnter the file name that contain the names of the files to merge. (default name: "
        "in.txt)\n",
    .ask_glimits = "What are the g limits ? (type gmin and gmax separated by a space)\n",
    .ask_sigma =
        "What is the sigma value ? (The intensities have to be superior to sigma*error to be take "
        "into account in the calculations)\n",
    .ask_negatives =
        "Would you like to delete the negative intensities or put them to 1 ? \n(0 to put them to "
        "1)\n",
    .ask_error_choice =
        "Would you like the error to be Poisson(I) ? zero for yes\nIf not the error is Sig(bg)\n",
    .ask_friedel =
        "Would you like to merge Friedel pair before the scale factor calculations are made ? zero "
        "for yes\n",
    .ask_space_group = "What is the space group number ? \n",
    .ask_lorentz =
        "Would you like to perform Lorentz correction (Gjonnes formula) ? zero for yes\n",
    .ask_voltage_angle =
        "What are the accerlerating voltage (kV) and the precession semi-angle ?\n",
    .ask_calibration = "What are the calibration parameters ? (pixel --> angstrom)\n",
    .ask_output = "What is the output filename ? (default name: TAVsortie)\n",

    .file_done = "file %d done\n\n",

    .banner_glimits = "* g limit are : %.2lf et %.2lf                                         *\n",
    .banner_sigma = "* Sigma value is : %.2lf                                             *\n",
    .banner_space_group = "* Space Group number is : %3d                                       *\n",
    .banner_negatives_to_1 =
        "* Negative reflections are put to 1                                      *\n",
    .banner_negatives_deleted =
        "* Negative reflection are deleted                                     *\n",
    .banner_poisson = "* Poisson(I) is took as error                               *\n",
    .banner_sigbg = "* Sig(bg) is took as error                                     *\n",
    .banner_friedel_merged =
        "* Friedel pairs are mered before calculations                              *\n",
    .banner_friedel_not_merged =
        "* Friedel pairs are not mered before calculations                       *\n",
    .banner_lorentz =
        "* Geometric corrections are done                              *\n* for an accelerating "
        "voltage of %dKV and a precession semi-angle of %.2lf degres           *\n",
    .banner_no_lorentz =
        "* No geometric corrections are done                                              *\n",

    .intensity_pairs =
        {
            .count = "Number of common reflexions between %s and %s : %d\n",
            .stats = "The mean value is : %lf\nThe standart deviation is : %lf\nThe ratio is : "
                     "%.2lf percent\n",
            .outliers =
                "There are %d intensities ratio(s) out of the mean +or- the standart deviation\n\n",
            .no_good = "!!!NO GOOD between %s et %s !!!\n",
            .average = "!!! AVERAGE between %s et %s !!!\n",
            .good = "!!! GOOD between %s et %s !!!\n",
        },
    .g_pairs =
        {
            .count = "Number of common refections between %s and %s : %d\n",
            .stats = "The mean value is : %lf\nThe standart deviation is : %lf\nThe ratio is : "
                     "%.2lf pourcent\n",
            .outliers =
                "There are %d intensities ratio(s) out of the mean +or- the standart deviation\n\n",
            .no_good = "!!! NO GOOD between %s et %s !!!\n",
            .average = "!!! AVERAGE between %s et %s !!!\n",
            .good = "!!! GOOD between %s et %s !!!\n",
        },
    .weight_mean = "The weight mean is : %lf\n\n",
    .relative_diff =
        "The relative difference between the mean and the weight mean are : \n%7.2lf et %7.2lf\n\n",

    .linear_factor = "\nthe linear scale factor number %d is : %lf\n",
    .g_factor = "\nthe linear scale factor g number %d is : %lf\n",
    .zero_pivot = "pivot GAUSS inversion impossible : division by 0\n",

    .wrong_space_group = "wrong SG number",
    .no_merging = "inutile\n\n",
    .totals =
        "Total number of reflections : %d\nNumber of redundant reflections: %d\nNumber of "
        "independant reflections : %d\n",
    .class_prefix = "Symetry: ",

    .glimits_not_number = "'%s' is not a number: the g limits stay 0 and 100.\n",
    .gmax_not_number = "'%s' is not a number: gmax stays 100.\n",
    .zone_fields = "h k l and eight numbers",
    .value_too_wide = "%s:%ld: a value is too large for its column, record skipped\n",
    .zero_pixels = "A distance of 0 pixels gives no calibration; please answer again.\n",
    .prepared_clash = "error: preparing the zones would overwrite %s (%s)",
    .clash_list = "the list file",
    .clash_zone = "zone file %s",
    .linear_word = "linear",
    .g_word = "g",
    .factor_kept_one =
        "warning: no pair comparison determines the %s scale factor of zone %d (%s): it keeps the "
        "factor 1\n",
    .factor_not_tied =
        "warning: zone %d (%s) shares no retained reflection, even through other zones, with zone "
        "1: its %s scale factor is not tied to zone 1\n",
    .zone_left_out = "warning: %s cannot be read; zone %zu is left out\n",
    .scaled_too_large =
        "warning: %s: the reflection %d %d %d scaled is too large to be a number; left out\n",
    .merged_too_large =
        "warning: the merged reflection %d %d %d is too large to be a number; left out of %s\n",

    .calibration_pixels = 0,
    .condition_trace = nullptr,

    .unknown_symbol =
        "error: --sg=%s names no space group (a number 1 to 230, a Hermann-Mauguin symbol such as "
        "P b n m or P 1 21/n 1, or a Hall symbol)",
    .ita_needs_number = "error: --ita needs a space-group number from 1 to 230, not %d",
    .difference_heading =
        "warning: the tool's own condition list for space group %d differs from the International "
        "Tables:\n",
    .difference_kept_absent =
        "  it keeps reflections that the Tables' %s makes absent (for example %s)\n",
    .difference_removed_allowed =
        "  its own %s removes reflections the group allows (for example %s)\n",
    .difference_ita = "  --ita filters with the conditions of the Tables instead.\n",
    .condition_text_trace = nullptr,
    .zone_summary =
        "zone %d (%s): %d lines read = %d skipped + %d forbidden by the space group + %d "
        "non-positive + %d without Friedel mate + %d beyond the Lorentz limit + %d outside the g "
        "window + %d merged into a mate + %d kept\n",
    .zone_empty =
        "warning: zone %d (%s) keeps no reflection: it takes no part in the scaling and the "
        "merge\n",
    .calibration_off =
        "warning: zone %d (%s): the g of the Friedel pairs recomputed from the spot positions is "
        "%.4f times the g of the zone file (median over %d pairs): check the calibration (typed "
        "the wrong way round?)\n",
    .zone_named_twice =
        "warning: zone %d (%s) is named again in the list (first as zone %d): its reflections "
        "count "
        "twice\n",
    .sg_number_differs =
        "error: argument 8 (\"%s\") is not the space-group number of --sg=%s, which is %d",
    .clash_cell = "cell file %s",
    .option_file_cannot_open = "error: cannot open file",
    .shells_not_used =
        "warning: --shells is not used: it sets the shells of the statistics (--stats) only\n",
    .cell_not_used =
        "warning: --%s is not used: a cell serves the statistics (--stats), the SHELX .ins file "
        "(--shelx) and the CIF (--cif) only\n",
    .space_group_range = "warning: %d is not a space-group number (1 to 230)\n",
    .cell_file_bad = "error: the cell file %s: %s",
    .cell_not_six = "six numbers a b c alpha beta gamma expected",
    .cell_length = "a length is not above 0",
    .cell_angle = "an angle is not between 0 and 180 degrees",
    .cell_volume = "the angles close no cell",
    .cell_both = "error: give --cell or --cell-file, not both",
    .cell_huge_length = "a length is 10000 angstrom or more, which no crystal has",
    .cell_long_line = "line %ld is longer than %zu bytes",
    .cell_misfit =
        "warning: the cell does not fit the measured g: over the %d reflections of %s, the rms of "
        "g(cell)/g(measured) - 1 is %.4f (above 0.01): check the cell, and the order of its axes "
        "against the indices\n",
    .lorentz_kv_range =
        "error: the CIF and the SHELX .ins file take the electron wavelength from the voltage of "
        "the Lorentz correction, %g kV, which is not from 1 to 10000 kV",
    .completeness_skipped =
        "note: the cell and the g range hold too many reflections to count: no completeness in "
        "%s\n",
    .no_statistics = "note: without a Laue class nothing is merged: %s is not written\n",
    .match_no_laue_class =
        "warning: --match=laue: space group %d has no Laue class; the zones are compared on "
        "identical indices\n",
    .match_set_aside =
        "zone %zu (%s): %zu record(s) set aside, each the same reflection under --match as an "
        "earlier "
        "record of the zone (the comparisons use the first)\n",
    .uncertainty_reference = "zone 1 (%s): the reference, both factors exactly 1\n",
    .uncertainty_line =
        "zone %d (%s): linear factor %lf +- %s, g factor %lf +- %s; tied to zone 1 by %d "
        "reflections through %d zones\n",
    .no_uncertainty = "none",
    .barely_determined =
        "warning: zone %d (%s) is tied to zone 1 by %d reflection(s) only: its %s scale factor is "
        "barely determined\n",
    .composition_bad =
        "error: --composition=%s: \"%s\" is not an element symbol with its number of atoms in "
        "the cell (as in Ca4 Ti4 O12)",
    .no_voltage =
        "error: the CIF and the SHELX .ins file need the electron wavelength: give the "
        "accelerating "
        "voltage with --kv=VOLTAGE (kV), or with the Lorentz correction",
    .kv_not_used =
        "warning: --kv=%s is not used: the files take the %.2f kV of the Lorentz correction\n",
    .kv_without_file =
        "warning: --kv=%s is not used: only the CIF (--cif) and the SHELX .ins file (--shelx "
        "with a cell) need a voltage\n",
    .composition_without_ins =
        "warning: --composition is not used: it goes into the SHELX .ins file only (--shelx with "
        "a cell)\n",
    .shelx_divided =
        "note: the intensities and sigmas of %s and %s are divided by %s to keep a blank "
        "before each in the F8.2 columns of SHELX\n",
    .shelx_left_out =
        "warning: %s leaves out %d record(s) that have no place in its columns (0 0 0, which would "
        "end the data, or an index outside -999 to 9999; the first: %d %d %d)\n",
    .no_ins_cell = "note: %s is not written: it needs the cell (--cell or --cell-file)\n",
    .no_ins_group = "note: %s is not written: %d is not a space-group number (1 to 230)\n",
    .prepared_too_wide =
        "%s: reflection %d %d %d once prepared (I %.2f, sigI %.2f, g %.8f) is too large for the "
        "columns of %s, record skipped\n",
    .ins_word_too_long =
        "note: %s is not written: \"%s\" is too long for a SHELX line of 80 characters\n",
    .composition_sparse =
        "warning: --composition puts %.1f cubic angstrom per atom in the cell, where solids have 6 "
        "to 40: Z = %.0f to %.0f times the composition would put 6 to 40 (UNIT in %s stays as "
        "given)\n",
    .composition_dense =
        "warning: --composition puts %.1f cubic angstrom per atom in the cell, where solids have 6 "
        "to 40: the composition holds more atoms than the cell can (UNIT in %s stays as given)\n",
    .page =
        {
            .lang = "en",
            .title = "Merge report: %s",
            .run = "The run",
            .parameters = "Parameters",
            .space_group = "Space group",
            .files_written = "Files written",
            .zones = "The zones",
            .pairs = "Zone against zone",
            .shells = "Statistics by shell of g",
            .absences = "Systematic absences",
            .rint = {"Rint", "sum over groups of equivalents of sum |I - <I>| over sum I"},
            .list = {"list file", "the file naming one zone file per line"},
            .g_window = {"g window (1/angstrom)", "only reflections with gmin < g < gmax are kept"},
            .sigma = {"sigma",
                      "pairs of zones are compared on reflections with mean I/sigma(I) above it"},
            .negatives = {"intensities of 0 or below", "what became of non-positive intensities"},
            .error_column = {"error", "the column of the zone files taken as sigma(I)"},
            .friedel = {"Friedel mates merged",
                        "h k l and -h -k -l of a zone merged into one record"},
            .lorentz = {"Lorentz (Gjonnes) correction",
                        "intensities divided by g sqrt(1 - (g/R)^2), R from the voltage and the "
                        "precession angle"},
            .match = {"comparison of zones",
                      "which records of two zones are one reflection (--match)"},
            .output = {"output", "the base name of the files written"},
            .to_one = "become 1",
            .dropped = "dropped",
            .poisson = "Poisson(I)",
            .sig_bg = "Sig(bg)",
            .yes = "yes",
            .no = "no",
            .lorentz_on = "yes, %g kV, %g degrees",
            .group_number = {"number", "the space-group number of the run"},
            .setting = {"setting", "the symbol of the group in the setting the run uses"},
            .laue_class = {"Laue class", "the point group whose equivalents are merged"},
            .conditions =
                {"reflection conditions",
                 "the conditions the filter applies: reflections that break one are removed"},
            .no_laue = "none: no merge",
            .legacy_lists = "the tool's own lists for the number",
            .tables_lists = "the International Tables for the number (--ita)",
            .setting_lists = "derived from the group's operations (--sg)",
            .no_conditions = "none",
            .zone = {"zone", "the zone file, in the order of the list"},
            .read = {"read", "record lines of the zone file (neither blank nor comments)"},
            .skipped = {"skipped",
                        "lines that are no record or whose values do not fit their columns"},
            .forbidden = {"forbidden", "removed by the reflection conditions of the space group"},
            .non_positive = {"non-positive", "intensity of 0 or below, dropped"},
            .unpaired = {"unpaired", "Friedel merge: no mate in the zone"},
            .lorentz_limit = {"Lorentz limit", "g at or beyond R: no Lorentz factor"},
            .outside = {"outside g", "g not inside the window"},
            .merged = {"mates merged", "Friedel merge: mates merged into a written line"},
            .kept = {"kept", "lines of the prepared file"},
            .linear_factor = {"linear factor", "the zone's intensity scale factor, zone 1 being 1"},
            .g_factor = {"g factor", "the zone's scale factor of g, zone 1 being 1"},
            .sigma_of = {"s.u.", "the standard uncertainty of the factor before it"},
            .ties = {"ties", "retained reflections / zones that tie the factor to zone 1"},
            .linear_chart =
                {"Linear scale factors",
                 "each zone's intensity factor with its standard uncertainty as an error bar"},
            .g_chart = {"g scale factors",
                        "each zone's factor of g with its standard uncertainty as an error bar"},
            .zone_axis = "zone",
            .factor_axis = "factor",
            .pair_matrix =
                {"Comparisons on intensities",
                 "row zone against column zone: the weighted mean of I(column)/I(row) over "
                 "their common reflections, their number, the verdict as colour"},
            .good = "GOOD",
            .average = "AVERAGE",
            .no_good = "NO GOOD",
            .not_compared = "not compared",
            .pair_hover = "%s against %s: I ratio %s over %d common reflections, %s",
            .pair_legend = "Colour: the verdict of the comparison;",
            .cc_half = {"CC1/2",
                        "the correlation between the means of two random halves of each "
                        "reflection's observations (sigma-tau method)"},
            .i_over_sigma = {"mean I/sigma(I)",
                             "the mean of merged I over its propagated sigma in the shell"},
            .r_meas = {"Rmeas",
                       "sum sqrt(n/(n-1)) |I - <I>| over sum I, reflections seen twice or more"},
            .completeness = {"completeness (%)",
                             "of the reflections the group allows in the shell, the "
                             "share measured (needs a cell)"},
            .g_axis = "g (1/angstrom), middle of the shell",
            .no_stats = "Run with --stats for the statistics by shell.",
            .no_merge = "No merge: the space group has no Laue class.",
            .no_cell = "Completeness needs a cell (--cell or --cell-file).",
            .condition = {"condition", "a reflection condition of the space group"},
            .removed = {"removed", "records of all zones the condition removed first"},
            .mean_i_over_sigma = {"mean I/sigma(I)", "over the removed records"},
            .strong = {"strong", "mean I/sigma(I) above 3: multiple scattering, or another group?"},
            .strong_mark = "STRONG",
            .nothing_removed = "No reflection condition applies.",
            .footer = "Written by the merge tool; hover a heading for its definition.",
        },
};

}  // namespace ped::merge
