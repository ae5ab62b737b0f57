// The editors of the picture games: puzzle (3), X rays (5), classify images (7), identify images
// (11), drag images (14), who is who (17), identify sounds (22) and choose (24).
#pragma once

#include "editor/editores.h"

#include <memory>

namespace quibel {

std::unique_ptr<PageEditor> editorTabPuzzle();
std::unique_ptr<PageEditor> editorTabRaios();
std::unique_ptr<PageEditor> editorTabClaimax();
std::unique_ptr<PageEditor> editorTabSheet14();
std::unique_ptr<PageEditor> editorTabSheet17();
std::unique_ptr<PageEditor> editorTabSheet23();
std::unique_ptr<PageEditor> editorTabSheet15();
std::unique_ptr<PageEditor> editorescoller();

} // namespace quibel
