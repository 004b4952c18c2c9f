// Space groups through gemmi: symbols in any setting, reflection conditions against gemmi's
// own absence test, Laue groups against orbits under gemmi's matrices and against the legacy
// classes, the difference between the legacy condition lists and the Tables, and the symmetry
// of a run with --sg and --ita through the filter and the merge.
#include <gtest/gtest.h>

#include <gemmi/symmetry.hpp>

#include <algorithm>
#include <climits>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "harness.hpp"
#include "merge/symmetry/conditions.hpp"
#include "merge/pipeline/extinction.hpp"
#include "merge/symmetry/laue.hpp"
#include "merge/symmetry/symmetry.hpp"
#include "merge/pipeline/symmetry_merge.hpp"
#include "merge/pipeline/symmetry_options.hpp"

namespace ped::merge {
namespace {

// The settings of the Laue-group check below, beside every entry of gemmi's table; the last
// is outside the table, and no two indices name the plane its mirror leaves in place.
const char* const kSettings[] = {"P b n m",    "P n m a",   "P 1 21/n 1",
                                 "P 1 1 21/b", "C 1 2/c 1", "I 1 2/a 1",
                                 "R -3 :R",    "R 3 2 :R",  "-P 2ybc (x+x+y+y+y,x+y+y,z)"};

std::string hkl(int h, int k, int l) {
    return std::to_string(h) + " " + std::to_string(k) + " " + std::to_string(l);
}

// ---------------------------------------------------------------- symbols

TEST(SpaceGroupSymbol, NumbersHermannMauguinAndHallSymbols) {
    // Text, name, number. 48 is origin choice 2; "P 2" is read as Hermann-Mauguin before Hall
    // (unique axis b); "P 2yb (x+y,y,z)" is a setting outside gemmi's table; the last names the
    // axis of its third rotation.
    const std::vector<std::string> cases = test::split(
        "14|P 1 21/c 1|14| 62 |P n m a|62|1|P 1|1|230|I a -3 d|230|48|P n n n:2|48|166|R -3 "
        "m:H|166|"
        "Pbnm|P b n m|62|P b n m|P b n m|62|pnma|P n m a|62|P 21/n|P 1 21/n 1|14|"
        "P2_1/c|P 1 21/c 1|14|P2(1)/c|P 1 21/c 1|14|P 1 1 21/b|P 1 1 21/b|14|C2/c|C 1 2/c 1|15|"
        "P 2|P 1 2 1|3|P6_3/mmc|P 63/m m c|194|R -3 :R|R -3:R|148|R-3c|R -3 c:H|167|H 3|R 3:H|146|"
        "Pnnn:2|P n n n:2|48|Fd3m|F d -3 m:1|227|Ia3d|I a -3 d|230|I43d|I -4 3 d|220|"
        "I 4 3 d|I -4 3 d|220|"
        "Cmce|C m c a|64|-P 2ybc|P 1 21/c 1|14|-P 2ac 2n|P n m a|62|"
        "P 61 2 (0 0 5)|P 61 2 2|178|P 2yb (x,y,-x+z)|P 1 21 1|4|P 2yb (x+y,y,z)|P 2yb (x+y,y,z)|0|"
        "Hall: P 2|P 1 1 2|3|Hall:C 2|C 1 1 2|3|Hall: P 2 2 2x|P 2 2 2|16",
        '|');
    for (size_t i = 0; i + 2 < cases.size(); i += 3) {
        const std::optional<SpaceGroupSetting> g = find_space_group(cases[i]);
        ASSERT_TRUE(g.has_value()) << cases[i];
        EXPECT_EQ(g->name, cases[i + 1]) << cases[i];
        EXPECT_EQ(std::to_string(g->number), cases[i + 2]) << cases[i];
    }
}

TEST(SpaceGroupSymbol, AnythingElseHasNoValue) {
    const std::string long_text(500, 'P');
    const char* const cases[] = {
        "", " ", "0", "231", "1003", "14a", "-14", "Q 1", "P 21/c junk", "R -3 :Hxyz", "xyz",
        "P3m",  // P 3 m 1 or P 3 1 m
        long_text.c_str(),
        // Hall symbols gemmi 0.5.7 would read outside an array or with overflowing integers
        "P 6 21", "Hall: P 1 21", "P 3*1", "P 2y (x/8,y,z)", "P 2y (2*x,y,z)", "P 2y (x+y,x-y,z)",
        "P 2y (999999999x,y,z)", "P 2y (x,y,z", "P 2y (x,y,z) junk", "P 2y(x,y,z)", "P 5", "P 2q",
        "-", "Hall:", "Hall: P 21/c", "P 2 2 2 2 2 2 2 2 2 2"};
    for (const char* c : cases) EXPECT_FALSE(find_space_group(c).has_value()) << c;
    EXPECT_FALSE(find_space_group(std::string("R 3\0P-", 6)).has_value());
    EXPECT_FALSE(standard_setting(0).has_value());
    EXPECT_FALSE(standard_setting(231).has_value());
}

// ---------------------------------------------------------------- conditions

// Over every (h k l) of the box, a reflection fails a condition exactly when gemmi calls it
// absent: no condition removes an allowed reflection and together they remove every absence.
// gemmi's test gives (h k l) and (-h -k -l) the same answer by its definition, so it is asked
// for one of each pair only (it is slow in the sanitizer build).
void expect_gemmi_absences(const SpaceGroupSetting& g, const gemmi::GroupOps& ops, int box) {
    const std::vector<GroupCondition> conditions = reflection_conditions(g);
    for (int h = 0; h <= box; ++h)
        for (int k = h == 0 ? 0 : -box; k <= box; ++k)
            for (int l = h == 0 && k == 0 ? 1 : -box; l <= box; ++l) {
                const bool absent = ops.is_systematically_absent({h, k, l});
                const int failed = first_failed(conditions, h, k, l);
                ASSERT_EQ(failed >= 0, absent) << g.name << ": " << hkl(h, k, l) << " "
                                               << (failed >= 0 ? conditions[failed].text : "");
                ASSERT_EQ(first_failed(conditions, -h, -k, -l) >= 0, absent)
                    << g.name << ": " << hkl(-h, -k, -l);
            }
}

// Every setting of gemmi's table, by its symbol over -3 to 3 and by its Hall symbol over -2
// to 2.
TEST(ReflectionConditions, EverySettingOfGemmiTable) {
    for (const gemmi::SpaceGroup& sg : gemmi::spacegroup_tables::main) {
        const std::string s = sg.xhm();
        const std::optional<SpaceGroupSetting> g = find_space_group(s);
        ASSERT_TRUE(g.has_value()) << s;
        ASSERT_EQ(g->name, s);
        const gemmi::GroupOps ops = sg.operations();
        expect_gemmi_absences(*g, ops, 3);
        const std::optional<SpaceGroupSetting> by_hall = find_space_group("Hall: " + g->hall);
        ASSERT_TRUE(by_hall.has_value()) << g->hall;
        EXPECT_EQ(by_hall->number, sg.number) << g->hall;
        expect_gemmi_absences(*by_hall, ops, 2);
    }
}

TEST(ReflectionConditions, TextsPerCrystalFamily) {
    // Symbol, then its conditions' texts separated by ';'.
    const std::vector<std::string> cases = test::split(
        "P -1||P 21/c|h0l: l = 2n;0k0: k = 2n|P 1 1 21/b|hk0: k = 2n;00l: l = 2n|"
        "C 1 2/c 1|hkl: h + k = 2n;h0l: l = 2n|I 1 2/a 1|hkl: h + k + l = 2n;h0l: h = 2n|"
        "P n m a|0kl: k + l = 2n;hk0: h = 2n|P b n m|0kl: k = 2n;h0l: h + l = 2n|"
        "P 21 21 21|h00: h = 2n;0k0: k = 2n;00l: l = 2n|"
        "F d d d|hkl: h + k, h + l, k + l = 2n;0kl: k + l = 4n;h0l: h + l = 4n;hk0: h + k = 4n|"
        "P 4/n b m|0kl: k = 2n;hk0: h + k = 2n|"
        "I 41/a m d|hkl: h + k + l = 2n;hhl: 2h + l = 4n;hk0: h = 2n|"
        "P 43 21 2|h00: h = 2n;00l: l = 4n|P 31|000l: l = 3n|P -3 1 c|hh-2hl: l = 2n|"
        "P 63/m m c|hh-2hl: l = 2n|P 63 c m|h-h0l: l = 2n|P 61 2 2|000l: l = 6n|"
        "R -3 c|hkil: -h + k + l = 3n;h-h0l: l = 2n|R -3 c :R|hhl: l = 2n|R 3 :R||"
        "P 21 3|h00: h = 2n|P -4 3 n|hhl: l = 2n|F d -3 m|hkl: h + k, h + l, k + l = 2n;"
        "0kl: k + l = 4n|F d -3 c|hkl: h + k, h + l, k + l = 2n;0kl: k + l = 4n;hhl: h = 2n|"
        "I a -3 d|hkl: h + k + l = 2n;0kl: k = 2n;hhl: 2h + l = 4n|"
        "-P 2ybc (x+x+y+y+y,x+y+y,z)|hkl with 3h + 2k = 0: h + l = 2n;h-2h0: h = 2n",
        '|');
    for (size_t i = 0; i + 1 < cases.size(); i += 2) {
        const std::optional<SpaceGroupSetting> g = find_space_group(cases[i]);
        ASSERT_TRUE(g.has_value()) << cases[i];
        std::string joined;
        for (const GroupCondition& c : reflection_conditions(*g))
            joined += (joined.empty() ? "" : ";") + c.text;
        EXPECT_EQ(joined, cases[i + 1]) << cases[i];
    }
}

TEST(ReflectionConditions, RelatedZonesTogetherAndExtremeIndices) {
    const std::vector<GroupCondition> fd3m = reflection_conditions(*find_space_group("Fd-3m"));
    ASSERT_EQ(fd3m.size(), 2u);
    std::vector<std::string> zones;
    for (const ZoneCondition& z : fd3m[1].zones) zones.push_back(z.text);
    EXPECT_EQ(zones,
              (std::vector<std::string>{"0kl: k + l = 4n", "h0l: h + l = 4n", "hk0: h + k = 4n"}));
    EXPECT_FALSE(fd3m[1].keeps(2, 0, 0));  // in hk0 and h0l
    EXPECT_TRUE(fd3m[1].keeps(4, 0, 0));
    EXPECT_TRUE(fd3m[1].keeps(2, 2, 2));  // in no zone of the condition

    // Extreme indices neither overflow nor fail.
    const std::vector<GroupCondition> ia3d = reflection_conditions(*find_space_group("Ia-3d"));
    for (const GroupCondition& c : ia3d)
        for (int v : {INT_MIN, INT_MAX, -1})
            EXPECT_NO_FATAL_FAILURE((void)c.keeps(v, v, INT_MIN + 2)) << c.text;
    EXPECT_EQ(first_failed(ia3d, INT_MIN, 0, 0), -1);
    EXPECT_EQ(first_failed(ia3d, INT_MAX, 0, 0), 0);
}

// ---------------------------------------------------------------- Laue groups

// The orbit of (h k l) under gemmi's rotations and their negatives, computed apart from the
// module's own matrices, in ascending order.
std::vector<Triple> gemmi_orbit(const gemmi::GroupOps& ops, int h, int k, int l) {
    std::vector<Triple> orbit;
    for (const gemmi::Op& op : ops.sym_ops) {
        const gemmi::Op::Miller m = op.apply_to_hkl({h, k, l});
        orbit.push_back({m[0], m[1], m[2]});
        orbit.push_back({-m[0], -m[1], -m[2]});
    }
    std::sort(orbit.begin(), orbit.end());
    orbit.erase(std::unique(orbit.begin(), orbit.end()), orbit.end());
    return orbit;
}

// The Laue group of each setting is the set of gemmi's rotations and their negatives. For
// each distinct one, every reflection's equivalents are its orbit under gemmi's matrices and
// its representative is the orbit's largest member: reflections share a representative
// exactly when they share an orbit, the allowed ones included.
TEST(LaueGroup, EquivalentsAreTheOrbitsOfGemmiOperations) {
    constexpr int box = 4;
    std::vector<std::string> symbols(std::begin(kSettings), std::end(kSettings));
    for (int n = 1; n <= 230; ++n) symbols.push_back(std::to_string(n));
    std::set<std::vector<IntMatrix>> tested;
    for (const std::string& s : symbols) {
        const std::optional<SpaceGroupSetting> g = find_space_group(s);
        ASSERT_TRUE(g.has_value()) << s;
        const gemmi::GroupOps ops = gemmi::symops_from_hall(g->hall.c_str());
        std::vector<IntMatrix> from_gemmi;
        for (const gemmi::Op& op : ops.sym_ops) {
            IntMatrix m{}, n{};
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j) {
                    m[i][j] = op.rot[i][j] / gemmi::Op::DEN;
                    n[i][j] = -m[i][j];
                }
            from_gemmi.push_back(m);
            from_gemmi.push_back(n);
        }
        std::sort(from_gemmi.begin(), from_gemmi.end());
        from_gemmi.erase(std::unique(from_gemmi.begin(), from_gemmi.end()), from_gemmi.end());
        const LaueGroup laue = laue_group(*g);
        std::vector<IntMatrix> mine = laue.operations;
        std::sort(mine.begin(), mine.end());
        ASSERT_EQ(mine, from_gemmi) << s;
        if (!tested.insert(mine).second) continue;
        for (int h = -box; h <= box; ++h)
            for (int k = -box; k <= box; ++k)
                for (int l = -box; l <= box; ++l) {
                    const std::vector<Triple> orbit = gemmi_orbit(ops, h, k, l);
                    std::vector<Triple> eq = equivalents(laue, h, k, l);
                    ASSERT_EQ(eq[0], (Triple{h, k, l}));
                    std::sort(eq.begin(), eq.end());
                    ASSERT_EQ(eq, orbit) << s << ": " << hkl(h, k, l);
                    ASSERT_EQ(representative(laue, h, k, l), orbit.back())
                        << s << ": " << hkl(h, k, l);
                }
    }
    // 11 classes; 2/m also on c and in the last setting, -3 and -3m also in rhombohedral axes,
    // -3m also as -31m.
    EXPECT_EQ(tested.size(), 16u);
}

TEST(LaueGroup, ClassesAgreeWithGemmiAndWithTheLegacyClasses) {
    for (const gemmi::SpaceGroup& sg : gemmi::spacegroup_tables::main) {
        const std::optional<SpaceGroupSetting> g = find_space_group(sg.xhm());
        ASSERT_TRUE(g.has_value()) << sg.xhm();
        EXPECT_EQ(laue_group(*g).class_name, sg.laue_str()) << sg.xhm();
    }
    // The legacy class of each number: the same symbol (the legacy one spells 6/mmm "6/mmmm"
    // and 2/m without its axis) and the same equivalents.
    for (int n = 1; n <= 230; ++n) {
        const LaueGroup laue = laue_group(*standard_setting(n));
        const int code = laue_code(n);
        std::string legacy = laue_symbol(code);
        if (legacy == "6/mmmm") legacy = "6/mmm";
        if (legacy == "2/m") legacy = "1 2/m 1";
        EXPECT_EQ(laue.symbol, legacy) << n;
        for (const Triple& t :
             {Triple{1, 2, 3}, Triple{3, -1, 2}, Triple{2, 2, 1}, Triple{0, 1, 4}}) {
            const std::vector<Triple> a = equivalents(laue, int(t[0]), int(t[1]), int(t[2]));
            const std::vector<Triple> b =
                ped::merge::equivalents(code, int(t[0]), int(t[1]), int(t[2]));
            EXPECT_EQ(std::set<Triple>(a.begin(), a.end()), std::set<Triple>(b.begin(), b.end()))
                << n;
        }
    }
    // Numbers outside 1 to 230: below, the class -1 as ever; above, none.
    for (int n : {-3, 0, 231, 300}) EXPECT_EQ(laue_code(n), n < 1 ? 12 : 0) << n;
    EXPECT_STREQ(laue_symbol(0), "");
}

// ---------------------------------------------------------------- the legacy lists

// Pccm (49) is the case warning_group_49; Ia-3d (230) here.
TEST(LegacyDifference, ConditionsAndExamples) {
    const LegacyDifference ia3d = legacy_difference(230);
    ASSERT_EQ(ia3d.legacy_removes_allowed.size(), 1u);
    EXPECT_EQ(ia3d.legacy_removes_allowed[0].code, 25);
    EXPECT_EQ(ia3d.legacy_removes_allowed[0].text, "hhl: h = 2n");
    EXPECT_EQ(ia3d.legacy_removes_allowed[0].examples[0], (Triple{1, 1, 2}));
    for (int code = 1; code <= kConditionCodes; ++code)
        EXPECT_FALSE(condition_text(code, 1).empty()) << code;
    EXPECT_EQ(condition_text(3, 173), "000l: l = 2n");
    EXPECT_EQ(condition_text(3, 19), "00l: l = 2n");
    EXPECT_EQ(condition_text(37, 1), "");
}

// ---------------------------------------------------------------- the options of a run

// The symmetry a run is given by --sg and --ita, taken through the filter and the merge the
// tool runs, against gemmi's own absence test and orbits; and the warning the own lists give.
// Every hkl from -6 to 6; the sanitizers make each group several times slower, and check memory
// as well on a smaller box.
#ifdef __SANITIZE_ADDRESS__
constexpr int kBox = 4;
#else
constexpr int kBox = 6;
#endif

// The symmetry the tool builds from its options and the number of position 8.
RunSymmetry run_symmetry(const std::string& sg, bool ita, int number = 0) {
    static test::FakeTerminal t;
    CommandLine cl;
    if (!sg.empty()) cl.options["sg"] = sg;
    if (ita) cl.options["ita"] = "";
    const Session s{t.term(), english_catalogue};
    const SymmetryOptions o = symmetry_options(s, cl);
    return choose_symmetry(s, o, o.setting ? o.setting->number : number);
}

// A zone holding every (h k l) from -6 to 6 goes through the filter and the merge: it keeps
// exactly what gemmi allows, and the merged list holds one reflection per class of gemmi's
// equivalents, with the indices of the class's first member. Each intensity is the number of
// its class, so a group mixing two classes would show in Rint.
void expect_gemmi_filter_and_merge(const RunSymmetry& symmetry, const gemmi::GroupOps& ops,
                                   const std::string& label) {
    std::vector<ZoneRecord> zone;
    for (int h = -kBox; h <= kBox; ++h)
        for (int k = -kBox; k <= kBox; ++k)
            for (int l = -kBox; l <= kBox; ++l) {
                if (h == 0 && k == 0 && l == 0) continue;
                ZoneRecord r;
                r.h = h, r.k = k, r.l = l;
                zone.push_back(r);
            }
    std::FILE* echo = std::fopen("/dev/null", "w");
    ASSERT_NE(echo, nullptr);
    const std::vector<ZoneRecord> kept =
        filter_extinctions(zone, symmetry.conditions, echo, nullptr);
    std::fclose(echo);

    std::vector<Reflection> list;
    std::map<Triple, int> class_of;
    std::vector<Triple> first_member;
    std::size_t next = 0;
    for (const ZoneRecord& r : zone) {
        const bool allowed = !ops.is_systematically_absent({r.h, r.k, r.l});
        const bool is_kept =
            next < kept.size() && kept[next].h == r.h && kept[next].k == r.k && kept[next].l == r.l;
        ASSERT_EQ(is_kept, allowed) << label << ": " << r.h << " " << r.k << " " << r.l;
        if (!is_kept) continue;
        ++next;
        const auto c =
            class_of.emplace(gemmi_orbit(ops, r.h, r.k, r.l).back(), int(class_of.size()));
        if (c.second) first_member.push_back({r.h, r.k, r.l});
        list.push_back({r.h, r.k, r.l, double(c.first->second), 1, 0.5});
    }
    ASSERT_EQ(next, kept.size()) << label;

    const MergeResult m = merge_equivalents(list, symmetry.representative);
    ASSERT_EQ(m.merged.size(), class_of.size()) << label;
    EXPECT_EQ(m.rint, 0) << label;
    std::set<int> classes;
    for (const Reflection& r : m.merged) {
        const int c = int(r.i);
        classes.insert(c);
        EXPECT_EQ((Triple{r.h, r.k, r.l}), first_member[c]) << label << ": class " << c;
    }
    EXPECT_EQ(classes.size(), class_of.size()) << label;
}

TEST(SymmetryOptions, EveryNumberWithItaKeepsAndMergesAsGemmi) {
    for (int n = 1; n <= 230; ++n) {
        const RunSymmetry s = run_symmetry("", true, n);
        EXPECT_EQ(s.number, n);
        EXPECT_EQ(s.laue_symbol, legacy_symmetry(n).laue_symbol) << n;
        const gemmi::GroupOps ops = gemmi::get_spacegroup_reference_setting(n).operations();
        expect_gemmi_filter_and_merge(s, ops, std::to_string(n));
    }
}

TEST(SymmetryOptions, SettingsBySymbolKeepAndMergeAsGemmi) {
    // Symbol, number, Laue class; the last is outside gemmi's table, and no two indices name
    // the plane its mirror leaves in place.
    const std::vector<std::string> cases = test::split(
        "P b n m|62|mmm|P n m a|62|mmm|P 1 21/n 1|14|1 2/m 1|P 1 1 21/b|14|1 1 2/m|"
        "C 1 2/c 1|15|1 2/m 1|I 1 2/a 1|15|1 2/m 1|R -3 :R|148|-3|R 3 2 :R|155|-3m|"
        "P 2/m 1 1|10|2/m 1 1|R -3 m :R|166|-3m|-P 2ybc (x+x+y+y+y,x+y+y,z)|0|2/m",
        '|');
    for (size_t i = 0; i + 2 < cases.size(); i += 3) {
        const char* symbol = cases[i].c_str();
        for (bool ita : {false, true}) {  // --ita changes nothing with a symbol
            const RunSymmetry s = run_symmetry(symbol, ita);
            EXPECT_EQ(std::to_string(s.number), cases[i + 1]) << symbol;
            EXPECT_EQ(s.laue_symbol, cases[i + 2]) << symbol;
            for (const Condition& k : s.conditions) EXPECT_EQ(k.code, 0) << symbol;
            const gemmi::SpaceGroup* sg = gemmi::find_spacegroup_by_name(symbol);
            expect_gemmi_filter_and_merge(
                s, sg ? sg->operations() : gemmi::symops_from_hall(symbol), symbol);
        }
    }
    // A number by --sg is its standard setting, shown with the class of that setting; with
    // --ita it is the number given the legacy way.
    EXPECT_EQ(run_symmetry("14", false).laue_symbol, "1 2/m 1");
    EXPECT_EQ(run_symmetry("14", true).laue_symbol, "2/m");
}

TEST(SymmetryOptions, TheWarningComesExactlyForTheThirtyNumbers) {
    const std::set<int> differ = {49,  53,  54,  56,  88,  103, 104, 105, 106, 112,
                                  114, 116, 117, 118, 120, 124, 126, 128, 130, 131,
                                  132, 133, 135, 137, 210, 212, 213, 214, 228, 230};
    const std::set<int> remove_allowed = {49, 53, 54, 88, 116, 118, 132, 230};
    for (int n = -1; n <= 232; ++n) {
        EXPECT_EQ(difference_warning(english_catalogue, n).empty(), differ.count(n) == 0) << n;
        EXPECT_EQ(legacy_difference(n).legacy_removes_allowed.empty(), !remove_allowed.count(n))
            << n;
    }
    // With --sg or --ita the own lists are not used, and nothing is said.
    test::FakeTerminal t;
    const Session s{t.term(), english_catalogue};
    SymmetryOptions ita;
    ita.tables = true;
    choose_symmetry(s, ita, 49);
    choose_symmetry(s, {find_space_group("49"), true, false}, 49);
    EXPECT_EQ(t.diag(), "");
    choose_symmetry(s, {}, 49);
    EXPECT_EQ(t.diag(), difference_warning(english_catalogue, 49));
}

}  // namespace
}  // namespace ped::merge
