// Which records of two zones are one reflection when the zones are compared (--match, see
// MatchMode).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "merge/pipeline/merge_options.hpp"
#include "merge/pipeline/prepared_file.hpp"
#include "merge/pipeline/run_symmetry.hpp"
#include "merge/pipeline/session.hpp"
#include "merge/pipeline/zone_list.hpp"

namespace ped::merge {

// The key under which records are one reflection: none for hkl (the indices themselves), the
// larger of (h, k, l) and (-h, -k, -l) for friedel, the Laue-class representative for laue.
// For laue without a Laue class (a space-group number the tool does not know) the key is
// none, and a warning says so.
MatchKey match_key(const Session& s, MatchMode mode, const RunSymmetry& symmetry);

// A warning for each zone whose records are not all distinct reflections under the key: the
// comparisons use the first record of each reflection and set the others aside.
void note_set_aside(const Session& s, PreparedFiles& files, const std::vector<Zone>& zones);

}  // namespace ped::merge
