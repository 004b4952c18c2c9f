#include "map/map_files.hpp"

#include <cmath>

#include "common/text.hpp"

namespace ped::map {

std::string text_map_name(const std::string& output) {
    return output + ".bmp";
}

std::string picture_name(const std::string& output) {
    return output + ".pgm";
}

void write_text_map(OutFile& out, const Grid& grid) {
    // "%6.3lf\t" for every cell.
    std::string line;
    for (int y = kLastCell; y >= 0; --y) {
        line.clear();
        for (int x = 0; x <= kLastCell; ++x) {
            put_fixed(line, grid.at(x, y), 6, 3);
            line += '\t';
        }
        line += '\n';
        out.write(line);
    }
}

unsigned char grey_byte(double grey) {
    if (!(grey > 0)) return 0;
    if (grey >= 255) return 255;
    return static_cast<unsigned char>(std::lround(grey));
}

void write_picture(OutFile& out, const Grid& grid) {
    out.write(strprintf("P5\n%d %d\n255\n", kGridSize, kGridSize));
    std::string row(kGridSize, '\0');
    for (int y = kLastCell; y >= 0; --y) {
        for (int x = 0; x <= kLastCell; ++x)
            row[static_cast<size_t>(x)] = static_cast<char>(grey_byte(grid.at(x, y)));
        out.write(row);
    }
}

}  // namespace ped::map
