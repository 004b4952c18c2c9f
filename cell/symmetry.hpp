// The crystal systems the cell tool refines, by their one-letter codes (also typed as numbers
// on the command line: 99, 113, 111, 104, 109).
#pragma once

namespace ped::cell {

inline constexpr int kCubic = 'c';
inline constexpr int kTetragonal = 'q';
inline constexpr int kOrthorhombic = 'o';
inline constexpr int kHexagonal = 'h';
inline constexpr int kMonoclinic = 'm';

inline bool is_refined_system(int code) {
    return code == kCubic || code == kTetragonal || code == kOrthorhombic || code == kHexagonal ||
           code == kMonoclinic;
}

}  // namespace ped::cell
