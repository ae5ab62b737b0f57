#include "publish/jsonlibro.h"

#include "book/campos.h"
#include "book/rutinas.h"

#include <QFileInfo>
#include <QUrl>

#include <vector>

namespace quibel {

// --- the writer ----------------------------------------------------------------------------

QString cadeajson(const QString& texto) {
    QString r;
    r.reserve(texto.size() + texto.size() / 8 + 2);
    r += u'"';
    const QChar* d = texto.constData();
    const qsizetype n = texto.size();
    qsizetype tramo = 0; // start of the run of characters copied as they are
    const auto pechar = [&](qsizetype i) {
        if (i > tramo) r.append(d + tramo, i - tramo);
    };
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = d[i].unicode();
        if (c >= 0x20 && c != u'"' && c != u'\\' && c != u'<') continue;
        pechar(i);
        tramo = i + 1;
        switch (c) {
        case u'"':
            r += QLatin1String("\\\"");
            break;
        case u'\\':
            r += QLatin1String("\\\\");
            break;
        case u'\b':
            r += QLatin1String("\\b");
            break;
        case u'\f':
            r += QLatin1String("\\f");
            break;
        case u'\n':
            r += QLatin1String("\\n");
            break;
        case u'\r':
            r += QLatin1String("\\r");
            break;
        case u'\t':
            r += QLatin1String("\\t");
            break;
        case u'<':
            // A script element ends at "</script" in any case; "<!--" changes how it is parsed.
            if (QStringView(texto).mid(i + 1, 7).startsWith(QLatin1String("/script"), Qt::CaseInsensitive)) {
                r += QLatin1String("<\\/");
                tramo = i + 2;
                ++i;
            } else if (QStringView(texto).mid(i + 1, 3) == QLatin1String("!--")) {
                r += QLatin1String("\\u003c");
            } else {
                r += u'<';
            }
            break;
        default:
            r += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QChar(u'0'));
        }
    }
    pechar(n);
    r += u'"';
    return r;
}

void ObxectoJson::engadepar(const QString& clave, const QString& valor, bool primeiro) {
    if (valor.isEmpty()) return;
    if (primeiro)
        pares_.prepend({clave, cadeajson(valor)});
    else
        engadirsempre(clave, valor);
}

void ObxectoJson::engadirsempre(const QString& clave, const QString& valor) {
    pares_.append({clave, cadeajson(valor)});
}

void ObxectoJson::engadirlista(const QString& clave, const QStringList& items) {
    if (items.isEmpty()) return;
    QString v = QStringLiteral("[");
    for (const QString& i : items)
        v += cadeajson(i) + u',';
    v.back() = u']';
    pares_.append({clave, v});
}

void ObxectoJson::engadirobxecto(const QString& clave, const ObxectoJson& valor) {
    if (!valor.baleiro()) pares_.append({clave, valor.texto()});
}

QString ObxectoJson::pares() const {
    QString r;
    for (const auto& [clave, valor] : pares_) {
        if (!r.isEmpty()) r += u',';
        r += cadeajson(clave) + u':' + valor;
    }
    return r;
}

// --- text transforms -----------------------------------------------------------------------

namespace {

const QLatin1String nada;

} // namespace

QString escapajson(const QString& texto) {
    return transformar(texto, [](char16_t c) {
        switch (c) {
        case u'\\':
            return QLatin1String("/");
        case u'\'':
            return QLatin1String("&#39;");
        case u'\t':
            return QLatin1String("    ");
        default:
            return nada;
        }
    });
}

namespace {

// Line feeds removed, carriage returns as "<br>", and tabs as four blanks when asked.
QString comohtml(const QString& texto, bool tabulacions) {
    return transformar(texto, [tabulacions](char16_t c) {
        switch (c) {
        case u'\n':
            return QLatin1String("");
        case u'\r':
            return QLatin1String("<br>");
        case u'\t':
            return tabulacions ? QLatin1String("    ") : nada;
        default:
            return nada;
        }
    });
}

} // namespace

QString textohtml(const QString& texto) {
    return comohtml(texto, false);
}

QString textohtmljson(const QString& texto) {
    return comohtml(texto, true);
}

