// The picture games' pure parts: the puzzle's cut and shuffle, pairing a run that lost its empty
// items with the fixed run beside it, reading the items of each type, judging, and which module
// plays the pages of the shared types.
"use strict";
const {test} = require("node:test");
const assert = require("node:assert/strict");
const {cargar} = require("./cargar.js");

const Z = cargar("zub-xogos.js");
const X = Z.logica.xogos;
// Values of the player's context, compared as plain data.
const igual = (a, b, m) => assert.deepEqual(JSON.parse(JSON.stringify(a)), b, m);

test("the puzzle cuts rows × columns from any value and never starts in the board's order", () => {
    const casos = [
        // [rows, columns, expected rows, expected columns]
        ["2", "3", 2, 3], ["", "", 1, 1], ["abc", "4", 1, 4], ["0", "-2", 1, 1], ["99", "9", 9, 9], [" 3 ", "2x", 3, 2],
    ];
    for (const [f, c, ef, ec] of casos) {
        const z = X.puzle(f, c, Z.xerador(1));
        igual([z.filas, z.columnas, z.pezas.length], [ef, ec, ef * ec], JSON.stringify([f, c]));
        igual([...z.orde].sort((a, b) => a - b), [...z.pezas.map((x) => x.i)], "every piece once");
    }
    const z = X.puzle("2", "3", null);
    igual([z.pezas[4].fila, z.pezas[4].columna], [1, 1]);
    for (const n of [[1, 2], [2, 2], [3, 3]])
        for (let semente = 0; semente < 300; semente++) {
            const o = [...X.puzle(n[0], n[1], Z.xerador(semente)).orde];
            assert.ok(o.some((v, i) => v !== i), "seed " + semente + " left " + n + " in order");
        }
    igual([...X.puzle(3, 3, Z.xerador(9)).orde], [...X.puzle(3, 3, Z.xerador(9)).orde]);
    igual([...X.puzle(1, 1, Z.xerador(9)).orde], [0]);
});

test("a board is full when no cell is empty and right when each cell holds its own piece", () => {
    const casos = [
        [[0, 1, 2, 3], true, true], [[1, 0, 2, 3], true, false], [[0, 1, null, 3], false, false],
        [[0, undefined, 2, 3], false, false], [[0], true, true],
    ];
    for (const [celas, cheo, ben] of casos)
        igual({...X.puzleestado(celas)}, {cheo, ben}, JSON.stringify(celas));
});

test("a run that lost its empty items pairs with the fixed run where the values leave no doubt", () => {
    const casos = [
        // [kept items, fixed run, sure [index, value], doubtful]
        [6, ["1", "2", "1", "2", "1", "2"], [[0, "1"], [1, "2"], [2, "1"], [3, "2"], [4, "1"], [5, "2"]], []],
        [5, ["1", "1", "1", "2", "2", "1"], [[0, "1"], [1, "1"], [3, "2"]], [2, 4]],
        [4, ["2", "2", "2", "2", "2", "2"], [[0, "2"], [1, "2"], [2, "2"], [3, "2"]], []],
        [3, ["1", "2", "1", "2", "1", "2"], [], [0, 1, 2]],
        [0, ["1", "2"], [], []],
        [3, ["1", "2"], [[0, "1"], [1, "2"]], [2]],
    ];
    for (const [n, fixos, seguros, dubidosos] of casos) {
        const r = X.emparellar(n, fixos);
        igual(r.seguros.map((x) => [x.indice, x.valor]), seguros, JSON.stringify([n, fixos]));
        igual([...r.dubidosos], dubidosos, JSON.stringify([n, fixos]));
    }
});

test("classify pictures: boxes 1 and 2 from any value, pictures out of step left out, a lone box name given to neither", () => {
    const d = X.clasificarimx({imaxes: ["r1", "r2", "a1", "a2", "r3"], caixas: ["1", "1", "1", "2", "2", "1"],
                               txcaixas: ["Vermellos", "Azuis"], imfondo: ["f1"], trnsimf: ["40", "abc"]});
    igual(d.imaxes.map((x) => [x.src, x.caixa]), [["r1", 1], ["r2", 1], ["a2", 2]]);
    igual([...d.fora], ["a1", "r3"]);
    igual([...d.nomes], ["Vermellos", "Azuis"]);
    igual([...d.fondos], [], "one box picture: which box it was for is unknown");
    igual([...d.trans], [40, 100]);
    assert.equal(d.perdidos, true);
    const e = X.clasificarimx({imaxes: "so", caixas: ["x", "2", "", "", "", ""], txcaixas: ["Só un"]});
    igual(e.imaxes.map((x) => [x.src, x.caixa]), [], "'x' is box 1, but the one picture may be any slot");
    igual([...e.nomes], ["", ""]);
    assert.equal(X.clasificarimx({}).imaxes.length, 0);
});

