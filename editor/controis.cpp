#include "editor/controis.h"

#include <QApplication>
#include <QCache>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QRegion>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <optional>

namespace quibel {

LabelledEdit::LabelledEdit(int maximo, QWidget* parent)
    : QWidget(parent), etiqueta_(new QLabel(this)),
      edit_(maximo > 0 ? new LimitedEdit(maximo, this) : new QLineEdit(this)) {
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    etiqueta_->setTextFormat(Qt::PlainText);
    etiqueta_->setBuddy(edit_);
    l->addWidget(etiqueta_);
    l->addWidget(edit_, 1);
}

Panel::Panel(QWidget* parent) : QFrame(parent), caption_(new QLabel(this)) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(2, 2, 2, 2);
    caption_->setTextFormat(Qt::PlainText);
    caption_->setAlignment(Qt::AlignCenter);
    l->addWidget(caption_);
    setColor(Qt::white);
}

void Panel::setColor(const QColor& c) {
    // The caption stays readable on a dark colour.
    const int brillo = (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000;
    const QColor texto = brillo < 128 ? Qt::white : Qt::black;
    // A colour already shown is not set again: a new palette repolishes and repaints the panel.
    const auto posta = [](const QWidget* w, QPalette::ColorRole papel, const QColor& cor) {
        const QPalette& p = w->palette();
        return p.isBrushSet(QPalette::Active, papel) && p.isBrushSet(QPalette::Inactive, papel) &&
               p.isBrushSet(QPalette::Disabled, papel) && p.color(QPalette::Active, papel) == cor &&
               p.color(QPalette::Inactive, papel) == cor && p.color(QPalette::Disabled, papel) == cor;
    };
    if (c == color_ && posta(this, QPalette::Window, c) && posta(caption_, QPalette::WindowText, texto))
        return;
    color_ = c;
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
    QPalette t = caption_->palette();
    t.setColor(QPalette::WindowText, texto);
    caption_->setPalette(t);
}

void Panel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit clicked();
    QFrame::mousePressEvent(e);
}

namespace {

// Refuses a change that makes the text longer than the limit, but lets a long text shrink. The
// edit already holds the changed text while it is validated, so the last accepted one is kept.
class ValidadorLonxitude : public QValidator {
public:
    ValidadorLonxitude(QLineEdit* edit, int maximo) : QValidator(edit), maximo_(maximo) {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& t) { anterior_ = t.size(); });
    }
    State validate(QString& input, int&) const override {
        if (input.size() <= maximo_ || input.size() <= anterior_) return Acceptable;
        return Invalid;
    }

private:
    int maximo_;
    qsizetype anterior_ = 0;
};

} // namespace

LimitedEdit::LimitedEdit(int maximo, QWidget* parent) : QLineEdit(parent), maximo_(maximo) {
    setValidator(new ValidadorLonxitude(this, maximo));
}

namespace {

// A standard icon asked of the style the first time it is drawn or measured. The style decodes
// every size of the icon, and looks the icon theme up, when it makes one; a button that is never
// shown, or not yet, pays nothing.
class IconaDiferida : public QIconEngine {
public:
    explicit IconaDiferida(QStyle::StandardPixmap icona) : icona_(icona) {}

    void paint(QPainter* p, const QRect& r, QIcon::Mode m, QIcon::State e) override {
        real().paint(p, r, Qt::AlignCenter, m, e);
    }
    QSize actualSize(const QSize& t, QIcon::Mode m, QIcon::State e) override {
        return real().actualSize(t, m, e);
    }
    QPixmap pixmap(const QSize& t, QIcon::Mode m, QIcon::State e) override {
        return real().pixmap(t, 1.0, m, e);
    }
    // The size comes multiplied by the scale, as the real icon's engine would receive it.
    QPixmap scaledPixmap(const QSize& t, QIcon::Mode m, QIcon::State e, qreal escala) override {
        return escala > 1.0 ? real().pixmap(t / escala, escala, m, e) : pixmap(t, m, e);
    }
    void addPixmap(const QPixmap& px, QIcon::Mode m, QIcon::State e) override { real().addPixmap(px, m, e); }
    void addFile(const QString& f, const QSize& t, QIcon::Mode m, QIcon::State e) override {
        real().addFile(f, t, m, e);
    }
    QList<QSize> availableSizes(QIcon::Mode m, QIcon::State e) override {
        return real().availableSizes(m, e);
    }
    QString iconName() override { return real().name(); }
    // Every standard icon the style knows has pictures; one made already says what it has.
    bool isNull() override { return real_ && real_->isNull(); }
    QIconEngine* clone() const override { return new IconaDiferida(*this); }
    void virtual_hook(int id, void* datos) override {
        if (id == IsNullHook) {
            *static_cast<bool*>(datos) = isNull();
        } else if (id == ScaledPixmapHook) {
            auto* a = static_cast<ScaledPixmapArgument*>(datos);
            a->pixmap = scaledPixmap(a->size, a->mode, a->state, a->scale);
        } else {
            QIconEngine::virtual_hook(id, datos);
        }
    }

private:
    IconaDiferida(const IconaDiferida&) = default;
    QIcon& real() {
        if (!real_) real_ = QApplication::style()->standardIcon(icona_);
        return *real_;
    }

