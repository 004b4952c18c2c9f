#include "common/records.hpp"

#include <cerrno>
#include <cstring>

#include "common/text.hpp"

namespace ped {

bool LineReader::fill() {
    pos_ = 0;
    end_ = std::fread(block_.data(), 1, block_.size(), file_);
    return end_ > 0;
}

bool LineReader::skip_rest() {
    for (;;) {
        if (pos_ == end_ && !fill()) return false;
        const char* start = block_.data() + pos_;
        const char* found = static_cast<const char*>(std::memchr(start, '\n', end_ - pos_));
        if (found) {
            pos_ += static_cast<size_t>(found - start) + 1;
            return true;
        }
        pos_ = end_;
    }
}

LineRead LineReader::next(std::string& line) {
    line.clear();
    if (in_long_line_) {
        in_long_line_ = false;
        if (!skip_rest()) return LineRead::end;
    }
    bool any = false;
    for (;;) {
        if (pos_ == end_ && !fill()) break;
        any = true;
        const char* start = block_.data() + pos_;
        const char* found = static_cast<const char*>(std::memchr(start, '\n', end_ - pos_));
        const size_t take = found ? static_cast<size_t>(found - start) : end_ - pos_;
        // One byte more than the limit is kept for the carriage return of a CR LF line end.
        if (line.size() + take > kLongestLine + 1) {
            // Said at once; the rest of the line is skipped only if reading goes on, so that a
            // reader that stops there reads no further (an endless line included).
            pos_ += take + (found ? 1 : 0);
            in_long_line_ = !found;
            line.clear();
            return LineRead::too_long;
        }
        line.append(start, take);
        pos_ += take;
        if (found) {
            ++pos_;
            break;
        }
    }
    if (!any) return LineRead::end;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > kLongestLine) {
        line.clear();
        return LineRead::too_long;
    }
    return LineRead::line;
}

int read_lines(std::FILE* file, const LineHandler& each, const LongLineHandler& too_long) {
    LineReader reader(file);
    std::string line;
    long number = 0;
    for (LineRead r; (r = reader.next(line)) != LineRead::end;) {
        ++number;
        if (r == LineRead::too_long) {
            if (!too_long(number)) return 0;
        } else if (!is_blank(line) && !each(line, number)) {
            return 0;
        }
    }
    return std::ferror(file) ? (errno ? errno : EIO) : 0;
}

int read_lines(const std::string& path, const LineHandler& each, const LongLineHandler& too_long) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return errno;
    const int reason = read_lines(file, each, too_long);
    std::fclose(file);
    return reason;
}

void warn_skipped(const Terminal& t, const std::string& file, long number, const char* what) {
    say(t, t.lang.line_skipped, file.c_str(), number, what);
}

void warn_long_line(const Terminal& t, const std::string& file, long number) {
    say(t, t.lang.line_too_long, file.c_str(), number, kLongestLine);
}

}  // namespace ped
