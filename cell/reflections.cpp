#include "reflections.hpp"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "text.hpp"

namespace ped::cell {

namespace {

void skip_blanks(const char*& p) {
    while (*p && is_space(static_cast<unsigned char>(*p))) ++p;
}

bool next_int(const char*& p, int& value) {
    skip_blanks(p);
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(p, &end, 10);
    if (end == p || errno == ERANGE || v < INT_MIN || v > INT_MAX) return false;
    value = static_cast<int>(v);
    p = end;
    return true;
}

bool next_real(const char*& p, double& value) {
    skip_blanks(p);
    char* end = nullptr;
    const double v = std::strtod(p, &end);
    if (end == p || !std::isfinite(v)) return false;
    value = v;
    p = end;
    return true;
}

}  // namespace

bool parse_merged_record(const std::string& line, Reflection& r) {
    const char* p = line.c_str();
    Reflection rec;
    double intensity = 0, sigma = 0;
    if (!next_int(p, rec.h) || !next_int(p, rec.k) || !next_int(p, rec.l) ||
        !next_real(p, intensity) || !next_real(p, sigma) || !next_real(p, rec.g))
        return false;
    if (*p && !is_space(static_cast<unsigned char>(*p))) return false;
    rec.ratio = intensity / sigma;
    r = rec;
    return true;
}

bool read_reflections(std::FILE* file, const std::string& path, std::FILE* diag,
                      std::vector<Reflection>& reflections) {
    std::string line;
    long number = 0;
    while (read_line(file, line)) {
        ++number;
        if (is_blank(line)) continue;
        Reflection r;
        if (parse_merged_record(line, r))
            reflections.push_back(r);
        else
            std::fprintf(diag, "%s:%ld: pas un enregistrement h k l I sigI g, ligne ignoree\n",
                         path.c_str(), number);
    }
    return std::ferror(file) == 0;
}

}  // namespace ped::cell
