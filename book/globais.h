// A book: the page table, the wide page texts, the page count, the book properties and the
// folders, gathered into one plain value that every editor, reader, writer and exporter addresses
// by page number and field index. The open book and the session around it (the page shown, the
// sheet shown, the save name) live in the document (documento.h).
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace quibel {

// One page: 42 text fields P0..P41. P0 holds the page type code "1".."51".
struct Tpaxina {
    static constexpr int numcampos = 42;
    std::array<QString, numcampos> P;

    QString& operator[](int campo) { return P.at(campo); }
    const QString& operator[](int campo) const { return P.at(campo); }
};

class Book {
public:
    static constexpr int numfilas = 105;   // rows stored, 1..105
    static constexpr int filasreset = 100; // rows the reset clears, 1..100
    static constexpr int numtextos = 6;    // wide texts per row, indexes 1..6
    static constexpr int maxpaxinas = 99;  // pages a book may have
    static constexpr int numligas = 14;    // menu links of the book

    static bool filavalida(int fila) { return fila >= 1 && fila <= numfilas; }
    static bool campovalido(int campo) { return campo >= 0 && campo < Tpaxina::numcampos; }
    static bool textovalido(int indice) { return indice >= 1 && indice <= numtextos; }

    // Checked access; std::out_of_range outside the tables.
    Tpaxina& paxina(int fila) { return taboapaxinas.at(checkedRow(fila)); }
    const Tpaxina& paxina(int fila) const { return taboapaxinas.at(checkedRow(fila)); }
    QString& texto(int fila, int indice) { return textospaxina.at(checkedRow(fila)).at(checkedText(indice)); }
    const QString& texto(int fila, int indice) const {
        return textospaxina.at(checkedRow(fila)).at(checkedText(indice));
    }

    // Row 0 and wide-text index 0 exist only so that the numbering matches; they stay unused.
    std::array<Tpaxina, numfilas + 1> taboapaxinas;
    std::array<std::array<QString, numtextos + 1>, numfilas + 1> textospaxina;

    quint8 numpaxinas = 0; // pages of the book

    // Book properties kept outside the page table: colours RRGGBB and full file paths.
    QString corbandalibro, cornavegalibro, cormensaxeslibro, corfondolibro, cortextolibro;
    QString arquivologo, arquivobarra, arquivofondo, arquivocorrecto, arquivoincorrecto, arquivosonido,
        arquivoaxuda, arquivoaspectosup, arquivoaspectoinf;

    // Book properties edited on the book-properties, menu and export sheets. Named after the
    // controls bound to them; a check box is a bool.
    QString txttitulo, txtlibro, txtsub, txtautor, txtiden, txtlicencia, txtag, txcaracter, txtenlacefinal;
    QString tipolibro;                      // book mode
    QStringList adxuntos;                   // attachments, full paths
    QString txtdirrec;                      // resource folder name
    QString axuda;                          // help file name or address as shown
    QString txtben, txtmal;                 // right and wrong messages
    QString benson, malson;                 // their sound file names
    QString soncontinuo;                    // background sound file name
    QString txtlogo, txtimaxe, nomimbarra;  // logo, background and bar picture names
    QString skin1, skin2;                   // skin file names
    QString saltologo;                      // link of the logo
    QString sonvol = QStringLiteral("100"); // background sound volume
    QString trpf = QStringLiteral("100");   // background picture opacity
    QString fondox = QStringLiteral("0"), fondoy = QStringLiteral("0"); // its position
    bool chbanda = false, chbarra = false;
    bool chkben = true, chkmal = true;
    bool desordenpax = false, chkrepiteson = false;
    bool binfor = false, bson = false, bmaxi = false;
    bool pel = false;
    bool chskin1 = true, chskin2 = false;
    bool chhorizontal = false, chdereita = false; // menu orientation
    std::array<QString, numligas> txmenus;        // menu link texts
    std::array<QString, numligas> txligas;        // menu link targets

    // Export sheet.
    QString nalmacen, donde, nlibro, txtempa, txthtml, edlomes, dirax;
    bool sihtml = true, empa = false, chkencoded = false;

    // Folders.
    QString carpetaprograma, carpetacfg, carpetalibro, carpetarecursos, carpetatemporal;

    // Left by the book reader: the prefix it put before the file values of the last book read, and
    // the store name when that book named its resource folder by a plain name (the export sheet
    // proposes it).
    QString recursoslectura, nomealmacen;

    // Empties the book for New or Open: no pages, default properties. Keeps the licence (an author
    // may want it on New); Open empties it itself before reading. The controls follow through the
    // document's reset signal.
    void inicializar();
    // Empties the wide texts of rows 1..100.
    void inizrtf();

private:
    static int checkedRow(int fila);
    static int checkedText(int indice);
};

} // namespace quibel
