// The two files of the map, both from the top line (y cell 500) down to the bottom (y cell 0),
// x cells 0 to 500 from left to right:
//   <output>.bmp  plain text despite its name: every value as "%6.3lf\t", a line end after
//                 each line of 501 values;
//   <output>.pgm  the same grid as a binary portable graymap (P5, 501 x 501, maxval 255) that
//                 any image viewer shows.
#pragma once

#include <string>

#include "common/outfile.hpp"
#include "map/grid.hpp"

namespace ped::map {

std::string text_map_name(const std::string& output);
std::string picture_name(const std::string& output);

void write_text_map(OutFile& out, const Grid& grid);
void write_picture(OutFile& out, const Grid& grid);

// The byte of a grey value in the picture: rounded, and kept within 0 to 255.
unsigned char grey_byte(double grey);

}  // namespace ped::map
