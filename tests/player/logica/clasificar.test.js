// The classifying family's pure part: pairing runs that the description let fall out of step,
// judging classifications, pairs, relations and orders, and the links' targets and places.
"use strict";
const {test} = require("node:test");
const assert = require("node:assert/strict");
const {cargar} = require("./cargar.js");

const L = cargar("zub-clasificar.js").logica.clasificar;
const plano = (v) => JSON.parse(JSON.stringify(v));

test("runs out of step: every way they could have stood, the fewest slips kept", () => {
    assert.equal(L.combinacions(6, 2).length, 15);
    assert.equal(L.combinacions(2, 3).length, 0);
    // Whole runs pair one to one; a run one short may have lost any of its slots.
    const minimos = (na, nb, n, a, b) => {
        const v = L.alinamentos(na, nb, n, a, b);
        const m = Math.min(...v.map((x) => x.custo));
        return [...new Set(v.filter((x) => x.custo === m).map((x) => JSON.stringify(x.par)))].map((x) => JSON.parse(x));
    };
    assert.deepEqual(minimos(3, 3, 3, 1, 1), [[0, 1, 2]]);
    assert.deepEqual(minimos(2, 2, 3, 1, 1), [[0, 1]], "equal runs: the same slots left empty on both sides");
    assert.deepEqual(minimos(2, 3, 3, 1, 1), [[0, 1], [0, 2], [1, 2]]);
    assert.deepEqual(minimos(3, 2, 3, 1, 1).sort(), [[-1, 0, 1], [0, -1, 1], [0, 1, -1]]);
});

test("two boxes: an empty text never makes a right classification wrong", () => {
    const casos = [
        // [textos, caixas, answer (box 0/1 per text), right]
        [["a", "b", "c"], ["1", "2", "2", "1", "1", "1"], [0, 1, 1], true],
        [["a", "b", "c"], ["1", "2", "2", "1", "1", "1"], [0, 1, 0], true], // c may be text 4, 5 or 6
        [["a", "b", "c", "d", "e", "f"], ["1", "2", "2", "1", "1", "1"], [0, 1, 1, 0, 0, 1], false],
        [["a", "b", "c", "d", "e", "f"], ["2", "x", "", "2", "1", "2"], [1, 0, 0, 1, 0, 1], true],
        // Text 3 of six left empty: the texts after it take the boxes one further on.
        [["can", "rosa", "piñeiro", "vaca", "fento"], ["1", "2", "2", "2", "1", "2"], [0, 1, 1, 0, 1], true],
        [["can", "rosa", "piñeiro", "vaca", "fento"], ["1", "2", "2", "2", "1", "2"], [0, 0, 1, 0, 1], false],
        // Box numbers missing (a book not stored by the editor): a text without one is in box 1.
        [["a", "b"], ["2"], [1, 0], true],
        [["a", "b"], ["2"], [0, 1], true],
        [["a", "b"], ["2"], [1, 1], false],
    ];
    for (const [textos, caixas, resposta, ben] of casos) {
        const m = L.clasificar6({textos, caixas, txcaixas: ["A", "B"]});
        assert.equal(L.cumpre(m.alternativas, resposta), ben, JSON.stringify([textos, caixas, resposta]));
    }
    const m = L.clasificar6({textos: ["can", "rosa", "piñeiro", "vaca", "fento"], caixas: ["1", "2", "2", "2", "1", "2"],
                             txcaixas: ["Animais"], imfondo: ["a.png", "b.png"], trnsimf: ["40", "abc"], modo: "0"});
    assert.deepEqual(plano(L.seguro(m.alternativas, 2)), [1], "the third text is in slot 3 or 4: box 2 either way");
    assert.equal(L.seguro(m.alternativas, 0), undefined);
    assert.match(m.nota, /caixa incerta por un texto baleiro: can, vaca, fento; nomes das caixas sen poñer/);
    assert.deepEqual(plano(m.grupos.map((g) => [g.nome, g.fondo, g.opacidade])), [["", "a.png", 40], ["", "b.png", 100]]);
    assert.equal(m.amosar, true);
    assert.equal(L.clasificar6({textos: ["a"], caixas: ["1"], txcaixas: ["A", "B"], modo: "1"}).amosar, false);
    assert.equal(L.clasificar6({caixas: ["1"], txcaixas: ["A", "B"]}).erro, "sen textos");
});

