#include "editor/editorv.h"

#include "book/conversionhtml.h"
#include "editor/controis.h"
#include "editor/garda.h"
#include "editor/htmlview.h"
#include "editor/servizos.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMenu>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextList>
#include <QToolButton>
#include <QVBoxLayout>

namespace quibel {

namespace {

QToolButton* boton(QWidget* pai, const char* nome, const QString& texto) {
    auto* b = new QToolButton(pai);
    b->setObjectName(QString::fromLatin1(nome));
    b->setText(texto);
    return b;
}

} // namespace

Tfeditor1::Tfeditor1(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("feditor1"));
    setWindowTitle(QString());
    setWindowFlag(Qt::Tool);
    setModal(true);
    setMinimumSize(625, 490);
    const auto en = [this](void (Tfeditor1::*metodo)()) {
        return [this, metodo] { guarded([this, metodo] { (this->*metodo)(); }); };
    };

    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(0, 0, 0, 0);
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* barra = new QHBoxLayout(Panel1);
    btneg = boton(Panel1, "btneg", QStringLiteral("B"));
    btital = boton(Panel1, "btital", QStringLiteral("I"));
    btsubli = boton(Panel1, "btsubli", QStringLiteral("U"));
    QFont f = btneg->font();
    f.setBold(true);
    btneg->setFont(f);
    f.setBold(false);
    f.setItalic(true);
    btital->setFont(f);
    f.setItalic(false);
    f.setUnderline(true);
    btsubli->setFont(f);
    btpuntos = boton(Panel1, "btpuntos", QStringLiteral("•"));
    btesqueda = boton(Panel1, "btesqueda", QStringLiteral("⇤"));
    btcentro = boton(Panel1, "btcentro", QStringLiteral("≡"));
    btdereita = boton(Panel1, "btdereita", QStringLiteral("⇥"));
    SpeedButton8 = boton(Panel1, "SpeedButton8", QStringLiteral("A"));
    SpeedButton1 = boton(Panel1, "SpeedButton1", QString());
    SpeedButton1->setIcon(iconaestilo(QStyle::SP_ArrowBack));
    cbtamano = new QComboBox(Panel1);
    cbtamano->setObjectName(QStringLiteral("cbtamano"));
    for (const char* t : {"8", "10", "12", "14", "16", "18", "20", "24", "28", "32", "46", "54"})
        cbtamano->addItem(QString::fromLatin1(t));
    cbtamano->setCurrentText(QStringLiteral("12"));
    combofuentes = new QComboBox(Panel1);
    combofuentes->setObjectName(QStringLiteral("combofuentes"));
    QStringList fontes = QFontDatabase::families();
    if (!fontes.contains(QStringLiteral("Arial"))) fontes << QStringLiteral("Arial");
    fontes.sort(Qt::CaseInsensitive);
    combofuentes->addItems(fontes);
    combofuentes->setCurrentText(QStringLiteral("Arial"));
    SpeedButton5 = boton(Panel1, "SpeedButton5", QString());
    SpeedButton5->setIcon(iconaestilo(QStyle::SP_DialogApplyButton));
    SpeedButton6 = boton(Panel1, "SpeedButton6", QString());
    SpeedButton6->setIcon(iconaestilo(QStyle::SP_DialogCloseButton));
    for (QWidget* w :
         std::initializer_list<QWidget*>{btneg, btital, btsubli, btpuntos, btesqueda, btcentro, btdereita,
                                         SpeedButton8, SpeedButton1, cbtamano, combofuentes})
        barra->addWidget(w);
    barra->addStretch(1);
    barra->addWidget(SpeedButton5);
    barra->addWidget(SpeedButton6);
    columna->addWidget(Panel1);

