#include "tilt_file.hpp"

#include <cerrno>
#include <cstdio>

#include "text.hpp"

namespace ped {

bool parse_row(const std::string& line, Row& row) {
    const std::vector<std::string> words = split_ws(line);
    return words.size() >= 3 && parse_double(words[0], row.tilt1) &&
           parse_double(words[1], row.tilt2) && parse_double(words[2], row.spacing);
}

TiltRead read_tilt_file(const std::string& path, std::vector<Row>& rows) {
    TiltRead result;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        result.status = TiltRead::kCannotOpen;
        result.sys_error = errno;
        return result;
    }
    std::string line;
    int number = 0;
    while (read_line(file, line)) {
        ++number;
        if (is_blank(line)) continue;
        Row row;
        if (!parse_row(line, row)) {
            result.status = TiltRead::kBadLine;
            result.bad_line = number;
            break;
        }
        rows.push_back(row);
    }
    // A file that opens but cannot be read (a folder, for one) is no tilt file either.
    if (result.status == TiltRead::kOk && std::ferror(file)) {
        result.status = TiltRead::kCannotOpen;
        result.sys_error = errno;
    }
    std::fclose(file);
    return result;
}

}  // namespace ped
