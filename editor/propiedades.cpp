#include "editor/propiedades.h"

#include "book/aceptores.h"
#include "book/documento.h"
#include "book/rutinas.h"
#include "editor/arrastre.h"
#include "editor/controis.h"
#include "editor/garda.h"
#include "editor/paneiscor.h"
#include "editor/ranuras.h"
#include "editor/recursos.h"
#include "editor/servizos.h"
#include "languages/idiomas.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QToolButton>
#include <cmath>

namespace quibel {

namespace {

template <class W> W* novo(QWidget* pai, const char* nome, int x, int y, int ancho, int alto) {
    auto* w = new W(pai);
    w->setObjectName(QString::fromLatin1(nome));
    w->setGeometry(x, y, ancho, alto);
    return w;
}

LabelledEdit* edit(QWidget* pai, const char* nome, int x, int y, int ancho, bool soler = false) {
    auto* e = novo<LabelledEdit>(pai, nome, x, y, ancho, 24);
    e->edit()->setReadOnly(soler);
    return e;
}

QToolButton* boton(QWidget* pai, const char* nome, int x, int y, QStyle::StandardPixmap icona) {
    auto* b = novo<QToolButton>(pai, nome, x, y, 24, 24);
    b->setIcon(iconaestilo(icona));
    return b;
}

QToolButton* limpar(QWidget* pai, const char* nome, int x, int y) {
    return boton(pai, nome, x, y, QStyle::SP_DialogDiscardButton);
}

QToolButton* tocar(QWidget* pai, const char* nome, int x, int y) {
    auto* b = boton(pai, nome, x, y, QStyle::SP_MediaPlay);
    b->setEnabled(false); // until a sound is dropped
    return b;
}

QCheckBox* caixa(QWidget* pai, const char* nome, int x, int y, int ancho, const QString& texto = {}) {
    auto* c = novo<QCheckBox>(pai, nome, x, y, ancho, 22);
    c->setText(texto);
    return c;
}

QLabel* etiqueta(QWidget* pai, const char* nome, int x, int y, int ancho, const QString& texto = {}) {
    auto* l = novo<QLabel>(pai, nome, x, y, ancho, 22);
    l->setTextFormat(Qt::PlainText);
    l->setText(texto);
    return l;
}

// A half of a picture side as the book reader places it: rounded half to even.
int metade(int lado) {
    return int(std::lrint(lado / 2.0));
}

} // namespace

FollaPropiedades::FollaPropiedades(ContextoPropiedades contexto, QWidget* folla, LabelledEdit* txtlibro)
    : QObject(folla), c_(std::move(contexto)),
      ranuras_(std::make_unique<ContextoRanuras>(ContextoRanuras{c_.documento, {}, {}})) {
    crear(folla, txtlibro);
    vincular();
    amosar();
}

FollaPropiedades::~FollaPropiedades() = default;

Book& FollaPropiedades::libro() const {
    return c_.documento.libro;
}

void FollaPropiedades::crear(QWidget* f, LabelledEdit* txtlibro) {
    // Left column: the book's texts, options, sounds and messages.
    const int x = 4, ancho = 246;
    txtlibro->setParent(f);
    txtlibro->setGeometry(x, 4, ancho, 24);
    txttitulo = edit(f, "txttitulo", x, 30, ancho);
    txtsub = edit(f, "txtsub", x, 56, ancho);
    txtautor = edit(f, "txtautor", x, 82, ancho);
    txtiden = edit(f, "txtiden", x, 108, ancho);
    txtag = edit(f, "txtag", x, 134, ancho);
    txcaracter = edit(f, "txcaracter", x, 160, ancho);
    txtdirrec = edit(f, "txtdirrec", x, 186, ancho - 26);
    SpeedButton19 = boton(f, "SpeedButton19", x + ancho - 24, 186, QStyle::SP_DirOpenIcon);
    axuda = edit(f, "axuda", x, 212, ancho);
    txtenlacefinal = edit(f, "txtenlacefinal", x, 238, ancho);
    Labeltipo = etiqueta(f, "Labeltipo", x, 265, 34, QStringLiteral("Tipo"));
    tipolibro = novo<QLineEdit>(f, "tipolibro", x + 36, 264, 28, 24);
    // One character; a longer mode set by a book stays whole.
    tipolibro->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral(".?")), tipolibro));
    desordenpax = caixa(f, "desordenpax", x + 72, 265, 140);
    btmenu = novo<QToolButton>(f, "btmenu", x + ancho - 34, 264, 34, 24);
    btmenu->setText(QStringLiteral("[+]"));
    bmaxi = caixa(f, "bmaxi", x, 290, 80, QStringLiteral("Max."));
    bson = caixa(f, "bson", x + 82, 290, 80, QStringLiteral("\u266A"));
    binfor = caixa(f, "binfor", x + 164, 290, 80, QStringLiteral("\u2139"));
    pel = caixa(f, "pel", x, 290, 80);
    pel->hide(); // never shown

    soncontinuo = edit(f, "soncontinuo", x, 316, ancho - 52, true);
    soncontinuo->edit()->setToolTip(QStringLiteral("Arrastre aqui o son"));
    btsoncontinuo = tocar(f, "btsoncontinuo", x + ancho - 50, 316);
    brsoncontinuo = limpar(f, "brsoncontinuo", x + ancho - 24, 316);
    sonvol = novo<QLineEdit>(f, "sonvol", x, 342, 40, 24);
    etiqueta(f, "Labelsonvol", x + 42, 343, 16, QStringLiteral("%"));
    chkrepiteson = caixa(f, "chkrepiteson", x + 64, 343, 80, QStringLiteral("\u21BB"));

    GroupBox58 = novo<QGroupBox>(f, "GroupBox58", x, 370, ancho, 166);
    chkben = caixa(GroupBox58, "chkben", 6, 20, 22);
    txtben = edit(GroupBox58, "txtben", 28, 20, ancho - 34);
    benson = edit(GroupBox58, "benson", 6, 46, ancho - 64, true);
    bnson = tocar(GroupBox58, "bnson", ancho - 56, 46);
    SpeedButton165 = limpar(GroupBox58, "SpeedButton165", ancho - 30, 46);
    chkmal = caixa(GroupBox58, "chkmal", 6, 78, 22);
    txtmal = edit(GroupBox58, "txtmal", 28, 78, ancho - 34);
    malson = edit(GroupBox58, "malson", 6, 104, ancho - 64, true);
    mlson = tocar(GroupBox58, "mlson", ancho - 56, 104);
    SpeedButton166 = limpar(GroupBox58, "SpeedButton166", ancho - 30, 104);
    bcormensa = novo<ColourPanel>(GroupBox58, "bcormensa", 6, 136, 60, 22);

    // Right column: colours, logo, the half-size preview of a page, the bar picture and skins.
    const int d = 256, dancho = 400;
    GroupBox1 = novo<QGroupBox>(f, "GroupBox1", d, 0, dancho, 52);
    // A row of caption, panel and (for the band and the bar) its check box; the captions take
    // the room their language needs.
    auto* cores = new QHBoxLayout(GroupBox1);
    cores->setContentsMargins(6, 6, 6, 4);
    const auto parcor = [this, cores](const char* etiq, QLabel*& l, const char* panel, ColourPanel*& p,
                                      QCheckBox** caixa = nullptr, const char* nomecaixa = nullptr) {
        l = etiqueta(GroupBox1, etiq, 0, 0, 10);
        p = novo<ColourPanel>(GroupBox1, panel, 0, 0, 30, 22);
        p->setFixedSize(30, 22);
        cores->addWidget(l);
        cores->addWidget(p);
        if (caixa) {
            *caixa = novo<QCheckBox>(GroupBox1, nomecaixa, 0, 0, 22, 22);
            cores->addWidget(*caixa);
        }
        cores->addStretch(1);
    };
    parcor("Label21", Label21, "bcorfondo", bcorfondo);
    parcor("Label38", Label38, "bcorbanda", bcorbanda, &chbanda, "chbanda");
    parcor("Label39", Label39, "bcornave", bcornave, &chbarra, "chbarra");
    parcor("Label40", Label40, "bcortexto", bcortexto);

    logo = novo<PictureBox>(f, "logo", d, 56, 48, 40);
    logo->setFrameShape(QFrame::StyledPanel);
    txtlogo = edit(f, "txtlogo", d + 52, 56, 318, true);
    SpeedButton5 = limpar(f, "SpeedButton5", d + 374, 56);
    saltologo = edit(f, "saltologo", d + 52, 80, 318);

    Panel19 = novo<Panel>(f, "Panel19", d, 108, dancho, 300);
    Panel19->setFrameShape(QFrame::Box);
    Panel19->setLineWidth(1);
    Panel22 = novo<Panel>(Panel19, "Panel22", 0, 0, dancho, 14);
    Panel58 = novo<Panel>(Panel19, "Panel58", 0, 300 - 24, dancho, 24);
    Image53 = novo<PictureBox>(Panel58, "Image53", 0, 0, dancho, 24);
    bimaxe = novo<QFrame>(Panel19, "bimaxe", 0, 0, 0, 0);
    imaxe = novo<PictureBox>(bimaxe, "imaxe", 0, 0, 0, 0);
    for (Panel* p : {Panel22, Panel58})
        p->raise();

    txtimaxe = edit(f, "txtimaxe", d, 412, 200, true);
    SpeedButton6 = limpar(f, "SpeedButton6", d + 202, 412);
    fondox = edit(f, "fondox", d + 230, 412, 60, true);
    fondoy = edit(f, "fondoy", d + 292, 412, 60, true);
    fondox->setCaption(QStringLiteral("X"));
    fondoy->setCaption(QStringLiteral("Y"));
    // The background picture is dragged at half scale; its release stores the page position.
    ElementDragger::Opcions arrastre;
    arrastre.editx = fondox->edit();
    arrastre.edity = fondoy->edit();
    arrastre.libre = true;
    arrastre.aosoltar = [this](QWidget*) { soltarfondo(); };
    ElementDragger::vincular(imaxe, bimaxe, arrastre);
    nomimbarra = edit(f, "nomimbarra", d, 438, 200, true);
    SpeedButton174 = limpar(f, "SpeedButton174", d + 202, 438);
    trpf = edit(f, "trpf", d + 230, 438, 150);
    Labelporcento = etiqueta(f, "Labelporcento", d + 384, 439, 16, QStringLiteral("%"));
    skin1 = edit(f, "skin1", d, 464, 200, true);
    noskin1 = limpar(f, "noskin1", d + 202, 464);
    chskin1 = caixa(f, "chskin1", d + 230, 465, 160, QStringLiteral("Skins"));
    skin2 = edit(f, "skin2", d, 490, 200, true);
    noskin2 = limpar(f, "noskin2", d + 202, 490);
    chskin2 = caixa(f, "chskin2", d + 230, 491, 160, QStringLiteral("Skin 2"));
    skin1->setCaption(QStringLiteral("Skin 1"));
    skin2->setCaption(QStringLiteral("Skin 2"));

    // The book menu, over the sheet while it is open.
    panelmenu = novo<QFrame>(f, "panelmenu", 305, 86, 310, 460);
    panelmenu->setFrameShape(QFrame::Panel);
    panelmenu->setFrameShadow(QFrame::Raised);
    panelmenu->setAutoFillBackground(true);
    Label50 = etiqueta(panelmenu, "Label50", 10, 6, 90);
    Label51 = etiqueta(panelmenu, "Label51", 110, 6, 190);
    for (int i = 0; i < 14; ++i) {
        const int y = 30 + 28 * i;
        txmenus[i] = new QLineEdit(panelmenu);
        txmenus[i]->setObjectName(QStringLiteral("txmenu%1").arg(i));
        txmenus[i]->setGeometry(10, y, 90, 24);
        txligas[i] = new QLineEdit(panelmenu);
        txligas[i]->setObjectName(QStringLiteral("txliga%1").arg(i));
        txligas[i]->setGeometry(110, y, 190, 24);
    }
    chhorizontal = caixa(panelmenu, "chhorizontal", 10, 426, 140, QStringLiteral("\u2194"));
    chdereita = caixa(panelmenu, "chdereita", 160, 426, 140, QStringLiteral("\u2192|"));
    panelmenu->hide();
    panelmenu->raise();
    f->setMinimumSize(d + dancho + 4, 540);
}

