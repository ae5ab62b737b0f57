// The part of the book commands that needs no window: opening a book file as a whole book without
// losing the open one when the file cannot be read, and the name rule of Save.
#pragma once

#include "book/globais.h"
#include "book/loaditem.h"

#include <QString>

namespace quibel {

class Documento;
class TXMLDoc;

// Shown when a file cannot be read or is no book file, and the parser has nothing to say.
inline const QString erroapertura = QStringLiteral("Imposible abrir o libro.");

struct Apertura {
    bool ok = false;
    QString erro;           // the message for the author when not ok
    InformeLectura informe; // what the controls take from the book read
};

// Reads and parses the file through doc, then reads its first element, which must be `zub`, as a
// whole book. Only when all of that succeeds does the book take the new content (reset first,
// its folders at the file's folder, txtlibro the file's base name); otherwise the book is left
// exactly as it was and erro says why. The session (page shown, save name) is the document's.
Apertura abrirlibro(Book& libro, TXMLDoc& doc, const QString& arquivo);

// A book file to import pages from, read and parsed as Open reads it; its pages are the `paxina`
// elements of the `libro` sections of its root `zub`.
struct FonteImportacion {
    bool ok = false;
    QString erro; // the message for the author when not ok
    int paxinas = 0;
};
FonteImportacion lerimportacion(TXMLDoc& doc, const QString& arquivo);

struct Importacion {
    bool ok = false;
    QString erro;       // the message for the author when the source could not be read
    int insertadas = 0; // pages added after the page that was shown
    int ata = 0;        // the last source page imported (the range as cut to the source and the book)
    InformeLectura informe;
};
// Imports the source's pages desde..ata (from 1) after the page shown. The source is read first;
// the range is cut to the source's pages and to the room a book of 99 pages has left, and exactly
// the pages that will be filled are inserted; the first of them becomes the page shown. A source
// that cannot be read, or a reader failure, changes nothing. The open book's properties stay.
Importacion importar(Documento& documento, TXMLDoc& doc, const QString& arquivo, int desde, int ata);

// Readies Open and Save for their first call in the process: the allocator keeps freed buffers,
// heap for a book is in place, and the reader and writer have run once on a small book in
// memory. It reads and writes no file and changes no book; the program runs it when idle.
void quentarlibros();

// The name Save writes: ".zube" appended when the file name has no extension.
QString nomegardar(const QString& nome);

// A command-line argument as a full path: relative ones against the folder the program started in.
QString rutaargumento(const QString& argumento, const QString& cartafolinicial);

} // namespace quibel
