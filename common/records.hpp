// Text files read line by line, whatever their line ends (LF or CR LF). A line longer than
// kLongestLine is read to its end but not kept: each reader says so, naming the line.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "common/terminal.hpp"

namespace ped {

enum class LineRead { line, too_long, end };

// The lines of a stream, read in blocks.
class LineReader {
  public:
    explicit LineReader(std::FILE* file) : file_(file), block_(1 << 16) {}

    // The next line without its line end; a carriage return before the line end (Windows
    // files) is dropped too. `too_long`: the line holds more than kLongestLine bytes, `line`
    // is left empty and the rest of it is skipped by the next call. `end`: nothing is left.
    LineRead next(std::string& line);

  private:
    bool fill();
    bool skip_rest();  // false when the file ends first

    std::FILE* file_;
    std::vector<char> block_;
    size_t pos_ = 0, end_ = 0;
    bool in_long_line_ = false;  // the line said too long goes on after the block read
};

// Called with each line that is not blank and its number in the file (from 1, blank lines
// counted); returns false to stop reading.
using LineHandler = std::function<bool(const std::string& line, long number)>;
// Called with the number of a line longer than kLongestLine; returns false to stop reading.
using LongLineHandler = std::function<bool(long number)>;

// Reads the file line by line. Returns 0 when it was read to its end (or a handler stopped),
// otherwise the system's reason (an errno value) why it could not be opened or read.
int read_lines(std::FILE* file, const LineHandler& each, const LongLineHandler& too_long);
int read_lines(const std::string& path, const LineHandler& each, const LongLineHandler& too_long);

// Says on the diagnostic stream that line `number` of `file` is not a record of the kind
// `what` describes ("h k l I sigI g") and was skipped.
void warn_skipped(const Terminal& t, const std::string& file, long number, const char* what);

// Says on the diagnostic stream that line `number` of `file` is longer than kLongestLine and
// was skipped.
void warn_long_line(const Terminal& t, const std::string& file, long number);

}  // namespace ped
