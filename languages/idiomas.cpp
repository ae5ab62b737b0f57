#include "languages/idiomas.h"

#include "book/rutinas.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quibel {

Textosui textosui;
int idiomavisor = 0;

const std::array<QString, numidiomas> codidiomas = {
    QStringLiteral("ESP"), QStringLiteral("GAL"), QStringLiteral("CAT"), QStringLiteral("EUS"),
    QStringLiteral("POR"), QStringLiteral("ENG"), QStringLiteral("FRA"), QStringLiteral("ITA"),
    QStringLiteral("AST"), QStringLiteral("DEU"), QStringLiteral("BRA"), QStringLiteral("VAL"),
};

const std::array<QString, numidiomas> nomesidiomas = {
    QStringLiteral("Español"),  QStringLiteral("Galego"),           QStringLiteral("Català"),
    QStringLiteral("Euskara"),  QStringLiteral("Português"),        QStringLiteral("English"),
    QStringLiteral("Français"), QStringLiteral("Italiano"),         QStringLiteral("Asturianu"),
    QStringLiteral("Deusche"),  QStringLiteral("Português-Brasil"), QStringLiteral("Valencià"),
};

const std::array<void (*)(), numidiomas> taboasidiomas = {
    textosESP, textosGAL, textosCAT, textosEUS, textosPOR, textosENG,
    textosFRA, textosITA, textosAST, textosDEU, textosBRA, textosVAL,
};

AvisosIdioma& avisosidioma() {
    static AvisosIdioma avisos;
    return avisos;
}

QString codigolingua(const QLocale& locale) {
    const QLocale::Language lingua = locale.language();
    if (lingua == QLocale::C || lingua == QLocale::AnyLanguage) return {};
    return QLocale::languageToCode(lingua).left(2).toLower();
}

std::function<QString()> linguasistema = [] { return codigolingua(QLocale::system()); };

QString carpetausuariocfg() {
    return condelimitador(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

std::function<bool(const QString&)> carpetaescribible = [](const QString& carpeta) {
    return QFileInfo(carpeta).isWritable();
};

QString escollercarpetacfg(const QString& carpetaprograma, const QString& carpetausuario) {
    const QString programa = condelimitador(carpetaprograma);
    // An installed program's folder is read-only: a choice saved there would never persist.
    if (QFileInfo::exists(programa + arquivocfg) || carpetaescribible(programa)) return programa;
    return condelimitador(carpetausuario);
}

bool leridiomacfg(const QString& ruta) {
    QList<QByteArray> linas;
    if (!lerlinas(ruta, linas)) return false;
    idiomavisor = 0;
    int n = 0;
    if (linas.size() == 1) {
        for (int i = 0; i < numidiomas; ++i) {
            if (linas[0] == codidiomas[i].toLatin1()) {
                n = i;
                break;
            }
        }
    }
    aplicaridioma(n);
    return true;
}

bool lerlingua(const QString& ruta) {
    constexpr int maxlinas = 219; // entries 0..218; the licence label and help file stay Spanish
    QList<QByteArray> linas;
    if (!lerlinas(ruta, linas)) return false;
    // A short file would leave questions without text and the help file without a name.
    textosESP();
    idiomavisor = 0;
    for (qsizetype i = 0; i + 1 < linas.size() && i < maxlinas; ++i)
        textosui[i] = QString::fromUtf8(linas[i + 1]);
    aplicaridioma(idiomalingua);
    return true;
}

int idiomasistema() {
    static const std::array<std::pair<const char*, int>, 9> mapa = {{
        {"es", 0},
        {"gl", 1},
        {"ca", 2},
        {"eu", 3},
        {"pt", 4},
        {"en", 5},
        {"fr", 6},
        {"it", 7},
        {"de", 9},
    }};
    const QString codigo = linguasistema ? linguasistema() : QString();
    for (const auto& [c, n] : mapa)
        if (codigo == QLatin1String(c)) return n;
    return 0;
}

void cargaridioma(const QString& carpetaprograma, const QString& carpetacfg) {
    const QString cfg = condelimitador(carpetacfg) + arquivocfg;
    if (QFileInfo::exists(cfg) && leridiomacfg(cfg)) return;
    QStringList linguas{condelimitador(carpetaprograma) + arquivolingua};
    if (condelimitador(carpetacfg) != condelimitador(carpetaprograma))
        linguas.append(condelimitador(carpetacfg) + arquivolingua);
    for (const QString& lingua : linguas)
        if (QFileInfo::exists(lingua) && lerlingua(lingua)) return;
    aplicaridioma(idiomasistema());
}

void escolleridioma(int n, const QString& carpetacfg) {
    if (n < 0 || n >= numidiomas) return;
    // The user's configuration folder may not exist yet. A failed save only costs persistence.
    if (QDir().mkpath(carpetacfg))
        gardarlinas(condelimitador(carpetacfg) + arquivocfg, QStringList{codidiomas[n]});
    aplicaridioma(n);
}

void aplicaridioma(int n) {
    if (n >= 0 && n < numidiomas) taboasidiomas[n]();
    // Round trip through UTF-8: what cannot be encoded (a lone surrogate) is replaced.
    for (QString& texto : textosui)
        texto = QString::fromUtf8(texto.toUtf8());
    emit avisosidioma().aplicado(n);
}

} // namespace quibel
