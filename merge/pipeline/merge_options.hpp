// The options of a merge run, as one value: what the command line gave (merge/options.cpp
// declares each option once and reads them), and what those values mean once checked (the
// space group of --sg, the cell of --cell or --cell-file, the composition).
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/options.hpp"
#include "common/unit_cell.hpp"
#include "merge/symmetry/space_group.hpp"

namespace ped::merge {

// Which records of two zones are one reflection when the zones are compared (--match): the
// same indices (hkl, the default), the same indices up to the sign of all three (friedel), or
// symmetry equivalents under the run's Laue class (laue).
enum class MatchMode { hkl, friedel, laue };

// The names --match takes.
inline const std::vector<std::pair<const char*, MatchMode>> kMatchModes{
    {"hkl", MatchMode::hkl}, {"friedel", MatchMode::friedel}, {"laue", MatchMode::laue}};

inline const char* match_mode_name(MatchMode mode) {
    for (const auto& [name, m] : kMatchModes)
        if (m == mode) return name;
    return "";
}

// An element of the cell content and its number of atoms.
struct ElementCount {
    std::string symbol;
    double count = 0;
};

inline constexpr int kDefaultShells = 10;

struct MergeOptions {
    // As given.
    std::optional<std::string> sg;         // --sg: a symbol, a Hall symbol or a number
    bool ita = false;                      // --ita: the conditions of the Tables for a number
    bool stats = false;                    // <out>_stats.txt and <out>_stats.json
    std::optional<int> shells;             // --shells, 1 to 100
    std::optional<std::string> cell_text;  // --cell
    std::optional<std::string> cell_file;  // --cell-file
    bool absences = false;                 // <out>_absences.txt
    MatchMode match = MatchMode::hkl;
    bool shelx = false;  // <out>_shelx.hkl, <out>_shelx_merged.hkl, with a cell <out>_shelx.ins
    bool cif = false;    // <out>_hkl.cif
    std::optional<TypedNumber> kv;                // --kv, kV (1 to 10000)
    std::optional<std::string> composition_text;  // --composition
    bool html = false;                            // <out>_report.html

    // What they mean.
    std::optional<SpaceGroupSetting> setting;  // the group --sg names, in its setting
    std::optional<UnitCell> cell;              // from --cell or --cell-file
    UnitCell cell_su;  // its standard uncertainties, from a cell file that gives them; else 0
    std::vector<ElementCount> composition;  // from --composition

    int shell_count() const { return shells.value_or(kDefaultShells); }
};

}  // namespace ped::merge
