#include "publish/exportaweb.h"

#include "ficheiros.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quibel;
using namespace quibel::proba;

TEST(Limpanome, TheTableInOnePassAndTheWebUnsafeCharacters) {
    const std::pair<const char*, const char*> casos[] = {
        {"Ïa ü", "Ïa_uu"},
        {"Ñandú", "NNand_u"},
        {"Árbore grande.png", "Arbore_grande.png"},
        {"Ï", "Ï"},
        {"ÕÖÙÚÛ", "_O_O_U_U_U"},
        {"ÀÈÌÒÎ", "AEIOI"},
        {"Üüçǅ", "UUuucc\xc7\x85"},
        {"Çñº ª_", "CCnn_o__a_"},
        {"àáâãä èéêë ìíîï òóôõö ùúû", "_a_a_a_a_a__e_e_e_e__i_i_i_i__o_o_o_o_o__u_u_u"},
        {"a#b?c%d&e\"f'g<h>i", "a_b_c_d_e_f_g_h_i"},
        {"tab\there\x7f\x01", "tab_here__"},
        {"plain-name.mp3", "plain-name.mp3"},
        {"", ""},
    };
    for (const auto& [nome, esperado] : casos)
        EXPECT_EQ(limpanome(q(nome)), q(esperado)) << nome;
}

TEST(Limpanome, OwnNamesStayOneComponentAndResourcesTakeTheirFileName) {
    const std::pair<const char*, const char*> propios[] = {
        {"Recursos Libro\\", "Recursos_Libro"},
        {"../../etc", ".._.._etc"},
        {"a/b\\c//", "a_b_c"},
        {"..", ""},
        {".", ""},
        {"./", ""},
        {"mi libro.zub", "mi_libro.zub"},
    };
    for (const auto& [nome, esperado] : propios)
        EXPECT_EQ(nomepropio(q(nome)), q(esperado)) << nome;

    const std::pair<const char*, const char*> exportados[] = {
        {"", ""},
        {"C:\\imaxes\\Árbore grande.png", "Arbore_grande.png"},
        {"/home/a/son ñ.mp3", "son_nn.mp3"},
        {"C:foto.jpg", "foto.jpg"},
        {"/home/a/", ""},
    };
    for (const auto& [ruta, esperado] : exportados)
        EXPECT_EQ(nomeexport(q(ruta)), q(esperado)) << ruta;
    EXPECT_EQ(minusculasascii(q("Mi LIBRO Ñ.ZUB")), q("mi libro Ñ.zub"));
}

TEST(Listacopia, CopyRulesPerType) {
    struct Caso {
        const char* nome;
        int tipo;
        std::vector<std::pair<int, const char*>> campos; // besides P0
        QList<int> esperado;
    };
    const Caso casos[] = {
        {"puzzle: background then picture", 3, {}, {6, 5}},
        {"find a word, text mode", 4, {{26, "1"}}, {}},
        {"find a word, picture mode", 4, {{26, "2"}}, {18, 19, 20, 21, 22, 23, 24, 25}},
        {"tags, text mode", 20, {{26, "1"}}, {}},
        {"tags as pictures", 20, {{26, "7"}}, {1, 2, 3, 4, 5, 6}},
        {"count: pictures beside items 1 and 3", 31, {{1, "a"}, {3, "c"}, {22, "d.png"}}, {19, 21}},
        {"drag pictures", 14, {}, {1, 2, 3, 4, 5, 6, 10, 11, 12}},
        {"phrases 2", 48, {}, {7, 8, 9, 10, 11, 19, 20, 21, 22, 23}},
        {"letters", 50, {}, {4, 5, 6, 10, 11, 12}},
        {"external", 16, {}, {}},
        {"type code that is no number", 0, {}, {}},
    };
    for (const Caso& k : casos) {
        SCOPED_TRACE(k.nome);
        Tpaxina p;
        p[0] = k.tipo ? QString::number(k.tipo) : QStringLiteral("x1");
        for (const auto& [c, v] : k.campos)
            p[c] = q(v);
        EXPECT_EQ(camposcopia(p), k.esperado);
    }
}