void FollaPropiedades::vincular() {
    Book& b = libro();
    Documento& d = c_.documento;
    const auto en = [](auto f) { return [f] { guarded(f); }; };

    // Texts: every real edit writes the model.
    const std::pair<LabelledEdit*, QString Book::*> textos[] = {
        {txttitulo, &Book::txttitulo},
        {txtsub, &Book::txtsub},
        {txtautor, &Book::txtautor},
        {txtiden, &Book::txtiden},
        {txtag, &Book::txtag},
        {txcaracter, &Book::txcaracter},
        {txtenlacefinal, &Book::txtenlacefinal},
        {txtdirrec, &Book::txtdirrec},
        {saltologo, &Book::saltologo},
        {trpf, &Book::trpf},
        {txtben, &Book::txtben},
        {txtmal, &Book::txtmal},
    };
    for (const auto& [e, campo] : textos)
        connect(e->edit(), &QLineEdit::textEdited, this, [&b, campo](const QString& t) { b.*campo = t; });
    connect(sonvol, &QLineEdit::textEdited, this, [&b](const QString& t) { b.sonvol = t; });
    connect(tipolibro, &QLineEdit::textEdited, this, [&b](const QString& t) { b.tipolibro = t; });
    for (int i = 0; i < 14; ++i) {
        connect(txmenus[i], &QLineEdit::textEdited, this, [&b, i](const QString& t) { b.txmenus[i] = t; });
        connect(txligas[i], &QLineEdit::textEdited, this, [&b, i](const QString& t) { b.txligas[i] = t; });
    }
    const std::pair<QCheckBox*, bool Book::*> caixas[] = {
        {desordenpax, &Book::desordenpax},
        {chkrepiteson, &Book::chkrepiteson},
        {bmaxi, &Book::bmaxi},
        {bson, &Book::bson},
        {binfor, &Book::binfor},
        {chbanda, &Book::chbanda},
        {chbarra, &Book::chbarra},
        {chskin1, &Book::chskin1},
        {chskin2, &Book::chskin2},
        {pel, &Book::pel},
        {chkben, &Book::chkben},
        {chkmal, &Book::chkmal},
        {chhorizontal, &Book::chhorizontal},
        {chdereita, &Book::chdereita},
    };
    for (const auto& [caixa, campo] : caixas)
        connect(caixa, &QCheckBox::clicked, this, [&b, campo](bool marcada) { b.*campo = marcada; });

    // Colours: the panels ask the chooser themselves and tell of the colour chosen.
    const std::pair<ColourPanel*, void (FollaPropiedades::*)(const QColor&)> cores[] = {
        {bcorfondo, &FollaPropiedades::corfondo}, {bcorbanda, &FollaPropiedades::corbanda},
        {bcornave, &FollaPropiedades::cornave},   {bcortexto, &FollaPropiedades::cortexto},
        {bcormensa, &FollaPropiedades::cormensa},
    };
    for (const auto& [panel, metodo] : cores)
        connect(panel, &ColourPanel::corcambiada, this,
                [this, metodo](const QColor& c) { guarded([&] { (this->*metodo)(c); }); });

    // Drops.
    const auto imaxes = [&d] { return logoDragOver(d.tiporecurso, d.recursoescollido); };
    const auto sons = [&d] { return txtsonDragOver(d.tiporecurso, d.recursoescollido); };
    const auto solta = [this](void (FollaPropiedades::*metodo)()) {
        return [this, metodo](QWidget*, const QPoint&) { (this->*metodo)(); };
    };
    DropTarget::vincular(logo, imaxes, solta(&FollaPropiedades::logoDragDrop));
    DropTarget::vincular(Panel19, imaxes, solta(&FollaPropiedades::imaxeDragDrop));
    DropTarget::vincular(imaxe, imaxes, solta(&FollaPropiedades::imaxeDragDrop));
    DropTarget::vincular(nomimbarra->edit(), imaxes, solta(&FollaPropiedades::nomimbarraDragDrop));
    DropTarget::vincular(skin1->edit(), imaxes, solta(&FollaPropiedades::skin1DragDrop));
    DropTarget::vincular(skin2->edit(), imaxes, solta(&FollaPropiedades::skin2DragDrop));
    DropTarget::vincular(soncontinuo->edit(), sons, solta(&FollaPropiedades::soncontinuoDragDrop));
    DropTarget::vincular(benson->edit(), sons, solta(&FollaPropiedades::bensonDragDrop));
    DropTarget::vincular(malson->edit(), sons, solta(&FollaPropiedades::malsonDragDrop));
    DropTarget::vincular(
        axuda->edit(), [&d] { return axudaDragOver(d.tiporecurso, d.recursoescollido); },
        solta(&FollaPropiedades::axudaDragDrop));
    // Only a real edit names the help target: moving or copying in the edit changes nothing.
    connect(axuda->edit(), &QLineEdit::textEdited, this,
            [this](const QString& t) { guarded([&] { axudaEdited(t); }); });

    const std::pair<QAbstractButton*, void (FollaPropiedades::*)()> botons[] = {
        {SpeedButton5, &FollaPropiedades::SpeedBtton5Click},
        {SpeedButton6, &FollaPropiedades::SpeedButton6Click},
        {SpeedButton174, &FollaPropiedades::SpeedButton174Click},
        {noskin1, &FollaPropiedades::noskin1Click},
        {noskin2, &FollaPropiedades::noskin2Click},
        {brsoncontinuo, &FollaPropiedades::brsoncontinuoClick},
        {SpeedButton165, &FollaPropiedades::SpeedButton165Click},
        {SpeedButton166, &FollaPropiedades::SpeedButton166Click},
        {btsoncontinuo, &FollaPropiedades::btsoncontinuoClick},
        {bnson, &FollaPropiedades::bnsonClick},
        {mlson, &FollaPropiedades::mlsonClick},
        {SpeedButton19, &FollaPropiedades::SpeedButton19Click},
        {btmenu, &FollaPropiedades::btmenuClick},
    };
    for (const auto& [b, metodo] : botons)
        connect(b, &QAbstractButton::clicked, this, en([this, metodo] { (this->*metodo)(); }));

    // Enter and leaving the resource-folder edit point the panel at it.
    SaidaEdit::vincular(
        txtdirrec->edit(), [this] { txtdirrecExit(); }, this);
}

