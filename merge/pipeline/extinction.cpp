#include "merge/pipeline/extinction.hpp"

namespace ped::merge {

std::vector<ZoneRecord> filter_extinctions(std::vector<ZoneRecord> records,
                                           const std::vector<FilterCondition>& conditions,
                                           std::FILE* echo, const char* trace,
                                           const char* text_trace,
                                           std::vector<std::vector<ZoneRecord>>* removed) {
    if (removed) removed->assign(conditions.size(), {});
    for (size_t n = 0; n < conditions.size(); ++n) {
        const FilterCondition& c = conditions[n];
        if (trace && c.code == 0 && text_trace)
            std::fprintf(echo, text_trace, c.text.c_str());
        else if (trace)
            std::fprintf(echo, trace, c.code);
        std::vector<ZoneRecord> kept;
        kept.reserve(records.size());
        for (const ZoneRecord& r : records) {
            if (c.keeps(r.h, r.k, r.l))
                kept.push_back(r);
            else {
                std::fputs(zone_line(r).c_str(), echo);
                if (removed) (*removed)[n].push_back(r);
            }
        }
        records.swap(kept);
    }
    if (trace) std::fprintf(echo, trace, 0);
    return records;
}

ZoneFilter exti(const Session& s, const std::string& zone_file, const RunSymmetry& symmetry) {
    std::vector<ZoneRecord> records;
    ZoneFilter out;
    if (const int reason = read_zone_file(s, zone_file, records, &out.skipped))
        fail_file(s.term, zone_file, reason, kCannotOpen);
    out.lines = static_cast<int>(records.size()) + out.skipped;
    for (ZoneRecord& r : records) r = through_zone_layout(r);
    out.kept = filter_extinctions(std::move(records), symmetry.conditions, s.term.out,
                                  s.msg.condition_trace, s.msg.condition_text_trace, &out.removed);
    return out;
}

}  // namespace ped::merge