test("named groups: the typed number names its edit, whatever the commas renumbered", () => {
    const casos = [
        // [txcaixas, textos, caixas, shown groups, answer (group index per word, -1 anywhere), right]
        ["A,B,C", ["x", "y", "z"], ["1", "2", "3"], ["A", "B", "C"], [0, 1, 2], true],
        ["A,B,C", ["x", "y", "z"], ["1", "2", "3"], ["A", "B", "C"], [0, 2, 1], false],
        // The second edit left empty: C stands in edit 3, and "3" means C.
        ["A,C", ["x", "y"], ["1", "3"], ["A", "C"], [0, 1], true],
        ["A,C", ["x", "y"], ["1", "2"], ["A", "C"], [0, 1], true],
        ["A,C", ["x", "y"], ["1", "3"], ["A", "C"], [1, 1], false],
        // An empty first edit keeps its comma: ",B" is group 2.
        [",B,C", ["x", "y"], ["2", "3"], ["B", "C"], [0, 1], true],
        // Names beyond the fourth are not groups.
        ["A,B,C,D,E", ["x"], ["4"], ["A", "B", "C", "D"], [3], true],
        // Word 2 left empty with its number "3" still there; the last word points at no group.
        ["Mamíferos,Peixes", ["lobo", "troita", "raposo", "xarda", "gaivota"], ["1", "3", "3", "1", "3", "7"],
         ["Mamíferos", "Peixes"], [0, 1, 0, 1, 0], true],
        ["Mamíferos,Peixes", ["lobo", "troita", "raposo", "xarda", "gaivota"], ["1", "3", "3", "1", "3", "7"],
         ["Mamíferos", "Peixes"], [0, 0, 0, 1, 0], false],
    ];
    for (const [txcaixas, textos, caixas, grupos, resposta, ben] of casos) {
        const m = L.clasificar47({txcaixas, textos, caixas});
        const que = JSON.stringify([txcaixas, caixas, resposta]);
        assert.deepEqual(plano(m.grupos.map((g) => g.nome)), grupos, que);
        assert.equal(L.cumpre(m.alternativas, resposta), ben, que);
    }
    const m = L.clasificar47({txcaixas: "A,B", textos: ["x", "y", "z"], caixas: ["1", "9", "q"]});
    assert.deepEqual(plano(m.fora), [1, 2]);
    assert.equal(m.nota, "palabras sen grupo, fóra: y, z");
    const erros = [[{txcaixas: ",", textos: ["x"], caixas: ["1"]}, "sen grupos"],
                   [{txcaixas: "A", textos: ["x"], caixas: ["5"]}, "ningunha palabra ten grupo"],
                   [{txcaixas: "A"}, "sen palabras"]];
    for (const [p, erro] of erros) assert.equal(L.clasificar47(p).erro, erro);
});

