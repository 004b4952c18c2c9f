// What every routine of a tool needs to talk to its user: the console reader, the dialogue
// stream, the stream for extra diagnostics, and what the fatal-error message names.
#pragma once

#include <cstdio>
#include <string>

#include "console.hpp"
#include "outfile.hpp"

namespace ped {

struct Terminal {
    Console& in;
    std::FILE* out;            // the dialogue (standard output)
    std::FILE* diag;           // diagnostics beyond the dialogue (standard error)
    std::string prg_name;      // argument 0 of the command line
    const char* error_header;  // first line of `error`, with one %s for prg_name

    // Said on `diag` when an answer is refused: the word, then what was expected.
    const char* refused = "'%s' is not %s; please answer again.\n";
    const char* whole_number = "a whole number";
    const char* number = "a number";
    // Said on `diag` when an output file could not be written completely; %s is the file.
    const char* incomplete = "%s: the file could not be written completely\n";
};

// The refusal texts in French, for the tools that speak it.
inline void speak_french(Terminal& t) {
    t.refused = "'%s' n'est pas %s ; repondez de nouveau.\n";
    t.whole_number = "un nombre entier";
    t.number = "un nombre";
    t.incomplete = "%s: le fichier n'a pas pu etre ecrit en entier\n";
}

// The fatal-error helper: the header line with the program path, the message on its own
// line (when there is one), the console pause. Returns -1; the caller decides what follows.
int error(const Terminal& t, const char* message);

// A file that cannot be opened or created: the file and the system's reason `reason` (an
// errno value) on `diag`, then `error` with `message`. Returns -1.
int file_error(const Terminal& t, const std::string& path, int reason, const char* message);

// Closes an output file. When it could not be written completely, says so on `diag`, calls
// `error` with `message` and answers false.
bool close_checked(const Terminal& t, OutFile& file, const char* message);

// The exit status of a run that ended with `status` (0 or -1): a normal end whose dialogue could
// not be written completely (standard output on a full disk, say) is a failure too.
int finish(const Terminal& t, int status);

// Questions answered with numbers. The question is written as given (it carries its own
// line end); an answer that does not convert is dropped with the rest of its line, said on
// the diagnostic stream, and the question is asked again. InputEnded at the end of input.
int ask_int(const Terminal& t, const char* question);
double ask_double(const Terminal& t, const char* question);
// Two numbers answering one question; a failure on either asks the whole question again.
void ask_two_doubles(const Terminal& t, const char* question, double& first, double& second);

// Says on the diagnostic stream that an answer was refused, naming the word.
void say_refused(const Terminal& t, const std::string& word, const char* expected);

}  // namespace ped
