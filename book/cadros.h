// The tables page's grid of coloured squares: 8 columns by 7 rows, each cell empty or a colour
// number "1".."8". Rows P1..P7 of the page hold one character per column, "0" for no colour.
#pragma once

#include "book/globais.h"

#include <QColor>
#include <QString>
#include <array>

namespace quibel {

class SquareGrid {
public:
    static constexpr int columnas = 8;
    static constexpr int filas = 7;
    static constexpr int numcores = 8;

    // Cell (c, r) shows character c + 1 of field r + 1, or nothing when the row is shorter or the
    // character is "0".
    void cargar(const Tpaxina& p);
    // Rows P1..P7 rebuilt from the cells, "0" for an empty one; a random pattern keeps its rows.
    void gardar(Tpaxina& p, bool aleatorio) const;

    const QString& cela(int columna, int fila) const { return celas_.at(fila).at(columna); }
    void porcela(int columna, int fila, const QString& texto) { celas_.at(fila).at(columna) = texto; }
    // A click: an empty cell takes the colour number of panel `escollida` (0..7), any other
    // cell is emptied.
    void premer(int columna, int fila, int escollida);

    // The colour of a cell's text: the colours of numbers 1..8, white for an empty cell and for
    // any other text (a page made elsewhere).
    static QColor cor(const QString& texto);
    // The colour of number n (1..8).
    static QColor cornumero(int n);

private:
    std::array<std::array<QString, columnas>, filas> celas_;
};

} // namespace quibel
