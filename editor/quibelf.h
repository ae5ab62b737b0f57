// The main window of the program.
#pragma once

#include "book/globais.h"

#include <QMainWindow>

class QAction;
class QComboBox;
class QMenu;

namespace quibel {

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    Book libro; // the open book

    // Resets the book for New or Open: the model, then the controls through the book's hook.
    void inicializar() { libro.inicializar(); }
    void inizrtf() { libro.inizrtf(); }

    // Interface language (languages/idiomas_ui.cpp).
    QComboBox* comboidiomas = nullptr; // the language list of the start sheet
    QMenu* popm = nullptr;             // the language menu: twelve items in language order
    QAction *Espaol1 = nullptr, *Galego1 = nullptr, *Catal1 = nullptr, *Euskara1 = nullptr,
            *Portugus1 = nullptr, *English1 = nullptr, *Franais1 = nullptr, *Italiano1 = nullptr,
            *Asturianu1 = nullptr, *Deusche1 = nullptr, *Po1 = nullptr, *Valenci1 = nullptr;
    void crearbotonesmenu();
    void cambiacomboidiomas(int n);
    void comboidiomasSelect();
    void Espaol1Click();
    void Galego1Click();
    void Catal1Click();
    void Euskara1Click();
    void Portugus1Click();
    void English1Click();
    void Franais1Click();
    void Italiano1Click();
    void Asturianu1Click();
    void Deusche1Click();
    void Po1Click();
    void Valenci1Click();
    // Re-captions the window in the language in force.
    void cambiartextos();

private:
    void crearcontroisidioma();
    void soltarcontroisidioma();
};

} // namespace quibel
