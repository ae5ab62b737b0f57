// The image window, shown modally from the page editors. Its content comes with its own part.
#pragma once

#include <QDialog>

namespace quibel {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};

} // namespace quibel
