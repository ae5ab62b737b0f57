// The twelve built-in tables of interface texts.
#include "languages/idiomas.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>

using namespace quibel;

namespace {

using Textos = Textosui;

enum Lingua { ESP, GAL, CAT, EUS, POR, ENG, FRA, ITA, AST, DEU, BRA, VAL };
const char* const siglas[numidiomas] = {"ESP", "GAL", "CAT", "EUS", "POR", "ENG",
                                        "FRA", "ITA", "AST", "DEU", "BRA", "VAL"};

const QString sentinela = QStringLiteral("\x01unset\x01");

// Runs table n over a catalogue of sentinels, so that an entry left unassigned, or composed from
// one the table has not assigned, shows.
Textos taboa(int n) {
    textosui.fill(sentinela);
    idiomavisor = -1;
    taboasidiomas[n]();
    return textosui;
}

// The entries each table composes from its own earlier entries, with the composition.
std::optional<QString> composta(int lingua, const Textos& t, int entrada) {
    const bool primeirassete = lingua <= FRA;
    switch (entrada) {
    case 163:
        if (primeirassete) return t[149] + "-2";
        break;
    case 164:
        if (primeirassete) return t[25] + "-2";
        break;
    case 192:
        if (lingua != POR) return t[191] + "-2";
        break;
    case 198:
        if (lingua != POR) return t[16] + "-2";
        break;
    case 202:
        if (lingua != POR) return t[151] + "-2";
        break;
    case 203:
        return t[171] + " " + t[33];
    case 204:
        return t[10] + (lingua == AST || lingua == VAL ? "-2" : "-2 ");
    case 207:
        if (lingua != POR) return t[13] + "-2";
        break;
    }
    return std::nullopt;
}

// Page types 1..51 and the entry that names each in the palette.
constexpr int nomestipos[51] = {12,  7,   8,   9,   22,  20,  21,  13,  149, 11,  16,  14,  18,
                                19,  24,  23,  10,  27,  28,  25,  15,  17,  26,  154, 152, 151,
                                153, 163, 47,  164, 165, 166, 202, 171, 203, 185, 174, 189, 204,
                                191, 192, 194, 197, 198, 199, 205, 206, 207, 208, 173, 217};

} // namespace

TEST(Catalogo, EveryTableFillsAllEntriesFromItsOwnTexts) {
    for (int n = 0; n < numidiomas; ++n) {
        const Textos t = taboa(n);
        for (int i = 0; i < int(t.size()); ++i)
            EXPECT_FALSE(t[i].contains(sentinela)) << siglas[n] << " entry " << i;
        EXPECT_GE(idiomavisor, 0) << siglas[n];
    }
}

TEST(Catalogo, LanguageCodesAndNames) {
    for (int n = 0; n < numidiomas; ++n)
        EXPECT_EQ(codidiomas[n], QString::fromLatin1(siglas[n]));
    EXPECT_EQ(nomesidiomas[0], "Español");
    EXPECT_EQ(nomesidiomas[2], "Català");
    EXPECT_EQ(nomesidiomas[4], "Português");
    EXPECT_EQ(nomesidiomas[6], "Français");
    EXPECT_EQ(nomesidiomas[9], "Deusche");
    EXPECT_EQ(nomesidiomas[10], "Português-Brasil");
    EXPECT_EQ(nomesidiomas[11], "Valencià");
}

