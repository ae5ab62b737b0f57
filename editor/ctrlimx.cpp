#include "editor/ctrlimx.h"

#include "book/rutinas.h"
#include "editor/controis.h"
#include "editor/ctrlimx_modulo.h"
#include "editor/garda.h"
#include "editor/modulos.h"
#include "editor/servizos.h"
#include "languages/idiomas.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace quibel {

namespace {

// The format a file name's extension names, as the library calls it.
std::string formatode(const QString& arquivo) {
    const QString ext = QFileInfo(arquivo).suffix().toLower();
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg")) return "JPEG";
    return ext.toUpper().toStdString();
}

} // namespace

// The frames in the imaging module; none for an empty picture.
struct ImaxeMultiple::Cadros {
    std::unique_ptr<CadrosImaxe> i;
};

ImaxeMultiple::ImaxeMultiple() : c_(std::make_unique<Cadros>()) {}
ImaxeMultiple::~ImaxeMultiple() = default;
ImaxeMultiple::ImaxeMultiple(const ImaxeMultiple& o) : c_(std::make_unique<Cadros>()) {
    *this = o;
}
ImaxeMultiple& ImaxeMultiple::operator=(const ImaxeMultiple& o) {
    if (this != &o) c_->i = o.c_->i ? o.c_->i->copia() : nullptr;
    return *this;
}

std::optional<ImaxeMultiple> ImaxeMultiple::ler(const QString& arquivo, QString* erro) {
    const auto fallo = [&](const QString& texto) {
        if (erro) *erro = texto.isEmpty() ? arquivo : arquivo + QStringLiteral(": ") + texto;
        return std::nullopt;
    };
    // Read through Qt: the library would take "[n]" or "%d" in a file name as frame selectors.
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) return fallo(f.errorString());
    const QByteArray datos = f.readAll();
    QString motivo;
    auto* lerimaxe = reinterpret_cast<LerImaxe*>(funcionmodulo("imx", "quibel_lerimaxe", &motivo));
    if (!lerimaxe) return fallo(motivo);
    std::unique_ptr<CadrosImaxe> lida(lerimaxe(datos, &motivo));
    if (!lida) return fallo(motivo);
    ImaxeMultiple r;
    r.c_->i = std::move(lida);
    return r;
}

QSize ImaxeMultiple::tamano() const {
    return c_->i ? c_->i->tamano() : QSize();
}

int ImaxeMultiple::cadros() const {
    return c_->i ? c_->i->cadros() : 0;
}

ImaxeMultiple ImaxeMultiple::resampleada(const QSize& t) const {
    ImaxeMultiple r;
    if (c_->i) r.c_->i = c_->i->resampleada(t);
    return r;
}

bool ImaxeMultiple::gardar(const QString& arquivo, QString* erro) const {
    const auto fallo = [&](const QString& texto) {
        if (erro) *erro = arquivo + QStringLiteral(": ") + texto;
        return false;
    };
    QByteArray datos;
    QString motivo;
    if (!c_->i || !c_->i->codificar(formatode(arquivo), datos, motivo)) return fallo(motivo);
    QSaveFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly)) return fallo(f.errorString());
    f.write(datos);
    if (!f.commit()) return fallo(f.errorString());
    return true;
}

QImage ImaxeMultiple::previa() const {
    return c_->i ? c_->i->previa() : QImage();
}

// --- sizes -------------------------------------------------------------------------------------

bool TamanoImaxe::barra(int p) {
    const QSize novo(base.width() * p / 100, base.height() * p / 100);
    // Below 2 pixels the preview keeps its size, and so does the next save.
    if (novo.width() <= 1 || novo.height() <= 1) return false;
    actual = novo.boundedTo(QSize(maximo, maximo));
    return true;
}

std::optional<int> TamanoImaxe::lado(const QString& texto) {
    bool ok = false;
    const int n = texto.trimmed().toInt(&ok);
    if (!ok || n < minimo || n > maximo) return std::nullopt;
    return n;
}

bool TamanoImaxe::ancho(const QString& texto) {
    const auto n = lado(texto);
    if (!n) return false;
    actual.setWidth(*n);
    return true;
}

bool TamanoImaxe::alto(const QString& texto) {
    const auto n = lado(texto);
    if (!n) return false;
    actual.setHeight(*n);
    return true;
}

void TamanoImaxe::fixar() {
    base = actual;
}