QString rutaurl(const QString& ruta, const QString& recursos, bool exportando, const NomesAlmacen* nomes) {
    if (ruta.isEmpty()) return {};
    if (enderezoweb(ruta)) return ruta;
    if (!exportando) return QUrl::fromLocalFile(ruta).toString(QUrl::FullyEncoded);
    const QString nome = nomes ? nomes->nome(ruta) : nomeexport(ruta);
    return recursos.isEmpty() ? nome : recursos + u'/' + nome;
}

// --- page objects --------------------------------------------------------------------------

namespace {

// A condition on a field of the page: not empty, or equal (or unequal) to a value.
struct Condicion {
    int campo = -1; // -1: always
    const char* igual = nullptr;
    bool distinto = false;
};

// One part of an item of a composite array, from field offset + i of item i.
struct Parte {
    enum Tipo { campo, enderezo, limpo, htmllimpo, recortado, baleiro, etiqueta } tipo;
    int offset = 0;
    int desde = 1; // items before this one give an empty part
};

struct Composto {
    int n;
    std::vector<Parte> partes;  // joined by "||"
    const char* final = "";     // after the last part
    std::vector<Parte> lideres; // an item counts when one of these is not empty
    bool sempre = false;        // every item counts
};

struct Mapa {
    const char* de;
    const char* a;
};

struct Entrada {
    enum Tipo {
        campo,
        texto,
        enderezo,
        lista,
        listaenderezos,
        fixo,
        mapa,
        composto,
        par,
        correctas,
        comentarios,
        esquemamodo,
        esquematexto
    } tipo;
    const char* clave;
    int a = 0, b = 0;
    const char* valor = nullptr; // fixo; the default of campo and mapa
    std::vector<Mapa> mapas;
    const Composto* comp = nullptr;
    Condicion cond;

