// The exported files against readers of their own: SHELX reflection files read column by column,
// the CIF of the README example through gemmi's CIF parser, the SHELX cards of every setting of
// gemmi's table rebuilt into its group; the composition, the voltage and its wavelength, CIF
// quoting.
#include <gtest/gtest.h>

#include <gemmi/cif.hpp>
#include <gemmi/numb.hpp>
#include <gemmi/symmetry.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "common/text.hpp"
#include "harness.hpp"
#include "merge/exports/cell_content.hpp"
#include "merge/exports/cif_file.hpp"
#include "merge/exports/export_options.hpp"
#include "merge/exports/shelx_files.hpp"
#include "merge/options.hpp"

namespace ped::merge {
namespace {

const std::string kDemo = SOURCE_DIR "/tests/cases/TAV3eng/export_readme_example/expected/files/";

// The records of one of the tool's own files, "h k l I sigI g" a line.
std::vector<Reflection> read_records(const std::string& path) {
    std::vector<Reflection> records;
    for (const std::string& line : test::lines_of(test::read_file(path))) {
        Reflection r;
        std::istringstream(line) >> r.h >> r.k >> r.l >> r.i >> r.sig >> r.g;
        records.push_back(r);
    }
    return records;
}

// A SHELX file holds `want` (times 10^exponent, to the 0.01 it keeps), each with its batch,
// read by the columns of FORMAT(3I4,2F8.2,I4): 1-4, 5-8, 9-12, 13-20, 21-28 and 29-32.
// `more` lines may follow them before the end; every field keeps a blank before it. `slack`
// widens the tolerance of sigma for values worked out from rounded ones.
void expect_hklf4(const std::string& text, const std::vector<Reflection>& want,
                  const std::vector<int>* batches, int exponent, size_t more = 0,
                  double slack = 0) {
    const std::vector<std::string> lines = test::lines_of(text);
    ASSERT_EQ(lines.size(), want.size() + more + 1);
    for (const std::string& line : lines)
        for (size_t column : {12, 20}) EXPECT_EQ(line.at(column), ' ') << line;
    const double factor = std::pow(10.0, exponent), tolerance = 0.005 * factor * 1.0001;
    for (size_t n = 0; n < want.size(); ++n) {
        ASSERT_EQ(lines[n].size(), batches ? 32u : 28u) << lines[n];
        const auto at = [&](size_t from, size_t width) {
            return std::stod(lines[n].substr(from, width));
        };
        const Reflection& r = want[n];
        EXPECT_EQ(
            (std::vector<double>{at(0, 4), at(4, 4), at(8, 4), batches ? at(28, 4) : 0}),
            (std::vector<double>{1.0 * r.h, 1.0 * r.k, 1.0 * r.l, batches ? (*batches)[n] : 0.0}));
        EXPECT_NEAR(at(12, 8) * factor, r.i, tolerance) << lines[n];
        EXPECT_NEAR(at(20, 8) * factor, r.sig, tolerance + slack) << lines[n];
    }
    EXPECT_EQ(lines.back(),
              batches ? "   0   0   0    0.00    0.00   0" : "   0   0   0    0.00    0.00");
}

TEST(ShelxHkl, ReadByColumnsGivesTheRecordsTimesTheOneFactorOfTheFile) {
    const struct {
        std::vector<Reflection> records;
        int exponent;
    } cases[] = {
        // Every I and sigma within 7 characters, a blank before each: 9999.99 and -999.99.
        {{{1, 2, 3, 9999.99, 1, 0}, {-4, 0, 7, -999.994, 0.004, 0}}, 0},
        {{{1, 2, 3, 9999.995, 1, 0}, {-4, 0, 7, 12.34, 0.5, 0}}, 1},
        {{{1, 2, 3, 10234.56, 1, 0}}, 1},
        {{{1, 2, 3, 5, 1, 0}, {-999, 9999, -9, -999.995, 0.5, 0}}, 1},
        {{{1, 2, 3, 99999.98, 1, 0}, {-4, 0, 7, -9999.98, 0.004, 0}}, 2},
        {{{1, 2, 3, 1234567.891, 3, 0}, {2, 2, 2, 5, 2e6, 0}}, 3},
        {{{1, 0, 0, 1e30, 1e28, 0}}, 27},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shelx_exponent({&c.records}), c.exponent) << c.records[0].i;
        std::vector<int> batches;
        for (size_t n = 0; n < c.records.size(); ++n) batches.push_back(static_cast<int>(n) + 1);
        std::vector<Reflection> left_out;
        expect_hklf4(hklf4(c.records, &batches, c.exponent, left_out), c.records, &batches,
                     c.exponent);
        EXPECT_TRUE(left_out.empty());
    }
    // What the columns cannot hold is left out, never written wider.
    const std::vector<Reflection> wide = {{0, 0, 0, 5, 1, 0},
                                          {-1000, 1, 1, 5, 1, 0},
                                          {1, 10000, 1, 5, 1, 0},
                                          {1, 1, 1, 5, 1, 0},
                                          {2, 1, 1, 1e6, 1, 0}};
    const std::vector<int> batches = {1, 1, 1, 10000, 1};
    std::vector<Reflection> left_out;
    EXPECT_EQ(hklf4(wide, &batches, 0, left_out), "   0   0   0    0.00    0.00   0\n");
    EXPECT_EQ(left_out.size(), wide.size());
}

// The zone (from 1) of each record of the README export example's <out>.hkl.
std::vector<int> demo_zones() {
    std::vector<int> zones;
    const char* prepared[] = {"zap001.hkl", "zap100.hkl", "zap010.hkl"};  // in.txt's order
    for (int z = 0; z < 3; ++z)
        zones.resize(zones.size() + read_records(kDemo + prepared[z]).size(), z + 1);
    return zones;
}

// The files of the README export example, as its stored case pins them.
const size_t kDemoAbsences = 10;  // the forbidden records its preparation keeps

// demofin.hkl's reflections with the sigma of their mean: the groups of demo.hkl's records
// equivalent in m m m (Pnma's Laue class: the signs of the indices).
std::vector<Reflection> merged_with_sigma_of_mean() {
    std::map<std::array<int, 3>, std::pair<double, int>> groups;  // sum of sigma^2, count
    for (const Reflection& r : read_records(kDemo + "demo.hkl")) {
        auto& g = groups[{std::abs(r.h), std::abs(r.k), std::abs(r.l)}];
        g.first += r.sig * r.sig;
        ++g.second;
    }
    std::vector<Reflection> merged = read_records(kDemo + "demofin.hkl");
    for (Reflection& r : merged) {
        const auto& g = groups.at({std::abs(r.h), std::abs(r.k), std::abs(r.l)});
        r.sig = std::sqrt(g.first) / g.second;
    }
    return merged;
}

TEST(ExportedDemo, ShelxFilesHoldTheScaledRecordsTheAbsencesAndTheSigmaOfTheMean) {
    const std::vector<int> zones = demo_zones();
    expect_hklf4(test::read_file(kDemo + "demo_shelx.hkl"), read_records(kDemo + "demo.hkl"),
                 &zones, 0, kDemoAbsences);
    // demo.hkl's sigmas, to 0.01, give the sigma of a mean to 0.005 at most.
    expect_hklf4(test::read_file(kDemo + "demo_shelx_merged.hkl"), merged_with_sigma_of_mean(),
                 nullptr, 0, 0, 0.005);
}

using OpKey = std::array<int, 12>;

OpKey key_of(const gemmi::Op& op, const gemmi::Op::Tran& shift = {0, 0, 0}) {
    OpKey k{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) k[3 * i + j] = op.rot[i][j];
        k[9 + i] = ((op.tran[i] + shift[i]) % gemmi::Op::DEN + gemmi::Op::DEN) % gemmi::Op::DEN;
    }
    return k;
}

