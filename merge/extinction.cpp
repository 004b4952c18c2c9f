#include "merge/extinction.hpp"

#include "merge/conditions.hpp"

namespace ped::merge {

std::vector<ZoneRecord> filter_extinctions(std::vector<ZoneRecord> records, int space_group,
                                           std::FILE* echo, const char* trace) {
    for (int code : condition_codes(space_group)) {
        if (trace) std::fprintf(echo, trace, code);
        std::vector<ZoneRecord> kept;
        kept.reserve(records.size());
        for (const ZoneRecord& r : records) {
            if (condition_keeps(code, r.h, r.k, r.l))
                kept.push_back(r);
            else
                std::fputs(zone_line(r).c_str(), echo);
        }
        records.swap(kept);
    }
    if (trace) std::fprintf(echo, trace, 0);
    return records;
}

bool exti(const Session& s, const std::string& zone_file, int space_group,
          std::vector<ZoneRecord>& kept) {
    std::vector<ZoneRecord> records;
    kept.clear();
    if (const int reason = read_zone_file(s, zone_file, records)) {
        file_error(s.term, zone_file, reason, kCannotOpen);
        return false;
    }
    for (ZoneRecord& r : records) r = through_zone_layout(r);
    kept = filter_extinctions(std::move(records), space_group, s.term.out, s.msg.condition_trace);
    return true;
}

}  // namespace ped::merge
