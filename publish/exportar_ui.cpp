#include "publish/exportar_ui.h"
#include "publish/paquete.h"

#include "book/rutinas.h"
#include "editor/arrastre.h"
#include "editor/avisos.h"
#include "editor/controis.h"
#include "editor/garda.h"
#include "editor/recursos.h"
#include "editor/servizos.h"
#include "languages/idiomas.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace quibel {

namespace {

template <class W> W* nomear(W* w, const char* nome) {
    w->setObjectName(QString::fromLatin1(nome));
    return w;
}

QLabel* etiqueta(QWidget* pai, const char* nome) {
    auto* l = nomear(new QLabel(pai), nome);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QToolButton* boton(QWidget* pai, const char* nome, QStyle::StandardPixmap icona) {
    auto* b = nomear(new QToolButton(pai), nome);
    b->setIcon(iconaestilo(icona));
    return b;
}

// A cover over a group of controls: the same cell of a grid, on top, painted as the sheet.
QWidget* cuberta(QWidget* pai, QGridLayout* grella, const char* nome) {
    auto* c = nomear(new QWidget(pai), nome);
    c->setAutoFillBackground(true);
    grella->addWidget(c, 0, 0);
    c->raise();
    return c;
}

} // namespace

ExportSheet::ExportSheet(Documento& documento, QWidget* folla, Ganchos ganchos)
    : QObject(folla), documento_(documento), ganchos_(std::move(ganchos)) {
    auto* v = new QVBoxLayout(folla);
    const auto fila = [&](QLabel* l, QLineEdit* e, std::initializer_list<QWidget*> botons = {}) {
        auto* h = new QHBoxLayout;
        if (l) h->addWidget(l);
        h->addWidget(e, 1);
        for (QWidget* b : botons)
            h->addWidget(b);
        v->addLayout(h);
    };

    Label31 = etiqueta(folla, "Label31");
    v->addWidget(Label31);
    Label29 = etiqueta(folla, "Label29");
    donde = nomear(new QLineEdit(folla), "donde");
    SpeedButton71 = boton(folla, "SpeedButton71", QStyle::SP_DirOpenIcon);
    SpeedButton170 = boton(folla, "SpeedButton170", QStyle::SP_DirLinkIcon);
    fila(Label29, donde, {SpeedButton71, SpeedButton170});
    Label28 = etiqueta(folla, "Label28");
    nalmacen = nomear(new QLineEdit(folla), "nalmacen");
    fila(Label28, nalmacen);
    Label30 = etiqueta(folla, "Label30");
    nlibro = nomear(new QLineEdit(folla), "nlibro");
    fila(Label30, nlibro);

    // HTML options under their cover.
    sihtml = nomear(new QCheckBox(QStringLiteral("HTML"), folla), "sihtml");
    v->addWidget(sihtml);
    auto* grellahtml = new QGridLayout;
    auto* html = new QWidget(folla);
    auto* vh = new QVBoxLayout(html);
    vh->setContentsMargins(0, 0, 0, 0);
    txthtml = nomear(new QLineEdit(html), "txthtml");
    vh->addWidget(txthtml);
    auto* hp = new QHBoxLayout;
    txplant = nomear(new LabelledEdit(html), "txplant");
    txplant->setCaption(QStringLiteral("Plantilla"));
    botplant = boton(html, "botplant", QStyle::SP_FileDialogStart);
    hp->addWidget(txplant, 1);
    hp->addWidget(botplant);
    vh->addLayout(hp);
    auto* hd = new QHBoxLayout;
    Label61 = etiqueta(html, "Label61");
    txdimx = nomear(new QLineEdit(QStringLiteral("100%"), html), "txdimx");
    txdimy = nomear(new QLineEdit(QStringLiteral("100%"), html), "txdimy");
    hd->addWidget(Label61);
    hd->addWidget(txdimx);
    hd->addWidget(txdimy);
    hd->addStretch(1);
    vh->addLayout(hd);
    grellahtml->addWidget(html, 0, 0);
    Panel2 = cuberta(folla, grellahtml, "Panel2");
    Panel2->hide();
    v->addLayout(grellahtml);

    // The package under its cover.
    empa = nomear(new QCheckBox(QStringLiteral("Empaquetar"), folla), "empa");
    v->addWidget(empa);
    auto* grellazip = new QGridLayout;
    auto* zip = new QWidget(folla);
    auto* vz = new QVBoxLayout(zip);
    vz->setContentsMargins(0, 0, 0, 0);
    txtempa = nomear(new QLineEdit(zip), "txtempa");
    vz->addWidget(txtempa);
    auto* hs = new QHBoxLayout;
    chscorm = nomear(new QCheckBox(QStringLiteral("SCORM 1.2"), zip), "chscorm");
    edlomes = nomear(new LabelledEdit(zip), "edlomes");
    edlomes->setCaption(QStringLiteral("LOM"));
    edlomes->edit()->setReadOnly(true);
    btlomes = boton(zip, "btlomes", QStyle::SP_FileDialogStart);
    hs->addWidget(chscorm);
    hs->addWidget(edlomes, 1);
    hs->addWidget(btlomes);
    vz->addLayout(hs);
    grellazip->addWidget(zip, 0, 0);
    pltempa = cuberta(folla, grellazip, "pltempa");
    v->addLayout(grellazip);

    // Attachments and licence.
    lbadxuntos = etiqueta(folla, "lbadxuntos");
    v->addWidget(lbadxuntos);
    auto* ha = new QHBoxLayout;
    adxuntos = nomear(new QListWidget(folla), "adxuntos");
    adxuntos->setSelectionMode(QAbstractItemView::ExtendedSelection);
    adxuntos->setMaximumHeight(90);
    auto* va = new QVBoxLayout;
    btadxuntosad = boton(folla, "btadxuntosad", QStyle::SP_FileDialogNewFolder);
    btadxuntosbr = boton(folla, "btadxuntosbr", QStyle::SP_TrashIcon);
    va->addWidget(btadxuntosad);
    va->addWidget(btadxuntosbr);
    va->addStretch(1);
    ha->addWidget(adxuntos, 1);
    ha->addLayout(va);
    v->addLayout(ha);
    labellicencia = etiqueta(folla, "labellicencia");
    txtlicencia = nomear(new QLineEdit(folla), "txtlicencia");
    fila(labellicencia, txtlicencia);

    auto* hb = new QHBoxLayout;
    SpeedButton83 = nomear(new QPushButton(QStringLiteral("Publicar"), folla), "SpeedButton83");
    SpeedButton164 = nomear(new QPushButton(QStringLiteral("Vista previa"), folla), "SpeedButton164");
    progresoexporta = nomear(new QProgressBar(folla), "progresoexporta");
    progresoexporta->hide();
    imaxebenexporta = nomear(new QLabel(folla), "imaxebenexporta");
    imaxebenexporta->setPixmap(iconaestilo(QStyle::SP_DialogApplyButton).pixmap(24, 24));
    imaxebenexporta->hide();
    hb->addWidget(SpeedButton83);
    hb->addWidget(SpeedButton164);
    hb->addWidget(progresoexporta, 1);
    hb->addWidget(imaxebenexporta);
    v->addLayout(hb);

    // Never shown: their effect is kept for the books and exports that name them.
    chkflash = nomear(new QCheckBox(QStringLiteral("FLASH"), folla), "chkflash");
    chkencoded = nomear(new QCheckBox(QStringLiteral("Encoded"), folla), "chkencoded");
    dirax = nomear(new LabelledEdit(folla), "dirax");
    for (QWidget* w :
         {static_cast<QWidget*>(chkflash), static_cast<QWidget*>(chkencoded), static_cast<QWidget*>(dirax)})
        w->hide();
    v->addStretch(1);

    // Handlers. A name set by code runs its change handler as a typed one does; the boxes run
    // theirs on any change.
    const auto en = [this](void (ExportSheet::*m)()) {
        return [this, m] { guarded([this, m] { (this->*m)(); }); };
    };
    connect(nlibro, &QLineEdit::textChanged, this, en(&ExportSheet::nlibroChange));
    connect(nlibro, &QLineEdit::editingFinished, this, en(&ExportSheet::nlibroExit));
    connect(txthtml, &QLineEdit::editingFinished, this, en(&ExportSheet::txthtmlExit));
    connect(txtempa, &QLineEdit::editingFinished, this, en(&ExportSheet::txtempaExit));
    connect(empa, &QCheckBox::toggled, this, en(&ExportSheet::empaClick));
    connect(sihtml, &QCheckBox::toggled, this, en(&ExportSheet::sihtmlClick));
    connect(SpeedButton71, &QToolButton::clicked, this, en(&ExportSheet::SpeedButton71Click));
    connect(botplant, &QToolButton::clicked, this, en(&ExportSheet::botplantClick));
    connect(SpeedButton170, &QToolButton::clicked, this, en(&ExportSheet::SpeedButton170Click));
    connect(btlomes, &QToolButton::clicked, this, en(&ExportSheet::btlomesClick));
    FiltroRato::vincular(edlomes->edit(), [this](QMouseEvent* e) {
        if (e->type() == QEvent::MouseButtonPress) edlomesClick();
        return false;
    });
    connect(btadxuntosad, &QToolButton::clicked, this, en(&ExportSheet::btadxuntosadClick));
    connect(btadxuntosbr, &QToolButton::clicked, this, en(&ExportSheet::btadxuntosbrClick));
    DropTarget::vincular(
        adxuntos->viewport(), [this] { return adxuntosDragOver(documento_.recursoescollido); },
        [this](QWidget*, const QPoint&) { adxuntosDragDrop(); });
    connect(SpeedButton83, &QPushButton::clicked, this, en(&ExportSheet::SpeedButton83Click));
    connect(SpeedButton164, &QPushButton::clicked, this, en(&ExportSheet::SpeedButton164Click));

    // The controls write the book as they change.
    const auto ligar = [this](QLineEdit* e, QString Book::*campo) {
        connect(e, &QLineEdit::textChanged, this, [this, campo](const QString& t) { libro().*campo = t; });
    };
    ligar(donde, &Book::donde);
    ligar(nalmacen, &Book::nalmacen);
    ligar(nlibro, &Book::nlibro);
    ligar(txthtml, &Book::txthtml);
    ligar(txtempa, &Book::txtempa);
    ligar(edlomes->edit(), &Book::edlomes);
    ligar(dirax->edit(), &Book::dirax);
    ligar(txtlicencia, &Book::txtlicencia);
    const auto ligarcaixa = [this](QCheckBox* c, bool Book::*campo) {
        connect(c, &QCheckBox::toggled, this, [this, campo](bool m) { libro().*campo = m; });
    };
    ligarcaixa(sihtml, &Book::sihtml);
    ligarcaixa(empa, &Book::empa);
    ligarcaixa(chkencoded, &Book::chkencoded);

    connect(&documento_, &Documento::reiniciado, this, [this](Documento::PasoReinicio p) {
        if (p == Documento::PasoReinicio::paneis) guarded([this] { cargar(); });
    });
    connect(&documento_, &Documento::lido, this, [this] { guarded([this] { cargar(); }); });
    cargar();
}

void ExportSheet::cargar() {
    const Book& l = libro();
    for (const auto& [e, t] : {std::pair{donde, l.donde},
                               {nalmacen, l.nalmacen},
                               {nlibro, l.nlibro},
                               {txthtml, l.txthtml},
                               {txtempa, l.txtempa},
                               {edlomes->edit(), l.edlomes},
                               {dirax->edit(), l.dirax},
                               {txtlicencia, l.txtlicencia}})
        portextoedit(e, t);
    porcheck(sihtml, l.sihtml);
    porcheck(empa, l.empa);
    porcheck(chkencoded, l.chkencoded);
    Panel2->setVisible(!l.sihtml);
    pltempa->setVisible(!l.empa);
    adxuntos->clear();
    adxuntos->addItems(l.adxuntos);
}

FollaExportar ExportSheet::valores() const {
    FollaExportar f;
    f.txplant = txplant->text();
    f.txdimx = txdimx->text();
    f.txdimy = txdimy->text();
    f.chscorm = chscorm->isChecked();
    f.chkflash = chkflash->isChecked();
    return f;
}

void ExportSheet::tabExportarShow() {
    if (ganchos_.vercomunes) ganchos_.vercomunes(0);
    if (ganchos_.titular) ganchos_.titular(textosui[3]);
    if (nlibro->text().isEmpty()) nlibro->setText(libro().txtlibro);
    if (!nlibro->text().isEmpty()) nlibro->setText(conextension(nlibro->text(), QStringLiteral(".zub")));
    if (!libro().nomealmacen.isEmpty()) nalmacen->setText(libro().nomealmacen);
    if (donde->text().isEmpty())
        donde->setText(libro().carpetalibro.isEmpty() ? QDir::currentPath() : libro().carpetalibro);
    if (!sihtml->isChecked()) SpeedButton164->setEnabled(false);
    progresoexporta->setValue(0);
    progresoexporta->show();
    imaxebenexporta->hide();
}

void ExportSheet::tabExportarHide() {
    publicado = false;
}

void ExportSheet::nlibroChange() {
    txthtml->setText(nomehtmlde(nlibro->text()));
}

void ExportSheet::nlibroExit() {
    if (nlibro->text().isEmpty()) return;
    if (libro().txtlibro.isEmpty()) {
        libro().txtlibro = nlibro->text();
        if (ganchos_.amosarpropiedades) ganchos_.amosarpropiedades();
    }
    nlibro->setText(conextension(nlibro->text(), QStringLiteral(".zub")));
}

void ExportSheet::txthtmlExit() {
    txthtml->setText(conextension(txthtml->text(), QStringLiteral(".html")));
}

void ExportSheet::txtempaExit() {
    txtempa->setText(nomezip(txtempa->text()));
}

void ExportSheet::empaClick() {
    pltempa->setVisible(!empa->isChecked());
    txtempa->setText(empa->isChecked() && !nlibro->text().isEmpty()
                         ? senextension(nlibro->text()) + QStringLiteral(".zip")
                         : QString());
}

void ExportSheet::sihtmlClick() {
    Panel2->setVisible(!sihtml->isChecked());
    SpeedButton164->setEnabled(sihtml->isChecked());
}

void ExportSheet::SpeedButton71Click() {
    const auto& d = servizos().dialogos;
    if (!d) return;
    const QString c = d->escollercartafol(textosui[56], QString());
    if (!c.isEmpty()) donde->setText(c);
}

void ExportSheet::botplantClick() {
    const auto& d = servizos().dialogos;
    if (!d) return;
    const QString a = d->abrirarquivo(QString(), QString(), QString());
    if (!a.isEmpty()) txplant->setText(a);
}

void ExportSheet::SpeedButton170Click() {
    if (donde->text().isEmpty()) return;
    if (const auto& a = servizos().aplicacion) a->abrir(QUrl::fromLocalFile(donde->text()));
}

void ExportSheet::btlomesClick() {
    const auto& d = servizos().dialogos;
    if (!d) return;
    const QString a = d->abrirarquivo(QString(), QString(), QStringLiteral("xml (*.xml *.XML)"));
    if (!a.isEmpty()) edlomes->setText(a);
}

void ExportSheet::edlomesClick() {
    edlomes->setText(QString());
}

void ExportSheet::engadiradxunto(const QString& arquivo) {
    // The book file and the player keep the attachments as one list joined by commas.
    if (arquivo.contains(u',')) {
        mensaxe(textosui[textocomaadxunto] + u'\n' + arquivo);
        return;
    }
    adxuntos->addItem(arquivo);
}

void ExportSheet::gardaradxuntos() {
    QStringList l;
    for (int i = 0; i < adxuntos->count(); ++i)
        l << adxuntos->item(i)->text();
    libro().adxuntos = l;
}

void ExportSheet::btadxuntosadClick() {
    const auto& d = servizos().dialogos;
    if (!d) return;
    for (const QString& a : d->abrirarquivos(QString(), QString(), QStringLiteral("*.* (*)")))
        engadiradxunto(a);
    gardaradxuntos();
}

void ExportSheet::btadxuntosbrClick() {
    for (int i = adxuntos->count() - 1; i >= 0; --i)
        if (adxuntos->item(i)->isSelected()) delete adxuntos->takeItem(i);
    gardaradxuntos();
}

void ExportSheet::adxuntosDragDrop() {
    engadiradxunto(documento_.recursoescollido);
    gardaradxuntos();
}

void ExportSheet::SpeedButton83Click() {
    if (exportandoagora_) return;
    nlibroExit();
    if (sihtml->isChecked()) txthtmlExit();
    if (empa->isChecked()) txtempaExit();
    if (donde->text().isEmpty()) donde->setText(QDir::currentPath());
    const QString html = txthtml->text();
    nlibro->setText(nomepropio(nlibro->text()));
    txthtml->setText(nomepropio(html));
    txtempa->setText(nomepropio(txtempa->text()));
    if (nlibro->text().isEmpty()) {
        mensaxe(textosui[125]);
        return;
    }
    exportarlibro();
}

void ExportSheet::SpeedButton164Click() {
    if (!publicado) {
        mensaxe(textosui[160]);
        return;
    }
    const QString pagina = donde->text() + txthtml->text();
    if (!QFileInfo(pagina).isFile()) {
        mensaxe(textosui[161]);
        return;
    }
    if (const auto& a = servizos().aplicacion) a->abrir(QUrl::fromLocalFile(pagina));
}

void ExportSheet::exportarlibro() {
    exportandoagora_ = true;
    struct Fin {
        bool& b;
        ~Fin() { b = false; }
    } fin{exportandoagora_};

    ContornoExportar c;
    const auto preguntar_ = [](const QString& t, QMessageBox::StandardButtons b,
                               QMessageBox::StandardButton si) {
        return preguntar(t, b, QMessageBox::Question) == si;
    };
    c.avisos.confirmar = [&](const QString& t) {
        return preguntar_(t, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    };
    c.avisos.confirmarsino = [&](const QString& t) {
        return preguntar_(t, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    };
    c.avisos.aviso = [](const QString& t) {
        if (const auto& d = servizos().dialogos) d->aviso(t);
    };
    c.avisos.mensaxe = [](const QString& t) { mensaxe(t); };
    c.avisos.titular = ganchos_.titular;
    bool iniciado = false;
    c.avisos.progreso = [this, &iniciado](int posicion, int maximo) {
        if (!iniciado) {
            // The bar shows from the first copy on; a stopped export leaves the sheet as it was.
            imaxebenexporta->hide();
            progresoexporta->show();
            iniciado = true;
        }
        progresoexporta->setRange(0, qMax(1, maximo));
        progresoexporta->setValue(posicion);
        // Repaint during a long copy, without giving the author control back.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    c.pasos = pasos;
    pasospaquete(c); // host page, player book file and the package, told through c.avisos
    c.idiomavisor = idiomavisor;
    // A target without a folder is taken from the book's.
    c.cartafolactual = documento_.libro.carpetalibro;

    const ResultadoExportar r = quibel::exportarlibro(libro(), valores(), c);

    // What the export leaves on the sheet: the names it used, without deriving one from another.
    for (const auto& [e, t] : {std::pair{donde, r.donde},
                               {nlibro, r.nlibro},
                               {txthtml, r.txthtml},
                               {txtempa, r.txtempa},
                               {nalmacen, r.nalmacen}}) {
        portextoedit(e, t);
    }
    libro().donde = r.donde;
    libro().nlibro = r.nlibro;
    libro().txthtml = r.txthtml;
    libro().txtempa = r.txtempa;
    libro().nalmacen = r.nalmacen;
    // Unchecking runs the boxes' handlers, as the export's own unchecking does.
    empa->setChecked(r.empa);
    sihtml->setChecked(r.sihtml);
    if (r.descrito) {
        libro().arquivoaxuda = r.arquivoaxuda;
        libro().txtben = r.txtben;
        libro().txtmal = r.txtmal;
        if (ganchos_.amosarpropiedades) ganchos_.amosarpropiedades();
    }
    if (r.publicado) publicado = true;
    if (r.exportando) exportando = true;
    if (r.rematado) {
        zipexporta = r.zip;
        progresoexporta->hide();
        imaxebenexporta->show();
    }
    // Clicks made while the bar ran were held back: they reach Publicar now, while the guard
    // still stands, so an impatient second click starts no second export.
    if (r.rematado) QCoreApplication::processEvents();
}

} // namespace quibel