    QStyle::StandardPixmap icona_;
    std::optional<QIcon> real_;
};

// Lives as long as the application, so no icon outlives it.
class Iconas : public QObject {
public:
    using QObject::QObject;
    QHash<int, QIcon> iconas;
};

} // namespace

const QIcon& iconaestilo(QStyle::StandardPixmap icona) {
    static QPointer<Iconas> caixa;
    if (!caixa) caixa = new Iconas(qApp);
    auto it = caixa->iconas.find(icona);
    if (it == caixa->iconas.end()) it = caixa->iconas.insert(icona, QIcon(new IconaDiferida(icona)));
    return *it;
}

namespace {

// Below this height a fill stays on the painting thread.
constexpr int altobanda = 64;

// What the style painted over a backdrop: the same option over the same pixels paints the same
// pixels again, so a piece found here is laid in place instead of painted.
struct Peza {
    QByteArray fondo; // the two hashes of the backdrop
    QImage feita;
};

class MemoriaPezas {
public:
    // Keeps pieces up to about this many bytes; past it the least recently used go.
    MemoriaPezas() : pezas_(32 * 1024 * 1024) {}
    const Peza* atopar(const QByteArray& clave) { return pezas_.object(clave); }
    void gardar(const QByteArray& clave, Peza peza) {
        const qsizetype custo = peza.feita.sizeInBytes() + clave.size();
        pezas_.insert(clave, new Peza(std::move(peza)), custo);
    }
    void baleirar() { pezas_.clear(); }

private:
    QCache<QByteArray, Peza> pezas_;
};

MemoriaPezas& memoriapezas() {
    static MemoriaPezas m;
    return m;
}

bool pezasactivas = true;

// The image a painter paints on, where pixels can be read back and a piece laid exactly: a raster
// image at one device pixel per pixel, with only a whole-pixel shift between the painter's
// coordinates and the image's.
const QImage* lenzo(const QPainter* p, QPoint& desprazamento) {
    if (!pezasactivas || !p->isActive() || !p->paintEngine() ||
        p->paintEngine()->type() != QPaintEngine::Raster || p->opacity() != 1.0 ||
        p->compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    const QPaintDevice* d = p->paintEngine()->paintDevice();
    if (!d || d->devType() != QInternal::Image) return nullptr;
    const auto* imaxe = static_cast<const QImage*>(d);
    if (imaxe->devicePixelRatio() != 1.0 ||
        (imaxe->format() != QImage::Format_ARGB32_Premultiplied && imaxe->format() != QImage::Format_RGB32))
        return nullptr;
    const QTransform t = p->deviceTransform();
    if (t.type() > QTransform::TxTranslate || t.dx() != std::floor(t.dx()) || t.dy() != std::floor(t.dy()))
        return nullptr;
    desprazamento = QPoint(int(t.dx()), int(t.dy()));
    return imaxe;
}

template <typename... T> void engadir(QByteArray& clave, const T&... valores) {
    (clave.append(reinterpret_cast<const char*>(&valores), sizeof valores), ...);
}

// What a style may take from the painter it is given.
void copiarestado(const QPainter& p, QPainter& q) {
    q.setRenderHints(p.renderHints());
    q.setFont(p.font());
    q.setPen(p.pen());
    q.setBrush(p.brush());
    q.setBrushOrigin(p.brushOrigin());
    q.setBackground(p.background());
    q.setBackgroundMode(p.backgroundMode());
    q.setLayoutDirection(p.layoutDirection());
}

// Lays a piece at r, in bands, so that even a clip of many rectangles keeps the copy on this thread.
void porpeza(QPainter* p, const QRect& r, const QImage& peza, QPainter::CompositionMode modo) {
    p->save();
    p->setCompositionMode(modo);
    for (int y = 0; y < r.height(); y += altobanda)
        p->drawImage(QPoint(r.x(), r.y() + y), peza,
                     QRect(0, y, r.width(), std::min(altobanda, r.height() - y)));
    p->restore();
}

// Paints what `debuxar` paints in `r` (the painter's coordinates), through the memory of pieces
// when the painter allows it. `clave` names everything besides the backdrop that the drawing
// depends on.
void pintarpeza(QPainter* p, const QRect& r, QByteArray clave,
                const std::function<void(QPainter*)>& debuxar) {
    QPoint desprazamento;
    const QImage* imaxe = r.isEmpty() ? nullptr : lenzo(p, desprazamento);
    const QRect enimaxe = r.translated(desprazamento);
    const QRect visible = imaxe ? enimaxe & imaxe->rect() : QRect();
    if (visible.isEmpty()) {
        debuxar(p);
        return;
    }
    // The backdrop: the image's pixels inside the painter's clip, zero elsewhere (those pixels
    // are never laid). Each pixel the style paints depends on its own backdrop alone.
    QRegion clip = p->paintEngine()->systemClip();
    if (clip.isEmpty()) clip = imaxe->rect();
    if (p->hasClipping()) clip &= p->deviceTransform().map(p->clipRegion());
    clip &= visible;
    if (clip.isEmpty()) return;
    QImage feita;
    if (clip == QRegion(enimaxe)) {
        feita = imaxe->copy(enimaxe);
    } else {
        feita = QImage(enimaxe.size(), imaxe->format());
        feita.fill(0);
        for (const QRect& anaco : clip) {
            const QPoint dentro = anaco.topLeft() - enimaxe.topLeft();
            const size_t ancho = size_t(anaco.width()) * 4;
            for (int y = 0; y < anaco.height(); ++y)
                std::memcpy(feita.scanLine(dentro.y() + y) + dentro.x() * 4,
                            imaxe->constScanLine(anaco.y() + y) + anaco.x() * 4, ancho);
            engadir(clave, anaco.translated(-enimaxe.topLeft()));
        }
    }
    const auto* bits = reinterpret_cast<const char*>(feita.constBits());
    const size_t n = size_t(feita.sizeInBytes());
    const size_t hashes[2] = {qHashBits(bits, n, 0x5175696265ULL), qHashBits(bits, n, 0x70657a6173ULL)};
    const QByteArray fondo(reinterpret_cast<const char*>(hashes), sizeof hashes);
    clave.append(fondo);
    engadir(clave, r, int(feita.format()));
    MemoriaPezas& memoria = memoriapezas();
    const Peza* peza = memoria.atopar(clave);
    if (peza && peza->fondo == fondo && peza->feita.size() == feita.size()) {
        feita = peza->feita;
    } else {
        {
            QPainter q(&feita);
            copiarestado(*p, q);
            q.setWorldTransform(p->deviceTransform() * QTransform::fromTranslate(-enimaxe.x(), -enimaxe.y()));
            debuxar(&q);
        }
        memoria.gardar(clave, Peza{fondo, feita});
    }
    porpeza(p, r, feita, QPainter::CompositionMode_Source);
}

// A piece the style paints as one layer of pictures side by side, each pixel laid at most once over
// the backdrop: painted once on a clear picture and laid over any backdrop, it gives the pixels the
// style gives over that backdrop. Kept by its option alone.
void pintarsobre(QPainter* p, const QRect& r, QByteArray clave,
                 const std::function<void(QPainter*)>& debuxar) {
    QPoint desprazamento;
    if (r.isEmpty() || !lenzo(p, desprazamento)) {
        debuxar(p);
        return;
    }
    engadir(clave, r);
    MemoriaPezas& memoria = memoriapezas();
    QImage feita;
    if (const Peza* peza = memoria.atopar(clave); peza && peza->feita.size() == r.size()) {
        feita = peza->feita;
    } else {
        feita = QImage(r.size(), QImage::Format_ARGB32_Premultiplied);
        feita.fill(Qt::transparent);
        {
            QPainter q(&feita);
            copiarestado(*p, q);
            q.setWorldTransform(QTransform::fromTranslate(-r.x(), -r.y()));
            debuxar(&q);
        }
        memoria.gardar(clave, Peza{{}, feita});
    }
    porpeza(p, r, feita, QPainter::CompositionMode_SourceOver);
}

// What any option carries that a style reads.
QByteArray clavede(int elemento, const QStyleOption* opt, const QWidget* w) {
    QByteArray clave;
    clave.reserve(160);
    engadir(clave, elemento, opt->type, opt->version, int(opt->state), opt->direction,
            opt->palette.cacheKey(), opt->fontMetrics.height(), w ? w->metaObject() : nullptr,
            w && w->parentWidget() ? w->parentWidget()->metaObject() : nullptr);
    return clave;
}

class EstiloBarras : public QProxyStyle {
public:
    explicit EstiloBarras(QObject* dono) : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
        setParent(dono);
    }
    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                            const QWidget* w) const override {
        const auto* barra = qstyleoption_cast<const QStyleOptionSlider*>(opt);
        if (cc != CC_ScrollBar || !p || !barra) {
            QProxyStyle::drawComplexControl(cc, opt, p, w);
            return;
        }
        QByteArray clave = clavede(0x10000 | cc, opt, w);
        engadir(clave, int(barra->subControls), int(barra->activeSubControls), barra->orientation,
                barra->minimum, barra->maximum, barra->sliderPosition, barra->sliderValue, barra->singleStep,
                barra->pageStep, barra->upsideDown, barra->tickPosition, barra->tickInterval,
                barra->notchTarget, barra->dialWrapping, barra->keyboardModifiers.toInt());
        pintarpeza(p, opt->rect, std::move(clave), [&](QPainter* q) { barraenbandas(cc, opt, q, w); });
    }
    void drawPrimitive(PrimitiveElement pe, const QStyleOption* opt, QPainter* p,
                       const QWidget* w) const override {
        const auto* marco = qstyleoption_cast<const QStyleOptionFrame*>(opt);
        if (pe == PE_FrameGroupBox && p) {
            // The frame is a picture of nine tiles laid side by side over the box.
            QByteArray clave = clavede(pe, opt, w);
            if (marco)
                engadir(clave, marco->lineWidth, marco->midLineWidth, int(marco->features),
                        marco->frameShape);
            pintarsobre(p, opt->rect, std::move(clave), [&](QPainter* q) { marcoenbandas(opt, q, w); });
            return;
        }
        if (pe != PE_PanelLineEdit || !p || !marco || dentro_) {
            QProxyStyle::drawPrimitive(pe, opt, p, w);
            return;
        }
        QByteArray clave = clavede(pe, opt, w);
        engadir(clave, marco->lineWidth, marco->midLineWidth, int(marco->features), marco->frameShape);
        pintarpeza(p, opt->rect, std::move(clave), [&](QPainter* q) {
            dentro_ = true;
            QProxyStyle::drawPrimitive(pe, opt, q, w);
            dentro_ = false;
        });
    }

private:
    void marcoenbandas(const QStyleOption* opt, QPainter* p, const QWidget* w) const {
        const QRect r = opt->rect;
        if (!pezasactivas || r.height() <= altobanda) {
            QProxyStyle::drawPrimitive(PE_FrameGroupBox, opt, p, w);
            return;
        }
        // The frame is a picture stretched over the box: drawn band by band under a clip, each
        // stretch stays on this thread, and every pixel is sampled as it would be whole.
        for (int y = r.top(); y <= r.bottom(); y += altobanda) {
            p->save();
            p->setClipRect(QRect(r.left(), y, r.width(), std::min(altobanda, r.bottom() + 1 - y)),
                           Qt::IntersectClip);
            QProxyStyle::drawPrimitive(PE_FrameGroupBox, opt, p, w);
            p->restore();
        }
    }
    void barraenbandas(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                       const QWidget* w) const {
        const QRect r = opt->rect;
        if (!p->device() || r.height() <= altobanda) {
            QProxyStyle::drawComplexControl(cc, opt, p, w);
            return;
        }
        // Each band is drawn whole on a picture of its own rows (the style sets clips of its own,
        // so a clip on the painter would not hold), then laid where it goes. The groove is opaque,
        // so the band holds exactly the pixels the style would have painted there.
        const qreal escala = p->device()->devicePixelRatio();
        for (int y = r.top(); y <= r.bottom(); y += altobanda) {
            const QRect banda(r.left(), y, r.width(), std::min(altobanda, r.bottom() + 1 - y));
            QImage imaxe(banda.size() * escala, QImage::Format_ARGB32_Premultiplied);
            imaxe.setDevicePixelRatio(escala);
            imaxe.fill(Qt::transparent);
            {
                QPainter q(&imaxe);
                q.setRenderHints(p->renderHints());
                q.setFont(p->font());
                q.translate(-banda.topLeft());
                QProxyStyle::drawComplexControl(cc, opt, &q, w);
            }
            p->drawImage(banda.topLeft(), imaxe);
        }
    }
    // What a kept piece paints inside it (a line edit's frame inside its panel) is painted with it.
    mutable bool dentro_ = false;
};