test("pairs: a one-sided pair shifts nothing, and equal dragged texts count on either target", () => {
    const casos = [
        // [fixed, dragged, answer (dragged index on each fixed, -1 empty), right]
        [["gato", "can"], ["mia", "ladra"], [0, 1], true],
        [["gato", "can"], ["mia", "ladra"], [1, 0], false],
        // Two "mia": either one on either cat.
        [["gato", "can", "gata"], ["mia", "ladra", "mia"], [2, 1, 0], true],
        // The dragged text of pair 3 left empty: "bee" goes to sheep, and the cow stays empty.
        [["gato", "can", "vaca", "ovella"], ["mia", "ladra", "bee"], [0, 1, -1, 2], true],
        [["gato", "can", "vaca", "ovella"], ["mia", "ladra", "bee"], [0, 1, 2, -1], true],
        [["gato", "can", "vaca", "ovella"], ["mia", "ladra", "bee"], [1, 0, -1, 2], false],
    ];
    for (const [textos, unir, resposta, ben] of casos)
        assert.equal(L.cumpre(L.unir13({textos, unir}).alternativas, resposta), ben, JSON.stringify([unir, resposta]));
    const m = L.unir13({textos: ["gato", "can", "vaca", "ovella"], unir: ["mia", "ladra", "bee"]});
    assert.equal(m.nota, "parellas incertas por un texto baleiro");
    assert.deepEqual(plano([m.fixosfora, m.movilesfora]), [[], []]);
    assert.equal(L.unir13({textos: ["a"]}).erro, "faltan textos");
});

test("relations: by the right item's text, else by its number among the six slots", () => {
    const casos = [
        // [palabras, etiquetas, answer (right index per left item), right]
        [["sol||día", "lúa||noite"], ["día", "noite"], [0, 1], true],
        [["sol||día", "lúa||noite"], ["día", "noite"], [1, 0], false],
        [["sol||2", "lúa||1"], ["a", "b", "c", "d", "e", "f"], [1, 0], true],
        // Several left items may join one right item.
        [["sol||día", "lúa||DÍA"], ["día", "noite"], [0, 0], true],
        // Right items 2, 4 and 6 left empty: numbers 1, 3 and 5 still find theirs.
        [["sol||1", "mar||3", "lume||5"], ["día", "auga", "queima"], [0, 1, 2], true],
        [["sol||1", "mar||3", "lume||5"], ["día", "auga", "queima"], [0, 2, 1], false],
        // A text that is also a number: the text first.
        [["a||2"], ["x", "2"], [1], true],
    ];
    for (const [palabras, etiquetas, resposta, ben] of casos)
        assert.equal(L.cumpre(L.relacionar46({palabras, etiquetas}).alternativas, resposta), ben,
                     JSON.stringify([palabras, resposta]));
    const m = L.relacionar46({palabras: ["sol||día", "lúa", "mar||xxx", "ceo||9"], etiquetas: ["día"]});
    assert.deepEqual(plano(m.fora), [1, 2, 3]);
    assert.equal(m.nota, "elementos sen relación, fóra: lúa, mar, ceo");
    assert.equal(L.relacionar46({palabras: ["a||"], etiquetas: ["b"]}).erro, "ningunha relación");
});

test("links: targets and places where they are sure, none where they are not", () => {
    const casos = [
        // [liga, ir, posx, posy, targets, places or null]
        [["a", "b", "c"], ["1", "2", "3"], ["10", "abc", "30"], ["5", "6", "7"], ["1", "2", "3"], [[10, 5], [225, 6], [30, 7]]],
        // Whole links left empty: still in step.
        [["a", "b"], ["1", "3"], ["10", "20", "30"], ["5", "6", "7"], ["1", "3"], null],
        [["a", "b"], ["1", "2", "3"], ["10", "20", "30"], ["5", "6", "7"], [null, null], null],
        [["a", "b", "c"], ["1", "2"], ["10", "20", "30"], ["5", "6", "7"], [null, null, null], [[10, 5], [20, 6], [30, 7]]],
        [["a"], [], [], [], [""], null],
    ];
    for (const [liga, ir, posx, posy, destinos, lugares] of casos) {
        const m = L.ligas({liga, ir, posx, posy}, 3, true);
        const que = JSON.stringify([liga, ir]);
        assert.deepEqual(plano(m.ligas.map((l) => l.destino)), destinos, que);
        assert.equal(m.sitio, !!lugares, que);
        if (lugares) assert.deepEqual(plano(m.ligas.map((l) => [l.x, l.y])), lugares, que);
    }
    assert.equal(L.ligas({liga: ["a", "b"], ir: ["1", "2", "3"]}, 10, false).nota, "ligazóns sen destino seguro: a, b");
});

