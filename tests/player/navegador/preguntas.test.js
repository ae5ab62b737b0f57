// The questions and word games in Chromium: each activity to a wrong and a right outcome with
// the mouse, with the keyboard alone and by touch where it differs, the messages, the zub_sc calls
// with the page's position, the options that change what shows, and the state kept on return.
"use strict";
const {test} = require("node:test");
const assert = require("node:assert/strict");
const {exportar, abrir, captura, probas} = require("./comun.js");

// Where a word lies in the grid shown: [first cell, last cell], read in any of the eight ways.
async function buscar(page, palabra) {
    const letras = await page.locator("#zub-paxina .zub-cela").allTextContents();
    const n = Math.round(Math.sqrt(letras.length));
    const w = [...palabra];
    for (let f = 0; f < n; f++)
        for (let c = 0; c < n; c++)
            for (const [df, dc] of [[0, 1], [1, 0], [1, 1], [-1, 1], [0, -1], [-1, 0], [-1, -1], [1, -1]]) {
                let ok = true;
                for (let i = 0; i < w.length && ok; i++) {
                    const ff = f + df * i, cc = c + dc * i;
                    ok = ff >= 0 && ff < n && cc >= 0 && cc < n && letras[ff * n + cc] === w[i];
                }
                if (ok) return {a: f * n + c, b: (f + df * (w.length - 1)) * n + c + dc * (w.length - 1), n};
            }
    throw new Error(palabra + " is not in the grid");
}
function cela(page, i) { return page.locator("#zub-paxina .zub-cela").nth(i); }
async function arrastrar(page, de, a) {
    const x = await cela(page, de).boundingBox(), y = await cela(page, a).boundingBox();
    await page.mouse.move(x.x + x.width / 2, x.y + x.height / 2);
    await page.mouse.down();
    await page.mouse.move(y.x + y.width / 2, y.y + y.height / 2, {steps: 8});
    await page.mouse.up();
}
// Tab until the element has the focus.
async function tabata(page, loc, maximo = 80) {
    for (let i = 0; i < maximo; i++) {
        if (await loc.evaluate((e) => e === document.activeElement)) return;
        await page.keyboard.press("Tab");
    }
    throw new Error("Tab never reached " + loc);
}
// Moves the grid's focus with the arrow keys from cell de to cell a.
async function frechas(page, de, a, n) {
    const df = Math.floor(a / n) - Math.floor(de / n), dc = (a % n) - (de % n);
    for (let i = 0; i < Math.abs(df); i++) await page.keyboard.press(df > 0 ? "ArrowDown" : "ArrowUp");
    for (let i = 0; i < Math.abs(dc); i++) await page.keyboard.press(dc > 0 ? "ArrowRight" : "ArrowLeft");
}
const xuizos = (s) => s.filter((x) => x[0] === "avben" || x[0] === "avmal");

