#include "merge/extinction.hpp"

namespace ped::merge {

std::vector<ZoneRecord> filter_extinctions(std::vector<ZoneRecord> records,
                                           const std::vector<Condition>& conditions,
                                           std::FILE* echo, const char* trace,
                                           const char* text_trace) {
    for (const Condition& c : conditions) {
        if (trace && c.code == 0 && text_trace)
            std::fprintf(echo, text_trace, c.text.c_str());
        else if (trace)
            std::fprintf(echo, trace, c.code);
        std::vector<ZoneRecord> kept;
        kept.reserve(records.size());
        for (const ZoneRecord& r : records) {
            if (c.keeps(r.h, r.k, r.l))
                kept.push_back(r);
            else
                std::fputs(zone_line(r).c_str(), echo);
        }
        records.swap(kept);
    }
    if (trace) std::fprintf(echo, trace, 0);
    return records;
}

bool exti(const Session& s, const std::string& zone_file, const RunSymmetry& symmetry,
          std::vector<ZoneRecord>& kept) {
    std::vector<ZoneRecord> records;
    kept.clear();
    if (const int reason = read_zone_file(s, zone_file, records)) {
        file_error(s.term, zone_file, reason, kCannotOpen);
        return false;
    }
    for (ZoneRecord& r : records) r = through_zone_layout(r);
    kept = filter_extinctions(std::move(records), symmetry.conditions, s.term.out,
                              s.msg.condition_trace, s.msg.condition_text_trace);
    return true;
}

}  // namespace ped::merge
