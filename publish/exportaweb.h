// Web export: writes a book out for the HTML5 player, the page, its description and the
// resources it names. For now the file copy that every resource and player file goes through:
// atomic, and never over a file the caller did not mean to replace.
#pragma once

#include <QString>

namespace quibel {

// Outcome of one copy. existia tells whether the target was already there (whether or not it was
// replaced); erro holds the failure's text when ok is false and the target was not merely kept.
struct Copia {
    bool ok = false;
    bool existia = false;
    QString erro;
};

// Copies the regular file orixe to destino. An existing destino is left untouched unless
// substituir; the bytes land in one atomic save, so a failed copy keeps any previous target and
// leaves no temporary file behind.
Copia copiaficheiro(const QString& orixe, const QString& destino, bool substituir);

} // namespace quibel
