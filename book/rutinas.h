// Shared text and file-name routines used by the book file code, the editors and publishing,
// plus the small helpers every file format here relies on: lines with CR LF, strict and lenient
// integers, and paths that accept "\" and "/".
#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

namespace quibel {

// The run-time's conversion error: a text that should be a number is not one.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Extension lists of the four resource kinds, in lookup order (also the resource panel's masks).
// The sound list names both ".acc" (as older books do) and ".aac".
extern const QString extensionsimaxe; // 1 picture
extern const QString extensionsson;   // 2 sound
extern const QString extensionsvideo; // 3 video
extern const QString extensionstexto; // 4 text

// The entries of an extension list as name filters for QDir ("*.jpg", "*.jpeg", ...).
QStringList mascaras(const QString& lista);

// The path delimiter of the model.
extern const QString separador;

QString substituir(const QString& texto, const QString& vello, const QString& novo);
QByteArray substituir(const QByteArray& texto, const QByteArray& vello, const QByteArray& novo);
QString codificalibro(const QString& texto);
QString descodificalibro(const QString& texto);

// Colour value as the toolkit keeps it: red in the low byte, green, blue; top byte 0.
using TColor = quint32;
QString corahex(TColor cor);
TColor hexacor(const QString& texto); // raises EConvertError
// The same, or the default when the text is not a hexadecimal colour.
TColor hexacor(const QString& texto, TColor defecto);
QColor colorDe(TColor cor); // for painting
TColor deColor(const QColor& cor);

// Resource kind from the extension: 1 picture, 2 sound, 3 video, 4 text, 0 other. The lower-cased
// extension must equal one entry of a list.
int tipoarquivo(const QString& nome);
bool esrecurso(const QString& nome);

// Resource path relative to the book file's folder, in the form book files hold ("res\pic.jpg",
// "..\book\pic.jpg"). Folder names are compared case-sensitively. A resource in the file-system
// root has no folder to be relative to: its absolute path is written ("\pic.jpg"). A relative
// resource name is taken from the book's folder, a relative book name from the root: the
// process's current folder never counts.
QString rutarelativa(const QString& arquivolibro, const QString& recurso);
// One pass over the text: each character for which regra gives a text (a non-null QLatin1String)
// is replaced by it, the rest copied in runs; the text itself, shared, when nothing is replaced.
template <class Regra> QString transformar(const QString& texto, Regra regra) {
    QString r;
    const QChar* d = texto.constData();
    const qsizetype n = texto.size();
    qsizetype tramo = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QLatin1String substituto = regra(d[i].unicode());
        if (!substituto.data()) continue;
        if (r.isNull()) r.reserve(n + n / 8);
        r.append(d + tramo, i - tramo);
        r += substituto;
        tramo = i + 1;
    }
    if (r.isNull()) return texto;
    r.append(d + tramo, n - tramo);
    return r;
}

// The names of the files in a folder (links to files included, hidden ones when asked), in no
// order, read in one pass over the folder; none, and lida false, when it cannot be read.
QStringList arquivosdecarpeta(const QString& carpeta, bool ocultos, bool* lida = nullptr);

// A folder's state as its entries last changed; two equal states of a folder mean the same list
// of names. A state seen within a moment of the change is never `estable`: another change may
// follow in the same tick of the file system's clock.
struct EstadoCarpeta {
    QString carpeta;
    qint64 segundos = -1, nanosegundos = 0;
    quint64 nodo = 0;
    bool estable = false;
    static EstadoCarpeta de(const QString& carpeta);
    bool operator==(const EstadoCarpeta& o) const {
        return carpeta == o.carpeta && segundos == o.segundos && nanosegundos == o.nanosegundos &&
               nodo == o.nodo;
    }
};

// Folder listings kept through a run of look-ups (one book read), so that the letter-case second
// try of rutaabsoluta lists each folder once, in one pass, not once for every file that is
// missing, and a folder listed answers the later look-ups in it without asking the file system.
class CarpetasLidas {
public:
    // ruta when a file (or a link to one) is there, else the file of its folder whose name
    // differs only in letter case, the first in name order; empty when there is neither.
    QString atopar(const QString& ruta);

private:
    struct Lista {
        bool lida = false;                // the folder could be read
        QHash<QString, bool> nomes;       // the names as they are
        bool dobrada = false;             // sencaixa made (at the first letter-case try)
        QHash<QString, QString> sencaixa; // case-folded name -> the first such name in name order
    };
    Lista& lista(const QString& carpeta);
    QHash<QString, Lista> listas_; // by folder
};

