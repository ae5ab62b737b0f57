#include "publish/exportaweb.h"

#include "book/campos.h"
#include "book/rutinas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace quibel {

namespace {

QString falla(const QString& ruta, const QString& motivo) {
    return ruta + QStringLiteral(": ") + motivo;
}

// What a new file gets: read and write for all, less the process's mask.
mode_t modonovo() {
    // Read by setting it back at once: the program copies on its one thread.
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return 0666 & ~mascara;
}

// Every byte of entrada into saida, by the kernel; by reads and writes where the kernel cannot
// copy between the two (another file system on an old kernel). The failure's text, or empty.
QString copiabytes(QFile& entrada, QFile& saida) {
    const int de = entrada.handle(), a = saida.handle();
    bool primeiro = true;
    for (;;) {
        const ssize_t n = ::copy_file_range(de, nullptr, a, nullptr, 1 << 30, 0);
        if (n > 0) {
            primeiro = false;
            continue;
        }
        if (n == 0) return {};
        if (errno == EINTR) continue;
        if (!primeiro || (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP))
            return QString::fromLocal8Bit(std::strerror(errno));
        break;
    }
    QByteArray bloque(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 lidos = entrada.read(bloque.data(), bloque.size());
        if (lidos < 0) return entrada.errorString();
        if (lidos == 0) return {};
        if (saida.write(bloque.constData(), lidos) != lidos) return saida.errorString();
    }
}

} // namespace

Copia copiaficheiro(const QString& orixe, const QString& destino, bool substituir) {
    Copia r;
    // The source is checked first: a target kept or replaced means nothing when there is nothing
    // to copy.
    const QFileInfo fonte(orixe);
    if (!fonte.exists()) {
        r.erro = falla(orixe, QStringLiteral("No such file"));
        return r;
    }
    if (!fonte.isFile()) {
        r.erro = falla(orixe, QStringLiteral("Not a regular file"));
        return r;
    }
    QFile entrada(orixe);
    if (!entrada.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        r.erro = falla(orixe, entrada.errorString());
        return r;
    }

    // A dangling link is a name in use all the same.
    const QFileInfo alvo(destino);
    r.existia = alvo.exists() || alvo.isSymLink();
    if (r.existia && !substituir) return r;
    if (alvo.isDir()) {
        r.erro = falla(destino, QStringLiteral("Is a folder"));
        return r;
    }

    // The kernel copies into a fresh name beside the target (copy_file_range: no pass through
    // user memory, a reflink where the file system has them) and one rename puts the whole file
    // in place. No sync per file: a store of thousands of files would wait on the disk for each.
    QTemporaryFile temporal(alvo.absolutePath() + QStringLiteral("/.") + alvo.fileName() +
                            QStringLiteral(".XXXXXX"));
    if (!temporal.open()) {
        r.erro = falla(destino, temporal.errorString());
        return r;
    }
    if (const QString e = copiabytes(entrada, temporal); !e.isEmpty()) {
        r.erro = falla(destino, e);
        return r; // the temporary file goes with its object
    }
    // The copy takes the mode of a file the author saves (the target's own when it is replaced),
    // not the source's: a private source must not make a store file the web server cannot read.
    struct stat antes {};
    const mode_t modo =
        r.existia && !alvo.isSymLink() && ::stat(QFile::encodeName(destino).constData(), &antes) == 0
            ? antes.st_mode & 07777
            : modonovo();
    ::fchmod(temporal.handle(), modo);
    temporal.close();
    if (::rename(QFile::encodeName(temporal.fileName()).constData(),
                 QFile::encodeName(destino).constData()) != 0) {
        r.erro = falla(destino, QString::fromLocal8Bit(std::strerror(errno)));
        return r;
    }
    temporal.setAutoRemove(false); // it is the target now
    r.ok = true;
    return r;
}

// --- names ---------------------------------------------------------------------------------

namespace {

struct Limpeza {
    char16_t caracter;
    const char* substituto;
};
// Searched in this order; the rows are irregular on purpose (published books rely on them).
constexpr Limpeza taboalimpeza[] = {
    {u' ', "_"},  {u'à', "_a"}, {u'á', "_a"}, {u'â', "_a"}, {u'ã', "_a"}, {u'ä', "_a"}, {u'è', "_e"},
    {u'é', "_e"}, {u'ê', "_e"}, {u'ë', "_e"}, {u'ì', "_i"}, {u'í', "_i"}, {u'î', "_i"}, {u'ï', "_i"},
    {u'ò', "_o"}, {u'ó', "_o"}, {u'ô', "_o"}, {u'õ', "_o"}, {u'ö', "_o"}, {u'ù', "_u"}, {u'ú', "_u"},
    {u'û', "_u"}, {u'ü', "uu"}, {u'À', "A"},  {u'Á', "A"},  {u'Â', "A"},  {u'Ã', "A"},  {u'Ä', "A"},
    {u'È', "E"},  {u'É', "E"},  {u'Ê', "E"},  {u'Ë', "E"},  {u'Ì', "I"},  {u'Í', "I"},  {u'Î', "I"},
    {u'Ò', "O"},  {u'Ó', "O"},  {u'Ô', "O"},  {u'Õ', "_O"}, {u'Ö', "_O"}, {u'Ù', "_U"}, {u'Ú', "_U"},
    {u'Û', "_U"}, {u'Ü', "UU"}, {u'ç', "cc"}, {u'Ç', "CC"}, {u'ñ', "nn"}, {u'Ñ', "NN"}, {u'º', "_o"},
    {u'ª', "_a"}, {u'_', "_"},
};
static_assert(std::size(taboalimpeza) == 51);

bool inseguro(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7f || QStringView(u"#?%&\"'<>").contains(c);
}

bool esdelim(QChar c) {
    return c == u'/' || c == u'\\';
}

} // namespace

