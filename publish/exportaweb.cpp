#include "publish/exportaweb.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace quibel {

namespace {

QString falla(const QString& ruta, const QString& motivo) {
    return ruta + QStringLiteral(": ") + motivo;
}

} // namespace

Copia copiaficheiro(const QString& orixe, const QString& destino, bool substituir) {
    Copia r;
    // The source is checked first: a target kept or replaced means nothing when there is nothing
    // to copy.
    const QFileInfo fonte(orixe);
    if (!fonte.exists()) {
        r.erro = falla(orixe, QStringLiteral("No such file"));
        return r;
    }
    if (!fonte.isFile()) {
        r.erro = falla(orixe, QStringLiteral("Not a regular file"));
        return r;
    }
    QFile entrada(orixe);
    if (!entrada.open(QIODevice::ReadOnly)) {
        r.erro = falla(orixe, entrada.errorString());
        return r;
    }

    // A dangling link is a name in use all the same.
    const QFileInfo alvo(destino);
    r.existia = alvo.exists() || alvo.isSymLink();
    if (r.existia && !substituir) return r;

    QSaveFile saida(destino);
    if (!saida.open(QIODevice::WriteOnly)) {
        r.erro = falla(destino, saida.errorString());
        return r;
    }
    // Chunks keep memory flat for the odd large video.
    QByteArray bloque(64 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 lidos = entrada.read(bloque.data(), bloque.size());
        if (lidos < 0) {
            r.erro = falla(orixe, entrada.errorString());
            saida.cancelWriting();
            return r; // the destructor discards the temporary file
        }
        if (lidos == 0) break;
        if (saida.write(bloque.constData(), lidos) != lidos) {
            r.erro = falla(destino, saida.errorString());
            saida.cancelWriting();
            return r;
        }
    }
    if (!saida.commit()) {
        r.erro = falla(destino, saida.errorString());
        return r;
    }
    r.ok = true;
    return r;
}

} // namespace quibel
