#include "editor/editoresaxuda.h"

#include "editor/paneiscor.h"
#include "editor/ranuras.h"
#include "editor/vinculos.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLayout>
#include <QSignalBlocker>
#include <QToolButton>

namespace quibel {

namespace {

void poren(QWidget* pai, QWidget* w) {
    if (QLayout* l = pai->layout()) l->addWidget(w);
}

} // namespace

QGroupBox* caixagrupo(QWidget* pai, const char* nome) {
    auto* g = nomeado<QGroupBox>(pai, nome);
    new QVBoxLayout(g);
    return g;
}

QGroupBox* caixaclasifica(QWidget* pai, const char* grupo, const char* nome, const char* imaxe,
                          const char* limpar, const char* opacidade) {
    QGroupBox* g = caixagrupo(pai, grupo);
    g->layout()->addWidget(nomeado<QLineEdit>(g, nome));
    ranuraimaxe(g, imaxe, nullptr, limpar);
    auto* o = nomeado<LabelledEdit>(g, opacidade);
    o->setCaption(QStringLiteral("Opacidade"));
    g->layout()->addWidget(o);
    return g;
}

PictureBox* ranuraimaxe(QWidget* pai, const char* imaxe, const char* nome, const char* limpar) {
    auto* caixa = new QWidget(pai);
    auto* columna = new QVBoxLayout(caixa);
    columna->setContentsMargins(0, 0, 0, 0);
    auto* p = nomeado<PictureBox>(caixa, imaxe);
    p->setFrameShape(QFrame::StyledPanel);
    p->setMinimumSize(64, 48);
    columna->addWidget(p);
    auto* fila = new QHBoxLayout;
    if (nome) fila->addWidget(editnome(caixa, nome));
    fila->addStretch(1);
    if (limpar) fila->addWidget(botonranura(caixa, limpar));
    columna->addLayout(fila);
    poren(pai, caixa);
    return p;
}

LabelledEdit* ranurason(QWidget* pai, const char* nome, const char* tocar, const char* limpar) {
    auto* caixa = new QWidget(pai);
    auto* fila = new QHBoxLayout(caixa);
    fila->setContentsMargins(0, 0, 0, 0);
    LabelledEdit* e = editnome(caixa, nome);
    e->edit()->setMinimumWidth(80);
    fila->addWidget(e, 1);
    fila->addWidget(botonranura(caixa, tocar));
    fila->addWidget(botonranura(caixa, limpar));
    poren(pai, caixa);
    return e;
}

RadioGroup* grupo(QWidget* folla, const char* nome, QWidget* pai, std::initializer_list<Opcion> botons) {
    auto* g = nomeado<RadioGroup>(folla, nome);
    for (const Opcion& o : botons) {
        auto* b = nomeado<QRadioButton>(pai, o.boton);
        g->engadir(b, QString::fromLatin1(o.codigo));
        poren(pai, b);
    }
    return g;
}

void porradio(RadioGroup* g, const QString& codigo, const char* outro) {
    g->porvalor(codigo);
    if (g->valor().isNull()) g->porvalor(QString::fromLatin1(outro));
}

void amosarbaleiro(QLineEdit* e, const QString& campo, const char* x) {
    if (!campo.isEmpty()) return;
    const QSignalBlocker b(e);
    e->setText(QString::fromLatin1(x));
}

namespace {

RadioGroup* parella(QWidget* folla, int i) {
    return folla->findChild<RadioGroup*>(QStringLiteral("parella%1").arg(i));
}

} // namespace

void cargarparellas(QWidget* folla, const Tpaxina& p) {
    for (int i = 1; i <= 6; ++i)
        porradio(parella(folla, i), p[18 + i], "1");
}

void gardarparellas(QWidget* folla, Tpaxina& p) {
    for (int i = 1; i <= 6; ++i)
        p[18 + i] = parella(folla, i)->boton(QStringLiteral("1"))->isChecked() ? QStringLiteral("1")
                                                                               : QStringLiteral("2");
}

} // namespace quibel
