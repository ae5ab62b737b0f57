// The numbers family in Chromium: every page of the book driven once with the mouse and once
// with the keyboard alone, each to a wrong and then to a right answer, with the messages, the
// zub_sc calls, the state kept on return, and a screenshot in the middle of each activity.
"use strict";
const {test} = require("node:test");
const assert = require("node:assert/strict");
const {exportar, abrir, captura, probas} = require("./comun.js");
const {cargar} = require("../logica/cargar.js");

const L = cargar("zub-numeros.js").logica.numeros;

async function tabata(page, loc, atras = false) {
    for (let i = 0; i < 90; i++) {
        if (await loc.evaluate((e) => e === document.activeElement)) return;
        await page.keyboard.press(atras ? "Shift+Tab" : "Tab");
    }
    throw new Error("Tab never reached the element");
}
async function centro(loc) {
    const b = await loc.boundingBox();
    return [b.x + b.width / 2, b.y + b.height / 2];
}
async function arrastrar(page, de, a) {
    await page.mouse.move(...(await centro(de)));
    await page.mouse.down();
    await page.mouse.move(...(await centro(a)), {steps: 6});
    await page.mouse.up();
}
// A hand of the clock dragged from one angle and radius (design units of the 200-wide face) to another.
async function moverman(page, c, [a1, r1], [a2, r2]) {
    const b = await c.locator(".zub-reloxosvg").boundingBox();
    const k = b.width / 200;
    const p = (a, r) => [b.x + b.width / 2 + r * k * Math.sin(a * Math.PI / 180),
                         b.y + b.height / 2 - r * k * Math.cos(a * Math.PI / 180)];
    await page.mouse.move(...p(a1, r1));
    await page.mouse.down();
    await page.mouse.move(...p(a2, r2), {steps: 8});
    await page.mouse.up();
}
const comprobar = (c) => c.getByRole("button", {name: "Comprobar"});
async function comprobarteclado(page, c) {
    await tabata(page, comprobar(c));
    await page.keyboard.press("Enter");
}
// Typed into a row of answer cells from its units cell leftwards, as a written sum is filled.
// A row of cells is one Tab stop; End goes to its units cell.
async function aounidades(page, fila, rato, atras) {
    if (rato) await fila.locator(".zub-cela").last().click();
    else {
        await tabata(page, fila.locator(".zub-cela[tabindex='0']"), atras);
        await page.keyboard.press("End");
    }
}
async function cubrircelas(page, fila, texto, rato, atras) {
    await aounidades(page, fila, rato, atras);
    for (const ch of [...texto].reverse())
        await page.keyboard.type(ch);
}
// To cell i of the only row with the arrow keys, from the row's Tab stop.
async function aocela(page, c, i) {
    const celas = c.locator(".zub-cela");
    await tabata(page, c.locator(".zub-cela[tabindex='0']"), true);
    const agora = await celas.evaluateAll((v) => v.indexOf(document.activeElement));
    for (let k = agora; k > i; k--) await page.keyboard.press("ArrowLeft");
    for (let k = agora; k < i; k++) await page.keyboard.press("ArrowRight");
}
async function escribir(page, caixa, texto, rato, atras) {
    if (rato) await caixa.click();
    else await tabata(page, caixa, atras);
    await page.keyboard.press("Control+A");
    await page.keyboard.type(texto);
}
const operandos = async (c) => (await c.locator(".zub-filanum").evaluateAll((v) => v.map((e) => e.getAttribute("aria-label"))))
    .map((t) => t.replace(/^\S\s/, ""));
const fraccions = async (c) => (await c.locator(".zub-fraccion[role=img]").evaluateAll((v) => v.map((e) => e.getAttribute("aria-label"))))
    .map((t) => t.split("/").map(BigInt));
