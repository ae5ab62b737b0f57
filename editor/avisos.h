// Messages and questions of the main window through the dialog service in force. Without one
// (a window built outside the program, as some tests do) a message goes to the log and a
// question gets the answer of a dismissed box.
#pragma once

#include "editor/garda.h"
#include "editor/servizos.h"

namespace quibel {

inline void mensaxe(const QString& texto) {
    amosarerro(texto);
}

inline QMessageBox::StandardButton preguntar(const QString& texto, QMessageBox::StandardButtons botons,
                                             QMessageBox::Icon icona = QMessageBox::NoIcon) {
    if (const auto& d = servizos().dialogos) return d->pregunta(texto, botons, icona);
    return botons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No;
}

} // namespace quibel
