#include "editor/follas.h"

namespace quibel {

int Follas::engadir(QWidget* folla, Manexador alamosar, Manexador aoocultar) {
    const int i = addWidget(folla);
    if (int(manexadores_.size()) <= i) manexadores_.resize(i + 1);
    manexadores_[i] = {std::move(alamosar), std::move(aoocultar)};
    return i;
}

void Follas::amosar(int i) {
    if (i < 0 || i >= count() || i == currentIndex()) return;
    const int vello = currentIndex();
    if (vello >= 0 && manexadores_[vello].aoocultar) manexadores_[vello].aoocultar();
    if (preparar) preparar(i);
    setCurrentIndex(i);
    if (manexadores_[i].alamosar) manexadores_[i].alamosar();
}

} // namespace quibel
