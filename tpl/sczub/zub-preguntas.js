// Quibel's HTML5 player: questions and word games (multiple choice, word search, sentences,
// questions, fill in, secret word, spelling, dictation).
// Each module registers with ZUBP.rexistrar(type, {cando, actividade, construir}); see zub.js.
(function(ZUBP) {
"use strict";
if (!ZUBP) return;

// Words of this family, in each player language.
ZUBP.textos({
    ESP : {sopa : "Sopa de letras", inicio : "Inicio: {0}", atopada : "Encontrada: {0}", palabras : "Palabras",
           pistas : "Pistas", atopadas : "Encontradas: {0} / {1}", resposta : "Respuesta {0}",
           frase : "Frase {0}", oco : "Hueco {0}", teclado : "Letras", letra : "Letra {0}",
           palabra : "Palabra secreta", escribe : "Escribe lo que oyes", correccion : "Corrección",
           falta : "falta", sobra : "sobra", letrasde : "{0} letras", escoller : "Elige una letra"},
    GAL : {sopa : "Sopa de letras", inicio : "Inicio: {0}", atopada : "Atopada: {0}", palabras : "Palabras",
           pistas : "Pistas", atopadas : "Atopadas: {0} / {1}", resposta : "Resposta {0}",
           frase : "Frase {0}", oco : "Oco {0}", teclado : "Letras", letra : "Letra {0}",
           palabra : "Palabra secreta", escribe : "Escribe o que oes", correccion : "Corrección",
           falta : "falta", sobra : "sobra", letrasde : "{0} letras", escoller : "Escolle unha letra"},
    CAT : {sopa : "Sopa de lletres", inicio : "Inici: {0}", atopada : "Trobada: {0}", palabras : "Paraules",
           pistas : "Pistes", atopadas : "Trobades: {0} / {1}", resposta : "Resposta {0}",
           frase : "Frase {0}", oco : "Buit {0}", teclado : "Lletres", letra : "Lletra {0}",
           palabra : "Paraula secreta", escribe : "Escriu el que sents", correccion : "Correcció",
           falta : "falta", sobra : "sobra", letrasde : "{0} lletres", escoller : "Tria una lletra"},
    EUS : {sopa : "Letra-zopa", inicio : "Hasiera: {0}", atopada : "Aurkitua: {0}", palabras : "Hitzak",
           pistas : "Pistak", atopadas : "Aurkituak: {0} / {1}", resposta : "{0}. erantzuna",
           frase : "{0}. esaldia", oco : "{0}. hutsunea", teclado : "Letrak", letra : "{0} letra",
           palabra : "Hitz sekretua", escribe : "Idatzi entzuten duzuna", correccion : "Zuzenketa",
           falta : "falta da", sobra : "soberan dago", letrasde : "{0} letra", escoller : "Aukeratu letra bat"},
    POR : {sopa : "Sopa de letras", inicio : "Início: {0}", atopada : "Encontrada: {0}", palabras : "Palavras",
           pistas : "Pistas", atopadas : "Encontradas: {0} / {1}", resposta : "Resposta {0}",
           frase : "Frase {0}", oco : "Espaço {0}", teclado : "Letras", letra : "Letra {0}",
           palabra : "Palavra secreta", escribe : "Escreve o que ouves", correccion : "Correção",
           falta : "falta", sobra : "a mais", letrasde : "{0} letras", escoller : "Escolhe uma letra"},
    ENG : {sopa : "Word search", inicio : "Start: {0}", atopada : "Found: {0}", palabras : "Words",
           pistas : "Clues", atopadas : "Found: {0} / {1}", resposta : "Answer {0}",
           frase : "Sentence {0}", oco : "Gap {0}", teclado : "Letters", letra : "Letter {0}",
           palabra : "Secret word", escribe : "Write what you hear", correccion : "Corrections",
           falta : "missing", sobra : "extra", letrasde : "{0} letters", escoller : "Choose a letter"},
    AST : {sopa : "Sopa de lletres", inicio : "Aniciu: {0}", atopada : "Alcontrada: {0}", palabras : "Pallabres",
           pistas : "Pistes", atopadas : "Alcontraes: {0} / {1}", resposta : "Rempuesta {0}",
           frase : "Frase {0}", oco : "Buecu {0}", teclado : "Lletres", letra : "Lletra {0}",
           palabra : "Pallabra secreta", escribe : "Escribi lo que sientes", correccion : "Correición",
           falta : "falta", sobra : "sobra", letrasde : "{0} lletres", escoller : "Escueyi una lletra"},
    VAL : {sopa : "Sopa de lletres", inicio : "Inici: {0}", atopada : "Trobada: {0}", palabras : "Paraules",
           pistas : "Pistes", atopadas : "Trobades: {0} / {1}", resposta : "Resposta {0}",
           frase : "Frase {0}", oco : "Buit {0}", teclado : "Lletres", letra : "Lletra {0}",
           palabra : "Paraula secreta", escribe : "Escriu el que sents", correccion : "Correcció",
           falta : "falta", sobra : "sobra", letrasde : "{0} lletres", escoller : "Tria una lletra"}
});

// --- pure logic -------------------------------------------------------------------------------

var LOX = ZUBP.logica = ZUBP.logica || {};
var dec = ZUBP.dec;

// A typed answer against the expected one: decoded, blanks collapsed, case folded, accents kept,
// and the punctuation around words ignored (a missing full stop is no wrong answer). An expected
// answer that is empty matches nothing: such a slot is never asked.
function igual(escrito, esperado, o) {
    o = o || {};
    var a = ZUBP.normalizar(escrito, {puntuacion : false, exacto : o.exacto, acentos : o.acentos});
    var b = ZUBP.normalizar(esperado, {puntuacion : false, exacto : o.exacto, acentos : o.acentos});
    return b !== "" && a === b;
}
LOX.respostas = {igual : igual};

// Plain text from a book text: <br> as a line break, any other tag dropped, entities undone.
function textoplano(v) { return dec(String(v === undefined || v === null ? "" : v).replace(/<br\s*\/?>/gi, "\n")).replace(/<[^>]*>/g, ""); }

// A letter is what a learner has to find or type; blanks, digits and punctuation are shown as
// they are.
var LETRA = /^\p{L}/u;
function eletra(c) { return LETRA.test(c); }
// The same letter for a learner who need not care about case or accents.
function dobrar(c, exacto) {
    if (exacto) return c;
    var m = c.toLocaleUpperCase();
    // Ñ and Ç are letters of their own in the book's languages, not N and C with a mark.
    if (m === "Ñ" || m === "Ç") return m;
    return m.normalize("NFD").replace(/[\u0300-\u036f]/g, "").normalize("NFC");
}

// --- the word search grid ----------------------------------------------------------------------

// The letters of a word as they stand in the grid: decoded, NFC, upper case, letters only.
function letrasdesopa(v) {
    return ZUBP.caracteres(dec(v).normalize("NFC").toLocaleUpperCase()).filter(eletra);
}
// The four ways a word runs: along a row, down a column and both diagonals, all read from left
// to right or downwards; a mark read backwards counts as well.
var DIRECCIONS = [ [ 0, 1 ], [ 1, 0 ], [ 1, 1 ], [ -1, 1 ] ];
var ABC = "ABCDEFGHIJKLMNÑOPQRSTUVWXYZ";
var MAXSOPA = 30, MAXPALABRAS = 20;

// Builds the grid from the words and the filling letters with the random source g
// ({seguinte, enteiro, barallar}). Every word that has letters is placed, overlapping others only
// where their letters agree; the grid grows until they fit (a word per row always fits).
// Returns {filas, columnas, letras: [cell letter], palabras: [{texto, letras, celas: [index]}]}.
function construirsopa(palabras, recheo, g) {
    var ws = [];
    ZUBP.lista(palabras).slice(0, MAXPALABRAS).forEach(function(w) {
        var l = letrasdesopa(w).slice(0, MAXSOPA);
        if (l.length) ws.push({texto : l.join(""), letras : l, celas : []});
    });
    var enche = letrasdesopa(recheo);
    if (!enche.length) {
        enche = ZUBP.caracteres(ABC);
        ws.forEach(function(w) { enche = enche.concat(w.letras); });
    }
    var longa = 0, total = 0;
    ws.forEach(function(w) {
        longa = Math.max(longa, w.letras.length);
        total += w.letras.length;
    });
    var n = Math.min(MAXSOPA, Math.max(8, longa, Math.ceil(Math.sqrt(total * 2))));
    var orde = ws.slice().sort(function(a, b) { return b.letras.length - a.letras.length; });
    var celas = null;
    for (;; n++) {
        celas = intentarsopa(orde, n, g);
        if (celas || n >= Math.max(MAXSOPA, ws.length)) break;
    }
    if (!celas) celas = porfilas(orde, n);
    var letras = celas.map(function(c) { return c === null ? enche[Math.floor(g.seguinte() * enche.length)] : c; });
    return {filas : n, columnas : n, letras : letras, palabras : ws};
}
// Random places, a few hundred tries per word; null when a word found none.
function intentarsopa(ws, n, g) {
    var celas = new Array(n * n).fill(null);
    for (var k = 0; k < ws.length; k++) {
        var w = ws[k], L = w.letras.length, posto = null;
        for (var t = 0; t < 300 && !posto; t++) {
            var d = DIRECCIONS[Math.floor(g.seguinte() * DIRECCIONS.length)];
            var f0 = g.enteiro(0, n - 1), c0 = g.enteiro(0, n - 1);
            var ff = f0 + d[0] * (L - 1), cf = c0 + d[1] * (L - 1);
            if (ff < 0 || ff >= n || cf >= n) continue;
            var cs = [];
            for (var i = 0; i < L; i++) {
                var x = (f0 + d[0] * i) * n + c0 + d[1] * i;
                if (celas[x] !== null && celas[x] !== w.letras[i]) break;
                cs.push(x);
            }
            if (cs.length === L) posto = cs;
        }
        if (!posto) return null;
        posto.forEach(function(x, i) { celas[x] = w.letras[i]; });
        w.celas = posto;
    }
    return celas;
}
// The sure way: each word along a row of its own.
function porfilas(ws, n) {
    var celas = new Array(n * n).fill(null);
    ws.forEach(function(w, f) {
        w.celas = w.letras.map(function(l, i) {
            celas[f * n + i] = l;
            return f * n + i;
        });
    });
    return celas;
}
// The cells from a to b when they lie on a row, a column or a diagonal, else null.
function linea(a, b, columnas, total) {
    if (a < 0 || b < 0 || a >= total || b >= total) return null;
    var fa = Math.floor(a / columnas), ca = a % columnas, fb = Math.floor(b / columnas), cb = b % columnas;
    var df = fb - fa, dc = cb - ca;
    if (df !== 0 && dc !== 0 && Math.abs(df) !== Math.abs(dc)) return null;
    var pasos = Math.max(Math.abs(df), Math.abs(dc));
    var sf = Math.sign(df), sc = Math.sign(dc), r = [];
    for (var i = 0; i <= pasos; i++)
        r.push((fa + sf * i) * columnas + ca + sc * i);
    return r;
}
// A mark from cell a to cell b: the index of the word it finds (one not found yet, read either
// way), or -1. atopadas: indices of the words found so far.
function marcarsopa(sopa, a, b, atopadas) {
    var cs = linea(a, b, sopa.columnas, sopa.letras.length);
    if (!cs || cs.length < 2) return -1;
    var texto = cs.map(function(x) { return sopa.letras[x]; }).join("");
    var reves = cs.slice().reverse().map(function(x) { return sopa.letras[x]; }).join("");
    var clave = cs.slice().sort(function(x, y) { return x - y; }).join(",");
    // The same line cannot find a second copy of a word written twice.
    for (var j = 0; j < atopadas.length; j++) {
        var w = sopa.palabras[atopadas[j]];
        if (w.marca === clave) return -1;
    }
    for (var i = 0; i < sopa.palabras.length; i++) {
        if (atopadas.indexOf(i) >= 0) continue;
        var t = sopa.palabras[i].texto;
        if (t === texto || t === reves) {
            sopa.palabras[i].marca = clave;
            return i;
        }
    }
    return -1;
}
LOX.sopa = {construir : construirsopa, linea : linea, marcar : marcarsopa, letras : letrasdesopa};

// --- the secret word and the spelling word --------------------------------------------------

// The keys a learner presses for a secret word: the author's letters (decoded, blanks dropped,
// each once), else the alphabet, and always every letter of the word, so that it can be finished.
// Without exact, keys are upper case without accents and one key stands for all its forms.
function teclas(letras, palabra, exacto) {
    var r = [];
    function engadir(c) {
        if (!eletra(c)) return;
        var k = dobrar(c, exacto);
        if (r.indexOf(k) < 0) r.push(k);
    }
    var propias = ZUBP.caracteres(dec(letras).normalize("NFC")).filter(eletra);
    (propias.length ? propias : ZUBP.caracteres(ABC)).forEach(engadir);
    ZUBP.caracteres(dec(palabra).normalize("NFC")).forEach(engadir);
    return r;
}
// The places of the word a key reveals.
function descubrir(palabra, tecla, exacto) {
    var r = [];
    ZUBP.caracteres(dec(palabra).normalize("NFC")).forEach(function(c, i) {
        if (eletra(c) && dobrar(c, exacto) === tecla) r.push(i);
    });
    return r;
}
// The gaps of a spelling word: the places whose letter is one of the offered letters (case
// folded, accents kept). Without such a place, the first letter becomes the gap.
// Returns {letras: [char], ocos: [index], opcions: [char]}.
function ortografia(palabra, ofrecidas) {
    var ls = ZUBP.caracteres(dec(palabra).normalize("NFC").trim());
    var opcions = [];
    ZUBP.caracteres(dec(ofrecidas).normalize("NFC")).forEach(function(c) {
        if (eletra(c) && opcions.indexOf(c.toLocaleLowerCase()) < 0) opcions.push(c.toLocaleLowerCase());
    });
    var ocos = [];
    ls.forEach(function(c, i) {
        if (eletra(c) && opcions.indexOf(c.toLocaleLowerCase()) >= 0) ocos.push(i);
    });
    if (!ocos.length && opcions.length) {
        for (var i = 0; i < ls.length; i++)
            if (eletra(ls[i])) {
                ocos.push(i);
                opcions.push(ls[i].toLocaleLowerCase());
                break;
            }
    }
    return {letras : ls, ocos : ocos, opcions : opcions};
}
LOX.secreta = {teclas : teclas, descubrir : descubrir};
LOX.letras = {ortografia : ortografia};

// --- dictation --------------------------------------------------------------------------------

// The words of a text as they are compared: punctuation around them dropped, case folded,
// accents kept.
function palabrasdictado(v) {
    return textoplano(v).split(/\s+/).map(function(w) {
        return {texto : w, clave : ZUBP.normalizar(w, {puntuacion : false}).replace(/[\-–—'’]/g, "")};
    }).filter(function(w) { return w.clave !== "" || /\p{L}|\d/u.test(w.texto); });
}
var MAXDICTADO = 1500;
// The word by word comparison of a typed text with the dictated one (the longest common run of
// words). Returns [{tipo: "ben"|"mal"|"falta"|"sobra", esperada, escrita}]: "mal" a typed word
// in place of the dictated one, "falta" a dictated word not typed, "sobra" a typed word too many.
function dictado(esperado, escrito) {
    var a = palabrasdictado(esperado).slice(0, MAXDICTADO), b = palabrasdictado(escrito).slice(0, MAXDICTADO);
    var n = a.length, m = b.length, w = m + 1;
    var t = new Uint16Array((n + 1) * w);
    for (var i = n - 1; i >= 0; i--)
        for (var j = m - 1; j >= 0; j--)
            t[i * w + j] = a[i].clave === b[j].clave ? t[(i + 1) * w + j + 1] + 1
                                                     : Math.max(t[(i + 1) * w + j], t[i * w + j + 1]);
    var r = [], faltan = [], sobran = [];
    function pechar() {
        // Words left out and words typed between two agreeing ones pair up as wrong words.
        var k = 0;
        for (; k < faltan.length && k < sobran.length; k++)
            r.push({tipo : "mal", esperada : faltan[k], escrita : sobran[k]});
        for (var x = k; x < faltan.length; x++) r.push({tipo : "falta", esperada : faltan[x], escrita : ""});
        for (var y = k; y < sobran.length; y++) r.push({tipo : "sobra", esperada : "", escrita : sobran[y]});
        faltan = [];
        sobran = [];
    }
    i = 0;
    j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && a[i].clave === b[j].clave) {
            pechar();
            r.push({tipo : "ben", esperada : a[i].texto, escrita : b[j].texto});
            i++;
            j++;
        } else if (j >= m || (i < n && t[(i + 1) * w + j] >= t[i * w + j + 1])) {
            faltan.push(a[i++].texto);
        } else {
            sobran.push(b[j++].texto);
        }
    }
    pechar();
    return r;
}
function dictadoben(diff) {
    return diff.length > 0 && diff.every(function(d) { return d.tipo === "ben"; });
}
LOX.dictado = {comparar : dictado, ben : dictadoben, texto : textoplano};

// --- multiple choice ------------------------------------------------------------------------

// The answers that are right: corr keeps one character per answer slot, "0" for a wrong one.
function correctas(p) {
    var r = ZUBP.lista(p.respuestas), corr = String(p.corr || "");
    var c = [];
    for (var i = 0; i < r.length; i++)
        if (corr.charAt(i) !== "0") c.push(i);
    return c;
}
// A set of ticked answers is right when it is exactly the set of right answers.
function xulgartest(p, marcadas) {
    var c = correctas(p);
    if (c.length !== marcadas.length) return false;
    for (var i = 0; i < c.length; i++)
        if (marcadas.indexOf(c[i]) < 0) return false;
    return true;
}
ZUBP.logica.test = {correctas : correctas, xulgar : xulgartest};

ZUBP.rexistrar("test", {
    actividade : function(p) { return ZUBP.lista(p.respuestas).length > 0; },
    construir : function(p, c, s) {
        var respostas = s.lista(p.respuestas);
        if (!respostas.length) return "sen respostas";
        var feed = s.lista(p.feed);
        if (p.texto) c.appendChild(s.html("zub-enunciado", p.texto));
        // With one right answer a click judges; with several the learner ticks, then checks.
        var unha = correctas(p).length === 1;
        var u = s.el("ol", "zub-respostas");
        u.setAttribute("role", unha ? "radiogroup" : "group");
        var botons = [], notas = [];
        respostas.forEach(function(r, i) {
            var b = s.boton(r, function() {
                if (s.resolta()) return;
                if (unha) {
                    botons.forEach(function(x) { x.setAttribute("aria-checked", "false"); });
                    b.setAttribute("aria-checked", "true");
                    xulgar();
                } else
                    b.setAttribute("aria-checked", b.getAttribute("aria-checked") === "true" ? "false" : "true");
            }, "zub-resposta");
            b.setAttribute("role", unha ? "radio" : "checkbox");
            b.setAttribute("aria-checked", "false");
            botons.push(b);
            var li = s.el("li", "", b);
            var nota = s.el("div", "zub-feed");
            nota.hidden = true;
            if (feed[i]) nota.textContent = s.dec(feed[i]);
            li.appendChild(nota);
            notas.push(nota);
            u.appendChild(li);
        });
        c.appendChild(u);
        var comprobar = null;
        function xulgar() {
            var marcadas = [];
            botons.forEach(function(b, i) {
                if (b.getAttribute("aria-checked") === "true") marcadas.push(i);
            });
            // Nothing ticked is an answer only where no answer is right.
            if (!marcadas.length && correctas(p).length) return;
            // Each ticked answer shows its comment.
            notas.forEach(function(n, i) { n.hidden = !feed[i] || marcadas.indexOf(i) < 0; });
            var ben = xulgartest(p, marcadas);
            s.xulgar(ben);
            if (ben) {
                botons.forEach(function(b) { b.disabled = true; });
                if (comprobar) comprobar.disabled = true;
            }
        }
        if (!unha) {
            comprobar = s.boton(s.t("comprobar"), xulgar, "zub-comprobar");
            c.appendChild(comprobar);
        }
    }
});

// --- shared pieces of the pages ---------------------------------------------------------------

// A one-line answer box with its spoken name; spelling help of the browser would give answers away.
function caixatexto(s, nome, largo) {
    var i = s.el("input", "zub-oco zub-escrita");
    i.type = "text";
    i.setAttribute("aria-label", nome);
    i.setAttribute("autocomplete", "off");
    i.setAttribute("autocapitalize", "off");
    i.spellcheck = false;
    i.size = Math.max(4, Math.min(40, largo || 12));
    return i;
}
function marcar(e, ben) {
    e.classList.toggle("zub-campoben", ben === true);
    e.classList.toggle("zub-campomal", ben === false);
    if (ben === false) e.setAttribute("aria-invalid", "true");
    else e.removeAttribute("aria-invalid");
}

// Typed answers checked together. campos: [{entrada, esperado}] in order; o.orde: one at a time,
// each shown once the one before is right (o.mostrar(k) shows field k). A check judges the boxes
// written: one wrong makes the try wrong; all right so far is progress, not a try, until every
// box is right. Enter in a box checks too. o.conxunto: answers that belong to no box in
// particular: a box is right with any of them not yet given, and the page once all are given.
// Returns the check button.
function comprobacion(s, campos, o) {
    o = o || {};
    var feitos = 0, dados = [];
    var total = o.conxunto ? Math.min(o.conxunto.length, campos.length) : campos.length;
    function acerta(f) {
        if (!o.conxunto) return igual(f.entrada.value, f.esperado);
        for (var j = 0; j < o.conxunto.length; j++)
            if (dados.indexOf(j) < 0 && igual(f.entrada.value, o.conxunto[j])) {
                dados.push(j);
                return true;
            }
        return false;
    }
    var boton = s.boton(s.t("comprobar"), comprobar, "zub-comprobar");
    function seguinte() {
        for (var k = 0; k < campos.length; k++)
            if (!campos[k].ben) return k;
        return -1;
    }
    function comprobar() {
        if (s.resolta()) return;
        var abertos = campos.filter(function(f, k) { return !f.ben && (!o.orde || k === seguinte()); });
        var escritos = abertos.filter(function(f) { return f.entrada.value.trim() !== ""; });
        if (!escritos.length) {
            if (abertos.length) abertos[0].entrada.focus();
            return;
        }
        var mal = false;
        escritos.forEach(function(f) {
            f.ben = acerta(f);
            marcar(f.entrada, f.ben);
            if (f.ben) {
                f.entrada.readOnly = true;
                feitos++;
            } else
                mal = true;
        });
        if (mal) {
            s.xulgar(false);
            return;
        }
        var k = seguinte();
        if (k < 0 || feitos >= total) {
            s.xulgar(true);
            boton.disabled = true;
            campos.forEach(function(f) { f.entrada.readOnly = true; });
            return;
        }
        if (o.orde && o.mostrar) o.mostrar(k);
        s.mensaxe(s.t("contador", feitos, total));
        campos[k].entrada.focus();
    }
    campos.forEach(function(f) {
        f.entrada.addEventListener("keydown", function(ev) {
            if (ev.key === "Enter") {
                ev.preventDefault();
                comprobar();
            }
        });
        f.entrada.addEventListener("input", function() {
            if (!f.ben) marcar(f.entrada, undefined);
        });
    });
    return boton;
}
// The letters typed on the computer's keyboard while the page is shown, outside text boxes:
// f(character) returns false where the letter is not one of the page's.
function teclasfisicas(s, f) {
    document.addEventListener("keydown", function(ev) {
        if (!s.visible() || s.resolta() || ev.ctrlKey || ev.metaKey || ev.altKey || ev.defaultPrevented) return;
        if (Array.from(ev.key).length !== 1 || ev.key === " ") return;
        if (ev.target && ev.target.closest && ev.target.closest("input, textarea, select, [contenteditable]")) return;
        if (f(ev.key) !== false) ev.preventDefault();
    });
}
// A sentence's sound; the note is a glyph every text font has, unlike the loudspeaker emoji.
function botonfrase(s, src, nome) {
    var b = s.botonson(src);
    b.textContent = "\u266a";
    b.setAttribute("aria-label", s.t("escoitar") + ": " + nome);
    return b;
}

// --- word search ------------------------------------------------------------------------------

var NCORES = 8;
function palabrassopa(p) { return ZUBP.lista(p.palabras).filter(function(w) { return letrasdesopa(w).length > 0; }); }
ZUBP.rexistrar("sopa", {
    actividade : function(p) { return palabrassopa(p).length > 0; },
    construir : function(p, c, s) {
        var sopa = construirsopa(p.palabras, p.letras !== undefined ? p.letras : p.fondo, s.azar);
        if (!sopa.palabras.length) return "sen palabras";
        var n = sopa.columnas, total = sopa.palabras.length;
        var colorea = p.colorea === "1", pistas = p.enunciado === "1", debuxos = p.modo === "2";
        var xogo = s.el("div", "zub-sopa" + (p.cadro === "1" ? " zub-cadro" : "") + (colorea ? " zub-colorea" : ""));
        var g = s.el("div", "zub-sopagrella");
        g.setAttribute("role", "grid");
        g.setAttribute("aria-label", s.t("sopa"));
        g.style.setProperty("--zub-n", n);
        var celas = [];
        for (var f = 0; f < sopa.filas; f++) {
            var fila = s.el("div", "zub-sopafila");
            fila.setAttribute("role", "row");
            for (var k = 0; k < n; k++) {
                var cela = s.el("span", "zub-cela", sopa.letras[f * n + k]);
                cela.setAttribute("role", "gridcell");
                cela.setAttribute("data-i", f * n + k);
                celas.push(cela);
                fila.appendChild(cela);
            }
            g.appendChild(fila);
        }
        xogo.appendChild(g);

        // What is looked for: the clues when the page shows them, else the words.
        var lado = s.el("div", "zub-sopalado");
        var clues = ZUBP.lista(p.enunciados);
        var itens = pistas && clues.length ? clues : sopa.palabras.map(function(w) { return w.texto; });
        var parella = !(pistas && clues.length) || clues.length === total;
        lado.appendChild(s.el("h3", "zub-rotulo", pistas && clues.length ? s.t("pistas") : s.t("palabras")));
        var u = s.el("ol", "zub-sopalista");
        var lis = itens.map(function(v, i) {
            var li = s.el("li", "");
            if (pistas && debuxos) li.appendChild(s.imaxe(v, s.t("pistas") + " " + (i + 1), "zub-sopaimx"));
            else li.appendChild(s.el("span", "", v));
            u.appendChild(li);
            return li;
        });
        lado.appendChild(u);
        var conta = s.el("p", "zub-contasopa", s.t("atopadas", 0, total));
        lado.appendChild(conta);
        xogo.appendChild(lado);
        c.appendChild(xogo);

        var atopadas = [], inicio = null, tramo = [];
        function pintartramo(cs) {
            tramo.forEach(function(x) { celas[x].classList.remove("zub-tramo"); });
            tramo = cs || [];
            tramo.forEach(function(x) { celas[x].classList.add("zub-tramo"); });
        }
        function cancelar() {
            if (inicio !== null) {
                celas[inicio].classList.remove("zub-inicio");
                celas[inicio].removeAttribute("aria-selected");
            }
            inicio = null;
            pintartramo(null);
        }
        function marca(a, b) {
            cancelar();
            if (s.resolta()) return;
            var cs = linea(a, b, n, celas.length);
            if (!cs || cs.length < 2) return;
            var w = marcarsopa(sopa, a, b, atopadas);
            if (w < 0) {
                s.xulgar(false);
                return;
            }
            atopadas.push(w);
            cs.forEach(function(x) {
                celas[x].classList.add("zub-atopada");
                if (colorea && !celas[x].getAttribute("data-cor")) celas[x].setAttribute("data-cor", w % NCORES);
            });
            if (parella && lis[w]) {
                lis[w].classList.add("zub-atopado");
                if (colorea) lis[w].setAttribute("data-cor", w % NCORES);
            }
            conta.textContent = s.t("atopadas", atopadas.length, total);
            s.anunciar(s.t("atopada", sopa.palabras[w].texto));
            if (atopadas.length === total) {
                s.xulgar(true);
                g.classList.add("zub-fixa");
            } else
                s.mensaxe(s.t("atopada", sopa.palabras[w].texto));
        }
        // A tap or Enter on the first letter, then on the last.
        function premer(i) {
            if (s.resolta()) return;
            if (inicio === null) {
                inicio = i;
                celas[i].classList.add("zub-inicio");
                celas[i].setAttribute("aria-selected", "true");
                s.anunciar(s.t("inicio", sopa.letras[i]));
            } else if (inicio === i)
                cancelar();
            else
                marca(inicio, i);
        }
        var tragar = false;
        s.grella(celas, {
            columnas : n,
            activar : function(cela, i, ev) {
                if (ev && ev.type === "click" && tragar) {
                    tragar = false;
                    return;
                }
                premer(i);
            },
            aoenfocar : function(cela, i) {
                if (inicio !== null) pintartramo(linea(inicio, i, n, celas.length));
            }
        });
        g.addEventListener("keydown", function(ev) {
            if (ev.key === "Escape") cancelar();
        });
        // Dragging along the letters, with a mouse or a finger.
        var arrastre = null;
        function celaen(x, y) {
            var e = document.elementFromPoint(x, y);
            e = e && e.closest ? e.closest(".zub-cela") : null;
            return e && g.contains(e) ? +e.getAttribute("data-i") : null;
        }
        g.addEventListener("pointerdown", function(ev) {
            tragar = false;
            if (s.resolta() || (ev.button !== undefined && ev.button !== 0)) return;
            var i = celaen(ev.clientX, ev.clientY);
            if (i === null) return;
            arrastre = {desde : i, ata : i};
            try {
                g.setPointerCapture(ev.pointerId);
            } catch (e) {
                /* capture is a comfort, not a need */
            }
            ev.preventDefault();
        });
        g.addEventListener("pointermove", function(ev) {
            if (!arrastre) return;
            var i = celaen(ev.clientX, ev.clientY);
            if (i === null || i === arrastre.ata) return;
            arrastre.ata = i;
            pintartramo(linea(arrastre.desde, i, n, celas.length));
        });
        function soltar(ev) {
            if (!arrastre) return;
            var a = arrastre;
            arrastre = null;
            var i = ev ? celaen(ev.clientX, ev.clientY) : null;
            if (i === null) i = a.ata;
            if (i !== a.desde) {
                // A drag: the click that follows is not a tap.
                tragar = true;
                marca(a.desde, i);
            } else
                pintartramo(null);
        }
        g.addEventListener("pointerup", soltar);
        g.addEventListener("pointercancel", function() {
            arrastre = null;
            pintartramo(null);
        });
    }
});

// --- sentences --------------------------------------------------------------------------------

// Sentences with pictures: the sentences are written by the learner with "modo" "1", else read
// and heard. A page without visible forms, pictures and sounds has nothing to write from, and is
// read too.
function frasesconimaxes(p) {
    return p.modo === "1" || ZUBP.lista(p.imaxes).length > 0 ||
           (!ZUBP.lista(p.textos).length && !ZUBP.lista(p.sons).length);
}
function frasesescritas(p, c, s, itens) {
    var u = s.el("ol", "zub-frases zub-frasesxogo");
    var campos = [];
    itens.forEach(function(it, i) {
        var li = s.el("li", "zub-frase");
        if (it.imaxe) li.appendChild(s.imaxe(it.imaxe, "", "zub-tira"));
        var liña = s.el("div", "zub-fraseliña");
        if (it.visible) liña.appendChild(s.el("span", "zub-visible", it.visible));
        if (it.son) liña.appendChild(botonfrase(s, it.son, s.t("frase", i + 1)));
        li.appendChild(liña);
        if (it.frase !== undefined) {
            var e = caixatexto(s, s.t("frase", i + 1), 40);
            e.classList.add("zub-caixafrase");
            li.appendChild(e);
            campos.push({entrada : e, esperado : it.frase});
        }
        u.appendChild(li);
    });
    c.appendChild(u);
    c.appendChild(comprobacion(s, campos));
}
function frasesvalidas(p) {
    return ZUBP.lista(p.respuestas).filter(function(r) { return ZUBP.normalizar(r) !== ""; });
}
// The sentence with pictures.
ZUBP.rexistrar("frases", {
    cando : frasesconimaxes,
    actividade : function(p) { return p.modo === "1" && frasesvalidas(p).length > 0; },
    construir : function(p, c, s) {
        var frases = s.lista(p.respuestas), imaxes = s.lista(p.imaxes), sons = s.lista(p.sons);
        var n = Math.max(frases.length, imaxes.length, sons.length);
        if (!n) return "sen frases";
        var itens = [];
        for (var i = 0; i < n; i++)
            itens.push({imaxe : imaxes[i], son : sons[i], frase : frases[i]});
        if (p.modo === "1" && frasesvalidas(p).length) {
            itens.forEach(function(it) { if (it.frase !== undefined && ZUBP.normalizar(it.frase) === "") it.frase = undefined; });
            frasesescritas(p, c, s, itens);
            return;
        }
        // Read and heard only.
        var u = s.el("ol", "zub-frases");
        itens.forEach(function(it, i) {
            var li = s.el("li", "zub-frase");
            if (it.imaxe) li.appendChild(s.imaxe(it.imaxe, it.frase ? textoplano(it.frase) : "", "zub-tira"));
            var liña = s.el("div", "zub-fraseliña");
            if (it.frase) liña.appendChild(s.el("span", "zub-visible", it.frase));
            if (it.son) liña.appendChild(botonfrase(s, it.son, it.frase ? textoplano(it.frase) : s.t("frase", i + 1)));
            li.appendChild(liña);
            u.appendChild(li);
        });
        c.appendChild(u);
    }
});
// Sentences with their visible form and sound: the learner writes each sentence whole.
ZUBP.rexistrar("frases", {
    actividade : function(p) { return frasesvalidas(p).length > 0; },
    construir : function(p, c, s) {
        var frases = s.lista(p.respuestas), textos = s.lista(p.textos), sons = s.lista(p.sons);
        if (!frasesvalidas(p).length) return "sen frases";
        var itens = frases.map(function(f, i) {
            return {visible : textos[i], son : sons[i], frase : ZUBP.normalizar(f) === "" ? undefined : f};
        });
        frasesescritas(p, c, s, itens);
    }
});

// --- questions --------------------------------------------------------------------------------

ZUBP.rexistrar("preguntas", {
    actividade : function(p) {
        var r = ZUBP.lista(p.resp);
        return ZUBP.lista(p.preguntas).length > 0 && r.some(function(x) { return ZUBP.normalizar(x) !== ""; });
    },
    construir : function(p, c, s) {
        var qs = s.lista(p.preguntas), r = s.lista(p.resp);
        if (!qs.length || !r.some(function(x) { return ZUBP.normalizar(x) !== ""; })) return "sen respostas";
        // The description leaves out empty questions and empty answers each on its own: where
        // their counts differ, which answer is whose is unknown, so every question is asked and
        // any of the answers counts in any box.
        var desfasadas = r.length !== qs.length;
        var orde = p.modo === "1" && !desfasadas;
        var u = s.el("ol", "zub-preguntas");
        var campos = [], lis = [];
        qs.forEach(function(q, i) {
            var li = s.el("li", "zub-pregunta");
            var texto = s.el("span", "zub-textopregunta", q);
            li.appendChild(texto);
            // A question without its answer is shown, not asked.
            if (desfasadas || ZUBP.normalizar(r[i]) !== "") {
                var e = caixatexto(s, textoplano(q) || s.t("resposta", i + 1), textoplano(r[i]).length + 4);
                li.appendChild(e);
                campos.push({entrada : e, esperado : r[i], li : li});
            }
            lis.push(li);
            u.appendChild(li);
        });
        if (!campos.length) return "sen respostas";
        // In order: each question appears once the one before is answered right.
        function mostrar(k) {
            var ata = lis.indexOf(campos[k].li);
            lis.forEach(function(li, i) { li.hidden = i > ata; });
        }
        if (orde) mostrar(0);
        c.appendChild(u);
        c.appendChild(comprobacion(s, campos, {orde : orde, mostrar : mostrar,
                                               conxunto : desfasadas ? r.filter(function(x) { return ZUBP.normalizar(x) !== ""; }) : null}));
    }
});

// --- fill in ----------------------------------------------------------------------------------

// "before||word||after"; a "||" typed inside a text leaves more parts: the word is the second and
// the text after it the rest.
function liñas(p) {
    return ZUBP.lista(p.textos).map(function(item) {
        var q = ZUBP.partes(item);
        return {antes : q[0] || "", palabra : q[1] || "", despois : q.slice(2).join("||")};
    }).filter(function(l) { return ZUBP.normalizar(l.palabra) !== ""; });
}
// The help of mode "2": the first letter and a stroke for every other letter.
function axuda(palabra) {
    var cs = ZUBP.caracteres(textoplano(palabra).trim()), primeira = true;
    return cs.map(function(ch) {
        if (!eletra(ch) && !/\d/.test(ch)) return ch === " " ? "  " : ch;
        if (primeira) {
            primeira = false;
            return ch;
        }
        return "_";
    }).join(" ").replace(/ {3,}/g, "   ");
}
LOX.completar = {liñas : liñas, axuda : axuda};
ZUBP.rexistrar("completar", {
    actividade : function(p) { return liñas(p).length > 0; },
    construir : function(p, c, s) {
        var ls = liñas(p);
        if (!ls.length) return "sen ocos";
        // Mode "3" drags the words; "2" writes with help; any other value writes.
        var modo = p.modo === "3" ? "3" : p.modo === "2" ? "2" : "1";
        var u = s.el("ol", "zub-completar");
        var ocos = [];
        ls.forEach(function(l, i) {
            var li = s.el("li", "zub-liña");
            if (l.antes) li.appendChild(s.el("span", "", l.antes));
            var oco;
            if (modo === "3") {
                oco = s.el("span", "zub-ocoarrastre");
                oco.setAttribute("aria-label", s.t("oco", i + 1));
            } else {
                oco = caixatexto(s, s.t("oco", i + 1), textoplano(l.palabra).length + 2);
                if (modo === "2") oco.placeholder = axuda(l.palabra);
            }
            li.appendChild(oco);
            if (l.despois) li.appendChild(s.el("span", "", l.despois));
            ocos.push({entrada : oco, esperado : l.palabra});
            u.appendChild(li);
        });
        if (modo !== "3") {
            c.appendChild(u);
            c.appendChild(comprobacion(s, ocos));
            return;
        }
        var bandexa = s.el("div", "zub-bandexa");
        bandexa.setAttribute("aria-label", s.t("bandexa"));
        var longa = 0;
        var pezas = s.azar.desordenar(ls.map(function(l) { return l.palabra; })).map(function(w) {
            longa = Math.max(longa, textoplano(w).length);
            var e = s.el("span", "zub-ficha", textoplano(w));
            bandexa.appendChild(e);
            return e;
        });
        ocos.forEach(function(o) { o.entrada.style.minWidth = Math.min(30, longa + 2) + "ch"; });
        c.appendChild(bandexa);
        c.appendChild(u);
        var a = s.arrastre({
            pezas : pezas,
            destinos : ocos.map(function(o) { return o.entrada; }),
            bandexa : bandexa,
            soltar : function(peza, d) {
                var vella = d.querySelector(".zub-ficha");
                if (vella && vella !== peza) bandexa.appendChild(vella);
                d.appendChild(peza);
                revisar();
            },
            devolver : function() { revisar(); }
        });
        // Judged each time the last gap gets its word.
        function revisar() {
            ocos.forEach(function(o) { marcar(o.entrada, undefined); });
            var cheos = ocos.every(function(o) { return o.entrada.querySelector(".zub-ficha"); });
            if (!cheos || s.resolta()) return;
            var ben = true;
            ocos.forEach(function(o) {
                var b = igual(o.entrada.querySelector(".zub-ficha").textContent, textoplano(o.esperado));
                if (!b) {
                    marcar(o.entrada, false);
                    ben = false;
                }
            });
            s.xulgar(ben);
            if (ben) {
                ocos.forEach(function(o) { marcar(o.entrada, true); });
                a.desactivar();
            }
        }
    }
});

// --- the secret word --------------------------------------------------------------------------

function letrassecretas(p) { return ZUBP.caracteres(dec(p.palabras)).filter(eletra); }
ZUBP.rexistrar("secreta", {
    imaxe : false,
    actividade : function(p) { return letrassecretas(p).length > 0; },
    construir : function(p, c, s) {
        if (!letrassecretas(p).length) return "sen palabra";
        var exacto = p.forma === "1";
        var palabra = ZUBP.caracteres(dec(p.palabras).normalize("NFC"));
        if (p.texto) c.appendChild(s.html("zub-enunciado", p.texto));
        // "modo" "1": the picture stays hidden.
        if (p.imaxe && p.modo !== "1") c.appendChild(s.imaxe(p.imaxe, p.altim, "zub-imaxe"));
        var caixas = s.el("div", "zub-secreta");
        caixas.setAttribute("role", "group");
        var vistas = palabra.map(function(ch) { return !eletra(ch); });
        var celas = palabra.map(function(ch, i) {
            var e = s.el("span", "zub-letrasecreta" + (ch.trim() === "" ? " zub-espazo" : ""));
            if (vistas[i]) e.textContent = ch;
            caixas.appendChild(e);
            return e;
        });
        function leer() {
            return palabra.map(function(ch, i) { return vistas[i] ? ch : "_"; }).join(" ");
        }
        caixas.setAttribute("aria-label", s.t("palabra") + ", " + s.t("letrasde", letrassecretas(p).length) + ": " + leer());
        c.appendChild(caixas);
        var teclado = s.el("div", "zub-teclado");
        teclado.setAttribute("role", "group");
        teclado.setAttribute("aria-label", s.t("teclado"));
        var botons = {};
        teclas(p.letras, p.palabras, exacto).forEach(function(k) {
            var b = s.boton(k, function() { premer(k); }, "zub-tecla");
            botons[k] = b;
            teclado.appendChild(b);
        });
        c.appendChild(teclado);
        function premer(k) {
            var b = botons[k];
            if (!b || b.disabled || s.resolta()) return;
            // A key used is disabled: the focus goes on to the next key still open.
            if (document.activeElement === b) {
                var abertas = Array.prototype.filter.call(teclado.children, function(x) { return !x.disabled && x !== b; });
                var despois = abertas.filter(function(x) { return b.compareDocumentPosition(x) & 4; });
                var seg = despois[0] || abertas[0];
                if (seg) seg.focus();
            }
            b.disabled = true;
            var sitios = descubrir(p.palabras, k, exacto);
            if (!sitios.length) {
                b.classList.add("zub-teclamal");
                s.xulgar(false);
                return;
            }
            b.classList.add("zub-teclaben");
            sitios.forEach(function(i) {
                vistas[i] = true;
                celas[i].textContent = palabra[i];
                celas[i].classList.add("zub-vista");
            });
            caixas.setAttribute("aria-label", s.t("palabra") + ": " + leer());
            if (vistas.every(Boolean)) {
                s.xulgar(true);
                for (var x in botons) botons[x].disabled = true;
            } else
                s.anunciar(leer());
        }
        // The letters of the computer's keyboard press the keys on the screen.
        teclasfisicas(s, function(ch) {
            var k = dobrar(ch.normalize("NFC"), exacto);
            if (!botons[k]) return false;
            premer(k);
        });
    }
});

// --- spelling ---------------------------------------------------------------------------------

// Type 50 shares "letras" and writes no "forma"; its own module plays it.
ZUBP.rexistrar("letras", {
    cando : function(p) { return p.forma === "1"; },
    imaxe : false,
    actividade : function(p) {
        var w = ZUBP.lista(p.palabras)[0];
        return !!w && ortografia(w, p.letras).ocos.length > 0;
    },
    construir : function(p, c, s) {
        var w = s.lista(p.palabras)[0];
        if (!w || !ZUBP.caracteres(dec(w)).some(eletra)) return "sen palabra";
        var o = ortografia(w, p.letras);
        if (!o.ocos.length) return "sen letras";
        if (p.texto) c.appendChild(s.html("zub-enunciado", p.texto));
        var im = s.lista(p.imaxes)[0] || p.imaxe;
        if (im) c.appendChild(s.imaxe(im, "", "zub-imaxe"));
        var pal = s.el("div", "zub-ortografia");
        var ocos = [], actual = 0;
        o.letras.forEach(function(ch, i) {
            var k = o.ocos.indexOf(i);
            if (k < 0) {
                pal.appendChild(s.el("span", "zub-letrafixa", ch));
                return;
            }
            var b = s.boton("", function() { escoller(k); }, "zub-ocoletra");
            b.setAttribute("aria-label", s.t("oco", k + 1));
            ocos.push({boton : b, letra : ch, posta : ""});
            pal.appendChild(b);
        });
        c.appendChild(pal);
        var paleta = s.el("div", "zub-teclado");
        paleta.setAttribute("role", "group");
        paleta.setAttribute("aria-label", s.t("escoller"));
        o.opcions.forEach(function(l) { paleta.appendChild(s.boton(l, function() { poñer(l); }, "zub-tecla")); });
        c.appendChild(paleta);
        function escoller(k) {
            if (s.resolta()) return;
            actual = k;
            ocos.forEach(function(x, j) { x.boton.setAttribute("aria-pressed", j === k ? "true" : "false"); });
        }
        escoller(0);
        function poñer(l) {
            if (s.resolta()) return;
            var x = ocos[actual];
            // The learner's letter in the case of the word's own.
            x.posta = l;
            x.boton.textContent = x.letra === x.letra.toLocaleUpperCase() && x.letra !== x.letra.toLocaleLowerCase()
                                      ? l.toLocaleUpperCase() : l;
            x.boton.setAttribute("aria-label", s.t("oco", actual + 1) + ": " + x.boton.textContent);
            marcar(x.boton, undefined);
            var baleiro = -1;
            for (var j = 1; j <= ocos.length && baleiro < 0; j++)
                if (!ocos[(actual + j) % ocos.length].posta) baleiro = (actual + j) % ocos.length;
            if (baleiro >= 0) {
                escoller(baleiro);
                return;
            }
            // Every gap filled: judged.
            var mal = -1;
            ocos.forEach(function(y, j) {
                var ben = y.posta === y.letra.toLocaleLowerCase();
                marcar(y.boton, ben ? undefined : false);
                if (!ben && mal < 0) mal = j;
            });
            s.xulgar(mal < 0);
            if (mal < 0) {
                ocos.forEach(function(y) {
                    marcar(y.boton, true);
                    y.boton.removeAttribute("aria-pressed");
                });
                pal.querySelectorAll("button").forEach(function(b) { b.disabled = true; });
                paleta.querySelectorAll("button").forEach(function(b) { b.disabled = true; });
            } else
                escoller(mal);
        }
        teclasfisicas(s, function(ch) {
            var l = ch.toLocaleLowerCase();
            if (o.opcions.indexOf(l) < 0) return false;
            poñer(l);
        });
    }
});

// --- dictation --------------------------------------------------------------------------------

function textodictado(p) { return palabrasdictado(p.texto).length > 0; }
ZUBP.rexistrar("dictado", {
    actividade : function(p) { return textodictado(p) && (!!p.son || p.forma === "1"); },
    construir : function(p, c, s) {
        if (!textodictado(p)) return "sen texto";
        // Without its sound the text shown is what is written; without both there is nothing.
        if (!p.son && p.forma !== "1") return "sen son";
        if (p.son) {
            var a = s.son(p.son);
            a.setAttribute("aria-label", s.t("escoitar"));
            c.appendChild(a);
        }
        if (p.forma === "1") c.appendChild(s.el("div", "zub-textodictado", textoplano(p.texto)));
        var t = s.el("textarea", "zub-dictado");
        t.rows = 5;
        t.setAttribute("aria-label", s.t("escribe"));
        t.setAttribute("autocomplete", "off");
        t.setAttribute("autocapitalize", "off");
        t.spellcheck = false;
        c.appendChild(t);
        var correccion = s.el("div", "zub-correccion");
        correccion.hidden = true;
        var boton = s.boton(s.t("comprobar"), function() {
            if (s.resolta() || !t.value.trim()) return;
            var d = dictado(p.texto, t.value);
            var ben = dictadoben(d);
            s.xulgar(ben);
            marcar(t, ben);
            // "modo" "1": the wrong, missing and extra words are shown.
            if (p.modo === "1") amosar(d);
            if (ben) {
                t.readOnly = true;
                boton.disabled = true;
            }
        }, "zub-comprobar");
        c.appendChild(boton);
        c.appendChild(correccion);
        function amosar(d) {
            correccion.textContent = "";
            correccion.appendChild(s.el("h3", "zub-rotulo", s.t("correccion")));
            var pr = s.el("p", "");
            d.forEach(function(x) {
                if (x.tipo === "ben") pr.appendChild(s.el("span", "zub-dben", x.esperada));
                if (x.tipo === "mal" || x.tipo === "sobra") {
                    var del = s.el("del", "zub-dmal", x.escrita);
                    if (x.tipo === "sobra") del.setAttribute("title", s.t("sobra"));
                    pr.appendChild(del);
                }
                if (x.tipo === "mal" || x.tipo === "falta") {
                    var ins = s.el("ins", "zub-dfalta", x.esperada);
                    if (x.tipo === "falta") ins.setAttribute("title", s.t("falta"));
                    pr.appendChild(ins);
                }
                pr.appendChild(document.createTextNode(" "));
            });
            correccion.appendChild(pr);
            correccion.hidden = false;
        }
    }
});
})(typeof window !== "undefined" ? window.ZUBP : this.ZUBP);
