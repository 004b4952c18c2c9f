// The merged data as one CIF data block (<out>_hkl.cif), for the programs of structure solution
// that read CIF: radiation and wavelength, space group with its operations, cell, the scaled
// observations with their zone as scale group, and the merged reflections.
#pragma once

#include <string>
#include <vector>

#include "common/reflection.hpp"
#include "common/unit_cell.hpp"
#include "merge/symmetry/space_group.hpp"

namespace ped::merge {

struct CifHeader {
    std::string block;                         // the data block's name, without "data_"
    double wavelength = 0;                     // angstrom
    const SpaceGroupSetting* group = nullptr;  // none: number and name '?', no operations
    const UnitCell* cell = nullptr;            // none: no cell items
    std::vector<std::string> zones;            // scale group n is the zone zones[n - 1]
    std::vector<std::string> remarks;          // comment lines
};

// The block: `observations` with the zone (from 0) of each in `zone_of`, `merged` in order;
// intensities and sigmas with 2 decimals as the tool's own files give them. No line exceeds
// CIF's 2048 characters: a zone name longer than a comment line holds is shortened in its
// middle ("..."); the block name, symbols and numbers are shorter by their making.
std::string hkl_cif(const CifHeader& h, const std::vector<Reflection>& observations,
                    const std::vector<int>& zone_of, const std::vector<Reflection>& merged);

// A value as CIF 1.1 writes it: bare when it can be, else between quotes, else a text field.
// (gemmi's cif::quote would do, but gemmi 0.5.7's cifdoc.hpp does not compile with clang 14 in
// C++20, which the fuzz build uses: Block's constructor destroys a vector of the still
// incomplete Item.)
std::string cif_value(const std::string& text);

// A data block name from an output base name: its last path component, characters other than
// letters, digits, '_', '-' and '.' made '_', at most 70 characters.
std::string cif_block_name(const std::string& base);

}  // namespace ped::merge
