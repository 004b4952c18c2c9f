#include "map/row_angles.hpp"

#include <cmath>

#include "common/constants.hpp"

namespace ped::map {

double row_angle(const Row& row, const Row& reference) {
    const double c = pi / 180;
    const double ca = std::cos(c * row.tilt1 - c * reference.tilt1);
    const double cb = std::cos(c * row.tilt2 - c * reference.tilt2);
    const double angle = std::acos(cb * ca);
    return row.tilt1 < reference.tilt1 ? -angle : angle;
}

std::vector<double> row_angles(const std::vector<Row>& rows, int reference) {
    std::vector<double> angles;
    angles.reserve(rows.size());
    for (const Row& row : rows) angles.push_back(row_angle(row, rows[reference]));
    return angles;
}

double degrees(double radians) {
    return 180 / pi * radians;
}

}  // namespace ped::map
