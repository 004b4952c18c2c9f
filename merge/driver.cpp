#include "driver.hpp"

#include <cerrno>

#include "assembly.hpp"
#include "banner.hpp"
#include "laue.hpp"
#include "outfile.hpp"
#include "params.hpp"
#include "prepare.hpp"
#include "prepared_file.hpp"
#include "scale_factors.hpp"
#include "symmetry_merge.hpp"
#include "text.hpp"
#include "zone_list.hpp"

namespace ped {

namespace {

int cannot_open(const Session& s, const std::string& path) {
    return file_error(s.term, path, errno, kCannotOpen);
}

// The last stage: equivalents merged into <out>fin.hkl, the counts, the class and Rint.
void merge_and_report(const Session& s, const std::vector<Reflection>& list, int code,
                      OutFile& merged) {
    std::FILE* out = s.term.out;
    const int n = static_cast<int>(list.size());
    if (code == 0) {
        std::fputs(s.msg.no_merging, out);
        std::fprintf(out, s.msg.totals, n, 0, n);
        std::fprintf(out, kRint, 0.0);
        return;
    }
    const MergeResult m = merge_equivalents(list, code);
    for (int multiplicity : m.multiplicities) std::fprintf(out, "%d\n", multiplicity);
    for (const Reflection& r : m.merged) {
        if (!is_finite(r)) {
            std::fprintf(s.term.diag,
                         "warning: the merged reflection %d %d %d is too large to be a number; "
                         "left out of %s\n",
                         r.h, r.k, r.l, merged.path().c_str());
            continue;
        }
        merged.printf(kReflectionLayout, r.h, r.k, r.l, r.i, r.sig, r.g);
    }
    std::fprintf(out, s.msg.totals, n, m.redundant, n - m.redundant);
    std::fprintf(out, "%s%s\n", s.msg.class_prefix, laue_symbol(code));
    std::fprintf(out, kRint, m.rint);
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
        if (transfor2(s, zones[z].name, zones[z].prepared, p.prep) == kIncompleteWrite) return -1;
        std::fprintf(out, s.msg.file_done, static_cast<int>(z + 1));
    }

    if (!take_output_name(s, args, zones, p)) return -1;
    const OutputNames names = output_names(p.output);
    OutFile report, report_g;
    if (!report.open(names.report)) return cannot_open(s, names.report);
    if (!report_g.open(names.report_g)) return cannot_open(s, names.report_g);
    write_banner(report, s.msg, p);

    PreparedFiles files(s.term.diag);
    const ScaleFactors factors = global_scale_factors(s, files, zones, p.sigma, report, report_g);

    OutFile scaled, merged;
    if (!scaled.open(names.scaled)) return cannot_open(s, names.scaled);
    if (!merged.open(names.merged)) return cannot_open(s, names.merged);
    const std::vector<Reflection> list = assemble(s, files, zones, factors, scaled);
    const int code = laue_code(p.prep.space_group);
    if (code == 0) error(s.term, s.msg.wrong_space_group);

    merge_and_report(s, list, code, merged);
    for (OutFile* file : {&report, &report_g, &scaled, &merged})
        if (!close_checked(s.term, *file, kCannotWrite)) return -1;
    std::fputs(kFarewell, out);
    s.term.in.pause(out);
    return 0;
}

}  // namespace ped
