// The logic of the questions and word games: the word search grid and its marks, typed answers,
// the secret word's keys, the spelling gaps, the fill-in help, the dictation's word comparison,
// and which module plays a shared type.
"use strict";
const {test} = require("node:test");
const assert = require("node:assert/strict");
const {cargar} = require("./cargar.js");

const Z = cargar("zub-preguntas.js");
const L = Z.logica;

// Every placed word reads from its cells, along one straight line, and can be marked from either end.
function comprobarsopa(s, palabras) {
    assert.equal(s.letras.length, s.filas * s.columnas);
    assert.ok(s.letras.every((l) => typeof l === "string" && [...l].length === 1), "every cell holds one letter");
    assert.deepEqual([...s.palabras.map((w) => w.texto)], palabras);
    const atopadas = [];
    s.palabras.forEach((w, i) => {
        assert.equal(w.celas.map((x) => s.letras[x]).join(""), w.texto);
        const a = w.celas[0], b = w.celas[w.celas.length - 1];
        assert.deepEqual([...L.sopa.linea(a, b, s.columnas, s.letras.length)], [...w.celas], "a straight line");
        const k = L.sopa.marcar(s, i % 2 ? b : a, i % 2 ? a : b, atopadas);
        assert.notEqual(k, -1, w.texto + " is found");
        atopadas.push(k);
    });
    assert.deepEqual([...atopadas].sort(), [...s.palabras.map((w, i) => i)]);
}

test("the word search places every word, findable, whatever the seed and the words", () => {
    const casos = [
        // [words, filling letters, the words as they stand in the grid]
        [["casa", "can", "árbore", "sol", "lúa", "mar", "río", "neve"], "abcdef", ["CASA", "CAN", "ÁRBORE", "SOL", "LÚA", "MAR", "RÍO", "NEVE"]],
        // Blanks, digits and punctuation are no letters; an empty or letterless word is left out.
        [["san xoán", "", "1234", "l&#39;aire", "ñu"], "", ["SANXOÁN", "LAIRE", "ÑU"]],
        // Eight words of eleven letters that cannot all cross: the grid grows.
        [["aaaaaaaaaaa", "bbbbbbbbbbb", "ccccccccccc", "ddddddddddd", "eeeeeeeeeee", "fffffffffff",
          "ggggggggggg", "hhhhhhhhhhh"], "z", ["AAAAAAAAAAA", "BBBBBBBBBBB", "CCCCCCCCCCC", "DDDDDDDDDDD",
          "EEEEEEEEEEE", "FFFFFFFFFFF", "GGGGGGGGGGG", "HHHHHHHHHHH"]],
        // The same word twice: two places, two finds.
        [["pan", "pan"], "x", ["PAN", "PAN"]],
        // A letter beyond the Basic Multilingual Plane is one cell.
        [["a\u{1D400}b"], "q", ["A\u{1D400}B"]],
    ];
    for (const [palabras, recheo, esperadas] of casos)
        for (const semente of [1, 2, 3, 99, 12345]) {
            const s = L.sopa.construir(palabras, recheo, Z.xerador(semente));
            comprobarsopa(s, esperadas);
        }
});

test("the word search: the filling comes from the author's letters, the same seed the same grid", () => {
    const a = L.sopa.construir(["gato"], "xyz", Z.xerador(4));
    const b = L.sopa.construir(["gato"], "xyz", Z.xerador(4));
    assert.deepEqual([...a.letras], [...b.letras]);
    const libres = a.letras.filter((l, i) => a.palabras[0].celas.indexOf(i) < 0);
    assert.ok(libres.every((l) => "XYZ".includes(l)), libres.join(""));
    assert.ok(a.filas >= 8 && a.filas <= 30);
    assert.equal(L.sopa.construir([], "", Z.xerador(1)).palabras.length, 0);
    // Absurd words are cut to the largest grid, and the grid still holds them.
    const longa = L.sopa.construir(["x".repeat(10000)], "", Z.xerador(1));
    assert.equal(longa.columnas, 30);
    comprobarsopa(longa, ["X".repeat(30)]);
});

