// Which drops a target accepts, decided from the resource chosen in the resource panel alone (the
// drag itself carries nothing). Kinds as tipoarquivo: 0 none, 1 picture, 2 sound, 3 animation or
// video, 4 text.
#pragma once

#include "book/rutinas.h"

#include <QString>

namespace quibel {

// Picture slots and the other picture targets: anything but sounds and texts.
inline bool logoDragOver(int tiporecurso, const QString& recursoescollido) {
    return tiporecurso != 2 && tiporecurso != 4 && !nomearquivo(recursoescollido).isEmpty();
}
// Sound name edits: sounds only.
inline bool txtsonDragOver(int tiporecurso, const QString& recursoescollido) {
    return tiporecurso == 2 && !nomearquivo(recursoescollido).isEmpty();
}
// The text memos: everything; the drop itself reads the file.
inline bool txtsotextoDragOver(int, const QString&) {
    return true;
}
// The HTML text views: texts only.
inline bool sobretexto(int tiporecurso, const QString& recursoescollido) {
    return tiporecurso == 4 && !nomearquivo(recursoescollido).isEmpty();
}
// The help file edit of the book: texts only.
inline bool axudaDragOver(int tiporecurso, const QString&) {
    return tiporecurso == 4;
}

} // namespace quibel
