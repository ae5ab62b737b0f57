// The Flash host page: a web page that loads the Flash player zub.swf with the player book file,
// from the author's template or from built-in lines. It is built whenever the export makes its
// HTML page, and saved, with the player, only when the hidden FLASH option asks for it.
#pragma once

#include "book/globais.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quibel {

struct ContextoExportar;
struct FollaExportar;

// The built-in lines, by index 0..28 (20, 26 and 27 stay empty).
QString htmlflash(int indice);

// The host page's file name for an HTML page name: "portada.html" -> "portadaf.html".
QString nomepaxinaflash(const QString& txthtml);

// The page's lines (without line ends). With a template (txplant) its placeholders are filled
// ("[[titulo]]" .. "[[cortexto]]", case-sensitive, one after the other); a template that cannot
// be read gives no lines. Otherwise the built-in lines for the object size txdimx x txdimy, with
// the SCORM script in the head when scorm is set.
QStringList paxinaflash(const Book& libro, const FollaExportar& folla, const QString& titulo, bool scorm);

// The driver's step: saves the page and, when the program carries a player (swf not empty),
// zub.swf into the target folder, each replacing a file of that name. False when a save failed.
bool gardarflash(const ContextoExportar& c, const QByteArray& swf);

} // namespace quibel
