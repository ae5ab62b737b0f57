// The editors of the pages about numbers and quantities: clock, operations, panel, measures,
// operations-2, fractions and fractions-2.
#pragma once

#include "editor/editores.h"

namespace quibel {

// The editor of type 25, 26, 27, 31, 33, 40 or 41; empty for another type.
FabricaEditor editornumeros(int tipo);

} // namespace quibel
