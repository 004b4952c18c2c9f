#include "merge/pipeline/zone_file.hpp"

#include <cmath>
#include <cstdlib>

#include "common/format.hpp"
#include "common/records.hpp"
#include "common/reflection.hpp"
#include "common/text.hpp"

namespace ped::merge {

std::string zone_line(const ZoneRecord& r) {
    std::string line;
    for (int index : {r.h, r.k, r.l}) put_int(line, index, kIndexWidth);
    for (int c = 0; c < kZoneReals; ++c)
        put_fixed(line, r.v[c], kZoneColumns[c].width, kZoneColumns[c].decimals);
    line += '\n';
    return line;
}

double round_as_printed(double value, int decimals) {
    // Fast path: away from a rounding tie, the nearest integer of value * 10^decimals is the
    // digit string printf produces, and dividing it back is what strtod makes of that string
    // (both steps correctly rounded). Below 1e9 the product is off by less than 1e-7, well
    // inside the margin kept from the tie. Near a tie, or for larger values, print and read.
    static const double kScale[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    if (decimals >= 0 && decimals <= 8) {
        const double scaled = value * kScale[decimals];
        if (std::fabs(scaled) < 1e9) {
            const double below = std::floor(scaled);
            const double fraction = scaled - below;
            if (std::fabs(fraction - 0.5) > 1e-6) {
                const double digits = fraction > 0.5 ? below + 1 : below;
                const double result = digits / kScale[decimals];
                // printf writes -0.00 for small negative values; strtod gives -0.0 back.
                return (digits == 0 && std::signbit(value)) ? -0.0 : result;
            }
        }
    }
    return std::strtod(strprintf("%.*f", decimals, value).c_str(), nullptr);
}

ZoneRecord through_zone_layout(const ZoneRecord& r) {
    ZoneRecord out = r;
    for (int c = 0; c < kZoneReals; ++c)
        out.v[c] = round_as_printed(r.v[c], kZoneColumns[c].decimals);
    return out;
}

bool parse_zone_record(const std::string& line, ZoneRecord& r) {
    int hkl[3];
    ZoneRecord rec;
    if (!scan_record(line, hkl, 3, rec.v, kZoneReals)) return false;
    rec.h = hkl[0];
    rec.k = hkl[1];
    rec.l = hkl[2];
    r = rec;
    return true;
}

bool fits_zone_layout(const ZoneRecord& r) {
    for (int index : {r.h, r.k, r.l})
        if (index < -999 || index > 9999) return false;  // kIndexWidth columns
    for (int c = 0; c < kZoneReals; ++c) {
        if (std::fabs(r.v[c]) < 1e5) continue;  // fits every column
        const ZoneColumn& column = kZoneColumns[c];
        if (static_cast<int>(strprintf("%.*f", column.decimals, r.v[c]).size()) > column.width)
            return false;
    }
    // What the prepared file carries on: h k l, I, the error of either column, g.
    for (Column error : {kPoisson, kSigBg})
        if (!keeps_separators({r.h, r.k, r.l, r.v[kI], r.v[error], r.v[kG]})) return false;
    return true;
}

namespace {

LineHandler collect(const Session& s, const std::string& name, std::vector<ZoneRecord>& records,
                    int* skipped) {
    return [&s, &name, &records, skipped](const std::string& line, long number) {
        if (line[0] == ';') return true;
        ZoneRecord r;
        if (!parse_zone_record(line, r)) {
            warn_skipped(s.term, name, number, s.msg.zone_fields);
        } else if (!fits_zone_layout(r)) {
            say(s.term, s.msg.value_too_wide, name.c_str(), number);
        } else {
            records.push_back(r);
            return true;
        }
        if (skipped) ++*skipped;
        return true;
    };
}

LongLineHandler skip_long(const Session& s, const std::string& name, int* skipped) {
    return [&s, &name, skipped](long number) {
        warn_long_line(s.term, name, number);
        if (skipped) ++*skipped;
        return true;
    };
}

}  // namespace

int read_zone_file(const Session& s, std::FILE* file, const std::string& name,
                   std::vector<ZoneRecord>& records, int* skipped) {
    return read_lines(file, collect(s, name, records, skipped), skip_long(s, name, skipped));
}

int read_zone_file(const Session& s, const std::string& path, std::vector<ZoneRecord>& records,
                   int* skipped) {
    return read_lines(path, collect(s, path, records, skipped), skip_long(s, path, skipped));
}

}  // namespace ped::merge
