// SHELX's files from the merged data: reflections in the HKLF 4 layout, FORMAT(3I4,2F8.2,I4)
// for h, k, l, I, sigma(I) and a batch number, ended by a record of zeros; and the instruction
// file that starts SHELXT on them.
#pragma once

#include <string>
#include <vector>

#include "common/reflection.hpp"
#include "common/unit_cell.hpp"
#include "merge/exports/symmetry_operations.hpp"
#include "merge/pipeline/merge_options.hpp"

namespace ped::merge {

// True when v takes at most the 8 columns of F8.2 and lies strictly between -9999.99 and
// 99999.99 once rounded to 2 decimals.
bool fits_f8_2(double v);

// True when v, rounded to 2 decimals, takes at most 7 of the 8 columns of F8.2 and so keeps a
// blank before it: from -999.99 to 9999.99. Readers that split a line on blanks need it.
bool keeps_blank_f8_2(double v);

// The smallest n >= 0 such that every intensity and sigma of the lists, divided by 10^n, keeps
// a blank before it.
int shelx_exponent(const std::vector<const std::vector<Reflection>*>& lists);

// 10^n as the files and messages say it: "1000", "1e+25".
std::string power_of_ten(int n);

// True when a record has a place in the layout: indices from -999 to 9999, not 0 0 0 (the
// end of the data), a batch from 0 to 9999.
bool fits_hklf(const Reflection& r, int batch);

// The records with intensities and sigmas divided by 10^exponent, record i with the batch
// batches[i] (without batch column when `batches` is null), ended by the zero record. A record
// that has no place in the layout is left out and appended to `left_out`.
std::string hklf4(const std::vector<Reflection>& records, const std::vector<int>* batches,
                  int exponent, std::vector<Reflection>& left_out);

// What the instruction file says.
struct InsContent {
    std::string title;      // the TITL line's text
    std::string hkl;        // the reflection file it goes with
    double wavelength = 0;  // angstrom
    UnitCell cell;
    UnitCell cell_su;  // its esds; all 0 when unknown
    ShelxSymmetry symmetry;
    std::vector<ElementCount> composition;  // the cell content; none: REM lines ask for it
    std::vector<std::string> zones;         // batch n is the zone zones[n - 1]
    int exponent = 0;                       // the reflection file's values are divided by 10^n
    size_t absences = 0;                    // the reflection file's last records are absences
};

// TITL, CELL, ZERR (Z = 1: UNIT is the cell content; the cell file's esds, else 0), LATT, SYMM,
// SFAC and UNIT (or REM lines asking for them), the remarks, HKLF 4, END; no line beyond 80
// characters. A long instruction goes on on continuation lines (" =" at the end of a line, the next
// indented), a long remark on further REM lines; a long title is shortened in its middle ("...").
// Nothing, with the word in `too_long`, when a word is too long for a line of its own.
std::string shelx_ins(const InsContent& c, std::string& too_long);

}  // namespace ped::merge
