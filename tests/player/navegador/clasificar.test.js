// The classifying family in Chromium: every page type driven to a wrong and then a right answer
// with the mouse and with the keyboard alone, the messages and zub_sc calls, the state kept on
// return, the links; and a book whose runs lost empty items in the middle.
"use strict";
const {test} = require("node:test");
const assert = require("node:assert/strict");
const {exportar, abrir, captura, probas} = require("./comun.js");

const exacto = (t) => new RegExp("^" + t.replace(/[.*+?^${}()|[\]\\]/g, "\\$&") + "$");
// A piece by its text: one still in the tray where there is one.
async function pezaen(page, t) {
    const bandexa = page.locator("#zub-paxina .zub-clbandexa .zub-peza").filter({hasText: exacto(t)});
    return (await bandexa.count()) ? bandexa.first() : peza(page, t);
}
const peza = (page, t) => page.locator("#zub-paxina .zub-peza").filter({hasText: exacto(t)}).first();
const destino = (page, nome) => page.locator(`#zub-paxina [aria-label="${nome}"]`).first();
const comprobar = (page) => page.locator("#zub-paxina .zub-comprobar");

async function enfoque(page, loc) {
    for (let i = 0; i < 120; i++) {
        if (await loc.evaluate((e) => e === document.activeElement)) return;
        await page.keyboard.press("Tab");
    }
    throw new Error("Tab never reaches " + (await loc.evaluate((e) => e.outerHTML.slice(0, 80))));
}

// One move: a drag with the mouse, or Tab to the piece, Enter, Tab to the target, Enter.
async function mover(page, modo, t, nome) {
    const p = await pezaen(page, t), d = destino(page, nome);
    if (modo === "rato") {
        await p.dragTo(d);
    } else {
        await enfoque(page, p);
        await page.keyboard.press("Enter");
        await enfoque(page, d);
        await page.keyboard.press("Enter");
    }
}
async function premer(page, modo, loc) {
    if (modo === "rato") return loc.click();
    await enfoque(page, loc);
    await page.keyboard.press("Enter");
}
async function escribir(page, modo, loc, texto) {
    if (modo === "rato") {
        await loc.click();
    } else
        await enfoque(page, loc);
    await page.keyboard.press("Control+A");
    await page.keyboard.type(texto);
}

// The drag pages of the main book: the moves of a wrong try, then the moves that mend it.
const ARRASTRE = [
    {n: 1, erro: [["rosa", "Animais"], ["fento", "Plantas"], ["can", "Animais"], ["vaca", "Animais"],
                  ["gato", "Animais"], ["piñeiro", "Plantas"]],
     arranxo: [["rosa", "Plantas"]], ben: "Moi ben clasificado"},
    {n: 2, erro: [["lobo", "Mamíferos"], ["pomba", "Peixes"], ["troita", "Peixes"], ["corvo", "Aves"],
                  ["raposo", "Mamíferos"], ["xarda", "Peixes"]],
     arranxo: [["pomba", "Aves"]]},
    // Two "mia": either goes on either cat; dropping on a filled slot swaps the two texts.
    {n: 3, erro: [["ladra", "Pareja de gato"], ["mia", "Pareja de can"], ["muxe", "Pareja de vaca"],
                  ["bee", "Pareja de ovella"], ["mia", "Pareja de gata"]],
     arranxo: [["ladra", "Pareja de can"]]},
    {n: 4, erro: [["sol", "noite"], ["lúa", "noite"], ["mar", "auga"]], arranxo: [["sol", "día"]]},
    {n: 5, erro: [["can", "Posición 1"], ["o", "Posición 2"], ["come", "Posición 3"], ["pan", "Posición 4"]],
     arranxo: [["o", "Posición 1"]]},
];

