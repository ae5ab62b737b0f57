#include "book/rutinas.h"
#include "tests/limitetamano.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quibel;

namespace {

QString q(const char* s) {
    return QString::fromUtf8(s);
}

void escribir(const QString& ruta, const QByteArray& datos) {
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << ruta.toStdString();
    f.write(datos);
}

QByteArray ler(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace

TEST(Substituir, ReplacesLeftToRightWithoutOverlapOrRescan) {
    struct Caso {
        const char *texto, *vello, *novo, *esperado;
    };
    const Caso casos[] = {
        {"aaa", "aa", "b", "ba"},   {"abc", "", "x", "abc"},
        {"", "a", "b", ""},         {"a.b.c", ".", "..", "a..b..c"},
        {"ab", "a", "aa", "aab"},   {"Aa", "a", "x", "Ax"},
        {"ñoño", "ñ", "n", "nono"}, {"x\r\ny\r\n", "\r\n", "\n", "x\ny\n"},
        {"abcabc", "abc", "", ""},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(substituir(q(c.texto), q(c.vello), q(c.novo)), q(c.esperado))
            << c.texto << " / " << c.vello;
        EXPECT_EQ(substituir(QByteArray(c.texto), QByteArray(c.vello), QByteArray(c.novo)),
                  QByteArray(c.esperado))
            << c.texto << " / " << c.vello;
    }
}

TEST(Codificalibro, EncodesUtf8AsStandardBase64AndRoundTrips) {
    EXPECT_EQ(codificalibro(""), "[*]");
    EXPECT_EQ(codificalibro(q("Olá")), "[*]T2zDoQ==");
    EXPECT_EQ(codificalibro(q("Ño\r\nçé 😀")), "[*]w5FvDQrDp8OpIPCfmIA=");
    for (const char* t : {"", "a", "ab", "abc", "<p>Título &amp; más</p>\r\nliña 2", "😀😀"})
        EXPECT_EQ(descodificalibro(codificalibro(q(t))), q(t)) << t;
}

TEST(Descodificalibro, IsTolerant) {
    struct Caso {
        const char *entrada, *esperado;
    };
    const Caso casos[] = {
        {"[*]T2zDoQ==", "Olá"},
        {"[*]T2z\r\nDo Q=\t=", "Olá"}, // breaks and blanks inside
        {"[*]T2zDoQ", "Olá"},          // padding missing
        {"XYZT2zDoQ==", "Olá"},        // the first three characters are not looked at
        {"[*]", ""},
        {"[*", ""},
        {"[*]!!!", ""},
        {"[*]Y", ""}, // six bits make no byte
        {"[*]w5FvDQrDp8OpIPCfmIA", "Ño\r\nçé 😀"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(descodificalibro(q(c.entrada)), q(c.esperado)) << c.entrada;

    // "/w==" is the single byte FF, which is not UTF-8.
    EXPECT_EQ(descodificalibro("[*]/w=="), QString(QChar(0xFFFD)));
    EXPECT_EQ(descodificalibro("[*]Yf9i"), QString("a") + QChar(0xFFFD) + "b");
}

TEST(Hexacor, ReadsRrggbbIntoRedLowByte) {
    struct Caso {
        const char* texto;
        TColor cor;
    };
    const Caso casos[] = {
        {"#ff0000", 0x0000FF},
        {"FF0000", 0x0000FF},
        {"00ff00", 0x00FF00},
        {"0000FF", 0xFF0000},
        {"12345678", 0x785634},
        {"ffffff", 0xFFFFFF},
        {"0", 0},
        {"abc", 0xBC0A00},
        {"#84E1FD", 0xFDE184},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(hexacor(c.texto), c.cor) << c.texto;

    for (const char* malo :
         {"", "#", "12g456", " ffffff", "ffffff ", "123456789", "#-1", "0x12", "##12", "ＦＦ"})
        EXPECT_THROW(hexacor(q(malo)), EConvertError) << malo;
}

TEST(Corahex, WritesUpperCaseRrggbbAndRoundTrips) {
    EXPECT_EQ(corahex(0xFFFFFF), "FFFFFF");
    EXPECT_EQ(corahex(0x0000FF), "FF0000");
    EXPECT_EQ(corahex(0x785634), "345678");
    EXPECT_EQ(corahex(0), "000000");
    EXPECT_EQ(corahex(0x01FDE184), "84E1FD"); // top byte ignored
    for (const char* t : {"000000", "84E1FD", "0A0B0C", "FFFFFF"})
        EXPECT_EQ(corahex(hexacor(t)), t);

    EXPECT_EQ(colorDe(hexacor("FF8000")), QColor(255, 128, 0));
    EXPECT_EQ(deColor(QColor(1, 2, 3)), 0x030201u);
    EXPECT_EQ(corahex(deColor(QColor(0x84, 0xE1, 0xFD))), "84E1FD");
}

TEST(Tipoarquivo, WholeExtensionMustMatchAListEntry) {
    struct Caso {
        const char* nome;
        int tipo;
    };
    // Among them letter case, a long extension and a letter beyond ASCII.
    const Caso casos[] = {
        {"A.JPG", 1},  {"x.jpeg", 1},   {"x.gif", 1},  {"/a/b/c.png", 1},   {"c:\\a\\b.Gif", 1},
        {".png", 1},   {"x.mp3", 2},    {"x.acc", 2},  {"x.aac", 2},        {"x.OGG", 2},
        {"x.mp4", 3},  {"x.webm", 3},   {"x.txt", 4},  {"x.htm", 4},        {"x.HTML", 4},
        {"x.mp", 0},   {"x.g", 0},      {"x.t", 0},    {"x.jp", 0},         {"x.o", 0},
        {"Sr.G", 0},   {"x.pn", 0},     {"noext", 0},  {"x.", 0},           {"x.exe", 0},
        {"", 0},       {"x.tar.gz", 0}, {"x.jpg ", 0}, {"dir.jpg/file", 0}, {"dir.jpg\\file", 0},
        {"x.jpg;", 0}, {"x.*", 0},      {"x.WeBm", 3}, {"x.p\xc3\xb1g", 0}, {"x.pngpngpngpngpng", 0},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(tipoarquivo(q(c.nome)), c.tipo) << c.nome;
        EXPECT_EQ(esrecurso(q(c.nome)), c.tipo != 0) << c.nome;
    }
}

TEST(Extensions, ListsAreTheResourcePanelMasks) {
    EXPECT_EQ(extensionsimaxe, "*.jpg;*.jpeg;*.gif;*.png");
    EXPECT_EQ(extensionsson, "*.mp3;*.acc;*.aac;*.ogg");
    EXPECT_EQ(extensionsvideo, "*.mp4;*.webm");
    EXPECT_EQ(extensionstexto, "*.txt;*.htm;*.html");
    EXPECT_EQ(mascaras(extensionsson), (QStringList{"*.mp3", "*.acc", "*.aac", "*.ogg"}));
}

TEST(Senextension, DropsTheExtensionOfTheFileNameOnly) {
    const std::pair<const char*, const char*> casos[] = {
        {"a.txt", "a"},  {"a.b.c", "a.b"},   {"dir.x/file", "dir.x/file"}, {"dir.x\\file", "dir.x\\file"},
        {"x.", "x"},     {"noext", "noext"}, {"/p/q.r.s", "/p/q.r"},       {"", ""},
        {".hidden", ""},
    };
    for (const auto& [nome, esperado] : casos)
        EXPECT_EQ(senextension(q(nome)), q(esperado)) << nome;
}

TEST(Encher, AppendsCountCopies) {
    EXPECT_EQ(encher("ab", u'x', 3), "abxxx");
    EXPECT_EQ(encher("", u'0', 2), "00");
    EXPECT_EQ(encher("ab", u'x', 0), "ab");
    EXPECT_EQ(encher("ab", u'x', -2), "ab");
}

TEST(PathHelpers, AcceptBothDelimiters) {
    EXPECT_EQ(nomearquivo("a\\b/c.jpg"), "c.jpg");
    EXPECT_EQ(nomearquivo("a/b\\c.jpg"), "c.jpg");
    EXPECT_EQ(nomearquivo("c.jpg"), "c.jpg");
    EXPECT_EQ(nomearquivo("a/"), "");
    // The reader's rule cuts at the delimiters only; a name edit also cuts after a drive's ":".
    EXPECT_EQ(nomearquivo("C:son.mp3"), "C:son.mp3");
    EXPECT_EQ(nomeparaver("C:son.mp3"), "son.mp3");
    EXPECT_EQ(nomeparaver("C:\\a/b\\son.mp3"), "son.mp3");
    EXPECT_EQ(nomeparaver("/a:b/son.mp3"), "son.mp3");
    EXPECT_EQ(nomeparaver("son.mp3"), "son.mp3");
    EXPECT_EQ(cartafol("a\\b/c"), "a\\b");
    EXPECT_EQ(cartafol("c"), "");
    EXPECT_EQ(cartafol("/c"), "");
    EXPECT_EQ(rutanativa("..\\res\\a.jpg"), "../res/a.jpg");
    EXPECT_EQ(condelimitador(""), "");
    EXPECT_EQ(condelimitador("/a"), "/a/");
    EXPECT_EQ(condelimitador("/a/"), "/a/");
    EXPECT_EQ(condelimitador("a\\"), "a\\");
    EXPECT_EQ(separador, "/");
}

TEST(Enteiro, StrictAcceptsSurroundingBlanksSignAndDecimalDigitsOnly) {
    const std::pair<const char*, int> bons[] = {
        {"0", 0},
        {"42", 42},
        {"+7", 7},
        {"-13", -13},
        {"007", 7},
        {"  5", 5},
        {"5  ", 5},
        {"\t-3\r\n", -3},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
    };
    for (const auto& [texto, valor] : bons) {
        EXPECT_EQ(enteiro(q(texto)), valor) << texto;
        EXPECT_EQ(enteiro(q(texto), 99), valor) << texto;
    }
    for (const char* malo : {"", " ", "+", "-", "1 2", "- 1", "+-1", "12a", "0x10", "$10", "1.5", "1e3",
                             "2147483648", "-2147483649", "99999999999999999999", "١٢", "５"}) {
        EXPECT_THROW(enteiro(q(malo)), EConvertError) << malo;
        EXPECT_EQ(enteiro(q(malo), -77), -77) << malo;
    }
}

TEST(Borrararquivo, DeletesFilesOnly) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString f = tmp.filePath("x.jpg");
    escribir(f, "x");
    borrararquivo(f);
    EXPECT_FALSE(QFile::exists(f));
    borrararquivo(f); // already gone: nothing happens
    borrararquivo("");
    QDir(tmp.path()).mkdir("d");
    borrararquivo(tmp.filePath("d"));
    EXPECT_TRUE(QFileInfo(tmp.filePath("d")).isDir());
}

TEST(Rutarelativa, RelativeToTheBookFolderCaseSensitive) {
    const QString libro = "/home/u/libro/l.zube";
    const std::pair<const char*, const char*> casos[] = {
        {"/home/u/libro/res/pic.jpg", "res\\pic.jpg"},
        {"/home/u/libro/res/sub/pic.jpg", "res\\sub\\pic.jpg"},
        {"/home/u/libro/pic.jpg", "..\\libro\\pic.jpg"},
        {"/home/u/outro/pic.jpg", "..\\outro\\pic.jpg"},
        {"/home/pic.jpg", "..\\..\\..\\home\\pic.jpg"},
        {"/home/u/Libro/res/pic.jpg", "..\\Libro\\res\\pic.jpg"}, // another folder on Linux
        {"/home/u/libro/res\\pic.jpg", "res\\pic.jpg"},
        {"/home/u/libro/./res/../res//pic.jpg", "res\\pic.jpg"},
        {"/pic.jpg", "\\pic.jpg"}, // root: no folder to be relative to
        {"", ""},
    };
    for (const auto& [recurso, esperado] : casos)
        EXPECT_EQ(rutarelativa(libro, q(recurso)), q(esperado)) << recurso;

    EXPECT_EQ(rutarelativa("/l.zube", "/res/pic.jpg"), "res\\pic.jpg");
    EXPECT_EQ(rutarelativa("/l.zube", "/pic.jpg"), "\\pic.jpg");
    EXPECT_EQ(rutarelativa("C:\\b\\l.zube", "D:\\r\\p.jpg"), "D:\\r\\p.jpg"); // other drive
    EXPECT_EQ(rutarelativa("C:\\b\\l.zube", "c:\\b\\res\\p.jpg"), "res\\p.jpg");
}

class RutaabsolutaTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        raiz = QDir(tmp.path()).canonicalPath();
        libro = raiz + "/libro";
        alternativa = raiz + "/alt";
        for (const char* f : {"libro/l.zube", "libro/res/exact.png", "libro/res/Pic.JPG", "libro/res/a.png",
                              "libro/res/A.png", "outro/o.gif", "alt/f.mp3", "alt/Case.Ogg", "libro/pic.jpg"})
            escribir(raiz + "/" + f, "x");
        QDir(raiz).mkpath("libro/res/dir.jpg");
        QFile::link(libro + "/res/exact.png", libro + "/res/link.png");
        QFile::link(libro + "/res/none.png", libro + "/res/broken.png");
    }
    QTemporaryDir tmp;
    QString raiz, libro, alternativa;
};

TEST_F(RutaabsolutaTest, FindsTheCandidateOrFallsBack) {
    const QString semraiz = QString(raiz).mid(1).replace('/', '\\');
    const std::pair<QString, QString> casos[] = {
        {"", ""},
        {"res\\exact.png", libro + "/res/exact.png"},
        {"res/exact.png", libro + "/res/exact.png"},
        {".\\res\\\\exact.png", libro + "/res/exact.png"},
        {"..\\outro\\o.gif", raiz + "/outro/o.gif"},
        {"res\\..\\..\\outro\\o.gif", raiz + "/outro/o.gif"},
        {raiz + "/outro/o.gif", raiz + "/outro/o.gif"},             // absolute
        {"\\" + semraiz + "\\outro\\o.gif", raiz + "/outro/o.gif"}, // from the root
        {"res\\pic.jpg", libro + "/res/Pic.JPG"},                   // letter case differs
        {"res\\a.png", libro + "/res/a.png"},                       // exact match first
        {"res\\A.png", libro + "/res/A.png"},
        {"res\\link.png", libro + "/res/link.png"},         // a link to a file is a file
        {"res\\broken.png", alternativa + "/broken.png"},   // a link to nothing is not
        {"res\\missing.jpg", alternativa + "/missing.jpg"}, // not checked
        {"zzz\\f.mp3", alternativa + "/f.mp3"},
        {"zzz\\case.ogg", alternativa + "/Case.Ogg"},                        // case again in the fallback
        {"res\\dir.jpg", alternativa + "/dir.jpg"},                          // a folder is no file
        {"C:\\Users\\x\\libro\\res\\exact.png", alternativa + "/exact.png"}, // another system
        {"\\\\server\\share\\o.gif", alternativa + "/o.gif"},
        {QString("res\\exact.png") + QChar(0), alternativa + "/exact.png" + QChar(0)}, // no such name
    };
    // Kept folder listings answer as fresh ones, also when every case runs through one set.
    CarpetasLidas listas;
    for (const auto& [nome, esperado] : casos) {
        EXPECT_EQ(rutaabsoluta(nome, libro, alternativa), esperado) << nome.toStdString();
        EXPECT_EQ(rutaabsoluta(nome, libro + "/", alternativa + "/"), esperado) << nome.toStdString();
        EXPECT_EQ(rutaabsoluta(nome, libro, alternativa, &listas), esperado) << nome.toStdString();
    }
    EXPECT_EQ(rutaabsoluta("res\\missing.jpg", libro, ""), "missing.jpg");
    EXPECT_EQ(rutaabsoluta("x\\y.jpg", "/nonexistent/base", "/nonexistent/alt"), "/nonexistent/alt/y.jpg");
}

TEST_F(RutaabsolutaTest, ReadsBackWhatRutarelativaWrites) {
    const QString arquivolibro = libro + "/l.zube";
    for (const QString& r : {libro + "/res/exact.png", libro + "/pic.jpg", raiz + "/outro/o.gif"}) {
        const QString escrito = rutarelativa(arquivolibro, r);
        EXPECT_FALSE(escrito.contains('/')) << escrito.toStdString();
        EXPECT_EQ(rutaabsoluta(escrito, libro, alternativa), r) << escrito.toStdString();
    }
}

TEST(Partirlinas, SplitsAtEveryLineEndKeepingBytes) {
    const std::pair<QByteArray, QList<QByteArray>> casos[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\r", {"a", ""}},
        {"\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {QByteArray("\xff\0x \t\r\ny", 8), {QByteArray("\xff\0x \t", 5), "y"}},
    };
    for (const auto& [datos, linas] : casos)
        EXPECT_EQ(partirlinas(datos), linas) << datos.toStdString();
}

TEST(Lerlinas, ReadsMixedLineEndsAndFailsOnMissingFiles) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString f = tmp.filePath("l.txt");
    escribir(f, "uno\r\ndous\ntres\rcatro\r\n");
    QList<QByteArray> linas{"stale"};
    ASSERT_TRUE(lerlinas(f, linas));
    EXPECT_EQ(linas, (QList<QByteArray>{"uno", "dous", "tres", "catro"}));

    EXPECT_FALSE(lerlinas(tmp.filePath("missing.txt"), linas));
    EXPECT_TRUE(linas.isEmpty());
    EXPECT_FALSE(lerlinas(tmp.path(), linas));
}

// The lines in one buffer are each line's UTF-8 and CR LF, a lone surrogate at a line's end or
// start included: no state runs from one line into the next.
TEST(Textodelinas, IsEachLinesUtf8) {
    const QChar alta(char16_t(0xD83D)), baixa(char16_t(0xDE00));
    const QStringList casos[] = {
        {},
        {""},
        {q("liña"), "", q("😀 é")},
        {QString("a") + alta, QString(baixa) + "b"},
        {QString(alta), QString(alta) + QString(baixa)},
    };
    for (const QStringList& linas : casos) {
        QByteArray esperado;
        for (const QString& l : linas)
            esperado += l.toUtf8() + "\r\n";
        EXPECT_EQ(textodelinas(linas), esperado) << linas.join('|').toStdString();
    }
}

TEST(Gardarlinas, EndsEveryLineWithCrLfAndReplacesTheFile) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString f = tmp.filePath("out.txt");
    escribir(f, "old content that is longer");
    ASSERT_TRUE(gardarlinas(f, QList<QByteArray>{"a", "", "b"}));
    EXPECT_EQ(ler(f), "a\r\n\r\nb\r\n");
    ASSERT_TRUE(gardarlinas(f, QStringList{q("liña"), "x"}));
    EXPECT_EQ(ler(f), "li\xc3\xb1"
                      "a\r\nx\r\n");
    ASSERT_TRUE(gardarlinas(f, QList<QByteArray>{}));
    EXPECT_EQ(ler(f), "");
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{"out.txt"});
}

