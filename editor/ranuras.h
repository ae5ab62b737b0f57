// Drop slots: a picture or sound of the resource panel dropped onto an editor sheet fills a page
// field at once, a clear button empties it, a play button plays it; showing a sheet fills every
// slot from the page. The slots of each page type are rows of one table; a binder finds (or makes)
// their controls on the built sheets and binds drop, clear and play.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QString>
#include <functional>
#include <span>
#include <vector>

class QAbstractButton;

namespace quibel {

class Documento;

// The picture of a file, decoded once per path, size, modification time and file (a save over it
// makes a new file) and kept in the application's pixmap cache; a null picture, with the reader's
// reason in erro, when it cannot be read.
QPixmap imaxedearquivo(const QString& arquivo, QString* erro = nullptr);

// A picture control that keeps its picture and natural size apart from what it shows.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    void porimaxe(const QPixmap& imaxe);
    void limpar();
    const QPixmap& imaxe() const { return imaxe_; }
    QSize tamanonatural() const { return imaxe_.size(); }

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void amosar();
    QPixmap imaxe_;
    QPixmap amosada_; // imaxe_ as last fitted to the control
};

// The puzzle's cutting grid of filas × columnas drawn over a copy of the picture into gre, which
// takes the picture's place; nothing when the picture is not more than 1 pixel wide or a count is
// not positive.
void pintarreixa(const PictureBox* imaxe, PictureBox* gre, int filas, int columnas);

enum class ClaseRanura {
    imaxe, // a picture slot
    son,   // a sound slot
};

// One slot of a page type. Names are objectNames on the type's sheet; "editoculto" (no name shown)
// and "temimx" (no picture shown) name the window's shared controls.
struct Ranura {
    int tipo; // page type
    ClaseRanura clase;
    const char* control; // the picture (imaxe) or the play button (son)
    const char* nome;    // the name edit
    int campo;           // page field
    const char* limpar;  // clear button, nullptr when none
    // Further controls a drop is bound on besides the picture (imaxe) or the name edit (son).
    const char* soltartamen = nullptr;
};

// Every slot of the 51 sheets, in the order of the types; the page sound is not among them.
std::span<const Ranura> ranuras();
// The slots of one type.
std::vector<const Ranura*> ranurasdetipo(int tipo);

// What the slot routines need: the document, a message for a picture that cannot be read, and the
// placeholder of a video.
struct ContextoRanuras {
    Documento& documento;
    std::function<void(const QString&)> mensaxe;
    QPixmap nojpg;
};

// A drop into a picture slot; false when the kind is refused or the picture cannot be read (then
// the decoder's text is shown once and nothing changes).
bool ponerim(const ContextoRanuras& c, PictureBox* imaxe, QLineEdit* nome, int n);
// Mode 0 clears the slot and field n; any other mode shows field n, silently. n = 0: no field.
void quitarim(const ContextoRanuras& c, PictureBox* imaxe, QLineEdit* nome, int n, int modo);
// A drop into a sound slot; false when refused.
bool ponerson(const ContextoRanuras& c, QAbstractButton* tocar, QLineEdit* nome, const QString& arquivo,
              int n);
// Mode 1 shows field n; any other mode clears the slot and the field.
void quitarson(const ContextoRanuras& c, QAbstractButton* tocar, QLineEdit* nome, int n, int modo);

} // namespace quibel
