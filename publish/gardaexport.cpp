#include "publish/gardaexport.h"

#include "book/rutinas.h"
#include "languages/idiomas.h"

#include <QFileInfo>

namespace quibel {

PoliticaLibro politicaexport(const NomesAlmacen& nomes) {
    PoliticaLibro p;
    p.version = QStringLiteral("5.6.4");
    p.sangriaconfig = 8;
    // A web address has no file in the store: it stays an address, as in the description.
    p.valorarquivo = [&nomes](const QString& ruta) { return enderezoweb(ruta) ? ruta : nomes.nome(ruta); };
    p.recursos = [](const Book& b) -> std::optional<QString> {
        if (b.nalmacen.isEmpty()) return std::nullopt;
        return b.carpetarecursos;
    };
    p.adxuntos = [&nomes](const Book& b) {
        QStringList r;
        for (const QString& a : b.adxuntos)
            if (QFileInfo(a).isFile()) r << nomes.nome(a);
        return r.join(u',');
    };
    p.axuda = [&nomes](const Book& b) {
        const QString arquivo = b.arquivoaxuda.isEmpty() ? b.axuda : b.arquivoaxuda;
        if (enderezoweb(b.axuda)) return b.axuda;
        if (arquivo.contains(u'/') || arquivo.contains(u'\\')) return nomes.nome(arquivo);
        return b.axuda;
    };
    p.menuporetiqueta = true;
    p.externasocodigo = true;
    p.modomoveimxvalidado = true;
    p.etiquetasimaxes = true;
    return p;
}

QStringList linasexport(const Book& libro, const QString& arquivo, int idiomavisor,
                        const NomesAlmacen& nomes) {
    Book b = libro;
    mensaxespordefecto(b);
    const QStringList linas = linaslibro(b, arquivo, idiomavisor, politicaexport(nomes));
    if (!b.chkencoded) return linas;
    QString texto;
    for (const QString& l : linas)
        texto += l + QLatin1String("\r\n");
    return {codificalibro(texto)};
}

QString gardaexport(const Book& libro, const QString& arquivo, int idiomavisor, const NomesAlmacen& nomes) {
    if (gardarlinas(arquivo, linasexport(libro, arquivo, idiomavisor, nomes))) return {};
    return textosui[123] + u' ' + arquivo;
}

} // namespace quibel
