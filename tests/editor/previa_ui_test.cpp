// The preview button: the open book built into the work folder and opened, the page being edited
// committed first and its sheet shown again.
#include "../publish/ficheiros.h"
#include "editor/controis.h"
#include "ventaproba.h"

#include <QLineEdit>

using namespace quibel;
using namespace quibel::proba;

namespace {

class Previa : public Venta {
protected:
    void SetUp() override {
        rexistro = std::make_unique<EditorRexistrado>(7, &log);
        Venta::SetUp();
        form->libro.carpetaprograma = dir.path() + "/prog/";
        escribir(dir.path() + "/prog/tpl/html.tlm",
                 "<script>[[confzub]]</script>\r\n{{paxinas}}[[datpanel]]{{endpaxinas}}");
        escribir(dir.path() + "/prog/tpl/sczub/zub.js", "");
    }
    void TearDown() override {
        form.reset();
        rexistro.reset();
    }
    QString paxina() const { return form->libro.carpetatemporal + "temp_zub.html"; }
    QStringList log;
    std::unique_ptr<EditorRexistrado> rexistro;
};

TEST_F(Previa, TheEditedPageIsCommittedPreviewedAndShownAgain) {
    libro({"7", "7"});
    form->libro.paxina(2)[14] = dir.path() + "/res/foto 1.png";
    form->amosarpaxina(2);
    ASSERT_EQ(folla(), 7 + primeirafollatipo);
    static_cast<EditorProba&>(*form->editores[7]).campo->setText("editado");
    form->btmirarClick();
    EXPECT_EQ(form->libro.paxina(2)[1], "editado");
    EXPECT_EQ(folla(), 7 + primeirafollatipo);
    EXPECT_EQ(fakes.aplicacion->abertos, QList<QUrl>{QUrl::fromLocalFile(paxina())});
    const QByteArray p = ler(paxina());
    EXPECT_TRUE(p.contains(R"({"version":"5.6","npax":"2",)")) << p.toStdString();
    EXPECT_TRUE(p.contains("editado"));
    EXPECT_TRUE(p.contains(QUrl::fromLocalFile(dir.path() + "/res/foto 1.png").toEncoded()))
        << "where it lies";
    EXPECT_EQ(QDir(form->libro.carpetatemporal).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"html.tlm", "sczub", "temp_zub.html"}))
        << "nothing of the book is copied";
    EXPECT_EQ(fakes.dialogos->mensaxes, QStringList{});
}

TEST_F(Previa, TheAuthorsTemplateOfTheExportSheet) {
    libro({"7"});
    escribir(dir.path() + "/propia/modelo.tlm", "propia [[confzub]]");
    escribir(dir.path() + "/propia/sczub/extra.js", "");
    auto* txplant = new LabelledEdit(form->tabExportar);
    txplant->setObjectName("txplant");
    txplant->setText(dir.path() + "/propia/modelo.tlm");
    form->btmirarClick();
    EXPECT_TRUE(ler(paxina()).startsWith("propia {")) << ler(paxina()).toStdString();
    EXPECT_TRUE(QFileInfo::exists(form->libro.carpetatemporal + "sczub/extra.js")) << "its player folder too";
}

TEST_F(Previa, WithoutAPageShownItStartsAtNone) {
    libro({});
    const int antes = folla();
    form->btmirarClick();
    EXPECT_TRUE(ler(paxina()).contains(R"("npax":"0")"));
    EXPECT_EQ(fakes.aplicacion->abertos.size(), 1);
    EXPECT_EQ(folla(), antes);
}

TEST_F(Previa, TheWorkFolderIsMadeWhenMissingAndWithoutOneNothingIsOpened) {
    libro({"7"});
    form->libro.txtben = "Ben!";
    form->libro.carpetatemporal.clear();
    form->btmirarClick();
    EXPECT_TRUE(fakes.aplicacion->abertos.isEmpty());
    EXPECT_EQ(form->libro.txtben, "Ben!");
    // One that is missing is made.
    form->libro.carpetatemporal = dir.path() + "/novo/";
    form->btmirarClick();
    EXPECT_EQ(fakes.aplicacion->abertos,
              QList<QUrl>{QUrl::fromLocalFile(dir.path() + "/novo/temp_zub.html")});
}

TEST_F(Previa, APageThisBuildDidNotWriteIsNotOpened) {
    libro({"7"});
    form->amosarpaxina(1);
    QDir().mkpath(paxina()); // nothing can be written there
    form->btmirarClick();
    EXPECT_EQ(fakes.dialogos->mensaxes, QStringList{"Error crear HTML"});
    EXPECT_TRUE(fakes.aplicacion->abertos.isEmpty());
    EXPECT_EQ(folla(), 7 + primeirafollatipo) << "the sheet comes back in every case";
}

} // namespace