SaidaEdit::SaidaEdit(QLineEdit* edit, std::function<void()> accion, QObject* dono)
    : QObject(dono ? dono : edit), edit_(edit), accion_(std::move(accion)) {
    edit->installEventFilter(this);
}

SaidaEdit* SaidaEdit::vincular(QLineEdit* edit, std::function<void()> accion, QObject* dono) {
    return new SaidaEdit(edit, std::move(accion), dono);
}

bool SaidaEdit::eventFilter(QObject* obj, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(e)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            guarded(accion_);
            return true; // swallowed
        }
    } else if (e->type() == QEvent::FocusOut) {
        // Leaving it for another control; not the window losing the focus, nor a window that
        // closes or is destroyed.
        const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
        if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason && edit_ && edit_->isVisible())
            guarded(accion_);
    }
    return QObject::eventFilter(obj, e);
}

void FollaPropiedades::amosar() {
    const Book& b = libro();
    const std::pair<LabelledEdit*, const QString*> textos[] = {
        {txttitulo, &b.txttitulo},
        {txtsub, &b.txtsub},
        {txtautor, &b.txtautor},
        {txtiden, &b.txtiden},
        {txtag, &b.txtag},
        {txcaracter, &b.txcaracter},
        {txtenlacefinal, &b.txtenlacefinal},
        {txtdirrec, &b.txtdirrec},
        {saltologo, &b.saltologo},
        {trpf, &b.trpf},
        {txtben, &b.txtben},
        {txtmal, &b.txtmal},
        {axuda, &b.axuda},
        {txtlogo, &b.txtlogo},
        {txtimaxe, &b.txtimaxe},
        {nomimbarra, &b.nomimbarra},
        {skin1, &b.skin1},
        {skin2, &b.skin2},
        {soncontinuo, &b.soncontinuo},
        {benson, &b.benson},
        {malson, &b.malson},
        {fondox, &b.fondox},
        {fondoy, &b.fondoy},
    };
    for (const auto& [e, valor] : textos)
        e->setText(*valor);
    sonvol->setText(b.sonvol);
    tipolibro->setText(b.tipolibro);
    for (int i = 0; i < 14; ++i) {
        txmenus[i]->setText(b.txmenus[i]);
        txligas[i]->setText(b.txligas[i]);
    }
    const std::pair<QCheckBox*, bool> caixas[] = {
        {desordenpax, b.desordenpax},
        {chkrepiteson, b.chkrepiteson},
        {bmaxi, b.bmaxi},
        {bson, b.bson},
        {binfor, b.binfor},
        {chbanda, b.chbanda},
        {chbarra, b.chbarra},
        {chskin1, b.chskin1},
        {chskin2, b.chskin2},
        {pel, b.pel},
        {chkben, b.chkben},
        {chkmal, b.chkmal},
        {chhorizontal, b.chhorizontal},
        {chdereita, b.chdereita},
    };
    for (const auto& [caixa, valor] : caixas)
        porcheck(caixa, valor);
    const std::pair<QAbstractButton*, const QString*> sons[] = {
        {btsoncontinuo, &b.arquivosonido}, {bnson, &b.arquivocorrecto}, {mlson, &b.arquivoincorrecto}};
    for (const auto& [boton, arquivo] : sons)
        boton->setEnabled(!arquivo->isEmpty());
    struct Cor {
        Panel *panel, *previa;
        const QString& cor;
        CorLibro clave;
    };
    const Cor cores[] = {
        {bcorfondo, Panel19, b.corfondolibro, CorLibro::fondo},
        {bcorbanda, Panel22, b.corbandalibro, CorLibro::banda},
        {bcornave, Panel58, b.cornavegalibro, CorLibro::navegacion},
        {bcortexto, nullptr, b.cortextolibro, CorLibro::texto},
        {bcormensa, nullptr, b.cormensaxeslibro, CorLibro::mensaxes},
    };
    for (const Cor& c : cores)
        for (Panel* p : {c.panel, c.previa})
            if (p) cargarcor(p, c.cor, colorDe(cordefecto(c.clave)));
}

