// The numbers family's logic: exact operations, random tasks that can always be answered, the
// clock, fractions by value, square patterns and the formula grid, measures, and which pages are
// activities.
"use strict";
const {test} = require("node:test");
const assert = require("node:assert/strict");
const {cargar} = require("./cargar.js");

const Z = cargar("zub-numeros.js");
const L = Z.logica.numeros;
const txt = (n) => L.textonumero(n);

test("operations are exact: 20-digit products, decimals as scaled integers, quotient and remainder", () => {
    const casos = [
        // [forma, operands, results as text]
        ["x", ["9999999999", "9999999999"], ["99999999980000000001"]],
        ["x", ["0,1", "0,2"], ["0,02"]],
        ["+", ["0,1", "0,2"], ["0,3"]],
        ["+", ["1.5", "2,25", "10", "0,001"], ["13,751"]],
        ["+", ["9007199254740993", "1"], ["9007199254740994"]], // beyond doubles
        ["-", ["12", "30"], ["-18"]],
        ["-", ["-1,5", "-1,5"], ["0,0"]],
        ["/", ["9999999999", "7"], ["1428571428", "3"]],
        ["d", ["100", "10"], ["10", "0"]],
        ["d", ["12,0", "4"], ["3", "0"]],
        ["X", ["3", "4"], ["12"]],
        [":", ["7", "2"], ["3", "1"]],
    ];
    for (const [f, ns, esperado] of casos) {
        const op = L.operacion(f, ns);
        assert.deepEqual([...op.resultados].map((r) => txt(r.n)), esperado, f + " " + ns);
    }
    // Subtraction and the rest use only two operands: stale addends of an earlier "+" are ignored.
    assert.equal(txt(L.operacion("-", ["10", "3", "99", "5"]).resultados[0].n), "7");
    assert.equal(L.operacion("+", ["1", "2", "3", "4", "5"]).operandos.length, 4);
});

test("operations that cannot be set as a task say why", () => {
    const casos = [
        ["", ["1", "2"], "sen operación"],
        ["?", ["1", "2"], "sen operación"],
        ["+", ["1"], "faltan operandos"],
        ["+", ["", "3"], "faltan operandos"],
        ["+", ["12a", "3"], "operando non numérico: 12a"],
        ["x", ["1,2,3", "3"], "operando non numérico: 1,2,3"],
        ["/", ["5", "0"], "división por cero"],
        ["d", ["5,5", "2"], "división sen enteiros"],
        ["/", ["-6", "2"], "división sen enteiros"],
    ];
    for (const [f, ns, erro] of casos)
        assert.equal(L.operacion(f, ns).erro, erro, f + " " + ns);
});

test("typed results compare as numbers; an empty remainder is 0", () => {
    const suma = L.operacion("+", ["1,25", "1,25"]);
    const divi = L.operacion("/", ["17", "5"]);
    const resta = L.operacion("-", ["3", "10"]);
    const casos = [
        [suma, ["2,5"], true], [suma, ["2.50"], true], [suma, ["02,500"], true], [suma, ["25"], false],
        [suma, [""], false], [suma, ["2,5x"], false], [resta, ["-7"], true], [resta, ["7"], false],
        [divi, ["3", "2"], true], [divi, ["3", ""], false], [divi, ["3", "02"], true], [divi, ["2", "7"], false],
        [L.operacion("/", ["15", "5"]), ["3", ""], true],
    ];
    for (const [op, r, ben] of casos)
        assert.equal(L.comprobaroperacion(op, r), ben, JSON.stringify(r));
});

// A seeded source like the player's, for the draws.
const azar = (n) => Z.xerador(n);

