// Building the main window, and its life cycle: creation steps, activation, resize, the
// splitter, closing and the destroy steps.
#include "editor/quibelf.h"

#include "book/XMLParser.h"
#include "book/comandos.h"
#include "book/rutinas.h"
#include "editor/areadesprazada.h"
#include "editor/avisos.h"
#include "editor/controis.h"
#include "editor/follas.h"
#include "editor/garda.h"
#include "editor/paletatipos.h"
#include "editor/paneiscor.h"
#include "editor/propiedades.h"
#include "editor/ranuras.h"
#include "languages/idiomas.h"
#include "publish/exportar_ui.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace quibel {

namespace {

QToolButton* boton(QToolBar* barra, const char* nome, QStyle::StandardPixmap icona, bool contexto = false) {
    auto* b = new QToolButton(barra);
    b->setObjectName(QString::fromLatin1(nome));
    b->setIcon(iconaestilo(icona));
    b->setToolButtonStyle(contexto ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    barra->addWidget(b);
    return b;
}

QToolBar* barra(QWidget* pai, const char* nome) {
    auto* t = new QToolBar(pai);
    t->setObjectName(QString::fromLatin1(nome));
    t->setMovable(false);
    t->setFloatable(false);
    return t;
}

QWidget* panel(QWidget* pai, const char* nome) {
    auto* p = new QWidget(pai);
    p->setObjectName(QString::fromLatin1(nome));
    return p;
}

template <class W> W* nomear(W* w, const char* nome) {
    w->setObjectName(QString::fromLatin1(nome));
    return w;
}

} // namespace

TForm1::TForm1(const QStringList& argumentos, QWidget* parent) : QMainWindow(parent) {
    crearformulario();
    FormCreate(argumentos);
}

TForm1::~TForm1() {
    FormDestroy();
}

void TForm1::crearformulario() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quibel"));
    setAcceptDrops(true);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, QColor(0x84, 0xE1, 0xFD));
    setPalette(fondo);
    QFont letra(QStringLiteral("Verdana"));
    letra.setPixelSize(11);
    setFont(letra);

    scrollprincipal = nomear(new AreaDesprazada(this), "scrollprincipal");
    scrollprincipal->setWidgetResizable(true);
    scrollprincipal->setFrameShape(QFrame::NoFrame);
    Panel113 = panel(nullptr, "Panel113");
    Panel113->setMinimumSize(870, 630);
    scrollprincipal->setWidget(Panel113);
    setCentralWidget(scrollprincipal);
    auto* principal = new QVBoxLayout(Panel113);
    principal->setContentsMargins(4, 4, 4, 4);
    principal->setSpacing(3);

    // Main toolbar.
    ToolBar2 = barra(Panel113, "ToolBar2");
    SpeedButton135 = boton(ToolBar2, "SpeedButton135", QStyle::SP_FileIcon, true);
    SpeedButton137 = boton(ToolBar2, "SpeedButton137", QStyle::SP_DialogOpenButton, true);
    bgardar = boton(ToolBar2, "bgardar", QStyle::SP_DialogSaveButton, true);
    bgardarcomo = boton(ToolBar2, "bgardarcomo", QStyle::SP_ArrowUp, true);
    bconf = boton(ToolBar2, "bconf", QStyle::SP_FileDialogInfoView, true);
    bpaxinas = boton(ToolBar2, "bpaxinas", QStyle::SP_FileDialogDetailedView, true);
    btinserir = boton(ToolBar2, "btinserir", QStyle::SP_FileDialogNewFolder, true);
    ToolBar2->addSeparator();
    SpeedButton133 = boton(ToolBar2, "SpeedButton133", QStyle::SP_DialogHelpButton);
    SpeedButton169 = boton(ToolBar2, "SpeedButton169", QStyle::SP_DialogCloseButton);
    auto* recheo = new QWidget(ToolBar2);
    recheo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    ToolBar2->addWidget(recheo);
    Label1 = nomear(new QLabel(ToolBar2), "Label1");
    Label1->setTextFormat(Qt::PlainText);
    ToolBar2->addWidget(Label1);
    principal->addWidget(ToolBar2);

    titular = nomear(new QLabel(Panel113), "titular");
    titular->setTextFormat(Qt::PlainText);
    QFont negra = titular->font();
    negra.setBold(true);
    negra.setPixelSize(14);
    titular->setFont(negra);
    titular->setMinimumHeight(22);
    principal->addWidget(titular);

    // Resource panel | editor, with the splitter between them.
    divisor = nomear(new QSplitter(Qt::Horizontal, Panel113), "divisor");
    divisor->setChildrenCollapsible(false);
    Panel1 = nomear(new QFrame, "Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setMinimumWidth(160);
    auto* zona = panel(nullptr, "zonaeditor");
    divisor->addWidget(Panel1);
    divisor->addWidget(zona);
    divisor->setStretchFactor(0, 0);
    divisor->setStretchFactor(1, 1);
    divisor->setSizes({200, 670});
    crearpanelrecursos();
    sprspl = divisor->handle(1);
    sprspl->setObjectName(QStringLiteral("sprspl"));
    principal->addWidget(divisor, 1);

    auto* editor = new QVBoxLayout(zona);
    editor->setContentsMargins(0, 0, 0, 0);
    editor->setSpacing(2);
    tipaxinas = nomear(new Follas(zona), "tipaxinas");
    tipaxinas->setMinimumWidth(anchofollas);
    crearcomuns();
    editor->addWidget(pcab);
    editor->addWidget(tipaxinas, 1);
    editor->addWidget(ptxtpe);
    editor->addWidget(panelsonavega);
    crearfollas();

    connect(SpeedButton135, &QToolButton::clicked, this, en(this, &TForm1::SpeedButton135Click));
    connect(SpeedButton137, &QToolButton::clicked, this, en(this, &TForm1::SpeedButton137Click));
    connect(bgardar, &QToolButton::clicked, this, en(this, &TForm1::bgardars));
    connect(bgardarcomo, &QToolButton::clicked, this, en(this, &TForm1::bgardarcomoClick));
    connect(bconf, &QToolButton::clicked, this, en(this, &TForm1::bconfClick));
    connect(bpaxinas, &QToolButton::clicked, this, en(this, &TForm1::bpaxinasClick));
    connect(SpeedButton133, &QToolButton::clicked, this, en(this, &TForm1::SpeedButton133Click));
    connect(SpeedButton169, &QToolButton::clicked, this, en(this, &TForm1::SpeedButton169Click));
    connect(divisor, &QSplitter::splitterMoved, this,
            [this](int pos, int) { guarded([this, pos] { sprsplMoved(pos); }); });
}

