#include "book/rutinas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <algorithm>
#include <ctime>
#include <dirent.h>
#include <iterator>
#include <limits>
#include <malloc.h>
#include <mutex>
#include <sys/stat.h>
#include <vector>

namespace quibel {

const QString extensionsimaxe = QStringLiteral("*.jpg;*.jpeg;*.gif;*.png");
const QString extensionsson = QStringLiteral("*.mp3;*.acc;*.aac;*.ogg");
const QString extensionsvideo = QStringLiteral("*.mp4;*.webm");
const QString extensionstexto = QStringLiteral("*.txt;*.htm;*.html");

const QString separador = QStringLiteral("/");

namespace {

bool esdelimitador(QChar c) {
    return c == u'/' || c == u'\\';
}

int ultimodelimitador(const QString& ruta) {
    return std::max(ruta.lastIndexOf(u'/'), ruta.lastIndexOf(u'\\'));
}

// "C:" at the start: a path from a system with drive letters.
bool tenunidade(const QString& ruta) {
    return ruta.size() >= 2 && ruta[1] == u':' && ruta[0].isLetter() && ruta[0].unicode() < 128;
}

EConvertError errorconversion(const QString& texto, const char* que) {
    return EConvertError(
        QStringLiteral("'%1' is not a valid %2").arg(texto, QLatin1String(que)).toStdString());
}

// A path as drive ("C:" or empty) and its components, "." and ".." resolved. A relative path is
// taken from base (a folder), never from the process's current folder.
struct Partes {
    QString unidade;
    QStringList componentes;
};

Partes partir(const QString& ruta, const QString& base) {
    Partes p;
    QString r = rutanativa(ruta);
    if (tenunidade(r)) {
        p.unidade = r.left(2).toUpper();
        r = QStringLiteral("/") + r.mid(2);
    } else if (!r.startsWith(u'/')) {
        r = condelimitador(rutanativa(base)) + r;
        if (!r.startsWith(u'/')) r.prepend(u'/');
    }
    p.componentes = QDir::cleanPath(r).split(u'/', Qt::SkipEmptyParts);
    return p;
}

int valorbase64(char16_t c) {
    if (c >= u'A' && c <= u'Z') return c - u'A';
    if (c >= u'a' && c <= u'z') return c - u'a' + 26;
    if (c >= u'0' && c <= u'9') return c - u'0' + 52;
    if (c == u'+') return 62;
    if (c == u'/') return 63;
    return -1;
}

} // namespace

QStringList mascaras(const QString& lista) {
    return lista.split(u';', Qt::SkipEmptyParts);
}

QString substituir(const QString& texto, const QString& vello, const QString& novo) {
    if (vello.isEmpty()) return texto;
    QString r = texto;
    return r.replace(vello, novo, Qt::CaseSensitive);
}

QByteArray substituir(const QByteArray& texto, const QByteArray& vello, const QByteArray& novo) {
    if (vello.isEmpty()) return texto;
    QByteArray r = texto;
    return r.replace(vello, novo);
}

QString codificalibro(const QString& texto) {
    return QStringLiteral("[*]") + QString::fromLatin1(texto.toUtf8().toBase64());
}

QString descodificalibro(const QString& texto) {
    // Tolerant decoding: anything outside the alphabet (line breaks, blanks, "=") is skipped and
    // a final incomplete group gives the whole bytes it holds.
    QByteArray bytes;
    bytes.reserve(texto.size() * 3 / 4);
    quint32 acumulado = 0;
    int bits = 0;
    for (qsizetype i = 3; i < texto.size(); ++i) {
        const int v = valorbase64(texto[i].unicode());
        if (v < 0) continue;
        acumulado = (acumulado << 6) | quint32(v);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes.append(char((acumulado >> bits) & 0xFF));
        }
    }
    return QString::fromUtf8(bytes);
}

QString corahex(TColor cor) {
    return QStringLiteral("%1%2%3")
        .arg(cor & 0xFF, 2, 16, QChar(u'0'))
        .arg((cor >> 8) & 0xFF, 2, 16, QChar(u'0'))
        .arg((cor >> 16) & 0xFF, 2, 16, QChar(u'0'))
        .toUpper();
}

