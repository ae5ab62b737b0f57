// Quibel's HTML5 player. It reads the book's configuration and its page objects from the JSON
// script elements of the page, and the HTML panels from its template elements, and shows one page
// at a time with the book's frame, the menu and the navigation. A status for tests and for
// whoever embeds the book: data-zub-estado on the root element ("ok N" or "erro: ..."), and
// data-zub-imx ("loaded/total" for the pictures of the page shown).
(function() {
"use strict";

var raiz = document.documentElement;
function estado(texto) { raiz.setAttribute("data-zub-estado", texto); }
// The template installs the same handler before anything else loads; a template of the
// author's may not.
if (!window.onerror) {
    window.onerror = function(mensaxe) { estado("erro: " + mensaxe); };
}

// --- texts and addresses ------------------------------------------------------------------

// The book's plain texts keep apostrophes as "&#39;" and line breaks as "<br>".
function texto(v) {
    return String(v === undefined || v === null ? "" : v)
        .replace(/&#39;/g, "'")
        .replace(/<br\s*\/?>/gi, "\n");
}
// Addresses are used as the description writes them: relative to the page, or with a scheme;
// a script address from a book is never followed.
function enderezo(v) {
    var e = String(v || "").replace(/&#39;/g, "'");
    return /^\s*(javascript|vbscript|data):/i.test(e) ? "" : e;
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
function partes(item) { return String(item).split("||"); }
function lista(v) {
    if (v === undefined || v === null || v === "") return [];
    return Array.isArray(v) ? v : [ v ];
}

// --- elements -----------------------------------------------------------------------------

function el(etiqueta, clase, contido) {
    var e = document.createElement(etiqueta);
    if (clase) e.className = clase;
    if (contido !== undefined && contido !== null && contido !== "") {
        if (typeof contido === "string") {
            e.textContent = texto(contido);
            if (e.textContent.indexOf("\n") >= 0) e.style.whiteSpace = "pre-line";
        } else
            e.appendChild(contido);
    }
    return e;
}
function html(clase, v) {
    var e = el("div", clase);
    e.innerHTML = String(v || "");
    return e;
}
function imaxe(src, alt, clase) {
    var i = el("img", clase || "zub-imx");
    i.src = enderezo(src);
    i.alt = texto(alt || "");
    if (alt) i.title = texto(alt);
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
function ligazon(rotulo, destino) {
    var a = el("a", "zub-liga", rotulo || destino);
    a.href = "javascript:;";
    a.addEventListener("click", function() { ZUB.salto(destino); });
    return a;
}

// --- the description ----------------------------------------------------------------------

var conf = {};
var paxinas = []; // { p: properties, panel: template element or null }
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
    var paneis = {};
    var ts = document.querySelectorAll("template.zub-panel");
    for (var i = 0; i < ts.length; i++)
        paneis[ts[i].getAttribute("data-panel")] = ts[i];
    var ss = document.querySelectorAll("script.zub-paxina");
    for (var j = 0; j < ss.length; j++) {
        try {
            var o = JSON.parse(ss[j].textContent);
            var p = (o && o.properties) || {};
            paxinas.push({p : p, panel : paneis[ss[j].getAttribute("data-panel")] || null});
        } catch (e) {
            erros.push("páxina " + (j + 1) + ": " + e.message);
        }
    }
}

// --- state --------------------------------------------------------------------------------

var actual = -1;
var usuario = "";
var resoltas = {}; // page index -> true (right) / false (wrong)
var INFORMACION =
    {imaxetexto : 1, menu : 1, galeriaimx : 1, galeriasons : 1, texto : 1, plantilla : 1, esquema : 1};

function avisar(variable, valor) {
    if (typeof window.zub_sc === "function") {
        try {
            window.zub_sc(variable, valor);
        } catch (e) {
            /* the host's own failure is not the book's */
        }
    }
}
function actividades() {
    var n = 0;
    for (var i = 0; i < paxinas.length; i++)
        if (paxinas[i].p.type && !INFORMACION[paxinas[i].p.type]) n++;
    return n;
}
function ben() {
    var n = 0;
    for (var k in resoltas)
        if (resoltas[k] === true) n++;
    return n;
}
function mal() {
    var n = 0;
    for (var k in resoltas)
        if (resoltas[k] === false) n++;
    return n;
}
function resolver(correcta) {
    if (resoltas[actual] === undefined) resoltas[actual] = correcta;
    var p = paxinas[actual].p;
    mensaxe(correcta ? p.mensaben || conf.ben || "" : p.mensamal || conf.mal || "", correcta);
    if (correcta)
        avisar("avben", ben());
    else
        avisar("avmal", mal());
    var s = correcta ? conf.sonben : conf.sonmal;
    if (s) {
        try {
            new Audio(enderezo(s)).play().catch(function() {});
        } catch (e) {
            /* a sound that cannot play is no failure */
        }
    }
}
function mensaxe(t, correcta) {
    var m = document.getElementById("zub-mensaxe");
    if (!m) return;
    m.textContent = texto(t);
    m.className = t ? (correcta ? "zub-ben" : "zub-mal") : "";
    if (cor(conf.cormensaxes)) m.style.color = cor(conf.cormensaxes);
}

// --- page types ---------------------------------------------------------------------------

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
function ocos(palabra) { return texto(palabra).replace(/\S/g, "_ ").trim(); }
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
        var feed = lista(p.feed);
        var u = el("ol", "zub-respostas");
        lista(p.respuestas).forEach(function(r, i) {
            var b = el("button", "zub-resposta", r);
            b.type = "button";
            b.addEventListener("click", function() {
                var correcta = String(p.corr || "").charAt(i) !== "0";
                if (feed[i]) mensaxe(feed[i], correcta);
                resolver(correcta);
            });
            u.appendChild(el("li", "", b));
        });
        c.appendChild(u);
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
            li.appendChild(entrada(resp[i] ? texto(resp[i]).length : 8));
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
        var x = texto(p.externa).trim();
        if (/^https?:\/\//i.test(x)) {
            var f = el("iframe", "zub-externa");
            f.src = x;
            if (parseInt(p.dimx, 10)) f.width = parseInt(p.dimx, 10);
            if (parseInt(p.dimy, 10)) f.height = parseInt(p.dimy, 10);
            if (p.altimaxe) f.title = texto(p.altimaxe);
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
        c.appendChild(el("p", "zub-reloxo zub-grande", p.hora || p.reloxo || ""));
    },
    operacion : function(p, c) {
        var n = lista(p.numeros).map(texto);
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
    ordenar : function(p, c) { c.appendChild(fichas(texto(p.texto).split(/\s+/).filter(Boolean).sort())); },
    ordenarimx : function(p, c) { c.appendChild(fichas(p.imaxes)); },
    cuadros : function(p, c) { c.appendChild(fichas(p.cadros)); },
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
        var n = lista(p.numeros).map(texto);
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
        if (p.texto) c.appendChild(el("p", "zub-ocos", ocos(texto(p.texto).replace(/<[^>]*>/g, ""))));
        c.appendChild(el("textarea", "zub-dictado"));
    },
    relacionar : function(p, c) {
        c.appendChild(tarxetas(p.palabras));
        if (p.etiquetas) c.appendChild(fichas(p.etiquetas));
    },
    formulas : function(p, c) {
        var t = el("table", "zub-formulas");
        lista(p.etiquetas).forEach(function(item) {
            var q = partes(item);
            if (!q.join("")) return;
            var tr = el("tr");
            q.forEach(function(v) { tr.appendChild(el("td", "", v)); });
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
// Types whose panel already holds the page picture.
var COPANEL = {imaxetexto : 1, plantilla : 1};

// --- showing a page -----------------------------------------------------------------------

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
        imxs[i].addEventListener("load", conta);
        imxs[i].addEventListener("error", conta);
    }
    conta();
}

function amosar(i) {
    if (!paxinas.length) {
        contarimaxes();
        return;
    }
    i = Math.max(0, Math.min(paxinas.length - 1, i));
    actual = i;
    var x = paxinas[i];
    var p = x.p;
    var c = document.getElementById("zub-paxina");
    c.innerHTML = "";
    c.className = "zub-tipo-" + (p.type || "ningun");
    if (p.txcabe) c.appendChild(el("div", "zub-cabe", p.txcabe));
    var corpo = el("div", "zub-corpo");
    c.appendChild(corpo);
    if (p.imaxe && !COPANEL[p.type]) {
        // The page picture may be a video where the editor takes one.
        var im = evideo(p.imaxe) ? video(p.imaxe) : imaxe(p.imaxe, p.altim, "zub-imaxe");
        corpo.appendChild(im);
    }
    if (x.panel) {
        var panel = el("div", "zub-panel");
        panel.appendChild(document.importNode(x.panel.content, true));
        corpo.appendChild(panel);
        // The menu page: each button opens its own box.
        var botons = panel.querySelectorAll(".clmenu-bottab");
        for (var b = 0; b < botons.length; b++) {
            botons[b].addEventListener("click", function(ev) {
                var li = ev.currentTarget.parentNode;
                var abertos = panel.querySelectorAll(".clmenu-aberto");
                for (var k = 0; k < abertos.length; k++)
                    if (abertos[k] !== li) abertos[k].classList.remove("clmenu-aberto");
                li.classList.toggle("clmenu-aberto");
            });
        }
        if (botons.length) botons[0].parentNode.classList.add("clmenu-aberto");
        if (cor(p.cfondo)) panel.style.backgroundColor = cor(p.cfondo);
        if (cor(p.ctexto)) panel.style.color = cor(p.ctexto);
    }
    // A page that cannot be drawn whole still gets its navigation; the status tells why.
    var tipo = TIPOS[p.type];
    try {
        if (tipo) tipo(p, corpo);
    } catch (e) {
        erros.push("páxina " + (p.id || i + 1) + ": " + e.message);
        estado("erro: " + erros.join("; "));
    }
    if (p.pxliga) {
        var q = partes(p.pxliga);
        corpo.appendChild(el("p", "zub-pxliga", ligazon(q[0], q[1])));
    }
    if (p.ison) corpo.appendChild(son(p.ison, p.autoson === "1"));
    if (p.txpe) c.appendChild(el("div", "zub-pe", p.txpe));
    var m = el("div");
    m.id = "zub-mensaxe";
    c.appendChild(m);
    navegacion();
    contarimaxes();
    avisar("paxina", i + 1);
    window.scrollTo(0, 0);
}

function navegacion() {
    var n = document.getElementById("zub-navega");
    if (!n) return;
    n.innerHTML = "";
    var p = paxinas[actual].p;
    var atras = el("button", "zub-atras", "◀");
    atras.type = "button";
    atras.disabled = actual <= 0 || p.ipasar === "1";
    atras.addEventListener("click", function() { amosar(actual - 1); });
    var diante = el("button", "zub-diante", "▶");
    diante.type = "button";
    diante.disabled = actual >= paxinas.length - 1 || p.dpasar === "1";
    diante.addEventListener("click", function() { amosar(actual + 1); });
    n.appendChild(atras);
    n.appendChild(el("span", "zub-contador", actual + 1 + " / " + paxinas.length));
    n.appendChild(diante);
    if (actual === paxinas.length - 1 && conf.final) {
        var f = ligazon("⏹", conf.final);
        f.className = "zub-final";
        n.appendChild(f);
    }
    if (conf.axuda) {
        var a = el("a", "zub-axuda", "?");
        a.href = enderezo(conf.axuda);
        a.target = "_blank";
        n.appendChild(a);
    }
}

// --- the book's frame ---------------------------------------------------------------------

function marco() {
    var libro = document.getElementById("zub-libro");
    if (!libro) return;
    if (cor(conf.corfondo)) document.body.style.backgroundColor = cor(conf.corfondo);
    if (cor(conf.cortexto)) libro.style.color = cor(conf.cortexto);
    var banda = document.getElementById("zub-banda");
    if (banda) {
        if (cor(conf.corbanda)) banda.style.backgroundColor = cor(conf.corbanda);
        if (conf.imbarra)
            banda.style.backgroundImage = "url(\"" + enderezo(conf.imbarra).replace(/"/g, "%22") + "\")";
        if (conf.logo) {
            var logo = imaxe(conf.logo, "", "zub-logo");
            if (conf.lnklogo) {
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
        fondo.style.backgroundPosition =
            (parseInt(f.posx, 10) || 0) + "px " + (parseInt(f.posy, 10) || 0) + "px";
        var t = parseInt(f.trans, 10);
        if (!isNaN(t)) fondo.style.opacity = Math.max(0, Math.min(100, t)) / 100;
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

// --- what the book offers to its links and hosts ------------------------------------------

var ZUB = {
    // A menu or page link: a page number (the page's id), else an address.
    salto : function(destino) {
        var d = texto(destino).trim();
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
        if (enderezo(d)) window.open(enderezo(d), "_blank");
    },
    zub_dat : function(orde, valor) {
        if (orde === "get total_activ") return actividades();
        if (orde === "get total_ben") return ben();
        if (orde === "nome_usuario") {
            if (valor !== undefined) usuario = String(valor);
            return usuario;
        }
        return undefined;
    },
    paxina : function() { return actual + 1; }
};
window.ZUB = ZUB;

function comezo() {
    // The page to start at: npax is a page number; pages without a type have no object.
    if (conf.npax === undefined) return 0;
    var n = parseInt(conf.npax, 10);
    if (!n) return 0;
    for (var i = 0; i < paxinas.length; i++)
        if (String(paxinas[i].p.id) === String(n)) return i;
    for (var j = 0; j < paxinas.length; j++)
        if (parseInt(paxinas[j].p.id, 10) > n) return j;
    return Math.max(0, paxinas.length - 1);
}

function iniciar() {
    ler();
    // The template's title is the book's own text; the description's has the player's transforms.
    if (!document.title && conf.titulo) document.title = texto(conf.titulo);
    marco();
    amosar(comezo());
    avisar("totalp", paxinas.length);
    if (erros.length)
        estado("erro: " + erros.join("; "));
    else if (!/^erro/.test(raiz.getAttribute("data-zub-estado") || ""))
        estado("ok " + paxinas.length);
}

if (document.readyState === "loading")
    document.addEventListener("DOMContentLoaded", iniciar);
else
    iniciar();
})();