test("a mark finds a word only along a straight line, once", () => {
    // A hand-made 3×3 grid: S O L / A X X / L X X holds SOL along the top and SAL down the left.
    const s = {filas: 3, columnas: 3, letras: [..."SOLAXXLXX"],
               palabras: [{texto: "SOL"}, {texto: "SAL"}, {texto: "SO"}]};
    const casos = [
        // [from, to, found before, expected]
        [0, 2, [], 0],
        [2, 0, [], 0],   // read backwards
        [0, 6, [0], 1],  // down a column
        [0, 2, [0], -1], // found already: the same line finds nothing new
        [0, 1, [], 2],
        [0, 5, [], -1],  // not a line
        [0, 0, [], -1],  // one cell
        [0, 8, [], -1],  // a diagonal that spells nothing
        [0, 9, [], -1],  // outside
    ];
    for (const [a, b, antes, esperado] of casos) {
        const copia = {...s, palabras: s.palabras.map((w, i) => ({...w, marca: antes.includes(i) ? (i === 0 ? "0,1,2" : "0,3,6") : undefined}))};
        assert.equal(L.sopa.marcar(copia, a, b, antes), esperado, JSON.stringify([a, b, antes]));
    }
});

test("typed answers: case and blanks and the punctuation around words do not count, accents do", () => {
    const casos = [
        ["  santiago de  Compostela.", "Santiago de Compostela", true],
        ["¿Que tal?", "que tal", true],
        ["l'home", "l&#39;home", true],
        ["camion", "camión", false],
        ["", "", false], // an empty expected answer matches nothing
        ["x", "", false],
    ];
    for (const [a, b, igual] of casos) assert.equal(L.respostas.igual(a, b), igual, JSON.stringify([a, b]));
});

test("the secret word: its keys always hold its letters; a key reveals every place", () => {
    const casos = [
        // [letters offered, word, exact, keys, key pressed, places revealed]
        ["abc", "Cabana", false, "ABCN", "A", [1, 3, 5]],
        ["", "ñu", false, "ABCDEFGHIJKLMNÑOPQRSTUVWXYZ", "Ñ", [0]],
        ["a b a", "Árbol", false, "ABROL", "A", [0]],
        ["ab", "Ába", true, "abÁ", "a", [2]],
        ["&#39;xy", "l'xy", false, "XYL", "L", [0]],
    ];
    for (const [letras, palabra, exacto, keys, tecla, sitios] of casos) {
        assert.equal(L.secreta.teclas(letras, palabra, exacto).join(""), keys, palabra);
        assert.deepEqual([...L.secreta.descubrir(palabra, tecla, exacto)], sitios, palabra + " " + tecla);
    }
});

test("the spelling word: the gaps are its letters among the offered ones", () => {
    const casos = [
        // [word, offered, gaps, choices]
        ["Haber", "bvh", [0, 2], ["b", "v", "h"]],
        ["vaso", "b v", [0], ["b", "v"]],
        ["xirafa", "gj", [0], ["g", "j", "x"]], // none offered: the first letter is the gap
        ["casa", "", [], []],
    ];
    for (const [w, of, ocos, opcions] of casos) {
        const o = L.letras.ortografia(w, of);
        assert.deepEqual([[...o.ocos], [...o.opcions]], [ocos, opcions], w);
    }
});

test("fill in: lines from before||word||after, the help of mode 2", () => {
    const l = L.completar.liñas({textos: ["O ||can|| ladra", "sen||||oco", "a||b||c||d"]});
    assert.deepEqual([...l.map((x) => [x.antes, x.palabra, x.despois])], [["O ", "can", " ladra"], ["a", "b", "c||d"]]);
    assert.deepEqual([...L.completar.liñas({})], []);
    assert.equal(L.completar.axuda("casa"), "c _ _ _");
    assert.equal(L.completar.axuda("l&#39;home"), "l ' _ _ _ _");
});

