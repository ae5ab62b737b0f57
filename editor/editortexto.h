// The HTML text editor window, shown modally from the page editors. Its content comes with its own part.
#pragma once

#include <QDialog>

namespace quibel {

class Tfeditortexto : public QDialog {
    Q_OBJECT
public:
    explicit Tfeditortexto(QWidget* parent = nullptr);
};

} // namespace quibel
