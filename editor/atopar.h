// Finding the controls of an editor sheet by objectName for the window's binders: the ones the
// sheet's editor made, or, for a binder that must have its control now, a stand-in made on the
// sheet until the editor lays one out.
#pragma once

#include "editor/controis.h"
#include "editor/ranuras.h"

#include <QString>
#include <QToolButton>
#include <QWidget>
#include <stdexcept>
#include <type_traits>

namespace quibel {

// The control of a sheet by name, which must be of the class the binder needs, or a new one placed
// on the sheet; posicion counts the stand-ins of the sheet.
template <class W> W* atopar(QWidget* folla, const QString& nome, int& posicion) {
    if (QWidget* w = folla->findChild<QWidget*>(nome)) {
        if (auto* certo = qobject_cast<W*>(w)) return certo;
        throw std::logic_error(("the control " + nome + " has another class").toStdString());
    }
    auto* w = new W(folla);
    w->setObjectName(nome);
    // A plain column until its editor lays it out.
    const int y = 4 + 30 * (posicion++);
    if constexpr (std::is_same_v<W, PictureBox>) {
        w->setFrameShape(QFrame::StyledPanel);
        w->setGeometry(4, y, 40, 28);
    } else if constexpr (std::is_same_v<W, QToolButton>) {
        w->setGeometry(48, y, 26, 26);
    } else {
        w->setGeometry(48, y, 200, 26);
    }
    return w;
}

// The edit of a name: a plain edit or the edit of a labelled one; nullptr when the sheet has none.
inline QLineEdit* editen(QWidget* folla, const QString& nome) {
    QWidget* w = folla->findChild<QWidget*>(nome);
    if (!w) return nullptr;
    if (QLineEdit* e = lineade(w)) return e;
    throw std::logic_error(("the edit " + nome + " has another class").toStdString());
}

// The edit of a name, made as a labelled edit when the sheet has none.
inline QLineEdit* editde(QWidget* folla, const QString& nome, int& posicion) {
    if (QLineEdit* e = editen(folla, nome)) return e;
    return atopar<LabelledEdit>(folla, nome, posicion)->edit();
}

} // namespace quibel
