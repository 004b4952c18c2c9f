#include "common/outfile.hpp"

#include <cstdarg>

namespace ped {

OutFile::~OutFile() {
    if (file_) std::fclose(file_);
}

bool OutFile::open(const std::string& path) {
    if (file_) close();
    path_ = path;
    failed_ = false;
    file_ = std::fopen(path.c_str(), "wb");
    if (file_) std::setvbuf(file_, nullptr, _IOFBF, 1 << 16);
    return file_ != nullptr;
}

void OutFile::printf(const char* fmt, ...) {
    if (!file_) return;
    va_list args;
    va_start(args, fmt);
    if (std::vfprintf(file_, fmt, args) < 0) failed_ = true;
    va_end(args);
}

void OutFile::write(const std::string& text) {
    if (!file_) return;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) failed_ = true;
}

bool OutFile::close() {
    if (!file_) return !failed_;
    if (std::ferror(file_)) failed_ = true;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
}

}  // namespace ped
