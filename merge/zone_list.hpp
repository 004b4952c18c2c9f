// The list file: one zone file name per line (the first word of the line). Blank lines are
// skipped. Each zone's prepared file is its name followed by ".hkl".
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace ped {

struct Zone {
    std::string name;      // the zone file
    std::string prepared;  // name + ".hkl"
};

// False when the list file cannot be opened or read to its end (errno then tells why).
bool read_zone_list(const std::string& path, std::vector<Zone>& zones);

// The same from an open stream.
bool read_zone_names(std::FILE* file, std::vector<Zone>& zones);

// A prepared file that would overwrite the list file or a zone file, as "prepared (input)",
// or "" when there is none.
std::string prepared_file_clash(const std::string& list, const std::vector<Zone>& zones);

}  // namespace ped
