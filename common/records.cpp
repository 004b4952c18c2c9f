#include "common/records.hpp"

#include <sys/types.h>

#include <cerrno>
#include <cstdio>

#include "common/text.hpp"

namespace ped {

bool read_line(std::FILE* file, std::string& line) {
    thread_local char* text = nullptr;
    thread_local size_t room = 0;
    const ssize_t n = getline(&text, &room, file);
    if (n <= 0) {
        line.clear();
        return false;
    }
    size_t size = static_cast<size_t>(n);
    if (text[size - 1] == '\n') --size;
    if (size > 0 && text[size - 1] == '\r') --size;
    line.assign(text, size);
    return true;
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