test("every random operation of every code and digit count can be answered, over many seeds", () => {
    const cifras = (v) => String(v).replace("-", "").length;
    for (let semente = 1; semente <= 300; semente++)
        for (const codigo of ["0", "1", "2", "3", "4", "5", "6", "7", "8", "9"])
            for (const [da, db] of [[1, 1], [1, 3], [2, 1], [2, 2], [3, 3], [4, 2], [9, 9], [9, 1]]) {
                const op = L.operacionalea(codigo, [String(da), String(db)], azar(semente * 131 + da * 10 + db));
                const onde = `code ${codigo} digits ${da},${db} seed ${semente}: ${op.operandos}`;
                assert.equal(op.erro, undefined, onde);
                const [a, b] = op.operandos.map(Number);
                const mx = Math.max(da, db), mn = Math.min(da, db);
                if (codigo === "2" || codigo === "6" || codigo === "0" || codigo === "4")
                    assert.deepEqual([cifras(a), cifras(b)], [da, db], onde);
                else
                    assert.deepEqual([cifras(a), cifras(b)], [mx, mn], onde);
                for (const r of op.resultados)
                    assert.ok(r.n.v >= 0n && r.n.e === 0, onde + " result not below zero");
                if (codigo === "0") assert.ok(L.levasuma(a, b), onde + " carries");
                if (codigo === "4") assert.ok(!L.levasuma(a, b), onde + " does not carry");
                if (codigo === "5") assert.ok(!L.levaresta(a, b), onde + " does not borrow");
                if (codigo === "1" && mx > 1) assert.ok(L.levaresta(a, b), onde + " borrows");
                if ("3789".includes(codigo)) {
                    assert.ok(b >= (mn === 1 ? 2 : 1) && a >= b, onde + " divisor");
                    assert.equal(op.forma, codigo === "8" || codigo === "9" ? "d" : "/");
                }
                if (codigo === "7" || codigo === "9") assert.equal(op.resultados[1].n.v, 0n, onde + " exact");
                // The learner's typing of the results is judged right.
                assert.ok(L.comprobaroperacion(op, op.resultados.map((r) => txt(r.n))), onde);
            }
});

test("random operations: odd digit counts fall back to one digit, unknown codes say so, a seed repeats", () => {
    const op = L.operacionalea("6", ["0", "abc"], azar(3));
    assert.deepEqual([...op.operandos].map((t) => t.length), [1, 1]);
    assert.deepEqual([...L.operacionalea("6", ["3"], azar(3)).operandos].map((t) => t.length), [3, 3]);
    assert.deepEqual([...L.operacionalea("2", ["99", "99"], azar(3)).operandos].map((t) => t.length), [9, 9]);
    assert.equal(L.operacionalea("x", ["1", "1"], azar(3)).erro, "operación descoñecida");
    assert.deepEqual([...L.operacionalea("0", ["3", "2"], azar(9)).operandos],
                     [...L.operacionalea("0", ["3", "2"], azar(9)).operandos]);
});

test("clock: typed times, hands to time and back, the modes", () => {
    const casos = [
        // [typed, expected "h:mm", right]
        ["3:15", "3:15", true], ["03:15", "3:15", true], ["15:15", "3:15", true], ["3.15", "3:15", true],
        [" 3 : 15 ", "3:15", true], ["3", "3:00", true], ["12:00", "0:00", true], ["0:00", "12:00", true],
        ["24:00", "12:00", true], ["3:5", "3:05", true], ["3:50", "3:05", false], ["3:16", "3:15", false],
        ["25:00", "1:00", false], ["3:60", "4:00", false], ["tres", "3:00", false], ["", "3:00", false],
    ];
    for (const [escrito, hora, ben] of casos)
        assert.equal(L.xulgarhora(escrito, L.lerhora(hora)), ben, escrito + " / " + hora);
    assert.equal(L.textohora(L.lerhora("0:05")), "12:05");
    assert.equal(L.textohora(L.lerhora("13:40")), "1:40");
    // Hands: the hour hand moves on with the minutes; angles read back to the same hand positions.
    assert.deepEqual({...L.angulos(3, 30)}, {h: 105, m: 180});
    for (let h = 0; h < 12; h++)
        for (let m = 0; m < 60; m += 7) {
            const a = L.angulos(h, m);
            assert.equal(L.minutodeangulo(a.m + 2.9), m);
            assert.equal(L.horadeangulo(a.h - 14, m), h, `${h}:${m}`);
        }
    assert.equal(L.minutodeangulo(-6), 59);
    const modos = ["0", "1", "2", "3", "4", "5", "", "abc", "9"].map((m) => {
        const x = L.modoreloxo(m);
        return x.accion + (x.alea ? "*" : "");
    });
    assert.deepEqual(modos, ["escribir", "mover", "libre", "libre*", "escribir*", "mover*", "escribir", "escribir", "escribir"]);
    for (let s = 1; s < 200; s++) {
        const h = L.horaalea(azar(s));
        assert.ok(h >= 0 && h < 720 && h % 5 === 0);
    }
});

