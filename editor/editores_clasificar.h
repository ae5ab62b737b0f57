// The editors of the pages built from short texts that the reader classifies, links or puts in
// order: classify texts (6), links (9), drag texts (13), links 2 (28), sort (34), pyramid (37),
// relations (46) and classify 2 (47).
#pragma once

#include "editor/editores.h"

#include <memory>

namespace quibel {

std::unique_ptr<PageEditor> editorTabClasificar();
std::unique_ptr<PageEditor> editorTabLiga();
std::unique_ptr<PageEditor> editorTabSheet16();
std::unique_ptr<PageEditor> editorTabSheet26();
std::unique_ptr<PageEditor> editorTabSheet34();
std::unique_ptr<PageEditor> editorTabSheet37();
std::unique_ptr<PageEditor> editorrelaciona();
std::unique_ptr<PageEditor> editorclasifica2();

} // namespace quibel
