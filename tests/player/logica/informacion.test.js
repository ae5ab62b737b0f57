// The information pages' logic: which words of a text become gaps, the scheme's levels, the
// address an external activity's code embeds, and what its status variable says.
"use strict";
const {test} = require("node:test");
const assert = require("node:assert/strict");
const {cargar} = require("./cargar.js");

const L = cargar("zub-informacion.js").logica;
const copia = (v) => JSON.parse(JSON.stringify(v));

test("a text's gaps: every third word of four letters or more, punctuation kept outside", () => {
    const casos = [
        ["O gato branco durme sobre a cadeira vella da cociña mentres chove", ["durme", "vella", "chove"]],
        ["Uno, dos, tres: cuatro cinco seis siete.", ["cinco"]],
        ["l&#39;arbre tranquil·le, «bonic» camí", ["bonic"]],
        ["", []],
        ["a e i o u", []],
    ];
    for (const [texto, ocos] of casos)
        assert.deepEqual(copia(L.ocos(texto).ocos.map((x) => x.palabra)), ocos, texto);
    const moitas = Array.from({length: 200}, (_, i) => "palabra" + i).join(" ");
    assert.equal(L.ocos(moitas).ocos.length, 12);
});

test("a scheme's levels follow its indentation, never skipping a level", () => {
    assert.deepEqual(copia(L.esquema("Raíz|    Rama|        [o]Folla|    Outra|Fin")), [
        {texto: "Raíz", circulo: false, nivel: 0}, {texto: "Rama", circulo: false, nivel: 1},
        {texto: "Folla", circulo: true, nivel: 2}, {texto: "Outra", circulo: false, nivel: 1},
        {texto: "Fin", circulo: false, nivel: 0}]);
    assert.deepEqual(copia(L.esquema("A|        B|  C").map((x) => x.nivel)), [0, 1, 1]);
    assert.deepEqual(copia(L.esquema("[o] A\n\tB||")).map((x) => [x.texto, x.nivel]), [["A", 0], ["B", 1]]);
    assert.deepEqual(copia(L.esquema(undefined)), []);
});

test("an external activity embeds only web addresses", () => {
    const casos = [
        ['<iframe src="https://a.example/x?y=1" width="400" height="300"></iframe>', {src: "https://a.example/x?y=1", ancho: 400, alto: 300}],
        ["<iframe src=http://b.example/></iframe>", {src: "http://b.example/", ancho: 0, alto: 0}],
        ["https://c.example/act", {src: "https://c.example/act", ancho: 0, alto: 0}],
        ['<iframe src="javascript:alert(1)"></iframe>', null],
        ['<script>alert(1)</script>', null],
        ["file:///etc/passwd", null],
        ["", null],
    ];
    for (const [codigo, r] of casos) assert.deepEqual(copia(L.externa(codigo)), r, codigo);
});

test("an activity's status values: right, wrong or not yet", () => {
    const casos = [["1", true], [true, true], ["correct", true], ["passed", true], [0, false], ["false", false],
                   ["wrong", false], ["", undefined], [undefined, undefined], ["pending", undefined], ["3", true]];
    for (const [v, r] of casos) assert.equal(L.valorestado(v), r, String(v));
});
