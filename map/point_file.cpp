#include "map/point_file.hpp"

#include <cmath>
#include <cstdio>

#include "common/records.hpp"
#include "common/text.hpp"
#include "map/row_angles.hpp"

namespace ped::map {

double window_limit(const Row& reference, int repetitions) {
    return repetitions * reference.spacing * 1.01;
}

void write_point_file(OutFile& out, const std::vector<Row>& rows, const std::vector<double>& angles,
                      int reference, int repetitions) {
    const double lim = window_limit(rows[reference], repetitions);
    const long long last = 2LL * repetitions;
    for (size_t i = 0; i < rows.size(); ++i) {
        out.printf("0\t0\n");
        const double c = std::cos(angles[i]), s = std::sin(angles[i]);
        for (long long j = 1; j <= last; ++j) {
            const double d = static_cast<double>(j) * rows[i].spacing;
            const double x = c * d, y = s * d;
            // x and y move steadily away from the origin as j grows, and the origin lies in
            // the window whenever anything does: the kept points are j = 1 up to the first
            // one left out, so that one ends the row.
            if (!(x <= lim && y <= lim && y >= -lim)) break;
            out.printf("%lf\t%lf\t\t%lf\n", x, y, degrees(angles[i]));
        }
    }
}

int read_point_file(const std::string& path, std::vector<Point>& points) {
    const auto each = [&points](const std::string& line, long) {
        const std::vector<std::string> words = split_ws(line);
        Point p;
        if (words.size() >= 2 && parse_double(words[0], p.x) && parse_double(words[1], p.y))
            points.push_back(p);
        return true;
    };
    // The run wrote this file itself: a line that is no point cannot come from it.
    return read_lines(path, each, [](long) { return true; });
}

}  // namespace ped::map
