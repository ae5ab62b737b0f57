#include "editor/follas.h"

namespace quibel {

int Follas::engadir(QWidget* folla, Manexador alamosar, Manexador aoocultar) {
    const int i = addWidget(folla);
    // A sheet off screen has its updates off: the switch turns the stack's updates off and on,
    // and Qt walks every widget whose updates follow the stack's, hidden sheets included.
    if (i != currentIndex()) folla->setUpdatesEnabled(false);
    if (int(manexadores_.size()) <= i) manexadores_.resize(i + 1);
    manexadores_[i] = {std::move(alamosar), std::move(aoocultar)};
    return i;
}

void Follas::amosar(int i) {
    if (i < 0 || i >= count() || i == currentIndex()) return;
    const int vello = currentIndex();
    if (vello >= 0 && manexadores_[vello].aoocultar) manexadores_[vello].aoocultar();
    if (preparar) preparar(i);
    QWidget* vella = currentWidget();
    widget(i)->setUpdatesEnabled(true);
    setCurrentIndex(i);
    if (vella) vella->setUpdatesEnabled(false);
    if (manexadores_[i].alamosar) manexadores_[i].alamosar();
}

} // namespace quibel
