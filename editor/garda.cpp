#include "editor/garda.h"

#include <QDebug>

namespace quibel {

void amosarerro(const QString& texto) {
    if (const auto& d = servizos().dialogos)
        d->mensaxe(texto);
    else
        qWarning().noquote() << texto;
}

} // namespace quibel
