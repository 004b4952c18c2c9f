#include "common/files.hpp"

#include <filesystem>
#include <system_error>

namespace ped {

bool same_file(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(a, ec) && fs::exists(b, ec)) {
        const bool same = fs::equivalent(a, b, ec);
        if (!ec) return same;
    }
    const fs::path pa = fs::weakly_canonical(fs::absolute(a, ec), ec);
    const fs::path pb = fs::weakly_canonical(fs::absolute(b, ec), ec);
    return pa.lexically_normal() == pb.lexically_normal();
}

std::string replaced_input(const std::vector<std::string>& outputs,
                           const std::vector<std::string>& inputs) {
    for (const std::string& output : outputs)
        for (const std::string& input : inputs)
            if (same_file(output, input)) return input;
    return "";
}

}  // namespace ped