void TamanoImaxe::tamorg() {
    base = actual = orixinal;
}

// --- the window --------------------------------------------------------------------------------

namespace {

template <class W> W* nomeado(W* w, const char* nome) {
    w->setObjectName(QString::fromLatin1(nome));
    return w;
}

} // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Quibel"));
    setModal(true);
    resize(720, 540);
    auto* l = new QVBoxLayout(this);

    Panel1 = nomeado(new QWidget(this), "Panel1");
    auto* l1 = new QHBoxLayout(Panel1);
    l1->setContentsMargins(0, 0, 0, 0);
    btgrd = nomeado(new QPushButton(Panel1), "btgrd");
    btgrdc = nomeado(new QPushButton(Panel1), "btgrdc");
    btccel = nomeado(new QPushButton(Panel1), "btccel");
    editim = nomeado(new QLabel(Panel1), "editim");
    editim->setTextFormat(Qt::PlainText);
    imxa = nomeado(new LabelledEdit(Panel1), "imxa");
    imxl = nomeado(new LabelledEdit(Panel1), "imxl");
    for (LabelledEdit* e : {imxa, imxl}) {
        e->edit()->setValidator(new QIntValidator(TamanoImaxe::minimo, TamanoImaxe::maximo, e));
        e->edit()->setMaximumWidth(70);
    }
    btrotar = nomeado(new QPushButton(Panel1), "btrotar");
    btcolorpx = nomeado(new QPushButton(Panel1), "btcolorpx");
    btrotar->hide();
    btcolorpx->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{btgrd, btgrdc, btccel, editim})
        l1->addWidget(w);
    l1->addStretch(1);
    l1->addWidget(imxa);
    l1->addWidget(imxl);

    Panel2 = nomeado(new QWidget(this), "Panel2");
    auto* l2 = new QHBoxLayout(Panel2);
    l2->setContentsMargins(0, 0, 0, 0);
    ltitulo = nomeado(new QLabel(Panel2), "ltitulo");
    ltitulo->setTextFormat(Qt::PlainText);
    QFont negra = ltitulo->font();
    negra.setBold(true);
    ltitulo->setFont(negra);
    bttamorg = nomeado(new QPushButton(QStringLiteral("1:1"), Panel2), "bttamorg");
    barra = nomeado(new QSlider(Qt::Horizontal, Panel2), "barra");
    barra->setRange(1, 200);
    barra->setSingleStep(2);
    barra->setValue(100);
    txtporc = nomeado(new QLineEdit(Panel2), "txtporc");
    txtporc->setReadOnly(true);
    txtporc->setMaximumWidth(60);
    btfixar = nomeado(new QPushButton(Panel2), "btfixar");
    l2->addWidget(ltitulo);
    l2->addWidget(bttamorg);
    l2->addWidget(barra, 1);
    l2->addWidget(txtporc);
    l2->addWidget(btfixar);

    Panel4 = nomeado(new QScrollArea(this), "Panel4");
    auto* lenzo = new QWidget;
    Panel4->setWidget(lenzo);
    imaxe = nomeado(new QLabel(lenzo), "imaxe");
    imaxe->setScaledContents(true); // stretched to the current size
    imaxe->move(2, 2);

    l->addWidget(Panel1);
    l->addWidget(Panel2);
    l->addWidget(Panel4, 1);

    const auto en = [this](void (TForm2::*m)()) {
        return [this, m] { guarded([this, m] { (this->*m)(); }); };
    };
    connect(barra, &QSlider::valueChanged, this, [this](int p) { guarded([this, p] { barraChange(p); }); });
    connect(imxa->edit(), &QLineEdit::textEdited, this,
            [this](const QString& t) { guarded([&] { imxaChange(t); }); });
    connect(imxl->edit(), &QLineEdit::textEdited, this,
            [this](const QString& t) { guarded([&] { imxlChange(t); }); });
    connect(bttamorg, &QPushButton::clicked, this, en(&TForm2::bttamorgClick));
    connect(btfixar, &QPushButton::clicked, this, en(&TForm2::btfixarClick));
    connect(btgrd, &QPushButton::clicked, this, en(&TForm2::btgrdClick));
    connect(btgrdc, &QPushButton::clicked, this, en(&TForm2::btgrdcClick));
    connect(btccel, &QPushButton::clicked, this, en(&TForm2::btccelClick));
}

TForm2::~TForm2() = default;