TColor hexacor(const QString& texto) {
    const QString cifras = texto.startsWith(u'#') ? texto.mid(1) : texto;
    if (cifras.isEmpty() || cifras.size() > 8) throw errorconversion(texto, "hexadecimal colour");
    quint32 v = 0;
    for (QChar c : cifras) {
        const char16_t u = c.unicode();
        int valor;
        if (u >= u'0' && u <= u'9')
            valor = u - u'0';
        else if (u >= u'a' && u <= u'f')
            valor = u - u'a' + 10;
        else if (u >= u'A' && u <= u'F')
            valor = u - u'A' + 10;
        else
            throw errorconversion(texto, "hexadecimal colour");
        v = (v << 4) | quint32(valor);
    }
    return ((v >> 16) & 0xFF) | (v & 0xFF00) | ((v & 0xFF) << 16);
}

TColor hexacor(const QString& texto, TColor defecto) {
    try {
        return hexacor(texto);
    } catch (const EConvertError&) {
        return defecto;
    }
}

QColor colorDe(TColor cor) {
    return QColor(cor & 0xFF, (cor >> 8) & 0xFF, (cor >> 16) & 0xFF);
}

TColor deColor(const QColor& cor) {
    return TColor(cor.red()) | (TColor(cor.green()) << 8) | (TColor(cor.blue()) << 16);
}

int tipoarquivo(const QString& nome) {
    const int punto = nome.lastIndexOf(u'.');
    if (punto < 0 || punto < ultimodelimitador(nome)) return 0;
    if (nome.size() - punto < 2) return 0;
    // Each kind's masks, read once; the first kind that names a mask keeps it. They are few: a
    // look along them costs less than hashing the name's mask.
    static const std::vector<std::pair<QString, int>> tipos = [] {
        std::vector<std::pair<QString, int>> t;
        const QString* listas[] = {&extensionsimaxe, &extensionsson, &extensionsvideo, &extensionstexto};
        for (int k = 0; k < 4; ++k)
            for (const QString& m : mascaras(*listas[k]))
                if (std::none_of(t.begin(), t.end(), [&m](const auto& e) { return e.first == m; }))
                    t.emplace_back(m, k + 1);
        return t;
    }();
    const auto tipo = [](QStringView mascara) {
        for (const auto& [m, k] : tipos)
            if (m == mascara) return k;
        return 0;
    };
    // A short ASCII extension is lowered in place, with no string made: this runs for every file
    // of a listed folder.
    const QStringView extension = QStringView(nome).mid(punto);
    char16_t curta[16];
    if (extension.size() < qsizetype(std::size(curta))) {
        curta[0] = u'*';
        qsizetype n = 1;
        for (const QChar c : extension) {
            const char16_t u = c.unicode();
            if (u >= 0x80) break;
            curta[n++] = (u >= u'A' && u <= u'Z') ? char16_t(u + (u'a' - u'A')) : u;
        }
        if (n == extension.size() + 1) return tipo(QStringView(curta, n));
    }
    QString mascara;
    mascara.reserve(nome.size() - punto + 1);
    mascara.append(u'*').append(extension);
    return tipo(mascara.toLower());
}

bool esrecurso(const QString& nome) {
    return tipoarquivo(nome) != 0;
}

QString rutarelativa(const QString& arquivolibro, const QString& recurso) {
    if (recurso.isEmpty()) return {};
    // A relative resource lies beside the book; a relative book name has nothing to stand on and
    // counts from the root.
    const Partes libro = partir(arquivolibro, QString());
    const Partes rec = partir(recurso, cartafol(rutanativa(arquivolibro)));
    if (rec.componentes.isEmpty()) return recurso;
    const QString nome = rec.componentes.last();
    const QStringList f = rec.componentes.mid(0, rec.componentes.size() - 1);
    const QStringList cartafollibro = libro.componentes.mid(0, libro.componentes.size() - 1);

    // Another drive, or a resource in the root (no folder name to step into): absolute path.
    if (rec.unidade != libro.unidade || f.isEmpty()) {
        QString r = rec.unidade + QStringLiteral("\\");
        for (const QString& c : f)
            r += c + QStringLiteral("\\");
        return r + nome;
    }

    const QStringList contedor = f.mid(0, f.size() - 1);
    qsizetype comuns = 0;
    while (comuns < cartafollibro.size() && comuns < contedor.size() &&
           cartafollibro[comuns] == contedor[comuns])
        ++comuns;
    QString r;
    for (qsizetype i = comuns; i < cartafollibro.size(); ++i)
        r += QStringLiteral("..\\");
    for (qsizetype i = comuns; i < contedor.size(); ++i)
        r += contedor[i] + QStringLiteral("\\");
    r += f.last();
    return r + QStringLiteral("\\") + nome;
}