TEST(Listacopia, BookFilesPagesAndAttachmentsOnceInCaseFoldedOrder) {
    Book l;
    l.arquivologo = "/l/Logo.png";
    l.arquivoaxuda = "/l/axuda.htm"; // only with a help name
    l.arquivosonido = "/l/fondo.mp3";
    l.numpaxinas = 3;
    l.paxina(1)[0] = "3";
    l.paxina(1)[14] = "/l/b.png";
    l.paxina(1)[6] = "/l/a.png";
    l.paxina(1)[5] = "/l/B.png";  // another file on this system
    l.paxina(2)[14] = "/l/z.png"; // page without type: nothing
    l.paxina(3)[0] = "1";
    l.paxina(3)[14] = "/l/b.png";
    l.paxina(3)[36] = "C:";
    l.adxuntos = QStringList{"/x/doc.pdf", "/l/a.png"};
    Listacopia c = listacopia(l);
    EXPECT_EQ(c.rutas,
              (QStringList{"/l/a.png", "/l/b.png", "/l/B.png", "/l/fondo.mp3", "/l/Logo.png", "/x/doc.pdf"}));
    EXPECT_EQ(c.paxinas, 2);
    EXPECT_FALSE(c.dolibro.contains("/x/doc.pdf"));
    l.axuda = "axuda.htm";
    EXPECT_TRUE(listacopia(l).rutas.contains("/l/axuda.htm"));
}

class AlmacenTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        base = tmp.path() + "/";
    }
    QTemporaryDir tmp;
    QString base;
};

TEST_F(AlmacenTest, ClashingNamesTakeTheFirstFreeSuffixAndTheSameFileOneName) {
    escribir(base + "a/foto.jpg", "A");
    escribir(base + "b/foto.jpg", "B");
    escribir(base + "c/Foto.JPG", "C");
    escribir(base + q("d/á.png"), "D");
    escribir(base + q("d/à.png"), "E");
    escribir(base + "d/libro.html", "F");
    escribir(base + "d/solo.png", "G");
    ASSERT_TRUE(QFile::link(base + "d/solo.png", base + "d/ligazon.png"));
    const QStringList rutas{base + "a/foto.jpg", base + "b/foto.jpg",      base + "c/Foto.JPG",
                            base + q("d/á.png"), base + q("d/à.png"),      base + "d/libro.html",
                            base + "d/solo.png", base + "d/../d/solo.png", base + "d/ligazon.png",
                            base + "none.png",   "http://x.org/a.png"};
    const NomesAlmacen n(rutas, {"libro.zub", "libro.html"});
    const std::pair<QString, const char*> esperados[] = {
        {base + "a/foto.jpg", "foto.jpg"},    {base + "b/foto.jpg", "foto_2.jpg"},
        {base + "c/Foto.JPG", "Foto_3.JPG"},  {base + q("d/á.png"), "_a.png"},
        {base + q("d/à.png"), "_a_2.png"},    {base + "d/libro.html", "libro_2.html"},
        {base + "d/solo.png", "solo.png"},    {base + "d/../d/solo.png", "solo.png"},
        {base + "d/ligazon.png", "solo.png"}, {base + "none.png", "none.png"},
    };
    for (const auto& [ruta, nome] : esperados)
        EXPECT_EQ(n.nome(ruta), q(nome)) << ruta.toStdString();
    EXPECT_EQ(n.ficheiros().size(), 7);

    // Nothing clashes: every name is the plain cleaned one.
    const NomesAlmacen s({base + "a/foto.jpg", base + "d/solo.png"}, {"libro.zub"});
    EXPECT_EQ(s.nome(base + "a/foto.jpg"), "foto.jpg");
    EXPECT_EQ(s.nome(base + "d/solo.png"), "solo.png");
}

