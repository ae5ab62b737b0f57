// The help command (toolbar button and F1): opens the help file of the interface language with
// the desktop's default application, or offers the makers' web site when there is none.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace quibel {

// The makers' web site that the help question offers. Until the project has a site this is the
// index of the help pages shipped with the program, found like the help files themselves; an
// absolute address ("https://...") here is opened as it is.
inline const QString webfabricantes = QStringLiteral("index.htm");

// Where help files are looked for, in order: the program folder, then the folders the data files
// are installed in. Each ends in "/".
QStringList carpetasaxuda(const QString& carpetaprograma);
// The first existing file base + ".htm", else base + ".pdf", folder by folder; names are matched
// exactly as written. Empty when there is none.
QString buscaraxuda(const QString& base, const QStringList& carpetas);
// The address that webfabricantes names; empty when it names a file that is in none of the folders.
QUrl enderezofabricantes(const QStringList& carpetas);

// The help command: the file named by interface string 220, else the question (string 159)
// whether to open the makers' web site. Goes through the installed services.
void abriraxuda(const QString& carpetaprograma);
void abriraxuda(const QStringList& carpetas);

} // namespace quibel