bool FollaPropiedades::cargar(PictureBox* p, const QString& arquivo) const {
    const QPixmap i = imaxedearquivo(arquivo);
    if (i.isNull()) return false;
    p->porimaxe(i);
    return true;
}

void FollaPropiedades::tamanofondo(const QSize& tamano) {
    // Half size; a side under 5 pixels keeps a frame that can still be seen and grabbed.
    const auto lado = [](int l) { return l < 5 ? 5 : metade(l); };
    marco(QSize(lado(tamano.width()), lado(tamano.height())));
}

void FollaPropiedades::marco(const QSize& tamano) {
    bimaxe->resize(tamano);
    imaxe->setGeometry(QRect(QPoint(0, 0), tamano));
}

void FollaPropiedades::reiniciarimaxes() {
    for (const auto& [p, nome] : {std::pair{logo, txtlogo}, {imaxe, txtimaxe}, {Image53, nomimbarra}})
        quitarim(*ranuras_, p, nome->edit(), 0, 0);
    marco(QSize(0, 0));
}

void FollaPropiedades::cargarimaxe(PictureBox* p, const QString& arquivo) {
    if (!p || !cargar(p, arquivo)) return; // a picture that cannot be read is skipped
    if (p == imaxe) {
        const QSize t = p->tamanonatural();
        marco(QSize(metade(t.width()), metade(t.height())));
    }
}

