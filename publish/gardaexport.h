// The player book file written at export: the book file in its player flavour (version 5.6.4,
// flatter config, every resource by its name in the store, a reduced recursos and adxuntos, the
// player's forms of the menu, external-activity and moving-picture pages), plain or in the
// encoded "[*]" form.
#pragma once

#include "book/gardalocal.h"
#include "publish/exportaweb.h"

#include <QString>
#include <QStringList>

namespace quibel {

// The player flavour for a book whose resources are stored under nomes. libro.carpetarecursos is
// the store folder name (empty: the target folder), as during an export; nomes must outlive the
// policy.
PoliticaLibro politicaexport(const NomesAlmacen& nomes);

// The lines of the file (without line ends): linaslibro with politicaexport, after the default
// messages of a checked right or wrong box; with chkencoded the one line "[*]" + Base64 of the
// plain text (its lines each ended by CR LF).
QStringList linasexport(const Book& libro, const QString& arquivo, int idiomavisor,
                        const NomesAlmacen& nomes);

// Writes the file in one atomic save; on failure the text for the author: interface string 123,
// a blank and the path. Empty when written.
QString gardaexport(const Book& libro, const QString& arquivo, int idiomavisor, const NomesAlmacen& nomes);

} // namespace quibel
