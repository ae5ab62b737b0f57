// The HTML5 page of a book: the template filled with the JSON description and the page panels,
// written into the destination folder beside a copy of the player folder and of the template; and
// the HTML pieces of the panels of page types 2, 15 and 38 and of the book's link menu.
#pragma once

#include "book/globais.h"
#include "publish/exportaweb.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>

namespace quibel {

struct PasosExportar;
struct DescricionLibro;

// The stage messages, in every interface language.
inline const QString erroplantilla = QStringLiteral("Error carga plantilla HTML (");
inline const QString errocrearhtml = QStringLiteral("Error crear HTML");
inline const QString errocopiarsczub = QStringLiteral("Error copiar sczub en");
inline const QString errocrearzip = QStringLiteral("Error crear ZIP en");

// The address of a resource path as the description writes it.
using Enderezar = std::function<QString(const QString& ruta)>;

// A plain text made safe inside HTML text or a quoted attribute: `"`, "<" and ">" as entities.
// An "&" stays, so the "&#39;" of the player's texts still reads as an apostrophe.
QString textoenhtml(const QString& texto);

// prefixo + valor + sufixo, or the empty text when the value is empty.
QString envolve(const QString& valor, const QString& prefixo, const QString& sufixo);
// A picture, video or Flash element for a resource path in a box of its own, placed at x and y
// (pixels, either may be empty), classes named from the prefix; the empty text for a path of
// another kind. alt, x and y are texts of the page as the description escapes them.
QString htmlmediapos(const QString& ruta, const QString& alt, const QString& x, const QString& y,
                     const Enderezar& url, const QString& prefixo);
// The same element without a box.
QString htmlmedia(const QString& ruta, const QString& alt, const QString& x, const QString& y,
                  const Enderezar& url, const QString& prefixo);
// The text box and the media box of a template page in its layout ("3": text first).
QString htmlplan(const QString& texto, const QString& ruta, const QString& alt, const Enderezar& url,
                 const QString& disposicion);
// An author's HTML that cannot swallow the page after it: a "</template" or "<plaintext" shows as
// text, a comment left open is closed, and every raw-text element (script, style, textarea...)
// gets an end tag at the end. HTML without them is kept as it is.
QString htmlpechado(const QString& html);
// The HTML panel of page p: types 2, 15 and 38; the empty text for the others.
QString panelhtml(const Book& libro, int paxina, const Enderezar& url);
// The book's link menu from its (text, target) pairs as the description escapes them; empty
// without links.
QString menuhtml(const QList<QPair<QString, QString>>& ligas);

// The text between the first start marker and the first end marker after it (case-sensitive),
// without the characters below 33 at either end; empty when the markers are not in that order.
QString textoentre(const QString& texto, const QString& inicio, const QString& fin);
// Copies every file below orixe (sub-folders included) into destino under its file name alone; a
// later file overwrites an earlier one of the same name; a file that cannot be copied is skipped.
void copiacarpeta(const QString& orixe, const QString& destino);
// Every file below the folder as an entry prefixo + "/" + its file name (one entry per name);
// false when the folder exists but cannot be listed.
bool zipcarpeta(const QString& cartafol, const QString& prefixo, QList<EntradaZip>& zip);

// The folder of the shipped templates and player, with a trailing delimiter: tpl/ beside the
// program, else in the installed data folder; tpl/ beside the program when neither exists.
QString carpetatpl(const QString& carpetaprograma);

// What the template is filled with and where the page goes.
struct PaxinaHtml {
    QString nomehtml;        // the page's file name
    QString destino;         // destination folder
    QString cartafolxogador; // a folder whose sczub/ is copied over the player, or empty
    QString nomeplantilla = QStringLiteral("html.tlm"); // the shipped template's name
    QString plantillapropia;                            // the author's template file, or empty
    QString carpetaprograma;                            // the program folder
    QString configuracion, menu;                        // the configuration object and the menu HTML
    QStringList obxectos, paneis;                       // page objects and their HTML panels
    QString tag, titulo, subtitulo;                     // plain texts
    bool scorm = false;                                 // the page loads the SCORM script
    bool empa = false;                                  // the files become entries of the package
};

struct ResultadoHtml {
    QString erro;         // the message of the first stage that failed, or empty
    bool escrita = false; // the page was written by this call
    QList<EntradaZip> zip;
};

// The template's texts from a description: the configuration, the menu HTML, the page objects
// with their panels and the three plain texts.
PaxinaHtml paxinahtml(const DescricionLibro& d);

// Fills the template, writes the page, copies the player folder and the template beside it and,
// with empa, lists them as package entries. Every stage runs as far as it can; the caller shows
// erro once.
ResultadoHtml enchehtml(const PaxinaHtml& entrada);

// Plugs the HTML5 page into the export driver: the panels made with the store's names, the page
// in the target folder, its entries added to the package; the failure told through mensaxe.
void conectarhtml(PasosExportar& pasos, std::function<void(const QString&)> mensaxe);

} // namespace quibel
