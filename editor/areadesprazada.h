// A scroll area that lays out its scroll bars again only when something they follow has changed.
// Qt raises, and so repaints, both bars at every layout request its content posts, and the
// window's content posts one whenever any control in it changes its size hint.
#pragma once

#include <QPoint>
#include <QScrollArea>
#include <QSize>
#include <QSizePolicy>
#include <array>

namespace quibel {

class AreaDesprazada : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

protected:
    bool event(QEvent* e) override;

private:
    // What the bars and the content's place follow, and what they showed after the last layout.
    struct Estado {
        std::array<QSize, 7> tamanos;
        QPoint posicion;
        QSizePolicy politica;
        std::array<int, 6> barras{};
        bool operator==(const Estado&) const = default;
    };
    Estado estado() const;
    bool valido_ = false;
    Estado ultimo_;
};

} // namespace quibel
