#include "merge/pipeline/zone_list.hpp"

#include "common/files.hpp"
#include "common/records.hpp"
#include "common/text.hpp"

namespace ped::merge {

namespace {

LineHandler add_zone(std::vector<Zone>& zones) {
    return [&zones](const std::string& line, long) {
        const std::string name = split_ws(line)[0];
        zones.push_back({name, name + ".hkl"});
        return true;
    };
}

LongLineHandler skip_long(const Terminal& t, const std::string& name) {
    return [&t, &name](long number) {
        warn_long_line(t, name, number);
        return true;
    };
}

}  // namespace

int read_zone_list(const Terminal& t, std::FILE* file, const std::string& name,
                   std::vector<Zone>& zones) {
    return read_lines(file, add_zone(zones), skip_long(t, name));
}

int read_zone_list(const Terminal& t, const std::string& path, std::vector<Zone>& zones) {
    return read_lines(path, add_zone(zones), skip_long(t, path));
}

bool prepared_file_clash(const std::string& list, const std::vector<Zone>& zones,
                         const std::string& cell_file, PreparedClash& clash) {
    std::vector<std::string> zone_files;
    for (const Zone& z : zones) zone_files.push_back(z.name);
    for (const Zone& z : zones) {
        if (same_file(z.prepared, list)) {
            clash = {z.prepared, list, PreparedClash::Input::list};
            return true;
        }
        const std::string input = replaced_input({z.prepared}, zone_files);
        if (!input.empty()) {
            clash = {z.prepared, input, PreparedClash::Input::zone};
            return true;
        }
        if (!cell_file.empty() && same_file(z.prepared, cell_file)) {
            clash = {z.prepared, cell_file, PreparedClash::Input::cell_file};
            return true;
        }
    }
    return false;
}

}  // namespace ped::merge
