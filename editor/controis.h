// Small controls and helpers that every editor sheet uses: a caption bound to an edit, a panel
// that shows a caption on a colour, an edit that limits typing (and never what code sets),
// check boxes and radio groups set without signals, and the CR LF <-> LF border of multi-line
// texts (the model keeps CR LF, Qt's controls give LF).
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QColor>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QWidget>

namespace quibel {

// A single-line edit with its caption label, which moves and hides with it. With a maximum, its
// edit is a LimitedEdit.
class LabelledEdit : public QWidget {
    Q_OBJECT
public:
    explicit LabelledEdit(QWidget* parent = nullptr) : LabelledEdit(0, parent) {}
    LabelledEdit(int maximo, QWidget* parent);
    QLabel* etiqueta() const { return etiqueta_; }
    QLineEdit* edit() const { return edit_; }
    QString text() const { return edit_->text(); }
    void setText(const QString& t) { edit_->setText(t); }
    void setCaption(const QString& t) { etiqueta_->setText(t); }

private:
    QLabel* etiqueta_;
    QLineEdit* edit_;
};

// A caption on a filled colour; clicking it emits clicked().
class Panel : public QFrame {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent = nullptr);
    void setColor(const QColor& c);
    QColor color() const { return color_; }
    void setCaption(const QString& t) { caption_->setText(t); }
    QString caption() const { return caption_->text(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;

private:
    QLabel* caption_;
    QColor color_;
};

// An edit whose typing stops at a length; a longer text set by code stays whole and can still be
// shortened by the author.
class LimitedEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit LimitedEdit(int maximo, QWidget* parent = nullptr);
    int maximo() const { return maximo_; }

private:
    int maximo_;
};

// A standard icon of the application's style, made once: the style builds a new one, from its
// files, at every request, which the many slot buttons of the sheets would pay at start-up.
const QIcon& iconaestilo(QStyle::StandardPixmap icona);

// The application's style for scroll bars, line edits and group boxes, which keeps what it paints:
// a scroll bar or an edit's panel in the same state over the same backdrop, and a group box frame
// in the same state, are laid again as they were painted, not painted anew (their anti-aliased
// frames, long lines and stretched pictures were most of a sheet's painting). Tall scroll bars and
// frames are painted in bands of a few dozen rows: the raster engine hands every fill taller than
// about a hundred rows to its thread pool, and the wake-ups cost far more than such a small fill.
// The pixels are the same. The first call makes every such control under `raiz`, and every one
// polished from then on, use it.
QStyle* estilobarras();
void barrasenbandas(QWidget* raiz);
// Turns the kept pieces and the banded frames on or off (on by default) and forgets the pieces
// kept; off, the style paints everything whole (tall scroll bars stay banded).
void pezaspintadas(bool activas);

// Checks or unchecks without firing toggled/clicked handlers.
void porcheck(QCheckBox* caixa, bool marcada);
// Sets an edit's text without firing its handlers.
void portextoedit(QLineEdit* e, const QString& t);
// The line edit of a plain edit, or the edit of a labelled one; null for another control.
QLineEdit* lineade(QObject* control);

// The radio buttons of one mode field, in an exclusive button group of their own (auto-exclusive
// buttons that share a parent would otherwise form one group with any other buttons there). Each
// button stores its code; on load it is checked by its code or by further codes of its own.
class RadioGroup : public QButtonGroup {
    Q_OBJECT
public:
    explicit RadioGroup(QObject* parent = nullptr);
    // cargar: the codes that check the button on load; its own code when empty.
    void engadir(QRadioButton* boton, const QString& codigo, const QStringList& cargar = {});
    // The code of the checked button; a null text when none is.
    QString valor() const;
    // Clears the group, then checks the button of the code, without signals: a code no button has
    // leaves every button unchecked.
    void porvalor(const QString& codigo);
    // The field takes the code of the checked button; it stays as it is while none is checked.
    void gardaren(QString& campo) const;
    // The button that stores the code, or null.
    QRadioButton* boton(const QString& codigo) const;

private:
    struct Boton {
        QRadioButton* boton;
        QString codigo;
        QStringList cargar;
    };
    QList<Boton> botons_;
};

// Multi-line texts at the control border.
QString acontrol(const QString& textoModelo);  // CR LF and lone CR -> LF
QString demodelo(const QString& textoControl); // LF -> CR LF
void portexto(QPlainTextEdit* memo, const QString& textoModelo);
QString textode(const QPlainTextEdit* memo);

} // namespace quibel
