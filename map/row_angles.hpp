// The angle of every row against the reference row, from the two tilt angles: the cosine of
// the angle is the product of the cosines of the two tilt differences. Rows whose first tilt
// is below the reference's get a negative angle; the second tilt never changes the sign.
#pragma once

#include <vector>

#include "map/tilt_file.hpp"

namespace ped::map {

// Angle of `row` against `reference`, in radians, in -pi to pi.
double row_angle(const Row& row, const Row& reference);

// The angles of all rows against rows[reference] (0-based; must be a valid index).
std::vector<double> row_angles(const std::vector<Row>& rows, int reference);

// Radians to degrees, as the tool prints and writes angles.
double degrees(double radians);

}  // namespace ped::map