// Full native path of a name read from a book file ("\" or "/" delimiters). A leading "/" is
// absolute, a leading "\" relative to the root; a name with a drive letter ("C:\...") comes from
// another system and is never found as it stands. When no file is at the candidate path, a file
// in the same folder whose name differs only in letter case is taken; else the fallback folder
// plus the file name (again preferring a case-insensitive match there when the exact one is
// missing). With listas, the folders listed for that second try are kept there and answer the
// later look-ups in them.
QString rutaabsoluta(const QString& nome, const QString& base, const QString& alternativa,
                     CarpetasLidas* listas = nullptr);
QString senextension(const QString& nome);
void borrararquivo(const QString& ruta);
QString encher(const QString& texto, QChar caracter, int conta);

// --- paths ---------------------------------------------------------------------------------
// The part after the last "\" or "/" (how the book reader names a file).
QString nomearquivo(const QString& ruta);
// The part after the last "\", "/" or ":" (what a name edit shows of a stored path).
QString nomeparaver(const QString& ruta);
// Everything before the last "\" or "/" (without it); empty when there is none.
QString cartafol(const QString& ruta);
// "\" turned into "/", for paths read from files.
QString rutanativa(const QString& ruta);
// Appends "/" when the folder is not empty and does not end in a delimiter.
QString condelimitador(const QString& cartafol);
// A web address ("http:" or "https:" in any letter case) where a file may stand: kept as it is.
bool enderezoweb(const QString& ruta);

// --- characters --------------------------------------------------------------------------
// Texts counted in characters (code points): a surrogate pair is one character. Positions count
// from 0.
qsizetype cpLength(const QString& texto);
// Character i, or an empty text past the end.
QString cpAt(const QString& texto, qsizetype i);
// Character i replaced by c (one character removed, c inserted there); unchanged past the end.
QString cpReplaceAt(const QString& texto, qsizetype i, const QString& c);
// The text filled at its end with the pad character up to n characters; a longer one stays whole.
QString cpPadTo(const QString& texto, qsizetype n, QChar recheo);

// --- numbers -------------------------------------------------------------------------------
// Whole decimal number in the int range: blanks (spaces, tabs, line breaks) before and after are
// accepted, then an optional "+" or "-" and at least one digit 0-9, nothing else (no blank
// between sign and digits, no hexadecimal); raises EConvertError.
int enteiro(const QString& texto);
// The same, or the default when the text is not a whole number.
int enteiro(const QString& texto, int defecto);

// --- files as lines ------------------------------------------------------------------------
// Splits at CR, LF or CR LF; a final break adds no line; bytes kept as they are.
QList<QByteArray> partirlinas(const QByteArray& datos);
// Reads a file as lines; false when it cannot be read.
bool lerlinas(const QString& ruta, QList<QByteArray>& linas);
// Writes every line followed by CR LF in one atomic save; false when the save fails
// (the previous file then stays as it was).
bool gardarlinas(const QString& ruta, const QList<QByteArray>& linas);
bool gardarlinas(const QString& ruta, const QStringList& linas); // lines as UTF-8
// The buffers of a large book (its bytes, its texts, its file) are above the allocator's default
// mmap threshold: each Open or Save would map fresh pages and fault every one of them in, and give
// them back at the end. Kept in the heap instead, the next one reuses them, so a 20 MB book reads
// in the time per MB of a small one. Set once per process; later calls do nothing.
void reterbuffers();

// The lines in UTF-8, each ended by CR LF, in one buffer.
QByteArray textodelinas(const QStringList& linas);
// For tests only: asked just before a save is committed; when it answers false the write is
// cancelled, as a folder the user cannot write would refuse it. Null in the program.
extern bool (*permitirgardado)(const QString& ruta);

// A text file dropped on a memo, as lines: a UTF-8 byte-order mark is dropped, the bytes are read
// as UTF-8 when they are valid UTF-8 and as ISO-8859-1 otherwise, and lines split as partirlinas
// does. Nothing when the file cannot be read (missing, a folder, unreadable).
std::optional<QStringList> lertextoarquivo(const QString& ruta);

} // namespace quibel
