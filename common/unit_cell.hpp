// A unit cell (lengths in angstrom, angles in degrees): read from "a,b,c,alpha,beta,gamma" or
// from the one-line cell file the cell tool writes, and the reciprocal length g = 1/d of a
// reflection for any cell, triclinic included.
#pragma once

#include <string>

namespace ped {

struct UnitCell {
    double a = 0, b = 0, c = 0, alpha = 0, beta = 0, gamma = 0;
};

// Why a cell was refused.
enum class CellProblem {
    none,
    not_six_numbers,  // not six finite numbers
    length,           // a length of 0 or below
    huge_length,      // a length of kLongestCellLength or more
    angle,            // an angle outside 0 to 180 degrees (both excluded)
    volume,           // angles that close no cell (no volume)
    long_line         // the line of the cell file is longer than kLongestLine
};

// No crystal has a cell length of 10^4 angstrom: such a length is a typing error.
inline constexpr double kLongestCellLength = 1e4;

// The checks above, in that order.
CellProblem check_cell(const UnitCell& cell);

// "a,b,c,alpha,beta,gamma": six numbers separated by commas (blanks around them allowed).
CellProblem parse_cell(const std::string& text, UnitCell& cell);

// The cell file: its first line that is not blank holds a b c alpha beta gamma ("%10.4lf" each
// as the cell tool writes them, with or without a line end); words after them are ignored. Or
// the file is a CIF (its first line that is not blank begins with '#' or "data_", as the cell
// tool's --cell-cif writes it) whose first block with the six _cell_ items gives the cell and,
// into `su` when given, their standard uncertainties (0 where none is given; all 0 from the
// cell line). A CIF larger than kLongestLine is refused as a long line (`line` its first).
// Returns 0 and sets `problem` (none when the cell is good) and `line` (when given: the number
// of the line that holds the cell or begins the CIF, 0 when there is none), or the system's
// reason (an errno value) why the file could not be opened or read.
int read_cell_file(const std::string& path, UnitCell& cell, CellProblem& problem,
                   long* line = nullptr, UnitCell* su = nullptr);

// The reciprocal metric of a (checked) cell: g(h, k, l) = 1/d in reciprocal angstrom.
class ReciprocalMetric {
  public:
    explicit ReciprocalMetric(const UnitCell& cell);
    double g(double h, double k, double l) const;
    // The largest |h|, |k| and |l| of a reflection with g at most `g_max` (|h| <= a g_max,
    // 0 when g_max is not above 0): a whole number, kept as a real so that no cell and no g
    // overflow it; bound it before converting it to an integer.
    double max_index(int axis, double g_max) const;

  private:
    double lengths_[3];
    double m_[3][3];  // inverse of the direct metric tensor
};

}  // namespace ped
