// The positioned elements and picture sets without a page: positions read leniently, the drop
// tolerance, series and their gaps, the left-to-right order of freely placed pictures, the
// memory layouts from a seed, the pairing of cards, spelling, and which variants of a shared
// type this family plays.
"use strict";
const {test} = require("node:test");
const assert = require("node:assert/strict");
const {cargar} = require("./cargar.js");

const Z = cargar("zub-posicions.js");
const L = Z.logica.posicions;

test("positions: stored pixels, the editor's default for what is no whole number, absurd values held", () => {
    const v = L.colocacions(["Norte||180||10", "Sur||abc||", "Leste||-5||99999", "Oeste"], 400, [10, 40, 90, 130]);
    assert.deepEqual(v.map((x) => [x.contido, x.x, x.y]),
                     [["Norte", 180, 10], ["Sur", 400, 40], ["Leste", 0, 4000], ["Oeste", 400, 130]]);
    assert.deepEqual([...L.colocacions("a||1||2", 0, 0)].map((x) => x.x + "," + x.y), ["1,2"]);
    assert.equal(L.colocacions(undefined, 0, 0).length, 0);
});

test("a drop counts within half the piece's size of its target", () => {
    const casos = [
        // [x, y, tx, ty, w, h, in]
        [50, 40, 50, 40, 60, 40, true],
        [80, 60, 50, 40, 60, 40, true],
        [81, 40, 50, 40, 60, 40, false],
        [50, 61, 50, 40, 60, 40, false],
        [20, 20, 50, 40, 60, 40, true],
    ];
    for (const [x, y, tx, ty, w, h, sim] of casos) assert.equal(L.preto(x, y, tx, ty, w, h), sim, JSON.stringify([x, y]));
});

test("a series repeats three times with the last run empty; random order is a new series from the seed", () => {
    const a = L.serie(3, false, Z.xerador(1));
    assert.deepEqual([...a.orde], [0, 1, 2]);
    assert.deepEqual([...a.celas], [0, 1, 2, 0, 1, 2, 0, 1, 2]);
    assert.deepEqual([...a.ocultas], [6, 7, 8]);
    const b = L.serie(4, true, Z.xerador(5)), c = L.serie(4, true, Z.xerador(5));
    assert.deepEqual([...b.orde], [...c.orde], "the same seed, the same series");
    assert.notDeepEqual([...b.orde], [0, 1, 2, 3]);
    assert.deepEqual([...b.orde].sort(), [0, 1, 2, 3]);
    assert.deepEqual([...b.celas].slice(8), [...b.orde], "the empty run asks for the series itself");
});

test("freely placed pictures read left to right by their centres; equal pictures may swap", () => {
    const pezas = [{i: 2, x: 10, y: 0, w: 100}, {i: 0, x: 200, y: 50, w: 100}, {i: 1, x: 120, y: 80, w: 100}];
    assert.deepEqual([...L.ordeesquerda(pezas)], [2, 1, 0]);
    // The same column: top first.
    assert.deepEqual([...L.ordeesquerda([{i: 1, x: 0, y: 90, w: 10}, {i: 0, x: 0, y: 5, w: 10}])], [0, 1]);
    const imx = ["a.png", "b.png", "a.png"];
    assert.ok(L.enorde([0, 1, 2], imx));
    assert.ok(L.enorde([2, 1, 0], imx));
    assert.ok(!L.enorde([1, 0, 2], imx));
    assert.ok(!L.enorde([0, 1], imx));
});

test("memory: six squares by default, alternating, or random from the seed with both pictures", () => {
    assert.deepEqual([6, 6, 6, 2, 60, 9].map(String), ["abc", "", undefined, "1", "999", "9"].map((v) => String(L.numerocadros(v))));
    assert.deepEqual([...L.memoria(5, false, Z.xerador(1))], [1, 2, 1, 2, 1]);
    for (let semente = 0; semente < 200; semente++) {
        const n = 2 + (semente % 5);
        const v = [...L.memoria(n, true, Z.xerador(semente))];
        assert.equal(v.length, n);
        assert.ok(v.includes(1) && v.includes(2), `seed ${semente}: ${v}`);
        assert.deepEqual([...L.memoria(n, true, Z.xerador(semente))], v);
    }
});

test("cards pair with the card half the deck away; an odd deck cannot pair", () => {
    assert.deepEqual([...L.parellas(12)], [6, 7, 8, 9, 10, 11, 0, 1, 2, 3, 4, 5]);
    assert.deepEqual([...L.parellas(4)], [2, 3, 0, 1]);
    assert.equal(L.parellas(5), null);
    assert.equal(L.parellas(0), null);
});

test("spelling: tiles are the word's letters and the offered letters; the word is judged case folded", () => {
    assert.deepEqual([...L.teselas("Lúa")], ["L", "ú", "a"]);
    assert.deepEqual([...L.teselas("o sol", "xz10x")], ["o", "s", "o", "l", "x", "z"]);
    assert.deepEqual([...L.teselas("a\u{1F600}")], ["a", "\u{1F600}"]);
    const casos = [
        ["Lúa", ["l", "ú", "a"], true],
        ["Lúa", ["L", "u", "a"], false],
        ["o sol", ["o", "s", "o", "l"], true],
        ["sol", ["s", "o"], false],
        ["sol", ["s", null, "l"], false],
        ["l&#39;a", ["l", "'", "a"], true],
    ];
    for (const [w, v, sim] of casos) assert.equal(L.soletreada(w, v), sim, JSON.stringify([w, v]));
});

test("shared types: this family plays pairs other than mode 0 and letters without forma", () => {
    const casos = [
        ["parellas", {modo: "1"}, true],
        ["parellas", {modo: "2"}, true],
        ["parellas", {}, true],
        ["parellas", {modo: "0"}, false],
        ["letras", {palabras: ["sol"]}, true],
        ["letras", {forma: "1", palabras: ["sol"]}, false],
    ];
    for (const [tipo, p, sim] of casos) assert.equal(L.marcas[tipo](p), sim, JSON.stringify([tipo, p]));
});
