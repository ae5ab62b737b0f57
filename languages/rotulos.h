// The captions and hints of the main window that follow the interface language: one row a write,
// in the order they are written (a later row for the same control wins, and the hints come after
// every caption). A row names its control by objectName on one sheet of the page control (the
// sheet of page type t is t + 6), or on the window's frame (-1), and composes its text of
// catalogue entries and fixed texts, blanks included.
#pragma once

#include <QString>
#include <vector>

namespace quibel {

struct Rotulo {
    enum Clase {
        caption,  // the control's own caption
        etiqueta, // the attached label of a labelled edit
        hint,     // the hint shown over the control
    };
    struct Peza {
        int entrada;         // a catalogue entry, or -1
        const char* literal; // a fixed text when entrada is -1
    };
    int folla; // sheet of the page control, -1 for the window's frame
    const char* nome;
    Clase clase;
    std::vector<Peza> pezas;

    // The text in the language in force.
    QString texto() const;
};

// Every row, in writing order.
const std::vector<Rotulo>& rotulos();

} // namespace quibel
