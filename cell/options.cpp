#include "cell/run.hpp"

namespace ped::cell {

const OptionTable<CellOptions>& cell_option_table() {
    static const OptionTable<CellOptions> table{
        {.name = "cell-cif",
         .kind = flag(&CellOptions::cell_cif),
         .english = {nullptr,
                     "also write <input stem>_cell.cif (demofin_cell.cif): the cell with the\n"
                     "standard deviation of each parameter over the fits as its uncertainty,\n"
                     "\"_cell_length_a 5.4410(6)\"; the merge tool's --cell-file reads it"},
         .french = {nullptr,
                    "ecrit aussi <entree sans extension>_cell.cif (demofin_cell.cif) : la\n"
                    "maille avec l'ecart type de chaque parametre sur les ajustements comme\n"
                    "incertitude, \"_cell_length_a 5.4410(6)\" ; le --cell-file de l'outil\n"
                    "de fusion le lit"}},
    };
    return table;
}

}  // namespace ped::cell
