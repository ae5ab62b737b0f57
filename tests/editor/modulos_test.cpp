// The sound and imaging libraries load at their first use, not with the window.
#include "editor/ctrlimx.h"
#include "editor/son.h"
#include "ventaproba.h"

#include <QFile>
#include <QImage>

using namespace quibel;
using proba::Venta;

namespace {

// Whether a shared library whose file name starts so is mapped into this process.
bool cargada(const char* nome) {
    QFile mapas(QStringLiteral("/proc/self/maps"));
    if (!mapas.open(QIODevice::ReadOnly)) return false;
    return mapas.readAll().contains(QByteArray("/") + nome);
}

} // namespace

TEST_F(Venta, TheSoundAndImagingLibrariesLoadAtTheirFirstUse) {
    crear();
    EXPECT_FALSE(cargada("libSDL2_mixer"));
    EXPECT_FALSE(cargada("libSDL2-"));
    EXPECT_FALSE(cargada("libGraphicsMagick"));

    qputenv("SDL_AUDIODRIVER", "dummy");
    MotorSon motor;
    EXPECT_TRUE(motor.iniciar());
    EXPECT_TRUE(cargada("libSDL2_mixer"));
    motor.pechar();
    qunsetenv("SDL_AUDIODRIVER");

    QTemporaryDir d;
    QImage i(4, 3, QImage::Format_RGB32);
    i.fill(Qt::red);
    ASSERT_TRUE(i.save(d.filePath("a.png")));
    EXPECT_FALSE(cargada("libGraphicsMagick"));
    const std::optional<ImaxeMultiple> lida = ImaxeMultiple::ler(d.filePath("a.png"));
    ASSERT_TRUE(lida);
    EXPECT_EQ(lida->tamano(), QSize(4, 3));
    EXPECT_TRUE(cargada("libGraphicsMagick"));
}
