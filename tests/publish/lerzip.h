// Reading an archive back in the publishing tests: through libzip, and its central directory
// as raw records (flags, method, times, attributes as written).
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include <zip.h>

namespace quibel::proba {

struct EntradaLida {
    QString nome;
    QByteArray datos;
};

// The entries in archive order, or nothing when libzip cannot open the file.
inline std::optional<QList<EntradaLida>> lerzip(const QString& arquivo) {
    int erro = 0;
    zip_t* za = zip_open(QFile::encodeName(arquivo).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &erro);
    if (!za) return std::nullopt;
    QList<EntradaLida> r;
    const zip_int64_t n = zip_get_num_entries(za, 0);
    for (zip_int64_t i = 0; i < n; ++i) {
        zip_stat_t st;
        zip_stat_index(za, zip_uint64_t(i), 0, &st);
        QByteArray datos(qsizetype(st.size), '\0');
        zip_file_t* f = zip_fopen_index(za, zip_uint64_t(i), 0);
        if (f) {
            zip_fread(f, datos.data(), st.size);
            zip_fclose(f);
        }
        r.append({QString::fromUtf8(zip_get_name(za, zip_uint64_t(i), 0)), datos});
    }
    zip_close(za);
    return r;
}

inline QStringList nomeszip(const QString& arquivo) {
    QStringList r;
    if (const auto e = lerzip(arquivo))
        for (const EntradaLida& x : *e)
            r << x.nome;
    return r;
}

// One record of the central directory.
struct Central {
    quint16 flags, metodo, hora, data;
    quint32 externos;
    QByteArray nome;
};

inline quint32 le(const QByteArray& b, qsizetype i, int bytes) {
    quint32 v = 0;
    for (int k = bytes - 1; k >= 0; --k)
        v = (v << 8) | quint8(b[i + k]);
    return v;
}

// The central directory of an archive without a comment.
inline QList<Central> central(const QByteArray& zip) {
    QList<Central> r;
    if (zip.size() < 22) return r;
    const qsizetype fin = zip.size() - 22;
    const quint32 conta = le(zip, fin + 10, 2);
    qsizetype i = le(zip, fin + 16, 4);
    for (quint32 k = 0; k < conta && i + 46 <= zip.size(); ++k) {
        const quint32 n = le(zip, i + 28, 2), extra = le(zip, i + 30, 2), comentario = le(zip, i + 32, 2);
        r.append({quint16(le(zip, i + 8, 2)), quint16(le(zip, i + 10, 2)), quint16(le(zip, i + 12, 2)),
                  quint16(le(zip, i + 14, 2)), le(zip, i + 38, 4), zip.mid(i + 46, n)});
        i += 46 + n + extra + comentario;
    }
    return r;
}

} // namespace quibel::proba
