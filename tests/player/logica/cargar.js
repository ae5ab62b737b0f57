// Loads the player's files into a context of their own, without a page: the core then offers only
// its pure parts (texts, comparison, randomness) and the logic the family files expose.
"use strict";
const fs = require("fs");
const path = require("path");
const vm = require("vm");

const fonte = process.env.QUIBEL_SOURCE_DIR || path.join(__dirname, "..", "..", "..");
const sczub = path.join(fonte, "tpl", "sczub");

// cargar("zub-preguntas.js", ...) -> the ZUBP of a fresh context holding zub.js and those files.
// Arrays and objects it returns belong to that context: spread them ([...v]) before deepEqual.
function cargar(...familias) {
    const ctx = {console};
    ctx.window = ctx;
    vm.createContext(ctx);
    for (const f of ["zub.js", ...familias]) {
        const ruta = path.join(sczub, f);
        vm.runInContext(fs.readFileSync(ruta, "utf8"), ctx, {filename: ruta});
    }
    return ctx.ZUBP;
}

module.exports = {cargar, sczub};