void TForm1::crearcomuns() {
    // Header: the page's header text, the page-properties toggle and the preview.
    pcab = panel(nullptr, "pcab");
    auto* cab = new QHBoxLayout(pcab);
    cab->setContentsMargins(0, 0, 0, 0);
    txtcabe = nomear(new QLineEdit(pcab), "txtcabe");
    btproppax = nomear(new QToolButton(pcab), "btproppax");
    btproppax->setText(QStringLiteral("..."));
    btmirar = nomear(new QToolButton(pcab), "btmirar");
    btmirar->setIcon(iconaestilo(QStyle::SP_MediaPlay));
    cab->addWidget(txtcabe, 1);
    cab->addWidget(btproppax);
    cab->addWidget(btmirar);
    connect(btproppax, &QToolButton::clicked, this, en(this, &TForm1::btproppaxClick));
    connect(btmirar, &QToolButton::clicked, this, en(this, &TForm1::btmirarClick));

    // Footer: the page's footer text and the two navigation locks.
    ptxtpe = panel(nullptr, "ptxtpe");
    auto* pe = new QHBoxLayout(ptxtpe);
    pe->setContentsMargins(0, 0, 0, 0);
    txtpe = nomear(new LimitedEdit(80, ptxtpe), "txtpe");
    Image64 = nomear(new QToolButton(ptxtpe), "Image64");
    Image64->setArrowType(Qt::LeftArrow);
    Image64->setAutoRaise(true);
    chpasam = nomear(new QCheckBox(ptxtpe), "chpasam");
    Image68 = nomear(new QToolButton(ptxtpe), "Image68");
    Image68->setArrowType(Qt::RightArrow);
    Image68->setAutoRaise(true);
    chpasa = nomear(new QCheckBox(ptxtpe), "chpasa");
    pe->addWidget(txtpe, 1);
    pe->addWidget(Image64);
    pe->addWidget(chpasam);
    pe->addWidget(Image68);
    pe->addWidget(chpasa);
    connect(Image68, &QToolButton::clicked, this, en(this, &TForm1::Image68Click));
    connect(Image64, &QToolButton::clicked, this, en(this, &TForm1::Image64Click));

    // Bottom bar: the page sound and the navigation panel.
    panelsonavega = panel(nullptr, "panelsonavega");
    auto* baixo = new QHBoxLayout(panelsonavega);
    baixo->setContentsMargins(0, 0, 0, 0);
    grson = panel(panelsonavega, "grson");
    auto* son = new QHBoxLayout(grson);
    son->setContentsMargins(0, 0, 0, 0);
    txgrson = nomear(new QLabel(grson), "txgrson");
    txgrson->setTextFormat(Qt::PlainText);
    txtson = nomear(new QLineEdit(grson), "txtson");
    txtson->setReadOnly(true);
    txtson->setMinimumWidth(120);
    plson = nomear(new QToolButton(grson), "plson");
    plson->setIcon(iconaestilo(QStyle::SP_MediaPlay));
    SpeedButton21 = nomear(new QToolButton(grson), "SpeedButton21");
    SpeedButton21->setIcon(iconaestilo(QStyle::SP_DialogDiscardButton));
    autoson = nomear(new QCheckBox(QStringLiteral("Auto"), grson), "autoson");
    son->addWidget(txgrson);
    son->addWidget(txtson);
    son->addWidget(plson);
    son->addWidget(SpeedButton21);
    son->addWidget(autoson);
    connect(plson, &QToolButton::clicked, this, en(this, &TForm1::plsonClick));
    connect(SpeedButton21, &QToolButton::clicked, this, en(this, &TForm1::SpeedButton21Click));
    connect(autoson, &QCheckBox::clicked, this, en(this, &TForm1::autosonClick));

    navega = panel(panelsonavega, "navega");
    auto* nav = new QHBoxLayout(navega);
    nav->setContentsMargins(0, 0, 0, 0);
    ToolBar1 = barra(navega, "ToolBar1");
    SpeedButton8 = boton(ToolBar1, "SpeedButton8", QStyle::SP_MediaSkipBackward);
    SpeedButton9 = boton(ToolBar1, "SpeedButton9", QStyle::SP_MediaSeekBackward);
    SpeedButton10 = boton(ToolBar1, "SpeedButton10", QStyle::SP_MediaSeekForward);
    SpeedButton12 = boton(ToolBar1, "SpeedButton12", QStyle::SP_MediaSkipForward);
    ToolBar1->addSeparator();
    SpeedButton11 = boton(ToolBar1, "SpeedButton11", QStyle::SP_FileIcon);
    btclona = boton(ToolBar1, "btclona", QStyle::SP_FileLinkIcon);
    SpeedButton7 = boton(ToolBar1, "SpeedButton7", QStyle::SP_TrashIcon);
    SpeedButton167 = boton(ToolBar1, "SpeedButton167", QStyle::SP_FileDialogListView);
    SpeedButton13 = boton(ToolBar1, "SpeedButton13", QStyle::SP_DialogSaveButton);
    numpaxinap = nomear(new QComboBox(navega), "numpaxinap");
    numpaxinap->setEditable(false);
    numpaxinap->setMinimumWidth(60);
    nav->addWidget(ToolBar1);
    nav->addWidget(numpaxinap);
    baixo->addWidget(grson);
    baixo->addStretch(1);
    baixo->addWidget(navega);
    connect(SpeedButton8, &QToolButton::clicked, this, en(this, &TForm1::SpeedButton8Click));
    connect(SpeedButton9, &QToolButton::clicked, this, en(this, &TForm1::SpeedButton9Click));
    connect(SpeedButton10, &QToolButton::clicked, this, en(this, &TForm1::SpeedButton10Click));
    connect(SpeedButton12, &QToolButton::clicked, this, en(this, &TForm1::SpeedButton12Click));
    connect(SpeedButton11, &QToolButton::clicked, this, en(this, &TForm1::SpeedButton11Click));
    connect(btclona, &QToolButton::clicked, this, en(this, &TForm1::btclonaClick));
    connect(SpeedButton7, &QToolButton::clicked, this, en(this, &TForm1::SpeedButton7Click));
    connect(SpeedButton167, &QToolButton::clicked, this, en(this, &TForm1::SpeedButton167Click));
    connect(SpeedButton13, &QToolButton::clicked, this, en(this, &TForm1::SpeedButton13Click));
    // activated is the author's choice; currentIndexChanged also fires when the program moves it.
    connect(numpaxinap, &QComboBox::activated, this,
            [this](int i) { guarded([this, i] { numpaxinapSelect(i); }); });

    // The floating page-properties panel: link text and target, right and wrong messages.
    proppax = nomear(new QFrame(Panel113), "proppax");
    proppax->setFrameShape(QFrame::Panel);
    proppax->setFrameShadow(QFrame::Raised);
    proppax->setAutoFillBackground(true);
    auto* prop = new QVBoxLayout(proppax);
    labelliga = nomear(new QLabel(proppax), "labelliga");
    proppaxltxt = nomear(new LabelledEdit(proppax), "proppaxltxt");
    proppaxld = nomear(new LabelledEdit(proppax), "proppaxld");
    labelmensa = nomear(new QLabel(proppax), "labelmensa");
    benpax = nomear(new LabelledEdit(proppax), "benpax");
    malpax = nomear(new LabelledEdit(proppax), "malpax");
    for (QLabel* l : {labelliga, labelmensa}) {
        l->setTextFormat(Qt::PlainText);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    prop->addWidget(labelliga);
    prop->addWidget(proppaxltxt);
    prop->addWidget(proppaxld);
    prop->addWidget(labelmensa);
    prop->addWidget(benpax);
    prop->addWidget(malpax);
    proppax->resize(340, 190);
    proppax->hide();
}

void TForm1::crearfollas() {
    const auto nova = [this](int i, const char* nome, const char* caption) {
        QWidget* f = panel(nullptr, nome);
        f->setWindowTitle(QString::fromLatin1(caption)); // the sheet's caption, never shown
        follas[i] = f;
        return f;
    };

    TabSheet3 = nova(inicio, "TabSheet3", "inicio");
    // The type chooser: the palette's own sheet, told what to call back.
    selectortipos = new SelectorTipos;
    selectortipos->setWindowTitle(QStringLiteral("escoller"));
    selectortipos->iniciatipo = [this](int tipo) { iniciatipo(tipo); };
    selectortipos->vercomunes = [this](int modo) { vercomunes(modo); };
    selectortipos->portitular = [this](const QString& t) { titular->setText(t); };
    selectortipos->panelsonavega = panelsonavega;
    selectortipos->navega = navega;
    TabSheet22 = follas[escoller] = selectortipos;
    TabSheet2 = nova(pasarfolla, "TabSheet2", "pasar");
    TabSheet30 = nova(cambiarorde, "TabSheet30", "cambiarorde");
    TabSheet1 = nova(identif, "TabSheet1", "identif");
    tabExportar = nova(exporta, "tabExportar", "exporta");
    TabInserir = nova(inserir, "TabInserir", "engadir");

    // Start sheet: the program's name, the language list, the credits.
    auto* inicial = new QVBoxLayout(TabSheet3);
    Label36 = nomear(new QLabel(TabSheet3), "Label36");
    Label45 = nomear(new QLabel(TabSheet3), "Label45");
    Label44 = nomear(new QLabel(TabSheet3), "Label44");
    for (QLabel* l : {Label36, Label45, Label44})
        l->setTextFormat(Qt::PlainText);
    QFont grande = Label36->font();
    grande.setPixelSize(22);
    grande.setBold(true);
    Label36->setFont(grande);
    inicial->addWidget(Label36);
    inicial->addWidget(Label45);
    inicial->addSpacing(12);
    inicial->addStretch(1);
    inicial->addWidget(Label44);

    // Page order: the list to drag lines in, and the button that applies it.
    auto* orde = new QVBoxLayout(TabSheet30);
    ListBox1 = nomear(new QListWidget(TabSheet30), "ListBox1");
    ListBox1->setDragDropMode(QAbstractItemView::InternalMove);
    ListBox1->setDefaultDropAction(Qt::MoveAction);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    SpeedButton168 = nomear(new QPushButton(TabSheet30), "SpeedButton168");
    orde->addWidget(ListBox1, 1);
    orde->addWidget(SpeedButton168, 0, Qt::AlignLeft);
    connect(SpeedButton168, &QPushButton::clicked, this, en(this, &TForm1::SpeedButton168Click));

    // Book properties: the book's name now (the window's title follows it), the sheet's own
    // controls when it is first shown.
    txtlibro = nomear(new LabelledEdit(TabSheet1), "txtlibro");
    // A page's own background: shared by the page editors that give a page one.
    auto* imcorfondo = new ColourPanel(Panel113);
    imcorfondo->setObjectName(QStringLiteral("imcorfondo"));
    imcorfondo->setColor(colorDe(cordefecto(CorLibro::fondopaxina)));
    imcorfondo->setMinimumSize(40, 20);
    imcorfondo->hide();
    connect(txtlibro->edit(), &QLineEdit::textChanged, this, en(this, &TForm1::txtlibroChange));

    // Sheet handlers run inside the command that selects the sheet, which already runs guarded:
    // a failure must stop that command, so they are bound without a guard of their own.
    tipaxinas->engadir(TabSheet3);
    tipaxinas->engadir(
        TabSheet22, [this] { TabSheet22Show(); }, [this] { TabSheet22Hide(); });
    tipaxinas->engadir(TabSheet2);
    tipaxinas->engadir(TabSheet30);
    tipaxinas->engadir(
        TabSheet1, [this] { TabSheet1Show(); }, [this] { TabSheet1Hide(); });
    tipaxinas->engadir(
        tabExportar,
        [this] {
            if (exportacion) exportacion->tabExportarShow();
        },
        [this] {
            if (exportacion) exportacion->tabExportarHide();
        });
    tipaxinas->engadir(TabInserir);
    // What the editors see of the window.
    editoculto = std::make_unique<LabelledEdit>();
    editoculto->setObjectName(QStringLiteral("editoculto"));
    contexto = std::make_unique<EditorContext>(
        EditorContext{documento, servizos(), [this](const QString& arquivo) { sonar(arquivo); }, {}});
    contexto->pezas.editoculto = editoculto.get();
    for (int t = 1; t <= numtipos; ++t) {
        const Tipopaxina& tipo = tipospaxina[t];
        QWidget* f = nova(t + primeirafollatipo, tipo.folla, tipo.nome);
        tipaxinas->engadir(
            f, [this, t] { follatipoShow(t); }, [this] { pestanHide(); });
        // The editor makes its controls when its sheet is first shown (prepararfolla).
        if (const FabricaEditor fabrica = fabricaeditor(t)) editores[t] = fabrica();
    }
    // The start, chooser, neutral and page-order sheets are built now; the others are built
    // before they are first shown.
    for (int i : {inicio, escoller, pasarfolla, cambiarorde})
        feitas[i] = true;
    tipaxinas->preparar = [this](int i) { prepararfolla(i); };
    vincularranuras();
}

void TForm1::FormCreate(const QStringList& argumentos) {
    barrasenbandas(this);
    // The window follows its document: every reset and every book read reach the controls by
    // these two paths alone.
    connect(&documento, &Documento::reiniciado, this,
            [this](Documento::PasoReinicio paso) { guarded([this, paso] { reiniciarcontroles(paso); }); });
    connect(&documento, &Documento::lido, this, [this](const InformeLectura& informe) {
        guarded([this, &informe] { aplicarinforme(informe); });
    });

    // Application activation refreshes the resource lists.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive) guarded([this] { FormActivate(); });
    });

    proppax->move(150, 80);

    // The window fits the screen: the minimum never exceeds what is available and the content
    // scrolls inside a smaller window.
    const QSize area = areapantalla();
    setMinimumSize(qMin(790, area.width()), qMin(560, area.height()));
    // The content is as wide as the resource panel beside the palette needs; the window starts at
    // that width where the screen allows and scrolls its content on a narrower one.
    const int ancho = qMax(Panel113->minimumWidth(), Panel113->layout()->minimumSize().width());
    Panel113->setMinimumWidth(ancho);
    resize(qMin(qMax(889, ancho), area.width()), qMin(640, area.height()));
    // Centred on the screen, as the splash window is.
    move(qMax(0, (area.width() - width()) / 2), qMax(0, (area.height() - height()) / 2));

    libro.carpetaprograma = condelimitador(QCoreApplication::applicationDirPath());
    libro.carpetacfg = escollercarpetacfg(libro.carpetaprograma);

    // Interface language: the list goes on the start sheet, the menu on the toolbar and the
    // title line, followed by the version item.
    crearcontroisidioma();
    comboidiomas->setParent(TabSheet3);
    comboidiomas->setMaximumWidth(220);
    static_cast<QVBoxLayout*>(TabSheet3->layout())->insertWidget(3, comboidiomas, 0, Qt::AlignLeft);
    popm->addSeparator();
    Quibelv270 = popm->addAction(versionquibel);
    Quibelv270->setObjectName(QStringLiteral("Quibelv270"));
    connect(Quibelv270, &QAction::triggered, this, en(this, &TForm1::Quibelv270Click));
    for (QWidget* w : {static_cast<QWidget*>(ToolBar2), static_cast<QWidget*>(titular)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& p) { popm->popup(w->mapToGlobal(p)); });
    }
    crearbotonesmenu();

    altopechado = 24;
    altoaberto = 350;

    Label1->setText(versionquibel);
    setWindowTitle(versionquibel);
    libro.carpetalibro = condelimitador(QDir::currentPath());
    Label44->setText(QStringLiteral("Quibel: libros multimedia interactivos, software libre."));
    Panel1->setMinimumHeight(200);
    libro.carpetarecursos = libro.carpetalibro;
    marxeesquerda = 40;
    anchoeditor = 420;
    marxe = 10;
    docxml = std::make_unique<TXMLDoc>();

    for (QWidget* b :
         std::initializer_list<QWidget*>{bgardar, btinserir, bgardarcomo, bconf, bpaxinas, SpeedButton11})
        b->setEnabled(false);
    plson->setEnabled(false);
    guarded([this] { refresca(); });

    Panel1->hide();
    sprspl->hide();
    tipaxinas->amosar(inicio);
    vercomunes(0);
    panelsonavega->hide();
    documento.porpaxinaactual(0);
    libro.numpaxinas = 1;

    // A work folder of this process alone, in the system's temporary folder.
    cartafoltemporal = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/quibel-XXXXXX"));
    libro.carpetatemporal =
        cartafoltemporal->isValid() ? condelimitador(cartafoltemporal->path()) : QString();
    tipaxinas->show();
    // Applying the language above has built the palette in its texts already; it is built here
    // only where no language was applied.
    if (!selectortipos->botonestipos[0]) crearpaleta();

    // The sound engine starts with the first sound: opening the audio device can take a tenth of a
    // second, which the window would otherwise spend before it shows.
    sonpendente = true;

    qApp->installEventFilter(this);

    if (!argumentos.isEmpty() && !argumentos.first().isEmpty()) {
        const QString arquivo = rutaargumento(argumentos.first(), libro.carpetalibro);
        guarded([this, &arquivo] { cargar(arquivo); });
    }
}

