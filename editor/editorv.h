// The rich-text editor window, shown modally from the page editors. Its content comes with its own part.
#pragma once

#include <QDialog>

namespace quibel {

class Tfeditor1 : public QDialog {
    Q_OBJECT
public:
    explicit Tfeditor1(QWidget* parent = nullptr);
};

} // namespace quibel
