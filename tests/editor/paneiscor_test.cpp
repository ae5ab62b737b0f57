#include "editor/paneiscor.h"
#include "fakes.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace quibel;

TEST(ColourPanel, OkSetsTheColourAndTellsCancelChangesNothing) {
    proba::ServizosFalsos f;
    ColourPanel p;
    p.setColor(Qt::white);
    QSignalSpy cambios(&p, &ColourPanel::corcambiada);
    f.dialogos->cores.push_back(QColor(0x12, 0x34, 0x56));
    QTest::mouseClick(&p, Qt::LeftButton);
    EXPECT_EQ(p.color(), QColor(0x12, 0x34, 0x56));
    ASSERT_EQ(cambios.size(), 1);
    EXPECT_EQ(cambios[0][0].value<QColor>(), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(gardarcor(&p), "123456");

    QTest::mouseClick(&p, Qt::LeftButton); // the chooser cancels
    EXPECT_EQ(p.color(), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(cambios.size(), 1);
}

TEST(ColourPanel, LoadsLenientlyFromAField) {
    struct Caso {
        const char* campo;
        QColor agardado;
    };
    const Caso casos[] = {
        {"FF8040", QColor(0xFF, 0x80, 0x40)},
        {"ff8040", QColor(0xFF, 0x80, 0x40)},
        {"", Qt::green},
        {"verde", Qt::green},
        {"12345G", Qt::green},
    };
    Panel p;
    for (const Caso& c : casos) {
        p.setColor(Qt::red);
        cargarcor(&p, QString::fromLatin1(c.campo), Qt::green);
        EXPECT_EQ(p.color(), c.agardado) << c.campo;
    }
}

TEST(ColourPanel, ReceiversTakeTheColourInTheirOwnRole) {
    QLineEdit edit;
    QPlainTextEdit memo;
    QGroupBox caixa;
    const QColor cor(0x20, 0x40, 0x60);
    for (QWidget* w : {static_cast<QWidget*>(&edit), static_cast<QWidget*>(&memo)}) {
        darcor(w, cor, PapelCor::fondo);
        darcor(w, Qt::red, PapelCor::texto);
        EXPECT_EQ(w->palette().color(QPalette::Base), cor);
        EXPECT_EQ(w->palette().color(QPalette::Text), QColor(Qt::red));
    }
    darcor(&caixa, cor, PapelCor::fondo);
    EXPECT_EQ(caixa.palette().color(QPalette::Window), cor);
    EXPECT_TRUE(caixa.autoFillBackground());
}
