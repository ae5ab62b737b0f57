// The rich-text editor window: the page text as formatted text (fonts, sizes, colours, styles,
// alignment, bullets) that the author edits like a word processor. Apply loads the view that opened
// it with the HTML of the result; the window stays open.
#pragma once

#include <QDialog>
#include <QTextDocument>

class QComboBox;
class QMenu;
class QTextCharFormat;
class QTextEdit;
class QToolButton;

namespace quibel {

class HtmlView;
class Panel;

class Tfeditor1 : public QDialog {
    Q_OBJECT
public:
    explicit Tfeditor1(QWidget* parent = nullptr);

    // The opener's text and view, kept by the main window.
    QString* textoeditor = nullptr;
    HtmlView** visoreditor = nullptr;

    QWidget *Panel1 = nullptr, *Panel2 = nullptr, *paneleditor = nullptr;
    QToolButton *btneg = nullptr, *btital = nullptr, *btsubli = nullptr, *btpuntos = nullptr,
                *btesqueda = nullptr, *btcentro = nullptr, *btdereita = nullptr, *SpeedButton8 = nullptr,
                *SpeedButton1 = nullptr, *SpeedButton5 = nullptr, *SpeedButton6 = nullptr;
    QComboBox *cbtamano = nullptr, *combofuentes = nullptr;
    Panel *btblanco = nullptr, *btblanco1 = nullptr, *btblanco2 = nullptr;
    QTextEdit* editorvisual = nullptr;
    QTextDocument editorauxiliar; // where the HTML is converted before it reaches the editor
    QMenu* menuparartf = nullptr;

    void FormShow();
    void SpeedButton5Click(); // apply
    void SpeedButton6Click(); // close
    void btnegClick();
    void btitalClick();
    void btsubliClick();
    void btesquedaClick();
    void btcentroClick();
    void btdereitaClick();
    void btpuntosClick();
    void cbtamanoSelect();
    void combofuentesSelect();
    void SpeedButton8Click(); // text colour
    void SpeedButton1Click(); // undo
    void btblancoClick(const Panel* panel);
    void editorvisualpreme(); // the combos follow the selection

protected:
    void showEvent(QShowEvent* e) override;

private:
    void estilo(bool (*ten)(const QTextCharFormat&), void (*por)(QTextCharFormat&, bool));
};

} // namespace quibel
