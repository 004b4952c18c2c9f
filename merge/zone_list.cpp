#include "zone_list.hpp"

#include <cerrno>
#include <cstdio>

#include "files.hpp"
#include "text.hpp"

namespace ped {

bool read_zone_names(std::FILE* file, std::vector<Zone>& zones) {
    std::string line;
    while (read_line(file, line)) {
        const std::vector<std::string> words = split_ws(line);
        if (words.empty()) continue;
        zones.push_back({words[0], words[0] + ".hkl"});
    }
    return std::ferror(file) == 0;
}

bool read_zone_list(const std::string& path, std::vector<Zone>& zones) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    const bool read = read_zone_names(file, zones);
    const int reason = errno;
    std::fclose(file);
    errno = reason;
    return read;
}

std::string prepared_file_clash(const std::string& list, const std::vector<Zone>& zones) {
    for (const Zone& z : zones) {
        if (same_file(z.prepared, list)) return z.prepared + " (the list file)";
        for (const Zone& input : zones)
            if (same_file(z.prepared, input.name))
                return z.prepared + " (zone file " + input.name + ")";
    }
    return "";
}

}  // namespace ped