probas("questions and word games", () => {
    let web;
    test("export the questions book", () => { web = exportar("preguntas"); });

    test("mouse: each game wrong then right, its options, messages and reports, the state on return", async () => {
        const page = await abrir(web);
        assert.equal(await page.estado(), "ok 16");
        assert.equal(await page.evaluate(() => ZUB.zub_dat("get", "total_activ")), 15);
        const caixa = page.locator("#zub-paxina > .zub-paxinabox");

        // Word search with statements, coloured finds and squares.
        await page.ir(2);
        assert.equal(await caixa.getAttribute("data-zub-xogo"), "xogo");
        assert.ok(await page.locator(".zub-sopa.zub-cadro.zub-colorea").isVisible());
        assert.deepEqual(await page.locator(".zub-sopalista li").allTextContents(), ["Ladra", "Mia", "Quenta"]);
        assert.equal(await page.locator(".zub-cela").count() >= 64, true);
        await arrastrar(page, 0, 1); // two letters spell no word
        assert.equal(await page.mensaxe(), "Mal!");
        let p = await buscar(page, "CAN");
        await arrastrar(page, p.a, p.b);
        assert.equal(await page.mensaxe(), "Encontrada: CAN");
        assert.equal(await cela(page, p.a).getAttribute("data-cor"), "0");
        assert.match(await page.locator(".zub-sopalista li").first().getAttribute("class"), /zub-atopado/);
        assert.equal(await page.locator(".zub-contasopa").textContent(), "Encontradas: 1 / 3");
        await captura(page, "preguntas-sopa-rato");
        p = await buscar(page, "GATO");
        await arrastrar(page, p.b, p.a); // from the last letter back to the first
        p = await buscar(page, "SOL");
        await arrastrar(page, p.a, p.b);
        assert.equal(await page.mensaxe(), "Ben!");

        // Sentences: the visible form and its sound, the whole sentence typed.
        await page.ir(4);
        assert.deepEqual(await page.locator(".zub-visible").allTextContents(), ["o c_n l_dra", "a l_a br_lla"]);
        await page.evaluate(() => {
            window.__tocados = [];
            const play = HTMLMediaElement.prototype.play;
            HTMLMediaElement.prototype.play = function() {
                window.__tocados.push(this.src.split("/").pop());
                return play.call(this);
            };
        });
        await page.getByRole("button", {name: "Escuchar: Frase 1"}).click();
        assert.deepEqual(await page.evaluate(() => window.__tocados), ["f1.wav"]);
        await page.getByRole("textbox", {name: "Frase 1"}).fill("o can ladra.");
        await page.getByRole("textbox", {name: "Frase 2"}).fill("A lua brilla");
        await page.getByRole("button", {name: "Comprobar"}).click();
        assert.equal(await page.mensaxe(), "Mal!");
        assert.equal(await page.getByRole("textbox", {name: "Frase 2"}).getAttribute("aria-invalid"), "true");
        await captura(page, "preguntas-frases");
        await page.getByRole("textbox", {name: "Frase 2"}).fill("A lúa brilla");
        await page.getByRole("button", {name: "Comprobar"}).click();
        assert.equal(await page.mensaxe(), "Ben!");

        // Questions in order: the second shows once the first is right.
        await page.ir(7);
        assert.ok(await page.getByText("Dous máis dous?").isHidden());
        await page.getByRole("textbox", {name: "Capital de Galicia?"}).fill("santiago");
        await page.getByRole("button", {name: "Comprobar"}).click();
        assert.equal(await page.mensaxe(), "1 / 2");
        assert.ok(await page.getByText("Dous máis dous?").isVisible());
        await captura(page, "preguntas-preguntas-orde");
        await page.getByRole("textbox", {name: "Dous máis dous?"}).fill("cinco");
        await page.getByRole("button", {name: "Comprobar"}).click();
        assert.equal(await page.mensaxe(), "Mal!");
        await page.getByRole("textbox", {name: "Dous máis dous?"}).fill("catro");
        await page.getByRole("button", {name: "Comprobar"}).click();
        assert.equal(await page.mensaxe(), "Ben!");

        // Fill in by dragging: judged when the last gap gets its word.
        await page.ir(11);
        const ficha = (w) => page.locator(".zub-ficha", {hasText: w});
        const oco = (k) => page.locator(".zub-ocoarrastre").nth(k);
        await ficha("lúa").dragTo(oco(0));
        await ficha("can").dragTo(oco(1));
        assert.equal(await page.mensaxe(), "");
        await captura(page, "preguntas-completar-arrastre");
        await ficha("sol").dragTo(oco(2));
        assert.equal(await page.mensaxe(), "Mal!");
        assert.equal(await oco(0).getAttribute("aria-invalid"), "true");
        await ficha("can").dragTo(oco(0)); // the word there goes back to the tray
        assert.equal(await page.locator(".zub-bandexa .zub-ficha").textContent(), "lúa");
        await ficha("lúa").dragTo(oco(1));
        assert.equal(await page.mensaxe(), "Ben!");

        // Secret word: a wrong key is a try, the right ones reveal every place.
        await page.ir(12);
        assert.equal(await page.locator(".zub-xogo img").getAttribute("alt"), "Un can");
        await page.getByRole("button", {name: "B", exact: true}).click();
        assert.equal(await page.mensaxe(), "Mal!");
        for (const k of ["C", "A"]) await page.getByRole("button", {name: k, exact: true}).click();
        assert.deepEqual(await page.locator(".zub-letrasecreta").allTextContents(), ["C", "a", ""]);
        await captura(page, "preguntas-secreta");
        await page.getByRole("button", {name: "N", exact: true}).click();
        assert.equal(await page.mensaxe(), "Ben!");
        assert.ok(await page.getByRole("button", {name: "X", exact: true}).isDisabled());

        // Spelling: each gap takes one of the offered letters.
        await page.ir(14);
        assert.equal(await page.locator(".zub-ortografia").textContent(), "aer");
        await page.getByRole("button", {name: "v", exact: true}).click();
        await page.getByRole("button", {name: "b", exact: true}).click();
        assert.equal(await page.mensaxe(), "Mal!");
        assert.equal(await page.getByRole("button", {name: "Hueco 1: v"}).getAttribute("aria-pressed"), "true");
        await captura(page, "preguntas-letras");
        await page.getByRole("button", {name: "h", exact: true}).click();
        assert.equal(await page.mensaxe(), "Ben!");
        assert.equal(await page.locator(".zub-ortografia").textContent(), "haber");

        // Dictation with corrections.
        await page.ir(15);
        assert.equal(await page.locator(".zub-textodictado").count(), 0, "the text stays hidden");
        const audio = page.getByLabel("Escuchar", {exact: true});
        assert.equal(await audio.evaluate((a) => a.play().then(() => a.src.split("/").pop())), "f1.wav");
        await page.getByRole("textbox", {name: "Escribe lo que oyes"}).fill("O can ladra. A lua");
        await page.getByRole("button", {name: "Comprobar"}).click();
        assert.equal(await page.mensaxe(), "Mal!");
        assert.deepEqual(await page.locator(".zub-correccion del").allTextContents(), ["lua"]);
        assert.deepEqual(await page.locator(".zub-correccion ins").allTextContents(), ["lúa", "brilla."]);
        await captura(page, "preguntas-dictado-correccion");
        await page.getByRole("textbox", {name: "Escribe lo que oyes"}).fill("O can ladra.\nA lúa brilla.");
        await page.getByRole("button", {name: "Comprobar"}).click();
        assert.equal(await page.mensaxe(), "Ben!");

        // Back on the word search: still solved, its finds kept.
        await page.ir(2);
        assert.equal(await page.mensaxe(), "Ben!");
        assert.equal(await page.locator(".zub-contasopa").textContent(), "Encontradas: 3 / 3");
        assert.equal(await page.evaluate(() => ZUB.zub_dat("get", "total_ben")), 7);
        assert.deepEqual(xuizos(await page.zubsc()), [
            ["avmal", 2], ["avben", 2], ["avmal", 4], ["avben", 4], ["avmal", 7], ["avben", 7], ["avmal", 11],
            ["avben", 11], ["avmal", 12], ["avben", 12], ["avmal", 14], ["avben", 14], ["avmal", 15], ["avben", 15]]);
        assert.deepEqual(page.erros, []);
        await page.context().close();
    });

    test("keyboard alone: grid arrows and Enter, typed answers, picking up and dropping, keys", async () => {
        const page = await abrir(web, {seed: 11});
        const caixa = page.locator("#zub-paxina > .zub-paxinabox");

        // Word search with pictures, no clues shown: the words are listed, no squares, no colours.
        await page.ir(3);
        assert.equal(await page.locator(".zub-sopa.zub-cadro, .zub-sopa.zub-colorea").count(), 0);
        assert.deepEqual(await page.locator(".zub-sopalista li").allTextContents(), ["LÚA", "MAR"]);
        await tabata(page, cela(page, 0));
        let p = await buscar(page, "LÚA");
        await frechas(page, 0, p.a, p.n);
        await page.keyboard.press("Enter");
        assert.equal(await cela(page, p.a).getAttribute("aria-selected"), "true");
        await page.keyboard.press("Escape");
        assert.equal(await cela(page, p.a).getAttribute("aria-selected"), null);
        await page.keyboard.press("Space");
        await frechas(page, p.a, p.b, p.n);
        await captura(page, "preguntas-sopa-teclado");
        await page.keyboard.press("Space");
        assert.equal(await page.mensaxe(), "Encontrada: LÚA");
        const q = await buscar(page, "MAR");
        await frechas(page, p.b, q.b, p.n);
        await page.keyboard.press("Enter");
        await frechas(page, q.b, q.a, p.n);
        await page.keyboard.press("Enter");
        assert.equal(await page.mensaxe(), "Ben!");
        assert.equal(await cela(page, q.a).getAttribute("data-cor"), null, "no colours without the option");

        // Questions in any order: both asked at once.
        await page.ir(8);
        await tabata(page, page.getByRole("textbox", {name: "Cor da neve?"}));
        await page.keyboard.type("Branca");
        await page.keyboard.press("Tab");
        await page.keyboard.type("verde");
        await page.keyboard.press("Enter");
        assert.equal(await page.mensaxe(), "Mal!");
        assert.equal(await page.getByRole("textbox", {name: "Cor da neve?"}).getAttribute("readonly"), "");
        await page.keyboard.press("Control+A");
        await page.keyboard.type("azul");
        await page.keyboard.press("Enter");
        assert.equal(await page.mensaxe(), "Ben!");

        // Fill in, writing and writing with help.
        await page.ir(9);
        await tabata(page, page.getByRole("textbox", {name: "Hueco 1"}));
        await page.keyboard.type("can");
        await page.keyboard.press("Enter");
        assert.equal(await page.mensaxe(), "1 / 2");
        // A right answer takes the focus on to the next box.
        await page.keyboard.type("lua");
        await page.keyboard.press("Enter");
        assert.equal(await page.mensaxe(), "Mal!");
        await page.keyboard.press("Control+A");
        await page.keyboard.type("lúa");
        await page.keyboard.press("Enter");
        assert.equal(await page.mensaxe(), "Ben!");
        await page.ir(10);
        assert.equal(await page.getByRole("textbox", {name: "Hueco 1"}).getAttribute("placeholder"), "g _ _ _");

        // Fill in by dragging: Enter picks a word up, Enter on a gap drops it.
        await page.ir(11);
        for (const [w, k] of [["sol", 0], ["can", 1], ["lúa", 2], ["can", 0], ["sol", 2], ["lúa", 1]]) {
            const ficha = page.locator(".zub-ficha", {hasText: w});
            await tabata(page, ficha);
            await page.keyboard.press("Enter");
            await tabata(page, page.locator(".zub-ocoarrastre").nth(k));
            await page.keyboard.press("Enter");
            if (w === "lúa" && k === 2) assert.equal(await page.mensaxe(), "Mal!");
        }
        assert.equal(await page.mensaxe(), "Ben!");

        // Secret word, exact, without its picture: the computer's keys press the letters.
        await page.ir(13);
        assert.equal(await page.locator(".zub-xogo img, .zub-corpo > .zub-imaxe").count(), 0);
        await tabata(page, page.getByRole("button", {name: "s", exact: true}));
        await page.keyboard.press("Enter");
        assert.equal(await page.mensaxe(), "Mal!");
        for (const k of ["S", "o", "l"]) await page.keyboard.press(k);
        assert.equal(await page.mensaxe(), "Ben!");

        // Sentences with pictures, written; the reading page is no activity.
        await page.ir(5);
        await tabata(page, page.getByRole("textbox", {name: "Frase 1"}));
        await page.keyboard.type("O sol quenta");
        await captura(page, "preguntas-frases-imaxes");
        await page.keyboard.press("Enter");
        assert.equal(await page.mensaxe(), "Ben!");
        await page.ir(6);
        assert.equal(await page.locator(".zub-visible").textContent(), "Bo día");
        assert.equal(await page.getByRole("textbox").count(), 0);

        // A dictation to copy: its text shown, no sound needed.
        await page.ir(16);
        assert.equal(await page.locator(".zub-textodictado").textContent(), "Copia isto.");
        await tabata(page, page.getByRole("textbox", {name: "Escribe lo que oyes"}));
        await page.keyboard.type("copia isto");
        await page.keyboard.press("Tab");
        await page.keyboard.press("Enter");
        assert.equal(await page.mensaxe(), "Ben!");
        assert.equal(await page.locator(".zub-correccion").isHidden(), true, "no corrections without the option");

        // Spelling with the keyboard: the offered letters typed.
        await page.ir(14);
        await tabata(page, page.getByRole("button", {name: "Hueco 1"}));
        await page.keyboard.press("h");
        await page.keyboard.press("b");
        assert.equal(await page.mensaxe(), "Ben!");
        assert.equal(await caixa.getAttribute("data-zub-resultado"), "ben");

        assert.deepEqual(xuizos(await page.zubsc()), [
            ["avben", 3], ["avmal", 8], ["avben", 8], ["avmal", 9], ["avben", 9], ["avmal", 11], ["avben", 11], ["avmal", 13],
            ["avben", 13], ["avben", 5], ["avben", 16], ["avben", 14]]);
        assert.deepEqual(page.erros, []);
        await page.context().close();
    });

    test("touch: a word search and a fill-in by tapping", async () => {
        const page = await abrir(web, {tactil: true, seed: 5});
        await page.ir(2);
        for (const w of ["CAN", "GATO", "SOL"]) {
            const p = await buscar(page, w);
            await cela(page, p.a).tap();
            await cela(page, p.b).tap();
        }
        assert.equal(await page.mensaxe(), "Ben!");
        await page.ir(11);
        for (const [w, k] of [["can", 0], ["lúa", 1], ["sol", 2]]) {
            await page.locator(".zub-ficha", {hasText: w}).tap();
            await page.locator(".zub-ocoarrastre").nth(k).tap();
        }
        assert.equal(await page.mensaxe(), "Ben!");
        assert.deepEqual(xuizos(await page.zubsc()), [["avben", 2], ["avben", 11]]);
        await captura(page, "preguntas-completar-tactil");
        assert.deepEqual(page.erros, []);
        await page.context().close();
    });

    test("odd values: each page shows, and plays or says why it is content only", async () => {
        const outra = exportar("preguntas-estranos");
        const page = await abrir(outra);
        const caixa = page.locator("#zub-paxina > .zub-paxinabox");
        const esperado = ["contido: sen palabras", "xogo", "contido: sen frases", "contido: sen respostas", "xogo",
                          "contido: sen palabra", "contido: sen letras", "xogo", "xogo", "xogo", "xogo"];
        for (let n = 1; n <= esperado.length; n++) {
            await page.ir(n);
            assert.equal(await caixa.getAttribute("data-zub-xogo"), esperado[n - 1], "page " + n);
        }
        assert.equal(await page.evaluate(() => ZUB.zub_dat("get", "total_activ")), 6);
        // Eight words of eleven letters fit; the author's filling is letters, never markup.
        await page.ir(2);
        assert.ok(await page.locator(".zub-cela").count() >= 121);
        assert.equal(await page.locator("#zub-paxina script").count(), 0);
        // Clues out of step with the words are listed, not paired.
        assert.deepEqual(await page.locator(".zub-sopalista li").allTextContents(), ["un", "tres"]);
        // An unknown mode writes.
        await page.ir(5);
        await page.getByRole("textbox", {name: "Hueco 1"}).fill("can");
        await page.getByRole("button", {name: "Comprobar"}).click();
        assert.equal(await page.mensaxe(), "Ben!");
        // A long dictation compares in one go.
        await page.ir(8);
        const texto = Array.from({length: 1500}, (x, i) => "palabra" + i).join(" ");
        await page.getByRole("textbox", {name: "Escribe lo que oyes"}).fill(texto);
        await page.getByRole("button", {name: "Comprobar"}).click();
        assert.equal(await page.mensaxe(), "Ben!");
        // No answer is right: checking with none ticked is.
        await page.ir(9);
        await page.getByRole("checkbox", {name: "a"}).click();
        await page.getByRole("button", {name: "Comprobar"}).click();
        assert.equal(await page.mensaxe(), "Mal!");
        await page.getByRole("checkbox", {name: "a"}).click();
        await page.getByRole("button", {name: "Comprobar"}).click();
        assert.equal(await page.mensaxe(), "Ben!");
        // Picture clues: a found word ticks its picture.
        await page.ir(10);
        assert.deepEqual(await page.locator(".zub-sopalista img").evaluateAll((v) => v.map((i) => i.alt)),
                         ["Pistas 1", "Pistas 2"]);
        const p = await buscar(page, "MAR");
        await arrastrar(page, p.a, p.b);
        assert.equal(await page.locator(".zub-sopalista li.zub-atopado img").getAttribute("alt"), "Pistas 2");
        await captura(page, "preguntas-sopa-debuxos");
        // One answer for two questions: whose it is is unknown, so either box takes it.
        await page.ir(11);
        await page.getByRole("textbox", {name: "Segunda?"}).fill("dúas");
        await page.getByRole("button", {name: "Comprobar"}).click();
        assert.equal(await page.mensaxe(), "Ben!");
        assert.equal(await page.getByRole("textbox", {name: "Primeira?"}).getAttribute("readonly"), "");
        assert.deepEqual(page.erros, []);
        await page.context().close();
    });
});
