// Small controls and helpers that every editor sheet uses: a caption bound to an edit, a panel
// that shows a caption on a colour, an edit that limits typing (and never what code sets),
// check boxes and radio groups set without signals, and the CR LF <-> LF border of multi-line
// texts (the model keeps CR LF, Qt's controls give LF).
#pragma once

#include <QCheckBox>
#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QWidget>

namespace quibel {

// A single-line edit with its caption label, which moves and hides with it.
class LabelledEdit : public QWidget {
    Q_OBJECT
public:
    explicit LabelledEdit(QWidget* parent = nullptr);
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

// Checks or unchecks without firing toggled/clicked handlers.
void porcheck(QCheckBox* caixa, bool marcada);

// A group of radio buttons that maps a value to its button. None checked is allowed.
class RadioGroup {
public:
    void engadir(QRadioButton* boton, int valor);
    // The value of the checked button, or -1 when none is.
    int valor() const;
    // Checks the button of the value, without signals; a value no button has unchecks all.
    void porvalor(int valor);
    const QList<QRadioButton*>& botons() const { return botons_; }

private:
    QList<QRadioButton*> botons_;
    QList<int> valores_;
};

// Multi-line texts at the control border.
QString acontrol(const QString& textoModelo);  // CR LF and lone CR -> LF
QString demodelo(const QString& textoControl); // LF -> CR LF
void portexto(QPlainTextEdit* memo, const QString& textoModelo);
QString textode(const QPlainTextEdit* memo);

} // namespace quibel