    Entrada si(int c, const char* v = nullptr) const {
        Entrada e = *this;
        e.cond = {c, v, false};
        return e;
    }
    Entrada senon(int c, const char* v) const {
        Entrada e = *this;
        e.cond = {c, v, true};
        return e;
    }
};

Entrada F(const char* k, int n, const char* defecto = nullptr) {
    return {Entrada::campo, k, n, 0, defecto, {}, nullptr, {}};
}
Entrada W(const char* k) {
    return {Entrada::texto, k, 0, 0, nullptr, {}, nullptr, {}};
}
Entrada A(const char* k, int n) {
    return {Entrada::enderezo, k, n, 0, nullptr, {}, nullptr, {}};
}
Entrada R(const char* k, int a, int b) {
    return {Entrada::lista, k, a, b, nullptr, {}, nullptr, {}};
}
Entrada RA(const char* k, int a, int b) {
    return {Entrada::listaenderezos, k, a, b, nullptr, {}, nullptr, {}};
}
Entrada K(const char* k, const char* v) {
    return {Entrada::fixo, k, 0, 0, v, {}, nullptr, {}};
}
Entrada M(const char* k, int n, std::vector<Mapa> m, const char* outro = nullptr) {
    return {Entrada::mapa, k, n, 0, outro, std::move(m), nullptr, {}};
}
Entrada X(const char* k, const Composto& c) {
    return {Entrada::composto, k, 0, 0, nullptr, {}, &c, {}};
}
Entrada J(const char* k, int a, int b) {
    return {Entrada::par, k, a, b, nullptr, {}, nullptr, {}};
}
Entrada E(Entrada::Tipo t, const char* k) {
    return {t, k, 0, 0, nullptr, {}, nullptr, {}};
}

constexpr Parte Pc(int o, int desde = 1) {
    return {Parte::campo, o, desde};
}
constexpr Parte Pa(int o) {
    return {Parte::enderezo, o};
}
constexpr Parte Pl(int o) {
    return {Parte::limpo, o};
}
constexpr Parte Pv() {
    return {Parte::baleiro, 0};
}
const std::vector<Parte> lider0{Pc(0)};

const Composto c11{5, {Pa(0), Pv(), Pl(5)}, "", lider0};
const Composto c12{6, {Pa(0), Pa(6), Pa(12), Pl(18)}, "", lider0};
const Composto c14{3, {Pa(3), Pa(9), Pa(0), Pl(6)}, "||||", lider0};
const Composto c18{6, {Pc(6), Pc(0), Pc(18)}, "", lider0};
const Composto c20{6, {{Parte::etiqueta, 0}, Pc(6), Pc(18)}, "", lider0};
const Composto c21{6, {Pa(12), Pa(0), Pl(18)}, "", lider0};
const Composto c22{5, {Pa(0), Pa(17), Pl(5)}, "", lider0};
const Composto c23{6, {Pa(0), Pc(6), Pc(18)}, "", lider0};
const Composto c24{6, {Pc(0), Pc(6), Pa(18)}, "", lider0};
const Composto c30{6, {Pc(0), Pc(6), Pc(18)}, "", lider0};
const Composto c31{4, {Pc(0), Pc(6), Pa(18)}, "", lider0};
const Composto c39imaxes{6, {Pa(0)}, "||||", lider0};
// Items 1..6 have no text field of their own: P13..P18 are the page picture and colour.
const Composto c39etiquetas{12, {Pa(0), Pc(12, 7)}, "||", {Pc(0), Pc(12, 7)}};
const Composto c44{3, {Pa(0), Pa(17), {Parte::htmllimpo, 5}}, "", lider0};
const Composto c46{6, {Pc(0), Pc(18)}, "", lider0};
const Composto c49{6, {{Parte::recortado, 6}, Pc(18), Pc(0)}, "", {}, true};

struct Tipojson {
    const char* nome = nullptr;
    int porta = -1; // the type adds nothing, not even "type", while this field is empty
    std::vector<Entrada> entradas;
};

const std::vector<Tipojson>& tiposjson() {
    static const std::vector<Tipojson> t = [] {
        std::vector<Tipojson> v(52);
        v[1] = {"test",
                -1,
                {W("texto"), R("respuestas", 2, 5), E(Entrada::comentarios, "feed"),
                 E(Entrada::correctas, "corr")}};
        v[2] = {"imaxetexto", -1, {}};
        v[3] = {"puzzle",
                -1,
                {A("imfondo", 6), F("trans", 3).si(6), F("filas", 9), F("columnas", 10), F("reixa", 4),
                 M("forma", 8, {{"1", "1"}}, "0")}};
        v[4] = {"sopa",
                -1,
                {K("modo", "2").si(26, "2"), RA("enunciados", 18, 25).si(26, "2"),
                 R("palabras", 1, 8).si(26, "2"), K("modo", "1").senon(26, "2"),
                 R("enunciados", 18, 25).senon(26, "2"), R("palabras", 1, 8).senon(26, "2"),
                 F("enunciado", 9), F("colorea", 10), F("cadro", 11), F("fondo", 28), F("letras", 28),
                 K("tam", "16")}};
        v[5] = {"raiosx",
                -1,
                {W("texto"), A("imfondo", 6), F("posx", 8), F("posy", 9), F("ctapa", 29), F("resp", 2),
                 F("rdim", 4)}};
        v[6] = {"clasificar",
                -1,
                {R("textos", 3, 8), R("caixas", 19, 24), R("txcaixas", 1, 2), RA("imfondo", 9, 10),
                 R("trnsimf", 27, 28), F("modo", 26)}};
        v[7] = {"clasificarimx",
                -1,
                {RA("imaxes", 3, 8), R("caixas", 19, 24), R("txcaixas", 1, 2), RA("imfondo", 9, 10),
                 R("trnsimf", 27, 28), F("cfondo", 18), F("cadro", 11), F("modo", 26)}};
        v[8] = {"frases", -1, {R("textos", 4, 6), RA("sons", 7, 9), R("respuestas", 1, 3)}};
        v[9] = {
            "liga",
            -1,
            {W("texto"), A("forma", 8), R("liga", 2, 4), R("posx", 9, 11), R("posy", 19, 21), R("ir", 5, 7)}};
        v[10] = {"preguntas", -1, {R("preguntas", 1, 4), R("resp", 5, 8), K("modo", "1").si(26, "1")}};
        v[11] = {"identificarimx", -1, {X("etiquetas", c11), M("modo", 26, {{"1", "1"}, {"3", "2"}})}};
        v[12] = {"galeriaimx", -1, {X("etiquetas", c12), K("modo", "1"), K("ctapa", "0").si(29, "0")}};
        v[13] = {"unir", -1, {R("textos", 6, 10), R("unir", 1, 5)}};
        v[14] = {"unirimx", -1, {X("etiquetas", c14), F("cfondo", 18)}};
        v[15] = {"menu", -1, {F("cfondo", 18), F("ctexto", 19)}};
        v[16] = {"externa",
                 18,
                 {F("dimx", 17), F("dimy", 6), F("altimaxe", 33), F("externa", 18), F("estado", 2),
                  F("intentos", 3)}};
        v[17] = {"parellas",
                 -1,
                 {RA("imaxes", 1, 6), F("cfondo", 18), F("ctapa", 29), F("tempo", 28), K("modo", "0")}};
        v[18] = {"completar", -1, {F("modo", 26), X("textos", c18)}};
        v[19] = {"secreta", 2, {W("texto"), F("palabras", 2), F("letras", 6), F("modo", 26), F("forma", 8)}};
        v[20] = {"etiquetas", -1, {F("modo", 26), X("etiquetas", c20)}};
        v[21] = {"galeriasons", -1, {X("etiquetas", c21), F("modo", 26)}};
        v[22] = {
            "identificarimx", -1, {X("etiquetas", c22), M("modo", 26, {{"2", "1"}, {"4", "2"}, {"5", "3"}})}};
        v[23] = {"moverimx", -1, {F("modo", 26), X("etiquetas", c23)}};
        v[24] = {"seleccionar", -1, {X("etiquetas", c24), F("cfondo", 18)}};
        v[25] = {"reloxo", -1, {F("forma", 8), F("modo", 26), W("texto"), F("hora", 3), F("reloxo", 2)}};
        v[26] = {"operacion", -1, {F("forma", 8), F("modo", 26), R("numeros", 2, 5)}};
        // P8 of this type is a picture's local path, not a shape: no "forma".
        v[27] = {"paneldeb", -1, {F("modo", 26), RA("etiquetas", 1, 8)}};
        // The link buttons' picture is P14 here (P8 is the sixth link's target).
        v[28] = {"liga", -1, {W("texto"), A("forma", 14), R("liga", 20, 29), R("ir", 3, 12), K("modo", "1")}};
        v[29] = {"texto",
                 -1,
                 {F("forma", 8), F("modo", 26), W("texto"), F("cfondo", 18).si(30, "1"), F("ctexto", 19)}};
        v[30] = {"etiquetastxt", -1, {F("modo", 26), F("tam", 18), X("etiquetas", c30)}};
        v[31] = {"medidas", -1, {F("texto", 6), F("valor", 18), X("etiquetas", c31)}};
        v[32] = {"serie", -1, {F("modo", 26), RA("etiquetas", 1, 4)}};
        v[33] = {"operacion",
                 -1,
                 {F("modo", 26), F("forma", 8), K("valor", "1"), K("alea", "1"), R("numeros", 2, 3)}};
        v[34] = {"ordenar", -1, {F("modo", 26), F("forma", 8), F("texto", 1)}};
        // Five pictures, the ones the export copies.
        v[35] = {"ordenarimx", -1, {F("modo", 26), F("forma", 8), RA("imaxes", 1, 5)}};
        v[36] = {"cuadros",
                 -1,
                 {F("forma", 8), K("valor", "1").si(18, "1"), F("modo", 26).si(26, "1"),
                  R("cadros", 1, 7).si(26, "1")}};
        v[37] = {"piramide", -1, {W("texto"), R("palabras", 1, 6)}};
        v[38] = {"plantilla",
                 -1,
                 {F("forma", 8), F("cfondo", 18), F("resp", 2), F("ctexto", 19), J("boton", 20, 3).si(20)}};
        v[39] = {"parellas",
                 -1,
                 {F("tempo", 28), RA("sons", 1, 12).si(26, "2"), X("imaxes", c39imaxes).senon(26, "2"),
                  X("etiquetas", c39etiquetas).senon(26, "2"), F("modo", 26), F("cfondo", 18),
                  F("ctapa", 29)}};
        v[40] = {"fraccion",
                 -1,
                 {F("modo", 26), F("forma", 8), K("valor", "1").si(18, "1"), R("numeros", 2, 5),
                  R("resp", 6, 7).si(5)}};
        v[41] = {
            "fraccion",
            -1,
            {F("modo", 26), F("forma", 8), K("alea", "1"), K("valor", "1").si(18, "1"), R("numeros", 2, 3)}};
        v[42] = {"esquema",
                 -1,
                 {F("forma", 8), E(Entrada::esquemamodo, "modo"), E(Entrada::esquematexto, "texto")}};
        v[43] = {"letras",
                 -1,
                 {K("forma", "1"), R("palabras", 1, 1), RA("imaxes", 14, 14), F("letras", 19), W("texto"),
                  K("modo", "1").si(26, "1")}};
        v[44] = {"identificarimx", -1, {X("etiquetas", c44), K("modo", "2")}};
        v[45] = {"dictado", -1, {F("modo", 26), F("forma", 8), W("texto"), A("son", 9)}};
        v[46] = {"relacionar", -1, {F("modo", 26), F("forma", 8), X("palabras", c46), R("etiquetas", 7, 12)}};
        v[47] = {"clasificar", -1, {R("textos", 3, 8), R("caixas", 19, 24), F("txcaixas", 1)}};
        // Pictures P19..P23 and sounds P7..P11, where the editor and the book file keep them.
        v[48] = {
            "frases",
            -1,
            {RA("imaxes", 19, 23), RA("sons", 7, 11), R("respuestas", 1, 5), K("modo", "1").si(26, "1")}};
        v[49] = {"formulas", -1, {F("modo", 26), X("etiquetas", c49)}};
        v[50] = {"letras",
                 -1,
                 {K("modo", "1").si(26, "1"), RA("imaxes", 4, 6), RA("sons", 10, 12), R("palabras", 1, 3),
                  F("letras", 19)}};
        // The count lives in P18 (P6 is never written); six cards without one.
        v[51] = {"memoria",
                 -1,
                 {K("alea", "1").si(26, "1"), RA("imaxes", 4, 5), F("cadro", 11), F("numero", 18, "6"),
                  K("forma", "1").si(8, "1")}};
        return v;
    }();
    return t;
}

// A field that names a file: a path with a folder, or a web address.
bool ficheiro(const QString& campo) {
    return campo.contains(u'/') || campo.contains(u'\\') || enderezoweb(campo);
}

// The page as the description reads it: the escaped copies of its fields and long text, and the
// addresses of its raw paths.
class Paxinajson {
public:
    Paxinajson(const Tpaxina& p, const QString& w0, const OpcionsJson& o) : raw_(p), o_(o) {
        for (int i = 0; i < Tpaxina::numcampos; ++i)
            esc_[i] = escapajson(p[i]);
        w0_ = escapajson(w0);
    }
    const QString& operator[](int c) const { return esc_.at(c); }
    const QString& w0() const { return w0_; }
    QString enderezo(int c) const { return rutaurl(raw_[c], o_.recursos, o_.exportando, o_.nomes); }
    QStringList jsonlista(int a, int b, bool enderezos) const {
        QStringList r;
        for (int c = a; c <= b; ++c)
            if (!raw_[c].isEmpty()) r << (enderezos ? enderezo(c) : esc_[c]);
        return r;
    }
    bool cumpre(const Condicion& k) const {
        if (k.campo < 0) return true;
        const QString& v = esc_[k.campo];
        if (!k.igual) return !v.isEmpty();
        return (v == QLatin1String(k.igual)) != k.distinto;
    }
    QString parte(const Parte& p, int i) const {
        if (i < p.desde) return {};
        const int c = p.offset + i;
        switch (p.tipo) {
        case Parte::campo:
            return esc_[c];
        case Parte::enderezo:
            return enderezo(c);
        case Parte::limpo:
            return QString(esc_[c]).remove(QLatin1String("||"));
        case Parte::htmllimpo:
            return textohtml(esc_[c]).remove(QLatin1String("||"));
        case Parte::recortado: {
            QString v = esc_[c];
            while (!v.isEmpty() && v.back().unicode() <= 0x20)
                v.chop(1);
            return v;
        }
        case Parte::baleiro:
            return {};
        case Parte::etiqueta:
            // In mode 7 a tag dropped as a file is a picture; a typed tag stays its text.
            return esc_[26] == QLatin1String("7") && ficheiro(raw_[c]) ? enderezo(c) : esc_[c];
        }
        return {};
    }
    QStringList items(const Composto& k) const {
        QStringList r;
        for (int i = 1; i <= k.n; ++i) {
            bool conta = k.sempre;
            for (const Parte& l : k.lideres)
                conta = conta || !parte(l, i).isEmpty();
            if (!conta) continue;
            QStringList partes;
            for (const Parte& p : k.partes)
                partes << parte(p, i);
            r << partes.join(QLatin1String("||")) + QLatin1String(k.final);
        }
        return r;
    }

private:
    const Tpaxina& raw_;
    const OpcionsJson& o_;
    std::array<QString, Tpaxina::numcampos> esc_;
    QString w0_;
};

void engadirentrada(ObxectoJson& o, const Entrada& e, const Paxinajson& p) {
    if (!p.cumpre(e.cond)) return;
    const QString clave = QLatin1String(e.clave);
    switch (e.tipo) {
    case Entrada::campo:
        o.engadepar(clave, p[e.a].isEmpty() && e.valor ? QLatin1String(e.valor) : p[e.a]);
        break;
    case Entrada::texto:
        o.engadepar(clave, textohtmljson(p.w0()));
        break;
    case Entrada::enderezo:
        o.engadepar(clave, p.enderezo(e.a));
        break;
    case Entrada::lista:
        o.engadirlista(clave, p.jsonlista(e.a, e.b, false));
        break;
    case Entrada::listaenderezos:
        o.engadirlista(clave, p.jsonlista(e.a, e.b, true));
        break;
    case Entrada::fixo:
        o.engadepar(clave, QLatin1String(e.valor));
        break;
    case Entrada::mapa: {
        QString v = e.valor ? QLatin1String(e.valor) : QString();
        for (const Mapa& m : e.mapas)
            if (p[e.a] == QLatin1String(m.de)) v = QLatin1String(m.a);
        o.engadepar(clave, v);
        break;
    }
    case Entrada::composto:
        o.engadirlista(clave, p.items(*e.comp));
        break;
    case Entrada::par:
        o.engadepar(clave, p[e.a] + QLatin1String("||") + p[e.b]);
        break;
    case Entrada::correctas: {
        // "respuestas" leaves out the empty answers: the marks of the answers it keeps come
        // first, in its order, so that mark i belongs to answer i; the marks of the empty slots
        // follow, and the string keeps its four marks.
        QString v, resto;
        for (int c = 19; c <= 22; ++c)
            (p[c - 17].isEmpty() ? resto : v) += p[c] == QLatin1String("0") ? u'0' : u'1';
        o.engadepar(clave, v + resto);
        break;
    }
    case Entrada::comentarios: {
        // One comment per kept answer, in step with "respuestas" (empty where the answer has none),
        // without the empty ones at the end.
        QStringList v;
        for (int c = 2; c <= 5; ++c)
            if (!p[c].isEmpty()) v << p[c + 4];
        while (!v.isEmpty() && v.last().isEmpty())
            v.removeLast();
        o.engadirlista(clave, v);
        break;
    }
    case Entrada::esquemamodo:
        if (p.w0().contains(QLatin1String("[o]"))) o.engadepar(clave, QStringLiteral("1"));
        break;
    case Entrada::esquematexto: {
        QString v = p.w0();
        v.remove(u'\n');
        v.replace(u'\r', u'|');
        o.engadepar(clave, v);
        break;
    }
    }
}

bool entre(int tipo, std::initializer_list<int> tipos) {
    return std::find(tipos.begin(), tipos.end(), tipo) != tipos.end();
}

} // namespace

