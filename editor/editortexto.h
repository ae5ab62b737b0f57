// The HTML text editor window, shown modally from the page editors: an empty shell until the text
// editor and its conversions fill it in.
#pragma once

#include <QDialog>

namespace quibel {

class Tfeditortexto : public QDialog {
    Q_OBJECT
public:
    explicit Tfeditortexto(QWidget* parent = nullptr);
};

} // namespace quibel