void FollaPropiedades::colocarfondo(const InformeLectura::Posicion& p) {
    bimaxe->move(p.x, p.y);
}

void FollaPropiedades::soltarfondo() {
    Book& b = libro();
    b.fondox = QString::number(2 * bimaxe->x());
    b.fondoy = QString::number(2 * bimaxe->y());
    fondox->setText(b.fondox);
    fondoy->setText(b.fondoy);
}

void FollaPropiedades::cor(QString& global, const QColor& c, std::initializer_list<Panel*> previas) {
    global = corahex(deColor(c));
    for (Panel* p : previas)
        p->setColor(c);
}

void FollaPropiedades::corfondo(const QColor& c) {
    cor(libro().corfondolibro, c, {bcorfondo, Panel19});
    c_.colorcape();
}

void FollaPropiedades::corbanda(const QColor& c) {
    cor(libro().corbandalibro, c, {bcorbanda, Panel22});
    libro().chbanda = true;
    porcheck(chbanda, true);
}

void FollaPropiedades::cornave(const QColor& c) {
    cor(libro().cornavegalibro, c, {bcornave, Panel58});
    libro().chbarra = true;
    porcheck(chbarra, true);
}

void FollaPropiedades::cortexto(const QColor& c) {
    cor(libro().cortextolibro, c, {bcortexto});
    c_.colorcape();
}

