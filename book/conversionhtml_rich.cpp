// Rich text <-> the HTML subset of page texts. Hand-made in both directions: QTextDocument's own
// HTML uses another vocabulary (size on the 1..7 scale, lists as <ul>, CSS styles).
#include "book/conversionhtml.h"

#include "book/rutinas.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

namespace quibel {

namespace {

const QString fontepordefecto = QStringLiteral("Arial");
constexpr int tamanopordefecto = 12;
constexpr int tamanominimo = 1;
constexpr int tamanomaximo = 1638;
constexpr int pesonegra = 600; // weights from this one up count as bold

// Characters that would split a paragraph or stand for an object are dropped, as literal line
// breaks are: the text keeps only what richahtml can write back.
bool admitido(QChar c) {
    return c != u'\r' && c != u'\n' && c != QChar::ParagraphSeparator &&
           c != QChar::ObjectReplacementCharacter && c != QChar(0xFDD0) && c != QChar(0xFDD1);
}

bool esbranco(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// --- reading -----------------------------------------------------------------------------------

// The character reference starting at html[i] ("&"), with its length; nothing when it is not one
// of the known forms or names an invalid code point (it then stays literal text).
std::optional<QString> entidade(const QString& html, qsizetype i, qsizetype& lonxitude) {
    const qsizetype fin = html.indexOf(u';', i + 1);
    if (fin < 0 || fin - i > 12) return std::nullopt;
    const QStringView nome = QStringView(html).mid(i + 1, fin - i - 1);
    lonxitude = fin - i + 1;
    if (nome == u"lt") return QStringLiteral("<");
    if (nome == u"gt") return QStringLiteral(">");
    if (nome == u"amp") return QStringLiteral("&");
    if (nome == u"quot") return QStringLiteral("\"");
    if (nome == u"apos") return QStringLiteral("'");
    if (nome == u"nbsp") return QString(QChar(0x00A0));
    if (nome.size() < 2 || nome[0] != u'#') return std::nullopt;
    const bool hex = nome[1] == u'x' || nome[1] == u'X';
    const QStringView cifras = nome.mid(hex ? 2 : 1);
    if (cifras.isEmpty()) return std::nullopt;
    for (QChar c : cifras)
        if (c.unicode() >= 128 || !(hex ? isxdigit(c.unicode()) : isdigit(c.unicode()))) return std::nullopt;
    bool ok = false;
    const uint codigo = cifras.toUInt(&ok, hex ? 16 : 10);
    if (!ok || codigo == 0 || codigo > 0x10FFFF || (codigo >= 0xD800 && codigo <= 0xDFFF))
        return std::nullopt;
    const char32_t c32 = char32_t(codigo);
    return QString::fromUcs4(&c32, 1);
}

QString descodificar(const QString& texto) {
    if (!texto.contains(u'&')) return texto;
    QString saida;
    saida.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        qsizetype lonxitude = 0;
        if (texto[i] == u'&')
            if (const auto valor = entidade(texto, i, lonxitude)) {
                saida += *valor;
                i += lonxitude - 1;
                continue;
            }
        saida += texto[i];
    }
    return saida;
}

struct Atributo {
    QString nome;
    QString valor;
};

// name=value items: blanks around "=" allowed; quoted values ("..." or '...') keep blanks and "=",
// unquoted ones end at a blank; values are decoded.
std::vector<Atributo> atributos(QStringView texto) {
    std::vector<Atributo> lista;
    qsizetype i = 0;
    const qsizetype n = texto.size();
    auto saltarbrancos = [&] {
        while (i < n && esbranco(texto[i]))
            ++i;
    };
    while (true) {
        saltarbrancos();
        if (i >= n) break;
        const qsizetype inicio = i;
        while (i < n && !esbranco(texto[i]) && texto[i] != u'=')
            ++i;
        Atributo a{texto.mid(inicio, i - inicio).toString(), {}};
        saltarbrancos();
        if (i < n && texto[i] == u'=') {
            ++i;
            saltarbrancos();
            if (i < n && (texto[i] == u'"' || texto[i] == u'\'')) {
                const QChar comina = texto[i++];
                const qsizetype pechar = texto.indexOf(comina, i);
                const qsizetype fin = pechar < 0 ? n : pechar;
                a.valor = descodificar(texto.mid(i, fin - i).toString());
                i = pechar < 0 ? n : fin + 1;
            } else {
                const qsizetype comezo = i;
                while (i < n && !esbranco(texto[i]))
                    ++i;
                a.valor = descodificar(texto.mid(comezo, i - comezo).toString());
            }
        }
        if (!a.nome.isEmpty()) lista.push_back(std::move(a));
    }
    return lista;
}

std::optional<QString> valorde(const std::vector<Atributo>& lista, QStringView nome) {
    for (const Atributo& a : lista)
        if (a.nome.compare(nome, Qt::CaseInsensitive) == 0) return a.valor;
    return std::nullopt;
}

QTextCharFormat formatoinicial() {
    QTextCharFormat f;
    f.setFontFamilies(QStringList{fontepordefecto});
    f.setFontPointSize(tamanopordefecto);
    f.setForeground(QColor(Qt::black));
    f.setFontWeight(QFont::Normal);
    f.setFontItalic(false);
    f.setFontUnderline(false);
    return f;
}

// The state of htmlarich. Characters gather into a run that goes in with one insertion: the
// format, alignment and list flag current at its first character, until a tag changes them.
class Enchedor {
public:
    explicit Enchedor(QTextDocument& documento) : cursor_(&documento) {
        cursor_.beginEditBlock(); // one layout pass for the whole text
        cursor_.setBlockCharFormat(formato);
    }
    ~Enchedor() {
        baleirar();
        recortarfinal();
        cursor_.endEditBlock();
    }

