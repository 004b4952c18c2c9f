// The list file: one zone file name per line (the first word of the line). Blank lines are
// skipped, and so is a line longer than kLongestLine, with a warning. Each zone's prepared
// file is its name followed by ".hkl".
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "common/terminal.hpp"

namespace ped::merge {

struct Zone {
    std::string name;      // the zone file
    std::string prepared;  // name + ".hkl"
};

// Reads the zones of a list file. Returns 0, or the system's reason why the file could not be
// opened or read.
int read_zone_list(const Terminal& t, const std::string& path, std::vector<Zone>& zones);
// The same from an open stream, `name` naming it in the warnings.
int read_zone_list(const Terminal& t, std::FILE* file, const std::string& name,
                   std::vector<Zone>& zones);

// The prepared file that would replace the list file, a zone file or the cell file ("" for
// none), and which input it would replace: false when there is none.
struct PreparedClash {
    enum class Input { list, zone, cell_file };
    std::string prepared, input;
    Input kind = Input::zone;
};
bool prepared_file_clash(const std::string& list, const std::vector<Zone>& zones,
                         const std::string& cell_file, PreparedClash& clash);

}  // namespace ped::merge
