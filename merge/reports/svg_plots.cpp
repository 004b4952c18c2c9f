#include "merge/reports/svg_plots.hpp"

#include <algorithm>
#include <cmath>

#include "common/text.hpp"

namespace ped::merge {

namespace {

// The frame of a plot, in pixels: the plot area from (left, top) to (right, bottom).
struct Frame {
    double width = 460, height = 270;
    double left = 62, right = 448, top = 30, bottom = 222;
};

double to_x(const Frame& f, const Axis& a, double v) {
    return f.left + (v - a.lo) / (a.hi - a.lo) * (f.right - f.left);
}

double to_y(const Frame& f, const Axis& a, double v) {
    return f.bottom - (v - a.lo) / (a.hi - a.lo) * (f.bottom - f.top);
}

// A number as a tick shows it: short, without trailing zeros.
std::string tick_text(double v) {
    return strprintf("%.4g", std::fabs(v) < 1e-12 ? 0.0 : v);
}

std::string open_svg(const Frame& f, const PlotTexts& t) {
    return strprintf(
               "<svg class=\"plot\" xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" "
               "height=\"%.0f\" viewBox=\"0 0 %.0f %.0f\" role=\"img\">\n",
               f.width, f.height, f.width, f.height) +
           "<title>" + html_escape(t.title + ": " + t.definition) + "</title>\n" +
           strprintf("<text class=\"head\" x=\"%.0f\" y=\"16\">", f.left) + html_escape(t.title) +
           "</text>\n";
}

// The y axis with its ticks, grid lines and label.
std::string y_axis(const Frame& f, const Axis& y, const std::string& label) {
    std::string s;
    for (double v : y.ticks) {
        const double py = to_y(f, y, v);
        s += strprintf("<line class=\"grid\" x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\"/>\n",
                       f.left, py, f.right, py);
        s += strprintf("<text class=\"tick\" x=\"%.1f\" y=\"%.1f\" text-anchor=\"end\">",
                       f.left - 5, py + 4) +
             tick_text(v) + "</text>\n";
    }
    s += strprintf(
             "<text class=\"label\" transform=\"translate(14 %.1f) rotate(-90)\" "
             "text-anchor=\"middle\">",
             (f.top + f.bottom) / 2) +
         html_escape(label) + "</text>\n";
    return s + strprintf("<line class=\"axis\" x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\"/>\n",
                         f.left, f.top, f.left, f.bottom);
}

std::string x_label(const Frame& f, const std::string& label) {
    return strprintf("<text class=\"label\" x=\"%.1f\" y=\"%.1f\" text-anchor=\"middle\">",
                     (f.left + f.right) / 2, f.height - 8) +
           html_escape(label) + "</text>\n" +
           strprintf("<line class=\"axis\" x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\"/>\n",
                     f.left, f.bottom, f.right, f.bottom);
}

std::string x_ticks(const Frame& f, const Axis& x) {
    std::string s;
    for (double v : x.ticks) {
        const double px = to_x(f, x, v);
        s += strprintf("<line class=\"axis\" x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\"/>\n",
                       px, f.bottom, px, f.bottom + 5);
        s += strprintf("<text class=\"tick\" x=\"%.1f\" y=\"%.1f\" text-anchor=\"middle\">", px,
                       f.bottom + 18) +
             tick_text(v) + "</text>\n";
    }
    return s;
}

}  // namespace

std::string html_escape(const std::string& text) {
    std::string s;
    for (char c : text) {
        switch (c) {
            case '&':
                s += "&amp;";
                break;
            case '<':
                s += "&lt;";
                break;
            case '>':
                s += "&gt;";
                break;
            case '"':
                s += "&quot;";
                break;
            default:
                s += c;
        }
    }
    return s;
}

std::string line_plot_svg(const LinePlot& plot, const PlotTexts& texts) {
    const Frame f;
    std::string s = open_svg(f, texts) + y_axis(f, plot.y, texts.y_label) + x_ticks(f, plot.x) +
                    x_label(f, texts.x_label);
    std::string path;
    for (const PlotPoint& p : plot.points)
        path += strprintf("%s%.1f,%.1f", path.empty() ? "" : " ", to_x(f, plot.x, p.x),
                          to_y(f, plot.y, p.y));
    if (!path.empty()) s += "<polyline class=\"line\" points=\"" + path + "\"/>\n";
    for (const PlotPoint& p : plot.points)
        s += strprintf(
            "<circle class=\"dot\" cx=\"%.1f\" cy=\"%.1f\" r=\"3.5\"><title>%.4g, "
            "%.4g</title></circle>\n",
            to_x(f, plot.x, p.x), to_y(f, plot.y, p.y), p.x, p.y);
    return s + "</svg>\n";
}

std::string bar_chart_svg(const BarChart& chart, const PlotTexts& texts) {
    Frame f;
    const double n = static_cast<double>(chart.bars.size());
    f.width = std::max(f.width, f.left + 40 * n + 20);
    f.right = f.width - 12;
    std::string s =
        open_svg(f, texts) + y_axis(f, chart.y, texts.y_label) + x_label(f, texts.x_label);
    const double slot = (f.right - f.left) / std::max(n, 1.0);
    const double zero = to_y(f, chart.y, 0);
    for (size_t k = 0; k < chart.bars.size(); ++k) {
        const Bar& b = chart.bars[k];
        const double cx = f.left + slot * (static_cast<double>(k) + 0.5);
        const double top = to_y(f, chart.y, b.value);
        s += strprintf("<rect class=\"bar\" x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\">",
                       cx - slot * 0.3, std::min(top, zero), slot * 0.6, std::fabs(zero - top)) +
             "<title>" + html_escape(b.label) + strprintf(": %.4f", b.value) +
             (std::isfinite(b.error) ? strprintf(" &#177; %.4f", b.error) : "") +
             "</title></rect>\n";
        if (std::isfinite(b.error)) {
            const double lo = to_y(f, chart.y, b.value - b.error);
            const double hi = to_y(f, chart.y, b.value + b.error);
            s += strprintf(
                "<path class=\"err\" d=\"M%.1f %.1fV%.1fM%.1f %.1fH%.1fM%.1f %.1fH%.1f\"/>\n", cx,
                lo, hi, cx - 6, lo, cx + 6, cx - 6, hi, cx + 6);
        }
        s += strprintf("<text class=\"tick\" x=\"%.1f\" y=\"%.1f\" text-anchor=\"middle\">", cx,
                       f.bottom + 18) +
             html_escape(b.label) + "</text>\n";
    }
    return s + "</svg>\n";
}

std::string matrix_svg(const std::vector<std::string>& labels,
                       const std::vector<std::vector<MatrixCell>>& cells, const PlotTexts& texts) {
    // Cells narrow with many zones so that the matrix keeps within a laptop's screen.
    const double n = static_cast<double>(labels.size());
    const double cell = std::clamp(1000 / std::max(n, 1.0), 46.0, 76.0), left = 120, top = 50;
    Frame f;
    f.width = left + cell * n + 10;
    f.height = top + cell * n + 10;
    f.left = left;
    std::string s = open_svg(f, texts);
    for (size_t k = 0; k < labels.size(); ++k) {
        const double at = static_cast<double>(k) * cell + cell / 2;
        s += strprintf("<text class=\"tick\" x=\"%.1f\" y=\"%.1f\" text-anchor=\"middle\">",
                       left + at, top - 8) +
             html_escape(labels[k]) + "</text>\n";
        s += strprintf("<text class=\"tick\" x=\"%.1f\" y=\"%.1f\" text-anchor=\"end\">", left - 8,
                       top + at + 4) +
             html_escape(labels[k]) + "</text>\n";
    }
    for (size_t i = 0; i < cells.size(); ++i)
        for (size_t j = 0; j < cells[i].size(); ++j) {
            const MatrixCell& c = cells[i][j];
            const double x = left + static_cast<double>(j) * cell;
            const double y = top + static_cast<double>(i) * cell;
            s += strprintf(
                "<g><title>%s</title><rect class=\"cell\" x=\"%.1f\" y=\"%.1f\" "
                "width=\"%.1f\" height=\"%.1f\" fill=\"%s\"/>\n",
                html_escape(c.hover).c_str(), x, y, cell - 2, cell - 2, c.colour.c_str());
            s += strprintf("<text class=\"in\" x=\"%.1f\" y=\"%.1f\" text-anchor=\"middle\">",
                           x + cell / 2 - 1, y + cell / 2 - 4) +
                 html_escape(c.line1) + "</text>\n";
            s += strprintf("<text class=\"in\" x=\"%.1f\" y=\"%.1f\" text-anchor=\"middle\">",
                           x + cell / 2 - 1, y + cell / 2 + 13) +
                 html_escape(c.line2) + "</text></g>\n";
        }
    return s + "</svg>\n";
}

}  // namespace ped::merge
