// What every routine of a tool needs to talk to its user: the console reader, the dialogue
// stream, the stream for extra diagnostics, what the fatal-error message names, and the
// language the tool speaks. Also the fatal-error helpers and the questions answered by numbers.
#pragma once

#include <cstdio>
#include <string>

#include "common/console.hpp"
#include "common/language.hpp"
#include "common/outfile.hpp"

namespace ped {

struct Terminal {
    Console& in;
    std::FILE* out;        // the dialogue (standard output)
    std::FILE* diag;       // diagnostics beyond the dialogue (standard error)
    std::string prg_name;  // argument 0 of the command line
    const Language& lang;
};

// A fatal error: the run ends, and the frame of the tool (run_tool) reports the message
// through `error` and ends with status 255.
struct Fatal {
    std::string message;
};

// The error report: the header line with the program path, the message on its own line, the
// console pause. Returns -1; the caller decides what follows (a run that goes on, or the end).
int error(const Terminal& t, const char* message);

// Ends the run with `message` (throws Fatal).
[[noreturn]] void fail(const std::string& message);

// A file that cannot be opened, created or read: the file and the system's reason (an errno
// value) on `diag`, then `error` with `message`; fail_file ends the run with it instead.
int file_error(const Terminal& t, const std::string& path, int reason, const char* message);
[[noreturn]] void fail_file(const Terminal& t, const std::string& path, int reason,
                            const char* message);

// Closes an output file; when it could not be written completely, says so on `diag` and fails
// with `message`.
void close_or_fail(const Terminal& t, OutFile& file, const char* message);

// Writes a whole file: one that cannot be created fails with `cannot_open` (and the system's
// reason), one that cannot be written completely as `close_or_fail` does.
void write_file_or_fail(const Terminal& t, const std::string& path, const std::string& text,
                        const char* cannot_open);

// The exit status of a run that ended with `status` (0 or 255): a normal end whose dialogue
// could not be written completely (standard output on a full disk, say) is a failure too.
int finish(const Terminal& t, int status);

// Questions answered with numbers. The question is written as given (it carries its own
// line end); an answer that does not convert is dropped with the rest of its line, said on
// the diagnostic stream, and the question is asked again. InputEnded at the end of input.
int ask_int(const Terminal& t, const char* question);
double ask_double(const Terminal& t, const char* question);
// Two numbers answering one question; a failure on either asks the whole question again.
void ask_two_doubles(const Terminal& t, const char* question, double& first, double& second);

// Writes a question (or any text) and flushes it, so that it shows before the answer is read.
void ask(const Terminal& t, const char* question);

// Says on the diagnostic stream that an answer was refused, naming the word.
void say_refused(const Terminal& t, const std::string& word, const char* expected);

// A warning or note on the diagnostic stream, printf-style.
void say(const Terminal& t, const char* fmt, ...) PED_PRINTF_LIKE(2, 3);

}  // namespace ped
