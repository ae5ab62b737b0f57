// The language choice: quibel.cfg, lingua.lng, the locale, and applying a language.
#include "languages/idiomas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quibel;

namespace {

QByteArray ler(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return "<missing>";
    return f.readAll();
}

void escribir(const QString& ruta, const QByteArray& datos) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(datos);
}

// Records what applying a language announces; restores the locale.
class Idiomas : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(dir.isValid());
        vella = linguasistema;
        linguasistema = [this] { return locale; };
        aviso = QObject::connect(&avisosidioma(), &AvisosIdioma::aplicado, [this](int n) {
            combo.push_back(n);
            ++recaptions;
            entrada220 = textosui[220];
        });
        textosui.fill(QString());
        idiomavisor = -1;
    }
    void TearDown() override {
        linguasistema = vella;
        QObject::disconnect(aviso);
    }
    QString ruta(const QString& nome) const { return dir.path() + "/" + nome; }
    QString carpeta() const { return dir.path() + "/"; }

    QTemporaryDir dir;
    QString locale;
    std::function<QString()> vella;
    QMetaObject::Connection aviso;
    std::vector<int> combo; // the languages announced
    int recaptions = 0;
    QString entrada220;
};

} // namespace

TEST_F(Idiomas, ConfigurationFileContentsSelectALanguage) {
    const struct {
        QByteArray datos;
        const char* axuda; // entry 220 of the language chosen
    } casos[] = {
        {"ENG\r\n", "quibel_en"},
        {"ENG", "quibel_en"},
        {"ENG\n", "quibel_en"},
        {"ENG\r", "quibel_en"},
        {"VAL\r\n", "quibel_va"},
        {"GAL\r\n", "quibel_gz"},
        {"eng\r\n", "quibel_es"},
        {"ENG \r\n", "quibel_es"},
        {" ENG\r\n", "quibel_es"},
        {"ENG\r\n\r\n", "quibel_es"},
        {"\r\nENG", "quibel_es"},
        {"ENG\r\nFRA\r\n", "quibel_es"},
        {"", "quibel_es"},
        {"\xEF\xBB\xBF"
         "ENG\r\n",
         "quibel_es"},
        {"XYZ\r\n", "quibel_es"},
        {"EN\r\n", "quibel_es"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.datos.toStdString());
        escribir(ruta("quibel.cfg"), c.datos);
        textosDEU(); // a language none of the cases selects
        EXPECT_TRUE(leridiomacfg(ruta("quibel.cfg")));
        EXPECT_EQ(textosui[220], QString::fromLatin1(c.axuda));
        EXPECT_EQ(ler(ruta("quibel.cfg")), c.datos) << "the file is never rewritten";
    }
}

TEST_F(Idiomas, ApplyingRunsTheTableBetweenListAndRecaption) {
    textosui[220] = "before";
    aplicaridioma(8);
    EXPECT_EQ(combo, std::vector<int>{8});
    EXPECT_EQ(recaptions, 1);
    EXPECT_EQ(entrada220, "quibel_as") << "the window is re-captioned after the table ran";
    EXPECT_EQ(idiomavisor, 6);

    // A number outside 0..11 runs no table; the catalogue is brought to UTF-8 as it stands.
    textosui[5] = QString(QChar(0xD800)) + "x";
    aplicaridioma(idiomalingua);
    EXPECT_EQ(combo, (std::vector<int>{8, idiomalingua}));
    EXPECT_EQ(recaptions, 2);
    EXPECT_EQ(textosui[220], "quibel_as");
    EXPECT_FALSE(textosui[5].front().isSurrogate());
    EXPECT_TRUE(textosui[5].endsWith("x"));
}

TEST_F(Idiomas, ChoosingStoresTheCodeThenApplies) {
    escolleridioma(11, carpeta());
    EXPECT_EQ(ler(ruta("quibel.cfg")), QByteArray("VAL\r\n"));
    EXPECT_EQ(textosui[220], "quibel_va");
    EXPECT_EQ(idiomavisor, 7);
    EXPECT_EQ(combo, std::vector<int>{11});

    // The next start comes back in Valencian without asking the locale.
    locale = "en";
    textosESP();
    cargaridioma(carpeta(), carpeta());
    EXPECT_EQ(textosui[220], "quibel_va");

    // Choosing again overwrites; a number outside the list does nothing at all.
    escolleridioma(0, carpeta());
    EXPECT_EQ(ler(ruta("quibel.cfg")), QByteArray("ESP\r\n"));
    recaptions = 0;
    for (int n : {-1, 12, idiomalingua})
        escolleridioma(n, carpeta());
    EXPECT_EQ(ler(ruta("quibel.cfg")), QByteArray("ESP\r\n"));
    EXPECT_EQ(recaptions, 0);
}

