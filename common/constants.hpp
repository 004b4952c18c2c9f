// Physical constants shared by the tools (SI units unless stated).
#pragma once

namespace ped {

inline constexpr double pi = 3.141592653589793;
inline constexpr double planck = 6.62606896e-34;  // J s
inline constexpr double m0 = 9.10938215e-31;      // electron rest mass, kg
inline constexpr double e = 1.60217653e-19;       // elementary charge, C
inline constexpr double lumiere = 299792458;      // speed of light, m/s

}  // namespace ped