void FollaPropiedades::cormensa(const QColor& c) {
    cor(libro().cormensaxeslibro, c, {bcormensa});
    c_.colorcape();
}

void FollaPropiedades::logoDragDrop() {
    const Documento& d = c_.documento;
    if (d.tiporecurso != 1 || !cargar(logo, d.recursoescollido)) return;
    libro().arquivologo = d.recursoescollido;
    libro().txtlogo = nomeparaver(d.recursoescollido);
    txtlogo->setText(libro().txtlogo);
}

void FollaPropiedades::imaxeDragDrop() {
    const Documento& d = c_.documento;
    const QString& arquivo = d.recursoescollido;
    if (tipoarquivo(arquivo) != 1 || nomearquivo(arquivo).isEmpty() || !cargar(imaxe, arquivo)) return;
    libro().arquivofondo = arquivo;
    libro().txtimaxe = nomeparaver(arquivo);
    txtimaxe->setText(libro().txtimaxe);
    tamanofondo(imaxe->tamanonatural());
}

void FollaPropiedades::nomimbarraDragDrop() {
    const Documento& d = c_.documento;
    const QString& arquivo = d.recursoescollido;
    if (d.tiporecurso != 1 || nomearquivo(arquivo).isEmpty() || !cargar(Image53, arquivo)) return;
    libro().arquivobarra = arquivo;
    libro().nomimbarra = nomeparaver(arquivo);
    nomimbarra->setText(libro().nomimbarra);
}

