#include "common/outfile.hpp"

#include <cstdarg>

namespace ped {

OutFile::~OutFile() {
    sink_.reset();
    if (file_) std::fclose(file_);
}

bool OutFile::open(const std::string& path) {
    if (file_) close();
    path_ = path;
    failed_ = false;
    file_ = std::fopen(path.c_str(), "wb");
    if (file_) sink_ = std::make_unique<FileSink>(file_);
    return file_ != nullptr;
}

void OutFile::printf(const char* fmt, ...) {
    if (!file_) return;
    va_list args;
    va_start(args, fmt);
    put_vformat(sink_->buffer(), fmt, args);
    va_end(args);
    sink_->commit();
}

bool OutFile::close() {
    if (!file_) return !failed_;
    if (!sink_->finish()) failed_ = true;
    sink_.reset();
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
}

}  // namespace ped
