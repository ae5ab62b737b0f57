// The part of the book commands that needs no window: opening a book file as a whole book without
// losing the open one when the file cannot be read, and the name rule of Save.
#pragma once

#include "book/globais.h"
#include "book/loaditem.h"

#include <QString>

namespace quibel {

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

// The name Save writes: ".zube" appended when the file name has no extension.
QString nomegardar(const QString& nome);

// A command-line argument as a full path: relative ones against the folder the program started in.
QString rutaargumento(const QString& argumento, const QString& cartafolinicial);

} // namespace quibel
