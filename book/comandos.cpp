#include "book/comandos.h"

#include "book/XMLParser.h"
#include "book/documento.h"
#include "book/gardalocal.h"
#include "book/paxinas.h"
#include "book/rutinas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>

namespace quibel {

namespace {

// The root of a book file is its first element: a comment or processing instruction before it
// does not make the file another kind of document.
const TXMLNode* primeiroelemento(const TXMLDoc& doc) {
    for (int i = 0; i < doc.Nodes.Count(); ++i) {
        const TXMLNode* n = doc.Nodes.Items(i);
        if (n->NodeType == TXMLNodeType::ntElement) return n;
    }
    return nullptr;
}

// Reads and parses a book file through doc as Open does: its root `zub`, or null with the
// message for the author.
const TXMLNode* lerraiz(TXMLDoc& doc, const QString& arquivo, QString& erro) {
    reterbuffers();
    erro = erroapertura;
    const QFileInfo info(arquivo);
    QFile f(arquivo);
    if (!info.isFile() || !f.open(QIODevice::ReadOnly)) return nullptr;
    const QByteArray datos = f.readAll();
    if (f.error() != QFileDevice::NoError) return nullptr;
    try {
        analizarlibro(doc, datos);
    } catch (const EXMLException& e) {
        const QString mensaxe = QString::fromUtf8(e.message());
        if (!mensaxe.isEmpty()) erro = mensaxe;
        return nullptr;
    } catch (const std::exception&) {
        return nullptr;
    }
    const TXMLNode* raiz = primeiroelemento(doc);
    if (!raiz || raiz->Name != "zub") return nullptr;
    erro.clear();
    return raiz;
}

// The pages the reader would take from the root: none from a root without attributes.
int paxinasde(const TXMLNode& raiz) {
    int n = 0;
    if (!raiz.HasAttributes()) return 0;
    for (int i = 0; i < raiz.ChildCount(); ++i) {
        const TXMLNode* s = raiz.GetChild(i);
        if (!s || s->NodeType != TXMLNodeType::ntElement || s->Name != "libro") continue;
        for (int k = 0; k < s->ChildCount(); ++k) {
            const TXMLNode* p = s->GetChild(k);
            n += p && p->NodeType == TXMLNodeType::ntElement && p->Name == "paxina";
        }
    }
    return n;
}

} // namespace

Apertura abrirlibro(Book& libro, TXMLDoc& doc, const QString& arquivo) {
    Apertura r;
    const QFileInfo info(arquivo);
    const TXMLNode* raiz = lerraiz(doc, arquivo, r.erro);
    if (!raiz) return r;

    // The new book is built beside the open one and replaces it only once it has been read.
    const QString cartafol = condelimitador(info.absolutePath());
    Book novo = libro;
    novo.carpetalibro = cartafol;
    novo.carpetarecursos = cartafol;
    try {
        novo.inicializar();
        novo.inizrtf();
        // The reset keeps the licence for New; a book opened brings its own or none.
        novo.txtlicencia.clear();
        novo.txtlibro = info.completeBaseName();
        novo.numpaxinas = 0;
        Lectura lectura;
        lectura.carpetalectura = cartafol;
        r.informe = LoadItem(novo, *raiz, lectura);
    } catch (const std::exception&) {
        r.erro = erroapertura;
        return r;
    }
    libro = std::move(novo);
    r.ok = true;
    return r;
}

FonteImportacion lerimportacion(TXMLDoc& doc, const QString& arquivo) {
    FonteImportacion r;
    const TXMLNode* raiz = lerraiz(doc, arquivo, r.erro);
    if (!raiz) return r;
    r.paxinas = paxinasde(*raiz);
    r.ok = true;
    return r;
}

Importacion importar(Documento& documento, TXMLDoc& doc, const QString& arquivo, int desde, int ata) {
    Importacion r;
    const TXMLNode* raiz = lerraiz(doc, arquivo, r.erro);
    if (!raiz) return r;
    Book& libro = documento.libro;
    desde = qMax(desde, 1);
    r.ok = true;
    r.ata = qMin(ata, paxinasde(*raiz));
    int n = r.ata - desde + 1;
    const int sitio = Book::maxpaxinas - int(libro.numpaxinas);
    if (n > sitio) {
        n = sitio;
        r.ata = desde + n - 1;
    }
    if (n < 1) return r;

    const Book antes = libro;
    const int c = documento.paxinaactual();
    if (!paxinanova(documento, n)) return r;
    Lectura lectura;
    lectura.completo = false;
    lectura.desde = desde;
    lectura.ata = r.ata;
    lectura.destino = c;
    lectura.carpetalectura = libro.carpetalibro;
    lectura.carpetaimportacion = QFileInfo(arquivo).absolutePath();
    try {
        r.informe = LoadItem(libro, *raiz, lectura);
    } catch (const std::exception&) {
        libro = antes;
        documento.porpaxinaactual(c);
        r.ok = false;
        r.erro = erroapertura;
        return r;
    }
    r.insertadas = n;
    return r;
}

void quentarlibros() {
    reterbuffers();
    // Heap for the first Open and Save, faulted in now: the allocator keeps it for them.
    constexpr std::size_t tamano = 8 * 1024 * 1024;
    if (void* p = std::malloc(tamano)) {
        auto* bytes = static_cast<volatile char*>(p);
        for (std::size_t i = 0; i < tamano; i += 4096)
            bytes[i] = 0;
        std::free(p);
    }
    // The writer and the reader once through a page of every type, in memory: their code and
    // their tables are in place before the author's first Open.
    Book b;
    b.inicializar();
    b.inizrtf();
    constexpr int tipos = 51;
    for (int fila = 1; fila <= tipos; ++fila) {
        b.paxina(fila)[0] = QString::number(fila);
        b.texto(fila, 1) = QStringLiteral("<p>Quibel</p>");
    }
    b.numpaxinas = tipos;
    TXMLDoc doc;
    analizarlibro(doc, textodelinas(linaslibro(b, QString(), 0)));
    if (const TXMLNode* raiz = primeiroelemento(doc)) {
        Book lido;
        lido.inicializar();
        lido.inizrtf();
        lido.numpaxinas = 0;
        LoadItem(lido, *raiz, Lectura{});
    }
}

QString nomegardar(const QString& nome) {
    if (nome.isEmpty()) return nome;
    // Only the file name counts: a dot in a folder name is no extension.
    return QFileInfo(nome).suffix().isEmpty() ? nome + QStringLiteral(".zube") : nome;
}

QString rutaargumento(const QString& argumento, const QString& cartafolinicial) {
    if (argumento.isEmpty()) return argumento;
    const QFileInfo info(argumento);
    if (info.isAbsolute()) return QDir::cleanPath(argumento);
    return QDir::cleanPath(QDir(cartafolinicial).absoluteFilePath(argumento));
}

} // namespace quibel