QString limpanome(const QString& nome) {
    QString r;
    r.reserve(nome.size() + 8);
    for (const QChar c : nome) {
        const auto* fila = std::find_if(std::begin(taboalimpeza), std::end(taboalimpeza),
                                        [c](const Limpeza& l) { return l.caracter == c.unicode(); });
        if (fila != std::end(taboalimpeza))
            r += QLatin1String(fila->substituto);
        else
            r += inseguro(c) ? QChar(u'_') : c;
    }
    return r;
}

QString nomepropio(const QString& nome) {
    QString r = limpanome(nome);
    while (!r.isEmpty() && esdelim(r.back()))
        r.chop(1);
    for (QChar& c : r)
        if (esdelim(c)) c = u'_';
    if (r == QLatin1String(".") || r == QLatin1String("..")) return {};
    return r;
}

QString nomeexport(const QString& ruta) {
    return ruta.isEmpty() ? QString() : limpanome(nomeparaver(ruta));
}

QString minusculasascii(const QString& texto) {
    QString r = texto;
    for (QChar& c : r)
        if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + 32);
    return r;
}

// --- the copy list -------------------------------------------------------------------------

namespace {

struct Rango {
    int de, ata;
};
struct Reglacopia {
    int tipo;
    std::initializer_list<Rango> rangos;
};
// Fields of each type copied beyond the page picture and sound; the types not listed add none.
// Types 4, 20 and 31 have conditions of their own (camposcopia).
const Reglacopia reglascopia[] = {
    {3, {{6, 6}, {5, 5}}},
    {5, {{6, 6}}},
    {6, {{9, 10}}},
    {7, {{3, 10}}},
    {8, {{7, 9}}},
    {9, {{8, 8}}},
    {11, {{1, 5}}},
    {12, {{1, 18}}},
    {14, {{1, 6}, {10, 12}}},
    {15, {{22, 27}}},
    {17, {{1, 9}}},
    {21, {{1, 6}, {13, 18}}},
    {22, {{1, 5}, {18, 22}}},
    {23, {{1, 6}}},
    {24, {{19, 24}}},
    {27, {{1, 8}}},
    {32, {{1, 4}}},
    {35, {{1, 5}}},
    {39, {{1, 12}}},
    {44, {{1, 3}, {18, 20}}},
    {45, {{9, 9}}},
    {48, {{7, 11}, {19, 23}}},
    {50, {{4, 6}, {10, 12}}},
    {51, {{4, 5}}},
};

void engadirrango(QList<int>& campos, int de, int ata) {
    for (int c = de; c <= ata; ++c)
        campos << c;
}

bool estaforade(const QString& canonica, const QString& cartafol) {
    if (cartafol.isEmpty()) return true;
    const QString base = QFileInfo(cartafol).canonicalFilePath();
    if (base.isEmpty()) return true;
    return !(canonica.startsWith(base + u'/') || (base == QLatin1String("/")));
}

} // namespace

QList<int> camposcopia(const Tpaxina& paxina) {
    QList<int> campos;
    const int tipo = enteiro(paxina[campo::tipo], 0);
    switch (tipo) {
    case 4: // pictures only in the picture mode
        if (paxina[26] == QLatin1String("2")) engadirrango(campos, 18, 25);
        return campos;
    case 20: // the tags are pictures in mode 7
        if (paxina[26] == QLatin1String("7")) engadirrango(campos, 1, 6);
        return campos;
    case 31: // a picture counts only beside its item
        for (int i = 1; i <= 4; ++i)
            if (!paxina[i].isEmpty()) campos << 18 + i;
        return campos;
    default:
        break;
    }
    for (const Reglacopia& r : reglascopia)
        if (r.tipo == tipo)
            for (const Rango& g : r.rangos)
                engadirrango(campos, g.de, g.ata);
    return campos;
}

