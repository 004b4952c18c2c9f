// Zone preparation (`transfor2`): one zone file becomes its prepared file, sorted by g, with
// the chosen error column, non-positive intensities treated, the Lorentz correction and the
// Friedel merge when asked, and the g window applied.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/reflection.hpp"
#include "merge/pipeline/run_symmetry.hpp"
#include "merge/pipeline/session.hpp"
#include "merge/pipeline/zone_file.hpp"

namespace ped::merge {

struct PrepareOptions {
    double gmin = 0, gmax = 100;    // only gmin < g < gmax is kept
    bool lorentz = false;           // apply the Lorentz correction
    double voltage = 0, angle = 0;  // kV and degrees, used with the Lorentz correction
    bool poisson_error = true;      // the Poisson(I) column is the error, else Sig(bg)
    bool negatives_to_one = true;   // intensities of 0 or below become 1, else are dropped
    bool friedel_merge = false;     // merge Friedel mates
    int space_group = 1;
};

// The relativistic electron wavelength (angstrom) at `voltage_kv`.
double electron_wavelength(double voltage_kv);
// R = 2 k sin(phi), k the relativistic wave number (1/angstrom) at `voltage_kv`.
double lorentz_radius(double voltage_kv, double angle_deg);
// Gjonnes factor L(g) = g sqrt(1 - (g/R)^2); not a number when g > R.
double lorentz_factor(double g, double radius);

// What became of the record lines of a zone file. Each line is in exactly one of the counts
// after `read`, so they add up to it; a record dropped for several reasons counts under the
// first of: non-positive, without Friedel mate, Lorentz limit, g window. With the Friedel
// merge, a written line stands for a group of mates: the group counts once in `kept` and its
// other members in `merged`; every record of a group that is not written counts under the
// group's reason.
struct ZoneCounts {
    int read = 0;          // lines of the zone file that are neither blank nor comments
    int skipped = 0;       // lines that are no record, or whose values do not fit their columns
    int forbidden = 0;     // removed by the reflection conditions of the space group
    int non_positive = 0;  // intensity of 0 or below, when such intensities are dropped
    int unpaired = 0;      // Friedel merge: no mate in the zone (or only a negative one)
    int lorentz = 0;       // Lorentz correction: g at or beyond R, no positive real factor
    int outside = 0;       // g not inside the window (the calibrated g with the Friedel merge)
    int merged = 0;        // Friedel merge: mates merged into a written line
    int kept = 0;          // lines of the prepared file

    int sum() const {
        return skipped + forbidden + non_positive + unpaired + lorentz + outside + merged + kept;
    }
};

// One zone after its preparation: every count, the lines of its prepared file, and the records
// each reflection condition removed (in the group's order of conditions, each record under
// the first that rejects it).
struct ZonePreparation {
    ZoneCounts counts;
    std::vector<Reflection> records;  // the lines of the prepared file, in order
    // Lines that would have been written but whose values, once corrected, do not keep a blank
    // before them in the prepared layout (keeps_separators): their records count as skipped.
    std::vector<Reflection> unfit;
    std::vector<std::vector<ZoneRecord>> removed;  // by condition
    // The records of `removed`, all conditions together, prepared as the kept ones are (the
    // same options and calibration; what the preparation drops is dropped): the systematic
    // absences the exports hold beside the observations, in no legacy file and no merge.
    std::vector<Reflection> absences;
    // Friedel merge: the median over the groups of mates of calibrated g / the file's g of the
    // group's first record (records with a file g above 0); none without such a group.
    std::optional<double> calibration_ratio;
    int pairs = 0;  // the groups that median is taken over
};

// Everything after the filter, once the calibration (reciprocal length per pixel, used only
// with the Friedel merge) is known: the counts from `non_positive` on, and `skipped` for the
// unfit lines.
ZonePreparation prepare_zone(std::vector<ZoneRecord> records, const PrepareOptions& o,
                             double length_per_pixel);

// Prepares one zone: filter, calibration question (Friedel merge), prepared file. A zone file
// that cannot be read, or a prepared file that cannot be created or written completely, is
// fatal: the later zones would be prepared without it and every count would miss it.
ZonePreparation transfor2(const Session& s, const std::string& zone, const std::string& prepared,
                          const PrepareOptions& o, const RunSymmetry& symmetry);

}  // namespace ped::merge
