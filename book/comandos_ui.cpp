// The book commands of the main window: New, Open (dialog, dropped file, command line), Save with
// its dialog, the quick save and the export sheet.
#include "book/XMLParser.h"
#include "book/comandos.h"
#include "book/gardalocal.h"
#include "book/rutinas.h"
#include "editor/avisos.h"
#include "editor/controis.h"
#include "editor/follas.h"
#include "editor/quibelf.h"
#include "languages/idiomas.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPixmap>
#include <QToolButton>

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
    if (libro.paxinaactual == 0) return true;
    return preguntar(textosui[116], QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TForm1::activartraballo() {
    for (QWidget* b :
         std::initializer_list<QWidget*>{bgardar, btinserir, bgardarcomo, bconf, bpaxinas, SpeedButton11})
        b->setEnabled(true);
}

void TForm1::SpeedButton135Click() {
    if (!preguntasubstituir()) return;
    libro.librocompleto = 1;
    libro.tipoactual = 0;
    inicializar();
    inizrtf();
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
    libro.librocompleto = 1;
    libro.paxinadesde = 1;
    libro.paxinaata = Book::maxpaxinas;
    cargar(arquivo);
}

void TForm1::FormDropFiles(const QStringList& arquivos) {
    if (arquivos.isEmpty() || !preguntasubstituir()) return;
    libro.librocompleto = 1;
    libro.paxinadesde = 1;
    libro.paxinaata = Book::maxpaxinas;
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
    const Apertura r = abrirlibro(libro, *docxml, arquivo);
    if (!r.ok) {
        // The book that was open stays as it was.
        mensaxe(r.erro);
        return false;
    }
    QDir::setCurrent(libro.carpetalibro);
    for (const auto paso : {Book::PasoReinicio::selector, Book::PasoReinicio::vistas,
                            Book::PasoReinicio::imaxes, Book::PasoReinicio::paneis})
        reiniciarcontroles(paso);
    aplicarinforme(r.informe);
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

void TForm1::reiniciarcontroles(Book::PasoReinicio paso) {
    switch (paso) {
    case Book::PasoReinicio::selector:
        numpaxinap->clear();
        break;
    case Book::PasoReinicio::vistas:
        break; // the HTML views come with their editors
    case Book::PasoReinicio::imaxes:
        for (const char* nome : {"logo", "imaxe", "Image53"})
            if (auto* l = findChild<QLabel*>(QString::fromLatin1(nome))) l->clear();
        if (auto* b = findChild<QWidget*>(QStringLiteral("bimaxe"))) b->resize(0, 0);
        break;
    case Book::PasoReinicio::paneis: {
        const QColor branco(Qt::white), negro(Qt::black), ventana(0x84, 0xE1, 0xFD);
        const std::pair<const char*, QColor> cores[] = {
            {"bcorfondo", branco}, {"bcorbanda", branco},   {"bcornave", branco},    {"bcormensa", negro},
            {"bcortexto", negro},  {"bcarrastra", ventana}, {"imcorfondo", ventana}, {"cboton", ventana},
            {"cbtexto", negro},    {"cttexto", negro},      {"ctfondo", branco},     {"Panel19", branco},
            {"Panel22", branco},   {"Panel58", branco}};
        for (const auto& [nome, cor] : cores)
            if (auto* p = findChild<Panel*>(QString::fromLatin1(nome))) p->setColor(cor);
        colorcape();
        break;
    }
    }
}

void TForm1::aplicarinforme(const InformeLectura& informe) {
    for (const InformeLectura::Cor& c : informe.cores)
        if (auto* p = findChild<Panel*>(c.panel)) p->setColor(colorDe(c.cor));
    for (const InformeLectura::Imaxe& i : informe.imaxes) {
        auto* l = findChild<QLabel*>(i.control);
        QPixmap imaxe;
        if (l && imaxe.load(i.arquivo)) l->setPixmap(imaxe); // a picture that cannot be read is skipped
    }
    if (informe.posicionfondo)
        if (auto* b = findChild<QWidget*>(QStringLiteral("bimaxe")))
            b->move(informe.posicionfondo->x, informe.posicionfondo->y);
    for (const QString& nome : informe.botons)
        if (auto* b = findChild<QAbstractButton*>(nome)) b->setEnabled(true);
    numpaxinap->clear();
    for (int i = 1; i <= informe.paxinas; ++i)
        numpaxinap->addItem(QString::number(i));
    numpaxinap->setCurrentIndex(-1);
    colorcape();
}

bool TForm1::gardarcomo(const QString& nome, bool preguntarantes) {
    const QString final = nomegardar(nome);
    // The dialog could not know the name with ".zube" added: ask here about any file replaced.
    if (preguntarantes && QFileInfo::exists(final) &&
        preguntar(QStringLiteral("O arquivo xa existe, desexa substituílo?\n") + final,
                  QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return false;
    libro.gardar = final;
    if (!gardalocal(libro, final, idiomavisor)) {
        mensaxe(textosui[123]);
        return false;
    }
    return true;
}

void TForm1::bgardars() {
    const int lembrada = tipaxinas->actual();
    tipaxinas->amosar(pasarfolla);
    const auto& d = servizos().dialogos;
    const QString nome = d ? d->gardararquivo(textosui[2], libro.gardar, filtrogardar) : QString();
    if (!nome.isEmpty()) {
        pasar(libro.tipoactual);
        gardarcomo(nome, true);
    }
    tipaxinas->amosar(lembrada);
}

void TForm1::SpeedButton13Click() {
    const int lembrada = tipaxinas->actual();
    tipaxinas->amosar(pasarfolla);
    pasar(libro.tipoactual);
    if (!libro.gardar.isEmpty() && !QFileInfo(libro.gardar).suffix().isEmpty()) {
        gardarcomo(libro.gardar, false);
    } else if (const auto& d = servizos().dialogos) {
        const QString nome = d->gardararquivo(textosui[2], libro.gardar, filtrogardar);
        if (!nome.isEmpty()) gardarcomo(nome, true);
    }
    tipaxinas->amosar(lembrada);
}

void TForm1::bgardarcomoClick() {
    if (libro.paxinaactual == 0) return;
    panelsonavega->hide();
    vercomunes(0);
    tipaxinas->amosar(exporta);
}

} // namespace quibel
