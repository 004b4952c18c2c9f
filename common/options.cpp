#include "common/options.hpp"

namespace ped {

std::string bad_value(const Language& lang, const char* name, const std::string& value) {
    return strprintf(lang.option_bad_value, name, value.c_str());
}

std::string refused_value(const Language& lang, const char* name, const std::string& value,
                          const char* why) {
    return strprintf(lang.option_refused, name, value.c_str(), why);
}

void append_option_help(std::string& out, const char* name, const OptionHelp& help) {
    constexpr size_t kIndent = 2, kColumn = 20;
    std::string left = std::string(kIndent, ' ') + "--" + name;
    if (help.value) left += std::string("=") + help.value;
    out += left;
    if (left.size() + 2 <= kColumn)
        out.append(kColumn - left.size(), ' ');
    else
        out += "\n" + std::string(kColumn, ' ');
    for (const char* c = help.text; *c; ++c) {
        out += *c;
        if (*c == '\n') out.append(kColumn, ' ');
    }
    out += '\n';
}

}  // namespace ped
