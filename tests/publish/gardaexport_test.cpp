#include "publish/gardaexport.h"

#include "book/loaditem.h"
#include "book/rutinas.h"
#include "ficheiros.h"
#include "languages/idiomas.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quibel;
using namespace quibel::proba;

namespace {

// A book whose resources exist, with its store names worked out as the export does.
class GardaexportTest : public testing::Test {
protected:
    void SetUp() override {
        textosESP();
        ASSERT_TRUE(tmp.isValid());
        base = tmp.path() + "/";
        libro.carpetalibro = base + "libro";
        libro.nalmacen = libro.carpetarecursos = "recursos"; // as during an export
    }
    QString res(const QString& nome) {
        const QString ruta = base + "libro/" + nome;
        escribir(ruta, nome.toUtf8());
        return ruta;
    }
    QStringList linas() {
        nomes = NomesAlmacen(listacopia(libro).rutas, {});
        return linasexport(libro, base + "saida/libro.zub", 5, nomes);
    }
    static QByteArray comofile(const QStringList& l) {
        QByteArray r;
        for (const QString& x : l)
            r += x.toUtf8() + "\r\n";
        return r;
    }
    // The element lines named nome, without their indent.
    QStringList elementos(const QString& nome) {
        QStringList r;
        for (const QString& l : linas())
            if (l.trimmed().startsWith('<' + nome + '>') || l.trimmed().startsWith('<' + nome + ' '))
                r << l.trimmed();
        return r;
    }

    QTemporaryDir tmp;
    QString base;
    Book libro;
    NomesAlmacen nomes;
};

void paxina(Book& b, int fila, const char* tipo, std::initializer_list<std::pair<int, QString>> campos) {
    b.paxina(fila)[0] = tipo;
    for (const auto& [k, v] : campos)
        b.paxina(fila)[k] = v;
    b.numpaxinas = quint8(std::max<int>(b.numpaxinas, fila));
}

} // namespace

TEST_F(GardaexportTest, TheWholeFileOfABookWithEveryPropertyAndThePlayersOwnPages) {
    Book& b = libro;
    b.txtag = "etiqueta1";
    b.txtdirrec = base + "libro/res/";
    b.txtlicencia = "CC BY-SA";
    b.adxuntos = {base + "docs/gone.pdf", base + q("docs/Guía.pdf")};
    escribir(base + q("docs/Guía.pdf"), "pdf");
    b.tipolibro = "2";
    b.corfondolibro = "ffffff";
    b.chbanda = true;
    b.corbandalibro = "112233";
    b.chbarra = true;
    b.cornavegalibro = "445566";
    b.cormensaxeslibro = "778899";
    b.cortextolibro = "000000";
    b.txttitulo = "O meu libro";
    b.txtsub = q("Subtítulo");
    b.txtautor = "Ana & Bea";
    b.txtiden = "id-7";
    b.arquivologo = res("res/logo.png");
    b.saltologo = "http://example.org/";
    b.arquivofondo = res("res/Fondo grande.jpg");
    b.fondox = "12";
    b.fondoy = "-3";
    b.trpf = "80";
    b.arquivobarra = res("res/Barra azul.png");
    b.nomimbarra = "Barra azul.png"; // what the sheet shows: not what the store holds
    b.arquivoaspectosup = res("res/sup.png");
    b.arquivoaspectoinf = res("res/inf.png");
    b.skin1 = "sup.png";
    b.axuda = "Axuda 1.htm";
    b.arquivoaxuda = res("res/Axuda 1.htm");
    b.pel = b.binfor = b.bmaxi = b.desordenpax = true;
    b.arquivosonido = res("res/fondo.mp3");
    b.sonvol = "60";
    b.chkrepiteson = true;
    b.txtben = "";
    b.chkben = true; // the default message is written
    b.arquivocorrecto = res("res/ben.mp3");
    b.txtmal = "Mal";
    b.chkmal = false;
    b.txcaracter = q("áéí");
    b.chhorizontal = true;
    b.txmenus[0] = "Inicio";
    b.txligas[0] = "1";
    b.txtenlacefinal = "Seguinte";

    // Two pictures of one cleaned name: the second takes the store's suffix.
    paxina(b, 1, "3",
           {{14, res("fotos/Foto 1.JPG")},
            {6, res("outros/Foto 1.JPG")},
            {36, "http://son.example/a.mp3"},
            {37, "1"},
            {3, "50"},
            {9, "3"},
            {10, "4"},
            {4, "1"},
            {8, "1"}});
    // A button with a label and no text is written; one with text and no label is not.
    paxina(b, 2, "15",
           {{18, "111111"}, {19, "222222"}, {7, "B1"}, {22, res("res/b1.png")}, {8, "B2"}, {21, "1"}});
    b.texto(2, 1) = "<b>1</b>";
    b.texto(2, 3) = "tres";
    paxina(b, 3, "16",
           {{18, "<b>act</b>"},
            {6, "480"},
            {33, "Act"},
            {2, "ok"},
            {3, "3"},
            {7, "1"},
            {1, res("res/act.html")}});
    paxina(b, 4, "20", {{26, "7"}, {1, res("res/t1.png")}, {7, "10"}, {19, "20"}});
    paxina(b, 5, "23", {{26, "4"}, {1, base + "libro/res/t1.png"}, {7, "1"}, {19, "2"}});
    paxina(b, 6, "23", {{26, "2"}});

    const QString arquivo = base + "saida/libro.zub";
    QDir().mkpath(base + "saida");
    nomes = NomesAlmacen(listacopia(libro).rutas, {});
    ASSERT_EQ(gardaexport(libro, arquivo, 5, nomes), "");
    EXPECT_EQ(ler(arquivo), ler(QUIBEL_FIXTURES "/gardaexport/libro.zub"));
    EXPECT_EQ(libro.txtben, "") << "the caller's book is not changed";
}