std::set<OpKey> group_of(const gemmi::GroupOps& ops) {
    std::set<OpKey> keys;
    for (const gemmi::Op& op : ops.all_ops_sorted()) keys.insert(key_of(op));
    return keys;
}

// The group SHELX builds from LATT and the SYMM cards; `count` its operations with repeats.
std::set<OpKey> shelx_group(int latt, const std::vector<std::string>& symm, size_t& count) {
    std::vector<gemmi::Op> ops{gemmi::Op::identity()};
    for (const std::string& card : symm) ops.push_back(gemmi::parse_triplet(card));
    if (latt > 0)
        for (size_t n = ops.size(), i = 0; i < n; ++i)
            ops.push_back(
                {ops[i].negated_rot(), {-ops[i].tran[0], -ops[i].tran[1], -ops[i].tran[2]}});
    std::set<OpKey> keys;
    count = 0;
    for (const gemmi::Op::Tran& c : gemmi::centring_vectors("PIRFABC"[std::abs(latt) - 1]))
        for (const gemmi::Op& op : ops) {
            keys.insert(key_of(op, c));
            ++count;
        }
    return keys;
}

SpaceGroupSetting setting_of(const gemmi::GroupOps& ops) {
    return {"", "", 0, ops};
}

TEST(ShelxCards, RebuildEverySettingOfGemmisTableOnce) {
    std::vector<gemmi::GroupOps> groups;
    for (const gemmi::SpaceGroup& sg : gemmi::spacegroup_tables::main)
        groups.push_back(sg.operations());
    // A centring SHELX has no type for (H, hexagonal axes), with and without the inversion.
    gemmi::GroupOps h;
    h.sym_ops = {gemmi::Op::identity()};
    h.cen_ops = gemmi::centring_vectors('H');
    groups.push_back(h);
    h.sym_ops.push_back({h.sym_ops[0].negated_rot(), {0, 0, 0}});
    groups.push_back(h);
    for (const gemmi::GroupOps& ops : groups) {
        const SpaceGroupSetting g = setting_of(ops);
        const std::set<OpKey> want = group_of(ops);
        const ShelxSymmetry cards = shelx_symmetry(g);
        size_t count = 0;
        EXPECT_EQ(shelx_group(cards.latt, cards.symm, count), want) << ops.sym_ops.size();
        EXPECT_EQ(count, want.size()) << "a card too many";
    }
    const struct {
        const char* name;
        int latt;
    } lattices[] = {{"P n m a", 1},      {"P 21 21 21", -1}, {"P n n n:1", -1}, {"F d -3 m:1", -4},
                    {"F m -3 m", 4},     {"R -3 c:H", 3},    {"R -3 c:R", 1},   {"C 1 2/c 1", 7},
                    {"I 41/a m d:2", 2}, {"A b a 2", -5}};
    for (const auto& l : lattices)
        EXPECT_EQ(
            shelx_symmetry(setting_of(gemmi::find_spacegroup_by_name(l.name)->operations())).latt,
            l.latt)
            << l.name;
}

