#include "publish/zipbuilder.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <zip.h>

#include <ctime>
#include <memory>

namespace quibel {

namespace {

// 1 January 2020, 00:00 local time: DOS times are local, so one machine always writes the same.
time_t horafixa() {
    std::tm t{};
    t.tm_year = 2020 - 1900;
    t.tm_mon = 0;
    t.tm_mday = 1;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

QString texto(zip_error_t* erro) {
    return QString::fromLocal8Bit(zip_error_strerror(erro));
}

} // namespace

void ZipBuilder::clear() {
    entradas_.clear();
    nomes_.clear();
}

bool ZipBuilder::add(const EntradaZip& entrada) {
    if (contains(entrada.nome)) return false;
    entradas_.append(entrada);
    nomes_.insert(entrada.nome);
    return true;
}

bool ZipBuilder::addFile(const QString& arquivo, const QString& nome) {
    return add(EntradaZip{arquivo, nome});
}

bool ZipBuilder::addBytes(const QByteArray& datos, const QString& nome) {
    return add(EntradaZip{{}, nome, datos});
}

QStringList ZipBuilder::names() const {
    QStringList r;
    r.reserve(entradas_.size());
    for (const EntradaZip& e : entradas_)
        r << e.nome;
    return r;
}

QString ZipBuilder::write(const QString& arquivo) const {
    const QString onde = QFileInfo(arquivo).absoluteFilePath();
    const auto fallo = [&](const QString& porque) { return onde + QStringLiteral(": ") + porque; };
    if (QFileInfo(onde).isDir()) return fallo(QStringLiteral("is a folder"));
    if (entradas_.isEmpty()) {
        // libzip deletes an archive left without entries: an empty one is its end record alone.
        QSaveFile f(onde);
        const QByteArray fin("PK\x05\x06" + QByteArray(18, '\0'));
        if (!f.open(QIODevice::WriteOnly) || f.write(fin) != fin.size() || !f.commit())
            return fallo(f.errorString());
        return {};
    }
    int codigo = 0;
    // ZIP_TRUNCATE: nothing of an existing file is read; zip_close writes a temporary file
    // beside it and renames it over the old one.
    zip_t* za = zip_open(QFile::encodeName(onde).constData(), ZIP_CREATE | ZIP_TRUNCATE, &codigo);
    if (!za) {
        zip_error_t erro;
        zip_error_init_with_code(&erro, codigo);
        const QString t = texto(&erro);
        zip_error_fini(&erro);
        return fallo(t);
    }
    const auto abortar = [&](const QString& porque) {
        zip_discard(za);
        return fallo(porque);
    };
    const time_t hora = horafixa();
    for (const EntradaZip& e : entradas_) {
        // libzip reads every source at zip_close; the byte arrays live in entradas_ until then.
        zip_source_t* fonte =
            e.arquivo.isEmpty() ? zip_source_buffer(za, e.datos.constData(), zip_uint64_t(e.datos.size()), 0)
                                : zip_source_file(za, QFile::encodeName(e.arquivo).constData(), 0, -1);
        if (!fonte) return abortar(e.nome + QStringLiteral(": ") + QString::fromLocal8Bit(zip_strerror(za)));
        const zip_int64_t i = zip_file_add(za, e.nome.toUtf8().constData(), fonte, ZIP_FL_ENC_UTF_8);
        if (i < 0) {
            zip_source_free(fonte);
            return abortar(e.nome + QStringLiteral(": ") + QString::fromLocal8Bit(zip_strerror(za)));
        }
        const auto u = zip_uint64_t(i);
        if (zip_set_file_compression(za, u, ZIP_CM_DEFLATE, 0) < 0 ||
            zip_file_set_mtime(za, u, hora, 0) < 0 ||
            zip_file_set_external_attributes(za, u, 0, ZIP_OPSYS_UNIX, zip_uint32_t(0100644) << 16) < 0)
            return abortar(QString::fromLocal8Bit(zip_strerror(za)));
    }
    if (zip_close(za) < 0) {
        const QString t = QString::fromLocal8Bit(zip_strerror(za));
        zip_discard(za);
        return fallo(t);
    }
    return {};
}

QString escribirzip(const QString& arquivo, const QList<EntradaZip>& entradas, QStringList* fora) {
    ZipBuilder z;
    for (const EntradaZip& e : entradas)
        if (!z.add(e) && fora) *fora << e.nome;
    return z.write(arquivo);
}

} // namespace quibel
