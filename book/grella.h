// The grid drawn over a puzzle's picture, as plain geometry: the window paints these lines and
// the tests check them without a display.
#pragma once

#include <QLine>

#include <vector>

namespace quibel {

// The grid of a picture ancho × alto cut into filas × columnas: first the vertical lines, then the
// horizontal ones. Each step is the picture's size over the count, rounded half to even, plus one
// pixel for the line itself; lines beyond the picture are kept for the painter to clip. Empty when
// any argument is not positive.
std::vector<QLine> lineas(int ancho, int alto, int filas, int columnas);

} // namespace quibel