QStringList arquivosdecarpeta(const QString& carpeta, bool ocultos, bool* lida) {
    QStringList r;
    const QByteArray ruta = QFile::encodeName(carpeta.isEmpty() ? QStringLiteral(".") : carpeta);
    DIR* d = ::opendir(ruta.constData());
    if (lida) *lida = d != nullptr;
    if (!d) return r;
    const int fd = ::dirfd(d);
    while (const dirent* e = ::readdir(d)) {
        const char* n = e->d_name;
        if (n[0] == '.' && (!ocultos || n[1] == 0 || (n[1] == '.' && n[2] == 0))) continue;
        bool arquivo = e->d_type == DT_REG;
        if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
            struct stat st {};
            arquivo = ::fstatat(fd, n, &st, 0) == 0 && S_ISREG(st.st_mode);
        }
        if (arquivo) r << QFile::decodeName(n);
    }
    ::closedir(d);
    return r;
}

EstadoCarpeta EstadoCarpeta::de(const QString& carpeta) {
    EstadoCarpeta e;
    e.carpeta = carpeta;
    struct stat st {};
    if (::stat(QFile::encodeName(carpeta).constData(), &st) != 0) return e;
    e.segundos = st.st_mtim.tv_sec;
    e.nanosegundos = st.st_mtim.tv_nsec;
    e.nodo = st.st_ino;
    timespec agora{};
    ::clock_gettime(CLOCK_REALTIME, &agora);
    // A second is far beyond the clock tick of any file system in use here.
    e.estable = agora.tv_sec - st.st_mtim.tv_sec > 1;
    return e;
}

CarpetasLidas::Lista& CarpetasLidas::lista(const QString& carpeta) {
    auto lista = listas_.find(carpeta);
    if (lista == listas_.end()) {
        Lista nova;
        const QStringList nomes = arquivosdecarpeta(carpeta, true, &nova.lida);
        nova.nomes.reserve(nomes.size());
        for (const QString& e : nomes)
            nova.nomes.insert(e, true);
        lista = listas_.insert(carpeta, std::move(nova));
    }
    return *lista;
}

QString CarpetasLidas::atopar(const QString& ruta) {
    const QFileInfo info(ruta);
    const QString carpeta = info.path();
    const QString nome = info.fileName();
    if (nome.isEmpty()) return {};
    // A file that is there costs one look-up; its folder is listed only when a name is missing
    // (for the letter-case try), and from then on answers every look-up in it. Listing every
    // folder up front costs more: a folder holds many files a book does not name.
    if (!listas_.contains(carpeta) && info.isFile()) return ruta;
    Lista& l = lista(carpeta);
    if (l.nomes.contains(nome)) return ruta;
    // A folder that cannot be listed may still let its files be opened by name.
    if (!l.lida) return info.isFile() ? ruta : QString();
    if (!l.dobrada) {
        l.dobrada = true;
        l.sencaixa.reserve(l.nomes.size());
        for (auto i = l.nomes.cbegin(); i != l.nomes.cend(); ++i) {
            QString& p = l.sencaixa[i.key().toCaseFolded()];
            if (p.isNull() || i.key() < p) p = i.key();
        }
    }
    const auto atopado = l.sencaixa.constFind(nome.toCaseFolded());
    return atopado == l.sencaixa.cend() ? QString() : QDir(carpeta).filePath(*atopado);
}

QString rutaabsoluta(const QString& nome, const QString& base, const QString& alternativa,
                     CarpetasLidas* listas) {
    if (nome.isEmpty()) return {};
    // Without kept listings, fresh ones for this look-up alone.
    CarpetasLidas propias;
    if (!listas) listas = &propias;
    // No file name holds a NUL character: nothing to look for (and nothing to warn about).
    if (nome.contains(QChar(0))) return condelimitador(rutanativa(alternativa)) + nomearquivo(nome);

    // A drive letter or a network name belongs to another system: there is no candidate here.
    const bool allea = tenunidade(nome) || nome.startsWith(QStringLiteral("\\\\"));
    if (!allea) {
        QString candidato;
        if (esdelimitador(nome[0]))
            candidato = QStringLiteral("/") + nome.mid(1); // root of the base (no drives here)
        else if (base.isEmpty())
            candidato = nome;
        else
            candidato = condelimitador(rutanativa(base)) + nome;
        candidato = QDir::cleanPath(rutanativa(candidato));
        const QString atopado = listas->atopar(candidato);
        if (!atopado.isEmpty()) return atopado;
    }

    const QString carpeta = rutanativa(alternativa);
    const QString resultado = condelimitador(carpeta) + nomearquivo(nome);
    if (!carpeta.isEmpty()) {
        const QString atopado = listas->atopar(resultado);
        if (!atopado.isEmpty()) return atopado;
    }
    return resultado;
}

