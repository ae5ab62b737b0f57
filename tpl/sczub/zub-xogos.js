// Quibel's HTML5 player: the picture games (puzzle, X-ray, classify pictures, identify pictures and sounds, drag pictures, pairs, choose).
// Each module registers with ZUBP.rexistrar(type, {cando, actividade, construir}); see zub.js.
(function(ZUBP) {
"use strict";
if (!ZUBP) return;
})(typeof window !== "undefined" ? window.ZUBP : this.ZUBP);
