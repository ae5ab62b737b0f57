// The editor cycle: a page's sheet loads it when shown and stores it when hidden.
#include "editor/controis.h"
#include "ventaproba.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>

using namespace quibel;

namespace {

class Ciclo : public proba::Venta {
protected:
    void SetUp() override {
        rexistro = std::make_unique<proba::EditorRexistrado>(7, &log);
        rexistro8 = std::make_unique<proba::EditorRexistrado>(8, &log, true);
        Venta::SetUp(); // the window takes the editors registered now
    }
    void TearDown() override {
        form.reset();
        rexistro.reset();
        rexistro8.reset();
    }
    proba::EditorProba& editor(int tipo) { return static_cast<proba::EditorProba&>(*form->editores[tipo]); }

    QStringList log;
    std::unique_ptr<proba::EditorRexistrado> rexistro, rexistro8;
};

// Every field of every row, and every wide text.
std::vector<QString> taboa(const TForm1& f) {
    std::vector<QString> r;
    for (const Tpaxina& p : f.libro.taboapaxinas)
        r.insert(r.end(), p.P.begin(), p.P.end());
    for (const auto& fila : f.libro.textospaxina)
        r.insert(r.end(), fila.begin(), fila.end());
    return r;
}

} // namespace

TEST_F(Ciclo, TwoPagesOfOneTypeInARowStoreTheFirstAndLoadTheSecond) {
    libro({"7", "7"});
    form->libro.paxina(1)[1] = "one";
    form->libro.paxina(2)[1] = "two";
    form->bpaxinasClick();
    ASSERT_EQ(folla(), 13);
    EXPECT_EQ(form->documento.tipoactual, 7);
    EXPECT_EQ(form->titular->text(), textosui[21]);
    EXPECT_EQ(form->txtcabe->text(), "h1");
    EXPECT_EQ(editor(7).campo->text(), "one");

    form->txtcabe->setText("changed");
    editor(7).campo->setText("ONE");
    form->SpeedButton10Click();
    EXPECT_EQ(folla(), 13);
    EXPECT_EQ(form->documento.paxinaactual(), 2);
    EXPECT_EQ(form->libro.paxina(1)[35], "changed");
    EXPECT_EQ(form->libro.paxina(1)[1], "ONE");
    EXPECT_EQ(form->txtcabe->text(), "h2");
    EXPECT_EQ(editor(7).campo->text(), "two");
    EXPECT_EQ(form->numpaxinap->currentIndex(), 1);
    EXPECT_EQ(log, (QStringList{"cargar 1", "gardar 1", "cargar 2"}));
}

TEST_F(Ciclo, CommonFieldsLoadAndStore) {
    libro({"5"});
    Tpaxina& p = form->libro.paxina(1);
    p[31] = "";             // empty: going forward allowed
    p[32] = "1";            // going back blocked
    p[36] = "/res/son.mp3"; // page sound
    p[37] = "1";
    p[38] = "link text";
    p[39] = "http://x";
    p[40] = "Ben";
    p[41] = "Mal";
    p[34] = "footer";
    form->bpaxinasClick();
    EXPECT_TRUE(form->chpasa->isChecked());
    EXPECT_FALSE(form->chpasam->isChecked());
    EXPECT_EQ(form->txtson->text(), "son.mp3");
    EXPECT_TRUE(form->autoson->isChecked());
    EXPECT_TRUE(form->plson->isEnabled());
    EXPECT_EQ(form->proppaxltxt->text(), "link text");
    EXPECT_EQ(form->malpax->text(), "Mal");
    EXPECT_FALSE(form->pcab->isHidden());
    EXPECT_FALSE(form->ptxtpe->isHidden());
    EXPECT_FALSE(form->grson->isHidden());
    EXPECT_TRUE(form->proppax->isHidden()) << "only its button shows it";

    form->btproppax->click();
    EXPECT_FALSE(form->proppax->isHidden());
    form->benpax->setText("Moi ben");
    form->Image64Click(); // toggles chpasam
    form->txtpe->setText("new footer");
    form->bconfClick();
    EXPECT_EQ(p[31], "0");
    EXPECT_EQ(p[32], "0");
    EXPECT_EQ(p[40], "Moi ben");
    EXPECT_EQ(p[34], "new footer");
    EXPECT_EQ(p[37], "1");
    EXPECT_EQ(p[36], "/res/son.mp3") << "the sound slot is written by its own routines";
    EXPECT_EQ(p[0], "5");
}

TEST_F(Ciclo, ClearingThePageSoundStoresItAtOnce) {
    libro({"5", "4"});
    form->libro.paxina(1)[36] = "/res/son.mp3";
    form->libro.paxina(1)[37] = "1";
    form->bpaxinasClick();
    form->SpeedButton21->click();
    EXPECT_TRUE(form->libro.paxina(1)[36].isEmpty());
    EXPECT_EQ(form->libro.paxina(1)[37], "0");
    EXPECT_FALSE(form->plson->isEnabled());
    EXPECT_FALSE(form->autoson->isChecked());

    // A find-a-word page keeps what the box stored on click; pasar does not rewrite it.
    form->SpeedButton10Click();
    form->autoson->click();
    EXPECT_EQ(form->libro.paxina(2)[37], "1");
    form->autoson->setChecked(false); // by program: no click
    form->bconfClick();
    EXPECT_EQ(form->libro.paxina(2)[37], "1");
}

