// The open book and the session around it: the page shown, the editor sheet shown, the save name.
// New, Open and the reset go through it, and it tells what happened by signals (QtCore only), so
// the core never calls a window: the main window and its sheets listen and update their controls.
#pragma once

#include "book/comandos.h"
#include "book/globais.h"
#include "book/loaditem.h"

#include <QObject>
#include <QString>

namespace quibel {

class TXMLDoc;

class Documento : public QObject {
    Q_OBJECT
public:
    explicit Documento(QObject* parent = nullptr);

    Book libro; // the open book, a plain value

    // The page shown, from 1; 0 while none is. Setting another one emits paxinacambiada.
    int paxinaactual() const { return paxinaactual_; }
    void porpaxinaactual(int paxina);
    quint8 tipoactual = 0; // type of the editor sheet shown; 0 for the book properties and no page
    QString gardar;        // the name the book was last saved under; empty after New and Open
    // The resource chosen in the resource panel: its full path (empty when none) and its kind (0
    // none, 1 picture, 2 sound, 3 animation or video, 4 text). The only thing a drop reads.
    QString recursoescollido;
    int tiporecurso = 0;

    // The steps of a reset at which controls follow the emptied model, in this order.
    enum class PasoReinicio { selector, vistas, imaxes, paneis };

    // New: the book and the session emptied (no page, no save name); emits reiniciado.
    void novo();
    // Open: reads the file through doc as a whole book; on success it replaces the open book
    // (emits reiniciado, then lido with the reader's report). On failure the open book stays as
    // it was and erro says why (emits nothing).
    Apertura abrir(TXMLDoc& doc, const QString& arquivo);

signals:
    // One reset step after another, once the model is empty; the controls follow.
    void reiniciado(quibel::Documento::PasoReinicio paso);
    // A book was read into the model; what the controls take from it.
    void lido(const quibel::InformeLectura& informe);
    void paxinacambiada(int paxina);
    // The interface language in force changed (number as aplicaridioma was given it).
    void idiomacambiado(int idioma);

private:
    void emitirreinicio();
    int paxinaactual_ = 0;
};

} // namespace quibel