async function xogar(page, modo) {
    const caixa = page.locator("#zub-paxina > .zub-paxinabox");
    for (const x of ARRASTRE) {
        await page.ir(x.n);
        assert.equal(await caixa.getAttribute("data-zub-xogo"), "xogo", `page ${x.n}`);
        assert.ok(await comprobar(page).isDisabled(), `page ${x.n}: nothing to check before every piece is placed`);
        for (const [t, d] of x.erro) await mover(page, modo, t, d);
        await premer(page, modo, comprobar(page));
        assert.equal(await page.mensaxe(), "Mal!", `page ${x.n}`);
        await captura(page, `clasificar-${x.n}-${modo}-mal`);
        for (const [t, d] of x.arranxo) await mover(page, modo, t, d);
        await premer(page, modo, comprobar(page));
        assert.equal(await page.mensaxe(), x.ben || "Ben!", `page ${x.n}`);
        assert.ok(await comprobar(page).isDisabled(), `page ${x.n}: a right page stays right`);
    }
    // Written answers: the order of letters, and the pyramid (case folded, entities decoded).
    await page.ir(6);
    const resposta = page.getByRole("textbox", {name: "Tu respuesta"});
    await escribir(page, modo, resposta, "saca");
    await premer(page, modo, comprobar(page));
    assert.equal(await page.mensaxe(), "Mal!");
    await escribir(page, modo, resposta, "Casa");
    if (modo === "rato")
        await comprobar(page).click();
    else
        await page.keyboard.press("Enter");
    assert.equal(await page.mensaxe(), "Ben!");
    assert.ok(await resposta.isDisabled());
    await page.ir(7);
    const filas = ["Línea 1: 2 letras", "Línea 2: 4 letras", "Línea 3: 6 letras"].map((n) => page.getByRole("textbox", {name: n}));
    await escribir(page, modo, filas[0], "mi");
    await escribir(page, modo, filas[1], "MESA");
    assert.ok(await comprobar(page).isDisabled(), "a row still empty");
    await escribir(page, modo, filas[2], "dauga");
    await captura(page, `clasificar-7-${modo}-medio`);
    await premer(page, modo, comprobar(page));
    assert.equal(await page.mensaxe(), "Mal!");
    assert.deepEqual(await Promise.all(filas.map((f) => f.getAttribute("data-zub-marca"))), ["ben", "ben", "mal"]);
    await escribir(page, modo, filas[2], "d'auga");
    await premer(page, modo, comprobar(page));
    assert.equal(await page.mensaxe(), "Ben!");
}

