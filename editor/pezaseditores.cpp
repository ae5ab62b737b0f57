#include "editor/pezaseditores.h"

#include "book/rutinas.h"
#include "editor/ranuras.h"
#include "editor/vinculos.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGroupBox>
#include <QToolButton>

namespace quibel {

QVBoxLayout* columna(QWidget* w) {
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(6, 6, 6, 6);
    return l;
}

QGroupBox* grupo(QWidget* pai, const char* nome, QLayout* l) {
    auto* g = nomeado<QGroupBox>(pai, nome);
    l->addWidget(g);
    return g;
}

RadioGroup* radios(QWidget* folla, QWidget* pai, const char* grupo, std::initializer_list<BotonRadio> botons,
                   QBoxLayout* l) {
    auto* g = new RadioGroup(folla);
    g->setObjectName(QString::fromLatin1(grupo));
    for (const BotonRadio& b : botons) {
        auto* r = nomeado<QRadioButton>(pai, b.nome);
        g->engadir(r, QString::fromLatin1(b.codigo), b.cargar);
        if (l) l->addWidget(r);
    }
    return g;
}

void cargarradionumero(RadioGroup* grupo, const QString& campo, int defecto) {
    grupo->porvalor(QString::number(enteiro(campo, defecto)));
}

int posicion(const QString& campo, int defecto) {
    return enteiro(campo, defecto);
}

QByteArray nomenumero(const char* base, int numero, const char* fin) {
    return QByteArray(base) + QByteArray::number(numero) + fin;
}

QWidget* ranuraimaxe(QWidget* pai, const char* imaxe, const char* nome, const char* limpar, QSize tamano) {
    auto* w = new QWidget(pai);
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    l->addWidget(caixaimaxe(w, imaxe, tamano), 0, Qt::AlignHCenter);
    auto* fila = new QHBoxLayout;
    if (nome) fila->addWidget(editnome(w, nome), 1);
    fila->addWidget(botonranura(w, limpar));
    l->addLayout(fila);
    return w;
}

QStringList signosfraccion() {
    return {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("x"), QStringLiteral("/"),
            QStringLiteral("="), QStringLiteral("r"), QStringLiteral("p")};
}

void cargarsigno(QComboBox* lista, QString& campo) {
    if (campo.isEmpty()) campo = QStringLiteral("+");
    const QSignalBlocker b(lista);
    lista->setCurrentIndex(lista->findText(campo, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void gardarsigno(const QComboBox* lista, QString& campo) {
    if (lista->currentIndex() >= 0) campo = lista->currentText();
}

} // namespace quibel
