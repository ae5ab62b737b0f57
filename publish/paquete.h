// The export's package: the entries after the HTML5 page (host page, player book file, player,
// SCORM run-time script, LOM file, manifest), and the export steps of the host page, the player
// book file and the archive as the driver calls them.
#pragma once

#include "publish/exportarlibro.h"

#include <QByteArray>
#include <QString>

namespace quibel {

// The driver's package step on the entries gathered so far (c.zip): a later entry of a name
// already taken is left out, and with SCORM an entry of scormzub.js or imsmanifest.xml other
// than the package's own; titular is told which names were left out. With an HTML page name the
// step adds, in order, the host page (only with chkflash), the player book file, zub.swf (only
// with chkflash), each when its file exists, then with SCORM the run-time script, the LOM file
// of edlomes at the root and the manifest. SCORM without an HTML page name is told in titular.
// A failure (a template file that cannot be read) throws; the entries added before stay.
void engadirpaquete(ContextoExportar& c, const std::function<void(const QString&)>& titular);

// Sets the steps flash, gardaexport, paquete and escribirzip of contorno.pasos, telling through
// contorno.avisos. swf is the Flash player the program carries (none: no zub.swf is written).
void pasospaquete(ContornoExportar& contorno, const QByteArray& swf = {});

} // namespace quibel
