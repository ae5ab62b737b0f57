// The editors of the two grid pages: tables (type 36) and formulae (type 49).
#pragma once

#include "editor/editores.h"

#include <memory>

namespace quibel {

std::unique_ptr<PageEditor> editorcadros();
std::unique_ptr<PageEditor> editorformula();

} // namespace quibel
