// The editor cycle: showing a page's sheet loads the page into the controls (entrapaxina), hiding
// it stores them back (pasar); the fields every page has; the header, footer and page-sound
// controls; the sheets that carry no page.
#include "book/campos.h"
#include "book/rutinas.h"
#include "editor/controis.h"
#include "editor/follas.h"
#include "editor/paletatipos.h"
#include "editor/paneiscor.h"
#include "editor/propiedades.h"
#include "editor/quibelf.h"
#include "editor/ranuras.h"
#include "languages/idiomas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace quibel {

namespace {

QString bandeira(bool marcada) {
    return marcada ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

void TForm1::follatipoShow(int tipo) {
    // Without a page the sheet is only a view: nothing may be stored from it.
    if (!paxinavalida()) {
        documento.tipoactual = 0;
        return;
    }
    documento.tipoactual = quint8(tipo);
    entrapaxina(1, tipo);
}

void TForm1::entrapaxina(int modo, int tipo) {
    if (modo == 1 && tipo >= 1 && tipo <= numtipos) prepararfolla(tipo + primeirafollatipo);
    if (modo == 1) {
        if (!paxinavalida()) {
            documento.tipoactual = 0;
            return;
        }
        const Tpaxina& p = libro.paxina(documento.paxinaactual());
        vercomunes(1);
        grson->show();
        panelsonavega->show();
        txtcabe->setText(p[campo::cabeceira]);
        txtpe->setText(p[campo::pe]);
        proppaxltxt->setText(p[campo::textoliga]);
        proppaxld->setText(p[campo::destinoliga]);
        benpax->setText(p[campo::mensaxeben]);
        malpax->setText(p[campo::mensaxemal]);
        quitarson(*contextoranuras, plson, txtson, campo::son, 1);
        porcheck(autoson, p[campo::autoson] == QLatin1String("1"));
        porcheck(chpasa, p[campo::bloqueavanzar] != QLatin1String("1"));
        porcheck(chpasam, p[campo::bloquearecuar] != QLatin1String("1"));
    } else if (modo == 3) {
        vercomunes(0);
        grson->hide();
        txtson->clear();
    } else {
        return;
    }

    if (tipo != 0 && paxinavalida()) {
        // Showing a sheet retypes the page to that sheet's type.
        libro.paxina(documento.paxinaactual())[campo::tipo] = QString::number(tipo);
        numpaxinap->setCurrentIndex(documento.paxinaactual() - 1);
    }
    titular->clear();
    titular->setText(titulotipo(tipo));
    if (modo == 1 && tipo >= 1 && tipo <= numtipos) {
        amosarranuras(tipo);
        cargarespeciais(tipo);
    }
    if (modo == 1 && tipo >= 1 && tipo <= numtipos && editores[tipo]) {
        try {
            editores[tipo]->cargar(libro, documento.paxinaactual());
        } catch (...) {
            // A sheet that could not be loaded holds values of another page: never store it.
            documento.tipoactual = 0;
            throw;
        }
    }
}

void TForm1::pasar(int tipo) {
    if (documento.tipoactual == 0 || !paxinavalida() || tipo < 1 || tipo > numtipos) return;
    Tpaxina& p = libro.paxina(documento.paxinaactual());
    p[campo::tipo] = QString::number(tipo);
    p[campo::bloqueavanzar] = chpasa->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
    p[campo::bloquearecuar] = chpasam->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
    p[campo::cabeceira] = txtcabe->text();
    p[campo::pe] = txtpe->text();
    p[campo::textoliga] = proppaxltxt->text();
    p[campo::destinoliga] = proppaxld->text();
    p[campo::mensaxeben] = benpax->text();
    p[campo::mensaxemal] = malpax->text();
    PageEditor* editor = editores[tipo].get();
    if (!editor || editor->gardaautoson()) p[campo::autoson] = bandeira(autoson->isChecked());
    // A sheet never built never loaded this page: its fields stay as they are.
    if (editor && follafeita(tipo + primeirafollatipo)) editor->gardar(libro, documento.paxinaactual());
}

void TForm1::pestanHide() {
    pasar(documento.tipoactual);
    // The sheet is stored: until a page sheet is shown again nothing may be stored, whatever
    // happens to paxinaactual and the rows meanwhile.
    documento.tipoactual = 0;
}

void TForm1::vercomunes(int modo) {
    if (modo == 1) {
        if (pcab->isHidden()) {
            pcab->show();
            ptxtpe->show();
            panelsonavega->show();
        }
    } else if (modo == 0) {
        if (!pcab->isHidden()) {
            pcab->hide();
            ptxtpe->hide();
            proppax->hide();
            panelsonavega->hide();
        }
    }
}

void TForm1::TabSheet1Show() {
    documento.tipoactual = 0;
    entrapaxina(3, 0);
}

void TForm1::TabSheet1Hide() {
    ponrecursos();
}

void TForm1::TabSheet22Show() {
    selectortipos->TabSheet22Show();
}

void TForm1::TabSheet22Hide() {
    selectortipos->TabSheet22Hide();
}

void TForm1::autosonClick() {
    if (!paxinavalida()) return;
    libro.paxina(documento.paxinaactual())[campo::autoson] = bandeira(autoson->isChecked());
}

void TForm1::SpeedButton21Click() {
    if (!paxinavalida()) return;
    quitarson(*contextoranuras, plson, txtson, campo::son, 0);
    porcheck(autoson, false);
    autosonClick();
}

void TForm1::plsonClick() {
    if (!paxinavalida()) return;
    sonar(libro.paxina(documento.paxinaactual())[campo::son]);
}

void TForm1::Image68Click() {
    chpasa->toggle();
}

void TForm1::Image64Click() {
    chpasam->toggle();
}

void TForm1::btproppaxClick() {
    proppax->setVisible(proppax->isHidden());
    if (!proppax->isHidden()) proppax->raise();
}

void TForm1::txtlibroChange() {
    libro.txtlibro = txtlibro->text();
    setWindowTitle(versionquibel + QStringLiteral("      [ ") + libro.txtlibro + QStringLiteral(" ]"));
}

void TForm1::amosarpropiedades() {
    txtlibro->setText(libro.txtlibro);
    enpropiedades([this] { propiedades->amosar(); });
}

void TForm1::colorcape() {
    const QColor fondo = corfondolibro(libro);
    const QColor texto = cortextolibro(libro);
    for (QWidget* e : {static_cast<QWidget*>(txtcabe), static_cast<QWidget*>(txtpe)}) {
        darcor(e, fondo, PapelCor::fondo);
        darcor(e, texto, PapelCor::texto);
    }
}

} // namespace quibel
