// Field indexes that mean the same on every page, for the editor cycle, the page list, the reader,
// the writer and the exporters. The fields of one page type are numbered in its own editor.
#pragma once

namespace quibel::campo {

inline constexpr int tipo = 0;           // page type code "1".."51"
inline constexpr int imaxe = 14;         // the page picture, on the types that show one
inline constexpr int bloqueavanzar = 31; // "1": going forward from the page is blocked
inline constexpr int bloquearecuar = 32; // "1": going back from the page is blocked
inline constexpr int pe = 34;            // footer
inline constexpr int cabeceira = 35;     // header
inline constexpr int son = 36;           // page sound (full path)
inline constexpr int autoson = 37;       // "1": the page sound plays by itself
inline constexpr int textoliga = 38;     // text of the page's extra link
inline constexpr int destinoliga = 39;   // its target
inline constexpr int mensaxeben = 40;    // the page's own right message
inline constexpr int mensaxemal = 41;    // and wrong message

} // namespace quibel::campo
