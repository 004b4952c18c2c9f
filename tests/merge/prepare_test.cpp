// Zone preparation: order, error column, non-positive intensities, Lorentz correction,
// Friedel merge and g window.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "common/text.hpp"
#include "harness.hpp"
#include "merge/prepare.hpp"

namespace ped::merge {
namespace {

ZoneRecord rec(int h, int k, int l, double i, double g, double poisson = 10, double sigbg = 20,
               double x = 0, double y = 0) {
    ZoneRecord r;
    r.h = h;
    r.k = k;
    r.l = l;
    r.v[kI] = i;
    r.v[kPoisson] = poisson;
    r.v[kSigBg] = sigbg;
    r.v[kG] = g;
    r.v[kX] = x;
    r.v[kY] = y;
    return r;
}

PrepareOptions plain() {
    PrepareOptions o;
    o.gmin = 0;
    o.gmax = 100;
    o.lorentz = false;
    o.friedel_merge = false;
    o.negatives_to_one = true;
    o.poisson_error = true;
    return o;
}

std::vector<Reflection> prep(std::vector<ZoneRecord> records, const PrepareOptions& o,
                             double length_per_pixel) {
    return prepare_zone(std::move(records), o, length_per_pixel).records;
}

std::string hkl(const std::vector<Reflection>& rs) {
    std::string s;
    for (const Reflection& r : rs) s += strprintf("%d%d%d ", r.h, r.k, r.l);
    return s;
}

TEST(Prepare, SortedByGWithTheExchangeSortTieOrder) {
    const auto out = prep({rec(1, 0, 0, 5, 2), rec(2, 0, 0, 5, 2), rec(3, 0, 0, 5, 1)}, plain(), 0);
    EXPECT_EQ(hkl(out), "300 200 100 ");
}

TEST(Prepare, ErrorColumnAndNonPositiveIntensities) {
    PrepareOptions o = plain();
    auto out = prep({rec(1, 0, 0, -5, 0.5, 3, 4), rec(2, 0, 0, 0, 0.6, 3, 4)}, o, 0);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].i, 1);
    EXPECT_EQ(out[0].sig, 3);
    EXPECT_EQ(out[1].i, 1);

    o.poisson_error = false;
    out = prep({rec(1, 0, 0, 7, 0.5, 3, 4)}, o, 0);
    EXPECT_EQ(out[0].sig, 4);

    o.negatives_to_one = false;
    out = prep({rec(1, 0, 0, -5, 0.5), rec(2, 0, 0, 0, 0.6), rec(3, 0, 0, 2, 0.7)}, o, 0);
    EXPECT_EQ(hkl(out), "300 ");
}

TEST(Prepare, GWindowHasStrictBounds) {
    PrepareOptions o = plain();
    o.gmin = 0.3;
    o.gmax = 0.6;
    const auto out = prep({rec(1, 0, 0, 5, 0.3), rec(2, 0, 0, 5, 0.30000001), rec(3, 0, 0, 5, 0.6),
                           rec(4, 0, 0, 5, 0.5)},
                          o, 0);
    EXPECT_EQ(hkl(out), "200 400 ");
}

TEST(Prepare, LorentzFactorFor200kVAndOneDegree) {
    const double r = lorentz_radius(200, 1);
    EXPECT_NEAR(r, 1.39178, 5e-6);
    EXPECT_NEAR(lorentz_factor(0.5, r), 0.466620, 5e-7);
    EXPECT_NEAR(lorentz_factor(1.0, r), 0.695520, 5e-7);
    EXPECT_TRUE(std::isnan(lorentz_factor(1.5, r)));
}

TEST(Prepare, LorentzCorrectionAfterRaisingToOne) {
    PrepareOptions o = plain();
    o.lorentz = true;
    o.voltage = 200;
    o.angle = 1;
    const double f = lorentz_factor(0.5, lorentz_radius(200, 1));
    const auto out =
        prep({rec(1, 0, 0, -3, 0.5, 10), rec(2, 0, 0, 100, 0.5, 10), rec(3, 0, 0, 9, 1.5)}, o, 0);
    ASSERT_EQ(out.size(), 2u);  // g above R: no real factor, not written
    EXPECT_DOUBLE_EQ(out[0].i, f);
    EXPECT_DOUBLE_EQ(out[0].sig, 10 * f);
    EXPECT_DOUBLE_EQ(out[1].i, 100 * f);

    o.angle = 0;
    EXPECT_TRUE(prep({rec(1, 0, 0, 5, 0.5)}, o, 0).empty());
}

