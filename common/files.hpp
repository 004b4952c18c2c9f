// File identity, so that a tool never writes over one of its own inputs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ped {

// What tells one file from another: its device and inode when it exists, else its path made
// absolute and normalised. Taking it once per name keeps a comparison of many names from
// asking the file system again for every pair.
struct FileIdentity {
    bool exists = false;
    std::uintmax_t device = 0, inode = 0;
    std::string path;
};
FileIdentity file_identity(const std::string& name);

// True when the two reach the same file: the same existing file, or the same path when either
// does not exist.
bool same_file(const FileIdentity& a, const FileIdentity& b);

// True when the two names reach the same file: the same existing file (links and different
// spellings of one path included), or the same path once made absolute and normalised.
bool same_file(const std::string& a, const std::string& b);

// The first of `inputs` that one of `outputs` would replace, or "" when there is none.
std::string replaced_input(const std::vector<std::string>& outputs,
                           const std::vector<std::string>& inputs);

}  // namespace ped
