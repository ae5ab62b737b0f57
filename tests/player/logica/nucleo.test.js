// The core's pure parts: comparison of answers, the seedable source, the player's texts, and the
// choice of a page's module.
"use strict";
const {test} = require("node:test");
const assert = require("node:assert/strict");
const {cargar} = require("./cargar.js");

const Z = cargar();

test("answers compare decoded, trimmed, blanks collapsed, case folded, accents kept", () => {
    const casos = [
        // [typed, expected, options, equal]
        ["  Santiago   de Compostela ", "santiago de compostela", {}, true],
        ["l'home", "l&#39;home", {}, true],
        ["a<b", "a&lt;b", {}, true],
        ["uno\ndos", "uno<br>dos", {}, true],
        ["camión", "camion", {}, false],
        ["camión", "camion", {acentos: false}, true],
        ["Camión", "camión", {exacto: true}, false],
        ["cafe\u0301", "café", {exacto: true}, true], // NFD against NFC
        ["Hola, mundo!", "hola mundo", {puntuacion: false}, true],
        ["", "", {}, true],
        [undefined, "", {}, true],
    ];
    for (const [a, b, o, igual] of casos)
        assert.equal(Z.compara(a, b, o), igual, JSON.stringify([a, b, o]));
});

test("entities decode to characters, including ones beyond the Basic Multilingual Plane", () => {
    assert.equal(Z.dec("&#39;&quot;&amp;&#x1F600;&nbsp;&bogus;&#0;"), "'\"&\u{1F600}\u00a0&bogus;&#0;");
    assert.deepEqual([...Z.caracteres("a\u{1F600}b")], ["a", "\u{1F600}", "b"]);
});

test("a seed gives the same draws; shuffles keep the items and desordenar moves them", () => {
    const a = Z.xerador(42), b = Z.xerador(42), c = Z.xerador(43);
    const sa = [], sb = [], sc = [];
    for (let i = 0; i < 20; i++) {
        sa.push(a.seguinte());
        sb.push(b.seguinte());
        sc.push(c.seguinte());
    }
    assert.deepEqual(sa, sb);
    assert.notDeepEqual(sa, sc);
    assert.ok(sa.every((x) => x >= 0 && x < 1));
    const g = Z.xerador(1);
    for (let n = 2; n < 8; n++) {
        const v = Array.from({length: n}, (_, i) => i);
        for (let k = 0; k < 30; k++) {
            const d = g.desordenar(v);
            assert.deepEqual([...d].sort((x, y) => x - y), v);
            assert.notDeepEqual(d, v);
        }
    }
    for (let k = 0; k < 200; k++) {
        const e = g.enteiro(3, 5);
        assert.ok(e >= 3 && e <= 5 && Number.isInteger(e));
    }
});

test("the player's texts follow the book's language; FRA and ITA are Asturian and Valencian", () => {
    const casos = [["ENG", "Check"], ["GAL", "Comprobar"], ["EUS", "Egiaztatu"], ["FRA", "Comprobar"],
                   ["ITA", "Comprova"], ["XXX", "Comprobar"], ["", "Comprobar"]];
    for (const [codigo, palabra] of casos) {
        Z.idioma(codigo);
        assert.equal(Z.t("comprobar"), palabra, codigo);
    }
    Z.idioma("FRA");
    assert.equal(Z.idioma(), "AST");
    assert.equal(Z.t("outravez"), "Intentalo otra vegada");
    Z.idioma("ENG");
    assert.equal(Z.t("contador", 3, 5), "3 / 5");
    assert.equal(Z.t("clave-que-non-hai"), "clave-que-non-hai");
});

test("numbers from the description: absurd values fall back and stay in range", () => {
    assert.equal(Z.enteiro("abc", 6), 6);
    assert.equal(Z.enteiro(" 12 ", 6), 12);
    assert.equal(Z.enteiro("99999", 6, 1, 20), 20);
    assert.equal(Z.enteiro("-4", 6, 1, 20), 1);
});

test("a type's markers choose its module; a page no module fits is no activity", () => {
    const Y = cargar();
    Y.rexistrar("liga", {cando: (p) => p.modo === "1", actividade: true, construir() {}, nome: "ligas2"});
    Y.rexistrar("liga", {cando: (p) => p.modo === undefined, actividade: true, construir() {}, nome: "liga"});
    assert.equal(Y.modulo({type: "liga", modo: "1"}).nome, "ligas2");
    assert.equal(Y.modulo({type: "liga"}).nome, "liga");
    assert.equal(Y.modulo({type: "liga", modo: "7"}), null);
    assert.equal(Y.eactividade({type: "liga", modo: "7"}), false);
    assert.equal(Y.eactividade({}), false);
});

test("multiple choice: the ticked set must equal the right set", () => {
    const X = cargar("zub-preguntas.js");
    const p = {respuestas: ["a", "b", "c", "d"], corr: "1100"};
    const casos = [[[0, 1], true], [[1, 0], true], [[0], false], [[0, 1, 2], false], [[], false]];
    for (const [marcadas, ben] of casos) assert.equal(X.logica.test.xulgar(p, marcadas), ben, String(marcadas));
    assert.deepEqual([...X.logica.test.correctas({respuestas: ["a", "b"], corr: ""})], [0, 1]);
});