TEST(Catalogo, TellingEntriesOfEveryTable) {
    struct Fila {
        int lingua;
        bool credito; // entry 162: a credit line, or empty
        const char *e163, *e164;
        const char *e195, *e212, *e219, *e220;
        int visor;
    };
    // nullptr: composed (checked by DerivedEntries).
    const Fila filas[] = {
        {ESP, false, nullptr, nullptr, "¿Cerrar Quibel?", "Todas", "Licencia", "quibel_es", 0},
        {GAL, false, nullptr, nullptr, "Desexa saír de Quibel?", "Todas", "Licenza", "quibel_gz", 1},
        {CAT, true, nullptr, nullptr, "Tancar l'Quibel?", "Totes", "Llicència", "quibel_cat", 2},
        {EUS, true, nullptr, nullptr, "Itxi-tzea QUIBEL?", "Guztiak", "Lizentzia", "quibel_ek", 3},
        {POR, true, nullptr, nullptr, "Fechar Quibel?", "Todas", "Licença", "quibel_pt", 4},
        {ENG, true, nullptr, nullptr, "Do you really want to exit?", "All", "License", "quibel_en", 5},
        {FRA, true, nullptr, nullptr, "Fermer Quibel?", "Toutes", "Licence", "quibel_fr", 5},
        {ITA, true, "Indice ", "Tag 2", "Smettere?", "Tutti", "Licenza", "quibel_it", 5},
        {AST, true, "Indiz ", "Etiquetes-2", "Pechar Quibel?", "Toes", "Licencia", "quibel_as", 6},
        {DEU, true, "Verzeichnis", "Etikette 2", "Beenden Sie?", "Alle", "Lizenz", "quibel_de", 5},
        {BRA, true, "Índice ", "Etiquetas 2", "Fechar Quibel?", "Todas", "Licença", "quibel_pt", 4},
        {VAL, true, "Índex ", "Etiquetes-2", "Tancar Quibel?", "Totes", "Llicència", "quibel_va", 7},
    };
    for (const Fila& f : filas) {
        SCOPED_TRACE(siglas[f.lingua]);
        const Textos t = taboa(f.lingua);
        EXPECT_EQ(idiomavisor, f.visor);
        EXPECT_EQ(t[162].isEmpty(), !f.credito);
        if (f.e163) {
            EXPECT_EQ(t[163], QString::fromUtf8(f.e163));
        }
        if (f.e164) {
            EXPECT_EQ(t[164], QString::fromUtf8(f.e164));
        }
        EXPECT_EQ(t[195], QString::fromUtf8(f.e195));
        EXPECT_EQ(t[212], QString::fromUtf8(f.e212));
        EXPECT_EQ(t[219], QString::fromUtf8(f.e219));
        EXPECT_EQ(t[220], QString::fromUtf8(f.e220));
    }
}

TEST(Catalogo, DerivedEntriesFollowTheirTableOrGiveThePlainText) {
    const std::map<int, QString> portugues = {
        {192, "Frações-2"}, {198, "Identificar imagens-2"}, {202, "Operações-2"}, {207, "Frases-2"}};
    for (int n = 0; n < numidiomas; ++n) {
        SCOPED_TRACE(siglas[n]);
        const Textos t = taboa(n);
        for (int i = 0; i < numtextosui; ++i)
            if (const auto c = composta(n, t, i)) {
                EXPECT_EQ(t[i], *c) << "entry " << i;
            }
        if (n == POR) {
            for (const auto& [i, texto] : portugues)
                EXPECT_EQ(t[i], texto) << "entry " << i;
        }
    }
    // In the five tables that give entry 163 plainly it is not a composition of entry 149.
    for (int n : {ITA, AST, DEU, BRA, VAL}) {
        const Textos t = taboa(n);
        EXPECT_NE(t[163], t[149] + "-2") << siglas[n];
    }
    EXPECT_EQ(taboa(ITA)[149], "Link");
}

TEST(Catalogo, PageTypeNamesAreDistinctAndFreeOfEquals) {
    for (int n = 0; n < numidiomas; ++n) {
        SCOPED_TRACE(siglas[n]);
        const Textos t = taboa(n);
        std::map<QString, int> vistos;
        for (int tipo = 1; tipo <= 51; ++tipo) {
            const QString& nome = t[nomestipos[tipo - 1]];
            EXPECT_FALSE(nome.isEmpty()) << "type " << tipo;
            EXPECT_FALSE(nome.contains(u'=')) << "type " << tipo;
            const auto [it, novo] = vistos.emplace(nome.toCaseFolded(), tipo);
            EXPECT_TRUE(novo) << "types " << it->second << " and " << tipo << ": " << nome.toStdString();
        }
    }
}