async function tecla(page, c, t, rato) {
    const b = c.locator(".zub-teclado").getByRole("button", {name: t, exact: true});
    if (rato) await b.click();
    else {
        await tabata(page, b);
        await page.keyboard.press("Enter");
    }
}
async function cadro(page, c, i, cor, rato) {
    if (rato) {
        await c.getByRole("radio", {name: new RegExp("^" + cor + ":")}).click();
        await c.locator(".zub-cadrosresposta .zub-cadro").nth(i).click();
        return;
    }
    // The arrow keys walk the grid from the square in focus; a digit paints.
    const celas = c.locator(".zub-cadrosresposta .zub-cadro");
    let agora = await celas.evaluateAll((v) => v.indexOf(document.activeElement));
    if (agora < 0) {
        await tabata(page, c.locator(".zub-cadrosresposta .zub-cadro[tabindex='0']"));
        agora = await celas.evaluateAll((v) => v.indexOf(document.activeElement));
    }
    const [f0, c0, f1, c1] = [Math.floor(agora / 8), agora % 8, Math.floor(i / 8), i % 8];
    for (let k = f0; k < f1; k++) await page.keyboard.press("ArrowDown");
    for (let k = f1; k < f0; k++) await page.keyboard.press("ArrowUp");
    for (let k = c0; k < c1; k++) await page.keyboard.press("ArrowRight");
    for (let k = c1; k < c0; k++) await page.keyboard.press("ArrowLeft");
    await page.keyboard.press(String(cor));
}

