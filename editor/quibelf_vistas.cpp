// The three HTML views of the page texts (text page, menu page, template page): made at start-up
// on their editors' frames, loaded by the editors, replaced by a dropped text file, and the
// openers of the text editor windows.
#include "book/aceptores.h"
#include "book/conversionhtml.h"
#include "book/rutinas.h"
#include "editor/editortexto.h"
#include "editor/editorv.h"
#include "editor/garda.h"
#include "editor/htmlview.h"
#include "editor/quibelf.h"
#include "editor/recursos.h"
#include "editor/servizos.h"

#include <QAbstractButton>

namespace quibel {

void TForm1::crearvistas(int tipo) {
    // Each view goes on the frame its editor made, or on the sheet until an editor makes one.
    const auto pai = [this](int t, const char* marco) {
        QWidget* folla = follas[t + primeirafollatipo];
        QWidget* w = folla->findChild<QWidget*>(QString::fromLatin1(marco));
        return w ? w : folla;
    };
    const struct {
        HtmlView* TForm1::*vista;
        const char* nome;
        int tipo;
        const char* marco;
        QRect xeometria;
    } vistas[] = {
        {&TForm1::visortexto, "visortexto", 2, "basetext", QRect(6, 6, 240, 110)},
        {&TForm1::visormenu, "visormenu", 15, "TabSheet7", QRect(255, 152, 410, 260)},
        {&TForm1::visorplantilla, "visorplantilla", 38, "Panel67", QRect(296, 76, 305, 285)},
    };
    Documento& d = documento;
    for (const auto& v : vistas) {
        if (v.tipo != tipo) continue;
        auto* vista = new HtmlView(pai(v.tipo, v.marco));
        vista->setObjectName(QString::fromLatin1(v.nome));
        vista->setGeometry(v.xeometria);
        // Made after a New or an Open, it names its pictures relative to the book, as that reset
        // told the views that existed then.
        if (reiniciado) vista->porcarpeta(carpetavistas);
        this->*v.vista = vista;
        DropTarget::vincular(
            vista, [&d] { return sobretexto(d.tiporecurso, d.recursoescollido); },
            [this, vista](QWidget*, const QPoint&) { arrastrahtml(vista); });
        connect(vista, &HtmlView::clicked, this,
                [this, vista] { guarded([this, vista] { abrireditorvisual(vista); }); });
    }
    // The editors' buttons that open the HTML text editor on their view.
    const struct {
        int tipo;
        const char* boton;
        HtmlView* vista;
    } abridores[] = {{2, "editar", visortexto},
                     {15, "SpeedButton69", visormenu},
                     {15, "SpeedButton98", visormenu},
                     {38, "SpeedButton104", visorplantilla}};
    for (const auto& a : abridores)
        if (auto* b = a.tipo != tipo ? nullptr
                                     : follas[a.tipo + primeirafollatipo]->findChild<QAbstractButton*>(
                                           QString::fromLatin1(a.boton)))
            connect(b, &QAbstractButton::clicked, this,
                    [this, vista = a.vista] { guarded([this, vista] { abrireditortexto(vista); }); });
    // Black on white: the menu view's text was once white on white.
    if (tipo == 15) visormenu->setColours(Qt::white, Qt::black);
    if (tipo == 2)
        if (QWidget* basetext = visortexto->parentWidget();
            basetext->objectName() == QLatin1String("basetext"))
            visortexto->resize(basetext->width() - 12, basetext->height() - 12);
}

void TForm1::borrarvistas() {
    for (HtmlView** v : {&visortexto, &visormenu, &visorplantilla}) {
        delete *v;
        *v = nullptr;
    }
    visoreditor = nullptr;
}

void TForm1::arrastrahtml(HtmlView* vista) {
    if (documento.tiporecurso != 4 || documento.recursoescollido.isEmpty()) return;
    // A file that cannot be read leaves the view, and so the page, as it was.
    const auto linas = lertextoarquivo(documento.recursoescollido);
    if (!linas) return;
    vista->load(textoahtml(linas->join(QStringLiteral("\r\n"))));
}

void TForm1::abrireditorvisual(HtmlView* vista) {
    textoeditor = vista->source();
    visoreditor = vista;
    if (!feditor1 && prepararventas) prepararventas();
    if (!feditor1) return;
    feditor1->textoeditor = &textoeditor;
    feditor1->visoreditor = &visoreditor;
    if (const auto& d = servizos().dialogos) d->amosarmodal(feditor1);
}

void TForm1::abrireditortexto(HtmlView* vista) {
    textoeditor = vista->source();
    visoreditor = vista;
    if (!feditortexto && prepararventas) prepararventas();
    if (!feditortexto) return;
    feditortexto->textoeditor = &textoeditor;
    feditortexto->visoreditor = &visoreditor;
    if (const auto& d = servizos().dialogos) d->amosarmodal(feditortexto);
}

} // namespace quibel
