#include "book/documento.h"

#include "languages/idiomas.h"

namespace quibel {

Documento::Documento(QObject* parent) : QObject(parent) {
    // Every document hears of a language change, so that each window re-captions itself.
    connect(&avisosidioma(), &AvisosIdioma::aplicado, this, &Documento::idiomacambiado);
}

void Documento::porpaxinaactual(int paxina) {
    if (paxina == paxinaactual_) return;
    paxinaactual_ = paxina;
    emit paxinacambiada(paxina);
}

void Documento::emitirreinicio() {
    for (const PasoReinicio paso :
         {PasoReinicio::selector, PasoReinicio::vistas, PasoReinicio::imaxes, PasoReinicio::paneis})
        emit reiniciado(paso);
}

void Documento::novo() {
    tipoactual = 0;
    gardar.clear();
    libro.inicializar();
    libro.inizrtf();
    porpaxinaactual(0);
    emitirreinicio();
}

Apertura Documento::abrir(TXMLDoc& doc, const QString& arquivo) {
    Apertura r = abrirlibro(libro, doc, arquivo);
    if (!r.ok) return r;
    // Nothing of the sheet on screen may be stored into the book just read.
    tipoactual = 0;
    gardar.clear();
    porpaxinaactual(libro.numpaxinas > 0 ? 1 : 0);
    emitirreinicio();
    emit lido(r.informe);
    return r;
}

} // namespace quibel
