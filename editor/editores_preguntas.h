// The editors of the questions and word games: multiple answer (1), find a word (4), sentences
// (8), questions (10), complete (18), secret word (19), orthography (43), dictation (45) and
// sentences-2 (48).
#pragma once

#include "editor/editores.h"

#include <memory>

namespace quibel {

std::unique_ptr<PageEditor> editormultiple();
std::unique_ptr<PageEditor> editorsopa();
std::unique_ptr<PageEditor> editorfrases();
std::unique_ptr<PageEditor> editorpregunta();
std::unique_ptr<PageEditor> editorrellena();
std::unique_ptr<PageEditor> editorsegreda();
std::unique_ptr<PageEditor> editorortograf();
std::unique_ptr<PageEditor> editordictado();
std::unique_ptr<PageEditor> editorfrases2();

} // namespace quibel
