#include "common/records.hpp"

#include <cerrno>

#include "common/text.hpp"

namespace ped {

bool read_line(std::FILE* file, std::string& line) {
    line.clear();
    int c;
    bool any = false;
    while ((c = getc_unlocked(file)) != EOF) {
        any = true;
        if (c == '\n') break;
        line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

int read_lines(std::FILE* file, const LineHandler& each) {
    std::string line;
    long number = 0;
    while (read_line(file, line)) {
        ++number;
        if (is_blank(line)) continue;
        if (!each(line, number)) return 0;
    }
    return std::ferror(file) ? (errno ? errno : EIO) : 0;
}

int read_lines(const std::string& path, const LineHandler& each) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return errno;
    const int reason = read_lines(file, each);
    std::fclose(file);
    return reason;
}

void warn_skipped(const Terminal& t, const std::string& file, long number, const char* what) {
    say(t, t.lang.line_skipped, file.c_str(), number, what);
}

}  // namespace ped