    QTextCharFormat formato = formatoinicial();
    std::vector<QTextCharFormat> pila; // saved formats
    bool vineta = false;
    Qt::Alignment alinamento; // pending; none when no known value was given
    bool quebrapendente = false;
    bool cambios = false; // a tag came since the last character

    void engadir(QChar c) {
        if (texto_.isEmpty()) {
            captar();
        } else if (cambios &&
                   !(formato == run_.formato && vineta == run_.vineta && alinamento == run_.alinamento)) {
            baleirar();
            captar();
        }
        cambios = false;
        texto_ += c;
    }

    void baleirar() {
        if (texto_.isEmpty()) return;
        if (quebrapendente) {
            novoparagrafo();
            quebrapendente = false;
        }
        if (run_.alinamento && (!alinado_ || run_.alinamento != alinamentoactual_)) {
            QTextBlockFormat f;
            f.setAlignment(run_.alinamento);
            cursor_.mergeBlockFormat(f);
            alinado_ = true;
            alinamentoactual_ = run_.alinamento;
        }
        if (run_.vineta != enlista_) {
            if (!run_.vineta) {
                cursor_.currentList()->remove(cursor_.block());
                QTextBlockFormat f = cursor_.blockFormat();
                f.setIndent(0);
                cursor_.setBlockFormat(f);
            } else if (lista_ && lista_->count() < itensporlista) {
                lista_->add(cursor_.block());
            } else {
                lista_ = cursor_.createList(QTextListFormat::ListDisc);
            }
            enlista_ = run_.vineta;
        }
        cursor_.insertText(texto_, run_.formato);
        texto_.clear();
    }

    void quebra() {
        baleirar();
        if (quebrapendente) {
            novoparagrafo();
            quebrapendente = false;
        }
        novoparagrafo();
    }

private:
    // A paragraph with neither list nor alignment (a new paragraph inherits neither).
    void novoparagrafo() {
        cursor_.insertBlock(QTextBlockFormat(), formato);
        alinado_ = false;
        enlista_ = false;
    }

    // A break right after a list item is written as "</li>", which waits for a character: at the
    // end of the text it cannot come back, so it is not kept here either (else every round would
    // change the text).
    void recortarfinal() {
        const QTextBlock ultimo = cursor_.block();
        const QString texto = ultimo.text();
        auto itemaberto = [](const QTextBlock& b, qsizetype fin) {
            return b.textList() && fin > 0 && b.text().at(fin - 1) != QChar::LineSeparator;
        };
        if (texto.endsWith(QChar::LineSeparator) && itemaberto(ultimo, texto.size() - 1)) {
            cursor_.deletePreviousChar();
        } else if (texto.isEmpty() && ultimo.previous().isValid() &&
                   itemaberto(ultimo.previous(), ultimo.previous().text().size())) {
            cursor_.deletePreviousChar();
        }
    }

    void captar() { run_ = {formato, vineta, alinamento}; }

