// The geometry of the report page's plots, apart from their drawing: the axes (ranges and
// ticks at 1, 2 or 5 times a power of ten) and the points or bars each plot shows, from the
// run's statistics. The page draws them as SVG (merge/reports/svg_plots.hpp).
#pragma once

#include <string>
#include <vector>

#include "merge/reports/statistics.hpp"

namespace ped::merge {

struct Axis {
    double lo = 0, hi = 1;      // the range drawn, tick to tick
    std::vector<double> ticks;  // from lo to hi, evenly spaced
};

// An axis that holds every finite value of [lo, hi] with about five ticks; a single value gets
// a range around it, no finite value the range 0 to 1.
Axis nice_axis(double lo, double hi);

struct PlotPoint {
    double x, y;
};

// A line through points in ascending x.
struct LinePlot {
    Axis x, y;
    std::vector<PlotPoint> points;
};

// The points (x, y) with both finite, on axes that hold them; with `from_zero` the y axis
// also holds 0.
LinePlot line_plot(const std::vector<PlotPoint>& points, bool from_zero);

// What a shell plot shows (the completeness in percent), against the middle of the shell in g
// (1/angstrom).
enum class ShellValue { cc_half, i_over_sigma, r_meas, completeness };

// One point per shell whose value is a number.
LinePlot shell_plot(const ShellTable& table, ShellValue value);

struct Bar {
    std::string label;
    double value, error;  // error: the standard uncertainty, not a number when there is none
};

// Bars from 0, each with its error bar, on an axis that holds 0 and every bar with its error.
struct BarChart {
    Axis y;
    std::vector<Bar> bars;
};

BarChart bar_chart(std::vector<Bar> bars);

}  // namespace ped::merge
