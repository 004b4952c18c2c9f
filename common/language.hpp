// The texts the shared code says: the fatal-error header, refused answers, the end of the input,
// command-line and option errors, unreadable lines, files that would replace an input or could
// not be written. Each tool names its language in its catalogue; the terminal carries it.
#pragma once

namespace ped {

enum class Tongue { english, french };

struct Language {
    Tongue tongue;

    // First line of `error`, with one %s for the program path.
    const char* error_header;

    // A refused console answer (on the diagnostic stream): the word, then what was expected.
    const char* refused;  // %s word, %s whole_number or number
    const char* whole_number;
    const char* number;

    // Fatal messages (through `error`).
    const char* input_ended;
    const char* argument_not_whole;   // %zu position, %s text
    const char* argument_not_number;  // %zu position, %s text
    const char* unknown_option;       // %s the option as typed
    const char* option_needs_value;   // %s the option name
    const char* option_takes_no_value;
    const char* option_bad_value;       // %s name, %s value
    const char* option_refused;         // %s name, %s value, %s why
    const char* would_replace;          // %s output name, %s input file
    const char* cannot_write;           // a file that could not be written completely
    const char* console_not_written;    // on the diagnostic stream, standard output failed
    const char* incomplete;             // %s the file that could not be written completely
    const char* would_replace_console;  // %s output name, %s input file; asked again
    const char* line_too_long;          // %s file, %ld line, %zu the longest line
    const char* line_skipped;           // %s file, %ld line, %s what the line should hold
    const char* option_twice;           // %s the option name
    const char* output_name_empty;      // fatal: an empty output name from the command line
    const char* output_name_zero_byte;  // a console name holding a zero byte, asked again
    // Positions given that the run does not read (on the diagnostic stream).
    const char* position_unused;   // %zu position, %s its text
    const char* positions_unused;  // %zu first, %zu last, %s their texts

    // The end of every --help text: the heading of the options, then (after the tool's own
    // options, see common/options.hpp) the options every tool has.
    const char* options_heading;
    const char* common_options;
};

extern const Language english;
extern const Language french;

// A text in each language a tool can speak (the help of an option, say).
struct Bilingual {
    const char* english;
    const char* french;
    const char* in(const Language& lang) const {
        return lang.tongue == Tongue::french ? french : english;
    }
};

}  // namespace ped
