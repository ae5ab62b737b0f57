// What the player's browser tests share: exporting a test book with the program's own export
// (tests/player/libros/NAME.json through the libroproba tool), headless Chromium through
// playwright-core, the zub_sc calls a page makes, and screenshots kept in the build folder.
"use strict";
const fs = require("fs");
const path = require("path");
const http = require("http");
const {execFileSync} = require("child_process");
const {test, before, after} = require("node:test");

const fonte = process.env.QUIBEL_SOURCE_DIR || path.join(__dirname, "..", "..", "..");
const build = process.env.QUIBEL_BUILD || path.join(fonte, "build");
const libroproba = process.env.QUIBEL_LIBROPROBA || path.join(build, "tests", "libroproba");
const npm = path.join(fonte, ".cache", "npm");
const artefactos = path.join(build, "tests", "artefactos", "player");
const CHROMIUM = ["/usr/bin/chromium", "/usr/bin/chromium-browser"].find((f) => fs.existsSync(f));

function playwright() {
    try {
        return require(path.join(npm, "playwright-core"));
    } catch (e) {
        return null;
    }
}

// Why the browser tests cannot run here, or "".
function falta() {
    if (!CHROMIUM) return "chromium is not installed (scripts/setup.sh installs it)";
    if (!playwright()) return "playwright-core is missing in .cache/npm (scripts/setup.sh fetches it)";
    if (!fs.existsSync(libroproba)) return "the libroproba tool is not built";
    return "";
}

// Exports tests/player/libros/NAME.json; returns the folder of the export (web/libro.html,
// web/recursos/, web/libro.zip with "scorm").
function exportar(nome) {
    const destino = path.join(build, "tests", "player", nome);
    execFileSync(libroproba, [path.join(fonte, "tests", "player", "libros", nome + ".json"), destino, fonte],
                 {stdio: ["ignore", "pipe", "inherit"]});
    return path.join(destino, "web");
}

// Exports a book given as an object of the same form, written beside the export.
function exportarobxecto(nome, libro) {
    const destino = path.join(build, "tests", "player", nome);
    fs.mkdirSync(path.dirname(destino), {recursive: true});
    const json = destino + ".json";
    fs.writeFileSync(json, JSON.stringify(libro));
    execFileSync(libroproba, [json, destino, fonte], {stdio: ["ignore", "pipe", "inherit"]});
    return path.join(destino, "web");
}

// One browser per test file.
let navegador = null;
async function abrirnavegador() {
    if (!navegador)
        navegador = await playwright().chromium.launch({
            executablePath: CHROMIUM,
            headless: true,
            args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--disable-component-update",
                   "--disable-sync", "--no-first-run", "--autoplay-policy=no-user-gesture-required"],
        });
    return navegador;
}
async function pechar() {
    if (navegador) await navegador.close();
    navegador = null;
}

// Opens the exported book at web/libro.html with a seed; page.zubsc() gives the zub_sc calls so
// far as [variable, value] pairs. Waits until the player is ready.
async function abrir(web, opcions = {}) {
    const b = await abrirnavegador();
    const contexto = await b.newContext({viewport: opcions.viewport || {width: 1000, height: 800},
                                         hasTouch: !!opcions.tactil,
                                         reducedMotion: "reduce"});
    const page = await contexto.newPage();
    const erros = [];
    page.on("pageerror", (e) => erros.push(String(e)));
    if (!opcions.scorm)
        await page.addInitScript(() => {
            window.__zubsc = [];
            window.zub_sc = (v, n) => window.__zubsc.push([v, n]);
        });
    const url = "file://" + path.join(web, "libro.html") + "#seed=" + (opcions.seed === undefined ? 7 : opcions.seed);
    await page.goto(url);
    await page.waitForFunction(() => /^(ok|erro)/.test(document.documentElement.getAttribute("data-zub-estado") || ""));
    page.zubsc = () => page.evaluate(() => window.__zubsc.slice());
    page.erros = erros;
    page.estado = () => page.evaluate(() => document.documentElement.getAttribute("data-zub-estado"));
    // Jumps to the page object at position n (1-based) and returns its box.
    page.ir = async (n) => {
        await page.evaluate((n) => ZUB.salto(String(n)), n);
        return page.locator("#zub-paxina > .zub-paxinabox");
    };
    page.mensaxe = () => page.locator("#zub-paxina .zub-mensaxe").textContent();
    return page;
}

async function captura(page, nome) {
    fs.mkdirSync(artefactos, {recursive: true});
    await page.screenshot({path: path.join(artefactos, nome + ".png"), fullPage: true});
}

// A static file server on a free port of 127.0.0.1 for the SCORM run-time's host pages.
function servidor(raiz) {
    const tipos = {".html": "text/html; charset=utf-8", ".js": "text/javascript", ".css": "text/css",
                   ".png": "image/png", ".wav": "audio/wav", ".xml": "text/xml"};
    return new Promise((resolver) => {
        const s = http.createServer((q, r) => {
            const f = path.join(raiz, decodeURIComponent(q.url.split("?")[0].split("#")[0]));
            if (!f.startsWith(raiz)) {
                r.writeHead(403);
                r.end();
                return;
            }
            fs.readFile(f, (erro, datos) => {
                if (erro) {
                    r.writeHead(404);
                    r.end();
                    return;
                }
                r.writeHead(200, {"Content-Type": tipos[path.extname(f)] || "application/octet-stream"});
                r.end(datos);
            });
        });
        s.listen(0, "127.0.0.1", () => resolver(s));
    });
}

// describe-like: the tests of a file, skipped with one clear line where the browser is missing.
function probas(nome, corpo) {
    const motivo = falta();
    if (motivo) {
        console.log("QUIBEL-SKIP " + motivo);
        test(nome, {skip: "QUIBEL-SKIP " + motivo}, () => {});
        return;
    }
    after(pechar);
    corpo();
}

module.exports = {exportar, exportarobxecto, abrir, captura, servidor, probas, npm, fonte, build, artefactos};
