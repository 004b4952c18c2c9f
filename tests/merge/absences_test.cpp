// The absence report on a zone holding every hkl in a box, for groups with screw axes, glide
// planes and centring: its counts against gemmi's own test of systematic absence; its means
// and flags against values worked out by hand.
#include <gtest/gtest.h>

#include <gemmi/symmetry.hpp>

#include <regex>

#include "common/text.hpp"
#include "harness.hpp"
#include "merge/pipeline/extinction.hpp"
#include "merge/reports/absences.hpp"

namespace ped::merge {
namespace {

TEST(Absences, CountsAreTheSystematicAbsencesOfTheGroup) {
    // P 1 21/c 1, P n m a and I 41/a c d (origin 2), whose legacy lists are the Tables'.
    for (const char* group : {"P 1 21/c 1", "P n m a", "I 41/a c d:2"}) {
        const gemmi::SpaceGroup* sg = gemmi::find_spacegroup_by_name(group);
        const gemmi::GroupOps ops = sg->operations();
        std::vector<ZoneRecord> box;
        int absent = 0;
        std::string strongest;  // the absent reflection of the largest I, as the report says it
        for (int h = -4; h <= 4; ++h)
            for (int k = -4; k <= 4; ++k)
                for (int l = -4; l <= 4; ++l) {
                    ZoneRecord r;
                    r.h = h, r.k = k, r.l = l;
                    r.v[kI] = 1000 + 81 * h + 9 * k + l;  // distinct, largest last
                    r.v[kPoisson] = 10;
                    box.push_back(r);
                    if (!ops.is_systematically_absent({h, k, l})) continue;
                    ++absent;
                    strongest = strprintf("%4d%4d%4d  I %.2f", h, k, l, r.v[kI]);
                }
        const RunSymmetry sym = legacy_symmetry(sg->number);
        test::FakeTerminal t;
        std::vector<std::vector<ZoneRecord>> removed;
        filter_extinctions(box, sym.conditions, t.term().out, nullptr, nullptr, &removed);
        const std::string text = absences_text(sym, {{"box", removed}}, true);
        int reported = 0;
        const std::regex count(": (\\d+) removed");
        for (std::sregex_iterator m(text.begin(), text.end(), count), end; m != end; ++m)
            reported += std::stoi((*m)[1]);
        EXPECT_EQ(reported, absent) << group;
        EXPECT_NE(text.find("\n    " + strongest + "  I/sigma(I) "), std::string::npos) << group;
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
