#include "editor/modulos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLibrary>
#include <QStringList>
#include <memory>

namespace quibel {

namespace {

// Where a module is looked for: beside the program, in the build folder (tests and benchmarks
// run from folders of their own), then in the installed library folder.
QStringList carpetasmodulos() {
    QStringList r;
    if (QCoreApplication::instance()) r << QCoreApplication::applicationDirPath();
#ifdef QUIBEL_MODULOS_BUILD
    r << QStringLiteral(QUIBEL_MODULOS_BUILD);
#endif
#ifdef QUIBEL_MODULOS_LIBDIR
    r << QStringLiteral(QUIBEL_MODULOS_LIBDIR);
#endif
    return r;
}

} // namespace

void* funcionmodulo(const char* nome, const char* simbolo, QString* erro) {
    // Opened modules stay loaded to the end: objects they made may live that long.
    static QHash<QString, std::shared_ptr<QLibrary>> abertos;
    const QString clave = QString::fromLatin1(nome);
    std::shared_ptr<QLibrary>& lib = abertos[clave];
    if (!lib || !lib->isLoaded()) {
        lib = std::make_shared<QLibrary>();
        QString motivo;
        for (const QString& carpeta : carpetasmodulos()) {
            const QString ruta =
                QDir(carpeta).filePath(QStringLiteral("libquibel") + clave + QStringLiteral(".so"));
            if (!QFile::exists(ruta)) continue;
            lib->setFileName(ruta);
            if (lib->load()) break;
            motivo = lib->errorString();
        }
        if (!lib->isLoaded()) {
            if (erro)
                *erro = motivo.isEmpty() ? QStringLiteral("libquibel%1.so: not found").arg(clave) : motivo;
            return nullptr;
        }
    }
    void* f = reinterpret_cast<void*>(lib->resolve(simbolo));
    if (!f && erro) *erro = lib->errorString();
    return f;
}

} // namespace quibel
