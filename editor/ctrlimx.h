// The image window: resizes the picture chosen in the resource panel and saves it over the same
// file or under a new name. A picture (every frame of an animation) is decoded, resampled bicubic
// and written by GraphicsMagick; the sizes follow a plain model; the dialog only shows them.
#pragma once

#include <QDialog>
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSlider;
class QToolButton;

namespace quibel {

class LabelledEdit;

// A picture with all its frames (an animated GIF keeps them all, coalesced).
class ImaxeMultiple {
public:
    ImaxeMultiple();
    ~ImaxeMultiple();
    ImaxeMultiple(const ImaxeMultiple&);
    ImaxeMultiple& operator=(const ImaxeMultiple&);

    // The picture of a file; nothing, and the library's text in erro, when it cannot be read.
    static std::optional<ImaxeMultiple> ler(const QString& arquivo, QString* erro = nullptr);
    QSize tamano() const;
    int cadros() const;
    // Every frame resampled bicubic to exactly this size.
    ImaxeMultiple resampleada(const QSize& tamano) const;
    // Writes in the format the file's extension names (all frames for GIF; a JPEG without
    // transparency, on white). False, with the library's text, on failure.
    bool gardar(const QString& arquivo, QString* erro = nullptr) const;
    // The first frame, for the preview.
    QImage previa() const;

private:
    struct Cadros;
    std::unique_ptr<Cadros> c_;
};

// The sizes of the window: what 100 % of the slider stands for (base), what the preview shows and
// the next save writes (actual), and the picture's own size (1:1).
class TamanoImaxe {
public:
    static constexpr int minimo = 1, maximo = 10000; // per side

    explicit TamanoImaxe(const QSize& orixinal = {}) : base(orixinal), actual(orixinal), orixinal(orixinal) {}
    // The slider at p %: the current size follows, keeping the proportions, when both sides stay
    // above 1 pixel. True when it changed.
    bool barra(int p);
    // A side typed in its edit; a text that is no whole number in range changes nothing.
    bool ancho(const QString& texto);
    bool alto(const QString& texto);
    void fixar();  // apply: the current size becomes the base
    void tamorg(); // 1:1

    QSize base, actual, orixinal;

private:
    static std::optional<int> lado(const QString& texto);
};

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    // Loads the picture before the window is shown: false (and the window is not to be shown)
    // when it cannot be read. Then the window is as FormShow leaves it.
    bool cargar(const QString& arquivo);
    void cambiaidioma();

    void barraChange(int p);
    void imxaChange(const QString& texto);
    void imxlChange(const QString& texto);
    void bttamorgClick();
    void btfixarClick();
    void btgrdClick();
    void btgrdcClick();
    void btccelClick();
    // Saves the current size to a file; tells the author when it fails. True when written.
    bool gardarimaxe(const QString& arquivo);

    const TamanoImaxe& tamanos() const { return tamanos_; }

    QWidget *Panel1, *Panel2;
    QPushButton *btgrd, *btgrdc, *btccel, *bttamorg, *btfixar, *btrotar, *btcolorpx;
    QLabel *editim, *ltitulo;
    LabelledEdit *imxa, *imxl;
    QSlider* barra;
    QLineEdit* txtporc;
    QScrollArea* Panel4;
    QLabel* imaxe; // the preview, stretched

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void amosar(const ImaxeMultiple& i); // the preview shows a picture at the current size
    void porPrevia();                    // the preview at the current size
    void porTamano();                    // the preview and the edits at the current size
    void barraen100();                   // the slider shows 100 % of the sizes set
    void FormClose();

    QString arquivo_, extension_;
    std::optional<ImaxeMultiple> cargada_;  // resampled by apply
    std::optional<ImaxeMultiple> traballo_; // as at show time; each save resamples a copy
    TamanoImaxe tamanos_;
};

} // namespace quibel
