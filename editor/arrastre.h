// Dragging the elements of a design area into position with the mouse: an ElementDragger per
// pressed control, the table of the page elements that are dragged so, the selection frame around a
// picture and the numbered blank of an empty moving picture.
#pragma once

#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <span>

class QLineEdit;
class QMouseEvent;
class QWidget;

namespace quibel {

class PictureBox;

// Drags an element by a pressed control: the element itself, or a control that moves with it (a
// grip inside it, a picture that fills it). A press of any button on the control starts a drag; each
// move while the button is held places the element at its position at the press plus the mouse's
// travel since then, in global coordinates, so the first move adds exactly the mouse's movement and
// the grip keeps its place on the element. Unless free, each axis stops at 0 (the area's left and
// top edges); nothing limits the right and bottom: an area that is the content of a scroll area
// grows to hold the element, so it can be scrolled to. The release ends the drag.
//
// Moves reach the control only while a button is held (the press grabs the mouse), so mouse
// tracking is never needed; a move without a drag changes nothing. The dragger takes the control's
// presses (the second of a double click too), moves in a drag and releases: the control's own
// handlers do not see them.
//
// The book-properties background, for instance: Opcions o; o.editx = fondox; o.edity = fondoy;
// o.libre = true; o.aosoltar = (double the position into the edits); vincular(imaxe, bimaxe, o).
class ElementDragger : public QObject {
    Q_OBJECT
public:
    struct Opcions {
        QLineEdit* editx = nullptr; // show the element's Left and Top in decimal, when given
        QLineEdit* edity = nullptr;
        bool libre = false;             // true: no edge rule, negative positions too
        QWidget* marco = nullptr;       // framed around the element at the press and after every move
        std::function<void()> aopremer; // the press has started the drag
        std::function<void(QWidget* elemento)> aosoltar; // the release, the element in place
    };

    // Binds the pressed control; the dragger lives as long as it.
    static ElementDragger* vincular(QWidget* premido, QWidget* elemento, Opcions opcions);

    bool arrastrando() const { return arrastrando_; }
    QWidget* elemento() const { return elemento_; }

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    ElementDragger(QWidget* premido, QWidget* elemento, Opcions opcions);
    void mover(const QPoint& rato);

    QPointer<QWidget> elemento_;
    QPointer<QLineEdit> editx_, edity_;
    QPointer<QWidget> marco_;
    Opcions opcions_;
    bool arrastrando_ = false;
    QPoint ratoinicial_;     // the mouse at the press, global
    QPoint elementoinicial_; // the element at the press, in its parent
};

// Hands the mouse presses (double clicks too), moves and releases of one widget to a handler, run through the
// guard; the handler returns true to consume the event. Lives as long as the widget.
class FiltroRato : public QObject {
    Q_OBJECT
public:
    using Manexador = std::function<bool(QMouseEvent* e)>;
    static FiltroRato* vincular(QWidget* control, Manexador manexador);

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    FiltroRato(QWidget* control, Manexador manexador);
    Manexador manexador_;
};

// How a dragged element is bound on its sheet.
enum class SoltarArrastre {
    nada,     // the commit stores the position
    puntoliga // a link point of type 9: its Left and Top into their fields at once
};

// One row of the dragged page elements. Names are objectNames on the type's sheet; "editoculto" is
// the window's spare edit.
struct FilaArrastre {
    int tipo;
    const char* elemento; // the element dragged, whose position is recorded
    const char* premido;  // the control pressed; nullptr: the element itself
    const char* editx;    // position edits, nullptr when none
    const char* edity;
    bool marco = false; // the selection frame follows it (the moving pictures of type 23)
    SoltarArrastre soltar = SoltarArrastre::nada;
    int campox = 0, campoy = 0; // the fields a puntoliga release writes
};

// Every dragged element of the page sheets, in the order of the types.
std::span<const FilaArrastre> filasarrastre();

// The side of the blank square of an empty moving picture.
inline constexpr int minimoimaxe = 40;

// The blank of empty moving picture n: a white square with a black border and its number.
QPixmap imaxebaleira(int n, const QFont& letra);
// Frames a picture (its position less 4, its natural size plus 8) and shows the frame, which may lie
// in another parent than the picture.
void enmarcar(QWidget* marco, const QWidget* imaxe);

} // namespace quibel
