// An output file written in binary mode ("\n" line ends on every platform) that remembers
// whether every write went through, so a tool never reports success for a half file. Text is
// gathered in memory and written in large blocks; fixed layouts can be appended to the buffer
// directly (common/format.hpp) instead of going through printf.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "common/format.hpp"
#include "common/text.hpp"

namespace ped {

class OutFile {
  public:
    OutFile() = default;
    OutFile(const OutFile&) = delete;
    OutFile& operator=(const OutFile&) = delete;
    ~OutFile();

    // Creates or truncates the file. False when it cannot be created.
    bool open(const std::string& path);
    bool is_open() const { return file_ != nullptr; }
    const std::string& path() const { return path_; }

    void printf(const char* fmt, ...) PED_PRINTF_LIKE(2, 3);
    void write(const std::string& text);

    // A record "h k l I sigI g" in its layout (kReflectionLayout).
    void reflection(int h, int k, int l, double i, double sig, double g) {
        if (!file_) return;
        append_reflection(sink_->buffer(), h, k, l, i, sig, g);
        sink_->commit();
    }

    // The text not yet written, to append to; commit() after appending. (Text appended while
    // the file is not open goes nowhere.)
    std::string& buffer() { return sink_ ? sink_->buffer() : nowhere_; }
    void commit() {
        if (sink_) sink_->commit();
        nowhere_.clear();
    }

    // Closes the file. True when every write and the close itself succeeded.
    bool close();

  private:
    std::FILE* file_ = nullptr;
    std::unique_ptr<FileSink> sink_;
    std::string path_;
    std::string nowhere_;
    bool failed_ = false;
};

}  // namespace ped
