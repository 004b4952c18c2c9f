#include "map/tilt_file.hpp"

#include "common/records.hpp"
#include "common/text.hpp"

namespace ped::map {

bool parse_row(const std::string& line, Row& row) {
    double values[3];
    if (!scan_record(line, nullptr, 0, values, 3)) return false;
    row = {values[0], values[1], values[2]};
    return true;
}

namespace {

LineHandler add_row(std::vector<Row>& rows, TiltRead& result) {
    return [&rows, &result](const std::string& line, long number) {
        Row row;
        if (!parse_row(line, row)) {
            result.bad_line = number;
            return false;
        }
        rows.push_back(row);
        return true;
    };
}

LongLineHandler stop_long(TiltRead& result) {
    return [&result](long number) {
        result.bad_line = number;
        result.too_long = true;
        return false;
    };
}

}  // namespace

TiltRead read_tilt_file(const std::string& path, std::vector<Row>& rows) {
    TiltRead result;
    result.reason = read_lines(path, add_row(rows, result), stop_long(result));
    return result;
}

TiltRead read_tilt_file(std::FILE* file, std::vector<Row>& rows) {
    TiltRead result;
    result.reason = read_lines(file, add_row(rows, result), stop_long(result));
    return result;
}

}  // namespace ped::map
