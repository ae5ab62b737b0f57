// Quibel's HTML5 player: classifying, linking and ordering texts (classify, links, drag texts, order,
// pyramid, relate). Each module registers with ZUBP.rexistrar(type, {cando, actividade, construir}); see
// zub.js.
//
// The description leaves empty items out of its runs, so two runs of one page may stand out of
// step: the n-th text and the n-th box number need not belong together. The pure part below
// rebuilds every way the author's slots could have stood, keeps the ways that need the fewest
// author slips (a half-filled pair, a word pointing at an empty group), and judges an answer
// right when it fits one of them. An item that has no partner in any of those ways is left out,
// and the page box says so in data-zub-nota.
(function(ZUBP) {
"use strict";
if (!ZUBP) return;

ZUBP.textos({
    ESP : {
        caixa : "Caja {0}",
        posicion : "Posición {0}",
        parella : "Pareja de {0}",
        linha : "Línea {0}: {1} letras",
        resposta : "Tu respuesta"
    },
    GAL : {
        caixa : "Caixa {0}",
        posicion : "Posición {0}",
        parella : "Parella de {0}",
        linha : "Liña {0}: {1} letras",
        resposta : "A túa resposta"
    },
    CAT : {
        caixa : "Capsa {0}",
        posicion : "Posició {0}",
        parella : "Parella de {0}",
        linha : "Línia {0}: {1} lletres",
        resposta : "La teva resposta"
    },
    EUS : {
        caixa : "{0}. kutxa",
        posicion : "{0}. posizioa",
        parella : "{0}(r)en bikotea",
        linha : "{0}. lerroa: {1} letra",
        resposta : "Zure erantzuna"
    },
    POR : {
        caixa : "Caixa {0}",
        posicion : "Posição {0}",
        parella : "Par de {0}",
        linha : "Linha {0}: {1} letras",
        resposta : "A sua resposta"
    },
    ENG : {
        caixa : "Box {0}",
        posicion : "Position {0}",
        parella : "Pair of {0}",
        linha : "Line {0}: {1} letters",
        resposta : "Your answer"
    },
    AST : {
        caixa : "Caxa {0}",
        posicion : "Posición {0}",
        parella : "Pareya de {0}",
        linha : "Llinia {0}: {1} lletres",
        resposta : "La to rempuesta"
    },
    VAL : {
        caixa : "Caixa {0}",
        posicion : "Posició {0}",
        parella : "Parella de {0}",
        linha : "Línia {0}: {1} lletres",
        resposta : "La teua resposta"
    }
});

var lista = ZUBP.lista, dec = ZUBP.dec, compara = ZUBP.compara;

// --- the pure part ----------------------------------------------------------------------------

// Every way of choosing k of n slots, each as the ascending slot numbers.
function combinacions(n, k) {
    var r = [];
    if (k > n) return r;
    (function paso(desde, v) {
        if (v.length === k) {
            r.push(v.slice());
            return;
        }
        for (var i = desde; i <= n - (k - v.length); i++) {
            v.push(i);
            paso(i + 1, v);
            v.pop();
        }
    })(0, []);
    return r;
}

// Two runs of na and nb items taken from the same n slots: every way they could have stood, as
// {par, a, b, custo}: par[i] the item of run b in the slot of item i of run a (-1: none), a and b
// the slots, custo the slips (soA for each item of a without a partner, soB for each of b).
function alinamentos(na, nb, n, soA, soB) {
    n = Math.max(n, na, nb);
    var sa = combinacions(n, na), sb = combinacions(n, nb), r = [];
    sa.forEach(function(a) {
        sb.forEach(function(b) {
            var enb = {}, custo = 0, par = [];
            b.forEach(function(s, j) { enb[s] = j; });
            a.forEach(function(s) {
                var j = enb[s] === undefined ? -1 : enb[s];
                par.push(j);
                if (j < 0) custo += soA;
            });
            custo += (nb - (na - par.filter(function(j) { return j < 0; }).length)) * soB;
            r.push({par : par, a : a, b : b, custo : custo});
        });
    });
    return r;
}

// The items with the least cost.
function minimos(v, custo) {
    var m = Infinity;
    v.forEach(function(x) { m = Math.min(m, custo(x)); });
    return v.filter(function(x) { return custo(x) === m; });
}
// The distinct alternatives.
function distintos(v) {
    var vistos = {}, r = [];
    v.forEach(function(x) {
        var k = JSON.stringify(x);
        if (!vistos[k]) {
            vistos[k] = true;
            r.push(x);
        }
    });
    return r;
}

// An alternative holds, for every item, the list of answers that count for it (null: any).
// An answer is right when it fits one alternative.
function cumpre(alternativas, resposta) {
    return alternativas.some(function(alt) {
        for (var i = 0; i < alt.length; i++)
            if (alt[i] !== null && alt[i].indexOf(resposta[i]) < 0) return false;
        return true;
    });
}
// What counts for item i in every alternative alike, else undefined.
function seguro(alternativas, i) {
    if (!alternativas.length) return undefined;
    var k = JSON.stringify(alternativas[0][i]);
    for (var a = 1; a < alternativas.length; a++)
        if (JSON.stringify(alternativas[a][i]) !== k) return undefined;
    return alternativas[0][i];
}
// The one value all give, else undefined.
function unico(v) {
    for (var i = 1; i < v.length; i++)
        if (v[i] !== v[0]) return undefined;
    return v[0];
}
// The items that no alternative gives an answer that counts.
function sen(alternativas, n) {
    var r = [];
    for (var i = 0; i < n; i++)
        if (alternativas.every(function(alt) { return alt[i] === null; })) r.push(i);
    return r;
}

// A run of at most n slots: a longer one is no description's, and would make the pairing explode.
function ata(v, n) { return lista(v).slice(0, n); }

// A run against its n fixed slots: the items where they are sure (the run is whole), else null.
function enteira(run, n) { return run.length === n ? run.slice() : null; }

// Two boxes, six texts: the box of text k is "2" or anything else for box 1. The box numbers
// are always stored for all six rows, so a missing one costs a slip and a box number without
// its text costs nothing.
function clasificar6(p) {
    var textos = ata(p.textos, 6), caixas = ata(p.caixas, 6);
    if (!textos.length) return {erro : "sen textos"};
    var al = minimos(alinamentos(textos.length, caixas.length, 6, 1, 0), function(x) { return x.custo; });
    var alts = distintos(al.map(function(x) {
        return x.par.map(function(j) { return [ j >= 0 && String(caixas[j]).trim() === "2" ? 1 : 0 ]; });
    }));
    var notas = [];
    var inseguros = textos.filter(function(t, i) { return seguro(alts, i) === undefined; });
    if (inseguros.length) notas.push("caixa incerta por un texto baleiro: " + inseguros.map(dec).join(", "));
    var nomes = enteira(lista(p.txcaixas), 2);
    if (!nomes) {
        nomes = [ "", "" ];
        if (lista(p.txcaixas).length) notas.push("nomes das caixas sen poñer: falta un");
    }
    var fondos = enteira(lista(p.imfondo), 2);
    if (!fondos) {
        fondos = [ "", "" ];
        if (lista(p.imfondo).length) notas.push("imaxe de caixa sen poñer: falta unha");
    }
    var trans = enteira(lista(p.trnsimf), 2) || [ "", "" ];
    return {
        textos : textos,
        grupos : nomes.map(function(
            n, k) { return {nome : n, fondo : fondos[k], opacidade : ZUBP.enteiro(trans[k], 100, 0, 100)}; }),
        alternativas : alts,
        fora : [],
        amosar : p.modo !== "1",
        nota : notas.join("; ")
    };
}

// Up to four groups named in one text joined by ",": the first part is the first edit, even when
// empty; the others are the filled edits 2 to 4 in order, so where fewer than three follow, each
// may stand in any of them. The group of word k is the number of its edit.
function clasificar47(p) {
    var textos = ata(p.textos, 6), caixas = ata(p.caixas, 6);
    var partes = String(p.txcaixas).split(",").slice(0, 4);
    var resto = partes.slice(1);
    var grupos = [], grupodaparte = [];
    partes.forEach(function(n, q) {
        grupodaparte.push(dec(n).trim() ? grupos.length : -1);
        if (dec(n).trim()) grupos.push({nome : n, fondo : "", opacidade : 100});
    });
    if (!grupos.length) return {erro : "sen grupos"};
    if (!textos.length) return {erro : "sen palabras"};
    // edits[e] = the group of edit e + 1 (-1: empty), for every way the names could have stood.
    var postas = resto.length === 3 ? [ [ 0, 1, 2 ] ] : combinacions(3, resto.length);
    var edicions = postas.map(function(sl) {
        var e = [ grupodaparte[0], -1, -1, -1 ];
        sl.forEach(function(s, q) { e[s + 1] = grupodaparte[q + 1]; });
        return e;
    });
    // First the fewest half-filled rows; then the names where the fewest words point at no group.
    var al = minimos(alinamentos(textos.length, caixas.length, 6, 1, 1), function(x) { return x.custo; });
    function grupo(x, e, i) {
        var j = x.par[i];
        var d = j < 0 ? "" : String(caixas[j]).trim();
        var g = /^[1-4]$/.test(d) ? e[+d - 1] : -1;
        return g < 0 ? null : [ g ];
    }
    function erros(x, e) {
        var n = 0;
        for (var i = 0; i < textos.length; i++)
            if (x.par[i] >= 0 && grupo(x, e, i) === null) n++;
        return n;
    }
    var nomes = minimos(
        edicions, function(e) { return Math.min.apply(null, al.map(function(x) { return erros(x, e); })); });
    var todas = [];
    al.forEach(function(x) {
        nomes.forEach(function(e) { todas.push(x.par.map(function(j, i) { return grupo(x, e, i); })); });
    });
    var alts = distintos(todas);
    var fora = sen(alts, textos.length);
    if (fora.length === textos.length) return {erro : "ningunha palabra ten grupo"};
    var notas = [];
    var inseguras =
        textos.filter(function(t, i) { return fora.indexOf(i) < 0 && seguro(alts, i) === undefined; });
    if (inseguras.length) notas.push("grupo incerto por un oco: " + inseguras.map(dec).join(", "));
    if (fora.length)
        notas.push("palabras sen grupo, fóra: " +
                   fora.map(function(i) { return dec(textos[i]); }).join(", "));
    return {
        textos : textos,
        grupos : grupos,
        alternativas : alts,
        fora : fora,
        amosar : false,
        nota : notas.join("; ")
    };
}

// Five fixed texts, each with the text dragged onto it. A dragged text counts on every fixed
// text whose partner reads the same.
function unir13(p) {
    var fixos = ata(p.textos, 5), moviles = ata(p.unir, 5);
    if (!fixos.length || !moviles.length) return {erro : "faltan textos"};
    var al = minimos(alinamentos(fixos.length, moviles.length, 5, 1, 1), function(x) { return x.custo; });
    var alts = distintos(al.map(function(x) {
        return x.par.map(function(j) {
            if (j < 0) return [ -1 ];
            var r = [];
            moviles.forEach(function(m, k) {
                if (compara(m, moviles[j])) r.push(k);
            });
            return r;
        });
    }));
    var fixosfora = [], movilesfora = [];
    fixos.forEach(function(f, i) {
        if (al.every(function(x) { return x.par[i] < 0; })) fixosfora.push(i);
    });
    moviles.forEach(function(m, j) {
        if (al.every(function(x) { return x.par.indexOf(j) < 0; })) movilesfora.push(j);
    });
    var notas = [];
    if (al.length > 1) notas.push("parellas incertas por un texto baleiro");
    if (fixosfora.length)
        notas.push("textos fixos sen parella, fóra: " +
                   fixosfora.map(function(i) { return dec(fixos[i]); }).join(", "));
    if (movilesfora.length)
        notas.push("textos para arrastrar sen parella, fóra: " +
                   movilesfora.map(function(j) { return dec(moviles[j]); }).join(", "));
    if (fixosfora.length === fixos.length) return {erro : "ningunha parella"};
    return {
        fixos : fixos,
        moviles : moviles,
        alternativas : alts,
        fixosfora : fixosfora,
        movilesfora : movilesfora,
        nota : notas.join("; ")
    };
}

// Links: the caption and the target of link k, out of n. A target is given where every way the
// runs could have stood agrees; null where it is not sure, "" where the link surely has none.
// Positions likewise, each from its own run of n (defaults as the editor reads them).
function ligas(p, n, conposicions) {
    var rotulos = ata(p.liga, n), ir = ata(p.ir, n);
    var al = minimos(alinamentos(rotulos.length, ir.length, n, 1, 1), function(x) { return x.custo; });
    var destinos = rotulos.map(function(r, i) {
        var j = unico(al.map(function(x) { return x.par[i]; }));
        return j === undefined ? null : j < 0 ? "" : ir[j];
    });
    function lugares(run, defectos) {
        var a = minimos(alinamentos(rotulos.length, run.length, n, 1, 0), function(x) { return x.custo; });
        return rotulos.map(function(r, i) {
            var j = unico(a.map(function(x) { return x.par[i]; }));
            if (j === undefined || j < 0) return null;
            var s = a[0].b[j];
            return ZUBP.enteiro(run[j], defectos[Math.min(s, defectos.length - 1)], 0, 1500);
        });
    }
    var xs = conposicions ? lugares(lista(p.posx), [ 50, 225, 400 ]) : [];
    var ys = conposicions ? lugares(lista(p.posy), [ 300 ]) : [];
    var notas = [];
    var sendestino = rotulos.filter(function(r, i) { return destinos[i] === null; });
    if (sendestino.length) notas.push("ligazóns sen destino seguro: " + sendestino.map(dec).join(", "));
    var sitio = conposicions && rotulos.every(function(r, i) { return xs[i] !== null && ys[i] !== null; });
    if (conposicions && rotulos.length && !sitio)
        notas.push("posicións dos botóns sen poñer: falta un texto");
    return {
        ligas :
            rotulos.map(function(r, i) { return {rotulo : r, destino : destinos[i], x : xs[i], y : ys[i]}; }),
        sitio : sitio,
        nota : notas.join("; ")
    };
}

// More pieces than a page can show in a row or two is no ordering task.
var MAXPEZAS = 40;
// Pieces to put in order: words ("1"), letters ("2"); without either, words, and letters where the
// text is one word.
function pezas34(p) {
    var texto = dec(p.texto).replace(/\s+/g, " ").trim();
    var palabras = texto ? texto.split(" ") : [];
    var letras = p.modo === "2" || (p.modo !== "1" && palabras.length < 2);
    var pezas = letras ? ZUBP.caracteres(texto.replace(/ /g, "")) : palabras;
    var erro = pezas.length < 2          ? "nada que ordenar"
               : pezas.length > MAXPEZAS ? "demasiadas pezas: " + pezas.length
                                         : "";
    return {texto : texto, letras : letras, pezas : pezas, arrastrar : p.forma !== "0", erro : erro};
}
function ordenar34(p, orde) {
    var m = pezas34(p);
    var obxectivo = m.letras ? m.texto.replace(/ /g, "") : m.texto;
    return compara(orde.join(m.letras ? "" : " "), obxectivo);
}

// Related lists: each left item names the right item it goes with by its text, or else by its
// number among the six right slots (before the empty ones were dropped).
function relacionar46(p) {
    var esquerda = ata(p.palabras, 6).map(function(v) { return ZUBP.partes(v); });
    var dereita = ata(p.etiquetas, 6);
    if (!esquerda.length || !dereita.length) return {erro : "faltan elementos"};
    var refs = esquerda.map(function(q) {
        var rel = q.length > 1 ? q.slice(1).join("||") : "";
        var polotexto = [];
        if (dec(rel).trim())
            dereita.forEach(function(d, j) {
                if (compara(d, rel)) polotexto.push(j);
            });
        if (polotexto.length) return {texto : polotexto};
        var d = /^\s*([1-6])\s*$/.exec(dec(rel));
        return d ? {numero : +d[1] - 1} : {};
    });
    var todas = combinacions(6, Math.min(6, dereita.length)).map(function(sl) {
        var custo = 0;
        var alt = refs.map(function(r) {
            if (r.texto) return r.texto;
            if (r.numero === undefined) return null;
            var j = sl.indexOf(r.numero);
            if (j < 0) custo++;
            return j < 0 ? null : [ j ];
        });
        return {alt : alt, custo : custo};
    });
    var alts = distintos(minimos(todas, function(x) { return x.custo; }).map(function(x) { return x.alt; }));
    var fora = sen(alts, esquerda.length);
    if (fora.length === esquerda.length) return {erro : "ningunha relación"};
    var notas = [];
    if (fora.length)
        notas.push("elementos sen relación, fóra: " +
                   fora.map(function(i) { return dec(esquerda[i][0]); }).join(", "));
    return {
        esquerda : esquerda.map(function(q) { return q[0]; }),
        dereita : dereita,
        alternativas : alts,
        fora : fora,
        nota : notas.join("; ")
    };
}

function piramide37(p) {
    var linhas = lista(p.palabras).filter(function(l) { return dec(l).trim(); });
    return linhas.length ? {linhas : linhas} : {erro : "sen liñas"};
}

ZUBP.logica = ZUBP.logica || {};
ZUBP.logica.clasificar = {
    combinacions : combinacions,
    alinamentos : alinamentos,
    cumpre : cumpre,
    seguro : seguro,
    clasificar6 : clasificar6,
    clasificar47 : clasificar47,
    unir13 : unir13,
    ligas : ligas,
    pezas34 : pezas34,
    ordenar34 : ordenar34,
    relacionar46 : relacionar46,
    piramide37 : piramide37
};

if (typeof document === "undefined") return;

// --- building blocks ------------------------------------------------------------------------

// The status note of a page that plays but had to leave something out.
function notar(caixa, nota) {
    if (!nota) return;
    var b = caixa.closest ? caixa.closest(".zub-paxinabox") : null;
    (b || caixa).setAttribute("data-zub-nota", nota);
}
function bandexa(s) {
    var b = s.el("div", "zub-clbandexa");
    b.setAttribute("aria-label", s.t("bandexa"));
    return b;
}
function tarxeta(s, texto, i) {
    var t = s.el("div", "zub-cltarxeta", texto);
    t.setAttribute("data-i", i);
    return t;
}
// The cards of the texts at the given indices, in that order, into the tray.
function entarxetas(s, tr, textos, indices) {
    return indices.map(function(i) {
        var t = tarxeta(s, textos[i], i);
        tr.appendChild(t);
        return t;
    });
}
// 0..n-1 but the ones left out.
function agas(n, fora) {
    var r = [];
    for (var i = 0; i < n; i++)
        if (fora.indexOf(i) < 0) r.push(i);
    return r;
}
function comprobar(s, fn) {
    var b = s.boton(s.t("comprobar"), fn, "zub-comprobar");
    b.disabled = true;
    return b;
}
// Pieces onto targets and a check button: o.colocar(peza, destino) places a piece, o.listo() says
// when there is something to check, o.ben() judges what lies where, o.aomover() runs after every
// move; o.unico: each target holds one piece, the one there goes where the new one came from. A
// right answer fixes the pieces.
function xogo(s, caixa, o) {
    var boton = comprobar(s, function() {
        var ben = o.ben();
        s.xulgar(ben);
        if (ben) {
            arr.desactivar();
            boton.disabled = true;
        }
    });
    function mudou() {
        boton.disabled = s.resolta() || !o.listo();
        if (o.aomover) o.aomover();
    }
    // A piece lying in a target stands for that target: a tap or a drop on it lands there.
    function alvo(d) {
        for (var i = 0; i < o.destinos.length; i++)
            if (o.destinos[i] !== d && o.destinos[i].contains(d)) return o.destinos[i];
        return d;
    }
    var arr = s.arrastre({
        pezas : o.pezas,
        destinos :
            function() { return o.destinos.concat(o.pezas.filter(function(p) { return alvo(p) !== p; })); },
        bandexa : o.bandexa,
        nome : o.nome,
        soltar : function(peza, destino) {
            destino = alvo(destino);
            if (o.unico)
                porunico(peza, destino, o.bandexa);
            else
                o.colocar(peza, destino);
            mudou();
        },
        devolver : mudou
    });
    caixa.appendChild(boton);
}
function nabandexa(tr) { return !!tr.querySelector(".zub-cltarxeta"); }
// A slot that holds one piece: the piece already there goes where the new one came from.
function porunico(peza, oco, bandexa) {
    var vella = oco.querySelector(".zub-cltarxeta");
    if (vella === peza) return;
    var orixe = peza.parentNode;
    if (vella) {
        if (orixe && orixe.classList.contains("zub-cloco"))
            orixe.appendChild(vella);
        else
            bandexa.appendChild(vella);
    }
    oco.appendChild(peza);
}

// A module whose page prep(p) prepares: an activity where it gives no error, else shown as content
// with that error; corpo(m, p, caixa, s) builds it, and the note goes on the page box.
function modulo(prep, corpo, cando) {
    return {
        cando : cando,
        actividade : function(p) { return !prep(p).erro; },
        imaxe : false,
        construir : function(p, caixa, s) {
            var m = prep(p);
            if (m.erro) return m.erro;
            notar(caixa, m.nota);
            return corpo(m, p, caixa, s);
        }
    };
}

// --- classify (types 6 and 47) --------------------------------------------------------------

function clasificar(m, p, caixa, s) {
    var zona = s.el("div", "zub-clcaixas");
    var caixas = m.grupos.map(function(g, k) {
        var c = s.el("div", "zub-clcaixa");
        var nome = dec(g.nome).trim() || s.t("caixa", k + 1);
        c.setAttribute("aria-label", nome);
        if (g.fondo) {
            var f = s.imaxe(g.fondo, "", "zub-clfondo");
            f.style.opacity = g.opacidade / 100;
            c.appendChild(f);
        }
        c.appendChild(s.el("h3", "", nome));
        zona.appendChild(c);
        return c;
    });
    caixa.appendChild(zona);
    var tr = bandexa(s);
    var pezas = entarxetas(s, tr, m.textos, s.azar.desordenar(agas(m.textos.length, m.fora)));
    caixa.appendChild(tr);
    xogo(s, caixa, {
        pezas : pezas,
        destinos : caixas,
        bandexa : tr,
        colocar : function(peza, destino) { destino.appendChild(peza); },
        listo : function() { return !nabandexa(tr); },
        ben : function() {
            var resposta = m.textos.map(function() { return -1; });
            pezas.forEach(function(
                t) { resposta[+t.getAttribute("data-i")] = caixas.indexOf(t.parentNode); });
            return cumpre(m.alternativas, resposta);
        },
        aomover : marcar
    });
    // Where the page shows where each text belongs, a card in a box says whether it is right.
    function marcar() {
        pezas.forEach(function(t) {
            var marca = "";
            var k = caixas.indexOf(t.parentNode);
            var seg = m.amosar && k >= 0 ? seguro(m.alternativas, +t.getAttribute("data-i")) : undefined;
            if (seg) marca = seg.indexOf(k) >= 0 ? "ben" : "mal";
            if (marca)
                t.setAttribute("data-zub-marca", marca);
            else
                t.removeAttribute("data-zub-marca");
        });
    }
}

ZUBP.rexistrar("clasificar",
               modulo(clasificar6, clasificar, function(p) { return Array.isArray(p.txcaixas); }));
ZUBP.rexistrar("clasificar",
               modulo(clasificar47, clasificar, function(p) { return typeof p.txcaixas === "string"; }));
// Without box names the two classify pages cannot be told apart.
ZUBP.rexistrar("clasificar", {
    actividade : false,
    construir : function() { return "sen nomes de caixas: non se sabe que clasificación é"; }
});

// --- drag texts onto their pairs (type 13) --------------------------------------------------

function unir(m, p, caixa, s) {
    var tr = bandexa(s);
    var lista = s.el("ol", "zub-clpares");
    var ocos = [];
    m.fixos.forEach(function(f, i) {
        if (m.fixosfora.indexOf(i) >= 0) return;
        var li = s.el("li", "zub-clpar");
        li.appendChild(s.el("span", "zub-clfixo", f));
        var oco = s.el("div", "zub-cloco");
        oco.setAttribute("aria-label", s.t("parella", dec(f)));
        oco.setAttribute("data-i", i);
        li.appendChild(oco);
        lista.appendChild(li);
        ocos.push(oco);
    });
    caixa.appendChild(lista);
    var pezas = entarxetas(s, tr, m.moviles, s.azar.desordenar(agas(m.moviles.length, m.movilesfora)));
    caixa.appendChild(tr);
    // Checked once the tray is empty or every slot holds a text.
    xogo(s, caixa, {
        pezas : pezas,
        destinos : ocos,
        bandexa : tr,
        unico : true,
        listo : function() {
            return !nabandexa(tr) || ocos.every(function(o) { return o.querySelector(".zub-cltarxeta"); });
        },
        ben : function() {
            var resposta = m.fixos.map(function() { return -1; });
            ocos.forEach(function(o) {
                var t = o.querySelector(".zub-cltarxeta");
                if (t) resposta[+o.getAttribute("data-i")] = +t.getAttribute("data-i");
            });
            return cumpre(m.alternativas, resposta);
        }
    });
}
ZUBP.rexistrar("unir", modulo(unir13, unir));

// --- links (types 9 and 28) -----------------------------------------------------------------

function botonliga(s, l, fondo) {
    var b;
    if (l.destino) {
        b = s.ligazon(l.rotulo, l.destino);
        b.className = "zub-clliga";
        b.setAttribute("role", "button");
    } else {
        // A link whose target is missing or unsure shows, and goes nowhere.
        b = s.el("span", "zub-clliga zub-clligasen", l.rotulo);
        b.setAttribute("aria-disabled", "true");
    }
    if (fondo && s.eimaxe(fondo)) {
        b.style.backgroundImage = "url(\"" + s.enderezo(fondo).replace(/"/g, "%22") + "\")";
        b.classList.add("zub-clligaimx");
    }
    return b;
}

ZUBP.rexistrar("liga", {
    cando : function(p) { return p.modo === undefined; },
    actividade : false,
    imaxe : false,
    construir : function(p, caixa, s) {
        var m = ligas(p, 3, true);
        notar(caixa, m.nota);
        var ancho = 620, alto = 400;
        m.ligas.forEach(function(l) {
            if (m.sitio) {
                ancho = Math.max(ancho, Math.min(2000, l.x + 170));
                alto = Math.max(alto, Math.min(2000, l.y + 60));
            }
        });
        var lz = s.lenzo(ancho, alto, "zub-clligas9");
        lz.fora.style.maxWidth = ancho + "px";
        if (p.imaxe) lz.caixa.appendChild(s.imaxe(p.imaxe, p.altim, "zub-clfondoliga"));
        if (p.texto) lz.caixa.appendChild(s.html("zub-cltextoliga", p.texto));
        var fila = s.el("div", "zub-clfila");
        m.ligas.forEach(function(l) {
            var b = botonliga(s, l, p.forma);
            if (m.sitio) {
                lz.colocar(b, l.x, l.y);
                lz.caixa.appendChild(b);
            } else
                fila.appendChild(b);
        });
        caixa.appendChild(lz.fora);
        if (fila.firstChild) caixa.appendChild(fila);
    }
});
ZUBP.rexistrar("liga", {
    cando : function(p) { return p.modo === "1"; },
    actividade : false,
    imaxe : false,
    construir : function(p, caixa, s) {
        var m = ligas(p, 10, false);
        if (!m.ligas.length) return "sen ligazóns";
        notar(caixa, m.nota);
        // The button picture is the page picture; a button picture under "forma" is taken too.
        var fondo = p.imaxe || p.forma;
        var u = s.el("div", "zub-clfila zub-clligas28");
        m.ligas.forEach(function(l) { u.appendChild(botonliga(s, l, fondo)); });
        caixa.appendChild(u);
    }
});
ZUBP.rexistrar(
    "liga",
    {actividade : false, construir : function(p) { return "modo de ligazóns descoñecido: " + p.modo; }});

// --- put in order (type 34) -----------------------------------------------------------------

ZUBP.rexistrar("ordenar", {
    actividade : function(p) { return !pezas34(p).erro; },
    construir : function(p, caixa, s) {
        var m = pezas34(p);
        if (m.erro) return m.erro;
        var orde = s.azar.desordenar(m.pezas.map(function(x, i) { return i; }));
        if (!m.arrastrar) {
            // The pieces stand as a clue; the learner writes the text.
            var pistas = s.el("ul", "zub-clpistas" + (m.letras ? " zub-clletras" : ""));
            orde.forEach(function(i) { pistas.appendChild(s.el("li", "zub-cltarxeta", m.pezas[i])); });
            caixa.appendChild(pistas);
            var entrada = s.el("input", "zub-clentrada");
            entrada.type = "text";
            entrada.setAttribute("aria-label", s.t("resposta"));
            entrada.size = Math.max(8, Math.min(60, m.texto.length + 2));
            entrada.addEventListener("input",
                                     function() { bt.disabled = s.resolta() || !entrada.value.trim(); });
            entrada.addEventListener("keydown", function(ev) {
                if (ev.key === "Enter" && !bt.disabled) bt.click();
            });
            var bt = comprobar(s, function() {
                var ben = compara(entrada.value, m.letras ? m.texto.replace(/ /g, "") : m.texto) ||
                          compara(entrada.value, m.texto);
                s.xulgar(ben);
                if (ben) {
                    entrada.disabled = true;
                    bt.disabled = true;
                }
            });
            caixa.appendChild(entrada);
            caixa.appendChild(bt);
            return;
        }
        var fila = s.el("div", "zub-clorde" + (m.letras ? " zub-clletras" : ""));
        var ocos = m.pezas.map(function(x, k) {
            var o = s.el("div", "zub-cloco");
            o.setAttribute("aria-label", s.t("posicion", k + 1));
            fila.appendChild(o);
            return o;
        });
        caixa.appendChild(fila);
        var tr = bandexa(s);
        var pezas = entarxetas(s, tr, m.pezas, orde);
        caixa.appendChild(tr);
        xogo(s, caixa, {
            pezas : pezas,
            destinos : ocos,
            bandexa : tr,
            unico : true,
            listo : function() { return !nabandexa(tr); },
            ben : function() {
                return ordenar34(p, ocos.map(function(o) {
                    var t = o.querySelector(".zub-cltarxeta");
                    return t ? m.pezas[+t.getAttribute("data-i")] : "";
                }));
            }
        });
    }
});

// --- pyramid (type 37) ----------------------------------------------------------------------

function piramide(m, p, caixa, s) {
    if (p.texto) caixa.appendChild(s.html("zub-enunciado", p.texto));
    var u = s.el("ol", "zub-clpiramide");
    var entradas = m.linhas.map(function(l, k) {
        var n = ZUBP.caracteres(dec(l)).length;
        var e = s.el("input", "zub-clfila-pir");
        e.type = "text";
        e.setAttribute("aria-label", s.t("linha", k + 1, n));
        e.style.width = (n * 1.6 - 0.5) + "em";
        e.setAttribute("autocomplete", "off");
        e.spellcheck = false;
        e.addEventListener("input", function() {
            e.removeAttribute("data-zub-marca");
            estado();
        });
        e.addEventListener("keydown", function(ev) {
            if (ev.key === "Enter" && !bt.disabled) bt.click();
        });
        u.appendChild(s.el("li", "", e));
        return e;
    });
    caixa.appendChild(u);
    function estado() {
        bt.disabled = s.resolta() || entradas.some(function(e) { return !e.value.trim(); });
    }
    var bt = comprobar(s, function() {
        var ben = true;
        entradas.forEach(function(e, k) {
            var ok = compara(e.value, m.linhas[k]);
            e.setAttribute("data-zub-marca", ok ? "ben" : "mal");
            ben = ben && ok;
        });
        s.xulgar(ben);
        if (ben) {
            entradas.forEach(function(e) { e.disabled = true; });
            bt.disabled = true;
        }
    });
    caixa.appendChild(bt);
}
ZUBP.rexistrar("piramide", modulo(piramide37, piramide));

// --- relate two lists (type 46) -------------------------------------------------------------

function relacionar(m, p, caixa, s) {
    var zona = s.el("div", "zub-clrelacion");
    var svg = document.createElementNS("http://www.w3.org/2000/svg", "svg");
    svg.setAttribute("class", "zub-cllinhas");
    svg.setAttribute("aria-hidden", "true");
    zona.appendChild(svg);
    var esq = s.el("ul", "zub-clesquerda"), der = s.el("ul", "zub-cldereita");
    var unions = {}; // left index -> right index
    var pezas = [];
    m.esquerda.forEach(function(t, i) {
        if (m.fora.indexOf(i) >= 0) return;
        var b = s.el("div", "zub-clelemento", t);
        b.setAttribute("data-i", i);
        var li = s.el("li", "", b);
        li.appendChild(s.el("span", "zub-clunion"));
        esq.appendChild(li);
        pezas.push(b);
    });
    var destinos = s.azar.desordenar(m.dereita.map(function(x, j) { return j; })).map(function(j) {
        var d = s.el("div", "zub-clelemento zub-cldestino", m.dereita[j]);
        d.setAttribute("data-j", j);
        d.setAttribute("aria-label", dec(m.dereita[j]));
        der.appendChild(s.el("li", "", d));
        return d;
    });
    zona.appendChild(esq);
    zona.appendChild(der);
    caixa.appendChild(zona);
    function debuxar() {
        while (svg.firstChild)
            svg.removeChild(svg.firstChild);
        var r0 = zona.getBoundingClientRect();
        pezas.forEach(function(b) {
            var j = unions[b.getAttribute("data-i")];
            if (j === undefined) return;
            var d = destinos.filter(function(x) { return +x.getAttribute("data-j") === j; })[0];
            var a = b.getBoundingClientRect(), c = d.getBoundingClientRect();
            var l = document.createElementNS("http://www.w3.org/2000/svg", "line");
            l.setAttribute("x1", a.right - r0.left);
            l.setAttribute("y1", a.top + a.height / 2 - r0.top);
            l.setAttribute("x2", c.left - r0.left);
            l.setAttribute("y2", c.top + c.height / 2 - r0.top);
            svg.appendChild(l);
        });
    }
    function rotular() {
        pezas.forEach(function(b) {
            var j = unions[b.getAttribute("data-i")];
            var nome = dec(m.esquerda[+b.getAttribute("data-i")]);
            b.parentNode.querySelector(".zub-clunion").textContent =
                j === undefined ? "" : "→ " + dec(m.dereita[j]);
            b.setAttribute("aria-label", j === undefined ? nome : nome + " → " + dec(m.dereita[j]));
        });
        debuxar();
    }
    // Joining is a drop that leaves the item where it is: drag it, tap it then its partner, or
    // Enter on it and Enter on its partner.
    xogo(s, caixa, {
        pezas : pezas,
        destinos : destinos,
        colocar : function(b, d) { unions[b.getAttribute("data-i")] = +d.getAttribute("data-j"); },
        listo : function() {
            return pezas.every(function(b) { return unions[b.getAttribute("data-i")] !== undefined; });
        },
        ben : function() {
            return cumpre(m.alternativas, m.esquerda.map(function(
                                              x, i) { return unions[i] === undefined ? -1 : unions[i]; }));
        },
        aomover : rotular,
        nome : function(e) {
            return dec(e.getAttribute("data-j") !== null ? m.dereita[+e.getAttribute("data-j")]
                                                         : m.esquerda[+e.getAttribute("data-i")]);
        }
    });
    s.aovolver(debuxar);
    window.addEventListener("resize", function() {
        if (zona.isConnected) debuxar();
    });
}
ZUBP.rexistrar("relacionar", modulo(relacionar46, relacionar));
})(typeof window !== "undefined" ? window.ZUBP : this.ZUBP);
