// The scroll area that skips layout requests which change nothing: after every change of its
// content it shows what a plain scroll area shows.
#include "editor/areadesprazada.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

using namespace quibel;

namespace {

struct Montaxe {
    std::unique_ptr<QScrollArea> area;
    QWidget* contido = new QWidget;
    QLabel* bloque = new QLabel(QStringLiteral("x"));
    explicit Montaxe(QScrollArea* a) : area(a) {
        area->setWidgetResizable(true);
        (new QVBoxLayout(contido))->addWidget(bloque);
        area->setWidget(contido);
        area->resize(200, 200);
        area->show();
    }
    // What the author sees of the bars and the content.
    std::vector<int> vista() const {
        std::vector<int> r;
        for (const QScrollBar* b : {area->horizontalScrollBar(), area->verticalScrollBar()})
            r.insert(r.end(), {int(b->isVisible()), b->maximum(), b->pageStep(), b->value()});
        const QRect g = contido->geometry();
        r.insert(r.end(), {g.x(), g.y(), g.width(), g.height()});
        return r;
    }
};

} // namespace

TEST(AreaDesprazada, ShowsWhatAPlainScrollAreaShows) {
    Montaxe plana(new QScrollArea), propia(new AreaDesprazada);
    const auto agardar = [] {
        for (int i = 0; i < 4; ++i)
            QApplication::processEvents();
    };
    agardar();
    ASSERT_EQ(propia.vista(), plana.vista());
    // Taller than the area, the same again, a text that changes nothing, back, wider and taller,
    // and a scroll.
    const struct {
        QSize minimo;
        const char* texto;
        int valor;
    } pasos[] = {{{100, 500}, "x", 0},   {{100, 500}, "x", 0},   {{100, 500}, "y", 0},
                 {{100, 100}, "y", 0},   {{400, 900}, "y", 0},   {{400, 900}, "y", 300},
                 {{400, 900}, "z", 300}, {{400, 250}, "z", 300}, {{50, 50}, "z", 0}};
    int n = 0;
    for (const auto& p : pasos) {
        for (Montaxe* m : {&plana, &propia}) {
            m->bloque->setMinimumSize(p.minimo);
            m->bloque->setText(QString::fromLatin1(p.texto));
            m->area->verticalScrollBar()->setValue(p.valor);
        }
        agardar();
        EXPECT_EQ(propia.vista(), plana.vista()) << "step " << n;
        EXPECT_EQ(propia.contido->height() > 200, propia.area->verticalScrollBar()->isVisible())
            << "step " << n;
        ++n;
    }
}
