#include "map/grid.hpp"

namespace ped::map {

double Extent::size() const {
    return max_y - min_y > max_x ? max_y - min_y : max_x;
}

Extent extent_of(const std::vector<Point>& points) {
    Extent e;
    for (const Point& p : points) {
        if (p.x > e.max_x) e.max_x = p.x;
        if (p.y > e.max_y) e.max_y = p.y;
        if (p.y < e.min_y) e.min_y = p.y;
    }
    return e;
}

int tick_spacing(double m) {
    return static_cast<int>(10 / (m + 10) * 500 + 0.5);
}

namespace {

// trunc(s + 0.5) when that is a cell of the grid.
bool to_cell(double scaled, int& cell) {
    const double v = scaled + 0.5;
    if (!(v > -1 && v < kGridSize)) return false;
    cell = static_cast<int>(v);
    return true;
}

}  // namespace

bool cell_of(const Point& p, const Extent& e, int& cx, int& cy) {
    const double m = e.size();
    return to_cell(p.x / (m + 10) * 500, cx) && to_cell((p.y - e.min_y) / (m + 10) * 500, cy);
}

void draw_axes(Grid& grid) {
    for (int k = 0; k <= kLastCell; ++k) {
        grid.set(0, k, kAxisGrey);
        grid.set(k, 0, kAxisGrey);
    }
}

void draw_ticks(Grid& grid, int spacing) {
    if (spacing <= 0) return;
    for (int a = 0; a <= kLastCell; a += spacing)
        for (int k = 1; k <= 3; ++k) {
            grid.set(a, k, kAxisGrey);
            grid.set(k, a, kAxisGrey);
        }
}

void mark_point(Grid& grid, int cx, int cy) {
    static const int kNeighbours[12][2] = {{1, 0},  {-1, 0},  {0, 1}, {0, -1}, {1, 1}, {1, -1},
                                           {-1, 1}, {-1, -1}, {2, 0}, {-2, 0}, {0, 2}, {0, -2}};
    grid.set(cx, cy, kPointGrey);
    for (const auto& d : kNeighbours) {
        const int x = cx + d[0], y = cy + d[1];
        if ((d[0] == 0 || x > 0) && (d[1] == 0 || y > 0)) grid.set(x, y, kPointGrey);
    }
}

Grid render_map(const std::vector<Point>& points, const Extent& e) {
    Grid grid;
    draw_axes(grid);
    draw_ticks(grid, tick_spacing(e.size()));
    for (const Point& p : points) {
        int cx, cy;
        if (cell_of(p, e, cx, cy)) mark_point(grid, cx, cy);
    }
    return grid;
}

}  // namespace ped::map