test("dictation: the typed text against the dictated one, word by word", () => {
    const D = (a, b) => L.dictado.comparar(a, b).map((d) => d.tipo[0] + ":" + (d.esperada || d.escrita)).join(" ");
    const casos = [
        // [dictated, typed, comparison, right]
        ["O can ladra.", "o can ladra", "b:O b:can b:ladra.", true],
        ["Un<br>dous, tres", "un dous tres", "b:Un b:dous, b:tres", true],
        ["O can ladra", "O gato ladra", "b:O m:can b:ladra", false],
        ["O can ladra moito", "O can moito", "b:O b:can f:ladra b:moito", false],
        ["O can", "O can can", "b:O b:can s:can", false],
        ["camión", "camion", "m:camión", false],
        ["l&#39;aigua", "l'aigua", "b:l'aigua", true],
        ["A <b>casa</b>", "a casa", "b:A b:casa", true],
    ];
    for (const [a, b, esperado, ben] of casos) {
        assert.equal(D(a, b), esperado, JSON.stringify([a, b]));
        assert.equal(L.dictado.ben(L.dictado.comparar(a, b)), ben);
    }
    assert.equal(L.dictado.ben(L.dictado.comparar("", "")), false);
    // A long text compares in one go.
    const longo = Array.from({length: 1200}, (x, i) => "palabra" + i).join(" ");
    assert.equal(L.dictado.ben(L.dictado.comparar(longo, longo)), true);
});

test("a shared type plays in its own module; activities are told from reading pages", () => {
    const casos = [
        // [page, module's marker, activity]
        [{type: "letras", forma: "1", palabras: ["haber"], letras: "bvh"}, "ortografia", true],
        [{type: "letras", modo: "1", palabras: ["a", "b"], letras: "xy"}, null, false], // another family's
        [{type: "frases", textos: ["o c_n"], sons: ["a.wav"], respuestas: ["o can"]}, "8", true],
        [{type: "frases", sons: ["a.wav"], respuestas: ["o can"]}, "8", true],
        [{type: "frases", imaxes: ["a.png"], respuestas: ["o can"], modo: "1"}, "48", true],
        [{type: "frases", imaxes: ["a.png"], respuestas: ["o can"]}, "48", false],
        [{type: "frases", respuestas: ["o can"]}, "48", false],
        [{type: "sopa", palabras: ["123", ""]}, "sopa", false],
        [{type: "dictado", texto: "Ola", forma: "0"}, "dictado", false],
        [{type: "dictado", texto: "Ola", son: "a.wav"}, "dictado", true],
        [{type: "preguntas", preguntas: ["?"], resp: []}, "preguntas", false],
        [{type: "secreta", palabras: "!!"}, "secreta", false],
        [{type: "test", respuestas: ["a"], corr: "0000"}, "test", true],
    ];
    for (const [p, marca, actividade] of casos) {
        const m = Z.modulo(p);
        if (marca === null) assert.equal(m, null, JSON.stringify(p));
        else assert.ok(m, JSON.stringify(p));
        if (marca === "8" || marca === "48") {
            const m48 = Z.modulo({type: "frases", modo: "1"});
            assert.equal(m === m48, marca === "48", JSON.stringify(p));
        }
        assert.equal(Z.eactividade(p), actividade, JSON.stringify(p));
    }
});

test("multiple choice: the right set, and a page with no right answer", () => {
    assert.deepEqual([...L.test.correctas({respuestas: ["a", "b", "c"], corr: "0101"})], [1]);
    assert.equal(L.test.xulgar({respuestas: ["a", "b"], corr: "1100"}, [0, 1]), true);
    assert.equal(L.test.xulgar({respuestas: ["a", "b"], corr: "1100"}, [0]), false);
    assert.equal(L.test.xulgar({respuestas: ["a", "b"], corr: "0000"}, []), true);
});
