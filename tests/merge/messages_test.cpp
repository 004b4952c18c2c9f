// The catalogues of the merge tool and the texts of the shared code: the compiler sees that
// every text is given (designated initializers, no field left out); here each English text and
// its French counterpart hold the same printf conversions in the same order, so both builds
// format the same values.
#include <gtest/gtest.h>

#include <regex>

#include "merge/pipeline/messages.hpp"

namespace ped::merge {
namespace {

// The printf conversions of a text, in order ("%lf", "%d", ...); none for a null text.
std::vector<std::string> conversions(const char* text) {
    std::vector<std::string> out;
    static const std::regex conversion("%[-+ #0-9.]*(l?[dfsg]|z[du]|c)");
    const std::string s = text ? text : "";
    for (auto it = std::sregex_iterator(s.begin(), s.end(), conversion);
         it != std::sregex_iterator(); ++it)
        out.push_back(it->str());
    return out;
}

// Every text of the catalogues but the two condition traces, which only the French build
// writes. The sizes check that no text is missing from the lists: besides its texts a
// catalogue holds the language, the two kinds of pair texts, the calibration, the two traces
// and the texts of the report page (checked with the page), a language its tongue.
using M = Messages;
using P = PairTexts;
using L = Language;
// clang-format off
constexpr const char* M::*kTexts[] = {
    &M::usage, &M::ask_list, &M::ask_glimits, &M::ask_sigma, &M::ask_negatives,
    &M::ask_error_choice, &M::ask_friedel, &M::ask_space_group, &M::ask_lorentz,
    &M::ask_voltage_angle, &M::ask_calibration, &M::ask_output, &M::file_done, &M::banner_glimits,
    &M::banner_sigma, &M::banner_space_group, &M::banner_negatives_to_1,
    &M::banner_negatives_deleted, &M::banner_poisson, &M::banner_sigbg, &M::banner_friedel_merged,
    &M::banner_friedel_not_merged, &M::banner_lorentz, &M::banner_no_lorentz, &M::weight_mean,
    &M::relative_diff, &M::linear_factor, &M::g_factor, &M::zero_pivot, &M::wrong_space_group,
    &M::no_merging, &M::totals, &M::class_prefix, &M::glimits_not_number, &M::gmax_not_number,
    &M::zone_fields, &M::value_too_wide, &M::zero_pixels, &M::prepared_clash, &M::clash_list,
    &M::clash_zone, &M::linear_word, &M::g_word, &M::factor_kept_one, &M::factor_not_tied,
    &M::zone_left_out, &M::scaled_too_large, &M::merged_too_large, &M::unknown_symbol,
    &M::ita_needs_number, &M::difference_heading, &M::difference_kept_absent,
    &M::difference_removed_allowed, &M::difference_ita, &M::zone_summary, &M::zone_empty,
    &M::calibration_off, &M::zone_named_twice, &M::sg_number_differs, &M::clash_cell,
    &M::option_file_cannot_open, &M::shells_not_used, &M::cell_not_used, &M::space_group_range,
    &M::cell_file_bad, &M::cell_not_six, &M::cell_length, &M::cell_angle, &M::cell_volume,
    &M::cell_both, &M::cell_huge_length, &M::cell_long_line, &M::cell_misfit, &M::lorentz_kv_range,
    &M::completeness_skipped, &M::no_statistics, &M::match_no_laue_class, &M::match_set_aside,
    &M::uncertainty_reference, &M::uncertainty_line, &M::no_uncertainty, &M::barely_determined,
    &M::composition_bad, &M::no_voltage, &M::kv_not_used, &M::kv_without_file,
    &M::composition_without_ins, &M::shelx_divided, &M::shelx_left_out, &M::no_ins_cell,
    &M::no_ins_group, &M::prepared_too_wide, &M::ins_word_too_long, &M::composition_sparse,
    &M::composition_dense,
};
constexpr const char* P::*kPairTexts[] = {
    &P::count, &P::stats, &P::outliers, &P::no_good, &P::average, &P::good,
};
constexpr const char* L::*kLanguageTexts[] = {
    &L::error_header, &L::refused, &L::whole_number, &L::number, &L::input_ended,
    &L::argument_not_whole, &L::argument_not_number, &L::unknown_option, &L::option_needs_value,
    &L::option_takes_no_value, &L::option_bad_value, &L::option_refused, &L::would_replace,
    &L::cannot_write, &L::console_not_written, &L::incomplete, &L::would_replace_console,
    &L::line_too_long, &L::line_skipped, &L::option_twice, &L::output_name_empty,
    &L::output_name_zero_byte, &L::position_unused, &L::positions_unused, &L::options_heading,
    &L::common_options,
};
// clang-format on
static_assert(sizeof(Messages) ==
              sizeof(void*) * (std::size(kTexts) + 2 * std::size(kPairTexts) + 4) +
                  sizeof(PageTexts));
static_assert(sizeof(PairTexts) == sizeof(void*) * std::size(kPairTexts));
static_assert(sizeof(Language) == sizeof(void*) * (std::size(kLanguageTexts) + 1));

TEST(Catalogues, EnglishAndFrenchFormatTheSameValues) {
    const Messages &en = english_catalogue, &fr = french_catalogue;
    for (auto text : kTexts) EXPECT_EQ(conversions(en.*text), conversions(fr.*text)) << en.*text;
    for (auto text : kLanguageTexts)
        EXPECT_EQ(conversions(english.*text), conversions(french.*text)) << english.*text;
    for (auto text : kPairTexts) {
        if (text == &P::good) continue;
        EXPECT_EQ(conversions(en.intensity_pairs.*text), conversions(fr.intensity_pairs.*text));
        EXPECT_EQ(conversions(en.g_pairs.*text), conversions(fr.g_pairs.*text));
    }
    // The GOOD line names no zones in French.
    EXPECT_TRUE(conversions(fr.intensity_pairs.good).empty());
    EXPECT_EQ(conversions(en.intensity_pairs.good), (std::vector<std::string>{"%s", "%s"}));
    // Only the French build traces the conditions, a derived one by its text.
    EXPECT_EQ(conversions(fr.condition_trace), std::vector<std::string>{"%d"});
    EXPECT_EQ(conversions(fr.condition_text_trace), std::vector<std::string>{"%s"});
    EXPECT_EQ(en.condition_trace, nullptr);
    EXPECT_EQ(en.condition_text_trace, nullptr);
    // The calibration question asks one number in French, two in English.
    EXPECT_EQ(fr.calibration_pixels, 2048);
    EXPECT_EQ(en.calibration_pixels, 0);
}

}  // namespace
}  // namespace ped::merge
