#include "common/reflection.hpp"

#include "common/format.hpp"
#include "common/records.hpp"
#include "common/text.hpp"

namespace ped {

namespace {

// Whether "%<width>.<decimals>f" of v leaves a blank before it or begins with '-'. Below
// `safe` the text is narrower than its width whatever the rounding.
bool set_off(double v, int width, int decimals, double safe) {
    if (std::fabs(v) < safe) return true;
    std::string text;
    put_fixed(text, v, 0, decimals);
    return static_cast<int>(text.size()) < width || text[0] == '-';
}

}  // namespace

bool keeps_separators(const Reflection& r) {
    return r.k < 1000 && r.l < 1000 && set_off(r.i, 15, 2, 1e10) && set_off(r.sig, 15, 2, 1e10) &&
           set_off(r.g, 15, 8, 1e4);
}

bool parse_reflection(const std::string& line, Reflection& r) {
    int hkl[3];
    double values[3];
    if (!scan_record(line, hkl, 3, values, 3)) return false;
    r = {hkl[0], hkl[1], hkl[2], values[0], values[1], values[2]};
    return true;
}

namespace {

LongLineHandler skip_long(const std::string& name, const Terminal& t) {
    return [&name, &t](long number) {
        warn_long_line(t, name, number);
        return true;
    };
}

LineHandler collect(const std::string& name, const Terminal& t, std::vector<Reflection>& out) {
    return [&name, &t, &out](const std::string& line, long number) {
        Reflection r;
        if (parse_reflection(line, r))
            out.push_back(r);
        else
            warn_skipped(t, name, number, kReflectionFields);
        return true;
    };
}

}  // namespace

int read_reflections(std::FILE* file, const std::string& name, const Terminal& t,
                     std::vector<Reflection>& out) {
    return read_lines(file, collect(name, t, out), skip_long(name, t));
}

int read_reflections(const std::string& path, const Terminal& t, std::vector<Reflection>& out) {
    return read_lines(path, collect(path, t, out), skip_long(path, t));
}

}  // namespace ped
