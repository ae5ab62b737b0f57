// The two grids that edit their page cell by cell: the formula page's character grid and the
// tables page's colour squares. Each shows its model (book/formula.h, book/cadros.h); the formula
// grid writes its page at once, through the page its editor hands it.
#pragma once

#include "book/cadros.h"
#include "book/formula.h"

#include <QTableWidget>
#include <QWidget>
#include <functional>

namespace quibel {

// `datosformula`: 16 × 6 cells of 36 pixels; a key replaces the character of the current cell, a
// double click hides or shows it. Letters never move the current cell; Tab and the arrows do.
class GrellaFormula : public QTableWidget {
    Q_OBJECT
public:
    explicit GrellaFormula(QWidget* parent = nullptr);
    FormulaGrid modelo;
    // The page the grid edits now, or null while it may write none.
    std::function<Tpaxina*()> paxina;
    // Loads the page into the model and shows it.
    void cargar(Tpaxina& p);
    // Shows the model's cell texts.
    void amosar();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyboardSearch(const QString&) override {}
};

// `pncadros`: 8 × 7 squares of 40 pixels painted in their colours; a click on a square tells.
class GrellaCadros : public QWidget {
    Q_OBJECT
public:
    static constexpr int lado = 40; // a square, without the line between squares
    explicit GrellaCadros(QWidget* parent = nullptr);
    SquareGrid modelo;
    QSize sizeHint() const override;

signals:
    void premido(int columna, int fila);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
};

} // namespace quibel
