// The benchmarks' book: 99 pages that use every page type in turn, every field filled (every
// third one a resource path), six long texts per page and fourteen menu links (about 1 MB as a
// book file).
#pragma once

#include "book/globais.h"

#include <QString>

namespace quibel::bench {

inline const QString pasta = QStringLiteral("/books/demo/");

inline Book librogrande() {
    Book b;
    b.txttitulo = QStringLiteral("Libro de proba");
    b.txtautor = QStringLiteral("Autora");
    b.txtdirrec = pasta + QStringLiteral("res/");
    b.arquivologo = pasta + QStringLiteral("res/logo.png");
    b.arquivofondo = pasta + QStringLiteral("res/fondo.jpg");
    for (int i = 0; i < Book::numligas; ++i) {
        b.txmenus[i] = QStringLiteral("Ligazón %1").arg(i);
        b.txligas[i] = QString::number(i + 1);
    }
    const QString longo =
        QStringLiteral("<p>Texto da páxina con acentos, & e <b>marcas</b>.</p>\r\n").repeated(420);
    for (int fila = 1; fila <= Book::maxpaxinas; ++fila) {
        Tpaxina& p = b.paxina(fila);
        const int tipo = (fila - 1) % 51 + 1;
        p[0] = QString::number(tipo);
        for (int k = 1; k < Tpaxina::numcampos; ++k)
            p[k] = (k % 3 == 0) ? pasta + QStringLiteral("res/imaxe_%1_%2.png").arg(fila).arg(k)
                                : QStringLiteral("campo %1 da páxina %2 'co' \"texto\"").arg(k).arg(fila);
        p[26] = QStringLiteral("1");
        p[30] = QStringLiteral("1");
        for (int i = 1; i <= Book::numtextos; ++i)
            b.texto(fila, i) = longo;
    }
    b.numpaxinas = Book::maxpaxinas;
    return b;
}

} // namespace quibel::bench
