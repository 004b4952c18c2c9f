// The absence report on a zone holding every hkl in a box, for groups with screw axes and glide
// planes: each removed record under the first condition that rejects it, nothing else.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "harness.hpp"
#include "merge/reports/absences.hpp"
#include "merge/pipeline/extinction.hpp"

namespace ped::merge {
namespace {

TEST(Absences, ReportListsExactlyWhatTheFilterRemoved) {
    // P2_1/c, Pnma and I4_1/acd: screw axes, glide planes and centring.
    for (int group : {14, 62, 142}) {
        const RunSymmetry sym = legacy_symmetry(group);
        std::vector<ZoneRecord> box;
        for (int h = -4; h <= 4; ++h)
            for (int k = -4; k <= 4; ++k)
                for (int l = -4; l <= 4; ++l) {
                    ZoneRecord r;
                    r.h = h, r.k = k, r.l = l;
                    r.v[kI] = 100 + 37 * h + 11 * k + 3 * l;  // distinct, so "strongest" is one
                    r.v[kPoisson] = 10;
                    box.push_back(r);
                }
        test::FakeTerminal t;
        std::vector<std::vector<ZoneRecord>> removed;
        const std::vector<ZoneRecord> kept =
            filter_extinctions(box, sym.conditions, t.term().out, nullptr, nullptr, &removed);
        ASSERT_EQ(removed.size(), sym.conditions.size());

        // Each record is kept, or removed by the first condition that rejects it.
        size_t next_kept = 0;
        std::vector<size_t> taken(removed.size(), 0);
        for (const ZoneRecord& r : box) {
            size_t first = 0;
            while (first < sym.conditions.size() && sym.conditions[first].keeps(r.h, r.k, r.l))
                ++first;
            const ZoneRecord& got = first == sym.conditions.size()
                                        ? kept.at(next_kept++)
                                        : removed[first].at(taken[first]++);
            ASSERT_EQ(std::tie(got.h, got.k, got.l), std::tie(r.h, r.k, r.l)) << group;
        }
        EXPECT_EQ(next_kept, kept.size());
        for (size_t c = 0; c < removed.size(); ++c) EXPECT_EQ(taken[c], removed[c].size());

        // The report: every condition with its count and its five strongest, by intensity.
        const std::string text = absences_text(sym, {{"box", removed}}, true);
        for (size_t c = 0; c < removed.size(); ++c) {
            std::vector<ZoneRecord> byI = removed[c];
            std::stable_sort(byI.begin(), byI.end(), [](const ZoneRecord& a, const ZoneRecord& b) {
                return a.v[kI] > b.v[kI];
            });
            std::string want = "  " + sym.conditions[c].text + ": " +
                               std::to_string(removed[c].size()) + " removed";
            EXPECT_NE(text.find(want), std::string::npos) << group << ": " << want;
            for (size_t i = 0; i < std::min<size_t>(5, byI.size()); ++i) {
                char line[64];
                std::snprintf(line, sizeof line, "\n    %4d%4d%4d  I %.2f", byI[i].h, byI[i].k,
                              byI[i].l, byI[i].v[kI]);
                EXPECT_NE(text.find(line), std::string::npos) << group << ":" << line;
            }
        }
    }
}

TEST(Absences, MeansAndTheFlagAboveThree) {
    const auto record = [](double i, double sigma) {
        ZoneRecord r;
        r.v[kI] = i;
        r.v[kPoisson] = sigma;
        r.v[kSigBg] = 2 * sigma;
        return r;
    };
    AbsenceClass c = absence_class({record(30, 10), record(60, 10), record(5, 0)}, true);
    EXPECT_EQ(c.removed, 3);
    EXPECT_NEAR(c.mean_i, 95.0 / 3, 1e-12);
    EXPECT_EQ(c.mean_i_over_sigma, 4.5);  // the record without sigma left out
    EXPECT_TRUE(c.flagged);
    EXPECT_EQ(c.strongest.front().i, 60);
    c = absence_class({record(30, 10), record(60, 10)}, false);  // Sig(bg): 1.5 and 3
    EXPECT_EQ(c.mean_i_over_sigma, 2.25);
    EXPECT_FALSE(c.flagged);
    EXPECT_FALSE(absence_class({record(30, 10)}, true).flagged);  // exactly 3: not above
    EXPECT_FALSE(absence_class({}, true).flagged);
}

}  // namespace
}  // namespace ped::merge
