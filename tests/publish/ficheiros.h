// Files for the publishing tests: written with their folders, read back whole.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include "publish/exportaweb.h"

#include <gtest/gtest.h>

namespace quibel::proba {

inline void escribir(const QString& ruta, const QByteArray& datos) {
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << ruta.toStdString();
    ASSERT_EQ(f.write(datos), datos.size());
}

inline QByteArray ler(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

inline QString q(const char* s) {
    return QString::fromUtf8(s);
}

} // namespace quibel::proba

namespace quibel {
inline void PrintTo(const EntradaZip& e, std::ostream* os) {
    *os << "{" << e.arquivo.toStdString() << " as " << e.nome.toStdString() << "}";
}
} // namespace quibel