QString obxectopaxina(const Book& libro, int paxina, const OpcionsJson& opcions) {
    const Tpaxina& raw = libro.paxina(paxina);
    const Paxinajson p(raw, libro.texto(paxina, 1), opcions);
    const QString uno = QStringLiteral("1");
    // A type code that is no number counts as an unknown type.
    const int tipo = enteiro(raw[campo::tipo], 0);
    ObxectoJson o;
    o.engadepar(QStringLiteral("id"), QString::number(paxina));
    if (p[campo::bloquearecuar] == uno) o.engadepar(QStringLiteral("ipasar"), uno);
    if (p[campo::bloqueavanzar] == uno) o.engadepar(QStringLiteral("dpasar"), uno);
    o.engadepar(QStringLiteral("txcabe"), p[campo::cabeceira]);
    o.engadepar(QStringLiteral("txpe"), p[campo::pe]);
    if (!p[campo::textoliga].isEmpty())
        o.engadepar(QStringLiteral("pxliga"),
                    p[campo::textoliga] + QLatin1String("||") + p[campo::destinoliga]);
    o.engadepar(QStringLiteral("mensaben"), p[campo::mensaxeben]);
    o.engadepar(QStringLiteral("mensamal"), p[campo::mensaxemal]);
    if (!raw[campo::imaxe].isEmpty() && !entre(tipo, {12, 21, 43})) {
        o.engadepar(QStringLiteral("imaxe"), p.enderezo(campo::imaxe));
        if (entre(tipo, {2, 30})) {
            if (p[15] == uno) o.engadepar(QStringLiteral("autoim"), uno);
            o.engadepar(QStringLiteral("posx"), p[28]);
            o.engadepar(QStringLiteral("posy"), p[29]);
        }
        if (entre(tipo, {2, 30, 1, 19, 38})) o.engadepar(QStringLiteral("altim"), p[33]);
    }
    if (!raw[campo::son].isEmpty() && tipo != 28) {
        o.engadepar(QStringLiteral("ison"), p.enderezo(campo::son));
        if (p[campo::autoson] == uno) o.engadepar(QStringLiteral("autoson"), uno);
    }
    if (tipo >= 1 && tipo <= 51) {
        const Tipojson& t = tiposjson()[tipo];
        if (t.porta < 0 || !p[t.porta].isEmpty()) {
            o.engadepar(QStringLiteral("type"), QLatin1String(t.nome), true);
            for (const Entrada& e : t.entradas)
                engadirentrada(o, e, p);
        }
    }
    return QStringLiteral("{\"properties\": { ") + o.pares() + QStringLiteral("}}");
}

