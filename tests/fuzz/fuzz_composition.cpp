// Compositions as a user types them after --composition: any text either reads as elements of
// the periodic table, each once with a number of atoms above 0, or is refused naming a word of
// it; what reads goes into SFAC and UNIT on lines of at most 80 characters that give every
// number back, or the .ins is refused naming a word; the volume per atom in a cell is a number.
#include <cmath>
#include <cstdint>
#include <set>
#include <sstream>
#include <string>

#include "common/text.hpp"
#include "fuzz_input.hpp"
#include "merge/exports/cell_content.hpp"
#include "merge/exports/export_options.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ped;
    using namespace ped::merge;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<ElementCount> elements;
    std::string bad;
    if (!parse_composition(text, elements, bad)) {
        fuzz::require(text.find(bad) != std::string::npos);
        return 0;
    }
    std::set<std::string> symbols;
    for (const ElementCount& e : elements) {
        fuzz::require(std::isfinite(e.count) && e.count > 0);
        fuzz::require(symbols.insert(e.symbol).second);
    }
    InsContent c;
    c.cell = {5.44, 7.64, 5.38, 90, 90, 90};
    c.composition = elements;
    std::string too_long;
    const std::string ins = shelx_ins(c, too_long);
    fuzz::require(ins.empty() != too_long.empty());
    // UNIT as SHELX reads it: its lines joined where they end in " =".
    std::string unit, line;
    bool in_unit = false;
    std::istringstream lines(ins);
    while (std::getline(lines, line)) {
        fuzz::require(line.size() <= 80);
        if (line.rfind("UNIT ", 0) == 0) in_unit = true;
        if (!in_unit) continue;
        const bool goes_on = line.size() > 2 && line.compare(line.size() - 2, 2, " =") == 0;
        unit += " " + line.substr(0, line.size() - (goes_on ? 2 : 0));
        in_unit = goes_on;
    }
    if (!ins.empty()) {
        const std::vector<std::string> words = split_ws(unit);
        fuzz::require(words.size() == elements.size() + 1);
        for (size_t n = 0; n < elements.size(); ++n) {
            double count = 0;
            fuzz::require(parse_double(words[n + 1], count));
            // Four decimals: half a unit of the last one, and the binary rounding of the text.
            fuzz::require(std::fabs(count - elements[n].count) <=
                          5e-5 * std::fmax(1, count) + 1e-12);
        }
    }
    const CellContent content = cell_content(c.cell, elements);
    fuzz::require(content.volume_per_atom >= 0 && content.z_min >= 1);
    warn_cell_content(Session{fuzz::quiet_terminal(), english_catalogue}, c.cell, elements, "f");
    return 0;
}