    paneleditor = new QWidget(this);
    paneleditor->setObjectName(QStringLiteral("paneleditor"));
    auto* editor = new QVBoxLayout(paneleditor);
    editor->setContentsMargins(0, 0, 0, 0);
    editorvisual = new QTextEdit(paneleditor);
    editorvisual->setObjectName(QStringLiteral("editorvisual"));
    editorvisual->setAcceptRichText(true); // a paste keeps its formatting
    editorvisual->setLineWrapMode(QTextEdit::WidgetWidth);
    editorvisual->document()->setDefaultFont(QFont(QStringLiteral("Arial"), 12));
    editorvisual->setContextMenuPolicy(Qt::CustomContextMenu);
    editor->addWidget(editorvisual);
    columna->addWidget(paneleditor, 1);
    editorauxiliar.setDefaultFont(QFont(QStringLiteral("Arial"), 12));

    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    auto* baixo = new QHBoxLayout(Panel2);
    const struct {
        Panel* Tfeditor1::*panel;
        const char* nome;
        QColor cor;
    } cores[] = {{&Tfeditor1::btblanco, "btblanco", Qt::white},
                 {&Tfeditor1::btblanco1, "btblanco1", QColor(0, 128, 255)},
                 {&Tfeditor1::btblanco2, "btblanco2", QColor(51, 51, 51)}};
    for (const auto& c : cores) {
        auto* p = new Panel(Panel2);
        p->setObjectName(QString::fromLatin1(c.nome));
        p->setColor(c.cor);
        p->setFixedSize(40, 20);
        this->*c.panel = p;
        baixo->addWidget(p);
        connect(p, &Panel::clicked, this, [this, p] { guarded([this, p] { btblancoClick(p); }); });
    }
    baixo->addStretch(1);
    columna->addWidget(Panel2);

    menuparartf = new QMenu(this);
    menuparartf->setObjectName(QStringLiteral("menuparartf"));
    connect(menuparartf->addAction(QStringLiteral("Copiar ctrl+c")), &QAction::triggered, editorvisual,
            &QTextEdit::copy);
    connect(menuparartf->addAction(QStringLiteral("Pegar ctrl+v")), &QAction::triggered, editorvisual,
            &QTextEdit::paste);
    connect(editorvisual, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { menuparartf->popup(editorvisual->mapToGlobal(p)); });

    connect(SpeedButton5, &QToolButton::clicked, this, en(&Tfeditor1::SpeedButton5Click));
    connect(SpeedButton6, &QToolButton::clicked, this, en(&Tfeditor1::SpeedButton6Click));
    connect(btneg, &QToolButton::clicked, this, en(&Tfeditor1::btnegClick));
    connect(btital, &QToolButton::clicked, this, en(&Tfeditor1::btitalClick));
    connect(btsubli, &QToolButton::clicked, this, en(&Tfeditor1::btsubliClick));
    connect(btesqueda, &QToolButton::clicked, this, en(&Tfeditor1::btesquedaClick));
    connect(btcentro, &QToolButton::clicked, this, en(&Tfeditor1::btcentroClick));
    connect(btdereita, &QToolButton::clicked, this, en(&Tfeditor1::btdereitaClick));
    connect(btpuntos, &QToolButton::clicked, this, en(&Tfeditor1::btpuntosClick));
    connect(SpeedButton8, &QToolButton::clicked, this, en(&Tfeditor1::SpeedButton8Click));
    connect(SpeedButton1, &QToolButton::clicked, this, en(&Tfeditor1::SpeedButton1Click));
    // activated: the author's choice; the combos also move when they follow the selection.
    connect(cbtamano, &QComboBox::activated, this, en(&Tfeditor1::cbtamanoSelect));
    connect(combofuentes, &QComboBox::activated, this, en(&Tfeditor1::combofuentesSelect));
    connect(editorvisual, &QTextEdit::cursorPositionChanged, this, en(&Tfeditor1::editorvisualpreme));
}

void Tfeditor1::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    guarded([this] { FormShow(); });
}

void Tfeditor1::FormShow() {
    editorvisual->setFocus();
    editorauxiliar.clear();
    editorvisual->clear();
    if (textoeditor && !textoeditor->isEmpty()) htmlarich(htmlamarcas(*textoeditor), editorauxiliar);
    QTextCursor c(editorvisual->document());
    c.insertFragment(QTextDocumentFragment(&editorauxiliar));
    editorvisual->setTextCursor(QTextCursor(editorvisual->document()));
    // What came from the page is no edit to undo.
    editorvisual->document()->clearUndoRedoStacks();
    editorvisualpreme();
}

