// The report page's plots as inline SVG, drawn from their geometry (plot_geometry.hpp): a line
// plot with axes and ticks, a bar chart with error bars, a matrix of coloured cells. Texts come
// in as they are shown (escaped here); each plot is one <svg> element with its own size.
#pragma once

#include <string>
#include <vector>

#include "merge/reports/plot_geometry.hpp"

namespace ped::merge {

// The text of a page: & < > " escaped.
std::string html_escape(const std::string& text);

struct PlotTexts {
    std::string title;             // above the plot, with its definition on hover
    std::string x_label, y_label;  // with their units
    std::string definition;        // the hover text of the title
};

std::string line_plot_svg(const LinePlot& plot, const PlotTexts& texts);

std::string bar_chart_svg(const BarChart& chart, const PlotTexts& texts);

// One cell of a matrix: its fill colour, up to two lines of text and its hover text.
struct MatrixCell {
    std::string colour, line1, line2, hover;
};

// A square matrix, `labels` naming both the rows and the columns; cells by row.
std::string matrix_svg(const std::vector<std::string>& labels,
                       const std::vector<std::vector<MatrixCell>>& cells, const PlotTexts& texts);

}  // namespace ped::merge
