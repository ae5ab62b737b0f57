#include "editor/ctrlimx.h"

namespace quibel {

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Quibel"));
    setModal(true);
}

} // namespace quibel