void FollaPropiedades::skin1DragDrop() {
    // A skin is a picture: a video would break the player's skin.
    const QString& arquivo = c_.documento.recursoescollido;
    if (tipoarquivo(arquivo) != 1) return;
    libro().arquivoaspectosup = arquivo;
    libro().skin1 = nomeparaver(arquivo);
    skin1->setText(libro().skin1);
}

void FollaPropiedades::skin2DragDrop() {
    const QString& arquivo = c_.documento.recursoescollido;
    if (tipoarquivo(arquivo) != 1) return;
    libro().arquivoaspectoinf = arquivo;
    libro().skin2 = nomeparaver(arquivo);
    skin2->setText(libro().skin2);
}

void FollaPropiedades::sondrop(QAbstractButton* boton, LabelledEdit* nome, QString& global,
                               QString& nomemodelo) {
    const QString& arquivo = c_.documento.recursoescollido;
    if (!ponerson(*ranuras_, boton, nome->edit(), arquivo, 0)) return;
    global = arquivo;
    nomemodelo = nome->text();
}

void FollaPropiedades::soncontinuoDragDrop() {
    sondrop(btsoncontinuo, soncontinuo, libro().arquivosonido, libro().soncontinuo);
}

void FollaPropiedades::bensonDragDrop() {
    sondrop(bnson, benson, libro().arquivocorrecto, libro().benson);
}

