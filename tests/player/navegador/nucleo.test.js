// The core in Chromium: judging and its messages, the zub_sc calls with the page's position,
// the forward lock, a page without a type, state kept on return, the keyboard path, and the
// score and interactions the SCORM 1.2 run-time receives.
"use strict";
const {test} = require("node:test");
const assert = require("node:assert/strict");
const fs = require("fs");
const path = require("path");
const {execFileSync} = require("child_process");
const {exportar, exportarobxecto, abrir, captura, servidor, probas, npm} = require("./comun.js");

probas("the player's core", () => {
    let web;
    test("export the core's book", () => { web = exportar("nucleo"); });

    test("mouse: wrong then right, the page's own message, counts, lock, return", async () => {
        const page = await abrir(web);
        assert.equal(await page.estado(), "ok 5");
        const caixa = page.locator("#zub-paxina > .zub-paxinabox");
        assert.equal(await caixa.getAttribute("data-zub-xogo"), "xogo");
        await page.getByRole("radio", {name: "Lugo"}).click();
        assert.equal(await page.mensaxe(), "Mal!");
        assert.ok(await page.getByText("Non, Lugo é outra cidade").isVisible());
        await captura(page, "nucleo-test-mal");
        await page.getByRole("radio", {name: "Santiago"}).click();
        assert.equal(await page.mensaxe(), "Moi ben");
        assert.equal(await page.locator(".zub-mensaxe").evaluate((e) => getComputedStyle(e).color), "rgb(0, 0, 255)");
        assert.ok(await page.getByRole("radio", {name: "Vigo"}).isDisabled());
        // Several right answers: tick, then check.
        await page.locator(".zub-diante").click();
        await page.getByRole("checkbox", {name: "2"}).click();
        await page.getByRole("button", {name: "Comprobar"}).click();
        assert.equal(await page.mensaxe(), "Mal!");
        await page.getByRole("checkbox", {name: "3"}).click();
        await page.getByRole("button", {name: "Comprobar"}).click();
        assert.equal(await page.mensaxe(), "Ben!");
        // A page without a type shows, plays nothing, and keeps the numbering.
        await page.locator(".zub-diante").click();
        assert.equal(await caixa.getAttribute("data-zub-xogo"), "contido: sen tipo");
        await page.locator(".zub-diante").click();
        assert.equal(await page.locator("#zub-paxina").getAttribute("data-zub-n"), "4");
        assert.ok(await page.locator(".zub-diante").isDisabled(), "the forward lock holds");
        await page.getByRole("radio", {name: "azul"}).click();
        assert.ok(await page.locator(".zub-diante").isEnabled(), "a right answer lifts the lock");
        assert.equal(await page.evaluate(() => ZUB.zub_dat("get", "total_activ")), 4);
        assert.equal(await page.evaluate(() => ZUB.zub_dat("get total_activ")), 4);
        assert.equal(await page.evaluate(() => ZUB.zub_dat("get", "total_ben")), 3);
        // Back on page 1 it is still answered.
        await page.ir(1);
        assert.equal(await page.mensaxe(), "Moi ben");
        assert.ok(await page.getByRole("radio", {name: "Santiago"}).isDisabled());
        assert.equal(await page.getByRole("radio", {name: "Santiago"}).getAttribute("aria-checked"), "true");
        assert.deepEqual(await page.zubsc(), [
            ["totalp", 5], ["paxina", 1], ["avmal", 1], ["avben", 1], ["paxina", 2], ["avmal", 2], ["avben", 2],
            ["paxina", 3], ["paxina", 4], ["avben", 4], ["paxina", 1]]);
        assert.deepEqual(page.erros, []);
        await page.context().close();
    });

    test("keyboard alone: Tab reaches the answers, Enter and Space answer", async () => {
        const page = await abrir(web);
        await page.ir(5);
        const radio4 = page.getByRole("radio", {name: "4"});
        for (let i = 0; i < 40 && !(await radio4.evaluate((e) => e === document.activeElement)); i++) {
            await page.keyboard.press("Tab");
            if (await page.getByRole("radio", {name: "3"}).evaluate((e) => e === document.activeElement))
                await page.keyboard.press("Space");
        }
        assert.equal(await page.mensaxe(), "Mal!");
        await page.keyboard.press("Enter");
        assert.equal(await page.mensaxe(), "Ben!");
        const s = await page.zubsc();
        assert.deepEqual(s.filter((x) => x[0] !== "paxina" && x[0] !== "totalp"), [["avmal", 5], ["avben", 5]]);
        await captura(page, "nucleo-teclado");
        await page.context().close();
    });

    test("shuffled pages: the first stays first, each page comes once, the seed repeats the order", async () => {
        const paxinas = Array.from({length: 8}, (_, i) => ({P0: "29", W0: "Páxina " + (i + 1)}));
        const w = exportarobxecto("desordenado", {libro: {txttitulo: "Desordenado", desordenar: true}, recursos: {}, paxinas});
        async function orde(seed) {
            const page = await abrir(w, {seed});
            const vistas = [];
            for (let i = 0; i < 8; i++) {
                vistas.push(Number(await page.locator("#zub-paxina").getAttribute("data-zub-n")));
                if (i < 7) await page.locator(".zub-diante").click();
            }
            assert.ok(await page.locator(".zub-diante").isDisabled());
            const s = (await page.zubsc()).filter((x) => x[0] === "paxina").map((x) => x[1]);
            assert.deepEqual(s, vistas, "SCORM hears each page's own position");
            await page.context().close();
            return vistas;
        }
        const a = await orde(5), b = await orde(5), c = await orde(6);
        assert.equal(a[0], 1);
        assert.deepEqual([...a].sort((x, y) => x - y), [1, 2, 3, 4, 5, 6, 7, 8]);
        assert.notDeepEqual(a, [1, 2, 3, 4, 5, 6, 7, 8]);
        assert.deepEqual(a, b);
        assert.notDeepEqual(a, c);
    });

    test("SCORM 1.2: score 75, one interaction per page with its tries, completed at the last page", async () => {
        const raiz = path.join(web, "lms");
        fs.rmSync(raiz, {recursive: true, force: true});
        fs.mkdirSync(path.join(raiz, "paquete"), {recursive: true});
        execFileSync("unzip", ["-q", path.join(web, "libro.zip"), "-d", path.join(raiz, "paquete")]);
        fs.copyFileSync(path.join(npm, "scorm12.js"), path.join(raiz, "scorm12.js"));
        fs.writeFileSync(path.join(raiz, "anfitrion.html"), `<!DOCTYPE html><html><head><meta charset="utf-8">
<script src="scorm12.js"></script><script>
window.enviado = {};
window.API = new Scorm12API({logLevel: 5});
API.cmi.core.student_name = "Proba, Ana";
API.on("LMSSetValue.cmi.*", function (e, v) { enviado[e] = String(v); });
</script></head><body><iframe id="f" src="paquete/libro.html#seed=3"></iframe></body></html>`);
        const s = await servidor(raiz);
        const porto = s.address().port;
        async function sesion(ultima) {
            const page = await abrir(web, {scorm: true});
            await page.goto(`http://127.0.0.1:${porto}/anfitrion.html`);
            const f = page.frameLocator("#f");
            const fr = () => page.frames().find((x) => /libro\.html/.test(x.url()));
            await page.waitForFunction(() => {
                const d = document.getElementById("f").contentDocument;
                return d && /^ok/.test(d.documentElement.getAttribute("data-zub-estado") || "");
            });
            await f.getByRole("radio", {name: "Lugo"}).click();
            await f.getByRole("radio", {name: "Santiago"}).click();
            await fr().evaluate(() => ZUB.salto("2"));
            await f.getByRole("checkbox", {name: "2"}).click();
            await f.getByRole("checkbox", {name: "3"}).click();
            await f.getByRole("button", {name: "Comprobar"}).click();
            await fr().evaluate(() => ZUB.salto("4"));
            await f.getByRole("radio", {name: "azul"}).click();
            if (ultima) {
                await fr().evaluate(() => ZUB.salto("5"));
                await f.getByRole("radio", {name: "5"}).click();
            }
            const nome = await fr().evaluate(() => ZUB.zub_dat("nome_usuario"));
            await page.evaluate(() => { document.getElementById("f").src = "about:blank"; });
            await page.waitForFunction(() => "cmi.core.score.raw" in window.enviado);
            const e = await page.evaluate(() => window.enviado);
            await page.context().close();
            return {e, nome};
        }
        try {
            const {e, nome} = await sesion(true);
            assert.equal(nome, "Proba, Ana");
            assert.equal(e["cmi.core.score.raw"], "75");
            assert.equal(e["cmi.core.lesson_status"], "completed");
            const interaccions = {};
            for (let i = 0; `cmi.interactions.${i}.id` in e; i++)
                interaccions[e[`cmi.interactions.${i}.id`]] =
                    [e[`cmi.interactions.${i}.result`] || "", e[`cmi.interactions.${i}.student_response`] || ""];
            assert.deepEqual(interaccions, {
                Pagina1: ["correct", "2"], Pagina2: ["correct", "1"],
                Pagina4: ["correct", "1"], Pagina5: ["wrong", "1"]});
            const antes = await sesion(false);
            assert.equal(antes.e["cmi.core.lesson_status"], "incomplete");
            assert.equal(antes.e["cmi.core.score.raw"], "75");
        } finally {
            s.close();
        }
    });
});
