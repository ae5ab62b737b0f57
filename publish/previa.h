// The preview: the HTML5 page of the open book built into the work folder, with every resource
// addressed where it lies (nothing is copied, no book file is written); and what "Vista previa"
// of the export sheet opens.
#pragma once

#include "book/globais.h"

#include <QString>

namespace quibel {

// The name of the preview page in the work folder.
inline const QString paxinaprevia = QStringLiteral("temp_zub.html");

struct Previa {
    QString arquivo; // the page, when this build wrote it; else empty
    QString erro;    // the stage message to show, or empty
    // What the description fills into the book properties, kept after a preview too.
    QString arquivoaxuda, txtben, txtmal;
};

// Builds the preview of the book starting at page paxinaactual (0: none shown) into the work
// folder libro.carpetatemporal (made when missing). txplant is the author's template, or empty.
Previa construirprevia(const Book& libro, int paxinaactual, int idiomavisor, const QString& txplant);

// "Vista previa": the page that the last export wrote, or the interface string to show instead
// (160 before an export, 161 when the page is gone).
struct VistaPublicada {
    QString arquivo;
    int texto = -1;
};
VistaPublicada vistapublicada(bool publicado, const QString& donde, const QString& txthtml);

} // namespace quibel
