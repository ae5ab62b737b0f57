#include "book/globais.h"

#include <stdexcept>
#include <string>

namespace quibel {

int Book::checkedRow(int fila) {
    if (!filavalida(fila)) throw std::out_of_range("page row " + std::to_string(fila) + " outside 1..105");
    return fila;
}

int Book::checkedText(int indice) {
    if (!textovalido(indice))
        throw std::out_of_range("page text " + std::to_string(indice) + " outside 1..6");
    return indice;
}

void Book::inicializar() {
    numpaxinas = 0;

    chhorizontal = false;
    chdereita = false;

    nalmacen.clear();
    donde.clear();
    nlibro.clear();
    txtempa.clear();
    txthtml.clear();
    edlomes.clear();

    corbandalibro = QStringLiteral("ffffff");
    cornavegalibro = QStringLiteral("ffffff");
    cortextolibro = QStringLiteral("000000");
    corfondolibro = QStringLiteral("ffffff");
    cormensaxeslibro = QStringLiteral("000000");

    chbanda = false;
    chbarra = false;
    chkben = true;
    chkmal = true;
    desordenpax = false;

    skin1.clear();
    skin2.clear();
    txtenlacefinal.clear();
    txttitulo.clear();
    txtlibro.clear();
    txtsub.clear();
    txtautor.clear();
    txtlogo.clear();
    txtimaxe.clear();
    benson.clear();
    malson.clear();
    tipolibro.clear();

    arquivocorrecto.clear();
    arquivoincorrecto.clear();
    arquivosonido.clear();
    soncontinuo.clear();

    sonvol = QStringLiteral("100");
    chkrepiteson = false;

    arquivofondo.clear();
    arquivobarra.clear();
    arquivoaspectosup.clear();
    arquivoaspectoinf.clear();
    arquivologo.clear();
    arquivoaxuda.clear();

    trpf = QStringLiteral("100");
    fondox = QStringLiteral("0");
    fondoy = QStringLiteral("0");

    axuda.clear();
    txtben.clear();
    txtmal.clear();
    txtdirrec = carpetarecursos;

    binfor = false;
    bson = false;
    bmaxi = false;

    // Picture slots of the logo, background and bar: the names go with the pictures.
    txtlogo.clear();
    txtimaxe.clear();
    nomimbarra.clear();
    arquivologo.clear();

    sihtml = true;
    empa = false;
    chkencoded = false;
    dirax.clear();

    // P0 is cleared too: a page read without a type must not inherit one from the last book.
    for (int fila = 1; fila <= filasreset; ++fila)
        for (QString& campo : taboapaxinas[fila].P)
            campo.clear();

    for (int i = 0; i < numligas; ++i) {
        txmenus[i].clear();
        txligas[i].clear();
    }
    txcaracter.clear();
    txtag.clear();

    // These would otherwise leak from the last book into the next one and be saved with it.
    adxuntos.clear();
    txtiden.clear();
    saltologo.clear();
    pel = false;
    chskin1 = true;
    chskin2 = false;
}

void Book::inizrtf() {
    for (int fila = 1; fila <= filasreset; ++fila)
        for (int i = 1; i <= numtextos; ++i)
            textospaxina[fila][i].clear();
}

} // namespace quibel