Listacopia listacopia(const Book& libro) {
    Listacopia l;
    QSet<QString> vistas;
    const auto copiarec = [&](const QString& ruta, bool dolibro) {
        if (ruta.isEmpty() || nomeparaver(ruta).isEmpty() || vistas.contains(ruta)) return;
        vistas.insert(ruta);
        l.rutas << ruta;
        if (dolibro) l.dolibro << ruta;
    };
    for (const QString* r : {&libro.arquivologo, &libro.arquivofondo, &libro.arquivobarra,
                             &libro.arquivoaspectosup, &libro.arquivoaspectoinf})
        copiarec(*r, true);
    if (!libro.axuda.isEmpty()) copiarec(libro.arquivoaxuda, true);
    for (const QString* r : {&libro.arquivocorrecto, &libro.arquivoincorrecto, &libro.arquivosonido})
        copiarec(*r, true);
    const int numpaxinas = std::min<int>(libro.numpaxinas, Book::maxpaxinas);
    for (int p = 1; p <= numpaxinas; ++p) {
        const Tpaxina& paxina = libro.paxina(p);
        if (paxina[campo::tipo].isEmpty()) continue;
        ++l.paxinas;
        copiarec(paxina[campo::imaxe], true);
        copiarec(paxina[campo::son], true);
        for (const int c : camposcopia(paxina))
            copiarec(paxina[c], true);
    }
    for (const QString& a : libro.adxuntos)
        copiarec(a, false);
    // Sorted without regard to case, for the order only: two paths that differ in case are two
    // files on this system.
    std::stable_sort(l.rutas.begin(), l.rutas.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return l;
}

QStringList foradolibro(const Book& libro, const QStringList& rutas) {
    QStringList fora;
    for (const QString& ruta : rutas) {
        if (enderezoweb(ruta)) continue;
        const QString canonica = QFileInfo(ruta).canonicalFilePath();
        if (canonica.isEmpty() || !QFileInfo(canonica).isFile()) continue;
        if (estaforade(canonica, libro.carpetalibro) && estaforade(canonica, libro.carpetarecursos))
            fora << ruta;
    }
    return fora;
}

// --- the store -----------------------------------------------------------------------------

namespace {

QString consufixo(const QString& nome, int n) {
    const qsizetype punto = nome.lastIndexOf(u'.');
    const QString sufixo = QStringLiteral("_") + QString::number(n);
    if (punto <= 0) return nome + sufixo;
    return nome.left(punto) + sufixo + nome.mid(punto);
}

} // namespace

NomesAlmacen::NomesAlmacen(const QStringList& rutas, const QStringList& reservados, const QString& almacen) {
    QSet<QString> tomados;
    for (const QString& r : reservados)
        if (!r.isEmpty()) tomados.insert(r.toCaseFolded());
    // A file of the book that already lies in the store under a clean name keeps it: no other
    // file may be copied over it.
    QHash<QString, QString> propios; // canonical path -> its own name
    const QString cartafol = almacen.isEmpty() ? QString() : QFileInfo(almacen).canonicalFilePath();
    if (!cartafol.isEmpty())
        for (const QString& ruta : rutas) {
            const QFileInfo info(ruta);
            if (enderezoweb(ruta) || !info.isFile()) continue;
            const QFileInfo canonica(info.canonicalFilePath());
            if (canonica.absolutePath() != cartafol || nomeexport(ruta) != canonica.fileName()) continue;
            if (tomados.contains(canonica.fileName().toCaseFolded())) continue;
            tomados.insert(canonica.fileName().toCaseFolded());
            propios.insert(canonica.filePath(), canonica.fileName());
        }
    for (const QString& ruta : rutas) {
        if (enderezoweb(ruta) || porruta_.contains(ruta)) continue;
        const QFileInfo info(ruta);
        if (!info.isFile()) continue;
        const QString canonica = info.canonicalFilePath();
        if (const auto v = porcanonica_.constFind(canonica); v != porcanonica_.cend()) {
            porruta_.insert(ruta, *v);
            continue;
        }
        QString nome = propios.value(canonica);
        if (nome.isEmpty()) {
            const QString base = nomeexport(ruta);
            nome = base;
            for (int n = 2; tomados.contains(nome.toCaseFolded()); ++n)
                nome = consufixo(base, n);
            tomados.insert(nome.toCaseFolded());
        }
        porruta_.insert(ruta, nome);
        porcanonica_.insert(canonica, nome);
        ficheiros_.append({ruta, nome});
    }
}

QString NomesAlmacen::nome(const QString& ruta) const {
    if (const auto v = porruta_.constFind(ruta); v != porruta_.cend()) return *v;
    return nomeexport(ruta);
}

void copiaenzip(QList<EntradaZip>& zip, const QString& arquivo, const QString& nome) {
    if (QFileInfo(arquivo).isFile()) zip.append({arquivo, nome});
}

void copiaarquivos(const NomesAlmacen& nomes, const QString& almacen, QList<EntradaZip>* zip,
                   const QString& prefixo, const std::function<void()>& cadaficheiro) {
    const QString cartafol = condelimitador(almacen);
    for (const auto& [ruta, nome] : nomes.ficheiros()) {
        const QString destino = cartafol + nome;
        const QString canonicadestino = QFileInfo(destino).canonicalFilePath();
        // Only the very same file is left alone: a file of the store under another name is
        // copied to its clean one.
        if (canonicadestino.isEmpty() || canonicadestino != QFileInfo(ruta).canonicalFilePath())
            copiaficheiro(ruta, destino, true); // a failed copy leaves the file out
        if (zip) copiaenzip(*zip, ruta, prefixo + nome);
        if (cadaficheiro) cadaficheiro();
    }
}

} // namespace quibel
