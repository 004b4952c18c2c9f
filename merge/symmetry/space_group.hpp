// A space group in one setting, as a user names it: a number, a Hermann-Mauguin symbol in any
// setting of gemmi's table or a Hall symbol, resolved to gemmi's operations.
#pragma once

#include <gemmi/symmetry.hpp>

#include <optional>
#include <string>

namespace ped::merge {

struct SpaceGroupSetting {
    std::string name;  // gemmi's symbol ("P 1 21/c 1", "R -3 c:H"), or the Hall symbol given
                       // for a setting outside gemmi's table
    std::string hall;
    int number = 0;  // 1 to 230; 0 for a setting outside gemmi's table
    // Identity first, zero centring first, translations from 0 to 23 twenty-fourths. Rotations
    // act on coordinates (x' = R x) and on Miller indices as a row ((h' k' l') = (h k l) R).
    gemmi::GroupOps ops;
};

// The group a user names: a number 1 to 230 (gemmi's reference setting: origin choice 2 where
// there are two, hexagonal axes for R), a Hermann-Mauguin symbol in any setting of gemmi's
// table, with or without spaces ("P b n m", "Pbnm", "P 1 21/n 1", "P21/n", "R -3 :R",
// "Pnnn:2"; "2_1" and "2(1)" for 21; cubic symbols without the bar, "Fd3m"), or a Hall symbol
// ("-P 2ybc"; "Hall: P 2" for one that also reads as a Hermann-Mauguin symbol, here P 1 2 1).
// Surrounding blanks are ignored. No value for any other text.
std::optional<SpaceGroupSetting> find_space_group(const std::string& text);

// True when the text (blanks around it aside) is a number, which find_space_group reads as one.
bool names_a_number(const std::string& text);

// The group of a number in its reference setting (the setting --ita uses); no value outside
// 1 to 230.
std::optional<SpaceGroupSetting> standard_setting(int number);

}  // namespace ped::merge
