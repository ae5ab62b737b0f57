// The page control without tabs: the program alone selects sheets. Selecting another sheet runs
// the hide handler of the sheet on screen, switches, then runs the show handler of the new one;
// selecting the sheet already shown does nothing.
#pragma once

#include <QStackedWidget>
#include <functional>
#include <vector>

namespace quibel {

class Follas : public QStackedWidget {
    Q_OBJECT
public:
    using Manexador = std::function<void()>;
    explicit Follas(QWidget* parent = nullptr) : QStackedWidget(parent) {}

    // Adds a sheet at the next index with its handlers (either may be empty).
    int engadir(QWidget* folla, Manexador alamosar = {}, Manexador aoocultar = {});
    // Shows sheet i. A handler that throws stops the change where it happened: a failing hide
    // handler leaves the old sheet on screen.
    void amosar(int i);
    int actual() const { return currentIndex(); }
    // Runs after the hide handler and before sheet i is shown, while it is still hidden: a sheet built late
    // makes its controls here, so that they are shown with it.
    std::function<void(int i)> preparar;

private:
    struct Manexadores {
        Manexador alamosar, aoocultar;
    };
    std::vector<Manexadores> manexadores_;
};

} // namespace quibel
