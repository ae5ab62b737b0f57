// The SCORM 1.2 files of an export's package: the run-time script that links the published page
// with the learning management system, and the manifest filled from its template. Both come from
// tpl/scorm/ in the program folder when there, else from the program's own resources.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quibel {

inline constexpr char nomescriptscorm[] = "scormzub.js";
inline constexpr char nomemanifesto[] = "imsmanifest.xml";

// The bytes of tpl/scorm/<nome> under carpetaprograma when that file exists, else of the carried
// resource. Throws std::runtime_error when the file that exists cannot be read.
QByteArray arquivoscorm(const QString& carpetaprograma, const QString& nome);

// A value for XML text or attributes: "&", "<", ">", '"' and "'" as entities, and the control
// characters XML 1.0 forbids (all below U+0020 but TAB, LF and CR) dropped.
QString escapaxml(const QString& texto);

// What the manifest's placeholders receive, unescaped.
struct DatosManifesto {
    QStringList nomes; // archive names of the package's entries, in order
    QString nomezub;   // [[nomezub]]
    QString nomeweb;   // [[nomeweb]]: the HTML page
    QString titulo;    // [[titulo]]
    QString lom;       // the LOM file's archive name, empty when none was added
};

// The manifest: the template's bytes (a byte-order mark kept) with "[[ficheiros]]" (one
// '<file href="name" />' line per entry), "[[nomezub]]", "[[nomeweb]]", "[[titulo]]" and
// "[[metadata]]" (the LOM location element, or nothing) replaced, every value escaped; then
// split into lines at CR, LF or CR LF and written with CR LF after every line. A value is never
// scanned for placeholders.
QByteArray manifesto(const QByteArray& modelo, const DatosManifesto& datos);

} // namespace quibel