class PoloBarras : public QObject {
public:
    using QObject::QObject;
    static void usar(QObject* o) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w &&
            (qobject_cast<QScrollBar*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QGroupBox*>(w)) &&
            !w->testAttribute(Qt::WA_SetStyle))
            w->setStyle(estilobarras());
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Polish) usar(o);
        return false;
    }
};

} // namespace

void pezaspintadas(bool activas) {
    pezasactivas = activas;
    memoriapezas().baleirar();
}

QStyle* estilobarras() {
    static QPointer<EstiloBarras> estilo;
    if (!estilo) estilo = new EstiloBarras(qApp);
    return estilo;
}

void barrasenbandas(QWidget* raiz) {
    static QPointer<PoloBarras> polo;
    if (!polo) {
        polo = new PoloBarras(qApp);
        qApp->installEventFilter(polo);
    }
    if (raiz)
        for (QWidget* w : raiz->findChildren<QWidget*>())
            PoloBarras::usar(w);
}

void porcheck(QCheckBox* caixa, bool marcada) {
    const QSignalBlocker b(caixa);
    caixa->setChecked(marcada);
}

void portextoedit(QLineEdit* e, const QString& t) {
    const QSignalBlocker b(e);
    e->setText(t);
}

QLineEdit* lineade(QObject* control) {
    if (auto* l = qobject_cast<LabelledEdit*>(control)) return l->edit();
    return qobject_cast<QLineEdit*>(control);
}

