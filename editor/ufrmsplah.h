// The splash window shown while the program starts.
#pragma once

#include <QWidget>

class QLabel;

namespace quibel {

class Tfrmsplash : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmsplash(QWidget* parent = nullptr);
    QLabel* splashident = nullptr;
};

} // namespace quibel
