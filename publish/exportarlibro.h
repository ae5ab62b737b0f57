// The export driver: from a snapshot of the book and of the export sheet it writes the target
// and store folders, the resource store, and hands the player book file, the HTML5 page with the
// JSON description, the Flash host page and the ZIP package to their steps. It never touches the
// open book: what the window must take back (cleaned names, defaults) is in its result.
#pragma once

#include "book/globais.h"
#include "publish/exportaweb.h"
#include "publish/jsonlibro.h"

#include <QList>
#include <QString>
#include <functional>

namespace quibel {

// The export sheet's own values that the book does not keep.
struct FollaExportar {
    QString txplant;                                                          // custom template file
    QString txdimx = QStringLiteral("100%"), txdimy = QStringLiteral("100%"); // Flash object size
    bool chscorm = false;                                                     // SCORM 1.2 package
    bool chkflash = false;                                                    // Flash host page and player
};

// The sheet's name derivations.
// The HTML page name that goes with a book file name: empty, or the name without extension
// plus ".html".
QString nomehtmlde(const QString& nlibro);
// The name with the extension appended when it has none (an empty name stays empty).
QString conextension(const QString& nome, const QString& extension);
// The name with its extension replaced by ".zip" (added when it has none).
QString nomezip(const QString& nome);

// What an export tells and asks, answered by the window.
struct AvisosExportar {
    std::function<bool(const QString&)> confirmar;     // OK or Cancel: true for OK
    std::function<bool(const QString&)> confirmarsino; // Yes or No: true for Yes
    std::function<void(const QString&)> aviso;         // a warning box
    std::function<void(const QString&)> mensaxe;       // a message box
    std::function<void(const QString&)> titular;       // the title line
    std::function<void(int, int)> progreso;            // position and maximum; repaints
};

// What the steps after the store see.
struct ContextoExportar {
    const Book& libro; // names cleaned; carpetarecursos is the store name
    const FollaExportar& folla;
    QString destino;           // target folder, with a trailing delimiter
    QString almacen;           // store folder, with a trailing delimiter
    QString titulo;            // page title
    QString cartafolplantilla; // folder of the custom template, with a delimiter, or empty
    bool scorm = false;        // the SCORM choice of this export
    const NomesAlmacen& nomes; // the stored names of the resources
    QList<EntradaZip>& zip;    // the entries of the package, in order
};

// The steps of other parts of publishing, each called at its place. An empty one is skipped. A
// step that fails by throwing is reported as the export's failure in the title line.
struct PasosExportar {
    // The Flash host page and zub.swf (only with chkflash); false when saving failed.
    std::function<bool(ContextoExportar&)> flash;
    // The player book file at the path; it reports its own save failure.
    std::function<void(ContextoExportar&, const QString& arquivo)> gardaexport;
    // The HTML5 page from the template with the description (and its ZIP entries with empa).
    std::function<void(ContextoExportar&, const DescricionLibro&)> html;
    // The HTML panel of a page of type 2, 15 or 38, for the description.
    std::function<QString(const Book&, int)> panelhtml;
    // The package's own entries after the HTML5 page: host page, book file, player, SCORM (with
    // an empty HTML page name it adds none).
    std::function<void(ContextoExportar&)> paquete;
    // Writes the archive; the failure's text, or empty.
    std::function<QString(const QString& arquivo, const QList<EntradaZip>&)> escribirzip;
};

struct ResultadoExportar {
    bool rematado = false; // the export ran to its end (the finished picture shows)
    // Sheet values as the export left them.
    QString donde, nlibro, txthtml, txtempa, nalmacen;
    bool empa = false, sihtml = true;
    // Book properties the description filled in (only when it ran).
    bool descrito = false;
    QString arquivoaxuda, txtben, txtmal;
    bool publicado = false;  // the host page step ran without failing
    bool exportando = false; // the HTML5 step was reached
    QList<EntradaZip> zip;   // the package's entries
};

struct ContornoExportar {
    AvisosExportar avisos;
    PasosExportar pasos;
    int idiomavisor = 0;
    QString cartafolactual; // the target when the sheet names none
};

// The export of the book (a snapshot: the caller's book is never changed) with the sheet.
ResultadoExportar exportarlibro(Book libro, const FollaExportar& folla, const ContornoExportar& contorno);

} // namespace quibel
