// The positioned, picture-set and number editors in the main window: a new page of each type gets
// its defaults through the window's cycle, and showing a moving-pictures page forgets the picture
// selected on another.
#include "ventaproba.h"

using namespace quibel;
using proba::Venta;

TEST_F(Venta, NewPagesOfThePositionedAndNumberTypes) {
    libro({"1"});
    const struct {
        int tipo;
        std::vector<std::pair<int, const char*>> campos;
    } casos[] = {
        {20, {{7, "400"}, {24, "210"}, {26, "1"}}},
        {23, {{7, "420"}, {24, "310"}, {26, "0"}}},
        {25, {{8, "1"}, {4, "0"}, {26, "0"}}},
        {26, {{26, "0"}, {8, ""}}},
        {30, {{28, "0"}, {7, "470"}, {24, "250"}, {26, "0"}}},
        {32, {{26, ""}}},
        {33, {{26, "0"}}},
        {35, {{8, "0"}}},
        {39, {{26, "1"}, {18, "FFFFFF"}, {29, "000000"}}},
        {40, {{8, "+"}, {26, "0"}}},
        {41, {{8, "+"}, {26, "0"}, {18, "0"}}},
        {51, {{26, "0"}, {8, "0"}, {11, "0"}}},
    };
    for (const auto& c : casos)
        form->iniciatipo(c.tipo);
    form->bpaxinasClick(); // the last page is stored too
    for (size_t i = 0; i < std::size(casos); ++i) {
        const Tpaxina& p = form->libro.paxina(int(i) + 2);
        ASSERT_EQ(p[0], QString::number(casos[i].tipo));
        for (const auto& [n, v] : casos[i].campos)
            EXPECT_EQ(p[n], v) << "type " << casos[i].tipo << " P" << n;
    }
}

TEST_F(Venta, AMovingPicturesPageStartsWithNoPictureSelected) {
    libro({"23", "23"});
    form->bpaxinasClick();
    form->imaxemarcada = 2; // as a drop on the second picture leaves it
    form->SpeedButton10Click();
    EXPECT_EQ(form->imaxemarcada, 0);
}