// Every name the CIF writes, as the core dictionary (cif_core.dic 2.4, DDL1) spells its entry,
// each looked up there by hand; CIF names compare without case.
const char* const kCoreNames =
    "_diffrn_radiation_probe _diffrn_radiation_type _diffrn_radiation_wavelength "
    "_diffrn_measurement_method _space_group_IT_number _space_group_name_H-M_alt "
    "_space_group_name_Hall _space_group_symop_id _space_group_symop_operation_xyz "
    "_cell_length_a _cell_length_b _cell_length_c _cell_angle_alpha _cell_angle_beta "
    "_cell_angle_gamma _cell_formula_units_Z _chemical_formula_sum _diffrn_reflns_number "
    "_diffrn_reflns_av_R_equivalents _diffrn_reflns_av_unetI/netI _diffrn_reflns_limit_h_min "
    "_diffrn_reflns_limit_h_max _diffrn_reflns_limit_k_min _diffrn_reflns_limit_k_max "
    "_diffrn_reflns_limit_l_min _diffrn_reflns_limit_l_max _diffrn_reflns_theta_min "
    "_diffrn_reflns_theta_max _diffrn_measured_fraction_theta_max _diffrn_scale_group_code "
    "_diffrn_scale_group_I_net _diffrn_refln_index_h _diffrn_refln_index_k "
    "_diffrn_refln_index_l _diffrn_refln_intensity_net _diffrn_refln_intensity_sigma "
    "_diffrn_refln_scale_group_code _reflns_number_total _refln_index_h _refln_index_k "
    "_refln_index_l _refln_F_squared_meas _refln_F_squared_sigma";

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The rows of a loop as numbers.
std::vector<std::vector<double>> rows_of(gemmi::cif::Table table) {
    std::vector<std::vector<double>> rows;
    for (size_t row = 0; row < table.length(); ++row) {
        rows.emplace_back();
        for (const std::string& v : table[row]) rows.back().push_back(gemmi::cif::as_number(v));
    }
    return rows;
}

