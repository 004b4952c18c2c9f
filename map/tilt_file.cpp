#include "tilt_file.hpp"

#include <cerrno>
#include <cstdio>

#include "text.hpp"

namespace ped {

bool parse_row(const std::string& line, Row& row) {
    double values[3];
    if (!scan_record(line, nullptr, 0, values, 3)) return false;
    row = {values[0], values[1], values[2]};
    return true;
}

TiltRead read_tilt_file(const std::string& path, std::vector<Row>& rows) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        TiltRead result;
        result.status = TiltRead::kCannotOpen;
        result.sys_error = errno;
        return result;
    }
    const TiltRead result = read_tilt_rows(file, rows);
    std::fclose(file);
    return result;
}

TiltRead read_tilt_rows(std::FILE* file, std::vector<Row>& rows) {
    TiltRead result;
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
    return result;
}

}  // namespace ped
