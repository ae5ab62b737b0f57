// Quibel's HTML5 player: questions and word games (multiple choice, word search, sentences,
// questions, fill in, secret word, spelling, dictation).
// Each module registers with ZUBP.rexistrar(type, {cando, actividade, construir}); see zub.js.
(function(ZUBP) {
"use strict";
if (!ZUBP) return;

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
ZUBP.logica = ZUBP.logica || {};
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
            if (!marcadas.length) return;
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
})(typeof window !== "undefined" ? window.ZUBP : this.ZUBP);