probas("classifying, linking and ordering texts", () => {
    let web, ocos;
    test("export the books", () => {
        web = exportar("clasificar");
        ocos = exportar("clasificar-ocos");
    });

    for (const modo of ["rato", "teclado"])
        test(`${modo}: every activity wrong then right, with its messages and reports`, async () => {
            const page = await abrir(web);
            assert.equal(await page.estado(), "ok 9");
            await xogar(page, modo);
            const s = await page.zubsc();
            const xuizos = s.filter((x) => x[0] === "avben" || x[0] === "avmal");
            assert.deepEqual(xuizos, [1, 2, 3, 4, 5, 6, 7].flatMap((n) => [["avmal", n], ["avben", n]]));
            assert.deepEqual(s[0], ["totalp", 9]);
            assert.equal(await page.evaluate(() => ZUB.zub_dat("get", "total_activ")), 7);
            assert.equal(await page.evaluate(() => ZUB.zub_dat("get", "total_ben")), 7);
            assert.deepEqual(page.erros, []);
            await page.context().close();
        });

    test("marks as cards land, the state kept on return, the keyboard's Escape", async () => {
        const page = await abrir(web);
        await mover(page, "teclado", "rosa", "Animais");
        await mover(page, "rato", "can", "Animais");
        assert.equal(await peza(page, "rosa").getAttribute("data-zub-marca"), "mal");
        assert.equal(await peza(page, "can").getAttribute("data-zub-marca"), "ben");
        // A piece picked up and put back with Escape stays in the tray.
        await enfoque(page, peza(page, "gato"));
        await page.keyboard.press("Enter");
        assert.equal(await peza(page, "gato").getAttribute("aria-pressed"), "true");
        await captura(page, "clasificar-1-teclado-collida");
        await page.keyboard.press("Escape");
        assert.equal(await peza(page, "gato").getAttribute("aria-pressed"), "false");
        assert.equal(await peza(page, "gato").evaluate((e) => e.parentNode.className), "zub-clbandexa");
        // Join two items, leave, come back: the join, its line and its name are kept.
        await page.ir(4);
        await mover(page, "rato", "sol", "día");
        await page.ir(1);
        assert.equal(await peza(page, "rosa").evaluate((e) => e.parentNode.getAttribute("aria-label")), "Animais");
        await page.ir(4);
        assert.equal(await peza(page, "sol").getAttribute("aria-label"), "sol → día");
        assert.equal(await page.locator("#zub-paxina .zub-cllinhas line").count(), 1);
        await captura(page, "clasificar-4-unha-union");
        await page.context().close();
    });

    test("touch: tap a card then its place, tap two items to join them", async () => {
        const page = await abrir(web, {tactil: true});
        await page.ir(5);
        for (const [t, d] of [["o", "Posición 1"], ["can", "Posición 2"], ["pan", "Posición 3"], ["come", "Posición 4"]]) {
            await (await pezaen(page, t)).tap();
            await destino(page, d).tap();
        }
        await comprobar(page).tap();
        assert.equal(await page.mensaxe(), "Mal!");
        // A tap on a placed piece picks it up; a tap on a filled slot swaps the two.
        await peza(page, "pan").tap();
        await destino(page, "Posición 4").tap();
        await captura(page, "clasificar-5-tactil");
        await comprobar(page).tap();
        assert.equal(await page.mensaxe(), "Ben!");
        await page.ir(4);
        for (const [t, d] of [["sol", "día"], ["lúa", "noite"], ["mar", "auga"]]) {
            await peza(page, t).tap();
            await destino(page, d).tap();
        }
        await comprobar(page).tap();
        assert.equal(await page.mensaxe(), "Ben!");
        const xuizos = (await page.zubsc()).filter((x) => x[0] === "avben" || x[0] === "avmal");
        assert.deepEqual(xuizos, [["avmal", 5], ["avben", 5], ["avben", 4]]);
        assert.deepEqual(page.erros, []);
        await page.context().close();
    });

    test("links over the picture and the list of links go to their pages", async () => {
        const page = await abrir(web);
        const n = () => page.locator("#zub-paxina").getAttribute("data-zub-n");
        const caixa = await page.ir(8);
        assert.equal(await caixa.getAttribute("data-zub-xogo"), "xogo");
        assert.equal(await caixa.locator(".zub-lenzodentro .zub-clliga").count(), 3, "buttons placed over the picture");
        const unir = page.getByRole("button", {name: "Unir"});
        assert.deepEqual(await unir.evaluate((e) => [e.style.left, e.style.top]), ["220px", "250px"]);
        await captura(page, "clasificar-8-ligas");
        await unir.click();
        assert.equal(await n(), "3");
        await page.ir(8);
        await premer(page, "teclado", page.getByRole("button", {name: "Relacionar"}));
        assert.equal(await n(), "4");
        await page.ir(9);
        await captura(page, "clasificar-9-ligas");
        await premer(page, "teclado", page.getByRole("button", {name: "Pirámide"}));
        assert.equal(await n(), "7");
        await page.ir(9);
        await page.getByRole("button", {name: "Grupos"}).click();
        assert.equal(await n(), "2");
        assert.deepEqual(page.erros, []);
        await page.context().close();
    });

    test("empty slots in the middle of the runs: the author's pairs found again, notes on what is unsure", async () => {
        const page = await abrir(ocos);
        const caixa = page.locator("#zub-paxina > .zub-paxinabox");
        const casos = [
            {n: 1, nota: "caixa incerta por un texto baleiro: can, vaca, fento",
             erro: [["can", "Animais"], ["rosa", "Animais"], ["piñeiro", "Plantas"], ["vaca", "Animais"], ["fento", "Plantas"]],
             arranxo: [["rosa", "Plantas"]]},
            // "7" names no group: the gull counts wherever it lands.
            {n: 2, nota: "grupo incerto por un oco: lobo, raposo, xarda, gaivota",
             erro: [["lobo", "Mamíferos"], ["troita", "Mamíferos"], ["raposo", "Mamíferos"], ["xarda", "Peixes"],
                    ["gaivota", "Mamíferos"]],
             arranxo: [["troita", "Peixes"]]},
            // The cow's sound is empty: her slot stays empty and the others keep their pairs.
            {n: 3, nota: "parellas incertas por un texto baleiro",
             erro: [["ladra", "Pareja de gato"], ["mia", "Pareja de can"], ["bee", "Pareja de ovella"],
                    ["cacarexa", "Pareja de galiña"]],
             arranxo: [["mia", "Pareja de gato"]]},
            // Right items 2, 4, 6 are empty: the numbers still point at theirs.
            {n: 4, nota: null, erro: [["sol", "auga"], ["mar", "día"], ["lume", "queima"]],
             arranxo: [["sol", "día"], ["mar", "auga"]]},
        ];
        for (const x of casos) {
            await page.ir(x.n);
            assert.equal(await caixa.getAttribute("data-zub-xogo"), "xogo", `page ${x.n}`);
            assert.equal(await caixa.getAttribute("data-zub-nota"), x.nota, `page ${x.n}`);
            for (const [t, d] of x.erro) await mover(page, "rato", t, d);
            await premer(page, "rato", comprobar(page));
            assert.equal(await page.mensaxe(), "Mal!", `page ${x.n}`);
            for (const [t, d] of x.arranxo) await mover(page, "rato", t, d);
            await captura(page, `clasificar-ocos-${x.n}`);
            await premer(page, "rato", comprobar(page));
            assert.equal(await page.mensaxe(), "Ben!", `page ${x.n}`);
        }
        assert.equal(await page.locator("#zub-paxina .zub-peza").filter({hasText: "lúa"}).count(), 0);
        // A pyramid without its third line has three rows.
        await page.ir(5);
        assert.equal(await page.locator("#zub-paxina .zub-clfila-pir").count(), 3);
        // Links without a middle caption and target: in step, but without their places.
        await page.ir(6);
        assert.equal(await caixa.getAttribute("data-zub-nota"), "posicións dos botóns sen poñer: falta un texto");
        assert.equal(await caixa.locator(".zub-clfila .zub-clliga").count(), 2);
        await captura(page, "clasificar-ocos-6");
        await page.getByRole("button", {name: "Terceira"}).click();
        assert.equal(await page.locator("#zub-paxina").getAttribute("data-zub-n"), "3");
        // A caption missing opposite a target: no link can be sure where it goes.
        await page.ir(7);
        assert.equal(await caixa.getAttribute("data-zub-nota"), "ligazóns sen destino seguro: Un, Tres");
        assert.equal(await caixa.locator(".zub-clligasen[aria-disabled=true]").count(), 2);
        await caixa.locator(".zub-clligasen").first().click();
        assert.equal(await page.locator("#zub-paxina").getAttribute("data-zub-n"), "7");
        // Without box names the two classify pages cannot be told apart.
        await page.ir(8);
        assert.equal(await caixa.getAttribute("data-zub-xogo"), "contido: sen nomes de caixas: non se sabe que clasificación é");
        assert.equal(await page.evaluate(() => ZUB.zub_dat("get", "total_activ")), 5);
        const xuizos = (await page.zubsc()).filter((x) => x[0] === "avben" || x[0] === "avmal");
        assert.deepEqual(xuizos, [1, 2, 3, 4].flatMap((n) => [["avmal", n], ["avben", n]]));
        assert.deepEqual(page.erros, []);
        await page.context().close();
    });
});
