// The rich-text editor window, shown modally from the page editors: an empty shell until the rich
// text control and its conversions fill it in.
#pragma once

#include <QDialog>

namespace quibel {

class Tfeditor1 : public QDialog {
    Q_OBJECT
public:
    explicit Tfeditor1(QWidget* parent = nullptr);
};

} // namespace quibel
