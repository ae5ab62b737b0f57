// The export's ZIP archive: entries from files or from bytes under archive names (paths with
// "/"), written in one pass with Deflate. Two archives of the same entries are the same bytes:
// entry times and attributes are fixed, not taken from the files.
#pragma once

#include "publish/exportaweb.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace quibel {

class ZipBuilder {
public:
    void clear();
    // The entry (from its file, or its bytes when arquivo is empty); a name already taken keeps
    // its first entry: false, nothing added.
    bool add(const EntradaZip& entrada);
    // An entry read from the file when the archive is written. A name already taken keeps its
    // first entry: false, nothing added.
    bool addFile(const QString& arquivo, const QString& nome);
    // An entry holding these bytes; the same rule for a taken name.
    bool addBytes(const QByteArray& datos, const QString& nome);
    QStringList names() const;
    const QList<EntradaZip>& entries() const { return entradas_; }
    int count() const { return int(entradas_.size()); }
    bool contains(const QString& nome) const { return nomes_.contains(nome); }

    // Writes every entry, in the order added, to arquivo, replacing a file of that name in one
    // rename; on failure the previous file stays and the failure's text is returned, else empty.
    QString write(const QString& arquivo) const;

private:
    QList<EntradaZip> entradas_;
    QSet<QString> nomes_;
};

// The driver's step: the entries in order written to arquivo; a later entry of a taken name is
// left out (its name added to fora when given). The failure's text, or empty.
QString escribirzip(const QString& arquivo, const QList<EntradaZip>& entradas, QStringList* fora = nullptr);

} // namespace quibel
