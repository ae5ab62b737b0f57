// The book commands of the main window: New, Open (dialog, dropped file, command line), Save with
// its dialog, the quick save and the export sheet.
#include "book/XMLParser.h"
#include "book/comandos.h"
#include "book/gardalocal.h"
#include "book/rutinas.h"
#include "editor/avisos.h"
#include "editor/controis.h"
#include "editor/follas.h"
#include "editor/htmlview.h"
#include "editor/paneiscor.h"
#include "editor/propiedades.h"
#include "editor/quibelf.h"
#include "editor/ranuras.h"
#include "languages/idiomas.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPixmap>
#include <QStyle>
#include <QToolButton>
#include <stdexcept>

namespace quibel {

namespace {

const QString filtroabrir = QStringLiteral("Libros ZUB (*.zube *.xml *.zub)");
const QString filtrogardar = QStringLiteral("ZUB (*.zube *.zub *.xml);;*.* (*)");

QStringList arquivoslocais(const QMimeData* datos) {
    QStringList r;
    if (!datos || !datos->hasUrls()) return r;
    for (const QUrl& u : datos->urls())
        if (u.isLocalFile()) r << u.toLocalFile();
    return r;
}

} // namespace

bool TForm1::preguntasubstituir() {
    if (documento.paxinaactual() == 0) return true;
    return preguntar(textosui[116], QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning) ==
           QMessageBox::Yes;
}

void TForm1::activartraballo() {
    for (QWidget* b :
         std::initializer_list<QWidget*>{bgardar, btinserir, bgardarcomo, bconf, bpaxinas, SpeedButton11})
        b->setEnabled(true);
}

void TForm1::SpeedButton135Click() {
    if (!preguntasubstituir()) return;
    documento.novo();
    panelsonavega->hide();
    Panel1->show();
    sprspl->show();
    activartraballo();
    ponrecursos();
    amosarpropiedades();
    tipaxinas->amosar(identif);
}

void TForm1::SpeedButton137Click() {
    if (!preguntasubstituir()) return;
    const auto& d = servizos().dialogos;
    if (!d) return;
    const QString arquivo = d->abrirarquivo(textosui[0], libro.carpetalibro, filtroabrir);
    if (arquivo.isEmpty()) return;
    cargar(arquivo);
}

void TForm1::FormDropFiles(const QStringList& arquivos) {
    if (arquivos.isEmpty() || !preguntasubstituir()) return;
    cargar(arquivos.first());
}

void TForm1::dragEnterEvent(QDragEnterEvent* e) {
    if (!arquivoslocais(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* e) {
    const QStringList arquivos = arquivoslocais(e->mimeData());
    if (arquivos.isEmpty()) return;
    e->acceptProposedAction();
    guarded([this, &arquivos] { FormDropFiles(arquivos); });
}

bool TForm1::cargar(const QString& arquivo) {
    // The controls follow the reset and the read through the document's signals.
    const Apertura r = documento.abrir(*docxml, arquivo);
    if (!r.ok) {
        // The book that was open stays as it was.
        mensaxe(r.erro);
        return false;
    }
    activartraballo();
    panelsonavega->hide();
    amosarpropiedades();
    if (tipaxinas->actual() == identif)
        TabSheet1Show();
    else
        tipaxinas->amosar(identif);
    ponrecursos();
    return true;
}

void TForm1::crearcontroispropiedades() {
    propiedades = new FollaPropiedades(
        ContextoPropiedades{documento, [this](const QString& arquivo) { sonar(arquivo); },
                            [this] { ponrecursos(); }, [this] { colorcape(); }},
        TabSheet1, txtlibro);
}

const std::vector<std::pair<CorLibro, QStringList>>& TForm1::paneisdecor() {
    static const std::vector<std::pair<CorLibro, QStringList>> taboa = {
        {CorLibro::fondo, {QStringLiteral("bcorfondo"), QStringLiteral("Panel19")}},
        {CorLibro::banda, {QStringLiteral("bcorbanda"), QStringLiteral("Panel22")}},
        {CorLibro::navegacion, {QStringLiteral("bcornave"), QStringLiteral("Panel58")}},
        {CorLibro::mensaxes, {QStringLiteral("bcormensa")}},
        {CorLibro::texto, {QStringLiteral("bcortexto")}},
        {CorLibro::fondopaxina, {QStringLiteral("imcorfondo")}},
    };
    return taboa;
}

const std::vector<std::pair<ImaxeLibro, QString>>& TForm1::imaxesdeclave() {
    static const std::vector<std::pair<ImaxeLibro, QString>> taboa = {
        {ImaxeLibro::logo, QStringLiteral("logo")},
        {ImaxeLibro::fondo, QStringLiteral("imaxe")},
        {ImaxeLibro::barra, QStringLiteral("Image53")},
    };
    return taboa;
}

const std::vector<std::pair<SonLibro, QString>>& TForm1::botonsdeson() {
    static const std::vector<std::pair<SonLibro, QString>> taboa = {
        {SonLibro::continuo, QStringLiteral("btsoncontinuo")},
        {SonLibro::correcto, QStringLiteral("bnson")},
        {SonLibro::incorrecto, QStringLiteral("mlson")},
    };
    return taboa;
}

namespace {

// The entry of a key in one of the tables; the tables cover every key (a test proves it).
template <class Clave, class Valor>
const Valor& buscarclave(const std::vector<std::pair<Clave, Valor>>& taboa, Clave clave) {
    for (const auto& [k, v] : taboa)
        if (k == clave) return v;
    throw std::logic_error("a key without its controls");
}

} // namespace

void TForm1::reiniciarcontroles(Documento::PasoReinicio paso) {
    reiniciado = true;
    switch (paso) {
    case Documento::PasoReinicio::selector:
        numpaxinap->clear();
        break;
    case Documento::PasoReinicio::vistas:
        // The template view keeps its text: its editor loads it with every page. A view still to
        // be made takes the book's folder when it is made.
        for (HtmlView* v : {visormenu, visortexto})
            if (v) v->load(QString());
        // Pictures of the page texts are named relative to the book.
        carpetavistas = libro.carpetalibro;
        for (HtmlView* v : {visortexto, visormenu, visorplantilla})
            if (v) v->porcarpeta(carpetavistas);
        break;
    case Documento::PasoReinicio::imaxes:
        enpropiedades([this] { propiedades->reiniciarimaxes(); });
        break;
    case Documento::PasoReinicio::paneis:
        // The panels of the properties sheet when it is built, the others now.
        for (const auto& [clave, nomes] : paneisdecor())
            for (const QString& nome : nomes)
                if (Panel* p = findChild<Panel*>(nome); p && !TabSheet1->isAncestorOf(p))
                    p->setColor(colorDe(cordefecto(clave)));
        enpropiedades([this] {
            for (const auto& [clave, nomes] : paneisdecor())
                for (const QString& nome : nomes)
                    if (Panel* p = TabSheet1->findChild<Panel*>(nome))
                        p->setColor(colorDe(cordefecto(clave)));
        });
        colorcape();
        amosarpropiedades();
        break;
    }
    // An editor not built yet runs every step when it is built.
    for (int t = 1; t <= numtipos; ++t)
        if (editores[t] && follafeita(t + primeirafollatipo)) editores[t]->reiniciar(paso);
}

void TForm1::aplicarinforme(const InformeLectura& informe) {
    // The model first; the report then adds what the model does not hold (pictures, frame).
    amosarpropiedades();
    for (const InformeLectura::Cor& c : informe.cores)
        for (const QString& nome : buscarclave(paneisdecor(), c.clave))
            if (Panel* p = findChild<Panel*>(nome); p && !TabSheet1->isAncestorOf(p))
                p->setColor(colorDe(c.cor));
    enpropiedades([this, informe] {
        for (const InformeLectura::Cor& c : informe.cores)
            for (const QString& nome : buscarclave(paneisdecor(), c.clave))
                if (Panel* p = TabSheet1->findChild<Panel*>(nome)) p->setColor(colorDe(c.cor));
        for (const InformeLectura::Imaxe& i : informe.imaxes)
            propiedades->cargarimaxe(findChild<PictureBox*>(buscarclave(imaxesdeclave(), i.clave)),
                                     i.arquivo);
        if (informe.posicionfondo) propiedades->colocarfondo(*informe.posicionfondo);
        for (const SonLibro son : informe.sons)
            findChild<QAbstractButton*>(buscarclave(botonsdeson(), son))->setEnabled(true);
    });
    numpaxinap->clear();
    crecerselector(informe.paxinas);
    numpaxinap->setCurrentIndex(-1);
    colorcape();
}

QString TForm1::nomeinicialgardar() const {
    // Without a save name the dialog starts in the book's folder.
    return documento.gardar.isEmpty() ? libro.carpetalibro : documento.gardar;
}

bool TForm1::gardarcomo(const QString& nome, bool preguntarantes) {
    const QString final = nomegardar(nome);
    // The dialog could not know the name with ".zube" added: ask here about any file replaced.
    if (preguntarantes && QFileInfo::exists(final) &&
        preguntar(textosui[textosubstituir] + u'\n' + final, QMessageBox::Yes | QMessageBox::No) !=
            QMessageBox::Yes)
        return false;
    documento.gardar = final;
    const bool gardado = gardalocal(libro, final, idiomavisor);
    // The writer fills an empty right or wrong message that is checked: the sheet shows it.
    amosarpropiedades();
    if (!gardado) {
        mensaxe(textosui[123]);
        return false;
    }
    return true;
}

void TForm1::bgardars() {
    const int lembrada = tipaxinas->actual();
    tipaxinas->amosar(pasarfolla);
    const auto& d = servizos().dialogos;
    const QString nome = d ? d->gardararquivo(textosui[2], nomeinicialgardar(), filtrogardar) : QString();
    if (!nome.isEmpty()) {
        pasar(documento.tipoactual);
        gardarcomo(nome, true);
    }
    tipaxinas->amosar(lembrada);
}

void TForm1::SpeedButton13Click() {
    const int lembrada = tipaxinas->actual();
    tipaxinas->amosar(pasarfolla);
    pasar(documento.tipoactual);
    if (!documento.gardar.isEmpty() && !QFileInfo(documento.gardar).suffix().isEmpty()) {
        gardarcomo(documento.gardar, false);
    } else if (const auto& d = servizos().dialogos) {
        const QString nome = d->gardararquivo(textosui[2], nomeinicialgardar(), filtrogardar);
        if (!nome.isEmpty()) gardarcomo(nome, true);
    }
    tipaxinas->amosar(lembrada);
}

void TForm1::bgardarcomoClick() {
    if (documento.paxinaactual() == 0) return;
    panelsonavega->hide();
    vercomunes(0);
    tipaxinas->amosar(exporta);
}

} // namespace quibel
