// The libraries the program needs only now and then, sound output (SDL2_mixer) and the image
// window's imaging library (GraphicsMagick), live in two modules beside the program. Each is
// opened the first time it is used, so neither library, nor the codecs they bring, loads at start.
#pragma once

#include <QString>

namespace quibel {

// The entry point `simbolo` of the module `nome` (the file libquibel<nome>.so), opened at the
// first call and kept for the life of the process; null, with the reason in erro, when the module
// cannot be opened or has no such entry.
void* funcionmodulo(const char* nome, const char* simbolo, QString* erro = nullptr);

} // namespace quibel
