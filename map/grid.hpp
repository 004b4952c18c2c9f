// The 501 x 501 grid of grey values the map is drawn on, indexed [x cell][y cell], 0 to 500:
// background 255, axes and ticks 150, points 0. The grid covers m + 10 units in each
// direction (m the extent of the points), x = 0 at the left edge and the lowest y at the
// bottom edge.
#pragma once

#include <vector>

#include "map/point_file.hpp"

namespace ped::map {

inline constexpr int kLastCell = 500;
inline constexpr int kGridSize = kLastCell + 1;
inline constexpr double kBackground = 255;
inline constexpr double kAxisGrey = 150;
inline constexpr double kPointGrey = 0;

class Grid {
  public:
    Grid() : cells_(static_cast<size_t>(kGridSize) * kGridSize, kBackground) {}
    static bool inside(int x, int y) {
        return x >= 0 && x <= kLastCell && y >= 0 && y <= kLastCell;
    }
    double at(int x, int y) const { return cells_[index(x, y)]; }
    // Sets a cell; a cell outside the grid is left alone.
    void set(int x, int y, double grey) {
        if (inside(x, y)) cells_[index(x, y)] = grey;
    }

  private:
    static size_t index(int x, int y) { return static_cast<size_t>(x) * kGridSize + y; }
    std::vector<double> cells_;
};

// The largest x, the largest y and the smallest y of the points, each starting at 0.
struct Extent {
    double max_x = 0, max_y = 0, min_y = 0;
    // The extent m: the height max_y - min_y when it is greater than max_x, otherwise max_x.
    double size() const;
};
Extent extent_of(const std::vector<Point>& points);

// The number of cells that stand for 10 units: 0 (no ticks) when m is above 9990.
int tick_spacing(double m);

// The cell of a point. False when it lies outside the grid (left of the y axis, say).
bool cell_of(const Point& p, const Extent& e, int& cx, int& cy);

// The two axes (x cell 0 and y cell 0) and their ticks every `spacing` cells.
void draw_axes(Grid& grid);
void draw_ticks(Grid& grid, int spacing);

// A point: its own cell and the neighbours up to two cells away along x and y and one cell
// away diagonally. A neighbour reaches x cell 0 or y cell 0 only where the point itself lies.
void mark_point(Grid& grid, int cx, int cy);

// The whole map: axes, ticks, then every point that falls inside the grid.
Grid render_map(const std::vector<Point>& points, const Extent& e);

}  // namespace ped::map
