// The symmetry a run is given by --sg and --ita, taken through the filter and the merge the
// tool runs, against gemmi's own absence test and orbits; and the warning the own lists give.
#include <gtest/gtest.h>

#include <gemmi/symmetry.hpp>

#include <algorithm>
#include <map>
#include <set>

#include "harness.hpp"
#include "merge/extinction.hpp"
#include "merge/symmetry_merge.hpp"
#include "merge/symmetry_options.hpp"

namespace ped::merge {
namespace {

constexpr int kBox = 6;

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

// gemmi's Laue class of (h k l): the largest of its images under the operations and their
// negatives.
Triple orbit_key(const gemmi::GroupOps& ops, int h, int k, int l) {
    Triple key{h, k, l};
    for (const gemmi::Op& op : ops.sym_ops) {
        const gemmi::Op::Miller m = op.apply_to_hkl({h, k, l});
        key = std::max({key, Triple{m[0], m[1], m[2]}, Triple{-m[0], -m[1], -m[2]}});
    }
    return key;
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
        const auto c = class_of.emplace(orbit_key(ops, r.h, r.k, r.l), int(class_of.size()));
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
        "-P 2ybc (x+x+y+y+y,x+y+y,z)|0|2/m",
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
