// The merged data as CIF (<out>_hkl.cif), for the programs of structure solution and the
// reflection readers that read CIF: two data blocks, each complete with radiation, wavelength,
// space group with its operations, cell and content, so that each reads on its own:
// <name>_unmerged, the scaled observations (the systematic absences included) with their zone
// as scale group, the zones' factors and the agreement of equivalents; and <name>_merged, the
// merged reflections. Only names of the core CIF dictionary are written.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/reflection.hpp"
#include "common/unit_cell.hpp"
#include "merge/pipeline/factor_uncertainty.hpp"
#include "merge/pipeline/merge_options.hpp"
#include "merge/symmetry/space_group.hpp"

namespace ped::merge {

// One zone as a scale group.
struct ScaleGroup {
    std::string zone;  // its name in the list file
    double linear = 1, g = 1;
    ZoneUncertainty su;  // not numbers where unknown
};

struct CifContent {
    std::string block;                         // the name the two blocks' names begin with
    double wavelength = 0;                     // angstrom
    const SpaceGroupSetting* group = nullptr;  // none: number and name '?', no operations
    const UnitCell* cell = nullptr;            // none: no cell items
    UnitCell cell_su;                          // 0: none known
    std::vector<ElementCount> composition;     // the cell content (Z = 1); none: no formula
    std::vector<std::string> remarks;          // comment lines
    std::vector<ScaleGroup> groups;            // scale group n is groups[n - 1]
    // The rows of the unmerged block: the observations, then from `absences_from` on the
    // systematic absences; the zone (from 0) of each in `zone_of`.
    std::vector<Reflection> observations;
    std::vector<int> zone_of;
    size_t absences_from = 0;
    std::vector<Reflection> merged;  // with the sigma of their mean
    double rint = 0;                 // the merge's agreement of equivalents
    // With a cell: the share of the allowed classes out to theta_max that the merge measured.
    std::optional<double> completeness;
};

// The file; intensities and sigmas with 2 decimals as the tool's own files give them. No line
// exceeds CIF's 2048 characters: a zone name longer than a comment line holds is shortened in
// its middle ("..."); the block names, symbols and numbers are shorter by their making.
std::string hkl_cif(const CifContent& c);

// A value as CIF 1.1 writes it: bare when it can be, else between quotes, else a text field.
// (gemmi's cif::quote would do, but gemmi 0.5.7's cifdoc.hpp does not compile with clang 14 in
// C++20, which the fuzz build uses: Block's constructor destroys a vector of the still
// incomplete Item.)
std::string cif_value(const std::string& text);

// A data block name from an output base name: its last path component, characters other than
// letters, digits, '_', '-' and '.' made '_', at most 60 characters (the block suffixes keep
// the names within CIF's 75).
std::string cif_block_name(const std::string& base);

// "Ca Ti O3" as _chemical_formula_sum writes a content: Hill order (C, H, then the others
// alphabetically; all alphabetically without carbon), a count of 1 left out.
std::string formula_sum(const std::vector<ElementCount>& composition);

}  // namespace ped::merge