test("fractions: computed by value, lowest terms for r, another equal fraction for =", () => {
    const f = (n, d) => L.fraccion(BigInt(n), BigInt(d));
    const casos = [
        // [forma, f1, f2, numerator typed, denominator typed, right]
        ["+", [1, 2], [1, 3], "5", "6", true],
        ["+", [1, 2], [1, 3], "10", "12", true],
        ["+", [1, 2], [1, 3], "2", "5", false],
        ["-", [1, 3], [1, 2], "-1", "6", true],
        ["-", [1, 3], [1, 2], "1", "-6", true],
        ["x", [2, 3], [3, 4], "1", "2", true],
        ["/", [2, 3], [3, 4], "8", "9", true],
        ["", [1, 4], [1, 4], "1", "2", true], // a new page's sign is "+"
        ["r", [6, 8], null, "3", "4", true],
        ["r", [6, 8], null, "6", "8", false],
        ["r", [-6, -8], null, "3", "4", true],
        ["=", [1, 2], null, "2", "4", true],
        ["=", [1, 2], null, "1", "2", false],
        ["=", [1, 2], null, "2", "5", false],
        ["+", [1, 2], [1, 3], "5", "0", false],
        ["+", [1, 2], [1, 3], "5,0", "6", false],
        ["x", ["99999999999999999999", 1], ["99999999999999999999", 1], "9999999999999999999800000000000000000001", "1", true],
    ];
    for (const [op, a, b, n, d, ben] of casos) {
        const t = L.tarefafr(op, f(...a), b && f(...b));
        assert.equal(L.xulgarfr(t, n, d), ben, JSON.stringify([op, a, b, n, d]));
    }
    assert.equal(L.tarefafr("/", f(1, 2), f(0, 5)).erro, "división por cero");
    assert.equal(L.tarefafr("p", f(1, 2), f(1, 5)).erro, "operación descoñecida: p");
    // The author's numbers, as the description runs them (empty fields dropped).
    assert.equal(L.tarefafrautor("+", ["1", "2", "1"]).erro, "faltan números");
    assert.equal(L.tarefafrautor("+", ["1", "0", "1", "3"]).erro, "denominador cero");
    assert.equal(L.tarefafrautor("+", ["1", "x", "1", "3"]).erro, "número non enteiro");
    assert.equal(L.tarefafrautor("r", ["4", "6"]).resultado.n, 2n);
});

test("every random fraction task can be answered, over many seeds; a common denominator is shared", () => {
    for (let semente = 1; semente <= 300; semente++)
        for (const op of ["+", "-", "x", "/", "r", "="])
            for (const [dn, dd] of [[1, 1], [2, 1], [1, 2], [3, 3], [9, 9]])
                for (const comun of [false, true]) {
                    const t = L.tarefafralea(op, [String(dn), String(dd)], comun, azar(semente * 7 + dn));
                    const onde = `${op} ${dn},${dd} ${comun} seed ${semente}`;
                    assert.equal(t.erro, undefined, onde);
                    assert.ok(t.f1.d >= 2n && t.f1.n >= 1n, onde);
                    assert.equal(String(t.f1.n).length, dn, onde);
                    assert.equal(String(t.f1.d).length, dd, onde);
                    const r = t.op === "=" ? {n: t.f1.n * 2n, d: t.f1.d * 2n} : t.resultado;
                    assert.ok(r.n >= 0n && r.d > 0n, onde + " not below zero");
                    assert.ok(L.xulgarfr(t, String(r.n), String(r.d)), onde);
                    if (t.f2 && comun) assert.ok(t.comun && t.f1.d === t.f2.d, onde);
                    if (op === "r" && dd === 1 && dn === 1) assert.ok(t.resultado.d < t.f1.d, onde + " can be reduced");
                }
});

test("square patterns: rows read leniently, the four transforms, random patterns", () => {
    const p = L.patron(["12000000", "0000000380", "9a4", "", "5"]);
    assert.deepEqual([...p[0]], [1, 2, 0, 0, 0, 0, 0, 0]);
    assert.deepEqual([...p[1]], [0, 0, 0, 0, 0, 0, 0, 3]); // beyond 8 columns is cut
    assert.deepEqual([...p[2]], [0, 0, 4, 0, 0, 0, 0, 0]);
    assert.deepEqual([...p[4]], [5, 0, 0, 0, 0, 0, 0, 0]);
    assert.deepEqual([...p[6]], [0, 0, 0, 0, 0, 0, 0, 0]);
    const linas = (q) => [...q].map((f) => f.join(""));
    const m = L.patron(["12000003", "00400000"]);
    assert.deepEqual(linas(L.transformar(m, "0")), linas(m));
    assert.deepEqual(linas(L.transformar(m, "1")).slice(5), ["00400000", "12000003"]);
    assert.deepEqual(linas(L.transformar(m, "2")).slice(0, 2), ["30000021", "00000400"]);
    assert.deepEqual(linas(L.transformar(m, "3")).slice(0, 2), ["31200000", "00040000"]);
    assert.ok(!L.iguaispatron(L.transformar(m, "3"), m));
    for (let s = 1; s < 100; s++) {
        for (const coresalea of [false, true]) {
            const a = L.patronalea(azar(s), coresalea);
            const cores = new Set(a.flat().filter((c) => c));
            const n = a.flat().filter((c) => c).length;
            assert.ok(n >= 10 && n <= 18, "10 to 18 squares");
            assert.ok(!cores.has(7), "never white");
            if (!coresalea) assert.equal(cores.size, 1);
        }
    }
});

