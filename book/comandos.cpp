#include "book/comandos.h"

#include "book/XMLParser.h"
#include "book/rutinas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

} // namespace

Apertura abrirlibro(Book& libro, TXMLDoc& doc, const QString& arquivo) {
    Apertura r;
    const QFileInfo info(arquivo);
    QFile f(arquivo);
    if (!info.isFile() || !f.open(QIODevice::ReadOnly)) {
        r.erro = erroapertura;
        return r;
    }
    const QByteArray datos = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        r.erro = erroapertura;
        return r;
    }

    try {
        analizarlibro(doc, datos);
    } catch (const EXMLException& e) {
        r.erro = QString::fromUtf8(e.message());
        if (r.erro.isEmpty()) r.erro = erroapertura;
        return r;
    } catch (const std::exception&) {
        r.erro = erroapertura;
        return r;
    }
    const TXMLNode* raiz = primeiroelemento(doc);
    if (!raiz || raiz->Name != "zub") {
        r.erro = erroapertura;
        return r;
    }

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
