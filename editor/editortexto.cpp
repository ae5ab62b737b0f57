#include "editor/editortexto.h"

#include "book/conversionhtml.h"
#include "editor/controis.h"
#include "editor/garda.h"
#include "editor/htmlview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace quibel {

Tfeditortexto::Tfeditortexto(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("feditortexto"));
    setWindowTitle(QString());
    setWindowFlag(Qt::Tool);
    setModal(true);
    resize(463, 480);

    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(0, 0, 0, 0);
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* barra = new QHBoxLayout(Panel1);
    Label1 = new QLabel(QStringLiteral("<HTML>"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    QFont negra = Label1->font();
    negra.setBold(true);
    Label1->setFont(negra);
    QPalette azul = Label1->palette();
    azul.setColor(QPalette::WindowText, Qt::blue);
    Label1->setPalette(azul);
    SpeedButton5 = new QToolButton(Panel1);
    SpeedButton5->setObjectName(QStringLiteral("SpeedButton5"));
    SpeedButton5->setIcon(iconaestilo(QStyle::SP_DialogApplyButton));
    SpeedButton6 = new QToolButton(Panel1);
    SpeedButton6->setObjectName(QStringLiteral("SpeedButton6"));
    SpeedButton6->setIcon(iconaestilo(QStyle::SP_DialogCloseButton));
    barra->addWidget(Label1);
    barra->addStretch(1);
    barra->addWidget(SpeedButton5);
    barra->addWidget(SpeedButton6);
    columna->addWidget(Panel1);
    editortexto = new QPlainTextEdit(this);
    editortexto->setObjectName(QStringLiteral("editortexto"));
    editortexto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editortexto->setFont(QFont(QStringLiteral("Verdana")));
    columna->addWidget(editortexto, 1);

    connect(SpeedButton5, &QToolButton::clicked, this, [this] { guarded([this] { SpeedButton5Click(); }); });
    connect(SpeedButton6, &QToolButton::clicked, this, [this] { guarded([this] { SpeedButton6Click(); }); });
}

void Tfeditortexto::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    guarded([this] { FormShow(); });
}

void Tfeditortexto::FormShow() {
    editortexto->setPlainText(textoeditor ? htmlatexto(*textoeditor) : QString());
}

void Tfeditortexto::SpeedButton5Click() {
    if (!textoeditor || !visoreditor || !*visoreditor) return;
    // The memo's line breaks are LF alone: each is one "<br>".
    *textoeditor = textoahtml(editortexto->toPlainText());
    (*visoreditor)->load(*textoeditor);
}

void Tfeditortexto::SpeedButton6Click() {
    close();
}

} // namespace quibel
