// The editors of the pages whose elements are placed on a picture (tags, moving pictures, tags-2)
// and of the pages built from small sets of pictures, sounds and words (series, sort images,
// pairs-2, identify images-2, lyrics, memory).
#pragma once

#include "editor/editores.h"

namespace quibel {

// The editor of type 20, 23, 30, 32, 35, 39, 44, 50 or 51; empty for another type.
FabricaEditor editorposicions(int tipo);

} // namespace quibel
