// A value from its command-line position, else the answer to its question. A value comes from
// the command line when it holds at least as many positions as the value's position (for a
// value spread over several positions, the highest); otherwise its question is asked. A
// position that does not convert is fatal, naming the position; a console answer that does
// not convert is refused and asked again.
#pragma once

#include <functional>
#include <string>

#include "common/command_line.hpp"
#include "common/terminal.hpp"

namespace ped {

// Position `pos` converted as a whole number or a real; fatal when it does not convert (`hint`
// is added to the message).
int int_at(const Terminal& t, const CommandLine& cl, size_t pos, const char* hint = "");
double real_at(const Terminal& t, const CommandLine& cl, size_t pos);

int take_int(const Terminal& t, const CommandLine& cl, size_t pos, const char* question);
double take_real(const Terminal& t, const CommandLine& cl, size_t pos, const char* question);

// A name: position `pos`, or the question answered by the name rule (an empty line selects
// `fallback`; see Console::read_name).
std::string take_name(const Terminal& t, const CommandLine& cl, size_t pos, const char* question,
                      const std::string& fallback);

// An output name: position `pos`, or `ask` (which writes the question and reads the answer).
// `replaced` tells which input the files of a name would replace ("" for none): such a name
// is fatal from the command line and refused on the console, where `ask` runs again. An empty
// name is fatal from the command line (the console's name rule gives no empty name); a console
// name that holds a zero byte is refused.
std::string take_output_name(const Terminal& t, const CommandLine& cl, size_t pos,
                             const std::function<std::string()>& ask,
                             const std::function<std::string(const std::string&)>& replaced);

// Says on the diagnostic stream, once, that positions `first` to the last one given are not
// read by the run, naming their texts; nothing when none of them is given.
void say_unused_positions(const Terminal& t, const CommandLine& cl, size_t first);

}  // namespace ped
