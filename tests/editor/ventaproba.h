// A main window for tests: fake services, Spanish texts, its configuration in a temporary folder,
// and helpers to give it a book without going through a file.
#pragma once

#include "book/loaditem.h"
#include "editor/follas.h"
#include "editor/quibelf.h"
#include "editor/recursos.h"
#include "fakes.h"
#include "languages/idiomas.h"

#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>

namespace quibel::proba {

// A test editor for one page type: a line edit bound to P1, and a log of its loads and stores.
class EditorProba : public PageEditor {
public:
    explicit EditorProba(QStringList* log, bool falla = false) : log_(log), falla_(falla) {}
    void crear(EditorContext&, QWidget* folla) override {
        campo = new QLineEdit(folla);
        campo->setObjectName(QStringLiteral("campoproba"));
    }
    void cargar(Book& libro, int paxina) override {
        *log_ << QStringLiteral("cargar %1").arg(paxina);
        if (falla_) throw std::runtime_error("load failed");
        campo->setText(libro.paxina(paxina)[1]);
    }
    void gardar(Book& libro, int paxina) override {
        *log_ << QStringLiteral("gardar %1").arg(paxina);
        libro.paxina(paxina)[1] = campo->text();
    }
    QLineEdit* campo = nullptr;

private:
    QStringList* log_;
    bool falla_;
};

// Drags the resource chosen in the panel onto w and drops it at (3, 3): true when w accepted it.
inline bool soltarsobre(QWidget* w) {
    QMimeData* datos = datosarrastre();
    QDragEnterEvent entra(QPoint(3, 3), Qt::CopyAction, datos, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &entra);
    QDropEvent solta(QPointF(3, 3), Qt::CopyAction, datos, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &solta);
    delete datos;
    return entra.isAccepted();
}

// Registers a test editor for a type while it lives; the type's own editor comes back after it.
struct EditorRexistrado {
    int tipo;
    FabricaEditor antes;
    EditorRexistrado(int t, QStringList* log, bool falla = false) : tipo(t), antes(fabricaeditor(t)) {
        rexistrareditor(t, [log, falla] { return std::make_unique<EditorProba>(log, falla); });
    }
    ~EditorRexistrado() { rexistrareditor(tipo, antes); }
};

class Venta : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(dir.isValid());
        crear();
    }
    void crear(const QStringList& argumentos = {}) {
        form.reset();
        form = std::make_unique<TForm1>(argumentos);
        form->libro.carpetacfg = dir.path() + "/";
        aplicaridioma(0);
    }

    // A new book with pages of these types (as text), shown on the properties sheet as after
    // Open: page i has the header "h<i>" and the wide text "w<i>".
    void libro(std::initializer_list<const char*> tipos) {
        form->documento.porpaxinaactual(0); // New without the replace question
        form->SpeedButton135Click();
        Book& b = form->libro;
        int i = 0;
        for (const char* t : tipos) {
            ++i;
            b.paxina(i)[0] = QString::fromLatin1(t);
            b.paxina(i)[35] = QStringLiteral("h%1").arg(i);
            b.texto(i, 1) = QStringLiteral("w%1").arg(i);
        }
        b.numpaxinas = quint8(i);
        form->documento.porpaxinaactual(i ? 1 : 0);
        InformeLectura informe;
        informe.paxinas = i;
        form->aplicarinforme(informe);
    }
    void libro(int n, const char* tipo) {
        libro({});
        Book& b = form->libro;
        for (int i = 1; i <= n; ++i) {
            b.paxina(i)[0] = QString::fromLatin1(tipo);
            b.paxina(i)[35] = QStringLiteral("h%1").arg(i);
            b.texto(i, 1) = QStringLiteral("w%1").arg(i);
        }
        b.numpaxinas = quint8(n);
        form->documento.porpaxinaactual(1);
        InformeLectura informe;
        informe.paxinas = n;
        form->aplicarinforme(informe);
    }

    // The headers of the pages, "-" for an empty one.
    QString cabeceiras() const {
        QStringList s;
        for (int i = 1; i <= form->libro.numpaxinas; ++i) {
            const QString& h = form->libro.paxina(i)[35];
            s << (h.isEmpty() ? QStringLiteral("-") : h);
        }
        return s.join(' ');
    }
    int folla() const { return form->tipaxinas->actual(); }

    // Shows the window and gives the focus to w, for the keys.
    void foco(QWidget* w) {
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        w->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), w);
    }
    void tecla(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }

    ServizosFalsos fakes;
    QTemporaryDir dir;
    std::unique_ptr<TForm1> form;
};

} // namespace quibel::proba
