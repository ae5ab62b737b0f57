// Inside the book file writer: the line builder and the per-page context that gardalocal.cpp
// (frame, config, common page part) and bloquespaxina.cpp (the block of each page type) share.
#pragma once

#include "book/gardalocal.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>

namespace quibel::escritura {

// Page fields: "&", "'", '"', "<", ">" as entities ("&" first, so entities are not escaped twice).
QString escapacampo(const QString& texto);
// Book-property content: "&" and "<" only.
QString escapaconfig(const QString& texto);
// Book-property attribute values: "&", "<" and '"'.
QString escapaatributo(const QString& texto);
// A CDATA section holding the text; each "]]>" inside is split across two sections.
QString cdata(const QString& texto);

// ' nome="valor"', the value already escaped.
QString atributo(QLatin1String nome, const QString& valor);

class Escrita {
public:
    Escrita(const Book& libro, const QString& arquivolibro, const PoliticaLibro& politica, QStringList& linas)
        : libro(libro), politica(politica), arquivolibro_(arquivolibro), linas_(linas) {}

    // A whole line: indent and text.
    void lina(int sangria, QLatin1String texto);
    void lina(int sangria, const QString& texto);
    // One element on one line: indent, "<" nome atributos ">" contido "</" nome ">".
    void elemento(int sangria, QLatin1String nome, const QString& atributos, const QString& contido);
    // A resource path as the policy writes it; empty for an empty path. Not escaped.
    QString arquivo(const QString& ruta) const;

    const Book& libro;
    const PoliticaLibro& politica;

private:
    const QString& arquivolibro_;
    QStringList& linas_;
};

// One page being written: its fields, wide texts and type.
struct EscritaPaxina {
    Escrita& e;
    const Tpaxina& p;
    const std::array<QString, Book::numtextos + 1>& w;
    int tipo; // 0 when P0 is not a number

    bool ten(int k) const { return !p[k].isEmpty(); }
    bool e_(int k, QLatin1String valor) const { return p[k] == valor; }
    // Field k escaped; field k as an escaped file value.
    QString E(int k) const { return escapacampo(p[k]); }
    QString F(int k) const { return escapacampo(e.arquivo(p[k])); }
    // Wide text Wi.
    const QString& W(int i) const { return w[i + 1]; }

    void elemento(int sangria, QLatin1String nome, const QString& atributos, const QString& contido) {
        e.elemento(sangria, nome, atributos, contido);
    }
    // <nome>Pk</nome> when Pk is set; the same always.
    void candoten(int sangria, QLatin1String nome, int k) {
        if (ten(k)) e.elemento(sangria, nome, {}, E(k));
    }
    void sempre(int sangria, QLatin1String nome, int k) { e.elemento(sangria, nome, {}, E(k)); }
};

// The block of the page's type (1..51); other types write nothing.
void bloquepaxina(EscritaPaxina& x);

} // namespace quibel::escritura
