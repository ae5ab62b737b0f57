// Quibel's HTML5 player: numbers, operations and grids (clock, operations, picture board,
// measures, coloured squares, fractions, formulae).
// Each module registers with ZUBP.rexistrar(type, {cando, actividade, construir}); see zub.js.
// The pure logic is on ZUBP.logica.numeros, for the table tests.
(function(ZUBP) {
"use strict";
if (!ZUBP) return;

ZUBP.textos({
    ESP : {n_hora : "Hora", n_reloxo : "Reloj", n_manh : "Aguja de las horas", n_manm : "Aguja de los minutos",
           n_poahora : "Pon el reloj en hora: {0}", n_quehora : "¿Qué hora es?", n_cifra : "Cifra {0}",
           n_resultado : "Resultado", n_cociente : "Cociente", n_resto : "Resto", n_borrar : "Borrar",
           n_teclado : "Teclado", n_cifras : "Cifras", n_numerador : "Numerador", n_denominador : "Denominador",
           n_simplifica : "Simplifica la fracción", n_equivalente : "Escribe una fracción equivalente",
           n_medida : "Medida", n_unidades : "Unidades", n_quitar : "Quitar: {0}", n_modelo : "Modelo",
           n_resposta : "Tu respuesta", n_cores : "Colores", n_cela : "Fila {0}, columna {1}: {2}",
           n_baleira : "vacía", n_cor : "rojo|verde lima|azul|naranja|amarillo|lila|blanco|negro",
           n_cadros0 : "Copia el dibujo", n_cadros1 : "Dibújalo invertido, de arriba abajo",
           n_cadros2 : "Dibuja su simétrico (izquierda ↔ derecha)",
           n_cadros3 : "Dibújalo desplazado una columna a la derecha",
           n_oculta : "Casilla {0} de la línea {1}", n_formula : "Fórmula", n_panel : "Panel"},
    GAL : {n_hora : "Hora", n_reloxo : "Reloxo", n_manh : "Agulla das horas", n_manm : "Agulla dos minutos",
           n_poahora : "Pon o reloxo nesta hora: {0}", n_quehora : "Que hora é?", n_cifra : "Cifra {0}",
           n_resultado : "Resultado", n_cociente : "Cociente", n_resto : "Resto", n_borrar : "Borrar",
           n_teclado : "Teclado", n_cifras : "Cifras", n_numerador : "Numerador", n_denominador : "Denominador",
           n_simplifica : "Simplifica a fracción", n_equivalente : "Escribe unha fracción equivalente",
           n_medida : "Medida", n_unidades : "Unidades", n_quitar : "Quitar: {0}", n_modelo : "Modelo",
           n_resposta : "A túa resposta", n_cores : "Cores", n_cela : "Fila {0}, columna {1}: {2}",
           n_baleira : "baleira", n_cor : "vermello|verde lima|azul|laranxa|amarelo|lila|branco|negro",
           n_cadros0 : "Copia o debuxo", n_cadros1 : "Debúxao invertido, de arriba abaixo",
           n_cadros2 : "Debuxa o seu simétrico (esquerda ↔ dereita)",
           n_cadros3 : "Debúxao desprazado unha columna á dereita",
           n_oculta : "Casa {0} da liña {1}", n_formula : "Fórmula", n_panel : "Panel"},
    CAT : {n_hora : "Hora", n_reloxo : "Rellotge", n_manh : "Agulla de les hores", n_manm : "Agulla dels minuts",
           n_poahora : "Posa el rellotge a l'hora: {0}", n_quehora : "Quina hora és?", n_cifra : "Xifra {0}",
           n_resultado : "Resultat", n_cociente : "Quocient", n_resto : "Residu", n_borrar : "Esborra",
           n_teclado : "Teclat", n_cifras : "Xifres", n_numerador : "Numerador", n_denominador : "Denominador",
           n_simplifica : "Simplifica la fracció", n_equivalente : "Escriu una fracció equivalent",
           n_medida : "Mesura", n_unidades : "Unitats", n_quitar : "Treu: {0}", n_modelo : "Model",
           n_resposta : "La teva resposta", n_cores : "Colors", n_cela : "Fila {0}, columna {1}: {2}",
           n_baleira : "buida", n_cor : "vermell|verd llima|blau|taronja|groc|lila|blanc|negre",
           n_cadros0 : "Copia el dibuix", n_cadros1 : "Dibuixa'l invertit, de dalt a baix",
           n_cadros2 : "Dibuixa'n el simètric (esquerra ↔ dreta)",
           n_cadros3 : "Dibuixa'l desplaçat una columna a la dreta",
           n_oculta : "Casella {0} de la línia {1}", n_formula : "Fórmula", n_panel : "Tauler"},
    EUS : {n_hora : "Ordua", n_reloxo : "Erlojua", n_manh : "Orduen orratza", n_manm : "Minutuen orratza",
           n_poahora : "Jarri erlojua ordu honetan: {0}", n_quehora : "Zer ordu da?", n_cifra : "{0}. zifra",
           n_resultado : "Emaitza", n_cociente : "Zatidura", n_resto : "Hondarra", n_borrar : "Ezabatu",
           n_teclado : "Teklatua", n_cifras : "Zifrak", n_numerador : "Zenbakitzailea",
           n_denominador : "Izendatzailea", n_simplifica : "Sinplifikatu zatikia",
           n_equivalente : "Idatzi zatiki baliokide bat", n_medida : "Neurria", n_unidades : "Unitateak",
           n_quitar : "Kendu: {0}", n_modelo : "Eredua", n_resposta : "Zure erantzuna", n_cores : "Koloreak",
           n_cela : "{0}. errenkada, {1}. zutabea: {2}", n_baleira : "hutsik",
           n_cor : "gorria|lima berdea|urdina|laranja|horia|lila|zuria|beltza",
           n_cadros0 : "Kopiatu marrazkia", n_cadros1 : "Marraztu alderantzikatuta, goitik behera",
           n_cadros2 : "Marraztu simetrikoa (ezkerra ↔ eskuina)",
           n_cadros3 : "Marraztu zutabe bat eskuinera mugituta",
           n_oculta : "{1}. lerroko {0}. laukia", n_formula : "Formula", n_panel : "Panela"},
    POR : {n_hora : "Hora", n_reloxo : "Relógio", n_manh : "Ponteiro das horas", n_manm : "Ponteiro dos minutos",
           n_poahora : "Acerta o relógio para: {0}", n_quehora : "Que horas são?", n_cifra : "Algarismo {0}",
           n_resultado : "Resultado", n_cociente : "Quociente", n_resto : "Resto", n_borrar : "Apagar",
           n_teclado : "Teclado", n_cifras : "Algarismos", n_numerador : "Numerador",
           n_denominador : "Denominador", n_simplifica : "Simplifica a fração",
           n_equivalente : "Escreve uma fração equivalente", n_medida : "Medida", n_unidades : "Unidades",
           n_quitar : "Retirar: {0}", n_modelo : "Modelo", n_resposta : "A tua resposta", n_cores : "Cores",
           n_cela : "Linha {0}, coluna {1}: {2}", n_baleira : "vazia",
           n_cor : "vermelho|verde-lima|azul|laranja|amarelo|lilás|branco|preto",
           n_cadros0 : "Copia o desenho", n_cadros1 : "Desenha-o invertido, de cima para baixo",
           n_cadros2 : "Desenha o simétrico (esquerda ↔ direita)",
           n_cadros3 : "Desenha-o deslocado uma coluna para a direita",
           n_oculta : "Casa {0} da linha {1}", n_formula : "Fórmula", n_panel : "Painel"},
    ENG : {n_hora : "Time", n_reloxo : "Clock", n_manh : "Hour hand", n_manm : "Minute hand",
           n_poahora : "Set the clock to {0}", n_quehora : "What time is it?", n_cifra : "Digit {0}",
           n_resultado : "Result", n_cociente : "Quotient", n_resto : "Remainder", n_borrar : "Delete",
           n_teclado : "Keypad", n_cifras : "Digits", n_numerador : "Numerator", n_denominador : "Denominator",
           n_simplifica : "Reduce the fraction", n_equivalente : "Write an equivalent fraction",
           n_medida : "Measure", n_unidades : "Units", n_quitar : "Remove: {0}", n_modelo : "Model",
           n_resposta : "Your answer", n_cores : "Colours", n_cela : "Row {0}, column {1}: {2}",
           n_baleira : "empty", n_cor : "red|lime|blue|orange|yellow|lilac|white|black",
           n_cadros0 : "Copy the drawing", n_cadros1 : "Draw it upside down",
           n_cadros2 : "Draw its mirror image (left ↔ right)", n_cadros3 : "Draw it moved one column to the right",
           n_oculta : "Box {0} of line {1}", n_formula : "Formula", n_panel : "Board"},
    AST : {n_hora : "Hora", n_reloxo : "Reló", n_manh : "Aguya de les hores", n_manm : "Aguya de los minutos",
           n_poahora : "Pon el reló a la hora: {0}", n_quehora : "¿Qué hora ye?", n_cifra : "Cifra {0}",
           n_resultado : "Resultáu", n_cociente : "Cociente", n_resto : "Restu", n_borrar : "Borrar",
           n_teclado : "Tecláu", n_cifras : "Cifres", n_numerador : "Numberador", n_denominador : "Denominador",
           n_simplifica : "Simplifica la fraición", n_equivalente : "Escribi una fraición equivalente",
           n_medida : "Midida", n_unidades : "Unidaes", n_quitar : "Quitar: {0}", n_modelo : "Modelu",
           n_resposta : "La to rempuesta", n_cores : "Colores", n_cela : "Filera {0}, columna {1}: {2}",
           n_baleira : "balera", n_cor : "colloráu|verde llima|azul|naranxa|mariellu|lila|blancu|negru",
           n_cadros0 : "Copia'l dibuxu", n_cadros1 : "Dibúxalu al revés, d'arriba abaxo",
           n_cadros2 : "Dibuxa'l so simétricu (izquierda ↔ derecha)",
           n_cadros3 : "Dibúxalu movíu una columna a la derecha",
           n_oculta : "Caxella {0} de la llinia {1}", n_formula : "Fórmula", n_panel : "Panel"},
    VAL : {n_hora : "Hora", n_reloxo : "Rellotge", n_manh : "Agulla de les hores", n_manm : "Agulla dels minuts",
           n_poahora : "Posa el rellotge a l'hora: {0}", n_quehora : "Quina hora és?", n_cifra : "Xifra {0}",
           n_resultado : "Resultat", n_cociente : "Quocient", n_resto : "Residu", n_borrar : "Esborra",
           n_teclado : "Teclat", n_cifras : "Xifres", n_numerador : "Numerador", n_denominador : "Denominador",
           n_simplifica : "Simplifica la fracció", n_equivalente : "Escriu una fracció equivalent",
           n_medida : "Mesura", n_unidades : "Unitats", n_quitar : "Lleva: {0}", n_modelo : "Model",
           n_resposta : "La teua resposta", n_cores : "Colors", n_cela : "Fila {0}, columna {1}: {2}",
           n_baleira : "buida", n_cor : "roig|verd llima|blau|taronja|groc|lila|blanc|negre",
           n_cadros0 : "Copia el dibuix", n_cadros1 : "Dibuixa'l invertit, de dalt a baix",
           n_cadros2 : "Dibuixa'n el simètric (esquerra ↔ dreta)",
           n_cadros3 : "Dibuixa'l desplaçat una columna a la dreta",
           n_oculta : "Casella {0} de la línia {1}", n_formula : "Fórmula", n_panel : "Tauler"}
});

// --- exact numbers --------------------------------------------------------------------------

// Numbers are kept exact: a decimal is a whole BigInt v with e digits after the mark
// ({v: 1234n, e: 2} is 12.34). Nothing here goes through floating point.
var B = typeof BigInt === "function" ? BigInt : null;
function pot10(n) {
    var r = B(1), dez = B(10);
    for (var i = 0; i < n; i++)
        r *= dez;
    return r;
}
// A number as a learner or an author types it: optional sign, digits, "," or "." as the decimal
// mark, blanks anywhere ignored. Anything else is no number (null).
function numero(texto) {
    if (!B) return null;
    var s = ZUBP.dec(texto).replace(/[\s\u00a0]+/g, "").replace(/^\u2212/, "-");
    if (s.length > 60) return null;
    var m = /^([+-]?)(\d*)(?:[.,](\d*))?$/.exec(s);
    if (!m || (m[2] === "" && (m[3] || "") === "")) return null;
    var fraccion = m[3] || "";
    var v = B((m[2] || "0") + fraccion);
    return {v : m[1] === "-" ? -v : v, e : fraccion.length};
}
// The number a measure begins with: "5 cm" is 5, "2,5 m" is 2.5.
function numeroinicial(texto) {
    var m = /^\s*([+-]?\d+(?:[.,]\d+)?)/.exec(ZUBP.dec(texto));
    return m ? numero(m[1]) : null;
}
function escalar(a, e) { return a.v * pot10(e - a.e); }
function igual(a, b) {
    if (!a || !b) return false;
    var e = Math.max(a.e, b.e);
    return escalar(a, e) === escalar(b, e);
}
function sumar(a, b) {
    var e = Math.max(a.e, b.e);
    return {v : escalar(a, e) + escalar(b, e), e : e};
}
function restar(a, b) { return sumar(a, {v : -b.v, e : b.e}); }
function multiplicar(a, b) { return {v : a.v * b.v, e : a.e + b.e}; }
// A whole number (12.00 is one) as a BigInt, else null.
function enteironum(a) {
    if (!a) return null;
    var p = pot10(a.e);
    return a.v % p === B(0) ? a.v / p : null;
}
// Written with the decimal comma of the book's languages.
function textonumero(a) {
    var neg = a.v < B(0);
    var d = String(neg ? -a.v : a.v);
    if (a.e > 0) {
        while (d.length <= a.e)
            d = "0" + d;
        d = d.slice(0, d.length - a.e) + "," + d.slice(d.length - a.e);
    }
    return (neg ? "-" : "") + d;
}

// --- written operations ---------------------------------------------------------------------

function signo(forma) {
    var f = String(forma === undefined || forma === null ? "" : forma).trim();
    if (f === "X" || f === "*" || f === "×" || f === "·") return "x";
    if (f === ":" || f === "÷") return "/";
    if (f === "D") return "d";
    return /^[+\-x\/d]$/.test(f) ? f : "";
}
// One operation from its sign and operand texts: {forma, operandos (texts), resultados:
// [{clave, n}]} with clave "resultado", or "cociente" and "resto"; or {erro} when it cannot be
// set as a task (no sign, a text that is no number, a division that is not of whole numbers, by 0).
function operacion(forma, numeros) {
    var f = signo(forma);
    if (!f) return {erro : "sen operación"};
    if (!B) return {erro : "sen BigInt"};
    var textos = ZUBP.lista(numeros).map(function(v) { return ZUBP.dec(v).trim(); }).filter(Boolean);
    // Only addition takes more than two operands; the others may carry stale addends.
    textos = textos.slice(0, f === "+" ? 4 : 2);
    if (textos.length < 2) return {erro : "faltan operandos"};
    var ns = [];
    for (var i = 0; i < textos.length; i++) {
        var n = numero(textos[i]);
        if (!n) return {erro : "operando non numérico: " + textos[i].slice(0, 20)};
        ns.push(n);
    }
    var r = {forma : f, operandos : textos, resultados : []};
    if (f === "+") {
        var s = ns[0];
        for (var k = 1; k < ns.length; k++)
            s = sumar(s, ns[k]);
        r.resultados.push({clave : "resultado", n : s});
    } else if (f === "-")
        r.resultados.push({clave : "resultado", n : restar(ns[0], ns[1])});
    else if (f === "x")
        r.resultados.push({clave : "resultado", n : multiplicar(ns[0], ns[1])});
    else {
        var a = enteironum(ns[0]), b = enteironum(ns[1]);
        if (a === null || b === null || a < B(0) || b < B(0)) return {erro : "división sen enteiros"};
        if (b === B(0)) return {erro : "división por cero"};
        r.resultados.push({clave : "cociente", n : {v : a / b, e : 0}});
        r.resultados.push({clave : "resto", n : {v : a % b, e : 0}});
    }
    return r;
}
// The learner's texts, one per result, against the results: each must be the same number
// ("007" is 7, "2,50" is 2.5). An empty remainder counts as 0.
function comprobaroperacion(op, respostas) {
    if (!op || op.erro) return false;
    return op.resultados.every(function(r, i) {
        var t = String(respostas[i] === undefined ? "" : respostas[i]).trim();
        if (t === "" && r.clave === "resto") t = "0";
        return igual(numero(t), r.n);
    });
}

// --- random operations ----------------------------------------------------------------------

// What each code of a random operation asks: the sign, the layout and the constraint on the draw.
var ALEA = {
    "0" : {forma : "+", leva : true},  "4" : {forma : "+", leva : false}, "1" : {forma : "-", leva : true},
    "5" : {forma : "-", leva : false}, "2" : {forma : "x"},               "6" : {forma : "x"},
    "3" : {forma : "/"},               "7" : {forma : "/", exacta : true}, "8" : {forma : "d"},
    "9" : {forma : "d", exacta : true}
};
function cifrasde(v) { return ZUBP.enteiro(v, 1, 1, 9); }
// A number of exactly n digits, as an array of digits (most significant first).
function cifrasalea(azar, n, minprimeira) {
    var c = [ azar.enteiro(minprimeira === undefined ? 1 : minprimeira, 9) ];
    for (var i = 1; i < n; i++)
        c.push(azar.enteiro(0, 9));
    return c;
}
function valorde(c) { return parseInt(c.join(""), 10); }
// Whether adding (or subtracting) b from a carries in some column.
function levasuma(a, b) {
    var x = String(a), y = String(b), leva = 0;
    for (var i = 1; i <= Math.max(x.length, y.length); i++) {
        var s = (+x.charAt(x.length - i) || 0) + (+y.charAt(y.length - i) || 0) + leva;
        leva = s > 9 ? 1 : 0;
        if (leva) return true;
    }
    return false;
}
function levaresta(a, b) {
    var x = String(a), y = String(b), leva = 0;
    for (var i = 1; i <= x.length; i++) {
        var d = (+x.charAt(x.length - i) || 0) - (+y.charAt(y.length - i) || 0) - leva;
        leva = d < 0 ? 1 : 0;
        if (leva) return true;
    }
    return false;
}
// A random operation of the code forma with operands of the given digits (numeros: the two
// digit counts). Subtractions never go below zero; a division's divisor is 2 or more where the
// digits allow, and never larger in digits than the dividend. Returns operacion()'s result, with
// codigo.
function operacionalea(forma, numeros, azar) {
    var k = ALEA[String(forma === undefined || forma === null ? "" : forma).trim()];
    if (!k) return {erro : "operación descoñecida"};
    var ds = ZUBP.lista(numeros).filter(function(v) { return String(v).trim() !== ""; });
    var da = cifrasde(ds[0]), db = cifrasde(ds.length > 1 ? ds[1] : ds[0]);
    var a, b, i, x;
    if (k.forma !== "x" && k.forma !== "+" && db > da) {
        x = da;
        da = db;
        db = x;
    }
    if (k.forma === "+" && k.leva) {
        for (i = 0; i < 200; i++) {
            a = valorde(cifrasalea(azar, da));
            b = valorde(cifrasalea(azar, db));
            if (levasuma(a, b)) break;
        }
        if (!levasuma(a, b)) a = a - (a % 10) + 9;
    } else if (k.forma === "+") {
        // Column by column, each sum at most 9.
        var ca = cifrasalea(azar, da), cb = cifrasalea(azar, db);
        for (i = 1; i <= Math.min(da, db); i++) {
            var pa = da - i, pb = db - i;
            var mina = pa === 0 ? 1 : 0, minb = pb === 0 ? 1 : 0;
            ca[pa] = azar.enteiro(mina, 9 - minb);
            cb[pb] = azar.enteiro(minb, 9 - ca[pa]);
        }
        a = valorde(ca);
        b = valorde(cb);
    } else if (k.forma === "-" && !k.leva) {
        var ra = cifrasalea(azar, da), rb = cifrasalea(azar, db);
        for (i = 1; i <= db; i++) {
            var qa = da - i, qb = db - i;
            rb[qb] = azar.enteiro(qb === 0 ? 1 : 0, 9);
            ra[qa] = azar.enteiro(Math.max(rb[qb], qa === 0 ? 1 : 0), 9);
        }
        a = valorde(ra);
        b = valorde(rb);
    } else if (k.forma === "-") {
        // With one digit each a subtraction that stays at or above zero cannot borrow.
        var posible = da > 1;
        for (i = 0; i < 200; i++) {
            a = valorde(cifrasalea(azar, da));
            b = valorde(cifrasalea(azar, db));
            if (b > a) {
                x = a;
                a = b;
                b = x;
            }
            if (String(a).length === da && (!posible || levaresta(a, b))) break;
        }
        if (posible && !(levaresta(a, b) && a >= b && String(a).length === da)) {
            a = da > db ? Math.pow(10, da - 1) : 2 * Math.pow(10, da - 1);
            b = da > db ? valorde(Array(db + 1).join("1").split("")) : Math.pow(10, db - 1) + 1;
        }
    } else if (k.forma === "x") {
        a = valorde(cifrasalea(azar, da));
        b = valorde(cifrasalea(azar, db));
    } else {
        var minb2 = db === 1 ? 2 : 1;
        b = valorde(cifrasalea(azar, db, minb2));
        if (k.exacta) {
            // a = b * q with da digits.
            var lo = Math.ceil(Math.pow(10, da - 1) / b), hi = Math.floor((Math.pow(10, da) - 1) / b);
            a = b * azar.enteiro(lo, hi);
        } else {
            // The dividend at least the divisor: with equal digits, a first digit no smaller.
            var ca2 = cifrasalea(azar, da);
            if (da === db) ca2[0] = azar.enteiro(parseInt(String(b).charAt(0), 10), 9);
            a = valorde(ca2);
            if (a < b) a = b;
        }
    }
    var r = operacion(k.forma, [ String(a), String(b) ]);
    r.codigo = String(forma).trim();
    return r;
}

// --- the clock ------------------------------------------------------------------------------

// A time as minutes on a twelve-hour face (0..719), from "h:mm", "h.mm", "h" or "hh:mm";
// "13:15" is "1:15" and "12:00" is "0:00". null where it is no time.
function lerhora(texto) {
    var m = /^(\d{1,2})(?:\s*[:.,h']\s*(\d{1,2}))?$/i.exec(ZUBP.dec(texto).trim());
    if (!m) return null;
    var h = parseInt(m[1], 10), mi = m[2] === undefined ? 0 : parseInt(m[2], 10);
    if (h > 24 || mi > 59) return null;
    return (h % 12) * 60 + mi;
}
function textohora(min) {
    var h = Math.floor(min / 60) % 12, m = min % 60;
    return (h === 0 ? 12 : h) + ":" + (m < 10 ? "0" : "") + m;
}
function xulgarhora(texto, min) {
    var t = lerhora(texto);
    return t !== null && t === ((min % 720) + 720) % 720;
}
// The hands as degrees clockwise from twelve; the hour hand moves on with the minutes.
function angulos(h, m) { return {h : (h % 12) * 30 + m / 2, m : m * 6}; }
function angulonormal(a) { return ((a % 360) + 360) % 360; }
// The hand position nearest to an angle: the minute (0..59), or the hour (0..11) given the minutes.
function minutodeangulo(a) { return Math.round(angulonormal(a) / 6) % 60; }
function horadeangulo(a, m) { return ((Math.round(angulonormal(a - m / 2) / 30) % 12) + 12) % 12; }
// A random time: any hour, minutes in steps of five.
function horaalea(azar) { return azar.enteiro(0, 11) * 60 + 5 * azar.enteiro(0, 11); }
// The mode of a clock page: what the learner does and whether the time is random.
function modoreloxo(v) {
    var m = ZUBP.enteiro(v, 0);
    if (m < 0 || m > 5) m = 0;
    return {accion : m === 0 || m === 4 ? "escribir" : m === 1 || m === 5 ? "mover" : "libre",
            alea : m >= 3};
}

// --- fractions ------------------------------------------------------------------------------

// Fractions are pairs of BigInts {n, d} with d not 0; they are compared by value.
function enteirotexto(v) {
    if (!B) return null;
    var s = ZUBP.dec(v).replace(/[\s\u00a0]+/g, "").replace(/^\u2212/, "-");
    return /^[+-]?\d{1,40}$/.test(s) ? B(s) : null;
}
function mcd(a, b) {
    if (a < B(0)) a = -a;
    if (b < B(0)) b = -b;
    while (b !== B(0)) {
        var r = a % b;
        a = b;
        b = r;
    }
    return a;
}
function fraccion(n, d) {
    if (n === null || d === null || d === B(0)) return null;
    return d < B(0) ? {n : -n, d : -d} : {n : n, d : d};
}
function reducir(f) {
    var g = mcd(f.n, f.d);
    return g > B(1) ? {n : f.n / g, d : f.d / g} : {n : f.n, d : f.d};
}
function iguaisfr(a, b) { return !!a && !!b && a.n * b.d === b.n * a.d; }
function operarfr(a, b, op) {
    if (op === "+") return fraccion(a.n * b.d + b.n * a.d, a.d * b.d);
    if (op === "-") return fraccion(a.n * b.d - b.n * a.d, a.d * b.d);
    if (op === "x") return fraccion(a.n * b.n, a.d * b.d);
    if (op === "/") return fraccion(a.n * b.d, a.d * b.n);
    return null;
}
function signofr(forma) {
    var f = String(forma === undefined || forma === null ? "" : forma).trim();
    if (f === "") return "+"; // a new page shows "+"
    if (f === "X" || f === "*" || f === "×" || f === "·") return "x";
    if (f === ":" || f === "÷") return "/";
    return /^[+\-x\/=r]$/.test(f) ? f : "";
}
// A fraction task: {op, f1, f2 (binary operations only), resultado (the value asked for, or the
// lowest terms for "r")} or {erro}. "=" asks for another fraction of the same value as f1;
// "r" asks for f1 in lowest terms.
function tarefafr(forma, f1, f2) {
    var op = signofr(forma);
    if (!op) return {erro : "operación descoñecida: " + String(forma).slice(0, 10)};
    if (!f1) return {erro : "faltan números"};
    if (op === "r") return {op : op, f1 : f1, resultado : reducir(f1)};
    if (op === "=") return {op : op, f1 : f1, resultado : f1};
    if (!f2) return {erro : "faltan números"};
    var r = operarfr(f1, f2, op);
    if (!r) return {erro : "división por cero"};
    return {op : op, f1 : f1, f2 : f2, resultado : r};
}
// The learner's numerator and denominator texts against a task.
function xulgarfr(tarefa, ntexto, dtexto) {
    var f = fraccion(enteirotexto(ntexto), enteirotexto(dtexto));
    if (!f || !tarefa || tarefa.erro) return false;
    if (tarefa.op === "r") return f.n === tarefa.resultado.n && f.d === tarefa.resultado.d;
    if (tarefa.op === "=") return iguaisfr(f, tarefa.f1) && !(f.n === tarefa.f1.n && f.d === tarefa.f1.d);
    return iguaisfr(f, tarefa.resultado);
}
// The author's fractions: numeros is numerator 1, denominator 1, numerator 2, denominator 2.
function tarefafrautor(forma, numeros) {
    var ns = ZUBP.lista(numeros).map(enteirotexto);
    if (ns.some(function(n) { return n === null; })) return {erro : "número non enteiro"};
    var op = signofr(forma);
    var precisa = op === "r" || op === "=" ? 2 : 4;
    if (op && ns.length < precisa) return {erro : "faltan números"};
    var f1 = fraccion(ns[0], ns[1]);
    var f2 = precisa === 4 ? fraccion(ns[2], ns[3]) : null;
    if ((op && !f1) || (precisa === 4 && !f2)) return {erro : "denominador cero"};
    return tarefafr(forma, f1, f2);
}
// Random fractions: numerators of numeros[0] digits, denominators of numeros[1] digits (2 or
// more), one shared denominator where comun. A subtraction never goes below zero; "r" draws a
// fraction that can be reduced wherever the digits allow.
function tarefafralea(forma, numeros, comun, azar) {
    var op = signofr(forma);
    if (!op) return {erro : "operación descoñecida: " + String(forma).slice(0, 10)};
    if (!B) return {erro : "sen BigInt"};
    var ds = ZUBP.lista(numeros).filter(function(v) { return String(v).trim() !== ""; });
    var dn = cifrasde(ds[0]), dd = cifrasde(ds.length > 1 ? ds[1] : ds[0]);
    function num() { return B(valorde(cifrasalea(azar, dn))); }
    function den() { return B(valorde(cifrasalea(azar, dd, dd === 1 ? 2 : 1))); }
    var d1 = den(), f1 = fraccion(num(), d1), f2 = null;
    if (op === "r")
        for (var i = 0; i < 200 && mcd(f1.n, f1.d) === B(1); i++)
            f1 = fraccion(num(), den());
    if (op !== "r" && op !== "=") {
        f2 = fraccion(num(), comun ? d1 : den());
        if (op === "-" && f1.n * f2.d < f2.n * f1.d) {
            var x = f1;
            f1 = f2;
            f2 = x;
        }
    }
    var t = tarefafr(op, f1, f2);
    t.comun = !!comun && !!f2 && f1.d === f2.d;
    return t;
}

// --- coloured squares -----------------------------------------------------------------------

var COLUMNAS = 8, FILAS = 7;
var CORES = [ "", "ff0000", "00ff00", "0000ff", "ff8000", "ffff00", "c8a2c8", "ffffff", "000000" ];
// The pattern of rows of digits: 7 rows of 8 colour numbers (0 = none); a short or missing row
// is empty where it ends, and any character but "1".."8" is no colour.
function patron(filas) {
    var fs = ZUBP.lista(filas);
    var p = [];
    for (var r = 0; r < FILAS; r++) {
        var t = ZUBP.caracteres(fs[r] === undefined ? "" : fs[r]);
        var fila = [];
        for (var c = 0; c < COLUMNAS; c++)
            fila.push(/^[1-8]$/.test(t[c] || "") ? parseInt(t[c], 10) : 0);
        p.push(fila);
    }
    return p;
}
// The answer a task asks for: "0" the same, "1" upside down, "2" mirrored left to right,
// "3" moved one column to the right, the last column coming round to the first.
function transformar(p, forma) {
    var f = String(forma === undefined || forma === null ? "" : forma).trim();
    if (f === "1") return p.slice().reverse().map(function(fila) { return fila.slice(); });
    if (f === "2") return p.map(function(fila) { return fila.slice().reverse(); });
    if (f === "3") return p.map(function(fila) { return [ fila[fila.length - 1] ].concat(fila.slice(0, -1)); });
    return p.map(function(fila) { return fila.slice(); });
}
// A random pattern of 10 to 18 squares; random colours or one colour, never white (it would
// look like an empty square).
function patronalea(azar, coresalea) {
    var visibles = [ 1, 2, 3, 4, 5, 6, 8 ];
    var unha = azar.escoller(visibles);
    var celas = [];
    for (var i = 0; i < FILAS * COLUMNAS; i++)
        celas.push(i);
    var escollidas = azar.barallar(celas).slice(0, azar.enteiro(10, 18));
    var p = patron([]);
    escollidas.forEach(function(i) {
        p[Math.floor(i / COLUMNAS)][i % COLUMNAS] = coresalea ? azar.escoller(visibles) : unha;
    });
    return p;
}
function iguaispatron(a, b) {
    for (var r = 0; r < FILAS; r++)
        for (var c = 0; c < COLUMNAS; c++)
            if ((a[r] || [])[c] !== (b[r] || [])[c]) return false;
    return true;
}
function baleiro(p) {
    return p.every(function(f) { return f.every(function(c) { return c === 0; }); });
}

// --- formulae -------------------------------------------------------------------------------

// The formula grid from its six "content||marks||shown" items: per line the cells, one
// character each ({c, marca: "" | "i" | "s" | another mark character, oculta}). A hidden cell
// whose character is blank asks nothing. Lines keep their places; empty lines at the end go.
function formula(etiquetas) {
    var linas = ZUBP.lista(etiquetas).slice(0, 6).map(function(item) {
        var q = ZUBP.partes(item);
        var contido = ZUBP.caracteres(ZUBP.dec(q[0] || "").replace(/[\s\u0000-\u001f]+$/, ""));
        var marcas = ZUBP.caracteres(q[1] || ""), vistas = ZUBP.caracteres(q[2] || "");
        return contido.slice(0, 16).map(function(ch, i) {
            var m = marcas[i] || "0";
            return {c : ch, marca : m === "0" || m === " " ? "" : m,
                    oculta : vistas[i] === "0" && ch.trim() !== ""};
        });
    });
    while (linas.length && !linas[linas.length - 1].length)
        linas.pop();
    return linas;
}
function ocultas(linas) {
    var r = [];
    linas.forEach(function(l) { l.forEach(function(c) { if (c.oculta) r.push(c); }); });
    return r;
}
// Each hidden cell must hold exactly its own character (case counts).
function xulgarformula(linas, respostas) {
    var os = ocultas(linas);
    return os.length > 0 && os.every(function(c, i) {
        var r = String(respostas[i] === undefined ? "" : respostas[i]);
        return r.normalize("NFC") === c.c.normalize("NFC");
    });
}

// --- measures -------------------------------------------------------------------------------

// The units of a measures page ("value||text||address"); a unit whose value is no number
// cannot be counted, and is left out.
function unidades(etiquetas) {
    var r = [];
    ZUBP.lista(etiquetas).forEach(function(item) {
        var q = ZUBP.partes(item);
        var v = numeroinicial(q[0]);
        if (v) r.push({valor : v, valortexto : ZUBP.dec(q[0]).trim(), texto : ZUBP.dec(q[1] || "").trim(),
                       imaxe : q[2] || ""});
    });
    return r;
}
function sumavalores(vs) {
    var s = {v : B ? B(0) : 0, e : 0};
    vs.forEach(function(v) { s = sumar(s, v); });
    return s;
}

ZUBP.logica = ZUBP.logica || {};
ZUBP.logica.numeros = {
    numero : numero, numeroinicial : numeroinicial, igual : igual, textonumero : textonumero,
    operacion : operacion, comprobaroperacion : comprobaroperacion, operacionalea : operacionalea,
    levasuma : levasuma, levaresta : levaresta,
    lerhora : lerhora, textohora : textohora, xulgarhora : xulgarhora, angulos : angulos,
    minutodeangulo : minutodeangulo, horadeangulo : horadeangulo, horaalea : horaalea, modoreloxo : modoreloxo,
    fraccion : fraccion, reducir : reducir, iguaisfr : iguaisfr, tarefafr : tarefafr, xulgarfr : xulgarfr,
    tarefafrautor : tarefafrautor, tarefafralea : tarefafralea, enteirotexto : enteirotexto,
    patron : patron, transformar : transformar, patronalea : patronalea, iguaispatron : iguaispatron,
    formula : formula, ocultas : ocultas, xulgarformula : xulgarformula,
    unidades : unidades, sumavalores : sumavalores
};

// The modules register without a page too (under node --test), so whether a page is an activity
// can be asked there; only construir needs the page.
var NS = "http://www.w3.org/2000/svg";
function svg(etiqueta, atributos, pai) {
    var e = document.createElementNS(NS, etiqueta);
    for (var k in atributos)
        e.setAttribute(k, atributos[k]);
    if (pai) pai.appendChild(e);
    return e;
}
function enunciado(p, c, s) {
    if (p.texto) c.appendChild(s.html("zub-enunciado", p.texto));
}
// A check button that judges with comprobar() -> true/false, or does nothing where it gives
// null (nothing answered yet); fixar() locks the inputs once right.
function botoncomprobar(s, c, comprobar, fixar) {
    var b = s.boton(s.t("comprobar"), function() {
        if (s.resolta()) return;
        var r = comprobar();
        if (r === null) return;
        s.xulgar(r);
        if (r) {
            b.disabled = true;
            fixar();
        }
    }, "zub-comprobar");
    c.appendChild(s.el("p", "zub-accions", b));
    return b;
}
var DIXITOS = /^[0-9.,\-\u2212]$/;
function ultimo(v) {
    var cs = ZUBP.caracteres(v);
    return cs.length ? cs[cs.length - 1] : "";
}
// An on-screen keypad: digits, "," and "-", and a key that deletes; each key writes into
// the box destino() gives and calls despois(box).
function teclado(s, destino, despois, semsigno) {
    var k = s.el("div", "zub-teclado");
    k.setAttribute("role", "group");
    k.setAttribute("aria-label", s.t("n_teclado"));
    var teclas = "1234567890".split("").concat(semsigno ? [] : [ ",", "-" ]);
    var botons = [];
    function escribir(tx) {
        var d = destino();
        if (!d || d.readOnly || d.disabled) return;
        if (tx === null) d.value = d.value.slice(0, -1);
        else d.value = d.maxLength === 1 || d.getAttribute("data-un") ? tx : d.value + tx;
        despois(d, tx);
    }
    teclas.forEach(function(tx) {
        var b = s.boton(tx, function() { escribir(tx); }, "zub-tecla");
        // The box being filled keeps its focus while the keypad is pressed with the mouse.
        b.addEventListener("mousedown", function(ev) { ev.preventDefault(); });
        botons.push(b);
        k.appendChild(b);
    });
    var borra = s.boton("⌫", function() { escribir(null); }, "zub-tecla zub-borrar");
    borra.setAttribute("aria-label", s.t("n_borrar"));
    borra.addEventListener("mousedown", function(ev) { ev.preventDefault(); });
    botons.push(borra);
    k.appendChild(borra);
    return {el : k, desactivar : function() { botons.forEach(function(b) { b.disabled = true; }); }};
}

// --- 25: the clock --------------------------------------------------------------------------

var ROMANOS = [ "XII", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI" ];
// An analogue clock; forma picks the face: 1 numerals, 2 Roman numerals, 3 marks only,
// 4 the quarters, 5 numerals with the minutes round the edge, 6 a dark face.
function esfera(s, forma, horas, minutos) {
    var f = ZUBP.enteiro(forma, 1);
    if (f < 1 || f > 6) f = 1;
    var caixa = s.el("div", "zub-reloxo zub-esfera" + f);
    var v = svg("svg", {viewBox : "0 0 200 200", "class" : "zub-reloxosvg", role : "group"});
    v.setAttribute("aria-label", s.t("n_reloxo"));
    svg("circle", {cx : 100, cy : 100, r : 96, "class" : "zub-fondo"}, v);
    for (var i = 0; i < 60; i++) {
        var grande = i % 5 === 0;
        if (!grande && f !== 3 && f !== 5) continue;
        var a = i * 6 * Math.PI / 180, r1 = grande ? 84 : 89, r2 = 93;
        svg("line", {x1 : 100 + r1 * Math.sin(a), y1 : 100 - r1 * Math.cos(a), x2 : 100 + r2 * Math.sin(a),
                     y2 : 100 - r2 * Math.cos(a), "class" : grande ? "zub-marca" : "zub-marcamin"}, v);
    }
    for (var h = 0; h < 12; h++) {
        if (f === 3 || (f === 4 && h % 3 !== 0)) continue;
        var b = h * 30 * Math.PI / 180, rr = f === 5 ? 57 : 72;
        var tx = svg("text", {x : 100 + rr * Math.sin(b), y : 100 - rr * Math.cos(b), "class" : "zub-numero"}, v);
        tx.textContent = f === 2 ? ROMANOS[h] : String(h === 0 ? 12 : h);
        if (f === 5 && h) {
            var mn = svg("text", {x : 100 + 78 * Math.sin(b), y : 100 - 78 * Math.cos(b), "class" : "zub-numeromin"}, v);
            mn.textContent = String(h * 5);
        }
    }
    function agulla(clase, largo, nome) {
        var g = svg("g", {"class" : "zub-man " + clase, tabindex : "0", role : "slider"}, v);
        g.setAttribute("aria-label", nome);
        svg("line", {x1 : 100, y1 : 112, x2 : 100, y2 : 100 - largo, "class" : "zub-manvisible"}, g);
        svg("line", {x1 : 100, y1 : 100, x2 : 100, y2 : 100 - largo, "class" : "zub-managarre"}, g);
        return g;
    }
    var gh = agulla("zub-manh", 50, s.t("n_manh"));
    var gm = agulla("zub-manm", 78, s.t("n_manm"));
    svg("circle", {cx : 100, cy : 100, r : 5, "class" : "zub-eixo"}, v);
    caixa.appendChild(v);
    var estado = {h : horas, m : minutos};
    var movible = false, cambio = null;
    function debuxar() {
        var an = ZUBP.logica.numeros.angulos(estado.h, estado.m);
        gh.setAttribute("transform", "rotate(" + an.h + " 100 100)");
        gm.setAttribute("transform", "rotate(" + an.m + " 100 100)");
        gh.setAttribute("aria-valuenow", String(estado.h === 0 ? 12 : estado.h));
        gh.setAttribute("aria-valuemin", "1");
        gh.setAttribute("aria-valuemax", "12");
        gm.setAttribute("aria-valuenow", String(estado.m));
        gm.setAttribute("aria-valuemin", "0");
        gm.setAttribute("aria-valuemax", "59");
    }
    function poner(h, m) {
        estado.h = ((h % 12) + 12) % 12;
        estado.m = ((m % 60) + 60) % 60;
        debuxar();
        if (cambio) cambio(estado);
    }
    function angulo(ev) {
        var r = v.getBoundingClientRect();
        var x = (ev.clientX - r.left) / r.width * 200 - 100, y = (ev.clientY - r.top) / r.height * 200 - 100;
        return {a : Math.atan2(x, -y) * 180 / Math.PI, d : Math.sqrt(x * x + y * y)};
    }
    var arrastrando = null;
    function mover(man, ev) {
        var p = angulo(ev);
        if (man === "m") poner(estado.h, ZUBP.logica.numeros.minutodeangulo(p.a));
        else poner(ZUBP.logica.numeros.horadeangulo(p.a, estado.m), estado.m);
    }
    // A press near the middle takes the short hand, further out the long one; a press on a
    // hand takes that hand.
    v.addEventListener("pointerdown", function(ev) {
        if (!movible || (ev.button !== undefined && ev.button !== 0)) return;
        var sobre = ev.target.closest ? ev.target.closest(".zub-man") : null;
        arrastrando = sobre === gh ? "h" : sobre === gm ? "m" : angulo(ev).d < 56 ? "h" : "m";
        (arrastrando === "h" ? gh : gm).focus();
        try {
            v.setPointerCapture(ev.pointerId);
        } catch (e) {
            /* capture is a comfort */
        }
        ev.preventDefault();
        mover(arrastrando, ev);
    });
    v.addEventListener("pointermove", function(ev) {
        if (arrastrando) mover(arrastrando, ev);
    });
    function soltar() { arrastrando = null; }
    v.addEventListener("pointerup", soltar);
    v.addEventListener("pointercancel", soltar);
    function teclas(man) {
        return function(ev) {
            if (!movible) return;
            var k = ev.key, paso = 0;
            if (k === "ArrowUp" || k === "ArrowRight") paso = 1;
            else if (k === "ArrowDown" || k === "ArrowLeft") paso = -1;
            else if (k === "PageUp") paso = 5;
            else if (k === "PageDown") paso = -5;
            else return;
            ev.preventDefault();
            if (man === "m") poner(estado.h, estado.m + paso);
            else poner(estado.h + (paso > 0 ? 1 : -1), estado.m);
        };
    }
    gh.addEventListener("keydown", teclas("h"));
    gm.addEventListener("keydown", teclas("m"));
    debuxar();
    return {
        el : caixa,
        estado : estado,
        movible : function(si) {
            movible = si;
            caixa.classList.toggle("zub-movible", si);
            [ gh, gm ].forEach(function(g) {
                if (si) g.setAttribute("tabindex", "0");
                else g.removeAttribute("tabindex");
                g.setAttribute("aria-readonly", si ? "false" : "true");
            });
        },
        aocambiar : function(f) { cambio = f; }
    };
}

function tarefareloxo(p, s) {
    var L = ZUBP.logica.numeros;
    var modo = L.modoreloxo(p.modo);
    var hora = modo.alea ? L.horaalea(s.azar) : L.lerhora(p.hora);
    if (hora === null && !modo.alea && modo.accion === "mover") hora = L.lerhora(p.reloxo);
    return {modo : modo, hora : hora};
}
ZUBP.rexistrar("reloxo", {
    imaxe : false,
    // A clock that asks for a time needs one: drawn, or the author's.
    actividade : function(p) {
        var m = modoreloxo(p.modo);
        return m.accion !== "libre" &&
               (m.alea || lerhora(p.hora) !== null || (m.accion === "mover" && lerhora(p.reloxo) !== null));
    },
    construir : function(p, c, s) {
        var L = ZUBP.logica.numeros;
        var tr = tarefareloxo(p, s);
        var modo = tr.modo, hora = tr.hora;
        if (hora === null && modo.accion !== "libre") return "sen hora";
        enunciado(p, c, s);
        var corpo = s.el("div", "zub-reloxocorpo");
        c.appendChild(corpo);
        if (modo.accion === "escribir") {
            var r = esfera(s, p.forma, Math.floor(hora / 60), hora % 60);
            r.movible(false);
            corpo.appendChild(r.el);
            var fila = s.el("p", "zub-horaresposta");
            var rot = s.el("label", "", s.t("n_quehora") + " ");
            var i = s.el("input", "zub-hora");
            i.type = "text";
            i.size = 6;
            i.placeholder = "h:mm";
            i.setAttribute("inputmode", "numeric");
            i.setAttribute("autocomplete", "off");
            i.id = "zub-hora-" + s.n;
            rot.htmlFor = i.id;
            fila.appendChild(rot);
            fila.appendChild(i);
            corpo.appendChild(fila);
            var comprobar = function() {
                if (!i.value.trim()) return null;
                // The author's time as text is a right answer too, where it is the task's.
                return L.xulgarhora(i.value, hora) || (!modo.alea && !!p.reloxo && s.compara(i.value, p.reloxo));
            };
            var b = botoncomprobar(s, corpo, comprobar, function() { i.readOnly = true; });
            i.addEventListener("keydown", function(ev) {
                if (ev.key === "Enter") b.click();
            });
            return;
        }
        // Move the hands: to the given time, or freely. The hands start at twelve (at six where
        // twelve is the answer); a free clock starts at its time.
        var inicio = modo.accion === "libre" ? (hora === null ? 0 : hora) : hora === 0 ? 360 : 0;
        var m = esfera(s, p.forma, Math.floor(inicio / 60), inicio % 60);
        m.movible(true);
        if (modo.accion === "mover") {
            var texto = !modo.alea && p.reloxo ? s.dec(p.reloxo) : L.textohora(hora);
            c.insertBefore(s.el("p", "zub-horaobxectivo", s.t("n_poahora", texto)), corpo);
        }
        corpo.appendChild(m.el);
        if (modo.accion === "libre") return;
        botoncomprobar(s, corpo, function() { return m.estado.h * 60 + m.estado.m === hora % 720; },
                       function() { m.movible(false); });
    }
});

// --- 26 and 33: written operations ----------------------------------------------------------

// A row of n answer cells, filled from the right as written sums are: by typing (modo 0), by
// dragging digit tiles (1) or with the keypad (2). The row is one stop for Tab; the arrow keys
// walk it, and a typed digit moves on to the cell on its left.
function filacelas(s, n, modo, nome, estado) {
    var fila = s.el("div", "zub-celas");
    fila.setAttribute("role", "group");
    fila.setAttribute("aria-label", nome);
    var celas = [];
    for (var i = 0; i < n; i++) {
        var c;
        var rotulo = nome + ", " + s.t("n_cifra", n - i);
        if (modo === 1) {
            c = s.el("span", "zub-cela");
            c.setAttribute("aria-label", rotulo);
        } else {
            c = s.el("input", "zub-cela");
            c.type = "text";
            c.setAttribute("autocomplete", "off");
            c.setAttribute("data-un", "1");
            c.setAttribute("inputmode", modo === 2 ? "none" : "numeric");
            c.setAttribute("aria-label", rotulo);
        }
        celas.push(c);
        fila.appendChild(c);
    }
    var g = s.grella(celas, {columnas : n});
    g.enfocar(n - 1, false);
    function seguinte(c) {
        var i = celas.indexOf(c);
        if (i > 0) g.enfocar(i - 1, true);
    }
    celas.forEach(function(c) {
        c.addEventListener("focus", function() { estado.ultima = c; });
        if (modo === 1) {
            // Typing works on the tiles' cells too.
            c.addEventListener("keydown", function(ev) {
                if (estado.fixo) return;
                if (ev.key === "Backspace" || ev.key === "Delete") {
                    c.textContent = "";
                    ev.preventDefault();
                } else if (DIXITOS.test(ev.key)) {
                    c.textContent = ev.key;
                    ev.preventDefault();
                    seguinte(c);
                }
            });
            return;
        }
        var antes = "";
        c.addEventListener("input", function(ev) {
            var ch = ultimo(ev.data || c.value);
            if (ch && !DIXITOS.test(ch)) {
                c.value = antes;
                return;
            }
            c.value = antes = ch;
            if (ch) seguinte(c);
        });
    });
    return {
        el : fila,
        celas : celas,
        seguinte : seguinte,
        valor : function() {
            return celas.map(function(c) { return modo === 1 ? c.textContent : c.value; }).join("").replace(/\s+/g, "");
        },
        fixar : function() {
            celas.forEach(function(c) {
                if (modo !== 1) c.readOnly = true;
                c.setAttribute("aria-readonly", "true");
            });
        }
    };
}
var SIGNOS = {"+" : "+", "-" : "−", "x" : "×", "/" : ":", "d" : ""};
// A number written one character per column, right-aligned in a row of w columns, with dereita
// empty columns after it.
function filanumero(s, texto, w, signo, dereita) {
    var f = s.el("div", "zub-filanum");
    var cs = ZUBP.caracteres(texto);
    for (var d = 0; d < (dereita || 0); d++)
        cs.push("");
    for (var i = 0; i < w; i++) {
        var k = i - (w - cs.length);
        var ch = i === 0 && signo ? signo : k >= 0 ? cs[k] : "";
        f.appendChild(s.el("span", "zub-col" + (i === 0 && signo ? " zub-signo" : ""), ch));
    }
    f.setAttribute("aria-label", (signo ? signo + " " : "") + texto);
    return f;
}
function construiroperacion(op, modo, c, s) {
    var L = ZUBP.logica.numeros;
    var estado = {ultima : null, fixo : false};
    var filas = [];
    var caixa = s.el("div", "zub-operacion zub-op" + (op.forma === "/" ? "div" : op.forma === "d" ? "longa" : "columna"));
    var largo = function(n) { return ZUBP.caracteres(L.textonumero(n)).length; };
    if (op.forma === "/" || op.forma === "d") {
        var q = op.resultados[0].n, rr = op.resultados[1].n;
        var fq = filacelas(s, largo(q) + 1, modo, s.t("n_cociente"), estado);
        var fr = filacelas(s, Math.max(largo(rr), ZUBP.caracteres(op.operandos[1]).length), modo, s.t("n_resto"), estado);
        filas = [ fq, fr ];
        if (op.forma === "/") {
            var liña = s.el("div", "zub-opliña");
            liña.appendChild(s.el("span", "zub-opnum", op.operandos[0] + " : " + op.operandos[1] + " ="));
            liña.appendChild(fq.el);
            caixa.appendChild(liña);
            var lr = s.el("div", "zub-opliña");
            lr.appendChild(s.el("span", "zub-oprotulo", s.t("n_resto")));
            lr.appendChild(fr.el);
            caixa.appendChild(lr);
        } else {
            // Long division: the dividend with the remainder below it, the divisor in its bracket
            // with the quotient below.
            var esq = s.el("div", "zub-divesq");
            esq.appendChild(s.el("div", "zub-opnum", op.operandos[0]));
            esq.appendChild(s.el("div", "zub-oprotulo", s.t("n_resto")));
            esq.appendChild(fr.el);
            var der = s.el("div", "zub-divder");
            der.appendChild(s.el("div", "zub-opnum zub-divisor", op.operandos[1]));
            der.appendChild(s.el("div", "zub-oprotulo", s.t("n_cociente")));
            der.appendChild(fq.el);
            caixa.appendChild(esq);
            caixa.appendChild(der);
        }
    } else {
        var res = op.resultados[0].n;
        // Sums and differences line their decimal marks up; products are written right-aligned.
        var decimais = op.operandos.map(function(t) {
            var m = /[.,](\d*)\s*$/.exec(t);
            return m ? m[1].length : 0;
        });
        var maxdec = op.forma === "x" ? 0 : Math.max.apply(null, decimais);
        var recheo = decimais.map(function(d) { return maxdec ? maxdec - d + (d === 0 ? 1 : 0) : 0; });
        var w = 1 + Math.max.apply(null, op.operandos.map(function(t, i) { return ZUBP.caracteres(t).length + recheo[i]; }));
        var n = Math.max(largo(res) + 1, w - 1);
        w = Math.max(w, n);
        op.operandos.forEach(function(t, i) {
            caixa.appendChild(filanumero(s, t, w, i === op.operandos.length - 1 ? SIGNOS[op.forma] : "", recheo[i]));
        });
        caixa.appendChild(s.el("div", "zub-raia"));
        var fres = filacelas(s, n, modo, s.t("n_resultado"), estado);
        fres.el.style.marginLeft = "calc(" + (w - n) + " * var(--zub-col))";
        caixa.appendChild(fres.el);
        filas = [ fres ];
    }
    c.appendChild(caixa);
    var todas = [];
    filas.forEach(function(f) { todas = todas.concat(f.celas); });
    var filade = function(cela) {
        for (var i = 0; i < filas.length; i++)
            if (filas[i].celas.indexOf(cela) >= 0) return filas[i];
        return filas[0];
    };
    var extra = null;
    if (modo === 1) {
        var bandexa = s.el("div", "zub-fichascifras");
        bandexa.setAttribute("role", "group");
        bandexa.setAttribute("aria-label", s.t("n_cifras"));
        var fichas = "0123456789,-".split("").map(function(d) {
            var f = s.el("span", "zub-ficha", d);
            bandexa.appendChild(f);
            return f;
        });
        // A filled cell is emptied by a click when no tile is held.
        var ar = null;
        todas.forEach(function(cela) {
            cela.addEventListener("click", function() {
                if (!estado.fixo && ar && !ar.collida() && cela.textContent) cela.textContent = "";
            });
        });
        ar = s.arrastre({
            pezas : fichas,
            destinos : todas,
            soltar : function(peza, cela) {
                if (estado.fixo) return false;
                cela.textContent = peza.textContent;
                return true;
            }
        });
        c.appendChild(bandexa);
        extra = ar;
    } else if (modo === 2) {
        var k = teclado(s, function() { return estado.ultima || filas[0].celas[filas[0].celas.length - 1]; },
                        function(d, tx) {
                            if (tx !== null) filade(d).seguinte(d);
                            else d.focus();
                        });
        c.appendChild(k.el);
        extra = k;
    }
    botoncomprobar(s, c, function() {
        var rs = filas.map(function(f) { return f.valor(); });
        if (!rs[0]) return null;
        return L.comprobaroperacion(op, rs);
    }, function() {
        estado.fixo = true;
        filas.forEach(function(f) { f.fixar(); });
        if (extra) extra.desactivar();
    });
}
function modooperacion(v) {
    var m = ZUBP.enteiro(v, 0);
    return m >= 0 && m <= 2 ? m : 0;
}
ZUBP.rexistrar("operacion", {
    cando : function(p) { return p.alea === "1"; },
    imaxe : false,
    actividade : function(p) { return !!ALEA[String(p.forma === undefined ? "" : p.forma).trim()]; },
    construir : function(p, c, s) {
        var op = operacionalea(p.forma, p.numeros, s.azar);
        if (op.erro) return op.erro;
        construiroperacion(op, modooperacion(p.modo), c, s);
    }
});
ZUBP.rexistrar("operacion", {
    cando : function(p) { return p.alea !== "1"; },
    imaxe : false,
    actividade : function(p) { return !operacion(p.forma, p.numeros).erro; },
    construir : function(p, c, s) {
        var op = operacion(p.forma, p.numeros);
        if (op.erro) return op.erro;
        construiroperacion(op, modooperacion(p.modo), c, s);
    }
});

// --- 40 and 41: fractions -------------------------------------------------------------------

function fracciontexto(s, f) {
    var d = s.el("span", "zub-fraccion");
    d.appendChild(s.el("span", "zub-fnum", String(f.n)));
    d.appendChild(s.el("span", "zub-fden", String(f.d)));
    d.setAttribute("role", "img");
    d.setAttribute("aria-label", f.n + "/" + f.d);
    return d;
}
var SIGNOSFR = {"+" : "+", "-" : "−", "x" : "×", "/" : ":", "r" : "=", "=" : "="};
function construirfraccion(t, modo, c, s) {
    var L = ZUBP.logica.numeros;
    if (t.op === "r") c.appendChild(s.el("p", "zub-fraccionpide", s.t("n_simplifica")));
    if (t.op === "=") c.appendChild(s.el("p", "zub-fraccionpide", s.t("n_equivalente")));
    var fila = s.el("div", "zub-fraccions");
    fila.appendChild(fracciontexto(s, t.f1));
    if (t.f2) {
        fila.appendChild(s.el("span", "zub-fsigno", SIGNOSFR[t.op]));
        fila.appendChild(fracciontexto(s, t.f2));
    }
    fila.appendChild(s.el("span", "zub-fsigno", "="));
    var resp = s.el("span", "zub-fraccion zub-fresposta");
    var ultima = null;
    function caixa(nome) {
        var i = s.el("input", "zub-fcaixa");
        i.type = "text";
        i.size = 4;
        i.setAttribute("autocomplete", "off");
        i.setAttribute("inputmode", modo === 1 ? "none" : "numeric");
        i.setAttribute("aria-label", nome);
        i.addEventListener("focus", function() { ultima = i; });
        i.addEventListener("input", function() { i.value = i.value.replace(/[^0-9\-\u2212]/g, ""); });
        resp.appendChild(i);
        return i;
    }
    var num = caixa(s.t("n_numerador"));
    var den = caixa(s.t("n_denominador"));
    // With one shared denominator an addition or subtraction keeps it: only the numerator is asked.
    if (t.comun && (t.op === "+" || t.op === "-")) {
        den.value = String(t.f1.d);
        den.readOnly = true;
        den.classList.add("zub-fdado");
    }
    fila.appendChild(resp);
    c.appendChild(fila);
    var k = null;
    if (modo === 1) {
        k = teclado(s, function() { return ultima || num; }, function(d) { d.focus(); }, false);
        c.appendChild(k.el);
    }
    var b = botoncomprobar(s, c, function() {
        if (!num.value.trim() || !den.value.trim()) return null;
        return L.xulgarfr(t, num.value, den.value);
    }, function() {
        num.readOnly = den.readOnly = true;
        if (k) k.desactivar();
    });
    [ num, den ].forEach(function(i) {
        i.addEventListener("keydown", function(ev) {
            if (ev.key === "Enter") b.click();
        });
    });
}
function modofraccion(v) { return ZUBP.enteiro(v, 0) === 1 ? 1 : 0; }
ZUBP.rexistrar("fraccion", {
    cando : function(p) { return p.alea === "1"; },
    imaxe : false,
    actividade : function(p) { return !!signofr(p.forma); },
    construir : function(p, c, s) {
        var t = tarefafralea(p.forma, p.numeros, p.valor === "1", s.azar);
        if (t.erro) return t.erro;
        construirfraccion(t, modofraccion(p.modo), c, s);
    }
});
// "valor" is no option of the author's fractions: it is read by neither module here, so a
// description that writes or drops it plays the same.
ZUBP.rexistrar("fraccion", {
    cando : function(p) { return p.alea !== "1"; },
    actividade : function(p) { return !tarefafrautor(p.forma, p.numeros).erro; },
    construir : function(p, c, s) {
        var t = tarefafrautor(p.forma, p.numeros);
        if (t.erro) return t.erro;
        construirfraccion(t, modofraccion(p.modo), c, s);
    }
});

// --- 27: the picture board ------------------------------------------------------------------

// The background with the pictures in a strip below it; each picture moves freely over the
// board with the mouse or touch, or with the arrow keys (Shift for small steps). Nothing is
// judged and no place is stored. "forma" and "modo" are no options of this page: both are
// ignored, whether the description writes them or not.
ZUBP.rexistrar("paneldeb", {
    imaxe : false,
    actividade : false,
    construir : function(p, c, s) {
        var imxs = s.lista(p.etiquetas).filter(function(v) { return String(v).trim() !== ""; }).slice(0, 8);
        if (!imxs.length && !p.imaxe) return "sen imaxes";
        var area = s.el("div", "zub-panelarea");
        area.setAttribute("role", "group");
        area.setAttribute("aria-label", s.t("n_panel"));
        if (p.imaxe) area.appendChild(s.imaxe(p.imaxe, p.altim, "zub-panelfondo"));
        var tira = s.el("div", "zub-paneltira");
        area.appendChild(tira);
        c.appendChild(area);
        function soltalo(e) {
            // A picture leaves the strip for the board where it stands.
            if (e.parentNode === area) return;
            var ra = area.getBoundingClientRect(), re = e.getBoundingClientRect();
            var enfocada = document.activeElement === e;
            area.appendChild(e);
            e.style.position = "absolute";
            colocar(e, re.left - ra.left - area.clientLeft, re.top - ra.top - area.clientTop);
            // Moving an element in the document takes its focus away.
            if (enfocada) e.focus();
        }
        function colocar(e, x, y) {
            var maxx = Math.max(0, area.clientWidth - e.offsetWidth), maxy = Math.max(0, area.clientHeight - e.offsetHeight);
            e.style.left = Math.round(Math.max(0, Math.min(maxx, x))) + "px";
            e.style.top = Math.round(Math.max(0, Math.min(maxy, y))) + "px";
        }
        imxs.forEach(function(src, i) {
            var e = s.el("span", "zub-panelpeza");
            e.appendChild(s.imaxe(src, "", "zub-panelimx"));
            e.tabIndex = 0;
            e.setAttribute("role", "button");
            e.setAttribute("aria-label", (i + 1) + ": " + String(s.dec(src)).split("/").pop());
            var inicio = null;
            e.addEventListener("pointerdown", function(ev) {
                if (ev.button !== undefined && ev.button !== 0) return;
                soltalo(e);
                var re = e.getBoundingClientRect();
                inicio = {dx : ev.clientX - re.left, dy : ev.clientY - re.top};
                try {
                    e.setPointerCapture(ev.pointerId);
                } catch (err) {
                    /* capture is a comfort */
                }
                e.classList.add("zub-arrastrando");
                ev.preventDefault();
            });
            e.addEventListener("pointermove", function(ev) {
                if (!inicio) return;
                var ra = area.getBoundingClientRect();
                colocar(e, ev.clientX - ra.left - area.clientLeft - inicio.dx, ev.clientY - ra.top - area.clientTop - inicio.dy);
            });
            function fin() {
                inicio = null;
                e.classList.remove("zub-arrastrando");
            }
            e.addEventListener("pointerup", fin);
            e.addEventListener("pointercancel", fin);
            e.addEventListener("keydown", function(ev) {
                var d = {ArrowLeft : [ -1, 0 ], ArrowRight : [ 1, 0 ], ArrowUp : [ 0, -1 ], ArrowDown : [ 0, 1 ]}[ev.key];
                if (!d) return;
                ev.preventDefault();
                soltalo(e);
                var paso = ev.shiftKey ? 1 : 10;
                colocar(e, e.offsetLeft + d[0] * paso, e.offsetTop + d[1] * paso);
            });
            tira.appendChild(e);
        });
    }
});

// --- 31: measures ---------------------------------------------------------------------------

// The main picture with a strip below it; copies of the units are dropped on the strip (a unit
// serves many times) and a placed copy goes with a click. Right: the placed values add up to
// "valor", as exact decimals.
ZUBP.rexistrar("medidas", {
    imaxe : false,
    actividade : function(p) { return !!numeroinicial(p.valor) && unidades(p.etiquetas).length > 0; },
    construir : function(p, c, s) {
        var total = numeroinicial(p.valor);
        var us = unidades(p.etiquetas);
        if (!total) return "sen valor";
        if (!us.length) return "sen unidades";
        var obxecto = s.el("figure", "zub-medir");
        if (p.imaxe) obxecto.appendChild(s.imaxe(p.imaxe, p.texto || p.altim, "zub-medirimx"));
        if (p.texto) obxecto.appendChild(s.el("figcaption", "", p.texto));
        c.appendChild(obxecto);
        var tira = s.el("div", "zub-medirtira");
        tira.setAttribute("aria-label", s.t("n_medida"));
        c.appendChild(tira);
        var paleta = s.el("div", "zub-unidades");
        paleta.setAttribute("role", "group");
        paleta.setAttribute("aria-label", s.t("n_unidades"));
        var fixo = false;
        function vista(u) {
            var d = s.el("span", "zub-unidade");
            if (u.imaxe) d.appendChild(s.imaxe(u.imaxe, u.texto || u.valortexto));
            d.appendChild(s.el("span", "zub-unidadetexto", u.texto || u.valortexto));
            return d;
        }
        var pezas = us.map(function(u, i) {
            var d = vista(u);
            d.setAttribute("data-unidade", i);
            d.setAttribute("aria-label", u.texto || u.valortexto);
            paleta.appendChild(d);
            return d;
        });
        c.appendChild(paleta);
        var postas = [];
        var ar = s.arrastre({
            pezas : pezas,
            destinos : [ tira ],
            soltar : function(peza) {
                if (fixo) return false;
                var u = us[+peza.getAttribute("data-unidade")];
                // On the strip a unit is its picture alone, so that copies line up as a measure.
                var copia = u.imaxe ? s.imaxe(u.imaxe, u.texto || u.valortexto) : vista(u);
                var b = s.el("button", "zub-unidadeposta");
                b.type = "button";
                b.appendChild(copia);
                b.setAttribute("aria-label", s.t("n_quitar", u.texto || u.valortexto));
                var item = {u : u, b : b};
                b.addEventListener("click", function(ev) {
                    ev.stopPropagation();
                    if (fixo) return;
                    postas.splice(postas.indexOf(item), 1);
                    tira.removeChild(b);
                });
                postas.push(item);
                tira.appendChild(b);
                return true;
            }
        });
        botoncomprobar(s, c, function() {
            if (!postas.length) return null;
            return igual(sumavalores(postas.map(function(x) { return x.u.valor; })), total);
        }, function() {
            fixo = true;
            ar.desactivar();
            postas.forEach(function(x) { x.b.disabled = true; });
        });
    }
});

// --- 36: coloured squares -------------------------------------------------------------------

function nomecor(s, n) { return n ? (s.t("n_cor").split("|")[n - 1] || String(n)) : s.t("n_baleira"); }
function pintar(cela, n) {
    cela.setAttribute("data-cor", String(n));
    cela.style.backgroundColor = n ? "#" + CORES[n] : "";
}
ZUBP.rexistrar("cuadros", {
    imaxe : false,
    actividade : function(p) { return p.modo !== "1" || !baleiro(patron(p.cadros)); },
    construir : function(p, c, s) {
        // The author's pattern where "modo" is "1"; a random one otherwise ("valor" "1": random
        // colours). The author's colours are kept as painted.
        var modelo = p.modo === "1" ? patron(p.cadros) : patronalea(s.azar, p.valor === "1");
        if (baleiro(modelo)) return "sen cadros";
        var forma = /^[0-3]$/.test(String(p.forma || "").trim()) ? String(p.forma).trim() : "0";
        var obxectivo = transformar(modelo, forma);
        c.appendChild(s.el("p", "zub-cadrostarefa", s.t("n_cadros" + forma)));
        var dous = s.el("div", "zub-cadrosdous");
        c.appendChild(dous);
        var gm = s.el("div", "zub-cadros zub-cadrosmodelo");
        gm.setAttribute("role", "img");
        // The model told in words too: its painted squares, one by one.
        var pintados = [];
        modelo.forEach(function(fila, r) {
            fila.forEach(function(n, k) {
                if (n) pintados.push(s.t("n_cela", r + 1, k + 1, nomecor(s, n)));
            });
        });
        gm.setAttribute("aria-label", s.t("n_modelo") + ": " + pintados.join("; "));
        modelo.forEach(function(fila) {
            fila.forEach(function(n) {
                var k = s.el("span", "zub-cadro");
                pintar(k, n);
                k.title = nomecor(s, n);
                gm.appendChild(k);
            });
        });
        var ga = s.el("div", "zub-cadros zub-cadrosresposta");
        ga.setAttribute("role", "grid");
        ga.setAttribute("aria-label", s.t("n_resposta"));
        var estado = [], celas = [], cor = 1, fixo = false;
        for (var r = 0; r < FILAS; r++) {
            var fila = s.el("div", "zub-cadrosfila");
            fila.setAttribute("role", "row");
            estado.push([]);
            for (var k2 = 0; k2 < COLUMNAS; k2++) {
                var cela = s.el("span", "zub-cadro");
                cela.setAttribute("role", "gridcell");
                estado[r].push(0);
                pintar(cela, 0);
                celas.push(cela);
                fila.appendChild(cela);
            }
            ga.appendChild(fila);
        }
        function rotular(i) {
            var n = estado[Math.floor(i / COLUMNAS)][i % COLUMNAS];
            celas[i].setAttribute("aria-label", s.t("n_cela", Math.floor(i / COLUMNAS) + 1, i % COLUMNAS + 1, nomecor(s, n)));
        }
        function poner(i, n) {
            if (fixo) return;
            estado[Math.floor(i / COLUMNAS)][i % COLUMNAS] = n;
            pintar(celas[i], n);
            rotular(i);
        }
        celas.forEach(function(x, i) { rotular(i); });
        // A click paints the square in the chosen colour; a square already in that colour is emptied.
        s.grella(celas, {
            columnas : COLUMNAS,
            activar : function(x, i) { poner(i, estado[Math.floor(i / COLUMNAS)][i % COLUMNAS] === cor ? 0 : cor); }
        });
        var paleta = s.el("div", "zub-paleta");
        paleta.setAttribute("role", "radiogroup");
        paleta.setAttribute("aria-label", s.t("n_cores"));
        var botons = [];
        function escoller(n) {
            cor = n;
            botons.forEach(function(b, j) { b.setAttribute("aria-checked", j + 1 === n ? "true" : "false"); });
        }
        for (var n = 1; n <= 8; n++) {
            (function(n) {
                var b = s.boton(String(n), function() { escoller(n); }, "zub-corboton");
                b.setAttribute("role", "radio");
                b.setAttribute("aria-label", n + ": " + nomecor(s, n));
                b.style.backgroundColor = "#" + CORES[n];
                if (n === 3 || n === 8) b.style.color = "#fff";
                botons.push(b);
                paleta.appendChild(b);
            })(n);
        }
        escoller(1);
        // On a square, the keys 1 to 8 choose a colour and paint with it; 0 or Delete empties it.
        celas.forEach(function(x, i) {
            x.addEventListener("keydown", function(ev) {
                if (/^[1-8]$/.test(ev.key)) {
                    escoller(parseInt(ev.key, 10));
                    poner(i, cor);
                    ev.preventDefault();
                } else if (ev.key === "0" || ev.key === "Delete" || ev.key === "Backspace") {
                    poner(i, 0);
                    ev.preventDefault();
                }
            });
        });
        var columnamodelo = s.el("div", "zub-cadroscol", s.el("p", "zub-rotulo", s.t("n_modelo")));
        columnamodelo.appendChild(gm);
        var columnaresposta = s.el("div", "zub-cadroscol", s.el("p", "zub-rotulo", s.t("n_resposta")));
        columnaresposta.appendChild(ga);
        dous.appendChild(columnamodelo);
        dous.appendChild(columnaresposta);
        c.appendChild(paleta);
        botoncomprobar(s, c, function() { return baleiro(estado) ? null : iguaispatron(estado, obxectivo); }, function() {
            fixo = true;
            botons.forEach(function(b) { b.disabled = true; });
            ga.setAttribute("aria-readonly", "true");
        });
    }
});

// --- 49: formulae ---------------------------------------------------------------------------

// The formula one character per cell, a mark "i" or "s" drawn below or above; each hidden cell
// is a box for one character. The grid is one Tab stop (on the first box), walked with the
// arrow keys; a typed character moves on to the next box.
ZUBP.rexistrar("formulas", {
    imaxe : false,
    actividade : function(p) { return ocultas(formula(p.etiquetas)).length > 0; },
    construir : function(p, c, s) {
        var linas = formula(p.etiquetas);
        if (!linas.length) return "sen fórmula";
        var w = Math.max.apply(null, linas.map(function(l) { return l.length; }).concat([ 1 ]));
        var t = s.el("div", "zub-formula");
        t.setAttribute("role", "grid");
        t.setAttribute("aria-label", s.t("n_formula"));
        var celas = [], caixas = [];
        linas.forEach(function(l, r) {
            var fila = s.el("div", "zub-formulafila");
            fila.setAttribute("role", "row");
            for (var k = 0; k < w; k++) {
                var x = l[k], cela;
                if (x && x.oculta) {
                    cela = s.el("input", "zub-formulacaixa");
                    cela.type = "text";
                    cela.setAttribute("autocomplete", "off");
                    cela.setAttribute("autocapitalize", "off");
                    cela.setAttribute("aria-label", s.t("n_oculta", k + 1, r + 1));
                    caixas.push(cela);
                } else {
                    cela = s.el("span", "zub-formulacela");
                    if (x && (x.marca === "i" || x.marca === "s")) {
                        cela.appendChild(s.el(x.marca === "i" ? "sub" : "sup", "", x.c));
                        cela.classList.add(x.marca === "i" ? "zub-celasub" : "zub-celasup");
                    }
                    else if (x)
                        cela.textContent = x.c + x.marca;
                }
                cela.setAttribute("role", "gridcell");
                if (x && x.oculta && (x.marca === "i" || x.marca === "s"))
                    cela.classList.add(x.marca === "i" ? "zub-caixasub" : "zub-caixasup");
                celas.push(cela);
                fila.appendChild(cela);
            }
            t.appendChild(fila);
        });
        c.appendChild(t);
        var g = s.grella(celas, {columnas : w});
        if (caixas.length) g.enfocar(celas.indexOf(caixas[0]), false);
        caixas.forEach(function(cx, i) {
            cx.addEventListener("input", function(ev) {
                cx.value = ultimo(ev.data || cx.value);
                if (cx.value && i + 1 < caixas.length) g.enfocar(celas.indexOf(caixas[i + 1]), true);
            });
        });
        if (!caixas.length) return;
        var b = botoncomprobar(s, c, function() {
            if (caixas.every(function(cx) { return !cx.value; })) return null;
            return xulgarformula(linas, caixas.map(function(cx) { return cx.value; }));
        }, function() { caixas.forEach(function(cx) { cx.readOnly = true; }); });
        caixas.forEach(function(cx) {
            cx.addEventListener("keydown", function(ev) {
                if (ev.key === "Enter") b.click();
            });
        });
    }
});
})(typeof window !== "undefined" ? window.ZUBP : this.ZUBP);
