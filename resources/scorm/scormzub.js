/* SCORM 1.2 run-time link of a published Zub book.
 * The page loads this script in its head, before the player defines ZUB; it connects to the
 * learning management system once the window has loaded. The player reports through zub_sc:
 *   zub_sc("totalp", pages)  once, at the start
 *   zub_sc("paxina", n)      page n is shown
 *   zub_sc("avben", n)       page n answered right
 *   zub_sc("avmal", n)       page n answered wrong
 * and answers ZUB.zub_dat("get", "total_activ") and ZUB.zub_dat("get", "total_ben").
 * Each page is one interaction "Pagina" + n (neutral, correct or wrong; its tries in
 * student_response, SCORM 1.2 having no element for them). When the page is left the session
 * time, the lesson status and the score are reported and the session is finished. */
(function () {
    "use strict";

    var api = null;
    var iniciado = false;
    var rematado = false;
    var inicio = new Date().getTime();
    var maximo = 100;
    var totalp = 0;
    var ultimavista = false;
    var orde = [];    // pages in the order they were first reported
    var paxinas = {}; // page -> { indice, resultado, intentos }

    // The API object in this window or one of its parents, at most 500 levels up.
    function buscar(w) {
        var voltas = 0;
        try {
            while (w && !w.API && w.parent && w.parent !== w && voltas < 500) {
                voltas++;
                w = w.parent;
            }
            return w && w.API ? w.API : null;
        } catch (e) {
            return null; // a window of another origin
        }
    }

    function atoparAPI() {
        var a = buscar(window);
        if (!a && window.top) a = buscar(window.top);
        if (!a && window.opener) a = buscar(window.opener);
        return a;
    }

    function poner(elemento, valor) {
        if (api) api.LMSSetValue(elemento, String(valor));
    }

    function ler(elemento) {
        return api ? String(api.LMSGetValue(elemento)) : "";
    }

    // The player's object, declared with var, let or const.
    function zub() {
        var z = null;
        try {
            z = typeof ZUB !== "undefined" ? ZUB : null;
        } catch (e) {
            z = null; // declared but not yet set
        }
        return z && typeof z.zub_dat === "function" ? z : null;
    }

    function numero(valor) {
        var n = parseFloat(valor);
        return isFinite(n) ? n : 0;
    }

    function dous(n) {
        return (n < 10 ? "0" : "") + n;
    }

    // Elapsed time as HHHH:MM:SS.
    function tempo(ms) {
        var s = Math.floor(ms / 1000);
        var h = String(Math.floor(s / 3600));
        while (h.length < 4) h = "0" + h;
        return h + ":" + dous(Math.floor(s / 60) % 60) + ":" + dous(s % 60);
    }

    function paxina(n) {
        var clave = String(n);
        if (!paxinas.hasOwnProperty(clave)) {
            paxinas[clave] = { indice: orde.length, resultado: "neutral", intentos: 0 };
            orde.push(clave);
        }
        return paxinas[clave];
    }

    function anotar(clave) {
        if (!iniciado || rematado) return;
        var p = paxinas[clave];
        var base = "cmi.interactions." + p.indice + ".";
        poner(base + "id", "Pagina" + clave);
        poner(base + "type", "performance");
        poner(base + "result", p.resultado);
        poner(base + "student_response", p.intentos);
    }

    window.zub_sc = function (variable, valor) {
        if (variable === "totalp") {
            totalp = numero(valor);
            return;
        }
        if (variable !== "paxina" && variable !== "avben" && variable !== "avmal") return;
        var p = paxina(valor);
        if (variable === "paxina") {
            if (totalp > 0 && numero(valor) >= totalp) ultimavista = true;
        } else {
            p.resultado = variable === "avben" ? "correct" : "wrong";
            p.intentos++;
        }
        anotar(String(valor));
    };

    function iniciar() {
        api = atoparAPI();
        if (!api) return;
        if (String(api.LMSInitialize("")) !== "true") {
            api = null;
            return;
        }
        iniciado = true;
        if (ler("cmi.core.lesson_status") === "not attempted") poner("cmi.core.lesson_status", "incomplete");
        var m = parseFloat(ler("cmi.core.score.max"));
        maximo = isFinite(m) && m > 0 ? m : 100;
        var z = zub();
        if (z) z.zub_dat("nome_usuario", ler("cmi.core.student_name"));
        for (var i = 0; i < orde.length; i++) anotar(orde[i]);
    }

    function rematar() {
        if (!iniciado || rematado) return;
        var z = zub();
        var total = z ? numero(z.zub_dat("get", "total_activ")) : 0;
        var ben = z ? numero(z.zub_dat("get", "total_ben")) : 0;
        // A book without activities scores 0, not NaN.
        var nota = total > 0 ? Math.round((ben / total) * maximo) : 0;
        poner("cmi.core.session_time", tempo(new Date().getTime() - inicio));
        poner("cmi.core.lesson_status", ultimavista ? "completed" : "incomplete");
        poner("cmi.core.score.raw", Math.max(0, Math.min(nota, maximo)));
        api.LMSCommit("");
        api.LMSFinish("");
        rematado = true;
    }

    window.addEventListener("load", iniciar);
    window.addEventListener("pagehide", rematar);
})();
