// The cell with its standard uncertainties as a small CIF: the values in the parenthesis
// notation crystallographers use ("5.4410(6)"), written by the cell tool and read back by the
// merge tool's --cell-file through gemmi's CIF parser.
#pragma once

#include <string>

#include "common/unit_cell.hpp"

namespace ped {

// `value` with its uncertainty `su` in parentheses, rounded as crystallographers round it: the
// uncertainty keeps two digits when its first two are 10 to 19, else one, and the value as
// many decimals ("5.4410(6)", "98.15(12)", "1234(30)"). Without an uncertainty above 0, the
// value alone with `decimals` decimals.
std::string with_su(double value, double su, int decimals);

// A value in that notation: "5.4410(6)" gives 5.441 and 0.0006, "90" gives 90 and 0. False
// for anything else, an uncertainty too large to be a number included.
bool parse_with_su(const std::string& text, double& value, double& su);

// True when a cell file is a CIF rather than the cell line: its first line that is not blank
// begins, after blanks, with '#' or "data_".
bool looks_like_cif(const std::string& first_line);

// The six _cell_ items of the first data block of a CIF text that has them all, with their
// uncertainties (0 where none is given). not_six_numbers when the text does not parse or no
// block has the six; otherwise check_cell's answer.
CellProblem parse_cell_cif(const std::string& text, UnitCell& cell, UnitCell& su);

}  // namespace ped