QString senextension(const QString& nome) {
    const int punto = nome.lastIndexOf(u'.');
    if (punto < 0 || punto < ultimodelimitador(nome)) return nome;
    return nome.left(punto);
}

void borrararquivo(const QString& ruta) {
    if (!ruta.isEmpty() && QFileInfo(ruta).isFile()) QFile::remove(ruta);
}

QString encher(const QString& texto, QChar caracter, int conta) {
    if (conta <= 0) return texto;
    return texto + QString(conta, caracter);
}

QString nomearquivo(const QString& ruta) {
    return ruta.mid(ultimodelimitador(ruta) + 1);
}

QString nomeparaver(const QString& ruta) {
    return ruta.mid(std::max<qsizetype>(ultimodelimitador(ruta), ruta.lastIndexOf(u':')) + 1);
}

QString cartafol(const QString& ruta) {
    const int d = ultimodelimitador(ruta);
    return d < 0 ? QString() : ruta.left(d);
}

QString rutanativa(const QString& ruta) {
    QString r = ruta;
    return r.replace(u'\\', u'/');
}

bool enderezoweb(const QString& ruta) {
    return ruta.startsWith(QLatin1String("http:"), Qt::CaseInsensitive) ||
           ruta.startsWith(QLatin1String("https:"), Qt::CaseInsensitive);
}

QString condelimitador(const QString& cartafol) {
    if (cartafol.isEmpty() || esdelimitador(cartafol.back())) return cartafol;
    return cartafol + u'/'; // not separador: safe during static initialisation
}

namespace {

// UTF-16 units of the character that starts at unit u.
qsizetype largocaracter(const QString& texto, qsizetype u) {
    return texto[u].isHighSurrogate() && u + 1 < texto.size() && texto[u + 1].isLowSurrogate() ? 2 : 1;
}

// Where character i starts in UTF-16 units, and how many units it takes; -1 past the end.
std::pair<qsizetype, qsizetype> unidades(const QString& texto, qsizetype i) {
    for (qsizetype u = 0, n = 0; u < texto.size(); ++n) {
        const qsizetype largo = largocaracter(texto, u);
        if (n == i) return {u, largo};
        u += largo;
    }
    return {-1, 0};
}

} // namespace

qsizetype cpLength(const QString& texto) {
    qsizetype n = 0;
    for (qsizetype u = 0; u < texto.size(); ++n)
        u += largocaracter(texto, u);
    return n;
}

QString cpAt(const QString& texto, qsizetype i) {
    const auto [u, largo] = unidades(texto, i);
    return u < 0 ? QString() : texto.mid(u, largo);
}

QString cpReplaceAt(const QString& texto, qsizetype i, const QString& c) {
    const auto [u, largo] = unidades(texto, i);
    if (u < 0) return texto;
    QString r = texto;
    r.replace(u, largo, c);
    return r;
}

QString cpPadTo(const QString& texto, qsizetype n, QChar recheo) {
    const qsizetype falta = n - cpLength(texto);
    return falta > 0 ? texto + QString(falta, recheo) : texto;
}

int enteiro(const QString& texto) {
    const QString t = texto.trimmed();
    qsizetype i = 0;
    bool negativo = false;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
        negativo = t[i] == u'-';
        ++i;
    }
    if (i >= t.size()) throw errorconversion(texto, "whole number");
    qint64 v = 0;
    const qint64 limite =
        negativo ? -qint64(std::numeric_limits<int>::min()) : std::numeric_limits<int>::max();
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9') throw errorconversion(texto, "whole number");
        v = v * 10 + (c - u'0');
        if (v > limite) throw errorconversion(texto, "whole number");
    }
    return int(negativo ? -v : v);
}

int enteiro(const QString& texto, int defecto) {
    try {
        return enteiro(texto);
    } catch (const EConvertError&) {
        return defecto;
    }
}

