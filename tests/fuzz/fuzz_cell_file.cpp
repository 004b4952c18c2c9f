// Cells: the cell file the --cell-file option reads (its line or a CIF), and the same bytes as
// a --cell value. A cell taken as good has six finite numbers within their limits and finite
// uncertainties of 0 or more, and its index box stays bounded however far in g it is asked.
#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "common/text.hpp"
#include "common/unit_cell.hpp"
#include "fuzz_input.hpp"

namespace {

void require_good(const ped::UnitCell& c) {
    using ped::fuzz::require;
    for (double length : {c.a, c.b, c.c}) require(length > 0 && length < ped::kLongestCellLength);
    for (double angle : {c.alpha, c.beta, c.gamma}) require(angle > 0 && angle < 180);
    const ped::ReciprocalMetric metric(c);
    for (int axis = 0; axis < 3; ++axis) {
        const double index = metric.max_index(axis, 1e6);
        require(index >= 0 && index <= 1e10 && index == std::floor(index));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ped;
    const std::string text(reinterpret_cast<const char*>(data), size);
    UnitCell cell;
    if (parse_cell(text, cell) == CellProblem::none) require_good(cell);

    // The bytes as a file in memory, which disappears with its descriptor.
    const int fd = memfd_create("fuzz_cell_file", 0);
    if (fd < 0) return 0;
    if (write(fd, data, size) != static_cast<ssize_t>(size)) {
        close(fd);
        return 0;
    }
    CellProblem problem = CellProblem::none;
    long line = -1;
    UnitCell su;
    const int reason =
        read_cell_file("/proc/self/fd/" + std::to_string(fd), cell, problem, &line, &su);
    close(fd);
    fuzz::require(reason == 0 && line >= 0);
    if (problem == CellProblem::none) {
        fuzz::require(line > 0);
        require_good(cell);
        for (double u : {su.a, su.b, su.c, su.alpha, su.beta, su.gamma})
            fuzz::require(u >= 0 && std::isfinite(u));
    }
    return 0;
}
