// Quibel's HTML5 player. It reads the book's configuration and its page objects from the JSON
// script elements of the page, and the HTML panels from its template elements, and shows one page
// at a time with the book's frame, the menu and the navigation.
//
// This file is the core: reading, the frame, navigation, judging and reporting, and the services
// the page modules build on. The modules of the page types live in the family files beside this
// one, which the core loads itself (a template that names only zub.js keeps working). Each family
// file registers its modules with ZUBP.rexistrar(type, module).
//
// A status for tests and for whoever embeds the book: data-zub-estado on the root element
// ("ok N" once every family file has loaded and the first page is shown, or "erro: ..."),
// data-zub-imx ("loaded/total" for the pictures of the page shown), and on each page's box
// data-zub-xogo: "xogo" where the page plays, "contido" where it is shown as content only, with
// the reason after a colon.
(function(global) {
"use strict";

var ZUBP = global.ZUBP = global.ZUBP || {};
// A template that names the player twice still gets one player.
if (ZUBP.nucleo) return;
ZUBP.nucleo = true;

// --- the player's own texts -----------------------------------------------------------------

// The player languages as the description names them; Asturian and Valencian arrive under the
// codes of the player's numbers 6 and 7.
var IDIOMAS = {ESP : 1, GAL : 1, CAT : 1, EUS : 1, POR : 1, ENG : 1, AST : 1, VAL : 1};
var ALIAS = {FRA : "AST", ITA : "VAL"};
var TEXTOS = {
    ESP : {comprobar : "Comprobar", outravez : "Intentar de nuevo", solucion : "Solución", ben : "¡Correcto!",
           mal : "Incorrecto", atras : "Página anterior", diante : "Página siguiente", final : "Final",
           axuda : "Ayuda", contador : "{0} / {1}", escoitar : "Escuchar", pechar : "Cerrar",
           collida : "Seleccionado: {0}", posta : "Colocado en {0}", volta : "Devuelto",
           bandexa : "Piezas", aberta : "Página {0} de {1}", resolta : "Resuelta"},
    GAL : {comprobar : "Comprobar", outravez : "Intentar de novo", solucion : "Solución", ben : "Correcto!",
           mal : "Incorrecto", atras : "Páxina anterior", diante : "Páxina seguinte", final : "Final",
           axuda : "Axuda", contador : "{0} / {1}", escoitar : "Escoitar", pechar : "Pechar",
           collida : "Seleccionado: {0}", posta : "Colocado en {0}", volta : "Devolto",
           bandexa : "Pezas", aberta : "Páxina {0} de {1}", resolta : "Resolta"},
    CAT : {comprobar : "Comprova", outravez : "Torna-ho a provar", solucion : "Solució", ben : "Correcte!",
           mal : "Incorrecte", atras : "Pàgina anterior", diante : "Pàgina següent", final : "Final",
           axuda : "Ajuda", contador : "{0} / {1}", escoitar : "Escolta", pechar : "Tanca",
           collida : "Seleccionat: {0}", posta : "Col·locat a {0}", volta : "Retornat",
           bandexa : "Peces", aberta : "Pàgina {0} de {1}", resolta : "Resolta"},
    EUS : {comprobar : "Egiaztatu", outravez : "Saiatu berriro", solucion : "Soluzioa", ben : "Zuzena!",
           mal : "Okerra", atras : "Aurreko orria", diante : "Hurrengo orria", final : "Amaiera",
           axuda : "Laguntza", contador : "{0} / {1}", escoitar : "Entzun", pechar : "Itxi",
           collida : "Hautatua: {0}", posta : "Hemen jarria: {0}", volta : "Itzulia",
           bandexa : "Piezak", aberta : "{0}. orria, {1} guztira", resolta : "Ebatzia"},
    POR : {comprobar : "Verificar", outravez : "Tentar de novo", solucion : "Solução", ben : "Correto!",
           mal : "Incorreto", atras : "Página anterior", diante : "Página seguinte", final : "Fim",
           axuda : "Ajuda", contador : "{0} / {1}", escoitar : "Ouvir", pechar : "Fechar",
           collida : "Selecionado: {0}", posta : "Colocado em {0}", volta : "Devolvido",
           bandexa : "Peças", aberta : "Página {0} de {1}", resolta : "Resolvida"},
    ENG : {comprobar : "Check", outravez : "Try again", solucion : "Solution", ben : "Right!",
           mal : "Wrong", atras : "Previous page", diante : "Next page", final : "End",
           axuda : "Help", contador : "{0} / {1}", escoitar : "Listen", pechar : "Close",
           collida : "Picked up: {0}", posta : "Placed on {0}", volta : "Put back",
           bandexa : "Pieces", aberta : "Page {0} of {1}", resolta : "Solved"},
    AST : {comprobar : "Comprobar", outravez : "Intentalo otra vegada", solucion : "Solución", ben : "¡Correutu!",
           mal : "Incorreutu", atras : "Páxina anterior", diante : "Páxina siguiente", final : "Final",
           axuda : "Ayuda", contador : "{0} / {1}", escoitar : "Escuchar", pechar : "Zarrar",
           collida : "Seleicionáu: {0}", posta : "Asitiáu en {0}", volta : "Devueltu",
           bandexa : "Pieces", aberta : "Páxina {0} de {1}", resolta : "Resuelta"},
    VAL : {comprobar : "Comprova", outravez : "Torna a intentar-ho", solucion : "Solució", ben : "Correcte!",
           mal : "Incorrecte", atras : "Pàgina anterior", diante : "Pàgina següent", final : "Final",
           axuda : "Ajuda", contador : "{0} / {1}", escoitar : "Escolta", pechar : "Tanca",
           collida : "Seleccionat: {0}", posta : "Col·locat en {0}", volta : "Retornat",
           bandexa : "Peces", aberta : "Pàgina {0} de {1}", resolta : "Resolta"}
};
var idioma = "ESP";

function codigoidioma(v) {
    var c = String(v || "").trim().toUpperCase();
    c = ALIAS[c] || c;
    return IDIOMAS[c] ? c : "ESP";
}
// A family file adds its own words: ZUBP.textos({ESP: {...}, GAL: {...}, ...}).
ZUBP.textos = function(engadidos) {
    for (var l in engadidos) {
        if (!TEXTOS[l]) continue;
        for (var k in engadidos[l])
            TEXTOS[l][k] = engadidos[l][k];
    }
};
// A text of the player in the book's language, with {0}, {1}... filled in; a word a language
// lacks falls back to Spanish, then to the key itself.
function t(clave) {
    var s = (TEXTOS[idioma] && TEXTOS[idioma][clave]) || TEXTOS.ESP[clave] || clave;
    var args = arguments;
    return s.replace(/\{(\d)\}/g, function(m, i) {
        var v = args[+i + 1];
        return v === undefined ? m : String(v);
    });
}
ZUBP.t = t;
ZUBP.idioma = function(v) {
    if (v !== undefined) idioma = codigoidioma(v);
    return idioma;
};

// --- texts, comparison and numbers ----------------------------------------------------------

// The book's plain texts keep apostrophes as "&#39;" and line breaks as "<br>"; other entities
// may come from the author's own typing.
var ENTIDADES = {amp : "&", lt : "<", gt : ">", quot : "\"", apos : "'", nbsp : "\u00a0"};
function dec(v) {
    return String(v === undefined || v === null ? "" : v)
        .replace(/<br\s*\/?>/gi, "\n")
        .replace(/&(#x[0-9a-f]+|#\d+|[a-z]+);/gi, function(m, e) {
            if (e.charAt(0) === "#") {
                var n = e.charAt(1) === "x" || e.charAt(1) === "X" ? parseInt(e.slice(2), 16) : parseInt(e.slice(1), 10);
                return n > 0 && n <= 0x10ffff ? String.fromCodePoint(n) : m;
            }
            var x = ENTIDADES[e.toLowerCase()];
            return x === undefined ? m : x;
        });
}
ZUBP.dec = dec;

// What two answers are compared on: the decoded text in NFC, trimmed, inner blanks collapsed, and
// case folded unless exact. Accents count (they change words in the book's languages) unless the
// module asks to fold them; with exact, case and accents count and only blanks are collapsed.
function normalizar(v, opcions) {
    var o = opcions || {};
    var s = dec(v);
    if (s.normalize) s = s.normalize("NFC");
    s = s.replace(/[\s\u00a0]+/g, " ").trim();
    if (o.puntuacion === false) s = s.replace(/[.,;:!?¡¿"«»()]/g, "").replace(/ +/g, " ").trim();
    if (!o.exacto) s = s.toLocaleLowerCase();
    if (o.acentos === false && s.normalize) s = s.normalize("NFD").replace(/[\u0300-\u036f]/g, "").normalize("NFC");
    return s;
}
function compara(a, b, opcions) { return normalizar(a, opcions) === normalizar(b, opcions); }
ZUBP.normalizar = normalizar;
ZUBP.compara = compara;

// A whole number from a value of the description, or the fallback where it is none; the range
// keeps absurd values out of loops and layouts.
function enteiro(v, defecto, min, max) {
    var n = parseInt(String(v === undefined || v === null ? "" : v).trim(), 10);
    if (isNaN(n)) n = defecto;
    if (min !== undefined && n < min) n = min;
    if (max !== undefined && n > max) n = max;
    return n;
}
ZUBP.enteiro = enteiro;

function lista(v) {
    if (v === undefined || v === null || v === "") return [];
    return Array.isArray(v) ? v : [ v ];
}
// An element list, a single element or an array, as an array.
function coleccion(v) {
    if (v === undefined || v === null) return [];
    if (Array.isArray(v)) return v.slice();
    if (typeof v.length === "number" && typeof v !== "string" && !v.nodeType) return Array.prototype.slice.call(v);
    return [ v ];
}
ZUBP.coleccion = coleccion;
function partes(item) { return String(item === undefined || item === null ? "" : item).split("||"); }
ZUBP.lista = lista;
ZUBP.partes = partes;
// Characters, not UTF-16 units: a letter beyond the Basic Multilingual Plane is one.
ZUBP.caracteres = function(v) { return Array.from(String(v === undefined || v === null ? "" : v)); };

// --- randomness -----------------------------------------------------------------------------

// One seedable source for everything the player draws: a seed from the page address's fragment
// (#seed=N) makes every showing the same, for tests; without it each showing differs.
function xerador(semente) {
    var a = semente >>> 0;
    function seguinte() {
        a = (a + 0x6d2b79f5) >>> 0;
        var x = a;
        x = Math.imul(x ^ (x >>> 15), x | 1);
        x ^= x + Math.imul(x ^ (x >>> 7), x | 61);
        return ((x ^ (x >>> 14)) >>> 0) / 4294967296;
    }
    var g = {
        seguinte : seguinte,
        // A whole number from min to max, both included.
        enteiro : function(min, max) { return min + Math.floor(seguinte() * (max - min + 1)); },
        // A shuffled copy.
        barallar : function(v) {
            var c = Array.prototype.slice.call(v);
            for (var i = c.length - 1; i > 0; i--) {
                var j = Math.floor(seguinte() * (i + 1));
                var x = c[i];
                c[i] = c[j];
                c[j] = x;
            }
            return c;
        },
        // A shuffled copy that differs from the original order wherever the items allow it.
        desordenar : function(v) {
            var c = g.barallar(v);
            var igual = function() {
                for (var i = 0; i < c.length; i++)
                    if (c[i] !== v[i]) return false;
                return true;
            };
            for (var k = 0; k < 8 && c.length > 1 && igual(); k++)
                c = g.barallar(v);
            if (igual() && c.length > 1) c.push(c.shift());
            return c;
        },
        escoller : function(v) { return v.length ? v[Math.floor(seguinte() * v.length)] : undefined; }
    };
    return g;
}
ZUBP.xerador = xerador;
function sementeenderezo() {
    var m = /[#&]seed=(\d+)/.exec(String((global.location && global.location.hash) || ""));
    return m ? parseInt(m[1], 10) : null;
}
function mesturar(s, n) {
    var x = (s ^ Math.imul(n + 1, 0x9e3779b1)) >>> 0;
    return x;
}

// --- the registry of page modules -----------------------------------------------------------

// type -> [module]; a module is {cando(p): whether this module plays the page (absent: always),
// actividade(p): whether the page is judged, construir(p, caixa, s): builds it, and may return a
// text to show the page as content with that reason; copanel: the page's HTML panel already
// holds its picture; imaxe: false where the module shows the page picture itself}.
var MODULOS = {};
var CONTIDO = {};
// A module knows the family file it came from: the page shown carries "zub-familia-<name>", which
// each family's style sheet holds its rules to.
ZUBP.rexistrar = function(tipo, modulo) {
    var orixe = typeof document !== "undefined" && document.currentScript && document.currentScript.src;
    var m = orixe && /zub-([a-z0-9]+)\.js(?:[?#].*)?$/i.exec(orixe);
    if (m && !modulo.familia) modulo.familia = m[1].toLowerCase();
    (MODULOS[tipo] = MODULOS[tipo] || []).push(modulo);
};
// What a page shows where no module plays it: its content, as readable as it is.
ZUBP.contido = function(tipo, funcion) { CONTIDO[tipo] = funcion; };
function modulo(p) {
    var ms = MODULOS[p.type] || [];
    for (var i = 0; i < ms.length; i++)
        if (!ms[i].cando || ms[i].cando(p)) return ms[i];
    return null;
}
ZUBP.modulo = modulo;
function eactividade(p) {
    var m = p && p.type ? modulo(p) : null;
    if (!m) return false;
    return typeof m.actividade === "function" ? !!m.actividade(p) : !!m.actividade;
}
ZUBP.eactividade = eactividade;

// Without a page (under node --test) the pure parts above are all there is.
if (typeof document === "undefined") return;

var raiz = document.documentElement;
function estado(texto) { raiz.setAttribute("data-zub-estado", texto); }
// The template installs the same handler before anything else loads; a template of the
// author's may not.
if (!global.onerror) {
    global.onerror = function(mensaxe) { estado("erro: " + mensaxe); };
}

// --- addresses and elements -----------------------------------------------------------------

// Addresses are used as the description writes them: relative to the page, or with a scheme;
// a script address from a book is never followed.
function enderezo(v) {
    var e = dec(v).trim();
    return /^(javascript|vbscript|data):/i.test(e.replace(/[\s\u0000-\u001f]/g, "")) ? "" : e;
}
function extension(v) {
    var m = /\.([a-z0-9]+)(?:[?#].*)?$/i.exec(String(v || ""));
    return m ? m[1].toLowerCase() : "";
}
var EXTIMAXE = {gif : 1, jpg : 1, jpeg : 1, png : 1, webp : 1, svg : 1, bmp : 1};
var EXTSON = {mp3 : 1, ogg : 1, acc : 1, aac : 1, wav : 1, m4a : 1, oga : 1};
var EXTVIDEO = {mp4 : 1, webm : 1, wbm : 1, ogv : 1, flv : 1};
function eimaxe(v) { return !!EXTIMAXE[extension(v)]; }
function eson(v) { return !!EXTSON[extension(v)]; }
function evideo(v) { return !!EXTVIDEO[extension(v)]; }

function el(etiqueta, clase, contido) {
    var e = document.createElement(etiqueta);
    if (clase) e.className = clase;
    if (contido !== undefined && contido !== null && contido !== "") {
        if (typeof contido === "string" || typeof contido === "number") {
            e.textContent = dec(contido);
            if (e.textContent.indexOf("\n") >= 0) e.style.whiteSpace = "pre-line";
        } else
            e.appendChild(contido);
    }
    return e;
}

// The author's rich text, without anything that could run: no scripts, frames, objects or
// forms, no event attributes, no script addresses. Parsed in a template, so nothing loads or
// runs while it is cleaned.
var PROHIBIDOS = {SCRIPT : 1, STYLE : 1, IFRAME : 1, FRAME : 1, FRAMESET : 1, OBJECT : 1, EMBED : 1, APPLET : 1,
                  LINK : 1, META : 1, BASE : 1, FORM : 1, NOSCRIPT : 1, TEMPLATE : 1};
function limpar(raizlimpa) {
    var todos = raizlimpa.querySelectorAll("*");
    for (var i = todos.length - 1; i >= 0; i--) {
        var n = todos[i];
        if (PROHIBIDOS[n.tagName.toUpperCase()]) {
            if (n.parentNode) n.parentNode.removeChild(n);
            continue;
        }
        for (var a = n.attributes.length - 1; a >= 0; a--) {
            var at = n.attributes[a];
            var nome = at.name.toLowerCase();
            var v = at.value.replace(/[\s\u0000-\u001f]/g, "");
            if (nome.indexOf("on") === 0 || nome === "srcdoc" || nome === "formaction")
                n.removeAttribute(at.name);
            else if (/^(href|src|action|xlink:href|data|poster|background)$/.test(nome) &&
                     /^(javascript|vbscript|data:text)/i.test(v)) {
                // The book's own jumps: javascript:ZUB.salto('target') becomes a plain click.
                var m = /^javascript:ZUB\.salto\((['"])(.*)\1\);?$/i.exec(at.value.trim());
                n.removeAttribute(at.name);
                // A link keeps an address, so that it stays reachable with Tab, and does nothing
                // more than its own jump.
                if (nome === "href") {
                    n.setAttribute("href", "#");
                    n.setAttribute("data-zub-salto", m ? m[2] : "");
                }
            }
        }
    }
    var saltos = raizlimpa.querySelectorAll("[data-zub-salto]");
    for (var s = 0; s < saltos.length; s++)
        saltos[s].addEventListener("click", function(ev) {
            ev.preventDefault();
            var destino = ev.currentTarget.getAttribute("data-zub-salto");
            if (destino) ZUB.salto(destino);
        });
    return raizlimpa;
}
function fragmento(v) {
    var tp = document.createElement("template");
    tp.innerHTML = String(v === undefined || v === null ? "" : v);
    return limpar(tp.content);
}
function html(clase, v) {
    var e = el("div", clase);
    e.appendChild(fragmento(v));
    return e;
}
// A picture that does not load keeps its place and shows its alternative text.
function imaxe(src, alt, clase) {
    var i = el("img", clase || "zub-imx");
    i.alt = dec(alt || "");
    if (alt) i.title = dec(alt);
    i.draggable = false;
    i.addEventListener("error", function() { i.classList.add("zub-imxerro"); });
    i.src = enderezo(src);
    return i;
}
function son(src, automatico) {
    var a = el("audio", "zub-son");
    a.controls = true;
    a.preload = "none";
    a.src = enderezo(src);
    if (automatico) a.autoplay = true;
    return a;
}
function video(src) {
    var v = el("video", "zub-video");
    v.controls = true;
    v.preload = "metadata";
    v.src = enderezo(src);
    return v;
}
// A value as what it is: a picture, a sound, a video or a text.
function medio(v) {
    if (eimaxe(v)) return imaxe(v);
    if (eson(v)) return son(v);
    if (evideo(v)) return video(v);
    return el("span", "zub-texto", v);
}
function cor(v) { return /^[0-9a-f]{6}$/i.test(String(v || "")) ? "#" + v : ""; }
function boton(rotulo, accion, clase) {
    var b = el("button", "zub-botonxogo" + (clase ? " " + clase : ""), rotulo);
    b.type = "button";
    if (accion) b.addEventListener("click", accion);
    return b;
}
function ligazon(rotulo, destino) {
    var a = el("a", "zub-liga", rotulo || destino);
    a.href = "#";
    a.addEventListener("click", function(ev) {
        ev.preventDefault();
        ZUB.salto(destino);
    });
    return a;
}
// A short sound, played once; one that cannot play is no failure.
var soando = null;
function tocar(src) {
    var e = enderezo(src);
    if (!e) return null;
    try {
        if (soando) soando.pause();
        soando = new Audio(e);
        var r = soando.play();
        if (r && r.catch) r.catch(function() {});
    } catch (err) {
        soando = null;
    }
    return soando;
}
// A button that plays a sound.
function botonson(src, rotulo) {
    // A note every font has (a loudspeaker sign is missing from many).
    var b = boton(rotulo || "♪", function() { tocar(src); }, "zub-botonson");
    b.setAttribute("aria-label", t("escoitar") + (rotulo ? ": " + dec(rotulo) : ""));
    return b;
}

// --- live region ----------------------------------------------------------------------------

var voz = null;
function anunciar(texto) {
    if (!voz) return;
    voz.textContent = "";
    // A change after the empty text makes screen readers say the same words twice in a row.
    global.setTimeout(function() { voz.textContent = dec(texto); }, 30);
}

// --- input: pick up and drop, grids ---------------------------------------------------------

var reducido = !!(global.matchMedia && global.matchMedia("(prefers-reduced-motion: reduce)").matches);

// Drag and drop for pieces onto targets, the same with a mouse, with touch (pointer events),
// by tapping a piece then a target, and with the keyboard (Tab to a piece, Enter or Space picks
// it up, Tab to a target, Enter or Space drops it there, Escape puts it back).
//   o.pezas: elements that move; o.destinos: elements (or a function giving them) to drop on;
//   o.soltar(peza, destino): the module decides (places the piece, judges...), returns false to
//   refuse; o.bandexa: where a piece goes back to (a target too, if given); o.nome(el): the
//   spoken name of a piece or target (else its text or alternative text).
// Returns {engadir(peza), destinos(), soltar(peza, destino), cancelar(), desactivar()}.
function arrastre(o) {
    var collida = null;
    var activo = true;
    var pezas = [];
    var retiradas = []; // pieces placed for good: they no longer move
    function destinos() {
        var d = coleccion(typeof o.destinos === "function" ? o.destinos() : o.destinos);
        if (o.bandexa) d.push(o.bandexa);
        return d;
    }
    function nome(e) {
        if (o.nome) return o.nome(e);
        var n = e.getAttribute("aria-label") || e.textContent.trim();
        if (!n) {
            var im = e.querySelector("img");
            n = im ? im.alt : "";
        }
        return n;
    }
    function marcar() {
        destinos().forEach(function(d) {
            if (!d.hasAttribute("tabindex")) d.tabIndex = 0;
            if (!d.getAttribute("role")) d.setAttribute("role", "button");
            d.classList.toggle("zub-destinoactivo", !!collida);
        });
    }
    function coller(p) {
        if (!activo || retiradas.indexOf(p) >= 0) return;
        if (collida) collida.classList.remove("zub-collida");
        collida = p;
        p.classList.add("zub-collida");
        p.setAttribute("aria-pressed", "true");
        marcar();
        anunciar(t("collida", nome(p)));
    }
    function cancelar() {
        if (!collida) return;
        collida.classList.remove("zub-collida");
        collida.setAttribute("aria-pressed", "false");
        collida = null;
        marcar();
    }
    // punto: where on the screen a dragged piece was let go (absent for taps and keys).
    function soltar(p, d, punto) {
        if (!activo || retiradas.indexOf(p) >= 0) return false;
        var feito;
        if (d === o.bandexa && o.bandexa) {
            o.bandexa.appendChild(p);
            feito = o.devolver ? o.devolver(p) !== false : true;
            if (feito) anunciar(t("volta"));
        } else {
            feito = o.soltar(p, d, punto) !== false;
            if (feito) anunciar(t("posta", nome(d)));
        }
        if (collida === p) cancelar();
        return feito;
    }
    // The target a piece is, or stands in (a piece in hand dropped on a placed piece goes to
    // that piece's target); the tray is no target for this.
    function destinode(p) {
        var ds = destinos();
        if (ds.indexOf(p) >= 0) return p;
        for (var i = 0; i < ds.length; i++)
            if (ds[i] !== o.bandexa && ds[i].contains(p)) return ds[i];
        return null;
    }
    function destinoen(x, y, p) {
        var vello = p.style.visibility;
        p.style.visibility = "hidden";
        var e = document.elementFromPoint(x, y);
        p.style.visibility = vello;
        var ds = destinos();
        while (e) {
            if (ds.indexOf(e) >= 0) return e;
            e = e.parentNode;
        }
        return null;
    }
    function engadir(p) {
        pezas.push(p);
        p.classList.add("zub-peza");
        if (!p.hasAttribute("tabindex")) p.tabIndex = 0;
        p.setAttribute("role", "button");
        p.setAttribute("aria-pressed", "false");
        if (!p.getAttribute("aria-label")) p.setAttribute("aria-label", nome(p));
        p.addEventListener("keydown", function(ev) {
            if (ev.key === "Enter" || ev.key === " ") {
                ev.preventDefault();
                ev.stopPropagation();
                if (collida === p)
                    cancelar();
                else if (collida && destinode(p))
                    soltar(collida, destinode(p));
                else
                    coller(p);
            } else if (ev.key === "Escape") {
                // Escape puts a piece back: out of the hand, or from its target into the tray.
                if (collida !== p && o.bandexa && !o.bandexa.contains(p))
                    soltar(p, o.bandexa);
                else
                    cancelar();
            }
        });
        var inicio = null, movido = false, dx = 0, dy = 0, k = 1;
        p.addEventListener("pointerdown", function(ev) {
            if (!activo || retiradas.indexOf(p) >= 0 || (ev.button !== undefined && ev.button !== 0)) return;
            inicio = {x : ev.clientX, y : ev.clientY};
            movido = false;
            // Inside a scaled design area the piece moves by the area's pixels.
            k = p.offsetWidth ? p.getBoundingClientRect().width / p.offsetWidth || 1 : 1;
            try {
                p.setPointerCapture(ev.pointerId);
            } catch (e) {
                /* capture is a comfort, not a need */
            }
            ev.preventDefault();
        });
        p.addEventListener("pointermove", function(ev) {
            if (!inicio) return;
            dx = ev.clientX - inicio.x;
            dy = ev.clientY - inicio.y;
            if (!movido && Math.abs(dx) + Math.abs(dy) < 6) return;
            movido = true;
            p.classList.add("zub-arrastrando");
            p.style.transform = "translate(" + dx / k + "px," + dy / k + "px)";
        });
        function fin(ev, cancelado) {
            if (!inicio) return;
            inicio = null;
            p.classList.remove("zub-arrastrando");
            p.style.transform = "";
            if (!movido) {
                // A tap: pick the piece up, or drop the piece in hand on this one where it is a target.
                if (collida && collida !== p && destinode(p))
                    soltar(collida, destinode(p));
                else if (collida === p)
                    cancelar();
                else
                    coller(p);
                return;
            }
            if (cancelado) return;
            var d = destinoen(ev.clientX, ev.clientY, p);
            if (d && d !== p) soltar(p, d, {x : ev.clientX, y : ev.clientY});
        }
        p.addEventListener("pointerup", function(ev) { fin(ev, false); });
        p.addEventListener("pointercancel", function(ev) { fin(ev, true); });
    }
    // Targets take a tap or Enter while a piece is held.
    var vistos = [];
    function escoitardestinos() {
        destinos().forEach(function(d) {
            if (vistos.indexOf(d) >= 0) return;
            vistos.push(d);
            d.addEventListener("click", function(ev) {
                if (!collida || ev.target.closest && pezas.indexOf(ev.target.closest(".zub-peza")) >= 0) return;
                soltar(collida, d);
            });
            d.addEventListener("keydown", function(ev) {
                if (ev.target !== d) return;
                if ((ev.key === "Enter" || ev.key === " ") && collida) {
                    ev.preventDefault();
                    soltar(collida, d);
                } else if (ev.key === "Escape")
                    cancelar();
            });
        });
    }
    coleccion(o.pezas).forEach(engadir);
    escoitardestinos();
    marcar();
    return {
        engadir : engadir,
        destinos : destinos,
        soltar : soltar,
        cancelar : cancelar,
        collida : function() { return collida; },
        // One piece placed for good (a right answer, say): it stays where it is.
        retirar : function(p) {
            if (collida === p) cancelar();
            retiradas.push(p);
            p.classList.add("zub-fixa");
            p.removeAttribute("aria-pressed");
        },
        // Targets made after the start.
        renovar : function() {
            escoitardestinos();
            marcar();
        },
        desactivar : function() {
            cancelar();
            activo = false;
            pezas.forEach(function(p) {
                p.classList.add("zub-fixa");
                p.removeAttribute("aria-pressed");
            });
            destinos().forEach(function(d) { d.classList.remove("zub-destinoactivo"); });
        }
    };
}

// A grid of cells, reached with one Tab and walked with the arrow keys (Home and End to the row's
// ends); Enter or Space activates a cell. o.columnas: cells per row; o.activar(cela, indice).
function grella(celas, o) {
    var cs = Array.prototype.slice.call(celas);
    var col = Math.max(1, o.columnas || 1);
    var actual = 0;
    function enfocar(i, mover) {
        if (i < 0 || i >= cs.length) return;
        cs[actual].tabIndex = -1;
        actual = i;
        cs[i].tabIndex = 0;
        if (mover) cs[i].focus();
        if (o.aoenfocar) o.aoenfocar(cs[i], i);
    }
    cs.forEach(function(c, i) {
        c.tabIndex = i === 0 ? 0 : -1;
        c.addEventListener("keydown", function(ev) {
            var k = ev.key, f = Math.floor(i / col);
            var destino = k === "ArrowRight"  ? i + 1
                          : k === "ArrowLeft" ? i - 1
                          : k === "ArrowDown" ? i + col
                          : k === "ArrowUp"   ? i - col
                          : k === "Home"      ? f * col
                          : k === "End"       ? Math.min(cs.length - 1, f * col + col - 1)
                                              : null;
            if (destino !== null) {
                ev.preventDefault();
                if (k === "ArrowRight" && i % col === col - 1) return;
                if (k === "ArrowLeft" && i % col === 0) return;
                enfocar(destino, true);
            } else if ((k === "Enter" || k === " ") && o.activar) {
                ev.preventDefault();
                o.activar(c, i, ev);
            }
        });
        c.addEventListener("focus", function() { enfocar(i, false); });
        if (o.activar) c.addEventListener("click", function(ev) { o.activar(c, i, ev); });
    });
    return {enfocar : enfocar, actual : function() { return actual; }};
}

// The design area of a page whose items stand at the editor's pixel positions: an inner box of
// the design size, scaled down to the width at hand. The positions inside are the stored ones;
// escala() converts a pointer's place on screen back into design pixels.
var LENZOS = [];
function lenzo(ancho, alto, clase) {
    var fora = el("div", "zub-lenzo" + (clase ? " " + clase : ""));
    // Never wider than the design itself.
    var dentro = el("div", "zub-lenzodentro");
    fora.appendChild(dentro);
    var escala = 1;
    function medida(w, h) {
        ancho = Math.max(1, w);
        alto = Math.max(1, h);
        dentro.style.width = ancho + "px";
        dentro.style.height = alto + "px";
        fora.style.maxWidth = ancho + "px";
    }
    medida(ancho, alto);
    function axustar() {
        var w = fora.clientWidth || (fora.parentNode && fora.parentNode.clientWidth) || ancho;
        escala = Math.min(1, w / ancho);
        dentro.style.transform = escala < 1 ? "scale(" + escala + ")" : "";
        fora.style.height = Math.ceil(alto * escala) + "px";
    }
    var l = {
        caixa : dentro,
        fora : fora,
        escala : function() { return escala; },
        axustar : axustar,
        // A new design size (once a picture that gives it has loaded, say).
        medida : function(w, h) {
            medida(w, h);
            axustar();
        },
        // A point of the screen in design pixels.
        punto : function(x, y) {
            var r = dentro.getBoundingClientRect();
            return {x : (x - r.left) / escala, y : (y - r.top) / escala};
        },
        colocar : function(e, x, y) {
            e.style.position = "absolute";
            e.style.left = x + "px";
            e.style.top = y + "px";
        }
    };
    LENZOS.push(l);
    return l;
}
global.addEventListener("resize", function() { LENZOS.forEach(function(l) { l.axustar(); }); });

// --- the description ------------------------------------------------------------------------

var conf = {};
var paxinas = []; // {p: properties, panel: template element or null, n: position among page objects}
var orde = [];    // the order pages are shown in (desordenar shuffles it)
var erros = [];

function ler() {
    var c = document.getElementById("zub-conf");
    if (c) {
        try {
            conf = JSON.parse(c.textContent) || {};
        } catch (e) {
            erros.push("configuración: " + e.message);
        }
    }
    idioma = codigoidioma(conf.idioma);
    var paneis = {};
    var ts = document.querySelectorAll("template.zub-panel");
    for (var i = 0; i < ts.length; i++)
        paneis[ts[i].getAttribute("data-panel")] = ts[i];
    var ss = document.querySelectorAll("script.zub-paxina");
    for (var j = 0; j < ss.length; j++) {
        var n = enteiro(ss[j].getAttribute("data-num"), j + 1, 1);
        var p = {};
        try {
            var o = JSON.parse(ss[j].textContent);
            p = (o && typeof o.properties === "object" && o.properties) || {};
        } catch (e) {
            // One broken page object loses that page's activity, not the book.
            erros.push("páxina " + n + ": " + e.message);
        }
        paxinas.push({p : p, panel : paneis[ss[j].getAttribute("data-panel")] || null, n : n});
    }
}

// --- state, judging and reporting -----------------------------------------------------------

var actual = -1;         // index into paxinas of the page shown
var usuario = "";
var resultado = {};      // page index -> true once a try was right, false while only wrong
var semente = null;

function avisar(variable, valor) {
    if (typeof global.zub_sc === "function") {
        try {
            global.zub_sc(variable, valor);
        } catch (e) {
            /* the host's own failure is not the book's */
        }
    }
}
function actividades() {
    var n = 0;
    for (var i = 0; i < paxinas.length; i++)
        if (eactividade(paxinas[i].p)) n++;
    return n;
}
function ben() {
    var n = 0;
    for (var k in resultado)
        if (resultado[k] === true) n++;
    return n;
}

// The services one page's module builds on.
function servizos(i, caixa, mensaxe) {
    var x = paxinas[i];
    var p = x.p;
    var aosair = [], aovolver = [], teclas = [], notas = [];
    var s = {
        p : p,
        n : x.n,
        conf : conf,
        t : t,
        dec : dec,
        normalizar : normalizar,
        compara : compara,
        enteiro : enteiro,
        lista : lista,
        partes : partes,
        caracteres : ZUBP.caracteres,
        azar : xerador(semente === null ? Math.floor(Math.random() * 4294967296) : mesturar(semente, x.n)),
        el : el,
        html : html,
        fragmento : fragmento,
        imaxe : imaxe,
        son : son,
        video : video,
        medio : medio,
        boton : boton,
        botonson : botonson,
        tocar : tocar,
        ligazon : ligazon,
        cor : cor,
        enderezo : enderezo,
        eimaxe : eimaxe,
        eson : eson,
        evideo : evideo,
        anunciar : anunciar,
        arrastre : arrastre,
        grella : grella,
        lenzo : lenzo,
        reducido : reducido,
        caixa : caixa,
        // A try: right or wrong. Every try is reported; the page counts right once a try was.
        // o.mensaxe: a text of the module's own to show instead of the page's or book's message.
        xulgar : function(correcta, o) {
            o = o || {};
            if (resultado[i] === true) return;
            resultado[i] = !!correcta;
            var texto = o.mensaxe !== undefined ? o.mensaxe
                        : correcta             ? p.mensaben || conf.ben || t("ben")
                                               : p.mensamal || conf.mal || t("mal");
            // A word of the module's own before the usual message ("Time is up.", say).
            if (o.prefixo) texto = o.prefixo + " " + texto;
            mostrarmensaxe(mensaxe, texto, correcta);
            avisar(correcta ? "avben" : "avmal", x.n);
            var sonido = correcta ? conf.sonben : conf.sonmal;
            if (sonido) tocar(sonido);
            caixa.classList.toggle("zub-resolta", !!correcta);
            caixa.classList.toggle("zub-fallada", !correcta);
            if (correcta) {
                caixa.setAttribute("data-zub-resultado", "ben");
                if (i === actual) navegacion();
            } else
                caixa.setAttribute("data-zub-resultado", "mal");
        },
        // true once answered right, false after wrong tries only, undefined before any.
        resultado : function() { return resultado[i]; },
        resolta : function() { return resultado[i] === true; },
        // What a page that plays left out (items it could not pair, say), after "xogo: " in its
        // status.
        nota : function(texto) {
            notas.push(String(texto));
            caixa.setAttribute("data-zub-xogo", "xogo: " + notas.join("; "));
        },
        // A remark of the module's own (a hint, a count) in the message line, not judged.
        mensaxe : function(texto, clase) { mostrarmensaxe(mensaxe, texto, clase); },
        aosair : function(f) { aosair.push(f); },
        // Keys pressed anywhere in the book while this page is shown (typing on the computer's
        // keyboard into an on-screen one, say); f(ev) may call ev.preventDefault().
        teclas : function(f) { teclas.push(f); },
        aovolver : function(f) { aovolver.push(f); },
        visible : function() { return actual === i; },
        // A timer in seconds that runs only while the page is shown; fin() when it is over.
        cronometro : function(segundos, fin, tic) {
            var resto = Math.max(0, segundos), id = null, parado = false;
            function paso() {
                if (parado) return;
                resto--;
                if (tic) tic(resto);
                if (resto <= 0) {
                    parar();
                    fin();
                }
            }
            function arrancar() {
                if (id === null && !parado && resto > 0) id = global.setInterval(paso, 1000);
            }
            function parar() {
                if (id !== null) global.clearInterval(id);
                id = null;
            }
            aosair.push(parar);
            aovolver.push(arrancar);
            if (actual === i) arrancar();
            return {
                parar : function() {
                    parado = true;
                    parar();
                },
                resto : function() { return resto; }
            };
        }
    };
    return {s : s, saida : aosair, volta : aovolver, teclas : teclas};
}

function mostrarmensaxe(m, texto, correcta) {
    m.textContent = dec(texto);
    m.className = "zub-mensaxe" + (texto ? (correcta === true ? " zub-ben" : correcta === false ? " zub-mal" : "") : "");
    if (cor(conf.cormensaxes) && typeof correcta === "boolean") m.style.color = cor(conf.cormensaxes);
    if (texto && typeof correcta === "boolean") anunciar(texto);
}

// --- building and showing a page ------------------------------------------------------------

var construidas = {}; // page index -> {caixa, saida, volta}

function contarimaxes() {
    var libro = document.getElementById("zub-libro");
    var imxs = libro ? libro.getElementsByTagName("img") : [];
    function conta() {
        var feitas = 0;
        for (var i = 0; i < imxs.length; i++)
            if (imxs[i].complete && imxs[i].naturalWidth > 0) feitas++;
        raiz.setAttribute("data-zub-imx", feitas + "/" + imxs.length);
    }
    for (var i = 0; i < imxs.length; i++) {
        if (imxs[i].zubcontada) continue;
        imxs[i].zubcontada = true;
        imxs[i].addEventListener("load", conta);
        imxs[i].addEventListener("error", conta);
    }
    conta();
}

function panel(x, p) {
    var d = el("div", "zub-panel");
    d.appendChild(limpar(document.importNode(x.panel.content, true)));
    // The menu page: each button opens its own box, one at a time; the first is open.
    var botons = d.querySelectorAll(".clmenu-bottab");
    for (var b = 0; b < botons.length; b++) {
        botons[b].setAttribute("role", "tab");
        botons[b].addEventListener("click", function(ev) {
            ev.preventDefault();
            var li = ev.currentTarget.parentNode;
            var abertos = d.querySelectorAll(".clmenu-aberto");
            for (var k = 0; k < abertos.length; k++)
                if (abertos[k] !== li) {
                    abertos[k].classList.remove("clmenu-aberto");
                    abertos[k].querySelector(".clmenu-bottab").setAttribute("aria-selected", "false");
                }
            li.classList.add("clmenu-aberto");
            ev.currentTarget.setAttribute("aria-selected", "true");
        });
    }
    if (botons.length) {
        botons[0].parentNode.classList.add("clmenu-aberto");
        botons[0].setAttribute("aria-selected", "true");
    }
    if (p.type !== "menu") {
        if (cor(p.cfondo)) d.style.backgroundColor = cor(p.cfondo);
        if (cor(p.ctexto)) d.style.color = cor(p.ctexto);
    }
    return d;
}

function construir(i) {
    var x = paxinas[i];
    var p = x.p;
    var m = p.type ? modulo(p) : null;
    var caixa = el("div", "zub-paxinabox zub-tipo-" + (p.type || "ningun"));
    caixa.zubfamilia = m && m.familia ? "zub-familia-" + m.familia : "";
    caixa.setAttribute("data-zub-n", x.n);
    var mensaxe = el("div", "zub-mensaxe");
    mensaxe.id = "zub-mensaxe-" + x.n;
    mensaxe.setAttribute("aria-live", "polite");
    var sv = servizos(i, caixa, mensaxe);
    if (p.txcabe) caixa.appendChild(el("div", "zub-cabe", p.txcabe));
    var corpo = el("div", "zub-corpo");
    caixa.appendChild(corpo);
    if (p.imaxe && !(m && (m.copanel || m.imaxe === false))) {
        // The page picture may be a video where the editor takes one.
        var im = evideo(p.imaxe) ? video(p.imaxe) : imaxe(p.imaxe, p.altim, "zub-imaxe");
        corpo.appendChild(im);
    }
    if (x.panel && x.panel.content.childNodes.length) corpo.appendChild(panel(x, p));
    var motivo = "";
    if (!p.type)
        motivo = "sen tipo";
    else if (!m)
        motivo = "tipo sen módulo: " + p.type;
    if (m) {
        var area = el("div", "zub-xogo");
        corpo.appendChild(area);
        try {
            var r = m.construir(p, area, sv.s);
            if (typeof r === "string" && r) {
                motivo = r;
                corpo.removeChild(area);
            }
        } catch (e) {
            motivo = "erro: " + e.message;
            if (area.parentNode) corpo.removeChild(area);
        }
    }
    if (motivo) {
        caixa.setAttribute("data-zub-xogo", "contido: " + motivo);
        var f = CONTIDO[p.type];
        if (f) {
            try {
                f(p, corpo, sv.s);
            } catch (e) {
                erros.push("páxina " + x.n + ": " + e.message);
            }
        }
    } else if (!caixa.hasAttribute("data-zub-xogo"))
        caixa.setAttribute("data-zub-xogo", "xogo");
    if (p.pxliga) {
        var q = partes(p.pxliga);
        corpo.appendChild(el("p", "zub-pxliga", ligazon(q[0], q[1])));
    }
    if (p.ison) corpo.appendChild(son(p.ison, p.autoson === "1"));
    if (p.txpe) caixa.appendChild(el("div", "zub-pe", p.txpe));
    caixa.appendChild(mensaxe);
    return {caixa : caixa, saida : sv.saida, volta : sv.volta, teclas : sv.teclas};
}

function amosar(i) {
    if (!paxinas.length) {
        contarimaxes();
        return;
    }
    i = Math.max(0, Math.min(paxinas.length - 1, i));
    var c = document.getElementById("zub-paxina");
    if (actual >= 0 && construidas[actual]) {
        var vella = construidas[actual];
        vella.saida.forEach(function(f) { f(); });
        var medios = vella.caixa.querySelectorAll("audio, video");
        for (var k = 0; k < medios.length; k++)
            medios[k].pause();
        if (soando) soando.pause();
    }
    actual = i;
    var x = paxinas[i];
    var nova = !construidas[i];
    if (nova) construidas[i] = construir(i);
    var b = construidas[i];
    c.innerHTML = "";
    c.className = "zub-tipo-" + (x.p.type || "ningun") + (b.caixa.zubfamilia ? " " + b.caixa.zubfamilia : "");
    c.setAttribute("data-zub-n", x.n);
    c.appendChild(b.caixa);
    LENZOS.forEach(function(l) {
        if (b.caixa.contains(l.fora)) l.axustar();
    });
    b.volta.forEach(function(f) { f(); });
    navegacion();
    contarimaxes();
    avisar("paxina", x.n);
    if (global.scrollTo) global.scrollTo(0, 0);
}

document.addEventListener("keydown", function(ev) {
    var b = construidas[actual];
    if (!b || ev.defaultPrevented) return;
    b.teclas.forEach(function(f) { f(ev); });
});

function posicion() { return orde.indexOf(actual); }

function navegacion() {
    var n = document.getElementById("zub-navega");
    if (!n) return;
    n.innerHTML = "";
    var p = paxinas[actual].p;
    var pos = posicion();
    var atras = el("button", "zub-atras", "◀");
    atras.type = "button";
    atras.setAttribute("aria-label", t("atras"));
    atras.disabled = pos <= 0 || p.ipasar === "1";
    atras.addEventListener("click", function() { amosar(orde[posicion() - 1]); });
    // A page that holds the learner until it is answered lets go once it is answered right.
    var diante = el("button", "zub-diante", "▶");
    diante.type = "button";
    diante.setAttribute("aria-label", t("diante"));
    diante.disabled = pos >= orde.length - 1 || (p.dpasar === "1" && resultado[actual] !== true);
    diante.addEventListener("click", function() { amosar(orde[posicion() + 1]); });
    n.appendChild(atras);
    var contador = el("span", "zub-contador", t("contador", pos + 1, orde.length));
    contador.setAttribute("aria-label", t("aberta", pos + 1, orde.length));
    n.appendChild(contador);
    n.appendChild(diante);
    if (pos === orde.length - 1 && conf.final) {
        var f = ligazon("⏹", conf.final);
        f.className = "zub-final";
        f.setAttribute("aria-label", t("final"));
        n.appendChild(f);
    }
    if (conf.axuda && enderezo(conf.axuda)) {
        var a = el("a", "zub-axuda", "?");
        a.href = enderezo(conf.axuda);
        a.target = "_blank";
        a.setAttribute("aria-label", t("axuda"));
        n.appendChild(a);
    }
}

// --- the book's frame -----------------------------------------------------------------------

function marco() {
    var libro = document.getElementById("zub-libro");
    if (!libro) return;
    if (document.documentElement && !document.documentElement.lang)
        document.documentElement.lang =
            {ESP : "es", GAL : "gl", CAT : "ca", EUS : "eu", POR : "pt", ENG : "en", AST : "ast", VAL : "ca"}[idioma];
    if (cor(conf.corfondo)) document.body.style.backgroundColor = cor(conf.corfondo);
    if (cor(conf.cortexto)) libro.style.color = cor(conf.cortexto);
    var banda = document.getElementById("zub-banda");
    if (banda) {
        if (cor(conf.corbanda)) banda.style.backgroundColor = cor(conf.corbanda);
        if (conf.imbarra)
            banda.style.backgroundImage = "url(\"" + enderezo(conf.imbarra).replace(/"/g, "%22") + "\")";
        if (conf.logo) {
            var logo = imaxe(conf.logo, "", "zub-logo");
            if (conf.lnklogo && enderezo(conf.lnklogo)) {
                var a = el("a", "", logo);
                a.href = enderezo(conf.lnklogo);
                a.target = "_blank";
                banda.insertBefore(a, banda.firstChild);
            } else {
                banda.insertBefore(logo, banda.firstChild);
            }
        }
        if (conf.autor) banda.appendChild(el("p", "zub-autor", conf.autor));
    }
    var navega = document.getElementById("zub-navega");
    if (navega && cor(conf.cornavega)) navega.style.backgroundColor = cor(conf.cornavega);
    if (conf.aspectosup) libro.insertBefore(imaxe(conf.aspectosup, "", "zub-aspecto"), libro.firstChild);
    if (conf.aspectoinf) libro.appendChild(imaxe(conf.aspectoinf, "", "zub-aspecto"));
    var f = conf.imaxefondo;
    if (f && f.nome) {
        var fondo = el("div");
        fondo.id = "zub-fondo";
        fondo.style.backgroundImage = "url(\"" + enderezo(f.nome).replace(/"/g, "%22") + "\")";
        fondo.style.backgroundPosition = enteiro(f.posx, 0) + "px " + enteiro(f.posy, 0) + "px";
        var tr = parseInt(f.trans, 10);
        if (!isNaN(tr)) fondo.style.opacity = Math.max(0, Math.min(100, tr)) / 100;
        document.body.insertBefore(fondo, document.body.firstChild);
    }
    if (conf.sonido) {
        var s = partes(conf.sonido);
        var musica = son(s[0], false);
        var v = parseFloat(s[1]);
        if (!isNaN(v)) musica.volume = Math.max(0, Math.min(1, v > 1 ? v / 100 : v));
        musica.loop = s[2] === "1";
        musica.className = "zub-musica";
        libro.appendChild(musica);
    }
    if (conf.licencia) libro.appendChild(el("p", "zub-licencia", conf.licencia));
    if (conf.adxuntos) {
        var u = el("ul", "zub-adxuntos");
        String(conf.adxuntos).split(",").forEach(function(a) {
            var nome = a.split("/").pop();
            try {
                nome = decodeURIComponent(nome);
            } catch (e) {
                /* a name that is no encoded text is shown as it is */
            }
            var l = el("a", "", nome);
            l.href = enderezo(a);
            l.target = "_blank";
            u.appendChild(el("li", "", l));
        });
        libro.appendChild(u);
    }
    voz = el("div", "zub-voz");
    voz.id = "zub-voz";
    voz.setAttribute("aria-live", "polite");
    voz.setAttribute("role", "status");
    libro.appendChild(voz);
    menu();
}

// The book menu: the template's own list, or one built from the links when the page has none
// (the horizontal menu is never written into the page).
function menu() {
    var caixa = document.getElementById("zub-menuhtml");
    var ligas = lista(conf.menu);
    if (!caixa) return;
    if (!caixa.querySelector("li") && ligas.length) {
        var u = el("ul");
        ligas.forEach(function(item) {
            var q = partes(item);
            u.appendChild(el("li", "", ligazon(q[0], q[1])));
        });
        caixa.innerHTML = "";
        caixa.appendChild(u);
    }
    if (!caixa.querySelector("li")) {
        caixa.hidden = true;
        return;
    }
    caixa.className = conf.modomenu === "1"   ? "zub-horizontal"
                      : conf.modomenu === "2" ? "zub-dereita"
                                              : "zub-esquerda";
    document.getElementById("zub-libro").classList.add("zub-conmenu-" + caixa.className.replace("zub-", ""));
}

// --- what the book offers to its links and hosts --------------------------------------------

var pendente = null; // a jump asked for before the player was ready
var listo = false;
var ZUB = {
    // A menu or page link: a page number (the page's id), else an address. Links go where they
    // point whatever the page's locks: the locks hold the navigation buttons.
    salto : function(destino) {
        if (!listo) {
            pendente = destino;
            return;
        }
        var d = dec(destino).trim();
        if (/^\d+$/.test(d)) {
            var n = parseInt(d, 10);
            for (var i = 0; i < paxinas.length; i++) {
                if (String(paxinas[i].p.id) === String(n)) {
                    amosar(i);
                    return;
                }
            }
            if (n >= 1 && n <= paxinas.length) amosar(n - 1);
            return;
        }
        if (enderezo(d)) global.open(enderezo(d), "_blank");
    },
    // The SCORM link's questions, in its two-argument form and in the older one-string form.
    zub_dat : function(orde, valor) {
        var o = String(orde || "").trim();
        if (valor !== undefined && o === "get") o = "get " + String(valor).trim();
        if (o === "get total_activ") return actividades();
        if (o === "get total_ben") return ben();
        if (o === "nome_usuario") {
            if (valor !== undefined) usuario = String(valor);
            return usuario;
        }
        if (o === "get nome_usuario") return usuario;
        return undefined;
    },
    paxina : function() { return actual >= 0 ? paxinas[actual].n : 0; }
};
global.ZUB = ZUB;

function comezo() {
    // The page to start at: npax is a page number; pages without a type have no object.
    if (conf.npax === undefined) return orde[0];
    var n = parseInt(conf.npax, 10);
    if (!n) return orde[0];
    for (var i = 0; i < paxinas.length; i++)
        if (String(paxinas[i].p.id) === String(n)) return i;
    for (var j = 0; j < paxinas.length; j++)
        if (parseInt(paxinas[j].p.id, 10) > n) return j;
    return Math.max(0, paxinas.length - 1);
}

function iniciar() {
    ler();
    semente = sementeenderezo();
    orde = paxinas.map(function(x, i) { return i; });
    if (conf.desordenar === "1" && orde.length > 2) {
        // The first page stays the book's opening; the others come in a new order.
        var g = xerador(semente === null ? Math.floor(Math.random() * 4294967296) : semente);
        orde = [ 0 ].concat(g.desordenar(orde.slice(1)));
    }
    // The template's title is the book's own text; the description's has the player's transforms.
    if (!document.title && conf.titulo) document.title = dec(conf.titulo);
    marco();
    listo = true;
    avisar("totalp", paxinas.length);
    amosar(comezo());
    if (pendente !== null) ZUB.salto(pendente);
    if (erros.length)
        estado("erro: " + erros.join("; "));
    else if (!/^erro/.test(raiz.getAttribute("data-zub-estado") || ""))
        estado("ok " + paxinas.length);
    // The player starts once its family files have loaded: a host's script waits for this.
    document.dispatchEvent(new Event("zub-listo"));
}

// --- pages shown as content ----------------------------------------------------------------

// What each type shows where no module plays its page (a page whose markers fit no module, or a
// module that gave up on absurd values): its content, readable, without a task.
// Items as cards: every non-empty part as what it is; saltar lists the parts that are
// positions or codes, not content.
function tarxetas(items, saltar) {
    var g = el("div", "zub-tarxetas");
    lista(items).forEach(function(item) {
        var t = el("div", "zub-tarxeta");
        partes(item).forEach(function(parte, i) {
            if (parte === "" || (saltar && saltar.indexOf(i) >= 0)) return;
            t.appendChild(medio(parte));
        });
        g.appendChild(t);
    });
    return g;
}
function fichas(items, clase) {
    var u = el("ul", "zub-fichas " + (clase || ""));
    lista(items).forEach(function(v) { u.appendChild(el("li", "", medio(v))); });
    return u;
}
function rotulo(t) { return el("p", "zub-rotulo", t); }
// Items placed over the page picture at their x and y.
function colocados(items, ix, iy, contido) {
    var c = el("div", "zub-colocados");
    lista(items).forEach(function(item) {
        var q = partes(item);
        var d = el("div", "zub-colocado", contido(q));
        var x = parseInt(q[ix], 10), y = parseInt(q[iy], 10);
        // Without a place of its own an item stands in the row of the others.
        if (isNaN(x) || isNaN(y))
            d.className += " zub-sensitio";
        else {
            d.style.left = x + "px";
            d.style.top = y + "px";
        }
        c.appendChild(d);
    });
    return c;
}
function ocos(palabra) { return dec(palabra).replace(/\S/g, "_ ").trim(); }
function entrada(largo) {
    var i = el("input", "zub-oco");
    i.type = "text";
    i.size = Math.max(3, Math.min(30, largo || 6));
    return i;
}

// Words to find, as blanks, each with its picture and sound when it has them.
function agachadas(palabras, imaxes, sons) {
    var u = el("ol", "zub-frases");
    imaxes = lista(imaxes);
    sons = lista(sons);
    lista(palabras).forEach(function(w, i) {
        var li = el("li");
        if (imaxes[i]) li.appendChild(imaxe(imaxes[i]));
        li.appendChild(el("span", "zub-ocos", ocos(w)));
        if (sons[i]) li.appendChild(son(sons[i]));
        u.appendChild(li);
    });
    return u;
}

var TIPOS = {
    test : function(p, c) {
        if (p.texto) c.appendChild(html("zub-enunciado", p.texto));
        c.appendChild(fichas(p.respuestas));
    },
    imaxetexto : function() {},
    puzzle : function(p, c) {
        if (p.imfondo) c.appendChild(imaxe(p.imfondo));
        c.appendChild(rotulo((p.filas || "?") + " × " + (p.columnas || "?")));
    },
    sopa : function(p, c) {
        if (p.enunciado) c.appendChild(rotulo(p.enunciado));
        // The clues are pictures in mode "2", texts otherwise: fichas shows each as what it is.
        c.appendChild(fichas(p.enunciados));
        var u = el("ul", "zub-fichas");
        lista(p.palabras).forEach(function(w) { u.appendChild(el("li", "zub-ocos", ocos(w))); });
        c.appendChild(u);
    },
    raiosx : function(p, c) {
        if (p.texto) c.appendChild(html("zub-enunciado", p.texto));
        if (p.imfondo) c.appendChild(imaxe(p.imfondo));
    },
    clasificar : function(p, c) {
        var caixas = el("div", "zub-caixas");
        var nomes = Array.isArray(p.txcaixas) ? p.txcaixas : partes(p.txcaixas || "");
        var fondos = lista(p.imfondo);
        nomes.forEach(function(n, i) {
            var k = el("div", "zub-caixa", el("h3", "", n));
            if (fondos[i])
                k.style.backgroundImage = "url(\"" + enderezo(fondos[i]).replace(/"/g, "%22") + "\")";
            caixas.appendChild(k);
        });
        c.appendChild(caixas);
        c.appendChild(fichas(p.textos || p.imaxes));
    },
    frases : function(p, c) {
        c.appendChild(agachadas(p.respuestas, p.imaxes, p.sons));
        if (p.textos) c.appendChild(fichas(p.textos));
    },
    liga : function(p, c) {
        if (p.texto) c.appendChild(html("zub-enunciado", p.texto));
        if (p.forma) c.appendChild(imaxe(p.forma));
        var ir = lista(p.ir);
        var u = el("ul", "zub-ligas");
        lista(p.liga).forEach(function(t, i) { u.appendChild(el("li", "", ligazon(t, ir[i]))); });
        c.appendChild(u);
    },
    preguntas : function(p, c) {
        var u = el("ol", "zub-preguntas");
        var resp = lista(p.resp);
        lista(p.preguntas).forEach(function(q, i) {
            var li = el("li", "", el("span", "", q));
            li.appendChild(entrada(resp[i] ? dec(resp[i]).length : 8));
            u.appendChild(li);
        });
        c.appendChild(u);
    },
    identificarimx : function(p, c) { c.appendChild(tarxetas(p.etiquetas)); },
    galeriaimx : function(p, c) {
        // small picture, large picture, sound, caption: the small one stands for the large.
        c.appendChild(tarxetas(p.etiquetas, [ 1 ]));
    },
    unir : function(p, c) {
        var d = el("div", "zub-columnas");
        d.appendChild(fichas(p.textos));
        d.appendChild(fichas(p.unir));
        c.appendChild(d);
    },
    unirimx : function(p, c) { c.appendChild(tarxetas(p.etiquetas)); },
    menu : function() {},
    externa : function(p, c) {
        var x = dec(p.externa).trim();
        if (/^https?:\/\//i.test(x)) {
            var f = el("iframe", "zub-externa");
            f.src = x;
            if (parseInt(p.dimx, 10)) f.width = parseInt(p.dimx, 10);
            if (parseInt(p.dimy, 10)) f.height = parseInt(p.dimy, 10);
            if (p.altimaxe) f.title = dec(p.altimaxe);
            c.appendChild(f);
        } else {
            c.appendChild(el("pre", "zub-externa", x));
        }
    },
    parellas : function(p, c) {
        if (p.sons) c.appendChild(fichas(p.sons));
        if (p.imaxes) c.appendChild(tarxetas(p.imaxes));
        if (p.etiquetas) c.appendChild(tarxetas(p.etiquetas));
    },
    completar : function(p, c) {
        var u = el("ol", "zub-completar");
        lista(p.textos).forEach(function(item) {
            var q = partes(item);
            var li = el("li", "", el("span", "", q[0] || ""));
            li.appendChild(entrada((q[1] || "").length));
            li.appendChild(el("span", "", q[2] || ""));
            u.appendChild(li);
        });
        c.appendChild(u);
    },
    secreta : function(p, c) {
        if (p.texto) c.appendChild(html("zub-enunciado", p.texto));
        c.appendChild(el("p", "zub-ocos zub-grande", ocos(p.palabras)));
    },
    etiquetas : function(
        p, c) { c.appendChild(colocados(p.etiquetas, 1, 2, function(q) { return medio(q[0]); })); },
    galeriasons : function(p, c) { c.appendChild(tarxetas(p.etiquetas)); },
    moverimx : function(
        p, c) { c.appendChild(colocados(p.etiquetas, 1, 2, function(q) { return imaxe(q[0]); })); },
    seleccionar : function(p, c) { c.appendChild(tarxetas(p.etiquetas)); },
    reloxo : function(p, c) {
        if (p.texto) c.appendChild(html("zub-enunciado", p.texto));
        // The time the page asks for is its answer: as content the clock's own text stands alone.
        if (p.reloxo) c.appendChild(el("p", "zub-reloxo zub-grande", p.reloxo));
    },
    operacion : function(p, c) {
        var n = lista(p.numeros).map(dec);
        c.appendChild(el("p", "zub-grande", n.join("  ·  ") + "  =  ?"));
    },
    paneldeb : function(p, c) { c.appendChild(fichas(p.etiquetas)); },
    texto : function(p, c) {
        var d = html("zub-textolibre", p.texto);
        if (cor(p.cfondo)) d.style.backgroundColor = cor(p.cfondo);
        if (cor(p.ctexto)) d.style.color = cor(p.ctexto);
        c.appendChild(d);
    },
    etiquetastxt : function(p, c) {
        c.appendChild(colocados(p.etiquetas, 1, 2, function(q) {
            var s = el("span", "zub-texto", q[0]);
            if (parseInt(p.tam, 10)) s.style.fontSize = parseInt(p.tam, 10) + "px";
            return s;
        }));
    },
    medidas : function(p, c) {
        if (p.texto) c.appendChild(rotulo(p.texto));
        c.appendChild(tarxetas(p.etiquetas));
    },
    serie : function(p, c) { c.appendChild(fichas(p.etiquetas, "zub-serie")); },
    ordenar : function(p, c) { c.appendChild(fichas(dec(p.texto).split(/\s+/).filter(Boolean).sort())); },
    ordenarimx : function(p, c) { c.appendChild(fichas(p.imaxes)); },
    // The squares' codes mean nothing to a reader: as content the page shows only its frame.
    cuadros : function() {},
    piramide : function(p, c) {
        if (p.texto) c.appendChild(html("zub-enunciado", p.texto));
        var u = el("ul", "zub-piramide");
        lista(p.palabras).forEach(function(w) { u.appendChild(el("li", "zub-ocos", ocos(w))); });
        c.appendChild(u);
    },
    plantilla : function(p, c) {
        if (p.boton) {
            var q = partes(p.boton);
            var b = ligazon(q[0], q[1]);
            b.className = "zub-boton";
            c.appendChild(b);
        }
    },
    fraccion : function(p, c) {
        var n = lista(p.numeros).map(dec);
        var f = [];
        for (var i = 0; i + 1 < n.length; i += 2)
            f.push(n[i] + "/" + n[i + 1]);
        if (n.length % 2) f.push(n[n.length - 1]);
        c.appendChild(el("p", "zub-grande", f.join("   ")));
    },
    esquema : function(p, c) {
        var u = el("ul", "zub-esquema");
        String(p.texto || "").split("|").forEach(function(l) {
            var m = /^(\s*)(.*)$/.exec(l);
            var li = el("li", "", m[2].replace(/\[o\]/g, ""));
            li.style.marginLeft = m[1].length * 8 + "px";
            u.appendChild(li);
        });
        c.appendChild(u);
    },
    letras : function(p, c) {
        if (p.texto) c.appendChild(html("zub-enunciado", p.texto));
        c.appendChild(agachadas(p.palabras, p.imaxes, p.sons));
        if (p.letras) c.appendChild(rotulo(p.letras));
    },
    dictado : function(p, c) {
        if (p.son) c.appendChild(son(p.son));
        if (p.texto) c.appendChild(el("p", "zub-ocos", ocos(dec(p.texto).replace(/<[^>]*>/g, ""))));
        c.appendChild(el("textarea", "zub-dictado"));
    },
    relacionar : function(p, c) {
        c.appendChild(tarxetas(p.palabras));
        if (p.etiquetas) c.appendChild(fichas(p.etiquetas));
    },
    formulas : function(p, c) {
        var t = el("table", "zub-formulas");
        lista(p.etiquetas).forEach(function(item) {
            // The formula's characters, one per cell; its marks and what is hidden stay out.
            var q = partes(item);
            if (!q[0]) return;
            var tr = el("tr");
            ZUBP.caracteres(dec(q[0])).forEach(function(v) { tr.appendChild(el("td", "", v)); });
            t.appendChild(tr);
        });
        c.appendChild(t);
    },
    memoria : function(p, c) {
        var n = parseInt(p.numero, 10) || 6;
        var g = el("div", "zub-tarxetas");
        var imaxes = lista(p.imaxes);
        for (var i = 0; i < n; i++)
            g.appendChild(
                el("div", "zub-tarxeta zub-tapa", imaxes.length ? imaxe(imaxes[i % imaxes.length]) : "?"));
        c.appendChild(g);
    }
};
TIPOS.clasificarimx = TIPOS.clasificar;
for (var tipocontido in TIPOS)
    CONTIDO[tipocontido] = TIPOS[tipocontido];


// --- loading the family files ---------------------------------------------------------------

var FAMILIAS = [ "zub-informacion.js", "zub-preguntas.js", "zub-clasificar.js", "zub-xogos.js", "zub-posicions.js",
                 "zub-numeros.js" ];
var base = "";
var propio = document.currentScript && document.currentScript.src;
if (propio) base = propio.replace(/[^\/]*([?#].*)?$/, "");
var faltan = FAMILIAS.length;
var domlisto = document.readyState !== "loading";
function quizais() {
    if (faltan === 0 && domlisto && !listo) iniciar();
}
FAMILIAS.forEach(function(f) {
    // Each family brings its own style sheet, after the template's zub.css.
    var css = document.createElement("link");
    css.rel = "stylesheet";
    css.href = base + f.replace(/\.js$/, ".css");
    (document.head || document.documentElement).appendChild(css);
    var s = document.createElement("script");
    s.src = base + f;
    s.async = false;
    // Without a family file its pages are shown as content, each with its reason.
    s.onload = s.onerror = function() {
        faltan--;
        quizais();
    };
    (document.head || document.documentElement).appendChild(s);
});
if (!domlisto)
    document.addEventListener("DOMContentLoaded", function() {
        domlisto = true;
        quizais();
    });
ZUBP.listo = function() { return listo; };
})(typeof window !== "undefined" ? window : this);
