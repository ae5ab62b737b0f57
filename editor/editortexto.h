// The HTML text editor window: the page text as plain HTML in a memo, every "<br>" a line break.
// Apply loads the result into the view that opened it; the window stays open.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QToolButton;

namespace quibel {

class HtmlView;

class Tfeditortexto : public QDialog {
    Q_OBJECT
public:
    explicit Tfeditortexto(QWidget* parent = nullptr);

    // The opener's text and view, kept by the main window.
    QString* textoeditor = nullptr;
    HtmlView** visoreditor = nullptr;

    QWidget* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QToolButton *SpeedButton5 = nullptr, *SpeedButton6 = nullptr;
    QPlainTextEdit* editortexto = nullptr;

    void FormShow();
    void SpeedButton5Click(); // apply
    void SpeedButton6Click(); // close

protected:
    void showEvent(QShowEvent* e) override;
};

} // namespace quibel
