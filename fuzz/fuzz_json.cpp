// Bytes read as a book, then described for the HTML5 player: whatever the book holds, the
// configuration and every page object must be valid JSON, in the export and in the preview.
#include "lerlibro.h"
#include "publish/jsonlibro.h"

#include <QJsonDocument>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quibel;
    Book* libro = &fuzz::librofuzz();
    if (!fuzz::lerlibro(*libro, data, size)) return 0;
    // The sheet's own texts are not in a book file: the book's texts stand in for them.
    libro->nalmacen = libro->txttitulo;
    libro->axuda = libro->txtautor;
    for (const bool exportando : {true, false}) {
        OpcionsJson o;
        o.exportando = exportando;
        o.recursos = exportando ? libro->txtsub : QString();
        o.paxinaactual = 1;
        o.idiomavisor = int(size % 9);
        const DescricionLibro d = crearjson(*libro, o);
        QStringList textos{d.configuracion};
        for (const PaxinaJson& p : d.paxinas)
            textos << p.obxecto;
        for (const QString& t : textos) {
            QJsonParseError erro;
            QJsonDocument::fromJson(t.toUtf8(), &erro);
            if (erro.error != QJsonParseError::NoError ||
                t.contains(QLatin1String("</script"), Qt::CaseInsensitive))
                std::abort();
        }
    }
    return 0;
}
