#include "book/grella.h"

#include <gtest/gtest.h>

using namespace quibel;

namespace {

struct Caso {
    int ancho, alto, filas, columnas;
    int pasox, pasoy; // by hand: size / count rounded half to even, plus one
};

// Ties both ways: 62.5 goes down to 62, 67.5 up to 68.
const Caso casos[] = {
    {300, 300, 3, 3, 101, 101}, {250, 250, 4, 4, 63, 63},  {270, 270, 4, 4, 69, 69},
    {300, 300, 4, 4, 76, 76},   {400, 200, 2, 5, 81, 101},
};

} // namespace

TEST(Lineas, StepsCountAndEnds) {
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << c.ancho << "x" << c.alto << " " << c.filas << "x" << c.columnas);
        const std::vector<QLine> l = lineas(c.ancho, c.alto, c.filas, c.columnas);
        ASSERT_EQ(l.size(), std::size_t(c.columnas + 1 + c.filas + 1));
        EXPECT_EQ(l.front(), QLine(c.pasox, 0, c.pasox, c.alto - 2));
        EXPECT_EQ(l[c.columnas],
                  QLine((c.columnas + 1) * c.pasox, 0, (c.columnas + 1) * c.pasox, c.alto - 2));
        EXPECT_EQ(l[c.columnas + 1], QLine(0, c.pasoy, c.ancho - 2, c.pasoy));
        EXPECT_EQ(l.back(), QLine(0, (c.filas + 1) * c.pasoy, c.ancho - 2, (c.filas + 1) * c.pasoy));
    }
}

TEST(Lineas, WholeGridOfAnUnevenPicture) {
    // 10 / 3 = 3.33 -> 3 -> 4 across; 7 / 2 = 3.5 -> 4 -> 5 down.
    const std::vector<QLine> esperadas = {
        QLine(4, 0, 4, 5), QLine(8, 0, 8, 5),   QLine(12, 0, 12, 5), QLine(16, 0, 16, 5),
        QLine(0, 5, 8, 5), QLine(0, 10, 8, 10), QLine(0, 15, 8, 15),
    };
    EXPECT_EQ(lineas(10, 7, 2, 3), esperadas);
}

TEST(Lineas, NothingWithoutAPositiveSizeOrCount) {
    const int casos[][4] = {{300, 300, 0, 3}, {300, 300, 3, 0}, {300, 300, -1, 3}, {300, 300, 3, -2},
                            {0, 300, 3, 3},   {300, 0, 3, 3},   {-5, 300, 3, 3}};
    for (const auto& c : casos)
        EXPECT_TRUE(lineas(c[0], c[1], c[2], c[3]).empty())
            << c[0] << " " << c[1] << " " << c[2] << " " << c[3];
}
