#include "merge/pipeline/zone_list.hpp"

#include <optional>

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
    std::vector<FileIdentity> zone_files;
    for (const Zone& z : zones) zone_files.push_back(file_identity(z.name));
    const FileIdentity list_file = file_identity(list);
    const std::optional<FileIdentity> cell =
        cell_file.empty() ? std::nullopt : std::optional(file_identity(cell_file));
    for (const Zone& z : zones) {
        const FileIdentity prepared = file_identity(z.prepared);
        if (same_file(prepared, list_file)) {
            clash = {z.prepared, list, PreparedClash::Input::list};
            return true;
        }
        for (size_t i = 0; i < zones.size(); ++i)
            if (same_file(prepared, zone_files[i])) {
                clash = {z.prepared, zones[i].name, PreparedClash::Input::zone};
                return true;
            }
        if (cell && same_file(prepared, *cell)) {
            clash = {z.prepared, cell_file, PreparedClash::Input::cell_file};
            return true;
        }
    }
    return false;
}

}  // namespace ped::merge