// Per page: wrong(page, box, mouse?) and right(page, box, mouse?); the check is pressed after each.
const PAXINAS = {
    1: {ben: "Moi ben",
        mal: (page, c, r) => escribir(page, c.getByLabel("¿Qué hora es?"), "3:20", r),
        // The time as text is right too; with the mouse the 24-hour form.
        bon: (page, c, r) => escribir(page, c.getByLabel("¿Qué hora es?"), r ? "15:15" : "tres e cuarto", r, true),
        fixo: (c) => c.getByLabel("¿Qué hora es?").evaluate((e) => e.readOnly)},
    2: {mal: async (page, c, r) => {
            // Only the minutes: the hour hand stays at twelve.
            if (r) await moverman(page, c, [0, 80], [180, 80]);
            else {
                await tabata(page, c.getByRole("slider", {name: "Aguja de los minutos"}));
                for (let i = 0; i < 6; i++) await page.keyboard.press("PageUp");
            }
        },
        bon: async (page, c, r) => {
            if (r) await moverman(page, c, [15, 30], [285, 30]);
            else {
                await tabata(page, c.getByRole("slider", {name: "Aguja de las horas"}), true);
                for (let i = 0; i < 3; i++) await page.keyboard.press("ArrowDown");
            }
            assert.equal(await c.getByRole("slider", {name: "Aguja de las horas"}).getAttribute("aria-valuenow"), "9");
        },
        fixo: (c) => c.locator(".zub-reloxo").evaluate((e) => !e.classList.contains("zub-movible"))},
    3: {mal: async () => {},
        bon: async (page, c, r) => {
            const t = /(\d+):(\d\d)/.exec(await c.locator(".zub-horaobxectivo").textContent());
            const h = +t[1] % 12, m = +t[2];
            if (r) {
                await moverman(page, c, [0, 80], [m * 6, 80]);
                await moverman(page, c, [90, 30], [h * 30 + m / 2, 30]);
            } else {
                const hs = c.getByRole("slider", {name: "Aguja de las horas"});
                await tabata(page, hs, true);
                const h0 = +(await hs.getAttribute("aria-valuenow")) % 12;
                for (let i = 0; i < (h - h0 + 12) % 12; i++) await page.keyboard.press("ArrowUp");
                await page.keyboard.press("Tab");
                for (let i = 0; i < m / 5; i++) await page.keyboard.press("PageUp");
            }
        }},
    4: {mal: (page, c, r) => cubrircelas(page, c, "1334,26", r),
        bon: (page, c, r) => cubrircelas(page, c, "1334,25", r, true),
        fixo: (c) => c.locator(".zub-cela").first().evaluate((e) => e.readOnly)},
    5: {mal: async (page, c, r) => {
            const celas = c.locator(".zub-cela");
            for (const [i, d] of [[3, "8"], [2, "1"], [1, "4"]]) {
                const ficha = c.locator(".zub-ficha", {hasText: new RegExp("^" + d + "$")});
                if (r) await arrastrar(page, ficha, celas.nth(i));
                else {
                    // Enter on a tile picks it up; Enter on a cell drops it there; the arrows walk the cells.
                    await tabata(page, ficha);
                    await page.keyboard.press("Enter");
                    await aocela(page, c, i);
                    await page.keyboard.press("Enter");
                }
            }
            assert.equal(await c.locator(".zub-celas").textContent(), "418");
        },
        bon: async (page, c, r) => {
            const cela = c.locator(".zub-cela").nth(2), ficha = c.locator(".zub-ficha", {hasText: /^0$/});
            if (r) {
                // Tap the tile, then the cell.
                await ficha.click();
                await cela.click();
            } else {
                await tabata(page, ficha, true);
                await page.keyboard.press("Enter");
                await aocela(page, c, 2);
                await page.keyboard.press("Enter");
            }
            assert.equal(await c.locator(".zub-celas").textContent(), "408");
        }},
    6: {mal: async (page, c, r) => {
            // 47 : 5, quotient from the keypad, a wrong remainder.
            await aounidades(page, c.getByRole("group", {name: "Cociente"}), r);
            await tecla(page, c, "9", r);
            const resto = c.getByRole("group", {name: "Resto"}).locator(".zub-cela");
            if (r) {
                await resto.click();
                await tecla(page, c, "3", r);
            } else {
                await tabata(page, resto, true);
                await page.keyboard.type("3");
            }
        },
        bon: async (page, c, r) => {
            const resto = c.getByRole("group", {name: "Resto"}).locator(".zub-cela");
            if (r) {
                await resto.click();
                await tecla(page, c, "2", r);
            } else {
                await tabata(page, resto, true);
                await page.keyboard.type("2");
            }
        }},
    7: {mal: (page, c, r) => cubrircelas(page, c, "99999999980000000002", r),
        bon: (page, c, r) => cubrircelas(page, c, "99999999980000000001", r, true)},
    8: {libre: async (page, c, r) => {
            const peza = c.getByRole("button", {name: r ? "1: peza1.png" : "2: peza2.png"});
            const area = await c.locator(".zub-panelarea").boundingBox();
            if (r) {
                await page.mouse.move(...(await centro(peza)));
                await page.mouse.down();
                await page.mouse.move(area.x + 150, area.y + 80, {steps: 6});
                await page.mouse.up();
                const b = await peza.boundingBox();
                assert.ok(Math.abs(b.x + b.width / 2 - area.x - 150) < 2 && Math.abs(b.y + b.height / 2 - area.y - 80) < 2);
            } else {
                await tabata(page, peza);
                const antes = await peza.boundingBox();
                for (let i = 0; i < 3; i++) await page.keyboard.press("ArrowRight");
                await page.keyboard.press("ArrowUp");
                const despois = await peza.boundingBox();
                assert.ok(Math.abs(despois.x - antes.x - 30) < 1 && Math.abs(despois.y - antes.y + 10) < 1);
            }
        }},
    9: {mal: async (page, c, r) => {
            // 1 cm and two halves: 2, not 3.5; then one half goes with a click.
            for (const u of ["1 cm", "medio", "medio"]) await unidade(page, c, u, r);
            assert.equal(await c.locator(".zub-medirtira button").count(), 3);
        },
        bon: async (page, c, r) => {
            const posta = c.getByRole("button", {name: "Quitar: medio"}).first();
            if (r) await posta.click();
            else {
                await tabata(page, posta, true);
                await page.keyboard.press("Enter");
            }
            assert.equal(await c.locator(".zub-medirtira button").count(), 2);
            for (const u of ["1 cm", "1 cm"]) await unidade(page, c, u, r);
        }},
    10: {mal: async (page, c, r) => cubrircelas(page, c.locator(".zub-celas"), await resultado(c, 1n), r),
         bon: async (page, c, r) => cubrircelas(page, c.locator(".zub-celas"), await resultado(c, 0n), r, true)},
    11: {mal: async (page, c, r) => {
             const dividendo = await c.locator(".zub-divesq .zub-opnum").textContent();
             const divisor = await c.locator(".zub-divisor").textContent();
             assert.equal(BigInt(dividendo) % BigInt(divisor), 0n, "an exact division");
             const q = String(BigInt(dividendo) / BigInt(divisor) + 1n);
             await aounidades(page, c.getByRole("group", {name: "Cociente"}), r);
             for (const d of [...q].reverse()) {
                 if (r) await tecla(page, c, d, r);
                 else await page.keyboard.type(d);
             }
         },
         bon: async (page, c, r) => {
             const q = String(BigInt(await c.locator(".zub-divesq .zub-opnum").textContent()) /
                              BigInt(await c.locator(".zub-divisor").textContent()));
             await aounidades(page, c.getByRole("group", {name: "Cociente"}), r, true);
             for (const d of [...q].reverse()) {
                 if (r) await tecla(page, c, d, r);
                 else await page.keyboard.type(d);
             }
         }},
    12: {mal: async (page, c, r) => {
             // The mirror image of the author's pattern, without its black square.
             for (const [i, cor] of [[6, 1], [7, 1], [14, 2], [21, 3]]) await cadro(page, c, i, cor, r);
         },
         bon: async (page, c, r) => {
             // A square clicked in its own colour empties; the black one completes the drawing.
             if (r) {
                 await cadro(page, c, 0, 1, r);
                 assert.equal(await c.locator(".zub-cadrosresposta .zub-cadro").nth(0).getAttribute("data-cor"), "1");
                 await c.locator(".zub-cadrosresposta .zub-cadro").nth(0).click();
                 assert.equal(await c.locator(".zub-cadrosresposta .zub-cadro").nth(0).getAttribute("data-cor"), "0");
             } else
                 await tabata(page, c.locator(".zub-cadrosresposta .zub-cadro[tabindex='0']"), true);
             await cadro(page, c, 48, 8, r);
         }},
    13: {mal: async (page, c, r) => {
             const alvo = await obxectivo(c);
             for (const [i, cor] of alvo.slice(0, -1)) await cadro(page, c, i, cor, r);
         },
         bon: async (page, c, r) => {
             const alvo = await obxectivo(c);
             if (!r) await tabata(page, c.locator(".zub-cadrosresposta .zub-cadro[tabindex='0']"), true);
             await cadro(page, c, ...alvo[alvo.length - 1], r);
         }},
    14: {mal: async (page, c, r) => {
             await escribir(page, c.getByLabel("Numerador"), "2", r);
             await escribir(page, c.getByLabel("Denominador"), "5", r);
         },
         bon: async (page, c, r) => {
             // An equivalent fraction is right.
             await escribir(page, c.getByLabel("Numerador"), "10", r, true);
             await escribir(page, c.getByLabel("Denominador"), "12", r);
         }},
    15: {mal: async (page, c, r) => {
             // 6/8 is the same value, but not in lowest terms.
             for (const [caixa, d] of [["Numerador", "6"], ["Denominador", "8"]]) {
                 if (r) {
                     await c.getByLabel(caixa).click();
                     await tecla(page, c, d, r);
                 } else await escribir(page, c.getByLabel(caixa), d, r);
             }
         },
         bon: async (page, c, r) => {
             for (const [caixa, d] of [["Numerador", "3"], ["Denominador", "4"]]) {
                 if (r) {
                     await c.getByLabel(caixa).click();
                     await tecla(page, c, "Borrar", r);
                     await tecla(page, c, d, r);
                 } else await escribir(page, c.getByLabel(caixa), d, r, caixa === "Numerador");
             }
         }},
    16: {mal: async (page, c, r) => {
             const [a, b] = await fraccions(c);
             assert.equal(a[1], b[1], "one denominator");
             assert.ok(a[0] >= b[0], "never below zero");
             assert.equal(await c.getByLabel("Denominador").inputValue(), String(a[1]));
             assert.ok(await c.getByLabel("Denominador").evaluate((e) => e.readOnly));
             await escribir(page, c.getByLabel("Numerador"), String(a[0] - b[0] + 1n), r);
         },
         bon: async (page, c, r) => {
             const [a, b] = await fraccions(c);
             await escribir(page, c.getByLabel("Numerador"), String(a[0] - b[0]), r, true);
         }},
    17: {mal: async (page, c, r) => {
             const [a, b] = await fraccions(c);
             for (const [caixa, v] of [["Numerador", a[0] * b[0] + 1n], ["Denominador", a[1] * b[1]]]) {
                 if (r) {
                     await c.getByLabel(caixa).click();
                     for (const d of String(v)) await tecla(page, c, d, r);
                 } else await escribir(page, c.getByLabel(caixa), String(v), r);
             }
         },
         bon: async (page, c, r) => {
             const [a, b] = await fraccions(c);
             if (r) {
                 await c.getByLabel("Numerador").click();
                 for (const d of String(a[0] * b[0] + 1n)) await tecla(page, c, "Borrar", r);
                 for (const d of String(a[0] * b[0])) await tecla(page, c, d, r);
             } else await escribir(page, c.getByLabel("Numerador"), String(a[0] * b[0]), r, true);
         }},
    18: {mal: async (page, c, r) => {
             const caixas = c.locator(".zub-formulacaixa");
             assert.equal(await caixas.count(), 4);
             if (r) await caixas.first().click();
             else await tabata(page, caixas.first());
             // Each typed character moves on to the next box; "M" is not "m".
             for (const ch of ["2", "M", "c", "\u{1D465}"]) await page.keyboard.type(ch);
         },
         bon: async (page, c, r) => {
             const segunda = c.locator(".zub-formulacaixa").nth(1);
             if (r) await segunda.click();
             else {
                 // The grid is one Tab stop, at the box last in focus; the arrows walk the cells.
                 await tabata(page, c.locator(".zub-formulacaixa").nth(3), true);
                 await page.keyboard.press("ArrowUp");
                 await page.keyboard.press("ArrowRight");
                 await page.keyboard.press("ArrowRight");
                 assert.ok(await segunda.evaluate((e) => e === document.activeElement));
             }
             await page.keyboard.type("m");
         }},
};
async function unidade(page, c, nome, rato) {
    const u = c.locator(".zub-unidades").getByRole("button", {name: nome});
    const tira = c.locator(".zub-medirtira");
    if (rato) await arrastrar(page, u, tira);
    else {
        await tabata(page, u);
        await page.keyboard.press("Enter");
        await tabata(page, tira, true);
        await page.keyboard.press("Enter");
    }
}
// The product of the random operation shown, plus mais.
async function resultado(c, mais) {
    const [a, b] = await operandos(c);
    return String(BigInt(a) * BigInt(b) + mais);
}
// The squares the shifted random pattern asks for, as [index, colour].
async function obxectivo(c) {
    const cores = await c.locator(".zub-cadrosmodelo .zub-cadro").evaluateAll((v) => v.map((e) => +e.getAttribute("data-cor")));
    const filas = [];
    for (let r = 0; r < 7; r++) filas.push(cores.slice(r * 8, r * 8 + 8).join(""));
    const t = [...L.transformar(L.patron(filas), "3")].flatMap((f) => [...f]);
    return t.map((cor, i) => [i, cor]).filter(([, cor]) => cor);
}

