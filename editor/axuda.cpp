#include "editor/axuda.h"

#include "book/rutinas.h"
#include "editor/servizos.h"
#include "languages/idiomas.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quibel {

namespace {

QString carpeta(const QString& ruta) {
    return condelimitador(QDir::cleanPath(ruta));
}

QString arquivoen(const QString& nome, const QStringList& carpetas) {
    for (const QString& c : carpetas) {
        const QString ruta = c + nome;
        if (QFileInfo(ruta).isFile()) return ruta;
    }
    return {};
}

} // namespace

QStringList carpetasaxuda(const QString& carpetaprograma) {
    QStringList r;
    const auto engadir = [&r](const QString& c) {
        if (!c.isEmpty() && !r.contains(c)) r << c;
    };
    if (!carpetaprograma.isEmpty()) {
        engadir(carpeta(carpetaprograma));
        // An installed tree keeps its data in share/quibel beside bin/, wherever it was moved to.
        engadir(carpeta(condelimitador(carpetaprograma) + QStringLiteral("../share/quibel")));
    }
#ifdef QUIBEL_DATADIR
    engadir(carpeta(QStringLiteral(QUIBEL_DATADIR)));
#endif
    for (const QString& d : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        engadir(carpeta(d + QStringLiteral("/quibel")));
    return r;
}

QString buscaraxuda(const QString& base, const QStringList& carpetas) {
    for (const QString& c : carpetas) {
        for (const char* extension : {".htm", ".pdf"}) {
            const QString ruta = c + base + QLatin1String(extension);
            if (QFileInfo(ruta).isFile()) return ruta;
        }
    }
    return {};
}

QUrl enderezofabricantes(const QStringList& carpetas) {
    const QUrl enderezo(webfabricantes);
    if (!enderezo.isRelative()) return enderezo;
    const QString ruta = arquivoen(webfabricantes, carpetas);
    return ruta.isEmpty() ? QUrl() : QUrl::fromLocalFile(ruta);
}

void abriraxuda(const QStringList& carpetas) {
    const Servizos& s = servizos();
    const QString ruta = buscaraxuda(textosui[220], carpetas);
    if (!ruta.isEmpty()) {
        if (s.aplicacion) s.aplicacion->abrir(QUrl::fromLocalFile(ruta));
        return;
    }
    if (!s.dialogos) return;
    if (s.dialogos->pregunta(textosui[159], QMessageBox::Yes | QMessageBox::No, QMessageBox::NoIcon) !=
        QMessageBox::Yes)
        return;
    const QUrl web = enderezofabricantes(carpetas);
    if (!web.isEmpty() && s.aplicacion) s.aplicacion->abrir(web);
}

void abriraxuda(const QString& carpetaprograma) {
    abriraxuda(carpetasaxuda(carpetaprograma));
}

} // namespace quibel