// --- the configuration ---------------------------------------------------------------------

namespace {

struct Retornos {
    QString arquivoaxuda, txtben, txtmal;
};

Retornos retornos(const Book& l) {
    Retornos r{l.arquivoaxuda, l.txtben, l.txtmal};
    if (r.arquivoaxuda.isEmpty()) r.arquivoaxuda = l.axuda;
    if (l.chkben && r.txtben.isEmpty()) r.txtben = QStringLiteral("CORRECTO");
    if (l.chkmal && r.txtmal.isEmpty()) r.txtmal = QStringLiteral("INCORRECTO");
    return r;
}

// The player's own language codes, by player-language number.
const QString codigosvisor[] = {QStringLiteral("ESP"), QStringLiteral("GAL"), QStringLiteral("CAT"),
                                QStringLiteral("EUS"), QStringLiteral("POR"), QStringLiteral("ENG"),
                                QStringLiteral("AST"), QStringLiteral("VAL")};

QString configuracion(const Book& l, const OpcionsJson& o, const Retornos& r) {
    const auto url = [&](const QString& ruta) { return rutaurl(ruta, o.recursos, o.exportando, o.nomes); };
    ObxectoJson c;
    c.engadepar(QStringLiteral("version"), QStringLiteral("5.6"));
    if (!o.exportando) c.engadepar(QStringLiteral("npax"), QString::number(o.paxinaactual));
    c.engadepar(QStringLiteral("tag"), escapajson(l.txtag));
    c.engadepar(QStringLiteral("recursos"), l.nalmacen);
    c.engadepar(QStringLiteral("idioma"), o.idiomavisor >= 0 && o.idiomavisor < int(std::size(codigosvisor))
                                              ? codigosvisor[o.idiomavisor]
                                              : codigosvisor[0]);
    c.engadirsempre(QStringLiteral("licencia"), escapajson(l.txtlicencia));
    QStringList adxuntos;
    for (const QString& a : l.adxuntos)
        if (QFileInfo(a).isFile()) adxuntos << url(a);
    c.engadepar(QStringLiteral("adxuntos"), adxuntos.join(u','));
    c.engadepar(QStringLiteral("modo"), l.tipolibro);
    c.engadepar(QStringLiteral("corfondo"), l.corfondolibro);
    if (l.chbanda) c.engadepar(QStringLiteral("corbanda"), l.corbandalibro);
    if (l.chbarra) c.engadepar(QStringLiteral("cornavega"), l.cornavegalibro);
    c.engadepar(QStringLiteral("cormensaxes"), l.cormensaxeslibro);
    c.engadepar(QStringLiteral("cortexto"), l.cortextolibro);
    c.engadepar(QStringLiteral("titulo"), escapajson(l.txttitulo));
    c.engadepar(QStringLiteral("subtitulo"), escapajson(l.txtsub));
    c.engadepar(QStringLiteral("autor"), escapajson(l.txtautor));
    c.engadepar(QStringLiteral("iden"), escapajson(l.txtiden));
    if (!l.arquivologo.isEmpty()) {
        c.engadirsempre(QStringLiteral("logo"), url(l.arquivologo));
        c.engadepar(QStringLiteral("lnklogo"), l.saltologo);
    }
    if (!l.arquivofondo.isEmpty()) {
        ObxectoJson f;
        f.engadirsempre(QStringLiteral("nome"), url(l.arquivofondo));
        f.engadirsempre(QStringLiteral("posy"), QString::number(enteiro(l.fondoy, 0)));
        f.engadirsempre(QStringLiteral("posx"), QString::number(enteiro(l.fondox, 0)));
        f.engadirsempre(QStringLiteral("trans"), l.trpf);
        f.engadirsempre(QStringLiteral("repeat"), QStringLiteral("0"));
        c.engadirobxecto(QStringLiteral("imaxefondo"), f);
    }
    // The skins and the bar as the store names them.
    c.engadepar(QStringLiteral("imbarra"), url(l.arquivobarra));
    c.engadepar(QStringLiteral("aspectosup"), url(l.arquivoaspectosup));
    c.engadepar(QStringLiteral("aspectoinf"), url(l.arquivoaspectoinf));
    if (!l.axuda.isEmpty()) {
        QString v;
        if (enderezoweb(l.axuda))
            v = l.axuda;
        else if (r.arquivoaxuda.contains(u'/') || r.arquivoaxuda.contains(u'\\'))
            v = url(r.arquivoaxuda);
        else
            v = url(l.axuda);
        c.engadirsempre(QStringLiteral("axuda"), v);
    }
    if (l.desordenpax) c.engadepar(QStringLiteral("desordenar"), QStringLiteral("1"));
    if (!l.arquivosonido.isEmpty()) {
        QString v = url(l.arquivosonido) + QLatin1String("||") +
                    (l.sonvol.isEmpty() ? QStringLiteral("1") : l.sonvol);
        if (l.chkrepiteson) v += QLatin1String("||1");
        c.engadepar(QStringLiteral("sonido"), v);
    }
    c.engadepar(QStringLiteral("ben"), escapajson(r.txtben));
    c.engadepar(QStringLiteral("mal"), escapajson(r.txtmal));
    if (!l.benson.isEmpty()) c.engadirsempre(QStringLiteral("sonben"), url(l.arquivocorrecto));
    if (!l.malson.isEmpty()) c.engadirsempre(QStringLiteral("sonmal"), url(l.arquivoincorrecto));
    c.engadepar(QStringLiteral("caracteres"), escapajson(l.txcaracter));
    if (l.chhorizontal)
        c.engadepar(QStringLiteral("modomenu"), QStringLiteral("1"));
    else if (l.chdereita)
        c.engadepar(QStringLiteral("modomenu"), QStringLiteral("2"));
    if (!l.txmenus[0].isEmpty()) {
        QStringList items;
        for (int i = 0; i < Book::numligas; ++i)
            if (!l.txmenus[i].isEmpty())
                items << escapajson(l.txmenus[i]) + QLatin1String("||") + escapajson(l.txligas[i]);
        c.engadirlista(QStringLiteral("menu"), items);
    }
    c.engadepar(QStringLiteral("final"), l.txtenlacefinal);
    return c.texto();
}

} // namespace

