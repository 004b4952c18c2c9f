// Merging statistics: the numbers of a shell table and of a table of the zones, computed from
// the merged reflections and the observations of their groups of equivalents.
//
// Observations are the scaled records of <out>.hkl; a unique reflection is a merged reflection
// of <out>fin.hkl, placed by its merged g. Shells have equal volume in g between the smallest
// and the largest merged g. Values that cannot be computed are kNone (not a number); the files
// show them as "-" and null.
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "common/unit_cell.hpp"
#include "merge/pipeline/allowed_classes.hpp"
#include "merge/pipeline/run_symmetry.hpp"

namespace ped::merge {

inline constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

struct Observation {
    double i, sig;
    int zone;  // from 0
};

// A merged reflection with the observations of its group.
struct MergedGroup {
    int h, k, l;
    double i, sig, g;  // as the merged file holds them: means over the observations
    std::vector<Observation> obs;
};

struct ShellRow {
    double g_min = kNone, g_max = kNone;  // shell edges; the overall row spans all shells
    int n_obs = 0, n_unique = 0;
    double multiplicity = kNone;  // n_obs / n_unique
    // With a cell: of the reflections the space group allows with g in the shell (and inside
    // the run's g window), counted once per class of equivalents, the share that was measured.
    double completeness = kNone;
    long n_possible = 0;
    double mean_i = kNone;                 // mean of the merged intensities
    double mean_i_over_sigma = kNone;      // mean of merged I / propagated sigma (sigma above 0)
    double mean_sigma_file = kNone;        // mean of the merged file's sigma (mean of the members')
    double mean_sigma_propagated = kNone;  // mean of sqrt(sum of the members' sigma^2) / n
    // Over the unique reflections with n >= 2 observations: sum |I_j - <I>| (times sqrt(n/(n-1))
    // for Rmeas, sqrt(1/(n-1)) for Rpim) over sum I_j; CC1/2 by the sigma-tau method.
    double r_merge = kNone, r_meas = kNone, r_pim = kNone, cc_half = kNone;
};

struct ShellTable {
    ShellRow overall;
    std::vector<ShellRow> shells;  // in ascending g
};

// One row of the zone table; the run adds what the computation does not know.
struct ZoneRow {
    std::string name;
    double linear_factor = 1, g_factor = 1;
    // Their standard uncertainties (kNone for zone 1 and where the solve gives none), and the
    // reflections and zones that tie each factor to zone 1.
    double linear_sigma = kNone, g_sigma = kNone;
    int linear_ties = 0, linear_tie_zones = 0, g_ties = 0, g_tie_zones = 0;
    int records = 0;                   // the zone's observations
    double mean_i_over_sigma = kNone;  // mean of I/sigma over them (sigma above 0)
    // R of the zone against the merged values: over its observations of unique reflections
    // with n >= 2, sum |I - <I>| over sum I.
    double r_zone = kNone;
    // Per zone: the unique reflections that hold observations of both zones (for the zone
    // itself, the unique reflections it measured).
    std::vector<int> shared;
};

// The cell, the space group and the g window the completeness counts with.
struct CompletenessBasis {
    UnitCell cell;
    const RunSymmetry* symmetry;
    double gmin, gmax;  // the run's window: gmin < g < gmax
};

// The number of shells: `wanted`, or fewer so that each holds 20 unique reflections on average
// (at least one).
int shell_count(int unique, int wanted);

// Edges g_k = (lo^3 + k/n (hi^3 - lo^3))^(1/3), k = 0 .. n, the first lo and the last hi.
std::vector<double> shell_edges(double lo, double hi, int n);

// The shell of g: the last k with g >= edges[k], from 0 to n - 1.
int shell_of(double g, const std::vector<double>& edges);

// The row of a set of unique reflections (edges not set).
ShellRow shell_row(const std::vector<const MergedGroup*>& groups);

// The shell table. With a basis, the completeness is filled in (false when the cell and the g
// range hold more than kMaxClassTriples index triples to enumerate: it is then left out).
ShellTable shell_table(const std::vector<MergedGroup>& groups, int wanted_shells,
                       const CompletenessBasis* basis, bool* completeness_done = nullptr);

// The zone rows (records, mean I/sigma, R, shared), for `zones` zones.
std::vector<ZoneRow> zone_rows(const std::vector<MergedGroup>& groups, int zones);

}  // namespace ped::merge
