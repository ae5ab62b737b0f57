#include "editor/controis.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleFactory>
#include <QStyleOption>
#include <QValidator>
#include <algorithm>
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

class EstiloBarras : public QProxyStyle {
public:
    explicit EstiloBarras(QObject* dono) : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
        setParent(dono);
    }
    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                            const QWidget* w) const override {
        const QRect r = opt->rect;
        if (cc != CC_ScrollBar || !p || !p->device() || r.height() <= altobanda) {
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
};

class PoloBarras : public QObject {
public:
    using QObject::QObject;
    static void usar(QObject* o) {
        auto* b = qobject_cast<QScrollBar*>(o);
        if (b && !b->testAttribute(Qt::WA_SetStyle)) b->setStyle(estilobarras());
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Polish) usar(o);
        return false;
    }
};

} // namespace

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
        for (QScrollBar* b : raiz->findChildren<QScrollBar*>())
            PoloBarras::usar(b);
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
    memo->setPlainText(acontrol(textoModelo));
}

QString textode(const QPlainTextEdit* memo) {
    return demodelo(memo->toPlainText());
}

} // namespace quibel
