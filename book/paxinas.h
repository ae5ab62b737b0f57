// Operations on the list of pages: insert blank pages after the current one, duplicate, delete,
// reorder, and the type check before a page is shown. They move whole rows (42 fields and 6 wide
// texts) and never let a book grow beyond 99 pages. The main window wraps them with the sheet
// changes that commit and reload the editor.
#pragma once

#include "book/documento.h"
#include "book/globais.h"

#include <QStringList>

namespace quibel {

// Inserts n blank pages after the page shown (0: at the start) and makes the first of them current.
// Refused (false, nothing changed) when the book would reach 100 pages.
bool paxinanova(Documento& documento, int n);

// Inserts a copy of the current page right after it and makes the copy current. False when no
// page is shown or the book is full.
bool duplicarpaxina(Documento& documento);

// Deletes the current page; the pages after it move up and the vacated row is emptied, wide texts
// included. The page before becomes current (page 1 stays current when it was deleted and pages
// remain; 0 when the book became empty). False when no page is shown.
bool borrarpaxina(Documento& documento);

// The lines of the page-order list: the page number with two digits, " >", the header text.
QStringList linasorde(const Book& libro);
// The source page of a line of that list: its first two characters, 1 when they are no number.
int paxinadalina(const QString& lina);
// Puts the pages in the order of the lines (each names its source page). With one page or none
// nothing changes. Lines beyond the book, and source numbers outside it, are ignored.
void aplicarorde(Book& libro, const QStringList& linas);

// The type under which a page is shown: 0 when P0 is empty or no type (the neutral sheet),
// 51 for a number above 51. Rewrites P0 to "51" in that case, as the editor would store it.
int tipoparamostrar(Tpaxina& paxina);

} // namespace quibel
