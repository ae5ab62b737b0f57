// A panel used as a button: a centred caption on a background colour that changes while the
// mouse is over it, and a selected state (activo) with its own rest colour. The type palette is
// made of these.
#pragma once

#include <QColor>
#include <QLabel>

namespace quibel {

class Tpanelboton : public QLabel {
    Q_OBJECT
public:
    explicit Tpanelboton(QWidget* parent = nullptr);

    QColor colornormal() const { return colornormal_; }
    QColor coloractivo() const { return coloractivo_; }
    QColor colorseleccionado() const { return colorseleccionado_; }
    QColor colorrepouso() const { return colorrepouso_; }
    bool activo() const { return activo_; }

    // The rest colour becomes the new normal colour and is shown at once.
    void setcolornormal(const QColor& c);
    // Only stored: they show on the next hover or selection.
    void setcoloractivo(const QColor& c) { coloractivo_ = c; }
    void setcolorseleccionado(const QColor& c) { colorseleccionado_ = c; }
    // Selects or deselects; shows the new rest colour at once, also under the mouse.
    void setactivo(bool a);

    // The colour on screen now.
    QColor corfondo() const;

    int Tag = 0;

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void pintar(const QColor& c);

    QColor colornormal_, coloractivo_, colorseleccionado_, colorrepouso_;
    bool activo_ = false;
    bool premido_ = false;
};

} // namespace quibel
