// Round trip of the book file: a book is saved, parsed and read into a fresh model, and must come
// back as it was, apart from the differences the format itself makes (defaults the reader sets,
// gaps between items closed, the fixed values some types write).
#include "book/gardalocal.h"
#include "book/loaditem.h"
#include "book/rutinas.h"
#include "lectura_util.h"

#include <QFile>
#include <gtest/gtest.h>
#include <map>

using namespace quibel;
using namespace quibel::proba;

namespace {

// One page: which fields the type's block carries, and what reading gives back besides.
struct Volta {
    const char* nome;
    int tipo;
    const char* textos;      // fields holding a text, as "2-9 19 21"
    const char* arquivos;    // fields holding a resource file
    const char* fixos;       // fields with a value of their own, as "26=2 30=1"; "k=" leaves Pk empty
    const char* largos = ""; // wide texts that are set, by index (W0 is 1)
    // What reading gives that the page did not hold: "k=v" a value, "k=" empty, "k:j" the value
    // field j had (items move up when one before them is empty).
    const char* volta = "";
    const char* w0 = nullptr;      // W0 in place of the generated text
    const char* w0volta = nullptr; // W0 as it comes back, when not as written
};

// The picture of the common part sets the opacity and position defaults before its attributes.
#define IMAXE "27=100 28=0 29=0"

const Volta casos[] = {
    {"1 answers and picture text", 1, "2-9 19-22 33", "14", "", "1", IMAXE},
    {"1 answers with gaps move up", 1, "3 5 7 9 20 22", "", "", "", "2:3 6:7 19:20 3:5 7:9 20:22 5= 9= 22="},
    {"2 with every common element", 2, "8-11 28 29 33-35 38-41", "14 36",
     "15=1 18=ff8800 19=0000ff 21=1 30=1 31=1 32=1 37=1", "1", "27=100"},
    {"2 without text keeps colours and flag", 2, "", "", "18=ff8800 19=0000ff 21=1 30=1", ""},
    {"2 only the backward flag", 2, "", "", "32=1", "1", "31=0"},
    {"3", 3, "3 4 9 10", "6", "8=1"},
    {"4 picture clues", 4, "1-11 28", "18-25", "26=2"},
    {"4 text clues stay texts", 4, "1-11 19-25 28", "", "26=1 18=casa.png"},
    {"5", 5, "2 4 8 9 29", "6", "", "1", "3=100"},
    {"6", 6, "1-8 19-24 27 28", "9 10", "26=1"},
    {"7", 7, "1 2 19-24 27 28", "3-10", "11=1 18=ff8800 26=1", "", "30=1"},
    {"8", 8, "1-6", "7-9", ""},
    {"9", 9, "2-7 9-11 19-21", "8", "", "1"},
    {"10", 10, "1-8", "", "26=1"},
    {"11", 11, "6-10 26", "1-5", ""},
    {"12", 12, "19-24", "1-18", "26=1 29=0"},
    {"13", 13, "1-10", "", ""},
    {"14", 14, "7-9", "1-6 10-12", "18=ff8800", "", "30=1"},
    {"15", 15, "7-12", "22-27", "18=ff8800 19=0000ff 21=1", "1-6", "30=1"},
    {"15 a button with a caption but no text", 15, "7-12", "", "", "1 2 4-6"},
    {"16 with its activity file", 16, "2 3 6 17 18 33", "1", ""},
    {"17", 17, "28 29", "1-6", "18=ff8800", "", "30=1"},
    {"18", 18, "1-12 19-24 26", "", ""},
    {"19", 19, "2 6 8 26 33", "14", "", "1", IMAXE},
    {"19 without secret word keeps text, mode and form", 19, "6 8 26", "", "", "1"},
    {"20 a text item that looks like a file", 20, "1-12 19-24 26", "", "3=casa.png"},
    {"21", 21, "19-24", "1-6 13-18", "26=2 29=0"},
    {"22", 22, "6-10 26", "1-5 18-22", ""},
    {"23", 23, "7-12 19-24 26", "1-6", ""},
    {"24", 24, "7-12", "19-24", "1=1 2=0 3=1 4=0 5=1 6=0 18=ff8800", "", "30=1"},
    {"25 with a plain text", 25, "2 3 8 26", "", "", "1", "", "Plain text\r\nsecond line"},
    {"25 with a text that needs a section", 25, "2 3 8 26", "", "", "1"},
    {"26", 26, "2-5 8 26", "", ""},
    {"27", 27, "", "1-8", ""},
    {"28", 28, "3-12 20-29", "", ""},
    // The link texts 8 to 10 hold what the page picture's defaults would set elsewhere.
    {"28 with a button picture and three links", 28, "3-5 20-22", "14", ""},
    {"29", 29, "8 26", "", "18=ff8800 19=0000ff 30=1", "1"},
    {"30", 30, "1-12 18-24 26 28 29 33", "14", "15=1", "", "27=100"},
    {"31", 31, "1-4 6-10 18", "19-22", ""},
    {"32", 32, "26", "1-4", ""},
    {"33", 33, "2 3 8 26", "", ""},
    {"34", 34, "1 8 26", "", ""},
    {"35", 35, "8", "1-6", ""},
    {"36", 36, "1-8", "", "18=1 26=1"},
    {"36 not in mode 1 keeps its items", 36, "1-8", "", "18=1 26=0", "", "26="},
    {"37", 37, "1-6", "", "", "1"},
    {"38", 38, "2 3 8 20 33", "14", "18=ff8800 19=0000ff 30=1", "1", IMAXE},
    {"39 sounds", 39, "28 29", "1-12", "18=ff8800 26=2", "", "30=1"},
    {"39 pictures and texts", 39, "19-24 28 29", "1-12", "18=ff8800 26=1", "", "30=1"},
    {"40", 40, "2-8 26", "", ""},
    {"41", 41, "2 3 8 26", "", "18=1"},
    {"42 lines become separators", 42, "8", "", "26=1", "1", "", "[o] one\r\ntwo\r\nthree",
     "[o] one|two|three"},
    {"43", 43, "1 19", "", "", "1"},
    {"44", 44, "6-8", "1-3 18-20", ""},
    {"45", 45, "8 26", "9", "", "1"},
    {"46", 46, "1-12 19-24", "", ""},
    {"46 an empty item with a text", 46, "1 2 4-12 19-24", "", "", "", "3=-"},
    {"47", 47, "1 3-9 19-25", "", ""},
    {"47 without box 1 keeps its items", 47, "3-9 19-25", "", ""},
    {"48", 48, "1-5", "7-11 19-23", "26=1"},
    {"49", 49, "1-12 19-24", "", "26=1"},
    {"50", 50, "1-3", "4-6 10-12", ""},
    {"51 items are numbered and the size defaults", 51, "", "4 5", "1=a 2=b 8=1 11=1 26=1", "",
     "1=1 2=2 18=6"},
    {"a type code that is no type keeps the common part", 60, "34 35", "36", ""},
};

std::vector<int> numeros(const char* lista) {
    std::vector<int> r;
    for (const QString& parte : QString::fromLatin1(lista).split(u' ', Qt::SkipEmptyParts)) {
        const QStringList extremos = parte.split(u'-');
        for (int k = extremos.first().toInt(); k <= extremos.last().toInt(); ++k)
            r.push_back(k);
    }
    return r;
}

// Texts carry every character the file escapes, and letters beyond ASCII.
QString textode(int k) {
    return QStringLiteral("t%1 <&'\"> ä").arg(k);
}
QString largode(int i) {
    return QStringLiteral("<p>W%1 & ]]> <b>x</b></p>\r\nline 2").arg(i);
}

class IdaEVolta : public ::testing::Test {
protected:
    // A resource file in the book's folder whose name holds characters the file escapes.
    QString recurso(int k) {
        const QString relativa = QStringLiteral("res/f%1 & 'q'.png").arg(k);
        d.crear(relativa);
        return d.ruta(relativa);
    }

