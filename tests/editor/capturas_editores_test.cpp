// The sheets of the positioned, picture-set and number pages in every language: each caption
// reaches its control and fits it at the sheet's own size. With QUIBEL_CAPTURAS naming a folder,
// the Spanish and German sheets of a filled page are saved there as pictures to look at.
#include "follaproba.h"
#include "languages/idiomas.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>

using namespace quibel;

namespace {

const int tipos[] = {20, 23, 25, 26, 27, 30, 31, 32, 33, 35, 39, 40, 41, 44, 50, 51};

// A page with something in every field, positions that stand on the sheet and the modes set.
void encherpaxina(proba::FollaEditor& f, int tipo) {
    f.encher({});
    for (int n = 1; n <= 12; ++n)
        f.campo(n) = QStringLiteral("texto %1").arg(n);
    for (int k = 0; k < 6; ++k) {
        f.campo(7 + k) = QString::number(tipo == 30 ? 470 : 400);
        f.campo(19 + k) = QString::number(20 + 45 * k);
    }
    f.campo(26) = QStringLiteral("1");
    f.campo(8) = tipo == 26 ? QStringLiteral("+") : QStringLiteral("1");
    f.campo(28) = QStringLiteral("10");
    f.campo(29) = QStringLiteral("10");
    f.campo(W(0)) = QStringLiteral("Unha liña\r\noutra");
    if (tipo == 23)
        for (int n = 1; n <= 6; ++n)
            f.campo(n).clear();
}

// The sheet in the window's font, captioned in the language in force, in about the room the main
// window gives it (or its least size when that is larger).
void amosarfolla(proba::FollaEditor& f) {
    QFont letra(QStringLiteral("Verdana"));
    letra.setPixelSize(11);
    f.folla.setFont(letra);
    f.rotular();
    f.folla.resize(QSize(860, 540).expandedTo(f.folla.minimumSizeHint()));
}

// The width a control's caption needs.
int ancho(QWidget* w) {
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->minimumSizeHint().width();
    return w->sizeHint().width();
}

TEST(CapturasEditores, CaptionsFitInEveryLanguage) {
    for (int idioma = 0; idioma < numidiomas; ++idioma) {
        aplicaridioma(idioma);
        for (int tipo : tipos) {
            proba::FollaEditor f(tipo);
            amosarfolla(f);
            f.folla.show();
            QCoreApplication::processEvents();
            for (QWidget* w : f.folla.findChildren<QWidget*>()) {
                if (w->isHidden() || w->objectName().isEmpty()) continue;
                if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLabel*>(w) &&
                    !qobject_cast<QGroupBox*>(w))
                    continue;
                EXPECT_LE(ancho(w), w->width()) << codidiomas[idioma].toStdString() << " type " << tipo << " "
                                                << w->objectName().toStdString();
            }
        }
    }
}

TEST(CapturasEditores, SpanishAndGermanSheets) {
    const QString carpeta = qEnvironmentVariable("QUIBEL_CAPTURAS");
    for (int idioma : {0, 9}) {
        aplicaridioma(idioma);
        for (int tipo : tipos) {
            proba::FollaEditor f(tipo);
            encherpaxina(f, tipo);
            f.editor->cargar(f.libro, 1);
            amosarfolla(f);
            const QPixmap captura = f.folla.grab();
            EXPECT_FALSE(captura.isNull()) << tipo;
            if (!carpeta.isEmpty())
                captura.save(
                    QDir(carpeta).filePath(QStringLiteral("%1-%2.png").arg(tipo).arg(codidiomas[idioma])));
        }
    }
}

} // namespace
