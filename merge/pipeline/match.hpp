// Which records of two zones are one reflection when the zones are compared (--match): the
// same indices (hkl, the default), the same indices up to the sign of all three (friedel), or
// symmetry equivalents under the run's Laue class (laue).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/command_line.hpp"
#include "merge/pipeline/prepared_file.hpp"
#include "merge/pipeline/run_symmetry.hpp"
#include "merge/pipeline/session.hpp"
#include "merge/pipeline/zone_list.hpp"

namespace ped::merge {

enum class MatchMode { hkl, friedel, laue };

// The mode a --match value names, or none.
std::optional<MatchMode> match_mode_named(const std::string& word);

// The --match option; hkl when it is not given. A value that names no mode is fatal.
MatchMode take_match_mode(const Session& s, const CommandLine& cl);

// The key under which records are one reflection: none for hkl (the indices themselves), the
// larger of (h, k, l) and (-h, -k, -l) for friedel, the Laue-class representative for laue.
// For laue without a Laue class (a space-group number the tool does not know) the key is
// none, and a warning says so.
MatchKey match_key(const Session& s, MatchMode mode, const RunSymmetry& symmetry);

// A warning for each zone whose records are not all distinct reflections under the key: the
// comparisons use the first record of each reflection and set the others aside.
void note_set_aside(const Session& s, PreparedFiles& files, const std::vector<Zone>& zones);

}  // namespace ped::merge