TEST(ExportedDemo, CifReadsBackWithGemmiAsTwoCompleteBlocksOfCoreNames) {
    gemmi::cif::Document doc = gemmi::cif::read_file(kDemo + "demo_hkl.cif");
    ASSERT_EQ(doc.blocks.size(), 2u);
    EXPECT_EQ(doc.blocks[0].name, "demo_unmerged");
    EXPECT_EQ(doc.blocks[1].name, "demo_merged");
    const std::pair<const char*, const char*> items[] = {
        {"_diffrn_radiation_type", "electron"},  {"_diffrn_radiation_wavelength", "0.025079"},
        {"_space_group_IT_number", "62"},        {"_space_group_name_H-M_alt", "P n m a"},
        {"_space_group_name_Hall", "-P 2ac 2n"}, {"_cell_length_b", "7.6373"},
        {"_chemical_formula_sum", "Ca4 O12 Ti4"}};
    std::set<std::string> core;
    for (const std::string& name : split_ws(kCoreNames)) core.insert(lower(name));
    for (gemmi::cif::Block& block : doc.blocks) {
        for (const auto& [tag, value] : items)
            EXPECT_EQ(gemmi::cif::as_string(*block.find_value(tag)), value) << tag;
        std::set<OpKey> ops;
        for (const std::string& t : block.find_values("_space_group_symop_operation_xyz"))
            ops.insert(key_of(gemmi::parse_triplet(t)));
        EXPECT_EQ(ops, group_of(gemmi::find_spacegroup_by_name("P n m a")->operations()));
        for (const gemmi::cif::Item& item : block.items) {
            std::vector<std::string> tags;
            if (item.type == gemmi::cif::ItemType::Pair) tags = {item.pair[0]};
            if (item.type == gemmi::cif::ItemType::Loop) tags = item.loop.tags;
            for (const std::string& tag : tags) EXPECT_TRUE(core.count(lower(tag))) << tag;
        }
    }
    // Every record of demo.hkl with its zone, then the absences; demofin.hkl's reflections
    // with the sigma of their mean.
    const gemmi::cif::Block& unmerged = doc.blocks[0];
    const std::vector<std::vector<double>> observations = rows_of(doc.blocks[0].find(
        "_diffrn_refln_",
        {"index_h", "index_k", "index_l", "intensity_net", "intensity_sigma", "scale_group_code"}));
    const std::vector<Reflection> records = read_records(kDemo + "demo.hkl");
    const std::vector<int> zones = demo_zones();
    ASSERT_EQ(observations.size(), records.size() + kDemoAbsences);
    EXPECT_EQ(gemmi::cif::as_int(*unmerged.find_value("_diffrn_reflns_number")),
              static_cast<int>(observations.size()));
    for (size_t row = 0; row < records.size(); ++row) {
        const Reflection& r = records[row];
        EXPECT_EQ(observations[row], (std::vector<double>{1.0 * r.h, 1.0 * r.k, 1.0 * r.l, r.i,
                                                          r.sig, 1.0 * zones[row]}))
            << row;
    }
    const std::vector<std::vector<double>> merged = rows_of(doc.blocks[1].find(
        "_refln_", {"index_h", "index_k", "index_l", "F_squared_meas", "F_squared_sigma"}));
    const std::vector<Reflection> want = merged_with_sigma_of_mean();
    ASSERT_EQ(merged.size(), want.size());
    for (size_t row = 0; row < want.size(); ++row) {
        EXPECT_EQ(merged[row][3], want[row].i) << row;
        EXPECT_NEAR(merged[row][4], want[row].sig, 0.01) << row;
    }
}

// An .ins as SHELX reads it: no line beyond 80 characters; a line that ends in " =" goes on on
// the next, which begins with blanks.
std::string joined(const std::string& ins) {
    for (const std::string& line : test::lines_of(ins)) EXPECT_LE(line.size(), 80u) << line;
    return std::regex_replace(ins, std::regex(" =\n +"), " ");
}

