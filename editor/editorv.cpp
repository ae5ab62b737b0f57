#include "editor/editorv.h"

namespace quibel {

Tfeditor1::Tfeditor1(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("feditor1"));
    setWindowTitle(QStringLiteral("Quibel"));
    setModal(true);
}

} // namespace quibel
