#include "publish/scorm.h"

#include "book/bloquespaxina.h"
#include "book/rutinas.h"

#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace quibel {

QByteArray arquivoscorm(const QString& carpetaprograma, const QString& nome) {
    QString ruta = condelimitador(carpetaprograma) + QStringLiteral("tpl/scorm/") + nome;
    if (carpetaprograma.isEmpty() || !QFileInfo::exists(ruta)) ruta = QStringLiteral(":/scorm/") + nome;
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error((ruta + QStringLiteral(": ") + f.errorString()).toStdString());
    return f.readAll();
}

QString escapaxml(const QString& texto) {
    QString limpo = texto;
    limpo.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r'; });
    // The book file's entities for its page fields: the same five.
    return escritura::escapacampo(limpo);
}

QByteArray manifesto(const QByteArray& modelo, const DatosManifesto& d) {
    QByteArray ficheiros;
    for (const QString& n : d.nomes)
        ficheiros += "<file href=\"" + escapaxml(n).toUtf8() + "\" />\r";
    const QByteArray metadata =
        d.lom.isEmpty() ? QByteArray() : "<adlcp:location>" + escapaxml(d.lom).toUtf8() + "</adlcp:location>";
    const std::pair<QByteArray, QByteArray> pares[] = {
        {"[[ficheiros]]", ficheiros},
        {"[[nomezub]]", escapaxml(d.nomezub).toUtf8()},
        {"[[nomeweb]]", escapaxml(d.nomeweb).toUtf8()},
        {"[[titulo]]", escapaxml(d.titulo).toUtf8()},
        {"[[metadata]]", metadata},
    };
    // One pass: a title or a file name holding "[[metadata]]" stays as it is.
    QByteArray texto;
    texto.reserve(modelo.size() + ficheiros.size());
    for (qsizetype i = 0; i < modelo.size();) {
        bool feito = false;
        if (modelo[i] == '[')
            for (const auto& [marca, valor] : pares)
                if (QByteArrayView(modelo).sliced(i).startsWith(marca)) {
                    texto += valor;
                    i += marca.size();
                    feito = true;
                    break;
                }
        if (!feito) texto += modelo[i++];
    }
    QByteArray saida;
    for (const QByteArray& l : partirlinas(texto))
        saida += l + "\r\n";
    return saida;
}

} // namespace quibel
