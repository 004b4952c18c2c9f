// The cell tool cellsolve: refines a cubic, tetragonal, orthorhombic, hexagonal or monoclinic
// cell from the merged reflection list of the merge tool.
#include <cstdio>
#include <string>
#include <vector>

#include "console.hpp"
#include "messages.hpp"
#include "run.hpp"
#include "terminal.hpp"

int main(int argc, char** argv) {
    ped::Console console(stdin);
    ped::Terminal term{console, stdout, stderr, argc > 0 ? argv[0] : "", ped::cell::kErrorHeader};
    ped::speak_french(term);
    const std::vector<std::string> args(argv, argv + argc);
    try {
        return ped::finish(term, ped::cell::run_cell(term, args));
    } catch (const ped::InputEnded&) {
        return ped::finish(
            term,
            ped::error(term, "erreur : l'entree est finie alors qu'une reponse etait attendue"));
    }
}
