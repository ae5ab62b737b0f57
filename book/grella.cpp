#include "book/grella.h"

#include <algorithm>
#include <limits>

namespace quibel {

namespace {

// numerador / denominador (both positive) rounded half to even, in integers so that a tie is
// seen exactly.
qint64 redondeopar(int numerador, int denominador) {
    const qint64 cociente = numerador / denominador;
    const qint64 dobreresto = 2 * qint64(numerador % denominador);
    if (dobreresto > denominador || (dobreresto == denominador && cociente % 2 != 0)) return cociente + 1;
    return cociente;
}

// k steps along, held at the int range: such a line is far beyond the picture and clipped anyway.
int posicion(qint64 k, qint64 paso) {
    return int(std::min<qint64>(k * paso, std::numeric_limits<int>::max()));
}

} // namespace

std::vector<QLine> lineas(int ancho, int alto, int filas, int columnas) {
    std::vector<QLine> r;
    if (ancho <= 0 || alto <= 0 || filas <= 0 || columnas <= 0) return r;
    const qint64 pasox = redondeopar(ancho, columnas) + 1;
    const qint64 pasoy = redondeopar(alto, filas) + 1;
    r.reserve(std::size_t(columnas) + std::size_t(filas) + 2);
    for (qint64 k = 1; k <= qint64(columnas) + 1; ++k)
        r.emplace_back(posicion(k, pasox), 0, posicion(k, pasox), alto - 2);
    for (qint64 k = 1; k <= qint64(filas) + 1; ++k)
        r.emplace_back(0, posicion(k, pasoy), ancho - 2, posicion(k, pasoy));
    return r;
}

} // namespace quibel
