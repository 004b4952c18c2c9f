// tiltmap: the angles of reflection rows against a reference row, their point file, and the
// 501 x 501 map of the points as a text matrix and as a picture.
#include <cstdio>
#include <string>
#include <vector>

#include "console.hpp"
#include "driver.hpp"
#include "messages.hpp"
#include "terminal.hpp"

int main(int argc, char** argv) {
    ped::Console console(stdin);
    ped::Terminal term{console, stdout, stderr, argc > 0 ? argv[0] : "", ped::kMapErrorHeader};
    ped::speak_french(term);
    const std::vector<std::string> args(argv, argv + argc);
    try {
        return ped::finish(term, ped::run_map(term, args));
    } catch (const ped::InputEnded&) {
        return ped::finish(term, ped::error(term, ped::kInputEnded));
    }
}
