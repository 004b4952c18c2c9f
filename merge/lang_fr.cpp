// Links the French catalogue into TAV3.
#include "messages.hpp"

namespace ped {
const Messages& catalogue() {
    return french;
}
}  // namespace ped