TEST(Gardarlinas, FailsWhenTheFolderCannotHoldTheFile) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString ficheiro = tmp.filePath("plain");
    escribir(ficheiro, "x");
    EXPECT_FALSE(gardarlinas(ficheiro + "/out.txt", QList<QByteArray>{"a"}));
    EXPECT_FALSE(gardarlinas(tmp.filePath("no/such/folder/out.txt"), QStringList{"a"}));
    EXPECT_EQ(ler(ficheiro), "x");
}

TEST(Gardarlinas, FailedWriteKeepsTheOldFile) {
    // A file-size limit makes the write fail for any user, root included.
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString f = tmp.filePath("book.zube");
    escribir(f, "old\r\n");

    bool gardado = true;
    {
        proba::LimiteTamano limite;
        gardado = gardarlinas(f, QList<QByteArray>(100, QByteArray(200, 'z')));
    }
    EXPECT_FALSE(gardado);
    EXPECT_EQ(ler(f), "old\r\n");
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{"book.zube"});
}

TEST(Lertextoarquivo, DecodesAndSplitsTheWholeFile) {
    struct Caso {
        const char* nome;
        QByteArray datos;
        QStringList linas;
    };
    const Caso casos[] = {
        {"crlf", "a\r\nb\r\n", {"a", "b"}},
        {"lf", "a\nb", {"a", "b"}},
        {"cr", "a\rb\r", {"a", "b"}},
        {"blank lines kept", "a\r\n\r\nb\n\n", {"a", "", "b", ""}},
        {"bom dropped", "\xEF\xBB\xBFx\r\ny", {"x", "y"}},
        {"bom only", "\xEF\xBB\xBF", {}},
        {"latin-1", "\xe1\r\nb", {q("á"), "b"}},
        // One invalid byte makes the whole file Latin-1, its valid UTF-8 lines included.
        {"latin-1 throughout", "\xc3\xa1\n\xe1", {q("Ã¡"), q("á")}},
        {"multi-byte utf-8",
         "li\xc3\xb1"
         "a\n\xe2\x82\xac \xf0\x9f\x98\x80",
         {q("liña"), q("€ 😀")}},
        {"empty", "", {}},
        {"one break", "\n", {""}},
    };
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const QString f = tmp.filePath(QString::fromLatin1(c.nome) + ".txt");
        escribir(f, c.datos);
        const std::optional<QStringList> linas = lertextoarquivo(f);
        ASSERT_TRUE(linas.has_value());
        EXPECT_EQ(*linas, c.linas);
    }
}

TEST(Lertextoarquivo, NothingWhenTheFileCannotBeRead) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    QDir(tmp.path()).mkdir("folder.txt");
    EXPECT_EQ(lertextoarquivo(tmp.filePath("missing.txt")), std::nullopt);
    EXPECT_EQ(lertextoarquivo(tmp.filePath("folder.txt")), std::nullopt);
}

TEST(Hexacor, TheDefaultStandsForWhatIsNoColour) {
    EXPECT_EQ(hexacor("FF8000", 7), 0x0080FFu);
    EXPECT_EQ(hexacor("ff8000", 7), 0x0080FFu);
    for (const char* malo : {"", "verde", "12g456", " ffffff", "123456789"})
        EXPECT_EQ(hexacor(q(malo), 7), 7u) << malo;
}
