// Links the English catalogue into TAV3eng.
#include "messages.hpp"

namespace ped {
const Messages& catalogue() {
    return english;
}
}  // namespace ped
