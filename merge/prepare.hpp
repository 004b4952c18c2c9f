// Zone preparation (`transfor2`): one zone file becomes its prepared file, sorted by g, with
// the chosen error column, non-positive intensities treated, the Lorentz correction and the
// Friedel merge when asked, and the g window applied.
#pragma once

#include <string>
#include <vector>

#include "reflection.hpp"
#include "session.hpp"
#include "zone_file.hpp"

namespace ped {

struct PrepareOptions {
    double gmin = 0, gmax = 100;
    int lorentz = 1;                // 0: apply the Lorentz correction
    double voltage = 0, angle = 0;  // kV and degrees, used when lorentz is 0
    int error_choice = 0;           // 0: Poisson(I), otherwise Sig(bg)
    int negatives = 0;              // 0: non-positive intensities become 1
    int friedel = 1;                // 0: merge Friedel mates
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

// Prepares one zone: filter, calibration question (Friedel merge), prepared file.
// Returns -1 when the zone file cannot be read or the prepared file cannot be created (the
// run goes on without the zone), and kIncompleteWrite when the prepared file could not be
// written completely (the run cannot go on). Every failure is reported through `error`.
inline constexpr int kIncompleteWrite = -2;
int transfor2(const Session& s, const std::string& zone, const std::string& prepared,
              const PrepareOptions& o);

}  // namespace ped