    struct {
        QTextCharFormat formato;
        bool vineta = false;
        Qt::Alignment alinamento;
    } run_;
    QString texto_; // characters not yet inserted
    QTextCursor cursor_;
    bool alinado_ = false;
    Qt::Alignment alinamentoactual_;
    bool enlista_ = false;
    // Disc lists of a few dozen paragraphs look the same as one list of them all, and keep the
    // filling linear: every block added to a list makes the list lay out all of its blocks again.
    // A list left without blocks is deleted by its document: the pointer then reads null.
    static constexpr int itensporlista = 32;
    QPointer<QTextList> lista_;
};

const int tamanoscabeceira[] = {27, 22, 18, 15, 12, 9, 6}; // H1..H7

void etiqueta(Enchedor& e, QStringView orixinal, QStringView textoatributos) {
    if (orixinal.endsWith(u'/')) orixinal.chop(1);
    // Known tags only: any other one changes nothing (its attributes are not even read).
    if (orixinal.size() > 5) return;
    char16_t maiusculas[5];
    for (qsizetype k = 0; k < orixinal.size(); ++k) {
        const char16_t c = orixinal[k].unicode();
        maiusculas[k] = c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
    }
    const QStringView nome(maiusculas, orixinal.size());
    auto levar = [&] { e.pila.push_back(e.formato); };
    auto devolver = [&] {
        if (e.pila.empty()) return;
        e.formato = std::move(e.pila.back());
        e.pila.pop_back();
    };
    if (nome == u"P") {
        levar();
        const auto alinamento = valorde(atributos(textoatributos), u"align");
        if (alinamento && !alinamento->isEmpty()) {
            const QString valor = alinamento->trimmed().toLower();
            // Other values change no paragraph.
            e.alinamento = valor == u"left"     ? Qt::AlignLeft
                           : valor == u"center" ? Qt::AlignHCenter
                           : valor == u"right"  ? Qt::AlignRight
                                                : Qt::Alignment();
        }
    } else if (nome == u"FONT") {
        levar();
        const auto lista = atributos(textoatributos);
        if (const auto face = valorde(lista, u"face")) {
            // No font name holds a control character: such a face would not read back the same.
            QString nome = *face;
            nome.removeIf([](QChar c) { return c.unicode() < 0x20; });
            if (!nome.trimmed().isEmpty()) e.formato.setFontFamilies(QStringList{nome});
        }
        if (const auto tamano = valorde(lista, u"size")) {
            bool ok = false;
            const int puntos = tamano->trimmed().toInt(&ok, 10);
            if (ok && puntos >= tamanominimo && puntos <= tamanomaximo) e.formato.setFontPointSize(puntos);
        }
        if (const auto cor = valorde(lista, u"color")) {
            try {
                e.formato.setForeground(colorDe(hexacor(cor->trimmed())));
            } catch (const EConvertError&) {
                // a colour that cannot be read leaves the colour as it was
            }
        }
    } else if (nome == u"/FONT") {
        devolver();
    } else if (nome.size() == 2 && nome[0] == u'H' && nome[1] >= u'1' && nome[1] <= u'7') {
        levar();
        e.formato.setFontPointSize(tamanoscabeceira[nome[1].unicode() - u'1']);
    } else if (nome.size() == 3 && nome[0] == u'/' && nome[1] == u'H' && nome[2] >= u'1' && nome[2] <= u'7') {
        devolver();
    } else if (nome == u"B") {
        e.formato.setFontWeight(QFont::Bold);
    } else if (nome == u"/B") {
        e.formato.setFontWeight(QFont::Normal);
    } else if (nome == u"I") {
        e.formato.setFontItalic(true);
    } else if (nome == u"/I") {
        e.formato.setFontItalic(false);
    } else if (nome == u"U") {
        e.formato.setFontUnderline(true);
    } else if (nome == u"/U") {
        e.formato.setFontUnderline(false);
    } else if (nome == u"LI") {
        e.vineta = true;
    } else if (nome == u"/LI") {
        // The break waits for a character, so a closing item adds no empty paragraph at the end.
        e.baleirar();
        e.vineta = false;
        e.quebrapendente = true;
    } else if (nome == u"BR") {
        e.quebra();
    }
}

// --- writing -----------------------------------------------------------------------------------

enum class Alinamento { esquerda, centro, dereita };

struct Estado {
    Alinamento alinamento = Alinamento::esquerda;
    bool vineta = false;
    QString fonte = fontepordefecto;
    int tamano = tamanopordefecto;
    QRgb cor = qRgb(0, 0, 0);
    bool negra = false;
    bool cursiva = false;
    bool sublinada = false;

