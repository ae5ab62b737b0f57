#include "publish/exportarlibro.h"

#include "book/rutinas.h"
#include "languages/idiomas.h"

#include <QDir>
#include <QFileInfo>

namespace quibel {

QString nomehtmlde(const QString& nlibro) {
    return nlibro.isEmpty() ? QString() : senextension(nlibro) + QStringLiteral(".html");
}

QString conextension(const QString& nome, const QString& extension) {
    if (nome.isEmpty() || senextension(nome) != nome) return nome;
    return nome + extension;
}

QString nomezip(const QString& nome) {
    return nome.isEmpty() ? nome : senextension(nome) + QStringLiteral(".zip");
}

namespace {

// The folder exists, or is made (one level) after the question; false stops the export.
bool cartafol(const QString& ruta, int pregunta, int fallo, const AvisosExportar& a) {
    if (QFileInfo(ruta).isDir()) return true;
    if (!a.confirmar || !a.confirmar(textosui[pregunta])) return false;
    if (QDir().mkdir(ruta)) return true;
    if (a.aviso) a.aviso(textosui[fallo]);
    return false;
}

void titular(const AvisosExportar& a, int texto) {
    if (a.titular) a.titular(textosui[texto]);
}

} // namespace

ResultadoExportar exportarlibro(Book libro, const FollaExportar& folla, const ContornoExportar& contorno) {
    const AvisosExportar& avisos = contorno.avisos;
    const PasosExportar& pasos = contorno.pasos;
    ResultadoExportar r;
    const bool scorm = folla.chscorm;

    // The three names in lower case, each one path component; a lower-cased book name no longer
    // derives the HTML name, so a custom one stays.
    libro.nlibro = conextension(minusculasascii(nomepropio(libro.nlibro)), QStringLiteral(".zub"));
    libro.txthtml = minusculasascii(nomepropio(libro.txthtml));
    libro.txtempa = minusculasascii(nomepropio(libro.txtempa));
    const auto devolver = [&] {
        r.donde = libro.donde;
        r.nlibro = libro.nlibro;
        r.txthtml = libro.txthtml;
        r.txtempa = libro.txtempa;
        r.nalmacen = libro.nalmacen;
        r.empa = libro.empa;
        r.sihtml = libro.sihtml;
        return r;
    };
    if (libro.nlibro.isEmpty()) {
        if (avisos.mensaxe) avisos.mensaxe(textosui[125]);
        return devolver();
    }

    // Target and store folders.
    if (libro.donde.isEmpty()) libro.donde = contorno.cartafolactual;
    // A relative target is taken from the folder the sheet stands for, never from wherever the
    // process happens to be.
    if (!libro.donde.isEmpty() && QFileInfo(libro.donde).isRelative())
        libro.donde = condelimitador(contorno.cartafolactual) + libro.donde;
    libro.donde = condelimitador(libro.donde);
    const QString destino = libro.donde;
    if (destino.isEmpty() || !cartafol(destino, 119, 120, avisos)) return devolver();
    libro.nalmacen = nomepropio(libro.nalmacen);
    const QString almacen = libro.nalmacen.isEmpty() ? destino : destino + libro.nalmacen + u'/';
    if (!libro.nalmacen.isEmpty() && !cartafol(almacen, 121, 122, avisos)) return devolver();

    if (libro.txtempa.isEmpty()) libro.empa = false;
    if (libro.txthtml.isEmpty()) libro.sihtml = false;
    const QString arquivozip = destino + libro.txtempa;

    // The resources, after asking about files from outside the book.
    const Listacopia lista = listacopia(libro);
    if (const QStringList fora = foradolibro(libro, lista.dolibro); !fora.isEmpty()) {
        const QString texto = textosui[textoforadolibro] + u'\n' + fora.join(u'\n');
        if (!avisos.confirmarsino || !avisos.confirmarsino(texto)) return devolver();
    }
    // The export's own files beside the resources keep their names.
    QStringList reservados;
    if (libro.nalmacen.isEmpty())
        reservados = {libro.nlibro,
                      libro.txthtml,
                      QStringLiteral("html.tlm"),
                      QStringLiteral("sczub"),
                      QStringLiteral("zub.swf"),
                      libro.txthtml.isEmpty() ? QString()
                                              : senextension(libro.txthtml) + QStringLiteral("f.html"),
                      libro.txtempa,
                      QStringLiteral("scormzub.js"),
                      QStringLiteral("imsmanifest.xml")};
    const NomesAlmacen nomes(lista.rutas, reservados, almacen);
    const int maximo = lista.paxinas + int(nomes.ficheiros().size());
    int posicion = lista.paxinas;
    if (avisos.progreso) avisos.progreso(posicion, maximo);
    copiaarquivos(nomes, almacen, libro.empa ? &r.zip : nullptr,
                  libro.nalmacen.isEmpty() ? QString() : libro.nalmacen + u'/', [&] {
                      if (avisos.progreso) avisos.progreso(++posicion, maximo);
                  });

    libro.carpetarecursos = libro.nalmacen; // in this snapshot only
    titular(avisos, 124);
    ContextoExportar contexto{libro, folla, destino, almacen, {}, {}, scorm, nomes, r.zip};

    // The Flash host page: the page title and the custom player folder serve the later steps.
    if (libro.sihtml) {
        contexto.titulo = libro.txttitulo.isEmpty() ? senextension(libro.nlibro) : libro.txttitulo;
        // A template that cannot be read gives no custom player folder.
        if (!folla.txplant.isEmpty() && QFileInfo(folla.txplant).isFile() &&
            QFileInfo(folla.txplant).isReadable()) {
            const QString c = QFileInfo(folla.txplant).absolutePath();
            if (QFileInfo(c).isDir()) contexto.cartafolplantilla = condelimitador(c);
        }
        bool feito = true;
        if (folla.chkflash && pasos.flash) {
            try {
                feito = pasos.flash(contexto);
            } catch (const std::exception&) {
                feito = false;
            }
        }
        titular(avisos, feito ? 124 : 123);
        if (feito) r.publicado = true;
    }

    // The player book file; its failure is told after the HTML5 page and the package.
    bool fallolibro = false;
    try {
        if (pasos.gardaexport) pasos.gardaexport(contexto, destino + libro.nlibro);
    } catch (const std::exception&) {
        fallolibro = true;
    }

    r.exportando = true;
    bool fallohtml = false;
    try {
        OpcionsJson o;
        o.exportando = true;
        o.recursos = libro.carpetarecursos;
        o.idiomavisor = contorno.idiomavisor;
        o.nomes = &nomes;
        o.panelhtml = pasos.panelhtml;
        const DescricionLibro d = crearjson(libro, o);
        r.descrito = true;
        r.arquivoaxuda = d.arquivoaxuda;
        r.txtben = d.txtben;
        r.txtmal = d.txtmal;
        if (pasos.html) pasos.html(contexto, d);
    } catch (const std::exception&) {
        fallohtml = true;
        titular(avisos, 123);
    }
    // Also without an HTML page name: the step then adds nothing and tells why.
    if (!fallohtml && libro.empa && pasos.paquete) {
        try {
            pasos.paquete(contexto);
        } catch (const std::exception&) {
            titular(avisos, 123);
        }
    }
    if (fallolibro) titular(avisos, 123);

    r.rematado = true;
    if (libro.empa && pasos.escribirzip) {
        const QString erro = pasos.escribirzip(arquivozip, r.zip);
        if (!erro.isEmpty() && avisos.mensaxe) avisos.mensaxe(erro);
    }
    return devolver();
}

} // namespace quibel
