#include "names.hpp"

#include "messages.hpp"

namespace ped::cell {

std::string take_input_name(const Terminal& t, const std::vector<std::string>& args) {
    if (args.size() > 1) return args[1];
    std::fputs(kAskInput, t.out);
    std::fflush(t.out);
    return t.in.read_name(kDefaultInput);
}

std::string output_name(const std::string& input) {
    if (input.size() < 3) return input + ".out";
    return input.substr(0, input.size() - 3) + "out";
}

}  // namespace ped::cell