TEST(Prepare, FriedelMergeOfAPlainPair) {
    PrepareOptions o = plain();
    o.friedel_merge = true;
    const auto out =
        prep({rec(1, 2, 3, 100, 0.5, 10, 0, 600, 500), rec(-1, -2, -3, 120, 0.5, 12, 0, 400, 500)},
             o, 0.5 / 100);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(hkl(out), "123 ");
    EXPECT_EQ(strprintf("%.2f %.2f %.8f", out[0].i, out[0].sig, out[0].g),
              "110.00 11.00 0.50000000");
}

TEST(Prepare, FriedelMergeLonelyDuplicateAndNegative) {
    PrepareOptions o = plain();
    o.friedel_merge = true;
    // A record without mate is not written; a duplicate at the same spot gives g 0.
    auto out = prep({rec(1, 0, 0, 5, 0.1, 1, 1, 600, 500), rec(2, 0, 0, 5, 0.2, 1, 1, 700, 500),
                     rec(2, 0, 0, 7, 0.2, 1, 1, 700, 500)},
                    o, 0.01);
    EXPECT_TRUE(out.empty());
    o.gmin = -1;
    out =
        prep({rec(2, 0, 0, 5, 0.2, 1, 1, 700, 500), rec(2, 0, 0, 7, 0.2, 1, 1, 700, 500)}, o, 0.01);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].g, 0);

    // Negatives kept as they are: a negative record is never written and absorbs nothing;
    // the mate it stopped starts its own group.
    o.gmin = 0;
    o.negatives_to_one = false;
    out = prep({rec(1, 1, 0, -4, 0.1, 1, 1, 10, 0), rec(-1, -1, 0, 6, 0.2, 1, 1, -10, 0),
                rec(1, 1, 0, 8, 0.3, 1, 1, 10, 0)},
               o, 1);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(hkl(out), "-1-10 ");
    EXPECT_EQ(out[0].i, 7);
    EXPECT_EQ(out[0].g, 10);
}

// The Friedel merge as a walk over the whole list, as the tool has always done it.
std::vector<Reflection> walk_merge(std::vector<ZoneRecord> rs, double per_pixel) {
    std::vector<Reflection> out;
    for (size_t i = 0; i < rs.size(); ++i) {
        double si = rs[i].v[kI], ss = rs[i].v[kPoisson], x = rs[i].v[kX], y = rs[i].v[kY];
        int count = 0;
        for (size_t j = i + 1; j < rs.size();) {
            const bool same = rs[j].h == rs[i].h && rs[j].k == rs[i].k && rs[j].l == rs[i].l;
            const bool opposite = rs[j].h == -rs[i].h && rs[j].k == -rs[i].k && rs[j].l == -rs[i].l;
            if (!same && !opposite) {
                ++j;
                continue;
            }
            if (rs[i].v[kI] < 0 || rs[j].v[kI] < 0) break;
            si += rs[j].v[kI];
            ss += rs[j].v[kPoisson];
            x -= rs[j].v[kX];
            y -= rs[j].v[kY];
            ++count;
            rs.erase(rs.begin() + static_cast<long>(j));
        }
        if (count > 0)
            out.push_back({rs[i].h, rs[i].k, rs[i].l, si / (count + 1), ss / (count + 1),
                           std::sqrt(x * x + y * y) / 2 * per_pixel});
    }
    return out;
}

TEST(Prepare, FriedelMergeMatchesTheWalkOverTheList) {
    std::mt19937 rng(99);
    std::uniform_int_distribution<int> index(-2, 2), intensity(-3, 40);
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<ZoneRecord> rs;
        for (int i = 0; i < 60; ++i)
            rs.push_back(rec(index(rng), index(rng), 0, intensity(rng), 0.1 * (i + 1), i % 7, 0,
                             500 + index(rng) * 37.5, 500 + index(rng) * 12.25));
        PrepareOptions o = plain();
        o.friedel_merge = true;
        o.negatives_to_one = false;
        o.gmin = -1;
        const auto fast = prep(rs, o, 0.002);
        std::vector<Reflection> slow;
        for (const Reflection& r : walk_merge(rs, 0.002))
            if (r.i > 0 && r.g > -1) slow.push_back(r);
        ASSERT_EQ(fast.size(), slow.size());
        for (size_t i = 0; i < fast.size(); ++i) {
            ASSERT_EQ(hkl({fast[i]}), hkl({slow[i]}));
            ASSERT_EQ(fast[i].i, slow[i].i);
            ASSERT_EQ(fast[i].sig, slow[i].sig);
            ASSERT_EQ(fast[i].g, slow[i].g);
        }
    }
}

}  // namespace
}  // namespace ped::merge

