// Tables (type 36): a pattern of coloured squares painted with eight numbered colour panels, the
// task and the random options. Formulae (type 49): the character grid, which writes its page as the
// author types; storing the sheet only tells whether a cell is hidden.
#include "editor/editores_grellas.h"

#include "book/documento.h"
#include "book/rutinas.h"
#include "editor/controis.h"
#include "editor/grellas.h"
#include "editor/paneiscor.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quibel {

namespace {

template <class W> W* nomeado(W* w, const QString& nome) {
    w->setObjectName(nome);
    return w;
}

class EditorCadros : public PageEditor {
public:
    void crear(EditorContext&, QWidget* folla) override {
        for (int k = 0; k < SquareGrid::numcores; ++k) {
            auto* p = nomeado(new Panel(folla), QStringLiteral("corpanel%1").arg(k));
            p->setCaption(QString::number(k + 1));
            p->setColor(SquareGrid::cornumero(k + 1));
            p->setGeometry(48 + 40 * k, 12, 36, 28);
            QObject::connect(p, &Panel::clicked, p, [this, k] { escoller(k); });
        }
        marcapnc = nomeado(new QFrame(folla), QStringLiteral("marcapnc"));
        marcapnc->setFrameShape(QFrame::NoFrame);
        marcapnc->setAutoFillBackground(true);
        QPalette negro = marcapnc->palette();
        negro.setColor(QPalette::Window, Qt::black);
        marcapnc->setPalette(negro);
        marcapnc->setGeometry(48, 42, 36, 4);
        pncadros = nomeado(new GrellaCadros(folla), QStringLiteral("pncadros"));
        pncadros->move(48, 52);
        QObject::connect(pncadros, &GrellaCadros::premido, pncadros, [this](int c, int f) { premer(c, f); });

        const int x = 48 + pncadros->width() + 16;
        chcadroalea = nomeado(new QCheckBox(folla), QStringLiteral("chcadroalea"));
        chcadroalea->setGeometry(x, 52, 200, 24);
        chcadroaleacor = nomeado(new QCheckBox(folla), QStringLiteral("chcadroaleacor"));
        chcadroaleacor->setGeometry(x, 80, 200, 24);
        GroupBox101 = nomeado(new QGroupBox(folla), QStringLiteral("GroupBox101"));
        GroupBox101->setGeometry(x, 112, 200, 140);
        auto* columna = new QVBoxLayout(GroupBox101);
        tarefa = new RadioGroup(GroupBox101);
        for (int i = 0; i < 4; ++i) {
            auto* b = nomeado(new QRadioButton(GroupBox101), QStringLiteral("chcadro%1").arg(i + 1));
            columna->addWidget(b);
            tarefa->engadir(b, QString::number(i));
        }
    }
    void cargar(Book& libro, int n) override {
        const Tpaxina& p = libro.paxina(n);
        pncadros->modelo.cargar(p);
        pncadros->update();
        tarefa->porvalor(p[8]);
        porcheck(chcadroalea, p[26] != QLatin1String("1"));
        porcheck(chcadroaleacor, p[18] == QLatin1String("1"));
    }
    void gardar(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        pncadros->modelo.gardar(p, chcadroalea->isChecked());
        tarefa->gardaren(p[8]);
        p[26] = chcadroalea->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
        p[18] = chcadroaleacor->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    }

private:
    void escoller(int k) {
        corescollida = k;
        marcapnc->move(40 * k + 48, marcapnc->y());
    }
    void premer(int c, int f) {
        // A hand-painted pattern is not random.
        if (chcadroalea->isChecked()) chcadroalea->setChecked(false);
        pncadros->modelo.premer(c, f, corescollida);
        pncadros->update();
    }

    // The chosen panel: 0 when the program starts, and kept from page to page and book to book.
    int corescollida = 0;
    GrellaCadros* pncadros = nullptr;
    QFrame* marcapnc = nullptr;
    QCheckBox *chcadroalea = nullptr, *chcadroaleacor = nullptr;
    QGroupBox* GroupBox101 = nullptr;
    RadioGroup* tarefa = nullptr;
};

class EditorFormula : public PageEditor {
public:
    void crear(EditorContext& contexto, QWidget* folla) override {
        datosformula = nomeado(new GrellaFormula(folla), QStringLiteral("datosformula"));
        datosformula->move(40, 20);
        Documento* d = &contexto.documento;
        datosformula->paxina = [d] { return paxinaeditada(*d, 49); };
        for (int f = 0; f < FormulaGrid::filas; ++f) {
            auto* l = new QLabel(QString::number(f + 1), folla);
            l->setGeometry(20, 20 + 36 * f + 8, 16, 20);
        }
    }
    void cargar(Book& libro, int n) override { datosformula->cargar(libro.paxina(n)); }
    void gardar(Book& libro, int n) override {
        Tpaxina& p = libro.paxina(n);
        p[26] = FormulaGrid::ocultas(p);
    }

private:
    GrellaFormula* datosformula = nullptr;
};

} // namespace

std::unique_ptr<PageEditor> editorcadros() {
    return std::make_unique<EditorCadros>();
}

std::unique_ptr<PageEditor> editorformula() {
    return std::make_unique<EditorFormula>();
}

} // namespace quibel