test("identify: the mode code chooses the behaviour, items read picture, sound and name", () => {
    const casos = [[undefined, "escribir"], ["1", "escribir"], ["2", "arrastrar"], ["3", "mover"], ["7", "escribir"]];
    for (const [modo, comportamento] of casos) assert.equal(X.identificar({modo}).modo, comportamento, String(modo));
    const d = X.identificar({etiquetas: ["a.png||||gato", "b.png||b.wav||can||lobo", "c.png||||", "||||"]});
    igual(d.items.map((x) => [x.imaxe, x.son, x.nome]),
                     [["a.png", "", "gato"], ["b.png", "b.wav", "can||lobo"], ["c.png", "", ""]]);
});

test("typed names are judged by the core's comparison; items without a name are not asked", () => {
    const casos = [
        [["gato", "l&#39;óso"], ["  Gato ", "l'óso"], true],
        [["gato", "l&#39;óso"], ["gato", "l'oso"], false],
        [["gato", ""], ["gato", ""], true],
        [["gato", "&#39;"], ["gato", ""], false],
        [["o  ra"], ["O ra"], true],
    ];
    for (const [esperados, escritos, ben] of casos)
        assert.equal(X.xulgarnomes(esperados, escritos), ben, JSON.stringify(escritos));
});

test("choose: empty items are not shown nor asked, a '||' stays in its text, the chosen set must be the flagged one", () => {
    const items = X.seleccionar({etiquetas: ["1||Gato||g.png", "0||Ra || sapo||r.png", "1||||", "0||Pito||", "1||||v.png", "0||||"]});
    igual(items.map((x) => [x.correcta, x.texto, x.imaxe]),
                     [[true, "Gato", "g.png"], [false, "Ra || sapo", "r.png"], [false, "Pito", ""], [true, "", "v.png"]]);
    const casos = [[[0, 3], true], [[3, 0], true], [[0], false], [[0, 1, 3], false], [[], false]];
    for (const [escollidas, ben] of casos)
        assert.equal(X.xulgarseleccion(items, escollidas), ben, JSON.stringify(escollidas));
    const ningunha = X.seleccionar({etiquetas: ["0||a||", "0||b||"]});
    assert.equal(X.xulgarseleccion(ningunha, []), true, "with nothing flagged, choosing nothing is right");
});

test("pairs: each picture on two cards, shuffled from the seed", () => {
    const c = [...X.cartas(3, Z.xerador(5))];
    igual([...c].sort(), [0, 0, 1, 1, 2, 2]);
    assert.notDeepEqual(c, [0, 0, 1, 1, 2, 2]);
    igual(c, [...X.cartas(3, Z.xerador(5))]);
});

test("shared types: identify plays every modo code (its code chooses the behaviour); pairs only with modo 0", () => {
    const Y = cargar("zub-xogos.js");
    const mio = Y.modulo({type: "identificarimx", modo: "1"});
    assert.ok(mio);
    for (const modo of [undefined, "1", "2", "3"]) assert.equal(Y.modulo({type: "identificarimx", modo}), mio, String(modo));
    assert.ok(Y.modulo({type: "parellas", modo: "0"}));
    for (const modo of ["1", "2", undefined, ""]) assert.equal(Y.modulo({type: "parellas", modo}), null, String(modo));
    assert.equal(Y.eactividade({type: "puzzle", filas: "2"}), false, "a puzzle without its picture is no activity");
    assert.equal(Y.eactividade({type: "raiosx", imaxe: "a.png", resp: " "}), false, "X-ray without an answer");
    assert.equal(Y.eactividade({type: "raiosx", imaxe: "a.png", resp: "ra"}), true);
    assert.equal(Y.eactividade({type: "raiosx", resp: "ra"}), false, "nothing hidden: shown as content, never judged");
    assert.equal(Y.eactividade({type: "parellas", modo: "0", imaxes: [" "]}), false);
});