TEST(Catalogo, BlanksAtEitherEndAreKept) {
    const auto conbrancos = [](const Textos& t) {
        std::set<int> r;
        for (int i = 0; i < int(t.size()); ++i)
            if (!t[i].isEmpty() && (t[i].front() == u' ' || t[i].back() == u' ')) r.insert(i);
        return r;
    };
    EXPECT_EQ(conbrancos(taboa(ESP)), (std::set<int>{115, 182, 204}));
    EXPECT_EQ(conbrancos(taboa(ENG)),
              (std::set<int>{9,  15, 16, 18, 19, 20, 21, 22, 56, 60,  62,  71,  72,  74,  77,  79,
                             80, 81, 88, 89, 90, 92, 93, 94, 95, 102, 105, 113, 115, 181, 182, 204}));
    const Textos es = taboa(ESP);
    EXPECT_EQ(es[115], "Borrar página ");
    EXPECT_EQ(es[182], " llevando");
    EXPECT_EQ(es[204], "Parejas-2 ");
    EXPECT_EQ(es[203], "Ordenar Imágenes");
    const Textos en = taboa(ENG);
    EXPECT_EQ(en[9], "Find a word ");
    EXPECT_EQ(en[181], " exact");
    EXPECT_EQ(en[204], "Who is who?-2 ");
    for (int n : {AST, VAL})
        EXPECT_FALSE(taboa(n)[204].endsWith(u' ')) << siglas[n];
}

TEST(Catalogo, SpanishAndEnglishSamples) {
    const Textos es = taboa(ESP);
    EXPECT_EQ(es[5], "Páginas");
    EXPECT_EQ(es[116], "Esto borrará todas las páginas,está de acuerdo?");
    EXPECT_EQ(es[124], "OPERACIÓN FINALIZADA");
    EXPECT_EQ(es[143], "¿Borrar el elemento seleccionado?");
    EXPECT_EQ(es[162], "");
    EXPECT_EQ(es[163], "Enlaces-2");
    EXPECT_FALSE(es[130].isEmpty());
    EXPECT_TRUE(es[159].contains("Quibel"));
    const Textos en = taboa(ENG);
    EXPECT_EQ(en[0], "Open");
    EXPECT_EQ(en[123], "ERROR: IMPOSSIBLE TO CREATE THE BOOK");
    EXPECT_EQ(en[164], "Tags-2");
    EXPECT_FALSE(en[130].isEmpty());
    EXPECT_TRUE(en[159].contains("Quibel"));
}

TEST(Catalogo, EnglishEntriesSayWhatTheyLabel) {
    const Textos en = taboa(ENG);
    EXPECT_EQ(en[13], "Sentences");
    EXPECT_EQ(en[207], "Sentences-2");
    EXPECT_EQ(en[20], "Classify texts ");
    EXPECT_EQ(en[21], "Classify images ");
    EXPECT_EQ(en[90], "Dragging texts ");
    EXPECT_EQ(en[91], "Fixed images");
    EXPECT_EQ(en[92], "Dragging images ");
    EXPECT_EQ(en[98], "Texts to classify");
    EXPECT_EQ(en[115], "Delete page ") << "the page number follows it";
    EXPECT_EQ(en[116], "This action will delete all pages, do you agree?");
    EXPECT_EQ(en[131], "Apply");
    EXPECT_EQ(en[148], "button image");
}

TEST(Catalogo, ProgramTextsFollowTheCatalogueInEveryTable) {
    for (int n = 0; n < numidiomas; ++n)
        for (int i = numtextosui; i < numtextosui + numtextosprograma; ++i)
            EXPECT_FALSE(taboa(n)[i].trimmed().isEmpty()) << siglas[n] << " " << i;
    EXPECT_EQ(taboa(GAL)[textosubstituir], "O arquivo xa existe, desexa substituílo?");
    EXPECT_EQ(taboa(DEU)[textoforadolibro],
              "Diese Dateien des Buches liegen außerhalb seines Ordners und des "
              "Ressourcenordners und werden mit ihm veröffentlicht. Möchten Sie "
              "fortfahren?");
    EXPECT_EQ(taboa(ESP)[textocomaadxunto], "El nombre de un archivo adjunto no puede llevar comas:");
}

