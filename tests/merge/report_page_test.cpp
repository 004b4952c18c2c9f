// The report page's plot geometry against the statistics it shows, and its two catalogues.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>

#include "merge/pipeline/messages.hpp"
#include "merge/reports/plot_geometry.hpp"

namespace ped::merge {
namespace {

TEST(ReportPage, AxesHoldTheirValuesOnRoundTicks) {
    const struct {
        double lo, hi;
        std::vector<double> ticks;
    } cases[] = {
        {0, 0.93, {0, 0.2, 0.4, 0.6, 0.8, 1}},
        {0.55, 1.44, {0.4, 0.6, 0.8, 1, 1.2, 1.4, 1.6}},
        {0, 84.3, {0, 20, 40, 60, 80, 100}},
        {-0.3, 0.02, {-0.3, -0.2, -0.1, 0, 0.1}},
        {0.7, 0.7, {0.2, 0.4, 0.6, 0.8, 1, 1.2}},  // one value: a range around it
        {0, 0, {-1, -0.5, 0, 0.5, 1}},
        {NAN, NAN, {0, 0.2, 0.4, 0.6, 0.8, 1}},  // nothing to show
    };
    for (const auto& c : cases) {
        const Axis a = nice_axis(c.lo, c.hi);
        ASSERT_EQ(a.ticks.size(), c.ticks.size()) << c.lo << " " << c.hi;
        for (size_t k = 0; k < a.ticks.size(); ++k) EXPECT_NEAR(a.ticks[k], c.ticks[k], 1e-12);
        EXPECT_EQ(a.lo, a.ticks.front());
        EXPECT_EQ(a.hi, a.ticks.back());
    }
}

TEST(ReportPage, ShellPlotsHoldOnePointPerShellAsTheTable) {
    // 40 unique reflections, 2 observations each, spread in g from 0.2 to 1.0: two shells.
    std::vector<MergedGroup> groups;
    for (int k = 0; k < 40; ++k) {
        const double i = 100 + 10 * (k % 7);
        groups.push_back({k, 0, 0, i, 5, 0.2 + 0.02 * k, {{i * 0.9, 5, 0}, {i * 1.1, 5, 1}}});
    }
    groups[3].obs.pop_back();  // one reflection seen once
    const ShellTable t = shell_table(groups, 10, nullptr);
    ASSERT_EQ(t.shells.size(), 2u);
    for (ShellValue v : {ShellValue::cc_half, ShellValue::i_over_sigma, ShellValue::r_meas}) {
        const LinePlot p = shell_plot(t, v);
        ASSERT_EQ(p.points.size(), t.shells.size());
        for (size_t k = 0; k < p.points.size(); ++k) {
            const ShellRow& r = t.shells[k];
            const double y = v == ShellValue::cc_half        ? r.cc_half
                             : v == ShellValue::i_over_sigma ? r.mean_i_over_sigma
                                                             : r.r_meas;
            EXPECT_DOUBLE_EQ(p.points[k].x, (r.g_min + r.g_max) / 2);
            EXPECT_DOUBLE_EQ(p.points[k].y, y);
            EXPECT_LE(p.x.lo, p.points[k].x);
            EXPECT_GE(p.x.hi, p.points[k].x);
            EXPECT_GE(p.y.hi, y);
        }
        EXPECT_LE(p.y.lo, 0);  // shell values are drawn from 0
    }
    // No cell: no completeness, so no point at all.
    EXPECT_TRUE(shell_plot(t, ShellValue::completeness).points.empty());
}

TEST(ReportPage, OneBarPerZoneWithItsErrorInsideTheAxis) {
    const BarChart c = bar_chart({{"1", 1, NAN}, {"2", 1.6254, 0.0492}, {"3", 0.6866, 0.025}});
    ASSERT_EQ(c.bars.size(), 3u);
    EXPECT_EQ(c.y.lo, 0);
    EXPECT_GE(c.y.hi, 1.6254 + 0.0492);
    EXPECT_LT(c.y.hi, 2.5);
}

// Both catalogues format the same values: the same conversions in the same order.
TEST(ReportPage, BothCataloguesTakeTheSameValues) {
    const auto conversions = [](const char* text) {
        static const std::regex conversion("%[-+ #0-9.]*[dfsg]");
        std::string found;
        const std::string s = text;
        for (auto it = std::sregex_iterator(s.begin(), s.end(), conversion);
             it != std::sregex_iterator(); ++it)
            found += it->str();
        return found;
    };
    const PageTexts& en = english_catalogue.page;
    const PageTexts& fr = french_catalogue.page;
    for (const char* PageTexts::*text :
         {&PageTexts::title, &PageTexts::lorentz_on, &PageTexts::pair_hover, &PageTexts::footer})
        EXPECT_EQ(conversions(en.*text), conversions(fr.*text)) << en.*text;
}

}  // namespace
}  // namespace ped::merge
