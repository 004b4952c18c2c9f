// TAV3eng: the merge tool in English.
#include "merge/run.hpp"

int main(int argc, char** argv) {
    return ped::merge::merge_main(argc, argv, "TAV3eng", ped::merge::english_catalogue);
}