TEST(ShelxIns, LongCardsGoOnOnContinuationLinesAndLoseNothing) {
    InsContent c;
    c.title = std::string(90, 't') + " in P n m a";
    c.wavelength = 0.025079;
    c.cell = {123456789.5, 123456789.5, 123456789.5, 90, 90, 90};
    c.symmetry.latt = 1;
    std::string unit = "\nUNIT", sfac = "\nSFAC";
    for (const char* el : {"Ca", "Ti", "O", "Sr", "Ba", "La", "Nd", "Fe", "Mn", "Co", "Ni"}) {
        c.composition.push_back({el, 1234.5678});
        sfac += std::string(" ") + el;
        unit += " 1234.5678";
    }
    c.zones = {"za", std::string(200, 'z')};
    std::string too_long;
    const std::string ins = shelx_ins(c, too_long), cards = joined(ins);
    EXPECT_EQ(too_long, "");
    EXPECT_EQ(cards.rfind("TITL " + std::string(36, 't') + "..." + std::string(25, 't') +
                              " in P n m a\nCELL 0.025079 123456789.5000 123456789.5000 "
                              "123456789.5000 90.0000 90.0000 90.0000\n",
                          0),
              0u);
    EXPECT_NE(cards.find(sfac + unit + "\n"), std::string::npos);
    const size_t from = ins.find("REM batch 2: z"), to = ins.find("REM Electron");
    ASSERT_LT(from, to);
    EXPECT_EQ(std::count(ins.begin() + from, ins.begin() + to, 'z'), 200);
    // A number too long for a line of its own: no file.
    c.cell.a = 1e80;
    EXPECT_EQ(shelx_ins(c, too_long), "");
    EXPECT_EQ(too_long, strprintf("%.4f", 1e80));
}

TEST(Composition, VolumePerAtomAndTheMultiplesThatFillTheCell) {
    // 223.6 cubic angstrom (5.44 x 7.64 x 5.38): CaTiO3 leaves 44.7 per atom, Z = 2 to 7 give 6
    // to 40; Ca4 Ti4 O12 11.2; 40 formula units 1.1, and no whole multiple helps.
    const struct {
        double atoms, per_atom, z_min, z_max;
    } cases[] = {{5, 44.72, 2, 7}, {20, 11.18, 1, 1}, {200, 1.118, 1, 0}};
    for (const auto& c : cases) {
        const CellContent got = cell_content({5.44, 7.64, 5.38, 90, 90, 90}, {{"O", c.atoms}});
        EXPECT_NEAR(got.volume_per_atom, c.per_atom, 0.005) << c.atoms;
        EXPECT_EQ(got.z_min, c.z_min) << c.atoms;
        EXPECT_EQ(got.z_max, c.z_max) << c.atoms;
    }
}

TEST(Cif, NoLineBeyond2048Characters) {
    CifContent c;
    c.block = cif_block_name(std::string(3000, 'b'));
    const UnitCell cell{1e300, 1e300, 1e300, 90, 90, 90};
    c.cell = &cell;
    c.cell_su = {1e299, 0, 0, 0, 0, 0};
    c.wavelength = 0.025;
    c.groups = {{std::string(1000, 'a') + std::string(3000, 'z') + "end", 1e300, 1e300, {}}};
    c.observations = c.merged = {{-999, -999, -999, -1.7e308, 1.7e308, 1e300}};
    c.zone_of = {0};
    const std::string cif = hkl_cif(c);
    for (const std::string& line : test::lines_of(cif)) EXPECT_LE(line.size(), 2048u);
    EXPECT_NE(cif.find("#   1: aaaa"), std::string::npos);
    EXPECT_NE(cif.find("zzz...zzz"), std::string::npos);
    EXPECT_NE(cif.find("zzzend\n"), std::string::npos);
    EXPECT_EQ(gemmi::cif::read_string(cif).blocks[1].find_values("_refln_index_h").length(), 1);
}

TEST(Cif, ValuesReadBackAsWritten) {
    for (const std::string text : {"electron", "P n m a", "P 3 2\"", "it's", "a' b", "a' \"b\" c",
                                   "_x", "data_x", "?", "", "#1", "x\ny"}) {
        const gemmi::cif::Document doc =
            gemmi::cif::read_string("data_t\n_v " + cif_value(text) + "\n");
        EXPECT_EQ(gemmi::cif::as_string(*doc.blocks[0].find_value("_v")), text) << cif_value(text);
    }
    EXPECT_EQ(cif_block_name("runs/PED 1"), "PED_1");
    EXPECT_EQ(cif_block_name("dir/"), "merged");
}

