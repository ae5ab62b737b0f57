// Quibel's HTML5 player: positioned elements and picture sets (tags, moving pictures, series, sorting pictures, pairs and identification with pictures, letters, memory).
// Each module registers with ZUBP.rexistrar(type, {cando, actividade, construir}); see zub.js.
(function(ZUBP) {
"use strict";
if (!ZUBP) return;

ZUBP.textos({
    ESP : {zps_marca : "Marca {0}", zps_oco : "Hueco {0}", zps_imaxe : "Imagen {0}", zps_posto : "Posición {0}",
           zps_tarxeta : "Carta {0}", zps_cadro : "Cuadro {0}", zps_tapar : "Tapar", zps_tempo : "Tiempo: {0} s"},
    GAL : {zps_marca : "Marca {0}", zps_oco : "Oco {0}", zps_imaxe : "Imaxe {0}", zps_posto : "Posición {0}",
           zps_tarxeta : "Carta {0}", zps_cadro : "Cadro {0}", zps_tapar : "Tapar", zps_tempo : "Tempo: {0} s"},
    CAT : {zps_marca : "Marca {0}", zps_oco : "Espai {0}", zps_imaxe : "Imatge {0}", zps_posto : "Posició {0}",
           zps_tarxeta : "Carta {0}", zps_cadro : "Quadre {0}", zps_tapar : "Tapa-ho", zps_tempo : "Temps: {0} s"},
    EUS : {zps_marca : "{0}. marka", zps_oco : "{0}. hutsunea", zps_imaxe : "{0}. irudia", zps_posto : "{0}. posizioa",
           zps_tarxeta : "{0}. karta", zps_cadro : "{0}. laukia", zps_tapar : "Estali", zps_tempo : "Denbora: {0} s"},
    POR : {zps_marca : "Marca {0}", zps_oco : "Espaço {0}", zps_imaxe : "Imagem {0}", zps_posto : "Posição {0}",
           zps_tarxeta : "Carta {0}", zps_cadro : "Quadrado {0}", zps_tapar : "Tapar", zps_tempo : "Tempo: {0} s"},
    ENG : {zps_marca : "Marker {0}", zps_oco : "Gap {0}", zps_imaxe : "Picture {0}", zps_posto : "Position {0}",
           zps_tarxeta : "Card {0}", zps_cadro : "Square {0}", zps_tapar : "Cover", zps_tempo : "Time: {0} s"},
    AST : {zps_marca : "Marca {0}", zps_oco : "Buecu {0}", zps_imaxe : "Imaxe {0}", zps_posto : "Posición {0}",
           zps_tarxeta : "Carta {0}", zps_cadro : "Cuadru {0}", zps_tapar : "Tapar", zps_tempo : "Tiempu: {0} s"},
    VAL : {zps_marca : "Marca {0}", zps_oco : "Buit {0}", zps_imaxe : "Imatge {0}", zps_posto : "Posició {0}",
           zps_tarxeta : "Carta {0}", zps_cadro : "Quadre {0}", zps_tapar : "Tapa-ho", zps_tempo : "Temps: {0} s"}
});

// --- pure logic ------------------------------------------------------------------------------

// The largest place an item may take: a position far outside any page would make the design
// area absurdly large.
var MAXPOS = 4000;

// Items "content||x||y": the content and the position in the editor's pixels. A position that is
// no whole number takes the editor's default for that item.
function colocacions(items, defx, defy) {
    return ZUBP.lista(items).map(function(item, i) {
        var q = ZUBP.partes(item);
        var dy = Array.isArray(defy) ? defy[Math.min(i, defy.length - 1)] : defy;
        return {
            contido : q[0] || "",
            x : ZUBP.enteiro(q[1], defx, 0, MAXPOS),
            y : ZUBP.enteiro(q[2], dy, 0, MAXPOS),
            i : i
        };
    });
}

// Whether a piece dropped with its corner at (x, y) lands on a target of size w x h at (tx, ty):
// within half its size each way.
function preto(x, y, tx, ty, w, h) { return Math.abs(x - tx) <= w / 2 && Math.abs(y - ty) <= h / 2; }

// A series of n items shown rep times in a row, the last showing empty: orde is the series (the
// author's order, or a new one each showing with random), celas the item of every cell, ocultas
// the cells the learner fills.
function serie(n, aleatoria, azar, rep) {
    rep = rep || 3;
    var orde = [];
    for (var i = 0; i < n; i++)
        orde.push(i);
    if (aleatoria && n > 1) orde = azar.desordenar(orde);
    var celas = [], ocultas = [];
    for (var r = 0; r < rep; r++)
        for (var k = 0; k < n; k++) {
            if (r === rep - 1) ocultas.push(celas.length);
            celas.push(orde[k]);
        }
    return {orde : orde.slice(), celas : celas, ocultas : ocultas};
}

// The order of freely placed pieces, read left to right by their centres (top to bottom where
// two share a column): [{i, x, y, w, h}] -> [i].
function ordeesquerda(pezas) {
    return pezas.slice()
        .sort(function(a, b) {
            var ca = a.x + (a.w || 0) / 2, cb = b.x + (b.w || 0) / 2;
            return ca !== cb ? ca - cb : a.y - b.y;
        })
        .map(function(p) { return p.i; });
}
// A sequence of picture addresses is in order when each holds the author's picture of that place:
// two equal pictures may stand in either place.
function enorde(orde, imaxes) {
    if (orde.length !== imaxes.length) return false;
    for (var k = 0; k < orde.length; k++)
        if (imaxes[orde[k]] !== imaxes[k]) return false;
    return true;
}

// The number of squares of the memory game: 6 where it is missing or no number.
function numerocadros(v) { return ZUBP.enteiro(v, 6, 2, 60); }
// Which picture (1 or 2) each of n squares holds: alternating, or drawn at random with both
// pictures present.
function memoria(n, aleatoria, azar) {
    var v = [];
    for (var i = 0; i < n; i++)
        v.push(aleatoria ? (azar.seguinte() < 0.5 ? 1 : 2) : (i % 2) + 1);
    if (aleatoria && n > 1) {
        if (v.indexOf(2) < 0) v[azar.enteiro(0, n - 1)] = 2;
        if (v.indexOf(1) < 0) v[azar.enteiro(0, n - 1)] = 1;
    }
    return v;
}

// The partner of every card of a pairs game: card k with card k + n/2 (the author's pairs k and
// k + 6 when all twelve are there; the halves still match where whole pairs were left empty).
// null where the cards cannot be paired.
function parellas(n) {
    if (n < 2 || n % 2) return null;
    var m = n / 2, v = [];
    for (var k = 0; k < n; k++)
        v.push(k < m ? k + m : k - m);
    return v;
}

// The tiles of a word: its characters without blanks, plus the extra letters offered (letters
// only, each once, not more than six).
function teselas(palabra, extra) {
    var l = ZUBP.caracteres(ZUBP.dec(palabra)).filter(function(c) { return !/\s/.test(c); });
    var x = [];
    ZUBP.caracteres(ZUBP.dec(extra || "")).forEach(function(c) {
        if (/\p{L}/u.test(c) && x.indexOf(c) < 0 && x.length < 6) x.push(c);
    });
    return l.concat(x);
}
// A spelled word: the letters in its boxes against its own, case folded, accents kept.
function soletreada(palabra, postas) {
    var l = ZUBP.caracteres(ZUBP.dec(palabra)).filter(function(c) { return !/\s/.test(c); });
    if (l.length !== postas.length) return false;
    for (var i = 0; i < l.length; i++)
        if (!postas[i] || !ZUBP.compara(postas[i], l[i])) return false;
    return true;
}

ZUBP.logica = ZUBP.logica || {};
ZUBP.logica.posicions = {
    colocacions : colocacions,
    preto : preto,
    serie : serie,
    ordeesquerda : ordeesquerda,
    enorde : enorde,
    numerocadros : numerocadros,
    memoria : memoria,
    parellas : parellas,
    teselas : teselas,
    soletreada : soletreada
};

// Which variants of a shared type are this family's: the pairs of pictures or sounds send a
// "modo" other than "0" (the six-picture pairs game sends "0"); the letters page sends no "forma"
// (the spelling page always sends "1"). The names dragged onto three pictures send the drag code
// "2" of the identification pages, and play in their drag module.
ZUBP.logica.posicions.marcas = {
    parellas : function(p) { return String(p.modo === undefined ? "" : p.modo) !== "0"; },
    letras : function(p) { return p.forma === undefined || p.forma === null || p.forma === ""; }
};

if (typeof document === "undefined") return;
var global = window;

// --- what the modules share ------------------------------------------------------------------

// Natural sizes of pictures, once every one has loaded or failed: fin([{w, h} | null]).
function medir(s, srcs, fin) {
    var tam = [], faltan = srcs.length;
    if (!faltan) {
        fin(tam);
        return;
    }
    srcs.forEach(function(src, i) {
        var im = new Image(), feito = false;
        function listo(ok) {
            if (feito) return;
            feito = true;
            tam[i] = ok && im.naturalWidth ? {w : im.naturalWidth, h : im.naturalHeight} : null;
            if (--faltan === 0) fin(tam);
        }
        im.onload = function() { listo(true); };
        im.onerror = function() { listo(false); };
        var e = src ? s.enderezo(src) : "";
        if (e)
            im.src = e;
        else
            listo(false);
    });
}

// A design area of the given size in the module's box, fitted to the width at hand.
function area(s, c, w, h) {
    var l = s.lenzo(Math.min(Math.ceil(w), MAXPOS + 400), Math.min(Math.ceil(h), MAXPOS + 400), "zps-area");
    c.appendChild(l.fora);
    l.axustar();
    return l;
}
function poner(l, e, x, y) {
    l.colocar(e, x, y);
    e.setAttribute("data-zps-pos", x + "," + y);
    l.caixa.appendChild(e);
    return e;
}
// A rough width of a text label, for the size of the design area before it is laid out.
function anchotexto(t, tam) { return Math.min(320, ZUBP.caracteres(ZUBP.dec(t)).length * (tam || 16) * 0.62 + 20); }

// Drag-and-drop where each drop is judged: a right one stays (placed by o.poner), a wrong one is
// a try and goes back. o.ben(peza, destino); o.fin() once every piece is placed.
function casar(s, o) {
    var libres = o.destinos.slice(), quedan = o.pezas.length, a = null;
    o.pezas.forEach(function(p) {
        // A placed piece is no piece any more: the core's handlers below never see it.
        ["pointerdown", "keydown"].forEach(function(t) {
            p.addEventListener(t, function(ev) {
                if (p.zpsfeita) ev.stopImmediatePropagation();
            });
        });
    });
    a = s.arrastre({
        pezas : o.pezas,
        destinos : function() { return libres; },
        nome : o.nome,
        soltar : function(p, d) {
            if (s.resolta() || p.zpsfeita || libres.indexOf(d) < 0) return false;
            if (!o.ben(p, d)) {
                s.xulgar(false);
                return false;
            }
            libres.splice(libres.indexOf(d), 1);
            d.classList.remove("zub-destinoactivo");
            d.classList.add("zps-feito");
            if (o.pecharDestino !== false) {
                d.tabIndex = -1;
                d.removeAttribute("role");
            }
            p.zpsfeita = true;
            p.tabIndex = -1;
            p.classList.add("zub-fixa", "zps-feita");
            p.setAttribute("aria-disabled", "true");
            p.classList.remove("zub-collida");
            o.poner(p, d);
            // A right drop clears the word of an earlier wrong one.
            if (--quedan > 0 && s.resultado() === false) s.mensaxe("");
            if (quedan === 0) {
                a.desactivar();
                s.xulgar(true);
                if (o.fin) o.fin();
            }
            return true;
        }
    });
    return a;
}

// Pieces moved anywhere on a design area, the editor's way: with the mouse or a finger, or with
// the keyboard (Enter or Space picks up, the arrows move 10 px, 1 px with Shift, Enter or Space
// drops, Escape puts back). o.soltar(peza, x, y) decides and places; o.nome(peza).
function movedor(s, l, o) {
    var collida = null, orixe = null, activo = true;
    function pos(p) { return {x : parseFloat(p.style.left) || 0, y : parseFloat(p.style.top) || 0}; }
    function coller(p) {
        if (collida && collida !== p) {
            // Another piece picked up: the one in hand goes back where it was.
            mover(collida, orixe.x, orixe.y);
            deixar(collida);
        }
        collida = p;
        orixe = pos(p);
        p.classList.add("zub-collida");
        p.setAttribute("aria-pressed", "true");
        s.anunciar(s.t("collida", o.nome(p)));
    }
    function deixar(p) {
        p.classList.remove("zub-collida");
        p.setAttribute("aria-pressed", "false");
        if (collida === p) collida = null;
    }
    function soltar(p) {
        deixar(p);
        var q = pos(p);
        o.soltar(p, q.x, q.y);
    }
    function mover(p, x, y) {
        l.colocar(p, Math.max(0, Math.round(x)), Math.max(0, Math.round(y)));
    }
    o.pezas.forEach(function(p) {
        p.tabIndex = 0;
        p.setAttribute("role", "button");
        p.setAttribute("aria-pressed", "false");
        p.setAttribute("aria-label", o.nome(p));
        p.classList.add("zub-peza");
        p.addEventListener("keydown", function(ev) {
            if (!activo || p.zpsfeita) return;
            var k = ev.key, paso = ev.shiftKey ? 1 : 10;
            if (k === "Enter" || k === " ") {
                ev.preventDefault();
                if (collida === p)
                    soltar(p);
                else
                    coller(p);
            } else if (k === "Escape" && collida === p) {
                mover(p, orixe.x, orixe.y);
                deixar(p);
                s.anunciar(s.t("volta"));
            } else if (collida === p && /^Arrow/.test(k)) {
                ev.preventDefault();
                var q = pos(p);
                mover(p, q.x + (k === "ArrowRight" ? paso : k === "ArrowLeft" ? -paso : 0),
                      q.y + (k === "ArrowDown" ? paso : k === "ArrowUp" ? -paso : 0));
            }
        });
        var inicio = null, movido = false;
        p.addEventListener("pointerdown", function(ev) {
            if (!activo || p.zpsfeita || (ev.button !== undefined && ev.button !== 0)) return;
            var pt = l.punto(ev.clientX, ev.clientY), q = pos(p);
            inicio = {px : pt.x, py : pt.y, x : q.x, y : q.y};
            movido = false;
            try {
                p.setPointerCapture(ev.pointerId);
            } catch (e) {
                /* capture is a comfort */
            }
            ev.preventDefault();
        });
        p.addEventListener("pointermove", function(ev) {
            if (!inicio) return;
            var pt = l.punto(ev.clientX, ev.clientY);
            var dx = pt.x - inicio.px, dy = pt.y - inicio.py;
            if (!movido && Math.abs(dx) + Math.abs(dy) < 4) return;
            if (!movido) {
                movido = true;
                orixe = {x : inicio.x, y : inicio.y};
                p.classList.add("zub-arrastrando");
            }
            mover(p, inicio.x + dx, inicio.y + dy);
        });
        function fin(cancelado) {
            if (!inicio) return;
            inicio = null;
            p.classList.remove("zub-arrastrando");
            if (!movido) {
                if (collida === p)
                    deixar(p);
                else
                    coller(p);
                return;
            }
            if (cancelado) {
                mover(p, orixe.x, orixe.y);
                return;
            }
            if (collida === p) deixar(p);
            o.soltar(p, pos(p).x, pos(p).y);
        }
        p.addEventListener("pointerup", function() { fin(false); });
        p.addEventListener("pointercancel", function() { fin(true); });
    });
    // A tap on the area while a piece is held puts the piece there.
    l.caixa.addEventListener("click", function(ev) {
        if (!collida || !activo || ev.target.closest(".zub-peza")) return;
        var pt = l.punto(ev.clientX, ev.clientY), p = collida;
        mover(p, pt.x - p.offsetWidth / 2, pt.y - p.offsetHeight / 2);
        soltar(p);
    });
    return {
        mover : mover,
        orixe : function() { return orixe; },
        desactivar : function() {
            activo = false;
            if (collida) deixar(collida);
            o.pezas.forEach(function(p) {
                p.classList.add("zub-fixa");
                p.tabIndex = -1;
            });
        }
    };
}

// A tap or Enter on a piece that stands in a target, while another piece is held, drops the
// held one on that target (the core would pick the tapped piece up instead). Installed before
// the core's handlers; a() gives the drag once it exists.
function sobrepezas(a, pezas, destinos) {
    pezas.forEach(function(p) {
        function sobre(ev) {
            var h = a() && a().collida(), d = p.parentNode;
            if (!h || h === p || destinos.indexOf(d) < 0) return;
            ev.stopImmediatePropagation();
            ev.preventDefault();
            a().soltar(h, d);
        }
        p.addEventListener("pointerdown", sobre);
        p.addEventListener("keydown", function(ev) {
            if (ev.key === "Enter" || ev.key === " ") sobre(ev);
        });
    });
}

function sen(p, clave) { return p[clave] === undefined || p[clave] === null || p[clave] === ""; }
function marcador(s, n) {
    var m = s.el("span", "zps-marca", String(n));
    m.setAttribute("aria-label", s.t("zps_marca", n));
    return m;
}
// An input for a typed tag.
function caixatexto(s, n, largo) {
    var i = s.el("input", "zub-oco zps-escrita");
    i.type = "text";
    i.size = Math.max(4, Math.min(30, largo + 2));
    i.setAttribute("aria-label", s.t("zps_oco", n));
    i.autocomplete = "off";
    i.spellcheck = false;
    return i;
}
// Typed tags, judged together with a check button; the wrong boxes are marked.
function comprobarescritas(s, c, caixas, esperados) {
    var b = s.boton(s.t("comprobar"), function() {
        if (s.resolta()) return;
        var todas = true;
        caixas.forEach(function(i, k) {
            var ok = s.compara(i.value, esperados[k]);
            i.setAttribute("aria-invalid", ok ? "false" : "true");
            todas = todas && ok;
        });
        s.xulgar(todas);
        if (todas) {
            caixas.forEach(function(i) { i.readOnly = true; });
            b.disabled = true;
        }
    }, "zub-comprobar");
    c.appendChild(b);
    caixas.forEach(function(i) {
        i.addEventListener("keydown", function(ev) {
            if (ev.key === "Enter") b.click();
        });
    });
    return b;
}
function bandexa(s, clase) {
    var t = s.el("div", "zps-bandexa" + (clase ? " " + clase : ""));
    t.setAttribute("aria-label", s.t("bandexa"));
    return t;
}

// --- 20: tags on a picture -------------------------------------------------------------------

var TOPS20 = [ 10, 40, 90, 130, 170, 210 ];
function modo20(p) {
    var m = ZUBP.enteiro(p.modo, 1);
    return m >= 1 && m <= 9 && m !== 4 ? m : 1;
}
ZUBP.rexistrar("etiquetas", {
    imaxe : false,
    actividade : function(p) { return ZUBP.lista(p.etiquetas).length > 0 && [ 2, 3, 7, 8, 9 ].indexOf(modo20(p)) >= 0; },
    construir : function(p, c, s) {
        var items = colocacions(p.etiquetas, 400, TOPS20);
        if (!items.length) return "sen etiquetas";
        var modo = modo20(p);
        c.classList.add("zps-etiquetas", "zps-modo" + modo);
        var aviso = null;
        if (modo === 7) {
            // One tag at a time above the picture; the learner clicks its marker.
            aviso = s.el("div", "zps-pedida");
            aviso.setAttribute("aria-live", "polite");
            c.appendChild(aviso);
        }
        medir(s, [ p.imaxe || "" ], function(tam) {
            var fondo = tam[0] || {w : p.imaxe ? 400 : 0, h : p.imaxe ? 300 : 0};
            var w = fondo.w, h = fondo.h;
            items.forEach(function(it) {
                w = Math.max(w, it.x + (modo === 1 || modo === 5 || modo === 6 ? anchotexto(it.contido) + 30 : 40));
                h = Math.max(h, it.y + 40);
            });
            // Modes 8 and 9 list the tags beside the picture.
            var lista = modo === 8 || modo === 9;
            var xlista = w + 40;
            if (lista) {
                var ancho = 0;
                items.forEach(function(it) { ancho = Math.max(ancho, anchotexto(it.contido)); });
                w = xlista + ancho + 10;
                h = Math.max(h, items.length * 44 + 10);
            }
            var l = area(s, c, w, h);
            if (p.imaxe) poner(l, s.imaxe(p.imaxe, p.altim || "", "zps-fondo"), 0, 0);
            var marcas = items.map(function(it) {
                var m = marcador(s, it.i + 1);
                poner(l, m, it.x, it.y);
                m.zpsitem = it;
                return m;
            });
            if (modo === 1 || modo === 5 || modo === 6) {
                items.forEach(function(it, k) {
                    var e = s.medio(it.contido);
                    e.classList.add("zps-etiqueta");
                    if (modo === 6) {
                        marcas[k].remove();
                        e.classList.add("zps-solta");
                        poner(l, e, it.x, it.y);
                    } else if (modo === 5) {
                        // Shown while the pointer is over its marker, or the marker has the focus.
                        marcas[k].tabIndex = 0;
                        marcas[k].title = s.dec(it.contido);
                        marcas[k].appendChild(e);
                        e.classList.add("zps-globo");
                    } else {
                        e.classList.add("zps-xunto");
                        poner(l, e, it.x + 26, it.y);
                    }
                });
                return;
            }
            if (modo === 2) {
                var caixas = items.map(function(it, k) {
                    var i = caixatexto(s, it.i + 1, ZUBP.caracteres(s.dec(it.contido)).length);
                    poner(l, i, it.x + 26, it.y);
                    return i;
                });
                comprobarescritas(s, c, caixas, items.map(function(it) { return it.contido; }));
                return;
            }
            if (modo === 3) {
                var t = bandexa(s);
                var pezas = s.azar.desordenar(items).map(function(it) {
                    var e = s.el("div", "zps-etiqueta zps-peza", s.medio(it.contido));
                    e.zpsitem = it;
                    t.appendChild(e);
                    return e;
                });
                c.appendChild(t);
                casar(s, {
                    pezas : pezas,
                    destinos : marcas,
                    ben : function(e, m) { return e.zpsitem === m.zpsitem || s.compara(e.zpsitem.contido, m.zpsitem.contido); },
                    poner : function(e, m) {
                        e.classList.add("zps-xunto");
                        poner(l, e, m.zpsitem.x + 26, m.zpsitem.y);
                    }
                });
                return;
            }
            if (modo === 7) {
                var orde = s.azar.desordenar(items), k = 0;
                var amosar = function() {
                    aviso.innerHTML = "";
                    if (k < orde.length) aviso.appendChild(s.medio(orde[k].contido));
                };
                amosar();
                marcas.forEach(function(m) {
                    m.setAttribute("role", "button");
                    m.tabIndex = 0;
                    var premer = function() {
                        if (s.resolta() || k >= orde.length || m.classList.contains("zps-feito")) return;
                        if (m.zpsitem !== orde[k] && !s.compara(m.zpsitem.contido, orde[k].contido)) {
                            s.xulgar(false);
                            return;
                        }
                        m.classList.add("zps-feito");
                        m.tabIndex = -1;
                        k++;
                        if (k < orde.length && s.resultado() === false) s.mensaxe("");
                        if (k === orde.length) {
                            marcas.forEach(function(x) { x.tabIndex = -1; });
                            s.xulgar(true);
                        }
                        amosar();
                    };
                    m.addEventListener("click", premer);
                    m.addEventListener("keydown", function(ev) {
                        if (ev.key === "Enter" || ev.key === " ") {
                            ev.preventDefault();
                            premer();
                        }
                    });
                });
                return;
            }
            // 8 and 9: the tags listed beside the picture (9 in a new order); a line joins
            // each tag to its marker.
            var svg = document.createElementNS("http://www.w3.org/2000/svg", "svg");
            svg.setAttribute("class", "zps-linas");
            svg.setAttribute("width", String(w));
            svg.setAttribute("height", String(h));
            svg.setAttribute("aria-hidden", "true");
            l.caixa.insertBefore(svg, marcas[0]);
            var orden = modo === 9 ? s.azar.desordenar(items) : items;
            var etqs = orden.map(function(it, n) {
                var e = s.el("div", "zps-etiqueta zps-lista", s.medio(it.contido));
                e.zpsitem = it;
                poner(l, e, xlista, 10 + n * 44);
                return e;
            });
            casar(s, {
                pezas : etqs,
                destinos : marcas,
                ben : function(e, m) { return e.zpsitem === m.zpsitem || s.compara(e.zpsitem.contido, m.zpsitem.contido); },
                poner : function(e, m) {
                    var li = document.createElementNS("http://www.w3.org/2000/svg", "line");
                    li.setAttribute("x1", String(e.offsetLeft));
                    li.setAttribute("y1", String(e.offsetTop + e.offsetHeight / 2));
                    li.setAttribute("x2", String(m.offsetLeft + m.offsetWidth / 2));
                    li.setAttribute("y2", String(m.offsetTop + m.offsetHeight / 2));
                    svg.appendChild(li);
                }
            });
        });
    }
});

// --- 23: pictures moved onto a background ----------------------------------------------------

var TOPS23 = [ 50, 100, 150, 200, 250, 300 ];
function modo23(p) { return String(p.modo === undefined || p.modo === "" ? "0" : p.modo).trim(); }
ZUBP.rexistrar("moverimx", {
    imaxe : false,
    actividade : function(p) { return ZUBP.lista(p.etiquetas).length > 0 && modo23(p) !== "3"; },
    construir : function(p, c, s) {
        var items = colocacions(p.etiquetas, 400, TOPS23).filter(function(it) { return it.contido; });
        if (!items.length) return "sen imaxes";
        var modo = modo23(p);
        var ver = modo === "1", calquera = modo === "2", libre = modo === "3";
        medir(s, [ p.imaxe || "" ].concat(items.map(function(it) { return it.contido; })), function(tam) {
            var fondo = tam[0] || {w : p.imaxe ? 400 : 0, h : p.imaxe ? 300 : 0};
            items.forEach(function(it, k) {
                var t = tam[k + 1] || {w : 40, h : 40};
                it.w = Math.min(t.w, 600);
                it.h = Math.min(t.h, 600);
            });
            var w = fondo.w, h = fondo.h;
            items.forEach(function(it) {
                w = Math.max(w, it.x + it.w);
                h = Math.max(h, it.y + it.h);
            });
            // The pieces wait in a column right of everything, each at its own height.
            var xb = w + 30, yb = 0, anchob = 0, inicio = [];
            items.forEach(function(it) {
                inicio.push({x : xb, y : yb});
                yb += it.h + 10;
                anchob = Math.max(anchob, it.w);
            });
            var l = area(s, c, xb + anchob + 10, Math.max(h, yb));
            if (p.imaxe) poner(l, s.imaxe(p.imaxe, p.altim || "", "zps-fondo"), 0, 0);
            var libres = items.slice();
            items.forEach(function(it) {
                var f = s.el("div", "zps-marco" + (ver ? " zps-visible" : ""));
                f.style.width = it.w + "px";
                f.style.height = it.h + "px";
                poner(l, f, it.x, it.y);
            });
            var orde = s.azar.desordenar(items.map(function(it, k) { return k; }));
            var pezas = orde.map(function(k, n) {
                var it = items[k];
                var e = s.el("div", "zps-movil", s.imaxe(it.contido, s.t("zps_imaxe", it.i + 1), "zps-imxmovil"));
                e.style.width = it.w + "px";
                e.style.height = it.h + "px";
                e.zpsitem = it;
                e.zpsinicio = inicio[n];
                poner(l, e, inicio[n].x, inicio[n].y);
                return e;
            });
            var mv = movedor(s, l, {
                pezas : pezas,
                nome : function(e) { return s.t("zps_imaxe", e.zpsitem.i + 1); },
                soltar : function(e, x, y) {
                    if (libre) {
                        e.setAttribute("data-zps-pos", x + "," + y);
                        return;
                    }
                    if (s.resolta() || e.zpsfeita) return;
                    // Back among the waiting pieces: put back, not a try.
                    if (x + e.zpsitem.w / 2 >= xb - 15) {
                        mv.mover(e, e.zpsinicio.x, e.zpsinicio.y);
                        return;
                    }
                    var destino = null;
                    for (var k = 0; k < libres.length && !destino; k++) {
                        var it = libres[k];
                        if ((calquera || it === e.zpsitem) && preto(x, y, it.x, it.y, e.zpsitem.w, e.zpsitem.h))
                            destino = it;
                    }
                    if (!destino) {
                        mv.mover(e, e.zpsinicio.x, e.zpsinicio.y);
                        s.xulgar(false);
                        return;
                    }
                    libres.splice(libres.indexOf(destino), 1);
                    mv.mover(e, destino.x, destino.y);
                    e.setAttribute("data-zps-pos", destino.x + "," + destino.y);
                    e.zpsfeita = true;
                    e.tabIndex = -1;
                    e.classList.add("zub-fixa", "zps-feita");
                    s.anunciar(s.t("posta", s.t("zps_imaxe", destino.i + 1)));
                    if (libres.length && s.resultado() === false) s.mensaxe("");
                    if (!libres.length) {
                        mv.desactivar();
                        s.xulgar(true);
                    }
                }
            });
        });
    }
});

// --- 30: text tags and a picture on one design area ------------------------------------------

var TOPS30 = [ 50, 90, 130, 170, 210, 250 ];
function modo30(p) {
    var m = ZUBP.enteiro(p.modo, 0);
    return m === 1 || m === 2 ? m : 0;
}
ZUBP.rexistrar("etiquetastxt", {
    imaxe : false,
    actividade : function(p) { return ZUBP.lista(p.etiquetas).length > 0 && modo30(p) > 0; },
    construir : function(p, c, s) {
        var items = colocacions(p.etiquetas, 470, TOPS30);
        if (!items.length) return "sen etiquetas";
        var modo = modo30(p);
        var tam = ZUBP.enteiro(p.tam, 0, 0, 99);
        if (tam < 6) tam = 0;
        var px = ZUBP.enteiro(p.posx, 0, 0, MAXPOS), py = ZUBP.enteiro(p.posy, 0, 0, MAXPOS);
        function tamano(e) {
            if (tam) e.style.fontSize = tam + "px";
            return e;
        }
        medir(s, [ p.imaxe || "" ], function(t) {
            var fondo = t[0] || {w : p.imaxe ? 400 : 0, h : p.imaxe ? 300 : 0};
            var w = px + fondo.w, h = py + fondo.h;
            items.forEach(function(it) {
                w = Math.max(w, it.x + anchotexto(it.contido, tam || 16) + 20);
                h = Math.max(h, it.y + (tam || 16) * 2 + 10);
            });
            var l = area(s, c, w, h);
            if (p.imaxe) poner(l, s.imaxe(p.imaxe, p.altim || "", "zps-fondo"), px, py);
            if (modo === 0) {
                items.forEach(function(it) { poner(l, tamano(s.el("span", "zps-etiqueta zps-texto", it.contido)), it.x, it.y); });
                return;
            }
            if (modo === 1) {
                var caixas = items.map(function(it) {
                    return poner(l, tamano(caixatexto(s, it.i + 1, ZUBP.caracteres(s.dec(it.contido)).length)), it.x, it.y);
                });
                comprobarescritas(s, c, caixas, items.map(function(it) { return it.contido; }));
                return;
            }
            var largo = 0;
            items.forEach(function(it) { largo = Math.max(largo, ZUBP.caracteres(s.dec(it.contido)).length); });
            var postos = items.map(function(it) {
                var d = tamano(s.el("div", "zps-posto"));
                d.style.minWidth = Math.min(40, largo + 1) + "ch";
                d.setAttribute("aria-label", s.t("zps_oco", it.i + 1));
                d.zpsitem = it;
                return poner(l, d, it.x, it.y);
            });
            var tb = bandexa(s);
            var pezas = s.azar.desordenar(items).map(function(it) {
                var e = tamano(s.el("div", "zps-etiqueta zps-peza", it.contido));
                e.zpsitem = it;
                tb.appendChild(e);
                return e;
            });
            c.appendChild(tb);
            casar(s, {
                pezas : pezas,
                destinos : postos,
                // Two equal tags: either place is right.
                ben : function(e, d) { return e.zpsitem === d.zpsitem || s.compara(e.zpsitem.contido, d.zpsitem.contido, {exacto : true}); },
                poner : function(e, d) { d.appendChild(e); }
            });
        });
    }
});

// --- 32: completing a series ----------------------------------------------------------------

ZUBP.rexistrar("serie", {
    imaxe : false,
    actividade : function(p) { return ZUBP.lista(p.etiquetas).filter(Boolean).length >= 2; },
    construir : function(p, c, s) {
        var imaxes = s.lista(p.etiquetas).filter(Boolean);
        if (imaxes.length < 2) return "serie de menos de dúas imaxes";
        var sr = serie(imaxes.length, String(p.modo) === "1", s.azar);
        var fila = s.el("div", "zps-serie");
        var baleiras = [];
        sr.celas.forEach(function(k, n) {
            var d = s.el("div", "zps-cela");
            if (sr.ocultas.indexOf(n) >= 0) {
                d.classList.add("zps-baleira");
                d.setAttribute("aria-label", s.t("zps_oco", baleiras.length + 1));
                d.zpsimx = imaxes[k];
                baleiras.push(d);
            } else
                d.appendChild(s.imaxe(imaxes[k], s.t("zps_imaxe", k + 1), "zps-imxcela"));
            fila.appendChild(d);
        });
        c.appendChild(fila);
        var t = bandexa(s);
        var pezas = s.azar.desordenar(sr.orde).map(function(k) {
            var e = s.el("div", "zps-ficha", s.imaxe(imaxes[k], s.t("zps_imaxe", k + 1), "zps-imxcela"));
            e.setAttribute("aria-label", s.t("zps_imaxe", k + 1));
            e.zpsimx = imaxes[k];
            t.appendChild(e);
            return e;
        });
        c.appendChild(t);
        casar(s, {
            pezas : pezas,
            destinos : baleiras,
            ben : function(e, d) { return e.zpsimx === d.zpsimx; },
            poner : function(e, d) { d.appendChild(e); }
        });
    }
});

// --- 35: pictures put in order ----------------------------------------------------------------

ZUBP.rexistrar("ordenarimx", {
    imaxe : false,
    actividade : function(p) { return ZUBP.lista(p.imaxes).filter(Boolean).length >= 2; },
    construir : function(p, c, s) {
        // At most five: a sixth item is a leftover of another page type.
        var imaxes = s.lista(p.imaxes).filter(Boolean).slice(0, 5);
        if (imaxes.length < 2) return "menos de dúas imaxes";
        var orde = s.azar.desordenar(imaxes.map(function(x, k) { return k; }));
        var comprobar;
        // Named by their place in the shuffle: the author's numbers would tell the answer.
        function ficha(k, n) {
            var e = s.el("div", "zps-ficha", s.imaxe(imaxes[k], s.t("zps_imaxe", n + 1), "zps-imxcela"));
            e.setAttribute("aria-label", s.t("zps_imaxe", n + 1));
            e.zpsk = k;
            return e;
        }
        if (String(p.forma) === "1") {
            // Free placing: the pictures go anywhere on a strip; the check reads them left to right.
            var ANCHO = 130, ALTO = 110;
            var l = area(s, c, Math.max(700, imaxes.length * (ANCHO + 20) + 20), ALTO * 2 + 60);
            var pezas = orde.map(function(k, n) { return poner(l, ficha(k, n), 20 + n * (ANCHO + 20), 20); });
            var mv = movedor(s, l, {pezas : pezas, nome : function(e) { return e.getAttribute("aria-label"); }, soltar : function() {}});
            comprobar = s.boton(s.t("comprobar"), function() {
                if (s.resolta()) return;
                var v = pezas.map(function(e) {
                    return {i : e.zpsk, x : e.offsetLeft, y : e.offsetTop, w : e.offsetWidth};
                });
                var ben = enorde(ordeesquerda(v), imaxes);
                s.xulgar(ben);
                if (ben) {
                    mv.desactivar();
                    comprobar.disabled = true;
                }
            }, "zub-comprobar");
            c.appendChild(comprobar);
            return;
        }
        var tb = bandexa(s);
        var fichas = orde.map(function(k, n) { return tb.appendChild(ficha(k, n)); });
        c.appendChild(tb);
        var fila = s.el("div", "zps-postos");
        var postos = imaxes.map(function(x, n) {
            var d = s.el("div", "zps-cela zps-baleira zps-numerada");
            d.setAttribute("data-n", String(n + 1));
            d.setAttribute("aria-label", s.t("zps_posto", n + 1));
            fila.appendChild(d);
            return d;
        });
        c.appendChild(fila);
        function ocupante(d) { return d.querySelector(".zps-ficha"); }
        function estado() { comprobar.disabled = s.resolta() || postos.some(function(d) { return !ocupante(d); }); }
        sobrepezas(function() { return a; }, fichas, postos);
        var a = s.arrastre({
            pezas : fichas,
            destinos : postos,
            bandexa : tb,
            soltar : function(e, d) {
                if (s.resolta()) return false;
                var ali = ocupante(d), de = e.parentNode;
                // A taken place swaps: its picture goes where the dropped one came from.
                if (ali && ali !== e) de.appendChild(ali);
                d.appendChild(e);
                estado();
                return true;
            },
            devolver : function() {
                estado();
                return true;
            }
        });
        comprobar = s.boton(s.t("comprobar"), function() {
            if (s.resolta()) return;
            var v = postos.map(function(d) {
                var e = ocupante(d);
                return e ? e.zpsk : -1;
            });
            var ben = enorde(v, imaxes);
            s.xulgar(ben);
            if (ben) {
                a.desactivar();
                comprobar.disabled = true;
            }
        }, "zub-comprobar");
        c.appendChild(comprobar);
        estado();
    }
});

// --- 39: pairs of pictures or of sounds --------------------------------------------------------

// The cards and their partners: sounds in mode "2", else the pictures of "etiquetas" (an item
// whose picture is empty carries only its pair's text).
function cartas39(p) {
    var son = String(p.modo) === "2", cartas = [];
    if (son)
        ZUBP.lista(p.sons).forEach(function(a) {
            if (a) cartas.push({son : a, texto : ""});
        });
    else {
        var e = ZUBP.lista(p.etiquetas);
        var fonte = e.length ? e : ZUBP.lista(p.imaxes);
        var completa = e.length === 12;
        fonte.forEach(function(item) {
            var q = ZUBP.partes(item);
            if (q[0]) cartas.push({imaxe : q[0], texto : q[1] || ""});
        });
        if (!completa && cartas.length < e.length) {
            // Texts without their picture lose their place: no pair text at all then.
            cartas.forEach(function(x) { x.texto = ""; });
        }
    }
    return cartas;
}
ZUBP.rexistrar("parellas", {
    cando : ZUBP.logica.posicions.marcas.parellas,
    imaxe : false,
    actividade : function(p) { return !!parellas(cartas39(p).length); },
    construir : function(p, c, s) {
        var cartas = cartas39(p), par = parellas(cartas.length);
        if (!par) return "cartas sen parella";
        var son = String(p.modo) === "2";
        var n = cartas.length, m = n / 2;
        cartas.forEach(function(x, k) {
            x.k = k;
            x.par = par[k];
            x.grupo = k < m ? k : k - m;
        });
        // The pair's text rides on its second card.
        cartas.forEach(function(x) {
            if (x.k < m && !x.texto) x.texto = cartas[x.par].texto;
        });
        var tapa = s.cor(p.ctapa) || "#2d5d7b";
        if (s.cor(p.cfondo)) c.style.backgroundColor = s.cor(p.cfondo);
        c.classList.add("zps-parellas");
        var reloxo = s.el("div", "zps-reloxo");
        reloxo.hidden = !(ZUBP.enteiro(p.tempo, 0) > 0);
        var taboleiro = s.el("div", "zps-cartas");
        var columnas = n > 8 ? Math.ceil(n / 3) : Math.ceil(n / 2);
        taboleiro.style.gridTemplateColumns = "repeat(" + columnas + ", auto)";
        c.appendChild(reloxo);
        c.appendChild(taboleiro);
        var abertas = [], atopadas = 0, activo = true, temporizador = null, pechar = null;
        var segundos = ZUBP.enteiro(p.tempo, 0, 0, 3600);
        var outravez = s.boton(s.t("outravez"), function() { comezar(); }, "zps-outravez");
        outravez.hidden = true;
        c.appendChild(outravez);
        var botons = [];
        function cara(b, x, aberta) {
            b.innerHTML = "";
            b.classList.toggle("zps-aberta", aberta);
            b.style.backgroundColor = aberta ? "" : tapa;
            var nome = s.t("zps_tarxeta", botons.indexOf(b) + 1);
            if (aberta) {
                if (son)
                    b.appendChild(s.el("span", "zps-altofalante", "♪"));
                else
                    b.appendChild(s.imaxe(x.imaxe, "", "zps-imxcarta"));
                if (b.classList.contains("zps-atopada") && x.texto) b.appendChild(s.el("span", "zps-textocarta", x.texto));
            }
            b.setAttribute("aria-label", nome);
            b.setAttribute("aria-pressed", aberta ? "true" : "false");
        }
        function pecharabertas() {
            if (pechar) global.clearTimeout(pechar);
            pechar = null;
            abertas.forEach(function(b) { cara(b, b.zpscarta, false); });
            abertas = [];
        }
        function virar(b) {
            if (!activo || s.resolta() || b.classList.contains("zps-atopada")) return;
            // A third card closes the two that did not match.
            if (abertas.length === 2) pecharabertas();
            if (abertas.indexOf(b) >= 0) return;
            abertas.push(b);
            cara(b, b.zpscarta, true);
            if (son) s.tocar(b.zpscarta.son);
            if (abertas.length < 2) return;
            var a = abertas[0].zpscarta, z = abertas[1].zpscarta;
            if (a.grupo === z.grupo) {
                abertas.forEach(function(x) {
                    x.classList.add("zps-atopada");
                    x.setAttribute("aria-disabled", "true");
                    cara(x, x.zpscarta, true);
                });
                abertas = [];
                atopadas++;
                if (atopadas < m && s.resultado() === false) s.mensaxe("");
                if (atopadas === m) {
                    if (temporizador) temporizador.parar();
                    s.xulgar(true);
                }
            } else {
                s.xulgar(false);
                pechar = global.setTimeout(pecharabertas, 1200);
            }
        }
        function comezar() {
            pecharabertas();
            taboleiro.innerHTML = "";
            botons = [];
            atopadas = 0;
            activo = true;
            outravez.hidden = true;
            s.azar.barallar(cartas).forEach(function(x) {
                var b = s.el("button", "zps-carta");
                b.type = "button";
                b.zpscarta = x;
                botons.push(b);
                taboleiro.appendChild(b);
                cara(b, x, false);
            });
            s.grella(botons, {columnas : columnas, activar : function(b) { virar(b); }});
            if (segundos > 0) {
                reloxo.textContent = s.t("zps_tempo", segundos);
                temporizador = s.cronometro(segundos, function() {
                    if (s.resolta()) return;
                    activo = false;
                    s.xulgar(false);
                    outravez.hidden = false;
                }, function(resto) { reloxo.textContent = s.t("zps_tempo", resto); });
            }
        }
        comezar();
    }
});
// --- 50: words spelled with letter tiles ------------------------------------------------------

ZUBP.rexistrar("letras", {
    cando : ZUBP.logica.posicions.marcas.letras,
    imaxe : false,
    actividade : function(p) { return ZUBP.lista(p.palabras).some(function(w) { return teselas(w).length; }); },
    construir : function(p, c, s) {
        var palabras = s.lista(p.palabras).filter(function(w) { return teselas(w).length; });
        if (!palabras.length) return "sen palabras";
        // Pictures and sounds go with their words only where each word has one.
        var imaxes = s.lista(p.imaxes), sons = s.lista(p.sons);
        if (imaxes.length !== palabras.length) imaxes = [];
        if (sons.length !== palabras.length) sons = [];
        var k = 0;
        var lista = s.el("div", "zps-palabras");
        c.appendChild(lista);
        function palabra() {
            var w = palabras[k];
            var fila = s.el("div", "zps-palabra");
            fila.setAttribute("data-k", String(k + 1));
            if (imaxes[k]) fila.appendChild(s.imaxe(imaxes[k], "", "zps-imxpalabra"));
            if (sons[k]) fila.appendChild(s.botonson(sons[k]));
            var ocos = s.el("div", "zps-ocos");
            var caixas = [];
            ZUBP.caracteres(s.dec(w)).forEach(function(ch) {
                if (/\s/.test(ch)) {
                    ocos.appendChild(s.el("span", "zps-espazo"));
                    return;
                }
                var d = s.el("div", "zps-letraoco");
                d.setAttribute("aria-label", s.t("zps_oco", caixas.length + 1));
                caixas.push(d);
                ocos.appendChild(d);
            });
            fila.appendChild(ocos);
            var tb = bandexa(s, "zps-teselas");
            var tes = s.azar.desordenar(teselas(w, p.letras)).map(function(ch) {
                var e = s.el("div", "zps-tesela", ch);
                e.zpsletra = ch;
                tb.appendChild(e);
                return e;
            });
            fila.appendChild(tb);
            lista.appendChild(fila);
            function ocupante(d) { return d.querySelector(".zps-tesela"); }
            sobrepezas(function() { return a; }, tes, caixas);
            var a = s.arrastre({
                pezas : tes,
                destinos : caixas,
                bandexa : tb,
                soltar : function(e, d) {
                    if (s.resolta() || fila.classList.contains("zps-feita")) return false;
                    var ali = ocupante(d), de = e.parentNode;
                    if (ali && ali !== e) de.appendChild(ali);
                    d.appendChild(e);
                    // Judged once every box holds a letter.
                    if (caixas.every(ocupante)) {
                        var ben = soletreada(w, caixas.map(function(x) { return ocupante(x).zpsletra; }));
                        if (!ben) {
                            s.xulgar(false);
                            // The letters go back for another try.
                            caixas.forEach(function(x) { tb.appendChild(ocupante(x)); });
                            return true;
                        }
                        fila.classList.add("zps-feita");
                        a.desactivar();
                        tes.forEach(function(x) { x.tabIndex = -1; });
                        caixas.forEach(function(x) { x.tabIndex = -1; });
                        tb.tabIndex = -1;
                        tb.hidden = true;
                        k++;
                        if (k === palabras.length)
                            s.xulgar(true);
                        else {
                            s.mensaxe(s.t("contador", k, palabras.length));
                            palabra();
                        }
                    }
                    return true;
                }
            });
        }
        palabra();
    }
});

// --- 51: memory of squares ---------------------------------------------------------------------

ZUBP.rexistrar("memoria", {
    imaxe : false,
    actividade : function(p) { return ZUBP.lista(p.imaxes).filter(Boolean).length >= 2; },
    construir : function(p, c, s) {
        var imaxes = s.lista(p.imaxes).filter(Boolean);
        // With one picture missing, which one is gone cannot be told.
        if (imaxes.length < 2) return "falta unha das dúas imaxes";
        var n = numerocadros(p.numero);
        var v = memoria(n, String(p.alea) === "1", s.azar);
        var visible = String(p.cadro) === "1", numeros = String(p.forma) === "1";
        var modelo = s.el("div", "zps-modelo");
        modelo.appendChild(s.imaxe(imaxes[1], "2", "zps-imxmodelo"));
        c.appendChild(modelo);
        var columnas = Math.min(n, Math.ceil(Math.sqrt(n * 1.5)));
        var g = s.el("div", "zps-cadros");
        g.style.gridTemplateColumns = "repeat(" + columnas + ", auto)";
        var tapados = false, quedan = v.filter(function(x) { return x === 2; }).length;
        var cadros = v.map(function(x, i) {
            var b = s.el("button", "zps-cadro");
            b.type = "button";
            b.zpsimx = x;
            b.appendChild(s.imaxe(imaxes[x - 1], "", "zps-imxcadro"));
            if (numeros) b.appendChild(s.el("span", "zps-numero", String(i + 1)));
            b.setAttribute("aria-label", s.t("zps_cadro", i + 1));
            b.setAttribute("aria-pressed", "false");
            g.appendChild(b);
            return b;
        });
        c.appendChild(g);
        var tapar = null, crono = null;
        function cubrir() {
            if (tapados) return;
            tapados = true;
            if (crono) crono.parar();
            if (tapar) tapar.remove();
            if (!visible) cadros.forEach(function(b) { b.classList.add("zps-tapado"); });
            g.classList.add("zps-xogando");
        }
        s.grella(cadros, {
            columnas : columnas,
            activar : function(b) {
                if (!tapados || s.resolta() || b.getAttribute("aria-pressed") === "true") return;
                b.classList.remove("zps-tapado");
                b.setAttribute("aria-pressed", "true");
                if (b.zpsimx !== 2) {
                    b.classList.add("zps-errado");
                    s.xulgar(false);
                    return;
                }
                b.classList.add("zps-acertado");
                if (--quedan > 0 && s.resultado() === false) s.mensaxe("");
                if (quedan === 0) {
                    s.xulgar(true);
                    cadros.forEach(function(x) { x.classList.remove("zps-tapado"); });
                }
            }
        });
        if (visible)
            cubrir();
        else {
            tapar = s.boton(s.t("zps_tapar"), cubrir, "zps-tapar");
            c.appendChild(tapar);
            crono = s.cronometro(Math.min(20, 4 + Math.ceil(n / 3)), cubrir);
        }
    }
});
})(typeof window !== "undefined" ? window.ZUBP : this.ZUBP);
