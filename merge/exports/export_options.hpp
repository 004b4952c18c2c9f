// What the options that export the merged data for structure solution need: --shelx (SHELX
// HKLF 4 files and, with a cell, an instruction file), --cif (two CIF blocks), --kv (the voltage
// when the Lorentz correction does not give it) and --composition (the cell content for SFAC
// and UNIT).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "merge/pipeline/merge_options.hpp"
#include "merge/pipeline/prepare.hpp"
#include "merge/pipeline/session.hpp"

namespace ped::merge {

inline constexpr const char* kShelxHkl = "_shelx.hkl";
inline constexpr const char* kShelxMerged = "_shelx_merged.hkl";
inline constexpr const char* kShelxIns = "_shelx.ins";
inline constexpr const char* kCif = "_hkl.cif";

// The accelerating voltages of microscopes, in kV: the wavelength of the exported files is
// taken from no other (the Lorentz correction itself takes any voltage).
inline constexpr double kLowestKv = 1, kHighestKv = 1e4;
inline bool microscope_voltage(double kv) {
    return kv >= kLowestKv && kv <= kHighestKv;
}

// "Ca4 Ti4 O12", "CaTiO3", "C2.5 H4": element symbols, each with its number (1 when left out,
// above 0), blanks between them optional; an element named twice counts once with the sum, in
// the order of its first place. False, with the word that does not read, for anything else.
bool parse_composition(const std::string& text, std::vector<ElementCount>& elements,
                       std::string& bad);

// The suffixes of the output base name the options add (the .ins only with a cell).
std::vector<std::string> export_suffixes(const MergeOptions& o);

// The electron wavelength (angstrom) the CIF and the .ins need, from the voltage of the Lorentz
// correction or else --kv; none when no file needs it. Called once the run's parameters are
// known and before any zone is prepared: a file that needs it without a voltage, or with a
// Lorentz voltage outside 1 to 10000 kV, is fatal.
std::optional<double> export_wavelength(const Session& s, const MergeOptions& o,
                                        const PrepareOptions& p);

}  // namespace ped::merge
