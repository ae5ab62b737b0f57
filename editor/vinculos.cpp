#include "editor/vinculos.h"

#include "book/rutinas.h"
#include "editor/paneiscor.h"
#include "editor/ranuras.h"
#include "languages/idiomas.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <set>
#include <stdexcept>

namespace quibel {

QString& campode(Book& libro, int paxina, int campo) {
    if (campo >= W(0)) return libro.texto(paxina, campo - W(0) + 1);
    return libro.paxina(paxina)[campo];
}

const char* nomeserie(const char* prefixo, int i) {
    // Set nodes never move: the names stay where the rows point.
    static std::set<QByteArray> nomes;
    return nomes.insert(QByteArray(prefixo) + QByteArray::number(i)).first->constData();
}

std::vector<Vinculo> serietexto(const char* prefixo, int primeiro, int conta) {
    std::vector<Vinculo> v;
    for (int i = 1; i <= conta; ++i)
        v.push_back(texto(nomeserie(prefixo, i), primeiro + i - 1));
    return v;
}

namespace {

bool clasecerta(const Vinculo& v, QObject* o) {
    switch (v.regra) {
    case Regra::texto:
    case Regra::baleiro:
        return lineade(o) != nullptr;
    case Regra::memo:
        return qobject_cast<QPlainTextEdit*>(o) != nullptr;
    case Regra::marca:
        return qobject_cast<QCheckBox*>(o) != nullptr;
    case Regra::radio:
        return qobject_cast<RadioGroup*>(o) != nullptr;
    case Regra::cor:
        return qobject_cast<Panel*>(o) != nullptr;
    }
    return false;
}

} // namespace

void TaboaVinculos::vincular(QWidget* folla) {
    controis_.clear();
    for (const Vinculo& v : filas_) {
        const QString nome = QString::fromLatin1(v.control);
        QObject* o = folla->findChild<QObject*>(nome);
        if (!o || !clasecerta(v, o))
            throw std::logic_error(
                ("the bound control " + nome + " is missing or of another class").toStdString());
        controis_.push_back(o);
    }
}

void TaboaVinculos::cargar(Book& libro, int paxina) const {
    for (size_t i = 0; i < filas_.size(); ++i) {
        const Vinculo& v = filas_[i];
        QObject* o = controis_.at(i);
        QString& campo = campode(libro, paxina, v.campo);
        const QString valor = QString::fromLatin1(v.valor);
        switch (v.regra) {
        case Regra::texto:
            portextoedit(lineade(o), campo);
            break;
        case Regra::baleiro:
            if (campo.isEmpty()) campo = valor;
            portextoedit(lineade(o), campo);
            break;
        case Regra::memo:
            portexto(static_cast<QPlainTextEdit*>(o), campo);
            break;
        case Regra::marca:
            porcheck(static_cast<QCheckBox*>(o), (campo == valor) != v.salvo);
            break;
        case Regra::radio:
            static_cast<RadioGroup*>(o)->porvalor(campo);
            break;
        case Regra::cor: {
            auto* panel = static_cast<Panel*>(o);
            const QColor defecto = v.cor == CorDefecto::fondolibro   ? corfondolibro(libro)
                                   : v.cor == CorDefecto::textolibro ? cortextolibro(libro)
                                                                     : panel->color();
            cargarcor(panel, campo, defecto);
            break;
        }
        }
    }
}

void TaboaVinculos::gardar(Book& libro, int paxina) const {
    for (size_t i = 0; i < filas_.size(); ++i) {
        const Vinculo& v = filas_[i];
        QObject* o = controis_.at(i);
        QString& campo = campode(libro, paxina, v.campo);
        switch (v.regra) {
        case Regra::texto:
            campo = lineade(o)->text();
            break;
        case Regra::baleiro:
            campo = lineade(o)->text();
            if (campo.isEmpty()) campo = QString::fromLatin1(v.valor);
            break;
        case Regra::memo:
            campo = textode(static_cast<QPlainTextEdit*>(o));
            break;
        case Regra::marca:
            campo = QString::fromLatin1(static_cast<QCheckBox*>(o)->isChecked() ? v.si : v.non);
            break;
        case Regra::radio:
            static_cast<RadioGroup*>(o)->gardaren(campo);
            break;
        case Regra::cor:
            campo = gardarcor(static_cast<Panel*>(o));
            break;
        }
    }
}

QColor cargarfondopropio(Book& libro, int paxina, QCheckBox* caixa, Panel* panel) {
    Tpaxina& p = libro.paxina(paxina);
    const QColor fondo = corfondolibro(libro);
    if (p[18].isEmpty() || p[30] != QLatin1String("1")) p[18] = corahex(deColor(fondo));
    cargarcor(panel, p[18], fondo);
    porcheck(caixa, p[30] == QLatin1String("1"));
    return panel->color();
}

void gardarfondopropio(Tpaxina& p, const QCheckBox* caixa, const Panel* panel) {
    const bool propio = caixa->isChecked();
    p[30] = propio ? QStringLiteral("1") : QStringLiteral("0");
    p[18] = propio ? gardarcor(panel) : QString();
}

QLabel* etiqueta(QWidget* pai, const char* nome) {
    auto* l = nomeado<QLabel>(pai, nome);
    l->setTextFormat(Qt::PlainText);
    return l;
}

LabelledEdit* editnome(QWidget* pai, const char* nome) {
    auto* e = nomeado<LabelledEdit>(pai, nome);
    e->edit()->setReadOnly(true);
    return e;
}

QToolButton* botonranura(QWidget* pai, const char* nome, bool tocar) {
    auto* b = nomeado<QToolButton>(pai, nome);
    b->setAutoRaise(true);
    b->setIcon(iconaestilo(tocar ? QStyle::SP_MediaPlay : QStyle::SP_DialogDiscardButton));
    return b;
}

PictureBox* caixaimaxe(QWidget* pai, const char* nome, QSize tamano) {
    auto* i = nomeado<PictureBox>(pai, nome);
    i->setFrameShape(QFrame::StyledPanel);
    i->setFixedSize(tamano);
    return i;
}

namespace {

QHBoxLayout* tira(QWidget* w) {
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(3);
    return l;
}

} // namespace

QWidget* filaimaxe(QWidget* pai, const char* imaxe, const char* nome, const char* limpar, QSize tamano) {
    auto* w = new QWidget(pai);
    QHBoxLayout* l = tira(w);
    l->addWidget(caixaimaxe(w, imaxe, tamano));
    if (nome) l->addWidget(editnome(w, nome), 1);
    if (limpar) l->addWidget(botonranura(w, limpar), 0, Qt::AlignTop);
    if (!nome) l->addStretch(1);
    return w;
}

QWidget* filason(QWidget* pai, const char* nome, const char* tocar, const char* limpar) {
    auto* w = new QWidget(pai);
    QHBoxLayout* l = tira(w);
    l->addWidget(editnome(w, nome), 1);
    l->addWidget(botonranura(w, tocar, true));
    l->addWidget(botonranura(w, limpar));
    return w;
}

} // namespace quibel
