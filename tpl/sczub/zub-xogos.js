// Quibel's HTML5 player: the picture games (puzzle, X-ray, classify pictures, identify pictures and sounds, drag pictures, pairs, choose).
// Each module registers with ZUBP.rexistrar(type, {cando, actividade, construir}); see zub.js.
(function(ZUBP) {
"use strict";
if (!ZUBP) return;
var global = typeof window !== "undefined" ? window : this;

ZUBP.textos({
    ESP : {xpeza : "Pieza {0}", xcela : "Fila {0}, columna {1}", xcaixa : "Caja {0}", ximaxe : "Imagen {0}",
           xnome : "Nombre de la imagen {0}", xresposta : "Respuesta", xcarta : "Carta {0}", xtempo : "Tiempo: {0} s",
           xfintempo : "Se acabó el tiempo", xparella : "Pareja encontrada",
           xlente : "Imagen oculta: mueve la lupa con el ratón o con las flechas"},
    GAL : {xpeza : "Peza {0}", xcela : "Fila {0}, columna {1}", xcaixa : "Caixa {0}", ximaxe : "Imaxe {0}",
           xnome : "Nome da imaxe {0}", xresposta : "Resposta", xcarta : "Carta {0}", xtempo : "Tempo: {0} s",
           xfintempo : "Acabouse o tempo", xparella : "Parella atopada",
           xlente : "Imaxe agochada: move a lupa co rato ou coas frechas"},
    CAT : {xpeza : "Peça {0}", xcela : "Fila {0}, columna {1}", xcaixa : "Capsa {0}", ximaxe : "Imatge {0}",
           xnome : "Nom de la imatge {0}", xresposta : "Resposta", xcarta : "Carta {0}", xtempo : "Temps: {0} s",
           xfintempo : "S'ha acabat el temps", xparella : "Parella trobada",
           xlente : "Imatge amagada: mou la lupa amb el ratolí o amb les fletxes"},
    EUS : {xpeza : "{0}. pieza", xcela : "{0}. errenkada, {1}. zutabea", xcaixa : "{0}. kutxa", ximaxe : "{0}. irudia",
           xnome : "{0}. irudiaren izena", xresposta : "Erantzuna", xcarta : "{0}. karta", xtempo : "Denbora: {0} s",
           xfintempo : "Denbora amaitu da", xparella : "Bikotea aurkitu da",
           xlente : "Ezkutuko irudia: mugitu lupa saguarekin edo geziekin"},
    POR : {xpeza : "Peça {0}", xcela : "Linha {0}, coluna {1}", xcaixa : "Caixa {0}", ximaxe : "Imagem {0}",
           xnome : "Nome da imagem {0}", xresposta : "Resposta", xcarta : "Carta {0}", xtempo : "Tempo: {0} s",
           xfintempo : "O tempo acabou", xparella : "Par encontrado",
           xlente : "Imagem escondida: mova a lupa com o rato ou com as setas"},
    ENG : {xpeza : "Piece {0}", xcela : "Row {0}, column {1}", xcaixa : "Box {0}", ximaxe : "Picture {0}",
           xnome : "Name of picture {0}", xresposta : "Answer", xcarta : "Card {0}", xtempo : "Time: {0} s",
           xfintempo : "Time is up", xparella : "Pair found",
           xlente : "Hidden picture: move the lens with the mouse or the arrow keys"},
    AST : {xpeza : "Pieza {0}", xcela : "Filera {0}, columna {1}", xcaixa : "Caxa {0}", ximaxe : "Imaxe {0}",
           xnome : "Nome de la imaxe {0}", xresposta : "Rempuesta", xcarta : "Carta {0}", xtempo : "Tiempu: {0} s",
           xfintempo : "Acabóse'l tiempu", xparella : "Pareya alcontrada",
           xlente : "Imaxe anubrida: muevi la lupa col mur o coles fleches"},
    VAL : {xpeza : "Peça {0}", xcela : "Fila {0}, columna {1}", xcaixa : "Caixa {0}", ximaxe : "Imatge {0}",
           xnome : "Nom de la imatge {0}", xresposta : "Resposta", xcarta : "Carta {0}", xtempo : "Temps: {0} s",
           xfintempo : "S'ha acabat el temps", xparella : "Parella trobada",
           xlente : "Imatge amagada: mou la lupa amb el ratolí o amb les fletxes"}
});

// --- pure logic -----------------------------------------------------------------------------

// The pieces of a picture cut into rows × columns (one digit each in the editor; anything else
// gives 1, and no more than 9), and the order they wait in beside the board: shuffled, never the
// board's own order where there are two pieces or more.
function puzle(filas, columnas, azar) {
    var f = ZUBP.enteiro(filas, 1, 1, 9), c = ZUBP.enteiro(columnas, 1, 1, 9);
    var pezas = [];
    for (var i = 0; i < f * c; i++)
        pezas.push({i : i, fila : Math.floor(i / c), columna : i % c});
    var orde = pezas.map(function(x) { return x.i; });
    if (azar) orde = azar.desordenar(orde);
    return {filas : f, columnas : c, pezas : pezas, orde : orde};
}
// The board, cell by cell (the piece in it or null): full when no cell is empty, right when each
// cell holds its own piece.
function puzleestado(celas) {
    var cheo = true, ben = true;
    for (var i = 0; i < celas.length; i++) {
        if (celas[i] === null || celas[i] === undefined) cheo = false;
        if (celas[i] !== i) ben = false;
    }
    return {cheo : cheo, ben : cheo && ben};
}

// The description keeps only the filled items of a run, while a run of fixed length beside it
// keeps every slot. Item k of the kept ones came from a slot between k and k + the number of
// empty slots: where every slot in that range gives the same value, the item's value is sure;
// where they differ the item cannot be paired. Returns {seguros: [{indice, valor}], dubidosos: [indice]}.
function emparellar(gardados, fixos) {
    var n = gardados, m = fixos.length, baleiros = m - n;
    var r = {seguros : [], dubidosos : []};
    if (baleiros < 0) {
        // More items than slots: only the first ones have a slot.
        for (var a = 0; a < n; a++)
            if (a < m) r.seguros.push({indice : a, valor : fixos[a]});
            else r.dubidosos.push(a);
        return r;
    }
    for (var k = 0; k < n; k++) {
        var v = fixos[k], igual = true;
        for (var j = k + 1; j <= k + baleiros; j++)
            if (fixos[j] !== v) igual = false;
        if (igual) r.seguros.push({indice : k, valor : v});
        else r.dubidosos.push(k);
    }
    return r;
}

// Classify pictures: the pictures with the box each belongs to ("2" box 2, anything else box 1),
// the ones that cannot be paired with their box, the box names, pictures and opacities. A run of
// box names or pictures with one item left cannot say which box it was for: then neither box
// gets it.
function clasificarimx(p) {
    var imaxes = ZUBP.lista(p.imaxes), caixas = ZUBP.lista(p.caixas).map(function(v) {
        return String(v).trim() === "2" ? 2 : 1;
    });
    var e = emparellar(imaxes.length, caixas);
    var dous = function(v) {
        v = ZUBP.lista(v);
        return v.length === 2 ? v : [];
    };
    var nomes = dous(p.txcaixas), fondos = dous(p.imfondo), trans = dous(p.trnsimf);
    return {
        imaxes : e.seguros.map(function(x) { return {src : imaxes[x.indice], caixa : x.valor, indice : x.indice}; }),
        fora : e.dubidosos.map(function(k) { return imaxes[k]; }),
        nomes : nomes.length ? nomes : [ "", "" ],
        fondos : fondos,
        trans : [ 0, 1 ].map(function(k) { return trans.length ? ZUBP.enteiro(trans[k], 100, 0, 100) : 100; }),
        perdidos : ZUBP.lista(p.txcaixas).length === 1 || ZUBP.lista(p.imfondo).length === 1
    };
}

// Identify pictures and sounds: items picture||sound||name. "1" or none: write the names; "2":
// drag the names under the pictures; "3": move the pictures onto the names.
function identificar(p) {
    var m = String(p.modo === undefined ? "" : p.modo).trim();
    var items = ZUBP.lista(p.etiquetas).map(function(item) {
        var q = ZUBP.partes(item);
        return {imaxe : q[0] || "", son : q[1] || "", nome : q.slice(2).join("||")};
    }).filter(function(x) { return x.imaxe || x.nome; });
    return {modo : m === "2" ? "arrastrar" : m === "3" ? "mover" : "escribir", items : items};
}
// Typed names: right when every item that has a name got it; items without one are not asked.
function xulgarnomes(esperados, escritos) {
    for (var i = 0; i < esperados.length; i++)
        if (ZUBP.normalizar(esperados[i]) && !ZUBP.compara(escritos[i], esperados[i])) return false;
    return true;
}

// Drag pictures: items target||sound||piece||text||||.
function unirimx(p) {
    return ZUBP.lista(p.etiquetas).map(function(item) {
        var q = ZUBP.partes(item);
        return {destino : q[0] || "", son : q[1] || "", peza : q[2] || "", texto : q[3] || ""};
    });
}

// Choose: items flag||text||picture; the picture is the last part, so a "||" typed into a text
// stays in the text. Items with neither text nor picture are not shown, and so never asked for.
function seleccionar(p) {
    var r = [];
    ZUBP.lista(p.etiquetas).forEach(function(item) {
        var q = ZUBP.partes(item);
        var x = {correcta : String(q[0]).trim() === "1", texto : q.length >= 3 ? q.slice(1, -1).join("||") : q[1] || "",
                 imaxe : q.length >= 3 ? q[q.length - 1] : ""};
        if (ZUBP.normalizar(x.texto) || x.imaxe.trim()) r.push(x);
    });
    return r;
}
function xulgarseleccion(items, escollidas) {
    for (var i = 0; i < items.length; i++)
        if (!!items[i].correcta !== (escollidas.indexOf(i) >= 0)) return false;
    return true;
}

// Pairs: each picture on two cards, shuffled.
function cartas(n, azar) {
    var c = [];
    for (var i = 0; i < n; i++)
        c.push(i, i);
    return azar ? azar.desordenar(c) : c;
}

ZUBP.logica = ZUBP.logica || {};
ZUBP.logica.xogos = {
    puzle : puzle,
    puzleestado : puzleestado,
    emparellar : emparellar,
    clasificarimx : clasificarimx,
    identificar : identificar,
    xulgarnomes : xulgarnomes,
    unirimx : unirimx,
    seleccionar : seleccionar,
    xulgarseleccion : xulgarseleccion,
    cartas : cartas
};

// The modules below register under node --test too, so their choice of pages can be tested; they
// build only in a page.

// --- shared pieces ----------------------------------------------------------------------------

// Pieces put into places (cells, boxes, slots under pictures), by drag, tap or keyboard through
// the core's pick-up service. A place of one takes one piece: dropping on a taken one swaps the
// two. o.pezas, o.lugares, o.bandexa (the tray), o.certa(peza, lugar), o.marcar(peza, lugar)
// (optional: a mark as each piece lands). The page is judged when the last piece leaves the
// tray, and again as soon as the pieces stand right; moves that keep a wrong whole don't count
// as new tries.
function colocar(s, o) {
    var eracheo = false;
    function lugarde(e) {
        while (e && o.lugares.indexOf(e) < 0) e = e.parentNode;
        return e;
    }
    function pezasen(l) {
        return Array.prototype.filter.call(l.children, function(x) { return o.pezas.indexOf(x) >= 0; });
    }
    function despois() {
        var cheo = !o.pezas.some(function(x) { return x.parentNode === o.bandexa; });
        var ben = cheo && o.pezas.every(function(x) { return o.certa(x, lugarde(x.parentNode)); });
        o.pezas.forEach(function(x) {
            x.classList.remove("zub-xben", "zub-xmal");
            var l = lugarde(x.parentNode);
            if (o.marcar && l) x.classList.add(o.certa(x, l) ? "zub-xben" : "zub-xmal");
        });
        if (cheo && (ben || !eracheo)) {
            s.xulgar(ben);
            if (ben) a.desactivar();
        }
        eracheo = cheo;
    }
    var a = s.arrastre({
        pezas : o.pezas,
        bandexa : o.bandexa,
        destinos : function() {
            var d = o.lugares.slice();
            // A placed piece stands for its place, so a tap on it drops the piece in hand there.
            if (o.un) o.lugares.forEach(function(l) { d = d.concat(pezasen(l)); });
            return d;
        },
        soltar : function(peza, d) {
            if (s.resolta()) return false;
            var l = lugarde(d);
            if (!l || l === peza.parentNode) return false;
            var orixe = peza.parentNode;
            if (o.un) {
                var outra = pezasen(l)[0];
                if (outra) orixe.appendChild(outra);
            }
            l.appendChild(peza);
            if (o.aocolocar) o.aocolocar(peza, l);
            despois();
        },
        devolver : function() { despois(); }
    });
    o.bandexa.setAttribute("aria-label", s.t("bandexa"));
    return a;
}

// A play button that shows only its sign and says whose sound it plays.
function botonson(s, src, de) {
    var b = s.botonson(src);
    b.setAttribute("aria-label", s.t("escoitar") + ": " + s.dec(de));
    return b;
}

// The book's extra characters as keys that type into the answer box last used (the first one
// before any), for letters the learner's keyboard may lack.
function teclas(s, entradas) {
    var vistos = {}, chars = s.caracteres(s.dec(s.conf.caracteres)).filter(function(ch) {
        if (/\s/.test(ch) || vistos[ch]) return false;
        vistos[ch] = true;
        return true;
    }).slice(0, 60);
    if (!chars.length || !entradas.length) return null;
    var ultima = entradas[0];
    entradas.forEach(function(e) { e.addEventListener("focus", function() { ultima = e; }); });
    var fila = s.el("div", "zub-teclas");
    chars.forEach(function(ch) {
        var b = s.boton(ch, function() {
            if (ultima.disabled) return;
            var a = ultima.selectionStart === null ? ultima.value.length : ultima.selectionStart;
            var z = ultima.selectionEnd === null ? a : ultima.selectionEnd;
            ultima.value = ultima.value.slice(0, a) + ch + ultima.value.slice(z);
            ultima.focus();
            ultima.setSelectionRange(a + ch.length, a + ch.length);
        }, "zub-tecla");
        fila.appendChild(b);
    });
    return fila;
}

function cor(s, v, outra) { return s.cor(v) || outra || ""; }

// --- 3: puzzle ------------------------------------------------------------------------------

ZUBP.rexistrar("puzzle", {
    imaxe : false,
    actividade : function(p) { return !!String(p.imaxe || "").trim(); },
    construir : function(p, c, s) {
        if (!String(p.imaxe || "").trim()) return "sen imaxe";
        var z = puzle(p.filas, p.columnas, s.azar);
        var src = s.enderezo(p.imaxe);
        var xogo = s.el("div", "zub-puzle" + (p.reixa === "1" ? " zub-reixa" : "") + (p.forma === "1" ? " zub-forma1" : ""));
        var taboleiro = s.el("div", "zub-taboleiro");
        taboleiro.setAttribute("role", "group");
        taboleiro.setAttribute("aria-label", s.dec(p.altim || "") || s.t("ximaxe", 1));
        if (p.imfondo) {
            var fondo = s.el("div", "zub-puzlefondo");
            fondo.style.backgroundImage = "url(\"" + s.enderezo(p.imfondo).replace(/"/g, "%22") + "\")";
            fondo.style.opacity = ZUBP.enteiro(p.trans, 100, 0, 100) / 100;
            taboleiro.appendChild(fondo);
        }
        var celas = [];
        z.pezas.forEach(function(x) {
            var cela = s.el("div", "zub-cela");
            cela.setAttribute("aria-label", s.t("xcela", x.fila + 1, x.columna + 1));
            cela.zubindice = x.i;
            celas.push(cela);
            taboleiro.appendChild(cela);
        });
        var bandexa = s.el("div", "zub-bandexa zub-puzlebandexa");
        var pezas = z.orde.map(function(i, k) {
            var x = z.pezas[i];
            var peza = s.el("div", "zub-puzlepeza");
            peza.zubindice = i;
            peza.setAttribute("aria-label", s.t("xpeza", k + 1));
            peza.style.backgroundImage = "url(\"" + src.replace(/"/g, "%22") + "\")";
            peza.style.backgroundSize = z.columnas * 100 + "% " + z.filas * 100 + "%";
            peza.style.backgroundPosition = (z.columnas > 1 ? x.columna / (z.columnas - 1) * 100 : 0) + "% " +
                                            (z.filas > 1 ? x.fila / (z.filas - 1) * 100 : 0) + "%";
            bandexa.appendChild(peza);
            return peza;
        });
        // The board takes the picture's proportions, at most 480 pixels wide and no wider than
        // the page at hand.
        var natural = [ 400, 300 ];
        function medir(w, h) {
            natural = [ w, h ];
            var sitio = c.clientWidth || 480;
            var ancho = Math.max(60, Math.min(480, w, sitio - 8)), alto = Math.round(ancho * h / w);
            var cw = ancho / z.columnas, ch = alto / z.filas;
            taboleiro.style.width = ancho + "px";
            taboleiro.style.height = alto + "px";
            taboleiro.style.gridTemplateColumns = "repeat(" + z.columnas + ", 1fr)";
            taboleiro.style.gridTemplateRows = "repeat(" + z.filas + ", 1fr)";
            pezas.forEach(function(x) {
                x.style.width = cw + "px";
                x.style.height = ch + "px";
            });
            bandexa.style.minWidth = Math.ceil(cw + 16) + "px";
            bandexa.style.minHeight = Math.ceil(ch + 16) + "px";
        }
        medir(400, 300);
        var proba = s.imaxe(p.imaxe, p.altim, "zub-puzleorixe");
        proba.addEventListener("load", function() {
            if (proba.naturalWidth > 0) medir(proba.naturalWidth, proba.naturalHeight);
        });
        xogo.appendChild(taboleiro);
        xogo.appendChild(bandexa);
        c.appendChild(xogo);
        // The picture itself, hidden, measures the board and counts among the page's pictures.
        c.appendChild(proba);
        s.aovolver(function() { medir(natural[0], natural[1]); });
        colocar(s, {
            pezas : pezas,
            lugares : celas,
            bandexa : bandexa,
            un : true,
            certa : function(peza, l) { return !!l && l.zubindice === peza.zubindice; }
        });
    }
});

// --- 5: X-ray -------------------------------------------------------------------------------

// The cover is the picture imfondo at (posx, posy) over a ground of the colour ctapa, laid on
// the hidden picture (the page picture); a round lens of diameter rdim shows what lies below.
ZUBP.rexistrar("raiosx", {
    imaxe : false,
    actividade : function(p) { return !!String(p.imaxe || "").trim() && !!ZUBP.normalizar(p.resp); },
    construir : function(p, c, s) {
        if (!String(p.imaxe || "").trim()) return "sen imaxe agochada";
        if (p.texto) c.appendChild(s.html("zub-enunciado", p.texto));
        var diametro = ZUBP.enteiro(p.rdim, 50, 4, 2000);
        var area = s.el("div", "zub-raios");
        area.tabIndex = 0;
        area.setAttribute("role", "img");
        area.setAttribute("aria-label", s.t("xlente"));
        var base = s.imaxe(p.imaxe, p.altim, "zub-raiosbase");
        base.setAttribute("aria-hidden", "true");
        var tapa = s.el("div", "zub-raiostapa");
        tapa.style.backgroundColor = cor(s, p.ctapa, "#808080");
        var capa = null;
        if (p.imfondo) {
            capa = s.imaxe(p.imfondo, "", "zub-raioscapa");
            tapa.appendChild(capa);
        }
        var lente = s.imaxe(p.imaxe, "", "zub-raioslente");
        lente.setAttribute("aria-hidden", "true");
        area.appendChild(base);
        area.appendChild(tapa);
        area.appendChild(lente);
        c.appendChild(area);
        var x = -1e4, y = -1e4;
        // Design pixels are the hidden picture's own; the picture may be shown smaller.
        function razon() {
            var w = area.getBoundingClientRect().width;
            return base.naturalWidth > 0 && w > 0 ? w / base.naturalWidth : 1;
        }
        function pintar() {
            var k = razon();
            lente.style.clipPath = "circle(" + diametro / 2 * k + "px at " + x * k + "px " + y * k + "px)";
        }
        function situarcapa() {
            if (!capa || !(base.naturalWidth > 0)) return;
            var w = base.naturalWidth, h = base.naturalHeight;
            capa.style.left = ZUBP.enteiro(p.posx, 0) / w * 100 + "%";
            capa.style.top = ZUBP.enteiro(p.posy, 0) / h * 100 + "%";
            if (capa.naturalWidth > 0) capa.style.width = capa.naturalWidth / w * 100 + "%";
        }
        base.addEventListener("load", function() {
            situarcapa();
            pintar();
        });
        if (capa) capa.addEventListener("load", situarcapa);
        pintar();
        area.addEventListener("pointermove", function(ev) {
            var r = area.getBoundingClientRect(), k = razon();
            x = (ev.clientX - r.left) / k;
            y = (ev.clientY - r.top) / k;
            pintar();
        });
        area.addEventListener("pointerleave", function(ev) {
            if (ev.pointerType === "mouse") {
                x = y = -1e4;
                pintar();
            }
        });
        area.addEventListener("focus", function() {
            if (x < 0 || y < 0) {
                x = (base.naturalWidth || 200) / 2;
                y = (base.naturalHeight || 150) / 2;
                pintar();
            }
        });
        area.addEventListener("keydown", function(ev) {
            var paso = ev.shiftKey ? 40 : 10;
            var d = {ArrowLeft : [ -paso, 0 ], ArrowRight : [ paso, 0 ], ArrowUp : [ 0, -paso ], ArrowDown : [ 0, paso ]}[ev.key];
            if (!d) return;
            ev.preventDefault();
            var w = base.naturalWidth || 400, h = base.naturalHeight || 300;
            x = Math.max(0, Math.min(w, x + d[0]));
            y = Math.max(0, Math.min(h, y + d[1]));
            pintar();
        });
        if (!ZUBP.normalizar(p.resp)) return;
        var fila = s.el("div", "zub-raiosresposta");
        var entrada = s.el("input", "zub-oco");
        entrada.type = "text";
        entrada.setAttribute("aria-label", s.t("xresposta"));
        entrada.size = Math.max(8, Math.min(40, s.caracteres(s.dec(p.resp)).length + 4));
        function comprobar() {
            if (s.resolta() || !ZUBP.normalizar(entrada.value)) return;
            var ben = s.compara(entrada.value, p.resp);
            s.xulgar(ben);
            if (ben) entrada.disabled = boton.disabled = true;
        }
        entrada.addEventListener("keydown", function(ev) {
            if (ev.key === "Enter") {
                ev.preventDefault();
                comprobar();
            }
        });
        var boton = s.boton(s.t("comprobar"), comprobar, "zub-comprobar");
        fila.appendChild(entrada);
        fila.appendChild(boton);
        c.appendChild(fila);
        var t = teclas(s, [ entrada ]);
        if (t) c.appendChild(t);
    }
});

// --- 7: classify pictures -------------------------------------------------------------------

ZUBP.rexistrar("clasificarimx", {
    actividade : function(p) { return clasificarimx(p).imaxes.length > 0; },
    construir : function(p, c, s) {
        var d = clasificarimx(p);
        if (!d.imaxes.length) return d.fora.length ? "imaxes sen caixa segura" : "sen imaxes";
        var fondo = cor(s, p.cfondo, cor(s, s.conf.corfondo));
        var caixas = s.el("div", "zub-caixasimx");
        var lugares = [ 0, 1 ].map(function(k) {
            var caixa = s.el("div", "zub-caixaimx");
            var nome = s.dec(d.nomes[k]).trim();
            caixa.appendChild(s.el("h3", "zub-caixanome", nome || String(k + 1)));
            if (d.fondos[k]) {
                var f = s.el("div", "zub-caixafondo");
                f.style.backgroundImage = "url(\"" + s.enderezo(d.fondos[k]).replace(/"/g, "%22") + "\")";
                f.style.opacity = d.trans[k] / 100;
                caixa.appendChild(f);
            }
            caixa.setAttribute("aria-label", s.t("xcaixa", k + 1) + (nome ? ": " + nome : ""));
            caixa.zubcaixa = k + 1;
            caixas.appendChild(caixa);
            return caixa;
        });
        var bandexa = s.el("div", "zub-bandexa");
        if (fondo) bandexa.style.backgroundColor = fondo;
        var pezas = s.azar.desordenar(d.imaxes).map(function(x, k) {
            var peza = s.el("div", "zub-imxpeza" + (p.cadro === "1" ? " zub-cadro" : ""), s.medio(x.src));
            peza.setAttribute("aria-label", s.t("ximaxe", k + 1));
            if (fondo) peza.style.backgroundColor = fondo;
            peza.zubcaixa = x.caixa;
            bandexa.appendChild(peza);
            return peza;
        });
        c.appendChild(caixas);
        c.appendChild(bandexa);
        var fora = [];
        if (d.fora.length) fora.push(d.fora.length + " imaxes sen caixa segura");
        if (d.perdidos) fora.push("nome ou imaxe dunha caixa sen caixa segura");
        if (fora.length) c.setAttribute("data-zub-fora", fora.join("; "));
        colocar(s, {
            pezas : pezas,
            lugares : lugares,
            bandexa : bandexa,
            marcar : p.modo !== "1",
            certa : function(peza, l) { return !!l && l.zubcaixa === peza.zubcaixa; }
        });
    }
});

// --- 11, 22: identify pictures and sounds ---------------------------------------------------

// The "modo" code chooses the behaviour: write the names ("1", or none), drag the names ("2", also
// the only code of the three-picture identification page), move the pictures onto the names ("3").
ZUBP.rexistrar("identificarimx", {
    actividade : function(p) {
        return identificar(p).items.some(function(x) { return ZUBP.normalizar(x.nome); });
    },
    construir : function(p, c, s) {
        var d = identificar(p);
        var items = d.items.filter(function(x) { return x.imaxe; });
        if (!items.some(function(x) { return ZUBP.normalizar(x.nome); })) return "sen nomes";
        var grella = s.el("div", "zub-identificar");
        var fichas = items.map(function(x, i) {
            var f = s.el("div", "zub-identificaritem");
            if (d.modo !== "mover") f.appendChild(s.imaxe(x.imaxe, s.t("ximaxe", i + 1), "zub-identificarimx"));
            if (x.son) f.appendChild(botonson(s, x.son, d.modo === "mover" && x.nome ? x.nome : s.t("ximaxe", i + 1)));
            grella.appendChild(f);
            return f;
        });
        c.appendChild(grella);
        var sennome = items.filter(function(x) { return !ZUBP.normalizar(x.nome); }).length;
        if (d.modo === "escribir") {
            var entradas = [];
            items.forEach(function(x, i) {
                if (!ZUBP.normalizar(x.nome)) return;
                var e = s.el("input", "zub-oco");
                e.type = "text";
                e.setAttribute("aria-label", s.t("xnome", i + 1));
                e.size = Math.max(6, Math.min(30, s.caracteres(s.dec(x.nome)).length + 3));
                e.addEventListener("keydown", function(ev) {
                    if (ev.key === "Enter") {
                        ev.preventDefault();
                        comprobar();
                    }
                });
                e.zubnome = x.nome;
                entradas.push(e);
                fichas[i].appendChild(e);
            });
            var t = teclas(s, entradas);
            if (t) c.appendChild(t);
            var boton = s.boton(s.t("comprobar"), comprobar, "zub-comprobar");
            function comprobar() {
                if (s.resolta()) return;
                var ben = xulgarnomes(entradas.map(function(e) { return e.zubnome; }),
                                      entradas.map(function(e) { return e.value; }));
                entradas.forEach(function(e) {
                    e.classList.toggle("zub-xmal", !s.compara(e.value, e.zubnome));
                });
                s.xulgar(ben);
                if (ben) {
                    entradas.forEach(function(e) { e.disabled = true; });
                    boton.disabled = true;
                }
            }
            c.appendChild(boton);
            return;
        }
        var bandexa = s.el("div", "zub-bandexa");
        var lugares = [], pezas = [];
        if (d.modo === "arrastrar") {
            // The names go under the pictures; two equal names fit either picture.
            items.forEach(function(x, i) {
                if (!ZUBP.normalizar(x.nome)) return;
                var l = s.el("div", "zub-oconome");
                l.setAttribute("aria-label", s.t("xnome", i + 1));
                l.zubnome = x.nome;
                fichas[i].appendChild(l);
                lugares.push(l);
                pezas.push(x.nome);
            });
            pezas = s.azar.desordenar(pezas).map(function(nome) {
                var peza = s.el("div", "zub-nomepeza", nome);
                peza.zubnome = nome;
                bandexa.appendChild(peza);
                return peza;
            });
        } else {
            // The pictures go onto their names.
            items.forEach(function(x, i) {
                if (!ZUBP.normalizar(x.nome)) return;
                fichas[i].appendChild(s.el("div", "zub-nomefixo", x.nome));
                var l = s.el("div", "zub-ocoimx");
                l.setAttribute("aria-label", s.dec(x.nome));
                l.zubimaxe = x.imaxe;
                fichas[i].insertBefore(l, fichas[i].firstChild);
                lugares.push(l);
                pezas.push(x.imaxe);
            });
            pezas = s.azar.desordenar(pezas).map(function(src, k) {
                var peza = s.el("div", "zub-imxpeza", s.imaxe(src, s.t("ximaxe", k + 1)));
                peza.setAttribute("aria-label", s.t("ximaxe", k + 1));
                peza.zubimaxe = src;
                bandexa.appendChild(peza);
                return peza;
            });
            if (sennome) c.setAttribute("data-zub-fora", sennome + " imaxes sen nome");
        }
        c.appendChild(bandexa);
        colocar(s, {
            pezas : pezas,
            lugares : lugares,
            bandexa : bandexa,
            un : true,
            certa : function(peza, l) {
                if (!l) return false;
                return d.modo === "arrastrar" ? s.compara(peza.zubnome, l.zubnome) : peza.zubimaxe === l.zubimaxe;
            }
        });
    }
});

// --- 14: drag pictures ------------------------------------------------------------------------

ZUBP.rexistrar("unirimx", {
    actividade : function(p) { return unirimx(p).some(function(x) { return x.destino && x.peza; }); },
    construir : function(p, c, s) {
        var todos = unirimx(p);
        var items = todos.filter(function(x) { return x.destino && x.peza; });
        if (!items.length) return "sen parellas";
        var fondo = cor(s, p.cfondo, cor(s, s.conf.corfondo));
        var fixos = s.el("div", "zub-unirimx");
        var lugares = items.map(function(x, i) {
            var g = s.el("div", "zub-unirgrupo");
            if (fondo) g.style.backgroundColor = fondo;
            var l = s.el("div", "zub-ocoimx", s.imaxe(x.destino, x.texto || s.t("ximaxe", i + 1), "zub-unirdestino"));
            l.setAttribute("aria-label", s.t("ximaxe", i + 1) + (x.texto ? ": " + s.dec(x.texto) : ""));
            l.zubpeza = x.peza;
            l.zubson = x.son;
            g.appendChild(l);
            if (x.texto) g.appendChild(s.el("p", "zub-unirtexto", x.texto));
            if (x.son) g.appendChild(botonson(s, x.son, x.texto || s.t("ximaxe", i + 1)));
            fixos.appendChild(g);
            return l;
        });
        var bandexa = s.el("div", "zub-bandexa");
        if (fondo) bandexa.style.backgroundColor = fondo;
        var pezas = s.azar.desordenar(items.map(function(x) { return x.peza; })).map(function(src, k) {
            var peza = s.el("div", "zub-imxpeza", s.imaxe(src, s.t("xpeza", k + 1)));
            peza.setAttribute("aria-label", s.t("xpeza", k + 1));
            peza.zubpeza = src;
            bandexa.appendChild(peza);
            return peza;
        });
        c.appendChild(fixos);
        c.appendChild(bandexa);
        if (items.length < todos.length) c.setAttribute("data-zub-fora", todos.length - items.length + " pezas sen destino");
        colocar(s, {
            pezas : pezas,
            lugares : lugares,
            bandexa : bandexa,
            un : true,
            certa : function(peza, l) { return !!l && l.zubpeza === peza.zubpeza; },
            // A piece that lands on its own picture plays that picture's sound.
            aocolocar : function(peza, l) {
                if (l.zubson && l.zubpeza === peza.zubpeza) s.tocar(l.zubson);
            }
        });
    }
});

// --- 17: pairs ------------------------------------------------------------------------------

function imaxesparellas(p) { return ZUBP.lista(p.imaxes).filter(function(v) { return String(v).trim(); }); }

ZUBP.rexistrar("parellas", {
    cando : function(p) { return String(p.modo === undefined ? "" : p.modo).trim() === "0"; },
    actividade : function(p) { return imaxesparellas(p).length > 0; },
    construir : function(p, c, s) {
        var imaxes = imaxesparellas(p);
        if (!imaxes.length) return "sen imaxes";
        var segundos = s.enteiro(p.tempo, 0, 0, 3600);
        var taboleiro = s.el("div", "zub-parellas");
        var fondo = cor(s, p.cfondo, cor(s, s.conf.corfondo));
        if (fondo) taboleiro.style.backgroundColor = fondo;
        var tapa = cor(s, p.ctapa, "#4060a0");
        var reloxo = s.el("p", "zub-reloxoxogo");
        reloxo.setAttribute("aria-live", "off");
        var celas = [], abertas = [], pechando = null, cronometro = null;
        function rotular(cela) {
            var n = s.t("xcarta", cela.zubn + 1);
            cela.setAttribute("aria-label", cela.zubvista ? n + ": " + s.t("ximaxe", cela.zubpar + 1) : n);
            cela.setAttribute("aria-pressed", cela.zubvista ? "true" : "false");
        }
        function amosar(cela, si) {
            cela.zubvista = si;
            cela.classList.toggle("zub-vista", si);
            cela.firstChild.hidden = !si;
            cela.style.backgroundColor = si ? "" : tapa;
            rotular(cela);
        }
        function pechar() {
            if (pechando) global.clearTimeout(pechando);
            pechando = null;
            abertas.forEach(function(x) { amosar(x, false); });
            abertas = [];
        }
        function repartir() {
            var orde = cartas(imaxes.length, s.azar);
            celas.forEach(function(cela, k) {
                cela.zubpar = orde[k];
                cela.zubfeita = false;
                cela.classList.remove("zub-feita");
                cela.firstChild.src = s.enderezo(imaxes[orde[k]]);
                cela.firstChild.alt = s.t("ximaxe", orde[k] + 1);
                amosar(cela, false);
            });
            abertas = [];
        }
        function voltear(cela) {
            if (s.resolta() || cela.zubfeita || cela.zubvista) return;
            if (abertas.length === 2) pechar();
            amosar(cela, true);
            abertas.push(cela);
            if (abertas.length < 2) return;
            if (abertas[0].zubpar === abertas[1].zubpar) {
                abertas.forEach(function(x) {
                    x.zubfeita = true;
                    x.classList.add("zub-feita");
                });
                abertas = [];
                s.anunciar(s.t("xparella"));
                if (celas.every(function(x) { return x.zubfeita; })) {
                    if (cronometro) cronometro.parar();
                    s.xulgar(true);
                }
            } else
                pechando = global.setTimeout(pechar, 900);
        }
        for (var k = 0; k < imaxes.length * 2; k++) {
            var cela = s.el("div", "zub-carta");
            cela.setAttribute("role", "button");
            cela.zubn = k;
            var im = s.el("img", "zub-cartaimx");
            im.draggable = false;
            cela.appendChild(im);
            celas.push(cela);
            taboleiro.appendChild(cela);
        }
        repartir();
        var columnas = imaxes.length * 2 > 8 ? 4 : Math.min(4, imaxes.length * 2);
        taboleiro.style.gridTemplateColumns = "repeat(" + columnas + ", 1fr)";
        s.grella(celas, {columnas : columnas, activar : function(cela) { voltear(cela); }});
        if (segundos > 0) {
            reloxo.textContent = s.t("xtempo", segundos);
            c.appendChild(reloxo);
            // Time up is a wrong try; the cards are dealt again and the clock starts over.
            var arrancar = function() {
                cronometro = s.cronometro(segundos, function() {
                    if (s.resolta()) return;
                    s.xulgar(false, {mensaxe : s.t("xfintempo") + ". " + (p.mensamal || s.conf.mal || s.t("mal"))});
                    pechar();
                    repartir();
                    arrancar();
                }, function(resto) { reloxo.textContent = s.t("xtempo", resto); });
            };
            arrancar();
        }
        c.appendChild(taboleiro);
    }
});
// --- 24: choose -----------------------------------------------------------------------------

ZUBP.rexistrar("seleccionar", {
    actividade : function(p) { return seleccionar(p).length > 0; },
    construir : function(p, c, s) {
        var items = seleccionar(p);
        if (!items.length) return "sen elementos";
        var fondo = cor(s, p.cfondo, cor(s, s.conf.corfondo));
        var g = s.el("div", "zub-escoller");
        var botons = items.map(function(x, i) {
            var b = s.el("button", "zub-escollerbtn");
            b.type = "button";
            b.setAttribute("aria-pressed", "false");
            if (x.imaxe) b.appendChild(s.imaxe(x.imaxe, x.texto, "zub-escollerimx"));
            if (ZUBP.normalizar(x.texto)) b.appendChild(s.el("span", "zub-escollertexto", x.texto));
            else b.setAttribute("aria-label", s.t("ximaxe", i + 1));
            if (fondo) b.style.backgroundColor = fondo;
            b.addEventListener("click", function() {
                if (s.resolta()) return;
                b.setAttribute("aria-pressed", b.getAttribute("aria-pressed") === "true" ? "false" : "true");
            });
            g.appendChild(b);
            return b;
        });
        c.appendChild(g);
        var comprobar = s.boton(s.t("comprobar"), function() {
            if (s.resolta()) return;
            var escollidas = [];
            botons.forEach(function(b, i) {
                if (b.getAttribute("aria-pressed") === "true") escollidas.push(i);
            });
            var ben = xulgarseleccion(items, escollidas);
            s.xulgar(ben);
            if (ben) {
                botons.forEach(function(b) { b.disabled = true; });
                comprobar.disabled = true;
            }
        }, "zub-comprobar");
        c.appendChild(comprobar);
    }
});
})(typeof window !== "undefined" ? window.ZUBP : this.ZUBP);