TEST(Composition, ElementsWithTheirNumbers) {
    const struct {
        const char* text;
        std::vector<std::pair<std::string, double>> want;  // empty: refused
        const char* bad;
    } cases[] = {{"Ca4 Ti4 O12", {{"Ca", 4}, {"Ti", 4}, {"O", 12}}, ""},
                 {"CaTiO3", {{"Ca", 1}, {"Ti", 1}, {"O", 3}}, ""},
                 {" C2.5H4 C ", {{"C", 3.5}, {"H", 4}}, ""},
                 {"Co2 CO", {{"Co", 2}, {"C", 1}, {"O", 1}}, ""},
                 {"ca4", {}, "ca4"},
                 {"Ca4 Xx2", {}, "Xx2"},
                 {"Ca0", {}, "Ca0"},
                 {"Ca4 X", {}, "X"},
                 {"Ca-1", {}, "-1"},
                 {"  ", {}, "  "}};
    for (const auto& c : cases) {
        std::vector<ElementCount> got;
        std::string bad;
        EXPECT_EQ(parse_composition(c.text, got, bad), !c.want.empty()) << c.text;
        std::vector<std::pair<std::string, double>> pairs;
        for (const ElementCount& e : got) pairs.push_back({e.symbol, e.count});
        if (c.want.empty()) {
            EXPECT_EQ(bad, c.bad) << c.text;
        } else {
            EXPECT_EQ(pairs, c.want) << c.text;
        }
    }
}

TEST(ExportVoltage, LorentzVoltageFirstThenKvAndFatalWithoutEither) {
    // The voltage of the Lorentz correction and --kv (0: none) give the wavelength (angstrom,
    // relativistic: 0.0250793 at 200 kV, 0.0196875 at 300, 0.0011810 at 10000); 0: fatal, -1:
    // no file needs one. `unused`: --kv (and --composition) are said to be unused. A Lorentz
    // voltage outside 1 to 10000 kV gives no wavelength, even with --kv.
    const double k200 = 0.0250793, k300 = 0.0196875;
    const struct {
        bool cif, shelx, cell;
        double lorentz, kv, want;
        bool unused;
    } cases[] = {{true, false, false, 200, 0, k200, false},
                 {true, false, false, 200, 300, k200, true},
                 {false, true, true, 0, 300, k300, false},
                 {false, true, false, 0, 0, -1, false},
                 {true, false, false, 0, 0, 0, false},
                 {false, true, true, 0, 0, 0, false},
                 {false, true, false, 0, 300, -1, true},
                 {false, false, false, 200, 300, -1, true},
                 {true, false, false, 1e-300, 0, 0, false},
                 {false, true, true, 20000, 300, 0, false},
                 {true, false, false, 10000, 0, 0.0011810, false},
                 {false, false, false, 0.5, 0, -1, false}};
    for (const auto& c : cases) {
        test::FakeTerminal t;
        MergeOptions o;
        o.cif = c.cif;
        o.shelx = c.shelx;
        if (c.kv) o.kv = TypedNumber{c.kv, "3e2"};  // said as given
        if (c.cell) o.cell = UnitCell{5, 5, 5, 90, 90, 90};
        o.composition = {{"O", 2}};
        PrepareOptions p;
        p.lorentz = c.lorentz > 0;
        p.voltage = c.lorentz;
        double got = -1;
        const Session s{t.term(), english_catalogue};
        try {
            say_unused_export_options(s, o);
            if (auto w = export_wavelength(s, o, p)) got = *w;
        } catch (const Fatal&) {
            got = 0;
        }
        EXPECT_NEAR(got, c.want, 1e-7) << c.lorentz << c.kv;
        EXPECT_EQ(t.diag().find("--kv=3e2 is not used") != std::string::npos, c.unused)
            << c.lorentz << c.kv;
        EXPECT_EQ(t.diag().find("--composition is not used") != std::string::npos,
                  !(c.shelx && c.cell));
    }
}

}  // namespace
}  // namespace ped::merge
