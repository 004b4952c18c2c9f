// Helpers of the fuzz targets: the input as a stream, a sink for what the readers write.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "common/terminal.hpp"

namespace ped::fuzz {

// The fuzzer's bytes as a read-only stream (null for an empty input on old C libraries).
inline std::FILE* as_stream(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return nullptr;
    return fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
}

// Where warnings and echoes go.
inline std::FILE* sink() {
    static std::FILE* null = std::fopen("/dev/null", "wb");
    return null;
}

// A terminal that reads nothing and whose output goes nowhere, for the readers' warnings.
inline const Terminal& quiet_terminal() {
    static Console console(std::fopen("/dev/null", "rb"));
    static const Terminal t{console, sink(), sink(), "fuzz", english};
    return t;
}

// Stops the fuzzer on a broken promise (a value that must be finite, say).
inline void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace ped::fuzz
