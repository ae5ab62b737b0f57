// The page texts of the text, menu and template pages are small HTML fragments. These routines
// convert them to and from the plain text of the HTML editor, the bracket notation of links and
// pictures, and the rich text of the rich-text editor (a QTextDocument, no widget).
#pragma once

#include <QString>
#include <QStringList>

class QTextDocument;

namespace quibel {

// --- plain text and bracket notation (conversionhtml.cpp) -----------------------------------
// HTML to the editor's text ("<br>" is LF) and back (wrapped in size 12 unless "size" is there).
QString htmlatexto(const QString& html);
QString textoahtml(const QString& texto);
// Links "[[target][text]]" and pictures "{{file}}" to HTML elements and back.
QString marcasahtml(const QString& texto);
QString htmlamarcas(const QString& html);
// The pieces between separators, empty ones included.
QStringList partirtexto(const QString& texto, QChar separador);

// --- rich text (conversionhtml_rich.cpp) ------------------------------------------------------
// Fills the document (emptied first, its undo history dropped) from the HTML subset. Never fails:
// attributes it cannot read are ignored.
void htmlarich(const QString& html, QTextDocument& documento);
// The HTML subset of a document: a line per paragraph, formats resolved against Arial 12 black.
QString richahtml(const QTextDocument& documento);

} // namespace quibel
