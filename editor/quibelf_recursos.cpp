// The resource panel: the book's resource folder in four file lists (pictures, sounds,
// animations, texts) as an accordion, the chosen resource that every drop reads, a picture
// preview, sound preview, import of a file into the folder, delete, and the image window.
#include "book/rutinas.h"
#include "editor/avisos.h"
#include "editor/controis.h"
#include "editor/propiedades.h"
#include "editor/quibelf.h"
#include "editor/ranuras.h"
#include "editor/recursos.h"
#include "languages/idiomas.h"
#include "publish/exportaweb.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace quibel {

namespace {

// Shown when a file cannot be added to the resource folder because it is already there.
const QString xaexistealmacen = QStringLiteral("O arquivo xa existe no almacén");

const QString filtrotraer = QStringLiteral(
    "IMG/AUDIO/VID/TXT (*.jpg *.jpeg *.gif *.png *.mp3 *.acc *.aac *.ogg *.mp4 *.webm *.txt *.htm *.html)");

template <class W> W* nomear(W* w, const char* nome) {
    w->setObjectName(QString::fromLatin1(nome));
    return w;
}

QToolButton* botonpanel(QWidget* pai, const char* nome, QStyle::StandardPixmap icona) {
    auto* b = nomear(new QToolButton(pai), nome);
    b->setIcon(iconaestilo(icona));
    b->setAutoRaise(true);
    return b;
}

} // namespace

void TForm1::crearpanelrecursos() {
    const auto en = [this](void (TForm1::*metodo)()) {
        return [this, metodo] { guarded([this, metodo] { (this->*metodo)(); }); };
    };
    auto* columna = new QVBoxLayout(Panel1);
    columna->setContentsMargins(2, 2, 2, 2);
    columna->setSpacing(1);

    precur = nomear(new QLabel(Panel1), "precur");
    precur->setTextFormat(Qt::PlainText);
    QFont negra = precur->font();
    negra.setBold(true);
    precur->setFont(negra);
    columna->addWidget(precur);

    Panel4 = nomear(new QWidget(Panel1), "Panel4");
    auto* botons = new QHBoxLayout(Panel4);
    botons->setContentsMargins(0, 0, 0, 0);
    SpeedButton2 = botonpanel(Panel4, "SpeedButton2", QStyle::SP_FileDialogContentsView);
    btraer = botonpanel(Panel4, "btraer", QStyle::SP_DialogOpenButton);
    SpeedButton3 = botonpanel(Panel4, "SpeedButton3", QStyle::SP_BrowserReload);
    SpeedButton4 = botonpanel(Panel4, "SpeedButton4", QStyle::SP_TrashIcon);
    for (QToolButton* b : {SpeedButton2, btraer, SpeedButton3, SpeedButton4})
        botons->addWidget(b);
    botons->addStretch(1);
    columna->addWidget(Panel4);
    connect(SpeedButton2, &QToolButton::clicked, this, en(&TForm1::SpeedButton2Click));
    connect(btraer, &QToolButton::clicked, this, en(&TForm1::btraerClick));
    connect(SpeedButton3, &QToolButton::clicked, this, en(&TForm1::SpeedButton3Click));
    connect(SpeedButton4, &QToolButton::clicked, this, en(&TForm1::SpeedButton4Click));

    const struct {
        QWidget* TForm1::*panel;
        Panel* TForm1::*cabeceira;
        ListaRecursos* TForm1::*lista;
        const char *nomepanel, *nomecabeceira, *nomelista;
        int tipo;
        void (TForm1::*click)();
    } listas[] = {
        {&TForm1::pflimaxe, &TForm1::ALIMAXES, &TForm1::flimaxe, "pflimaxe", "ALIMAXES", "flimaxe", 1,
         &TForm1::ALIMAXESClick},
        {&TForm1::pflsons, &TForm1::ALSONS, &TForm1::flsons, "pflsons", "ALSONS", "flsons", 2,
         &TForm1::ALSONSClick},
        {&TForm1::pflanima, &TForm1::ALANIMA, &TForm1::flanima, "pflanima", "ALANIMA", "flanima", 3,
         &TForm1::ALANIMAClick},
        {&TForm1::pfltextos, &TForm1::ALTEXTOS, &TForm1::fltextos, "pfltextos", "ALTEXTOS", "fltextos", 4,
         &TForm1::ALTEXTOSClick},
    };
    for (const auto& l : listas) {
        QWidget* p = nomear(new QWidget(Panel1), l.nomepanel);
        auto* v = new QVBoxLayout(p);
        v->setContentsMargins(0, 0, 0, 0);
        v->setSpacing(0);
        Panel* cabeceira = nomear(new Panel(p), l.nomecabeceira);
        cabeceira->setColor(QColor(0x84, 0xE1, 0xFD));
        cabeceira->setFixedHeight(altopechado);
        cabeceira->setCursor(Qt::PointingHandCursor);
        ListaRecursos* lista = new ListaRecursos(l.tipo, p);
        lista->setObjectName(QString::fromLatin1(l.nomelista));
        lista->hide();
        v->addWidget(cabeceira);
        v->addWidget(lista, 1);
        p->setFixedHeight(altopechado);
        columna->addWidget(p);
        this->*l.panel = p;
        this->*l.cabeceira = cabeceira;
        this->*l.lista = lista;
        connect(cabeceira, &Panel::clicked, this, en(l.click));
        // A press chooses the item before any drag starts from it.
        connect(lista, &QListWidget::itemSelectionChanged, this,
                [this, lista] { guarded([this, lista] { escollerlista(lista); }); });
        connect(lista, &QListWidget::itemPressed, this,
                [this, lista] { guarded([this, lista] { escollerlista(lista); }); });
    }
    columna->addStretch(1);

    previaimx = nomear(new QWidget(Panel1), "previaimx");
    auto* previa = new QVBoxLayout(previaimx);
    previa->setContentsMargins(0, 0, 0, 0);
    Image7 = nomear(new QLabel(previaimx), "Image7");
    Image7->setAlignment(Qt::AlignCenter);
    Image7->setFixedHeight(110);
    Image7->setMinimumWidth(120);
    infoimaxe = nomear(new QLabel(previaimx), "infoimaxe");
    infoimaxe->setTextFormat(Qt::PlainText);
    infoimaxe->setAlignment(Qt::AlignCenter);
    previa->addWidget(Image7);
    previa->addWidget(infoimaxe);
    columna->addWidget(previaimx);

    auto* sons = new QHBoxLayout;
    previosonido = botonpanel(Panel1, "previosonido", QStyle::SP_MediaPlay);
    pararpreviosonido = botonpanel(Panel1, "pararpreviosonido", QStyle::SP_MediaStop);
    sons->addWidget(previosonido);
    sons->addWidget(pararpreviosonido);
    sons->addStretch(1);
    columna->addLayout(sons);
    previosonido->hide();
    pararpreviosonido->hide();
    connect(previosonido, &QToolButton::clicked, this, en(&TForm1::previosonidoClick));
    connect(pararpreviosonido, &QToolButton::clicked, this, en(&TForm1::pararpreviosonidoClick));
}