TEST_F(Idiomas, ChoosingCreatesTheConfigurationFolderAndSurvivesAFailedSave) {
    const QString sub = carpeta() + "config/quibel/";
    escolleridioma(5, sub);
    EXPECT_EQ(ler(sub + "quibel.cfg"), QByteArray("ENG\r\n"));

    // A folder that cannot exist (under a plain file): no file, the language still applies.
    escribir(ruta("plain"), "x");
    escolleridioma(6, carpeta() + "plain/sub/");
    EXPECT_FALSE(QFileInfo::exists(carpeta() + "plain/sub/quibel.cfg"));
    EXPECT_EQ(textosui[220], "quibel_fr");
}

TEST_F(Idiomas, LanguageFileLinesGiveEntriesVerbatim) {
    const char* const finais[] = {"\r\n", "\n", "\r"};
    for (int lineas : {1, 2, 220, 221, 300}) {
        SCOPED_TRACE(lineas);
        QByteArray datos = "\xEF\xBB\xBFMy language";
        for (int l = 1; l < lineas; ++l) {
            datos += finais[l % 3];
            datos += (l % 2 ? " L" : "L") + QByteArray::number(l - 1) + (l % 4 == 1 ? "  " : "");
        }
        if (lineas % 2) datos += "\r\n"; // a final break adds no line
        escribir(ruta("lingua.lng"), datos);
        textosENG();
        idiomavisor = 5;
        EXPECT_TRUE(lerlingua(ruta("lingua.lng")));
        EXPECT_EQ(idiomavisor, 0);
        const int dados = std::min(lineas - 1, 219);
        for (int k = 0; k < numtextosui; ++k) {
            const int l = k + 1;
            if (k < dados) {
                ASSERT_EQ(textosui[k],
                          QString((l % 2 ? " L" : "L") + QString::number(k) + (l % 4 == 1 ? "  " : "")))
                    << k;
            }
        }
        // What the file does not give comes from the Spanish table, never from the old language.
        // The program's own entries, which the file never covers, included.
        const Textosui lidos = textosui;
        textosESP();
        for (int k = dados; k < int(lidos.size()); ++k)
            EXPECT_EQ(lidos[k], textosui[k]) << k;
        EXPECT_EQ(combo.back(), idiomalingua);
    }
}

TEST_F(Idiomas, LanguageFileKeepsEmptyLinesAndMendsInvalidUtf8) {
    escribir(ruta("lingua.lng"), "title\r\n\r\n\xFF\xFE"
                                 "abc\xC3\r\nÑandú\r\n\r\n");
    EXPECT_NO_THROW(EXPECT_TRUE(lerlingua(ruta("lingua.lng"))));
    EXPECT_EQ(textosui[0], "");
    EXPECT_EQ(textosui[1], QString(QChar(0xFFFD)) + QChar(0xFFFD) + "abc" + QChar(0xFFFD));
    EXPECT_EQ(textosui[2], "Ñandú");
    EXPECT_EQ(textosui[3], "");
    EXPECT_EQ(textosui[4], "Propiedades");
    EXPECT_EQ(textosui[219], "Licencia");
    EXPECT_EQ(textosui[220], "quibel_es");
}

TEST_F(Idiomas, StartUpOrder) {
    const QString cfg = ruta("quibel.cfg"), lng = ruta("lingua.lng");
    QByteArray lingua = "title\r\n";
    for (int k = 0; k < 219; ++k)
        lingua += "mine" + QByteArray::number(k) + "\r\n";

    // Both files: the configuration decides and the language file is not read.
    escribir(cfg, "ENG\r\n");
    escribir(lng, lingua);
    cargaridioma(carpeta(), carpeta());
    EXPECT_EQ(textosui[0], "Open");

    // Only the language file.
    QFile::remove(cfg);
    cargaridioma(carpeta(), carpeta());
    EXPECT_EQ(textosui[0], "mine0");
    EXPECT_EQ(textosui[218], "mine218");
    EXPECT_EQ(idiomavisor, 0);

    // Neither: the locale.
    QFile::remove(lng);
    locale = "de";
    cargaridioma(carpeta(), carpeta());
    EXPECT_EQ(textosui[220], "quibel_de");
    EXPECT_FALSE(QFileInfo::exists(cfg)) << "the locale's choice is not stored";
}

