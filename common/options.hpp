// A tool declares its options once, as a table: each row names an option, the kind of value it
// takes and the member of the tool's options value that receives it, and what --help says of
// it in each language. The options of a command line are read against the table in one place
// (read_options): each value is checked by its kind, the first one refused ends the run. The
// options part of --help is written from the table (options_help).
//
//     struct Options { bool stats = false; std::optional<int> shells; };
//     const OptionTable<Options> table{
//         {.name = "stats", .kind = flag(&Options::stats), .english = {...}, .french = {...}},
//         {.name = "shells", .kind = whole(&Options::shells, 1, 100), ...}};
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/command_line.hpp"
#include "common/language.hpp"
#include "common/terminal.hpp"
#include "common/text.hpp"

namespace ped {

// What --help says of an option in one language: the name of its value, shown after '=' (null
// for an option without value), and its text, "\n" between its lines.
struct OptionHelp {
    const char* value;
    const char* text;
};

// A number with the text it was typed as, for the messages that repeat it.
struct TypedNumber {
    double value;
    std::string text;
};

// How the value of an option is checked and stored in the options value V: `store` gets the
// option's name and its value as typed, and returns the message that refuses the value ("" when
// it is taken).
template <class V>
struct ValueKind {
    bool takes_value;
    std::function<std::string(V& options, const char* name, const std::string& value,
                              const Language& lang)>
        store;
};

template <class V>
struct Option {
    const char* name;  // without the leading "--"
    ValueKind<V> kind;
    OptionHelp english, french;
};

template <class V>
using OptionTable = std::vector<Option<V>>;

// The messages that refuse a value: one that is not of the option's kind, and one outside the
// range of the option, with the reason.
std::string bad_value(const Language& lang, const char* name, const std::string& value);
std::string refused_value(const Language& lang, const char* name, const std::string& value,
                          const char* why);

// The kinds of value.

// No value: the option given sets the member.
template <class V>
ValueKind<V> flag(bool V::*member) {
    return {false, [member](V& o, const char*, const std::string&, const Language&) {
                o.*member = true;
                return std::string();
            }};
}

// A whole number from `low` to `high`.
template <class V>
ValueKind<V> whole(std::optional<int> V::*member, int low, int high) {
    return {true, [=](V& o, const char* name, const std::string& value, const Language& lang) {
                int n = 0;
                if (!parse_int(value, n) || n < low || n > high)
                    return bad_value(lang, name, value);
                o.*member = n;
                return std::string();
            }};
}

// A real number from `low` to `high`; a number outside is refused with `why`.
template <class V>
ValueKind<V> real(std::optional<TypedNumber> V::*member, double low, double high, Bilingual why) {
    return {true, [=](V& o, const char* name, const std::string& value, const Language& lang) {
                double x = 0;
                if (!parse_double(value, x)) return bad_value(lang, name, value);
                if (!(x >= low && x <= high)) return refused_value(lang, name, value, why.in(lang));
                o.*member = TypedNumber{x, value};
                return std::string();
            }};
}

// Any text.
template <class V>
ValueKind<V> text(std::optional<std::string> V::*member) {
    return {true, [member](V& o, const char*, const std::string& value, const Language&) {
                o.*member = value;
                return std::string();
            }};
}

// One of the words of a list, each standing for a value of the member's type.
template <class V, class T>
ValueKind<V> one_of(T V::*member, std::vector<std::pair<const char*, T>> words) {
    return {true, [=](V& o, const char* name, const std::string& value, const Language& lang) {
                for (const auto& [word, meaning] : words)
                    if (value == word) {
                        o.*member = meaning;
                        return std::string();
                    }
                return bad_value(lang, name, value);
            }};
}

// What the command line splitter needs of the table.
template <class V>
std::vector<OptionShape> option_shapes(const OptionTable<V>& table) {
    std::vector<OptionShape> shapes;
    for (const Option<V>& o : table) shapes.push_back({o.name, o.kind.takes_value});
    return shapes;
}

// The options given, stored in the order of the table; the first value refused ends the run.
template <class V>
V read_options(const OptionTable<V>& table, const std::vector<GivenOption>& given,
               const Language& lang) {
    V options{};
    for (size_t o = 0; o < table.size(); ++o)
        for (const GivenOption& g : given) {
            if (g.option != o) continue;
            const std::string refused = table[o].kind.store(options, table[o].name, g.value, lang);
            if (!refused.empty()) fail(refused);
        }
    return options;
}

// One option of --help: "--name=VALUE" in a column of 18, its text beside it (under it when
// the name is wider), every line of the text indented to the same column.
void append_option_help(std::string& out, const char* name, const OptionHelp& help);

// The lines of the table's options in --help, in the tool's language.
template <class V>
std::string options_help(const OptionTable<V>& table, const Language& lang) {
    std::string out;
    for (const Option<V>& o : table)
        append_option_help(out, o.name, lang.tongue == Tongue::french ? o.french : o.english);
    return out;
}

}  // namespace ped
