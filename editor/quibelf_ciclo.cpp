// The editor cycle: showing a page's sheet loads the page into the controls (entrapaxina), hiding
// it stores them back (pasar); the fields every page has; the header, footer and page-sound
// controls; the sheets that carry no page.
#include "book/rutinas.h"
#include "editor/controis.h"
#include "editor/follas.h"
#include "editor/paletatipos.h"
#include "editor/quibelf.h"
#include "languages/idiomas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace quibel {

namespace {

// The file-name part of a stored path: the text after the last "\", "/" or ":".
QString nomeparaver(const QString& ruta) {
    qsizetype corte = -1;
    for (QChar c : {QChar(u'\\'), QChar(u'/'), QChar(u':')})
        corte = qMax(corte, ruta.lastIndexOf(c));
    return ruta.mid(corte + 1);
}

QString bandeira(bool marcada) {
    return marcada ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

void TForm1::follatipoShow(int tipo) {
    // Without a page the sheet is only a view: nothing may be stored from it.
    if (!paxinavalida()) {
        libro.tipoactual = 0;
        return;
    }
    libro.tipoactual = quint8(tipo);
    entrapaxina(1, tipo);
}

void TForm1::entrapaxina(int modo, int tipo) {
    if (modo == 1) {
        if (!paxinavalida()) {
            libro.tipoactual = 0;
            return;
        }
        const Tpaxina& p = libro.paxina(libro.paxinaactual);
        vercomunes(1);
        grson->show();
        panelsonavega->show();
        txtcabe->setText(p[35]);
        txtpe->setText(p[34]);
        proppaxltxt->setText(p[38]);
        proppaxld->setText(p[39]);
        benpax->setText(p[40]);
        malpax->setText(p[41]);
        txtson->setText(nomeparaver(p[36]));
        porcheck(autoson, p[37] == QLatin1String("1"));
        plson->setEnabled(!txtson->text().isEmpty());
        porcheck(chpasa, p[31] != QLatin1String("1"));
        porcheck(chpasam, p[32] != QLatin1String("1"));
    } else if (modo == 3) {
        vercomunes(0);
        grson->hide();
        txtson->clear();
    } else {
        return;
    }

    if (tipo != 0 && paxinavalida()) {
        // Showing a sheet retypes the page to that sheet's type.
        libro.paxina(libro.paxinaactual)[0] = QString::number(tipo);
        numpaxinap->setCurrentIndex(libro.paxinaactual - 1);
    }
    titular->clear();
    titular->setText(titulotipo(tipo));
    if (modo == 1 && tipo >= 1 && tipo <= numtipos && editores[tipo]) {
        try {
            editores[tipo]->cargar(libro, libro.paxinaactual);
        } catch (...) {
            // A sheet that could not be loaded holds values of another page: never store it.
            libro.tipoactual = 0;
            throw;
        }
    }
}

void TForm1::pasar(int tipo) {
    if (libro.tipoactual == 0 || !paxinavalida() || tipo < 1 || tipo > numtipos) return;
    Tpaxina& p = libro.paxina(libro.paxinaactual);
    p[0] = QString::number(tipo);
    p[31] = chpasa->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
    p[32] = chpasam->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
    p[35] = txtcabe->text();
    p[34] = txtpe->text();
    p[38] = proppaxltxt->text();
    p[39] = proppaxld->text();
    p[40] = benpax->text();
    p[41] = malpax->text();
    // The find-a-word page keeps what its auto-play box stored on click.
    if (tipo != 4) p[37] = bandeira(autoson->isChecked());
    if (editores[tipo]) editores[tipo]->gardar(libro, libro.paxinaactual);
}

void TForm1::pestanHide() {
    pasar(libro.tipoactual);
    // The sheet is stored: until a page sheet is shown again nothing may be stored, whatever
    // happens to paxinaactual and the rows meanwhile.
    libro.tipoactual = 0;
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
    libro.tipoactual = 0;
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
    libro.paxina(libro.paxinaactual)[37] = bandeira(autoson->isChecked());
}

void TForm1::SpeedButton21Click() {
    if (!paxinavalida()) return;
    libro.paxina(libro.paxinaactual)[36].clear();
    txtson->clear();
    plson->setEnabled(false);
    porcheck(autoson, false);
    autosonClick();
}

void TForm1::plsonClick() {
    if (!paxinavalida()) return;
    sonar(libro.paxina(libro.paxinaactual)[36]);
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
}

void TForm1::colorcape() {
    const auto cor = [](const QString& texto, const QColor& defecto) {
        try {
            return colorDe(hexacor(texto));
        } catch (const std::exception&) {
            return defecto;
        }
    };
    const QColor fondo = cor(libro.corfondolibro, Qt::white);
    const QColor texto = cor(libro.cortextolibro, Qt::black);
    for (QLineEdit* e : {txtcabe, static_cast<QLineEdit*>(txtpe)}) {
        QPalette p = e->palette();
        p.setColor(QPalette::Base, fondo);
        p.setColor(QPalette::Text, texto);
        e->setPalette(p);
    }
}

} // namespace quibel
