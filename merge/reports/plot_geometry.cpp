#include "merge/reports/plot_geometry.hpp"

#include <algorithm>
#include <cmath>

namespace ped::merge {

namespace {

// The tick step for a span: 1, 2 or 5 times a power of ten, giving at most about 6 intervals.
double tick_step(double span) {
    const double rough = span / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * power >= rough) return m * power;
    return 10 * power;
}

// The value of the shell row a plot shows.
double shell_value(const ShellRow& row, ShellValue value) {
    switch (value) {
        case ShellValue::cc_half:
            return row.cc_half;
        case ShellValue::i_over_sigma:
            return row.mean_i_over_sigma;
        case ShellValue::r_meas:
            return row.r_meas;
        default:
            return 100 * row.completeness;  // in percent, as the stats file shows it
    }
}

struct Range {
    double lo = INFINITY, hi = -INFINITY;
    void hold(double v) {
        if (!std::isfinite(v)) return;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
};

}  // namespace

Axis nice_axis(double lo, double hi) {
    if (!std::isfinite(lo) || !std::isfinite(hi) || lo > hi) lo = 0, hi = 1;
    if (lo == hi) {
        const double half = lo == 0 ? 1 : std::fabs(lo) / 2;
        lo -= half, hi += half;
    }
    const double step = tick_step(hi - lo);
    // Whole multiples of the step, so that the range ends exactly on its first and last tick.
    const long first = std::lround(std::floor(lo / step)), last = std::lround(std::ceil(hi / step));
    Axis a;
    for (long k = first; k <= last; ++k) a.ticks.push_back(static_cast<double>(k) * step);
    a.lo = a.ticks.front();
    a.hi = a.ticks.back();
    return a;
}

LinePlot line_plot(const std::vector<PlotPoint>& points, bool from_zero) {
    LinePlot p;
    Range x, y;
    if (from_zero) y.hold(0);
    for (const PlotPoint& q : points) {
        if (!std::isfinite(q.x) || !std::isfinite(q.y)) continue;
        p.points.push_back(q);
        x.hold(q.x);
        y.hold(q.y);
    }
    p.x = nice_axis(x.lo, x.hi);
    p.y = nice_axis(y.lo, y.hi);
    return p;
}

LinePlot shell_plot(const ShellTable& table, ShellValue value) {
    std::vector<PlotPoint> points;
    for (const ShellRow& row : table.shells)
        points.push_back({(row.g_min + row.g_max) / 2, shell_value(row, value)});
    return line_plot(points, true);
}

BarChart bar_chart(std::vector<Bar> bars) {
    Range y;
    y.hold(0);
    for (const Bar& b : bars) {
        y.hold(b.value);
        if (std::isfinite(b.error)) {
            y.hold(b.value - b.error);
            y.hold(b.value + b.error);
        }
    }
    return {nice_axis(y.lo, y.hi), std::move(bars)};
}

}  // namespace ped::merge