    bool mesmoparagrafo(const Estado& o) const { return alinamento == o.alinamento && vineta == o.vineta; }
    bool mesmafonte(const Estado& o) const { return cor == o.cor && tamano == o.tamano && fonte == o.fonte; }
    void limparestilo() { negra = cursiva = sublinada = false; }
};

void estadoparagrafo(const QTextBlock& bloque, Estado& e) {
    const Qt::Alignment a = bloque.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    // Justified text has no form here: it is written as left.
    e.alinamento = (a & Qt::AlignHCenter) ? Alinamento::centro
                   : (a & Qt::AlignRight) ? Alinamento::dereita
                                          : Alinamento::esquerda;
    e.vineta = bloque.textList() != nullptr;
}

// A fragment's format resolved against the default font (Arial 12, black).
void estadocaracteres(const QTextCharFormat& f, Estado& e) {
    e.fonte = fontepordefecto;
    if (f.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList familias = f.property(QTextFormat::FontFamilies).toStringList();
        if (!familias.isEmpty() && !familias.first().isEmpty()) e.fonte = familias.first();
    } else if (f.hasProperty(QTextFormat::FontFamily)) {
        const QString familia = f.stringProperty(QTextFormat::FontFamily);
        if (!familia.isEmpty()) e.fonte = familia;
    }
    e.tamano = tamanopordefecto;
    if (f.hasProperty(QTextFormat::FontPointSize) && f.fontPointSize() > 0)
        e.tamano = qRound(f.fontPointSize());
    else if (f.hasProperty(QTextFormat::FontPixelSize) && f.intProperty(QTextFormat::FontPixelSize) > 0)
        e.tamano = qRound(f.intProperty(QTextFormat::FontPixelSize) * 72.0 / 96.0); // pasted, at 96 dpi
    // A size the reader would refuse is never written.
    e.tamano = std::clamp(e.tamano, tamanominimo, tamanomaximo);
    const QBrush pincel = f.foreground();
    e.cor = (f.hasProperty(QTextFormat::ForegroundBrush) && pincel.style() != Qt::NoBrush)
                ? pincel.color().rgb()
                : qRgb(0, 0, 0);
    e.negra = f.hasProperty(QTextFormat::FontWeight) && f.fontWeight() >= pesonegra;
    e.cursiva = f.fontItalic();
    e.sublinada = f.fontUnderline();
}

void escaparen(QString& saida, QChar c) {
    if (c == u'&')
        saida += u"&amp;";
    else if (c == u'<')
        saida += u"&lt;";
    else if (c == u'>')
        saida += u"&gt;";
    else
        saida += c;
}

class Escritor {
public:
    QString saida;