TEST_F(GardaexportTest, AgainstTheBookFileOnlyTheDocumentedLinesDiffer) {
    // Every field of every type set; the resources sit in res/ beside the book file, whose
    // writer names them "res\name" where this one writes "name".
    for (int t = 1; t <= 51; ++t) {
        Tpaxina& p = libro.paxina(t);
        p[0] = QString::number(t);
        for (int k = 1; k < Tpaxina::numcampos; ++k)
            p[k] = base + "libro/res/v" + QString::number(k) + ".png";
        for (int w = 1; w <= Book::numtextos; ++w)
            libro.texto(t, w) = "w" + QString::number(w);
    }
    libro.numpaxinas = 51;
    for (int t : {15, 16, 23}) // written differently on purpose, see the golden
        libro.paxina(t)[0] = "1";
    const QStringList exportadas = linas();
    const QStringList locais = linaslibro(libro, base + "libro/libro.zube", 5);
    const auto paxinas = [](const QStringList& l) { return l.mid(l.indexOf("    <libro>")); };
    const QStringList e = paxinas(exportadas), l = paxinas(locais);
    ASSERT_EQ(e.size(), l.size());
    int cambiadas = 0;
    for (qsizetype i = 0; i < e.size(); ++i) {
        QString esperada = l[i];
        esperada.replace("res\\", "");
        EXPECT_EQ(e[i], esperada) << "line " << i;
        cambiadas += e[i] != l[i];
    }
    EXPECT_GT(cambiadas, 100);

    // Type 20 names its tags by the stored names only in mode 7.
    libro.paxina(20)[26] = "7";
    const QString r = base + "libro/res/v";
    EXPECT_TRUE(linas().contains("              <etiqueta posx=\"" + r + "7.png\" posy=\"" + r +
                                 "19.png\">v1.png</etiqueta>"));
}

TEST_F(GardaexportTest, TheHelpElement) {
    const QString arquivo = res("res/Axuda 1.htm");
    struct Caso {
        QString axuda, arquivoaxuda, esperado;
    };
    const Caso casos[] = {
        {"http://axuda.example/", "", "<axuda>http://axuda.example/</axuda>"},
        {"HTTPS://axuda.example/a", arquivo, "<axuda>HTTPS://axuda.example/a</axuda>"},
        {"Axuda 1.htm", arquivo, "<axuda>Axuda_1.htm</axuda>"},
        {"axuda.htm", "", "<axuda>axuda.htm</axuda>"},
        // "http" inside a path is no address; the edit's path is a file, named by its store name.
        {"docs/httpd & co.htm", "", "<axuda>httpd___co.htm</axuda>"},
    };
    for (const Caso& k : casos) {
        SCOPED_TRACE(k.axuda.toStdString());
        libro.axuda = k.axuda;
        libro.arquivoaxuda = k.arquivoaxuda;
        EXPECT_EQ(elementos("axuda"), QStringList{k.esperado});
    }
    libro.axuda = "";
    EXPECT_TRUE(elementos("axuda").isEmpty());
}

TEST_F(GardaexportTest, StoreAndAttachmentsWrittenOnlyWhenThereAndForeignPathsByTheirNames) {
    libro.nalmacen = libro.carpetarecursos = "";
    libro.adxuntos = {base + "docs/gone.pdf"};
    paxina(libro, 1, "1", {{14, "C:\\fotos\\Foto 1.JPG"}}); // from another system, not there
    EXPECT_TRUE(elementos("recursos").isEmpty());
    EXPECT_TRUE(elementos("adxuntos").isEmpty());
    EXPECT_EQ(elementos("imaxe"), QStringList{"<imaxe>Foto_1.JPG</imaxe>"});
}

TEST_F(GardaexportTest, TheEncodedFormReadsBackAsThePlainFile) {
    libro.txttitulo = q("Título & <máis>");
    paxina(libro, 1, "1", {{14, res("res/a b.png")}});
    libro.texto(1, 1) = "Texto\r\nen dúas liñas";
    const QByteArray plano = comofile(linas());
    libro.chkencoded = true;
    const QStringList codificado = linas();
    ASSERT_EQ(codificado.size(), 1);
    EXPECT_TRUE(codificado[0].startsWith("[*]"));
    EXPECT_EQ(textolibro(comofile(codificado)), textolibro(plano));
    EXPECT_EQ(descodificalibro(codificado[0]).toUtf8(), plano);
}

TEST_F(GardaexportTest, AFileThatCannotBeWrittenIsToldWithItsPath) {
    escribir(base + "ficheiro", "x");
    const QString arquivo = base + "ficheiro/libro.zub"; // under a regular file: refused for root too
    EXPECT_EQ(gardaexport(libro, arquivo, 0, nomes), textosui[123] + " " + arquivo);
    EXPECT_EQ(ler(base + "ficheiro"), "x");
}
