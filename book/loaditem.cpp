#include "book/loaditem.h"

#include "book/XMLParser.h"
#include "book/mapaelementos.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <cmath>
#include <exception>

namespace quibel {

namespace {

bool esdelimitador(QChar c) {
    return c == u'/' || c == u'\\';
}

bool utf8valido(const QByteArray& texto) {
    return QByteArrayView(texto).isValidUtf8();
}

bool eelemento(const TXMLNode* n) {
    return n && n->NodeType == TXMLNodeType::ntElement;
}

// The value of an element: the raw text of its first child when that is a text node, the empty
// text for any other first child, nothing when it has no child (blanks alone make none).
std::optional<QString> valorde(const TXMLNode& e) {
    if (e.ChildCount() == 0) return std::nullopt;
    const TXMLNode* primeiro = e.GetChild(0);
    if (primeiro->NodeType == TXMLNodeType::ntText) return QString::fromUtf8(primeiro->Value);
    return QString();
}

// The text of `texto`, `menu`, `externa` and `valor`: consecutive CDATA sections and text nodes
// from the first child on, joined (the writer splits a CDATA text at "]]>").
std::optional<QString> textounido(const TXMLNode& e) {
    const int conta = e.ChildCount();
    if (conta == 0) return std::nullopt;
    const TXMLNode* primeiro = e.GetChild(0);
    if (primeiro->NodeType == TXMLNodeType::ntText && conta == 1) return QString::fromUtf8(primeiro->Value);
    QByteArray texto;
    for (int i = 0; i < conta; ++i) {
        const TXMLNode* f = e.GetChild(i);
        if (f->NodeType == TXMLNodeType::ntCData)
            texto += f->Name;
        else if (f->NodeType == TXMLNodeType::ntText)
            texto += f->Value;
        else
            break;
    }
    return QString::fromUtf8(texto);
}

// A folder named in a book: a relative one lies in the book's folder, wherever the program was
// started.
QString carpetadelibro(const QString& carpeta, const QString& base) {
    if (carpeta.isEmpty() || base.isEmpty() || !QFileInfo(carpeta).isRelative()) return carpeta;
    return condelimitador(base) + carpeta;
}

const TXMLAttribute* atributo(const TXMLNode& e, const char* nome) {
    if (!e.Attributes) return nullptr;
    for (int i = 0; i < e.Attributes->Count(); ++i) {
        const TXMLAttribute* a = e.Attributes->Items(i);
        if (a->Name == nome) return a;
    }
    return nullptr;
}

// An attribute's value, entities decoded; empty when the element has no such attribute.
QString atributotexto(const TXMLNode& e, const char* nome) {
    const TXMLAttribute* a = atributo(e, nome);
    return a ? descodificaentidades(QString::fromUtf8(a->Value)) : QString();
}

class Lector {
public:
    Lector(Book& libro, const Lectura& l)
        : b(libro), lectura(l),
          importacion(l.carpetaimportacion.isEmpty() ? l.carpetalectura : l.carpetaimportacion),
          destino(l.destino) {}

    InformeLectura ler(const TXMLNode& raiz);

private:
    Book& b;
    const Lectura& lectura;
    InformeLectura informe;
    QString importacion;
    QString alternativa; // fallback folder of the file resolution
    mutable CarpetasLidas carpetas;
    int destino;        // the last row filled
    int contaitems = 0; // repeated elements of the section being read
    int contabotons = 0;

    bool completo() const { return lectura.completo; }

    // A file value of this book as a full path; web addresses stay as they are.
    QString resolver(const QString& v) const {
        if (v.isEmpty()) return {};
        if (enderezoweb(v)) return v;
        return rutaabsoluta(b.recursoslectura + v, lectura.carpetalectura, alternativa, &carpetas);
    }

