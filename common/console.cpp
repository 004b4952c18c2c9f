#include "common/console.hpp"

#include <unistd.h>

#include "common/text.hpp"

namespace ped {

int Console::peek() {
    if (pending_ == kNothing) pending_ = std::fgetc(in_);
    return pending_;
}

int Console::get() {
    const int c = peek();
    pending_ = kNothing;
    if (c != EOF) {
        started_ = true;
        at_line_start_ = (c == '\n');
    }
    return c;
}

void Console::drop_line() {
    int c;
    do c = get();
    while (c != '\n' && c != EOF);
}

void Console::drop_rest_of_line() {
    if (started_ && !at_line_start_) drop_line();
}

std::string Console::read_word() {
    while (peek() != EOF && is_space(peek())) get();
    if (peek() == EOF) throw InputEnded();
    std::string word;
    word_cut_ = false;
    while (peek() != EOF && !is_space(peek())) {
        const char c = static_cast<char>(get());
        if (word.size() < kLongestLine)
            word.push_back(c);
        else
            word_cut_ = true;
    }
    return word;
}

// The next word, false (with the rest of its line dropped) when it is too long to be a number.
bool Console::read_number_word(std::string& word) {
    word = read_word();
    if (!word_cut_) return true;
    word = word.substr(0, 32) + "...";
    drop_line();
    return false;
}

bool Console::read_int(int& value, std::string& word) {
    if (!read_number_word(word)) return false;
    if (parse_int(word, value)) return true;
    drop_line();
    return false;
}

bool Console::read_double(double& value, std::string& word) {
    if (!read_number_word(word)) return false;
    if (parse_double(word, value)) return true;
    drop_line();
    return false;
}

std::string Console::read_name(const std::string& fallback) {
    drop_rest_of_line();
    while (peek() != EOF && peek() != '\n' && is_space(peek())) get();
    if (peek() == EOF) throw InputEnded();
    if (peek() == '\n') {
        get();
        return fallback;
    }
    return read_word();
}

int Console::read_char() {
    drop_rest_of_line();
    const int c = get();
    if (c == EOF) throw InputEnded();
    return c;
}

bool Console::interactive() const {
    return isatty(fileno(in_)) == 1;
}

void Console::pause(std::FILE* out) {
    std::fflush(out);
    if (!interactive()) return;
    std::fputs("Press Enter to continue . . .\n", out);
    std::fflush(out);
    drop_rest_of_line();
    int c;
    do c = get();
    while (c != '\n' && c != EOF);
}

}  // namespace ped
