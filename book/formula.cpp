#include "book/formula.h"

#include "book/rutinas.h"

namespace quibel {

namespace {

// One character that can be shown: not a control or format character, nor a lone surrogate.
bool imprimible(const QString& k) {
    if (cpLength(k) != 1 || (k.size() == 1 && k[0].isSurrogate())) return false;
    const char32_t c = k.size() == 2 ? QChar::surrogateToUcs4(k[0], k[1]) : k[0].unicode();
    return QChar::isPrint(c);
}

} // namespace

void FormulaGrid::recher(Tpaxina& p, int fila) {
    QString& texto = p[campotexto(fila)];
    QString& bandeiras = p[campobandeira(fila)];
    QString& marcas = p[campomarca(fila)];
    texto = cpPadTo(texto, lonxitude, u' ');
    bandeiras = cpPadTo(bandeiras, lonxitude, u'1');
    marcas = cpPadTo(marcas, lonxitude, u'0');
}

void FormulaGrid::cargar(Tpaxina& p) {
    for (int f = 0; f < filas; ++f) {
        recher(p, f);
        for (int c = 0; c < columnas; ++c) {
            const QString marca = cpAt(p[campomarca(f)], c);
            celas_[f][c] = cpAt(p[campotexto(f)], c) + (marca == QLatin1String("0") ? QString() : marca);
        }
    }
}

QString FormulaGrid::texto(int columna, int fila) const {
    return dentro(columna, fila) ? celas_[fila][columna] : QString();
}

bool FormulaGrid::oculta(const Tpaxina& p, int columna, int fila) {
    return dentro(columna, fila) && cpAt(p[campobandeira(fila)], columna) == QLatin1String("0");
}

void FormulaGrid::dobreclick(Tpaxina& p, int columna, int fila) {
    if (!dentro(columna, fila)) return;
    recher(p, fila);
    QString& bandeiras = p[campobandeira(fila)];
    const bool oculto = cpAt(bandeiras, columna) == QLatin1String("0");
    bandeiras = cpReplaceAt(bandeiras, columna, oculto ? QStringLiteral("1") : QStringLiteral("0"));
}

bool FormulaGrid::tecla(Tpaxina& p, int columna, int fila, const QString& tecla) {
    if (!dentro(columna, fila)) return false;
    const QString k = tecla == QLatin1String("\b") ? QStringLiteral(" ") : tecla;
    if (!imprimible(k)) return false;
    recher(p, fila);
    QString& cela = celas_[fila][columna];
    QString& marcas = p[campomarca(fila)];
    const bool marca = cela == QLatin1String("i") || cela == QLatin1String("s");
    if (marca && k != QLatin1String(" ")) {
        // The letter typed first becomes the mark of the character typed now.
        marcas = cpReplaceAt(marcas, columna, cela);
        cela += k;
    } else {
        // A blank clears a mark too: the cell shows only the blank.
        marcas = cpReplaceAt(marcas, columna, QStringLiteral("0"));
        cela = k;
    }
    QString& texto = p[campotexto(fila)];
    texto = cpReplaceAt(texto, columna, k);
    return true;
}

QString FormulaGrid::ocultas(const Tpaxina& p) {
    for (int f = 0; f < filas; ++f)
        if (p[campobandeira(f)].contains(u'0')) return QStringLiteral("1");
    return QStringLiteral("0");
}

} // namespace quibel
