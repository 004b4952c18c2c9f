#include "terminal.hpp"

#include <cstring>

namespace ped {

int error(const Terminal& t, const char* message) {
    std::fprintf(t.out, t.error_header, t.prg_name.c_str());
    if (message) std::fprintf(t.out, "%s\n", message);
    std::fflush(t.out);
    t.in.pause(t.out);
    return -1;
}

int file_error(const Terminal& t, const std::string& path, int reason, const char* message) {
    std::fprintf(t.diag, "%s: %s\n", path.c_str(), std::strerror(reason));
    return error(t, message);
}

bool close_checked(const Terminal& t, OutFile& file, const char* message) {
    if (file.close()) return true;
    std::fprintf(t.diag, t.incomplete, file.path().c_str());
    error(t, message);
    return false;
}

int finish(const Terminal& t, int status) {
    if (std::fflush(t.out) != 0 || std::ferror(t.out)) {
        std::fputs("error: the console output could not be written completely\n", t.diag);
        return -1;
    }
    return status;
}

void say_refused(const Terminal& t, const std::string& word, const char* expected) {
    std::fprintf(t.diag, t.refused, word.c_str(), expected);
    std::fflush(t.diag);
}

namespace {

void ask(const Terminal& t, const char* question) {
    std::fputs(question, t.out);
    std::fflush(t.out);
}
}  // namespace

int ask_int(const Terminal& t, const char* question) {
    for (;;) {
        ask(t, question);
        int value;
        std::string word;
        if (t.in.read_int(value, word)) return value;
        say_refused(t, word, t.whole_number);
    }
}

double ask_double(const Terminal& t, const char* question) {
    for (;;) {
        ask(t, question);
        double value;
        std::string word;
        if (t.in.read_double(value, word)) return value;
        say_refused(t, word, t.number);
    }
}

void ask_two_doubles(const Terminal& t, const char* question, double& first, double& second) {
    for (;;) {
        ask(t, question);
        std::string word;
        if (t.in.read_double(first, word) && t.in.read_double(second, word)) return;
        say_refused(t, word, t.number);
    }
}

}  // namespace ped
