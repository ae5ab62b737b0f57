#include "publish/exportaweb.h"
#include "tests/limitetamano.h"

#include "ficheiros.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace quibel;
using namespace quibel::proba;

namespace {

// Binary, with NULs, and longer than one read so that every chunk must land in order.
QByteArray contido() {
    QByteArray d;
    for (int i = 0; i < 200000; ++i)
        d.append(char((i * 7 + i / 251) & 0xff));
    return d;
}

class CopiaficheiroTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        orixe = tmp.filePath("orixe.png");
        destino = tmp.filePath("destino.png");
        escribir(orixe, contido());
    }
    QStringList ficheiros() const { return QDir(tmp.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir tmp;
    QString orixe, destino;
};

} // namespace

TEST_F(CopiaficheiroTest, CopiesTheBytesToANewFile) {
    const Copia c = copiaficheiro(orixe, destino, false);
    EXPECT_TRUE(c.ok);
    EXPECT_FALSE(c.existia);
    EXPECT_TRUE(c.erro.isEmpty());
    EXPECT_EQ(ler(destino), contido());
    EXPECT_EQ(ficheiros(), (QStringList{"destino.png", "orixe.png"}));
}

TEST_F(CopiaficheiroTest, ReplacesAnExistingTargetOnlyWhenAsked) {
    for (const bool substituir : {false, true}) {
        SCOPED_TRACE(substituir);
        escribir(destino, "old");
        const Copia c = copiaficheiro(orixe, destino, substituir);
        EXPECT_EQ(c.ok, substituir);
        EXPECT_TRUE(c.existia);
        EXPECT_TRUE(c.erro.isEmpty());
        EXPECT_EQ(ler(destino), substituir ? contido() : QByteArray("old"));
        EXPECT_EQ(ficheiros(), (QStringList{"destino.png", "orixe.png"}));
    }
}

TEST_F(CopiaficheiroTest, FailuresReportAndKeepTheTarget) {
    ASSERT_TRUE(QDir(tmp.path()).mkdir("carpeta"));
    struct Caso {
        const char* nome;
        QString orixe, destino;
    };
    const Caso casos[] = {
        {"missing source", tmp.filePath("no.png"), destino},
        {"source is a folder", tmp.filePath("carpeta"), destino},
        {"missing target folder", orixe, tmp.filePath("no/such/folder/destino.png")},
        {"target is a folder", orixe, tmp.filePath("carpeta")},
    };
    for (const Caso& k : casos) {
        SCOPED_TRACE(k.nome);
        escribir(destino, "old");
        const Copia c = copiaficheiro(k.orixe, k.destino, true);
        EXPECT_FALSE(c.ok);
        EXPECT_FALSE(c.erro.isEmpty());
        EXPECT_EQ(ler(destino), "old");
        EXPECT_EQ(ficheiros(), (QStringList{"destino.png", "orixe.png"}));
        EXPECT_FALSE(QFileInfo::exists(tmp.filePath("no")));
        EXPECT_TRUE(QDir(tmp.filePath("carpeta")).isEmpty());
    }
}

TEST_F(CopiaficheiroTest, FailedWriteKeepsThePreviousTarget) {
    // A file-size limit makes the write fail for any user, root included.
    escribir(destino, "old");
    Copia c;
    {
        proba::LimiteTamano limite;
        c = copiaficheiro(orixe, destino, true);
    }
    EXPECT_FALSE(c.ok);
    EXPECT_FALSE(c.erro.isEmpty());
    EXPECT_EQ(ler(destino), "old");
    EXPECT_EQ(ficheiros(), (QStringList{"destino.png", "orixe.png"}));
}

TEST_F(CopiaficheiroTest, TheCopyHasTheModeOfASavedFileNotTheSources) {
    namespace fs = std::filesystem;
    const auto modo = [](const QString& r) {
        return int(fs::status(r.toStdString()).permissions() & fs::perms::mask);
    };
    const mode_t mascara = ::umask(022);
    fs::permissions(orixe.toStdString(), fs::perms(0600));
    const bool novo = copiaficheiro(orixe, destino, false).ok;
    const int modonovo = modo(destino);
    // A replaced target keeps its own mode.
    fs::permissions(destino.toStdString(), fs::perms(0640));
    const bool substituido = copiaficheiro(orixe, destino, true).ok;
    ::umask(mascara);
    EXPECT_TRUE(novo);
    EXPECT_EQ(modonovo, 0644);
    EXPECT_TRUE(substituido);
    EXPECT_EQ(modo(destino), 0640);
}

// Where the kernel cannot copy between two file systems, the bytes go by reads and writes.
TEST_F(CopiaficheiroTest, CopiesAcrossFileSystems) {
    QTemporaryDir shm(QStringLiteral("/dev/shm/quibel-XXXXXX"));
    if (!shm.isValid()) GTEST_SKIP() << "no /dev/shm";
    const QString outra = shm.filePath("orixe.png");
    escribir(outra, contido());
    ASSERT_TRUE(copiaficheiro(outra, destino, false).ok);
    EXPECT_EQ(ler(destino), contido());
}