void Tfeditor1::SpeedButton5Click() {
    if (!visoreditor || !*visoreditor) return;
    (*visoreditor)->load(marcasahtml(richahtml(*editorvisual->document())));
}

void Tfeditor1::SpeedButton6Click() {
    close();
}

// A style goes when every selected character has it, else every one gets it.
void Tfeditor1::estilo(bool (*ten)(const QTextCharFormat&), void (*por)(QTextCharFormat&, bool)) {
    QTextCursor c = editorvisual->textCursor();
    bool todos = true;
    if (c.hasSelection()) {
        const int fin = c.selectionEnd();
        QTextCursor k(editorvisual->document());
        for (int p = c.selectionStart(); p < fin && todos; ++p) {
            k.setPosition(p + 1);
            todos = ten(k.charFormat());
        }
    } else {
        todos = ten(c.charFormat());
    }
    QTextCharFormat f;
    por(f, !todos);
    c.mergeCharFormat(f);
    editorvisual->mergeCurrentCharFormat(f);
}

void Tfeditor1::btnegClick() {
    estilo([](const QTextCharFormat& f) { return f.fontWeight() >= QFont::DemiBold; },
           [](QTextCharFormat& f, bool si) { f.setFontWeight(si ? QFont::Bold : QFont::Normal); });
}
void Tfeditor1::btitalClick() {
    estilo([](const QTextCharFormat& f) { return f.fontItalic(); },
           [](QTextCharFormat& f, bool si) { f.setFontItalic(si); });
}
void Tfeditor1::btsubliClick() {
    estilo([](const QTextCharFormat& f) { return f.fontUnderline(); },
           [](QTextCharFormat& f, bool si) { f.setFontUnderline(si); });
}

void Tfeditor1::btesquedaClick() {
    editorvisual->setAlignment(Qt::AlignLeft);
}
void Tfeditor1::btcentroClick() {
    editorvisual->setAlignment(Qt::AlignHCenter);
}
void Tfeditor1::btdereitaClick() {
    editorvisual->setAlignment(Qt::AlignRight);
}

void Tfeditor1::btpuntosClick() {
    QTextCursor c = editorvisual->textCursor();
    if (QTextList* l = c.currentList()) {
        l->remove(c.block());
        QTextBlockFormat b = c.blockFormat();
        b.setIndent(0);
        c.setBlockFormat(b);
    } else {
        c.createList(QTextListFormat::ListDisc);
    }
}

void Tfeditor1::cbtamanoSelect() {
    bool numero = false;
    const int tamano = cbtamano->currentText().toInt(&numero);
    if (!numero || tamano <= 0) return;
    QTextCharFormat f;
    f.setFontPointSize(tamano);
    editorvisual->mergeCurrentCharFormat(f);
    editorvisual->setFocus();
}

void Tfeditor1::combofuentesSelect() {
    QTextCharFormat f;
    f.setFontFamilies({combofuentes->currentText()});
    editorvisual->mergeCurrentCharFormat(f);
    editorvisual->setFocus();
}

void Tfeditor1::SpeedButton8Click() {
    const auto& d = servizos().dialogos;
    if (!d) return;
    if (const std::optional<QColor> cor = d->escollercor(editorvisual->textColor())) {
        QTextCharFormat f;
        f.setForeground(*cor);
        editorvisual->mergeCurrentCharFormat(f);
    }
}

void Tfeditor1::SpeedButton1Click() {
    editorvisual->undo();
}

void Tfeditor1::btblancoClick(const Panel* panel) {
    // The background is the author's comfort only: it is not part of the text.
    QPalette p = editorvisual->palette();
    p.setColor(QPalette::Base, panel->color());
    editorvisual->setPalette(p);
}

void Tfeditor1::editorvisualpreme() {
    const QTextCharFormat f = editorvisual->currentCharFormat();
    const QSignalBlocker a(cbtamano), b(combofuentes);
    const QFont fonte = f.font();
    const QString familia = fonte.families().value(0, fonte.family());
    if (!familia.isEmpty()) combofuentes->setCurrentText(familia);
    const double puntos = f.fontPointSize() > 0 ? f.fontPointSize() : 12;
    cbtamano->setCurrentText(QString::number(qRound(puntos)));
}

} // namespace quibel
