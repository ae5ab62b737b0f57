// The main window of the program.
#pragma once

#include "book/globais.h"

#include <QMainWindow>

namespace quibel {

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    Book libro; // the open book

    // Resets the book for New or Open: the model, then the controls through the book's hook.
    void inicializar() { libro.inicializar(); }
    void inizrtf() { libro.inizrtf(); }
};

} // namespace quibel
