#include "book/globais.h"

#include <gtest/gtest.h>

using namespace quibel;

namespace {

// A book with something in every part of the state the reset touches or keeps.
Book filledBook() {
    Book b;
    b.numpaxinas = 3;
    for (int fila = 1; fila <= Book::numfilas; ++fila) {
        for (int c = 0; c < Tpaxina::numcampos; ++c)
            b.paxina(fila)[c] = QString("r%1c%2").arg(fila).arg(c);
        for (int i = 1; i <= Book::numtextos; ++i)
            b.texto(fila, i) = QString("w%1").arg(i);
    }
    b.txttitulo = "Title";
    b.txtlicencia = "CC BY";
    b.txtiden = "id-1";
    b.adxuntos = QStringList{"/a/x.pdf"};
    b.saltologo = "http://example.org";
    b.pel = true;
    b.chskin1 = false;
    b.chskin2 = true;
    b.arquivoaxuda = "/b/help.htm";
    b.axuda = "help.htm";
    b.corbandalibro = "123456";
    b.chkben = false;
    b.sihtml = false;
    b.txmenus[13] = "last";
    b.txligas[0] = "first";
    b.carpetarecursos = "/books/res/";
    b.txtdirrec = "elsewhere";
    b.sonvol = "40";
    b.fondox = "12";
    return b;
}

} // namespace

TEST(Book, ResetEmptiesTheBookAndSetsDefaults) {
    Book b = filledBook();
    b.inicializar();
    EXPECT_EQ(b.numpaxinas, 0);
    EXPECT_TRUE(b.txttitulo.isEmpty());
    EXPECT_TRUE(b.arquivoaxuda.isEmpty());
    EXPECT_TRUE(b.axuda.isEmpty());
    EXPECT_EQ(b.corbandalibro, "ffffff");
    EXPECT_EQ(b.cortextolibro, "000000");
    EXPECT_TRUE(b.chkben);
    EXPECT_TRUE(b.sihtml);
    EXPECT_EQ(b.sonvol, "100");
    EXPECT_EQ(b.fondox, "0");
    EXPECT_TRUE(b.txmenus[13].isEmpty());
    EXPECT_TRUE(b.txligas[0].isEmpty());
    EXPECT_EQ(b.txtdirrec, "/books/res/") << "shows the resource folder current before the reset";
}

TEST(Book, ResetClearsRowsUpTo100WithTheirTypeAndKeepsTheRest) {
    Book b = filledBook();
    b.inicializar();
    for (int fila : {1, 50, 100})
        for (int c = 0; c < Tpaxina::numcampos; ++c)
            EXPECT_TRUE(b.paxina(fila)[c].isEmpty()) << fila << " P" << c;
    for (int fila : {101, 105}) {
        EXPECT_EQ(b.paxina(fila)[0], QString("r%1c0").arg(fila));
        EXPECT_EQ(b.paxina(fila)[41], QString("r%1c41").arg(fila));
    }
    // The wide texts are the other half of the reset.
    EXPECT_EQ(b.texto(1, 1), "w1");
    b.inizrtf();
    EXPECT_TRUE(b.texto(1, 1).isEmpty());
    EXPECT_TRUE(b.texto(100, 6).isEmpty());
    EXPECT_EQ(b.texto(101, 6), "w6");
}

TEST(Book, ResetDropsWhatWouldLeakIntoTheNextBookButKeepsTheLicence) {
    Book b = filledBook();
    b.inicializar();
    EXPECT_TRUE(b.adxuntos.isEmpty());
    EXPECT_TRUE(b.txtiden.isEmpty());
    EXPECT_TRUE(b.saltologo.isEmpty());
    EXPECT_FALSE(b.pel);
    EXPECT_TRUE(b.chskin1);
    EXPECT_FALSE(b.chskin2);
    EXPECT_EQ(b.txtlicencia, "CC BY");
}

TEST(Book, AccessOutsideTheTablesThrows) {
    Book b;
    EXPECT_THROW(b.paxina(0), std::out_of_range);
    EXPECT_THROW(b.paxina(106), std::out_of_range);
    EXPECT_THROW(b.texto(1, 0), std::out_of_range);
    EXPECT_THROW(b.texto(1, 7), std::out_of_range);
    EXPECT_THROW(b.paxina(1)[42], std::out_of_range);
    EXPECT_NO_THROW(b.paxina(105)[41]);
}
