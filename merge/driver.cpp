#include "driver.hpp"

#include <cerrno>
#include <cstring>

#include "banner.hpp"
#include "outfile.hpp"
#include "params.hpp"
#include "prepare.hpp"
#include "text.hpp"
#include "zone_list.hpp"

namespace ped {

namespace {

int cannot_open(const Session& s, const std::string& path) {
    std::fprintf(s.term.diag, "%s: %s\n", path.c_str(), std::strerror(errno));
    return error(s.term, kCannotOpen);
}

// Closes an output file; a file that could not be written completely is a fatal error.
bool close_checked(const Session& s, OutFile& file) {
    if (file.close()) return true;
    std::fprintf(s.term.diag, "%s: the file could not be written completely\n",
                 file.path().c_str());
    error(s.term, kCannotWrite);
    return false;
}

}  // namespace

int run_merge(const Session& s, const std::vector<std::string>& args) {
    std::FILE* out = s.term.out;
    std::fprintf(out, kGreeting, 2);

    RunParams p;
    p.list = take_list_name(s, args);
    std::vector<Zone> zones;
    if (!read_zone_list(p.list, zones)) return cannot_open(s, p.list);
    std::fprintf(out, kZoneCount, static_cast<int>(zones.size()));

    const std::string clash = prepared_file_clash(p.list, zones);
    if (!clash.empty())
        return error(s.term, ("error: preparing the zones would overwrite " + clash).c_str());

    if (!take_parameters(s, args, p)) return -1;

    for (size_t z = 0; z < zones.size(); ++z) {
        transfor2(s, zones[z].name, zones[z].prepared, p.prep);
        std::fprintf(out, s.msg.file_done, static_cast<int>(z + 1));
    }

    if (!take_output_name(s, args, zones, p)) return -1;
    const OutputNames names = output_names(p.output);
    OutFile report, report_g;
    if (!report.open(names.report)) return cannot_open(s, names.report);
    if (!report_g.open(names.report_g)) return cannot_open(s, names.report_g);
    write_banner(report, s.msg, p);

    if (!close_checked(s, report) || !close_checked(s, report_g)) return -1;
    std::fflush(out);
    return 0;
}

}  // namespace ped
