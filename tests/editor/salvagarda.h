// A way out for tests that run the event loop and count on their own timers to end it: when the
// test's timer fails to close the windows, the run stops in seconds instead of at ctest's timeout.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace quibel::proba {

// While it lives: after ms milliseconds, marks the test failed, hides every window (closing one
// could ask another question) and leaves every running event loop with the result 1.
class Salvagarda {
public:
    explicit Salvagarda(int ms = 5000) {
        temporizador_.setSingleShot(true);
        QObject::connect(&temporizador_, &QTimer::timeout, [ms] {
            ADD_FAILURE() << "the event loop was still running after " << ms << " ms";
            for (QWidget* w : QApplication::topLevelWidgets())
                w->hide();
            QCoreApplication::exit(1);
        });
        temporizador_.start(ms);
    }

private:
    QTimer temporizador_;
};

} // namespace quibel::proba
