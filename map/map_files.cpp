#include "map/map_files.hpp"

#include <png.h>

#include <cmath>
#include <csetjmp>
#include <vector>

#include "common/text.hpp"

namespace ped::map {

std::string text_map_name(const std::string& output) {
    return output + ".bmp";
}

std::string picture_name(const std::string& output) {
    return output + ".png";
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

namespace {

void append_to(png_structp png, png_bytep data, size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), length);
}

void no_flush(png_structp) {}

// The grey bytes of the grid, top line first.
std::vector<png_byte> grey_rows(const Grid& grid) {
    std::vector<png_byte> bytes;
    bytes.reserve(static_cast<size_t>(kGridSize) * kGridSize);
    for (int y = kLastCell; y >= 0; --y)
        for (int x = 0; x <= kLastCell; ++x) bytes.push_back(grey_byte(grid.at(x, y)));
    return bytes;
}

// libpng's own error handling returns here through its jump buffer; nothing in this frame
// needs a destructor.
bool encode(png_structp png, png_infop info, png_bytepp rows, std::string* file) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, file, append_to, no_flush);
    png_set_IHDR(png, info, kGridSize, kGridSize, 8, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_rows(png, info, rows);
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    return true;
}

}  // namespace

std::string picture_png(const Grid& grid) {
    std::vector<png_byte> bytes = grey_rows(grid);
    std::vector<png_bytep> rows;
    for (int y = 0; y < kGridSize; ++y) rows.push_back(&bytes[static_cast<size_t>(y) * kGridSize]);
    std::string file;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    const bool done = info && encode(png, info, rows.data(), &file);
    png_destroy_write_struct(&png, &info);
    return done ? file : std::string();
}

}  // namespace ped::map