QString configuracionjson(const Book& libro, const OpcionsJson& opcions) {
    return configuracion(libro, opcions, retornos(libro));
}

DescricionLibro crearjson(const Book& libro, const OpcionsJson& opcions) {
    DescricionLibro d;
    const Retornos r = retornos(libro);
    d.arquivoaxuda = r.arquivoaxuda;
    d.txtben = r.txtben;
    d.txtmal = r.txtmal;
    d.configuracion = configuracion(libro, opcions, r);
    if (!libro.txmenus[0].isEmpty() && !libro.chhorizontal)
        for (int i = 0; i < Book::numligas; ++i)
            if (!libro.txmenus[i].isEmpty())
                d.menu.append({escapajson(libro.txmenus[i]), escapajson(libro.txligas[i])});
    const int numpaxinas = std::min<int>(libro.numpaxinas, Book::maxpaxinas);
    for (int p = 1; p <= numpaxinas; ++p) {
        const QString& tipo = libro.paxina(p)[campo::tipo];
        if (tipo.isEmpty()) continue;
        PaxinaJson x{p, obxectopaxina(libro, p, opcions), {}};
        const int t = enteiro(tipo, 0);
        if (opcions.panelhtml && (t == 2 || t == 15 || t == 38)) x.panel = opcions.panelhtml(libro, p);
        d.paxinas.append(x);
    }
    d.tag = libro.txtag;
    d.titulo = libro.txttitulo;
    d.subtitulo = libro.txtsub;
    return d;
}

} // namespace quibel