void FollaPropiedades::malsonDragDrop() {
    sondrop(mlson, malson, libro().arquivoincorrecto, libro().malson);
}

void FollaPropiedades::axudaDragDrop() {
    const Documento& d = c_.documento;
    if (d.tiporecurso != 4) return;
    libro().arquivoaxuda = d.recursoescollido;
    libro().axuda = nomeparaver(d.recursoescollido);
    axuda->setText(libro().axuda);
}

void FollaPropiedades::axudaEdited(const QString& texto) {
    // A typed text (a web address) is the help target at once.
    libro().axuda = texto;
    libro().arquivoaxuda = texto;
}

void FollaPropiedades::picclear(PictureBox* p, LabelledEdit* nome, QString& global, QString& nomemodelo) {
    quitarim(*ranuras_, p, nome->edit(), 0, 0);
    global.clear();
    nomemodelo.clear();
}

void FollaPropiedades::SpeedBtton5Click() {
    picclear(logo, txtlogo, libro().arquivologo, libro().txtlogo);
}

void FollaPropiedades::SpeedButton6Click() {
    picclear(imaxe, txtimaxe, libro().arquivofondo, libro().txtimaxe);
    bimaxe->move(0, 0);
    marco(QSize(0, 0));
    libro().fondox = QStringLiteral("0");
    libro().fondoy = QStringLiteral("0");
    fondox->setText(libro().fondox);
    fondoy->setText(libro().fondoy);
}

void FollaPropiedades::SpeedButton174Click() {
    picclear(Image53, nomimbarra, libro().arquivobarra, libro().nomimbarra);
}

void FollaPropiedades::noskin1Click() {
    libro().arquivoaspectosup.clear();
    libro().skin1.clear();
    skin1->setText(QString());
}

void FollaPropiedades::noskin2Click() {
    libro().arquivoaspectoinf.clear();
    libro().skin2.clear();
    skin2->setText(QString());
}

void FollaPropiedades::sonclear(QAbstractButton* boton, LabelledEdit* nome, QString& global,
                                QString& nomemodelo) {
    quitarson(*ranuras_, boton, nome->edit(), 0, 0);
    global.clear();
    nomemodelo.clear();
}

void FollaPropiedades::brsoncontinuoClick() {
    sonclear(btsoncontinuo, soncontinuo, libro().arquivosonido, libro().soncontinuo);
}

void FollaPropiedades::SpeedButton165Click() {
    sonclear(bnson, benson, libro().arquivocorrecto, libro().benson);
}

void FollaPropiedades::SpeedButton166Click() {
    sonclear(mlson, malson, libro().arquivoincorrecto, libro().malson);
}

void FollaPropiedades::btsoncontinuoClick() {
    c_.sonar(libro().arquivosonido);
}

void FollaPropiedades::bnsonClick() {
    c_.sonar(libro().arquivocorrecto);
}

void FollaPropiedades::mlsonClick() {
    c_.sonar(libro().arquivoincorrecto);
}

void FollaPropiedades::SpeedButton19Click() {
    const auto& d = servizos().dialogos;
    if (!d) return;
    const QString cartafol = d->escollercartafol(textosui[37], QString());
    if (cartafol.isEmpty()) return;
    libro().txtdirrec = cartafol;
    txtdirrec->setText(cartafol);
    txtdirrecExit();
}

void FollaPropiedades::txtdirrecExit() {
    libro().txtdirrec = txtdirrec->text();
    c_.ponrecursos();
    txtdirrec->setText(libro().txtdirrec); // as a full path with its delimiter
}

void FollaPropiedades::btmenuClick() {
    panelmenu->setVisible(panelmenu->isHidden());
    if (!panelmenu->isHidden()) panelmenu->raise();
}

} // namespace quibel
