// The interface languages: the catalogue of the 221 interface texts, the twelve built-in tables
// that fill it, the user's language file lingua.lng, and the choice of language, kept in the
// one-line file quibel.cfg. Applying a language is announced by a signal (avisosidioma).
#pragma once

#include <QLocale>
#include <QObject>
#include <QString>
#include <array>
#include <functional>

namespace quibel {

inline constexpr int numtextosui = 221;
// The program's own texts, kept after the catalogue so that its numbering (and lingua.lng's) stays
// as it is; every table gives them, a language file does not.
inline constexpr int numtextosprograma = 5;
inline constexpr int textosubstituir = numtextosui;      // 221: replace an existing file?
inline constexpr int textoforadolibro = numtextosui + 1; // 222: publish files from outside the book?
inline constexpr int textocomaadxunto = numtextosui + 2; // 223: an attachment name with a comma
inline constexpr int textozipfora = numtextosui + 3;     // 224: names left out of the package
inline constexpr int textoscormhtml = numtextosui + 4;   // 225: SCORM without an HTML page name
inline constexpr int numidiomas = 12;
// The language number that start-up passes to aplicaridioma when lingua.lng is in force: it runs
// no table and keeps what the catalogue holds.
inline constexpr int idiomalingua = 30;

// The texts of the language in force, by index. Empty until the first language is applied.
using Textosui = std::array<QString, numtextosui + numtextosprograma>;
extern Textosui textosui;
// Language codes and list names, in language order: Spanish, Galician, Catalan, Basque,
// Portuguese, English, French, Italian, Asturian, German, Brazilian Portuguese, Valencian.
extern const std::array<QString, numidiomas> codidiomas;
extern const std::array<QString, numidiomas> nomesidiomas;
// Player-language number 0..7 of the language in force, written into book files.
extern int idiomavisor;

// The twelve tables. Each assigns all 221 catalogue entries in index order, then the program's
// own entries, and sets idiomavisor.
void textosESP();
void textosGAL();
void textosCAT();
void textosEUS();
void textosPOR();
void textosENG();
void textosFRA();
void textosITA();
void textosAST();
void textosDEU();
void textosBRA();
void textosVAL();
// Table of language n, in language order.
extern const std::array<void (*)(), numidiomas> taboasidiomas;

inline const QString arquivocfg = QStringLiteral("quibel.cfg");
inline const QString arquivolingua = QStringLiteral("lingua.lng");

// Tells who listens (every open document, and through it its window) that a language was
// applied: the window then shows it in its language list, re-captions itself and rebuilds its
// palette.
class AvisosIdioma : public QObject {
    Q_OBJECT
signals:
    void aplicado(int idioma);
};
AvisosIdioma& avisosidioma();

// Two-letter code of the user's locale language, lower case, empty when there is none.
// Reads QLocale::system(); tests replace it.
extern std::function<QString()> linguasistema;
// The same rule for any locale: the C locale has no language.
QString codigolingua(const QLocale& locale);

// The user's configuration folder (AppConfigLocation) with a trailing "/".
QString carpetausuariocfg();
// Whether a new file can be written in a folder: QFileInfo::isWritable. Tests replace it, since
// permissions do not stop root.
extern std::function<bool(const QString&)> carpetaescribible;
// Where quibel.cfg is read and written: the program folder when the file is already there or the
// folder is writable (portable use), else the user's configuration folder. Ends in "/".
QString escollercarpetacfg(const QString& carpetaprograma,
                           const QString& carpetausuario = carpetausuariocfg());

// Start-up choice: quibel.cfg in carpetacfg, else lingua.lng (program folder first, then
// carpetacfg), else the locale. A file that exists but cannot be read counts as absent.
void cargaridioma(const QString& carpetaprograma, const QString& carpetacfg);
// Applies the language that the configuration file names (Spanish unless the file is one line
// holding one of the codes exactly). False, with nothing changed, when the file cannot be read.
bool leridiomacfg(const QString& ruta);
// Lays the language file over the Spanish texts: line k + 2 gives entry k (k = 0..218), verbatim,
// invalid UTF-8 as U+FFFD. False, with nothing changed, when the file cannot be read.
bool lerlingua(const QString& ruta);
// The language number that the user's locale suggests (0 when none of the nine).
int idiomasistema();
// The user picked language n: store its code in carpetacfg's quibel.cfg (a failed save is
// ignored), then apply it. Numbers outside 0..11 do nothing.
void escolleridioma(int n, const QString& carpetacfg);
// Applies language n: runs its table when 0 <= n <= 11, brings every entry to UTF-8 and announces
// it, so that every window shows it in its list and re-captions itself.
void aplicaridioma(int n);

} // namespace quibel
