// Two checks every page-type editor gets on its bare sheet: the golden anchor (what a new page holds
// after its first show and hide, with sentinels around it, also after a page set the other way)
// and the round trip of a filled page through the book file.
#pragma once

#include "../book/lectura_util.h"
#include "book/gardalocal.h"
#include "follaproba.h"

#include <map>
#include <vector>

namespace quibel::proba {

using Campos = std::vector<std::pair<int, const char*>>;

struct Ancora {
    int tipo;
    std::vector<int> propios; // the type's own fields: empty on a new page
    Campos esperado;          // what they hold after the first show and hide (the rest stay empty)
    Campos contraria;         // a page shown before, with boxes, modes and colours set the other way
    Campos esperado2 = {};    // where the second pass differs
};

inline void ponercampos(FollaEditor& f, const Campos& campos, int paxina) {
    for (const auto& [n, v] : campos)
        f.campo(n, paxina) = QString::fromUtf8(v);
}

// A new page in page 1: sentinels everywhere but in the type's own fields, then the type's new-page
// defaults.
inline void novapaxina(FollaEditor& f, const Ancora& a) {
    f.encher({});
    for (int n : a.propios)
        f.campo(n).clear();
    f.editor->novapaxina(f.libro.paxina(1));
}

inline void comprobarancora(FollaEditor& f, const Ancora& a, bool segunda) {
    std::map<int, QString> esperado;
    for (int n : a.propios)
        esperado[n] = QString();
    for (const auto& [n, v] : a.esperado)
        esperado[n] = QString::fromUtf8(v);
    if (segunda)
        for (const auto& [n, v] : a.esperado2)
            esperado[n] = QString::fromUtf8(v);
    f.editor->cargar(f.libro, 1);
    f.editor->gardar(f.libro, 1);
    const char* paso = segunda ? "second pass" : "first pass";
    for (int n = 1; n < Tpaxina::numcampos; ++n) {
        const QString e = esperado.count(n) ? esperado[n] : QStringLiteral("s%1").arg(n);
        EXPECT_EQ(f.campo(n), e) << "type " << a.tipo << " P" << n << " " << paso;
    }
    for (int i = 0; i <= 5; ++i) {
        const QString e = esperado.count(W(i)) ? esperado[W(i)] : QStringLiteral("sW%1").arg(i);
        EXPECT_EQ(f.campo(W(i)), e) << "type " << a.tipo << " W" << i << " " << paso;
    }
}

// First pass on a fresh sheet; second pass after the contrary page was shown and stored.
inline void ancora(const Ancora& a) {
    {
        FollaEditor f(a.tipo);
        novapaxina(f, a);
        comprobarancora(f, a, false);
    }
    FollaEditor f(a.tipo);
    f.encher({}, 2);
    ponercampos(f, a.contraria, 2);
    f.editor->cargar(f.libro, 2);
    f.editor->gardar(f.libro, 2);
    novapaxina(f, a);
    comprobarancora(f, a, true);
}

// The filled page is stored, saved, read back as Open reads it and shown again: every control
// shows what it showed, and the placed elements stand where they stood.
inline void idaevolta(int tipo, const std::vector<Fila>& filas, const std::vector<const char*>& pezas = {},
                      const Campos& campos = {}) {
    FollaEditor f(tipo);
    f.encher(filas);
    ponercampos(f, campos, 1);
    f.editor->cargar(f.libro, 1);
    f.editor->gardar(f.libro, 1);
    std::vector<QString> antes;
    for (const Fila& r : filas)
        antes.push_back(valorde(f.control(r.control)));
    std::vector<QPoint> postos;
    for (const char* n : pezas)
        postos.push_back(f.control<QWidget>(n)->pos());

    CarpetaLibro d;
    const QString arquivo = d.ruta("libro.zube");
    f.libro.carpetalibro = d.carpeta();
    f.libro.carpetarecursos = d.carpeta();
    f.libro.numpaxinas = 1;
    ASSERT_TRUE(gardalocal(f.libro, arquivo, 0));
    QFile ficheiro(arquivo);
    ASSERT_TRUE(ficheiro.open(QIODevice::ReadOnly));
    auto lido = librobaleiro(d.carpeta());
    ler(*lido, ficheiro.readAll());
    ASSERT_GE(lido->numpaxinas, 1);
    f.libro = *lido;
    f.libro.numpaxinas = 2;
    f.editor->cargar(f.libro, 1);
    for (size_t i = 0; i < filas.size(); ++i)
        EXPECT_EQ(valorde(f.control(filas[i].control)), antes[i])
            << "type " << tipo << " " << filas[i].control;
}

} // namespace quibel::proba
