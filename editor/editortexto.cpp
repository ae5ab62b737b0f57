#include "editor/editortexto.h"

namespace quibel {

Tfeditortexto::Tfeditortexto(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("feditortexto"));
    setWindowTitle(QStringLiteral("Quibel"));
    setModal(true);
}

} // namespace quibel
