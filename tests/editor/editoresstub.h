// Stand-ins of the page editors still to come, as far as the drag and menu bindings go: each makes
// the named controls its sheet is to have. With the window fixture and synthetic mouse events.
#pragma once

#include "editor/controis.h"
#include "editor/htmlview.h"
#include "editor/paneiscor.h"
#include "ventaproba.h"

#include <QMouseEvent>
#include <QPushButton>
#include <deque>
#include <string>

namespace quibel::proba {

// An editor that only makes the named controls its sheet is to have: {class, name, parent, place}.
struct Control {
    enum Clase { marco, edit, boton, cor } clase;
    const char* nome;
    const char* pai; // nullptr: the sheet
    QRect xeometria;
};

class EditorControis : public PageEditor {
public:
    explicit EditorControis(std::vector<Control> controis) : controis_(std::move(controis)) {}
    void crear(EditorContext&, QWidget* folla) override {
        for (const Control& c : controis_) {
            QWidget* pai = c.pai ? folla->findChild<QWidget*>(c.pai) : folla;
            QWidget* w = nullptr;
            switch (c.clase) {
            case Control::marco:
                w = new QFrame(pai);
                break;
            case Control::edit:
                w = new QLineEdit(pai);
                break;
            case Control::boton:
                w = new QPushButton(pai);
                break;
            case Control::cor:
                w = new ColourPanel(pai);
                break;
            }
            w->setObjectName(c.nome);
            w->setGeometry(c.xeometria);
        }
    }
    void cargar(Book&, int) override {}
    void gardar(Book&, int) override {}

private:
    std::vector<Control> controis_;
};

inline std::vector<Control> numerados(Control::Clase clase, const char* raiz, int primeiro, int ultimo) {
    static std::deque<std::string> nomes; // the names outlive the editors
    std::vector<Control> v;
    for (int i = primeiro; i <= ultimo; ++i) {
        nomes.push_back(raiz + std::to_string(i));
        v.push_back({clase, nomes.back().c_str(), nullptr, QRect(300, 20 * i, 30, 16)});
    }
    return v;
}

inline std::vector<Control> unir(std::initializer_list<std::vector<Control>> partes) {
    std::vector<Control> v;
    for (const auto& p : partes)
        v.insert(v.end(), p.begin(), p.end());
    return v;
}

// The editors still to come, as far as their controls go: types 2, 9, 15, 20, 23 and 30.
struct EditoresStub {
    std::vector<std::pair<int, FabricaEditor>> antes;
    void rexistrar(int tipo, std::vector<Control> c) {
        antes.emplace_back(tipo, fabricaeditor(tipo));
        rexistrareditor(tipo, [c] { return std::make_unique<EditorControis>(c); });
    }
    EditoresStub() {
        rexistrar(2, {{Control::marco, "basetext", nullptr, QRect(50, 50, 200, 200)},
                      {Control::marco, "movtext", "basetext", QRect(4, 4, 12, 12)},
                      {Control::edit, "imtextox", nullptr, QRect(400, 0, 40, 20)},
                      {Control::edit, "imtextoy", nullptr, QRect(400, 20, 40, 20)},
                      {Control::edit, "textx", nullptr, QRect(400, 40, 40, 20)},
                      {Control::edit, "texty", nullptr, QRect(400, 60, 40, 20)}});
        rexistrar(9, numerados(Control::marco, "Panel", 42, 44));
        rexistrar(20, numerados(Control::marco, "punto", 1, 6));
        rexistrar(23, {{Control::edit, "movimxcorx", nullptr, QRect(400, 0, 40, 20)},
                       {Control::edit, "movimxcory", nullptr, QRect(400, 20, 40, 20)}});
        rexistrar(30, numerados(Control::marco, "Panel", 49, 54));
        rexistrar(15, unir({numerados(Control::boton, "boton", 1, 6),
                            numerados(Control::edit, "txtmenu", 1, 6),
                            {{Control::marco, "marcamenu", nullptr, QRect(230, 0, 20, 20)},
                             {Control::cor, "cboton", nullptr, QRect(400, 0, 60, 20)},
                             {Control::cor, "cbtexto", nullptr, QRect(400, 30, 60, 20)}}}));
    }
    ~EditoresStub() {
        for (auto& [tipo, fabrica] : antes)
            rexistrareditor(tipo, fabrica);
    }
};

// A mouse event at a global point; the local point follows from where the control stands now.
inline void rato(QWidget* w, QEvent::Type tipo, QPoint global, Qt::MouseButton boton, Qt::MouseButtons botons,
                 Qt::KeyboardModifiers teclas = Qt::NoModifier) {
    QMouseEvent e(tipo, w->mapFromGlobal(QPointF(global)), QPointF(global), boton, botons, teclas);
    QCoreApplication::sendEvent(w, &e);
}

inline QString texto(QWidget* w) {
    if (auto* l = qobject_cast<LabelledEdit*>(w)) return l->text();
    return static_cast<QLineEdit*>(w)->text();
}

class Arrastre : public Venta {
protected:
    void SetUp() override {
        stubs = std::make_unique<EditoresStub>();
        Venta::SetUp();
        ASSERT_TRUE(almacen.isValid());
        QImage imaxe(30, 20, QImage::Format_RGB32);
        imaxe.fill(Qt::blue);
        ASSERT_TRUE(imaxe.save(ruta("a.png")));
    }
    void TearDown() override {
        form.reset();
        stubs.reset();
    }
    QString ruta(const char* n) const { return almacen.filePath(QString::fromLatin1(n)); }
    QWidget* control(int tipo, const char* nome) const {
        return form->prepararfolla(tipo + primeirafollatipo)->findChild<QWidget*>(QString::fromLatin1(nome));
    }
    // A book of one page of type tipo, its sheet shown.
    Tpaxina& paxina(const char* tipo) {
        libro({tipo});
        form->bpaxinasClick();
        return form->libro.paxina(1);
    }
    std::unique_ptr<EditoresStub> stubs;
    QTemporaryDir almacen;
};

} // namespace quibel::proba