QWidget* TForm1::panellista(int tipo) const {
    switch (tipo) {
    case 1:
        return pflimaxe;
    case 2:
        return pflsons;
    case 3:
        return pflanima;
    case 4:
        return pfltextos;
    default:
        return nullptr;
    }
}

ListaRecursos* TForm1::lista(int tipo) const {
    switch (tipo) {
    case 1:
        return flimaxe;
    case 2:
        return flsons;
    case 3:
        return flanima;
    case 4:
        return fltextos;
    default:
        return nullptr;
    }
}

void TForm1::abrirlista(int tipo) {
    const auto pechar = [this](int t) {
        panellista(t)->setFixedHeight(altopechado);
        lista(t)->hide();
    };
    if (listaaberta == tipo) {
        pechar(tipo);
        listaaberta = 0;
        documento.tiporecurso = 0;
        previaimx->hide();
        previosonido->hide();
        pararpreviosonido->hide();
        if (tipo == 1) {
            Image7->clear();
            infoimaxe->clear();
        }
    } else {
        for (int t = 1; t <= 4; ++t)
            if (t != tipo) pechar(t);
        panellista(tipo)->setFixedHeight(qMax(altoaberto, altopechado * 3));
        lista(tipo)->show();
        listaaberta = tipo;
        documento.tiporecurso = tipo;
        previaimx->setVisible(tipo == 1);
        if (tipo != 1) {
            Image7->clear();
            infoimaxe->clear();
        }
        previosonido->setVisible(tipo == 2);
        pararpreviosonido->setVisible(tipo == 2);
    }
    documento.recursoescollido.clear();
    lista(tipo)->clearSelection();
}

void TForm1::ALIMAXESClick() {
    abrirlista(1);
}
void TForm1::ALSONSClick() {
    abrirlista(2);
}
void TForm1::ALANIMAClick() {
    abrirlista(3);
}
void TForm1::ALTEXTOSClick() {
    abrirlista(4);
}

void TForm1::escollerlista(ListaRecursos* l) {
    const QList<QListWidgetItem*> escollidos = l->selectedItems();
    if (l->count() == 0 || escollidos.isEmpty()) return;
    documento.tiporecurso = l->tipo();
    documento.recursoescollido = libro.carpetarecursos + escollidos.first()->text();
    if (l->tipo() == 1) selecionaimaxe(documento.recursoescollido);
}