TEST_F(AlmacenTest, CopiesUnderTheCleanNamesOnlyTheSameFileStaysAndZipReadsTheSource) {
    escribir(base + "orixe/Foto 1.jpg", "F1");
    escribir(base + "almacen/Foto 1.jpg", "in store");
    escribir(base + "almacen/dentro.png", "D");
    escribir(base + "orixe/dentro.png", "other");
    const QStringList rutas{base + "almacen/Foto 1.jpg", base + "almacen/dentro.png",
                            base + "orixe/dentro.png"};
    const NomesAlmacen n(rutas, {});
    QList<EntradaZip> zip;
    int vistos = 0;
    copiaarquivos(n, base + "almacen", &zip, "almacen/", [&] { ++vistos; });
    EXPECT_EQ(vistos, 3);
    EXPECT_EQ(ler(base + "almacen/Foto_1.jpg"), "in store"); // a file of the store, cleaned
    EXPECT_EQ(ler(base + "almacen/Foto 1.jpg"), "in store");
    EXPECT_EQ(ler(base + "almacen/dentro.png"), "D"); // not copied onto itself
    EXPECT_EQ(ler(base + "almacen/dentro_2.png"), "other");
    EXPECT_EQ(zip, (QList<EntradaZip>{{base + "almacen/Foto 1.jpg", "almacen/Foto_1.jpg"},
                                      {base + "almacen/dentro.png", "almacen/dentro.png"},
                                      {base + "orixe/dentro.png", "almacen/dentro_2.png"}}));
    EXPECT_EQ(QDir(base + "almacen").entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"Foto 1.jpg", "Foto_1.jpg", "dentro.png", "dentro_2.png"}))
        << "no temporary file is left";
    copiaenzip(zip, base + "orixe/none.png", "none.png");
    EXPECT_EQ(zip.size(), 3) << "a missing file adds no entry";
}

TEST_F(AlmacenTest, AFileAlreadyInTheStoreKeepsItsNameAndNothingIsCopiedOverIt) {
    escribir(base + "almacen/foto.jpg", "own");
    escribir(base + "almacen/Foto.jpg", "other case"); // sorted before or beside it
    escribir(base + "fora/foto.jpg", "outside");
    const QStringList rutas{base + "almacen/Foto.jpg", base + "fora/foto.jpg", base + "almacen/foto.jpg"};
    const NomesAlmacen n(rutas, {}, base + "almacen");
    EXPECT_EQ(n.nome(base + "almacen/Foto.jpg"), "Foto.jpg");
    EXPECT_EQ(n.nome(base + "fora/foto.jpg"), "foto_2.jpg");
    EXPECT_EQ(n.nome(base + "almacen/foto.jpg"), "foto_3.jpg") << "a case clash in the store is no own name";
    copiaarquivos(n, base + "almacen", nullptr, {});
    EXPECT_EQ(ler(base + "almacen/Foto.jpg"), "other case");
    EXPECT_EQ(ler(base + "almacen/foto.jpg"), "own");
    EXPECT_EQ(ler(base + "almacen/foto_2.jpg"), "outside");
    // Without the store folder the first in list order takes the plain name.
    EXPECT_EQ(
        NomesAlmacen({base + "fora/foto.jpg", base + "almacen/foto.jpg"}, {}).nome(base + "fora/foto.jpg"),
        "foto.jpg");
    EXPECT_EQ(NomesAlmacen({base + "fora/foto.jpg", base + "almacen/foto.jpg"}, {}, base + "almacen")
                  .nome(base + "fora/foto.jpg"),
              "foto_2.jpg");
}

TEST_F(AlmacenTest, FilesOutsideTheBookAreListed) {
    escribir(base + "libro/res/a.png", "a");
    escribir(base + "libro/b.png", "b");
    escribir(base + "fora/id_rsa", "k");
    escribir(base + "fora2/c.png", "c");
    Book l;
    l.carpetalibro = base + "libro";
    l.carpetarecursos = base + "fora2/";
    const QStringList rutas{base + "libro/res/a.png", base + "libro/b.png", base + "libro/../fora/id_rsa",
                            base + "fora2/c.png",     base + "fora/none",   "https://x.org/y.png"};
    EXPECT_EQ(foradolibro(l, rutas), QStringList{base + "libro/../fora/id_rsa"});
}
