#include "publish/paquete.h"

#include "book/rutinas.h"
#include "languages/idiomas.h"
#include "publish/flash.h"
#include "publish/gardaexport.h"
#include "publish/scorm.h"
#include "publish/zipbuilder.h"

#include <QFileInfo>

namespace quibel {

namespace {

void contar(const std::function<void(const QString&)>& titular, int texto, const QStringList& nomes = {}) {
    if (!titular) return;
    titular(nomes.isEmpty() ? textosui[texto] : textosui[texto] + u' ' + nomes.join(QLatin1String(", ")));
}

} // namespace

void engadirpaquete(ContextoExportar& c, const std::function<void(const QString&)>& titular) {
    const Book& b = c.libro;
    const bool scorm = c.scorm && !b.txthtml.isEmpty();
    const QString script = QString::fromLatin1(nomescriptscorm);
    const QString manifesto_ = QString::fromLatin1(nomemanifesto);
    QStringList fora;
    ZipBuilder z;
    for (const EntradaZip& e : std::as_const(c.zip))
        if (((e.nome == script || e.nome == manifesto_) && scorm) || !z.add(e)) fora << e.nome;
    c.zip = z.entries();
    // Told also when a later step fails.
    struct Contar {
        const std::function<void(const QString&)>& titular;
        const QStringList& fora;
        ~Contar() {
            if (!fora.isEmpty()) contar(titular, textozipfora, fora);
        }
    } contarfora{titular, fora};
    const auto engadir = [&](const EntradaZip& e) {
        if (!z.add(e)) {
            fora << e.nome;
            return false;
        }
        c.zip = z.entries();
        return true;
    };
    const auto engadirarquivo = [&](const QString& arquivo, const QString& nome) {
        return QFileInfo(arquivo).isFile() && engadir(EntradaZip{arquivo, nome});
    };

    if (b.txthtml.isEmpty()) {
        if (c.scorm) contar(titular, textoscormhtml);
        return;
    }
    if (c.folla.chkflash) {
        const QString paxina = nomepaxinaflash(b.txthtml);
        engadirarquivo(c.destino + paxina, paxina);
    }
    engadirarquivo(c.destino + b.nlibro, b.nlibro);
    if (c.folla.chkflash) engadirarquivo(c.destino + QStringLiteral("zub.swf"), QStringLiteral("zub.swf"));
    if (!scorm) return;

    engadir(EntradaZip{{}, script, arquivoscorm(b.carpetaprograma, script)});
    QString lom;
    if (!b.edlomes.isEmpty()) {
        const QString nome = nomeparaver(b.edlomes);
        if (nome == manifesto_)
            fora << nome;
        else if (engadirarquivo(b.edlomes, nome))
            lom = nome;
    }
    DatosManifesto d;
    for (const EntradaZip& e : std::as_const(c.zip))
        d.nomes << e.nome;
    d.nomezub = b.txttitulo.isEmpty() ? b.nlibro : b.txttitulo;
    d.nomeweb = b.txthtml;
    // Worked out here too: the host page step that gives it runs only with the HTML option.
    d.titulo = b.txttitulo.isEmpty() ? senextension(b.nlibro) : b.txttitulo;
    d.lom = lom;
    engadir(EntradaZip{{}, manifesto_, manifesto(arquivoscorm(b.carpetaprograma, manifesto_), d)});
}

void pasospaquete(ContornoExportar& contorno, const QByteArray& swf) {
    const AvisosExportar avisos = contorno.avisos;
    const int idiomavisor = contorno.idiomavisor;
    PasosExportar& p = contorno.pasos;
    p.flash = [swf](ContextoExportar& c) { return gardarflash(c, swf); };
    p.gardaexport = [avisos, idiomavisor](ContextoExportar& c, const QString& arquivo) {
        const QString erro = gardaexport(c.libro, arquivo, idiomavisor, c.nomes);
        if (!erro.isEmpty() && avisos.mensaxe) avisos.mensaxe(erro);
    };
    p.paquete = [titular = avisos.titular](ContextoExportar& c) { engadirpaquete(c, titular); };
    p.escribirzip = [titular = avisos.titular](const QString& arquivo, const QList<EntradaZip>& entradas) {
        QStringList fora;
        const QString erro = escribirzip(arquivo, entradas, &fora);
        if (!fora.isEmpty()) contar(titular, textozipfora, fora);
        return erro;
    };
}

} // namespace quibel
