// The image window, shown modally from the page editors: an empty shell until the image window
// itself (loading, resampling and saving a picture) fills it in.
#pragma once

#include <QDialog>

namespace quibel {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};

} // namespace quibel
