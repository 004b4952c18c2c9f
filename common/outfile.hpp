// An output file written in binary mode ("\n" line ends on every platform) that remembers
// whether every write went through, so a tool never reports success for a half file. Text is
// gathered in memory and written in large blocks; records and formats go through the exact
// formatting layer (common/format.hpp) instead of printf.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

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
    const std::string& path() const { return path_; }

    void printf(const char* fmt, ...) PED_PRINTF_LIKE(2, 3);
    void write(std::string_view text) {
        if (!file_) return;
        sink_->buffer().append(text);
        sink_->commit();
    }

    // A record "h k l I sigI g" in its layout (append_reflection).
    void reflection(int h, int k, int l, double i, double sig, double g) {
        if (!file_) return;
        append_reflection(sink_->buffer(), h, k, l, i, sig, g);
        sink_->commit();
    }

    // Closes the file. True when every write and the close itself succeeded.
    bool close();

  private:
    std::FILE* file_ = nullptr;
    std::unique_ptr<FileSink> sink_;
    std::string path_;
    bool failed_ = false;
};

}  // namespace ped