probas("the numbers family", () => {
    let web;
    test("export the numbers book", () => { web = exportar("numeros"); });

    for (const [via, rato] of [["rato", true], ["teclado", false]])
        test(`${via === "rato" ? "mouse" : "keyboard alone"}: every page wrong, then right; zub_sc; state kept on return`, async () => {
            const page = await abrir(web);
            assert.equal(await page.estado(), "ok 18");
            const esperado = [];
            for (const [n, d] of Object.entries(PAXINAS)) {
                const c = await page.ir(+n);
                assert.equal(await c.getAttribute("data-zub-xogo"), "xogo", "page " + n);
                if (d.libre) {
                    await d.libre(page, c, rato);
                    await captura(page, `numeros-${via}-${n}`);
                    continue;
                }
                await d.mal(page, c, rato);
                if (rato) await comprobar(c).click();
                else await comprobarteclado(page, c);
                assert.equal(await page.mensaxe(), "Mal!", "page " + n + " wrong");
                await captura(page, `numeros-${via}-${n}`);
                await d.bon(page, c, rato);
                if (rato) await comprobar(c).click();
                else await comprobarteclado(page, c);
                assert.equal(await page.mensaxe(), d.ben || "Ben!", "page " + n + " right");
                assert.ok(await comprobar(c).isDisabled(), "page " + n + " locked once right");
                if (d.fixo) assert.ok(await d.fixo(c), "page " + n + " inputs locked");
                esperado.push(["avmal", +n], ["avben", +n]);
            }
            const sc = await page.zubsc();
            assert.deepEqual(sc.filter((x) => x[0] === "avben" || x[0] === "avmal"), esperado);
            assert.equal(await page.evaluate(() => ZUB.zub_dat("get", "total_activ")), 17);
            assert.equal(await page.evaluate(() => ZUB.zub_dat("get", "total_ben")), 17);
            // Back on pages: still answered, the answers still there, the random task the same.
            let c = await page.ir(12);
            assert.equal(await page.mensaxe(), "Ben!");
            assert.equal(await c.locator(".zub-cadrosresposta .zub-cadro").nth(48).getAttribute("data-cor"), "8");
            c = await page.ir(10);
            assert.equal(await page.mensaxe(), "Ben!");
            assert.equal((await c.locator(".zub-celas .zub-cela").evaluateAll((v) => v.map((e) => e.value).join(""))),
                         await resultado(c, 0n));
            assert.deepEqual(page.erros, []);
            await page.context().close();
        });

    test("random tasks follow the seed: the same seed, the same tasks; another seed, others", async () => {
        const tarefas = async (seed) => {
            const page = await abrir(web, {seed});
            const r = [];
            for (const n of [3, 10, 11, 13, 16, 17]) {
                const c = await page.ir(n);
                r.push(await c.locator(".zub-horaobxectivo, .zub-operacion, .zub-cadrosmodelo, .zub-fraccions").first()
                    .evaluate((e) => e.getAttribute("aria-label") + e.textContent +
                        [...e.querySelectorAll("[data-cor]")].map((x) => x.getAttribute("data-cor")).join("")));
            }
            await page.context().close();
            return r;
        };
        const a = await tarefas(11), b = await tarefas(11), c = await tarefas(12);
        assert.deepEqual(a, b);
        assert.notDeepEqual(a, c);
    });
});

