// The information pages in Chromium: what each shows and does, and the three that can be judged
// (a text with a mode, a template with an answer, an external activity with a status variable).
"use strict";
const {test} = require("node:test");
const assert = require("node:assert/strict");
const {exportar, abrir, captura, probas} = require("./comun.js");

const ACTIVIDADE = `<!DOCTYPE html><html><body>
<button id="mal" onclick="parent.postMessage({feito: '0'}, '*')">mal</button>
<button id="ben" onclick="parent.postMessage({feito: '1'}, '*')">ben</button></body></html>`;

probas("the information pages", () => {
    let web;
    test("export the information book", () => { web = exportar("informacion"); });

    test("picture and text, galleries, menu, scheme: each shows and responds", async () => {
        const page = await abrir(web);
        assert.equal(await page.estado(), "ok 11");
        assert.equal(await page.evaluate(() => ZUB.zub_dat("get", "total_activ")), 5);
        let caixa = page.locator("#zub-paxina > .zub-paxinabox");
        assert.equal(await caixa.getAttribute("data-zub-xogo"), "xogo");
        assert.equal(await caixa.locator(".cltexto-im img").count(), 1, "the panel's picture, once");
        assert.equal(await caixa.locator("img").count(), 1);

        caixa = await page.ir(2);
        const primeira = page.getByRole("button", {name: "Ampliar: Vermello"});
        await primeira.click();
        const visor = page.getByRole("dialog");
        assert.ok(await visor.isVisible());
        assert.match(await visor.locator("img").getAttribute("src"), /g1\.png$/);
        await captura(page, "informacion-galeria");
        await page.keyboard.press("Escape");
        assert.ok(await visor.isHidden());
        assert.ok(await primeira.evaluate((e) => e === document.activeElement), "focus back on the thumbnail");
        // Without a large picture the small one is enlarged; the keyboard opens it too.
        await page.getByRole("button", {name: "Ampliar: Verde"}).focus();
        await page.keyboard.press("Enter");
        assert.match(await visor.locator("img").getAttribute("src"), /p2\.png$/);
        await page.keyboard.press("Escape");

        caixa = await page.ir(3);
        const botons = caixa.locator(".clmenu-bottab");
        assert.equal(await botons.count(), 2);
        assert.equal(await botons.first().evaluate((e) => getComputedStyle(e).backgroundColor), "rgb(51, 102, 153)");
        assert.ok(await caixa.getByText("Contido un").isVisible());
        await botons.nth(1).focus();
        await page.keyboard.press("Enter");
        assert.ok(await caixa.getByText("Contido dous").isVisible());
        assert.ok(await caixa.getByText("Contido un").isHidden());

        caixa = await page.ir(5);
        const son = page.getByRole("button", {name: "Escuchar: Son un"});
        await son.click();
        assert.match(await son.getAttribute("class"), /zub-soando/);

        caixa = await page.ir(11);
        assert.deepEqual(await caixa.locator(".zub-esquema li").evaluateAll((ls) => ls.map((l) => {
            let n = 0;
            for (let e = l.parentElement; !e.classList.contains("zub-esquema"); e = e.parentElement) if (e.tagName === "UL") n++;
            return [l.firstChild.textContent, n, l.classList.contains("zub-circulo")];
        })), [["Seres vivos", 0, false], ["Animais", 1, false], ["Mamíferos", 2, true], ["Aves", 2, false], ["Plantas", 1, false]]);
        await captura(page, "informacion-esquema");
        assert.deepEqual(page.erros, []);
        await page.context().close();
    });

    test("a text with gaps: typed, dragged and chosen, wrong then right", async () => {
        const page = await abrir(web);
        // Typed (mode 1), keyboard alone.
        let caixa = await page.ir(6);
        const ocos = caixa.getByRole("textbox");
        assert.equal(await ocos.count(), 3);
        await ocos.nth(0).fill("durme");
        await ocos.nth(1).fill("vello");
        await ocos.nth(2).fill(" CHOVE ");
        await caixa.getByRole("button", {name: "Comprobar"}).click();
        assert.equal(await page.mensaxe(), "Mal!");
        await ocos.nth(1).fill("vella");
        await ocos.nth(1).press("Tab");
        await page.keyboard.press("Tab");
        await page.keyboard.press("Enter");
        assert.equal(await page.mensaxe(), "Ben!");
        assert.ok(await ocos.nth(0).evaluate((e) => e.readOnly || e.disabled));

        // Dragged (mode 2): a word by tap and tap, one with the mouse, one with the keyboard.
        caixa = await page.ir(7);
        const oco = (i) => caixa.locator(".zub-ocodestino").nth(i);
        const ficha = (w) => caixa.locator(".zub-ficha", {hasText: w});
        await ficha("durme").click();
        await oco(0).click();
        await ficha("chove").hover();
        await page.mouse.down();
        const b = await oco(1).boundingBox();
        await page.mouse.move(b.x + 10, b.y + 5, {steps: 5});
        await page.mouse.up();
        await captura(page, "informacion-texto-arrastrar");
        await ficha("vella").focus();
        await page.keyboard.press("Enter");
        await oco(2).focus();
        await page.keyboard.press("Space");
        await caixa.getByRole("button", {name: "Comprobar"}).click();
        assert.equal(await page.mensaxe(), "Mal!");
        // Swap the two misplaced words: chove onto vella's gap.
        await ficha("chove").click();
        await oco(2).click();
        await caixa.getByRole("button", {name: "Comprobar"}).click();
        assert.equal(await page.mensaxe(), "Ben!");

        // Chosen (mode 0).
        caixa = await page.ir(8);
        const sels = caixa.getByRole("combobox");
        await sels.nth(0).selectOption("durme");
        await sels.nth(1).selectOption("durme");
        await sels.nth(2).selectOption("chove");
        await caixa.getByRole("button", {name: "Comprobar"}).click();
        assert.equal(await page.mensaxe(), "Mal!");
        await sels.nth(1).selectOption("vella");
        await caixa.getByRole("button", {name: "Comprobar"}).click();
        assert.equal(await page.mensaxe(), "Ben!");

        caixa = await page.ir(9);
        assert.equal(await caixa.locator(".zub-comprobar").count(), 0, "without a mode the text only shows");
        const s = (await page.zubsc()).filter((x) => x[0] !== "paxina" && x[0] !== "totalp");
        assert.deepEqual(s, [["avmal", 6], ["avben", 6], ["avmal", 7], ["avben", 7], ["avmal", 8], ["avben", 8]]);
        await page.context().close();
    });

    test("touch: tap a word, tap a gap; Escape puts a placed word back", async () => {
        const page = await abrir(web, {tactil: true});
        const caixa = await page.ir(7);
        const oco = (i) => caixa.locator(".zub-ocodestino").nth(i);
        const ficha = (w) => caixa.locator(".zub-ficha", {hasText: w});
        await ficha("durme").tap();
        await oco(0).tap();
        await ficha("vella").tap();
        await oco(1).tap();
        await ficha("chove").tap();
        await oco(2).tap();
        assert.deepEqual(await caixa.locator(".zub-ocodestino").allTextContents(), ["durme", "vella", "chove"]);
        await ficha("chove").focus();
        await page.keyboard.press("Escape");
        assert.equal(await caixa.locator(".zub-bandexa .zub-ficha").allTextContents().then((v) => v.join()), "chove");
        await page.context().close();
    });

    test("a template's answer and button; an external activity's status", async () => {
        const page = await abrir(web);
        await page.route("http://actividade.proba/**", (r) => r.fulfill({contentType: "text/html", body: ACTIVIDADE}));
        let caixa = await page.ir(10);
        const campo = caixa.getByRole("textbox", {name: "Respuesta"});
        await campo.fill("Madrid");
        await campo.press("Enter");
        assert.equal(await page.mensaxe(), "Mal!");
        await campo.fill("  lisboa ");
        await campo.press("Enter");
        assert.equal(await page.mensaxe(), "Ben!");
        await captura(page, "informacion-plantilla");
        await caixa.getByRole("link", {name: "Ao menú"}).click();
        assert.equal(await page.locator("#zub-paxina").getAttribute("data-zub-n"), "3");

        caixa = await page.ir(4);
        const f = page.frameLocator("iframe.zub-externa");
        await f.locator("#mal").click();
        await page.waitForFunction(() => /Mal/.test(document.querySelector("#zub-paxina .zub-mensaxe").textContent));
        await f.locator("#ben").click();
        await page.waitForFunction(() => /Ben/.test(document.querySelector("#zub-paxina .zub-mensaxe").textContent));
        const s = (await page.zubsc()).filter((x) => x[0] !== "paxina" && x[0] !== "totalp");
        assert.deepEqual(s, [["avmal", 10], ["avben", 10], ["avmal", 4], ["avben", 4]]);
        await page.context().close();
    });
});
