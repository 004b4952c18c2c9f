// Zone preparation (`transfor2`): one zone file becomes its prepared file, sorted by g, with
// the chosen error column, non-positive intensities treated, the Lorentz correction and the
// Friedel merge when asked, and the g window applied.
#pragma once

#include <string>
#include <vector>

#include "common/reflection.hpp"
#include "merge/run_symmetry.hpp"
#include "merge/session.hpp"
#include "merge/zone_file.hpp"

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

// R = 2 k sin(phi), k the relativistic wave number (1/angstrom) at `voltage_kv`.
double lorentz_radius(double voltage_kv, double angle_deg);
// Gjonnes factor L(g) = g sqrt(1 - (g/R)^2); not a number when g > R.
double lorentz_factor(double g, double radius);

// Everything after the filter, once the calibration (reciprocal length per pixel, used only
// with the Friedel merge) is known: the records to write, in order.
std::vector<Reflection> prepare_zone(std::vector<ZoneRecord> records, const PrepareOptions& o,
                                     double length_per_pixel);

// Prepares one zone: filter, calibration question (Friedel merge), prepared file. A zone file
// that cannot be read, or a prepared file that cannot be created, is reported through `error`
// and the run goes on without the zone; a prepared file that cannot be written completely is
// fatal.
void transfor2(const Session& s, const std::string& zone, const std::string& prepared,
               const PrepareOptions& o, const RunSymmetry& symmetry);

}  // namespace ped::merge
