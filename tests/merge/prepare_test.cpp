// Zone preparation: order, error column, non-positive intensities, Lorentz correction, Friedel
// merge and g window, with the count of every record; the Friedel merge against its walk over
// the list.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "common/text.hpp"
#include "harness.hpp"
#include "merge/pipeline/prepare.hpp"

namespace ped::merge {
namespace {

ZoneRecord rec(int h, int k, int l, double i, double g, double poisson = 10, double sigbg = 20,
               double x = 0, double y = 0) {
    ZoneRecord r;
    r.h = h, r.k = k, r.l = l;
    r.v[kI] = i, r.v[kPoisson] = poisson, r.v[kSigBg] = sigbg, r.v[kG] = g;
    r.v[kX] = x, r.v[kY] = y;
    return r;
}

// Options from letters: f Friedel merge, d non-positive intensities deleted, b the Sig(bg)
// error, l Lorentz correction at 200 kV and 1 degree (R = 1.39178), w the same at 30 degrees,
// z Lorentz at 0 degrees.
PrepareOptions options(const std::string& letters, double gmin = 0, double gmax = 100) {
    PrepareOptions o;
    o.gmin = gmin, o.gmax = gmax;
    o.friedel_merge = letters.find('f') != std::string::npos;
    o.negatives_to_one = letters.find('d') == std::string::npos;
    o.poisson_error = letters.find('b') == std::string::npos;
    o.lorentz = letters.find_first_of("lwz") != std::string::npos;
    o.voltage = 200;
    o.angle = letters.find('l') != std::string::npos ? 1 : 0;
    if (letters.find('w') != std::string::npos) o.angle = 30;
    return o;
}

std::string records_of(const std::vector<Reflection>& rs, int digits = 6) {
    std::string s;
    for (const Reflection& r : rs)
        s += strprintf("%d%d%d %.*g %.*g %.*g|", r.h, r.k, r.l, digits, r.i, digits, r.sig, digits,
                       r.g);
    return s;
}

// Records from text: "h k l I g [Poisson Sig(bg) x y]" separated by ';'.
std::vector<ZoneRecord> records(const std::string& text) {
    std::vector<ZoneRecord> rs;
    for (const std::string& record : test::split(text, ';')) {
        double v[9] = {0, 0, 0, 0, 0, 10, 20, 0, 0};
        std::istringstream(record) >> v[0] >> v[1] >> v[2] >> v[3] >> v[4] >> v[5] >> v[6] >>
            v[7] >> v[8];
        if (!record.empty())
            rs.push_back(rec(int(v[0]), int(v[1]), int(v[2]), v[3], v[4], v[5], v[6], v[7], v[8]));
    }
    return rs;
}

TEST(Prepare, Examples) {
    // R = 1.39178 at 200 kV and 1 degree, L(0.5) = 0.46662; no factor beyond R. Options (as
    // options() reads them), g window, length per pixel, records; the records written, as h k l I
    // sigI g; the counts of non-positive, without mate, beyond the Lorentz limit, outside the
    // window, merged into a mate, written, skipped.
    const struct {
        const char* options;
        double gmin, gmax, per_pixel;
        const char *records, *kept, *counts;
    } examples[] = {
        // Ascending g, equal g in the order of the exchange sort.
        {"", 0, 100, 0, "1 0 0 5 2; 2 0 0 5 2; 3 0 0 5 1", "300 5 10 1|200 5 10 2|100 5 10 2|",
         "0 0 0 0 0 3 0"},
        // Non-positive intensities raised to 1, or deleted; the Poisson or the Sig(bg) error.
        {"", 0, 100, 0, "1 0 0 -5 0.5 3 4; 2 0 0 0 0.6 3 4", "100 1 3 0.5|200 1 3 0.6|",
         "0 0 0 0 0 2 0"},
        {"b", 0, 100, 0, "1 0 0 7 0.5 3 4", "100 7 4 0.5|", "0 0 0 0 0 1 0"},
        {"d", 0, 100, 0, "1 0 0 -5 0.5; 2 0 0 0 0.6; 3 0 0 5 0.7; 4 0 0 5 150", "300 5 10 0.7|",
         "2 0 0 1 0 1 0"},
        // The window's bounds are not in it.
        {"", 0.3, 0.6, 0, "1 0 0 5 0.3; 2 0 0 5 0.30000001; 3 0 0 5 0.6; 4 0 0 5 0.5",
         "200 5 10 0.3|400 5 10 0.5|", "0 0 0 2 0 2 0"},
        // The Lorentz correction after the raise to 1; no factor at g beyond R, or with R = 0.
        {"l", 0, 100, 0, "1 0 0 -3 0.5 10; 2 0 0 100 0.5 10; 3 0 0 9 1.5",
         "100 0.46662 4.6662 0.5|200 46.662 4.6662 0.5|", "0 0 1 0 0 2 0"},
        {"z", 0, 100, 0, "1 0 0 5 0.5", "", "0 0 1 0 0 0 0"},
        {"dl", 0.1, 100, 0, "1 0 0 5 0.5; 2 0 0 5 1.5; 3 0 0 5 0.05; 4 0 0 -5 1.5",
         "100 2.3331 4.6662 0.5|", "1 0 1 1 0 1 0"},
        // Friedel mates: the means, g from the spots 200 pixels apart.
        {"f", 0, 100, 0.005, "1 2 3 100 0.5 10 0 600 500; -1 -2 -3 120 0.5 12 0 400 500",
         "123 110 11 0.5|", "0 0 0 0 1 1 0"},
        // A record without mate is not written; a repeat at the same spot gives g 0, outside
        // a window from 0 and inside one from -1.
        {"f", 0, 100, 0.01,
         "1 0 0 5 0.1 1 1 600 500; 2 0 0 5 0.2 1 1 700 500; 2 0 0 7 0.2 1 1 700 500", "",
         "0 1 0 2 0 0 0"},
        {"f", -1, 100, 0.01, "2 0 0 5 0.2 1 1 700 500; 2 0 0 7 0.2 1 1 700 500", "200 6 1 0|",
         "0 0 0 0 1 1 0"},
        // Negatives deleted: a negative record is never written and absorbs nothing; the mate
        // it stopped starts its own group.
        {"fd", 0, 100, 1, "1 1 0 -4 0.1 1 1 10 0; -1 -1 0 6 0.2 1 1 -10 0; 1 1 0 8 0.3 1 1 10 0",
         "-1-10 7 1 10|", "1 0 0 0 1 1 0"},
        // A pair; a lone record; a negative and the mate it keeps away; a pair at the same
        // spot (g 0); a pair of zero intensities.
        {"fd", 0, 100, 0.005,
         "1 2 3 100 0.5 10 0 600 500; -1 -2 -3 120 0.5 12 0 400 500; 2 0 0 5 0.2; 3 0 0 -4 0.3;"
         "-3 0 0 6 0.3; 4 0 0 5 0.4 1 1 700 500; -4 0 0 5 0.4 1 1 700 500;"
         "5 0 0 0 0.45 1 1 600 500; -5 0 0 0 0.45 1 1 400 500",
         "-1-2-3 110 11 0.5|", "3 2 0 2 1 1 0"},
        // A pair beyond R by its file g, though its spots put it inside the window.
        {"fl", 0, 100, 0.005, "1 0 0 5 1.5 1 1 600 500; -1 0 0 5 1.5 1 1 400 500", "",
         "0 0 2 0 0 0 0"},
        // Lines whose corrected values would fill their columns in the prepared layout, so
        // that no blank sets them off: skipped. At 30 degrees (R = 39.87) L(10) = 9.68041
        // enlarges 2e10 to 1.936e11; a calibration of 999.9 per pixel puts a pair 300 pixels
        // apart at g = 149985.
        {"w", 0, 100, 0, "1 0 0 2e10 10; 2 0 0 1e10 10", "200 9.68041e+10 96.8041 10|",
         "0 0 0 0 0 1 1"},
        {"f", 0, 1e9, 999.9,
         "1 0 0 5 0.5 1 1 600 500; -1 0 0 5 0.5 1 1 400 500; 2 0 0 5 0.6 1 1 650 500;"
         "-2 0 0 5 0.6 1 1 350 500",
         "100 5 1 99990|", "0 0 0 0 1 1 2"},
    };
    for (const auto& e : examples) {
        const std::vector<ZoneRecord> in = records(e.records);
        const ZonePreparation p = prepare_zone(in, options(e.options, e.gmin, e.gmax), e.per_pixel);
        const ZoneCounts& n = p.counts;
        EXPECT_EQ(records_of(p.records), e.kept) << e.records;
        EXPECT_EQ(strprintf("%d %d %d %d %d %d %d", n.non_positive, n.unpaired, n.lorentz,
                            n.outside, n.merged, n.kept, n.skipped),
                  e.counts)
            << e.records;
        EXPECT_EQ(n.sum(), static_cast<int>(in.size()));
    }
}

TEST(Prepare, CalibrationRatioIsTheMedianOverThePairs) {
    // Spots 200 pixels apart stand for g 0.5 at 0.005 per pixel; the file says 0.5, 0.25, 0.05.
    std::vector<ZoneRecord> rs;
    for (int h : {1, 2, 3}) {
        const double g = h == 1 ? 0.5 : h == 2 ? 0.25 : 0.05;
        rs.push_back(rec(h, 0, 0, 5, g, 1, 1, 600, 500));
        rs.push_back(rec(-h, 0, 0, 5, g, 1, 1, 400, 500));
    }
    const ZonePreparation p = prepare_zone(rs, options("f"), 0.005);
    EXPECT_EQ(p.pairs, 3);
    EXPECT_DOUBLE_EQ(*p.calibration_ratio, 2);  // of 1, 2 and 10
    rs.resize(4);
    EXPECT_DOUBLE_EQ(*prepare_zone(rs, options("f"), 0.005).calibration_ratio, 1.5);
    EXPECT_FALSE(prepare_zone({rec(1, 0, 0, 5, 0.5)}, options("f"), 0.005).calibration_ratio);
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
            si += rs[j].v[kI], ss += rs[j].v[kPoisson], x -= rs[j].v[kX], y -= rs[j].v[kY];
            ++count;
            rs.erase(rs.begin() + static_cast<long>(j));
        }
        if (count > 0 && si > 0)
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
        const ZonePreparation fast = prepare_zone(rs, options("fd", -1), 0.002);
        ASSERT_EQ(records_of(fast.records, 17), records_of(walk_merge(rs, 0.002), 17)) << trial;
    }
}

}  // namespace
}  // namespace ped::merge
