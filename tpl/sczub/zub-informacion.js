// Quibel's HTML5 player: the information pages (picture and text, galleries, menu, external
// activity, text, template, scheme). Most only show and respond; the text page with a mode, the
// template with an expected answer and the external activity with a status variable are judged.
// Each module registers with ZUBP.rexistrar(type, {cando, actividade, construir}); see zub.js.
(function(ZUBP) {
"use strict";
if (!ZUBP) return;

ZUBP.textos({
    ESP : {ampliar : "Ampliar: {0}", galeria : "Imagen {0} de {1}", resposta : "Respuesta", oco : "Hueco {0}",
           escoller : "Elige…", abrir : "Abrir", externa : "Actividad externa"},
    GAL : {ampliar : "Ampliar: {0}", galeria : "Imaxe {0} de {1}", resposta : "Resposta", oco : "Oco {0}",
           escoller : "Escolle…", abrir : "Abrir", externa : "Actividade externa"},
    CAT : {ampliar : "Amplia: {0}", galeria : "Imatge {0} de {1}", resposta : "Resposta", oco : "Buit {0}",
           escoller : "Tria…", abrir : "Obre", externa : "Activitat externa"},
    EUS : {ampliar : "Handitu: {0}", galeria : "{0}. irudia, {1} guztira", resposta : "Erantzuna", oco : "{0}. hutsunea",
           escoller : "Aukeratu…", abrir : "Ireki", externa : "Kanpoko jarduera"},
    POR : {ampliar : "Ampliar: {0}", galeria : "Imagem {0} de {1}", resposta : "Resposta", oco : "Lacuna {0}",
           escoller : "Escolha…", abrir : "Abrir", externa : "Atividade externa"},
    ENG : {ampliar : "Enlarge: {0}", galeria : "Picture {0} of {1}", resposta : "Answer", oco : "Gap {0}",
           escoller : "Choose…", abrir : "Open", externa : "External activity"},
    AST : {ampliar : "Ampliar: {0}", galeria : "Imaxe {0} de {1}", resposta : "Rempuesta", oco : "Buecu {0}",
           escoller : "Escueyi…", abrir : "Abrir", externa : "Actividá esterna"},
    VAL : {ampliar : "Amplia: {0}", galeria : "Imatge {0} de {1}", resposta : "Resposta", oco : "Buit {0}",
           escoller : "Tria…", abrir : "Obri", externa : "Activitat externa"}
});

var logica = ZUBP.logica = ZUBP.logica || {};

// --- picture and text, template -------------------------------------------------------------

// The panel holds the page's picture and text; the common picture stands in only where the panel
// has no media box for it (a picture type the panel does not show).
function semmedia(caixa) { return !caixa.closest(".zub-paxinabox").querySelector(".zub-panel img, .zub-panel video, .zub-panel object, .zub-panel embed"); }
function imaxeavulsa(p, c, s) {
    if (!p.imaxe || !semmedia(c)) return;
    c.insertBefore(s.evideo(p.imaxe) ? s.video(p.imaxe) : s.imaxe(p.imaxe, p.altim, "zub-imaxe"), c.firstChild);
}

ZUBP.rexistrar("imaxetexto", {
    actividade : false,
    imaxe : false,
    construir : function(p, c, s) {
        imaxeavulsa(p, c, s);
        var im = c.closest(".zub-paxinabox").querySelectorAll(".cltexto-im img");
        // "Auto": the picture at its own size.
        if (p.autoim === "1")
            for (var i = 0; i < im.length; i++)
                im[i].style.maxWidth = "none";
    }
});

// The template page: its panel, its button, and an answer box where the author expects an answer.
ZUBP.rexistrar("plantilla", {
    actividade : function(p) { return !!ZUBP.dec(p.resp).trim(); },
    imaxe : false,
    construir : function(p, c, s) {
        imaxeavulsa(p, c, s);
        if (p.boton) {
            var q = s.partes(p.boton);
            if (q[0]) {
                var b = q[1] ? s.ligazon(q[0], q[1]) : s.el("span", "", q[0]);
                b.classList.add("zub-boton");
                c.appendChild(b);
            }
        }
        var esperada = s.dec(p.resp).trim();
        if (!esperada) return;
        var f = s.el("form", "zub-plantillaresp");
        var campo = s.el("input", "zub-oco");
        campo.type = "text";
        campo.setAttribute("aria-label", s.t("resposta"));
        var comprobar = s.boton(s.t("comprobar"), null, "zub-comprobar");
        comprobar.type = "submit";
        f.appendChild(campo);
        f.appendChild(comprobar);
        f.addEventListener("submit", function(ev) {
            ev.preventDefault();
            if (s.resolta() || !campo.value.trim()) return;
            var ben = s.compara(campo.value, esperada);
            s.xulgar(ben);
            if (ben) campo.readOnly = comprobar.disabled = true;
        });
        c.appendChild(f);
    }
});

// --- galleries ------------------------------------------------------------------------------

// A viewer over the page: the large picture, its caption, its sound; Escape or the button closes
// it and the focus goes back to the thumbnail.
function visor(s, caixa) {
    var v = s.el("div", "zub-visor");
    v.hidden = true;
    v.setAttribute("role", "dialog");
    v.setAttribute("aria-modal", "false");
    var marco = s.el("figure", "zub-visormarco");
    var pe = s.el("figcaption", "zub-visorpe");
    var pechar = s.boton("✕", function() { cerrar(); }, "zub-visorpechar");
    pechar.setAttribute("aria-label", s.t("pechar"));
    v.appendChild(pechar);
    v.appendChild(marco);
    v.appendChild(pe);
    caixa.appendChild(v);
    var volta = null;
    function cerrar() {
        v.hidden = true;
        marco.innerHTML = "";
        if (volta) volta.focus();
    }
    v.addEventListener("keydown", function(ev) {
        if (ev.key === "Escape") cerrar();
    });
    s.aosair(function() {
        if (!v.hidden) cerrar();
    });
    return {
        abrir : function(orixe, imaxe, alt, rotulo) {
            volta = orixe;
            marco.innerHTML = "";
            marco.appendChild(s.imaxe(imaxe, alt, "zub-visorimx"));
            pe.textContent = s.dec(rotulo || "");
            v.setAttribute("aria-label", s.dec(rotulo || alt || ""));
            v.hidden = false;
            pechar.focus();
        },
        pechar : cerrar,
        elemento : v
    };
}

ZUBP.rexistrar("galeriaimx", {
    actividade : false,
    construir : function(p, c, s) {
        // small||large||sound||caption, kept by the small picture.
        var items = s.lista(p.etiquetas).map(s.partes).filter(function(q) { return q[0]; });
        if (!items.length) return "sen imaxes";
        var g = s.el("ul", "zub-galeria" + (p.ctapa === "0" ? " zub-senmarco" : ""));
        var vis = visor(s, c);
        items.forEach(function(q, i) {
            var rotulo = q[3] || "";
            var b = s.el("button", "zub-miniatura");
            b.type = "button";
            b.appendChild(s.imaxe(q[0], rotulo, "zub-imx"));
            if (rotulo) b.appendChild(s.el("span", "zub-pegaleria", rotulo));
            b.setAttribute("aria-label", s.t("ampliar", s.dec(rotulo) || s.t("galeria", i + 1, items.length)));
            b.addEventListener("click", function() {
                vis.abrir(b, q[1] || q[0], rotulo, rotulo);
                if (q[2]) s.tocar(q[2]);
            });
            g.appendChild(s.el("li", "", b));
        });
        c.appendChild(g);
    }
});

ZUBP.rexistrar("galeriasons", {
    actividade : false,
    construir : function(p, c, s) {
        // sound||picture||caption, kept by the picture.
        var items = s.lista(p.etiquetas).map(s.partes).filter(function(q) { return q[1]; });
        if (!items.length) return "sen imaxes";
        var g = s.el("ul", "zub-galeria zub-galeriasons");
        items.forEach(function(q, i) {
            var rotulo = q[2] || "";
            var b = s.el("button", "zub-miniatura");
            b.type = "button";
            b.appendChild(s.imaxe(q[1], rotulo, "zub-imx"));
            if (rotulo) b.appendChild(s.el("span", "zub-pegaleria", rotulo));
            var nome = s.dec(rotulo) || s.t("galeria", i + 1, items.length);
            // A picture without a sound only shows.
            if (q[0]) {
                b.setAttribute("aria-label", s.t("escoitar") + ": " + nome);
                b.addEventListener("click", function() {
                    var a = s.tocar(q[0]);
                    b.classList.add("zub-soando");
                    if (a)
                        a.addEventListener("ended", function() { b.classList.remove("zub-soando"); });
                });
            } else {
                b.setAttribute("aria-label", nome);
                b.disabled = true;
            }
            g.appendChild(s.el("li", "", b));
        });
        c.appendChild(g);
    }
});

// --- menu -----------------------------------------------------------------------------------

// The core opens the boxes of the menu panel; the page's colours are the buttons'.
ZUBP.rexistrar("menu", {
    actividade : false,
    construir : function(p, c, s) {
        var botons = c.closest(".zub-paxinabox").querySelectorAll(".clmenu-bottab");
        for (var i = 0; i < botons.length; i++) {
            if (s.cor(p.cfondo)) botons[i].style.backgroundColor = s.cor(p.cfondo);
            if (s.cor(p.ctexto)) botons[i].style.color = s.cor(p.ctexto);
        }
    }
});

// --- external activity ----------------------------------------------------------------------

// The embedded address: the src of an iframe in the author's code, or the code itself when it is
// a plain web address. Only http and https are embedded.
logica.externa = function(codigo) {
    var x = ZUBP.dec(codigo).trim();
    var m = /<iframe\b[^>]*\bsrc\s*=\s*(["'])(.*?)\1/i.exec(x) || /<iframe\b[^>]*\bsrc\s*=\s*([^\s>]+)/i.exec(x);
    var src = m ? (m[2] !== undefined ? m[2] : m[1]) : x;
    src = src.trim();
    if (!/^https?:\/\/[^\s"'<>]+$/i.test(src)) return null;
    var an = /\bwidth\s*=\s*["']?(\d+)/i.exec(x), al = /\bheight\s*=\s*["']?(\d+)/i.exec(x);
    return {src : src, ancho : an ? +an[1] : 0, alto : al ? +al[1] : 0};
};
// What a status variable says: right, wrong, or not yet.
logica.valorestado = function(v) {
    if (v === undefined || v === null || v === "") return undefined;
    var t = String(v).trim().toLowerCase();
    if (/^(1|true|ben|bien|correct|correcto|correcte|right|passed|completed|ok|si|sí|yes)$/.test(t)) return true;
    if (/^(0|false|mal|wrong|incorrect|incorrecto|incorrecte|failed)$/.test(t)) return false;
    var n = parseFloat(t);
    if (!isNaN(n)) return n > 0;
    return undefined;
};

ZUBP.rexistrar("externa", {
    // Judged only where the author names the variable that reports success.
    actividade : function(p) { return !!ZUBP.dec(p.estado).trim(); },
    construir : function(p, c, s) {
        var e = logica.externa(p.externa);
        if (!e) {
            c.appendChild(s.el("pre", "zub-externa", s.dec(p.externa)));
            return "código sen enderezo web";
        }
        var f = s.el("iframe", "zub-externa");
        f.src = e.src;
        f.width = s.enteiro(p.dimx, e.ancho || 640, 50, 4000);
        f.height = s.enteiro(p.dimy, e.alto || 400, 50, 4000);
        f.title = s.dec(p.altimaxe) || s.t("externa");
        f.setAttribute("allowfullscreen", "");
        f.setAttribute("referrerpolicy", "no-referrer");
        c.appendChild(f);
        var variable = s.dec(p.estado).trim();
        if (!variable) return;
        // The activity tells its status either by a message {variable: value} to the book, or, when
        // it comes from the same origin, by a global variable of its window, looked at once a second
        // while the page is shown.
        var ultimo;
        function ver(v) {
            var r = logica.valorestado(v);
            if (r === undefined || r === ultimo) return;
            ultimo = r;
            s.xulgar(r);
        }
        window.addEventListener("message", function(ev) {
            if (ev.source !== f.contentWindow || !ev.data || typeof ev.data !== "object") return;
            if (Object.prototype.hasOwnProperty.call(ev.data, variable)) ver(ev.data[variable]);
        });
        var id = null;
        s.aovolver(function() {
            if (id === null)
                id = window.setInterval(function() {
                    try {
                        if (f.contentWindow) ver(f.contentWindow[variable]);
                    } catch (err) {
                        /* another origin: only its messages reach the book */
                    }
                }, 1000);
        });
        s.aosair(function() {
            if (id !== null) window.clearInterval(id);
            id = null;
        });
    }
});

// --- text -----------------------------------------------------------------------------------

// The words of a text that become gaps: every third word of four letters or more, at most twelve,
// so that the same text always asks the same words.
logica.ocos = function(texto) {
    var partes = ZUBP.dec(texto).split(/(\s+)/);
    var ocos = [], candidatas = 0;
    for (var i = 0; i < partes.length && ocos.length < 12; i++) {
        var m = /^([^\wÀ-ɏ]*)([\wÀ-ɏ·'’-]+?)([^\wÀ-ɏ]*)$/.exec(partes[i]);
        if (!m || Array.from(m[2].replace(/['’-]/g, "")).length < 4) continue;
        if (candidatas++ % 3 === 2) ocos.push({parte : i, antes : m[1], palabra : m[2], despois : m[3]});
    }
    return {partes : partes, ocos : ocos};
};

ZUBP.rexistrar("texto", {
    // A mode makes it a task on the text's words; without one the text is only shown.
    actividade : function(p) {
        var m = String(p.modo === undefined ? "" : p.modo);
        return (m === "0" || m === "1" || m === "2") && logica.ocos(p.texto).ocos.length > 0;
    },
    construir : function(p, c, s) {
        var d = s.el("div", "zub-textolibre");
        if (s.cor(p.cfondo)) d.style.backgroundColor = s.cor(p.cfondo);
        if (s.cor(p.ctexto)) d.style.color = s.cor(p.ctexto);
        d.style.fontSize = s.enteiro(p.forma, 16, 8, 72) + "px";
        c.appendChild(d);
        var modo = String(p.modo === undefined ? "" : p.modo);
        var o = logica.ocos(p.texto);
        if (!(modo === "0" || modo === "1" || modo === "2") || !o.ocos.length) {
            d.textContent = s.dec(p.texto);
            d.style.whiteSpace = "pre-line";
            return;
        }
        d.style.whiteSpace = "pre-wrap";
        var campos = [];
        var polo = {};
        o.ocos.forEach(function(x) { polo[x.parte] = x; });
        var palabras = o.ocos.map(function(x) { return x.palabra; });
        var arr = null, bandexa = null;
        if (modo === "2") {
            bandexa = s.el("div", "zub-bandexa");
            bandexa.setAttribute("aria-label", s.t("bandexa"));
            c.insertBefore(bandexa, d);
        }
        o.partes.forEach(function(parte, i) {
            var x = polo[i];
            if (!x) {
                d.appendChild(document.createTextNode(parte));
                return;
            }
            if (x.antes) d.appendChild(document.createTextNode(x.antes));
            var nome = s.t("oco", campos.length + 1);
            var campo;
            if (modo === "0") {
                campo = s.el("select", "zub-oco");
                var opcions = s.azar.barallar(uniq([ x.palabra ].concat(s.azar.barallar(palabras).filter(function(w) {
                    return w !== x.palabra;
                }).slice(0, 2))));
                campo.appendChild(s.el("option", "", s.t("escoller")));
                campo.options[0].value = "";
                opcions.forEach(function(w) {
                    var op = s.el("option", "", w);
                    op.value = w;
                    campo.appendChild(op);
                });
            } else if (modo === "1") {
                campo = s.el("input", "zub-oco");
                campo.type = "text";
                campo.size = Math.max(3, Math.min(20, x.palabra.length + 1));
            } else {
                campo = s.el("span", "zub-ocodestino");
            }
            campo.setAttribute("aria-label", nome);
            campo.zubpalabra = x.palabra;
            campos.push(campo);
            d.appendChild(campo);
            if (x.despois) d.appendChild(document.createTextNode(x.despois));
        });
        function valor(campo) {
            if (modo !== "2") return campo.value;
            var f = campo.querySelector(".zub-peza");
            return f ? f.textContent : "";
        }
        if (modo === "2") {
            s.azar.desordenar(palabras).forEach(function(w) { bandexa.appendChild(s.el("span", "zub-ficha", w)); });
            arr = s.arrastre({
                pezas : bandexa.querySelectorAll(".zub-ficha"),
                destinos : campos,
                bandexa : bandexa,
                soltar : function(peza, destino) {
                    // A word on a filled gap swaps places with the word there.
                    var vella = destino.querySelector(".zub-peza");
                    if (vella && vella !== peza) (peza.parentNode === bandexa ? bandexa : peza.parentNode).appendChild(vella);
                    destino.appendChild(peza);
                }
            });
        }
        var comprobar = s.boton(s.t("comprobar"), function() {
            if (s.resolta()) return;
            var ben = true;
            campos.forEach(function(campo) {
                var ok = s.compara(valor(campo), campo.zubpalabra);
                campo.classList.toggle("zub-ocomal", !ok);
                ben = ben && ok;
            });
            s.xulgar(ben);
            if (ben) {
                comprobar.disabled = true;
                campos.forEach(function(campo) {
                    campo.disabled = true;
                    if (campo.readOnly !== undefined) campo.readOnly = true;
                });
                if (arr) arr.desactivar();
            }
        }, "zub-comprobar");
        c.appendChild(comprobar);
    }
});
function uniq(v) {
    return v.filter(function(x, i) { return v.indexOf(x) === i; });
}

// --- scheme ---------------------------------------------------------------------------------

// The scheme's entries ("|" between them) with their levels: the leading blanks of an entry, in
// steps of the smallest indentation the scheme uses (a tab arrives as four blanks). "[o]" marks an
// entry drawn with an open circle.
logica.esquema = function(texto) {
    var linhas = String(texto === undefined || texto === null ? "" : texto).split(/\||\n/);
    var items = [];
    linhas.forEach(function(l) {
        var d = ZUBP.dec(l).replace(/\t/g, "    ");
        if (!d.trim()) return;
        var sangria = /^[ \u00a0]*/.exec(d)[0].length;
        var corpo = d.trim();
        var circulo = corpo.indexOf("[o]") === 0;
        if (circulo) corpo = corpo.slice(3).trim();
        items.push({sangria : sangria, texto : corpo, circulo : circulo});
    });
    var paso = 0;
    items.forEach(function(x) {
        if (x.sangria > 0 && (paso === 0 || x.sangria < paso)) paso = x.sangria;
    });
    var anterior = -1;
    items.forEach(function(x) {
        var n = paso ? Math.round(x.sangria / paso) : 0;
        // No entry goes more than one level below the one before it.
        x.nivel = Math.max(0, Math.min(n, anterior + 1));
        anterior = x.nivel;
        delete x.sangria;
    });
    return items;
};

ZUBP.rexistrar("esquema", {
    actividade : false,
    construir : function(p, c, s) {
        var items = logica.esquema(p.texto);
        if (!items.length) return "esquema baleiro";
        var forma = s.enteiro(p.forma, 0, 0, 2);
        var raiz = s.el(forma === 2 ? "ol" : "ul", "zub-esquema zub-esquema" + forma);
        var pilas = [ raiz ];
        items.forEach(function(x) {
            while (pilas.length - 1 > x.nivel)
                pilas.pop();
            var pai = pilas[pilas.length - 1];
            var li = s.el("li", x.circulo ? "zub-circulo" : "", x.texto);
            pai.appendChild(li);
            var fillos = s.el(forma === 2 ? "ol" : "ul");
            li.appendChild(fillos);
            pilas.push(fillos);
        });
        // Empty sub-lists are only scaffolding.
        var baleiras = raiz.querySelectorAll("ul:empty, ol:empty");
        for (var i = 0; i < baleiras.length; i++)
            baleiras[i].parentNode.removeChild(baleiras[i]);
        c.appendChild(raiz);
    }
});
})(typeof window !== "undefined" ? window.ZUBP : this.ZUBP);