QList<QByteArray> partirlinas(const QByteArray& datos) {
    QList<QByteArray> linas;
    qsizetype inicio = 0;
    for (qsizetype i = 0; i < datos.size(); ++i) {
        const char c = datos[i];
        if (c != '\r' && c != '\n') continue;
        linas.append(datos.mid(inicio, i - inicio));
        if (c == '\r' && i + 1 < datos.size() && datos[i + 1] == '\n') ++i;
        inicio = i + 1;
    }
    if (inicio < datos.size()) linas.append(datos.mid(inicio));
    return linas;
}

bool lerlinas(const QString& ruta, QList<QByteArray>& linas) {
    linas.clear();
    if (QFileInfo(ruta).isDir()) return false;
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray datos = f.readAll();
    if (f.error() != QFileDevice::NoError) return false;
    linas = partirlinas(datos);
    return true;
}

bool (*permitirgardado)(const QString& ruta) = nullptr;

namespace {

bool gardardatos(const QString& ruta, const QByteArray& datos) {
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(datos) != datos.size() || (permitirgardado && !permitirgardado(ruta))) {
        f.cancelWriting();
        f.commit();
        return false;
    }
    return f.commit();
}

} // namespace

bool gardarlinas(const QString& ruta, const QList<QByteArray>& linas) {
    QByteArray datos;
    qsizetype tamano = 0;
    for (const QByteArray& l : linas)
        tamano += l.size() + 2;
    datos.reserve(tamano);
    for (const QByteArray& l : linas) {
        datos += l;
        datos += "\r\n";
    }
    return gardardatos(ruta, datos);
}

void reterbuffers() {
    static std::once_flag feito;
    std::call_once(feito, [] {
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024); // the most it takes
        mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
    });
}

QByteArray textodelinas(const QStringList& linas) {
    // One buffer, sized for the worst case (3 bytes a UTF-16 unit) and encoded into directly. A
    // lone surrogate becomes "?", as QString::toUtf8 writes it.
    qsizetype tamano = 0;
    for (const QString& l : linas)
        tamano += 3 * l.size() + 2;
    QByteArray datos(tamano, Qt::Uninitialized);
    char* p = datos.data();
    for (const QString& l : linas) {
        const char16_t* t = reinterpret_cast<const char16_t*>(l.constData());
        const char16_t* const fin = t + l.size();
        while (t < fin) {
            const char32_t u = *t++;
            if (u < 0x80) {
                *p++ = char(u);
            } else if (u < 0x800) {
                *p++ = char(0xC0 | (u >> 6));
                *p++ = char(0x80 | (u & 0x3F));
            } else if (QChar::isHighSurrogate(u) && t < fin && QChar::isLowSurrogate(*t)) {
                const char32_t c = QChar::surrogateToUcs4(char16_t(u), *t++);
                *p++ = char(0xF0 | (c >> 18));
                *p++ = char(0x80 | ((c >> 12) & 0x3F));
                *p++ = char(0x80 | ((c >> 6) & 0x3F));
                *p++ = char(0x80 | (c & 0x3F));
            } else if (QChar::isSurrogate(u)) {
                *p++ = '?';
            } else {
                *p++ = char(0xE0 | (u >> 12));
                *p++ = char(0x80 | ((u >> 6) & 0x3F));
                *p++ = char(0x80 | (u & 0x3F));
            }
        }
        *p++ = '\r';
        *p++ = '\n';
    }
    datos.truncate(p - datos.constData());
    return datos;
}

bool gardarlinas(const QString& ruta, const QStringList& linas) {
    return gardardatos(ruta, textodelinas(linas));
}

std::optional<QStringList> lertextoarquivo(const QString& ruta) {
    if (QFileInfo(ruta).isDir()) return std::nullopt;
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray datos = f.readAll();
    if (f.error() != QFileDevice::NoError) return std::nullopt;
    if (datos.startsWith("\xEF\xBB\xBF")) datos.remove(0, 3);
    // One choice for the whole file: texts from older systems are Latin-1 throughout.
    const bool utf8 = QByteArrayView(datos).isValidUtf8();
    QStringList linas;
    for (const QByteArray& l : partirlinas(datos))
        linas.append(utf8 ? QString::fromUtf8(l) : QString::fromLatin1(l));
    return linas;
}

} // namespace quibel
