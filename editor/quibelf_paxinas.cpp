// The page list: insert, duplicate, delete, reorder, move between pages, and the keyboard
// commands of the main window. Every move goes through the neutral sheet, so the editor of the
// old page is stored before paxinaactual changes.
#include "book/campos.h"
#include "book/paxinas.h"
#include "editor/avisos.h"
#include "editor/follas.h"
#include "editor/quibelf.h"
#include "languages/idiomas.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTextEdit>
#include <QToolButton>
#include <algorithm>

namespace quibel {

void TForm1::crecerselector(int paxinas) {
    for (int i = numpaxinap->count() + 1; i <= paxinas; ++i)
        numpaxinap->addItem(QString::number(i));
}

bool TForm1::paxinanova(int n) {
    if (!quibel::paxinanova(documento, n)) return false;
    crecerselector(libro.numpaxinas);
    return true;
}

void TForm1::amosarpaxina(int n) {
    if (libro.numpaxinas == 0) return;
    n = std::clamp(n, 1, int(libro.numpaxinas));
    tipaxinas->amosar(pasarfolla);
    documento.porpaxinaactual(quint8(n));
    numpaxinap->setCurrentIndex(n - 1);
    const int tipo = tipoparamostrar(libro.paxina(n));
    if (tipo == 0) {
        // A row without a valid type has no editor: the neutral sheet, with the navigation bar
        // so that the author can move on.
        vercomunes(0);
        titular->clear();
        grson->hide();
        panelsonavega->show();
        return;
    }
    tipaxinas->amosar(tipo + primeirafollatipo);
}

void TForm1::iniciatipo(int tipo) {
    if (tipo < 1 || tipo > numtipos) return;
    const int c = documento.paxinaactual();
    // An open editor is stored before the rows move under it.
    const bool saiu = documento.tipoactual != 0;
    if (saiu) tipaxinas->amosar(pasarfolla);
    if (!paxinanova(1)) {
        if (saiu) amosarpaxina(c);
        return;
    }
    Tpaxina& p = libro.paxina(documento.paxinaactual());
    p[campo::tipo] = QString::number(tipo);
    if (editores[tipo]) editores[tipo]->novapaxina(p);
    amosarpaxina(documento.paxinaactual());
}

void TForm1::SpeedButton11Click() {
    if (libro.numpaxinas < 100) tipaxinas->amosar(escoller);
}

void TForm1::btclonaClick() {
    if (!paxinavalida()) return;
    const int c = documento.paxinaactual();
    tipaxinas->amosar(pasarfolla);
    if (!duplicarpaxina(documento)) {
        // The book is full: back to the page, not to an empty sheet.
        amosarpaxina(c);
        return;
    }
    numpaxinap->addItem(QString::number(libro.numpaxinas));
    amosarpaxina(documento.paxinaactual());
}

void TForm1::SpeedButton7Click() {
    if (!paxinavalida()) return;
    const QString texto = textosui[115] + QString::number(documento.paxinaactual()) + QStringLiteral("?");
    if (preguntar(texto, QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok) return;
    borrarpaxina(documento);
    numpaxinap->setCurrentIndex(documento.paxinaactual() - 1);
    if (numpaxinap->count() > 0) numpaxinap->removeItem(numpaxinap->count() - 1);
    // The editor on screen belongs to the deleted page: it is not stored anywhere.
    documento.tipoactual = 0;
    tipaxinas->amosar(pasarfolla);
    if (paxinavalida())
        amosarpaxina(documento.paxinaactual());
    else
        SpeedButton11Click();
}

void TForm1::SpeedButton167Click() {
    ListBox1->clear();
    tipaxinas->amosar(cambiarorde);
    ListBox1->addItems(linasorde(libro));
    titular->setText(textosui[5]);
    vercomunes(0);
    panelsonavega->hide();
}

void TForm1::SpeedButton168Click() {
    if (libro.numpaxinas > 1) {
        QStringList linas;
        for (int i = 0; i < ListBox1->count(); ++i)
            linas << ListBox1->item(i)->text();
        aplicarorde(libro, linas);
    }
    // paxinaactual now names whatever page stands at its position: nothing may be stored into
    // it until a page sheet is shown again.
    documento.tipoactual = 0;
    SpeedButton167Click();
}

void TForm1::saltaapaxina(int n) {
    if (n == documento.paxinaactual() || libro.numpaxinas == 0) return;
    amosarpaxina(std::clamp(n, 1, int(libro.numpaxinas)));
}

void TForm1::numpaxinapSelect(int indice) {
    saltaapaxina(indice + 1);
}

void TForm1::SpeedButton10Click() {
    if (libro.numpaxinas > 0 && documento.paxinaactual() < libro.numpaxinas && documento.paxinaactual() < 100)
        amosarpaxina(documento.paxinaactual() + 1);
}

void TForm1::SpeedButton9Click() {
    if (documento.paxinaactual() > 1) amosarpaxina(documento.paxinaactual() - 1);
}

void TForm1::SpeedButton8Click() {
    if (documento.paxinaactual() > 1) amosarpaxina(1);
}

void TForm1::SpeedButton12Click() {
    if (documento.paxinaactual() > 0 && documento.paxinaactual() < 100) amosarpaxina(libro.numpaxinas);
}

void TForm1::bpaxinasClick() {
    Panel1->show();
    sprspl->show();
    if (paxinavalida()) {
        numpaxinap->setCurrentIndex(documento.paxinaactual() - 1);
        if (!libro.paxina(documento.paxinaactual())[campo::tipo].isEmpty()) {
            panelsonavega->show();
            amosarpaxina(documento.paxinaactual());
        } else {
            tipaxinas->amosar(escoller);
        }
    } else {
        tipaxinas->amosar(escoller);
    }
}

void TForm1::bconfClick() {
    panelsonavega->hide();
    vercomunes(0);
    pasar(documento.tipoactual);
    tipaxinas->amosar(identif);
}

namespace {

// Controls that use the page keys themselves (moving a caret, a selection or a list).
bool usateclas(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w);
}

} // namespace

void TForm1::FormKeyDown(int tecla, QWidget* foco) {
    const bool barra = !panelsonavega->isHidden();
    const bool paxinas = barra && !usateclas(foco);
    switch (tecla) {
    case Qt::Key_PageUp: // forward, as authors of these books are used to
        if (paxinas) SpeedButton10Click();
        break;
    case Qt::Key_PageDown:
        if (paxinas) SpeedButton9Click();
        break;
    case Qt::Key_End:
        if (paxinas) SpeedButton12Click();
        break;
    case Qt::Key_Home:
        if (paxinas) SpeedButton8Click();
        break;
    case Qt::Key_F1:
        SpeedButton133Click();
        break;
    case Qt::Key_F2:
        SpeedButton135Click();
        break;
    case Qt::Key_F3:
        SpeedButton137Click();
        break;
    // F4 to F8 are their buttons' commands: only while the button could be pressed.
    case Qt::Key_F4:
        if (bgardar->isEnabled()) bgardars();
        break;
    case Qt::Key_F5:
        if (bgardarcomo->isEnabled()) bgardarcomoClick();
        break;
    case Qt::Key_F6:
        if (bconf->isEnabled()) bconfClick();
        break;
    case Qt::Key_F7:
        if (bpaxinas->isEnabled()) bpaxinasClick();
        break;
    case Qt::Key_F8:
        if (SpeedButton11->isEnabled()) SpeedButton11Click();
        break;
    case Qt::Key_F9:
        if (barra) btclonaClick();
        break;
    case Qt::Key_F10:
        if (barra) SpeedButton7Click();
        break;
    case Qt::Key_F11:
        if (barra) SpeedButton167Click();
        break;
    default:
        break;
    }
}

bool TForm1::eventFilter(QObject* obj, QEvent* e) {
    // The window previews every key pressed in it and lets it go on to the control.
    if (e->type() == QEvent::KeyPress && obj->isWidgetType()) {
        auto* w = static_cast<QWidget*>(obj);
        if (w->window() == this) {
            QWidget* foco = QApplication::focusWidget();
            if (foco && foco->window() != this) foco = nullptr;
            // An unused key travels from the focus widget up to the window: act at its first stop.
            if (w == (foco ? foco : this)) {
                const int tecla = static_cast<QKeyEvent*>(e)->key();
                guarded([this, tecla, foco] { FormKeyDown(tecla, foco); });
            }
        }
    }
    return QMainWindow::eventFilter(obj, e);
}

} // namespace quibel
