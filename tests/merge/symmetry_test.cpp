// Space groups through gemmi, checked against gemmi's own absence test and orbits: symbols in
// any setting, the guard of gemmi's Hall parser, reflection conditions, Laue groups (those of
// the settings and the legacy classes), the symmetry a run takes from --sg and --ita, and the
// legacy lists against the Tables.
#include <gtest/gtest.h>

#include <gemmi/symmetry.hpp>

#include <algorithm>
#include <climits>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "harness.hpp"
#include "merge/pipeline/symmetry_options.hpp"
#include "merge/symmetry/hall_guard.hpp"
#include "merge/symmetry/legacy_difference.hpp"

namespace ped::merge {
namespace {

using gemmi::Op;

std::string hkl(long long h, long long k, long long l) {
    return std::to_string(h) + " " + std::to_string(k) + " " + std::to_string(l);
}

// ---------------------------------------------------------------- symbols

TEST(SpaceGroupSymbol, NumbersHermannMauguinAndHallSymbols) {
    // Each name with the texts that give it, its number gemmi's. 48 is origin choice 2; "P 2"
    // reads as Hermann-Mauguin before Hall (unique axis b); the last is outside gemmi's table.
    const std::map<std::string, std::vector<std::string>> spellings = {
        {"P 1 21/c 1", {"14", "P2_1/c", "P2(1)/c", "-P 2ybc"}},
        {"P n m a", {" 62 ", "pnma", "-P 2ac 2n"}},
        {"P 1", {"1"}},
        {"P n n n:2", {"48", "Pnnn:2"}},
        {"R -3 m:H", {"166"}},
        {"P b n m", {"Pbnm"}},
        {"P 1 21/n 1", {"P 21/n"}},
        {"P 1 1 21/b", {"P 1 1 21/b"}},
        {"C 1 2/c 1", {"C2/c"}},
        {"P 1 2 1", {"P 2"}},
        {"P 63/m m c", {"P6_3/mmc"}},
        {"R -3:R", {"R -3 :R"}},
        {"R -3 c:H", {"R-3c"}},
        {"R 3:H", {"H 3"}},
        {"F d -3 m:1", {"Fd3m"}},
        {"I a -3 d", {"Ia3d"}},
        {"I -4 3 d", {"I43d", "I 4 3 d"}},
        {"C m c a", {"Cmce"}},
        {"P 61 2 2", {"P 61 2 (0 0 5)"}},
        {"P 1 21 1", {"P 2yb (x,y,-x+z)"}},
        {"P 1 1 2", {"Hall: P 2"}},
        {"C 1 1 2", {"Hall:C 2"}},
        {"P 2 2 2", {"Hall: P 2 2 2x"}},
        {"P 2yb (x+y,y,z)", {"P 2yb (x+y,y,z)"}}};
    for (const auto& [name, texts] : spellings) {
        const gemmi::SpaceGroup* sg = gemmi::find_spacegroup_by_name(name);
        for (const std::string& text : texts) {
            const std::optional<SpaceGroupSetting> g = find_space_group(text);
            ASSERT_TRUE(g.has_value()) << text;
            EXPECT_EQ(g->name, name) << text;
            EXPECT_EQ(g->number, sg ? sg->number : 0) << text;
        }
    }
}

TEST(SpaceGroupSymbol, AnythingElseHasNoValue) {
    // "P3m" is P 3 m 1 or P 3 1 m; "A 4" has a centring its fourfold axis moves and "C 1ab" a
    // second identity, which gemmi's closing of the group by rotations lets pass.
    const char* const cases[] = {
        "",           " ",   "0",   "231", "1003",  "14a",          "-14", "Q 1",   "P 21/c junk",
        "R -3 :Hxyz", "xyz", "P3m", "A 4", "C 1ab", "Hall: P 1 21", "-",   "Hall:", "Hall: P 21/c"};
    for (const char* c : cases) EXPECT_FALSE(find_space_group(c).has_value()) << c;
    EXPECT_FALSE(find_space_group(std::string(500, 'P')).has_value());
    EXPECT_FALSE(find_space_group(std::string("R 3\0P-", 6)).has_value());
    EXPECT_FALSE(standard_setting(0).has_value());
    EXPECT_FALSE(standard_setting(231).has_value());
}

// Each symbol refused here would make gemmi 0.5.7 write outside an array (a screw on an implied
// or explicit diagonal axis, or on no axis after "1"), overflow an int, or build a super-cell
// (determinant 2, entries not integer): the guard refuses it before gemmi sees it, and so does
// find_space_group.
TEST(HallGuard, RefusesWhatGemmiReadsWithAFault) {
    for (const char* safe :
         {"-P 2ybc", "P 61 2 (0 0 5)", "P 2yb (x,y,-x+z)", "-P 2ybc (x+x+y+y+y,x+y+y,z)"})
        EXPECT_TRUE(hall_symbol_is_safe(safe)) << safe;
    for (const char* symbol :
         {"P 6 21", "P 3*1", "P 1 21", "P 2y (999999999x,y,z)", "P 2y (2*x,y,z)",
          "P 2y (x+y,x-y,z)", "P 2y (x/8,y,z)", "P 2y (x,y,z", "P 2y (x,y,z) junk", "P 2y(x,y,z)",
          "P 5", "P 2q", "P 2 2 2 2 2 2 2 2 2 2", "Q 2", "-", "- "}) {
        EXPECT_FALSE(hall_symbol_is_safe(symbol)) << symbol;
        EXPECT_FALSE(find_space_group(std::string("Hall: ") + symbol)) << symbol;
    }
}

// ---------------------------------------------------------------- conditions

// Over every (h k l) of the box, the derived conditions remove a reflection exactly when gemmi
// calls it absent. gemmi gives (h k l) and (-h -k -l) the same answer by its definition, so it
// is asked for one of each pair only (it is slow in the sanitizer build).
void expect_gemmi_absences(const SpaceGroupSetting& g, const gemmi::GroupOps& ops, int box) {
    const RunSymmetry s = setting_symmetry(g);
    for (int h = 0; h <= box; ++h)
        for (int k = h == 0 ? 0 : -box; k <= box; ++k)
            for (int l = h == 0 && k == 0 ? 1 : -box; l <= box; ++l) {
                const bool absent = ops.is_systematically_absent({h, k, l});
                ASSERT_EQ(s.allowed(h, k, l), !absent) << g.name << ": " << hkl(h, k, l);
                ASSERT_EQ(s.allowed(-h, -k, -l), !absent) << g.name << ": " << hkl(-h, -k, -l);
            }
}

// Every setting of gemmi's table, by its symbol over -3 to 3 and by its Hall symbol over -2
// to 2.
TEST(ReflectionConditions, EverySettingOfGemmiTable) {
    for (const gemmi::SpaceGroup& sg : gemmi::spacegroup_tables::main) {
        const std::optional<SpaceGroupSetting> g = find_space_group(sg.xhm());
        ASSERT_TRUE(g.has_value()) << sg.xhm();
        ASSERT_EQ(g->name, sg.xhm());
        const gemmi::GroupOps ops = sg.operations();
        expect_gemmi_absences(*g, ops, 3);
        const std::optional<SpaceGroupSetting> by_hall = find_space_group("Hall: " + g->hall);
        ASSERT_TRUE(by_hall.has_value()) << g->hall;
        EXPECT_EQ(by_hall->number, sg.number) << g->hall;
        expect_gemmi_absences(*by_hall, ops, 2);
    }
}

TEST(ReflectionConditions, TextsPerCrystalFamily) {
    const std::map<std::string, std::vector<std::string>> cases = {
        {"P -1", {}},
        {"P 21/c", {"h0l: l = 2n", "0k0: k = 2n"}},
        {"C 1 2/c 1", {"hkl: h + k = 2n", "h0l: l = 2n"}},
        {"P n m a", {"0kl: k + l = 2n", "hk0: h = 2n"}},
        {"P b n m", {"0kl: k = 2n", "h0l: h + l = 2n"}},
        {"P 21 21 21", {"h00: h = 2n", "0k0: k = 2n", "00l: l = 2n"}},
        {"F d d d",
         {"hkl: h + k, h + l, k + l = 2n", "0kl: k + l = 4n", "h0l: h + l = 4n",
          "hk0: h + k = 4n"}},
        {"I 41/a m d", {"hkl: h + k + l = 2n", "hhl: 2h + l = 4n", "hk0: h = 2n"}},
        {"P 43 21 2", {"h00: h = 2n", "00l: l = 4n"}},
        {"P 31", {"000l: l = 3n"}},
        {"P -3 1 c", {"hh-2hl: l = 2n"}},
        {"P 63 c m", {"h-h0l: l = 2n"}},
        {"R -3 c", {"hkil: -h + k + l = 3n", "h-h0l: l = 2n"}},
        {"R -3 c :R", {"hhl: l = 2n"}},
        {"P -4 3 n", {"hhl: l = 2n"}},
        {"I a -3 d", {"hkl: h + k + l = 2n", "0kl: k = 2n", "hhl: 2h + l = 4n"}},
        // No two indices name the plane its mirror leaves in place.
        {"-P 2ybc (x+x+y+y+y,x+y+y,z)", {"hkl with 3h + 2k = 0: h + l = 2n", "h-2h0: h = 2n"}}};
    for (const auto& [symbol, texts] : cases) {
        std::vector<std::string> got;
        for (const ReflectionCondition& c : reflection_conditions(*find_space_group(symbol)))
            got.push_back(c.text);
        EXPECT_EQ(got, texts) << symbol;
    }
}

TEST(ReflectionConditions, RelatedZonesTogetherAndExtremeIndices) {
    const std::vector<ReflectionCondition> fd3m = reflection_conditions(*find_space_group("Fd-3m"));
    ASSERT_EQ(fd3m.size(), 2u);
    std::vector<std::string> zones;
    for (const ZoneCondition& z : fd3m[1].zones) zones.push_back(z.text);
    EXPECT_EQ(zones,
              (std::vector<std::string>{"0kl: k + l = 4n", "h0l: h + l = 4n", "hk0: h + k = 4n"}));

    // Extreme indices neither overflow nor fail: INT_MIN 0 0 is even, INT_MAX 0 0 odd.
    const RunSymmetry ia3d = setting_symmetry(*find_space_group("Ia-3d"));
    for (const FilterCondition& c : ia3d.conditions)
        for (int v : {INT_MIN, INT_MAX, -1}) (void)c.keeps(v, v, INT_MIN + 2);
    EXPECT_TRUE(ia3d.allowed(INT_MIN, 0, 0));
    EXPECT_FALSE(ia3d.conditions[0].keeps(INT_MAX, 0, 0));
}

// ---------------------------------------------------------------- Laue groups

std::vector<Op::Rot> rotations(const LaueGroup& laue) {
    std::vector<Op::Rot> out;
    for (const Op& op : laue.ops.sym_ops) out.push_back(op.rot);
    std::sort(out.begin(), out.end());
    return out;
}

// The orbit of (h k l) under gemmi's rotations and their negatives, in ascending order.
std::vector<Triple> gemmi_orbit(const gemmi::GroupOps& ops, int h, int k, int l) {
    std::vector<Triple> orbit;
    for (const Op& op : ops.sym_ops) {
        const Op::Miller m = op.apply_to_hkl({h, k, l});
        orbit.insert(orbit.end(), {{m[0], m[1], m[2]}, {-m[0], -m[1], -m[2]}});
    }
    std::sort(orbit.begin(), orbit.end());
    orbit.erase(std::unique(orbit.begin(), orbit.end()), orbit.end());
    return orbit;
}

// For each distinct Laue group of the settings, every reflection's equivalents are its orbit
// under gemmi's matrices and its representative is the orbit's largest member: reflections
// share a representative exactly when they share an orbit.
TEST(LaueGroup, EquivalentsAreTheOrbitsOfGemmiOperations) {
    std::set<std::vector<Op::Rot>> tested;
    for (const gemmi::SpaceGroup& sg : gemmi::spacegroup_tables::main) {
        const LaueGroup laue = laue_group(*find_space_group(sg.xhm()));
        const gemmi::GroupOps ops = sg.operations();
        EXPECT_EQ(laue.laue_class, sg.laue_class()) << sg.xhm();
        if (!tested.insert(rotations(laue)).second) continue;
        for (int h = -4; h <= 4; ++h)
            for (int k = -4; k <= 4; ++k)
                for (int l = -4; l <= 4; ++l) {
                    const std::vector<Triple> orbit = gemmi_orbit(ops, h, k, l);
                    std::vector<Triple> eq = laue.equivalents(h, k, l);
                    ASSERT_EQ(eq[0], (Triple{h, k, l}));
                    std::sort(eq.begin(), eq.end());
                    ASSERT_EQ(eq, orbit) << sg.xhm() << ": " << hkl(h, k, l);
                    ASSERT_EQ(laue.representative(h, k, l), orbit.back()) << sg.xhm();
                }
    }
    // 11 classes; 2/m on each axis, -3 and -3m also in rhombohedral axes, -3m also as -31m.
    EXPECT_EQ(tested.size(), 16u);
}

// The tool's own classes are the Laue groups of the standard settings, operation for
// operation, with their own symbols.
TEST(LaueGroup, LegacyClassesAreTheGroupsOfTheStandardSettings) {
    const std::map<int, std::string> symbols = {
        {1, "m-3m"}, {2, "m-3"},  {3, "4/mmm"}, {4, "4/m"}, {5, "mmm"},  {6, "6/mmmm"},
        {7, "6/m"},  {8, "-3m1"}, {9, "-31m"},  {10, "-3"}, {11, "2/m"}, {12, "-1"}};
    for (int n = -3; n <= 232; ++n) {
        const std::optional<LaueGroup> legacy = legacy_laue_group(n);
        ASSERT_EQ(legacy.has_value(), n <= 230) << n;
        if (!legacy) continue;
        EXPECT_EQ(legacy->symbol, symbols.at(legacy->code)) << n;
        const LaueGroup setting = laue_group(*standard_setting(std::max(n, 1)));
        EXPECT_EQ(rotations(*legacy), rotations(setting)) << n;
        EXPECT_EQ(legacy->laue_class, setting.laue_class) << n;
        EXPECT_EQ(legacy->ops.sym_ops[0], Op::identity()) << n;
    }
}

// ---------------------------------------------------------------- the options of a run

// The symmetry the tool builds from its options and the number of position 8.
RunSymmetry run_symmetry(const std::string& sg, bool ita, int number = 0) {
    static test::FakeTerminal t;
    MergeOptions o;
    if (!sg.empty()) o.sg = sg, o.setting = find_space_group(sg);
    o.ita = ita;
    return choose_symmetry(Session{t.term(), english_catalogue}, o,
                           o.setting ? o.setting->number : number);
}

// A symbol gives its setting's derived conditions and Laue group, with or without --ita (the
// conditions themselves are checked against gemmi above, for every setting).
TEST(SymmetryOptions, SettingsBySymbolAndNumbers) {
    const struct {
        const char* symbol;
        int number;
        const char* laue;
    } cases[] = {{"P b n m", 62, "mmm"},        {"P 1 21/n 1", 14, "1 2/m 1"},
                 {"P 1 1 21/b", 14, "1 1 2/m"}, {"P 2/m 1 1", 10, "2/m 1 1"},
                 {"R -3 :R", 148, "-3"},        {"R 3 2 :R", 155, "-3m"},
                 {"P -3 1 m", 162, "-31m"},     {"P -3 m 1", 164, "-3m1"},
                 {"P 6/m m m", 191, "6/mmm"},   {"-P 2ybc (x+x+y+y+y,x+y+y,z)", 0, "2/m"}};
    for (const auto& c : cases)
        for (bool ita : {false, true}) {
            const RunSymmetry s = run_symmetry(c.symbol, ita);
            EXPECT_EQ(s.number, c.number) << c.symbol;
            EXPECT_EQ(s.laue->symbol, c.laue) << c.symbol;
            EXPECT_EQ(s.setting->hall, find_space_group(c.symbol)->hall) << c.symbol;
            EXPECT_EQ(s.conditions.size(), reflection_conditions(*s.setting).size()) << c.symbol;
            for (const FilterCondition& k : s.conditions) EXPECT_EQ(k.code, 0) << c.symbol;
        }
    // A number by --sg is its standard setting, shown with the class of that setting; with
    // --ita it is the number given the legacy way, with the Tables' conditions.
    EXPECT_EQ(run_symmetry("14", false).laue->symbol, "1 2/m 1");
    const RunSymmetry ita = run_symmetry("14", true);
    EXPECT_EQ(ita.laue->symbol, "2/m");
    EXPECT_EQ(ita.conditions[0].text, "h0l: l = 2n");
}

// The thirty numbers whose own lists differ from the Tables (as the README lists them): the
// legacy conditions that remove allowed reflections, then the Tables' conditions not applied.
TEST(LegacyDifference, TheThirtyNumbersAndTheirConditions) {
    using Texts = std::vector<std::string>;
    const struct {
        Texts removes_allowed, not_applied;
        std::vector<int> numbers;
    } differences[] = {{{},
                        {"hhl: l = 2n"},
                        {103, 104, 105, 106, 112, 114, 124, 126, 128, 130, 131, 133, 135, 137}},
                       {{}, {"h00: h = 4n"}, {210, 212, 213, 214}},
                       {{}, {"0kl: k = 2n"}, {117, 120}},
                       {{}, {"hk0: h + k = 2n"}, {56}},
                       {{}, {"hhl: h = 2n"}, {228}},
                       {{"h0l: h + l = 2n"}, {"h0l: l = 2n"}, {49, 54}},
                       {{"0kl: k + l = 2n"}, {"hk0: h = 2n"}, {53}},
                       {{"h0l: h = 2n"}, {"hk0: h = 2n"}, {88}},
                       {{"h00: h = 2n", "0k0: k = 2n"}, {"0kl: l = 2n"}, {116}},
                       {{"h0l: h = 2n", "0kl: k = 2n"}, {"0kl: k + l = 2n"}, {118}},
                       {{"h0l: h = 2n", "0kl: k = 2n"}, {"0kl: l = 2n"}, {132}},
                       {{"hhl: h = 2n"}, {"0kl: k = 2n"}, {230}}};
    std::map<int, std::pair<Texts, Texts>> expected;
    for (const auto& d : differences)
        for (int n : d.numbers) expected[n] = {d.removes_allowed, d.not_applied};
    for (int n = -1; n <= 232; ++n) {
        const LegacyDifference d = legacy_difference(n);
        std::pair<Texts, Texts> got;
        for (const ConditionExamples& e : d.legacy_removes_allowed) got.first.push_back(e.text);
        for (const ConditionExamples& e : d.tables_not_applied) got.second.push_back(e.text);
        EXPECT_EQ(got, expected[n]) << n;
        EXPECT_EQ(difference_warning(english_catalogue, n).empty(), d.empty()) << n;
    }
}

}  // namespace
}  // namespace ped::merge
