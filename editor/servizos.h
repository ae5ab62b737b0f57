// Services the windows use that reach outside the program: message boxes and questions, file and
// folder dialogs, the desktop's default application, the screen size and sound output. The program uses the
// real ones; tests install fakes so that no dialog, browser or xdg-open is ever started.
#pragma once

#include <QColor>
#include <QMessageBox>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <memory>
#include <optional>

class QDialog;
class QWidget;

namespace quibel {

class Dialogos {
public:
    virtual ~Dialogos() = default;
    // A box titled "Quibel" with the text and an OK button.
    virtual void mensaxe(const QString& texto) = 0;
    // A question titled "Quibel" with the icon given; returns the button chosen (dismissing counts
    // as the escape button).
    virtual QMessageBox::StandardButton pregunta(const QString& texto, QMessageBox::StandardButtons botons,
                                                 QMessageBox::Icon icona) = 0;
    // A warning box with the toolkit's own warning caption and icon, and an OK button.
    virtual void aviso(const QString& texto) = 0;
    // File and folder dialogs; an empty result means the author cancelled.
    virtual QString abrirarquivo(const QString& titulo, const QString& cartafol, const QString& filtro) = 0;
    // The open dialog with several files selectable, in the dialog's order.
    virtual QStringList abrirarquivos(const QString& titulo, const QString& cartafol,
                                      const QString& filtro) = 0;
    virtual QString gardararquivo(const QString& titulo, const QString& nome, const QString& filtro) = 0;
    virtual QString escollercartafol(const QString& titulo, const QString& cartafol) = 0;
    // The colour chooser, starting at a colour; nothing when the author cancels.
    virtual std::optional<QColor> escollercor(const QColor& inicial) = 0;
    // Shows one of the program's own windows modally and returns when it closes.
    virtual void amosarmodal(QDialog* venta) = 0;
};

class AplicacionDefecto {
public:
    virtual ~AplicacionDefecto() = default;
    // Opens a file or address with the desktop's default application.
    virtual bool abrir(const QUrl& enderezo) = 0;
};

class Pantalla {
public:
    virtual ~Pantalla() = default;
    // The available area of the primary screen.
    virtual QSize tamano() const = 0;
};

// Sound output: one stream at a time, by handle. Every call returns at once.
class SoundEngine {
public:
    virtual ~SoundEngine() = default;
    // Opens the output device; false when there is none.
    virtual bool iniciar() = 0;
    // Closes the device and frees every stream.
    virtual void pechar() = 0;
    // A stream of the whole file (UTF-8 path); 0 when it cannot be opened or decoded.
    virtual quint32 crear(const QString& arquivo) = 0;
    // Frees a stream, ending it when it plays; 0 or an unknown handle does nothing.
    virtual void liberar(quint32 canal) = 0;
    virtual void tocar(quint32 canal) = 0;
    virtual void parar(quint32 canal) = 0;
};

// The set in force. The program installs the real ones at start-up; tests install fakes.
struct Servizos {
    std::shared_ptr<Dialogos> dialogos;
    std::shared_ptr<AplicacionDefecto> aplicacion;
    std::shared_ptr<Pantalla> pantalla;
    std::shared_ptr<SoundEngine> son;
};
Servizos& servizos();
void instalarservizosreais(QWidget* pai);
// The available screen area through the screen service in force (the primary screen without one).
QSize areapantalla();

} // namespace quibel
