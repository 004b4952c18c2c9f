// The two files of the map, both from the top line (y cell 500) down to the bottom (y cell 0),
// x cells 0 to 500 from left to right:
//   <output>.bmp  plain text despite its name: every value as "%6.3lf\t", a line end after
//                 each line of 501 values;
//   <output>.png  the same grid as an 8-bit grey PNG picture (501 x 501), which browsers,
//                 image viewers and the merge report open.
#pragma once

#include <string>

#include "common/outfile.hpp"
#include "map/grid.hpp"

namespace ped::map {

std::string text_map_name(const std::string& output);
std::string picture_name(const std::string& output);

void write_text_map(OutFile& out, const Grid& grid);
// The picture as the bytes of its PNG file, written by libpng with no time or text chunk (the
// same grid gives the same bytes); empty when libpng fails.
std::string picture_png(const Grid& grid);

// The byte of a grey value in the picture: rounded, and kept within 0 to 255.
unsigned char grey_byte(double grey);

}  // namespace ped::map
