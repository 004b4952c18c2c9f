// Text files read line by line, whatever their line ends (LF or CR LF) and line lengths.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "common/terminal.hpp"

namespace ped {

// Reads one line of any length, without its line end; a carriage return before the line end
// (Windows files) is dropped too. Returns false at the end of the file when nothing was read.
bool read_line(std::FILE* file, std::string& line);

// Called with each line that is not blank and its number in the file (from 1, blank lines
// counted); returns false to stop reading.
using LineHandler = std::function<bool(const std::string& line, long number)>;

// Reads the file line by line. Returns 0 when it was read to its end (or the handler stopped),
// otherwise the system's reason (an errno value) why it could not be opened or read.
int read_lines(std::FILE* file, const LineHandler& each);
int read_lines(const std::string& path, const LineHandler& each);

// Says on the diagnostic stream that line `number` of `file` is not a record of the kind
// `what` describes ("h k l I sigI g") and was skipped.
void warn_skipped(const Terminal& t, const std::string& file, long number, const char* what);

}  // namespace ped
