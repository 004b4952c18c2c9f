// Small text helpers: printf into a string, white-space splitting, strict number conversion.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace ped {

#define PED_PRINTF_LIKE(fmt, args) __attribute__((format(printf, fmt, args)))

// The longest line of a file, and the longest word of the console, that the tools take (line
// end not counted): 1 MiB, far above any real line, so that memory stays bounded whatever
// the input holds.
inline constexpr std::size_t kLongestLine = std::size_t{1} << 20;

// printf into a std::string.
std::string strprintf(const char* fmt, ...) PED_PRINTF_LIKE(1, 2);

// True for the characters that separate values: blank, tab, line ends, vertical tab, form feed.
inline bool is_space(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The white-space-separated words of a line.
std::vector<std::string> split_ws(const std::string& line);

// The text itself when it has at most `max` bytes; otherwise its beginning and its end joined
// by "...", `max` bytes in all (`max` at least 5).
std::string shortened_middle(const std::string& text, size_t max);

// True when the line holds nothing but white space.
bool is_blank(const std::string& line);

// Whole-word conversions: the word must be a decimal integer within the range of int
// (an optional sign, then digits), or a finite real number. Leading and trailing white
// space is allowed; anything else makes the conversion fail.
bool parse_int(std::string_view word, int& value);
bool parse_double(std::string_view word, double& value);

// Reads the numbers of a record one after another, as scanf does: `ints` integers (within the
// range of int), then `reals` finite reals, white space between them optional where a sign
// starts the next one, so that a value filling its column and touching a negative neighbour
// ("  12-103") still reads. Each number must end at white space, the end of the line or the
// sign of the next number ("3.0" is no integer, "12abc" no number); words after the last
// number are ignored. False when the line is no such record.
bool scan_record(const std::string& line, int* int_values, int ints, double* real_values,
                 int reals);

}  // namespace ped
