#include "common/files.hpp"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

namespace ped {

FileIdentity file_identity(const std::string& name) {
    namespace fs = std::filesystem;
    FileIdentity id;
    struct stat st;
    if (::stat(name.c_str(), &st) == 0) {
        id.exists = true;
        id.device = st.st_dev;
        id.inode = st.st_ino;
    }
    std::error_code ec;
    id.path = fs::weakly_canonical(fs::absolute(name, ec), ec).lexically_normal().string();
    return id;
}

bool same_file(const FileIdentity& a, const FileIdentity& b) {
    if (a.exists && b.exists) return a.device == b.device && a.inode == b.inode;
    return a.path == b.path;
}

bool same_file(const std::string& a, const std::string& b) {
    return same_file(file_identity(a), file_identity(b));
}

std::string replaced_input(const std::vector<std::string>& outputs,
                           const std::vector<std::string>& inputs) {
    std::vector<FileIdentity> known;
    for (const std::string& input : inputs) known.push_back(file_identity(input));
    for (const std::string& output : outputs) {
        const FileIdentity out = file_identity(output);
        for (size_t i = 0; i < inputs.size(); ++i)
            if (same_file(out, known[i])) return inputs[i];
    }
    return "";
}

}  // namespace ped
