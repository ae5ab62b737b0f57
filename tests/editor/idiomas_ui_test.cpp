// The main window's language list and menu.
#include "editor/quibelf.h"
#include "languages/idiomas.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace quibel;

namespace {

class IdiomasVenta : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(dir.isValid());
        form = std::make_unique<TForm1>();
        form->libro.carpetacfg = dir.path() + "/";
    }
    QString cfg() const { return dir.path() + "/quibel.cfg"; }
    QByteArray gardado() const {
        QFile f(cfg());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir;
    std::unique_ptr<TForm1> form;
};

} // namespace

TEST_F(IdiomasVenta, ListAndMenuHoldTheTwelveLanguagesInOrder) {
    auto* combo = form->findChild<QComboBox*>("comboidiomas");
    ASSERT_EQ(combo, form->comboidiomas);
    EXPECT_FALSE(combo->isEditable());
    ASSERT_EQ(combo->count(), numidiomas);
    for (int n = 0; n < numidiomas; ++n)
        EXPECT_EQ(combo->itemText(n), nomesidiomas[n]);

    auto* popm = form->findChild<QMenu*>("popm");
    ASSERT_EQ(popm, form->popm);
    const char* const nomes[] = {"Espaol1",  "Galego1",   "Catal1",     "Euskara1", "Portugus1", "English1",
                                 "Franais1", "Italiano1", "Asturianu1", "Deusche1", "Po1",       "Valenci1"};
    const QList<QAction*> items = popm->actions();
    ASSERT_GE(items.size(), numidiomas);
    for (int n = 0; n < numidiomas; ++n) {
        EXPECT_EQ(items[n]->objectName(), nomes[n]);
        EXPECT_EQ(items[n]->text(), n == 10 ? QString("Português_Brasil") : nomesidiomas[n]);
    }
}

TEST_F(IdiomasVenta, MenuChoiceStoresAndAppliesTheLanguage) {
    form->Valenci1->trigger();
    EXPECT_EQ(gardado(), QByteArray("VAL\r\n"));
    EXPECT_EQ(form->comboidiomas->currentIndex(), 11);
    EXPECT_EQ(textosui[220], "quibel_va");
    EXPECT_EQ(idiomavisor, 7);

    form->English1->trigger();
    EXPECT_EQ(gardado(), QByteArray("ENG\r\n"));
    EXPECT_EQ(form->comboidiomas->currentIndex(), 5);
}

TEST_F(IdiomasVenta, UserChoiceInTheListStoresTheLanguage) {
    form->Espaol1->trigger();
    QFile::remove(cfg());
    QTest::keyClick(form->comboidiomas, Qt::Key_Down);
    EXPECT_EQ(form->comboidiomas->currentIndex(), 1);
    EXPECT_EQ(gardado(), QByteArray("GAL\r\n"));
    EXPECT_EQ(textosui[220], "quibel_gz");
}

TEST_F(IdiomasVenta, SelectingByProgramIsNoChoice) {
    form->Espaol1->trigger();
    QFile::remove(cfg());

    form->cambiacomboidiomas(5);
    EXPECT_EQ(form->comboidiomas->currentIndex(), 5);
    EXPECT_EQ(textosui[220], "quibel_es") << "no language applied";
    // Applying a language moves the list without storing anything either.
    aplicaridioma(9);
    EXPECT_EQ(form->comboidiomas->currentIndex(), 9);
    EXPECT_FALSE(QFile::exists(cfg()));

    for (int n : {idiomalingua, 12, -2}) {
        form->cambiacomboidiomas(n);
        EXPECT_EQ(form->comboidiomas->currentIndex(), 9) << n;
    }
    form->cambiacomboidiomas(-1);
    EXPECT_EQ(form->comboidiomas->currentIndex(), -1);
    EXPECT_FALSE(QFile::exists(cfg()));
}

TEST_F(IdiomasVenta, AClosedWindowLeavesNoHookBehind) {
    form.reset();
    aplicaridioma(5); // would call into the destroyed window
    EXPECT_EQ(textosui[220], "quibel_en");
}