    void aberturaparagrafo(const Estado& e) {
        saida += e.alinamento == Alinamento::centro    ? u"\r\n<p align=\"center\">\r\n"
                 : e.alinamento == Alinamento::dereita ? u"\r\n<p align=\"right\">\r\n"
                                                       : u"\r\n<p align=\"left\">\r\n";
    }
    void aberturafonte(const Estado& e) {
        saida += u"<font color=\"#";
        saida += corahex(deColor(QColor(e.cor)));
        saida += u"\" face=\"";
        for (QChar c : e.fonte)
            if (c == u'"')
                saida += u"&quot;";
            else
                escaparen(saida, c);
        saida += u"\" size=\"";
        saida += QString::number(e.tamano);
        saida += u"\">";
    }
    void aberturaestilos(const Estado& e) {
        if (e.negra) saida += u"<b>";
        if (e.cursiva) saida += u"<i>";
        if (e.sublinada) saida += u"<u>";
    }
    void pecheestilos(const Estado& e) {
        if (e.sublinada) saida += u"</u>";
        if (e.cursiva) saida += u"</i>";
        if (e.negra) saida += u"</b>";
    }
    void diferenzaestilos(const Estado& antes, const Estado& agora) {
        if (antes.sublinada && !agora.sublinada) saida += u"</u>";
        if (antes.cursiva && !agora.cursiva) saida += u"</i>";
        if (antes.negra && !agora.negra) saida += u"</b>";
        if (!antes.negra && agora.negra) saida += u"<b>";
        if (!antes.cursiva && agora.cursiva) saida += u"<i>";
        if (!antes.sublinada && agora.sublinada) saida += u"<u>";
    }
};

// The state of the document's first character (object marks and line separators, which have no
// state of their own, aside); the default state when it has none.
Estado estadoinicial(const QTextDocument& documento) {
    Estado e;
    for (QTextBlock b = documento.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QString texto = f.text();
            for (QChar c : texto)
                if (c != QChar::ObjectReplacementCharacter && c != QChar::LineSeparator) {
                    estadoparagrafo(b, e);
                    estadocaracteres(f.charFormat(), e);
                    return e;
                }
        }
    return e;
}

} // namespace

void htmlarich(const QString& fonte, QTextDocument& documento) {
    const bool desfacer = documento.isUndoRedoEnabled();
    documento.setUndoRedoEnabled(false);
    documento.clear();
    const QString html = QString(fonte).remove(QStringLiteral("\r\n"));
    {
        Enchedor e(documento);
        const qsizetype n = html.size();
        qsizetype i = 0;
        while (i < n) {
            const QChar c = html[i];
            if (c != u'<') {
                qsizetype lonxitude = 0;
                if (c == u'&')
                    if (const auto valor = entidade(html, i, lonxitude)) {
                        for (QChar d : *valor)
                            if (admitido(d)) e.engadir(d);
                        i += lonxitude;
                        continue;
                    }
                if (admitido(c)) e.engadir(c);
                ++i;
                continue;
            }
            // A tag: name up to a blank, attributes up to ">"; another "<" or the end also ends it.
            ++i;
            while (i < n && esbranco(html[i]))
                ++i;
            const qsizetype inicionome = i;
            while (i < n && !esbranco(html[i]) && html[i] != u'>' && html[i] != u'<')
                ++i;
            const QStringView nome = QStringView(html).mid(inicionome, i - inicionome);
            const qsizetype inicioatributos = i;
            while (i < n && html[i] != u'>' && html[i] != u'<')
                ++i;
            const QStringView textoatributos = QStringView(html).mid(inicioatributos, i - inicioatributos);
            if (i < n) ++i; // the ">" or the "<" that ended the tag
            etiqueta(e, nome, textoatributos);
            e.cambios = true;
        }
    }
    documento.setUndoRedoEnabled(desfacer);
}

QString richahtml(const QTextDocument& documento) {
    Escritor w;
    w.saida.reserve(documento.characterCount() * 2 + 128);
    Estado antes = estadoinicial(documento);
    w.aberturaparagrafo(antes);
    w.aberturafonte(antes);
    w.aberturaestilos(antes);
    bool elemento = false; // a list item is open

    auto quebra = [&] {
        w.pecheestilos(antes);
        antes.limparestilo();
        w.saida += elemento ? u"</li>" : u"<br>";
        elemento = false;
        w.saida += u"\r\n";
    };

    Estado agora;
    for (QTextBlock b = documento.begin(); b.isValid(); b = b.next()) {
        if (b != documento.begin()) quebra();
        estadoparagrafo(b, agora);
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            estadocaracteres(f.charFormat(), agora);
            const QString texto = f.text();
            bool comparar = true; // the state only changes at a fragment's start or after a break
            for (QChar c : texto) {
                if (c == QChar::ObjectReplacementCharacter) continue;
                if (c == QChar::LineSeparator) {
                    quebra();
                    comparar = true;
                    continue;
                }
                if (comparar) {
                    comparar = false;
                    if (!agora.mesmoparagrafo(antes)) {
                        w.pecheestilos(antes);
                        w.saida += u"</font></p>";
                        w.aberturaparagrafo(agora);
                        w.aberturafonte(agora);
                        w.aberturaestilos(agora);
                        if (agora.vineta && !elemento) {
                            w.saida += u"<li>";
                            elemento = true;
                        }
                    } else {
                        if (agora.vineta && !elemento) {
                            w.saida += u"<li>";
                            elemento = true;
                        }
                        if (!agora.mesmafonte(antes)) {
                            w.pecheestilos(antes);
                            w.saida += u"</font>";
                            w.aberturafonte(agora);
                            w.aberturaestilos(agora);
                        } else {
                            w.diferenzaestilos(antes, agora);
                        }
                    }
                    antes = agora;
                }
                escaparen(w.saida, c);
            }
        }
    }
    w.pecheestilos(antes);
    if (elemento) w.saida += u"</li>";
    w.saida += u"</font></p>\r\n";
    return w.saida;
}

} // namespace quibel