TEST(Catalogo, SwitchingToSpanishEmptiesTheCreditLine) {
    textosENG();
    ASSERT_FALSE(textosui[162].isEmpty());
    textosESP();
    EXPECT_TRUE(textosui[162].isEmpty());
}

// Entries that are the same word as in Spanish, per table. Any other entry equal to the Spanish
// text is a forgotten translation.
TEST(Catalogo, NoTableKeepsSpanishPlaceholders) {
    const std::map<int, std::set<int>> iguais = {
        {GAL, {0,   3,   4,   9,   11,  13,  18,  20,  24,  25,  27,  28,  32,  36,  39,  40,  41,  44,
               45,  46,  47,  48,  49,  50,  51,  53,  54,  57,  59,  62,  63,  65,  66,  69,  70,  72,
               73,  75,  82,  83,  85,  90,  97,  98,  99,  100, 102, 103, 104, 105, 107, 109, 112, 114,
               124, 127, 129, 131, 132, 133, 137, 142, 145, 153, 155, 158, 162, 164, 165, 166, 167, 168,
               169, 170, 171, 172, 173, 174, 176, 177, 178, 179, 180, 181, 183, 185, 190, 193, 194, 196,
               197, 200, 201, 205, 206, 207, 208, 209, 210, 212, 213, 214, 215, 216, 217}},
        {CAT, {3,   13,  24,  27,  32,  36,  45,  46,  50,  57,  59,  85,  97,  100, 102, 131, 140,
               141, 145, 168, 169, 170, 171, 177, 178, 181, 183, 184, 189, 194, 196, 205, 214}},
        {EUS, {45, 46, 102, 145, 217}},
        {POR, {0,   2,   3,   5,   9,   13,  25,  27,  31,  32,  36,  41,  46,  47,  48,  49,
               50,  59,  63,  69,  72,  75,  85,  102, 112, 127, 131, 136, 137, 145, 164, 165,
               168, 169, 171, 172, 173, 183, 194, 196, 200, 205, 207, 208, 210, 212, 214, 216}},
        {FRA, {97, 100, 155}},
        {ITA, {46, 85, 127, 145, 172, 217}},
        {AST, {0,   2,   6,   8,   13,  22,  24,  27,  32,  35,  41,  43,  45,  46,  50,  51,  52,
               57,  62,  74,  82,  85,  86,  93,  94,  97,  99,  100, 102, 103, 106, 107, 114, 131,
               136, 141, 145, 151, 153, 158, 166, 168, 169, 171, 174, 175, 177, 178, 179, 180, 182,
               183, 184, 185, 188, 193, 194, 196, 197, 206, 209, 213, 216, 217, 219}},
        {DEU, {50}},
        {BRA, {0,   3,   5,   13,  25,  27,  31,  32,  36,  39,  41,  46,  47,  48,  49,  50,
               59,  63,  69,  72,  75,  85,  102, 112, 127, 131, 137, 140, 145, 165, 168, 169,
               171, 172, 173, 183, 194, 196, 200, 205, 207, 208, 210, 212, 214, 216}},
        {VAL,
         {2,   3,   8,   13,  24,  27,  32,  36,  45,  46,  50,  57,  59,  85,  97,  100, 102, 103, 131,
          140, 141, 145, 168, 169, 170, 171, 177, 178, 181, 183, 184, 189, 193, 194, 196, 205, 210, 214}},
    };
    const Textos es = taboa(ESP);
    for (const auto& [n, lista] : iguais) {
        const Textos t = taboa(n);
        for (int i = 0; i < int(t.size()); ++i)
            if (!composta(n, t, i) && t[i] == es[i] && !es[i].isEmpty()) {
                EXPECT_TRUE(lista.count(i))
                    << siglas[n] << " entry " << i << " still holds the Spanish text \""
                    << es[i].toStdString() << "\"";
            }
    }
}