RadioGroup::RadioGroup(QObject* parent) : QButtonGroup(parent) {
    setExclusive(true);
}

void RadioGroup::engadir(QRadioButton* boton, const QString& codigo, const QStringList& cargar) {
    addButton(boton);
    botons_.append({boton, codigo, cargar.isEmpty() ? QStringList{codigo} : cargar});
}

QString RadioGroup::valor() const {
    for (const Boton& b : botons_)
        if (b.boton->isChecked()) return b.codigo;
    return {};
}

void RadioGroup::porvalor(const QString& codigo) {
    // An exclusive group refuses to be left with nothing checked: exclusivity is lifted while the
    // group is cleared, so a stale button of the last page never stays checked.
    setExclusive(false);
    bool marcado = false;
    for (const Boton& b : botons_) {
        const QSignalBlocker bloqueo(b.boton);
        const bool este = !marcado && b.cargar.contains(codigo);
        b.boton->setChecked(este);
        marcado = marcado || este;
    }
    setExclusive(true);
}

void RadioGroup::gardaren(QString& campo) const {
    const QString v = valor();
    if (!v.isNull()) campo = v;
}

QRadioButton* RadioGroup::boton(const QString& codigo) const {
    for (const Boton& b : botons_)
        if (b.codigo == codigo) return b.boton;
    return nullptr;
}

QString acontrol(const QString& textoModelo) {
    QString t = textoModelo;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QString demodelo(const QString& textoControl) {
    QString t = acontrol(textoControl);
    t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return t;
}

void portexto(QPlainTextEdit* memo, const QString& textoModelo) {
    const QSignalBlocker b(memo);
    const QString texto = acontrol(textoModelo);
    // A memo that holds this very text, untouched since it was set, is not laid out anew: it is
    // only brought back to where a new text leaves it, at its start.
    QTextDocument* d = memo->document();
    if (!d->isUndoAvailable() && !d->isRedoAvailable() && !d->isModified() &&
        d->characterCount() == texto.size() + 1 &&
        d->toRawText() == QString(texto).replace(u'\n', QChar::ParagraphSeparator)) {
        memo->setTextCursor(QTextCursor(d));
        memo->horizontalScrollBar()->setValue(memo->horizontalScrollBar()->minimum());
        memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->minimum());
        return;
    }
    memo->setPlainText(texto);
}

QString textode(const QPlainTextEdit* memo) {
    return demodelo(memo->toPlainText());
}

} // namespace quibel
