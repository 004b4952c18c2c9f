// TAV3: the merge tool in French.
#include "merge/run.hpp"

int main(int argc, char** argv) {
    return ped::merge::merge_main(argc, argv, "TAV3", ped::merge::french_catalogue);
}
