#include "editor/ctrlimx.h"

#include "book/rutinas.h"
#include "editor/controis.h"
#include "editor/garda.h"
#include "editor/servizos.h"
#include "languages/idiomas.h"

#include <Magick++.h>
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
#include <mutex>
#include <vector>

namespace quibel {

namespace {

void iniciarmagick() {
    static std::once_flag feito;
    std::call_once(feito, [] {
        // Qt keeps its own signal handling: the library would end the program on SIGTERM.
        MagickLib::ExceptionInfo e;
        MagickLib::GetExceptionInfo(&e);
        MagickLib::InitializeMagickEx(nullptr, MAGICK_OPT_NO_SIGNAL_HANDER, &e);
        MagickLib::DestroyExceptionInfo(&e);
        // The frames of an animation are small: worker threads spend far longer waiting for each
        // other than they save (a 100-frame GIF took 25 times as long with them).
        MagickLib::SetMagickResourceLimit(MagickLib::ThreadsResource, 1);
    });
}

QString textode(const std::exception& e) {
    return QString::fromLocal8Bit(e.what());
}

// The format a file name's extension names, as the library calls it.
std::string formatode(const QString& arquivo) {
    const QString ext = QFileInfo(arquivo).suffix().toLower();
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg")) return "JPEG";
    return ext.toUpper().toStdString();
}

} // namespace

struct ImaxeMultiple::Cadros {
    std::vector<Magick::Image> cadros;
};

ImaxeMultiple::ImaxeMultiple() : c_(std::make_unique<Cadros>()) {}
ImaxeMultiple::~ImaxeMultiple() = default;
ImaxeMultiple::ImaxeMultiple(const ImaxeMultiple& o) : c_(std::make_unique<Cadros>(*o.c_)) {}
ImaxeMultiple& ImaxeMultiple::operator=(const ImaxeMultiple& o) {
    *c_ = *o.c_;
    return *this;
}

std::optional<ImaxeMultiple> ImaxeMultiple::ler(const QString& arquivo, QString* erro) {
    iniciarmagick();
    // Read through Qt: the library would take "[n]" or "%d" in a file name as frame selectors.
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) {
        if (erro) *erro = arquivo + QStringLiteral(": ") + f.errorString();
        return std::nullopt;
    }
    const QByteArray datos = f.readAll();
    std::list<Magick::Image> lidos;
    try {
        Magick::readImages(&lidos, Magick::Blob(datos.constData(), size_t(datos.size())));
    } catch (const Magick::Warning&) {
        // A warning still leaves the frames read.
    } catch (const std::exception& e) {
        if (erro) *erro = arquivo + QStringLiteral(": ") + textode(e);
        return std::nullopt;
    }
    if (lidos.empty() || lidos.front().columns() == 0 || lidos.front().rows() == 0) {
        if (erro) *erro = arquivo;
        return std::nullopt;
    }
    ImaxeMultiple r;
    try {
        if (lidos.size() > 1) {
            std::list<Magick::Image> enteiros;
            Magick::coalesceImages(&enteiros, lidos.begin(), lidos.end());
            lidos.swap(enteiros);
        }
    } catch (const std::exception& e) {
        if (erro) *erro = arquivo + QStringLiteral(": ") + textode(e);
        return std::nullopt;
    }
    r.c_->cadros.assign(lidos.begin(), lidos.end());
    return r;
}

QSize ImaxeMultiple::tamano() const {
    if (c_->cadros.empty()) return {};
    const Magick::Image& i = c_->cadros.front();
    return QSize(int(i.columns()), int(i.rows()));
}

int ImaxeMultiple::cadros() const {
    return int(c_->cadros.size());
}

ImaxeMultiple ImaxeMultiple::resampleada(const QSize& t) const {
    ImaxeMultiple r;
    for (Magick::Image i : c_->cadros) {
        Magick::Geometry g(unsigned(t.width()), unsigned(t.height()));
        g.aspect(true); // exactly this size
        i.filterType(Magick::CubicFilter);
        i.resize(g);
        i.page(Magick::Geometry(unsigned(t.width()), unsigned(t.height()), 0, 0));
        r.c_->cadros.push_back(i);
    }
    return r;
}

bool ImaxeMultiple::gardar(const QString& arquivo, QString* erro) const {
    const auto fallo = [&](const QString& texto) {
        if (erro) *erro = arquivo + QStringLiteral(": ") + texto;
        return false;
    };
    if (c_->cadros.empty()) return fallo(QString());
    const std::string formato = formatode(arquivo);
    Magick::Blob blob;
    try {
        std::vector<Magick::Image> saida = c_->cadros;
        for (Magick::Image& i : saida) {
            if (formato == "JPEG" && i.matte()) {
                // JPEG has no transparency: the picture goes onto white.
                Magick::Image fondo(Magick::Geometry(i.columns(), i.rows()), Magick::Color("white"));
                fondo.composite(i, 0, 0, Magick::OverCompositeOp);
                fondo.matte(false);
                i = fondo;
            }
            // Set explicitly: otherwise an unknown name gets the format of the picture read.
            i.magick(formato);
        }
        if (formato == "GIF" && saida.size() > 1)
            Magick::writeImages(saida.begin(), saida.end(), &blob, true);
        else
            saida.front().write(&blob);
    } catch (const std::exception& e) {
        return fallo(textode(e));
    }
    QSaveFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly)) return fallo(f.errorString());
    f.write(static_cast<const char*>(blob.data()), qint64(blob.length()));
    if (!f.commit()) return fallo(f.errorString());
    return true;
}

QImage ImaxeMultiple::previa() const {
    if (c_->cadros.empty()) return {};
    Magick::Image i = c_->cadros.front();
    QImage q(int(i.columns()), int(i.rows()), QImage::Format_RGBA8888);
    try {
        i.write(0, 0, i.columns(), i.rows(), "RGBA", Magick::CharPixel, q.bits());
    } catch (const std::exception&) {
        return {};
    }
    return q;
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
