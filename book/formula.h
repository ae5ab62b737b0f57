// The formula page's grid: six lines of sixteen characters, each character with a mark ("i" or
// "s") and a flag that hides it from the reader. The grid edits three fields per line of its page
// as the author types: the characters (P7..P12), the flags (P1..P6, "1" shown, "0" hidden) and
// the marks (P19..P24, "0" none). It keeps the cell texts, which after typing cannot be derived
// from the fields.
#pragma once

#include "book/globais.h"

#include <QString>
#include <array>

namespace quibel {

class FormulaGrid {
public:
    static constexpr int columnas = 16;
    static constexpr int filas = 6;
    static constexpr int lonxitude = 17; // what a line is padded to, one more than the columns

    static int campotexto(int fila) { return fila + 7; }
    static int campobandeira(int fila) { return fila + 1; }
    static int campomarca(int fila) { return fila + 19; }

    // Pads the three fields of every line to 17 characters (blanks, "1", "0"), writes them into
    // the page and fills the cells: the character, then its mark when it has one.
    void cargar(Tpaxina& p);
    // The text of cell (column, row); empty outside the grid.
    QString texto(int columna, int fila) const;
    // Whether the cell is hidden from the reader (its flag is "0").
    static bool oculta(const Tpaxina& p, int columna, int fila);

    // A double click: shows a hidden cell, hides a shown one.
    void dobreclick(Tpaxina& p, int columna, int fila);
    // A key typed into a cell: one printable character, or "\b" for Backspace (a blank). Anything
    // else (control characters, more than one character) is ignored: false.
    bool tecla(Tpaxina& p, int columna, int fila, const QString& k);

    // "1" when a cell of the page is hidden, else "0".
    static QString ocultas(const Tpaxina& p);

private:
    static bool dentro(int columna, int fila) {
        return columna >= 0 && columna < columnas && fila >= 0 && fila < filas;
    }
    static void recher(Tpaxina& p, int fila);
    std::array<std::array<QString, columnas>, filas> celas_;
};

} // namespace quibel