void TForm1::selecionaimaxe(const QString& arquivo) {
    // The first frame of an animated picture is its preview.
    const QPixmap imaxe = imaxedearquivo(arquivo);
    if (imaxe.isNull()) {
        Image7->clear();
        infoimaxe->clear();
        return;
    }
    // Centred and proportional, never larger than the preview's area.
    const QSize area = Image7->size().expandedTo(Image7->minimumSize());
    Image7->setPixmap(imaxe.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    infoimaxe->setText(QStringLiteral("%1 x %2").arg(imaxe.width()).arg(imaxe.height()));
}

void TForm1::ponrecursos() {
    QString& txtdirrec = libro.txtdirrec;
    if (txtdirrec.isEmpty()) return;
    libro.carpetarecursos = txtdirrec.contains(separador) ? txtdirrec : libro.carpetalibro + txtdirrec;
    if (!libro.carpetarecursos.endsWith(separador)) libro.carpetarecursos += separador;
    txtdirrec = libro.carpetarecursos;
    // The edit shows what the model holds and Save writes.
    if (propiedades) propiedades->txtdirrec->setText(txtdirrec);
    Panel1->show();
    sprspl->show();
    Image7->clear();
    infoimaxe->clear();
    documento.recursoescollido.clear();
    documento.tiporecurso = 0;
    refresca();
}

void TForm1::refresca() {
    // It runs at every activation of the application: a folder whose entries have not changed
    // since it was listed is not listed again. Whether a change can hide behind an unchanged
    // time is judged at the listing: a folder changed within the clock tick before it is listed
    // again at the next refresh.
    if (listada.estable && EstadoCarpeta::de(libro.carpetarecursos) == listada) return;
    relistar();
}

void TForm1::relistar() {
    // One listing of the folder, sorted by name ignoring case, dealt to the lists by kind. The
    // state is taken first: a change during the listing is listed at the next refresh.
    listada = EstadoCarpeta::de(libro.carpetarecursos);
    QStringList nomes = arquivosdecarpeta(libro.carpetarecursos, false);
    struct Nome {
        QString clave; // the name without letter case
        QString nome;
        int tipo;
    };
    std::vector<Nome> lidos;
    lidos.reserve(nomes.size());
    for (QString& n : nomes)
        if (const int tipo = tipoarquivo(n)) lidos.push_back({n.toCaseFolded(), std::move(n), tipo});
    std::sort(lidos.begin(), lidos.end(), [](const Nome& a, const Nome& b) {
        return a.clave != b.clave ? a.clave < b.clave : a.nome < b.nome;
    });
    std::array<QStringList, 5> portipo;
    for (const Nome& n : lidos)
        portipo[n.tipo] << n.nome;
    for (const int tipo : {2, 3, 4, 1}) {
        ListaRecursos* l = lista(tipo);
        // An unchanged folder leaves the list alone, so an activation of the window in the middle
        // of a press or a drag does not take the item from under the mouse.
        bool igual = l->count() == portipo[tipo].size();
        for (int i = 0; igual && i < l->count(); ++i)
            igual = l->item(i)->text() == portipo[tipo][i];
        if (igual) continue;
        const QSignalBlocker quedo(l);
        l->clear();
        l->addItems(portipo[tipo]);
    }
}

void TForm1::btraerClick() {
    const auto& d = servizos().dialogos;
    if (!d) return;
    const QString orixe = d->abrirarquivo(QString(), libro.carpetarecursos, filtrotraer);
    if (orixe.isEmpty()) return;
    if (!libro.txtdirrec.isEmpty()) {
        const Copia r = copiaficheiro(orixe, libro.carpetarecursos + nomearquivo(orixe), false);
        // Only a file already there is reported as such; any other failure says what happened.
        if (!r.ok) mensaxe(r.existia ? xaexistealmacen : r.erro);
    }
    relistar();
}

void TForm1::SpeedButton2Click() {
    if (documento.tiporecurso == 1 && !documento.recursoescollido.isEmpty()) {
        amosarventaimaxe(documento.recursoescollido);
        selecionaimaxe(documento.recursoescollido); // the window may have rewritten it
    }
    relistar();
}

void TForm1::SpeedButton3Click() {
    relistar();
}

void TForm1::SpeedButton4Click() {
    if (documento.recursoescollido.isEmpty()) return;
    const QString pregunta = textosui[143] + QStringLiteral(" :  ") + nomearquivo(documento.recursoescollido);
    if (preguntar(pregunta, QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning) != QMessageBox::Yes)
        return;
    borrararquivo(documento.recursoescollido);
    Image7->clear();
    infoimaxe->clear();
    // The deleted file must not be dropped anywhere afterwards; the open list stays open.
    documento.recursoescollido.clear();
    relistar();
}

void TForm1::previosonidoClick() {
    sonar(documento.recursoescollido);
}

void TForm1::pararpreviosonidoClick() {
    pararson();
}

} // namespace quibel