TEST_F(Ciclo, ThePropertiesSheetLeavesThePagesByteIdentical) {
    libro({"7", "5"});
    form->bpaxinasClick();
    form->bconfClick(); // the first store of page 1
    const auto antes = taboa(*form);
    const int cargas = log.size();
    form->bconfClick();
    form->tipaxinas->amosar(TForm1::pasarfolla);
    form->tipaxinas->amosar(TForm1::identif);
    form->pasar(form->documento.tipoactual);
    EXPECT_EQ(folla(), TForm1::identif);
    EXPECT_EQ(form->documento.tipoactual, 0);
    EXPECT_EQ(form->titular->text(), textosui[4]);
    EXPECT_TRUE(form->grson->isHidden());
    EXPECT_TRUE(form->txtson->text().isEmpty());
    EXPECT_EQ(taboa(*form), antes);
    EXPECT_EQ(log.size(), cargas);
}

// After the sheet is hidden nothing may store it again, whatever moves meanwhile.
TEST_F(Ciclo, AHiddenSheetIsNeverStoredOverAnotherPage) {
    libro({"7", "5", ""});
    form->bpaxinasClick();
    form->txtcabe->setText("page 1 edited");

    // Reorder: the list, then page 2 goes first.
    form->SpeedButton167Click();
    EXPECT_EQ(form->documento.tipoactual, 0);
    EXPECT_EQ(form->libro.paxina(1)[35], "page 1 edited");
    form->ListBox1->insertItem(0, form->ListBox1->takeItem(1));
    form->SpeedButton168Click();
    EXPECT_EQ(cabeceiras(), "h2 page 1 edited h3");
    // Save, properties and the version item now store nothing over the page at position 1.
    fakes.dialogos->arquivos = {dir.path() + "/libro"};
    form->bgardars();
    form->bconfClick();
    form->Quibelv270->trigger();
    EXPECT_EQ(cabeceiras(), "h2 page 1 edited h3");
    EXPECT_EQ(form->libro.paxina(1)[0], "5");

    // A jump to a page without a type: the neutral sheet, and nothing stored into that page.
    form->bpaxinasClick();
    form->saltaapaxina(3);
    EXPECT_EQ(folla(), TForm1::pasarfolla);
    EXPECT_FALSE(form->panelsonavega->isHidden()) << "the author can move on";
    EXPECT_EQ(form->documento.tipoactual, 0);
    form->bconfClick();
    form->Quibelv270->trigger();
    EXPECT_TRUE(form->libro.paxina(3)[0].isEmpty());
    EXPECT_EQ(form->libro.paxina(3)[35], "h3");
}

TEST_F(Ciclo, ASheetThatFailsToLoadIsNotStored) {
    libro({"7", "8", "7"});
    const Tpaxina pagina2 = form->libro.paxina(2);
    form->bpaxinasClick();
    editor(7).campo->setText("from page 1");
    form->SpeedButton10->click(); // page 2: its editor fails; the guard reports it
    EXPECT_EQ(fakes.dialogos->mensaxes, QStringList{"load failed"});
    EXPECT_EQ(form->documento.paxinaactual(), 2);
    EXPECT_EQ(form->documento.tipoactual, 0);
    EXPECT_EQ(form->txtcabe->text(), "h2") << "the common fields are loaded before the type's";
    form->txtcabe->setText("typed on a broken sheet");
    form->bconf->click();
    form->bpaxinas->click(); // fails again, stores nothing
    form->SpeedButton10->click();
    EXPECT_EQ(form->documento.paxinaactual(), 3);
    EXPECT_EQ(form->libro.paxina(2)[1], pagina2[1]);
    EXPECT_EQ(form->libro.paxina(2)[35], pagina2[35]);
    EXPECT_EQ(form->libro.paxina(1)[1], "from page 1");
    EXPECT_FALSE(log.contains("gardar 2"));
}

TEST_F(Ciclo, NoPageMeansNoLoadAndNoStore) {
    libro({"7"});
    const auto antes = taboa(*form);
    for (int actual : {0, 2}) {
        form->documento.porpaxinaactual(quint8(actual));
        form->documento.tipoactual = 7;
        form->pasar(7);
        form->entrapaxina(1, 7);
        EXPECT_EQ(form->documento.tipoactual, 0) << actual;
        form->follatipoShow(7);
        EXPECT_EQ(form->documento.tipoactual, 0);
    }
    EXPECT_EQ(taboa(*form), antes);
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(Ciclo, ShowingAPageFixesItsType) {
    struct Caso {
        const char* tipo;
        int folla;
        const char* despois;
    };
    const Caso casos[] = {
        {"60", 57, "51"},
        {"5", 11, "5"},
        {"", TForm1::pasarfolla, ""},
        {"x", TForm1::pasarfolla, "x"},
        {"0", TForm1::pasarfolla, "0"},
    };
    for (const Caso& c : casos) {
        libro({"7", c.tipo});
        form->bpaxinasClick();
        form->SpeedButton10Click();
        EXPECT_EQ(folla(), c.folla) << c.tipo;
        EXPECT_EQ(form->libro.paxina(2)[0], c.despois) << c.tipo;
        EXPECT_EQ(form->documento.paxinaactual(), 2);
        EXPECT_FALSE(form->panelsonavega->isHidden()) << c.tipo;
    }
}