probas("the numbers family: touch, and absurd values", () => {
    test("touch: taps set the hands, tap a unit then the strip", async () => {
        const web = exportar("numeros");
        const page = await abrir(web, {tactil: true});
        const tocar = async (x, y) => page.touchscreen.tap(x, y);
        let c = await page.ir(2);
        const b = await c.locator(".zub-reloxosvg").boundingBox();
        const p = (a, r) => [b.x + b.width / 2 + r * b.width / 200 * Math.sin(a * Math.PI / 180),
                             b.y + b.height / 2 - r * b.width / 200 * Math.cos(a * Math.PI / 180)];
        await tocar(...p(180, 80));
        await tocar(...p(285, 30));
        await tocar(...(await centro(comprobar(c))));
        assert.equal(await page.mensaxe(), "Ben!");
        c = await page.ir(9);
        for (const u of ["1 cm", "1 cm", "1 cm", "medio"]) {
            await tocar(...(await centro(c.locator(".zub-unidades").getByRole("button", {name: u}))));
            await tocar(...(await centro(c.locator(".zub-medirtira"))));
        }
        await tocar(...(await centro(comprobar(c))));
        assert.equal(await page.mensaxe(), "Ben!");
        // Four copies side by side measure the pencil exactly: 3 × 80 px + 40 px from its left edge.
        const lapis = await c.locator(".zub-medirimx").boundingBox();
        const postas = await c.locator(".zub-medirtira img").evaluateAll((v) => v.map((e) => e.getBoundingClientRect().right));
        assert.ok(Math.abs(Math.max(...postas) - (lapis.x + lapis.width)) < 1);
        assert.deepEqual((await page.zubsc()).filter((x) => x[0] === "avben"), [["avben", 2], ["avben", 9]]);
        await page.context().close();
    });

    test("absurd values: each page plays or shows its content with the reason, and the counts agree", async () => {
        const web = exportar("numeros-raros");
        const page = await abrir(web);
        assert.equal(await page.estado(), "ok 16");
        const esperado = ["contido: sen hora", "xogo", "contido: operando non numérico: 12a", "contido: división por cero",
                          "contido: sen operación", "contido: operación descoñecida", "xogo", "contido: sen cadros",
                          "contido: operación descoñecida: p", "contido: faltan números", "contido: sen valor", "xogo",
                          "contido: sen fórmula", "contido: sen imaxes", "contido: operación descoñecida: p", "xogo"];
        const visto = [];
        for (let n = 1; n <= esperado.length; n++)
            visto.push(await (await page.ir(n)).getAttribute("data-zub-xogo"));
        assert.deepEqual(visto, esperado);
        // The free clock, the random division, the long text's measure and the random squares;
        // the free clock is no activity.
        assert.equal(await page.evaluate(() => ZUB.zub_dat("get", "total_activ")), 3);
        let c = await page.ir(7);
        const [, a, b] = /^(\d+) : (\d+) =$/.exec(await c.locator(".zub-opnum").textContent()).map(Number);
        assert.ok(a >= b && b >= 2 && String(a).length === 1, a + " : " + b);
        c = await page.ir(16);
        assert.equal(await c.locator(".zub-cadrostarefa").textContent(), "Copia el dibujo", "an unknown task is a copy");
        c = await page.ir(12);
        assert.ok((await c.locator("figcaption").textContent()).length > 10000);
        await captura(page, "numeros-raros-12");
        assert.deepEqual(page.erros, []);
        await page.context().close();
    });
});
