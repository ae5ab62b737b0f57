#include "book/cadros.h"

#include "book/rutinas.h"

namespace quibel {

void SquareGrid::cargar(const Tpaxina& p) {
    for (int f = 0; f < filas; ++f)
        for (int c = 0; c < columnas; ++c) {
            const QString t = cpAt(p[f + 1], c);
            celas_[f][c] = t == QLatin1String("0") ? QString() : t;
        }
}

void SquareGrid::gardar(Tpaxina& p, bool aleatorio) const {
    if (aleatorio) return;
    for (int f = 0; f < filas; ++f) {
        QString fila;
        for (const QString& t : celas_[f])
            fila += t.isEmpty() ? QStringLiteral("0") : t;
        p[f + 1] = fila;
    }
}

void SquareGrid::premer(int columna, int fila, int escollida) {
    QString& t = celas_.at(fila).at(columna);
    t = t.isEmpty() ? QString::number(escollida + 1) : QString();
}

QColor SquareGrid::cornumero(int n) {
    static const QColor cores[numcores] = {
        QColor(0xFF, 0x00, 0x00), // red
        QColor(0x00, 0xFF, 0x00), // green
        QColor(0x00, 0x00, 0xFF), // blue
        QColor(0xFF, 0x80, 0x00), // orange
        QColor(0xFF, 0xFF, 0x00), // yellow
        QColor(0xC8, 0xA2, 0xC8), // lilac
        QColor(0xFF, 0xFF, 0xFF), // white
        QColor(0x00, 0x00, 0x00), // black
    };
    return n >= 1 && n <= numcores ? cores[n - 1] : QColor(Qt::white);
}

QColor SquareGrid::cor(const QString& texto) {
    if (texto.size() != 1) return Qt::white;
    return cornumero(texto[0].unicode() - u'0');
}

} // namespace quibel