test("order: words or letters by the mode, rebuilt against the text; pyramid lines", () => {
    const casos = [
        // [texto, modo, forma, pieces, letters, drag]
        ["o  can come", "1", "1", ["o", "can", "come"], false, true],
        ["casa", "2", "0", ["c", "a", "s", "a"], true, false],
        ["boas noites", "2", undefined, ["b", "o", "a", "s", "n", "o", "i", "t", "e", "s"], true, true],
        ["boas noites", undefined, "1", ["boas", "noites"], false, true],
        ["casa", "7", "1", ["c", "a", "s", "a"], true, true],
        ["l&#39;aigua clara", "1", "1", ["l'aigua", "clara"], false, true],
    ];
    for (const [texto, modo, forma, pezas, letras, arrastrar] of casos) {
        const m = L.pezas34({texto, modo, forma});
        assert.deepEqual(plano([m.pezas, m.letras, m.arrastrar]), [pezas, letras, arrastrar], texto);
    }
    const ordes = [
        [{texto: "o can come", modo: "1"}, ["o", "can", "come"], true],
        [{texto: "o can come", modo: "1"}, ["can", "o", "come"], false],
        [{texto: "casa", modo: "2"}, ["c", "a", "s", "a"], true],
        [{texto: "a a b", modo: "1"}, ["a", "a", "b"], true],
        [{texto: "𝔸b", modo: "2"}, ["𝔸", "b"], true],
    ];
    for (const [p, orde, ben] of ordes) assert.equal(L.ordenar34(p, orde), ben, JSON.stringify(orde));
    assert.deepEqual(plano(L.piramide37({palabras: ["mi", " ", "mesa"]}).linhas), ["mi", "mesa"]);
    assert.equal(L.piramide37({}).erro, "sen liñas");
});

test("absurd values: long runs, huge places, endless texts stay bounded", () => {
    const muitos = Array.from({length: 40}, (_, i) => "t" + i);
    const inicio = Date.now();
    const m = L.clasificar6({textos: muitos, caixas: muitos.map(() => "2"), txcaixas: ["A", "B"]});
    assert.equal(m.textos.length, 6, "no description has more than six texts");
    assert.ok(L.cumpre(m.alternativas, [1, 1, 1, 1, 1, 1]));
    assert.equal(L.unir13({textos: muitos, unir: muitos.slice(1)}).fixos.length, 5);
    assert.equal(L.relacionar46({palabras: muitos.map((t) => t + "||1"), etiquetas: muitos}).esquerda.length, 6);
    assert.equal(L.ligas({liga: muitos, ir: muitos}, 10, false).ligas.length, 10);
    assert.ok(Date.now() - inicio < 2000, "pairing long runs takes no time");
    const l = L.ligas({liga: ["a", "b", "c"], ir: ["1", "2", "3"], posx: ["99999", "-5", "x"], posy: ["1e9", "0", ""]}, 3, true);
    assert.deepEqual(plano(l.ligas.map((x) => [x.x, x.y])), [[1500, 1], [0, 0], [400, 300]]);
    const longo = "a".repeat(10000);
    assert.equal(L.pezas34({texto: longo, modo: "2"}).erro, "demasiadas pezas: 10000");
    assert.equal(L.pezas34({texto: "só"}).erro, "");
    assert.equal(L.pezas34({texto: "x", modo: "2"}).erro, "nada que ordenar");
    assert.equal(L.pezas34({}).erro, "nada que ordenar");
    assert.ok(L.cumpre(L.clasificar47({txcaixas: longo + "," + longo, textos: [longo], caixas: ["2"]}).alternativas, [1]));
});
