#include "reflections.hpp"

#include "text.hpp"

namespace ped::cell {

bool parse_merged_record(const std::string& line, Reflection& r) {
    int hkl[3];
    double values[3];  // I, sigI, g
    if (!scan_record(line, hkl, 3, values, 3)) return false;
    r.h = hkl[0];
    r.k = hkl[1];
    r.l = hkl[2];
    r.g = values[2];
    r.ratio = values[0] / values[1];
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
