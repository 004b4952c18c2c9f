// A reflection as the prepared, scaled and merged files hold it: h k l I sigI g.
#pragma once

#include <cmath>

namespace ped {

struct Reflection {
    int h = 0, k = 0, l = 0;
    double i = 0, sig = 0, g = 0;
};

inline constexpr const char* kReflectionLayout = "%4d%4d%4d%15.2lf%15.2lf%15.8lf\n";

inline bool is_finite(const Reflection& r) {
    return std::isfinite(r.i) && std::isfinite(r.sig) && std::isfinite(r.g);
}

}  // namespace ped