void TForm1::FormDestroy() {
    qApp->removeEventFilter(this);
    docxml.reset();
    borrarexportacion();
    borrarpaleta();
    borrarvistas();
    editoculto.reset();
    if (bassactivo == 1) liberarson();
    if (cartafoltemporal) {
        // Whatever the preview left there goes with it; a failure is of no consequence.
        QDir(cartafoltemporal->path()).removeRecursively();
        cartafoltemporal.reset();
    }
}

bool TForm1::FormCloseQuery() {
    return preguntar(textosui[195], QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void TForm1::closeEvent(QCloseEvent* e) {
    bool pechar = false;
    guarded([&] { pechar = FormCloseQuery(); });
    if (pechar)
        e->accept();
    else
        e->ignore();
}

void TForm1::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    guarded([this] { FormResize(); });
}

void TForm1::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange) guarded([this] { refresca(); });
}

void TForm1::FormActivate() {
    refresca();
}

void TForm1::FormResize() {
    altoaberto = height() - 300;
    // The open list takes the new height; with none open the picture list opens. A resize never
    // closes a list.
    if (listaaberta != 0)
        panellista(listaaberta)->setFixedHeight(qMax(altoaberto, altopechado * 3));
    else
        ALIMAXESClick();
}

void TForm1::sprsplMoved(int pos) {
    proppax->move(pos + 5, proppax->y());
}

void TForm1::SpeedButton169Click() {
    close();
}

void TForm1::Quibelv270Click() {
    pasar(documento.tipoactual);
    tipaxinas->amosar(inicio);
    panelsonavega->hide();
    vercomunes(0);
    titular->clear();
}

} // namespace quibel