TEST_F(Idiomas, AFileThatCannotBeReadCountsAsAbsent) {
    // A folder of that name exists but cannot be read as a file.
    ASSERT_TRUE(QDir(dir.path()).mkdir("quibel.cfg"));
    escribir(ruta("lingua.lng"), "title\r\nmine\r\n");
    EXPECT_FALSE(leridiomacfg(ruta("quibel.cfg")));
    cargaridioma(carpeta(), carpeta());
    EXPECT_EQ(textosui[0], "mine");

    QFile::remove(ruta("lingua.lng"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("lingua.lng"));
    textosui[0] = "unchanged";
    EXPECT_FALSE(lerlingua(ruta("lingua.lng")));
    EXPECT_EQ(textosui[0], "unchanged");
    locale = "fr";
    cargaridioma(carpeta(), carpeta());
    EXPECT_EQ(textosui[220], "quibel_fr");
}

TEST_F(Idiomas, LanguageFileInTheProgramFolderFirstThenTheConfigurationFolder) {
    QDir(dir.path()).mkpath("prog");
    QDir(dir.path()).mkpath("user");
    const QString prog = carpeta() + "prog/", user = carpeta() + "user/";
    escribir(user + "lingua.lng", "t\r\nuser\r\n");
    cargaridioma(prog, user);
    EXPECT_EQ(textosui[0], "user");
    escribir(prog + "lingua.lng", "t\r\nprogram\r\n");
    cargaridioma(prog, user);
    EXPECT_EQ(textosui[0], "program");
    // The configuration is read from the configuration folder only.
    escribir(prog + "quibel.cfg", "ENG\r\n");
    cargaridioma(prog, user);
    EXPECT_EQ(textosui[0], "program");
    escribir(user + "quibel.cfg", "ITA\r\n");
    cargaridioma(prog, user);
    EXPECT_EQ(textosui[220], "quibel_it");
}

TEST_F(Idiomas, ConfigurationFolderIsTheProgramFolderWhenItCanHoldTheChoice) {
    const QString user = carpetausuariocfg();
    EXPECT_TRUE(user.endsWith('/'));
    EXPECT_TRUE(user.contains("qttest")) << "tests must never touch the real configuration";

    EXPECT_EQ(escollercarpetacfg(dir.path(), "/u"), carpeta());
    EXPECT_EQ(escollercarpetacfg(carpeta() + "missing", "/u"), "/u/");
}

TEST_F(Idiomas, ReadOnlyProgramFolderSendsTheChoiceToTheUserFolder) {
    QDir(dir.path()).mkpath("ro");
    const QString ro = carpeta() + "ro/";
    // Only the program folder is refused, so the answer shows which folder was asked about. Root
    // writes anywhere: without the stand-in this branch would never run for it.
    const auto vella = carpetaescribible;
    carpetaescribible = [&](const QString& c) { return QDir(c) != QDir(ro); };
    EXPECT_EQ(escollercarpetacfg(ro, "/u/"), "/u/");
    escribir(ro + "quibel.cfg", "ENG\r\n");
    EXPECT_EQ(escollercarpetacfg(ro, "/u/"), ro) << "an existing choice is read where it is";
    carpetaescribible = vella;

    // The real permission, where it stops this user.
    QFile::remove(ro + "quibel.cfg");
    const auto lectura = QFile::ReadOwner | QFile::ExeOwner;
    QFile::setPermissions(ro, lectura);
    if (!QFileInfo(ro).isWritable()) {
        EXPECT_EQ(escollercarpetacfg(ro, "/u/"), "/u/");
    }
    QFile::setPermissions(ro, lectura | QFile::WriteOwner);
}

TEST(Locale, TwoLetterCodeOfTheLocale) {
    const struct {
        QLocale locale;
        const char* codigo;
        int idioma;
    } casos[] = {
        {QLocale(QLocale::Spanish, QLocale::Spain), "es", 0},
        {QLocale(QLocale::Galician, QLocale::Spain), "gl", 1},
        {QLocale(QLocale::Catalan, QLocale::Spain), "ca", 2},
        {QLocale(QLocale::Basque, QLocale::Spain), "eu", 3},
        {QLocale(QLocale::Portuguese, QLocale::Portugal), "pt", 4},
        {QLocale(QLocale::Portuguese, QLocale::Brazil), "pt", 4},
        {QLocale(QLocale::English, QLocale::UnitedStates), "en", 5},
        {QLocale(QLocale::French, QLocale::Canada), "fr", 6},
        {QLocale(QLocale::Italian, QLocale::Italy), "it", 7},
        {QLocale(QLocale::German, QLocale::Austria), "de", 9},
        {QLocale(QLocale::Asturian, QLocale::Spain), "as", 0},
        {QLocale(QLocale::Dutch, QLocale::Netherlands), "nl", 0},
        {QLocale::c(), "", 0},
    };
    const auto vella = linguasistema;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.locale.name().toStdString());
        EXPECT_EQ(codigolingua(c.locale), QString::fromLatin1(c.codigo));
        linguasistema = [&] { return codigolingua(c.locale); };
        EXPECT_EQ(idiomasistema(), c.idioma);
    }
    linguasistema = nullptr;
    EXPECT_EQ(idiomasistema(), 0);
    linguasistema = vella;
}