test("formula grid: one cell per character, astral ones too; hidden blanks ask nothing; case counts", () => {
    const linas = L.formula([
        "H2O||0i0||101",
        "||||",
        "\u{1D465}+y=Co   ||00s00000||000001001",
        "||||", "||||", "||||",
    ]);
    assert.equal(linas.length, 3, "empty lines at the end go, the one between stays");
    assert.deepEqual([...linas].map((l) => l.length), [3, 0, 6]);
    assert.equal(linas[2][0].c, "\u{1D465}");
    assert.equal(linas[0][1].marca, "i");
    assert.equal(linas[2][2].marca, "s");
    // Hidden: "2" on line 1; x, +, y, =, C on line 3 ("o" is shown; hidden trailing blanks ask nothing).
    const bens = ["2", "\u{1D465}", "+", "y", "=", "C"];
    assert.deepEqual([...L.ocultas(linas)].map((c) => c.c), bens);
    assert.ok(L.xulgarformula(linas, bens));
    assert.ok(!L.xulgarformula(linas, [...bens.slice(0, 5), "c"]), "case counts");
    assert.ok(!L.xulgarformula(linas, ["2", "x", ...bens.slice(2)]));
    assert.ok(!L.xulgarformula(linas, bens.slice(0, 5)));
    // A short marks or shown part means no mark and shown.
    assert.deepEqual([...L.formula(["abc||s||0"])[0]].map((c) => [c.marca, c.oculta]), [["s", true], ["", false], ["", false]]);
});

test("measures: values read as leading numbers and added exactly", () => {
    const us = L.unidades(["1||cm||a.png", "0,1||mm||b.png", "5 cm||cinco||", "abc||sen valor||c.png"]);
    assert.deepEqual([...us].map((u) => u.texto), ["cm", "mm", "cinco"]);
    const s = L.sumavalores([us[1].valor, us[1].valor, us[1].valor]);
    assert.ok(L.igual(s, L.numeroinicial("0,3")), "0.1 three times is 0.3");
    assert.ok(L.igual(L.sumavalores([us[0].valor, us[2].valor]), L.numeroinicial("6 cm")));
    assert.equal(L.numeroinicial("cm 5"), null);
});

test("which pages are activities, told apart by their markers", () => {
    const casos = [
        [{type: "reloxo", modo: "0", hora: "3:00"}, true], [{type: "reloxo", modo: "5"}, true],
        [{type: "reloxo", modo: "2"}, false], [{type: "reloxo", modo: "3"}, false],
        [{type: "operacion", forma: "+", numeros: ["1", "2"]}, true],
        [{type: "operacion", forma: "", numeros: ["1", "2"]}, false],
        [{type: "operacion", forma: "/", numeros: ["1", "0"]}, false],
        [{type: "operacion", forma: "6", alea: "1", valor: "1", numeros: ["2", "2"]}, true],
        [{type: "operacion", forma: "+", alea: "1", numeros: ["2", "2"]}, false],
        [{type: "paneldeb", etiquetas: ["a.png"]}, false],
        [{type: "medidas", valor: "3", etiquetas: ["1||cm||a.png"]}, true],
        [{type: "medidas", valor: "tres", etiquetas: ["1||cm||a.png"]}, false],
        [{type: "cuadros", forma: "0"}, true],
        [{type: "cuadros", forma: "0", modo: "1", cadros: ["00000000"]}, false],
        [{type: "fraccion", forma: "+", numeros: ["1", "2", "1", "3"]}, true],
        [{type: "fraccion", forma: "+", valor: "1", numeros: ["1", "2", "1", "3"]}, true],
        [{type: "fraccion", forma: "p", numeros: ["1", "2", "1", "3"]}, false],
        [{type: "fraccion", forma: "+", alea: "1", numeros: ["1", "1"]}, true],
        [{type: "formulas", modo: "1", etiquetas: ["ab||00||10"]}, true],
        [{type: "formulas", modo: "0", etiquetas: ["ab||00||11"]}, false],
    ];
    for (const [p, ben] of casos)
        assert.equal(Z.eactividade(p), ben, JSON.stringify(p));
});
