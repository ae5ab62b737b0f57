// The export sheet tabExportar: where and under which names a book is published, the extras
// wanted, the attachments and the licence, and "Publicar", which runs the export driver on a
// snapshot and takes back what it returns. The names are bound to the book; the sheet's own
// values (template, Flash size, SCORM) live in its controls. The window's caption table
// re-captions it by objectName.
#pragma once

#include "book/documento.h"
#include "publish/exportarlibro.h"

#include <QObject>
#include <QString>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QToolButton;
class QWidget;

namespace quibel {

class LabelledEdit;

class ExportSheet : public QObject {
    Q_OBJECT
public:
    // What the sheet reaches of the window.
    struct Ganchos {
        std::function<void(const QString&)> titular; // the title line
        std::function<void(int)> vercomunes;         // the page's shared bars
        std::function<void()> amosarpropiedades;     // the book-property controls from the book
    };
    // Builds the controls into the sheet folla.
    ExportSheet(Documento& documento, QWidget* folla, Ganchos ganchos);

    // --- controls (named by objectName) ---------------------------------------------------------
    QLabel *Label29 = nullptr, *Label28 = nullptr, *Label30 = nullptr, *Label31 = nullptr, *Label61 = nullptr,
           *labellicencia = nullptr, *lbadxuntos = nullptr;
    QLineEdit *donde = nullptr, *nalmacen = nullptr, *nlibro = nullptr, *txthtml = nullptr,
              *txtempa = nullptr, *txdimx = nullptr, *txdimy = nullptr, *txtlicencia = nullptr;
    LabelledEdit *txplant = nullptr, *edlomes = nullptr, *dirax = nullptr;
    QToolButton *SpeedButton71 = nullptr, *SpeedButton170 = nullptr, *botplant = nullptr, *btlomes = nullptr,
                *btadxuntosad = nullptr, *btadxuntosbr = nullptr;
    QCheckBox *sihtml = nullptr, *empa = nullptr, *chscorm = nullptr, *chkflash = nullptr,
              *chkencoded = nullptr;
    QWidget *Panel2 = nullptr, *pltempa = nullptr; // covers over the HTML and the ZIP options
    QListWidget* adxuntos = nullptr;
    QPushButton *SpeedButton83 = nullptr, *SpeedButton164 = nullptr; // Publicar, Vista previa
    QProgressBar* progresoexporta = nullptr;
    QLabel* imaxebenexporta = nullptr;

    // --- state of publishing ----------------------------------------------------------------------
    bool publicado = false;       // the host page step of the last export ran; cleared when the sheet hides
    bool exportando = false;      // a real export reached its HTML5 step; the preview clears it
    QList<EntradaZip> zipexporta; // the entries of the last export's package
    PasosExportar pasos;          // the steps of the other parts of publishing

    // --- handlers -------------------------------------------------------------------------------
    void tabExportarShow();
    void tabExportarHide();
    void nlibroChange();
    void nlibroExit();
    void txthtmlExit();
    void txtempaExit();
    void empaClick();
    void sihtmlClick();
    void SpeedButton71Click();
    void botplantClick();
    void SpeedButton170Click();
    void btlomesClick();
    void edlomesClick();
    void btadxuntosadClick();
    void btadxuntosbrClick();
    static bool adxuntosDragOver(const QString& recursoescollido) { return !recursoescollido.isEmpty(); }
    void adxuntosDragDrop();
    void SpeedButton83Click();  // Publicar
    void SpeedButton164Click(); // Vista previa: the page the last export wrote
    void exportarlibro();

    // The controls from the book (after a reset or a read), without running their handlers.
    void cargar();
    // The sheet's own values, for the export and the preview.
    FollaExportar valores() const;

private:
    void engadiradxunto(const QString& arquivo);
    void gardaradxuntos();
    Book& libro() { return documento_.libro; }

    Documento& documento_;
    Ganchos ganchos_;
    bool exportandoagora_ = false; // an export is running: a second Publicar does nothing
};

} // namespace quibel
