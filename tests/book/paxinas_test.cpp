#include "book/paxinas.h"

#include <gtest/gtest.h>
#include <memory>

using namespace quibel;

namespace {

// A book of n pages: page i has type "i", header "h<i>" and a wide text "w<i>" in index 6.
std::unique_ptr<Documento> bookOf(int n, int actual) {
    auto d = std::make_unique<Documento>();
    Book& b = d->libro;
    b.numpaxinas = quint8(n);
    d->porpaxinaactual(actual);
    for (int i = 1; i <= n; ++i) {
        b.paxina(i)[0] = QString::number(i);
        b.paxina(i)[35] = QString("h%1").arg(i);
        b.texto(i, 6) = QString("w%1").arg(i);
    }
    return d;
}

// The header of each page, "-" for a blank one: the page order at a glance.
QString order(const Book& b) {
    QStringList s;
    for (int i = 1; i <= b.numpaxinas; ++i) {
        const QString& h = b.paxina(i)[35];
        EXPECT_EQ(b.texto(i, 6), h.isEmpty() ? QString() : "w" + h.mid(1))
            << "wide text moves with page " << i;
        s << (h.isEmpty() ? "-" : h);
    }
    return s.join(' ');
}

} // namespace

TEST(PageList, InsertTable) {
    struct Row {
        int pages, actual, n;
        bool ok;
        const char* after;
        int actualAfter;
    };
    const Row rows[] = {
        {5, 2, 3, true, "h1 h2 - - - h3 h4 h5", 3},
        {0, 0, 1, true, "-", 1},
        {3, 0, 1, true, "- h1 h2 h3", 1},
        {3, 3, 1, true, "h1 h2 h3 -", 4},
        {98, 98, 1, true, nullptr, 99},
        {99, 5, 1, false, nullptr, 5},
        {97, 1, 3, false, nullptr, 1},
    };
    for (const Row& r : rows) {
        auto db = bookOf(r.pages, r.actual);
        Book& b = db->libro;
        EXPECT_EQ(paxinanova(*db, r.n), r.ok) << r.pages << "+" << r.n;
        EXPECT_EQ(db->paxinaactual(), r.actualAfter);
        EXPECT_EQ(b.numpaxinas, r.ok ? r.pages + r.n : r.pages);
        if (r.after) {
            EXPECT_EQ(order(b), r.after);
        }
    }
}

TEST(PageList, InsertAfterAMenuPageKeepsItsSixthButton) {
    auto db = bookOf(2, 1);
    Book& b = db->libro;
    b.texto(1, 6) = "w1";
    b.texto(2, 1) = "first button of page 2";
    paxinanova(*db, 1);
    EXPECT_EQ(b.texto(1, 6), "w1");
    EXPECT_TRUE(b.texto(2, 1).isEmpty());
    EXPECT_EQ(b.texto(3, 1), "first button of page 2");
    EXPECT_TRUE(b.paxina(2)[0].isEmpty()) << "the new page has no type yet";
}

TEST(PageList, DuplicateCopiesFieldsAndWideTexts) {
    auto db = bookOf(3, 2);
    Book& b = db->libro;
    b.texto(2, 1) = "rich";
    ASSERT_TRUE(duplicarpaxina(*db));
    EXPECT_EQ(order(b), "h1 h2 h2 h3");
    EXPECT_EQ(db->paxinaactual(), 3);
    EXPECT_EQ(b.texto(3, 1), "rich");
    EXPECT_EQ(b.paxina(3)[0], "2");

    auto dnone = bookOf(3, 0);
    EXPECT_FALSE(duplicarpaxina(*dnone));
    auto dfull = bookOf(99, 4);
    Book& full = dfull->libro;
    EXPECT_FALSE(duplicarpaxina(*dfull));
    EXPECT_EQ(full.numpaxinas, 99);
    EXPECT_EQ(dfull->paxinaactual(), 4);
}

TEST(PageList, DeleteTable) {
    struct Row {
        int pages, actual;
        const char* after;
        int actualAfter;
    };
    const Row rows[] = {
        {3, 1, "h2 h3", 1},
        {3, 2, "h1 h3", 1},
        {3, 3, "h1 h2", 2},
        {1, 1, "", 0},
    };
    for (const Row& r : rows) {
        auto db = bookOf(r.pages, r.actual);
        Book& b = db->libro;
        ASSERT_TRUE(borrarpaxina(*db));
        EXPECT_EQ(order(b), r.after);
        EXPECT_EQ(db->paxinaactual(), r.actualAfter);
        // The vacated row is empty, wide texts included.
        EXPECT_TRUE(b.paxina(r.pages)[0].isEmpty());
        EXPECT_TRUE(b.texto(r.pages, 6).isEmpty());
    }
    auto dnone = bookOf(2, 0);
    Book& none = dnone->libro;
    EXPECT_FALSE(borrarpaxina(*dnone));
    EXPECT_EQ(none.numpaxinas, 2);
}

TEST(PageList, OrderListAndApply) {
    auto db = bookOf(3, 2);
    Book& b = db->libro;
    b.paxina(2)[35] = "h2";
    QStringList linas = linasorde(b);
    EXPECT_EQ(linas, (QStringList{"01 >h1", "02 >h2", "03 >h3"}));
    linas.move(2, 0);
    aplicarorde(b, linas);
    EXPECT_EQ(order(b), "h3 h1 h2");
    EXPECT_EQ(db->paxinaactual(), 2) << "the current number stays";
    EXPECT_EQ(linasorde(bookOf(12, 0)->libro)[9], "10 >h10");

    EXPECT_EQ(paxinadalina("xx >y"), 1);
    auto done = bookOf(1, 1);
    Book& one = done->libro;
    aplicarorde(one, {"05 >nothing"});
    EXPECT_EQ(order(one), "h1");
}

TEST(PageList, TypeBeforeShowing) {
    struct Row {
        const char* p0;
        int tipo;
        const char* p0After;
    };
    const Row rows[] = {{"7", 7, "7"},    {"", 0, ""},   {"abc", 0, "abc"},
                        {"60", 51, "51"}, {"0", 0, "0"}, {"51", 51, "51"}};
    for (const Row& r : rows) {
        Tpaxina p;
        p[0] = r.p0;
        EXPECT_EQ(tipoparamostrar(p), r.tipo) << r.p0;
        EXPECT_EQ(p[0], r.p0After);
    }
}
