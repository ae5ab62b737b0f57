#include "publish/zipbuilder.h"

#include "ficheiros.h"
#include "lerzip.h"

#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quibel;
using namespace quibel::proba;

namespace {

class ZipTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        base = tmp.path() + "/";
        escribir(base + "a.png", QByteArray(5000, 'a'));
        escribir(base + q("Ñu.txt"), "ñu\r\n");
    }
    // The fixture's entries: files with "/" in their names, UTF-8, bytes made in memory.
    ZipBuilder entradas() {
        ZipBuilder z;
        z.addFile(base + "a.png", "recursos/a.png");
        z.addFile(base + q("Ñu.txt"), q("recursos/sub/Ñu.txt"));
        z.addBytes("<manifest/>\r\n", "imsmanifest.xml");
        return z;
    }
    QStringList enCartafol() const {
        return QDir(base).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir tmp;
    QString base;
};

} // namespace

TEST_F(ZipTest, EntriesReadBackInOrderWithTheirNamesAndBytes) {
    const ZipBuilder z = entradas();
    EXPECT_EQ(z.count(), 3);
    EXPECT_EQ(z.names(), (QStringList{"recursos/a.png", q("recursos/sub/Ñu.txt"), "imsmanifest.xml"}));
    ASSERT_EQ(z.write(base + "p.zip"), "");
    const auto lidas = lerzip(base + "p.zip");
    ASSERT_TRUE(lidas);
    ASSERT_EQ(lidas->size(), 3);
    EXPECT_EQ((*lidas)[0].nome, "recursos/a.png");
    EXPECT_EQ((*lidas)[0].datos, QByteArray(5000, 'a'));
    EXPECT_EQ((*lidas)[1].nome, q("recursos/sub/Ñu.txt"));
    EXPECT_EQ((*lidas)[1].datos, q("ñu\r\n").toUtf8());
    EXPECT_EQ((*lidas)[2].datos, "<manifest/>\r\n");

    // As written: Deflate, the UTF-8 flag on the name that needs it, a fixed time (1 January
    // 2020, 00:00) and plain file attributes, whatever the source files say.
    const QList<Central> c = central(ler(base + "p.zip"));
    ASSERT_EQ(c.size(), 3);
    for (const Central& e : c) {
        SCOPED_TRACE(e.nome.toStdString());
        EXPECT_EQ(e.metodo, 8);
        EXPECT_EQ(e.data, (2020 - 1980) << 9 | 1 << 5 | 1);
        EXPECT_EQ(e.hora, 0);
        EXPECT_EQ(e.externos >> 16, 0100644u);
    }
    EXPECT_TRUE(c[1].flags & 0x800) << "UTF-8 name flag";
    EXPECT_EQ(c[1].nome, q("recursos/sub/Ñu.txt").toUtf8());
}

TEST_F(ZipTest, TheSameEntriesGiveTheSameBytes) {
    ASSERT_EQ(entradas().write(base + "1.zip"), "");
    // Other file times and permissions change nothing.
    QFile f(base + "a.png");
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addYears(-3), QFileDevice::FileModificationTime));
    f.close();
    QFile::setPermissions(base + "a.png", QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_EQ(entradas().write(base + "2.zip"), "");
    EXPECT_EQ(ler(base + "1.zip"), ler(base + "2.zip"));
    EXPECT_GT(ler(base + "1.zip").size(), 100);
}

TEST_F(ZipTest, ATakenNameKeepsItsFirstEntry) {
    ZipBuilder z = entradas();
    EXPECT_FALSE(z.addBytes("other", "imsmanifest.xml"));
    EXPECT_FALSE(z.addFile(base + "a.png", "recursos/a.png"));
    EXPECT_TRUE(z.addFile(base + "a.png", "recursos/A.png")) << "names are compared exactly";
    EXPECT_EQ(z.count(), 4);
    QStringList fora;
    const QList<EntradaZip> e{{base + "a.png", "x"}, {{}, "x", "bytes"}, {{}, "y", "y"}};
    ASSERT_EQ(escribirzip(base + "p.zip", e, &fora), "");
    EXPECT_EQ(fora, QStringList{"x"});
    const auto lidas = lerzip(base + "p.zip");
    ASSERT_TRUE(lidas);
    ASSERT_EQ(lidas->size(), 2);
    EXPECT_EQ((*lidas)[0].datos, QByteArray(5000, 'a'));
    z.clear();
    EXPECT_EQ(z.count(), 0);
    EXPECT_TRUE(z.addBytes("", "imsmanifest.xml"));
}

TEST_F(ZipTest, AnArchiveIsReplacedWholeOrNotAtAll) {
    escribir(base + "p.zip", "previous");
    ASSERT_EQ(entradas().write(base + "p.zip"), "");
    EXPECT_EQ(nomeszip(base + "p.zip").size(), 3);
    EXPECT_TRUE(QFileInfo(base + "p.zip").permissions() & QFileDevice::ReadOther) << "not a private file";

    // A file entry that is gone when the archive is written: the archive on disk stays as it
    // was and nothing is left beside it.
    const QByteArray antes = ler(base + "p.zip");
    ZipBuilder z = entradas();
    z.addFile(base + "gone.png", "recursos/gone.png");
    const QString erro = z.write(base + "p.zip");
    EXPECT_TRUE(erro.contains("p.zip")) << erro.toStdString();
    EXPECT_EQ(ler(base + "p.zip"), antes);
    EXPECT_EQ(enCartafol(), (QStringList{"a.png", "p.zip", q("Ñu.txt")}));

    // Targets that cannot be written: a folder, a path under a regular file (refused for root too).
    QDir().mkdir(base + "cartafol.zip");
    for (const QString& destino : {base + "cartafol.zip", base + "a.png/p.zip"}) {
        SCOPED_TRACE(destino.toStdString());
        EXPECT_FALSE(entradas().write(destino).isEmpty());
    }
    EXPECT_EQ(ler(base + "a.png"), QByteArray(5000, 'a'));
}

TEST_F(ZipTest, WithoutEntriesTheArchiveIsEmptyNotDeleted) {
    escribir(base + "p.zip", "previous");
    ASSERT_EQ(ZipBuilder().write(base + "p.zip"), "");
    const auto lidas = lerzip(base + "p.zip");
    ASSERT_TRUE(lidas);
    EXPECT_TRUE(lidas->isEmpty());
}

TEST_F(ZipTest, UnzipTestsAndListsTheArchive) {
    const QString unzip = QStandardPaths::findExecutable("unzip");
    if (unzip.isEmpty()) GTEST_SKIP() << "unzip is not installed (scripts/setup.sh installs it)";
    ASSERT_EQ(entradas().write(base + "p.zip"), "");
    QProcess p;
    p.start(unzip, {"-t", base + "p.zip"});
    ASSERT_TRUE(p.waitForFinished());
    EXPECT_EQ(p.exitCode(), 0) << p.readAll().toStdString();
    p.start(unzip, {"-Z1", base + "p.zip"});
    ASSERT_TRUE(p.waitForFinished());
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()),
              "recursos/a.png\n" + q("recursos/sub/Ñu.txt") + "\nimsmanifest.xml\n");
}
