#include "publish/previa.h"

#include "book/rutinas.h"
#include "publish/enchehtml.h"
#include "publish/jsonlibro.h"

#include <QDir>
#include <QFileInfo>

namespace quibel {

Previa construirprevia(const Book& libro, int paxinaactual, int idiomavisor, const QString& txplant) {
    Previa r{{}, {}, libro.arquivoaxuda, libro.txtben, libro.txtmal};
    const QString traballo = condelimitador(libro.carpetatemporal);
    if (traballo.isEmpty() || (!QFileInfo(traballo).isDir() && !QDir().mkdir(traballo))) return r;
    const Enderezar url = [](const QString& ruta) { return rutaurl(ruta, {}, false); };
    OpcionsJson o;
    o.exportando = false;
    o.paxinaactual = paxinaactual;
    o.idiomavisor = idiomavisor;
    o.panelhtml = [&url](const Book& b, int p) { return panelhtml(b, p, url); };
    const DescricionLibro d = crearjson(libro, o);
    r.arquivoaxuda = d.arquivoaxuda;
    r.txtben = d.txtben;
    r.txtmal = d.txtmal;

    PaxinaHtml e = paxinahtml(d);
    e.nomehtml = paxinaprevia;
    e.destino = traballo;
    if (!txplant.isEmpty()) {
        const QString c = QFileInfo(txplant).absolutePath();
        if (QFileInfo(c).isDir()) e.cartafolxogador = condelimitador(c);
    }
    e.plantillapropia = txplant;
    e.carpetaprograma = libro.carpetaprograma;
    // No package is made from a preview, so it lists no entries.
    const ResultadoHtml h = enchehtml(e);
    r.erro = h.erro;
    if (h.escrita) r.arquivo = traballo + paxinaprevia;
    return r;
}

VistaPublicada vistapublicada(bool publicado, const QString& donde, const QString& txthtml) {
    if (!publicado) return {{}, 160};
    const QString arquivo = condelimitador(donde) + txthtml;
    if (txthtml.isEmpty() || !QFileInfo(arquivo).isFile()) return {{}, 161};
    return {arquivo, -1};
}

} // namespace quibel