    // Saves the book beside its resources and reads the file back as Open does.
    std::unique_ptr<Book> gardaler(Book& orixe) {
        const QString arquivo = d.ruta("libro.zube");
        EXPECT_TRUE(gardalocal(orixe, arquivo, 0));
        QFile f(arquivo);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        auto lido = librobaleiro(d.carpeta());
        ler(*lido, f.readAll());
        return lido;
    }

    CarpetaLibro d;
};

TEST_F(IdaEVolta, EveryPageTypeComesBackAsWritten) {
    for (const Volta& c : casos) {
        SCOPED_TRACE(c.nome);
        auto orixe = librobaleiro(d.carpeta());
        orixe->txtdirrec = d.carpeta(); // the fallback folder is not where the files are
        orixe->numpaxinas = 1;
        Tpaxina& p = orixe->paxina(1);
        p[0] = QString::number(c.tipo);
        for (int k : numeros(c.textos))
            p[k] = textode(k);
        for (int k : numeros(c.arquivos))
            p[k] = recurso(k);
        for (const QString& f : QString::fromLatin1(c.fixos).split(u' ', Qt::SkipEmptyParts))
            p[f.section(u'=', 0, 0).toInt()] = f.section(u'=', 1);
        for (int i : numeros(c.largos))
            orixe->texto(1, i) = largode(i);
        if (c.w0) orixe->texto(1, 1) = QString::fromUtf8(c.w0);

        Tpaxina esperada = p;
        for (const QString& f : QString::fromLatin1(c.volta).split(u' ', Qt::SkipEmptyParts)) {
            if (f.contains(u':'))
                esperada[f.section(u':', 0, 0).toInt()] = p[f.section(u':', 1).toInt()];
            else
                esperada[f.section(u'=', 0, 0).toInt()] = f.section(u'=', 1);
        }

        const auto lido = gardaler(*orixe);
        ASSERT_EQ(lido->numpaxinas, 1);
        for (int k = 0; k < Tpaxina::numcampos; ++k)
            EXPECT_EQ(lido->paxina(1)[k], esperada[k]) << "P" << k;
        for (int i = 1; i <= Book::numtextos; ++i) {
            const QString w = i == 1 && c.w0volta ? QString::fromUtf8(c.w0volta) : orixe->texto(1, i);
            EXPECT_EQ(lido->texto(1, i), w) << "W" << i - 1;
        }
    }
}

TEST_F(IdaEVolta, PagesKeepTheirOrderAndAPageWithoutTypeIsLeftOut) {
    auto orixe = librobaleiro(d.carpeta());
    orixe->numpaxinas = 3;
    orixe->paxina(1)[0] = "13";
    orixe->paxina(1)[1] = "first";
    orixe->paxina(3)[0] = "13";
    orixe->paxina(3)[1] = "third";
    const auto lido = gardaler(*orixe);
    ASSERT_EQ(lido->numpaxinas, 2);
    EXPECT_EQ(lido->paxina(1)[1], "first");
    EXPECT_EQ(lido->paxina(2)[1], "third");
}

// Every book property the file carries, set in two ways: each value holds the characters the
// file escapes.
TEST_F(IdaEVolta, BookPropertiesComeBackAsWritten) {
    const QString raro = QStringLiteral("a <b> & \"c\" 'd' ä");
    struct Caso {
        const char* nome;
        std::function<void(Book&)> pon;
    } casos[] = {
        {"files, checked boxes, right-hand menu",
         [&](Book& b) {
             b.txtag = raro;
             b.txtlicencia = raro;
             b.adxuntos = QStringList{recurso(1), recurso(2)};
             b.tipolibro = "2";
             b.corfondolibro = "102030";
             b.chbanda = true;
             b.corbandalibro = "405060";
             b.chbarra = true;
             b.cornavegalibro = "708090";
             b.cormensaxeslibro = "a0b0c0";
             b.cortextolibro = "d0e0f0";
             b.txttitulo = raro + "1";
             b.txtsub = raro + "2";
             b.txtautor = raro + "3";
             b.txtiden = raro + "4";
             b.arquivologo = recurso(3);
             b.saltologo = "http://x.org/?a=1&b=\"2\"";
             b.arquivofondo = recurso(4);
             b.fondox = "12";
             b.fondoy = "34";
             b.trpf = "56";
             b.arquivobarra = recurso(5);
             b.arquivoaspectosup = recurso(6);
             b.arquivoaspectoinf = recurso(7);
             b.chskin1 = false;
             b.arquivoaxuda = recurso(8);
             b.axuda = nomearquivo(b.arquivoaxuda);
             b.pel = b.binfor = b.bson = b.bmaxi = b.desordenpax = true;
             b.arquivosonido = recurso(9);
             b.sonvol = "80";
             b.chkrepiteson = true;
             b.txtben = raro + "ok";
             b.arquivocorrecto = recurso(10);
             b.txtmal = raro + "ko";
             b.arquivoincorrecto = recurso(11);
             b.chkmal = false;
             b.txcaracter = raro;
             b.chdereita = true;
             for (int i = 0; i < Book::numligas; ++i) {
                 b.txmenus[i] = raro + QString::number(i);
                 b.txligas[i] = QStringLiteral("\"%1\" & <x>").arg(i);
             }
             b.txtenlacefinal = raro;
         }},
        {"web help, second skin, unchecked messages, horizontal menu",
         [&](Book& b) {
             b.axuda = b.arquivoaxuda = "https://x.org/help?a=1&b=2";
             b.chskin1 = false;
             b.chskin2 = true;
             b.chkben = b.chkmal = false;
             b.txtben = "right";
             b.arquivoincorrecto = recurso(12); // a sound without a message
             b.chhorizontal = true;
             b.corbandalibro = "405060"; // not written: the band is not checked
         }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        auto orixe = librobaleiro(d.carpeta());
        orixe->txtdirrec = d.carpeta(); // the fallback folder is not where the files are
        c.pon(*orixe);
        const auto l = gardaler(*orixe);
        const Book& o = *orixe;

        EXPECT_EQ(l->txtdirrec, o.txtdirrec);
        for (auto campo : {&Book::txtag,
                           &Book::txtlicencia,
                           &Book::tipolibro,
                           &Book::corfondolibro,
                           &Book::cornavegalibro,
                           &Book::cormensaxeslibro,
                           &Book::cortextolibro,
                           &Book::txttitulo,
                           &Book::txtsub,
                           &Book::txtautor,
                           &Book::txtiden,
                           &Book::arquivologo,
                           &Book::saltologo,
                           &Book::arquivobarra,
                           &Book::arquivoaspectosup,
                           &Book::arquivoaspectoinf,
                           &Book::arquivoaxuda,
                           &Book::axuda,
                           &Book::arquivosonido,
                           &Book::txtben,
                           &Book::txtmal,
                           &Book::arquivocorrecto,
                           &Book::arquivoincorrecto,
                           &Book::txcaracter,
                           &Book::txtenlacefinal})
            EXPECT_EQ(l.get()->*campo, o.*campo);
        EXPECT_EQ(l->corbandalibro, o.chbanda ? o.corbandalibro : "ffffff");
        EXPECT_EQ(l->adxuntos, o.adxuntos);
        EXPECT_EQ(l->arquivofondo, o.arquivofondo);
        if (!o.arquivofondo.isEmpty()) {
            EXPECT_EQ(l->fondox, o.fondox);
            EXPECT_EQ(l->fondoy, o.fondoy);
            EXPECT_EQ(l->trpf, o.trpf);
        }
        if (!o.arquivosonido.isEmpty()) {
            EXPECT_EQ(l->sonvol, o.sonvol);
        }
        for (auto caixa :
             {&Book::chbanda, &Book::chbarra, &Book::pel, &Book::binfor, &Book::bson, &Book::bmaxi,
              &Book::desordenpax, &Book::chkrepiteson, &Book::chhorizontal, &Book::chdereita})
            EXPECT_EQ(l.get()->*caixa, o.*caixa);
        EXPECT_EQ(l->chkben, o.chkben);
        EXPECT_EQ(l->chkmal, o.chkmal);
        // The skin boxes count only without a top skin file.
        if (o.arquivoaspectosup.isEmpty()) {
            EXPECT_EQ(l->chskin1, o.chskin1);
            EXPECT_EQ(l->chskin2, o.chskin2);
        }
        EXPECT_EQ(l->txmenus, o.txmenus);
        EXPECT_EQ(l->txligas, o.txligas);
        // The name edits show the files' names.
        EXPECT_EQ(l->txtlogo, nomearquivo(o.arquivologo));
        EXPECT_EQ(l->txtimaxe, nomearquivo(o.arquivofondo));
        EXPECT_EQ(l->nomimbarra, nomearquivo(o.arquivobarra));
        EXPECT_EQ(l->skin1, nomearquivo(o.arquivoaspectosup));
        EXPECT_EQ(l->skin2, nomearquivo(o.arquivoaspectoinf));
        EXPECT_EQ(l->soncontinuo, nomearquivo(o.arquivosonido));
        EXPECT_EQ(l->benson, nomearquivo(o.arquivocorrecto));
        EXPECT_EQ(l->malson, nomearquivo(o.arquivoincorrecto));
    }
}

} // namespace