    void poncor(QString& global, const QString& valor, CorLibro clave);
    void recursos(const TXMLNode& e);
    void recursosimportacion(const TXMLNode& e);
    void config(const TXMLNode& cfg);
    void propiedade(const TXMLNode& e, const QString& t);
    void mensaxe(const TXMLNode& e, const QString& t);
    void libro(const TXMLNode& lib, int limite);
    void paxina(const TXMLNode& px, int fila);
};

// The colour text is kept as it stands; a panel whose colour cannot be read takes its default.
void Lector::poncor(QString& global, const QString& valor, CorLibro clave) {
    global = valor;
    std::optional<TColor> cor;
    try {
        cor = hexacor(valor);
    } catch (const std::exception&) {
    }
    informe.cores.push_back({clave, cor.value_or(cordefecto(clave))});
}

void Lector::recursos(const TXMLNode& e) {
    const QString v = descodificaentidades(valorde(e).value_or(QString()));
    if (!v.isEmpty()) {
        if (v.startsWith(u'$') || v.contains(u'/') || v.contains(u'\\')) {
            // A folder: the files are relative to the book, with that folder as the fallback. A
            // relative folder lies in the book's folder, wherever the program was started; the
            // edit keeps it as the book names it.
            const QString d = rutanativa(v.startsWith(u'$') ? v.mid(1) : v);
            alternativa = carpetadelibro(d, b.carpetalibro);
            b.txtdirrec = !d.isEmpty() && QFileInfo(alternativa).isDir() ? d : b.carpetalibro;
            b.recursoslectura.clear();
        } else {
            // A plain name: a folder beside the book.
            b.txtdirrec = v;
            b.nomealmacen = v;
            b.recursoslectura = condelimitador(b.carpetalibro) + v;
        }
    }
    // An empty prefix stays empty: a lone delimiter would make every file root-relative.
    if (!b.recursoslectura.isEmpty() && !esdelimitador(b.recursoslectura.back()))
        b.recursoslectura += separador;
}

void Lector::recursosimportacion(const TXMLNode& e) {
    const QString v = descodificaentidades(valorde(e).value_or(QString()));
    if (v.isEmpty()) return;
    if (v.startsWith(u'$') || v.contains(u'/') || v.contains(u'\\')) {
        b.recursoslectura.clear();
        alternativa = carpetadelibro(rutanativa(v.startsWith(u'$') ? v.mid(1) : v), importacion);
    } else {
        b.recursoslectura = condelimitador(b.recursoslectura) + v + separador;
    }
}

void Lector::config(const TXMLNode& cfg) {
    if (!completo()) {
        b.recursoslectura = condelimitador(importacion);
        for (int i = 0; i < cfg.ChildCount(); ++i) {
            const TXMLNode* e = cfg.GetChild(i);
            if (eelemento(e) && e->Name == "recursos") recursosimportacion(*e);
        }
        return;
    }

    b.recursoslectura = b.carpetalibro;
    b.txtdirrec = b.carpetalibro;
    contaitems = 0;
    for (int i = 0; i < cfg.ChildCount(); ++i) {
        const TXMLNode* e = cfg.GetChild(i);
        if (!eelemento(e)) continue;
        if (e->Name == "recursos") {
            recursos(*e);
            continue;
        }
        const std::optional<QString> v = valorde(*e);
        if (e->Name == "liga") {
            // Every link counts, also an empty one; the book has 14.
            const int k = contaitems;
            if (contaitems < Book::numligas) ++contaitems;
            if (v && k < Book::numligas) {
                b.txmenus[k] = descodificaentidades(*v);
                if (e->Attributes && e->Attributes->Count() > 0 && e->Attributes->Items(0)->Name == "ir")
                    b.txligas[k] = descodificaentidades(QString::fromUtf8(e->Attributes->Items(0)->Value));
            }
            continue;
        }
        if (e->Name == "correcto" || e->Name == "incorrecto") {
            // Without a text the element still carries the sound and the box in its attributes.
            if (v || e->HasAttributes()) mensaxe(*e, v ? descodificaentidades(*v) : QString());
            continue;
        }
        if (v) propiedade(*e, descodificaentidades(*v));
    }
}

void Lector::mensaxe(const TXMLNode& e, const QString& t) {
    const bool ben = e.Name == "correcto";
    (ben ? b.txtben : b.txtmal) = t;
    const QString son = atributotexto(e, "son");
    if (!son.isEmpty()) {
        QString& arquivo = ben ? b.arquivocorrecto : b.arquivoincorrecto;
        arquivo = resolver(son);
        informe.sons.push_back(ben ? SonLibro::correcto : SonLibro::incorrecto);
        (ben ? b.benson : b.malson) = nomearquivo(arquivo);
    }
    // The box is written as modo="1" when checked: without it the box is unchecked.
    (ben ? b.chkben : b.chkmal) = atributotexto(e, "modo") == QLatin1String("1");
}

// One element of `config` with a value.
void Lector::propiedade(const TXMLNode& e, const QString& t) {
    const QByteArray& n = e.Name;
    const auto marca = [&t](bool& caixa) { caixa = t != QLatin1String("0"); };

    if (n == "licencia")
        b.txtlicencia = t;
    else if (n == "titulo")
        b.txttitulo = t;
    else if (n == "subtitulo")
        b.txtsub = t;
    else if (n == "autor")
        b.txtautor = t;
    else if (n == "iden")
        b.txtiden = t;
    else if (n == "tag")
        b.txtag = t;
    else if (n == "caracteres")
        b.txcaracter = t;
    else if (n == "final")
        b.txtenlacefinal = t;
    else if (n == "modo")
        b.tipolibro = t;
    else if (n == "adxuntos") {
        b.adxuntos.clear();
        for (const QString& item : t.split(u','))
            if (!item.isEmpty()) b.adxuntos << resolver(item);
    } else if (n == "corbanda") {
        poncor(b.corbandalibro, t, CorLibro::banda);
        b.chbanda = true;
    } else if (n == "cornavega") {
        poncor(b.cornavegalibro, t, CorLibro::navegacion);
        b.chbarra = true;
    } else if (n == "cortexto")
        poncor(b.cortextolibro, t, CorLibro::texto);
    else if (n == "corfondo")
        poncor(b.corfondolibro, t, CorLibro::fondo);
    else if (n == "cormensaxes")
        poncor(b.cormensaxeslibro, t, CorLibro::mensaxes);
    else if (n == "logo") {
        const QString ir = atributotexto(e, "ir");
        if (!ir.isEmpty()) b.saltologo = ir;
        b.arquivologo = resolver(t);
        b.txtlogo = nomearquivo(b.arquivologo);
        informe.imaxes.push_back({ImaxeLibro::logo, b.arquivologo});
    } else if (n == "imaxefondo") {
        b.arquivofondo = resolver(t);
        b.txtimaxe = nomearquivo(b.arquivofondo);
        b.trpf = QStringLiteral("100");
        b.fondox = QStringLiteral("0");
        b.fondoy = QStringLiteral("0");
        const QString trans = atributotexto(e, "trans");
        if (!trans.isEmpty()) b.trpf = trans;
        if (atributo(e, "posx")) b.fondox = atributotexto(e, "posx");
        if (atributo(e, "posy")) b.fondoy = atributotexto(e, "posy");
        informe.imaxes.push_back({ImaxeLibro::fondo, b.arquivofondo});
        informe.posicionfondo.reset();
        try {
            informe.posicionfondo = InformeLectura::Posicion{int(std::lrint(enteiro(b.fondox) / 2.0)),
                                                             int(std::lrint(enteiro(b.fondoy) / 2.0))};
        } catch (const std::exception&) {
        }
    } else if (n == "imbarra") {
        b.arquivobarra = resolver(t);
        b.nomimbarra = nomearquivo(b.arquivobarra);
        informe.imaxes.push_back({ImaxeLibro::barra, b.arquivobarra});
    } else if (n == "aspectosup" || n == "aspectoinf") {
        const bool sup = n == "aspectosup";
        if (esrecurso(t)) {
            QString& arquivo = sup ? b.arquivoaspectosup : b.arquivoaspectoinf;
            arquivo = resolver(t);
            (sup ? b.skin1 : b.skin2) = nomearquivo(arquivo);
        } else if (t == QLatin1String("2")) {
            b.chskin1 = false;
            b.chskin2 = true;
        } else if (t == QLatin1String("0")) {
            b.chskin1 = false;
            b.chskin2 = false;
        }
    } else if (n == "axuda") {
        if (enderezoweb(t)) {
            b.arquivoaxuda = t;
            b.axuda = t;
        } else {
            b.arquivoaxuda = resolver(t);
            b.axuda = nomearquivo(t);
        }
    } else if (n == "pel")
        marca(b.pel);
    else if (n == "desordenar")
        marca(b.desordenpax);
    else if (n == "informe")
        marca(b.binfor);
    else if (n == "botonson")
        marca(b.bson);
    else if (n == "maximizar")
        marca(b.bmaxi);
    else if (n == "sonido") {
        b.arquivosonido = resolver(t);
        b.soncontinuo = nomearquivo(b.arquivosonido);
        informe.sons.push_back(SonLibro::continuo);
        b.sonvol = QStringLiteral("100");
        const QString nivel = atributotexto(e, "nivel");
        if (!nivel.isEmpty()) b.sonvol = nivel;
        b.chkrepiteson = atributotexto(e, "modo") == QLatin1String("1");
    } else if (n == "modomenu") {
        if (t == QLatin1String("1"))
            b.chhorizontal = true;
        else if (t == QLatin1String("2"))
            b.chdereita = true;
    }
}

void Lector::libro(const TXMLNode& lib, int limite) {
    int paxinasleidas = 0;
    for (int i = 0; i < lib.ChildCount(); ++i) {
        const TXMLNode* px = lib.GetChild(i);
        if (!eelemento(px) || px->Name != "paxina") continue;
        ++paxinasleidas;
        if (paxinasleidas > lectura.ata) return;
        if (paxinasleidas < lectura.desde) continue;
        const int fila = destino + 1;
        if (fila < 1 || fila > limite) return; // the model's page limit, or the room the import made
        destino = fila;
        paxina(*px, fila);
    }
}

void Lector::paxina(const TXMLNode& px, int fila) {
    Tpaxina& p = b.taboapaxinas[fila];
    auto& w = b.textospaxina[fila];
    const auto pon = [&p](int campo, const QString& valor) {
        if (Book::campovalido(campo)) p.P[campo] = valor;
    };
    contaitems = 0;
    contabotons = 0;

    for (int i = 0; i < px.ChildCount(); ++i) {
        const TXMLNode* e = px.GetChild(i);
        if (!eelemento(e)) continue;
        const mapa::Elemento* m = mapa::buscar(e->Name);
        if (!m) continue;

        // Counters stop at the largest number any field can use; beyond it nothing has a place.
        int n = 0;
        if (m->contador == mapa::Contador::items)
            n = contaitems = qMin(contaitems + 1, Tpaxina::numcampos);
        else if (m->contador == mapa::Contador::botons)
            n = contabotons = qMin(contabotons + 1, Tpaxina::numcampos);

        if (!m->sempredefinidos || !m->sempredefinidos(p))
            for (const mapa::Predefinido& d : m->predefinidos)
                if (d.valor) pon(d.campo, QString::fromLatin1(d.valor));

        if (e->Attributes) {
            for (int k = 0; k < e->Attributes->Count(); ++k) {
                const TXMLAttribute* a = e->Attributes->Items(k);
                for (const mapa::Atributo& ma : m->atributos) {
                    if (!ma.nome) break;
                    if (a->Name != ma.nome) continue;
                    if (ma.xeito == mapa::Xeito::primeiro && k != 0) break;
                    QString v = descodificaentidades(QString::fromUtf8(a->Value));
                    if (ma.xeito == mapa::Xeito::cen && v.isEmpty())
                        v = QStringLiteral("100");
                    else if (ma.arquivo && ma.arquivo(p))
                        v = resolver(v);
                    pon(ma.campo + n, v);
                    if (ma.xeito == mapa::Xeito::botonmenu && Book::textovalido(n))
                        if (const std::optional<QString> t = textounido(*e)) w[n] = *t;
                    break;
                }
            }
        }

        if (m->especial == mapa::Especial::textow0)
            if (const std::optional<QString> t = textounido(*e)) w[1] = *t;

        if (m->campo == mapa::sen) continue;
        const std::optional<QString> bruto =
            m->contido == mapa::Contido::unido ? textounido(*e) : valorde(*e);
        if (!bruto) continue;
        QString v = descodificaentidades(*bruto);
        if (!v.isEmpty() && m->arquivo && m->arquivo(p)) v = resolver(v);
        pon(m->campo + n, v);

        if (m->especial == mapa::Especial::cfondo && !v.isEmpty()) {
            p.P[30] = QStringLiteral("1");
            std::optional<TColor> cor;
            try {
                cor = hexacor(v);
            } catch (const std::exception&) {
            }
            informe.cores.push_back({CorLibro::fondopaxina, cor.value_or(cordefecto(CorLibro::fondopaxina))});
        }
    }
}

InformeLectura Lector::ler(const TXMLNode& raiz) {
    const int entrada = lectura.destino;
    // A book's pages stop at 99; an import fills at most the rows its range made room for.
    int limite = Book::maxpaxinas;
    if (!completo())
        limite = qBound(0, entrada + qMax(0, lectura.ata - lectura.desde + 1), int(Book::maxpaxinas));

    // The prefix is set again by `config`; a file without one resolves against its own folder.
    if (completo()) {
        b.nomealmacen.clear();
        b.recursoslectura = b.carpetalibro;
    } else {
        b.recursoslectura = condelimitador(importacion);
    }

    if (eelemento(&raiz) && raiz.HasAttributes() && raiz.ChildCount() > 0) {
        for (int i = 0; i < raiz.ChildCount(); ++i) {
            const TXMLNode* s = raiz.GetChild(i);
            if (!eelemento(s)) continue;
            if (s->Name == "config")
                config(*s);
            else if (s->Name == "libro")
                libro(*s, limite);
        }
    }

    if (completo()) {
        const int cheas = qMax(0, destino - entrada);
        b.numpaxinas = quint8(qMin(int(b.numpaxinas) + cheas, int(Book::maxpaxinas)));
    } else if (b.numpaxinas > Book::maxpaxinas) {
        b.numpaxinas = Book::maxpaxinas;
    }
    if (completo()) b.carpetarecursos = b.recursoslectura;
    informe.paxinas = b.numpaxinas;
    informe.ultimafila = destino;
    return std::move(informe);
}

} // namespace

InformeLectura LoadItem(Book& libro, const TXMLNode& raiz, const Lectura& lectura) {
    return Lector(libro, lectura).ler(raiz);
}

TColor cordefecto(CorLibro cor) {
    constexpr TColor branco = 0xFFFFFF;
    constexpr TColor negro = 0x000000;
    constexpr TColor corventa = 0xFDE184; // the window colour, RGB 84E1FD
    switch (cor) {
    case CorLibro::texto:
    case CorLibro::mensaxes:
        return negro;
    case CorLibro::fondopaxina:
        return corventa;
    case CorLibro::banda:
    case CorLibro::navegacion:
    case CorLibro::fondo:
        break;
    }
    return branco;
}

QString descodificaentidades(const QString& texto) {
    qsizetype i = texto.indexOf(u'&');
    if (i < 0) return texto;
    static const struct {
        QLatin1String entidade;
        char16_t caracter;
    } entidades[] = {{QLatin1String("&amp;"), u'&'},
                     {QLatin1String("&lt;"), u'<'},
                     {QLatin1String("&gt;"), u'>'},
                     {QLatin1String("&quot;"), u'"'},
                     {QLatin1String("&apos;"), u'\''}};
    // Decoding only shortens the text: the result is written over a copy of its size, the text
    // between entities in runs. Page texts carry an entity every few characters.
    const char16_t* t = reinterpret_cast<const char16_t*>(texto.constData());
    const qsizetype n = texto.size();
    QString r(n, Qt::Uninitialized);
    char16_t* const inicio = reinterpret_cast<char16_t*>(r.data());
    char16_t* saida = inicio;
    qsizetype copiado = 0;
    const auto en = [t, n](qsizetype i, QLatin1String entidade) {
        if (n - i < entidade.size()) return false;
        for (qsizetype k = 1; k < entidade.size(); ++k)
            if (t[i + k] != char16_t(entidade[k].unicode())) return false;
        return true;
    };
    while (i < n) {
        for (const auto& e : entidades) {
            if (en(i, e.entidade)) {
                std::copy(t + copiado, t + i, saida);
                saida += i - copiado;
                *saida++ = e.caracter;
                copiado = i + e.entidade.size();
                break;
            }
        }
        i = std::max(i + 1, copiado);
        // The next "&": near, as a rule, so a plain loop before the library's search.
        for (const qsizetype preto = std::min(n, i + 16); i < preto && t[i] != u'&';)
            ++i;
        if (i < n && t[i] != u'&') {
            const qsizetype seguinte = QStringView(t + i, n - i).indexOf(u'&');
            i = seguinte < 0 ? n : i + seguinte;
        }
    }
    std::copy(t + copiado, t + n, saida);
    saida += n - copiado;
    r.resize(saida - inicio);
    return r;
}

QByteArray textolibro(const QByteArray& datos) {
    qsizetype blancos = 0;
    while (blancos < datos.size() && quint8(datos[blancos]) <= 32)
        ++blancos;
    // A file in CR LF throughout, as books are written, is already the text: no copy of it.
    bool crlf = datos.endsWith("\r\n");
    for (qsizetype lf = datos.indexOf('\n'); crlf && lf >= 0; lf = datos.indexOf('\n', lf + 1))
        crlf = lf > 0 && datos[lf - 1] == '\r';
    QByteArray texto;
    if (crlf) {
        texto = blancos ? datos.mid(blancos) : datos;
    } else {
        texto.reserve(datos.size() + datos.size() / 16 + 2);
        qsizetype inicio = 0;
        while (inicio < datos.size()) {
            const qsizetype lf = datos.indexOf('\n', inicio);
            qsizetype fin = lf < 0 ? datos.size() : lf;
            if (lf >= 0 && fin > inicio && datos[fin - 1] == '\r') --fin;
            texto.append(datos.constData() + inicio, fin - inicio);
            texto.append("\r\n");
            if (lf < 0) break;
            inicio = lf + 1;
        }
        qsizetype b = 0;
        while (b < texto.size() && quint8(texto[b]) <= 32)
            ++b;
        texto.remove(0, b);
    }
    if (texto.startsWith("[*]")) texto = descodificalibro(QString::fromLatin1(texto)).toUtf8();
    return texto;
}

void analizarlibro(TXMLDoc& doc, const QByteArray& datos) {
    QByteArray bytes = datos;
    // Editors that write a BOM put it before "[*]" or "<?xml" and would hide either.
    while (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const QByteArray texto = textolibro(bytes);
    doc.SetXML(texto);
    const QByteArray codificacion = doc.Declaration.Encoding.trimmed().toLower();
    const bool utf8 = codificacion == "utf-8" || (codificacion.isEmpty() && utf8valido(texto));
    if (!utf8) doc.SetXML(QString::fromLatin1(texto).toUtf8());
}

} // namespace quibel
