#include "merge/pipeline/symmetry_options.hpp"

#include "common/text.hpp"
#include "merge/symmetry/legacy_difference.hpp"

namespace ped::merge {

namespace {

// "1 0 1, 1 0 3"
std::string reflections_text(const std::vector<gemmi::Op::Miller>& examples) {
    std::string s;
    for (const gemmi::Op::Miller& t : examples)
        s += (s.empty() ? "" : ", ") + strprintf("%d %d %d", t[0], t[1], t[2]);
    return s;
}

}  // namespace

RunSymmetry choose_symmetry(const Session& s, const MergeOptions& o, int number) {
    if (o.setting && !(o.ita && names_a_number(*o.sg))) return setting_symmetry(*o.setting);
    if (o.ita) {
        if (number < 1 || number > 230) fail(strprintf(s.msg.ita_needs_number, number));
        return tables_symmetry(number);
    }
    const std::string warning = difference_warning(s.msg, number);
    if (!warning.empty()) say(s.term, "%s", warning.c_str());
    return legacy_symmetry(number);
}

std::string difference_warning(const Messages& m, int number) {
    const LegacyDifference d = legacy_difference(number);
    if (d.empty()) return "";
    std::string s = strprintf(m.difference_heading, number);
    for (const ConditionExamples& e : d.tables_not_applied)
        s += strprintf(m.difference_kept_absent, e.text.c_str(),
                       reflections_text(e.examples).c_str());
    for (const ConditionExamples& e : d.legacy_removes_allowed)
        s += strprintf(m.difference_removed_allowed, e.text.c_str(),
                       reflections_text(e.examples).c_str());
    return s + m.difference_ita;
}

}  // namespace ped::merge
