// The two catalogues of the merge tool: every English text has its French counterpart, with the
// same printf conversions in the same order, so both builds format the same values.
#include <gtest/gtest.h>

#include <regex>

#include "merge/pipeline/messages.hpp"

namespace ped::merge {
namespace {

// The printf conversions of a text, in order ("%lf", "%d", ...).
std::vector<std::string> conversions(const char* text) {
    std::vector<std::string> out;
    static const std::regex conversion("%[-+ #0-9.]*(l?[dfs]|c)");
    const std::string s = text;
    for (auto it = std::sregex_iterator(s.begin(), s.end(), conversion);
         it != std::sregex_iterator(); ++it)
        out.push_back(it->str());
    return out;
}

TEST(French, EveryTextHasItsCounterpartWithTheSameArguments) {
    const auto fields = [](const Messages& m) {
        return std::vector<const char*>{m.language.error_header,
                                        m.ask_list,
                                        m.ask_glimits,
                                        m.ask_sigma,
                                        m.ask_negatives,
                                        m.ask_error_choice,
                                        m.ask_friedel,
                                        m.ask_space_group,
                                        m.ask_lorentz,
                                        m.ask_voltage_angle,
                                        m.ask_output,
                                        m.file_done,
                                        m.banner_glimits,
                                        m.banner_sigma,
                                        m.banner_space_group,
                                        m.banner_negatives_to_1,
                                        m.banner_negatives_deleted,
                                        m.banner_poisson,
                                        m.banner_sigbg,
                                        m.banner_friedel_merged,
                                        m.banner_friedel_not_merged,
                                        m.banner_lorentz,
                                        m.banner_no_lorentz,
                                        m.intensity_pairs.count,
                                        m.intensity_pairs.stats,
                                        m.intensity_pairs.outliers,
                                        m.intensity_pairs.no_good,
                                        m.intensity_pairs.average,
                                        m.g_pairs.count,
                                        m.g_pairs.stats,
                                        m.g_pairs.outliers,
                                        m.g_pairs.no_good,
                                        m.g_pairs.average,
                                        m.weight_mean,
                                        m.relative_diff,
                                        m.linear_factor,
                                        m.g_factor,
                                        m.zero_pivot,
                                        m.wrong_space_group,
                                        m.no_merging,
                                        m.totals,
                                        m.class_prefix,
                                        m.options_usage,
                                        m.unknown_symbol,
                                        m.ita_needs_number,
                                        m.difference_heading,
                                        m.difference_kept_absent,
                                        m.difference_removed_allowed,
                                        m.difference_ita,
                                        m.zone_summary,
                                        m.zone_empty,
                                        m.calibration_off,
                                        m.zone_named_twice,
                                        m.sg_number_differs,
                                        m.clash_cell,
                                        m.option_file_cannot_open,
                                        m.shells_not_used,
                                        m.cell_not_used,
                                        m.kv_without_file,
                                        m.space_group_range,
                                        m.cell_bad,
                                        m.cell_file_bad,
                                        m.cell_huge_length,
                                        m.cell_long_line,
                                        m.cell_misfit,
                                        m.kv_range,
                                        m.lorentz_kv_range,
                                        m.completeness_skipped,
                                        m.no_statistics,
                                        m.match_no_laue_class,
                                        m.match_set_aside,
                                        m.uncertainty_reference,
                                        m.uncertainty_line,
                                        m.no_uncertainty,
                                        m.barely_determined,
                                        m.composition_bad,
                                        m.no_voltage,
                                        m.kv_not_used,
                                        m.shelx_divided,
                                        m.shelx_left_out,
                                        m.no_ins_cell,
                                        m.no_ins_group,
                                        m.prepared_too_wide,
                                        m.ins_word_too_long,
                                        m.composition_sparse,
                                        m.composition_dense};
    };
    const auto en = fields(english_catalogue), fr = fields(french_catalogue);
    for (size_t i = 0; i < en.size(); ++i) {
        EXPECT_EQ(conversions(en[i]), conversions(fr[i])) << en[i] << " / " << fr[i];
        EXPECT_STRNE(en[i], fr[i]) << en[i];
    }
    // The GOOD line names no zones in French.
    EXPECT_TRUE(conversions(french_catalogue.intensity_pairs.good).empty());
    EXPECT_EQ(conversions(english_catalogue.intensity_pairs.good),
              (std::vector<std::string>{"%s", "%s"}));
    // Only the French build traces the conditions, a derived one by its text.
    EXPECT_EQ(conversions(french_catalogue.condition_text_trace), std::vector<std::string>{"%s"});
    EXPECT_EQ(english_catalogue.condition_text_trace, nullptr);
    // The calibration question asks one number in French, two in English.
    EXPECT_EQ(french_catalogue.calibration_pixels, 2048);
    EXPECT_EQ(english_catalogue.calibration_pixels, 0);
}

}  // namespace
}  // namespace ped::merge
