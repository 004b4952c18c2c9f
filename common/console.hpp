// The console reader shared by every question of a tool. It reads standard input the way
// scanf does, so answers may be typed ahead on one line or piped from a file, and it knows
// whether the last read stopped in the middle of a line (which the name answers need).
#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>

namespace ped {

// Thrown when the input ends while an answer is still needed.
class InputEnded : public std::runtime_error {
  public:
    InputEnded() : std::runtime_error("end of input") {}
};

class Console {
  public:
    explicit Console(std::FILE* in) : in_(in) {}

    // Skips white space (line ends included) and reads the next white-space-delimited word.
    // The character that ends the word stays pending. Of a word longer than kLongestLine the
    // first kLongestLine bytes are kept (a name that long opens no file).
    std::string read_word();

    // Reads a word that must convert wholly (an int; a finite real). When it does not, or is
    // longer than kLongestLine, the word and the rest of its line are dropped and false is
    // returned with `word` set to the text that was refused (the start of a long word).
    bool read_int(int& value, std::string& word);
    bool read_double(double& value, std::string& word);

    // Name answer: if an earlier read stopped in the middle of a line, the rest of that line
    // (its line end included) is dropped; then blanks are skipped on the same line; a line
    // end there selects `fallback`, otherwise the name is the word that starts there.
    std::string read_name(const std::string& fallback);

    // One-character answer: drops what is left of a line that an earlier read stopped inside,
    // then reads the next character (a line end included). InputEnded at the end of input.
    int read_char();

    // Drops what is left of the current line, line end included, if a read stopped inside it.
    void drop_rest_of_line();

    // True when the input is a terminal (someone types the answers).
    bool interactive() const;

    // Waits for Enter when a person is at the terminal; otherwise prints and reads nothing,
    // so that a script never hangs and never loses answers.
    void pause(std::FILE* out);

  private:
    int peek();
    int get();
    void drop_line();
    bool read_number_word(std::string& word);

    std::FILE* in_;
    int pending_ = kNothing;
    bool started_ = false;       // something has been read
    bool at_line_start_ = true;  // the last character read was a line end
    bool word_cut_ = false;      // the last word read was longer than kLongestLine
    static constexpr int kNothing = -2;
};

}  // namespace ped