namespace ped::merge {
namespace {

// What became of each record: every one counted once, under the first reason that drops it.
TEST(Prepare, EveryRecordCountedOnceUnderItsFirstReason) {
    PrepareOptions deleted = plain(), lorentz = plain(), friedel = plain(), both = plain();
    deleted.negatives_to_one = false;
    lorentz.negatives_to_one = false;
    lorentz.lorentz = both.lorentz = true;
    lorentz.voltage = both.voltage = 200;
    lorentz.angle = both.angle = 1;  // R = 1.39178
    lorentz.gmin = 0.1;
    friedel.friedel_merge = both.friedel_merge = true;
    friedel.negatives_to_one = false;
    const struct {
        PrepareOptions o;
        std::vector<ZoneRecord> records;
        int non_positive, unpaired, lorentz, outside, merged, kept;
    } cases[] = {
        {deleted,
         {rec(1, 0, 0, -5, 0.5), rec(2, 0, 0, 0, 0.6), rec(3, 0, 0, 5, 0.7), rec(4, 0, 0, 5, 150)},
         2,
         0,
         0,
         1,
         0,
         1},
        {lorentz,
         {rec(1, 0, 0, 5, 0.5), rec(2, 0, 0, 5, 1.5), rec(3, 0, 0, 5, 0.05), rec(4, 0, 0, -5, 1.5)},
         1,
         0,
         1,
         1,
         0,
         1},
        // A pair kept; a lone record; a negative and the mate it keeps away; a pair at g 0
        // (the same spot); a pair of zero intensities.
        {friedel,
         {rec(1, 2, 3, 100, 0.5, 10, 0, 600, 500), rec(-1, -2, -3, 120, 0.5, 12, 0, 400, 500),
          rec(2, 0, 0, 5, 0.2), rec(3, 0, 0, -4, 0.3), rec(-3, 0, 0, 6, 0.3),
          rec(4, 0, 0, 5, 0.4, 1, 1, 700, 500), rec(-4, 0, 0, 5, 0.4, 1, 1, 700, 500),
          rec(5, 0, 0, 0, 0.45, 1, 1, 600, 500), rec(-5, 0, 0, 0, 0.45, 1, 1, 400, 500)},
         3,
         2,
         0,
         2,
         1,
         1},
        // A pair beyond R by its file g, though its spots put it inside the window.
        {both,
         {rec(1, 0, 0, 5, 1.5, 1, 1, 600, 500), rec(-1, 0, 0, 5, 1.5, 1, 1, 400, 500)},
         0,
         0,
         2,
         0,
         0,
         0},
    };
    for (const auto& c : cases) {
        const PreparedZone p = prepare_zone(c.records, c.o, 0.5 / 100);
        const ZoneCounts& n = p.counts;
        EXPECT_EQ(
            std::vector<int>({n.non_positive, n.unpaired, n.lorentz, n.outside, n.merged, n.kept}),
            std::vector<int>({c.non_positive, c.unpaired, c.lorentz, c.outside, c.merged, c.kept}))
            << hkl(p.records);
        EXPECT_EQ(n.sum(), static_cast<int>(c.records.size()));
        EXPECT_EQ(n.kept, static_cast<int>(p.records.size()));
    }
}

TEST(Prepare, CalibrationRatioIsTheMedianOverThePairs) {
    PrepareOptions o = plain();
    o.friedel_merge = true;
    // Spots 200 pixels apart stand for g 0.5 at 0.005 per pixel; the file says 0.5, 0.25, 0.05.
    std::vector<ZoneRecord> rs;
    for (int h : {1, 2, 3}) {
        const double g = h == 1 ? 0.5 : h == 2 ? 0.25 : 0.05;
        rs.push_back(rec(h, 0, 0, 5, g, 1, 1, 600, 500));
        rs.push_back(rec(-h, 0, 0, 5, g, 1, 1, 400, 500));
    }
    PreparedZone p = prepare_zone(rs, o, 0.005);
    EXPECT_EQ(p.pairs, 3);
    EXPECT_DOUBLE_EQ(*p.calibration_ratio, 2);  // of 1, 2 and 10
    rs.resize(4);
    EXPECT_DOUBLE_EQ(*prepare_zone(rs, o, 0.005).calibration_ratio, 1.5);
    EXPECT_FALSE(prepare_zone({rec(1, 0, 0, 5, 0.5)}, o, 0.005).calibration_ratio);
}

}  // namespace
}  // namespace ped::merge
