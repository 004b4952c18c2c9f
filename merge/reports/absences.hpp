// The absence report <out>_absences.txt: per zone and per reflection condition of the space
// group, the records the extinction filter removed (each under the first condition that
// removed it), their mean I and mean I/sigma(I), and the five strongest. A condition whose
// removed records have a mean I/sigma(I) above 3 is flagged: multiple scattering may light a
// forbidden reflection, but a whole class of strong ones suggests another group.
#pragma once

#include <string>
#include <vector>

#include "merge/pipeline/run_symmetry.hpp"
#include "merge/pipeline/zone_file.hpp"

namespace ped::merge {

inline constexpr double kStrongAbsence = 3;  // mean I/sigma(I) above it is flagged
inline constexpr size_t kStrongestShown = 5;

struct RemovedReflection {
    int h, k, l;
    double i, i_over_sigma;  // I/sigma not a number when sigma is 0 or below
};

// What one condition removed from one zone; I and sigma(I) as the zone file holds them, sigma
// from the error column of the run.
struct AbsenceClass {
    int removed = 0;
    double mean_i, mean_i_over_sigma;          // not numbers when there is nothing to average
    std::vector<RemovedReflection> strongest;  // by I, strongest first, file order for ties
    bool flagged = false;
};

AbsenceClass absence_class(const std::vector<ZoneRecord>& removed, bool poisson_error);

// One zone of the report: its name and the records each condition removed (in the order of
// the conditions).
struct ZoneAbsences {
    std::string name;
    std::vector<std::vector<ZoneRecord>> removed;
};

std::string absences_text(const RunSymmetry& symmetry, const std::vector<ZoneAbsences>& zones,
                          bool poisson_error);

}  // namespace ped::merge
