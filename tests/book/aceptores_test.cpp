// Which resource drops each kind of target accepts: every kind of choice against every predicate.
#include "book/aceptores.h"

#include <gtest/gtest.h>

using namespace quibel;

TEST(Aceptores, KindsAgainstTargets) {
    // Accepted kinds 0..4 with a chosen file; then with nothing chosen.
    const struct {
        const char* nome;
        bool (*aceptor)(int, const QString&);
        bool tipos[5];
        bool senarquivo;
    } casos[] = {
        {"logoDragOver", logoDragOver, {true, true, false, true, false}, false},
        {"txtsonDragOver", txtsonDragOver, {false, false, true, false, false}, false},
        {"txtsotextoDragOver", txtsotextoDragOver, {true, true, true, true, true}, true},
        {"sobretexto", sobretexto, {false, false, false, false, true}, false},
        {"axudaDragOver", axudaDragOver, {false, false, false, false, true}, true},
    };
    for (const auto& c : casos) {
        for (int tipo = 0; tipo <= 4; ++tipo) {
            EXPECT_EQ(c.aceptor(tipo, "/res/a.png"), c.tipos[tipo]) << c.nome << " kind " << tipo;
            // A folder or nothing chosen is no file to drop.
            EXPECT_EQ(c.aceptor(tipo, "/res/"), c.tipos[tipo] && c.senarquivo) << c.nome << " kind " << tipo;
            EXPECT_EQ(c.aceptor(tipo, ""), c.tipos[tipo] && c.senarquivo) << c.nome << " kind " << tipo;
        }
    }
}