bool TForm2::cargar(const QString& arquivo) {
    FormClose();
    arquivo_ = arquivo;
    extension_ = QFileInfo(arquivo).suffix().toLower();
    cambiaidioma();
    std::optional<ImaxeMultiple> lida = ImaxeMultiple::ler(arquivo);
    if (!lida) return false;
    cargada_ = lida;
    traballo_ = std::move(lida);
    barra->setEnabled(true);
    imaxe->move(2, 2);
    editim->setText(nomearquivo(arquivo));
    tamanos_ = TamanoImaxe(cargada_->tamano());
    barraen100();
    amosar(*cargada_);
    // Centred on the screen.
    const QSize area = areapantalla();
    move(qMax(0, (area.width() - width()) / 2), qMax(0, (area.height() - height()) / 2));
    return true;
}

void TForm2::cambiaidioma() {
    const auto t = [](int i) { return textosui[i]; };
    setWindowTitle(QStringLiteral("Quibel [") + t(133) + QStringLiteral(": ") + nomearquivo(arquivo_) +
                   QStringLiteral("]"));
    ltitulo->setText(t(133));
    btccel->setText(t(137));
    btgrdc->setText(t(136));
    btgrd->setText(t(2));
    btfixar->setText(t(131));
    imxl->setCaption(t(135));
    imxa->setCaption(t(134));
    btgrd->setToolTip(t(2));
    btgrdc->setToolTip(t(136));
    btccel->setToolTip(t(137));
}

void TForm2::amosar(const ImaxeMultiple& i) {
    QImage q = i.previa();
    // A JPEG is opaque; PNG and GIF show their transparency.
    if (extension_ == QLatin1String("jpg") || extension_ == QLatin1String("jpeg"))
        q = q.convertToFormat(QImage::Format_RGB32);
    imaxe->setPixmap(QPixmap::fromImage(q));
    porTamano();
}

void TForm2::porPrevia() {
    imaxe->resize(tamanos_.actual);
    Panel4->widget()->resize(tamanos_.actual + QSize(4, 4));
}

void TForm2::porTamano() {
    porPrevia();
    imxa->setText(QString::number(tamanos_.actual.width()));
    imxl->setText(QString::number(tamanos_.actual.height()));
}

void TForm2::barraen100() {
    // The sizes are set already: the slider only shows 100 %.
    const QSignalBlocker quedo(barra);
    barra->setValue(100);
    txtporc->setText(QStringLiteral("100 %"));
}

void TForm2::barraChange(int p) {
    txtporc->setText(QString::number(p) + QStringLiteral(" %"));
    if (tamanos_.barra(p)) porTamano();
}

void TForm2::imxaChange(const QString& texto) {
    if (tamanos_.ancho(texto)) porPrevia();
}

void TForm2::imxlChange(const QString& texto) {
    if (tamanos_.alto(texto)) porPrevia();
}

void TForm2::bttamorgClick() {
    if (!traballo_) return;
    tamanos_.tamorg();
    barraen100();
    amosar(*traballo_);
}

void TForm2::btfixarClick() {
    if (!cargada_) return;
    cargada_ = cargada_->resampleada(tamanos_.actual);
    tamanos_.fixar();
    barraen100();
    amosar(*cargada_);
}

bool TForm2::gardarimaxe(const QString& arquivo) {
    if (!traballo_) return false;
    QString erro;
    // A copy is resampled: the working copy stays as it was shown, so every save starts from it.
    if (traballo_->resampleada(tamanos_.actual).gardar(arquivo, &erro)) return true;
    if (const auto& d = servizos().dialogos) d->mensaxe(erro);
    return false;
}

void TForm2::btgrdClick() {
    gardarimaxe(arquivo_);
}

void TForm2::btgrdcClick() {
    const auto& d = servizos().dialogos;
    if (!d) return;
    QString nome = d->gardararquivo(textosui[136], arquivo_, QStringLiteral("*.") + extension_);
    if (nome.isEmpty()) return;
    if (QFileInfo(nome).suffix().isEmpty()) nome += u'.' + extension_;
    gardarimaxe(nome);
}

void TForm2::btccelClick() {
    close();
}

void TForm2::FormClose() {
    imaxe->clear();
    cargada_.reset();
    traballo_.reset();
}

void TForm2::closeEvent(QCloseEvent* e) {
    FormClose();
    QDialog::closeEvent(e);
}

} // namespace quibel
