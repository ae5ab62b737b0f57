// New, Open, Save and the quick save in the window.
#include "editor/controis.h"
#include "ventaproba.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QToolButton>

using namespace quibel;
using proba::Venta;

namespace {

QString fixture(const char* nome) {
    return QStringLiteral(QUIBEL_FIXTURES "/comandos/") + QString::fromLatin1(nome);
}

QByteArray ler(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class Comandos : public Venta {
protected:
    void SetUp() override {
        inicial = QDir::currentPath();
        Venta::SetUp();
    }
    void TearDown() override { QDir::setCurrent(inicial); }
    QString inicial;
};

} // namespace

TEST_F(Comandos, NewAsksOnlyWhileAPageIsShown) {
    form->SpeedButton135->click();
    EXPECT_TRUE(fakes.dialogos->preguntas.isEmpty());
    EXPECT_EQ(folla(), TForm1::identif);
    EXPECT_EQ(form->libro.numpaxinas, 0);
    for (QToolButton* b : {form->bgardar, form->btinserir, form->bgardarcomo, form->bconf, form->bpaxinas})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_FALSE(form->Panel1->isHidden());
    EXPECT_TRUE(form->panelsonavega->isHidden());

    form->SpeedButton11Click();
    form->iniciatipo(5);
    form->txtcabe->setText("mine");
    form->SpeedButton135->click(); // dismissed: No
    EXPECT_EQ(fakes.dialogos->preguntas,
              QStringList{QString::fromUtf8("Esto borrará todas las páginas,está de acuerdo?")});
    EXPECT_EQ(form->libro.numpaxinas, 1);
    EXPECT_EQ(folla(), 11);
    EXPECT_EQ(form->txtcabe->text(), "mine");

    fakes.dialogos->respostas = {QMessageBox::Yes};
    form->SpeedButton135->click();
    EXPECT_EQ(form->libro.numpaxinas, 0);
    EXPECT_EQ(form->documento.paxinaactual(), 0);
    EXPECT_EQ(form->numpaxinap->count(), 0);
    EXPECT_EQ(folla(), TForm1::identif);
    EXPECT_TRUE(form->libro.paxina(1)[35].isEmpty()) << "the editor was not stored into the new book";
}

TEST_F(Comandos, OpenReadsTheBookAndShowsItsProperties) {
    libro({"7", "5"});
    form->bpaxinasClick();
    form->txtcabe->setText("old book's editor");
    fakes.dialogos->respostas = {QMessageBox::Yes};
    fakes.dialogos->arquivos = {fixture("utf8.zube")};
    const QString antes = QDir::currentPath();
    form->SpeedButton137->click();

    EXPECT_TRUE(fakes.dialogos->mensaxes.isEmpty());
    EXPECT_EQ(form->libro.numpaxinas, 2);
    EXPECT_EQ(form->documento.paxinaactual(), 1);
    EXPECT_EQ(form->libro.paxina(1)[35], QString::fromUtf8("Páxina ñ")) << "the open editor was not stored";
    EXPECT_EQ(folla(), TForm1::identif);
    EXPECT_EQ(form->documento.tipoactual, 0);
    EXPECT_EQ(form->numpaxinap->count(), 2);
    EXPECT_EQ(form->numpaxinap->currentIndex(), -1);
    EXPECT_EQ(form->txtlibro->text(), "utf8");
    EXPECT_EQ(form->windowTitle(), "Quibel  v5.6.4      [ utf8 ]");
    EXPECT_EQ(form->libro.carpetalibro, QStringLiteral(QUIBEL_FIXTURES "/comandos/"));
    EXPECT_EQ(QDir::currentPath(), antes) << "the current folder is the program's, not the book's";
    EXPECT_TRUE(form->panelsonavega->isHidden());

    // Pages shows page 1 of the book read.
    form->bpaxinasClick();
    EXPECT_EQ(folla(), 13);
    EXPECT_EQ(form->txtcabe->text(), QString::fromUtf8("Páxina ñ"));
}

TEST_F(Comandos, AFailedOpenSaysWhyAndKeepsTheOpenBook) {
    libro({"7", "5"});
    form->bpaxinasClick();
    form->txtcabe->setText("still editing");
    const struct {
        const char* arquivo;
        const char* mensaxe;
    } casos[] = {{"roto.zube", "Missing quote for an attribute's value."},
                 {"outro.xml", "Imposible abrir o libro."},
                 {"non_existe.zube", "Imposible abrir o libro."}};
    for (const auto& c : casos) {
        fakes.dialogos->mensaxes.clear();
        fakes.dialogos->respostas = {QMessageBox::Yes};
        fakes.dialogos->arquivos = {fixture(c.arquivo)};
        form->SpeedButton137->click();
        EXPECT_EQ(fakes.dialogos->mensaxes, QStringList{c.mensaxe}) << c.arquivo;
        EXPECT_EQ(folla(), 13);
        EXPECT_EQ(form->documento.tipoactual, 7);
        EXPECT_EQ(form->libro.numpaxinas, 2);
        EXPECT_EQ(form->numpaxinap->count(), 2);
        EXPECT_EQ(form->txtcabe->text(), "still editing");
    }
    form->SpeedButton10Click();
    EXPECT_EQ(form->libro.paxina(1)[35], "still editing");
}

TEST_F(Comandos, CancelledDialogAndNoToTheQuestionChangeNothing) {
    libro({"7"});
    form->bpaxinasClick();
    form->SpeedButton137->click(); // No
    fakes.dialogos->respostas = {QMessageBox::Yes};
    form->SpeedButton137->click();               // the dialog cancelled
    form->FormDropFiles({fixture("utf8.zube")}); // No
    EXPECT_EQ(fakes.dialogos->preguntas.size(), 3);
    EXPECT_EQ(form->libro.numpaxinas, 1);
    EXPECT_EQ(folla(), 13);

    fakes.dialogos->respostas = {QMessageBox::Yes};
    form->FormDropFiles({fixture("utf8.zube"), fixture("latin1.zube")});
    EXPECT_EQ(form->libro.numpaxinas, 2);
    EXPECT_EQ(form->txtlibro->text(), "utf8");
}

TEST_F(Comandos, ACommandLineBookThatCannotBeOpenedLeavesTheStartState) {
    crear({fixture("roto.zube")});
    EXPECT_EQ(fakes.dialogos->mensaxes, QStringList{"Missing quote for an attribute's value."});
    EXPECT_EQ(folla(), TForm1::inicio);
    EXPECT_FALSE(form->bgardar->isEnabled());
    crear({fixture("utf8.zube")});
    EXPECT_EQ(folla(), TForm1::identif);
    EXPECT_TRUE(form->bgardar->isEnabled());
}

TEST_F(Comandos, SaveAddsZubeAsksBeforeReplacingAndQuickSaveReusesTheName) {
    libro({"7", "5"});
    form->bpaxinasClick();
    form->txtcabe->setText("saved header");
    const QString nome = dir.path() + "/libro";
    const QString final = nome + ".zube";

    // Right after New the quick save asks for a name.
    fakes.dialogos->arquivos = {nome};
    form->SpeedButton13->click();
    ASSERT_TRUE(QFileInfo::exists(final));
    EXPECT_TRUE(fakes.dialogos->preguntas.isEmpty());
    EXPECT_TRUE(ler(final).contains("saved header")) << "the open editor was committed";
    EXPECT_EQ(folla(), 13) << "back on the sheet that was showing";
    EXPECT_EQ(form->documento.tipoactual, 7);
    EXPECT_EQ(form->documento.gardar, final);

    // The quick save now writes there without a dialog.
    QFile::remove(final);
    form->SpeedButton13->click();
    EXPECT_TRUE(QFileInfo::exists(final));

    // Save with its dialog: the same name without extension would replace the book: ask.
    form->txtcabe->setText("second version");
    const QByteArray antes = ler(final);
    fakes.dialogos->arquivos = {nome};
    form->bgardar->click(); // No
    ASSERT_EQ(fakes.dialogos->preguntas.size(), 1);
    EXPECT_EQ(fakes.dialogos->preguntas[0], textosui[textosubstituir] + "\n" + final);
    EXPECT_TRUE(textosui[textosubstituir].startsWith("El archivo ya existe")) << "in the language in force";
    EXPECT_EQ(ler(final), antes);
    fakes.dialogos->arquivos = {nome};
    fakes.dialogos->respostas = {QMessageBox::Yes};
    form->bgardar->click();
    EXPECT_TRUE(ler(final).contains("second version"));
    fakes.dialogos->arquivos = {};
    form->bgardar->click(); // cancelled: nothing
    EXPECT_EQ(folla(), 13);

    // A new name with its own extension is written as it is.
    fakes.dialogos->arquivos = {dir.path() + "/outro.xml"};
    form->FormKeyDown(Qt::Key_F4, nullptr);
    EXPECT_TRUE(QFileInfo::exists(dir.path() + "/outro.xml"));
    EXPECT_TRUE(fakes.dialogos->mensaxes.isEmpty());
}

TEST_F(Comandos, AFailedWriteIsReported) {
    libro({"7"});
    fakes.dialogos->arquivos = {dir.path() + "/no/such/folder/libro"};
    form->bgardar->click();
    EXPECT_EQ(fakes.dialogos->mensaxes, QStringList{"ERROR: NO FUE POSIBLE CREAR EL LIBRO"});
    EXPECT_EQ(folla(), TForm1::identif);
}

TEST_F(Comandos, ASavedBookOpensAgainAsItWas) {
    libro({"7", "10", "5"});
    form->bpaxinasClick();
    form->txtcabe->setText(QString::fromUtf8("Cabeceira con acentos: áéíóú"));
    form->SpeedButton10Click();
    form->chpasa->setChecked(false);
    fakes.dialogos->arquivos = {dir.path() + "/volta"};
    form->bgardar->click();
    const auto gardado = form->libro.taboapaxinas;

    fakes.dialogos->respostas = {QMessageBox::Yes};
    fakes.dialogos->arquivos = {dir.path() + "/volta.zube"};
    form->SpeedButton137->click();
    ASSERT_TRUE(fakes.dialogos->mensaxes.isEmpty());
    ASSERT_EQ(form->libro.numpaxinas, 3);
    for (int i = 1; i <= 3; ++i)
        for (int campo : {0, 34, 35}) // "0" flags are not written: they read back empty, the same meaning
            EXPECT_EQ(form->libro.paxina(i)[campo], gardado[i][campo]) << i << " P" << campo;
    EXPECT_EQ(form->libro.paxina(2)[31], "1");
    EXPECT_TRUE(form->documento.gardar.isEmpty());
}
