// A hostile book: every page type with absurd values in every field (words where numbers stand,
// negative and huge numbers, "||" inside texts, 10 000-character values, markup with scripts and
// event attributes in the rich texts). Every page must show — playing, or as content with its
// reason — without a script error, without any of the book's markup running, and the player
// must stay ready.
"use strict";
const {test} = require("node:test");
const assert = require("node:assert/strict");
const {exportarobxecto, abrir, probas} = require("./comun.js");

const VALORES = ["abc", "-7", "99999", "", "[1,2]", "<img src=x onerror=window.__mal=1>", "a||b||c", "\"'&#39;\\ ",
                 "x".repeat(10000), "0", "1", "2", "3", "ffeecc"];

function libro() {
    const paxinas = [];
    for (let p = 1; p <= 51; p++) {
        const d = {P0: String(p)};
        for (let k = 1; k <= 41; k++) d["P" + k] = VALORES[(k * 7 + p) % VALORES.length];
        for (let w = 0; w < 6; w++)
            d["W" + w] = "<p onclick=\"window.__mal=1\">Texto</p><script>window.__mal=1</script>\n[o] " +
                         "palabra ".repeat(1 + ((p * w) % 1500));
        paxinas.push(d);
    }
    return {libro: {txttitulo: "Hostil <script>window.__mal=1</script>"}, recursos: {}, paxinas};
}

probas("a hostile book", () => {
    test("every page shows, nothing of the book runs, no module fails", async () => {
        const web = exportarobxecto("hostil", libro());
        const page = await abrir(web);
        assert.match(await page.estado(), /^ok \d+$/);
        const n = Number((await page.estado()).split(" ")[1]);
        const fallos = [];
        for (let i = 1; i <= n; i++) {
            const caixa = await page.ir(i);
            const xogo = await caixa.getAttribute("data-zub-xogo");
            if (/^contido: erro/.test(xogo || "")) fallos.push(i + " " + (await caixa.getAttribute("class")) + ": " + xogo);
            // Whatever the page offers is clickable without a failure.
            await page.evaluate(() => {
                document.querySelectorAll("#zub-paxina .zub-paxinabox button:not([disabled])").forEach((b) => b.click());
            });
        }
        assert.deepEqual(fallos, []);
        assert.deepEqual(page.erros, []);
        assert.equal(await page.evaluate(() => window.__mal), undefined, "none of the book's markup ran");
        assert.match(await page.estado(), /^ok /);
        await page.context().close();
    });
});
