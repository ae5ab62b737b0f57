// The book-properties sheet: the book's texts, colours, pictures, skins, sounds, help file,
// resource folder and menu links. Its controls show the book model and write it on every edit;
// the writers and exporters read the model, never the sheet.
#pragma once

#include "book/loaditem.h"
#include "editor/ranuras.h"

#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <memory>

class QAbstractButton;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace quibel {

class Book;
class ColourPanel;
class Documento;
class LabelledEdit;
class Panel;
class PictureBox;

// Runs an action when Enter is pressed in an edit (the key is swallowed) and when the focus leaves
// it for another control. editingFinished would miss a leave without a change. Lives as long as
// the owner given (the object the action belongs to), else as long as the edit.
class SaidaEdit : public QObject {
    Q_OBJECT
public:
    static SaidaEdit* vincular(QLineEdit* edit, std::function<void()> accion, QObject* dono = nullptr);

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    SaidaEdit(QLineEdit* edit, std::function<void()> accion, QObject* dono);
    QPointer<QLineEdit> edit_;
    std::function<void()> accion_;
};

// What the sheet reaches outside itself.
struct ContextoPropiedades {
    Documento& documento;
    std::function<void(const QString&)> sonar;
    std::function<void()> ponrecursos; // points the resource panel at libro.txtdirrec
    std::function<void()> colorcape;   // the page header and footer in the book's colours
};

class FollaPropiedades : public QObject {
    Q_OBJECT
public:
    // Builds the controls on the sheet; txtlibro is the window's, laid out here.
    FollaPropiedades(ContextoPropiedades contexto, QWidget* folla, LabelledEdit* txtlibro);
    ~FollaPropiedades() override;

    // Every control from the model (start, reset, read).
    void amosar();
    // Captions in the language in force.
    void rotular();
    // Reset: the three pictures and their names cleared, the background frame 0 x 0.
    void reiniciarimaxes();
    // After a read: a book picture loaded (a failure is skipped); the background frame takes
    // half its size. The position of the frame, when the read gave one.
    void cargarimaxe(PictureBox* p, const QString& arquivo);
    void colocarfondo(const InformeLectura::Posicion& p);

    // The end of a drag of the background picture: its page position from the frame's position
    // in the half-size preview. The element dragger calls it on release.
    void soltarfondo();

    // --- handlers ----------------------------------------------------------------------------
    void corfondo(const QColor& c); // bcorfondo
    void corbanda(const QColor& c); // bcorbanda
    void cornave(const QColor& c);  // bcornave
    void cortexto(const QColor& c); // bcortexto
    void cormensa(const QColor& c); // bcormensa
    void logoDragDrop();
    void imaxeDragDrop(); // Panel19 and imaxe
    void nomimbarraDragDrop();
    void skin1DragDrop();
    void skin2DragDrop();
    void soncontinuoDragDrop();
    void bensonDragDrop();
    void malsonDragDrop();
    void axudaDragDrop();
    void axudaEdited(const QString& texto);
    void SpeedBtton5Click();    // clears the logo
    void SpeedButton6Click();   // clears the background
    void SpeedButton174Click(); // clears the bar picture
    void noskin1Click();
    void noskin2Click();
    void brsoncontinuoClick();
    void SpeedButton165Click();
    void SpeedButton166Click();
    void btsoncontinuoClick();
    void bnsonClick();
    void mlsonClick();
    void SpeedButton19Click(); // chooses the resource folder
    void txtdirrecExit();      // leaving the edit or Enter in it
    void btmenuClick();

    // --- controls (named by objectName) ------------------------------------------------------
    LabelledEdit *txttitulo, *txtsub, *txtautor, *txtiden, *txcaracter, *txtag, *txtenlacefinal, *txtdirrec,
        *axuda, *saltologo, *txtlogo, *txtimaxe, *fondox, *fondoy, *trpf, *nomimbarra, *skin1, *skin2,
        *soncontinuo, *txtben, *benson, *txtmal, *malson;
    QLineEdit *sonvol, *tipolibro;
    QCheckBox *desordenpax, *chkrepiteson, *bmaxi, *bson, *binfor, *chbanda, *chbarra, *chskin1, *chskin2,
        *pel, *chkben, *chkmal, *chhorizontal, *chdereita;
    QToolButton *brsoncontinuo, *btsoncontinuo, *SpeedButton19, *SpeedButton5, *SpeedButton6, *SpeedButton174,
        *noskin1, *noskin2, *bnson, *SpeedButton165, *mlson, *SpeedButton166, *btmenu;
    ColourPanel *bcorfondo, *bcorbanda, *bcornave, *bcortexto, *bcormensa;
    Panel *Panel19, *Panel22, *Panel58;
    QFrame* bimaxe;
    PictureBox *imaxe, *logo, *Image53;
    QLabel *Label21, *Label38, *Label39, *Label40, *Label50, *Label51, *Labeltipo, *Labelporcento;
    QGroupBox *GroupBox1, *GroupBox58;
    QFrame* panelmenu;
    std::array<QLineEdit*, 14> txmenus{}, txligas{};

private:
    Book& libro() const;
    void crear(QWidget* folla, LabelledEdit* txtlibro);
    void vincular();
    // A picture of the chosen resource into a picture control; false (and nothing changed) when
    // it cannot be decoded.
    bool cargar(PictureBox* p, const QString& arquivo) const;
    void sondrop(QAbstractButton* tocar, LabelledEdit* nome, QString& global, QString& nomemodelo);
    void sonclear(QAbstractButton* tocar, LabelledEdit* nome, QString& global, QString& nomemodelo);
    void picclear(PictureBox* p, LabelledEdit* nome, QString& global, QString& nomemodelo);
    void cor(QString& global, const QColor& c, std::initializer_list<Panel*> previas);
    void tamanofondo(const QSize& imaxe); // the frame of a dropped picture
    void marco(const QSize& tamano);      // the frame and its picture

    ContextoPropiedades c_;
    std::unique_ptr<ContextoRanuras> ranuras_; // quitarim and quitarson with no page field
};

} // namespace quibel
