// The merge tool: TAV3eng (English) or TAV3 (French), by the catalogue linked in.
#include <cstdio>
#include <string>
#include <vector>

#include "console.hpp"
#include "driver.hpp"
#include "messages.hpp"
#include "terminal.hpp"

int main(int argc, char** argv) {
    const ped::Messages& msg = ped::catalogue();
    ped::Console console(stdin);
    const ped::Terminal term{console, stdout, stderr, argc > 0 ? argv[0] : "", msg.error_header};
    const ped::Session session{term, msg};
    const std::vector<std::string> args(argv, argv + argc);
    try {
        return ped::finish(term, ped::run_merge(session, args));
    } catch (const ped::InputEnded&) {
        return ped::finish(term,
                           ped::error(term, "error: the input ended while an answer was expected"));
    }
}
